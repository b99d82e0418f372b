// The shared test helpers themselves: a watcher that really closes boxes, a sequence comparison
// that really fails on a difference, a bounded pump.
#include <gtest/gtest.h>

#include "testwin.h"

TEST(TestSupport, WatcherSequenceComparisonAndPump)
{
    qtest::CMessageBoxWatcher watcher(IDNO);
    EXPECT_EQ(IDNO, AfxMessageBox(L"Save the grid?", MB_YESNO | MB_ICONQUESTION));
    {
        qtest::CMessageBoxWatcher inner; // nested: the innermost watcher answers
        EXPECT_EQ(IDOK, ::MessageBoxW(NULL, L"inner", L"Caption", MB_OK));
        EXPECT_EQ(1, inner.Count());
    }
    ASSERT_EQ(1, watcher.Count());
    EXPECT_STREQ(L"Save the grid?", watcher.Texts()[0]);
    EXPECT_STREQ(AfxGetAppName(), watcher.Captions()[0]);

    qtest::CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop(50, 50));
    wnd.LogMessage(WM_APP + 7);
    NMHDR hdr = {wnd.m_hWnd, 3, (UINT)-175};
    wnd.SendMessage(WM_NOTIFY, 3, (LPARAM)&hdr);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(4, BN_CLICKED), (LPARAM)wnd.m_hWnd);
    wnd.SendMessage(WM_APP + 7, 1, 2);
    static const qtest::ExpectedMsg good[] = {
        {WM_NOTIFY, (UINT)-175, 3, 0, 0, 0},
        {WM_APP + 99, 0, 0, qtest::kOptional, 0, 0},
        {WM_COMMAND, BN_CLICKED, 4, 0, 0, 0},
        {WM_APP + 7, 0, 0, qtest::kMatchWParam | qtest::kMatchLParam, 1, 2}};
    EXPECT_TRUE(wnd.Matches(good, "good"));
    EXPECT_TRUE(wnd.Log().empty());
    wnd.SendMessage(WM_NOTIFY, 3, (LPARAM)&hdr);
    static const qtest::ExpectedMsg bad[] = {{WM_NOTIFY, (UINT)-176, 3, 0, 0, 0}};
    ::testing::AssertionResult r = wnd.Matches(bad, "bad");
    EXPECT_FALSE(r);
    EXPECT_NE(std::string::npos, std::string(r.message()).find("code -175"));

    qtest::PumpMessages();
    for (int i = 0; i < 10; ++i)
        wnd.PostMessage(WM_APP + 7, i);
    EXPECT_EQ(3, qtest::PumpMessages(3));
    EXPECT_EQ(3u, wnd.Count(WM_APP + 7));
}
