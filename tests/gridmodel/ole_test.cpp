// OLE start-up in the grid's constructor: started when the framework has not, and a failure
// reported in a message box after which the grid is constructed as usual.
#include "gridtest.h"

#include <atomic>
#include <thread>

namespace
{
struct BoxWatch
{
    DWORD pid = ::GetCurrentProcessId();
    std::atomic<bool> stop{false};
    std::wstring text;
    UINT buttons = 0;   // number of buttons in the box
};

// Counts the buttons and keeps the longest static text (the message; the icon has none).
BOOL CALLBACK ReadChild(HWND hWnd, LPARAM lParam)
{
    BoxWatch* pWatch = reinterpret_cast<BoxWatch*>(lParam);
    wchar_t cls[32];
    ::GetClassNameW(hWnd, cls, 32);
    if (_wcsicmp(cls, L"Button") == 0)
        ++pWatch->buttons;
    if (_wcsicmp(cls, L"Static") == 0)
    {
        wchar_t text[512] = L"";
        ::GetWindowTextW(hWnd, text, 512);
        if (wcslen(text) > pWatch->text.size())
            pWatch->text = text;
    }
    return TRUE;
}

BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam)
{
    BoxWatch* pWatch = reinterpret_cast<BoxWatch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    wchar_t cls[32];
    ::GetClassNameW(hWnd, cls, 32);
    if (pid != pWatch->pid || wcscmp(cls, L"#32770") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    ::EnumChildWindows(hWnd, ReadChild, lParam);
    ::PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}
}  // namespace

TEST(GridOle, FailedStartIsReportedAndTheGridStillWorks)
{
    BoxWatch watch;
    std::thread watcher([&watch] {
        for (int i = 0; i < 1000 && watch.text.empty(); i++)
        {
            ::EnumWindows(FindBox, (LPARAM)&watch);
            ::Sleep(10);
        }
    });

    int nRows = -1;
    CString text;
    std::thread worker([&] {
        // A multi-threaded apartment makes the single-threaded OLE start fail.
        HRESULT hr = ::CoInitializeEx(NULL, COINIT_MULTITHREADED);
        ASSERT_TRUE(SUCCEEDED(hr));
        {
            CQGridCtrl grid(4, 3, 1, 1);
            grid.SetItemText(3, 2, L"works");
            nRows = grid.GetRowCount();
            text = grid.GetItemText(3, 2);
        }
        ::CoUninitialize();
    });
    worker.join();
    watcher.join();

    EXPECT_EQ(std::wstring(L"OLE initialization failed. Make sure that the OLE libraries are the correct version"),
              watch.text);
    EXPECT_EQ(1u, watch.buttons);
    EXPECT_EQ(4, nRows);
    EXPECT_EQ(CString(L"works"), text);
}

TEST(GridOle, StartedOncePerGridAndBalanced)
{
    // Each grid that started OLE stops it again: after both are gone the thread can enter a
    // multi-threaded apartment, which a still-running OLE would refuse.
    std::thread worker([] {
        {
            CQGridCtrl first, second;
            EXPECT_EQ(RPC_E_CHANGED_MODE, ::CoInitializeEx(NULL, COINIT_MULTITHREADED));
        }
        HRESULT hr = ::CoInitializeEx(NULL, COINIT_MULTITHREADED);
        EXPECT_EQ(S_OK, hr);
        if (SUCCEEDED(hr))
            ::CoUninitialize();
    });
    worker.join();
}

TEST(GridOle, DataObjectReadsTheClipboardText)
{
    CQGridCtrl grid;   // OLE runs while a grid lives
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    const char text[] = "a\tb";
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
    memcpy(::GlobalLock(hText), text, sizeof(text));
    ::GlobalUnlock(hText);
    ::SetClipboardData(CF_TEXT, hText);
    ::CloseClipboard();

    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
    EXPECT_FALSE(data.IsDataAvailable(CF_BITMAP));
    HGLOBAL hCopy = data.GetGlobalData(CF_TEXT);
    ASSERT_NE(nullptr, hCopy);
    EXPECT_STREQ(text, (const char*)::GlobalLock(hCopy));
    ::GlobalUnlock(hCopy);
    ::GlobalFree(hCopy);
    EXPECT_EQ(nullptr, data.GetGlobalData(CF_BITMAP));
    data.Release();
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
}
