// main() of every test program: the application object, the framework layer's start-up and
// shut-down around the tests, and a guard against message boxes nobody closes.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <thread>

namespace
{

// The application of the test programs. It has no name of its own: the application's name is
// the executable's title.
class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp(NULL) {}
};

CTestApp theApp;

// Closes message boxes of this process that stay open for a long time (a test that does not
// expect one would otherwise hang until the run's time-out) and counts them.
class CStrayBoxGuard
{
public:
    CStrayBoxGuard() : m_thread([this] { Run(); }) {}
    ~CStrayBoxGuard()
    {
        m_stop = true;
        m_thread.join();
    }
    int Closed() const { return m_closed; }

private:
    void Run()
    {
        std::map<HWND, int> ticks; // how many polls each box has been seen
        while (!m_stop)
        {
            ::Sleep(250);
            std::map<HWND, int> seen;
            HWND hWnd = NULL;
            while ((hWnd = ::FindWindowExW(NULL, hWnd, L"#32770", NULL)) != NULL)
            {
                DWORD pid = 0;
                ::GetWindowThreadProcessId(hWnd, &pid);
                if (pid != ::GetCurrentProcessId() || !::IsWindowVisible(hWnd) ||
                    ::GetDlgItem(hWnd, 0xFFFF) == NULL)
                    continue;
                int n = ticks[hWnd] + 1;
                seen[hWnd] = n;
                if (n == 80)
                { // about 20 seconds
                    wchar_t szText[512] = L"";
                    ::GetDlgItemTextW(hWnd, 0xFFFF, szText, 512);
                    fwprintf(stderr, L"closing a message box nobody expected: \"%ls\"\n", szText);
                    ++m_closed;
                    ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
                }
            }
            ticks.swap(seen);
        }
    }
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_closed{0};
    std::thread m_thread;
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL))
    {
        fprintf(stderr, "the framework layer did not start\n");
        return 2;
    }
    theApp.InitApplication();
    theApp.InitInstance();
    int rc;
    {
        CStrayBoxGuard guard;
        rc = RUN_ALL_TESTS();
        if (guard.Closed() != 0)
            rc = 1;
    }
    theApp.ExitInstance();
    AfxWinTerm();
    return rc;
}
