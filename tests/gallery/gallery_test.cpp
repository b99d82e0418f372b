// The gallery module loaded as the host loads it: its window opens every page and closes without
// leaving windows or GDI objects behind, and the screenshot mode writes one real image per page.
#include <gtest/gtest.h>

#include "../../demo/GalleryApi.h"
#include "qctl.h"
#include "testwin.h"

#include <winternl.h>

#include <set>
#include <string>
#include <vector>

extern "C"
{
    struct QGdiplusStartupInput
    {
        UINT32 GdiplusVersion;
        void* DebugEventCallback;
        BOOL SuppressBackgroundThread;
        BOOL SuppressExternalCodecs;
    };
    int WINAPI GdiplusStartup(ULONG_PTR* token, const QGdiplusStartupInput* input, void* output);
    void WINAPI GdiplusShutdown(ULONG_PTR token);
    int WINAPI GdipCreateBitmapFromFile(const WCHAR* filename, void** bitmap);
    int WINAPI GdipGetImageWidth(void* image, UINT* width);
    int WINAPI GdipGetImageHeight(void* image, UINT* height);
    int WINAPI GdipBitmapGetPixel(void* bitmap, INT x, INT y, DWORD* argb);
    int WINAPI GdipDisposeImage(void* image);
}

namespace
{

const UINT kPageListId = 100, kFirstPageId = 200;

// GDI objects of this process. Wine's GetGuiResources answers 0; there the process's GDI handle
// table (the one the process environment block points to) is counted instead.
int GdiObjectCount()
{
    DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (n != 0)
        return (int)n;
    struct Entry
    {
        UINT64 object;
        ULONG owner;
        USHORT unique;
        UCHAR type, flags;
        UINT64 user;
    };
    typedef LONG(WINAPI * QueryProc)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto pfnQuery =
        (QueryProc)::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION info = {};
    if (pfnQuery == NULL ||
        pfnQuery(::GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info), NULL) != 0)
        return -1;
    const BYTE* peb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    const Entry* table = *reinterpret_cast<const Entry* const*>(peb + 0xF8); // GdiSharedHandleTable
    if (table == NULL)
        return -1;
    int nCount = 0;
    for (int i = 0; i < 0x10000; i++)
        if (table[i].type != 0)
            nCount++;
    return nCount;
}

BOOL CALLBACK CountChild(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM lParam)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != ::GetCurrentProcessId())
        return TRUE;
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, CountChild, lParam);
    return TRUE;
}

// Windows of this process, children included.
int WindowCount()
{
    int n = 0;
    ::EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&n));
    return n;
}

class GalleryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hModule = ::LoadLibraryW(QGALLERY_MODULE_NAME);
        ASSERT_NE(m_hModule, nullptr);
        m_pfnCreate = (QGALLERYCREATEPROC)::GetProcAddress(m_hModule, QGALLERY_CREATE_PROC);
        m_pfnShots = (QGALLERYSCREENSHOTSPROC)::GetProcAddress(m_hModule, QGALLERY_SCREENSHOTS_PROC);
        ASSERT_NE(m_pfnCreate, nullptr);
        ASSERT_NE(m_pfnShots, nullptr);
    }
    void TearDown() override
    {
        if (m_hModule != NULL)
            ::FreeLibrary(m_hModule);
    }

    // Opens every page as a click in the list of pages does; returns the number of pages.
    static int VisitPages(HWND hGallery)
    {
        HWND hList = ::GetDlgItem(hGallery, kPageListId);
        int nPages = (int)::SendMessageW(hList, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < nPages; i++)
        {
            ::SendMessageW(hList, LB_SETCURSEL, i, 0);
            ::SendMessageW(hGallery, WM_COMMAND, MAKEWPARAM(kPageListId, LBN_SELCHANGE), (LPARAM)hList);
            qtest::PumpMessages();
            for (int j = 0; j < nPages; j++)
            {
                HWND hPage = ::GetDlgItem(hGallery, kFirstPageId + j);
                EXPECT_EQ(hPage != NULL && ::IsWindowVisible(hPage) != FALSE, j == i)
                    << "page " << j << " with " << i << " chosen";
            }
        }
        return nPages;
    }

    static void Close(HWND hGallery)
    {
        ::DestroyWindow(hGallery);
        qtest::PumpMessages();
        qtest::RunIdle();
    }

    // The grids of a page, by their window class.
    static std::vector<CQGridCtrl*> Grids(HWND hPage)
    {
        std::vector<CQGridCtrl*> grids;
        for (HWND h = ::GetWindow(hPage, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
            if (CQGridCtrl* pGrid = dynamic_cast<CQGridCtrl*>(CWnd::FromHandlePermanent(h)))
                grids.push_back(pGrid);
        return grids;
    }

    HMODULE m_hModule = NULL;
    QGALLERYCREATEPROC m_pfnCreate = NULL;
    QGALLERYSCREENSHOTSPROC m_pfnShots = NULL;
};

TEST_F(GalleryTest, OpensEveryPageWithItsDataAndClosesWithoutLeaks)
{
    // A first round makes what lives as long as the process (window classes, stock and cached
    // objects); the second must give everything back.
    HWND hGallery = m_pfnCreate(SW_SHOWNOACTIVATE);
    ASSERT_NE(hGallery, nullptr);
    VisitPages(hGallery);
    Close(hGallery);

    const int nGdiBefore = GdiObjectCount(), nWindowsBefore = WindowCount();
    ASSERT_GT(nGdiBefore, 0);
    hGallery = m_pfnCreate(SW_SHOWNOACTIVATE);
    ASSERT_NE(hGallery, nullptr);
    EXPECT_GE(VisitPages(hGallery), 3);

    // The pipe grid: the shipped table with its headings fixed and editors per column; the
    // fastener grid in list mode.
    std::vector<CQGridCtrl*> pipes = Grids(::GetDlgItem(hGallery, kFirstPageId));
    ASSERT_EQ(pipes.size(), 1u);
    CQGridCtrl* pGrid = pipes[0];
    EXPECT_EQ(pGrid->GetRowCount(), 305);
    EXPECT_EQ(pGrid->GetFixedRowCount(), 1);
    EXPECT_EQ(pGrid->GetFixedColumnCount(), 1);
    EXPECT_EQ(pGrid->GetItemText(0, 5), CString(L"Schedule"));
    EXPECT_EQ(pGrid->GetCellStyle(10, 5), 3u);
    CStringArray choices;
    pGrid->GetCellListArray(10, 5, choices);
    ASSERT_EQ(choices.GetSize(), 4);
    EXPECT_EQ(choices[0], pGrid->GetItemText(10, 5)); // the cell keeps its own value
    EXPECT_EQ(pGrid->GetCellStyle(10, 7), 7u);
    EXPECT_TRUE(pGrid->GetImageList() != NULL);
    std::vector<CQGridCtrl*> fasteners = Grids(::GetDlgItem(hGallery, kFirstPageId + 1));
    ASSERT_EQ(fasteners.size(), 1u);
    EXPECT_TRUE(fasteners[0]->GetListMode());
    EXPECT_GT(fasteners[0]->GetRowCount(), 200);

    Close(hGallery);
    EXPECT_EQ(WindowCount(), nWindowsBefore);
    EXPECT_EQ(GdiObjectCount(), nGdiBefore);
}

// Reads a PNG back: its size and the distinct colours of the pixels right of the page list.
bool ReadImage(const std::wstring& path, UINT& cx, UINT& cy, std::set<DWORD>& colours)
{
    QGdiplusStartupInput input = {1, NULL, FALSE, FALSE};
    ULONG_PTR token = 0;
    if (GdiplusStartup(&token, &input, NULL) != 0)
        return false;
    void* pBitmap = NULL;
    bool bOk = GdipCreateBitmapFromFile(path.c_str(), &pBitmap) == 0;
    if (bOk)
    {
        GdipGetImageWidth(pBitmap, &cx);
        GdipGetImageHeight(pBitmap, &cy);
        for (UINT y = 0; y < cy; y += 3)
            for (UINT x = 220; x < cx; x += 3)
            {
                DWORD argb = 0;
                GdipBitmapGetPixel(pBitmap, (INT)x, (INT)y, &argb);
                colours.insert(argb);
            }
        GdipDisposeImage(pBitmap);
    }
    GdiplusShutdown(token);
    return bOk;
}

TEST_F(GalleryTest, ScreenshotsShowEveryPageWithItsControls)
{
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    std::wstring folder = std::wstring(szTemp) + L"qctl_gallery_shots";
    ::CreateDirectoryW(folder.c_str(), NULL);

    HWND hGallery = m_pfnCreate(SW_SHOWNOACTIVATE);
    ASSERT_NE(hGallery, nullptr);
    int nPages = (int)::SendDlgItemMessageW(hGallery, kPageListId, LB_GETCOUNT, 0, 0);
    EXPECT_EQ(m_pfnShots(hGallery, folder.c_str()), nPages);
    EXPECT_EQ(m_pfnShots(::GetDesktopWindow(), folder.c_str()), -1);
    EXPECT_EQ(m_pfnShots(hGallery, (folder + L"\\no such folder").c_str()), 0);
    RECT client;
    ::GetClientRect(hGallery, &client);
    Close(hGallery);

    WIN32_FIND_DATAW fd;
    HANDLE hFind = ::FindFirstFileW((folder + L"\\*.png").c_str(), &fd);
    ASSERT_NE(hFind, INVALID_HANDLE_VALUE);
    int nImages = 0;
    do
    {
        std::wstring path = folder + L"\\" + fd.cFileName;
        SCOPED_TRACE(std::string(fd.cFileName, fd.cFileName + wcslen(fd.cFileName)));
        EXPECT_GT(fd.nFileSizeLow, 0u);
        UINT cx = 0, cy = 0;
        std::set<DWORD> colours;
        EXPECT_TRUE(ReadImage(path, cx, cy, colours));
        EXPECT_EQ((LONG)cx, client.right);
        EXPECT_EQ((LONG)cy, client.bottom);
        // the page's controls were captured: text, frames and fills, not one flat colour
        EXPECT_GE(colours.size(), 3u);
        if (std::wstring(fd.cFileName) == L"grid.png")
        {
            EXPECT_TRUE(colours.count(0xFFFFDEDE)) << "the background of an item on order";
            EXPECT_TRUE(colours.count(0xFFC82828)) << "the mark of an item on order";
        }
        ::DeleteFileW(path.c_str());
        nImages++;
    } while (::FindNextFileW(hFind, &fd));
    ::FindClose(hFind);
    ::RemoveDirectoryW(folder.c_str());
    EXPECT_EQ(nImages, nPages);
}

} // namespace
