// The shell folders page: the folder tree with files shown and a filter box, opened at the
// gallery's own data folder, beside a panel with the file information of the selected item
// (icon, type, size, date).
#include "GalleryPage.h"

namespace
{

const UINT kTreeId = 100, kFilterId = 101, kIconId = 102;

class CShellPage : public CGalleryPage
{
protected:
    BOOL CreateControls() override;
    void Fill() override;
    void Layout(int cx, int cy) override;

    // void OnExpanding(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    // void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    // void OnRClick(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnRClick(NMHDR* pNMHDR, LRESULT* pResult);
    // void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    // void OnFilterChange()
    afx_msg void OnFilterChange();
    // void OnDestroy()
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void ShowInfo();
    CString DataPath() const;

    CStatic m_caption, m_filterLabel, m_info, m_icon;
    CEdit m_filter;
    CQShellTree m_tree;
    HICON m_hIcon = NULL;
};

GALLERY_PAGE(CShellPage, 40, L"shell", L"Shell folders")

BEGIN_MESSAGE_MAP(CShellPage, CGalleryPage)
    // void OnExpanding(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(TVN_ITEMEXPANDING, kTreeId, OnExpanding)
    // void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(TVN_SELCHANGED, kTreeId, OnSelChanged)
    // void OnRClick(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(NM_RCLICK, kTreeId, OnRClick)
    // void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(TVN_DELETEITEM, kTreeId, OnDeleteItem)
    // void OnFilterChange()
    ON_EN_CHANGE(kFilterId, OnFilterChange)
    // void OnDestroy()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CShellPage::CreateControls()
{
    if (!CreateLabel(
            m_caption,
            L"The shell namespace, filled one level per expansion. Files are listed when they pass the "
            L"filter; a right click opens an item's shell menu.",
            1) ||
        !CreateLabel(m_filterLabel, L"Files shown", 2) || !CreateLabel(m_info, L"", 3, SS_LEFT | SS_SUNKEN))
        return FALSE;
    if (!m_icon.Create(L"", WS_CHILD | WS_VISIBLE | SS_ICON, CRect(0, 0, 32, 32), this, kIconId))
        return FALSE;
    if (!m_filter.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, CRect(0, 0, 10, 10), this,
                           kFilterId))
        return FALSE;
    m_filter.SetFont(GetGuiFont());
    if (!m_tree.CreateEx(WS_EX_CLIENTEDGE,
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                             TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                         CRect(0, 0, 10, 10), this, kTreeId))
        return FALSE;
    m_tree.SetFont(GetGuiFont());
    return TRUE;
}

CString CShellPage::DataPath() const
{
    CString strPath = DataFolder();
    if (strPath.GetLength() > 3 && strPath[strPath.GetLength() - 1] == L'\\')
        strPath.Truncate(strPath.GetLength() - 1);
    return strPath;
}

void CShellPage::Fill()
{
    m_tree.EnableImages();
    m_tree.m_bShowFiles = TRUE;
    // Opening the path scrolls the selected item into view: give the tree its size first.
    CRect rc;
    GetClientRect(&rc);
    Layout(rc.Width(), rc.Height());
    m_filter.SetWindowText(L"*.csv"); // fills the tree through OnFilterChange
}

void CShellPage::OnFilterChange()
{
    if (m_tree.m_hWnd == NULL)
        return;
    CString strFilter;
    m_filter.GetWindowText(strFilter);
    m_tree.SetFileType(strFilter);
    m_tree.PopulateTree();
    m_tree.TunnelTree(DataPath());
    HTREEITEM hSelected = m_tree.GetSelectedItem();
    if (hSelected != NULL)
    {
        m_tree.Expand(hSelected, TVE_EXPAND);
        // Show the information of the last file listed there.
        HTREEITEM hFile = NULL;
        for (HTREEITEM h = m_tree.GetChildItem(hSelected); h != NULL; h = m_tree.GetNextSiblingItem(h))
        {
            CString strPath;
            int bFolder = 1;
            if (m_tree.GetPathName(h, strPath, bFolder) && !bFolder)
                hFile = h;
        }
        if (hFile != NULL)
            m_tree.Select(hFile, TVGN_CARET);
    }
    m_tree.SendMessage(WM_HSCROLL, SB_LEFT, 0); // the walk may have scrolled deep items into view
    ShowInfo();
}

void CShellPage::OnExpanding(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_tree.OnFolderExpanding(pNMHDR, pResult);
}

void CShellPage::OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    CString strFolder;
    m_tree.OnFolderSelected(pNMHDR, pResult, strFolder);
    ShowInfo();
}

void CShellPage::OnRClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_tree.GetContextMenu(pNMHDR, pResult);
}

void CShellPage::OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_tree.OnDeleteShellItem(pNMHDR, pResult);
}

void CShellPage::OnDestroy()
{
    // The records go while this page can still hear about each deleted item.
    if (m_tree.m_hWnd != NULL)
    {
        m_tree.Select(NULL, TVGN_CARET);
        m_tree.DeleteAllItems();
    }
    if (m_hIcon != NULL)
        ::DestroyIcon(m_hIcon);
    m_hIcon = NULL;
    CWnd::OnDestroy();
}

// The selected item's file information: for a file through a finder (size and date), for a
// folder by its path.
void CShellPage::ShowInfo()
{
    if (m_info.m_hWnd == NULL)
        return;
    CString strPath, strText;
    int bFolder = 0;
    HTREEITEM hItem = m_tree.GetSelectedItem();
    int nIcon = -1;
    if (hItem == NULL || !m_tree.GetPathName(hItem, strPath, bFolder))
        strText =
            hItem != NULL ? L"  " + m_tree.GetItemText(hItem) + L"\n  (not a file-system item)" : CString();
    else
    {
        CFileFind finder;
        BOOL bFound = !bFolder && finder.FindFile(strPath);
        if (bFound)
            finder.FindNextFile();
        CQSHFileInfo info = bFound ? CQSHFileInfo(&finder) : CQSHFileInfo(strPath);
        strText.Format(L"  %s\n  Type: %s\n  Folder: %s", (LPCWSTR)info.GetDisplayName(),
                       (LPCWSTR)info.GetDescription(), (LPCWSTR)info.GetRoot());
        if (bFound)
            strText.AppendFormat(L"\n  Size: %s bytes\n  Modified: %s", (LPCWSTR)info.GetFileSize(),
                                 (LPCWSTR)info.GetLastWriteTime());
        nIcon = info.GetIconIndex();
    }
    m_info.SetWindowText(strText);
    HICON hIcon = NULL;
    HIMAGELIST hList = (HIMAGELIST)::SendMessage(m_tree.m_hWnd, TVM_GETIMAGELIST, TVSIL_NORMAL, 0);
    if (nIcon >= 0 && hList != NULL)
        hIcon = ImageList_GetIcon(hList, nIcon, ILD_NORMAL);
    m_icon.SendMessage(STM_SETICON, (WPARAM)hIcon, 0);
    if (m_hIcon != NULL)
        ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
}

void CShellPage::Layout(int cx, int cy)
{
    const int nTree = std::max(200, cx * 11 / 20);
    m_caption.MoveWindow(0, 0, cx, 34);
    m_filterLabel.MoveWindow(0, 48, 90, 18);
    m_filter.MoveWindow(90, 44, 160, 22);
    m_tree.MoveWindow(0, 74, nTree, std::max(50, cy - 74));
    m_icon.MoveWindow(nTree + 12, 74, 32, 32);
    m_info.MoveWindow(nTree + 52, 74, std::max(50, cx - nTree - 52), 110);
}

} // namespace
