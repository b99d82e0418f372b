// The column layout and sort order as text and in the application profile (the registry under
// a test key): the formats, when they are written, how a saved sort replaces the caller's,
// rebuilding columns from a header string, and damaged strings.
#include "rltest.h"

#include <algorithm>

using namespace rltest;

namespace
{

class ProfileTest : public ListTest
{
protected:
    void SetUp() override
    {
        pApp = AfxGetApp();
        strOldKey = pApp->m_pszRegistryKey;
        strOldProfile = pApp->m_pszProfileName;
        strKey.Format(L"QCtlListTest.%lu", ::GetCurrentProcessId());
        pApp->SetRegistryKey(strKey);
        strSection.Format(L"Software\\%s\\%s\\ListControls", (LPCWSTR)strKey, pApp->m_pszProfileName);
        ListTest::SetUp();
        for (const wchar_t* title : {L"Name", L"Size", L"Type", L"Date"})
            list.InsertColumn(list.GetCountColumn(), title, LVCFMT_LEFT, 90, list.GetCountColumn());
        AddRows({{L"b", L"2", L"x", L"1"}, {L"a", L"1", L"y", L"2"}, {L"c", L"1", L"x", L"3"}}, 500);
    }
    void TearDown() override
    {
        ListTest::TearDown();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, CString(L"Software\\") + strKey);
        delete[] pApp->m_pszRegistryKey;
        pApp->m_pszRegistryKey = NULL;
        if (!strOldKey.IsEmpty())
            pApp->SetRegistryKey(strOldKey);
        delete[] pApp->m_pszProfileName;
        pApp->m_pszProfileName = _wcsdup(strOldProfile); // freed with delete[] as the layer's own
    }
    // The value as stored, or "<missing>".
    CString Read(LPCWSTR pszEntry) const
    {
        static wchar_t szValue[20000];
        DWORD cb = sizeof(szValue) - sizeof(wchar_t);
        if (::RegGetValueW(HKEY_CURRENT_USER, strSection, pszEntry, RRF_RT_REG_SZ, NULL, szValue, &cb))
            return L"<missing>";
        return szValue;
    }
    // Stores raw characters (embedded NULs included); NULL deletes the value.
    void Write(LPCWSTR pszEntry, const std::wstring* pValue)
    {
        HKEY hKey;
        ASSERT_EQ(0, ::RegCreateKeyExW(HKEY_CURRENT_USER, strSection, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey,
                                       NULL));
        if (pValue != NULL)
            ::RegSetValueExW(hKey, pszEntry, 0, REG_SZ, (const BYTE*)pValue->c_str(),
                             (DWORD)((pValue->size() + 1) * sizeof(wchar_t)));
        else
            ::RegDeleteValueW(hKey, pszEntry);
        ::RegCloseKey(hKey);
    }
    // The rows as sorted text: the same before and after any sort.
    Table RowSet() const
    {
        Table rows = Rows(4);
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    CWinApp* pApp = nullptr;
    CString strKey, strSection, strOldKey, strOldProfile;
};

} // namespace

// The header string of the columns and SetHeader's reading of one: defaults for missing widths
// and letters, the first empty piece ends the list, widths kept within 0..32767.
TEST_F(ProfileTest, HeaderStrings)
{
    EXPECT_STREQ(L"Name:90:L,Size:90:L,Type:90:L,Date:90:L", list.GetHeaderString());
    struct
    {
        const wchar_t *header, *expected;
    } cases[] = {{L"Name:120:L,Size:80:R,Type:100:C", L"Name:120:L,Size:80:R,Type:100:C"},
                 {L"Name::R,Size", L"Name:128:R,Size:128:L"},
                 {L"Name:50:L,,Size:60:L", L"Name:50:L"},
                 {L"A:abc:Q,B:7:C:extra", L"A:0:L,B:7:C"},
                 {L"W:-5:R,H:99999999999:L", L"W:0:R,H:32767:L"},
                 {L"", L""}};
    for (auto& c : cases)
    {
        EXPECT_TRUE(CTsyslistviewex::SetHeader(&list, c.header));
        EXPECT_STREQ(c.expected, list.GetHeaderString()) << c.header;
    }
    EXPECT_FALSE(CTsyslistviewex::SetHeader(NULL, L"a"));
}

// With saving on, every sort writes both entries under the list's ID and a column resize writes
// them again. A saved sort replaces the caller's: "Default" counts as none, an empty one starts
// unsorted, damaged ones give the reading of their pieces with columns the list does not have
// left out, and the columns and rows stay. With sorting off the sort entry is written empty.
TEST_F(ProfileTest, SavedLayoutAndSort)
{
    list.SortAllItems(L"1");
    EXPECT_STREQ(L"<missing>", Read(L"Sort:000004D2")); // saving is off
    list.EnableSaveHeader(TRUE);
    ClickHeader(1); // column 1 was ascending
    EXPECT_STREQ(L"1D", Read(L"Sort:000004D2"));
    list.SetColumnWidth(3, 44);
    EXPECT_STREQ(L"Name:90:L,Size:90:L,Type:90:L,Date:44:L", Read(L"Header:000004D2"));

    std::wstring tenThousand;
    while (tenThousand.size() < 10000)
        tenThousand += L"1,";
    struct
    {
        std::wstring saved;              // "-": no entry
        const wchar_t *argument, *marks; // marks NULL: any
    } cases[] = {{L"2D,0", L"1", L"2D,0"},
                 {L"Default", L"3D", L"3D"},
                 {L"-", L"0,1D", L"0,1D"},
                 {L"", L"0", L""},
                 {L"1D,,0", L"0", L"1D"},
                 {L"3X", L"0", L"3"},
                 {L"D", L"0", L"0D"},
                 {L"99999999999999,1", L"0", L"1"},
                 {L"-2,2D", L"0", L"2D"},
                 {L"abc", L"0", L"0"},
                 {L"0,,,", L"0", L"0"},
                 {L"0,1,2,3,0,1,2,3,4,5,6", L"0", L"0,1,2,3"},
                 {tenThousand, L"0", L"1"},
                 {std::wstring(10000, L'9'), L"0", L""},
                 {std::wstring(L"2\0D,1", 5), L"0", NULL}};
    const auto rows = RowSet();
    for (auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "saved string of " << c.saved.size() << " characters");
        Write(L"Sort:000004D2", c.saved != L"-" ? &c.saved : NULL);
        list.SortAllItems(c.argument);
        if (c.marks != NULL)
        {
            EXPECT_STREQ(c.marks, list.GetHeaderSortString());
            EXPECT_STREQ(c.marks, Read(L"Sort:000004D2"));
        }
        EXPECT_EQ(4, list.GetCountColumn());
        EXPECT_EQ(rows, RowSet());
    }
    list.EnableSort(FALSE);
    list.SortAllItems();
    EXPECT_STREQ(L"", Read(L"Sort:000004D2"));
}
