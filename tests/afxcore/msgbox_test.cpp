// AfxMessageBox and ReportError: caption, text and owner, closed by a watcher thread.
#include <gtest/gtest.h>
#include <afx.h>
#include <atomic>
#include <thread>

namespace {

// Waits for a message box with the given caption, records its text and owner, then presses
// the button nCommand.
struct BoxWatcher {
  CString caption, text;
  HWND owner = NULL;
  std::atomic<bool> found{false};
  std::thread thread;

  BoxWatcher(LPCWSTR lpszCaption, int nCommand) : caption(lpszCaption) {
    thread = std::thread([this, nCommand] {
      for (int i = 0; i < 1000 && !found; i++) {
        HWND hBox = ::FindWindowW(L"#32770", caption);
        if (hBox != NULL) {
          WCHAR sz[512] = L"";
          ::GetDlgItemTextW(hBox, 0xFFFF, sz, 512);
          text = sz;
          owner = ::GetWindow(hBox, GW_OWNER);
          found = true;
          ::PostMessageW(hBox, WM_COMMAND, nCommand, 0);
          return;
        }
        ::Sleep(10);
      }
    });
  }
  void Wait() {
    if (thread.joinable()) thread.join();
  }
  ~BoxWatcher() { Wait(); }
};

}  // namespace

TEST(AfxMsgBox, CaptionIsTheApplicationName) {
  EXPECT_STREQ(L"test_afxcore", AfxGetAppName());  // the executable's title
  int result;
  {
    BoxWatcher watcher(L"test_afxcore", IDNO);
    result = AfxMessageBox(L"Save changes?", MB_YESNO);
    watcher.Wait();
    ASSERT_TRUE(watcher.found);
    EXPECT_STREQ(L"Save changes?", watcher.text);
  }
  EXPECT_EQ(IDNO, result);

  afxCurrentAppName = L"QCtl Test App";
  EXPECT_STREQ(L"QCtl Test App", AfxGetAppName());
  HWND hOwner = ::CreateWindowW(L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, NULL, NULL, NULL, NULL);
  ::SetActiveWindow(hOwner);
  {
    BoxWatcher watcher(L"QCtl Test App", IDOK);
    AfxMessageBox(L"owned");
    watcher.Wait();
    ASSERT_TRUE(watcher.found);
    EXPECT_EQ(hOwner, watcher.owner);  // the thread's active window owns the box
  }
  ::DestroyWindow(hOwner);
  afxCurrentAppName = NULL;
}

TEST(AfxMsgBox, ReportErrorShowsTheExceptionsMessage) {
  CFileException e(CFileException::accessDenied, ERROR_ACCESS_DENIED, L"C:\\locked.grd");
  BoxWatcher watcher(L"test_afxcore", IDOK);
  EXPECT_EQ(IDOK, e.ReportError());
  watcher.Wait();
  ASSERT_TRUE(watcher.found);
  EXPECT_STREQ(L"Access to C:\\locked.grd was denied.", watcher.text);
}
