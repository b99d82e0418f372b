// The shared test helpers themselves: message-box watcher, sequence comparison, bounded pump.
#include <gtest/gtest.h>

#include "testwin.h"

TEST(TestSupport, MessageBoxWatcherClosesAndRecordsBoxes) {
  qtest::CMessageBoxWatcher watcher(IDNO);
  EXPECT_EQ(IDNO, AfxMessageBox(L"Save the grid?", MB_YESNO | MB_ICONQUESTION));
  {
    qtest::CMessageBoxWatcher inner;  // nested: the innermost watcher answers
    EXPECT_EQ(IDOK, ::MessageBoxW(NULL, L"inner", L"Caption", MB_OK));
    EXPECT_EQ(1, inner.Count());
  }
  watcher.SetReply(IDOK);
  AfxMessageBox(0xEFFF);  // no such string: an empty text
  ASSERT_EQ(2, watcher.Count());
  EXPECT_STREQ(L"Save the grid?", watcher.Texts()[0]);
  EXPECT_STREQ(AfxGetAppName(), watcher.Captions()[0]);
  EXPECT_STREQ(L"", watcher.Texts()[1]);
}

TEST(TestSupport, SequenceComparisonReportsTheWholeLog) {
  qtest::CRecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateTop(50, 50));
  wnd.LogMessage(WM_APP + 7);
  NMHDR hdr = {wnd.m_hWnd, 3, (UINT)-175};
  wnd.SendMessage(WM_NOTIFY, 3, (LPARAM)&hdr);
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(4, BN_CLICKED), (LPARAM)wnd.m_hWnd);
  wnd.SendMessage(WM_APP + 7, 1, 2);
  ASSERT_EQ(3u, wnd.Log().size());
  const NMHDR* pRec = wnd.Log()[0].As<NMHDR>();
  ASSERT_NE(nullptr, pRec);
  EXPECT_EQ((UINT)-175, pRec->code);
  EXPECT_EQ(1u, wnd.Count(WM_NOTIFY, (UINT)-175));
  EXPECT_EQ(1u, wnd.Count(WM_APP + 7));

  static const qtest::ExpectedMsg good[] = {{WM_NOTIFY, (UINT)-175, 3, 0, 0, 0},
                                            {WM_APP + 99, 0, 0, qtest::kOptional, 0, 0},
                                            {WM_COMMAND, BN_CLICKED, 4, 0, 0, 0},
                                            {WM_APP + 7, 0, 0, qtest::kMatchWParam | qtest::kMatchLParam, 1, 2}};
  EXPECT_TRUE(wnd.Matches(good, "good"));
  EXPECT_TRUE(wnd.Log().empty());

  wnd.SendMessage(WM_NOTIFY, 3, (LPARAM)&hdr);
  static const qtest::ExpectedMsg bad[] = {{WM_NOTIFY, (UINT)-176, 3, 0, 0, 0}};
  ::testing::AssertionResult r = wnd.Matches(bad, "bad");
  EXPECT_FALSE(r);
  EXPECT_NE(std::string::npos, std::string(r.message()).find("received"));
  EXPECT_NE(std::string::npos, std::string(r.message()).find("code -175"));

  // A result set for a code is returned without the message map.
  wnd.SetNotifyResult((UINT)-175, 42);
  EXPECT_EQ(42, wnd.SendMessage(WM_NOTIFY, 3, (LPARAM)&hdr));
}

TEST(TestSupport, PumpIsBounded) {
  qtest::CRecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateTop(50, 50));
  wnd.LogMessage(WM_APP + 8);
  qtest::PumpMessages();
  for (int i = 0; i < 10; ++i) wnd.PostMessage(WM_APP + 8, i);
  EXPECT_EQ(3, qtest::PumpMessages(3));
  EXPECT_EQ(3u, wnd.Count(WM_APP + 8));
  qtest::PumpMessages();
  EXPECT_EQ(10u, wnd.Count(WM_APP + 8));
}
