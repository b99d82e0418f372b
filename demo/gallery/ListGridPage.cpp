// The list-mode grid page: the fastener catalogue from fasteners.csv, read-only, whole rows
// selected, sorted by a click on a heading; alternate rows shaded.
#include "GalleryPage.h"

namespace
{

class CFastenerListPage : public CGalleryPage
{
protected:
    BOOL CreateControls() override
    {
        return CreateLabel(m_caption, L"", 1) && m_grid.Create(CRect(0, 0, 100, 100), this, 2);
    }
    void Fill() override;
    void Layout(int cx, int cy) override
    {
        m_caption.MoveWindow(0, 0, cx, 30);
        m_grid.MoveWindow(0, 34, cx, std::max(cy - 34, 0));
        if (!m_bFitted && m_grid.GetColumnCount() > 1)
        { // widen the columns once, to the first size
            m_grid.ExpandColumnsToFit();
            m_bFitted = TRUE;
        }
    }

private:
    CStatic m_caption;
    CQGridCtrl m_grid;
    BOOL m_bFitted = TRUE;
};

GALLERY_PAGE(CFastenerListPage, 20, L"list", L"Grid: fastener list")

void CFastenerListPage::Fill()
{
    CString strFile = DataFolder() + L"fasteners.csv";
    m_grid.SetRedraw(FALSE);
    if (::GetFileAttributesW(strFile) == INVALID_FILE_ATTRIBUTES || !m_grid.Load(strFile))
    {
        m_grid.SetRedraw(TRUE, TRUE);
        m_caption.SetWindowText(L"fasteners.csv was not found: " + strFile);
        return;
    }
    m_grid.SetFixedRowCount(1);
    m_grid.SetListMode(TRUE);
    m_grid.SetHeaderSort(TRUE);
    m_grid.SetEditable(FALSE);
    m_grid.SetGridLines(GVL_VERT);
    m_grid.SetTextBkColor(RGB(255, 255, 255));

    const int nCols = m_grid.GetColumnCount();
    for (int row = 1; row < m_grid.GetRowCount(); row++)
    {
        for (int col = 0; col < nCols; col++)
        {
            CString strText = m_grid.GetItemText(row, col);
            bool bNumber =
                !strText.IsEmpty() && (iswdigit(strText[0]) != 0) && col != 4; // the class is a name
            m_grid.SetItemFormat(row, col,
                                 (bNumber ? DT_RIGHT : DT_LEFT) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            if (row % 2 == 0)
                m_grid.SetItemBkColour(row, col, RGB(238, 243, 250));
        }
    }
    m_grid.AutoSizeColumns();
    m_grid.SetRedraw(TRUE, TRUE);
    m_bFitted = FALSE;
    m_grid.SetSelectedRange(3, 0, 3, nCols - 1);

    CString strCaption;
    strCaption.Format(L"%d fasteners from fasteners.csv in a read-only list: a click selects the whole "
                      L"row, a click on a heading sorts by that column.",
                      m_grid.GetRowCount() - 1);
    m_caption.SetWindowText(strCaption);
}

} // namespace
