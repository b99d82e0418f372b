// CQShellTree: filling the tree from shell enumerations (the top level, expansion,
// selection), the items' icons and order, and freeing each item's record when it is deleted.
// The path, search and context-menu operations are in QShellTreePath.cpp.
#include "QShellTree.h"
#include "internal/ShellFillOrder.h"
#include "internal/ShellItemKinds.h"
#include "internal/ShellParse.h"

#include <shlwapi.h>

namespace
{

// Attributes asked of each enumerated item: the file-system bit decides whether it is listed.
const ULONG kFillAttributes = SFGAO_HASSUBFOLDER | SFGAO_FOLDER | SFGAO_FILESYSTEM;

// The longest component PopulateTree(LPCTSTR) parses, in characters.
const int kMaxComponent = MAX_PATH - 1;

} // namespace

CQShellTree::CQShellTree() : m_bShowFiles(FALSE), m_strFileType(L"*.*"), m_pKinds(new CQShellItemKinds) {}

CQShellTree::~CQShellTree()
{
    delete m_pKinds;
}

void CQShellTree::EnableImages()
{
    SHFILEINFOW sfi = {};
    HIMAGELIST hList =
        (HIMAGELIST)::SHGetFileInfoW(L"C:\\", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    if (hList != NULL)
        ::SendMessage(m_hWnd, TVM_SETIMAGELIST, TVSIL_NORMAL, (LPARAM)hList);
}

void CQShellTree::SetFileType(CString strFileType)
{
    m_strFileType = strFileType;
}

CQShellPidl::tagID* CQShellTree::GetRecord(HTREEITEM hItem) const
{
    if (hItem == NULL || m_hWnd == NULL)
        return NULL;
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    if (!::SendMessage(m_hWnd, TVM_GETITEMW, 0, (LPARAM)&item))
        return NULL;
    return (CQShellPidl::tagID*)item.lParam;
}

// ---------------------------------------------------------------------------------------------
// Filling

void CQShellTree::FillTreeView(LPSHELLFOLDER lpsf, LPITEMIDLIST lpifq, HTREEITEM hParent)
{
    FillChildren(lpsf, lpifq, hParent);
}

bool CQShellTree::FillChildren(LPSHELLFOLDER lpsf, LPITEMIDLIST lpifq, HTREEITEM hParent)
{
    if (lpsf == NULL)
        return false;
    LPMALLOC lpMalloc = NULL;
    if (FAILED(::SHGetMalloc(&lpMalloc)) || lpMalloc == NULL)
        return false;
    LPENUMIDLIST lpe = NULL;
    HRESULT hr = lpsf->EnumObjects(::GetParent(m_hWnd), SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &lpe);
    if (FAILED(hr) || lpe == NULL)
    {
        lpMalloc->Release();
        return false;
    }
    // The items are made first, in enumeration order, and inserted together.
    std::vector<CQShellFillItem> items;
    CQShellItemKinds& kinds = *m_pKinds;
    kinds.BeginFill(lpifq);
    LPITEMIDLIST lpi = NULL;
    ULONG ulFetched = 0;
    wchar_t szName[MAX_PATH];
    while (lpe->Next(1, &lpi, &ulFetched) == S_OK && lpi != NULL)
    {
        ULONG ulAttrs = kFillAttributes;
        if (FAILED(lpsf->GetAttributesOf(1, (LPCITEMIDLIST*)&lpi, &ulAttrs)))
            ulAttrs = 0;
        // Only file-system items and folders are listed.
        if ((ulAttrs & (SFGAO_FILESYSTEM | SFGAO_FOLDER)) == 0)
        {
            lpMalloc->Free(lpi);
            continue;
        }
        // Files are listed only when shown: their names are not needed otherwise.
        if ((ulAttrs & SFGAO_FOLDER) == 0 && !m_bShowFiles)
        {
            lpMalloc->Free(lpi);
            continue;
        }
        kinds.Read(lpsf, lpi, ulAttrs);
        if (!kinds.FindName(szName))
        {
            if (!GetName(lpsf, lpi, SHGDN_NORMAL, szName))
            {
                lpMalloc->Free(lpi);
                break;
            }
            kinds.NoteName(szName);
        }
        if ((ulAttrs & SFGAO_FOLDER) == 0 && !IsCanShowFile(szName))
        {
            lpMalloc->Free(lpi);
            continue;
        }
        tagID* lptvid = (tagID*)lpMalloc->Alloc(sizeof(tagID));
        if (lptvid == NULL)
        {
            lpMalloc->Free(lpi);
            break;
        }
        lptvid->lpi = CopyITEMID(lpMalloc, lpi);
        lptvid->lpifq = ConcatPidls(lpifq, lpi);
        lpMalloc->Free(lpi);
        if (lptvid->lpi == NULL || lptvid->lpifq == NULL)
        {
            lpMalloc->Free(lptvid->lpi);
            lpMalloc->Free(lptvid->lpifq);
            lpMalloc->Free(lptvid);
            break;
        }
        lptvid->lpsfParent = lpsf;
        lpsf->AddRef();

        CQShellFillItem item;
        item.lParam = (LPARAM)lptvid;
        item.strText = szName;
        item.strSortName = kinds.FileName() != NULL ? kinds.FileName() : szName;
        item.bFolder = kinds.FileName() != NULL ? kinds.IsDirectory() : (ulAttrs & SFGAO_FOLDER) != 0;
        item.cChildren = 0;
        TVITEM tvitem = {};
        if (!kinds.FindIcons(&tvitem))
        {
            GetNormalAndSelectedIcons(lptvid->lpifq, &tvitem);
            kinds.NoteIcons(tvitem);
        }
        item.iImage = tvitem.iImage;
        item.iSelectedImage = tvitem.iSelectedImage;
        if ((ulAttrs & SFGAO_HASSUBFOLDER) != 0)
            item.cChildren = 1;
        else if ((ulAttrs & SFGAO_FOLDER) != 0 && m_bShowFiles)
        {
            // A folder without subfolders expands when it holds a file of the filter's pattern.
            CString strPath;
            int bFolder = 0;
            if (GetPathName(lptvid, strPath, bFolder))
            {
                CFileFind finder;
                if (finder.FindFile(strPath + L"\\" + m_strFileType))
                    item.cChildren = 1;
            }
        }
        items.push_back(item);
    }
    lpe->Release();

    // Sorted here when the parent has no other children and the guessed order is confirmed;
    // otherwise the caller sorts.
    bool bSorted = GetChildItem(hParent) == NULL && OrderByConfirmedGuess(items, TreeViewCompareProc);
    // Many inserts in a row where they show (at the top level or under an expanded item): without
    // redraw each costs microseconds instead of milliseconds. Under a collapsed item, which is
    // where an expansion fills, the new items are not drawn, and switching redraw back on would
    // cost the control a pass over the tree.
    BOOL bRedraw = !items.empty() && ::IsWindowVisible(m_hWnd) &&
                   (hParent == TVI_ROOT || (GetItemState(hParent, TVIS_EXPANDED) & TVIS_EXPANDED) != 0);
    if (bRedraw)
        SetRedraw(FALSE);
    for (size_t i = 0; i < items.size(); i++)
    {
        TVINSERTSTRUCT tvis = {};
        tvis.hParent = hParent;
        tvis.hInsertAfter = TVI_LAST; // after the item inserted before it
        tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        tvis.item.pszText = (LPWSTR)(LPCWSTR)items[i].strText;
        tvis.item.cchTextMax = MAX_PATH;
        tvis.item.lParam = items[i].lParam;
        tvis.item.iImage = items[i].iImage;
        tvis.item.iSelectedImage = items[i].iSelectedImage;
        if (items[i].cChildren != 0)
        {
            tvis.item.cChildren = 1;
            tvis.item.mask |= TVIF_CHILDREN;
        }
        if (InsertItem(&tvis) == NULL)
        {
            // The tree did not take it nor will it take the rest: nobody else will free their records.
            for (; i < items.size(); i++)
            {
                tagID* lptvid = (tagID*)items[i].lParam;
                lptvid->lpsfParent->Release();
                lpMalloc->Free(lptvid->lpi);
                lpMalloc->Free(lptvid->lpifq);
                lpMalloc->Free(lptvid);
            }
            bSorted = false;
        }
    }
    if (bRedraw)
    {
        SetRedraw(TRUE);
        Invalidate();
    }
    lpMalloc->Release();
    return bSorted;
}

void CQShellTree::GetNormalAndSelectedIcons(LPITEMIDLIST lpifq, LPTVITEM lptvitem)
{
    lptvitem->iImage = GetItemIcon(lpifq, SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    lptvitem->iSelectedImage =
        GetItemIcon(lpifq, SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON);
}

int CALLBACK CQShellTree::TreeViewCompareProc(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    tagID* lptvid1 = (tagID*)lParam1;
    tagID* lptvid2 = (tagID*)lParam2;
    if (lptvid1 == NULL || lptvid2 == NULL || lptvid1->lpsfParent == NULL)
        return 0;
    HRESULT hr = lptvid1->lpsfParent->CompareIDs(0, lptvid1->lpi, lptvid2->lpi);
    if (FAILED(hr))
        return 0;
    return (short)(hr & 0xFFFF);
}

void CQShellTree::SortChildrenOf(HTREEITEM hParent)
{
    TVSORTCB tvscb = {};
    tvscb.hParent = hParent;
    tvscb.lpfnCompare = TreeViewCompareProc;
    tvscb.lParam = 0;
    SortChildrenCB(&tvscb);
}

// ---------------------------------------------------------------------------------------------
// The top level

void CQShellTree::ClearTree()
{
    // Filled anew: icons and names are asked of the shell again.
    m_pKinds->Forget();
    // Nothing selected first: deleting the selected item would move the selection to a sibling,
    // and the owner's selection handler would fill that one while the tree is being emptied.
    Select(NULL, TVGN_CARET);
    DeleteAllItems();
}

int CALLBACK CQShellTree::DesktopCompareProc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    LPCITEMIDLIST pidlComputer = (LPCITEMIDLIST)lParamSort;
    tagID* lptvid1 = (tagID*)lParam1;
    tagID* lptvid2 = (tagID*)lParam2;
    bool bFirst = lptvid1 != NULL && ::ILIsEqual(lptvid1->lpi, pidlComputer);
    bool bSecond = lptvid2 != NULL && ::ILIsEqual(lptvid2->lpi, pidlComputer);
    if (bFirst != bSecond)
        return bFirst ? -1 : 1;
    return TreeViewCompareProc(lParam1, lParam2, 0);
}

void CQShellTree::FinishPopulate(bool bDesktop)
{
    // Opening a path walks down from the first top-level item, which must hold the drives; the
    // desktop's own order may put other folders first.
    LPITEMIDLIST pidlComputer = NULL;
    if (bDesktop && SUCCEEDED(::SHGetSpecialFolderLocation(m_hWnd, CSIDL_DRIVES, &pidlComputer)) &&
        pidlComputer != NULL)
    {
        TVSORTCB tvscb = {};
        tvscb.hParent = TVI_ROOT;
        tvscb.lpfnCompare = DesktopCompareProc;
        tvscb.lParam = (LPARAM)pidlComputer;
        SortChildrenCB(&tvscb);
        ::CoTaskMemFree(pidlComputer);
    }
    else
        SortChildrenOf(TVI_ROOT);
    HTREEITEM hFirst = GetRootItem();
    if (hFirst != NULL)
    {
        Expand(hFirst, TVE_EXPAND);
        Select(hFirst, TVGN_CARET);
    }
}

void CQShellTree::PopulateTree()
{
    LPSHELLFOLDER lpsfDesktop = NULL;
    if (SUCCEEDED(::SHGetDesktopFolder(&lpsfDesktop)) && lpsfDesktop != NULL)
    {
        ClearTree();
        FillTreeView(lpsfDesktop, NULL, TVI_ROOT);
        lpsfDesktop->Release();
    }
    FinishPopulate(true);
}

void CQShellTree::PopulateTree(int nFolder)
{
    bool bDesktop = false;
    LPSHELLFOLDER lpsfDesktop = NULL;
    if (SUCCEEDED(::SHGetDesktopFolder(&lpsfDesktop)) && lpsfDesktop != NULL)
    {
        ClearTree();
        LPITEMIDLIST pidlFolder = NULL;
        LPSHELLFOLDER lpsfFolder = NULL;
        if (SUCCEEDED(::SHGetSpecialFolderLocation(m_hWnd, nFolder, &pidlFolder)) && pidlFolder != NULL &&
            SUCCEEDED(lpsfDesktop->BindToObject(pidlFolder, NULL, IID_IShellFolder, (void**)&lpsfFolder)) &&
            lpsfFolder != NULL)
        {
            FillTreeView(lpsfFolder, pidlFolder, TVI_ROOT);
            lpsfFolder->Release();
        }
        else
        {
            FillTreeView(lpsfDesktop, NULL, TVI_ROOT);
            bDesktop = true;
        }
        if (pidlFolder != NULL)
            ::CoTaskMemFree(pidlFolder);
        lpsfDesktop->Release();
    }
    FinishPopulate(bDesktop);
}

void CQShellTree::PopulateTree(LPCTSTR lpszPath)
{
    bool bDesktop = false;
    LPMALLOC lpMalloc = NULL;
    LPSHELLFOLDER lpsfDesktop = NULL;
    if (SUCCEEDED(::SHGetMalloc(&lpMalloc)) && lpMalloc != NULL &&
        SUCCEEDED(::SHGetDesktopFolder(&lpsfDesktop)) && lpsfDesktop != NULL)
    {
        ClearTree();
        // Walk down one component at a time; the folder reached so far is lpsfCurrent, its list
        // from the desktop pidlCurrent (null for the desktop itself).
        LPSHELLFOLDER lpsfCurrent = lpsfDesktop;
        lpsfCurrent->AddRef();
        LPITEMIDLIST pidlCurrent = NULL;
        LPCWSTR p = lpszPath != NULL ? lpszPath : L"";
        while (p != NULL && *p != 0)
        {
            LPCWSTR pNext = ::PathFindNextComponentW(p);
            int nLength = pNext != NULL ? (int)(pNext - p) : (int)wcslen(p);
            if (nLength <= 0 || nLength > kMaxComponent)
                break;
            wchar_t szComponent[kMaxComponent + 1];
            wcsncpy(szComponent, p, nLength);
            szComponent[nLength] = 0;
            if (lpsfCurrent == lpsfDesktop && !IsDesktopParseName(szComponent))
                break;
            ULONG ulEaten = 0;
            LPITEMIDLIST pidl = NULL;
            HRESULT hr = lpsfCurrent->ParseDisplayName(m_hWnd, NULL, szComponent, &ulEaten, &pidl, NULL);
            if (FAILED(hr) || pidl == NULL)
            {
                lpMalloc->Free(pidl);
                break;
            }
            LPSHELLFOLDER lpsfNext = NULL;
            hr = lpsfCurrent->BindToObject(pidl, NULL, IID_IShellFolder, (void**)&lpsfNext);
            LPITEMIDLIST pidlNext = SUCCEEDED(hr) && lpsfNext != NULL ? ConcatPidls(pidlCurrent, pidl) : NULL;
            lpMalloc->Free(pidl);
            if (pidlNext == NULL)
            {
                if (lpsfNext != NULL)
                    lpsfNext->Release();
                break;
            }
            lpsfCurrent->Release();
            lpsfCurrent = lpsfNext;
            lpMalloc->Free(pidlCurrent);
            pidlCurrent = pidlNext;
            p = pNext;
        }
        // The items' full lists start at the desktop, as the shell's calls on them expect.
        FillTreeView(lpsfCurrent, pidlCurrent, TVI_ROOT);
        lpMalloc->Free(pidlCurrent);
        bDesktop = lpsfCurrent == lpsfDesktop;
        lpsfCurrent->Release();
    }
    if (lpsfDesktop != NULL)
        lpsfDesktop->Release();
    if (lpMalloc != NULL)
        lpMalloc->Release();
    FinishPopulate(bDesktop);
}

// ---------------------------------------------------------------------------------------------
// Notifications

void CQShellTree::OnFolderExpanding(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTREEVIEW* pnmtv = (NMTREEVIEW*)pNMHDR;
    if (pnmtv == NULL || (pnmtv->itemNew.state & TVIS_EXPANDEDONCE) != 0)
        return;
    tagID* lptvid = (tagID*)pnmtv->itemNew.lParam;
    bool bSorted = false;
    if (lptvid != NULL && lptvid->lpsfParent != NULL)
    {
        LPSHELLFOLDER lpsf = NULL;
        if (SUCCEEDED(lptvid->lpsfParent->BindToObject(lptvid->lpi, NULL, IID_IShellFolder, (void**)&lpsf)) &&
            lpsf != NULL)
        {
            bSorted = FillChildren(lpsf, lptvid->lpifq, pnmtv->itemNew.hItem);
            lpsf->Release();
        }
    }
    if (!bSorted)
        SortChildrenOf(pnmtv->itemNew.hItem);
    if (pResult != NULL)
        *pResult = 0;
}

BOOL CQShellTree::OnFolderSelected(NMHDR* pNMHDR, LRESULT* pResult, CString& strFolderPath)
{
    HTREEITEM hItem = GetSelectedItem();
    if (hItem == NULL)
    {
        if (pResult != NULL)
            *pResult = 0;
        return FALSE;
    }
    BOOL bRet = FALSE;
    tagID* lptvid = GetRecord(hItem);
    LPSHELLFOLDER lpsf = NULL;
    if (lptvid != NULL && lptvid->lpsfParent != NULL && lptvid->lpi != NULL &&
        SUCCEEDED(lptvid->lpsfParent->BindToObject(lptvid->lpi, NULL, IID_IShellFolder, (void**)&lpsf)) &&
        lpsf != NULL)
    {
        ULONG ulAttrs = SFGAO_FILESYSTEM;
        if (SUCCEEDED(lptvid->lpsfParent->GetAttributesOf(1, (LPCITEMIDLIST*)&lptvid->lpi, &ulAttrs)) &&
            (ulAttrs & SFGAO_FILESYSTEM) != 0)
        {
            wchar_t szPath[MAX_PATH] = L"";
            if (::SHGetPathFromIDListW(lptvid->lpifq, szPath))
            {
                strFolderPath = szPath;
                bRet = TRUE;
            }
        }
        // An item that reports a child and was never expanded gets its children now, so that
        // walking down a path finds them.
        NMTREEVIEW* pnmtv = (NMTREEVIEW*)pNMHDR;
        if (pnmtv != NULL && pnmtv->itemNew.hItem != NULL)
        {
            TVITEM item = {};
            item.hItem = pnmtv->itemNew.hItem;
            item.mask = TVIF_CHILDREN | TVIF_STATE;
            item.stateMask = TVIS_EXPANDEDONCE;
            if (GetItem(&item) && item.cChildren == 1 && (item.state & TVIS_EXPANDEDONCE) == 0)
            {
                if (!FillChildren(lpsf, lptvid->lpifq, item.hItem))
                    SortChildrenOf(item.hItem);
                SetItemState(item.hItem, TVIS_EXPANDEDONCE, TVIS_EXPANDEDONCE);
            }
        }
        lpsf->Release();
    }
    if (pResult != NULL)
        *pResult = 0;
    return bRet;
}

void CQShellTree::OnDeleteShellItem(NMHDR* pNMHDR, LRESULT*)
{
    NMTREEVIEW* pnmtv = (NMTREEVIEW*)pNMHDR;
    if (pnmtv == NULL)
        return;
    tagID* lptvid = (tagID*)pnmtv->itemOld.lParam;
    if (lptvid == NULL)
        return;
    LPMALLOC lpMalloc = NULL;
    if (FAILED(::SHGetMalloc(&lpMalloc)) || lpMalloc == NULL)
        return;
    if (lptvid->lpsfParent != NULL)
        lptvid->lpsfParent->Release();
    lpMalloc->Free(lptvid->lpi);
    lpMalloc->Free(lptvid->lpifq);
    lpMalloc->Free(lptvid);
    lpMalloc->Release();
}
