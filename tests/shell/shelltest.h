// Shared helpers of the shell tests: the owner of a shell tree, which forwards the tree's
// notifications as a calling module does, a timer that closes context menus so that a test never
// blocks in one, and small conversions. Real folders come from shellfolders.h.
#pragma once

#include "qctl.h"
#include "shellfolders.h"
#include "testwin.h"

#include <string>
#include <vector>

namespace shelltest
{

using qtest::CTempFolder;

const UINT kTreeId = 100;

class CTreeOwner : public CWnd
{
public:
    CQShellTree m_tree;
    CString m_strSelected; // the last folder path the selection gave
    int m_nDeleted = 0;    // items deleted

    BOOL Create();
    ~CTreeOwner() override;
    // The children of an item (TVI_ROOT: the top level), their texts, the one with a text.
    std::vector<HTREEITEM> Children(HTREEITEM hParent) const;
    std::vector<CString> Texts(HTREEITEM hParent) const;
    HTREEITEM Find(HTREEITEM hParent, LPCWSTR lpszText) const;
    CString PathOf(HTREEITEM hItem);
    // Fills the tree from the desktop and opens it at a folder: the folder's item, selected.
    HTREEITEM OpenAt(const CString& strPath);

protected:
    // void OnExpanding(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnExpanding(NMHDR* pNMHDR, LRESULT* pResult) { m_tree.OnFolderExpanding(pNMHDR, pResult); }
    // void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    // void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

// While it lives, a pop-up menu that this thread tracks is counted and closed at once.
class CMenuCloser
{
public:
    CMenuCloser();
    ~CMenuCloser() { ::KillTimer(NULL, m_nTimer); }
    static int s_nMenusSeen;

private:
    UINT_PTR m_nTimer;
};

// ASCII of a text, for test messages.
std::string Narrow(const CString& str);
// An identifier list parsed by the desktop from a path (ILFree it), NULL on failure.
LPITEMIDLIST ParsePath(LPCWSTR lpszPath);
// Texts in case-insensitive order.
std::vector<CString> Sorted(std::vector<CString> texts);

} // namespace shelltest
