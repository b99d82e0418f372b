// Threads and the application object: start-up, the message pump, idle processing, cursors.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

// ---------------------------------------------------------------------------------------------
// CWinThread

CWinThread::CWinThread()
    : m_pMainWnd(NULL), m_pActiveWnd(NULL), m_bAutoDelete(TRUE), m_hThread(NULL), m_nThreadID(0),
      m_ptCursorLast(-1, -1), m_nMsgLast(0)
{
}

CWinThread::~CWinThread()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pCurrentWinThread == this)
        pState->m_pCurrentWinThread = NULL;
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}
BOOL CWinThread::InitInstance()
{
    return FALSE;
}
int CWinThread::ExitInstance()
{
    return (int)AfxGetThreadState()->m_msgCur.wParam;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::WalkPreTranslateTree(m_pMainWnd->GetSafeHwnd(), pMsg);
}

BOOL CWinThread::PumpMessage()
{
    MSG& msg = AfxGetThreadState()->m_msgCur;
    BOOL bRet = ::GetMessageW(&msg, NULL, 0, 0);
    if (bRet <= 0)
        return FALSE; // WM_QUIT, or an error
    if (!PreTranslateMessage(&msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Mouse moves that do not move, and paint and caret-blink timers, do not end the idle state.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (m_ptCursorLast == pMsg->pt && pMsg->message == m_nMsgLast)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118; // WM_SYSTIMER
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMainWnd->IsWindowVisible())
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
        return TRUE;
    }
    AfxLockTempMaps();
    AfxUnlockTempMaps(TRUE);
    return FALSE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    for (;;)
    {
        while (bIdle && !::PeekMessageW(&pState->m_msgCur, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&pState->m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&pState->m_msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    if (pMsg != NULL && pMsg->message == WM_CREATE)
        return -1; // the window is simply not created
    if (pMsg != NULL && pMsg->message == WM_PAINT)
    {
        ::ValidateRect(pMsg->hwnd, NULL); // a report would paint again, and fail again
        return 0;
    }
    if (e != NULL)
        e->ReportError(MB_ICONEXCLAMATION);
    return 0;
}

CWinThread* AFXAPI AfxGetThread()
{
    CWinThread* pThread = AfxGetThreadState()->m_pCurrentWinThread;
    return pThread;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

BOOL AFXAPI AfxPumpMessage()
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PumpMessage();
    MSG msg;
    if (::GetMessageW(&msg, NULL, 0, 0) <= 0)
        return FALSE;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
    return TRUE;
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

// ---------------------------------------------------------------------------------------------
// CWinApp

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(AfxStrDup(lpszAppName)), m_hInstance(NULL), m_hPrevInstance(NULL), m_lpCmdLine(NULL),
      m_nCmdShow(SW_SHOWNORMAL), m_pszExeName(NULL), m_pszHelpFilePath(NULL), m_pszRegistryKey(NULL),
      m_pszProfileName(NULL), m_nWaitCursorCount(0), m_hcurWaitCursorRestore(NULL)
{
    AFX_MODULE_STATE* pModuleState = AfxModuleState();
    pModuleState->m_pCurrentWinApp = this;
    pModuleState->m_lpszCurrentAppName = m_pszAppName;
    if (m_pszAppName != NULL)
        afxCurrentAppName = m_pszAppName;
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    pState->m_pCurrentWinThread = this;
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
}

CWinApp::~CWinApp()
{
    AFX_MODULE_STATE* pModuleState = AfxModuleState();
    if (pModuleState->m_pCurrentWinApp == this)
        pModuleState->m_pCurrentWinApp = NULL;
    if (afxCurrentAppName == m_pszAppName)
        afxCurrentAppName = NULL;
    if (pModuleState->m_lpszCurrentAppName == m_pszAppName)
        pModuleState->m_lpszCurrentAppName = NULL;
    delete[] m_pszAppName;
    delete[] m_pszExeName;
    delete[] m_pszHelpFilePath;
    delete[] m_pszRegistryKey;
    delete[] m_pszProfileName;
}

void CWinApp::SetCurrentHandles()
{
    AFX_MODULE_STATE* pModuleState = AfxModuleState();
    if (m_hInstance == NULL)
        m_hInstance = AfxGetInstanceHandle();
    pModuleState->m_hCurrentInstanceHandle = m_hInstance;
    if (pModuleState->m_hCurrentResourceHandle == NULL)
        pModuleState->m_hCurrentResourceHandle = m_hInstance;

    // The executable's name without folder and extension.
    wchar_t szPath[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(m_hInstance, szPath, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        szPath[0] = 0;
    LPCTSTR pszName = wcsrchr(szPath, L'\\');
    pszName = pszName != NULL ? pszName + 1 : szPath;
    CString strTitle(pszName);
    int nDot = strTitle.ReverseFind(L'.');
    if (nDot > 0)
        strTitle = strTitle.Left(nDot);
    if (m_pszExeName == NULL)
        m_pszExeName = AfxStrDup(strTitle);

    if (m_pszAppName == NULL)
    {
        CString strApp;
        if (!strApp.LoadString(AFX_IDS_APP_TITLE) || strApp.IsEmpty())
            strApp = m_pszExeName;
        m_pszAppName = AfxStrDup(strApp);
    }
    pModuleState->m_lpszCurrentAppName = m_pszAppName;
    afxCurrentAppName = m_pszAppName;

    if (m_pszProfileName == NULL)
    {
        CString strIni(m_pszExeName);
        strIni += L".INI";
        m_pszProfileName = AfxStrDup(strIni);
    }
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}
BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    int nCode = (int)AfxGetThreadState()->m_msgCur.wParam;
    return nCode;
}

int CWinApp::Run()
{
    // No main window at all: nothing to wait for.
    if (m_pMainWnd == NULL)
        AfxPostQuitMessage(0);
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    return CWinThread::OnIdle(lCount);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorW(AfxFindResourceHandle(lpszResourceName, (LPCTSTR)RT_GROUP_CURSOR), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCEW(nIDResource));
}
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorW(NULL, lpszCursorName);
}
HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const
{
    return ::LoadCursorW(NULL, MAKEINTRESOURCEW(nIDCursor));
}
HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconW(AfxFindResourceHandle(lpszResourceName, (LPCTSTR)RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEW(nIDResource));
}
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconW(NULL, lpszIconName);
}
HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const
{
    return ::LoadIconW(NULL, MAKEINTRESOURCEW(nIDIcon));
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0)
    {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursorW(NULL, (LPCWSTR)IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrev;
    }
    else
    {
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore != NULL ? m_hcurWaitCursorRestore
                                                    : ::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW));
    }
}

CWinApp* AFXAPI AfxGetApp()
{
    return AfxModuleState()->m_pCurrentWinApp;
}

// ---------------------------------------------------------------------------------------------
// CWaitCursor

CWaitCursor::CWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(1);
}
CWaitCursor::~CWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(-1);
}
void CWaitCursor::Restore()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(0);
}

// ---------------------------------------------------------------------------------------------
// Start-up and shut-down

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    AFX_MODULE_STATE* pModuleState = AfxModuleState();
    if (hInstance == NULL)
        hInstance = ::GetModuleHandleW(NULL);
    pModuleState->m_hCurrentInstanceHandle = hInstance;
    if (pModuleState->m_hCurrentResourceHandle == NULL)
        pModuleState->m_hCurrentResourceHandle = hInstance;
    AfxInitCommonControls();

    if (CWinApp* pApp = AfxGetApp())
    {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    // The thread that starts the layer runs the application.
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pCurrentWinThread == NULL)
        pState->m_pCurrentWinThread = AfxGetApp();
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter != NULL)
    {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = NULL;
    }
    pState->m_nTempMapLock = 0;
    pState->DeleteTempMaps();
    AfxOleTerm(FALSE);
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();
    try
    {
        if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
            goto done;
        if (pThread == NULL)
            pThread = AfxGetThread();
        if (pApp != NULL && !pApp->InitApplication())
            goto done;
        if (pThread == NULL)
            goto done;
        if (!pThread->InitInstance())
        {
            if (pThread->m_pMainWnd != NULL)
                pThread->m_pMainWnd->DestroyWindow();
            nReturnCode = pThread->ExitInstance();
            goto done;
        }
        nReturnCode = pThread->Run();
    }
    catch (CException* e)
    {
        e->ReportError(MB_ICONSTOP);
        e->Delete();
    }
done:
    AfxWinTerm();
    return nReturnCode;
}
