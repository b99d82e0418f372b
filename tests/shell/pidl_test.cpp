// CQShellPidl: list arithmetic against the platform's own list calls, malformed lists from
// callers, and display names of real items.
#include "shelltest.h"

#include <cstring>

using namespace shelltest;

namespace
{

// A list made by hand: one item per count (its bytes after the count hold its index), then a
// zero count.
std::vector<BYTE> MakeList(const std::vector<USHORT>& counts)
{
    std::vector<BYTE> bytes;
    for (size_t i = 0; i < counts.size(); i++)
    {
        bytes.push_back((BYTE)(counts[i] & 0xFF));
        bytes.push_back((BYTE)(counts[i] >> 8));
        bytes.insert(bytes.end(), counts[i] > 2 ? counts[i] - 2 : 0, (BYTE)i);
    }
    bytes.insert(bytes.end(), 2, 0);
    return bytes;
}

// A copy of a list that ends exactly where a no-access page begins: reading past it faults.
class CGuardedList
{
public:
    explicit CGuardedList(const std::vector<BYTE>& bytes)
    {
        size_t cbPage = 65536, cbData = (bytes.size() + cbPage - 1) / cbPage * cbPage;
        m_pBase = (BYTE*)::VirtualAlloc(NULL, cbData + cbPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        DWORD dwOld = 0;
        ::VirtualProtect(m_pBase + cbData, cbPage, PAGE_NOACCESS, &dwOld);
        m_pList = (LPITEMIDLIST)std::memcpy(m_pBase + cbData - bytes.size(), bytes.data(), bytes.size());
    }
    ~CGuardedList() { ::VirtualFree(m_pBase, 0, MEM_RELEASE); }
    BYTE* m_pBase;
    LPITEMIDLIST m_pList;
};

bool SameBytes(LPCITEMIDLIST a, LPCITEMIDLIST b)
{
    return ::ILGetSize(a) == ::ILGetSize(b) && std::memcmp(a, b, ::ILGetSize(a)) == 0;
}

} // namespace

// Lists of real places, made by the platform: measuring, walking, joining and copying agree with
// ILGetSize, ILGetNext, ILCombine and ILCloneFirst.
TEST(ShellPidl, AgreesWithThePlatformOnRealLists)
{
    CTempFolder tree;
    ASSERT_TRUE(tree.MakeFolder(L"one") && tree.MakeFolder(L"one\\two") && tree.MakeFile(L"one\\two\\3.txt"));
    LPMALLOC lpMalloc = NULL;
    ASSERT_EQ(S_OK, ::SHGetMalloc(&lpMalloc));
    CQShellPidl pidl;
    for (const CString& strPath : {CString(L"C:\\"), tree.Path(L"one\\two"), tree.Path(L"one\\two\\3.txt")})
    {
        LPITEMIDLIST pidlFull = ParsePath(strPath), pidlParent = ::ILClone(pidlFull);
        ::ILRemoveLastID(pidlParent);
        LPITEMIDLIST pidlJoined = pidl.ConcatPidls(pidlParent, ::ILFindLastID(pidlFull));
        LPITEMIDLIST pidlCombined = ::ILCombine(pidlParent, ::ILFindLastID(pidlFull));
        LPITEMIDLIST pidlAlone = pidl.ConcatPidls(NULL, pidlFull);
        LPITEMIDLIST pidlFirst = pidl.CopyITEMID(lpMalloc, pidlFull), pidlCloned = ::ILCloneFirst(pidlFull);
        EXPECT_EQ(::ILGetSize(pidlFull), pidl.GetSize(pidlFull)) << Narrow(strPath);
        EXPECT_EQ((BYTE*)::ILGetNext(pidlFull), (BYTE*)pidl.Next(pidlFull));
        EXPECT_TRUE(SameBytes(pidlJoined, pidlCombined) && SameBytes(pidlJoined, pidlFull));
        EXPECT_TRUE(SameBytes(pidlAlone, pidlFull) && SameBytes(pidlFirst, pidlCloned));
        for (LPITEMIDLIST p :
             {pidlParent, pidlJoined, pidlCombined, pidlAlone, pidlFirst, pidlCloned, pidlFull})
            ::ILFree(p);
    }
    lpMalloc->Release();
}

// Lists from callers: empty, 10,000 items long, cut by a zero count in the middle or opened by a
// count too small to hold itself, each flush against a no-access page; null lists.
TEST(ShellPidl, MalformedAndLongListsStayInsideTheirBytes)
{
    CQShellPidl pidl;
    LPMALLOC lpMalloc = NULL;
    ASSERT_EQ(S_OK, ::SHGetMalloc(&lpMalloc));
    std::vector<USHORT> longCounts(10000);
    UINT cbLong = 2;
    for (size_t i = 0; i < longCounts.size(); i++)
        cbLong += longCounts[i] = (USHORT)(3 + i % 7);
    std::vector<BYTE> cut = MakeList({5, 7, 4}), one = MakeList({5, 7, 4});
    cut[5] = cut[6] = one[6] = 0; // the second count: 0, or 1
    one[5] = 1;
    // Each list with the size GetSize gives: where the list ends.
    const std::pair<std::vector<BYTE>, UINT> cases[] = {
        {MakeList({}), 2}, {MakeList({4, 2, 9}), 17}, {MakeList(longCounts), cbLong}, {cut, 7}, {one, 7}};
    for (const auto& c : cases)
    {
        CGuardedList guarded(c.first);
        LPITEMIDLIST p = guarded.m_pList;
        UINT cb = c.second, cbFirst = cb == 2 ? 0 : p->mkid.cb;
        EXPECT_EQ(cb, pidl.GetSize(p));
        EXPECT_EQ((BYTE*)p + cbFirst, (BYTE*)pidl.Next(p));
        // Joined to itself: its items twice, then one terminator.
        BYTE* pJoined = (BYTE*)pidl.ConcatPidls(p, p);
        ASSERT_TRUE(pJoined != NULL);
        EXPECT_EQ(2 * cb - 2, pidl.GetSize((LPITEMIDLIST)pJoined));
        EXPECT_TRUE(std::memcmp(pJoined, p, cb - 2) == 0 && std::memcmp(pJoined + cb - 2, p, cb - 2) == 0);
        EXPECT_EQ(0, pJoined[2 * cb - 4] | pJoined[2 * cb - 3]);
        LPITEMIDLIST pFirst = pidl.CopyITEMID(lpMalloc, p);
        EXPECT_EQ(cbFirst + 2, pidl.GetSize(pFirst));
        lpMalloc->Free(pJoined);
        lpMalloc->Free(pFirst);
    }
    EXPECT_TRUE(pidl.GetSize(NULL) == 0 && pidl.Next(NULL) == NULL);
    EXPECT_TRUE(pidl.ConcatPidls((LPITEMIDLIST)cut.data(), NULL) == NULL);
    EXPECT_TRUE(pidl.CopyITEMID(lpMalloc, NULL) == NULL &&
                pidl.CopyITEMID(NULL, (LPITEMIDLIST)cut.data()) == NULL);
    BYTE* pZero = (BYTE*)pidl.CreatePidl(64);
    ASSERT_TRUE(pZero != NULL);
    EXPECT_EQ(64, (int)std::count(pZero, pZero + 64, 0));
    lpMalloc->Free(pZero);
    lpMalloc->Release();
}

// Names of a folder, a file and a deep folder, nothing written past the 256-character buffer;
// parsing names that the desktop parses back to the item's list.
TEST(ShellPidl, NamesOfRealItems)
{
    CTempFolder tree;
    CString strDeep = L"d";
    ASSERT_TRUE(tree.MakeFolder(strDeep) && tree.MakeFile(L"notes.txt"));
    for (int i = 0; i < 3; i++)
        ASSERT_TRUE(tree.MakeFolder(strDeep += L"\\" + CString(L'n', 40) + (wchar_t)(L'0' + i)));
    // The deepest path 258 characters long: its parsing name does not fit the buffer.
    ASSERT_TRUE(tree.MakeFolder(strDeep += L"\\" + CString(L'z', 257 - tree.Path(strDeep).GetLength())));
    LPITEMIDLIST pidlRoot = ParsePath(tree.Root());
    LPSHELLFOLDER lpsfRoot = NULL;
    ASSERT_HRESULT_SUCCEEDED(::SHBindToObject(NULL, pidlRoot, NULL, IID_IShellFolder, (void**)&lpsfRoot));
    CQShellPidl pidl;
    for (CString strRelative : {CString(L"d"), CString(L"notes.txt"), strDeep})
    {
        LPITEMIDLIST pidlBelow = NULL, pidlLast = NULL;
        ASSERT_HRESULT_SUCCEEDED(
            lpsfRoot->ParseDisplayName(NULL, NULL, strRelative.GetBuffer(), NULL, &pidlBelow, NULL));
        LPITEMIDLIST pidlFull = ::ILCombine(pidlRoot, pidlBelow);
        LPSHELLFOLDER lpsf = NULL;
        ASSERT_HRESULT_SUCCEEDED(
            ::SHBindToParent(pidlFull, IID_IShellFolder, (void**)&lpsf, (LPCITEMIDLIST*)&pidlLast));
        wchar_t szName[300];
        std::fill(szName, szName + 300, L'#');
        ASSERT_TRUE(pidl.GetName(lpsf, pidlLast, SHGDN_FORPARSING, szName));
        EXPECT_EQ(L'#', szName[256]);
        EXPECT_STREQ((LPCWSTR)tree.Path(strRelative).Left(255), szName);
        ASSERT_TRUE(pidl.GetName(lpsf, pidlLast, SHGDN_NORMAL, szName));
        EXPECT_EQ(0, strRelative.Mid(strRelative.ReverseFind(L'\\') + 1).Find(szName));
        LPITEMIDLIST pidlAgain = pidl.GetFullyQualPidl(lpsf, pidlLast);
        EXPECT_TRUE(pidlAgain != NULL && ::ILIsEqual(pidlAgain, pidlFull));
        EXPECT_FALSE(pidl.GetName(NULL, pidlLast, SHGDN_NORMAL, szName) ||
                     pidl.GetName(lpsf, NULL, 0, szName));
        for (LPITEMIDLIST p : {pidlAgain, pidlFull, pidlBelow})
            ::ILFree(p);
        lpsf->Release();
    }
    lpsfRoot->Release();
    ::ILFree(pidlRoot);
}
