// The column layout and sort order as text and in the application profile (the registry under
// a test key): the two formats, when they are written, how a saved sort replaces the caller's,
// rebuilding columns from a header string, and damaged or mutated strings.
#include "rltest.h"

#include <random>

using namespace rltest;

namespace
{

class ProfileTest : public ListTest
{
protected:
    void SetUp() override
    {
        pApp = AfxGetApp();
        strOldKey = pApp->m_pszRegistryKey ? pApp->m_pszRegistryKey : L"";
        strOldProfile = pApp->m_pszProfileName ? pApp->m_pszProfileName : L"";
        strKey.Format(L"QCtlListTest.%lu", ::GetCurrentProcessId());
        pApp->SetRegistryKey(strKey);
        ListTest::SetUp();
        for (const wchar_t* title : {L"Name", L"Size", L"Type", L"Date"})
            list.InsertColumn(list.GetCountColumn(), title, LVCFMT_LEFT, 90, list.GetCountColumn());
        AddRows({{L"b", L"2", L"x", L"1"}, {L"a", L"1", L"y", L"2"}, {L"c", L"1", L"x", L"3"}}, 500);
    }
    void TearDown() override
    {
        ListTest::TearDown();
        HKEY hSoftware;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_ALL_ACCESS, &hSoftware) == ERROR_SUCCESS)
        {
            pApp->DelRegTree(hSoftware, strKey);
            ::RegCloseKey(hSoftware);
        }
        delete[] pApp->m_pszRegistryKey;
        pApp->m_pszRegistryKey = NULL;
        if (!strOldKey.IsEmpty())
            pApp->SetRegistryKey(strOldKey);
        delete[] pApp->m_pszProfileName;
        LPTSTR p = new TCHAR[strOldProfile.GetLength() + 1];
        wcscpy(p, strOldProfile);
        pApp->m_pszProfileName = p;
    }
    CString SectionPath() const
    {
        CString strPath;
        strPath.Format(L"Software\\%s\\%s\\ListControls", (LPCWSTR)strKey, pApp->m_pszProfileName);
        return strPath;
    }
    // The value as stored, or "<missing>".
    CString Read(LPCWSTR pszEntry) const
    {
        wchar_t szValue[20000];
        DWORD cb = sizeof(szValue) - sizeof(wchar_t), type = 0;
        if (::RegGetValueW(HKEY_CURRENT_USER, SectionPath(), pszEntry, RRF_RT_REG_SZ, &type, szValue, &cb) !=
            ERROR_SUCCESS)
            return L"<missing>";
        return szValue;
    }
    // Stores raw characters (embedded NULs included) as the value.
    void Write(LPCWSTR pszEntry, const std::wstring& value)
    {
        HKEY hKey;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(), 0, NULL, 0,
                                                   KEY_ALL_ACCESS, NULL, &hKey, NULL));
        ::RegSetValueExW(hKey, pszEntry, 0, REG_SZ, (const BYTE*)value.c_str(),
                         (DWORD)((value.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(hKey);
    }
    // The data values in list order.
    std::vector<DWORD_PTR> Data() const
    {
        std::vector<DWORD_PTR> data;
        for (int i = 0; i < list.GetItemCount(); ++i)
            data.push_back(list.GetItemData(i));
        return data;
    }

    CWinApp* pApp = nullptr;
    CString strKey, strOldKey, strOldProfile;
};

// The header and sort string formats, with and without sorting enabled.
TEST_F(ProfileTest, HeaderAndSortStrings)
{
    EXPECT_STREQ(L"Name:90:L,Size:90:L,Type:90:L,Date:90:L", list.GetHeaderString());
    ASSERT_TRUE(CTsyslistviewex::SetHeader(&list, L"Name:120:L,Size:80:R,Type:100:C"));
    EXPECT_STREQ(L"Name:120:L,Size:80:R,Type:100:C", list.GetHeaderString());
    list.Header().SetColumnOrder(2, 1);
    list.Header().SetColumnOrder(0, 0);
    EXPECT_STREQ(L"2,0D", list.GetHeaderSortString());
    list.EnableSort(FALSE);
    EXPECT_STREQ(L"", list.GetHeaderSortString());
    ASSERT_TRUE(CTsyslistviewex::SetHeader(&list, L""));
    EXPECT_EQ(0, list.GetCountColumn());
    EXPECT_STREQ(L"", list.GetHeaderString());
}

// SetHeader rebuilds the columns: defaults for missing widths and letters, the first empty
// piece ends the list, widths that are not numbers are 0 and widths stay within 0..32767.
TEST_F(ProfileTest, SetHeaderPieces)
{
    struct Case
    {
        const wchar_t* header;
        const wchar_t* expected; // GetHeaderString afterwards
    } cases[] = {
        {L"Name::R,Size", L"Name:128:R,Size:128:L"},
        {L"Name:50:L,,Size:60:L", L"Name:50:L"},
        {L"A:abc:Q,B:7:C:extra", L"A:0:L,B:7:C"},
        {L"W:-5:R,H:99999999999:L", L"W:0:R,H:32767:L"},
        {L",Name:5:L", L""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.header);
        EXPECT_TRUE(CTsyslistviewex::SetHeader(&list, c.header));
        EXPECT_STREQ(c.expected, list.GetHeaderString());
    }
    EXPECT_FALSE(CTsyslistviewex::SetHeader(NULL, L"a"));
}

// With saving on, every sort writes both entries under the list's ID, a column resize writes
// them again, and a saved sort replaces the caller's sort string: "Default" counts as none,
// an empty saved string starts unsorted.
TEST_F(ProfileTest, SavedLayoutAndSort)
{
    list.SortAllItems(L"1");
    EXPECT_STREQ(L"<missing>", Read(L"Sort:000004D2")); // saving is off
    list.EnableSaveHeader(TRUE);
    ClickHeader(1); // column 1 was marked ascending by the first sort
    EXPECT_STREQ(L"1D", Read(L"Sort:000004D2"));
    EXPECT_STREQ(L"Name:90:L,Size:90:L,Type:90:L,Date:90:L", Read(L"Header:000004D2"));
    list.SetColumnWidth(3, 44); // the header reports the change
    qtest::PumpMessages();
    EXPECT_STREQ(L"Name:90:L,Size:90:L,Type:90:L,Date:44:L", Read(L"Header:000004D2"));

    struct Case
    {
        const wchar_t* saved; // NULL: no entry
        const wchar_t* argument;
        const wchar_t* marks; // sort string afterwards
    } cases[] = {
        {L"2D,0", L"1", L"2D,0"}, {L"Default", L"3D", L"3D"}, {L"", L"0", L""}, {NULL, L"0,1D", L"0,1D"}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.argument);
        HKEY hKey;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(), 0, KEY_ALL_ACCESS, &hKey) == ERROR_SUCCESS)
        {
            ::RegDeleteValueW(hKey, L"Sort:000004D2");
            ::RegCloseKey(hKey);
        }
        if (c.saved != NULL)
            Write(L"Sort:000004D2", c.saved);
        list.SortAllItems(c.argument);
        EXPECT_STREQ(c.marks, list.GetHeaderSortString());
        EXPECT_STREQ(c.marks, Read(L"Sort:000004D2")); // written back at once
    }

    // Sorting off: the sort entry is written empty, and the next start is unsorted.
    list.EnableSort(FALSE);
    list.SortAllItems();
    EXPECT_STREQ(L"", Read(L"Sort:000004D2"));
    list.EnableSort(TRUE);
    list.SortAllItems(L"0");
    EXPECT_STREQ(L"", list.GetHeaderSortString());
}

// Damaged saved sort strings: the Part's reading where it has one, columns the list does not
// have left out, never a change of columns or rows.
TEST_F(ProfileTest, DamagedSavedSort)
{
    list.EnableSaveHeader(TRUE);
    std::wstring tenThousand;
    while (tenThousand.size() < 10000)
        tenThousand += L"1,";
    struct Case
    {
        std::wstring saved;
        const wchar_t* marks;
    } cases[] = {
        {L"1D,,0", L"1D"},
        {L"3X", L"3"},
        {L"D", L"0D"},
        {L"99999999999999,1", L"1"},
        {L"-2,2D", L"2D"},
        {L"abc", L"0"},
        {L"0,1,2,3,0,1,2,3,4,5,6", L"0,1,2,3"},
        {L",", L""},
        {L"0,,,,,", L"0"},
        {tenThousand, L"1"},
        {std::wstring(L"2\0D,1", 5), NULL}, // embedded NUL: whatever the profile reads of it
        {std::wstring(10000, L'9'), L""},
    };
    const auto data = Data();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "saved string of " << c.saved.size() << " characters");
        Write(L"Sort:000004D2", c.saved);
        list.SortAllItems(L"0");
        if (c.marks != NULL)
        {
            EXPECT_STREQ(c.marks, list.GetHeaderSortString());
        }
        EXPECT_EQ(4, list.GetCountColumn());
        auto now = Data();
        std::sort(now.begin(), now.end());
        EXPECT_EQ(data, now);
    }
}

// 10,000 mutated strings (seeded) as sort strings, every fourth also as a header string: after
// each sort string the marks hold consecutive positions on existing columns, the sort string
// reads back to itself and the rows are those of before; a header string gives one column per
// piece up to the first empty one, each within 0..32767 pixels wide.
TEST_F(ProfileTest, MutatedStrings)
{
    CListCtrl plain;
    ASSERT_TRUE(plain.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 100), &parent, 99));
    plain.InsertColumn(0, L"x"); // the list's header may wait for its first column
    std::mt19937 rng(16);
    const std::vector<std::wstring> seeds = {L"0,3D", L"2,0D,1", L"1D", L"Name:120:L,Size:80:R,Type:100:C",
                                             L"a:1:L"};
    const std::wstring alphabet = L"0123456789DLRCX,:-+ a";
    auto mutate = [&](std::wstring s)
    {
        int nSteps = 1 + (int)(rng() % 6);
        for (int k = 0; k < nSteps; ++k)
        {
            size_t at = s.empty() ? 0 : rng() % (s.size() + 1);
            switch (rng() % 7)
            {
            case 0:
            case 1: s.insert(at, 1, alphabet[rng() % alphabet.size()]); break;
            case 2:
                if (!s.empty() && at < s.size())
                    s.erase(at, 1);
                break;
            case 3: s = s.substr(0, at); break;
            case 4: s.insert(at, std::to_wstring(rng()) + std::to_wstring(rng())); break;
            case 5: s += L"," + s; break;
            case 6: s.insert(at, 1, L'\0'); break;
            }
        }
        if (rng() % 500 == 0)
            s += std::wstring(10000, alphabet[rng() % alphabet.size()]);
        return s;
    };
    const auto data = Data();
    for (int n = 0; n < 10000; ++n)
    {
        std::wstring str = mutate(seeds[rng() % seeds.size()]);
        CString strArg(str.c_str(), (int)str.size());
        SCOPED_TRACE(testing::Message() << "string " << n << " of " << str.size() << " characters");
        list.SortAllItems(strArg);
        ASSERT_EQ(4, list.GetCountColumn());
        CString strSort = list.GetHeaderSortString();
        int nMarks = list.Header().GetCountSortColumns();
        for (int p = 1; p <= nMarks; ++p)
        {
            int bAscending, nColumn = -1;
            ASSERT_TRUE(list.Header().GetPositionColumn(p, bAscending, nColumn));
            ASSERT_TRUE(nColumn >= 0 && nColumn < 4);
        }
        if (n % 20 == 0)
        {
            auto now = Data();
            std::sort(now.begin(), now.end());
            ASSERT_EQ(data, now);
            list.SortAllItems(strSort);
            ASSERT_STREQ(strSort, list.GetHeaderSortString());
        }

        // Every fourth string also as a header string (rebuilding columns is the slow part).
        if (n % 4 != 0)
            continue;
        ASSERT_TRUE(CTsyslistviewex::SetHeader(&plain, strArg));
        size_t nPieces = 0;
        for (size_t at = 0; at < str.size();)
        {
            size_t comma = str.find(L',', at);
            size_t end = comma == std::wstring::npos ? str.size() : comma;
            if (end == at)
                break;
            ++nPieces;
            at = end + 1;
        }
        ASSERT_EQ((int)nPieces, plain.GetHeaderCtrl()->GetItemCount());
        for (int c = 0; c < (int)nPieces; ++c)
        {
            int w = plain.GetColumnWidth(c);
            ASSERT_TRUE(w >= 0 && w <= 32767) << w;
        }
    }
}

} // namespace
