#include <gtest/gtest.h>
#include <windows.h>
#include <cwchar>
TEST(Smoke, WidePrintfIsTheRuntimes)
{
    wchar_t buf[64];
    _snwprintf(buf, 64, L"%s|%d|%I64d|%lld", L"ab", 5, (long long)1 << 40, 7LL);
    EXPECT_STREQ(L"ab|5|1099511627776|7", buf);
    HWND h = CreateWindowW(L"STATIC", L"x", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, 0);
    EXPECT_NE(nullptr, h);
    DestroyWindow(h);
}
