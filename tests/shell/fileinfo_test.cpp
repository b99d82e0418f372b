// CQSHFileInfo: the parts of paths, existence, the size and time texts of real files, the shell's
// answers for files, folders and missing paths, and the folder-browsing dialog.
#include "shelltest.h"

using namespace shelltest;

// Parts as _wsplitpath gives them; a part too long for its field leaves all four empty.
TEST(SHFileInfo, SplitsPathsIntoParts)
{
    const CString strLongDir = L"C:\\" + CString(L'd', 300) + L"\\x.txt";
    const CString strHuge = L"C:\\" + CString(L'h', 40000);
    struct Case
    {
        CString strPath;
        LPCWSTR drive, dir, fname, ext, root, filename;
    } cases[] = {
        {L"C:\\data\\report.final.dwg", L"C:", L"\\data\\", L"report.final", L".dwg", L"C:\\data\\",
         L"report.final.dwg"},
        {L"C:/data/sub/x.txt", L"C:", L"/data/sub/", L"x", L".txt", L"C:/data/sub/", L"x.txt"},
        {L"\\\\server\\share\\a.b", L"", L"\\\\server\\share\\", L"a", L".b", L"\\\\server\\share\\", L"a.b"},
        {L"C:\\dir.v2\\noext", L"C:", L"\\dir.v2\\", L"noext", L"", L"C:\\dir.v2\\", L"noext"},
        {L"C:\\data\\", L"C:", L"\\data\\", L"", L"", L"C:\\data\\", L""},
        {L"C:", L"C:", L"", L"", L"", L"C:", L""},
        {L".profile", L"", L"", L"", L".profile", L"", L".profile"},
        {L"", L"", L"", L"", L"", L"", L""},
        {strLongDir, L"", L"", L"", L"", L"", L""},
        {strHuge, L"", L"", L"", L"", L"", L""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(Narrow(c.strPath.Left(60)));
        CQSHFileInfo info(c.strPath);
        EXPECT_STREQ(c.root, info.GetRoot());
        EXPECT_STREQ(c.filename, info.GetFileName());
        EXPECT_STREQ(c.fname, info.GetFileTitle());
        EXPECT_STREQ(c.ext, info.GetFileExt());
        CString strDrive, strDir;
        CQSHFileInfo::SplitPath(c.strPath, &strDrive, &strDir, NULL, NULL);
        if (c.strPath.GetLength() < 200)
        {
            EXPECT_STREQ(c.drive, strDrive);
            EXPECT_STREQ(c.dir, strDir);
        }
    }
    CQSHFileInfo none;
    EXPECT_STREQ(L"", none.GetRoot());
    EXPECT_FALSE(none.Exist());
}

// Existence of files, folders, drive roots (no look at the disk: Q: does not exist), missing and
// over-long paths.
TEST(SHFileInfo, ExistenceOfPaths)
{
    CTempTree tree;
    ASSERT_TRUE(tree.MakeFolder(L"f"));
    ASSERT_TRUE(tree.MakeFile(L"f\\a.txt"));
    // What the platform answers for a folder named with a trailing backslash.
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW(tree.Path(L"f\\"), &fd);
    bool bTrailing = h != INVALID_HANDLE_VALUE;
    if (bTrailing)
        ::FindClose(h);
    struct Case
    {
        CString strPath;
        bool bExists;
    } cases[] = {
        {L"C:\\", true},
        {L"Q:\\", true},
        {tree.Root(), true},
        {tree.Path(L"f"), true},
        {tree.Path(L"f\\a.txt"), true},
        {tree.Path(L"f/a.txt"), true},
        {tree.Path(L"f\\..\\f"), true},
        {tree.Path(L"f\\"), bTrailing},
        {tree.Path(L"missing"), false},
        {tree.Path(L"f\\a.txt\\b"), false},
        {L"", false},
        {L"C:\\" + CString(L'x', 300), false},
        {L"C:\\" + CString(L'y', 33000), false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(Narrow(c.strPath.Left(80)));
        EXPECT_EQ(c.bExists, CQSHFileInfo(c.strPath).Exist());
    }
}

// Sizes and last-write times of real files through a finder, as the texts the user reads.
TEST(SHFileInfo, SizeAndTimeTextsOfFoundFiles)
{
    CTempTree tree;
    struct Case
    {
        LPCWSTR name;
        DWORD cb;
        LPCWSTR size;
    } cases[] = {{L"empty", 0, L"0"},
                 {L"small", 999, L"999"},
                 {L"thousand", 1000, L"1,000"},
                 {L"sixdigits", 123456, L"123,456"},
                 {L"more", 1234567, L"1,234,567"}};
    SYSTEMTIME stLocal = {2024, 3, 0, 5, 7, 9, 30, 0};
    FILETIME ftLocal, ft;
    ASSERT_TRUE(::SystemTimeToFileTime(&stLocal, &ftLocal));
    ASSERT_TRUE(::LocalFileTimeToFileTime(&ftLocal, &ft));
    for (const Case& c : cases)
    {
        SCOPED_TRACE(Narrow(c.name));
        ASSERT_TRUE(tree.MakeFile(c.name, c.cb));
        HANDLE h = ::CreateFileW(tree.Path(c.name), GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
        ASSERT_TRUE(h != INVALID_HANDLE_VALUE);
        ASSERT_TRUE(::SetFileTime(h, NULL, NULL, &ft));
        ::CloseHandle(h);
        CFileFind finder;
        ASSERT_TRUE(finder.FindFile(tree.Path(c.name)));
        finder.FindNextFile();
        CQSHFileInfo info(&finder);
        EXPECT_STREQ(c.size, info.GetFileSize());
        EXPECT_STREQ(L"03/05/2024 07:09", info.GetLastWriteTime());
        EXPECT_STREQ((LPCWSTR)tree.Path(c.name), info.m_strPath);
        EXPECT_STREQ(c.name, info.GetFileName());
    }
    // Without a finder there is nothing to measure.
    CQSHFileInfo byPath(tree.Path(L"small"));
    EXPECT_STREQ(L"", byPath.GetFileSize());
    EXPECT_STREQ(L"", byPath.GetLastWriteTime());
}

// The shell's display name, type and icon: real for files and folders, empty (index 0) for
// missing and over-long paths.
TEST(SHFileInfo, ShellInformationOfFilesFoldersAndMissingPaths)
{
    CTempTree tree;
    ASSERT_TRUE(tree.MakeFolder(L"plans"));
    ASSERT_TRUE(tree.MakeFile(L"plans\\site.txt", 10));
    CQSHFileInfo folder(tree.Path(L"plans")), file(tree.Path(L"plans\\site.txt"));
    EXPECT_STREQ(L"plans", folder.GetDisplayName());
    EXPECT_EQ(0, file.GetDisplayName().Find(L"site"));
    EXPECT_FALSE(folder.GetDescription().IsEmpty());
    EXPECT_FALSE(file.GetDescription().IsEmpty());
    EXPECT_STRNE(folder.GetDescription(), file.GetDescription());
    EXPECT_NE(folder.GetIconIndex(), file.GetIconIndex());
    for (const CString& strPath : {tree.Path(L"missing.txt"), L"C:\\" + CString(L'z', 400)})
    {
        CQSHFileInfo missing(strPath);
        EXPECT_STREQ(L"", missing.GetDisplayName());
        EXPECT_EQ(0, missing.GetIconIndex());
    }
    CImageList small, large;
    CQSHFileInfo().GetSystemImageList(&small, &large);
    ASSERT_TRUE(small.m_hImageList != NULL && large.m_hImageList != NULL);
    int cxSmall = 0, cySmall = 0, cxLarge = 0, cyLarge = 0;
    ImageList_GetIconSize(small.m_hImageList, &cxSmall, &cySmall);
    ImageList_GetIconSize(large.m_hImageList, &cxLarge, &cyLarge);
    EXPECT_LT(cxSmall, cxLarge);
    EXPECT_GT(small.GetImageCount(), folder.GetIconIndex());
    small.Detach(); // the lists belong to the system
    large.Detach();
}

namespace
{

// Answers the folder-browsing dialog once it shows: notes every text in it, then presses the
// button.
struct BrowseAnswer
{
    int nButton = IDCANCEL;
    int nSeen = 0;
    std::vector<CString> texts;
};
BrowseAnswer* g_pAnswer = NULL;

BOOL CALLBACK NoteText(HWND hWnd, LPARAM)
{
    wchar_t sz[256] = L"";
    ::GetWindowTextW(hWnd, sz, 256);
    g_pAnswer->texts.push_back(sz);
    return TRUE;
}

void CALLBACK AnswerBrowseTimer(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hDlg = NULL;
    while ((hDlg = ::FindWindowExW(NULL, hDlg, L"#32770", NULL)) != NULL)
    {
        DWORD pid = 0;
        if (::GetWindowThreadProcessId(hDlg, &pid) == ::GetCurrentThreadId() && ::IsWindowVisible(hDlg))
            break;
    }
    if (hDlg == NULL || g_pAnswer == NULL)
        return;
    g_pAnswer->nSeen++;
    ::EnumChildWindows(hDlg, NoteText, 0);
    ::PostMessageW(hDlg, WM_COMMAND, g_pAnswer->nButton, 0);
}

int Browse(CQSHFileInfo& info, BrowseAnswer& answer)
{
    g_pAnswer = &answer;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 200, AnswerBrowseTimer);
    int nResult = info.BrowseForFolder(NULL);
    ::KillTimer(NULL, nTimer);
    g_pAnswer = NULL;
    return nResult;
}

} // namespace

// The dialog shows "Open" without a title, comes back with the folder it was asked to select
// when accepted, answers FALSE when cancelled, and does not open for a root that does not parse.
TEST(SHFileInfo, BrowseForFolder)
{
    CTempTree tree;
    ASSERT_TRUE(tree.MakeFolder(L"chosen"));
    {
        CQSHFileInfo info;
        info.m_strSelect = tree.Path(L"chosen");
        BrowseAnswer answer;
        answer.nButton = IDOK;
        EXPECT_TRUE(Browse(info, answer));
        EXPECT_EQ(1, answer.nSeen);
        EXPECT_STREQ((LPCWSTR)tree.Path(L"chosen"), info.m_strFolder);
        EXPECT_TRUE(std::find(answer.texts.begin(), answer.texts.end(), CString(L"Open")) !=
                    answer.texts.end());
    }
    {
        CQSHFileInfo info;
        info.m_strTitle = L"Pick the drawings folder";
        info.m_strRoot = tree.Root();
        BrowseAnswer answer;
        EXPECT_FALSE(Browse(info, answer));
        EXPECT_EQ(1, answer.nSeen);
        EXPECT_TRUE(std::find(answer.texts.begin(), answer.texts.end(), info.m_strTitle) !=
                    answer.texts.end());
    }
    const CString strMissing = tree.Path(L"not\\there");
    for (LPCWSTR lpszRoot : {(LPCWSTR)strMissing, L"relative\\folder", L"/tmp"})
    {
        CQSHFileInfo info;
        info.m_strRoot = lpszRoot;
        BrowseAnswer answer;
        EXPECT_FALSE(Browse(info, answer));
        EXPECT_EQ(0, answer.nSeen);
    }
}
