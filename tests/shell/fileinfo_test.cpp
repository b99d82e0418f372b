// CQSHFileInfo: the parts of paths, existence, the size and time texts of real
// files, the shell's answers for files, folders and missing paths, and the
// folder-browsing dialog.
#include "shelltest.h"

using namespace shelltest;

// Parts as _wsplitpath gives them (drive, directory, title, extension); a part
// too long for its field leaves all four empty.
TEST(SHFileInfo, SplitsPathsIntoParts)
{
    const std::vector<CString> cases[] = {
        {L"C:\\data\\report.final.dwg", L"C:", L"\\data\\", L"report.final", L".dwg"},
        {L"C:/data/sub/x.txt", L"C:", L"/data/sub/", L"x", L".txt"},
        {L"\\\\server\\share\\a.b", L"", L"\\\\server\\share\\", L"a", L".b"},
        {L"C:\\dir.v2\\noext", L"C:", L"\\dir.v2\\", L"noext", L""},
        {L"C:\\data\\", L"C:", L"\\data\\", L"", L""},
        {L".profile", L"", L"", L"", L".profile"},
        {L"", L"", L"", L"", L""},
        {L"C:\\" + CString(L'd', 300) + L"\\x.txt", L"", L"", L"", L""},
        {L"C:\\" + CString(L'h', 40000), L"", L"", L"", L""},
    };
    for (const std::vector<CString>& c : cases)
    {
        CQSHFileInfo info(c[0]);
        EXPECT_STREQ(c[1] + c[2], info.GetRoot()) << Narrow(c[0].Left(60));
        EXPECT_STREQ(c[3] + c[4], info.GetFileName());
        EXPECT_STREQ(c[3], info.GetFileTitle());
        EXPECT_STREQ(c[4], info.GetFileExt());
    }
}

// Existence of files, folders, drive roots (no look at the disk: Q: does not
// exist), missing and over-long paths; a longer path with a trailing backslash
// is looked up as it is.
TEST(SHFileInfo, ExistenceOfPaths)
{
    CTempFolder tree;
    ASSERT_TRUE(tree.MakeFolder(L"f") && tree.MakeFile(L"f\\a.txt"));
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW(tree.Path(L"f\\"), &fd);
    if (h != INVALID_HANDLE_VALUE)
        ::FindClose(h);
    const std::pair<CString, bool> cases[] = {
        {L"C:\\", true},
        {L"Q:\\", true},
        {tree.Path(L"f"), true},
        {tree.Path(L"f/a.txt"), true},
        {tree.Path(L"f\\..\\f"), true},
        {tree.Path(L"f\\"), h != INVALID_HANDLE_VALUE},
        {tree.Path(L"f\\a.txt\\b"), false},
        {L"", false},
        {L"C:\\" + CString(L'x', 300), false},
        {L"C:\\" + CString(L'y', 33000), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, CQSHFileInfo(c.first).Exist()) << Narrow(c.first.Left(80));
}

// Sizes and last-write times of real files through a finder, as the texts the
// user reads; none without a finder.
TEST(SHFileInfo, SizeAndTimeTextsOfFoundFiles)
{
    CTempFolder tree;
    const std::pair<DWORD, LPCWSTR> cases[] = {
        {0, L"0"}, {999, L"999"}, {1000, L"1,000"}, {123456, L"123,456"}, {1234567, L"1,234,567"}};
    SYSTEMTIME stLocal = {2024, 3, 0, 5, 7, 9, 30, 0};
    FILETIME ftLocal, ft;
    ASSERT_TRUE(::SystemTimeToFileTime(&stLocal, &ftLocal) && ::LocalFileTimeToFileTime(&ftLocal, &ft));
    for (const auto& c : cases)
    {
        CString strName;
        strName.Format(L"f%lu.bin", c.first);
        ASSERT_TRUE(tree.MakeFile(strName, c.first));
        HANDLE h = ::CreateFileW(tree.Path(strName), GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
        ASSERT_TRUE(::SetFileTime(h, NULL, NULL, &ft));
        ::CloseHandle(h);
        CFileFind finder;
        ASSERT_TRUE(finder.FindFile(tree.Path(strName)));
        finder.FindNextFile();
        CQSHFileInfo info(&finder);
        EXPECT_STREQ(c.second, info.GetFileSize());
        EXPECT_STREQ(L"03/05/2024 07:09", info.GetLastWriteTime());
        EXPECT_STREQ(strName, info.GetFileName());
    }
    CQSHFileInfo byPath(tree.Path(L"f999.bin"));
    EXPECT_STREQ(L"", byPath.GetFileSize() + byPath.GetLastWriteTime());
}

// The shell's display name, type and icon: real for files and folders, empty
// (index 0) for missing and over-long paths; the system image lists, small and
// large.
TEST(SHFileInfo, ShellInformationOfFilesFoldersAndMissingPaths)
{
    CTempFolder tree;
    ASSERT_TRUE(tree.MakeFolder(L"plans") && tree.MakeFile(L"plans\\site.txt", 10));
    CQSHFileInfo folder(tree.Path(L"plans")), file(tree.Path(L"plans\\site.txt"));
    EXPECT_STREQ(L"plans", folder.GetDisplayName());
    EXPECT_EQ(0, file.GetDisplayName().Find(L"site"));
    EXPECT_FALSE(file.GetDescription().IsEmpty() || folder.GetDescription() == file.GetDescription());
    EXPECT_NE(file.GetDisplayName(), file.GetDescription()); // a type, not a name
    EXPECT_NE(folder.GetIconIndex(), file.GetIconIndex());
    for (const CString& strPath : {tree.Path(L"missing.txt"), L"C:\\" + CString(L'z', 400)})
    {
        CQSHFileInfo missing(strPath);
        EXPECT_STREQ(L"", missing.GetDisplayName() + missing.GetDescription());
        EXPECT_EQ(0, missing.GetIconIndex());
    }
    CImageList small, large;
    CQSHFileInfo().GetSystemImageList(&small, &large);
    int cxSmall = 0, cySmall = 0, cxLarge = 0, cyLarge = 0;
    ASSERT_TRUE(ImageList_GetIconSize(small.Detach(), &cxSmall, &cySmall) &&
                ImageList_GetIconSize(large.Detach(), &cxLarge,
                                      &cyLarge)); // the lists are the system's
    EXPECT_LT(cxSmall, cxLarge);
}

namespace
{

// Answers the folder-browsing dialog when it shows and its tree has selected
// the item expected (the dialog selects it some time after it shows; after
// kMaxTicks it answers anyway): notes whether the dialog shows a text, then
// sends (not posts: nothing can change the selection in between) a button.
struct BrowseAnswer
{
    int nButton;
    LPCWSTR lpszText,
        lpszSelect; // lpszSelect: the text of the item to wait for; NULL: none
    int nSeen, nShown, nTicks;
} g_answer;

const int kTickMs = 20, kMaxTicks = 250;

void CALLBACK AnswerBrowseTimer(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hDlg = NULL;
    while (g_answer.nSeen == 0 && (hDlg = ::FindWindowExW(NULL, hDlg, L"#32770", NULL)) != NULL)
        if (::GetWindowThreadProcessId(hDlg, NULL) == ::GetCurrentThreadId() && ::IsWindowVisible(hDlg))
        {
            CTreeCtrl* pTree = (CTreeCtrl*)CWnd::FromHandle(::FindWindowExW(hDlg, NULL, WC_TREEVIEWW, NULL));
            if (g_answer.lpszSelect != NULL &&
                pTree->GetItemText(pTree->GetSelectedItem()) != g_answer.lpszSelect &&
                ++g_answer.nTicks < kMaxTicks)
                return;
            g_answer.nSeen++;
            g_answer.nShown += ::FindWindowExW(hDlg, NULL, NULL, g_answer.lpszText) != NULL;
            ::SendMessageW(hDlg, WM_COMMAND, g_answer.nButton, 0);
        }
}

// Reads every folder from a path up to its drive's root. This shell's
// identifier lists carry a folder's last-access time, and the dialog finds the
// folder to select by comparing its own lists byte by byte with the ones it
// parses: a folder changed since it was last read gets a new access time while
// the parse reads it, and nothing matches. Read once after the change, it keeps
// it.
void ReadFoldersUpTo(CString strPath)
{
    for (; strPath.GetLength() > 3; strPath = strPath.Left(strPath.ReverseFind(L'\\')))
    {
        CFileFind finder;
        for (BOOL bMore = finder.FindFile(strPath + L"\\*"); bMore;)
            bMore = finder.FindNextFile();
    }
}

BOOL Browse(CQSHFileInfo& info, int nButton, LPCWSTR lpszText, LPCWSTR lpszSelect = NULL)
{
    g_answer = {nButton, lpszText, lpszSelect, 0, 0, 0};
    UINT_PTR nTimer = ::SetTimer(NULL, 0, kTickMs, AnswerBrowseTimer);
    BOOL bResult = info.BrowseForFolder(NULL);
    ::KillTimer(NULL, nTimer);
    return bResult;
}

} // namespace

// The dialog shows "Open" without a title and comes back with the folder it was
// asked to select; cancelled it answers FALSE; a root that does not parse keeps
// it from opening.
TEST(SHFileInfo, BrowseForFolder)
{
    CTempFolder tree;
    ASSERT_TRUE(tree.MakeFolder(L"chosen"));
    CQSHFileInfo accepted, cancelled;
    accepted.m_strSelect = tree.Path(L"chosen");
    ReadFoldersUpTo(accepted.m_strSelect);
    EXPECT_TRUE(Browse(accepted, IDOK, L"Open", L"chosen"));
    EXPECT_LT(g_answer.nTicks, kMaxTicks) << "the dialog never selected the folder";
    EXPECT_STREQ((LPCWSTR)tree.Path(L"chosen"), accepted.m_strFolder);
    EXPECT_EQ(1, g_answer.nShown);
    cancelled.m_strTitle = L"Pick the drawings folder";
    cancelled.m_strRoot = tree.Root();
    EXPECT_FALSE(Browse(cancelled, IDCANCEL, cancelled.m_strTitle));
    EXPECT_EQ(1, g_answer.nShown);
    for (const CString& strRoot : {tree.Path(L"not\\there"), CString(L"relative\\folder"), CString(L"/tmp")})
    {
        CQSHFileInfo info;
        info.m_strRoot = strRoot;
        EXPECT_FALSE(Browse(info, IDOK, L""));
        EXPECT_EQ(0, g_answer.nSeen);
    }
}
