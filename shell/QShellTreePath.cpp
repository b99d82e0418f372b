// CQShellTree: what the tree answers about its items (records, lists, folders, paths),
// the file filter, finding and opening paths, and the right-click context menu. Filling is in
// QShellTree.cpp.
#include "QShellTree.h"
#include "QSHFileInfo.h"

namespace
{

// Binds an item's relative list in its folder; true when it is a folder (the bound folder is
// released again).
bool BindsToFolder(CQShellPidl::tagID* lptvid)
{
    if (lptvid == NULL || lptvid->lpsfParent == NULL || lptvid->lpi == NULL)
        return false;
    LPSHELLFOLDER lpsf = NULL;
    if (FAILED(lptvid->lpsfParent->BindToObject(lptvid->lpi, NULL, IID_IShellFolder, (void**)&lpsf)) ||
        lpsf == NULL)
        return false;
    lpsf->Release();
    return true;
}

// The file-system path of a record's full list when the item has the file-system attribute.
bool FileSystemPath(CQShellPidl::tagID* lptvid, CString& strPath, ULONG* pulAttrs = NULL)
{
    if (lptvid == NULL || lptvid->lpsfParent == NULL || lptvid->lpi == NULL || lptvid->lpifq == NULL)
        return false;
    ULONG ulAttrs = SFGAO_FILESYSTEM | SFGAO_FOLDER;
    if (FAILED(lptvid->lpsfParent->GetAttributesOf(1, (LPCITEMIDLIST*)&lptvid->lpi, &ulAttrs)) ||
        (ulAttrs & SFGAO_FILESYSTEM) == 0)
        return false;
    wchar_t szPath[MAX_PATH] = L"";
    if (!::SHGetPathFromIDListW(lptvid->lpifq, szPath) || szPath[0] == 0)
        return false;
    strPath = szPath;
    if (pulAttrs != NULL)
        *pulAttrs = ulAttrs;
    return true;
}

} // namespace

LPITEMIDLIST CQShellTree::GetFullyQualifiedID(HTREEITEM hItem)
{
    tagID* lptvid = GetRecord(hItem);
    return lptvid != NULL ? lptvid->lpifq : NULL;
}

LPITEMIDLIST CQShellTree::GetRelativeIDLIST(HTREEITEM hItem)
{
    tagID* lptvid = GetRecord(hItem);
    return lptvid != NULL ? lptvid->lpifq : NULL;
}

LPSHELLFOLDER CQShellTree::GetParentShellFolder(HTREEITEM hItem)
{
    tagID* lptvid = GetRecord(hItem);
    return lptvid != NULL ? lptvid->lpsfParent : NULL;
}

BOOL CQShellTree::GetPathName(HTREEITEM hItem, CString& strPath, int& bFolder)
{
    tagID* lptvid = GetRecord(hItem);
    return lptvid != NULL && GetPathName(lptvid, strPath, bFolder);
}

BOOL CQShellTree::GetPathName(CQShellPidl::tagID* lptvid, CString& strPath, int& bFolder)
{
    ULONG ulAttrs = 0;
    if (!FileSystemPath(lptvid, strPath, &ulAttrs))
        return FALSE;
    bFolder = (ulAttrs & SFGAO_FOLDER) != 0;
    return TRUE;
}

BOOL CQShellTree::GetSelectedFolderPath(CString& strFolderPath)
{
    tagID* lptvid = GetRecord(GetSelectedItem());
    if (!BindsToFolder(lptvid))
        return FALSE;
    CString strPath;
    if (!FileSystemPath(lptvid, strPath))
        return FALSE;
    strFolderPath = strPath;
    return TRUE;
}

BOOL CQShellTree::IsCanShowFile(CString strFileName)
{
    if (strFileName.CompareNoCase(m_strFileType) == 0)
        return TRUE;
    int nDot = strFileName.Find(L'.');
    CString strExt = nDot >= 0 ? strFileName.Mid(nDot + 1) : CString();
    int nFilterDot = m_strFileType.Find(L'.');
    CString strFilterExt = nFilterDot >= 1 ? m_strFileType.Mid(nFilterDot + 1) : CString();
    if (strFilterExt == L"*")
        return TRUE;
    return strExt.CompareNoCase(strFilterExt) == 0;
}

bool CQShellTree::SearchTree(HTREEITEM hItem, CString strSearch, FindAttribs attr)
{
    strSearch.MakeUpper();
    for (; hItem != NULL; hItem = GetNextSiblingItem(hItem))
    {
        tagID* lptvid = GetRecord(hItem);
        CString strPath;
        if (!BindsToFolder(lptvid) || !FileSystemPath(lptvid, strPath))
            continue;
        CString strCompare;
        if (attr == FIND_BY_DRIVE)
            CQSHFileInfo::SplitPath(strPath, &strCompare, NULL, NULL, NULL);
        else
            strCompare = GetItemText(hItem);
        strCompare.MakeUpper();
        if (strCompare == strSearch)
        {
            EnsureVisible(hItem);
            Select(hItem, TVGN_CARET);
            return true;
        }
    }
    return false;
}

void CQShellTree::TunnelTree(CString strFindPath)
{
    HTREEITEM hRoot = GetRootItem();
    if (!CQSHFileInfo(strFindPath).Exist())
    {
        MessageBox(strFindPath, L"Folder not found", MB_ICONHAND);
        return;
    }
    if (strFindPath.IsEmpty() || strFindPath[strFindPath.GetLength() - 1] != L'\\')
        strFindPath += L"\\";
    CString strDrive, strDir;
    CQSHFileInfo::SplitPath(strFindPath, &strDrive, &strDir, NULL, NULL);
    if (hRoot == NULL || !SearchTree(GetChildItem(hRoot), strDrive, FIND_BY_DRIVE))
        return;
    // Each directory below the drive, as _wsplitpath separates them (either slash).
    int nStart = 0;
    const int nLength = strDir.GetLength();
    while (nStart < nLength)
    {
        int nEnd = nStart;
        while (nEnd < nLength && strDir[nEnd] != L'\\' && strDir[nEnd] != L'/')
            nEnd++;
        if (nEnd > nStart)
        {
            CString strComponent = strDir.Mid(nStart, nEnd - nStart);
            if (!SearchTree(GetChildItem(GetSelectedItem()), strComponent, FIND_BY_NAME))
                return;
        }
        nStart = nEnd + 1;
    }
}

void CQShellTree::GetContextMenu(NMHDR*, LRESULT* pResult)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    TVHITTESTINFO hti = {};
    hti.pt = pt;
    HTREEITEM hItem = HitTest(&hti);
    if (hItem != NULL)
        Select(hItem, TVGN_CARET);
    if (hItem != NULL && (hti.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL)) != 0)
    {
        ClientToScreen(&pt);
        TVITEM item = {};
        item.hItem = hItem;
        item.mask = TVIF_PARAM;
        if (!GetItem(&item))
            return;
        tagID* lptvid = (tagID*)item.lParam;
        if (lptvid != NULL)
            DoTheMenuThing(::GetParent(m_hWnd), lptvid->lpsfParent, lptvid->lpi, &pt);
    }
    if (pResult != NULL)
        *pResult = 0;
}
