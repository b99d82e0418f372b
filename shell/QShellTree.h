// CQShellTree: a tree control over the shell namespace, filled lazily one level per expansion
// from IShellFolder enumerations. Each item's data is a CQShellPidl::tagID record (the containing
// folder with one reference, the relative list and the full list); items show the system's small
// icons; a right click opens the item's shell context menu; TunnelTree opens a folder path by
// walking down to it. With m_bShowFiles it also lists the files that pass one filter pattern.
//
// The tree has no message-map entries of its own: its owner forwards the tree's notifications
// (TVN_ITEMEXPANDING to OnFolderExpanding, TVN_SELCHANGED to OnFolderSelected, NM_RCLICK to
// GetContextMenu and TVN_DELETEITEM to OnDeleteShellItem). Without the last, the records, lists
// and folder references of deleted items are never freed. An owner that deletes items itself
// clears the selection first (Select(NULL, TVGN_CARET)): otherwise the selection moves to a
// sibling while items go, and the selection handler would fill it in the middle of the deletion.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include "QShellPidl.h"

class CQShellItemKinds;

class AFX_EXT_CLASS CQShellTree : public CTreeCtrl, public CQShellPidl
{
public:
    enum FindAttribs
    {
        FIND_BY_DRIVE = 0, // compare the drive part of an item's path
        FIND_BY_NAME = 1   // compare the item's text
    };

    CQShellTree();
    virtual ~CQShellTree();

    BOOL m_bShowFiles; // also list files that pass the filter; FALSE at construction

    // Sets the system small-icon image list as the tree's normal image list.
    void EnableImages();
    // The filter pattern for listed files ("*.*" at construction).
    void SetFileType(CString strFileType);

    // Fill the top level: from the desktop, from a special folder (CSIDL number), or from the
    // folder a path leads to (as far as it leads). Full lists always start at the desktop.
    void PopulateTree();
    void PopulateTree(int nFolder);
    void PopulateTree(LPCTSTR lpszPath);

    // Notification handlers the owner calls.
    void OnFolderExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnFolderSelected(NMHDR* pNMHDR, LRESULT* pResult, CString& strFolderPath);
    void GetContextMenu(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeleteShellItem(NMHDR* pNMHDR, LRESULT* pResult);

    // The item's full list; null for an item without record.
    LPITEMIDLIST GetFullyQualifiedID(HTREEITEM hItem);
    // Also the item's full list (not the relative one); null for an item without record.
    LPITEMIDLIST GetRelativeIDLIST(HTREEITEM hItem);
    // The folder that contains the item; null for an item without record.
    LPSHELLFOLDER GetParentShellFolder(HTREEITEM hItem);
    // The file-system path of an item or record; bFolder tells whether it is a folder.
    BOOL GetPathName(HTREEITEM hItem, CString& strPath, int& bFolder);
    BOOL GetPathName(CQShellPidl::tagID* lptvid, CString& strPath, int& bFolder);
    // The path of the selected item when it is a file-system folder.
    BOOL GetSelectedFolderPath(CString& strFolderPath);
    // Whether a file name passes the filter (case-insensitive): a name equal to the filter; a
    // filter extension (after its first dot, when that stands at position 1 or later) of "*";
    // otherwise equal extensions (after the name's first dot; none without a dot).
    BOOL IsCanShowFile(CString strFileName);
    // Finds, shows and selects the first of hItem and its following siblings that is a
    // file-system folder whose drive (FIND_BY_DRIVE) or text (FIND_BY_NAME) equals lpszSearch,
    // ignoring case.
    bool SearchTree(HTREEITEM hItem, CString strSearch, FindAttribs attr);
    // Opens the tree down to a folder path: its drive under the first top-level item, then each
    // directory. A path that does not exist is reported in a "Folder not found" message box.
    void TunnelTree(CString strFindPath);

    // The sort comparison of two items' records (IShellFolder::CompareIDs in the first one's
    // folder); lParamSort is not used.
    static int CALLBACK TreeViewCompareProc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

protected:
    CString m_strFileType;

    // Inserts the items of one folder (whose full list is lpifq, null for a root) under hParent.
    void FillTreeView(LPSHELLFOLDER lpsf, LPITEMIDLIST lpifq, HTREEITEM hParent);
    // The item's image and selected image from its full list.
    void GetNormalAndSelectedIcons(LPITEMIDLIST lpifq, LPTVITEM lptvitem);
    // Sorts the children of an item (TVI_ROOT: the top level) with TreeViewCompareProc.
    void SortChildrenOf(HTREEITEM hParent);
    // The record of an item, NULL when it has none.
    CQShellPidl::tagID* GetRecord(HTREEITEM hItem) const;
    // Deletes every item, with nothing selected while they go.
    void ClearTree();
    // Sorts the top level, expands its first item and selects it. A top level filled from the
    // desktop puts the computer (with the drives) first.
    void FinishPopulate(bool bDesktop);
    // The desktop's order with the computer first; lParamSort is the computer's list.
    static int CALLBACK DesktopCompareProc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

private:
    // FillTreeView's work; true when the children it inserted are in the sort's order already
    // (the parent had no children before), so that no sort is needed.
    bool FillChildren(LPSHELLFOLDER lpsf, LPITEMIDLIST lpifq, HTREEITEM hParent);

    CQShellItemKinds* m_pKinds; // the icons and names of kinds of items, learnt while filling
};
