// OLE start-up in the grid's constructor: started when the framework has not, and a failure
// reported in a message box after which the grid is constructed as usual.
#include "gridtest.h"

#include <string>
#include <thread>

namespace
{
struct BoxWatch
{
    std::wstring text; // the longest static text (the message; the icon has none)
    UINT buttons = 0;
};

BOOL CALLBACK ReadChild(HWND hWnd, LPARAM lParam)
{
    BoxWatch* pWatch = reinterpret_cast<BoxWatch*>(lParam);
    wchar_t cls[32], text[512] = L"";
    ::GetClassNameW(hWnd, cls, 32);
    ::GetWindowTextW(hWnd, text, 512);
    pWatch->buttons += _wcsicmp(cls, L"Button") == 0;
    if (_wcsicmp(cls, L"Static") == 0 && wcslen(text) > pWatch->text.size())
        pWatch->text = text;
    return TRUE;
}

// Reads and closes a visible message box of this process.
BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    wchar_t cls[32];
    ::GetClassNameW(hWnd, cls, 32);
    if (pid != ::GetCurrentProcessId() || wcscmp(cls, L"#32770") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    ::EnumChildWindows(hWnd, ReadChild, lParam);
    ::PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}
} // namespace

TEST(GridOle, FailedStartIsReportedAndTheGridStillWorks)
{
    BoxWatch watch;
    int nRows = -1;
    CString text;
    std::thread worker(
        [&]
        {
            // A multi-threaded apartment makes the single-threaded OLE start fail.
            ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(NULL, COINIT_MULTITHREADED)));
            {
                CQGridCtrl grid(4, 3, 1, 1);
                grid.SetItemText(3, 2, L"works");
                nRows = grid.GetRowCount();
                text = grid.GetItemText(3, 2);
            }
            ::CoUninitialize();
        });
    for (int i = 0; i < 2000 && watch.text.empty(); i++) // up to 20 s
    {
        ::EnumWindows(FindBox, (LPARAM)&watch);
        ::Sleep(10);
    }
    worker.join();
    EXPECT_EQ(
        std::wstring(L"OLE initialization failed. Make sure that the OLE libraries are the correct version"),
        watch.text);
    EXPECT_EQ(1u, watch.buttons);
    EXPECT_EQ(4, nRows);
    EXPECT_EQ(CString(L"works"), text);
}

TEST(GridOle, StartedPerGridAndBalanced)
{
    // Each grid that started OLE stops it again: after both are gone the thread can enter a
    // multi-threaded apartment, which a still-running OLE would refuse.
    std::thread worker(
        []
        {
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
