// CListBox and CComboBox: thin wrappers over the LISTBOX and COMBOBOX classes, with the
// owner-draw messages reflected to virtual members.
#include <afxwin.h>
#include <algorithm>

namespace
{

// The owner-draw messages a parent reflects to a list or combo box; pResult is NULL for
// WM_DRAWITEM and WM_MEASUREITEM, whose answer the parent gives itself.
template <class TBox> BOOL ReflectOwnerDraw(TBox* pBox, UINT message, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    switch (message)
    {
    case WM_DRAWITEM: pBox->DrawItem((LPDRAWITEMSTRUCT)lParam); break;
    case WM_MEASUREITEM: pBox->MeasureItem((LPMEASUREITEMSTRUCT)lParam); break;
    case WM_COMPAREITEM: lResult = pBox->CompareItem((LPCOMPAREITEMSTRUCT)lParam); break;
    case WM_DELETEITEM: pBox->DeleteItem((LPDELETEITEMSTRUCT)lParam); break;
    default: return FALSE;
    }
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// CListBox

IMPLEMENT_DYNAMIC(CListBox, CWnd)

CListBox::CListBox() {}
CListBox::~CListBox()
{
    DestroyWindow();
}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"LISTBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_GETCOUNT, 0, 0);
}
int CListBox::GetHorizontalExtent() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_GETHORIZONTALEXTENT, 0, 0);
}
void CListBox::SetHorizontalExtent(int cxExtent)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, LB_SETHORIZONTALEXTENT, cxExtent, 0);
}
int CListBox::GetTopIndex() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_GETTOPINDEX, 0, 0);
}
int CListBox::SetTopIndex(int nIndex)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_SETTOPINDEX, nIndex, 0);
}
DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (DWORD_PTR)::SendMessage(m_hWnd, LB_GETITEMDATA, nIndex, 0);
}
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_SETITEMDATA, nIndex, (LPARAM)dwItemData);
}
void* CListBox::GetItemDataPtr(int nIndex) const
{
    return (void*)GetItemData(nIndex);
}
int CListBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, (DWORD_PTR)pData);
}
int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpRect == NULL)
        return LB_ERR;
    return (int)::SendMessage(m_hWnd, LB_GETITEMRECT, nIndex, (LPARAM)lpRect);
}
int CListBox::GetSel(int nIndex) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_GETSEL, nIndex, 0);
}
int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszBuffer == NULL)
        return LB_ERR;
    return (int)::SendMessage(m_hWnd, LB_GETTEXT, nIndex, (LPARAM)lpszBuffer);
}
void CListBox::GetText(int nIndex, CString& rString) const
{
    rString.Empty();
    int nLen = GetTextLen(nIndex);
    if (nLen < 0)
        return;
    int nGot = GetText(nIndex, rString.GetBuffer(nLen + 1));
    rString.ReleaseBuffer(nGot < 0 ? 0 : std::min(nGot, nLen));
}
int CListBox::GetTextLen(int nIndex) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_GETTEXTLEN, nIndex, 0);
}
void CListBox::SetColumnWidth(int cxWidth)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, LB_SETCOLUMNWIDTH, cxWidth, 0);
}
int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
}
int CListBox::GetItemHeight(int nIndex) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_GETITEMHEIGHT, nIndex, 0);
}
UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    ASSERT(::IsWindow(m_hWnd));
    DWORD dw = (DWORD)::SendMessage(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    bOutside = !!HIWORD(dw);
    return LOWORD(dw);
}
int CListBox::GetCurSel() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_GETCURSEL, 0, 0);
}
int CListBox::SetCurSel(int nSelect)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_SETCURSEL, nSelect, 0);
}
int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_SETSEL, bSelect, nIndex);
}
int CListBox::GetSelCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_GETSELCOUNT, 0, 0);
}
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (rgIndex == NULL || nMaxItems <= 0)
        return 0;
    return (int)::SendMessage(m_hWnd, LB_GETSELITEMS, nMaxItems, (LPARAM)rgIndex);
}
int CListBox::GetCaretIndex() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_GETCARETINDEX, 0, 0);
}
int CListBox::SetCaretIndex(int nIndex, BOOL bScroll)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_SETCARETINDEX, nIndex, MAKELONG(bScroll, 0));
}
int CListBox::AddString(LPCTSTR lpszItem)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_ADDSTRING, 0, (LPARAM)(lpszItem != NULL ? lpszItem : L""));
}
int CListBox::DeleteString(UINT nIndex)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_DELETESTRING, nIndex, 0);
}
int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LB_INSERTSTRING, nIndex, (LPARAM)(lpszItem != NULL ? lpszItem : L""));
}
void CListBox::ResetContent()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, LB_RESETCONTENT, 0, 0);
}
int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszItem == NULL)
        return LB_ERR;
    return (int)::SendMessage(m_hWnd, LB_FINDSTRING, nStartAfter, (LPARAM)lpszItem);
}
int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszFind == NULL)
        return LB_ERR;
    return (int)::SendMessage(m_hWnd, LB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
}
int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem)
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszItem == NULL)
        return LB_ERR;
    return (int)::SendMessage(m_hWnd, LB_SELECTSTRING, nStartAfter, (LPARAM)lpszItem);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    return 0;
}
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (ReflectOwnerDraw(this, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---------------------------------------------------------------------------------------------
// CComboBox

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

CComboBox::CComboBox() {}
CComboBox::~CComboBox()
{
    DestroyWindow();
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"COMBOBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_GETCOUNT, 0, 0);
}
int CComboBox::GetCurSel() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_GETCURSEL, 0, 0);
}
int CComboBox::SetCurSel(int nSelect)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_SETCURSEL, nSelect, 0);
}
int CComboBox::GetTopIndex() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_GETTOPINDEX, 0, 0);
}
int CComboBox::SetTopIndex(int nIndex)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_SETTOPINDEX, nIndex, 0);
}
void CComboBox::SetHorizontalExtent(UINT nExtent)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, CB_SETHORIZONTALEXTENT, nExtent, 0);
}
UINT CComboBox::GetHorizontalExtent() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (UINT)::SendMessage(m_hWnd, CB_GETHORIZONTALEXTENT, 0, 0);
}
int CComboBox::SetDroppedWidth(UINT nWidth)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_SETDROPPEDWIDTH, nWidth, 0);
}
int CComboBox::GetDroppedWidth() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_GETDROPPEDWIDTH, 0, 0);
}
DWORD CComboBox::GetEditSel() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (DWORD)::SendMessage(m_hWnd, CB_GETEDITSEL, 0, 0);
}
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
}
BOOL CComboBox::LimitText(int nMaxChars)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, CB_LIMITTEXT, nMaxChars, 0);
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (DWORD_PTR)::SendMessage(m_hWnd, CB_GETITEMDATA, nIndex, 0);
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_SETITEMDATA, nIndex, (LPARAM)dwItemData);
}
void* CComboBox::GetItemDataPtr(int nIndex) const
{
    return (void*)GetItemData(nIndex);
}
int CComboBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, (DWORD_PTR)pData);
}
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszText == NULL)
        return CB_ERR;
    return (int)::SendMessage(m_hWnd, CB_GETLBTEXT, nIndex, (LPARAM)lpszText);
}
void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    rString.Empty();
    int nLen = GetLBTextLen(nIndex);
    if (nLen < 0)
        return;
    int nGot = GetLBText(nIndex, rString.GetBuffer(nLen + 1));
    rString.ReleaseBuffer(nGot < 0 ? 0 : std::min(nGot, nLen));
}
int CComboBox::GetLBTextLen(int nIndex) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_GETLBTEXTLEN, nIndex, 0);
}
int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
}
int CComboBox::GetItemHeight(int nIndex) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_GETITEMHEIGHT, nIndex, 0);
}
int CComboBox::SetExtendedUI(BOOL bExtended)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_SETEXTENDEDUI, bExtended, 0);
}
BOOL CComboBox::GetExtendedUI() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, CB_GETEXTENDEDUI, 0, 0);
}
void CComboBox::GetDroppedControlRect(LPRECT lprect) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lprect != NULL)
        ::SendMessage(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)lprect);
}
BOOL CComboBox::GetDroppedState() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, CB_GETDROPPEDSTATE, 0, 0);
}
BOOL CComboBox::GetComboBoxInfo(PCOMBOBOXINFO pcbi) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (pcbi == NULL)
        return FALSE;
    pcbi->cbSize = sizeof(COMBOBOXINFO);
    return ::GetComboBoxInfo(m_hWnd, pcbi);
}
void CComboBox::ShowDropDown(BOOL bShowIt)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, CB_SHOWDROPDOWN, bShowIt, 0);
}
int CComboBox::AddString(LPCTSTR lpszString)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_ADDSTRING, 0, (LPARAM)(lpszString != NULL ? lpszString : L""));
}
int CComboBox::DeleteString(UINT nIndex)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_DELETESTRING, nIndex, 0);
}
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, CB_INSERTSTRING, nIndex,
                              (LPARAM)(lpszString != NULL ? lpszString : L""));
}
void CComboBox::ResetContent()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, CB_RESETCONTENT, 0, 0);
}
int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszString == NULL)
        return CB_ERR;
    return (int)::SendMessage(m_hWnd, CB_FINDSTRING, nStartAfter, (LPARAM)lpszString);
}
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszFind == NULL)
        return CB_ERR;
    return (int)::SendMessage(m_hWnd, CB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
}
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString)
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszString == NULL)
        return CB_ERR;
    return (int)::SendMessage(m_hWnd, CB_SELECTSTRING, nStartAfter, (LPARAM)lpszString);
}
void CComboBox::Clear()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_CLEAR, 0, 0);
}
void CComboBox::Copy()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_COPY, 0, 0);
}
void CComboBox::Cut()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_CUT, 0, 0);
}
void CComboBox::Paste()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_PASTE, 0, 0);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    return 0;
}
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (ReflectOwnerDraw(this, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
