// CTreeMultiColumnCtrl: a tree whose items have several columns, shown as the rows of an extended
// report list (CTsyslistviewex). Only the items whose ancestors are all expanded have a row. One
// column, the root column, carries the tree: indentation, connecting lines and a plus/minus box
// in front of every item that has children.
//
// Every item, shown or not, lives in a hidden second list control, the item store (a child of
// the tree with control ID 0x1111). An item is identified by its index in the store (its id), and
// each shown row carries its item's id as its data value. The list's own item messages sent to
// the tree (insert an item, set its texts, delete, count) are answered by the store and mirrored on
// the shown rows; column messages go to both lists. A caller fills the tree with those messages
// followed by SetItemParent, or in one call with Fill and a bracketed text:
//
//   A%1%x(B%2%y,C(D)),E     A and E top-level, B and C children of A, D a child of C; the pieces
//                           after '%' are the texts of columns 1, 2, ...
//
// The tree's parent window is told WM_USER + 1 (child, parent) when an item's parent is set,
// WM_USER + 2 (item, 0) when an item was expanded and WM_USER + 3 (item, 0) when it was collapsed.
//
// The class is split over two files: TreeMultiColumnCtrl.cpp (the store, the item relations,
// mirroring, expansion, Fill) and TreeMultiColumnDraw.cpp (painting the tree, mouse and keys).
#pragma once

#include "Tsyslistviewex.h"

#include <map>
#include <vector>

// The list messages the tree treats specially: item messages answered by the item store and
// column messages applied to both lists. One table, filled when the library starts.
class AFX_EXT_CLASS _STTreeMCCloneMessage
{
public:
    _STTreeMCCloneMessage();
    BOOL IsItemMessage(UINT nMessage) const;
    BOOL IsColumnMessage(UINT nMessage) const;

private:
    CMap<UINT, UINT, BYTE, BYTE> m_mapItem;
    CMap<UINT, UINT, BYTE, BYTE> m_mapColumn;
};

class CTreeMultiColumnCtrl;

// Reads a bracketed text into a tree: pieces separated by ',' are siblings, '(' opens the
// children of the item before it, ')' goes back up one level. No recursion: nesting depth costs
// no stack.
class AFX_EXT_CLASS STFillTreeMultiColumn
{
public:
    STFillTreeMultiColumn(CTreeMultiColumnCtrl* pTree, const wchar_t* lpszText);
    virtual ~STFillTreeMultiColumn();

    // Empties the tree and reads the whole text. 1 when all of it was read; 0 when there is no
    // tree or text, or when the store refused an item (the tree then holds what was read before).
    virtual int Fill();
    // Adds the item written in nLength characters at lpsz under nParent and returns its id; an
    // empty piece adds nothing and returns nParent; -2 when the store refused the item.
    virtual int AddItem(const wchar_t* lpsz, int nLength, int nParent);

protected:
    CTreeMultiColumnCtrl* m_pTree;
    const wchar_t* m_lpszText;
};

class AFX_EXT_CLASS CTreeMultiColumnCtrl : public CTsyslistviewex
{
public:
    explicit CTreeMultiColumnCtrl(int nExtraRowHeight = 4);
    virtual ~CTreeMultiColumnCtrl();

    // Makes nParent (-1: none) the parent of nChild. Returns 1, or 0 when an id is not an item of
    // the store, an item is deleted, or nParent is nChild or one of its descendants.
    int SetItemParent(int nChild, int nParent);
    int GetItemParent(int nId) const;
    // The ancestors of nId from the top-level one down to its parent; returns their number.
    int GetItemPath(int nId, CArray<int, int>& path) const;
    int ItemHasChildren(int nId) const;
    int ItemIsExpanded(int nId) const;
    // 1 when no later sibling (higher id, not deleted) follows nId.
    int IsLastChildren(int nId) const;

    void ExpandItem(int nId);
    void CollapseItem(int nId);
    int GetRootColumn() const { return m_nRootColumn; }
    // Fills the tree from a bracketed text (see above); returns STFillTreeMultiColumn::Fill's
    // result. The text ends at its first NUL.
    int Fill(const wchar_t* lpszText);

    // The tree never sorts and never draws grid lines.
    void EnableSort(int) override {}
    void ViewGridLines(int) override {}

    // Removes the row nRow (0 when its item has children or there is no such row); the item
    // stays in the store, marked deleted, so that no id changes.
    virtual int Delete(int nRow);
    // The column that shows the tree; returns the previous one.
    virtual int SetRootColumn(int nColumn);
    // Expands nId and every item below it.
    virtual void RecExpandItems(int nId);
    // Child iteration: the children of nParent in increasing id order, -1 after the last.
    virtual int GetFirstItemChild(int nParent);
    virtual int GetNextItemChild();
    // Number of ancestors; 0 for a top-level item.
    virtual int GetItemLevel(int nId) const;

    static _STTreeMCCloneMessage m_mapCloneMessage;

protected:
    // 1 when the point lies in the plus/minus box of the row under it.
    virtual int IsPtnInSquareRect(CPoint point);
    // Mirrors one item message, already answered by the store with lResult, on the shown rows.
    virtual void UpdateTree(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT lResult);

    int IsDeleted(int nId) const;
    void DrawCell(CDC* pDC, CRect& rcCell, DWORD dwColumnFormat, int nRow, int nColumn) override;
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // While one lives, the control's own list messages reach the shown list unmirrored.
    class CInternal
    {
    public:
        explicit CInternal(CTreeMultiColumnCtrl* pTree) : m_pTree(pTree) { m_pTree->m_nInternal++; }
        ~CInternal() { m_pTree->m_nInternal--; }

    private:
        CTreeMultiColumnCtrl* m_pTree;
    };

    // While one lives, the shown list does not redraw; nested ones keep it off until the
    // outermost ends, which repaints.
    class CRedrawOff
    {
    public:
        explicit CRedrawOff(CTreeMultiColumnCtrl* pTree) : m_pTree(pTree)
        {
            if (m_pTree->m_nRedrawOff++ == 0)
                m_pTree->SetRedraw(FALSE);
        }
        ~CRedrawOff()
        {
            if (--m_pTree->m_nRedrawOff == 0)
            {
                m_pTree->SetRedraw(TRUE);
                m_pTree->Invalidate(TRUE);
            }
        }

    private:
        CTreeMultiColumnCtrl* m_pTree;
    };

    // The list's delete-item message: removes the item like Delete, by id.
    int DeleteItemById(int nId);
    // Shown rows (call with the internal depth raised).
    int FindRow(int nId) const;
    int RowItem(int nRow) const { return (int)GetItemData(nRow); }
    int StoreCount() const;
    // Inserts a row for nId at nRow with the item's texts of all columns from the store.
    int InsertRowFor(int nRow, int nId);
    // The rows below nRow that belong to nId's subtree go, and their items leave expanded.
    void RemoveSubtreeRows(int nRow, int nId);
    // nId and its ancestors up to the first that is nAncestor: 1 when nAncestor is among them.
    int IsInSubtree(int nId, int nAncestor) const;
    void SetParentEntry(int nChild, int nParent);
    void NotifyParent(UINT nMessage, WPARAM wParam, LPARAM lParam);
    void ClearRelations();

    // void OnLButtonDown(UINT nFlags, CPoint point)
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    int m_nIterParent;                     // parent whose children are being iterated
    int m_nIterLast;                       // last id the iteration returned
    int m_nRootColumn;                     // the column that shows the tree
    WORD m_nInternal;                      // internal depth; non-zero while the control works on its own rows
    int m_nRedrawOff;                      // nesting of CRedrawOff
    CListCtrl m_store;                     // the item store, hidden
    CMap<int, int, int, int> m_mapParents; // item -> parent; top-level items have no entry
    CMap<int, int, int, int> m_mapExpanded; // expanded items
    CMap<int, int, int, int> m_mapDeleted;  // items removed with Delete
    // The children of each parent (-1: the top-level items) in increasing id order, deleted ones
    // included. An index over m_mapParents, changed only together with it (SetParentEntry).
    std::map<int, std::vector<int>> m_children;

private:
    CTreeMultiColumnCtrl(const CTreeMultiColumnCtrl&) = delete;
    CTreeMultiColumnCtrl& operator=(const CTreeMultiColumnCtrl&) = delete;
};
