// Registry values under a test key of HKEY_CURRENT_USER (removed afterwards), and file operations
// in a temporary folder, with both kinds of slash.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "util/QFileOper.h"
#include "util/QKeyOperate.h"

namespace
{

class RegistryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_path.Format(L"Software\\QCtlUtilTest\\%lu", GetCurrentProcessId());
        RegDeleteTreeW(HKEY_CURRENT_USER, m_path);
    }
    void TearDown() override
    {
        EXPECT_EQ(ERROR_SUCCESS, RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QCtlUtilTest"));
    }
    CString m_path; // the test key below HKEY_CURRENT_USER
};

} // namespace

TEST_F(RegistryTest, ValuesRoundTrip)
{
    CQKeyOperate key;
    EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, m_path));
    EXPECT_EQ(nullptr, key.GetKey());
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, m_path));
    EXPECT_TRUE(key.SetDWordValue(L"dw", 0xDEADBEEF) && key.SetIntValue(L"int", -42) &&
                key.SetStringValue(L"str", L"中文 text") && key.SetStringValue(L"empty", L""));

    DWORD dw = 0;
    int n = 0;
    CString s = L"stale", e = L"stale";
    EXPECT_TRUE(key.GetDWordValue(L"dw", dw) && key.GetIntValue(L"int", n) && key.GetStringValue(L"str", s) &&
                key.GetStringValue(L"empty", e) && key.VerifyValue(L"dw"));
    EXPECT_EQ(0xDEADBEEFu, dw);
    EXPECT_EQ(-42, n);
    EXPECT_STREQ(L"中文 text", s);
    EXPECT_TRUE(e.IsEmpty());

    // Stored as REG_SZ with the terminating NUL.
    DWORD type = 0, cb = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key.GetKey(), L"str", nullptr, &type, nullptr, &cb));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(static_cast<DWORD>((7 + 1) * 2), cb);

    s = L"stale";
    EXPECT_FALSE(key.GetStringValue(L"missing", s));
    EXPECT_TRUE(s.IsEmpty());
    dw = 7;
    EXPECT_FALSE(key.GetDWordValue(L"missing", dw));
    EXPECT_FALSE(key.GetDWordValue(L"str", dw)); // longer than 4 bytes
    EXPECT_EQ(7u, dw);
    n = 9;
    EXPECT_FALSE(key.GetIntValue(L"str", n));
    EXPECT_EQ(9, n);

    // The type is not tested: a DWORD read as text gives its bytes up to the first NUL.
    EXPECT_TRUE(key.SetDWordValue(L"chars", 0x00410042));
    EXPECT_TRUE(key.GetStringValue(L"chars", s));
    EXPECT_STREQ(L"BA", s);
    // A string stored without its NUL still ends where the value ends.
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExW(key.GetKey(), L"raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"xyz"), 6));
    EXPECT_TRUE(key.GetStringValue(L"raw", s));
    EXPECT_STREQ(L"xyz", s);
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExW(key.GetKey(), L"odd", 0, REG_BINARY, reinterpret_cast<const BYTE*>(L"xyz"), 5));
    EXPECT_TRUE(key.GetStringValue(L"odd", s)); // the odd last byte makes a character of its own
    EXPECT_STREQ(L"xyz", s);

    key.Close();
    key.Close(); // the second Close does nothing
    EXPECT_FALSE(key.SetDWordValue(L"dw", 1));
}

TEST_F(RegistryTest, VerifyKeyAndSharedHandles)
{
    CQKeyOperate key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, m_path + L"\\inner\\deep"));
    key.Close();

    EXPECT_FALSE(key.VerifyKey(HKEY_CURRENT_USER, m_path + L"\\nothing"));
    EXPECT_EQ(nullptr, key.GetKey());
    ASSERT_TRUE(key.VerifyKey(HKEY_CURRENT_USER, m_path));
    HKEY hOuter = key.GetKey();
    EXPECT_FALSE(key.VerifyKey(L"nothing"));
    EXPECT_EQ(hOuter, key.GetKey()); // a failed opening keeps the key
    ASSERT_TRUE(key.VerifyKey(L"inner"));
    EXPECT_NE(hOuter, key.GetKey());
    EXPECT_TRUE(key.SetStringValue(L"v", L"in inner"));
    RegCloseKey(hOuter);

    {
        CQKeyOperate copy(key), assigned;
        assigned = key;
        EXPECT_EQ(key.GetKey(), assigned.GetKey());
    } // destroying the copies leaves the shared key open
    CString s;
    EXPECT_TRUE(key.GetStringValue(L"v", s));
    EXPECT_STREQ(L"in inner", s);
    key.Close();
}

// ---- files

namespace
{

class FileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t tmp[MAX_PATH];
        GetTempPathW(MAX_PATH, tmp);
        m_dir.Format(L"%sqctl_util_%lu\\", tmp, GetCurrentProcessId());
        for (LPCWSTR sub : {L"", L"out", L"sub"})
            CreateDirectoryW(m_dir + sub, nullptr);
        Write(L"a.txt", "alpha");
        Write(L"b.txt", "beta");
        Write(L"c.dat", "gamma");
    }
    void TearDown() override
    {
        std::wstring from(m_dir.GetString(), m_dir.GetLength() - 1);
        from.push_back(L'\0');
        SHFILEOPSTRUCTW op = {nullptr, FO_DELETE, from.c_str(), nullptr, FOF_NO_UI};
        SHFileOperationW(&op);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_dir));
    }
    void Write(const CString& name, const char* text)
    {
        HANDLE h = CreateFileW(m_dir + name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        DWORD n = 0;
        WriteFile(h, text, static_cast<DWORD>(strlen(text)), &n, nullptr);
        CloseHandle(h);
    }
    std::string Read(const CString& path)
    {
        HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return "<missing>";
        char buf[64] = {};
        DWORD n = 0;
        ReadFile(h, buf, sizeof(buf) - 1, &n, nullptr);
        CloseHandle(h);
        return std::string(buf, n);
    }
    // The folder with forward slashes.
    CString Slashed() const
    {
        CString s = m_dir;
        s.Replace(L'\\', L'/');
        return s;
    }
    CString m_dir; // the temporary folder, ending in a backslash
};

} // namespace

TEST(FilePath, SplitsAtTheLastSeparator)
{
    const struct
    {
        const wchar_t* path;
        BOOL ok;
        const wchar_t *dir, *name;
    } cases[] = {{L"C:\\temp\\a.txt", TRUE, L"C:\\temp\\", L"a.txt"},
                 {L"x\\y/z", TRUE, L"x\\", L"y/z"},
                 {L"C:/temp/sub/a.txt", TRUE, L"C:/temp/sub/", L"a.txt"},
                 {L"C:\\temp\\", FALSE, L"C:\\temp\\", L""},
                 {L"/a", TRUE, L"/", L"a"},
                 {L"\\", FALSE, L"\\", L""}};
    for (const auto& c : cases)
    {
        CString dir = L"stale", name = L"stale";
        EXPECT_EQ(c.ok, CQFileOper::FileToDirName(c.path, dir, name)) << c.path;
        EXPECT_STREQ(c.dir, dir) << c.path;
        EXPECT_STREQ(c.name, name) << c.path;
    }
    CString dir = L"stale", name = L"stale";
    for (LPCWSTR none : {L"plain.txt", L"", (LPCWSTR) nullptr})
        EXPECT_FALSE(CQFileOper::FileToDirName(none, dir, name));
    EXPECT_STREQ(L"stale", dir); // untouched when there is nothing to split
}

TEST_F(FileTest, ExistenceMeansExactlyOneMatch)
{
    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);

    // Two *.txt match; a directory counts; a path ending in a separator or without one does not.
    const struct
    {
        CString dir;
        LPCWSTR name;
        BOOL exists;
    } cases[] = {{m_dir, L"a.txt", TRUE},
                 {Slashed(), L"a.txt", TRUE},
                 {m_dir, L"*.txt", FALSE},
                 {m_dir, L"*.dat", TRUE},
                 {m_dir, L"sub", TRUE},
                 {m_dir, L"none.txt", FALSE},
                 {m_dir + L"nowhere\\", L"a.txt", FALSE},
                 {L"", L"a.txt", FALSE},
                 {m_dir, L"", FALSE}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.exists, CQFileOper::IsExitedFile(c.dir, c.name)) << (LPCWSTR)c.dir << c.name;
        EXPECT_EQ(c.exists, CQFileOper::IsExitedFile(c.dir + c.name)) << (LPCWSTR)c.dir << c.name;
    }
    EXPECT_FALSE(CQFileOper::IsExitedFile(nullptr, nullptr));
    EXPECT_FALSE(CQFileOper::IsExitedFile(nullptr));

    ASSERT_TRUE(CQFileOper::DeleteFileW(m_dir, L"b.txt"));
    EXPECT_TRUE(CQFileOper::IsExitedFile(m_dir, L"*.txt"));

    wchar_t after[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_STREQ(before, after); // the current directory comes back
}

TEST_F(FileTest, CopyJoinsWithoutASeparator)
{
    CString dest = L"stale";
    EXPECT_TRUE(CQFileOper::CopyFileTo(m_dir + L"a.txt", m_dir + L"out", L"", FALSE, dest));
    EXPECT_EQ(m_dir + L"outa.txt", dest);
    EXPECT_EQ("alpha", Read(dest));
    EXPECT_TRUE(CQFileOper::CopyFileTo(Slashed() + L"a.txt", m_dir + L"out\\", nullptr, FALSE, dest));
    EXPECT_EQ(m_dir + L"out\\a.txt", dest);
    EXPECT_TRUE(CQFileOper::CopyFileTo(m_dir + L"b.txt", Slashed() + L"out/", L"new.txt", FALSE, dest));
    EXPECT_EQ("beta", Read(m_dir + L"out\\new.txt"));

    // An existing target is kept when asked, replaced otherwise.
    EXPECT_FALSE(CQFileOper::CopyFileTo(m_dir + L"c.dat", m_dir + L"out\\", L"a.txt", TRUE, dest));
    EXPECT_EQ(m_dir + L"out\\a.txt", dest);
    EXPECT_EQ("alpha", Read(dest));
    EXPECT_TRUE(CQFileOper::CopyFileTo(m_dir + L"c.dat", m_dir + L"out\\", L"a.txt", FALSE, dest));
    EXPECT_EQ("gamma", Read(dest));

    EXPECT_FALSE(CQFileOper::CopyFileTo(m_dir + L"none.txt", m_dir + L"out\\", L"", FALSE, dest));
    EXPECT_TRUE(dest.IsEmpty());
    EXPECT_FALSE(CQFileOper::CopyFileTo(m_dir + L"*.txt", m_dir + L"out\\", L"x", FALSE, dest));
    EXPECT_FALSE(CQFileOper::CopyFileTo(m_dir + L"a.txt", m_dir + L"nowhere\\", L"", FALSE, dest));
    EXPECT_EQ(m_dir + L"nowhere\\a.txt", dest);
}

TEST_F(FileTest, DeleteReportsWithoutShowing)
{
    EXPECT_TRUE(CQFileOper::DeleteFileW(m_dir + L"a.txt"));
    EXPECT_FALSE(CQFileOper::DeleteFileW(m_dir + L"a.txt"));
    EXPECT_TRUE(CQFileOper::DeleteFileW(Slashed(), L"b.txt"));
    EXPECT_FALSE(CQFileOper::DeleteFileW(m_dir + L"sub")); // not a file
    EXPECT_FALSE(CQFileOper::DeleteFileW(L""));
    EXPECT_FALSE(CQFileOper::DeleteFileW(static_cast<const wchar_t*>(nullptr)));
    EXPECT_FALSE(CQFileOper::DeleteFileW(m_dir, L""));
    EXPECT_FALSE(CQFileOper::DeleteFileW(L"", L"c.dat"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_dir + L"c.dat"));
    // A file held open without sharing cannot be removed.
    HANDLE h = CreateFileW(m_dir + L"c.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    EXPECT_FALSE(CQFileOper::DeleteFileW(m_dir + L"c.dat"));
    CloseHandle(h);
    EXPECT_TRUE(CQFileOper::DeleteFileW(m_dir, L"c.dat"));
}
