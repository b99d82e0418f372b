// Files: text lines through CStdioFile in the C run-time's locale, binary CFile access and
// errors, and CFileFind over a temporary folder.
#include "afxcore_test.h"
#include <locale.h>
#include <set>
#include <string>

namespace
{

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder
{
public:
    TempFolder()
    {
        WCHAR szTemp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szTemp);
        m_strPath.Format(L"%safxcore_%lu_%lu", szTemp, ::GetCurrentProcessId(), ::GetTickCount());
        ::CreateDirectoryW(m_strPath, NULL);
    }
    ~TempFolder() { RemoveTree(m_strPath); }
    CString Path(LPCWSTR name) const { return m_strPath + L"\\" + name; }
    const CString& Root() const { return m_strPath; }

private:
    static void RemoveTree(const CString& dir)
    {
        WIN32_FIND_DATAW fd;
        HANDLE h = ::FindFirstFileW(dir + L"\\*", &fd);
        for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(h, &fd))
        {
            CString name = fd.cFileName, full = dir + L"\\" + name;
            if (name == L"." || name == L"..")
                continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                ::SetFileAttributesW(full, FILE_ATTRIBUTE_NORMAL), ::DeleteFileW(full);
        }
        if (h != INVALID_HANDLE_VALUE)
            ::FindClose(h);
        ::RemoveDirectoryW(dir);
    }
    CString m_strPath;
};

std::string ReadBytes(const CString& path)
{
    CFile f(path, CFile::modeRead);
    std::string bytes((size_t)f.GetLength(), '\0');
    if (!bytes.empty())
        f.Read(&bytes[0], (UINT)bytes.size());
    return bytes;
}

void WriteText(const CString& path, LPCWSTR text, UINT nExtraFlags = 0)
{
    CStdioFile f(path, CFile::modeCreate | CFile::modeWrite | nExtraFlags);
    f.WriteString(text);
}

// Sets the C run-time locale for one scope and restores "C" afterwards.
struct LocaleScope
{
    explicit LocaleScope(const char* name) : ok(setlocale(LC_ALL, name) != NULL) {}
    ~LocaleScope() { setlocale(LC_ALL, "C"); }
    bool ok;
};

} // namespace

// Text lines with CR LF on disk; long lines read in pieces; "no truncate" keeps the file and, as
// with the framework, writes from its beginning until the caller seeks to the end.
TEST(StdioFile, TextLinesRoundTripAndLongLinesReadInPieces)
{
    TempFolder tmp;
    CString path = tmp.Path(L"lines.txt");
    {
        CStdioFile f;
        ASSERT_TRUE(f.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText));
        f.WriteString(L"A,B\n");
        f.WriteString(L"");
        f.WriteString(L"\nc,d\nno newline at end");
    }
    EXPECT_EQ("A,B\r\n\r\nc,d\r\nno newline at end", ReadBytes(path));
    CString line;
    {
        CStdioFile f(path, CFile::modeRead | CFile::typeText);
        for (LPCWSTR expected : {L"A,B", L"", L"c,d", L"no newline at end"})
        {
            ASSERT_TRUE(f.ReadString(line));
            EXPECT_STREQ(expected, line);
        }
        EXPECT_FALSE(f.ReadString(line));
        EXPECT_TRUE(line.IsEmpty());
        EXPECT_FALSE(f.ReadString(line)); // stays at the end
    }
    WriteText(path, CString(L'x', 2500) + L"\n");
    {
        CStdioFile f(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(0u, f.GetPosition());
        f.SeekToEnd();
        f.WriteString(L"tail\n");
    }
    CStdioFile f(path, CFile::modeRead);
    wchar_t buf[1024];
    for (size_t expected : {1023u, 1023u, 2500u - 2046u + 1u})
    { // the last piece with its line feed
        ASSERT_NE(nullptr, f.ReadString(buf, 1024));
        EXPECT_EQ(expected, wcslen(buf));
    }
    ASSERT_TRUE(f.ReadString(line));
    EXPECT_STREQ(L"tail", line);
    EXPECT_EQ(nullptr, f.ReadString(buf, 1024));
}

TEST(StdioFile, LocaleOrBinaryModeDecidesTheBytes)
{
    TempFolder tmp;
    CString path = tmp.Path(L"cn.txt");
    {
        LocaleScope locale(".936");
        if (!locale.ok)
            GTEST_SKIP() << "code page 936 locale not available";
        WriteText(path, L"\x4E2D\x6587,ok\n"); // "中文"
        EXPECT_EQ("\xD6\xD0\xCE\xC4,ok\r\n", ReadBytes(path));
        CStdioFile f(path, CFile::modeRead);
        CString line;
        ASSERT_TRUE(f.ReadString(line));
        EXPECT_STREQ(L"\x4E2D\x6587,ok", line);
    }
    WriteText(path, L"\x4E2D|\xE9\n"); // the "C" locale cannot encode it: '?'
    EXPECT_EQ("?|\xE9\r\n", ReadBytes(path));

    WriteText(path, L"\x4E2D\n2", CFile::typeBinary); // binary mode keeps UTF-16
    EXPECT_EQ(std::string("\x2D\x4E\x0A\x00\x32\x00", 6), ReadBytes(path));
    CStdioFile f(path, CFile::modeRead | CFile::typeBinary);
    CString line;
    for (LPCWSTR expected : {L"\x4E2D", L"2"})
    {
        ASSERT_TRUE(f.ReadString(line));
        EXPECT_STREQ(expected, line);
    }
    EXPECT_FALSE(f.ReadString(line));
}

TEST(StdioFile, BadBytesNeverCrash)
{
    TempFolder tmp;
    CString path = tmp.Path(L"bad.txt");
    const std::string junk("ok\r\n\x81\n\xff\xfe\x80"
                           "abc\r\n\xd6\x0a"
                           "end\x81",
                           20);
    {
        CFile raw(path, CFile::modeCreate | CFile::modeWrite);
        raw.Write(junk.data(), (UINT)junk.size());
    }
    for (const char* name : {"C", ".936", ".1252"})
    {
        LocaleScope locale(name);
        if (!locale.ok)
            continue;
        CStdioFile f(path, CFile::modeRead);
        CString line;
        int nLines = 0;
        bool sawAbc = false, sawEnd = false;
        while (f.ReadString(line) && nLines < 100)
        {
            nLines++;
            sawAbc = sawAbc || line.Find(L"abc") >= 0;
            sawEnd = sawEnd || line.Find(L"end") == 0;
        }
        EXPECT_EQ(5, nLines) << name;
        EXPECT_TRUE(sawAbc) << name;
        EXPECT_TRUE(sawEnd) << name; // a lead byte before the line feed does not swallow it
        f.SeekToBegin();
        wchar_t small[3];
        int nPieces = 0;
        while (f.ReadString(small, 3) != NULL && nPieces < 100)
            nPieces++;
        EXPECT_GT(nPieces, 5) << name;
    }
}

TEST(File, BinaryAccessAndErrors)
{
    TempFolder tmp;
    CString path = tmp.Path(L"data.bin");
    CFileException error;
    CFile missing;
    EXPECT_FALSE(missing.Open(tmp.Path(L"missing.bin"), CFile::modeRead, &error));
    EXPECT_TRUE(error.m_cause == CFileException::fileNotFound && error.m_lOsError == ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(error.m_strFileName.Find(L"missing.bin") >= 0);
    auto cause = [](int nCause) { return [nCause](CFileException* e) { return e->m_cause == nCause; }; };
    {
        CFile f;
        ASSERT_TRUE(f.Open(path, CFile::modeCreate | CFile::modeReadWrite | CFile::shareDenyWrite, &error));
        EXPECT_STREQ(L"data.bin", f.GetFileName());
        EXPECT_STREQ(L"data", f.GetFileTitle());
        EXPECT_STREQ(path, f.GetFilePath());
        f.Write("0123456789", 10);
        EXPECT_EQ(4u, f.Seek(4, CFile::begin));
        EXPECT_EQ(7u, f.Seek(-3, CFile::end)); // each origin counts from its own place
        EXPECT_EQ(4u, f.Seek(-3, CFile::current));
        char buf[8] = {0};
        EXPECT_EQ(3u, f.Read(buf, 3));
        EXPECT_STREQ("456", buf);
        EXPECT_EQ(3u, f.Read(buf, 8)); // only 3 left, then past the end
        EXPECT_EQ(0u, f.Read(buf, 8));
        f.SetLength(2);
        EXPECT_EQ(2u, f.GetLength());
        EXPECT_TRUE(
            Throws<CFileException>([&] { f.Seek(-100, CFile::begin); }, cause(CFileException::badSeek)));
        CFile other; // another writer is refused while we deny writing
        EXPECT_FALSE(other.Open(path, CFile::modeWrite, &error));
        EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
    }
    CFile::Rename(path, tmp.Path(L"renamed.bin"));
    CFile::Remove(tmp.Path(L"renamed.bin"));
    EXPECT_TRUE(Throws<CFileException>([&] { CFile::Remove(tmp.Path(L"renamed.bin")); },
                                       cause(CFileException::fileNotFound)));
    EXPECT_TRUE(Throws<CFileException>(
        [&] { CStdioFile f(tmp.Path(L"no\\such\\dir.txt"), CFile::modeRead); }, [](CFileException* e)
        { return e->m_cause == CFileException::badPath || e->m_cause == CFileException::fileNotFound; }));
}

TEST(FileFind, WalksATemporaryFolder)
{
    TempFolder tmp;
    WriteText(tmp.Path(L"a.txt"), L"12345", CFile::typeBinary);
    WriteText(tmp.Path(L"b.grd"), L"");
    ::CreateDirectoryW(tmp.Path(L"sub"), NULL);
    ::SetFileAttributesW(tmp.Path(L"b.grd"), FILE_ATTRIBUTE_READONLY);
    CFileFind ff;
    EXPECT_STREQ(L"", ff.GetFileName()); // nothing found yet
    std::set<std::wstring> names;
    int dots = 0;
    for (BOOL more = ff.FindFile(tmp.Root() + L"\\*.*"); more;)
    {
        more = ff.FindNextFile();
        if (ff.IsDots())
        {
            dots++;
            continue;
        }
        CString name = ff.GetFileName();
        names.insert((LPCWSTR)name);
        EXPECT_STREQ(tmp.Root() + L"\\" + name, ff.GetFilePath());
        if (name == L"a.txt")
        {
            EXPECT_EQ(10u, ff.GetLength()); // UTF-16 in binary mode
            EXPECT_STREQ(L"a", ff.GetFileTitle());
        }
        EXPECT_EQ(name == L"b.grd", ff.IsReadOnly() != FALSE) << (LPCWSTR)name;
        EXPECT_EQ(name == L"sub", ff.MatchesMask(FILE_ATTRIBUTE_DIRECTORY) != FALSE) << (LPCWSTR)name;
    }
    EXPECT_FALSE(ff.FindNextFile()); // past the end stays past the end
    EXPECT_EQ(2, dots);
    EXPECT_EQ((std::set<std::wstring>{L"a.txt", L"b.grd", L"sub"}), names);
    EXPECT_TRUE(ff.FindFile(tmp.Path(L"*.grd")));
    EXPECT_FALSE(ff.FindNextFile()); // the only match is also the last
    EXPECT_STREQ(L"b.grd", ff.GetFileName());
    EXPECT_FALSE(ff.FindFile(tmp.Path(L"*.none")));
    EXPECT_FALSE(ff.FindFile(L""));
}
