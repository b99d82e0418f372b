// The multi-column tree page: a plant's equipment hierarchy (areas, units, equipment, nozzles)
// with tag, description, size, rating and status columns, read in one call from a bracketed text.
// The boxes, the arrow keys and the numeric pad's + - * open and close branches.
#include "GalleryPage.h"

namespace
{

// area(unit(equipment(nozzle, ...), ...), ...): tag%description%size%rating%status
const wchar_t kPlant[] =
    L"A-100%Crude distillation area%%%In operation("
    L"U-110%Atmospheric column unit%%%In operation("
    L"C-111%Atmospheric column%4200 ID%PN 6%In operation("
    L"N1%Feed inlet%DN 400%PN 16%,N2%Overhead vapour%DN 600%PN 6%,N3%Bottoms outlet%DN 300%PN 16%,"
    L"N4%Side draw%DN 150%PN 16%Blinded),"
    L"E-112%Crude preheater%1200 shell%PN 25%In operation("
    L"N1%Shell inlet%DN 250%PN 25%,N2%Shell outlet%DN 250%PN 25%),"
    L"P-113A%Bottoms pump%150 m3/h%PN 40%Running,P-113B%Spare bottoms pump%150 m3/h%PN 40%Standby),"
    L"U-120%Vacuum unit%%%Shut down("
    L"C-121%Vacuum column%6000 ID%FV%Inspection(N1%Transfer line%DN 900%PN 6%,N2%Ejector suction%DN 300%PN "
    L"6%),"
    L"J-122%Ejector set%3 stages%PN 16%Inspection)),"
    L"A-200%Utilities area%%%In operation("
    L"U-210%Cooling water%%%In operation("
    L"P-211%Cooling water pump%2400 m3/h%PN 10%Running,T-212%Cooling tower%4 cells%ATM%Running),"
    L"U-220%Steam and condensate%%%In operation("
    L"B-221%Package boiler%40 t/h%PN 63%Running(N1%Steam outlet%DN 200%PN 63%,N2%Feed water%DN 80%PN 100%),"
    L"V-222%Deaerator%3000 ID%PN 6%Running)),"
    L"A-300%Tank farm%%%In operation(T-301%Crude tank%60 000 m3%ATM%Filling,T-302%Crude tank%60 000 "
    L"m3%ATM%Idle)";

class CMultiColumnTreePage : public CGalleryPage
{
protected:
    BOOL CreateControls() override;
    void Fill() override;
    void Layout(int cx, int cy) override;

private:
    CStatic m_caption;
    CTreeMultiColumnCtrl m_tree;
};

GALLERY_PAGE(CMultiColumnTreePage, 60, L"mctree", L"Multi-column tree")

BOOL CMultiColumnTreePage::CreateControls()
{
    if (!CreateLabel(m_caption,
                     L"A plant's equipment read from one bracketed text. Click a box, or use the arrow keys "
                     L"and the numeric pad's + - * on the selected rows, to open and close branches.",
                     1))
        return FALSE;
    // The tree takes over a list window by subclassing, as it does in a dialog.
    HWND hList = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0,
                                   10, 10, m_hWnd, (HMENU)2, AfxGetInstanceHandle(), NULL);
    if (hList == NULL)
        return FALSE;
    ::SendMessageW(hList, WM_SETFONT, (WPARAM)GetGuiFont()->GetSafeHandle(), FALSE);
    return m_tree.SubclassWindow(hList);
}

void CMultiColumnTreePage::Fill()
{
    const struct
    {
        LPCWSTR lpszTitle;
        int nWidth;
    } columns[] = {{L"Tag", 190}, {L"Description", 200}, {L"Size", 100}, {L"Rating", 70}, {L"Status", 100}};
    for (int c = 0; c < 5; c++)
        m_tree.InsertColumn(c, columns[c].lpszTitle, LVCFMT_LEFT, columns[c].nWidth, c);
    m_tree.Fill(kPlant);
    // The first area open completely, the second one level; the shut-down unit in italics.
    int nFirst = m_tree.GetFirstItemChild(-1), nSecond = m_tree.GetNextItemChild();
    m_tree.RecExpandItems(nFirst);
    m_tree.ExpandItem(nSecond);
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    for (item.iItem = 0; m_tree.GetItem(&item); item.iItem++)
        if (m_tree.GetItemText(item.iItem, 4) == L"Shut down")
            m_tree.SetItalicRow(item.lParam, TRUE, FALSE);
    m_tree.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CMultiColumnTreePage::Layout(int cx, int cy)
{
    m_caption.MoveWindow(0, 0, cx, 36);
    m_tree.MoveWindow(0, 42, cx, cy - 42 > 0 ? cy - 42 : 0);
}

} // namespace
