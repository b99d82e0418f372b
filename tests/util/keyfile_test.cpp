// Registry values under a test key of HKEY_CURRENT_USER; file operations in a temporary folder.
#include <gtest/gtest.h>

#include "util/QFileOper.h"
#include "util/QKeyOperate.h"

// Values round-trip with their types; a string stored without its NUL ends with the value.
TEST(Registry, ValuesRoundTrip)
{
    CString path;
    path.Format(L"Software\\QCtlUtilTest\\%lu", GetCurrentProcessId());
    CQKeyOperate key;
    EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, path));
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, path));
    EXPECT_TRUE(key.SetDWordValue(L"dw", 0xDEADBEEF) && key.SetIntValue(L"int", -42) &&
                key.SetStringValue(L"str", L"中文 text"));
    DWORD dw = 0, type = 0, cb = 0;
    int n = 0;
    CString s = L"stale";
    EXPECT_TRUE(key.GetDWordValue(L"dw", dw) && key.GetIntValue(L"int", n) && key.GetStringValue(L"str", s));
    EXPECT_EQ(0xDEADBEEFu, dw);
    EXPECT_EQ(-42, n);
    EXPECT_STREQ(L"中文 text", s);
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key.GetKey(), L"str", nullptr, &type, nullptr, &cb));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(static_cast<DWORD>((7 + 1) * 2), cb);
    EXPECT_FALSE(key.GetStringValue(L"missing", s));
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_FALSE(key.GetDWordValue(L"str", dw)); // longer than 4 bytes
    EXPECT_EQ(0xDEADBEEFu, dw);
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key.GetKey(), L"raw", 0, REG_SZ, (const BYTE*)L"xyz", 6));
    EXPECT_TRUE(key.GetStringValue(L"raw", s));
    EXPECT_STREQ(L"xyz", s);
    EXPECT_FALSE(key.VerifyKey(L"nothing"));
    EXPECT_TRUE(key.SetDWordValue(L"still", 1)); // a failed opening keeps the key
    key.Close();
    EXPECT_FALSE(key.SetDWordValue(L"dw", 1));
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QCtlUtilTest"));
}

// Paths split at the last slash of either kind; existence is one match; copies keep or replace.
TEST(Files, ExistCopyAndDelete)
{
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    CString dir, dest;
    dir.Format(L"%sqctl_util_%lu\\", tmp, GetCurrentProcessId());
    CreateDirectoryW(dir, nullptr);
    for (const wchar_t* name : {L"a.txt", L"b.txt"})
        CloseHandle(CreateFileW(dir + name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    CString d, n;
    EXPECT_FALSE(CQFileOper::FileToDirName(dir, d, n)); // nothing after the last separator
    EXPECT_TRUE(CQFileOper::FileToDirName(L"C:/temp/sub/a.txt", d, n) && d == L"C:/temp/sub/" &&
                n == L"a.txt");
    EXPECT_TRUE(CQFileOper::IsExitedFile(dir, L"a.txt"));
    EXPECT_FALSE(CQFileOper::IsExitedFile(dir, L"*.txt"));

    EXPECT_TRUE(CQFileOper::CopyFileTo(dir + L"a.txt", dir, L"c.txt", TRUE, dest));
    EXPECT_EQ(dir + L"c.txt", dest);
    EXPECT_FALSE(CQFileOper::CopyFileTo(dir + L"b.txt", dir, L"c.txt", TRUE, dest));
    EXPECT_TRUE(CQFileOper::CopyFileTo(dir + L"b.txt", dir, L"c.txt", FALSE, dest));
    EXPECT_FALSE(CQFileOper::CopyFileTo(dir + L"none.txt", dir, L"d.txt", FALSE, dest));
    EXPECT_TRUE(dest.IsEmpty());

    EXPECT_TRUE(CQFileOper::DeleteFileW(dir + L"a.txt"));
    EXPECT_FALSE(CQFileOper::DeleteFileW(dir + L"a.txt"));
    for (const wchar_t* name : {L"b.txt", L"c.txt"})
        EXPECT_TRUE(CQFileOper::DeleteFileW(dir, name));
    EXPECT_TRUE(RemoveDirectoryW(dir));
}
