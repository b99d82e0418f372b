// The report list page: a pipe-fitting catalogue of a few hundred parts in a CTsyslistviewex.
// A click on a heading sorts by that column, a Ctrl-click adds the column to the sort (the
// heading shows the arrow and, from the second sort column on, ticks for its priority). Parts
// on special order are bold, discontinued ones italic; the fitting column shows a symbol from
// the library's bitmap strip in front of the type; grid lines frame the cells.
#include "GalleryPage.h"
#include "res/reportlist_res.h"

namespace
{

struct FittingType
{
    LPCWSTR lpszName;
    LPCWSTR lpszCode;
    int nImage; // in the library's strip
};
const FittingType kTypes[] = {
    {L"Elbow 90\u00b0", L"EL9", 0},
    {L"Elbow 45\u00b0", L"EL4", 1},
    {L"Equal tee", L"TEE", 2},
    {L"Reducer", L"RED", 3},
    {L"Cap", L"CAP", 4},
    {L"Weld-neck flange", L"FWN", 5},
    {L"Coupling", L"CPL", 6},
    {L"Union", L"UNI", 7},
};
struct Material
{
    LPCWSTR lpszName;
    LPCWSTR lpszCode;
    double dFactor; // price relative to carbon steel
};
const Material kMaterials[] = {
    {L"Carbon steel A105", L"CS", 1.0}, {L"Stainless 316L", L"SS", 3.4}, {L"Duplex 2205", L"DX", 5.2},
    {L"Ductile iron", L"DI", 0.8},      {L"PVC-U", L"PV", 0.25},         {L"Copper C12200", L"CU", 2.1},
};
const int kSizes[] = {15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200, 250, 300};
const LPCWSTR kRatings[] = {L"PN16", L"PN40", L"Class 150", L"Class 300", L"Class 600"};

const UINT kListId = 2;

class CReportListPage : public CGalleryPage
{
protected:
    BOOL CreateControls() override
    {
        if (!CreateLabel(m_caption, L"", 1))
            return FALSE;
        HWND hList = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                       WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 100, 100,
                                       m_hWnd, (HMENU)(UINT_PTR)kListId, AfxGetInstanceHandle(), NULL);
        if (hList == NULL)
            return FALSE;
        ::SendMessageW(hList, WM_SETFONT, (WPARAM)GetGuiFont()->GetSafeHandle(), FALSE);
        return m_list.SubclassWindow(hList);
    }
    void Fill() override;
    void Layout(int cx, int cy) override
    {
        m_caption.MoveWindow(0, 0, cx, 30);
        m_list.MoveWindow(0, 34, cx, std::max(cy - 34, 0));
    }

private:
    CStatic m_caption;
    CTsyslistviewex m_list;
};

GALLERY_PAGE(CReportListPage, 25, L"reportlist", L"Report list")

void CReportListPage::Fill()
{
    struct Column
    {
        LPCWSTR lpszTitle;
        int nFormat, nWidth;
    } columns[] = {{L"Part number", LVCFMT_LEFT, 130}, {L"Fitting", LVCFMT_LEFT, 150},
                   {L"DN", LVCFMT_RIGHT, 50},          {L"Material", LVCFMT_LEFT, 130},
                   {L"Rating", LVCFMT_LEFT, 80},       {L"Price", LVCFMT_RIGHT, 80},
                   {L"Stock", LVCFMT_RIGHT, 60}};
    for (int c = 0; c < (int)(sizeof(columns) / sizeof(columns[0])); ++c)
        m_list.InsertColumn(c, columns[c].lpszTitle, columns[c].nFormat, columns[c].nWidth, c);
    m_list.AttachBitmap(1, IDB_QCTL_LISTICONS, QCTL_LISTICONS_CX, QCTL_LISTICONS_CY, 0);
    // Sizes and prices compare as numbers: zero-padded texts would show the padding, so the
    // two columns get compare functions of their own.
    auto byNumber = [](const wchar_t* a, const wchar_t* b)
    {
        double x = _wtof(a), y = _wtof(b);
        return x < y ? -1 : x > y ? 1 : 0;
    };
    m_list.AddSortCallBack(2, byNumber);
    m_list.AddSortCallBack(5, byNumber);
    m_list.AddSortCallBack(6, byNumber);

    // A fixed pseudo-random catalogue: the same parts on every run.
    unsigned int seed = 20261206;
    auto next = [&seed](unsigned int n)
    {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    m_list.SetRedraw(FALSE);
    const int nParts = 360;
    for (int i = 0; i < nParts; ++i)
    {
        const FittingType& type = kTypes[next(8)];
        const Material& material = kMaterials[next(6)];
        int nSize = kSizes[next(14)];
        CString strPart, strFitting, strSize, strPrice, strStock;
        strPart.Format(L"%s-%s-%03d-%04d", type.lpszCode, material.lpszCode, nSize, 1000 + i * 7 % 9000);
        strFitting.Format(L"%d%c%s", type.nImage, CTsyslistviewex::m_cImageTextSeparator, type.lpszName);
        strSize.Format(L"DN%d", nSize);
        double dPrice = (4.0 + nSize * nSize / 90.0) * material.dFactor * (0.9 + next(20) / 100.0);
        strPrice.Format(L"%.2f", dPrice);
        strStock.Format(L"%d", (int)next(7) == 0 ? 0 : (int)next(400));
        int nItem = m_list.InsertItem(i, strPart);
        m_list.SetItemText(nItem, 1, strFitting);
        m_list.SetItemText(nItem, 2, strSize.Mid(2));
        m_list.SetItemText(nItem, 3, material.lpszName);
        m_list.SetItemText(nItem, 4, kRatings[next(5)]);
        m_list.SetItemText(nItem, 5, strPrice);
        m_list.SetItemText(nItem, 6, strStock);
        m_list.SetItemData(nItem, (DWORD_PTR)(i + 1));
        if (strStock == L"0")
            m_list.SetBoldRow(i + 1, TRUE, FALSE); // special order
        else if (next(12) == 0)
            m_list.SetItalicRow(i + 1, TRUE, FALSE); // discontinued
    }
    m_list.SetRedraw(TRUE);
    m_list.ViewGridLines(TRUE);
    m_list.EnableSort(TRUE);
    // By material, then fitting, then size from the largest down.
    m_list.SortAllItems(L"3,1,2D");
    m_list.SelectItem(2);

    CString strCaption;
    strCaption.Format(L"%d pipe fittings sorted by material, fitting and size (largest first): a click on a "
                      L"heading sorts by it, Ctrl+click adds it to the sort. Bold: special order; italic: "
                      L"discontinued.",
                      nParts);
    m_caption.SetWindowText(strCaption);
}

} // namespace
