// Internals of the windowing core shared by its source files. Not installed, not exported.
#pragma once

#include <afxwin.h>
#include <afxdisp.h>
#include <unordered_map>

// ---------------------------------------------------------------------------------------------
// Handle maps: one per handle kind and thread.
//
// The permanent map holds objects that own or are bound to their handle (CWnd after Create,
// CPen after CreatePen, CDC after Attach...). The temporary map holds wrappers that FromHandle
// made for handles nobody wraps; they are deleted by DeleteTemp after their handle is cleared,
// so deleting them never destroys anything. RemoveHandle touches only the permanent map: a
// temporary leaves only through DeleteTemp.
class CHandleMap
{
public:
    typedef CObject* (*PFNNEW)();                       // an empty wrapper
    typedef void (*PFNSET)(CObject* pObject, HANDLE h); // sets the wrapper's handle(s)
    typedef void (*PFNCLEAR)(CObject* pObject);         // clears them before the wrapper is deleted

    CHandleMap(PFNNEW pfnNew, PFNSET pfnSet, PFNCLEAR pfnClear)
        : m_pfnNew(pfnNew), m_pfnSet(pfnSet), m_pfnClear(pfnClear)
    {
    }
    ~CHandleMap() { DeleteTemp(); }

    CObject* FromHandle(HANDLE h); // permanent, else temporary (made on demand); NULL for NULL
    CObject* LookupPermanent(HANDLE h) const;
    CObject* LookupTemporary(HANDLE h) const;
    void SetPermanent(HANDLE h, CObject* pObject);
    // Removes h's permanent entry if it is pObject (any object when pObject is NULL).
    void RemoveHandle(HANDLE h, CObject* pObject = NULL);
    void DeleteTemp();
    INT_PTR GetTempCount() const { return (INT_PTR)m_temporary.size(); }

private:
    std::unordered_map<HANDLE, CObject*> m_permanent;
    std::unordered_map<HANDLE, CObject*> m_temporary;
    PFNNEW m_pfnNew;
    PFNSET m_pfnSet;
    PFNCLEAR m_pfnClear;
};

// This thread's map of each kind (created on first use).
CHandleMap* AfxMapHWND();
CHandleMap* AfxMapHDC();
CHandleMap* AfxMapHGDIOBJ();
CHandleMap* AfxMapHMENU();

// ---------------------------------------------------------------------------------------------
// Message-map look-up

// The entry for (nMsg, nCode, nID) in one map's entries, NULL when none.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID);
// Calls a command or notification handler by its signature; the result is "handled".
BOOL AfxDispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra, UINT_PTR nSig,
                       AFX_CMDHANDLERINFO* pHandlerInfo);

// Per-thread cache of window-message look-ups: (map, message) -> entry or "none".
struct _AfxMsgCache
{
    enum
    {
        kSize = 256
    };
    struct Slot
    {
        const AFX_MSGMAP* pMap;
        UINT nMsg;
        const AFX_MSGMAP_ENTRY* lpEntry;
    };
    Slot slots[kSize];
    _AfxMsgCache() { memset(slots, 0, sizeof(slots)); }
};

// ---------------------------------------------------------------------------------------------
// Process-wide state and helpers

AFX_MODULE_STATE* AfxModuleState();
void AfxLockGlobals();
void AfxUnlockGlobals();
// Registers the layer's default window class "AfxWnd" for the current instance; its name.
LPCTSTR AfxDefaultWndClass();
// Frees this thread's state (thread exit, process detach).
void AfxTermThreadState();

// Wide string duplicate with new[]; NULL for NULL.
LPTSTR AfxStrDup(LPCTSTR psz);
