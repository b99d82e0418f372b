// Per-thread and per-process state of the framework layer. Included by afxwin.h.
//
// There is one module state for the process (the layer is one DLL shared by the application and
// every extension module), so AFX_MANAGE_STATE has nothing to switch and is a no-op kept for
// source compatibility. Each thread that uses windows gets a thread state on first use; it is
// freed when the thread ends.
#pragma once

class CHandleMap;    // handle -> object maps of one thread (layer-internal)
struct _AfxMsgCache; // message-map lookup cache of one thread (layer-internal)

class AFX_CORE_CLASS _AFX_THREAD_STATE
{
public:
    _AFX_THREAD_STATE();
    ~_AFX_THREAD_STATE();

    // OLE
    BOOL m_bNeedTerm; // TRUE after the layer's AfxOleInit started OLE on this thread

    // Window creation and dispatch
    CWnd* m_pWndInit;            // the object the next created window is bound to
    HHOOK m_hHookOldCbtFilter;   // the creation hook, installed on first use
    MSG m_lastSentMsg;           // the message AfxWndProc is handling now (for Default)
    MSG m_msgCur;                // the message the pump is handling now
    HWND m_hLockoutNotifyWindow; // a window whose WM_COMMAND/WM_NOTIFY are ignored
    CWinThread* m_pCurrentWinThread;

    // Handle maps: windows, DCs, graphics objects, menus
    CHandleMap* m_pmapHWND;
    CHandleMap* m_pmapHDC;
    CHandleMap* m_pmapHGDIOBJ;
    CHandleMap* m_pmapHMENU;
    int m_nTempMapLock; // > 0: temporaries are kept even at idle time
    _AfxMsgCache* m_pMsgCache;

    // Small CString buffers released on this thread, kept for its next small strings: the heap's
    // allocation and release cost several times the copying of a short text, and their locked
    // instructions keep the processor from overlapping the memory reads around them. Freed with
    // the state.
    enum
    {
        kKeptStrings = 64
    };
    void* m_pKeptStrings[kKeptStrings];
    int m_nKeptStrings;

    // The number of temporary wrapper objects this thread holds (windows, DCs, graphics objects
    // and menus together).
    INT_PTR GetTempObjectCount() const;
    // Frees every temporary wrapper of this thread, unless they are locked.
    void DeleteTempMaps();

private:
    _AFX_THREAD_STATE(const _AFX_THREAD_STATE&) = delete;
    void operator=(const _AFX_THREAD_STATE&) = delete;
};

// This thread's state, created on first use.
AFX_CORE_API _AFX_THREAD_STATE* AFXAPI AfxGetThreadState();
// This thread's state when it has one; never creates it.
AFX_CORE_API _AFX_THREAD_STATE* AFXAPI AfxPeekThreadState();

// Temporary wrappers are kept while the lock count is above zero.
AFX_CORE_API void AFXAPI AfxLockTempMaps();
// Returns TRUE when the temporaries were freed (the count reached zero and bDeleteTemps).
AFX_CORE_API BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);

// The process's application-wide state.
struct AFX_CORE_CLASS AFX_MODULE_STATE
{
    CWinApp* m_pCurrentWinApp;          // the application object, NULL before it is constructed
    HINSTANCE m_hCurrentInstanceHandle; // the application's instance (the executable by default)
    HINSTANCE m_hCurrentResourceHandle; // where the application's resources are looked up first
    LPCTSTR m_lpszCurrentAppName;
    BOOL m_bSystem;               // TRUE: the application's module counts as a system module
    CDynLinkLibrary* m_pFirstDLL; // the chain of extension modules, most recent first
};

AFX_CORE_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
AFX_CORE_API AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState();
AFX_CORE_API AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState();
#define AFX_MANAGE_STATE(p) ((void)(p))
