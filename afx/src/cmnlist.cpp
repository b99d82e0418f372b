// CHeaderCtrl and CListCtrl: thin wrappers over comctl32's header and list-view classes.
#include <afxcmn.h>

namespace
{

void InitListViewClasses()
{
    static bool bDone = false;
    if (bDone)
        return;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    bDone = true;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// CHeaderCtrl

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

CHeaderCtrl::CHeaderCtrl() {}
CHeaderCtrl::~CHeaderCtrl()
{
    DestroyWindow();
}

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitListViewClasses();
    return CWnd::Create(WC_HEADERW, NULL, dwStyle, rect, pParentWnd, nID);
}

int CHeaderCtrl::GetItemCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, HDM_GETITEMCOUNT, 0, 0);
}
BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (pHeaderItem == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, HDM_GETITEM, nPos, (LPARAM)pHeaderItem);
}
BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* pHeaderItem)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pHeaderItem == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, HDM_SETITEM, nPos, (LPARAM)pHeaderItem);
}
BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpRect == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, HDM_GETITEMRECT, nIndex, (LPARAM)lpRect);
}
BOOL CHeaderCtrl::GetOrderArray(LPINT piArray, int iCount)
{
    ASSERT(::IsWindow(m_hWnd));
    if (iCount < 0)
        iCount = GetItemCount();
    if (piArray == NULL || iCount <= 0)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, HDM_GETORDERARRAY, iCount, (LPARAM)piArray);
}
BOOL CHeaderCtrl::SetOrderArray(int iCount, LPINT piArray)
{
    ASSERT(::IsWindow(m_hWnd));
    if (piArray == NULL || iCount <= 0)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, HDM_SETORDERARRAY, iCount, (LPARAM)piArray);
}
int CHeaderCtrl::OrderToIndex(int nOrder) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, HDM_ORDERTOINDEX, nOrder, 0);
}
CImageList* CHeaderCtrl::GetImageList() const
{
    ASSERT(::IsWindow(m_hWnd));
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, HDM_GETIMAGELIST, 0, 0));
}
CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList)
{
    ASSERT(::IsWindow(m_hWnd));
    HIMAGELIST hList = pImageList != NULL ? pImageList->m_hImageList : NULL;
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, HDM_SETIMAGELIST, 0, (LPARAM)hList));
}
int CHeaderCtrl::GetBitmapMargin() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, HDM_GETBITMAPMARGIN, 0, 0);
}
int CHeaderCtrl::SetBitmapMargin(int nWidth)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, HDM_SETBITMAPMARGIN, nWidth, 0);
}
int CHeaderCtrl::InsertItem(int nPos, HDITEM* phdi)
{
    ASSERT(::IsWindow(m_hWnd));
    if (phdi == NULL)
        return -1;
    return (int)::SendMessage(m_hWnd, HDM_INSERTITEM, nPos, (LPARAM)phdi);
}
BOOL CHeaderCtrl::DeleteItem(int nPos)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, HDM_DELETEITEM, nPos, 0);
}
BOOL CHeaderCtrl::Layout(HDLAYOUT* pHeaderLayout)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pHeaderLayout == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, HDM_LAYOUT, 0, (LPARAM)pHeaderLayout);
}
int CHeaderCtrl::HitTest(LPHDHITTESTINFO pHeaderHitTestInfo)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pHeaderHitTestInfo == NULL)
        return -1;
    return (int)::SendMessage(m_hWnd, HDM_HITTEST, 0, (LPARAM)pHeaderHitTestInfo);
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// CListCtrl: creation, attributes

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BEGIN_MESSAGE_MAP(CListCtrl, CWnd)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CListCtrl::CListCtrl() {}
CListCtrl::~CListCtrl()
{
    DestroyWindow();
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitListViewClasses();
    return CWnd::Create(WC_LISTVIEWW, NULL, dwStyle, rect, pParentWnd, nID);
}
BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitListViewClasses();
    return CWnd::CreateEx(dwExStyle, WC_LISTVIEWW, NULL, dwStyle, rect, pParentWnd, nID);
}

COLORREF CListCtrl::GetBkColor() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (COLORREF)::SendMessage(m_hWnd, LVM_GETBKCOLOR, 0, 0);
}
BOOL CListCtrl::SetBkColor(COLORREF cr)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_SETBKCOLOR, 0, cr);
}
COLORREF CListCtrl::GetTextColor() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (COLORREF)::SendMessage(m_hWnd, LVM_GETTEXTCOLOR, 0, 0);
}
BOOL CListCtrl::SetTextColor(COLORREF cr)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_SETTEXTCOLOR, 0, cr);
}
COLORREF CListCtrl::GetTextBkColor() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (COLORREF)::SendMessage(m_hWnd, LVM_GETTEXTBKCOLOR, 0, 0);
}
BOOL CListCtrl::SetTextBkColor(COLORREF cr)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_SETTEXTBKCOLOR, 0, cr);
}
CImageList* CListCtrl::GetImageList(int nImageList) const
{
    ASSERT(::IsWindow(m_hWnd));
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, LVM_GETIMAGELIST, nImageList, 0));
}
CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    ASSERT(::IsWindow(m_hWnd));
    HIMAGELIST hList = pImageList != NULL ? pImageList->m_hImageList : NULL;
    return CImageList::FromHandle(
        (HIMAGELIST)::SendMessage(m_hWnd, LVM_SETIMAGELIST, nImageListType, (LPARAM)hList));
}
int CListCtrl::GetItemCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LVM_GETITEMCOUNT, 0, 0);
}
void CListCtrl::SetItemCount(int nItems)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, LVM_SETITEMCOUNT, nItems, 0);
}
BOOL CListCtrl::GetItem(LVITEM* pItem) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (pItem == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_GETITEM, 0, (LPARAM)pItem);
}
BOOL CListCtrl::SetItem(const LVITEM* pItem)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pItem == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_SETITEM, 0, (LPARAM)pItem);
}
BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam)
{
    LVITEM lvi = {};
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    lvi.pszText = (LPTSTR)lpszItem;
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return SetItem(&lvi);
}
UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (UINT)::SendMessage(m_hWnd, LVM_GETITEMSTATE, nItem, nMask);
}
BOOL CListCtrl::SetItemState(int nItem, LVITEM* pItem)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pItem == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_SETITEMSTATE, nItem, (LPARAM)pItem);
}
BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEM lvi = {};
    lvi.stateMask = nMask;
    lvi.state = nState;
    return SetItemState(nItem, &lvi);
}
CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    ASSERT(::IsWindow(m_hWnd));
    // The control answers the number of characters copied; a full buffer may mean more text.
    CString str;
    LVITEM lvi = {};
    lvi.iSubItem = nSubItem;
    for (int nLen = 256;; nLen *= 2)
    {
        lvi.cchTextMax = nLen;
        lvi.pszText = str.GetBuffer(nLen);
        int nGot = (int)::SendMessage(m_hWnd, LVM_GETITEMTEXT, nItem, (LPARAM)&lvi);
        if (nGot < 0)
            nGot = 0;
        str.ReleaseBuffer(nGot < nLen ? nGot : nLen - 1);
        if (nGot < nLen - 1 || nLen >= (1 << 24))
            break;
    }
    return str;
}
int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszText == NULL || nLen <= 0)
        return 0;
    LVITEM lvi = {};
    lvi.iSubItem = nSubItem;
    lvi.cchTextMax = nLen;
    lvi.pszText = lpszText;
    return (int)::SendMessage(m_hWnd, LVM_GETITEMTEXT, nItem, (LPARAM)&lvi);
}
BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    ASSERT(::IsWindow(m_hWnd));
    LVITEM lvi = {};
    lvi.iSubItem = nSubItem;
    lvi.pszText = (LPTSTR)lpszText;
    return (BOOL)::SendMessage(m_hWnd, LVM_SETITEMTEXT, nItem, (LPARAM)&lvi);
}
DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEM lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = nItem;
    return GetItem(&lvi) ? (DWORD_PTR)lvi.lParam : 0;
}
BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    return SetItem(nItem, 0, LVIF_PARAM, NULL, 0, 0, 0, (LPARAM)dwData);
}
int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0));
}
// A POSITION here is the item index + 1, NULL after the last selected item.
POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    int nItem = GetNextItem(-1, LVNI_SELECTED);
    return (POSITION)(INT_PTR)(nItem + 1);
}
int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    int nItem = (int)(INT_PTR)pos - 1;
    int nNext = GetNextItem(nItem, LVNI_SELECTED);
    pos = (POSITION)(INT_PTR)(nNext + 1);
    return nItem;
}
UINT CListCtrl::GetSelectedCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (UINT)::SendMessage(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0);
}
int CListCtrl::GetSelectionMark() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LVM_GETSELECTIONMARK, 0, 0);
}
int CListCtrl::SetSelectionMark(int iIndex)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LVM_SETSELECTIONMARK, 0, iIndex);
}
BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpRect == NULL)
        return FALSE;
    lpRect->left = nCode;
    return (BOOL)::SendMessage(m_hWnd, LVM_GETITEMRECT, nItem, (LPARAM)lpRect);
}
BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const
{
    ASSERT(::IsWindow(m_hWnd));
    RECT rc = {nArea, iSubItem, 0, 0};
    BOOL bOk = (BOOL)::SendMessage(m_hWnd, LVM_GETSUBITEMRECT, iItem, (LPARAM)&rc);
    if (bOk)
        ref = rc;
    return bOk;
}
BOOL CListCtrl::GetItemPosition(int nItem, LPPOINT lpPoint) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpPoint == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_GETITEMPOSITION, nItem, (LPARAM)lpPoint);
}
BOOL CListCtrl::SetItemPosition(int nItem, POINT pt)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_SETITEMPOSITION32, nItem, (LPARAM)&pt);
}
BOOL CListCtrl::GetViewRect(LPRECT lpRect) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpRect == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_GETVIEWRECT, 0, (LPARAM)lpRect);
}
BOOL CListCtrl::GetOrigin(LPPOINT lpPoint) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpPoint == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_GETORIGIN, 0, (LPARAM)lpPoint);
}
int CListCtrl::GetStringWidth(LPCTSTR lpsz) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpsz == NULL)
        return 0;
    return (int)::SendMessage(m_hWnd, LVM_GETSTRINGWIDTH, 0, (LPARAM)lpsz);
}
CEdit* CListCtrl::GetEditControl() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (CEdit*)CWnd::FromHandle((HWND)::SendMessage(m_hWnd, LVM_GETEDITCONTROL, 0, 0));
}
CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (CHeaderCtrl*)CWnd::FromHandle((HWND)::SendMessage(m_hWnd, LVM_GETHEADER, 0, 0));
}
BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (pColumn == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_GETCOLUMN, nCol, (LPARAM)pColumn);
}
BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pColumn == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_SETCOLUMN, nCol, (LPARAM)pColumn);
}
int CListCtrl::GetColumnWidth(int nCol) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LVM_GETCOLUMNWIDTH, nCol, 0);
}
BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0));
}
BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (iCount < 0)
    {
        HWND hHeader = (HWND)::SendMessage(m_hWnd, LVM_GETHEADER, 0, 0);
        iCount = hHeader != NULL ? (int)::SendMessage(hHeader, HDM_GETITEMCOUNT, 0, 0) : 0;
    }
    if (piArray == NULL || iCount <= 0)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_GETCOLUMNORDERARRAY, iCount, (LPARAM)piArray);
}
BOOL CListCtrl::SetColumnOrderArray(int iCount, LPINT piArray)
{
    ASSERT(::IsWindow(m_hWnd));
    if (piArray == NULL || iCount <= 0)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_SETCOLUMNORDERARRAY, iCount, (LPARAM)piArray);
}
DWORD CListCtrl::GetExtendedStyle() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (DWORD)::SendMessage(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
}
DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    ASSERT(::IsWindow(m_hWnd));
    return (DWORD)::SendMessage(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle);
}
int CListCtrl::GetTopIndex() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LVM_GETTOPINDEX, 0, 0);
}
int CListCtrl::GetCountPerPage() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LVM_GETCOUNTPERPAGE, 0, 0);
}
BOOL CListCtrl::GetCheck(int nItem) const
{
    // 1 for the checked state image, 0 for the unchecked one, -1 without state images.
    UINT nState = GetItemState(nItem, LVIS_STATEIMAGEMASK);
    return (BOOL)(nState >> 12) - 1;
}
BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck)
{
    return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}
int CListCtrl::GetHotItem() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LVM_GETHOTITEM, 0, 0);
}
int CListCtrl::SetHotItem(int iIndex)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, LVM_SETHOTITEM, iIndex, 0);
}

// ---------------------------------------------------------------------------------------------
// CListCtrl: operations

int CListCtrl::InsertItem(const LVITEM* pItem)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pItem == NULL)
        return -1;
    return (int)::SendMessage(m_hWnd, LVM_INSERTITEM, 0, (LPARAM)pItem);
}
int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}
int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}
int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam)
{
    LVITEM lvi = {};
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.state = nState;
    lvi.stateMask = nStateMask;
    lvi.pszText = (LPTSTR)lpszItem;
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return InsertItem(&lvi);
}
BOOL CListCtrl::DeleteItem(int nItem)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_DELETEITEM, nItem, 0);
}
BOOL CListCtrl::DeleteAllItems()
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_DELETEALLITEMS, 0, 0);
}
int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (pFindInfo == NULL)
        return -1;
    return (int)::SendMessage(m_hWnd, LVM_FINDITEM, nStart, (LPARAM)pFindInfo);
}
int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (pHitTestInfo == NULL)
        return -1;
    return (int)::SendMessage(m_hWnd, LVM_HITTEST, 0, (LPARAM)pHitTestInfo);
}
int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO hti = {};
    hti.pt = pt;
    int nItem = HitTest(&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return nItem;
}
int CListCtrl::SubItemHitTest(LPLVHITTESTINFO pInfo)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pInfo == NULL)
        return -1;
    return (int)::SendMessage(m_hWnd, LVM_SUBITEMHITTEST, 0, (LPARAM)pInfo);
}
BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_ENSUREVISIBLE, nItem, MAKELPARAM(bPartialOK, 0));
}
BOOL CListCtrl::Scroll(CSize size)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_SCROLL, size.cx, size.cy);
}
BOOL CListCtrl::RedrawItems(int nFirst, int nLast)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_REDRAWITEMS, nFirst, nLast);
}
BOOL CListCtrl::Update(int nItem)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_UPDATE, nItem, 0);
}
BOOL CListCtrl::Arrange(UINT nCode)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_ARRANGE, nCode, 0);
}
CEdit* CListCtrl::EditLabel(int nItem)
{
    ASSERT(::IsWindow(m_hWnd));
    return (CEdit*)CWnd::FromHandle((HWND)::SendMessage(m_hWnd, LVM_EDITLABEL, nItem, 0));
}
int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pColumn == NULL)
        return -1;
    return (int)::SendMessage(m_hWnd, LVM_INSERTCOLUMN, nCol, (LPARAM)pColumn);
}
int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = (LPTSTR)lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}
BOOL CListCtrl::DeleteColumn(int nCol)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, LVM_DELETECOLUMN, nCol, 0);
}
CImageList* CListCtrl::CreateDragImage(int nItem, LPPOINT lpPoint)
{
    ASSERT(::IsWindow(m_hWnd));
    HIMAGELIST hList = (HIMAGELIST)::SendMessage(m_hWnd, LVM_CREATEDRAGIMAGE, nItem, (LPARAM)lpPoint);
    if (hList == NULL)
        return NULL;
    CImageList* pList = new CImageList;
    pList->Attach(hList);
    return pList;
}
BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pfnCompare == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_SORTITEMS, dwData, (LPARAM)pfnCompare);
}
BOOL CListCtrl::SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pfnCompare == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, LVM_SORTITEMSEX, dwData, (LPARAM)pfnCompare);
}

// ---------------------------------------------------------------------------------------------
// CListCtrl: overridables and handlers

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

void CListCtrl::RemoveImageList(int nImageList)
{
    HIMAGELIST hList = (HIMAGELIST)::SendMessage(m_hWnd, LVM_GETIMAGELIST, nImageList, 0);
    if (hList != NULL && CImageList::FromHandlePermanent(hList) != NULL)
        ::SendMessage(m_hWnd, LVM_SETIMAGELIST, nImageList, 0);
}

void CListCtrl::OnNcDestroy()
{
    RemoveImageList(LVSIL_NORMAL);
    RemoveImageList(LVSIL_SMALL);
    RemoveImageList(LVSIL_STATE);
    CWnd::OnNcDestroy();
}
