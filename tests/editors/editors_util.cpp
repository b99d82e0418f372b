#include "editors_util.h"
#include <gtest/gtest.h>
#include "testwin.h"

namespace edtest
{

namespace
{

LPARAM KeyParam(UINT vk, bool up)
{
    UINT scan = ::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    LPARAM l = 1 | (scan << 16);
    if (up)
        l |= 0xC0000000;
    return l;
}

BOOL CALLBACK CountOne(HWND hWnd, LPARAM lParam)
{
    ++*(int*)lParam;
    ::EnumChildWindows(
        hWnd,
        [](HWND, LPARAM p) -> BOOL
        {
            ++*(int*)p;
            return TRUE;
        },
        lParam);
    return TRUE;
}

HostWnd* g_host = nullptr;

class HostEnvironment : public ::testing::Environment
{
public:
    void TearDown() override
    {
        if (g_host != nullptr)
            g_host->DestroyWindow();
        delete g_host;
        g_host = nullptr;
        PumpMessages();
    }
};
::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new HostEnvironment);

} // namespace

LRESULT HostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const NMLVDISPINFOW* info = (const NMLVDISPINFOW*)lParam;
    if (message == WM_NOTIFY && info->hdr.code == LVN_ENDLABELEDITW)
    {
        const LVITEMW& item = info->item;
        endEdits.push_back({wParam, info->hdr.hwndFrom, info->hdr.idFrom, (int)info->hdr.code, item.mask,
                            item.iItem, item.iSubItem, item.pszText != NULL,
                            item.pszText != NULL ? item.pszText : L"", item.cchTextMax});
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

HostWnd& Host()
{
    if (g_host == nullptr)
    {
        g_host = new HostWnd;
        g_host->CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), L"editors",
                         WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(20, 20, 620, 420), NULL, 0);
    }
    return *g_host;
}

void ResetHost()
{
    Host().endEdits.clear();
    EXPECT_TRUE(qtest::TakeFocus(Host().GetSafeHwnd()));
}

void TypeChar(HWND hWnd, wchar_t ch)
{
    SHORT vk = ::VkKeyScanW(ch);
    UINT key = vk == -1 ? 0 : LOBYTE(vk);
    ::SendMessageW(hWnd, WM_KEYDOWN, key, KeyParam(key, false));
    ::SendMessageW(hWnd, WM_CHAR, ch, KeyParam(key, false));
    ::SendMessageW(hWnd, WM_KEYUP, key, KeyParam(key, true));
}

void TypeText(HWND hWnd, const wchar_t* text)
{
    for (; *text != 0; ++text)
        TypeChar(hWnd, *text);
}

void PressKey(HWND hWnd, UINT vk)
{
    ::SendMessageW(hWnd, WM_KEYDOWN, vk, KeyParam(vk, false));
    ::SendMessageW(hWnd, WM_KEYUP, vk, KeyParam(vk, true));
}

void PressCharKey(HWND hWnd, UINT vk, wchar_t ch)
{
    ::SendMessageW(hWnd, WM_KEYDOWN, vk, KeyParam(vk, false));
    if (::IsWindow(hWnd))
        ::SendMessageW(hWnd, WM_CHAR, ch, KeyParam(vk, false));
    if (::IsWindow(hWnd))
        ::SendMessageW(hWnd, WM_KEYUP, vk, KeyParam(vk, true));
}

void PumpMessages()
{
    MSG msg;
    for (int i = 0; i < 1000 && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE); ++i)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

std::wstring TextOf(HWND hWnd)
{
    std::wstring s(::GetWindowTextLengthW(hWnd) + 1, L'\0');
    s.resize(::GetWindowTextW(hWnd, &s[0], (int)s.size()));
    return s;
}

std::pair<int, int> SelOf(HWND hWnd)
{
    DWORD start = 0, end = 0;
    ::SendMessageW(hWnd, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    return {(int)start, (int)end};
}

int CountThreadWindows()
{
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountOne, (LPARAM)&n);
    return n;
}

} // namespace edtest
