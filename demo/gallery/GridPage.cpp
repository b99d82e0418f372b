// The grid page: a few hundred pipe sizes loaded from pipes.csv (the grid's own file
// format), with a fixed heading row and tag column, an in-place editor chosen per column, stock
// states shown with colours and images, and bold red pressures above the plant's limit.
#include "GalleryPage.h"

namespace
{

enum Column
{
    kTag,
    kNps,
    kDn,
    kOutside,
    kWall,
    kSchedule,
    kMaterial,
    kWeight,
    kPressure,
    kEnds,
    kStock
};

// Editor styles of the grid's cells.
enum EditorStyle
{
    kEditText = 0,
    kEditNumber = 1,
    kEditDecimal = 2,
    kEditList = 3,
    kEditCombo = 4,
    kEditNone = 7
};

const int kPressureLimit = 400; // bar: ratings above it stand out

struct StockLook
{
    LPCWSTR lpszState;
    COLORREF crBack;  // cell background
    COLORREF crImage; // the state's round mark
};
const StockLook kStockLooks[] = {
    {L"In stock", CLR_DEFAULT, RGB(46, 160, 67)},
    {L"Low", RGB(255, 240, 200), RGB(230, 160, 20)},
    {L"On order", RGB(255, 222, 222), RGB(200, 40, 40)},
};

class CPipeGridPage : public CGalleryPage
{
protected:
    BOOL CreateControls() override;
    void Fill() override;
    void Layout(int cx, int cy) override;

private:
    void MakeImages();
    void SetColumnEditor(int nCol, UINT nStyle, const CStringArray* pChoices);
    void MarkRow(int nRow);
    LOGFONTW BoldFont();

    CStatic m_caption;
    CQGridCtrl m_grid;
    CImageList m_images;
    BOOL m_bFitted = TRUE;
};

GALLERY_PAGE(CPipeGridPage, 10, L"grid", L"Grid: pipe sizes")

BOOL CPipeGridPage::CreateControls()
{
    return CreateLabel(m_caption, L"", 1) && m_grid.Create(CRect(0, 0, 100, 100), this, 2);
}

// Round marks of the stock states, 16 x 16 with a magenta mask.
void CPipeGridPage::MakeImages()
{
    m_images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0);
    CClientDC screen(this);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    for (const StockLook& look : kStockLooks)
    {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 16, 16);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 255));
        CBrush brush(look.crImage);
        CPen pen(PS_SOLID, 1, RGB(60, 60, 60));
        CBrush* pOldBrush = dc.SelectObject(&brush);
        CPen* pOldPen = dc.SelectObject(&pen);
        dc.Ellipse(2, 2, 14, 14);
        dc.SelectObject(pOldBrush);
        dc.SelectObject(pOldPen);
        dc.SelectObject(pOld);
        m_images.Add(&bitmap, RGB(255, 0, 255));
    }
}

// Every cell of the column below the headings gets the editor; list editors offer the choices
// with the cell's own text first (setting the choices sets the text to the first of them).
void CPipeGridPage::SetColumnEditor(int nCol, UINT nStyle, const CStringArray* pChoices)
{
    for (int row = m_grid.GetFixedRowCount(); row < m_grid.GetRowCount(); row++)
    {
        m_grid.SetCellStyle(row, nCol, nStyle);
        if (pChoices == NULL)
            continue;
        CString strText = m_grid.GetItemText(row, nCol);
        CStringArray choices;
        choices.Add(strText);
        for (int i = 0; i < pChoices->GetSize(); i++)
            if (pChoices->GetAt(i) != strText)
                choices.Add(pChoices->GetAt(i));
        m_grid.SetCellListArray(row, nCol, choices);
    }
}

// The grid's font in bold.
LOGFONTW CPipeGridPage::BoldFont()
{
    LOGFONTW lf = {};
    CFont* pFont = m_grid.GetFont();
    if (pFont == NULL || pFont->GetLogFont(&lf) == 0)
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    return lf;
}

void CPipeGridPage::MarkRow(int nRow)
{
    CString strStock = m_grid.GetItemText(nRow, kStock);
    for (int i = 0; i < (int)(sizeof(kStockLooks) / sizeof(kStockLooks[0])); i++)
    {
        if (strStock != kStockLooks[i].lpszState)
            continue;
        m_grid.SetItemImage(nRow, kStock, i);
        m_grid.SetItemBkColour(nRow, kStock, kStockLooks[i].crBack);
        if (i == 2)
            m_grid.SetItemBkColour(nRow, kTag, kStockLooks[i].crBack);
    }
    CString strMaterial = m_grid.GetItemText(nRow, kMaterial);
    if (strMaterial.Find(L"Stainless") == 0)
        m_grid.SetItemFgColour(nRow, kMaterial, RGB(0, 70, 160));
    if (strMaterial.Find(L"Duplex") == 0)
        m_grid.SetItemFgColour(nRow, kMaterial, RGB(120, 40, 140));
    if (_wtoi(m_grid.GetItemText(nRow, kPressure)) > kPressureLimit)
    {
        LOGFONTW lf = BoldFont();
        m_grid.SetItemFont(nRow, kPressure, &lf);
        m_grid.SetItemFgColour(nRow, kPressure, RGB(190, 0, 0));
    }
}

void CPipeGridPage::Fill()
{
    CString strFile = DataFolder() + L"pipes.csv";
    m_grid.SetRedraw(FALSE);
    if (::GetFileAttributesW(strFile) == INVALID_FILE_ATTRIBUTES || !m_grid.Load(strFile) ||
        m_grid.GetColumnCount() <= kStock)
    {
        m_grid.SetRowCount(1);
        m_grid.SetColumnCount(1);
        m_grid.SetItemText(0, 0, L"pipes.csv is missing: " + strFile);
        m_grid.AutoSizeColumns();
        m_grid.SetRedraw(TRUE, TRUE);
        m_caption.SetWindowText(L"The pipe table was not found.");
        return;
    }
    MakeImages();
    m_grid.SetImageList(&m_images);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.SetHeaderSort(TRUE);
    m_grid.SetEditable(TRUE);

    LOGFONTW lf = BoldFont();
    for (int col = 0; col < m_grid.GetColumnCount(); col++)
        m_grid.SetItemFont(0, col, &lf);

    const UINT kLeft = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    const UINT kRight = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    for (int row = 1; row < m_grid.GetRowCount(); row++)
    {
        for (int col = 0; col < m_grid.GetColumnCount(); col++)
        {
            bool bNumber =
                col == kDn || col == kOutside || col == kWall || col == kWeight || col == kPressure;
            m_grid.SetItemFormat(row, col, bNumber ? kRight : kLeft);
        }
        MarkRow(row);
    }

    CStringArray schedules, materials, ends, stock;
    for (LPCWSTR s : {L"10", L"40", L"80", L"160"})
        schedules.Add(s);
    for (LPCWSTR s : {L"Carbon steel A106 Gr.B", L"Stainless 304L", L"Stainless 316L", L"Duplex 2205"})
        materials.Add(s);
    for (LPCWSTR s : {L"Bevelled", L"Socket weld", L"Threaded", L"Flanged"})
        ends.Add(s);
    for (const StockLook& look : kStockLooks)
        stock.Add(look.lpszState);
    SetColumnEditor(kNps, kEditText, NULL);
    SetColumnEditor(kDn, kEditNumber, NULL);
    SetColumnEditor(kOutside, kEditDecimal, NULL);
    SetColumnEditor(kWall, kEditDecimal, NULL);
    SetColumnEditor(kSchedule, kEditList, &schedules);
    SetColumnEditor(kMaterial, kEditCombo, &materials);
    SetColumnEditor(kWeight, kEditNone, NULL);   // derived from the dimensions
    SetColumnEditor(kPressure, kEditNone, NULL); // derived from the wall and the material
    SetColumnEditor(kEnds, kEditCombo, &ends);
    SetColumnEditor(kStock, kEditList, &stock);

    m_grid.AutoSizeColumns();
    m_grid.SetColumnWidth(kStock, m_grid.GetColumnWidth(kStock) + 8);
    m_grid.SetRedraw(TRUE, TRUE);
    m_bFitted = FALSE;
    m_grid.SetSelectedRange(1, kSchedule, 1, kSchedule);

    CString strCaption;
    strCaption.Format(L"%d pipe sizes from pipes.csv. Double-click a cell to edit it: numbers, "
                      L"choice lists for the schedule and stock, free choice for material and ends; weight "
                      L"and pressure are derived. Click a heading to sort.",
                      m_grid.GetRowCount() - 1);
    m_caption.SetWindowText(strCaption);
}

void CPipeGridPage::Layout(int cx, int cy)
{
    m_caption.MoveWindow(0, 0, cx, 30);
    m_grid.MoveWindow(0, 34, cx, std::max(cy - 34, 0));
    if (!m_bFitted && m_grid.GetColumnCount() > 1)
    { // widen the columns once, to the first size
        m_grid.ExpandColumnsToFit();
        m_bFitted = TRUE;
    }
}

} // namespace
