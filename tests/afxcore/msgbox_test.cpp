// AfxMessageBox and ReportError: caption, text and owner, closed by a watcher thread.
#include "afxcore_test.h"
#include <atomic>
#include <thread>

namespace
{

// Waits for a message box with the given caption, records its text and owner, then presses
// the button nCommand. Wait() joins the thread.
struct BoxWatcher
{
    CString caption, text;
    HWND owner = NULL;
    std::atomic<bool> found{false};
    std::thread thread;

    BoxWatcher(LPCWSTR lpszCaption, int nCommand) : caption(lpszCaption)
    {
        thread = std::thread(
            [this, nCommand]
            {
                for (int i = 0; i < 1000 && !found; i++, ::Sleep(10))
                {
                    HWND hBox = ::FindWindowW(L"#32770", caption);
                    if (hBox == NULL)
                        continue;
                    WCHAR sz[512] = L"";
                    ::GetDlgItemTextW(hBox, 0xFFFF, sz, 512);
                    text = sz;
                    owner = ::GetWindow(hBox, GW_OWNER);
                    found = true;
                    ::PostMessageW(hBox, WM_COMMAND, nCommand, 0);
                }
            });
    }
    void Wait()
    {
        if (thread.joinable())
            thread.join();
    }
    ~BoxWatcher() { Wait(); }
};

} // namespace

TEST(AfxMsgBox, CaptionTextOwnerAndReportError)
{
    EXPECT_STREQ(L"test_afxcore", AfxGetAppName()); // the executable's title
    {
        BoxWatcher watcher(L"test_afxcore", IDNO);
        EXPECT_EQ(IDNO, AfxMessageBox(L"Save changes?", MB_YESNO));
        watcher.Wait();
        ASSERT_TRUE(watcher.found);
        EXPECT_STREQ(L"Save changes?", watcher.text);
    }
    {
        CFileException e(CFileException::accessDenied, ERROR_ACCESS_DENIED, L"C:\\locked.grd");
        BoxWatcher watcher(L"test_afxcore", IDOK);
        EXPECT_EQ(IDOK, e.ReportError());
        watcher.Wait();
        EXPECT_STREQ(L"Access to C:\\locked.grd was denied.", watcher.text);
    }
    afxCurrentAppName = L"QCtl Test App";
    HWND hOwner =
        ::CreateWindowW(L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, NULL, NULL, NULL, NULL);
    ::SetActiveWindow(hOwner);
    {
        BoxWatcher watcher(L"QCtl Test App", IDOK);
        AfxMessageBox(L"owned");
        watcher.Wait();
        ASSERT_TRUE(watcher.found);
        EXPECT_EQ(hOwner, watcher.owner); // the thread's active window owns the box
    }
    ::DestroyWindow(hOwner);
    afxCurrentAppName = NULL;
}
