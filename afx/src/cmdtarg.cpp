// Command targets: the message-map root, command and notification dispatch, CCmdUI.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// The root map: no entries and no base.
const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}};
    static const AFX_MSGMAP messageMap = {NULL, &_messageEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

CCmdTarget::CCmdTarget() {}
CCmdTarget::~CCmdTarget() {}

void CCmdTarget::BeginWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(1);
    else
        ::SetCursor(::LoadCursorW(NULL, (LPCWSTR)IDC_WAIT));
}

void CCmdTarget::EndWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(-1);
    else
        ::SetCursor(::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(0);
}

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry)
    {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID &&
            nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return NULL;
}

namespace
{

// The command and notification handler types, punned from the stored AFX_PMSG.
union CmdFunctions
{
    AFX_PMSG pfn;
    void (AFX_MSG_CALL CCmdTarget::*pfn_v)();
    BOOL (AFX_MSG_CALL CCmdTarget::*pfn_b)();
    void (AFX_MSG_CALL CCmdTarget::*pfn_v_u)(UINT);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfn_b_u)(UINT);
    void (AFX_MSG_CALL CCmdTarget::*pfn_UI)(CCmdUI*);
    void (AFX_MSG_CALL CCmdTarget::*pfn_N)(NMHDR*, LRESULT*);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfn_b_N)(NMHDR*, LRESULT*);
    void (AFX_MSG_CALL CCmdTarget::*pfn_u_N)(UINT, NMHDR*, LRESULT*);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfn_b_u_N)(UINT, NMHDR*, LRESULT*);
};

} // namespace

BOOL AfxDispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra, UINT_PTR nSig,
                       AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (pHandlerInfo != NULL)
    {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }
    CmdFunctions mmf;
    mmf.pfn = pfn;
    AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
    switch (nSig)
    {
    case AfxSigCmd_v: (pTarget->*mmf.pfn_v)(); return TRUE;
    case AfxSigCmd_b: return (pTarget->*mmf.pfn_b)();
    case AfxSigCmd_RANGE: (pTarget->*mmf.pfn_v_u)(nID); return TRUE;
    case AfxSigCmd_EX: return (pTarget->*mmf.pfn_b_u)(nID);
    case AfxSigCmdUI:
    case AfxSigCmdUI_RANGE:
    {
        CCmdUI* pCmdUI = (CCmdUI*)pExtra;
        if (pCmdUI == NULL)
            return FALSE;
        BOOL bOldContinue = pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*mmf.pfn_UI)(pCmdUI);
        BOOL bHandled = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = bOldContinue;
        return bHandled;
    }
    case AfxSigNotify_v:
        if (pNotify == NULL)
            return FALSE;
        (pTarget->*mmf.pfn_N)(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSigNotify_b:
        if (pNotify == NULL)
            return FALSE;
        return (pTarget->*mmf.pfn_b_N)(pNotify->pNMHDR, pNotify->pResult);
    case AfxSigNotify_RANGE:
        if (pNotify == NULL)
            return FALSE;
        (pTarget->*mmf.pfn_u_N)(nID, pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSigNotify_EX:
        if (pNotify == NULL)
            return FALSE;
        return (pTarget->*mmf.pfn_b_u_N)(nID, pNotify->pNMHDR, pNotify->pResult);
    default: (void)nCode; return FALSE; // a window-message entry: not callable as a command
    }
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg = 0;
    UINT nEntryCode = (UINT)nCode;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(nCode);
        nEntryCode = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    // Walk this class's map and its bases'; the root has no entries.
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL && pMap->pfnGetBaseMap != NULL;
         pMap = (*pMap->pfnGetBaseMap)())
    {
        const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMap->lpEntries, nMsg, nEntryCode, nID);
        if (lpEntry != NULL)
            return AfxDispatchCmdMsg(this, nID, nCode, lpEntry->pfn, pExtra, lpEntry->nSig, pHandlerInfo);
    }
    return FALSE;
}

// ---------------------------------------------------------------------------------------------
// CCmdUI

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(NULL), m_pSubMenu(NULL), m_pOther(NULL), m_nIndexMax(0),
      m_pParentMenu(NULL), m_bEnableChanged(FALSE), m_bContinueRouting(FALSE)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu == NULL)
            ::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex,
                             MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther != NULL && m_pOther->m_hWnd != NULL)
    {
        // A control losing its enabled state must not keep the focus.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
        {
            HWND hParent = ::GetParent(m_pOther->m_hWnd);
            HWND hNext = hParent ? ::GetNextDlgTabItem(hParent, m_pOther->m_hWnd, FALSE) : NULL;
            if (hNext != NULL && hNext != m_pOther->m_hWnd)
                ::SetFocus(hNext);
            else if (hParent != NULL)
                ::SetFocus(hParent);
        }
        ::EnableWindow(m_pOther->m_hWnd, bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu == NULL)
            ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther != NULL && m_pOther->m_hWnd != NULL)
    {
        if (::SendMessageW(m_pOther->m_hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            ::SendMessageW(m_pOther->m_hWnd, BM_SETCHECK, (WPARAM)nCheck, 0);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    SetCheck(bOn ? 1 : 0);
    if (m_pMenu != NULL && m_pSubMenu == NULL)
    {
        ::CheckMenuRadioItem(m_pMenu->m_hMenu, m_nIndex, m_nIndex, bOn ? m_nIndex : (UINT)-1, MF_BYPOSITION);
    }
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (lpszText == NULL)
        lpszText = L"";
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        UINT nState = ::GetMenuState(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION);
        nState &= ~(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_POPUP);
        ::ModifyMenuW(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    }
    else if (m_pOther != NULL && m_pOther->m_hWnd != NULL)
    {
        // Only when it differs: setting the same text again would flicker.
        CString strOld;
        m_pOther->GetWindowText(strOld);
        if (strOld != lpszText)
            ::SetWindowTextW(m_pOther->m_hWnd, lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (pTarget == NULL || m_nID == 0)
        return TRUE;
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, NULL);
    if (bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info;
        info.pTarget = NULL;
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
    }
    return bResult;
}
