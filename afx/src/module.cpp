// Process and thread state, the DLL entry point, handle maps, extension modules, resource
// look-up and window class registration.
#include "afximpl.h"

#include <commctrl.h>
#include <set>
#include <string>

// ---------------------------------------------------------------------------------------------
// Process state and the global lock

namespace
{

AFX_MODULE_STATE g_moduleState = {NULL, NULL, NULL, NULL, FALSE, NULL};

struct GlobalLock
{
    CRITICAL_SECTION cs;
    GlobalLock() { ::InitializeCriticalSection(&cs); }
    ~GlobalLock() { ::DeleteCriticalSection(&cs); }
};
GlobalLock g_lock;

// Thread states live in one TLS slot, allocated on first use.
volatile LONG g_tlsIndex = (LONG)TLS_OUT_OF_INDEXES;

DWORD TlsIndex()
{
    LONG idx = g_tlsIndex;
    if (idx == (LONG)TLS_OUT_OF_INDEXES)
    {
        DWORD n = ::TlsAlloc();
        if (::InterlockedCompareExchange(&g_tlsIndex, (LONG)n, (LONG)TLS_OUT_OF_INDEXES) !=
            (LONG)TLS_OUT_OF_INDEXES)
            ::TlsFree(n);
        idx = g_tlsIndex;
    }
    return (DWORD)idx;
}

} // namespace

AFX_MODULE_STATE* AfxModuleState()
{
    return &g_moduleState;
}
AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    return &g_moduleState;
}
AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState()
{
    return &g_moduleState;
}
AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState()
{
    return &g_moduleState;
}

void AfxLockGlobals()
{
    ::EnterCriticalSection(&g_lock.cs);
}
void AfxUnlockGlobals()
{
    ::LeaveCriticalSection(&g_lock.cs);
}

LPTSTR AfxStrDup(LPCTSTR psz)
{
    if (psz == NULL)
        return NULL;
    size_t n = wcslen(psz) + 1;
    LPTSTR p = new TCHAR[n];
    memcpy(p, psz, n * sizeof(TCHAR));
    return p;
}

// ---------------------------------------------------------------------------------------------
// Thread state

_AFX_THREAD_STATE::_AFX_THREAD_STATE()
    : m_bNeedTerm(FALSE), m_pWndInit(NULL), m_hHookOldCbtFilter(NULL), m_hLockoutNotifyWindow(NULL),
      m_pCurrentWinThread(NULL), m_pmapHWND(NULL), m_pmapHDC(NULL), m_pmapHGDIOBJ(NULL), m_pmapHMENU(NULL),
      m_nTempMapLock(0), m_pMsgCache(NULL), m_nKeptStrings(0)
{
    memset(&m_lastSentMsg, 0, sizeof(m_lastSentMsg));
    memset(&m_msgCur, 0, sizeof(m_msgCur));
}

_AFX_THREAD_STATE::~_AFX_THREAD_STATE()
{
    if (m_hHookOldCbtFilter != NULL)
        ::UnhookWindowsHookEx(m_hHookOldCbtFilter);
    // Temporaries first: deleting a wrapper never touches the maps of another kind.
    delete m_pmapHWND;
    delete m_pmapHDC;
    delete m_pmapHGDIOBJ;
    delete m_pmapHMENU;
    delete m_pMsgCache;
    while (m_nKeptStrings > 0)
        ::free(m_pKeptStrings[--m_nKeptStrings]);
}

INT_PTR _AFX_THREAD_STATE::GetTempObjectCount() const
{
    INT_PTR n = 0;
    if (m_pmapHWND)
        n += m_pmapHWND->GetTempCount();
    if (m_pmapHDC)
        n += m_pmapHDC->GetTempCount();
    if (m_pmapHGDIOBJ)
        n += m_pmapHGDIOBJ->GetTempCount();
    if (m_pmapHMENU)
        n += m_pmapHMENU->GetTempCount();
    return n;
}

void _AFX_THREAD_STATE::DeleteTempMaps()
{
    if (m_nTempMapLock > 0)
        return;
    // A wrapper's destructor may itself ask for temporaries (a CDC selecting objects back);
    // repeat until nothing is left, with a bound against a destructor that keeps making more.
    for (int pass = 0; pass < 4 && GetTempObjectCount() != 0; ++pass)
    {
        if (m_pmapHDC)
            m_pmapHDC->DeleteTemp();
        if (m_pmapHGDIOBJ)
            m_pmapHGDIOBJ->DeleteTemp();
        if (m_pmapHMENU)
            m_pmapHMENU->DeleteTemp();
        if (m_pmapHWND)
            m_pmapHWND->DeleteTemp();
    }
}

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    DWORD idx = TlsIndex();
    _AFX_THREAD_STATE* pState = (_AFX_THREAD_STATE*)::TlsGetValue(idx);
    if (pState == NULL)
    {
        pState = new _AFX_THREAD_STATE;
        ::TlsSetValue(idx, pState);
    }
    return pState;
}

_AFX_THREAD_STATE* AFXAPI AfxPeekThreadState()
{
    LONG idx = g_tlsIndex;
    return idx == (LONG)TLS_OUT_OF_INDEXES ? NULL : (_AFX_THREAD_STATE*)::TlsGetValue((DWORD)idx);
}

void AfxTermThreadState()
{
    if (g_tlsIndex == (LONG)TLS_OUT_OF_INDEXES)
        return;
    _AFX_THREAD_STATE* pState = (_AFX_THREAD_STATE*)::TlsGetValue((DWORD)g_tlsIndex);
    if (pState == NULL)
        return;
    ::TlsSetValue((DWORD)g_tlsIndex, NULL);
    delete pState;
}

void AFXAPI AfxLockTempMaps()
{
    ++AfxGetThreadState()->m_nTempMapLock;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_nTempMapLock > 0)
        --pState->m_nTempMapLock;
    if (pState->m_nTempMapLock != 0 || !bDeleteTemps)
        return FALSE;
    pState->DeleteTempMaps();
    return TRUE;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    (void)hInstance;
    switch (dwReason)
    {
    case DLL_THREAD_DETACH: AfxTermThreadState(); break;
    case DLL_PROCESS_DETACH:
        // At process exit (lpReserved != NULL) other DLLs may be gone already: leave everything.
        if (lpReserved == NULL)
        {
            AfxTermThreadState();
            if (g_tlsIndex != (LONG)TLS_OUT_OF_INDEXES)
                ::TlsFree((DWORD)g_tlsIndex);
            g_tlsIndex = (LONG)TLS_OUT_OF_INDEXES;
        }
        break;
    default: break;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// Handle maps

CObject* CHandleMap::FromHandle(HANDLE h)
{
    if (h == NULL)
        return NULL;
    if (CObject* p = LookupPermanent(h))
        return p;
    if (CObject* p = LookupTemporary(h))
        return p;
    CObject* pTemp = m_pfnNew();
    m_pfnSet(pTemp, h);
    m_temporary[h] = pTemp;
    return pTemp;
}

CObject* CHandleMap::LookupPermanent(HANDLE h) const
{
    auto it = m_permanent.find(h);
    return it == m_permanent.end() ? NULL : it->second;
}

CObject* CHandleMap::LookupTemporary(HANDLE h) const
{
    auto it = m_temporary.find(h);
    return it == m_temporary.end() ? NULL : it->second;
}

void CHandleMap::SetPermanent(HANDLE h, CObject* pObject)
{
    m_permanent[h] = pObject;
}

void CHandleMap::RemoveHandle(HANDLE h, CObject* pObject)
{
    auto it = m_permanent.find(h);
    if (it != m_permanent.end() && (pObject == NULL || it->second == pObject))
        m_permanent.erase(it);
}

void CHandleMap::DeleteTemp()
{
    // Swap the map out first: a destructor that asks for a wrapper again gets a fresh one, which
    // the next pass frees.
    std::unordered_map<HANDLE, CObject*> old;
    old.swap(m_temporary);
    for (auto& kv : old)
    {
        m_pfnClear(kv.second);
        delete kv.second;
    }
}

namespace
{

CObject* NewWnd()
{
    return new CWnd;
}
void SetWnd(CObject* p, HANDLE h)
{
    static_cast<CWnd*>(p)->m_hWnd = (HWND)h;
}
void ClearWnd(CObject* p)
{
    static_cast<CWnd*>(p)->m_hWnd = NULL;
}

CObject* NewDC()
{
    return new CDC;
}
void SetDC(CObject* p, HANDLE h)
{
    CDC* pDC = static_cast<CDC*>(p);
    pDC->m_hDC = pDC->m_hAttribDC = (HDC)h;
}
void ClearDC(CObject* p)
{
    CDC* pDC = static_cast<CDC*>(p);
    pDC->m_hDC = pDC->m_hAttribDC = NULL;
}

CObject* NewGdi()
{
    return new CGdiObject;
}
void SetGdi(CObject* p, HANDLE h)
{
    static_cast<CGdiObject*>(p)->m_hObject = (HGDIOBJ)h;
}
void ClearGdi(CObject* p)
{
    static_cast<CGdiObject*>(p)->m_hObject = NULL;
}

CObject* NewMenu()
{
    return new CMenu;
}
void SetMenu(CObject* p, HANDLE h)
{
    static_cast<CMenu*>(p)->m_hMenu = (HMENU)h;
}
void ClearMenu(CObject* p)
{
    static_cast<CMenu*>(p)->m_hMenu = NULL;
}

} // namespace

CHandleMap* AfxMapHWND()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pmapHWND == NULL)
        pState->m_pmapHWND = new CHandleMap(NewWnd, SetWnd, ClearWnd);
    return pState->m_pmapHWND;
}

CHandleMap* AfxMapHDC()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pmapHDC == NULL)
        pState->m_pmapHDC = new CHandleMap(NewDC, SetDC, ClearDC);
    return pState->m_pmapHDC;
}

CHandleMap* AfxMapHGDIOBJ()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pmapHGDIOBJ == NULL)
        pState->m_pmapHGDIOBJ = new CHandleMap(NewGdi, SetGdi, ClearGdi);
    return pState->m_pmapHGDIOBJ;
}

CHandleMap* AfxMapHMENU()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pmapHMENU == NULL)
        pState->m_pmapHMENU = new CHandleMap(NewMenu, SetMenu, ClearMenu);
    return pState->m_pmapHMENU;
}

// ---------------------------------------------------------------------------------------------
// Instance and resource handles

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    if (g_moduleState.m_hCurrentInstanceHandle == NULL)
        return ::GetModuleHandleW(NULL);
    return g_moduleState.m_hCurrentInstanceHandle;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    if (g_moduleState.m_hCurrentResourceHandle == NULL)
        return AfxGetInstanceHandle();
    return g_moduleState.m_hCurrentResourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_moduleState.m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE hApp = AfxGetResourceHandle();
    if (lpszName == NULL || lpszType == NULL)
        return hApp;
    if (!g_moduleState.m_bSystem && ::FindResourceW(hApp, lpszName, lpszType) != NULL)
        return hApp;

    HINSTANCE hFound = NULL;
    AfxLockGlobals();
    // Non-system modules in chain order, then the system ones.
    for (int pass = 0; pass < 2 && hFound == NULL; ++pass)
    {
        BOOL bSystem = pass == 1;
        if (bSystem && g_moduleState.m_bSystem && ::FindResourceW(hApp, lpszName, lpszType) != NULL)
        {
            hFound = hApp;
            break;
        }
        for (CDynLinkLibrary* pDLL = g_moduleState.m_pFirstDLL; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
        {
            if (!pDLL->m_bSystem != !bSystem || pDLL->m_hResource == NULL)
                continue;
            if (::FindResourceW(pDLL->m_hResource, lpszName, lpszType) != NULL)
            {
                hFound = pDLL->m_hResource;
                break;
            }
        }
    }
    AfxUnlockGlobals();
    return hFound != NULL ? hFound : hApp;
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEW((nID >> 4) + 1), (LPCWSTR)RT_STRING);
    return LoadString(hInst, nID);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    return AfxMessageBox((LPCTSTR)strPrompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

HINSTANCE AFXAPI AfxLoadLibrary(LPCTSTR lpszModuleName)
{
    return ::LoadLibraryW(lpszModuleName);
}
BOOL AFXAPI AfxFreeLibrary(HINSTANCE hInstLib)
{
    return hInstLib != NULL && ::FreeLibrary(hInstLib);
}

// ---------------------------------------------------------------------------------------------
// Extension modules

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = NULL;
    state.pFirstSharedFactory = NULL;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    // Unlink under the lock, delete outside it (the destructor unlinks again, harmlessly).
    CDynLinkLibrary* pDoomed = NULL;
    AfxLockGlobals();
    CDynLinkLibrary** ppLink = &g_moduleState.m_pFirstDLL;
    while (*ppLink != NULL)
    {
        CDynLinkLibrary* pDLL = *ppLink;
        if (bAll || pDLL->m_hModule == state.hModule)
        {
            *ppLink = pDLL->m_pNextDLL;
            pDLL->m_pNextDLL = pDoomed;
            pDoomed = pDLL;
        }
        else
        {
            ppLink = &pDLL->m_pNextDLL;
        }
    }
    AfxUnlockGlobals();
    while (pDoomed != NULL)
    {
        CDynLinkLibrary* pNext = pDoomed->m_pNextDLL;
        pDoomed->m_pNextDLL = NULL;
        delete pDoomed;
        pDoomed = pNext;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary* AFXAPI AfxGetModuleChainHead()
{
    return g_moduleState.m_pFirstDLL;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(NULL)
{
    AddToChain();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pNextDLL(NULL)
{
    AddToChain();
}

void CDynLinkLibrary::AddToChain()
{
    AfxLockGlobals();
    m_pNextDLL = g_moduleState.m_pFirstDLL;
    g_moduleState.m_pFirstDLL = this;
    AfxUnlockGlobals();
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    AfxLockGlobals();
    for (CDynLinkLibrary** ppLink = &g_moduleState.m_pFirstDLL; *ppLink != NULL;
         ppLink = &(*ppLink)->m_pNextDLL)
    {
        if (*ppLink == this)
        {
            *ppLink = m_pNextDLL;
            break;
        }
    }
    AfxUnlockGlobals();
}

// ---------------------------------------------------------------------------------------------
// Window classes and common controls

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    if (lpWndClass == NULL || lpWndClass->lpszClassName == NULL)
        return FALSE;
    WNDCLASSW wc;
    if (::GetClassInfoW(lpWndClass->hInstance, lpWndClass->lpszClassName, &wc))
        return TRUE;
    return ::RegisterClassW(lpWndClass) != 0;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // The names are kept for the life of the process so that the returned pointer stays valid.
    static std::set<std::wstring>* s_pNames = new std::set<std::wstring>;
    HINSTANCE hInst = AfxGetInstanceHandle();
    wchar_t szName[128];
    if (hCursor == NULL && hbrBackground == NULL && hIcon == NULL)
        _snwprintf(szName, 128, L"Afx:%p:%x", (void*)hInst, nClassStyle);
    else
        _snwprintf(szName, 128, L"Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor,
                   (void*)hbrBackground, (void*)hIcon);
    szName[127] = 0;

    AfxLockGlobals();
    LPCTSTR pszName = s_pNames->insert(szName).first->c_str();
    AfxUnlockGlobals();

    WNDCLASSW wc;
    if (::GetClassInfoW(hInst, pszName, &wc))
        return pszName;
    memset(&wc, 0, sizeof(wc));
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = pszName;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return pszName;
}

LPCTSTR AfxDefaultWndClass()
{
    static const wchar_t kName[] = L"AfxWnd";
    WNDCLASSW wc;
    memset(&wc, 0, sizeof(wc));
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    wc.lpszClassName = kName;
    AfxRegisterClass(&wc);
    return kName;
}

BOOL AFXAPI AfxInitCommonControls()
{
    static volatile LONG s_done = 0;
    if (s_done)
        return TRUE;
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES |
                ICC_INTERNET_CLASSES | ICC_PAGESCROLLER_CLASS | ICC_STANDARD_CLASSES;
    BOOL bOk = ::InitCommonControlsEx(&icc);
    if (!bOk)
    {
        // Older common controls refuse unknown class groups: ask for the basic set alone.
        icc.dwICC = ICC_WIN95_CLASSES;
        bOk = ::InitCommonControlsEx(&icc);
    }
    s_done = 1;
    return bOk;
}
