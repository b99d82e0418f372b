// CTreeMultiColumnCtrl, the model side: the item store, the parent/child relations, the deleted
// and expanded marks, the mirroring of the list's item messages on the shown rows, expansion and
// collapse, and Fill. (Painting, mouse and keys: TreeMultiColumnDraw.cpp.)
#include "TreeMultiColumnCtrl.h"

#include <algorithm>

namespace
{

const UINT kStoreId = 0x1111;

// A text of an item structure: the structure's own characters, or empty when it has none.
CString TextOf(const LVITEMW* pItem, bool bAnsi, bool bMaskDecides)
{
    if (pItem == NULL || (bMaskDecides && !(pItem->mask & LVIF_TEXT)))
        return CString();
    if (bAnsi)
    {
        LPCSTR psz = reinterpret_cast<const LVITEMA*>(pItem)->pszText;
        return psz == NULL || psz == LPSTR_TEXTCALLBACKA ? CString() : CString(psz);
    }
    return pItem->pszText == NULL || pItem->pszText == LPSTR_TEXTCALLBACKW ? CString()
                                                                           : CString(pItem->pszText);
}

bool HasText(const LVITEMW* pItem, bool bAnsi)
{
    if (pItem == NULL)
        return false;
    if (bAnsi)
    {
        LPCSTR psz = reinterpret_cast<const LVITEMA*>(pItem)->pszText;
        return psz != NULL && psz != LPSTR_TEXTCALLBACKA;
    }
    return pItem->pszText != NULL && pItem->pszText != LPSTR_TEXTCALLBACKW;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// _STTreeMCCloneMessage

_STTreeMCCloneMessage::_STTreeMCCloneMessage()
{
    const UINT items[] = {LVM_INSERTITEMA,    LVM_INSERTITEMW,  LVM_DELETEITEM,
                          LVM_DELETEALLITEMS, LVM_SETITEMTEXTA, LVM_SETITEMTEXTW,
                          LVM_SETITEMA,       LVM_SETITEMW,     LVM_GETITEMCOUNT};
    const UINT columns[] = {LVM_INSERTCOLUMNA, LVM_INSERTCOLUMNW, LVM_DELETECOLUMN, LVM_SETCOLUMNA,
                            LVM_SETCOLUMNW};
    for (UINT m : items)
        m_mapItem[m] = 1;
    for (UINT m : columns)
        m_mapColumn[m] = 1;
}

BOOL _STTreeMCCloneMessage::IsItemMessage(UINT nMessage) const
{
    BYTE b;
    return m_mapItem.Lookup(nMessage, b);
}

BOOL _STTreeMCCloneMessage::IsColumnMessage(UINT nMessage) const
{
    BYTE b;
    return m_mapColumn.Lookup(nMessage, b);
}

_STTreeMCCloneMessage CTreeMultiColumnCtrl::m_mapCloneMessage;

// ---------------------------------------------------------------------------------------------
// STFillTreeMultiColumn

STFillTreeMultiColumn::STFillTreeMultiColumn(CTreeMultiColumnCtrl* pTree, const wchar_t* lpszText)
    : m_pTree(pTree), m_lpszText(lpszText)
{
}

STFillTreeMultiColumn::~STFillTreeMultiColumn() {}

int STFillTreeMultiColumn::Fill()
{
    if (m_pTree == NULL || m_pTree->GetSafeHwnd() == NULL)
        return 0;
    m_pTree->DeleteAllItems();
    if (m_lpszText == NULL)
        return 0;
    // The parent of the items read next; ')' goes back to its parent, so the depth of the
    // nesting costs nothing but the relations themselves.
    int nParent = -1;
    const wchar_t* p = m_lpszText;
    for (;;)
    {
        const wchar_t* q = wcspbrk(p, L"(,)");
        if (q == NULL)
            return AddItem(p, (int)wcslen(p), nParent) == -2 ? 0 : 1;
        int nId = AddItem(p, (int)(q - p), nParent);
        if (nId == -2)
            return 0;
        if (*q == L'(')
            nParent = nId;
        else if (*q == L')')
            nParent = m_pTree->GetItemParent(nParent);
        p = q + 1;
    }
}

int STFillTreeMultiColumn::AddItem(const wchar_t* lpsz, int nLength, int nParent)
{
    if (nLength <= 0)
        return nParent;
    // The first piece before '%' is the item's text, the others its texts in columns 1, 2, ...
    const wchar_t* pEnd = lpsz + nLength;
    const wchar_t* pPiece = std::find(lpsz, pEnd, L'%');
    CString strFirst(lpsz, (int)(pPiece - lpsz));
    int nId = m_pTree->InsertItem(INT_MAX, strFirst);
    if (nId < 0)
        return -2;
    int nColumns = m_pTree->GetCountColumn();
    for (int c = 1; c < nColumns && pPiece != pEnd; c++)
    {
        const wchar_t* pStart = pPiece + 1;
        pPiece = std::find(pStart, pEnd, L'%');
        if (pPiece != pStart)
            m_pTree->SetItemText(nId, c, CString(pStart, (int)(pPiece - pStart)));
    }
    if (nParent >= 0)
        m_pTree->SetItemParent(nId, nParent);
    return nId;
}

// ---------------------------------------------------------------------------------------------
// CTreeMultiColumnCtrl: set-up and message mirroring

CTreeMultiColumnCtrl::CTreeMultiColumnCtrl(int nExtraRowHeight)
    : CTsyslistviewex(nExtraRowHeight), m_nIterParent(-1), m_nIterLast(-1), m_nRootColumn(0), m_nInternal(0),
      m_nRedrawOff(0)
{
}

CTreeMultiColumnCtrl::~CTreeMultiColumnCtrl() {}

void CTreeMultiColumnCtrl::PreSubclassWindow()
{
    CTsyslistviewex::PreSubclassWindow();
    ModifyStyle(LVS_SORTASCENDING | LVS_SORTDESCENDING, 0);
    // A hidden child; in report view, where adding items costs least (no icon positions).
    if (m_store.GetSafeHwnd() == NULL)
        m_store.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 0, 0), this, kStoreId);
}

int CTreeMultiColumnCtrl::StoreCount() const
{
    return m_store.GetSafeHwnd() != NULL ? m_store.GetItemCount() : 0;
}

LRESULT CTreeMultiColumnCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_nInternal == 0 && m_store.GetSafeHwnd() != NULL)
    {
        if (m_mapCloneMessage.IsItemMessage(message))
        {
            LRESULT lResult;
            if (message == LVM_INSERTITEMA || message == LVM_INSERTITEMW)
            {
                // Items are always added at the end of the store, so that no id ever moves.
                if (lParam == 0)
                    return -1;
                LVITEMW item = *reinterpret_cast<const LVITEMW*>(lParam);
                item.iItem = StoreCount();
                item.iSubItem = 0;
                lResult = m_store.SendMessage(message, wParam, (LPARAM)&item);
            }
            else if (message == LVM_DELETEITEM)
                return DeleteItemById((int)wParam);
            else
                lResult = m_store.SendMessage(message, wParam, lParam);
            UpdateTree(message, wParam, lParam, lResult);
            return lResult;
        }
        if (m_mapCloneMessage.IsColumnMessage(message))
            m_store.SendMessage(message, wParam, lParam);
    }
    return CTsyslistviewex::WindowProc(message, wParam, lParam);
}

int CTreeMultiColumnCtrl::DeleteItemById(int nId)
{
    // The store keeps the item, so that no id moves; the item is marked deleted as Delete does.
    CInternal internal(this);
    if (nId < 0 || nId >= StoreCount() || IsDeleted(nId) || ItemHasChildren(nId))
        return FALSE;
    int nRow = FindRow(nId);
    if (nRow >= 0)
        return Delete(nRow);
    m_mapDeleted[nId] = 1;
    m_mapExpanded.RemoveKey(nId);
    return TRUE;
}

int CTreeMultiColumnCtrl::FindRow(int nId) const
{
    // Items are mostly looked up right after being added at the end.
    int nCount = GetItemCount();
    if (nCount > 0 && RowItem(nCount - 1) == nId)
        return nCount - 1;
    LVFINDINFOW find = {};
    find.flags = LVFI_PARAM;
    find.lParam = nId;
    return (int)::SendMessageW(m_hWnd, LVM_FINDITEMW, (WPARAM)-1, (LPARAM)&find);
}

int CTreeMultiColumnCtrl::InsertRowFor(int nRow, int nId)
{
    CString strText = m_store.GetItemText(nId, 0);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = nRow;
    item.pszText = const_cast<LPWSTR>((LPCWSTR)strText);
    item.lParam = nId;
    nRow = CListCtrl::InsertItem(&item);
    if (nRow < 0)
        return nRow;
    int nColumns = GetCountColumn();
    for (int c = 1; c < nColumns; c++)
    {
        strText = m_store.GetItemText(nId, c);
        if (!strText.IsEmpty())
            CListCtrl::SetItemText(nRow, c, strText);
    }
    // A row comes in closed: its children are not shown.
    m_mapExpanded.RemoveKey(nId);
    return nRow;
}

void CTreeMultiColumnCtrl::UpdateTree(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT lResult)
{
    CInternal internal(this);
    const LVITEMW* pItem = reinterpret_cast<const LVITEMW*>(lParam);
    switch (nMessage)
    {
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW:
    {
        if (lResult < 0)
            return;
        int nId = (int)lResult;
        CString strText = TextOf(pItem, nMessage == LVM_INSERTITEMA, true);
        LVITEMW row = {};
        row.mask = LVIF_TEXT | LVIF_PARAM;
        row.iItem = GetItemCount();
        row.pszText = const_cast<LPWSTR>((LPCWSTR)strText);
        row.lParam = nId;
        CListCtrl::InsertItem(&row);
        m_children[-1].push_back(nId);
        break;
    }
    case LVM_SETITEMA:
    case LVM_SETITEMW:
    case LVM_SETITEMTEXTA:
    case LVM_SETITEMTEXTW:
    {
        bool bAnsi = nMessage == LVM_SETITEMA || nMessage == LVM_SETITEMTEXTA;
        if (!lResult || pItem == NULL || !HasText(pItem, bAnsi))
            return;
        int nId = nMessage == LVM_SETITEMA || nMessage == LVM_SETITEMW ? pItem->iItem : (int)wParam;
        int nRow = FindRow(nId);
        if (nRow >= 0)
            CListCtrl::SetItemText(nRow, pItem->iSubItem, TextOf(pItem, bAnsi, false));
        break;
    }
    case LVM_DELETEALLITEMS:
        m_store.DeleteAllItems();
        CListCtrl::DeleteAllItems();
        ClearRelations();
        break;
    case WM_USER + 1:
    {
        int nChild = (int)wParam, nParent = (int)lParam;
        // The child's row goes with the rows of its open branch, then comes back under its new
        // parent when that is open and shown (at the end when it becomes top-level).
        int nRow = FindRow(nChild);
        if (nRow >= 0)
        {
            RemoveSubtreeRows(nRow, nChild);
            CListCtrl::DeleteItem(nRow);
        }
        m_mapExpanded.RemoveKey(nChild);
        SetParentEntry(nChild, nParent);
        if (!IsDeleted(nChild))
        {
            if (nParent < 0)
                InsertRowFor(GetItemCount(), nChild);
            else if (ItemIsExpanded(nParent))
            {
                int nParentRow = FindRow(nParent);
                if (nParentRow >= 0)
                    InsertRowFor(nParentRow + 1, nChild);
            }
        }
        NotifyParent(WM_USER + 1, (WPARAM)nChild, (LPARAM)nParent);
        Invalidate(TRUE);
        break;
    }
    default: break;
    }
}

void CTreeMultiColumnCtrl::NotifyParent(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent != NULL)
        ::SendMessageW(hParent, nMessage, wParam, lParam);
}

// ---------------------------------------------------------------------------------------------
// Relations

void CTreeMultiColumnCtrl::ClearRelations()
{
    m_mapParents.RemoveAll();
    m_mapExpanded.RemoveAll();
    // Ids are reused after emptying: their deleted marks go too.
    m_mapDeleted.RemoveAll();
    m_children.clear();
    m_nIterParent = m_nIterLast = -1;
}

void CTreeMultiColumnCtrl::SetParentEntry(int nChild, int nParent)
{
    std::vector<int>& oldList = m_children[GetItemParent(nChild)];
    auto it = std::lower_bound(oldList.begin(), oldList.end(), nChild);
    if (it != oldList.end() && *it == nChild)
        oldList.erase(it);
    if (nParent < 0)
        m_mapParents.RemoveKey(nChild);
    else
        m_mapParents[nChild] = nParent;
    std::vector<int>& newList = m_children[nParent < 0 ? -1 : nParent];
    newList.insert(std::lower_bound(newList.begin(), newList.end(), nChild), nChild);
}

int CTreeMultiColumnCtrl::SetItemParent(int nChild, int nParent)
{
    int nCount = StoreCount();
    if (nChild < 0 || nChild >= nCount || nParent < -1 || nParent >= nCount || IsDeleted(nChild))
        return 0;
    // A parent inside the child's own subtree would close a cycle; an item without children (as
    // every new one) has no subtree to look through.
    auto children = m_children.find(nChild);
    bool bHasSubtree = children != m_children.end() && !children->second.empty();
    if (nParent >= 0 &&
        (nParent == nChild || IsDeleted(nParent) || (bHasSubtree && IsInSubtree(nParent, nChild))))
        return 0;
    UpdateTree(WM_USER + 1, (WPARAM)nChild, (LPARAM)nParent, 0);
    return 1;
}

int CTreeMultiColumnCtrl::GetItemParent(int nId) const
{
    int nParent;
    return m_mapParents.Lookup(nId, nParent) ? nParent : -1;
}

int CTreeMultiColumnCtrl::IsInSubtree(int nId, int nAncestor) const
{
    // Bounded by the item count: the relations never form a cycle, but a walk must end anyway.
    for (int n = nId, nSteps = StoreCount(); n >= 0 && nSteps >= 0; n = GetItemParent(n), nSteps--)
        if (n == nAncestor)
            return 1;
    return 0;
}

int CTreeMultiColumnCtrl::GetItemLevel(int nId) const
{
    int nLevel = 0;
    for (int n = GetItemParent(nId), nSteps = StoreCount(); n >= 0 && nLevel <= nSteps; n = GetItemParent(n))
        nLevel++;
    return nLevel;
}

int CTreeMultiColumnCtrl::GetItemPath(int nId, CArray<int, int>& path) const
{
    path.RemoveAll();
    int nLevel = GetItemLevel(nId);
    path.SetSize(nLevel);
    int i = nLevel;
    for (int n = GetItemParent(nId); n >= 0 && i > 0; n = GetItemParent(n))
        path[--i] = n;
    return nLevel;
}

int CTreeMultiColumnCtrl::IsDeleted(int nId) const
{
    int n;
    return m_mapDeleted.Lookup(nId, n);
}

int CTreeMultiColumnCtrl::ItemIsExpanded(int nId) const
{
    int n;
    return m_mapExpanded.Lookup(nId, n);
}

int CTreeMultiColumnCtrl::ItemHasChildren(int nId) const
{
    if (nId < 0 || IsDeleted(nId))
        return 0;
    auto found = m_children.find(nId);
    if (found == m_children.end())
        return 0;
    for (int c : found->second)
        if (!IsDeleted(c))
            return 1;
    return 0;
}

int CTreeMultiColumnCtrl::IsLastChildren(int nId) const
{
    int nParent = GetItemParent(nId);
    if (nParent >= 0 && IsDeleted(nParent))
        return 1;
    auto found = m_children.find(nParent);
    if (found == m_children.end())
        return 1;
    const std::vector<int>& list = found->second;
    for (auto it = std::upper_bound(list.begin(), list.end(), nId); it != list.end(); ++it)
        if (!IsDeleted(*it))
            return 0;
    return 1;
}

int CTreeMultiColumnCtrl::GetFirstItemChild(int nParent)
{
    m_nIterParent = nParent;
    m_nIterLast = -1;
    return GetNextItemChild();
}

int CTreeMultiColumnCtrl::GetNextItemChild()
{
    auto found = m_children.find(m_nIterParent < 0 ? -1 : m_nIterParent);
    if (found == m_children.end())
        return -1;
    const std::vector<int>& list = found->second;
    for (auto it = std::upper_bound(list.begin(), list.end(), m_nIterLast); it != list.end(); ++it)
        if (!IsDeleted(*it))
        {
            m_nIterLast = *it;
            return *it;
        }
    return -1;
}

// ---------------------------------------------------------------------------------------------
// Expansion, collapse, deletion

void CTreeMultiColumnCtrl::ExpandItem(int nId)
{
    CInternal internal(this);
    if (!ItemHasChildren(nId) || ItemIsExpanded(nId))
        return;
    int nRow = FindRow(nId);
    if (nRow < 0)
        return;
    m_mapExpanded[nId] = 1;
    CRedrawOff redrawOff(this);
    int nPrevious = nRow;
    for (int c = GetFirstItemChild(nId); c != -1; c = GetNextItemChild())
    {
        int nInserted = InsertRowFor(nPrevious + 1, c);
        if (nInserted >= 0)
            nPrevious = nInserted;
    }
    EnsureVisible(nRow, FALSE);
    NotifyParent(WM_USER + 2, (WPARAM)nId, 0);
}

void CTreeMultiColumnCtrl::RemoveSubtreeRows(int nRow, int nId)
{
    // The rows of a subtree follow its root, each below its parent: a row belongs to it when its
    // parent is the root or a row already taken. (No walk up the path: deep trees stay linear.)
    CMap<int, int, int, int> taken;
    taken[nId] = 1;
    int nCount = GetItemCount(), nEnd = nRow + 1, n;
    for (; nEnd < nCount; nEnd++)
    {
        int nItem = RowItem(nEnd), nParent = GetItemParent(nItem);
        if (nParent < 0 || !taken.Lookup(nParent, n))
            break;
        taken[nItem] = 1;
        m_mapExpanded.RemoveKey(nItem);
    }
    if (nEnd == nRow + 1)
        return;
    // From the last row up: each removal then moves no rows.
    CRedrawOff redrawOff(this);
    for (int r = nEnd - 1; r > nRow; r--)
        CListCtrl::DeleteItem(r);
}

void CTreeMultiColumnCtrl::CollapseItem(int nId)
{
    CInternal internal(this);
    if (!ItemHasChildren(nId) || !ItemIsExpanded(nId))
        return;
    m_mapExpanded.RemoveKey(nId);
    int nRow = FindRow(nId);
    if (nRow < 0)
        return;
    RemoveSubtreeRows(nRow, nId);
    EnsureVisible(nRow, FALSE);
    NotifyParent(WM_USER + 3, (WPARAM)nId, 0);
}

void CTreeMultiColumnCtrl::RecExpandItems(int nId)
{
    // Depth first with a stack of its own: a deep tree costs no call depth.
    CRedrawOff redrawOff(this);
    std::vector<int> pending(1, nId);
    std::vector<int> children;
    while (!pending.empty())
    {
        int n = pending.back();
        pending.pop_back();
        ExpandItem(n);
        children.clear();
        for (int c = GetFirstItemChild(n); c != -1; c = GetNextItemChild())
            children.push_back(c);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
}

int CTreeMultiColumnCtrl::Delete(int nRow)
{
    CInternal internal(this);
    if (nRow < 0 || nRow >= GetItemCount())
        return 0;
    int nId = RowItem(nRow);
    if (ItemHasChildren(nId))
        return 0;
    CListCtrl::DeleteItem(nRow);
    m_mapDeleted[nId] = 1;
    m_mapExpanded.RemoveKey(nId);
    EnsureVisible(nRow > 0 ? nRow - 1 : 0, FALSE);
    return 1;
}

int CTreeMultiColumnCtrl::SetRootColumn(int nColumn)
{
    int nOld = m_nRootColumn;
    m_nRootColumn = nColumn;
    Invalidate(TRUE);
    return nOld;
}

int CTreeMultiColumnCtrl::Fill(const wchar_t* lpszText)
{
    CRedrawOff redrawOff(this);
    STFillTreeMultiColumn fill(this, lpszText);
    return fill.Fill();
}
