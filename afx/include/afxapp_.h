// Threads, the application object and application-wide helpers. Included by afxwin.h.
//
// Start-up. A GUI program defines one global CWinApp-derived object and calls AfxWinMain from
// its WinMain:
//     CMyApp theApp;
//     int WINAPI WinMain(HINSTANCE hInst, HINSTANCE hPrev, LPSTR, int nCmdShow)
//     { return AfxWinMain(hInst, hPrev, ::GetCommandLineW(), nCmdShow); }
// AfxWinMain runs AfxWinInit, InitApplication, InitInstance, then Run (the message pump) or, when
// InitInstance fails, ExitInstance; last AfxWinTerm. A program with a main() of its own (tests)
// constructs the application object and calls AfxWinInit itself. Code in a DLL loaded by such a
// host uses the host's application object through AfxGetApp().
#pragma once

// ---------------------------------------------------------------------------------------------
// Threads

class AFX_CORE_CLASS CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    virtual ~CWinThread();

    CWnd* m_pMainWnd; // the main window: message pre-translation stops there
    CWnd* m_pActiveWnd;
    BOOL m_bAutoDelete;
    HANDLE m_hThread;
    DWORD m_nThreadID;

    virtual CWnd* GetMainWnd();

    // Overridables
    virtual BOOL InitInstance();
    virtual int ExitInstance(); // the exit code
    virtual int Run();          // the message loop; returns ExitInstance()'s code at WM_QUIT
    // Offers the message to the windows from its target up to the main window
    // (CWnd::WalkPreTranslateTree). TRUE: it must not be dispatched.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage(); // gets, pre-translates and dispatches one message; FALSE at WM_QUIT
    // Idle work, called with 0, 1, 2... while no message waits. Pass 0 updates the main window's
    // command user interface (WM_IDLEUPDATECMDUI), pass 1 frees the temporary handle wrappers.
    // TRUE asks for another call.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // An exception escaped a message handler: shows it; the result is the message's result.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

protected:
    CPoint m_ptCursorLast; // for IsIdleMessage: mouse moves that do not move
    UINT m_nMsgLast;
};

// ---------------------------------------------------------------------------------------------
// The application

class AFX_CORE_CLASS CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // Registers the object as the application and sets afxCurrentAppName. Without a name the
    // name is taken from the string resource AFX_IDS_APP_TITLE or the executable's name at
    // AfxWinInit.
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    // Start-up data
    LPCTSTR m_pszAppName; // the application's name (owned copy)
    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCTSTR m_pszExeName; // the executable's name without extension
    LPCTSTR m_pszHelpFilePath;
    // Profile: with m_pszRegistryKey set, settings live under
    // HKEY_CURRENT_USER\Software\<m_pszRegistryKey>\<m_pszProfileName>\<section>; otherwise in the
    // initialisation file m_pszProfileName (default "<exe name>.INI").
    LPCTSTR m_pszRegistryKey;
    LPCTSTR m_pszProfileName;

    // Overridables
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    virtual BOOL OnIdle(LONG lCount);

    // Cursors and icons, from the resource chain or the system
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const; // IDC_ARROW...
    HCURSOR LoadOEMCursor(UINT nIDCursor) const;
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HICON LoadOEMIcon(UINT nIDIcon) const;

    // Profile
    void SetRegistryKey(LPCTSTR lpszRegistryKey); // also makes the profile name the app name
    void SetRegistryKey(UINT nIDRegistryKey);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    // lpszEntry NULL deletes the section, lpszValue NULL deletes the entry.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is allocated with new[]: the caller frees it with delete[]. FALSE when missing.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);
    // The open application key / section key, NULL without a registry key. The caller closes it.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);
    // Deletes a key and everything below it.
    LONG DelRegTree(HKEY hParentKey, const CString& strKeyName);

    // Wait cursor: nCode 1 shows it (nested), -1 takes one level back, 0 shows it again.
    virtual void DoWaitCursor(int nCode);

    // Called by AfxWinInit: instance handles, names, profile name.
    void SetCurrentHandles();

protected:
    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;
};

// The wait cursor for the lifetime of the object.
class AFX_CORE_CLASS CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    void Restore();
};

// ---------------------------------------------------------------------------------------------
// Application-wide helpers

AFX_CORE_API CWinApp* AFXAPI AfxGetApp();
AFX_CORE_API CWinThread* AFXAPI AfxGetThread();
AFX_CORE_API CWnd* AFXAPI AfxGetMainWnd();
AFX_CORE_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_CORE_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_CORE_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that has resource lpszName of type lpszType: the application's resource handle
// first, then the extension modules in chain order (non-system before system ones); the
// application's resource handle when none has it.
AFX_CORE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// Start-up and shut-down of the layer for this process (see the top of this header).
AFX_CORE_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                    int nCmdShow);
AFX_CORE_API void AFXAPI AfxWinTerm();
AFX_CORE_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                   int nCmdShow);
// Registers the common controls (done by AfxWinInit and before the first window is created).
AFX_CORE_API BOOL AFXAPI AfxInitCommonControls();

AFX_CORE_API BOOL AFXAPI AfxPumpMessage();
AFX_CORE_API void AFXAPI AfxPostQuitMessage(int nExitCode);

// A message box whose text is the string resource nIDPrompt (looked up through the resource chain).
AFX_CORE_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

AFX_CORE_API HINSTANCE AFXAPI AfxLoadLibrary(LPCTSTR lpszModuleName);
AFX_CORE_API BOOL AFXAPI AfxFreeLibrary(HINSTANCE hInstLib);

// Resource ids of the layer's own strings.
#define AFX_IDS_APP_TITLE 0xE000
// Idle messages (internal): update the command UI of control bars; kick a modal loop's idle.
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_KICKIDLE 0x036A
