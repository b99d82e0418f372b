// Shared helpers of the shell tests.
#include "shelltest.h"

#include <afxdisp.h>

#include <algorithm>

namespace shelltest
{

BEGIN_MESSAGE_MAP(CTreeOwner, CWnd)
    // void OnExpanding(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(TVN_ITEMEXPANDING, kTreeId, OnExpanding)
    // void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(TVN_SELCHANGED, kTreeId, OnSelChanged)
    // void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(TVN_DELETEITEM, kTreeId, OnDeleteItem)
END_MESSAGE_MAP()

BOOL CTreeOwner::Create()
{
    CString strClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    return CreateEx(0, strClass, L"shell tree", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 500), NULL, 0) &&
           m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                         CRect(0, 0, 400, 500), this, kTreeId);
}

CTreeOwner::~CTreeOwner()
{
    m_tree.DestroyWindow();
    DestroyWindow();
}

std::vector<HTREEITEM> CTreeOwner::Children(HTREEITEM hParent) const
{
    std::vector<HTREEITEM> items;
    HTREEITEM h = hParent == TVI_ROOT ? m_tree.GetRootItem() : m_tree.GetChildItem(hParent);
    for (; h != NULL; h = m_tree.GetNextSiblingItem(h))
        items.push_back(h);
    return items;
}

std::vector<CString> CTreeOwner::Texts(HTREEITEM hParent) const
{
    std::vector<CString> texts;
    for (HTREEITEM h : Children(hParent))
        texts.push_back(m_tree.GetItemText(h));
    return texts;
}

HTREEITEM CTreeOwner::Find(HTREEITEM hParent, LPCWSTR lpszText) const
{
    for (HTREEITEM h : Children(hParent))
        if (m_tree.GetItemText(h).CompareNoCase(lpszText) == 0)
            return h;
    return NULL;
}

CString CTreeOwner::PathOf(HTREEITEM hItem)
{
    CString strPath;
    int bFolder = 0;
    m_tree.GetPathName(hItem, strPath, bFolder);
    return strPath;
}

HTREEITEM CTreeOwner::OpenAt(const CString& strPath)
{
    m_tree.PopulateTree();
    m_tree.TunnelTree(strPath);
    return m_tree.GetSelectedItem();
}

void CTreeOwner::OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    CString strPath;
    if (m_tree.OnFolderSelected(pNMHDR, pResult, strPath))
        m_strSelected = strPath;
}

void CTreeOwner::OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_nDeleted++;
    m_tree.OnDeleteShellItem(pNMHDR, pResult);
}

int CMenuCloser::s_nMenusSeen = 0;

CMenuCloser::CMenuCloser()
{
    s_nMenusSeen = 0;
    m_nTimer = ::SetTimer(NULL, 0, 50,
                          [](HWND, UINT, UINT_PTR, DWORD)
                          {
                              HWND hMenuWnd = ::FindWindowW(L"#32768", NULL);
                              if (hMenuWnd != NULL && ::IsWindowVisible(hMenuWnd) && ::EndMenu())
                                  s_nMenusSeen++;
                          });
}

std::string Narrow(const CString& str)
{
    std::string s;
    for (int i = 0; i < str.GetLength(); i++)
        s += str[i] < 128 ? (char)str[i] : '?';
    return s;
}

LPITEMIDLIST ParsePath(LPCWSTR lpszPath)
{
    LPITEMIDLIST pidl = NULL;
    return SUCCEEDED(::SHParseDisplayName(lpszPath, NULL, &pidl, 0, NULL)) ? pidl : NULL;
}

std::vector<CString> Sorted(std::vector<CString> texts)
{
    std::sort(texts.begin(), texts.end(),
              [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
    return texts;
}

namespace
{

// The shell's folders and the allocator spy need COM on the test thread.
class CShellEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { ASSERT_TRUE(AfxOleInit()); }
    void TearDown() override { AfxOleTerm(FALSE); }
};

::testing::Environment* const g_pShellEnvironment =
    ::testing::AddGlobalTestEnvironment(new CShellEnvironment);

} // namespace

} // namespace shelltest
