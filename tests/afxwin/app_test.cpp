// The application object and modules: profile round trips, window classes, the chain of
// extension modules and resource look-up, OLE start-up, the message pump.
#include <gtest/gtest.h>

#include <afxdisp.h>

#include <string>
#include <vector>

#include "testwin.h"

TEST(Application, TheTestProgramsApplicationObject)
{
    CWinApp* pApp = AfxGetApp();
    ASSERT_NE(nullptr, pApp);
    EXPECT_EQ(pApp, AfxGetThread());
    EXPECT_STREQ(L"test_afxwin", pApp->m_pszAppName); // no name given: the executable's
    EXPECT_STREQ(pApp->m_pszAppName, AfxGetAppName());
    EXPECT_STREQ(L"test_afxwin.INI", pApp->m_pszProfileName);
    EXPECT_EQ(::GetModuleHandleW(NULL), AfxGetResourceHandle());
    EXPECT_EQ(nullptr, pApp->LoadCursor(4711)); // no such resource anywhere

    // The wait cursor nests and comes back.
    ::SetCursor(::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW));
    {
        CWaitCursor wait;
        EXPECT_EQ(::LoadCursorW(NULL, (LPCWSTR)IDC_WAIT), ::GetCursor());
        {
            CWaitCursor inner;
        }
        EXPECT_EQ(::LoadCursorW(NULL, (LPCWSTR)IDC_WAIT), ::GetCursor());
    }
    EXPECT_EQ(::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW), ::GetCursor());
}

namespace
{

// Points the application's profile at a registry key of its own for one test and removes the
// key afterwards.
class ProfileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pApp = AfxGetApp();
        strOldKey = pApp->m_pszRegistryKey ? pApp->m_pszRegistryKey : L"";
        strOldProfile = pApp->m_pszProfileName ? pApp->m_pszProfileName : L"";
        strKey.Format(L"QCtlTest.%lu", ::GetCurrentProcessId());
        pApp->SetRegistryKey(strKey);
    }
    void TearDown() override
    {
        HKEY hSoftware;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_ALL_ACCESS, &hSoftware) == ERROR_SUCCESS)
        {
            pApp->DelRegTree(hSoftware, strKey);
            ::RegCloseKey(hSoftware);
        }
        RestoreProfile(pApp, strOldKey, strOldProfile);
    }
    static void RestoreProfile(CWinApp* pApp, const CString& strKey, const CString& strProfile)
    {
        delete[] pApp->m_pszRegistryKey;
        pApp->m_pszRegistryKey = NULL;
        if (!strKey.IsEmpty())
            pApp->SetRegistryKey(strKey);
        delete[] pApp->m_pszProfileName;
        LPTSTR p = new TCHAR[strProfile.GetLength() + 1];
        wcscpy(p, strProfile);
        pApp->m_pszProfileName = p;
    }
    bool KeyExists(LPCWSTR pszSubKey)
    {
        CString strPath;
        strPath.Format(L"Software\\%s\\%s%s", (LPCWSTR)strKey, pApp->m_pszProfileName, pszSubKey);
        HKEY hKey;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, strPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(hKey);
        return true;
    }
    CWinApp* pApp = nullptr;
    CString strKey, strOldKey, strOldProfile;
};

// Every kind of value through the application's current profile, deleting entries and
// sections, and bad arguments (answered with the default).
void ExpectProfileRoundTrip(CWinApp* pApp)
{
    EXPECT_EQ(17u, pApp->GetProfileInt(L"Sec", L"Missing", 17));
    EXPECT_STREQ(L"dflt", pApp->GetProfileString(L"Sec", L"Missing", L"dflt"));
    EXPECT_TRUE(pApp->WriteProfileInt(L"Sec", L"Width", 640) &&
                pApp->WriteProfileString(L"Sec", L"Empty", L"") &&
                pApp->WriteProfileString(L"Sec", L"Name", L"列 表 \"x\""));
    EXPECT_EQ(640u, pApp->GetProfileInt(L"Sec", L"Width", 0));
    EXPECT_STREQ(L"列 表 \"x\"", pApp->GetProfileString(L"Sec", L"Name"));
    EXPECT_STREQ(L"", pApp->GetProfileString(L"Sec", L"Empty", L"dflt"));
    BYTE data[300];
    for (int i = 0; i < 300; ++i)
        data[i] = (BYTE)(i * 7);
    EXPECT_TRUE(pApp->WriteProfileBinary(L"Bin", L"Blob", data, sizeof(data)));
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    ASSERT_TRUE(pApp->GetProfileBinary(L"Bin", L"Blob", &pData, &nBytes));
    ASSERT_EQ(300u, nBytes);
    EXPECT_EQ(0, memcmp(data, pData, 300));
    delete[] pData;
    EXPECT_FALSE(pApp->GetProfileBinary(L"Bin", L"Nothing", &pData, &nBytes));
    EXPECT_EQ(nullptr, pData);
    EXPECT_FALSE(pApp->GetProfileBinary(L"Sec", L"Name", &pData, &nBytes)); // not our encoding
    EXPECT_TRUE(pApp->WriteProfileString(L"Sec", L"Name", NULL));           // deletes the entry
    EXPECT_STREQ(L"gone", pApp->GetProfileString(L"Sec", L"Name", L"gone"));
    EXPECT_EQ(640u, pApp->GetProfileInt(L"Sec", L"Width", 0));
    EXPECT_TRUE(pApp->WriteProfileString(L"Sec", NULL, NULL)); // deletes the section
    EXPECT_EQ(3u, pApp->GetProfileInt(L"Sec", L"Width", 3));
    EXPECT_EQ(9u, pApp->GetProfileInt(NULL, L"x", 9));
    EXPECT_FALSE(pApp->WriteProfileInt(L"Sec", NULL, 1));
}

} // namespace

TEST_F(ProfileTest, RegistryRoundTripUnderTheApplicationsKey)
{
    EXPECT_STREQ(pApp->m_pszAppName, pApp->m_pszProfileName); // a registry key renames the profile
    ExpectProfileRoundTrip(pApp);
    // Values lie in Software\\<key>\\<profile>\\<section>; a value of another type is not an integer.
    EXPECT_TRUE(pApp->WriteProfileInt(L"Sec", L"Width", -420) &&
                pApp->WriteProfileString(L"Sec", L"Name", L"5"));
    EXPECT_TRUE(KeyExists(L"\\Sec"));
    EXPECT_EQ((UINT)-420, pApp->GetProfileInt(L"Sec", L"Width", 0));
    EXPECT_EQ(7u, pApp->GetProfileInt(L"Sec", L"Name", 7));
    EXPECT_TRUE(pApp->WriteProfileString(L"Sec", NULL, NULL));
    EXPECT_FALSE(KeyExists(L"\\Sec"));
}

// Without a registry key the profile is an initialisation file; one that starts with the UTF-16
// byte-order mark keeps its text in UTF-16.
TEST_F(ProfileTest, InitialisationFileWithoutARegistryKey)
{
    wchar_t szDir[MAX_PATH], szFile[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szDir);
    ::GetTempFileNameW(szDir, L"qct", 0, szFile);
    HANDLE hFile = ::CreateFileW(szFile, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    DWORD dw;
    ::WriteFile(hFile, "\xFF\xFE", 2, &dw, NULL);
    ::CloseHandle(hFile);
    RestoreProfile(pApp, L"", szFile);
    ExpectProfileRoundTrip(pApp);
    ::DeleteFileW(szFile);
}

TEST(WindowClasses, RegistrationIsIdempotentAndChecked)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = L"QCtl.Test.Class";
    EXPECT_TRUE(AfxRegisterClass(&wc));
    EXPECT_TRUE(AfxRegisterClass(&wc)); // already there: fine
    WNDCLASSW bad = {0, NULL, 0, 0, AfxGetInstanceHandle(), NULL, NULL, NULL, NULL, L""};
    EXPECT_FALSE(AfxRegisterClass(&bad));
    EXPECT_FALSE(AfxRegisterClass(NULL));
    ::UnregisterClassW(L"QCtl.Test.Class", AfxGetInstanceHandle());

    HCURSOR hCursor = ::LoadCursorW(NULL, (LPCWSTR)IDC_CROSS);
    LPCTSTR p1 = AfxRegisterWndClass(CS_DBLCLKS, hCursor), p3 = AfxRegisterWndClass(0);
    EXPECT_EQ(p1, AfxRegisterWndClass(CS_DBLCLKS, hCursor)); // cached: the same name object
    EXPECT_STRNE(p1, p3);
    WNDCLASSW info;
    ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), p1, &info));
    EXPECT_EQ((UINT)CS_DBLCLKS, info.style);
    EXPECT_EQ(hCursor, info.hCursor);
}

namespace
{

int ChainLength()
{
    int n = 0;
    for (CDynLinkLibrary* p = AfxGetModuleChainHead(); p != NULL && n < 1000; p = p->m_pNextDLL)
        ++n;
    return n;
}

bool InChain(CDynLinkLibrary* pDLL)
{
    for (CDynLinkLibrary* p = AfxGetModuleChainHead(); p != NULL; p = p->m_pNextDLL)
        if (p == pDLL)
            return true;
    return false;
}

} // namespace

TEST(ExtensionModules, ChainAddRemoveAndResourceOrder)
{
    HMODULE hUser = ::GetModuleHandleW(L"user32.dll");
    HMODULE hComctl = ::GetModuleHandleW(L"comctl32.dll");
    ASSERT_TRUE(hUser && hComctl);
    // Both carry a version resource; the test program has none.
    LPCWSTR pszName = MAKEINTRESOURCEW(1);
    LPCWSTR pszType = (LPCWSTR)RT_VERSION;
    ASSERT_NE(nullptr, ::FindResourceW(hUser, pszName, pszType));
    ASSERT_NE(nullptr, ::FindResourceW(hComctl, pszName, pszType));
    ASSERT_EQ(nullptr, ::FindResourceW(AfxGetResourceHandle(), pszName, pszType));
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(pszName, pszType)); // nobody: the application

    int nBefore = ChainLength();
    AFX_EXTENSION_MODULE user = {}, comctl = {};
    EXPECT_TRUE(AfxInitExtensionModule(user, hUser));
    EXPECT_TRUE(user.bInitialized && user.hResource == hUser);
    AFX_EXTENSION_MODULE copy = user;
    EXPECT_TRUE(AfxInitExtensionModule(user, hComctl)); // again: unchanged
    EXPECT_EQ(0, memcmp(&copy, &user, sizeof(user)));
    EXPECT_TRUE(AfxInitExtensionModule(comctl, hComctl));

    CDynLinkLibrary* pUser = new CDynLinkLibrary(user);
    EXPECT_EQ(pUser, AfxGetModuleChainHead());
    EXPECT_EQ(hUser, AfxFindResourceHandle(pszName, pszType));
    // A system module is searched only after the others.
    CDynLinkLibrary* pComctlSys = new CDynLinkLibrary(comctl, TRUE);
    EXPECT_EQ(pComctlSys, AfxGetModuleChainHead());
    EXPECT_EQ(hUser, AfxFindResourceHandle(pszName, pszType));
    // Among non-system modules the most recent one wins.
    CDynLinkLibrary* pComctl = new CDynLinkLibrary(comctl);
    EXPECT_EQ(nBefore + 3, ChainLength());
    EXPECT_EQ(hComctl, AfxFindResourceHandle(pszName, pszType));
    // The application's own resource handle comes before every module.
    HINSTANCE hOldRes = AfxGetResourceHandle();
    AfxSetResourceHandle(hUser);
    EXPECT_EQ(hUser, AfxFindResourceHandle(pszName, pszType));
    AfxSetResourceHandle(hOldRes);

    // Terminating one module removes (and deletes) only its own libraries.
    AfxTermExtensionModule(comctl);
    EXPECT_FALSE(comctl.bInitialized);
    EXPECT_EQ(nBefore + 1, ChainLength());
    EXPECT_TRUE(InChain(pUser));
    EXPECT_EQ(hUser, AfxFindResourceHandle(pszName, pszType));
    AfxTermExtensionModule(comctl); // twice: nothing happens
    delete pUser;                   // a library may also just be deleted
    EXPECT_EQ(nBefore, ChainLength());
    AfxTermExtensionModule(user);
    EXPECT_EQ(nBefore, ChainLength());
    EXPECT_FALSE(InChain(pComctl) || InChain(pComctlSys));
}

TEST(OleStartUp, AfxOleInitIsRecordedInTheThreadState)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    ASSERT_FALSE(pState->m_bNeedTerm);
    ASSERT_TRUE(AfxOleInit());
    EXPECT_TRUE(pState->m_bNeedTerm);
    EXPECT_TRUE(AfxOleInit()); // once per thread
    AfxOleTerm();
    EXPECT_FALSE(pState->m_bNeedTerm);
    // The thread's state is per thread.
    BOOL bOther = TRUE;
    HANDLE h = ::CreateThread(
        NULL, 0,
        [](LPVOID p) -> DWORD
        {
            *(BOOL*)p = AfxGetThreadState()->m_bNeedTerm || AfxGetThreadState() == NULL;
            return 0;
        },
        &bOther, 0, NULL);
    ::WaitForSingleObject(h, 10000);
    ::CloseHandle(h);
    EXPECT_FALSE(bOther);
}

// ---------------------------------------------------------------------------------------------
// The pump

namespace
{

std::vector<std::string> g_pretranslate;

class CFilterWnd : public CWnd
{
public:
    explicit CFilterWnd(const char* pszName, bool bEat = false) : m_name(pszName), m_bEat(bEat) {}
    int nKeys = 0, nPings = 0, nTimers = 0;
    INT_PTR nTempsAtTimer = -1;
    HWND hForeign = NULL;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
        {
            g_pretranslate.push_back(m_name);
            return m_bEat;
        }
        return FALSE;
    }

protected:
    afx_msg void OnKeyDown(UINT, UINT, UINT) { ++nKeys; }
    afx_msg LRESULT OnPing(WPARAM, LPARAM)
    {
        ++nPings;
        CWnd::FromHandle(hForeign); // a temporary, to be freed when the loop is idle
        // Timer messages come only when the queue is empty; the period leaves the loop ample time to
        // go idle first even on a loaded machine.
        SetTimer(1, 500, NULL);
        return 0;
    }
    afx_msg void OnTimer(UINT_PTR)
    {
        KillTimer(1);
        ++nTimers;
        nTempsAtTimer = AfxGetThreadState()->GetTempObjectCount();
        AfxPostQuitMessage(5);
    }
    DECLARE_MESSAGE_MAP()
    std::string m_name;
    bool m_bEat;
};
BEGIN_MESSAGE_MAP(CFilterWnd, CWnd)
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_APP + 3, &CFilterWnd::OnPing)
    ON_WM_TIMER()
END_MESSAGE_MAP()

} // namespace

TEST(MessagePump, PreTranslateWalksFromTheTargetUpToTheMainWindow)
{
    CWinThread* pThread = AfxGetThread();
    CFilterWnd top("top"), middle("middle", true), leaf("leaf");
    ASSERT_TRUE(top.CreateEx(0, NULL, L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, NULL, NULL));
    ASSERT_TRUE(middle.Create(NULL, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 80), &top, 1));
    ASSERT_TRUE(leaf.Create(NULL, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &middle, 2));
    qtest::PumpMessages();
    pThread->m_pMainWnd = &top;
    g_pretranslate.clear();
    leaf.PostMessage(WM_KEYDOWN, 'A', 1);
    EXPECT_TRUE(pThread->PumpMessage());
    // The middle window used the key up: the leaf never saw it and the top was not asked.
    EXPECT_EQ(std::vector<std::string>({"leaf", "middle"}), g_pretranslate);
    EXPECT_EQ(0, leaf.nKeys);
    // A key to the top window itself is dispatched.
    g_pretranslate.clear();
    top.PostMessage(WM_KEYDOWN, 'B', 1);
    EXPECT_TRUE(pThread->PumpMessage());
    EXPECT_EQ(std::vector<std::string>({"top"}), g_pretranslate);
    EXPECT_EQ(1, top.nKeys);
    pThread->m_pMainWnd = NULL;
}

TEST(MessagePump, RunDispatchesIdlesAndEndsAtQuit)
{
    CWinThread* pThread = AfxGetThread();
    qtest::CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateTop(50, 50));
    HWND hForeign =
        ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd, NULL, NULL, NULL);
    CFilterWnd wnd("wnd");
    wnd.hForeign = hForeign;
    ASSERT_TRUE(wnd.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    qtest::PumpMessages();
    qtest::RunIdle();
    pThread->m_pMainWnd = &parent;
    wnd.PostMessage(WM_APP + 3);
    int nExit = pThread->Run();
    pThread->m_pMainWnd = NULL;
    EXPECT_EQ(5, nExit); // the quit message's code, through ExitInstance
    EXPECT_EQ(1, wnd.nPings);
    EXPECT_EQ(1, wnd.nTimers);
    EXPECT_EQ(0, wnd.nTempsAtTimer); // the idle pass before the timer freed the temporary
}

TEST(MessagePump, DestroyingTheMainWindowEndsTheLoop)
{
    CWinThread* pThread = AfxGetThread();
    CWnd* pMain = new CWnd;
    ASSERT_TRUE(pMain->CreateEx(0, NULL, L"", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    pThread->m_pMainWnd = pMain;
    pMain->PostMessage(WM_CLOSE); // the default handling destroys it
    int nExit = pThread->Run();
    EXPECT_EQ(0, nExit);
    EXPECT_EQ(nullptr, pThread->m_pMainWnd);
    EXPECT_EQ(NULL, pMain->m_hWnd);
    delete pMain;
}
