// CQShellTree on real folder trees made under the temporary folder and on the namespace's fixed
// places: lazy filling, children marks, sorting, the filter, opening paths, refreshing, the
// context menu, and the lists and references held by items over many expand/collapse cycles.
#include "shelltest.h"

#include <algorithm>

using namespace shelltest;

namespace
{

const UINT kTreeId = 100;

// The owner of a shell tree: forwards the four notifications as a calling module does and
// remembers the last folder path the selection gave.
class CTreeOwner : public CWnd
{
public:
    CQShellTree m_tree;
    CString m_strSelected;
    int m_nDeleted = 0;

    BOOL Create(int cx = 400, int cy = 500)
    {
        CString strClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
        if (!CreateEx(0, strClass, L"shell tree", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                      CRect(0, 0, cx, cy), NULL, 0))
            return FALSE;
        return m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                 TVS_SHOWSELALWAYS,
                             CRect(0, 0, cx, cy), this, kTreeId);
    }
    ~CTreeOwner() override
    {
        if (m_tree.m_hWnd != NULL)
            m_tree.DestroyWindow();
        DestroyWindow();
    }

    // The children of an item (TVI_ROOT: the top level) with their texts.
    std::vector<HTREEITEM> Children(HTREEITEM hParent) const
    {
        std::vector<HTREEITEM> items;
        HTREEITEM h = hParent == TVI_ROOT ? m_tree.GetRootItem() : m_tree.GetChildItem(hParent);
        for (; h != NULL; h = m_tree.GetNextSiblingItem(h))
            items.push_back(h);
        return items;
    }
    std::vector<CString> Texts(HTREEITEM hParent) const
    {
        std::vector<CString> texts;
        for (HTREEITEM h : Children(hParent))
            texts.push_back(m_tree.GetItemText(h));
        return texts;
    }
    HTREEITEM Find(HTREEITEM hParent, LPCWSTR lpszText) const
    {
        for (HTREEITEM h : Children(hParent))
            if (m_tree.GetItemText(h).CompareNoCase(lpszText) == 0)
                return h;
        return NULL;
    }
    CString SelectedPath()
    {
        CString strPath;
        int bFolder = 0;
        m_tree.GetPathName(m_tree.GetSelectedItem(), strPath, bFolder);
        return strPath;
    }

protected:
    // void OnExpanding(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnExpanding(NMHDR* pNMHDR, LRESULT* pResult) { m_tree.OnFolderExpanding(pNMHDR, pResult); }
    // void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
    {
        CString strPath;
        if (m_tree.OnFolderSelected(pNMHDR, pResult, strPath))
            m_strSelected = strPath;
    }
    // void OnRClick(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnRClick(NMHDR* pNMHDR, LRESULT* pResult) { m_tree.GetContextMenu(pNMHDR, pResult); }
    // void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nDeleted++;
        m_tree.OnDeleteShellItem(pNMHDR, pResult);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTreeOwner, CWnd)
    // void OnExpanding(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(TVN_ITEMEXPANDING, kTreeId, OnExpanding)
    // void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(TVN_SELCHANGED, kTreeId, OnSelChanged)
    // void OnRClick(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(NM_RCLICK, kTreeId, OnRClick)
    // void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(TVN_DELETEITEM, kTreeId, OnDeleteItem)
END_MESSAGE_MAP()

bool HasChildrenMark(CQShellTree& tree, HTREEITEM h)
{
    TVITEM item = {};
    item.hItem = h;
    item.mask = TVIF_CHILDREN;
    return tree.GetItem(&item) && item.cChildren == 1;
}

// The sample tree:
//   alpha\inner\           a folder with a subfolder
//   beta\b.dwg             no subfolder, a drawing
//   gamma\g.txt            no subfolder, no drawing
//   delta\                 empty
//   z.dwg  Y.DWG  a.b.dwg  readme.txt  noext
void MakeSample(CTempTree& tree)
{
    for (LPCWSTR f : {L"alpha", L"alpha\\inner", L"beta", L"gamma", L"delta"})
        ASSERT_TRUE(tree.MakeFolder(f));
    for (LPCWSTR f :
         {L"beta\\b.dwg", L"gamma\\g.txt", L"z.dwg", L"Y.DWG", L"a.b.dwg", L"readme.txt", L"noext"})
        ASSERT_TRUE(tree.MakeFile(f));
}

// Opens the tree from the desktop at a folder: the folder's item is selected and filled.
HTREEITEM OpenAt(CTreeOwner& owner, const CString& strPath)
{
    owner.m_tree.PopulateTree();
    owner.m_tree.TunnelTree(strPath);
    return owner.m_tree.GetSelectedItem();
}

std::vector<CString> Sorted(std::vector<CString> v)
{
    std::sort(v.begin(), v.end(), [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
    return v;
}

} // namespace

// The namespace's fixed places: the desktop's first item holds the drives C: and Z:; a tree
// rooted at the computer lists them at the top.
TEST(ShellTree, FixedPlacesOfTheNamespace)
{
    CTreeOwner owner;
    ASSERT_TRUE(owner.Create());
    owner.m_tree.EnableImages();
    owner.m_tree.PopulateTree();
    HTREEITEM hFirst = owner.m_tree.GetRootItem();
    ASSERT_TRUE(hFirst != NULL);
    EXPECT_EQ(hFirst, owner.m_tree.GetSelectedItem());
    std::vector<CString> drives;
    for (HTREEITEM h : owner.Children(hFirst))
    {
        CString strPath;
        int bFolder = 0;
        if (owner.m_tree.GetPathName(h, strPath, bFolder))
        {
            EXPECT_TRUE(bFolder);
            drives.push_back(strPath);
        }
    }
    EXPECT_TRUE(std::find(drives.begin(), drives.end(), CString(L"C:\\")) != drives.end());
    EXPECT_TRUE(std::find(drives.begin(), drives.end(), CString(L"Z:\\")) != drives.end());
    EXPECT_TRUE(owner.m_tree.GetImageList(TVSIL_NORMAL) != NULL);

    owner.m_tree.PopulateTree(CSIDL_DRIVES);
    int nDrives = 0;
    for (HTREEITEM h : owner.Children(TVI_ROOT))
    {
        CString strPath;
        int bFolder = 0;
        if (owner.m_tree.GetPathName(h, strPath, bFolder) && strPath.GetLength() == 3)
            nDrives++;
        EXPECT_TRUE(owner.m_tree.GetFullyQualifiedID(h) == owner.m_tree.GetRelativeIDLIST(h));
    }
    EXPECT_GE(nDrives, 2);
}

// Children appear only when their parent is expanded (or selected), one level at a time, and
// the marks follow the real contents with files off, with *.dwg and with *.*.
TEST(ShellTree, LazyFillingAndChildrenMarks)
{
    CTempTree tree;
    MakeSample(tree);
    struct Case
    {
        BOOL bShowFiles;
        LPCWSTR filter;
        std::vector<CString> items;   // top level of the sample, in any order
        std::vector<CString> markers; // those with a children mark
    } cases[] = {
        {FALSE, L"*.*", {L"alpha", L"beta", L"gamma", L"delta"}, {L"alpha"}},
        {TRUE, L"*.dwg", {L"alpha", L"beta", L"gamma", L"delta", L"z.dwg", L"Y.DWG"}, {L"alpha", L"beta"}},
        {TRUE,
         L"*.*",
         {L"alpha", L"beta", L"gamma", L"delta", L"z.dwg", L"Y.DWG", L"a.b.dwg", L"readme.txt", L"noext"},
         {L"alpha", L"beta", L"gamma", L"delta"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(Narrow(c.filter));
        CTreeOwner owner;
        ASSERT_TRUE(owner.Create());
        owner.m_tree.m_bShowFiles = c.bShowFiles;
        owner.m_tree.SetFileType(c.filter);
        HTREEITEM hRoot = OpenAt(owner, tree.Root());
        ASSERT_STREQ((LPCWSTR)tree.Root(), owner.SelectedPath());
        ASSERT_STREQ((LPCWSTR)tree.Root(), owner.m_strSelected);
        // Display names may hide known extensions: compare names up to their first dot.
        auto stem = [](CString s) { return s.Find(L'.') > 0 ? s.Left(s.Find(L'.')) : s; };
        std::vector<CString> got, want;
        for (const CString& s : owner.Texts(hRoot))
            got.push_back(stem(s));
        for (const CString& s : c.items)
            want.push_back(stem(s));
        EXPECT_EQ(Sorted(want), Sorted(got));
        for (HTREEITEM h : owner.Children(hRoot))
        {
            CString strText = owner.m_tree.GetItemText(h);
            // A folder the shell reports subfolders for is marked (some shells report them for
            // every folder); otherwise only what the table says.
            LPSHELLFOLDER lpsf = owner.m_tree.GetParentShellFolder(h);
            LPCITEMIDLIST pidlLast = ::ILFindLastID(owner.m_tree.GetFullyQualifiedID(h));
            ULONG ulAttrs = SFGAO_HASSUBFOLDER;
            ASSERT_HRESULT_SUCCEEDED(lpsf->GetAttributesOf(1, &pidlLast, &ulAttrs));
            bool bMarked = (ulAttrs & SFGAO_HASSUBFOLDER) != 0 ||
                           std::find(c.markers.begin(), c.markers.end(), strText) != c.markers.end();
            EXPECT_EQ(bMarked, HasChildrenMark(owner.m_tree, h)) << Narrow(strText);
            EXPECT_TRUE(owner.m_tree.GetChildItem(h) == NULL) << "filled before expansion";
        }
        HTREEITEM hAlpha = owner.Find(hRoot, L"alpha");
        ASSERT_TRUE(hAlpha != NULL);
        owner.m_tree.Expand(hAlpha, TVE_EXPAND);
        EXPECT_EQ(std::vector<CString>{L"inner"}, owner.Texts(hAlpha));
        EXPECT_TRUE(owner.m_tree.GetChildItem(owner.m_tree.GetChildItem(hAlpha)) == NULL);
    }
}

// Children come in the folder's own order (IShellFolder::CompareIDs), whatever order the disk
// enumerates them in.
TEST(ShellTree, ChildrenAreSortedByTheFolder)
{
    CTempTree tree;
    for (LPCWSTR f : {L"m", L"c10", L"B", L"a", L"c2", L"zz", L"Q", L"c1"})
        ASSERT_TRUE(tree.MakeFolder(f));
    CTreeOwner owner;
    ASSERT_TRUE(owner.Create());
    HTREEITEM hRoot = OpenAt(owner, tree.Root());
    std::vector<HTREEITEM> items = owner.Children(hRoot);
    ASSERT_EQ(8u, items.size());
    LPSHELLFOLDER lpsf = owner.m_tree.GetParentShellFolder(items[0]);
    for (size_t i = 1; i < items.size(); i++)
    {
        LPITEMIDLIST a = ::ILFindLastID(owner.m_tree.GetFullyQualifiedID(items[i - 1]));
        LPITEMIDLIST b = ::ILFindLastID(owner.m_tree.GetFullyQualifiedID(items[i]));
        EXPECT_LT((short)HRESULT_CODE(lpsf->CompareIDs(0, a, b)), 0) << i;
    }
}

// The filter rule, case-insensitive: whole-name matches, the first dot of a name starts its
// extension, a filter's dot counts only from position 1 on.
TEST(ShellTree, FilterRule)
{
    struct Case
    {
        LPCWSTR filter, name;
        BOOL bShown;
    } cases[] = {
        {L"*.*", L"plan.dwg", TRUE},    {L"*.*", L"noext", TRUE},      {L"*.*", L"a.b.c", TRUE},
        {L"*.dwg", L"plan.dwg", TRUE},  {L"*.dwg", L"PLAN.DWG", TRUE}, {L"*.dwg", L"a.b.dwg", FALSE},
        {L"*.dwg", L"plan.dxf", FALSE}, {L"*.dwg", L"dwg", FALSE},     {L"*.dwg", L"*.DWG", TRUE},
        {L".dwg", L"plan.dwg", FALSE},  {L".dwg", L"noext", TRUE},     {L".dwg", L".DWG", TRUE},
        {L"dwg", L"plan.dwg", FALSE},   {L"dwg", L"readme", TRUE},     {L"*.", L"readme", TRUE},
        {L"*.", L"plan.dwg", FALSE},    {L"*", L"readme", TRUE},       {L"*", L"plan.dwg", FALSE},
        {L"", L"readme", TRUE},         {L"", L"plan.dwg", FALSE},     {L"*.d*", L"plan.dwg", FALSE},
        {L"a.*", L"anything.at", TRUE},
    };
    CQShellTree tree;
    for (const Case& c : cases)
    {
        tree.SetFileType(c.filter);
        EXPECT_EQ(c.bShown, tree.IsCanShowFile(c.name)) << Narrow(c.filter) << " / " << Narrow(c.name);
    }
}

// Opening paths: 12 levels deep, with forward slashes, "..", a trailing separator, a file, and
// paths that do not exist or are too long ("Folder not found", tree unchanged).
TEST(ShellTree, TunnelTreeOpensPaths)
{
    CTempTree tree;
    CString strDeep;
    for (int i = 0; i < 12; i++)
    {
        strDeep += (i ? L"\\" : L"") + CString(L"level") + (wchar_t)(L'a' + i);
        ASSERT_TRUE(tree.MakeFolder(strDeep));
    }
    ASSERT_TRUE(tree.MakeFile(L"levela\\file.txt"));
    CString strLevelA = tree.Path(L"levela");
    // A folder named with a trailing separator is looked up as it is: the platform decides.
    WIN32_FIND_DATAW fd;
    HANDLE hFind = ::FindFirstFileW(tree.Path(L"levela\\levelb\\"), &fd);
    bool bTrailing = hFind != INVALID_HANDLE_VALUE;
    if (bTrailing)
        ::FindClose(hFind);
    CString strForward = strLevelA + L"\\levelb";
    strForward.Replace(L'\\', L'/');
    struct Case
    {
        CString strPath;
        CString strSelected; // empty: the box shows and the selection stays
    } cases[] = {
        {tree.Path(strDeep), tree.Path(strDeep)},
        {tree.Path(L"levela\\levelb\\"), bTrailing ? tree.Path(L"levela\\levelb") : CString()},
        {strForward, tree.Path(L"levela\\levelb")},
        {tree.Path(L"levela\\file.txt"), strLevelA},
        {tree.Path(L"levela\\levelb\\..\\levelb"), tree.Path(L"levela\\levelb")},
        {tree.Path(L"levela\\nothing"), L""},
        {tree.Path(CString(L'x', 300)), L""},
    };
    CTreeOwner owner;
    ASSERT_TRUE(owner.Create());
    owner.m_tree.PopulateTree();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(Narrow(c.strPath.Left(100)));
        owner.m_tree.Select(owner.m_tree.GetRootItem(), TVGN_CARET);
        HTREEITEM hBefore = owner.m_tree.GetSelectedItem();
        qtest::CMessageBoxWatcher boxes;
        owner.m_tree.TunnelTree(c.strPath);
        if (c.strSelected.IsEmpty())
        {
            ASSERT_EQ(1, boxes.Count());
            EXPECT_STREQ(L"Folder not found", boxes.Captions()[0]);
            EXPECT_STREQ((LPCWSTR)c.strPath, boxes.Texts()[0]);
            EXPECT_EQ(hBefore, owner.m_tree.GetSelectedItem());
        }
        else
        {
            EXPECT_EQ(0, boxes.Count());
            EXPECT_STREQ((LPCWSTR)c.strSelected, owner.SelectedPath());
        }
    }
}

// Folders created and deleted on disk show after the parent is collapsed (resetting it) and
// expanded again; a folder that vanished after it was listed expands to nothing and still
// answers its path.
TEST(ShellTree, RefreshAfterFoldersComeAndGo)
{
    CTempTree tree;
    ASSERT_TRUE(tree.MakeFolder(L"p"));
    ASSERT_TRUE(tree.MakeFolder(L"p\\old"));
    ASSERT_TRUE(tree.MakeFolder(L"p\\gone"));
    ASSERT_TRUE(tree.MakeFolder(L"p\\gone\\child"));
    CTreeOwner owner;
    ASSERT_TRUE(owner.Create());
    HTREEITEM hRoot = OpenAt(owner, tree.Root());
    HTREEITEM hP = owner.Find(hRoot, L"p");
    ASSERT_TRUE(hP != NULL);
    owner.m_tree.Expand(hP, TVE_EXPAND);
    EXPECT_EQ(Sorted({L"gone", L"old"}), Sorted(owner.Texts(hP)));

    ASSERT_TRUE(tree.MakeFolder(L"p\\new"));
    ASSERT_TRUE(::RemoveDirectoryW(tree.Path(L"p\\old")));
    owner.m_tree.Expand(hP, TVE_COLLAPSE | TVE_COLLAPSERESET);
    owner.m_tree.Expand(hP, TVE_EXPAND);
    EXPECT_EQ(Sorted({L"gone", L"new"}), Sorted(owner.Texts(hP)));

    HTREEITEM hGone = owner.Find(hP, L"gone");
    ASSERT_TRUE(hGone != NULL);
    CTempTree::RemoveAll(tree.Path(L"p\\gone"));
    owner.m_tree.Expand(hGone, TVE_EXPAND);
    EXPECT_TRUE(owner.m_tree.GetChildItem(hGone) == NULL);
    CString strPath;
    int bFolder = 0;
    owner.m_tree.GetPathName(hGone, strPath, bFolder);
    owner.m_tree.Select(hGone, TVGN_CARET);
    owner.m_tree.TunnelTree(tree.Path(L"p\\new"));
    EXPECT_STREQ((LPCWSTR)tree.Path(L"p\\new"), owner.SelectedPath());
}

// PopulateTree with a path walks down as far as the path leads: to the folder itself, to the
// last folder that exists, to the folder of a file; the items' lists start at the desktop, so
// their paths are known.
TEST(ShellTree, PopulateFromPaths)
{
    CTempTree tree;
    ASSERT_TRUE(tree.MakeFolder(L"top"));
    ASSERT_TRUE(tree.MakeFolder(L"top\\one"));
    ASSERT_TRUE(tree.MakeFolder(L"top\\two"));
    ASSERT_TRUE(tree.MakeFile(L"top\\f.txt"));
    struct Case
    {
        CString strPath;
        std::vector<CString> items;
    } cases[] = {
        {tree.Path(L"top"), {L"one", L"two"}},
        {tree.Path(L"top\\"), {L"one", L"two"}},
        {tree.Path(L"top\\missing\\deeper"), {L"one", L"two"}},
        {tree.Path(L"top\\f.txt"), {L"one", L"two"}},
        {tree.Path(L"top\\" + CString(L'q', 400)), {L"one", L"two"}},
    };
    CTreeOwner owner;
    ASSERT_TRUE(owner.Create());
    for (const Case& c : cases)
    {
        SCOPED_TRACE(Narrow(c.strPath.Left(100)));
        owner.m_tree.PopulateTree(c.strPath);
        EXPECT_EQ(c.items, owner.Texts(TVI_ROOT));
        HTREEITEM hFirst = owner.m_tree.GetRootItem();
        ASSERT_TRUE(hFirst != NULL);
        CString strPath;
        int bFolder = 0;
        EXPECT_TRUE(owner.m_tree.GetPathName(hFirst, strPath, bFolder));
        EXPECT_STREQ((LPCWSTR)tree.Path(L"top\\one"), strPath);
    }
    // An empty path fills from the desktop; paths that lead nowhere stop where they lead.
    owner.m_tree.PopulateTree(L"");
    EXPECT_GT(owner.Children(TVI_ROOT).size(), 0u);
    for (LPCWSTR lpszPath : {L"Q:\\nowhere", L"::{bad}", L"C:\\..\\..", L"/tmp/", L"relative\\path"})
        owner.m_tree.PopulateTree(lpszPath);
    owner.m_tree.PopulateTree((LPCTSTR)NULL);
    EXPECT_GT(owner.Children(TVI_ROOT).size(), 0u);
}

// A right click on an item's label selects it and opens its menu (closed at once); on empty
// space or beside the label nothing opens.
TEST(ShellTree, RightClickMenu)
{
    CTempTree tree;
    MakeSample(tree);
    CTreeOwner owner;
    ASSERT_TRUE(owner.Create());
    HTREEITEM hRoot = OpenAt(owner, tree.Root());
    HTREEITEM hBeta = owner.Find(hRoot, L"beta");
    ASSERT_TRUE(hBeta != NULL);
    owner.m_tree.EnsureVisible(hBeta);
    CRect rcText, rcClient;
    ASSERT_TRUE(owner.m_tree.GetItemRect(hBeta, &rcText, TRUE));
    owner.m_tree.GetClientRect(&rcClient);
    HTREEITEM hLast = owner.Children(TVI_ROOT).back();
    CRect rcLast;
    owner.m_tree.GetItemRect(hLast, &rcLast, FALSE);
    struct Case
    {
        CPoint pt;
        int nMenus;
        HTREEITEM hSelected;
    } cases[] = {
        {rcText.CenterPoint(), 1, hBeta},
        {CPoint(rcText.right + 20, rcText.CenterPoint().y), 0, hBeta},
        {CPoint(rcClient.right - 5, rcClient.bottom - 5), 0, hBeta},
    };
    for (const Case& c : cases)
    {
        CPoint ptScreen = c.pt;
        owner.m_tree.ClientToScreen(&ptScreen);
        ASSERT_TRUE(::SetCursorPos(ptScreen.x, ptScreen.y));
        owner.m_tree.Select(hRoot, TVGN_CARET);
        CMenuCloser closer;
        qtest::CMessageBoxWatcher boxes;
        NMHDR nmh = {owner.m_tree.m_hWnd, kTreeId, (UINT)NM_RCLICK};
        owner.SendMessage(WM_NOTIFY, kTreeId, (LPARAM)&nmh);
        EXPECT_EQ(c.nMenus, closer.MenusSeen()) << c.pt.x << "," << c.pt.y;
        if (c.nMenus != 0)
            EXPECT_EQ(c.hSelected, owner.m_tree.GetSelectedItem());
        EXPECT_EQ(0, boxes.Count());
    }
}

// Over 1,000 expand/collapse cycles no list, record or folder reference is left behind: the
// blocks of the shell allocator still held, and the folder's reference count, are what they were
// after the first cycle.
TEST(ShellTree, NoLeaksOverExpandCollapseCycles)
{
    CTempTree tree;
    MakeSample(tree);
    for (LPCWSTR f : {L"alpha\\one", L"alpha\\two", L"alpha\\three"})
        ASSERT_TRUE(tree.MakeFolder(f));
    ASSERT_TRUE(tree.MakeFile(L"alpha\\x.dwg"));
    CTreeOwner owner;
    ASSERT_TRUE(owner.Create());
    owner.m_tree.m_bShowFiles = TRUE;
    owner.m_tree.SetFileType(L"*.dwg");
    HTREEITEM hRoot = OpenAt(owner, tree.Root());
    HTREEITEM hAlpha = owner.Find(hRoot, L"alpha");
    ASSERT_TRUE(hAlpha != NULL);

    auto cycle = [&]()
    {
        owner.m_tree.Expand(hAlpha, TVE_EXPAND);
        owner.m_tree.Expand(hAlpha, TVE_COLLAPSE | TVE_COLLAPSERESET);
    };
    // The folder the children hold: each child holds one reference; after the collapse only ours.
    owner.m_tree.Expand(hAlpha, TVE_EXPAND);
    ASSERT_EQ(5u, owner.Children(hAlpha).size());
    LPSHELLFOLDER lpsfAlpha = owner.m_tree.GetParentShellFolder(owner.m_tree.GetChildItem(hAlpha));
    ASSERT_TRUE(lpsfAlpha != NULL);
    ULONG nHeld = lpsfAlpha->AddRef() - 1;
    EXPECT_EQ(5u, nHeld);
    int nDeletedBefore = owner.m_nDeleted;
    owner.m_tree.Expand(hAlpha, TVE_COLLAPSE | TVE_COLLAPSERESET);
    EXPECT_EQ(5, owner.m_nDeleted - nDeletedBefore);
    EXPECT_EQ(0u, lpsfAlpha->Release());

    CAllocCounter counter;
    ASSERT_TRUE(counter.Registered());
    for (int i = 0; i < 10; i++)
        cycle();
    long nAfterTen = counter.Outstanding();
    nDeletedBefore = owner.m_nDeleted;
    for (int i = 0; i < 1000; i++)
        cycle();
    EXPECT_EQ(5000, owner.m_nDeleted - nDeletedBefore);
    EXPECT_EQ(nAfterTen, counter.Outstanding());
    // Deleting every item gives back everything the tree held.
    owner.m_tree.DeleteAllItems();
    EXPECT_LE(counter.Outstanding(), nAfterTen);
}
