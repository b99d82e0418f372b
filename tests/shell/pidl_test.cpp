// CQShellPidl: list arithmetic against the platform's own list calls, malformed lists from
// callers, display names and the item context menu.
#include "shelltest.h"

#include <cstring>

using namespace shelltest;

namespace
{

// A list made by hand: one item per entry of counts (each item's bytes after its count are
// filled with its index), then a zero count.
std::vector<BYTE> MakeList(const std::vector<USHORT>& counts)
{
    std::vector<BYTE> bytes;
    for (size_t i = 0; i < counts.size(); i++)
    {
        USHORT cb = counts[i];
        bytes.push_back((BYTE)(cb & 0xFF));
        bytes.push_back((BYTE)(cb >> 8));
        for (int k = 2; k < cb; k++)
            bytes.push_back((BYTE)i);
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

LPITEMIDLIST AsList(std::vector<BYTE>& bytes)
{
    return (LPITEMIDLIST)bytes.data();
}

// A copy of a list that ends exactly where a no-access page begins: reading one byte past the
// list faults.
class CGuardedList
{
public:
    explicit CGuardedList(const std::vector<BYTE>& bytes)
    {
        SYSTEM_INFO si;
        ::GetSystemInfo(&si);
        size_t cbPage = si.dwPageSize, cbData = (bytes.size() + cbPage - 1) / cbPage * cbPage;
        m_pBase = (BYTE*)::VirtualAlloc(NULL, cbData + cbPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        DWORD dwOld = 0;
        ::VirtualProtect(m_pBase + cbData, cbPage, PAGE_NOACCESS, &dwOld);
        m_pList = m_pBase + cbData - bytes.size();
        std::memcpy(m_pList, bytes.data(), bytes.size());
    }
    ~CGuardedList() { ::VirtualFree(m_pBase, 0, MEM_RELEASE); }
    LPITEMIDLIST List() const { return (LPITEMIDLIST)m_pList; }

private:
    BYTE* m_pBase;
    BYTE* m_pList;
};

bool SameBytes(LPCITEMIDLIST a, LPCITEMIDLIST b)
{
    UINT cb = ::ILGetSize(a);
    return cb == ::ILGetSize(b) && std::memcmp(a, b, cb) == 0;
}

} // namespace

// Lists of real places, made by the platform: measuring, walking, joining and copying agree with
// ILGetSize, ILGetNext, ILCombine and ILCloneFirst.
TEST(ShellPidl, AgreesWithThePlatformOnRealLists)
{
    CTempTree tree;
    ASSERT_TRUE(tree.MakeFolder(L"one"));
    ASSERT_TRUE(tree.MakeFolder(L"one\\two"));
    ASSERT_TRUE(tree.MakeFile(L"one\\two\\three.txt", 10));
    LPMALLOC lpMalloc = NULL;
    ASSERT_EQ(S_OK, ::SHGetMalloc(&lpMalloc));
    CQShellPidl pidl;
    const CString paths[] = {L"C:\\", tree.Root(), tree.Path(L"one\\two"), tree.Path(L"one\\two\\three.txt"),
                             L"Z:\\"};
    for (const CString& strPath : paths)
    {
        SCOPED_TRACE(Narrow(strPath));
        LPITEMIDLIST pidlFull = ParsePath(strPath);
        ASSERT_TRUE(pidlFull != NULL);
        EXPECT_EQ(::ILGetSize(pidlFull), pidl.GetSize(pidlFull));
        EXPECT_EQ((BYTE*)::ILGetNext(pidlFull), (BYTE*)pidl.Next(pidlFull));

        // Parent and last item joined again give the whole list, as ILCombine does.
        LPITEMIDLIST pidlParent = ::ILClone(pidlFull);
        ::ILRemoveLastID(pidlParent);
        LPITEMIDLIST pidlLast = ::ILFindLastID(pidlFull);
        LPITEMIDLIST pidlJoined = pidl.ConcatPidls(pidlParent, pidlLast);
        LPITEMIDLIST pidlCombined = ::ILCombine(pidlParent, pidlLast);
        EXPECT_TRUE(SameBytes(pidlJoined, pidlFull));
        EXPECT_TRUE(SameBytes(pidlJoined, pidlCombined));
        LPITEMIDLIST pidlAlone = pidl.ConcatPidls(NULL, pidlFull);
        EXPECT_TRUE(SameBytes(pidlAlone, pidlFull));
        EXPECT_NE((void*)pidlAlone, (void*)pidlFull);

        LPITEMIDLIST pidlFirst = pidl.CopyITEMID(lpMalloc, pidlFull);
        LPITEMIDLIST pidlCloned = ::ILCloneFirst(pidlFull);
        EXPECT_TRUE(SameBytes(pidlFirst, pidlCloned));
        EXPECT_EQ(pidlFull->mkid.cb + 2u, pidl.GetSize(pidlFirst));
        for (LPITEMIDLIST p :
             {pidlParent, pidlJoined, pidlCombined, pidlAlone, pidlFirst, pidlCloned, pidlFull})
            ::ILFree(p);
    }
    lpMalloc->Release();
}

// Lists from callers that are null, empty, cut by a zero count in the middle, opened by a count
// too small to hold itself, or 10,000 items long; each placed flush against a no-access page so
// that reading past the list's end would fault.
TEST(ShellPidl, MalformedAndLongListsStayInsideTheirBytes)
{
    CQShellPidl pidl;
    LPMALLOC lpMalloc = NULL;
    ASSERT_EQ(S_OK, ::SHGetMalloc(&lpMalloc));
    std::vector<USHORT> longCounts(10000);
    for (size_t i = 0; i < longCounts.size(); i++)
        longCounts[i] = (USHORT)(3 + i % 7);
    UINT cbLong = 2;
    for (USHORT cb : longCounts)
        cbLong += cb;

    struct Case
    {
        const char* name;
        std::vector<BYTE> bytes;
        UINT cbExpected; // GetSize
    } cases[] = {
        {"empty", MakeList({}), 2},
        {"one item", MakeList({6}), 8},
        {"three items", MakeList({4, 2, 9}), 17},
        {"10,000 items", MakeList(longCounts), cbLong},
    };
    // A zero count in the middle ends the list there; so does a count of 1.
    std::vector<BYTE> cut = MakeList({5, 7, 4});
    cut[5] = cut[6] = 0;
    std::vector<BYTE> one = MakeList({5, 7, 4});
    one[5] = 1;
    one[6] = 0;

    for (Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CGuardedList guarded(c.bytes);
        LPITEMIDLIST p = guarded.List();
        EXPECT_EQ(c.cbExpected, pidl.GetSize(p));
        LPITEMIDLIST pJoined = pidl.ConcatPidls(p, p);
        ASSERT_TRUE(pJoined != NULL);
        EXPECT_EQ(2 * c.cbExpected - 2, pidl.GetSize(pJoined));
        if (c.cbExpected > 2)
            EXPECT_EQ(0, std::memcmp(pJoined, p, c.cbExpected - 2));
        EXPECT_EQ(0, std::memcmp((BYTE*)pJoined + c.cbExpected - 2, p, c.cbExpected));
        LPITEMIDLIST pFirst = pidl.CopyITEMID(lpMalloc, p);
        ASSERT_TRUE(pFirst != NULL);
        EXPECT_EQ(c.cbExpected == 2 ? 2u : p->mkid.cb + 2u, pidl.GetSize(pFirst));
        EXPECT_EQ((BYTE*)p + (c.cbExpected == 2 ? 0 : p->mkid.cb), (BYTE*)pidl.Next(p));
        lpMalloc->Free(pJoined);
        lpMalloc->Free(pFirst);
    }
    for (std::vector<BYTE>* pBytes : {&cut, &one})
    {
        CGuardedList guarded(*pBytes);
        EXPECT_EQ(7u, pidl.GetSize(guarded.List()));
        LPITEMIDLIST pJoined = pidl.ConcatPidls(guarded.List(), guarded.List());
        EXPECT_EQ(12u, pidl.GetSize(pJoined));
        EXPECT_EQ(0, ((BYTE*)pJoined)[10] | ((BYTE*)pJoined)[11]);
        lpMalloc->Free(pJoined);
    }
    // The first item of a longer list is copied as a one-item list, its end written as zero.
    std::vector<BYTE> three = MakeList({4, 2, 9});
    LPITEMIDLIST pFirst = pidl.CopyITEMID(lpMalloc, AsList(three));
    EXPECT_EQ(6u, pidl.GetSize(pFirst));
    lpMalloc->Free(pFirst);

    // Null lists.
    EXPECT_EQ(0u, pidl.GetSize(NULL));
    EXPECT_TRUE(pidl.Next(NULL) == NULL);
    EXPECT_TRUE(pidl.ConcatPidls(AsList(three), NULL) == NULL);
    EXPECT_TRUE(pidl.CopyITEMID(lpMalloc, NULL) == NULL);
    EXPECT_TRUE(pidl.CopyITEMID(NULL, AsList(three)) == NULL);
    LPITEMIDLIST pZero = pidl.CreatePidl(64);
    ASSERT_TRUE(pZero != NULL);
    EXPECT_EQ(64, (int)std::count((BYTE*)pZero, (BYTE*)pZero + 64, 0));
    lpMalloc->Free(pZero);
    lpMalloc->Release();
}

// Names of files and folders in a real folder, parsing names that round-trip to the same list,
// and a deep item's parsing name, with nothing written past the 256-character buffer.
TEST(ShellPidl, NamesOfRealItems)
{
    CTempTree tree;
    ASSERT_TRUE(tree.MakeFolder(L"d"));
    CString strDeep = L"d";
    for (int i = 0; i < 3; i++)
    {
        strDeep += L"\\" + CString(L'n', 40) + (wchar_t)(L'0' + i);
        ASSERT_TRUE(tree.MakeFolder(strDeep));
    }
    ASSERT_TRUE(tree.MakeFile(L"notes.txt"));
    CQShellPidl pidl;
    struct Case
    {
        CString strRelative;
        LPCWSTR lpszNormal; // NULL: not compared
        bool bRoundTrip;    // the desktop parses the whole path again
    } cases[] = {{L"d", L"d", true}, {L"notes.txt", NULL, true}, {strDeep, NULL, true}};
    LPITEMIDLIST pidlRoot = ParsePath(tree.Root());
    ASSERT_TRUE(pidlRoot != NULL);
    LPSHELLFOLDER lpsfRoot = NULL;
    ASSERT_HRESULT_SUCCEEDED(::SHBindToObject(NULL, pidlRoot, NULL, IID_IShellFolder, (void**)&lpsfRoot));
    for (const Case& c : cases)
    {
        CString strPath = tree.Path(c.strRelative);
        SCOPED_TRACE(Narrow(strPath));
        // Parsed below the root: the desktop does not parse paths longer than MAX_PATH.
        LPITEMIDLIST pidlBelow = NULL;
        ULONG ulEaten = 0;
        CString strRelative = c.strRelative;
        ASSERT_HRESULT_SUCCEEDED(
            lpsfRoot->ParseDisplayName(NULL, NULL, strRelative.GetBuffer(), &ulEaten, &pidlBelow, NULL));
        LPITEMIDLIST pidlFull = ::ILCombine(pidlRoot, pidlBelow);
        ::ILFree(pidlBelow);
        LPSHELLFOLDER lpsf = NULL;
        LPCITEMIDLIST pidlLast = NULL;
        ASSERT_HRESULT_SUCCEEDED(::SHBindToParent(pidlFull, IID_IShellFolder, (void**)&lpsf, &pidlLast));
        wchar_t szName[300];
        std::fill(szName, szName + 300, L'#');
        ASSERT_TRUE(pidl.GetName(lpsf, (LPITEMIDLIST)pidlLast, SHGDN_FORPARSING, szName));
        EXPECT_EQ(L'#', szName[256]); // nothing beyond the buffer
        CString strExpected = strPath.Left(255);
        EXPECT_STREQ((LPCWSTR)strExpected, szName);
        if (c.lpszNormal != NULL)
        {
            ASSERT_TRUE(pidl.GetName(lpsf, (LPITEMIDLIST)pidlLast, SHGDN_NORMAL, szName));
            EXPECT_STREQ(c.lpszNormal, szName);
        }
        // The full list from the parsing name is the platform's list of the path.
        LPITEMIDLIST pidlAgain = pidl.GetFullyQualPidl(lpsf, (LPITEMIDLIST)pidlLast);
        if (c.bRoundTrip)
        {
            ASSERT_TRUE(pidlAgain != NULL);
            EXPECT_TRUE(::ILIsEqual(pidlAgain, pidlFull));
        }
        ::ILFree(pidlAgain);
        EXPECT_FALSE(pidl.GetName(NULL, (LPITEMIDLIST)pidlLast, SHGDN_NORMAL, szName));
        EXPECT_FALSE(pidl.GetName(lpsf, NULL, SHGDN_NORMAL, szName));
        lpsf->Release();
        ::ILFree(pidlFull);
    }
    lpsfRoot->Release();
    ::ILFree(pidlRoot);
}
