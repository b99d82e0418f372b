// Files: text lines through CStdioFile in the C run-time's locale, binary CFile access and
// errors, and CFileFind over a temporary folder.
#include <gtest/gtest.h>
#include <afx.h>
#include <locale.h>
#include <set>
#include <string>

namespace {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    WCHAR szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    m_strPath.Format(L"%safxcore_%lu_%lu", szTemp, ::GetCurrentProcessId(), ::GetTickCount());
    ::CreateDirectoryW(m_strPath, NULL);
  }
  ~TempFolder() { RemoveTree(m_strPath); }
  CString Path(LPCWSTR name) const { return m_strPath + L"\\" + name; }
  const CString& Root() const { return m_strPath; }

 private:
  static void RemoveTree(const CString& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW(dir + L"\\*", &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        CString name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        CString full = dir + L"\\" + name;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          RemoveTree(full);
        else
          ::DeleteFileW(full);
      } while (::FindNextFileW(h, &fd));
      ::FindClose(h);
    }
    ::RemoveDirectoryW(dir);
  }
  CString m_strPath;
};

std::string ReadBytes(const CString& path) {
  CFile f(path, CFile::modeRead);
  std::string bytes((size_t)f.GetLength(), '\0');
  if (!bytes.empty()) f.Read(&bytes[0], (UINT)bytes.size());
  return bytes;
}

void WriteBytes(const CString& path, const std::string& bytes) {
  CFile f(path, CFile::modeCreate | CFile::modeWrite);
  f.Write(bytes.data(), (UINT)bytes.size());
}

// Sets the C run-time locale for one test and restores "C" afterwards.
class LocaleScope {
 public:
  explicit LocaleScope(const char* name) { m_bOk = setlocale(LC_ALL, name) != NULL; }
  ~LocaleScope() { setlocale(LC_ALL, "C"); }
  bool Ok() const { return m_bOk; }

 private:
  bool m_bOk;
};

}  // namespace

TEST(StdioFile, TextLinesRoundTripWithCrLfOnDisk) {
  TempFolder tmp;
  CString path = tmp.Path(L"lines.txt");
  {
    CStdioFile f;
    ASSERT_TRUE(f.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText));
    f.WriteString(L"A,B\n");
    f.WriteString(L"");
    f.WriteString(L"\nc,d\nno newline at end");
    f.Close();
  }
  EXPECT_EQ("A,B\r\n\r\nc,d\r\nno newline at end", ReadBytes(path));

  CStdioFile f(path, CFile::modeRead | CFile::typeText);
  CString line;
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_STREQ(L"A,B", line);
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_STREQ(L"", line);
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_STREQ(L"c,d", line);
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_STREQ(L"no newline at end", line);
  EXPECT_FALSE(f.ReadString(line));
  EXPECT_TRUE(line.IsEmpty());
  EXPECT_FALSE(f.ReadString(line));  // stays at the end
}

TEST(StdioFile, LongLinesReadInPiecesAndAppendMode) {
  TempFolder tmp;
  CString path = tmp.Path(L"long.txt");
  CString longLine(L'x', 2500);
  {
    CStdioFile f(path, CFile::modeCreate | CFile::modeWrite);
    f.WriteString(longLine + L"\n");
  }
  {
    // Kept, not emptied; as with the framework, writing starts at the beginning until the
    // caller seeks to the end.
    CStdioFile f(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
    EXPECT_EQ(0u, f.GetPosition());
    f.SeekToEnd();
    f.WriteString(L"tail\n");
  }
  CStdioFile f(path, CFile::modeRead);
  wchar_t buf[1024];
  ASSERT_NE(nullptr, f.ReadString(buf, 1024));
  EXPECT_EQ(1023u, wcslen(buf));
  ASSERT_NE(nullptr, f.ReadString(buf, 1024));
  EXPECT_EQ(1023u, wcslen(buf));
  ASSERT_NE(nullptr, f.ReadString(buf, 1024));
  EXPECT_EQ(2500u - 2046u + 1u, wcslen(buf));  // the rest with its line feed
  EXPECT_EQ(L'\n', buf[wcslen(buf) - 1]);
  CString line;
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_STREQ(L"tail", line);
  EXPECT_EQ(nullptr, f.ReadString(buf, 1024));
}

TEST(StdioFile, LocaleDecidesTheBytes) {
  TempFolder tmp;
  CString path = tmp.Path(L"cn.txt");
  {
    LocaleScope locale(".936");
    if (!locale.Ok()) GTEST_SKIP() << "code page 936 locale not available";
    {
      CStdioFile f(path, CFile::modeCreate | CFile::modeWrite);
      f.WriteString(L"\x4E2D\x6587,ok\n");  // "中文"
    }
    EXPECT_EQ("\xD6\xD0\xCE\xC4,ok\r\n", ReadBytes(path));
    CStdioFile f(path, CFile::modeRead);
    CString line;
    ASSERT_TRUE(f.ReadString(line));
    EXPECT_STREQ(L"\x4E2D\x6587,ok", line);
  }
  // In the "C" locale the same characters cannot be encoded: they become '?'.
  {
    CStdioFile f(path, CFile::modeCreate | CFile::modeWrite);
    f.WriteString(L"\x4E2D|\xE9\n");
  }
  EXPECT_EQ("?|\xE9\r\n", ReadBytes(path));
}

TEST(StdioFile, BadBytesNeverCrash) {
  TempFolder tmp;
  CString path = tmp.Path(L"bad.txt");
  const std::string junk("ok\r\n\x81\n\xff\xfe\x80" "abc\r\n\xd6\x0a" "end\x81", 20);
  WriteBytes(path, junk);
  const char* locales[] = {"C", ".936", ".1252"};
  for (const char* name : locales) {
    LocaleScope locale(name);
    if (!locale.Ok()) continue;
    CStdioFile f(path, CFile::modeRead);
    CString line;
    int nLines = 0;
    bool sawAbc = false, sawEnd = false;
    while (f.ReadString(line) && nLines < 100) {
      nLines++;
      sawAbc = sawAbc || line.Find(L"abc") >= 0;
      sawEnd = sawEnd || line.Find(L"end") == 0;
    }
    EXPECT_EQ(5, nLines) << name;
    EXPECT_TRUE(sawAbc) << name;
    EXPECT_TRUE(sawEnd) << name;  // a lead byte before the line feed does not swallow it
    f.SeekToBegin();
    wchar_t small[3];
    int nPieces = 0;
    while (f.ReadString(small, 3) != NULL && nPieces < 100) nPieces++;
    EXPECT_GT(nPieces, 5) << name;
  }
}

TEST(StdioFile, BinaryModeKeepsUtf16) {
  TempFolder tmp;
  CString path = tmp.Path(L"bin.dat");
  {
    CStdioFile f(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    f.WriteString(L"\x4E2D\n2");
  }
  EXPECT_EQ(std::string("\x2D\x4E\x0A\x00\x32\x00", 6), ReadBytes(path));
  CStdioFile f(path, CFile::modeRead | CFile::typeBinary);
  EXPECT_EQ(6u, f.GetLength());
  CString line;
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_STREQ(L"\x4E2D", line);
  ASSERT_TRUE(f.ReadString(line));
  EXPECT_STREQ(L"2", line);
  EXPECT_FALSE(f.ReadString(line));
}

TEST(File, BinaryAccessAndErrors) {
  TempFolder tmp;
  CString path = tmp.Path(L"data.bin");
  CFileException error;
  CFile missing;
  EXPECT_FALSE(missing.Open(tmp.Path(L"missing.bin"), CFile::modeRead, &error));
  EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, error.m_lOsError);
  EXPECT_TRUE(error.m_strFileName.Find(L"missing.bin") >= 0);
  EXPECT_EQ(CFile::hFileNull, missing.m_hFile);

  {
    CFile f;
    ASSERT_TRUE(f.Open(path, CFile::modeCreate | CFile::modeReadWrite | CFile::shareDenyWrite, &error));
    EXPECT_STREQ(L"data.bin", f.GetFileName());
    EXPECT_STREQ(L"data", f.GetFileTitle());
    EXPECT_STREQ(path, f.GetFilePath());
    f.Write("0123456789", 10);
    EXPECT_EQ(10u, f.GetLength());
    EXPECT_EQ(4u, f.Seek(4, CFile::begin));
    char buf[8] = {0};
    EXPECT_EQ(3u, f.Read(buf, 3));
    EXPECT_STREQ("456", buf);
    EXPECT_EQ(7u, f.GetPosition());
    EXPECT_EQ(3u, f.Read(buf, 8));  // only 3 left, then past the end
    EXPECT_EQ(0u, f.Read(buf, 8));
    f.SetLength(2);
    EXPECT_EQ(2u, f.GetLength());
    bool thrown = false;
    try {
      f.Seek(-100, CFile::begin);
    } catch (CFileException* e) {
      thrown = e->m_cause == CFileException::badSeek;
      e->Delete();
    }
    EXPECT_TRUE(thrown);
    // Another writer is refused while we deny writing.
    CFile other;
    EXPECT_FALSE(other.Open(path, CFile::modeWrite, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
  }
  CFile::Rename(path, tmp.Path(L"renamed.bin"));
  CFile::Remove(tmp.Path(L"renamed.bin"));
  bool thrown = false;
  try {
    CFile::Remove(tmp.Path(L"renamed.bin"));
  } catch (CFileException* e) {
    thrown = e->m_cause == CFileException::fileNotFound;
    e->Delete();
  }
  EXPECT_TRUE(thrown);
  thrown = false;
  try {
    CStdioFile f(tmp.Path(L"no\\such\\dir.txt"), CFile::modeRead);
  } catch (CFileException* e) {
    thrown = e->m_cause == CFileException::badPath || e->m_cause == CFileException::fileNotFound;
    e->Delete();
  }
  EXPECT_TRUE(thrown);
}

TEST(FileFind, WalksATemporaryFolder) {
  TempFolder tmp;
  WriteBytes(tmp.Path(L"a.txt"), "12345");
  WriteBytes(tmp.Path(L"b.grd"), "");
  ::CreateDirectoryW(tmp.Path(L"sub"), NULL);
  ::SetFileAttributesW(tmp.Path(L"b.grd"), FILE_ATTRIBUTE_READONLY);

  CFileFind ff;
  EXPECT_STREQ(L"", ff.GetFileName());  // nothing found yet
  BOOL more = ff.FindFile(tmp.Root() + L"\\*.*");
  ASSERT_TRUE(more);
  std::set<std::wstring> names;
  int dots = 0;
  while (more) {
    more = ff.FindNextFile();
    if (ff.IsDots()) {
      dots++;
      continue;
    }
    CString name = ff.GetFileName();
    names.insert((LPCWSTR)name);
    EXPECT_STREQ(tmp.Root() + L"\\" + name, ff.GetFilePath());
    EXPECT_STREQ(tmp.Root(), ff.GetRoot());
    if (name == L"a.txt") {
      EXPECT_EQ(5u, ff.GetLength());
      EXPECT_STREQ(L"a", ff.GetFileTitle());
      EXPECT_FALSE(ff.IsDirectory());
      FILETIME ft = {0, 0};
      EXPECT_TRUE(ff.GetLastWriteTime(&ft));
      EXPECT_TRUE(ft.dwHighDateTime != 0 || ft.dwLowDateTime != 0);
    } else if (name == L"b.grd") {
      EXPECT_TRUE(ff.IsReadOnly());
    } else if (name == L"sub") {
      EXPECT_TRUE(ff.IsDirectory());
      EXPECT_TRUE(ff.MatchesMask(FILE_ATTRIBUTE_DIRECTORY));
    }
  }
  EXPECT_FALSE(ff.FindNextFile());  // past the end stays past the end
  EXPECT_EQ(2, dots);
  EXPECT_EQ((std::set<std::wstring>{L"a.txt", L"b.grd", L"sub"}), names);

  EXPECT_TRUE(ff.FindFile(tmp.Path(L"*.grd")));
  EXPECT_FALSE(ff.FindNextFile());  // the only match is also the last
  EXPECT_STREQ(L"b.grd", ff.GetFileName());
  EXPECT_FALSE(ff.FindFile(tmp.Path(L"*.none")));
  EXPECT_FALSE(ff.FindFile(L""));

  WCHAR szOld[MAX_PATH];
  ::GetCurrentDirectoryW(MAX_PATH, szOld);
  ::SetCurrentDirectoryW(tmp.Path(L"sub"));
  EXPECT_TRUE(ff.FindFile());  // "*.*" in the current folder: "." and ".."
  ff.FindNextFile();
  EXPECT_TRUE(ff.IsDots());
  EXPECT_STREQ(tmp.Path(L"sub"), ff.GetRoot());
  ff.Close();
  ::SetCurrentDirectoryW(szOld);
  ::SetFileAttributesW(tmp.Path(L"b.grd"), FILE_ATTRIBUTE_NORMAL);
}
