// CTreeCtrl: thin wrappers over comctl32's tree-view class.
#include <afxcmn.h>

namespace
{

void InitTreeViewClass()
{
    static bool bDone = false;
    if (bDone)
        return;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    bDone = true;
}

} // namespace

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

CTreeCtrl::CTreeCtrl() {}
CTreeCtrl::~CTreeCtrl()
{
    DestroyWindow();
}

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitTreeViewClass();
    return CWnd::Create(WC_TREEVIEWW, NULL, dwStyle, rect, pParentWnd, nID);
}
BOOL CTreeCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitTreeViewClass();
    return CWnd::CreateEx(dwExStyle, WC_TREEVIEWW, NULL, dwStyle, rect, pParentWnd, nID);
}

// ---------------------------------------------------------------------------------------------
// Attributes

UINT CTreeCtrl::GetCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (UINT)::SendMessage(m_hWnd, TVM_GETCOUNT, 0, 0);
}
UINT CTreeCtrl::GetIndent() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (UINT)::SendMessage(m_hWnd, TVM_GETINDENT, 0, 0);
}
void CTreeCtrl::SetIndent(UINT nIndent)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, TVM_SETINDENT, nIndent, 0);
}
CImageList* CTreeCtrl::GetImageList(int nImageList) const
{
    ASSERT(::IsWindow(m_hWnd));
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, TVM_GETIMAGELIST, nImageList, 0));
}
CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    ASSERT(::IsWindow(m_hWnd));
    HIMAGELIST hList = pImageList != NULL ? pImageList->m_hImageList : NULL;
    return CImageList::FromHandle(
        (HIMAGELIST)::SendMessage(m_hWnd, TVM_SETIMAGELIST, nImageListType, (LPARAM)hList));
}
HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (HTREEITEM)::SendMessage(m_hWnd, TVM_GETNEXTITEM, nCode, (LPARAM)hItem);
}
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const
{
    return GetNextItem(hItem, TVGN_CHILD);
}
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const
{
    return GetNextItem(hItem, TVGN_NEXT);
}
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const
{
    return GetNextItem(hItem, TVGN_PREVIOUS);
}
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const
{
    return GetNextItem(hItem, TVGN_PARENT);
}
HTREEITEM CTreeCtrl::GetFirstVisibleItem() const
{
    return GetNextItem(NULL, TVGN_FIRSTVISIBLE);
}
HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const
{
    return GetNextItem(hItem, TVGN_NEXTVISIBLE);
}
HTREEITEM CTreeCtrl::GetPrevVisibleItem(HTREEITEM hItem) const
{
    return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE);
}
HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    return GetNextItem(NULL, TVGN_CARET);
}
HTREEITEM CTreeCtrl::GetDropHilightItem() const
{
    return GetNextItem(NULL, TVGN_DROPHILITE);
}
HTREEITEM CTreeCtrl::GetRootItem() const
{
    return GetNextItem(NULL, TVGN_ROOT);
}
BOOL CTreeCtrl::GetItem(TVITEM* pItem) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (pItem == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, TVM_GETITEMW, 0, (LPARAM)pItem);
}
BOOL CTreeCtrl::SetItem(TVITEM* pItem)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pItem == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, TVM_SETITEMW, 0, (LPARAM)pItem);
}
BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage,
                        UINT nState, UINT nStateMask, LPARAM lParam)
{
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = nMask;
    item.pszText = (LPTSTR)lpszItem;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}
CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    ASSERT(::IsWindow(m_hWnd));
    // Grow the buffer until the text no longer fills it.
    CString str;
    for (int nLen = 256;; nLen *= 2)
    {
        TVITEM item = {};
        item.hItem = hItem;
        item.mask = TVIF_TEXT;
        item.pszText = str.GetBuffer(nLen);
        item.cchTextMax = nLen;
        BOOL bOK = (BOOL)::SendMessage(m_hWnd, TVM_GETITEMW, 0, (LPARAM)&item);
        str.ReleaseBuffer(bOK ? -1 : 0);
        if (!bOK || str.GetLength() < nLen - 1 || nLen >= 0x10000)
            break;
    }
    return str;
}
BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem)
{
    return SetItem(hItem, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0);
}
BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    if (!GetItem(&item))
        return FALSE;
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return TRUE;
}
BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
    return SetItem(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, NULL, nImage, nSelectedImage, 0, 0, 0);
}
UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (UINT)::SendMessage(m_hWnd, TVM_GETITEMSTATE, (WPARAM)hItem, nStateMask);
}
BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    return SetItem(hItem, TVIF_STATE, NULL, 0, 0, nState, nStateMask, 0);
}
DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    return GetItem(&item) ? (DWORD_PTR)item.lParam : 0;
}
BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    return SetItem(hItem, TVIF_PARAM, NULL, 0, 0, 0, 0, (LPARAM)dwData);
}
BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_CHILDREN;
    return GetItem(&item) && item.cChildren != 0;
}
BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpRect == NULL)
        return FALSE;
    *(HTREEITEM*)lpRect = hItem; // the message takes the item in the rectangle's place
    return (BOOL)::SendMessage(m_hWnd, TVM_GETITEMRECT, bTextOnly, (LPARAM)lpRect);
}
UINT CTreeCtrl::GetVisibleCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (UINT)::SendMessage(m_hWnd, TVM_GETVISIBLECOUNT, 0, 0);
}
SHORT CTreeCtrl::GetItemHeight() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (SHORT)::SendMessage(m_hWnd, TVM_GETITEMHEIGHT, 0, 0);
}
SHORT CTreeCtrl::SetItemHeight(SHORT cyHeight)
{
    ASSERT(::IsWindow(m_hWnd));
    return (SHORT)::SendMessage(m_hWnd, TVM_SETITEMHEIGHT, cyHeight, 0);
}
COLORREF CTreeCtrl::GetBkColor() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (COLORREF)::SendMessage(m_hWnd, TVM_GETBKCOLOR, 0, 0);
}
COLORREF CTreeCtrl::SetBkColor(COLORREF clr)
{
    ASSERT(::IsWindow(m_hWnd));
    return (COLORREF)::SendMessage(m_hWnd, TVM_SETBKCOLOR, 0, (LPARAM)clr);
}
COLORREF CTreeCtrl::GetTextColor() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (COLORREF)::SendMessage(m_hWnd, TVM_GETTEXTCOLOR, 0, 0);
}
COLORREF CTreeCtrl::SetTextColor(COLORREF clr)
{
    ASSERT(::IsWindow(m_hWnd));
    return (COLORREF)::SendMessage(m_hWnd, TVM_SETTEXTCOLOR, 0, (LPARAM)clr);
}
CEdit* CTreeCtrl::GetEditControl() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (CEdit*)CWnd::FromHandle((HWND)::SendMessage(m_hWnd, TVM_GETEDITCONTROL, 0, 0));
}

// ---------------------------------------------------------------------------------------------
// Operations

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT lpInsertStruct)
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpInsertStruct == NULL)
        return NULL;
    return (HTREEITEM)::SendMessage(m_hWnd, TVM_INSERTITEMW, 0, (LPARAM)lpInsertStruct);
}
HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCT tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    tvis.item.mask = nMask;
    tvis.item.pszText = (LPTSTR)lpszItem;
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.state = nState;
    tvis.item.stateMask = nStateMask;
    tvis.item.lParam = lParam;
    return InsertItem(&tvis);
}
HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}
HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0,
                      hParent, hInsertAfter);
}
BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, TVM_DELETEITEM, 0, (LPARAM)hItem);
}
BOOL CTreeCtrl::DeleteAllItems()
{
    return DeleteItem(TVI_ROOT);
}
BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, TVM_EXPAND, nCode, (LPARAM)hItem);
}
BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, TVM_SELECTITEM, nCode, (LPARAM)hItem);
}
BOOL CTreeCtrl::SelectItem(HTREEITEM hItem)
{
    return Select(hItem, TVGN_CARET);
}
BOOL CTreeCtrl::SelectDropTarget(HTREEITEM hItem)
{
    return Select(hItem, TVGN_DROPHILITE);
}
BOOL CTreeCtrl::SelectSetFirstVisible(HTREEITEM hItem)
{
    return Select(hItem, TVGN_FIRSTVISIBLE);
}
CEdit* CTreeCtrl::EditLabel(HTREEITEM hItem)
{
    ASSERT(::IsWindow(m_hWnd));
    return (CEdit*)CWnd::FromHandle((HWND)::SendMessage(m_hWnd, TVM_EDITLABELW, 0, (LPARAM)hItem));
}
HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    TVHITTESTINFO hti = {};
    hti.pt = pt;
    HTREEITEM hItem = HitTest(&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return hItem;
}
HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (pHitTestInfo == NULL)
        return NULL;
    return (HTREEITEM)::SendMessage(m_hWnd, TVM_HITTEST, 0, (LPARAM)pHitTestInfo);
}
BOOL CTreeCtrl::SortChildren(HTREEITEM hItem)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, TVM_SORTCHILDREN, 0, (LPARAM)hItem);
}
BOOL CTreeCtrl::SortChildrenCB(LPTVSORTCB pSort)
{
    ASSERT(::IsWindow(m_hWnd));
    if (pSort == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, TVM_SORTCHILDRENCB, 0, (LPARAM)pSort);
}
BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, TVM_ENSUREVISIBLE, 0, (LPARAM)hItem);
}
