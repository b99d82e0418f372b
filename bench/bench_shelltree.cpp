// The shell folder tree on large and deep real folders made under the temporary folder:
//   (a) expanding a folder of N subfolders, and of N files with files shown and a filter, against
//       enumerating the same folder with IShellFolder::EnumObjects alone (goal: ratio <= 3);
//   (b) opening a path 12 levels deep from the desktop (PopulateTree, then TunnelTree);
//   (c) collapsing and deleting the expanded items, with the shell allocator's blocks still held
//       afterwards (an IMallocSpy counts them: no leak means none).
// Usage: bench_shelltree [--count N] [--keep] [--no-anatomy] (N default 10000; --keep makes the
// folders once and leaves them for later runs; --no-anatomy leaves out the cost of each shell call
// per item). Times are the best of 5 turns for the expansion, of 3 for the deep path.
#include "bench/benchclock.h"
#include "qctl.h"
#include "shellfolders.h"

#include <afxdisp.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <vector>

namespace
{

const UINT kTreeId = 100;

class COwner : public CWnd
{
public:
    CQShellTree m_tree;
    double m_tFilling = 0; // time spent in the tree's expansion handler (filling and sorting)
    BOOL Create()
    {
        CString strClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
        return CreateEx(0, strClass, L"bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 600), NULL, 0) &&
               m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                             CRect(0, 0, 400, 600), this, kTreeId);
    }
    HTREEITEM Find(HTREEITEM hParent, LPCWSTR lpszText)
    {
        for (HTREEITEM h = m_tree.GetChildItem(hParent); h != NULL; h = m_tree.GetNextSiblingItem(h))
            if (m_tree.GetItemText(h).CompareNoCase(lpszText) == 0)
                return h;
        return NULL;
    }

protected:
    afx_msg void OnExpanding(NMHDR* p, LRESULT* r)
    {
        double t = Now();
        m_tree.OnFolderExpanding(p, r);
        m_tFilling += Now() - t;
    }
    afx_msg void OnSelChanged(NMHDR* p, LRESULT* r)
    {
        CString s;
        m_tree.OnFolderSelected(p, r, s);
    }
    afx_msg void OnDeleteItem(NMHDR* p, LRESULT* r) { m_tree.OnDeleteShellItem(p, r); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwner, CWnd)
    // void OnExpanding(NMHDR* p, LRESULT* r)
    ON_NOTIFY(TVN_ITEMEXPANDING, kTreeId, OnExpanding)
    // void OnSelChanged(NMHDR* p, LRESULT* r)
    ON_NOTIFY(TVN_SELCHANGED, kTreeId, OnSelChanged)
    // void OnDeleteItem(NMHDR* p, LRESULT* r)
    ON_NOTIFY(TVN_DELETEITEM, kTreeId, OnDeleteItem)
END_MESSAGE_MAP()

// The CPU time this thread has used, in seconds (at the system clock's resolution, some
// milliseconds). Unlike the wall clock it does not count the time other programs on a loaded
// machine take.
double ThreadCpu()
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    if (!::GetThreadTimes(::GetCurrentThread(), &ftCreate, &ftExit, &ftKernel, &ftUser))
        return 0;
    ULARGE_INTEGER k, u;
    k.LowPart = ftKernel.dwLowDateTime;
    k.HighPart = ftKernel.dwHighDateTime;
    u.LowPart = ftUser.dwLowDateTime;
    u.HighPart = ftUser.dwHighDateTime;
    return (double)(k.QuadPart + u.QuadPart) * 1e-7;
}

// Enumerating a folder alone: bind, EnumObjects, Next until the end (freeing each list).
double EnumerateAlone(const CString& strPath, int* pnItems, double* pCpu)
{
    LPITEMIDLIST pidl = NULL;
    SFGAOF sfgao = 0;
    ::SHParseDisplayName(strPath, NULL, &pidl, 0, &sfgao);
    LPSHELLFOLDER lpsf = NULL;
    ::SHBindToObject(NULL, pidl, NULL, IID_IShellFolder, (void**)&lpsf);
    double t0 = Now(), c0 = ThreadCpu();
    LPENUMIDLIST lpe = NULL;
    int n = 0;
    if (lpsf != NULL && SUCCEEDED(lpsf->EnumObjects(NULL, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &lpe)) && lpe)
    {
        LPITEMIDLIST lpi = NULL;
        ULONG ulFetched = 0;
        while (lpe->Next(1, &lpi, &ulFetched) == S_OK)
        {
            n++;
            ::CoTaskMemFree(lpi);
        }
        lpe->Release();
    }
    double t = Now() - t0;
    *pCpu = ThreadCpu() - c0;
    if (lpsf != NULL)
        lpsf->Release();
    ::ILFree(pidl);
    *pnItems = n;
    return t;
}

// Where the time of one item goes: each step of filling, over every item of a folder.
void Anatomy(const CString& strPath)
{
    LPITEMIDLIST pidlFolder = NULL;
    SFGAOF sfgao = 0;
    ::SHParseDisplayName(strPath, NULL, &pidlFolder, 0, &sfgao);
    LPSHELLFOLDER lpsf = NULL;
    ::SHBindToObject(NULL, pidlFolder, NULL, IID_IShellFolder, (void**)&lpsf);
    LPENUMIDLIST lpe = NULL;
    std::vector<LPITEMIDLIST> items;
    if (lpsf == NULL || FAILED(lpsf->EnumObjects(NULL, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &lpe)) || !lpe)
        return;
    LPITEMIDLIST lpi = NULL;
    ULONG ulFetched = 0;
    while (lpe->Next(1, &lpi, &ulFetched) == S_OK && items.size() < 200)
        items.push_back(lpi);
    lpe->Release();
    double tAttrs = 0, tAttrsNoSub = 0, tName = 0, tIcon = 0, tOpen = 0, tPath = 0, tFind = 0;
    CQShellPidl pidl;
    for (LPITEMIDLIST p : items)
    {
        LPITEMIDLIST full = ::ILCombine(pidlFolder, p);
        double t = Now();
        ULONG a = SFGAO_HASSUBFOLDER | SFGAO_FOLDER | SFGAO_FILESYSTEM;
        lpsf->GetAttributesOf(1, (LPCITEMIDLIST*)&p, &a);
        tAttrs += Now() - t;
        t = Now();
        a = SFGAO_FOLDER | SFGAO_FILESYSTEM;
        lpsf->GetAttributesOf(1, (LPCITEMIDLIST*)&p, &a);
        tAttrsNoSub += Now() - t;
        wchar_t sz[MAX_PATH];
        t = Now();
        pidl.GetName(lpsf, p, SHGDN_NORMAL, sz);
        tName += Now() - t;
        t = Now();
        pidl.GetItemIcon(full, SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        tIcon += Now() - t;
        t = Now();
        pidl.GetItemIcon(full, SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON);
        tOpen += Now() - t;
        t = Now();
        ::SHGetPathFromIDListW(full, sz);
        tPath += Now() - t;
        t = Now();
        CFileFind finder;
        finder.FindFile(CString(sz) + L"\\*.dwg");
        tFind += Now() - t;
        ::ILFree(full);
        ::ILFree(p);
    }
    double n = items.empty() ? 1 : (double)items.size();
    printf("  per item (us, %d items): attributes %.0f (without HASSUBFOLDER %.0f), name %.0f, icon %.0f, "
           "open icon %.0f, path %.0f, file search %.0f\n",
           (int)items.size(), tAttrs / n * 1e6, tAttrsNoSub / n * 1e6, tName / n * 1e6, tIcon / n * 1e6,
           tOpen / n * 1e6, tPath / n * 1e6, tFind / n * 1e6);
    lpsf->Release();
    ::ILFree(pidlFolder);
}

struct Expansion
{
    double tExpand = 1e9, tFilling = 0, tCollapse = 1e9, tEnum = 1e9;
    double cExpand = 1e9, cEnum = 1e9; // CPU times of this thread
    int nItems = 0, nEnumerated = 0;
    long nLeft = 0; // allocator blocks held after the last collapse beyond those before the first
};

// Expands the item of strName under the selected item, collapses and deletes its children again.
Expansion MeasureExpansion(COwner& owner, const CString& strFolder, LPCWSTR lpszName)
{
    Expansion e;
    HTREEITEM hItem = owner.Find(owner.m_tree.GetSelectedItem(), lpszName);
    if (hItem == NULL)
    {
        printf("  (item %ls not found)\n", lpszName);
        return e;
    }
    // Timed turns run without the allocator spy, which slows every allocation down.
    for (int turn = 0; turn < 5; turn++)
    {
        int n = 0;
        double c = 0;
        double t = EnumerateAlone(strFolder, &n, &c);
        e.tEnum = t < e.tEnum ? t : e.tEnum;
        e.cEnum = c < e.cEnum ? c : e.cEnum;
        e.nEnumerated = n;
        owner.m_tFilling = 0;
        t = Now();
        c = ThreadCpu();
        owner.m_tree.Expand(hItem, TVE_EXPAND);
        t = Now() - t;
        c = ThreadCpu() - c;
        e.cExpand = c < e.cExpand ? c : e.cExpand;
        if (t < e.tExpand)
        {
            e.tExpand = t;
            e.tFilling = owner.m_tFilling;
        }
        e.nItems = 0;
        for (HTREEITEM h = owner.m_tree.GetChildItem(hItem); h != NULL;
             h = owner.m_tree.GetNextSiblingItem(h))
            e.nItems++;
        t = Now();
        owner.m_tree.Expand(hItem, TVE_COLLAPSE | TVE_COLLAPSERESET);
        t = Now() - t;
        e.tCollapse = t < e.tCollapse ? t : e.tCollapse;
    }
    qtest::CShellAllocCounter counter;
    for (int turn = 0; turn < 3; turn++)
    {
        owner.m_tree.Expand(hItem, TVE_EXPAND);
        owner.m_tree.Expand(hItem, TVE_COLLAPSE | TVE_COLLAPSERESET);
    }
    e.nLeft = counter.Outstanding();
    return e;
}

} // namespace

int main(int argc, char** argv)
{
    int nCount = 10000;
    bool bKeep = false, bAnatomy = true;
    for (int i = 1; i < argc; i++)
        if (strcmp(argv[i], "--count") == 0 && i + 1 < argc)
            nCount = atoi(argv[i + 1]);
        else if (strcmp(argv[i], "--keep") == 0)
            bKeep = true;
        else if (strcmp(argv[i], "--no-anatomy") == 0)
            bAnatomy = false;
    AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL);
    AfxOleInit();
    // With --keep the folders are made once under <temp>\\qshellbench_kept_<N> and left there for
    // the next runs (making them takes minutes on a loaded machine); a marker file says they are
    // complete.
    std::unique_ptr<qtest::CTempFolder> pTemp;
    CString strRoot;
    if (bKeep)
    {
        wchar_t szTemp[MAX_PATH], szLong[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szTemp);
        if (::GetLongPathNameW(szTemp, szLong, MAX_PATH) == 0)
            wcscpy(szLong, szTemp);
        strRoot.Format(L"%sqshellbench_kept_%d", szLong, nCount);
    }
    else
    {
        pTemp.reset(new qtest::CTempFolder(L"qshellbench"));
        strRoot = pTemp->Root();
    }
    const CString strFolders = strRoot + L"\\folders", strFiles = strRoot + L"\\files",
                  strMarker = strRoot + L"\\complete";
    CString strDeep = strRoot;
    for (int i = 0; i < 12; i++)
        strDeep += CString(L"\\level") + (wchar_t)(L'a' + i);
    if (::GetFileAttributesW(strMarker) == INVALID_FILE_ATTRIBUTES)
    {
        double t0 = Now();
        ::CreateDirectoryW(strRoot, NULL);
        ::CreateDirectoryW(strFolders, NULL);
        ::CreateDirectoryW(strFiles, NULL);
        for (int i = 0; i < nCount; i++)
        {
            CString strName;
            strName.Format(L"%s\\sub%05d", (LPCWSTR)strFolders, (i * 7919) % nCount);
            ::CreateDirectoryW(strName, NULL);
            strName.Format(L"%s\\drawing%05d.%s", (LPCWSTR)strFiles, (i * 7919) % nCount,
                           i % 10 == 9 ? L"txt" : L"dwg");
            ::CloseHandle(::CreateFileW(strName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
        }
        for (int i = 0, n = strRoot.GetLength(); i < 12; i++)
        {
            n = strDeep.Find(L'\\', n + 1);
            ::CreateDirectoryW(n < 0 ? strDeep : strDeep.Left(n), NULL);
        }
        if (bKeep)
            ::CloseHandle(::CreateFileW(strMarker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
        printf("made %d subfolders and %d files (one in ten .txt) under %ls in %.1f s\n", nCount, nCount,
               (LPCWSTR)strRoot, Now() - t0);
    }
    else
        printf("reusing %d subfolders and %d files (one in ten .txt) under %ls\n", nCount, nCount,
               (LPCWSTR)strRoot);

    COwner owner;
    if (!owner.Create())
    {
        printf("no window (is a display set?)\n");
        return 1;
    }
    owner.m_tree.EnableImages();
    owner.m_tree.m_bShowFiles = TRUE;
    owner.m_tree.SetFileType(L"*.dwg");

    // (b) first: the deep path, from a fresh tree.
    double tDeep = 1e9;
    for (int turn = 0; turn < 3; turn++)
    {
        double t = Now();
        owner.m_tree.PopulateTree();
        owner.m_tree.TunnelTree(strDeep);
        t = Now() - t;
        tDeep = t < tDeep ? t : tDeep;
    }
    CString strReached;
    int bFolder = 0;
    owner.m_tree.GetPathName(owner.m_tree.GetSelectedItem(), strReached, bFolder);
    printf("(b) PopulateTree + TunnelTree to a path 12 levels below %ls: %.1f ms (reached: %s)\n",
           (LPCWSTR)strRoot, tDeep * 1e3, strReached == strDeep ? "yes" : "NO");

    // (a) and (c)
    if (bAnatomy)
    {
        Anatomy(strFolders);
        Anatomy(strFiles);
    }
    if (getenv("QCTL_BENCH_ANATOMY") != NULL)
    {
        owner.m_tree.DeleteAllItems();
        return 0;
    }
    owner.m_tree.TunnelTree(strRoot);
    Expansion folders = MeasureExpansion(owner, strFolders, L"folders");
    Expansion files = MeasureExpansion(owner, strFiles, L"files");
    for (const Expansion* e : {&folders, &files})
    {
        bool bFolders = e == &folders;
        printf("(a) expanding %d %s (%d items in the tree; EnumObjects alone %d items): %.1f ms, "
               "EnumObjects alone %.1f ms, ratio %.2f (goal <= 3)\n"
               "    of which filling and sorting in the expansion handler %.1f ms, the tree control's own "
               "expansion (laying out the new items) %.1f ms\n",
               nCount, bFolders ? "subfolders" : "files with *.dwg", e->nItems, e->nEnumerated,
               e->tExpand * 1e3, e->tEnum * 1e3, e->tExpand / e->tEnum, e->tFilling * 1e3,
               (e->tExpand - e->tFilling) * 1e3);
        printf("    CPU time of this thread: expanding %.0f ms, EnumObjects alone %.0f ms, ratio %.2f\n",
               e->cExpand * 1e3, e->cEnum * 1e3, e->cEnum > 0 ? e->cExpand / e->cEnum : 0.0);
        printf("(c) collapsing and deleting those %d items: %.1f ms; shell allocator blocks left over 3 "
               "expand/collapse turns: %ld\n",
               e->nItems, e->tCollapse * 1e3, e->nLeft);
    }
    owner.m_tree.DeleteAllItems();
    owner.m_tree.DestroyWindow();
    owner.DestroyWindow();
    AfxOleTerm(FALSE);
    AfxWinTerm();
    return 0;
}
