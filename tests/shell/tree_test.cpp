// CQShellTree on real folder trees made under the temporary folder and on the
// namespace's fixed places: lazy filling, names, icons, order, children marks,
// the filter, opening paths, refreshing, the context menu, and what items hold
// over many expand/collapse cycles.
#include "shelltest.h"

#include <algorithm>

using namespace shelltest;

namespace
{

// The sample: alpha\inner\, beta\b.dwg, gamma\g.txt, delta\, dir.v2\ and 图纸\ (empty; the shell may
// order a Chinese name apart from Latin ones) and files of several types (manual.chm: a type whose
// icon is not the plain document's).
void MakeSample(CTempFolder& tree)
{
    for (LPCWSTR f : {L"alpha", L"alpha\\inner", L"beta", L"gamma", L"delta", L"dir.v2", L"图纸"})
        ASSERT_TRUE(tree.MakeFolder(f));
    for (LPCWSTR f : {L"beta\\b.dwg", L"gamma\\g.txt", L"z.dwg", L"Y.DWG", L"a.b.dwg", L"readme.txt",
                      L"noext", L"manual.chm"})
        ASSERT_TRUE(tree.MakeFile(f));
}

// A real folder that reports subfolders only for folders that have some on
// disk, as a shell that looks does (this platform's shell reports them for
// every folder).
#define FORWARD(name, params, args)                                                                          \
    STDMETHODIMP name params override                                                                        \
    {                                                                                                        \
        return m_lpsf->name args;                                                                            \
    }
class CLookingFolder : public IShellFolder
{
public:
    explicit CLookingFolder(LPSHELLFOLDER lpsf) : m_lpsf(lpsf) {}
    STDMETHODIMP GetAttributesOf(UINT cidl, LPCITEMIDLIST* apidl, SFGAOF* pulAttrs) override
    {
        HRESULT hr = m_lpsf->GetAttributesOf(cidl, apidl, pulAttrs);
        STRRET str = {STRRET_WSTR};
        if (cidl == 1 && SUCCEEDED(m_lpsf->GetDisplayNameOf(apidl[0], SHGDN_FORPARSING, &str)))
        {
            CFileFind finder;
            BOOL bMore = finder.FindFile(CString(str.pOleStr) + L"\\*"), bSubfolder = FALSE;
            while (bMore && !bSubfolder)
            {
                bMore = finder.FindNextFile();
                bSubfolder = finder.IsDirectory() && !finder.IsDots();
            }
            *pulAttrs &= bSubfolder ? ~0u : ~(SFGAOF)SFGAO_HASSUBFOLDER;
            ::CoTaskMemFree(str.pOleStr);
        }
        return hr;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override { return --m_nRefs; }
    FORWARD(QueryInterface, (REFIID riid, void** ppv), (riid, ppv))
    FORWARD(ParseDisplayName, (HWND h, LPBC b, LPWSTR s, ULONG* n, LPITEMIDLIST* pp, ULONG* a),
            (h, b, s, n, pp, a))
    FORWARD(EnumObjects, (HWND h, SHCONTF f, IEnumIDList** pp), (h, f, pp))
    FORWARD(BindToObject, (LPCITEMIDLIST p, LPBC b, REFIID riid, void** pp), (p, b, riid, pp))
    FORWARD(BindToStorage, (LPCITEMIDLIST p, LPBC b, REFIID riid, void** pp), (p, b, riid, pp))
    FORWARD(CompareIDs, (LPARAM l, LPCITEMIDLIST a, LPCITEMIDLIST b), (l, a, b))
    FORWARD(CreateViewObject, (HWND h, REFIID riid, void** pp), (h, riid, pp))
    FORWARD(GetUIObjectOf, (HWND h, UINT n, LPCITEMIDLIST* a, REFIID riid, UINT* r, void** pp),
            (h, n, a, riid, r, pp))
    FORWARD(GetDisplayNameOf, (LPCITEMIDLIST p, SHGDNF f, STRRET* s), (p, f, s))
    FORWARD(SetNameOf, (HWND h, LPCITEMIDLIST p, LPCWSTR s, SHGDNF f, LPITEMIDLIST* pp), (h, p, s, f, pp))
    ULONG m_nRefs = 1;

private:
    LPSHELLFOLDER m_lpsf;
};

// Fills a tree's top level from a given folder, as PopulateTree does from the
// folders it finds.
struct CFillableTree : CQShellTree
{
    static void Fill(CQShellTree& tree, LPSHELLFOLDER lpsf, LPITEMIDLIST lpifq)
    {
        (tree.*(&CFillableTree::FillTreeView))(lpsf, lpifq, TVI_ROOT);
    }
};

} // namespace

// Children appear only on expansion (or selection), once; they carry the shell's display names and
// icons, come in the folder's order (filled on selection and on expansion), and only files that pass
// the filter are listed.
TEST(ShellTree, LazyFillingNamesIconsAndOrder)
{
    CTempFolder tree;
    MakeSample(tree);
    // Files shown, filter, the files listed besides the six folders.
    const std::tuple<BOOL, LPCWSTR, std::vector<CString>> cases[] = {
        {FALSE, L"*.*", {}},
        {TRUE, L"*.dwg", {L"z.dwg", L"Y.DWG"}},
        {TRUE, L"*.*", {L"z.dwg", L"Y.DWG", L"a.b.dwg", L"readme.txt", L"noext", L"manual.chm"}}};
    // Display names may hide known extensions: names are compared up to their first dot.
    auto stem = [](CString s) { return s.Find(L'.') > 0 ? s.Left(s.Find(L'.')) : s; };
    CQShellPidl pidl;
    for (const auto& c : cases)
    {
        CTreeOwner owner;
        ASSERT_TRUE(owner.Create());
        owner.m_tree.m_bShowFiles = std::get<0>(c);
        owner.m_tree.SetFileType(std::get<1>(c));
        HTREEITEM hRoot = owner.OpenAt(tree.Root());
        EXPECT_STREQ((LPCWSTR)tree.Root(), owner.m_strSelected);
        owner.m_tree.Expand(hRoot, TVE_EXPAND); // filled on selection: not again
        std::vector<CString> want;
        for (LPCWSTR f : {L"alpha", L"beta", L"gamma", L"delta", L"dir.v2", L"图纸"})
            want.push_back(stem(f));
        for (const CString& s : std::get<2>(c))
            want.push_back(stem(s));
        for (int nFill = 0; nFill < 2; nFill++)
        {
            if (nFill == 1)
            {
                owner.m_tree.Expand(hRoot, TVE_COLLAPSE | TVE_COLLAPSERESET);
                owner.m_tree.Expand(hRoot, TVE_EXPAND);
            }
            std::vector<CString> got;
            std::vector<HTREEITEM> items = owner.Children(hRoot);
            for (size_t i = 0; i < items.size(); i++)
            {
                LPSHELLFOLDER lpsf = owner.m_tree.GetParentShellFolder(items[i]);
                LPITEMIDLIST lpifq = owner.m_tree.GetFullyQualifiedID(items[i]), lpi = ::ILFindLastID(lpifq);
                wchar_t szName[MAX_PATH] = L"";
                pidl.GetName(lpsf, lpi, SHGDN_NORMAL, szName);
                EXPECT_STREQ(szName, owner.m_tree.GetItemText(items[i]));
                got.push_back(stem(szName));
                int nImage = -1, nSelected = -1;
                owner.m_tree.GetItemImage(items[i], nImage, nSelected);
                UINT uFlags = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
                EXPECT_EQ(pidl.GetItemIcon(lpifq, uFlags), nImage) << Narrow(szName);
                EXPECT_EQ(pidl.GetItemIcon(lpifq, uFlags | SHGFI_OPENICON), nSelected);
                EXPECT_TRUE(owner.m_tree.GetChildItem(items[i]) == NULL) << "filled before expansion";
                LPITEMIDLIST lpiBefore =
                    ::ILFindLastID(owner.m_tree.GetFullyQualifiedID(items[i > 0 ? i - 1 : 0]));
                EXPECT_TRUE(i == 0 || (short)HRESULT_CODE(lpsf->CompareIDs(0, lpiBefore, lpi)) < 0) << i;
            }
            EXPECT_EQ(Sorted(want), Sorted(got));
        }
        HTREEITEM hAlpha = owner.Find(hRoot, L"alpha");
        owner.m_tree.Expand(hAlpha, TVE_EXPAND);
        EXPECT_EQ(std::vector<CString>{L"inner"}, owner.Texts(hAlpha));
        EXPECT_TRUE(owner.m_tree.GetChildItem(owner.m_tree.GetChildItem(hAlpha)) == NULL);
    }
}

// Children marks from a shell that reports subfolders only where there are
// some: a folder without subfolders is marked when files are shown and the
// filter's file search in it finds anything.
TEST(ShellTree, ChildrenMarksFollowSubfoldersAndTheFilter)
{
    CTempFolder tree;
    MakeSample(tree);
    LPITEMIDLIST pidlRoot = ParsePath(tree.Root());
    LPSHELLFOLDER lpsfRoot = NULL;
    ASSERT_HRESULT_SUCCEEDED(::SHBindToObject(NULL, pidlRoot, NULL, IID_IShellFolder, (void**)&lpsfRoot));
    CLookingFolder folder(lpsfRoot);
    const std::tuple<BOOL, LPCWSTR, std::vector<CString>> cases[] = {
        {FALSE, L"*.dwg", {L"alpha"}},
        {TRUE, L"*.dwg", {L"alpha", L"beta"}},
        {TRUE, L"*.txt", {L"alpha", L"gamma"}},
        {TRUE, L"*.*", {L"alpha", L"beta", L"delta", L"dir.v2", L"gamma", L"图纸"}}};
    for (const auto& c : cases)
    {
        CTreeOwner owner;
        ASSERT_TRUE(owner.Create());
        owner.m_tree.m_bShowFiles = std::get<0>(c);
        owner.m_tree.SetFileType(std::get<1>(c));
        CFillableTree::Fill(owner.m_tree, &folder, pidlRoot);
        std::vector<CString> marked;
        for (HTREEITEM h : owner.Children(TVI_ROOT))
            if (owner.m_tree.ItemHasChildren(h))
                marked.push_back(owner.m_tree.GetItemText(h));
        EXPECT_EQ(std::get<2>(c), Sorted(marked)) << Narrow(std::get<1>(c));
    }
    EXPECT_EQ(1u, folder.m_nRefs); // every item's reference given back
    lpsfRoot->Release();
    ::ILFree(pidlRoot);
}

// The filter rule, case-insensitive: whole-name matches, the first dot of a
// name starts its extension, a filter's dot counts only from position 1 on.
// Filter, name, whether shown.
TEST(ShellTree, FilterRule)
{
    const std::tuple<LPCWSTR, LPCWSTR, BOOL> cases[] = {
        {L"*.*", L"noext", TRUE},      {L"*.*", L"a.b.c", TRUE},       {L"*.dwg", L"PLAN.DWG", TRUE},
        {L"*.dwg", L"a.b.dwg", FALSE}, {L"*.dwg", L"plan.dxf", FALSE}, {L"*.dwg", L"dwg", FALSE},
        {L"*.dwg", L"*.DWG", TRUE},    {L".dwg", L"plan.dwg", FALSE},  {L".dwg", L"noext", TRUE},
        {L"dwg", L"plan.dwg", FALSE},  {L"*.", L"readme", TRUE},       {L"*.", L"plan.dwg", FALSE},
        {L"*", L"plan.dwg", FALSE},    {L"", L"readme", TRUE},         {L"*.d*", L"plan.dwg", FALSE},
        {L"a.*", L"anything.at", TRUE}};
    CQShellTree tree;
    for (const auto& c : cases)
    {
        tree.SetFileType(std::get<0>(c));
        EXPECT_EQ(std::get<2>(c), tree.IsCanShowFile(std::get<1>(c)))
            << Narrow(std::get<0>(c)) << " / " << Narrow(std::get<1>(c));
    }
}

// Opening paths: 12 levels deep, with forward slashes, "..", a trailing
// separator, a file, and paths that do not exist or are too long ("Folder not
// found", selection unchanged). Each path with the folder selected after
// (empty: the message).
TEST(ShellTree, TunnelTreeOpensPaths)
{
    CTempFolder tree;
    CString strDeep = L"levela", strB = tree.Path(L"levela\\levelb"), strForward = strB;
    ASSERT_TRUE(tree.MakeFolder(strDeep) && tree.MakeFile(L"levela\\file.txt"));
    for (int i = 1; i < 12; i++)
        ASSERT_TRUE(tree.MakeFolder(strDeep += L"\\level" + CString((wchar_t)(L'a' + i))));
    strForward.Replace(L'\\', L'/');
    const std::pair<CString, CString> cases[] = {
        {tree.Path(strDeep), tree.Path(strDeep)},
        {strB + L"\\", CQSHFileInfo(strB + L"\\").Exist() ? strB : CString()}, // as the platform finds it
        {strForward, strB},
        {tree.Path(L"levela\\file.txt"), tree.Path(L"levela")},
        {strB + L"\\..\\levelb", strB},
        {tree.Path(L"levela\\nothing"), L""},
        {tree.Path(CString(L'x', 300)), L""}};
    CTreeOwner owner;
    ASSERT_TRUE(owner.Create());
    owner.m_tree.PopulateTree();
    for (const auto& c : cases)
    {
        owner.m_tree.Select(owner.m_tree.GetRootItem(), TVGN_CARET);
        qtest::CMessageBoxWatcher boxes;
        owner.m_tree.TunnelTree(c.first);
        CString strSelected = owner.PathOf(owner.m_tree.GetSelectedItem());
        EXPECT_STREQ((LPCWSTR)c.second, c.second.IsEmpty() ? L"" : strSelected) << Narrow(c.first.Left(100));
        ASSERT_EQ(c.second.IsEmpty() ? 1 : 0, boxes.Count());
        EXPECT_TRUE(!c.second.IsEmpty() ||
                    (boxes.Captions()[0] == L"Folder not found" && boxes.Texts()[0] == c.first &&
                     owner.m_tree.GetSelectedItem() == owner.m_tree.GetRootItem()));
    }
}

// The three ways to fill the top level: the desktop, whose first item holds the
// drives C: and Z:; the computer, which lists them; a path, filled from the
// folder it leads to as far as it leads (from the desktop when it leads
// nowhere).
TEST(ShellTree, PopulateFromTheDesktopAFolderNumberAndPaths)
{
    CTempFolder tree;
    ASSERT_TRUE(tree.MakeFolder(L"top") && tree.MakeFolder(L"top\\one") && tree.MakeFolder(L"top\\two"));
    ASSERT_TRUE(tree.MakeFile(L"top\\f.txt"));
    CTreeOwner owner;
    ASSERT_TRUE(owner.Create());
    for (bool bDesktop : {true, false})
    {
        if (bDesktop)
            owner.m_tree.PopulateTree();
        else
            owner.m_tree.PopulateTree(CSIDL_DRIVES);
        std::vector<CString> paths;
        for (HTREEITEM h : owner.Children(bDesktop ? owner.m_tree.GetRootItem() : TVI_ROOT))
        {
            paths.push_back(owner.PathOf(h));
            EXPECT_TRUE(owner.m_tree.GetFullyQualifiedID(h) == owner.m_tree.GetRelativeIDLIST(h));
        }
        for (LPCWSTR lpszDrive : {L"C:\\", L"Z:\\"})
            EXPECT_TRUE(std::find(paths.begin(), paths.end(), CString(lpszDrive)) != paths.end()) << bDesktop;
    }
    for (LPCWSTR lpszRest : {L"top", L"top\\", L"top\\missing\\deeper", L"top\\f.txt"})
    {
        owner.m_tree.PopulateTree(tree.Path(lpszRest));
        EXPECT_EQ((std::vector<CString>{L"one", L"two"}), owner.Texts(TVI_ROOT)) << Narrow(lpszRest);
        EXPECT_STREQ((LPCWSTR)tree.Path(L"top\\one"), owner.PathOf(owner.m_tree.GetRootItem()));
    }
    for (LPCWSTR lpszPath : {L"Q:\\nowhere", L"::{bad}", L"/tmp/", L"relative\\path", (LPCWSTR)NULL, L""})
        owner.m_tree.PopulateTree(lpszPath);
    EXPECT_GT(owner.Children(owner.m_tree.GetRootItem()).size(),
              1u); // the desktop
}

// A right click on an item's label selects it and opens its menu (closed at
// once); beside the label or on empty space nothing opens. Each point with the
// menus seen.
TEST(ShellTree, RightClickMenu)
{
    CTempFolder tree;
    MakeSample(tree);
    CTreeOwner owner;
    ASSERT_TRUE(owner.Create());
    HTREEITEM hRoot = owner.OpenAt(tree.Root()), hBeta = owner.Find(hRoot, L"beta");
    owner.m_tree.EnsureVisible(hBeta);
    CRect rcText, rcClient;
    ASSERT_TRUE(owner.m_tree.GetItemRect(hBeta, &rcText, TRUE));
    owner.m_tree.GetClientRect(&rcClient);
    const std::pair<CPoint, int> cases[] = {{rcText.CenterPoint(), 1},
                                            {CPoint(rcText.right + 20, rcText.CenterPoint().y), 0},
                                            {CPoint(rcClient.right - 5, rcClient.bottom - 5), 0}};
    for (const auto& c : cases)
    {
        CPoint pt = c.first;
        owner.m_tree.ClientToScreen(&pt);
        ASSERT_TRUE(::SetCursorPos(pt.x, pt.y));
        owner.m_tree.Select(hRoot, TVGN_CARET);
        CMenuCloser closer;
        qtest::CMessageBoxWatcher boxes;
        NMHDR nmh = {owner.m_tree.m_hWnd, kTreeId, (UINT)NM_RCLICK};
        LRESULT lResult = 1;
        owner.m_tree.GetContextMenu(&nmh, &lResult);
        EXPECT_EQ(c.second, CMenuCloser::s_nMenusSeen) << c.first.x << "," << c.first.y;
        EXPECT_TRUE(c.second == 0 || owner.m_tree.GetSelectedItem() == hBeta);
        EXPECT_EQ(0, boxes.Count() + lResult);
    }
}

// Folders created and deleted show after a collapse with reset and a new
// expansion; a folder that vanished expands to nothing. Over 1,000 cycles no
// list, record or folder reference stays behind.
TEST(ShellTree, RefreshAndNoLeaksOverExpandCollapseCycles)
{
    CTempFolder tree;
    MakeSample(tree);
    for (LPCWSTR f : {L"alpha\\old", L"alpha\\gone", L"alpha\\gone\\child"})
        ASSERT_TRUE(tree.MakeFolder(f));
    ASSERT_TRUE(tree.MakeFile(L"alpha\\x.dwg"));
    CTreeOwner owner;
    ASSERT_TRUE(owner.Create());
    owner.m_tree.m_bShowFiles = TRUE;
    owner.m_tree.SetFileType(L"*.dwg");
    HTREEITEM hAlpha = owner.Find(owner.OpenAt(tree.Root()), L"alpha");
    ASSERT_TRUE(hAlpha != NULL);
    owner.m_tree.Expand(hAlpha, TVE_EXPAND);
    EXPECT_EQ(Sorted({L"gone", L"inner", L"old", L"x.dwg"}), Sorted(owner.Texts(hAlpha)));
    HTREEITEM hGone = owner.Find(hAlpha, L"gone");
    qtest::CTempFolder::RemoveAll(tree.Path(L"alpha\\gone"));
    owner.m_tree.Expand(hGone, TVE_EXPAND);
    EXPECT_TRUE(owner.m_tree.GetChildItem(hGone) == NULL);
    // Each child holds one reference to the folder; after the collapse only ours
    // is left.
    LPSHELLFOLDER lpsfAlpha = owner.m_tree.GetParentShellFolder(hGone);
    EXPECT_EQ(4u, lpsfAlpha->AddRef() - 1);
    ASSERT_TRUE(tree.MakeFolder(L"alpha\\new") && ::RemoveDirectoryW(tree.Path(L"alpha\\old")));
    owner.m_tree.Expand(hAlpha, TVE_COLLAPSE | TVE_COLLAPSERESET);
    EXPECT_EQ(0u, lpsfAlpha->Release());
    owner.m_tree.Expand(hAlpha, TVE_EXPAND);
    EXPECT_EQ(Sorted({L"inner", L"new", L"x.dwg"}), Sorted(owner.Texts(hAlpha)));

    qtest::CShellAllocCounter counter;
    ASSERT_TRUE(counter.Registered());
    auto cycle = [&]()
    {
        owner.m_tree.Expand(hAlpha, TVE_COLLAPSE | TVE_COLLAPSERESET);
        owner.m_tree.Expand(hAlpha, TVE_EXPAND);
    };
    for (int i = 0; i < 10; i++)
        cycle();
    long nAfterTen = counter.Outstanding();
    int nDeletedBefore = owner.m_nDeleted;
    for (int i = 0; i < 1000; i++)
        cycle();
    EXPECT_EQ(3000, owner.m_nDeleted - nDeletedBefore);
    EXPECT_EQ(nAfterTen, counter.Outstanding());
    owner.m_tree.DeleteAllItems();
    EXPECT_LE(counter.Outstanding(),
              nAfterTen - 3 * 3); // three records, each with two lists
}
