// CWnd message dispatch: the map look-up with its cache, unpacking of window messages by
// signature, WM_COMMAND/WM_NOTIFY routing and reflection of child messages.
#include "afximpl.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace
{

// Handler types of window messages, punned from the stored AFX_PMSG (see afxmsg_.h for what
// each signature unpacks).
union WndFunctions
{
    AFX_PMSG pfn;
    void (AFX_MSG_CALL CWnd::*pfn_v_v)();
    int (AFX_MSG_CALL CWnd::*pfn_i_CREATE)(LPCREATESTRUCT);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_CREATE)(LPCREATESTRUCT);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_D)(CDC*);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_i_i)(UINT, int, int);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_pr)(UINT, LPRECT);
    void (AFX_MSG_CALL CWnd::*pfn_v_i_i)(int, int);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u_W)(UINT, UINT, CScrollBar*);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_p)(UINT, CPoint);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_u_s_p)(UINT, short, CPoint);
    int (AFX_MSG_CALL CWnd::*pfn_i_W_u_u)(CWnd*, UINT, UINT);
    LRESULT (AFX_MSG_CALL CWnd::*pfn_l_p)(CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_v_up)(UINT_PTR);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u_u)(UINT, UINT, UINT);
    UINT (AFX_MSG_CALL CWnd::*pfn_u_v)();
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_v)();
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_W_u_u)(CWnd*, UINT, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_W)(CWnd*);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_cs)(UINT, LPCTSTR);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_h_D_W_u)(CDC*, CWnd*, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_lp)(void*);
    void (AFX_MSG_CALL CWnd::*pfn_v_b_u)(BOOL, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_W_b)(UINT, CWnd*, BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_v_W_p)(CWnd*, CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_v_i_lp)(int, void*);
    int (AFX_MSG_CALL CWnd::*pfn_i_i_lp)(int, void*);
    void (AFX_MSG_CALL CWnd::*pfn_v_b_lp)(BOOL, void*);
    void (AFX_MSG_CALL CWnd::*pfn_v_wp)(void*);
    void (AFX_MSG_CALL CWnd::*pfn_v_M_u_b)(CMenu*, UINT, BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_v_M)(CMenu*);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u_M)(UINT, UINT, HMENU);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_l)(UINT, LPARAM);
    void (AFX_MSG_CALL CWnd::*pfn_v_b)(BOOL);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_b)(BOOL);
    LRESULT (AFX_MSG_CALL CWnd::*pfn_l_w_l)(WPARAM, LPARAM);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_h_D_u)(CDC*, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u)(UINT, UINT);
};

// A CDC over a DC that belongs to the message: no map entry, never deleted.
class CMessageDC : public CDC
{
public:
    explicit CMessageDC(HDC hDC) { m_hDC = m_hAttribDC = hDC; }
    ~CMessageDC() { m_hDC = m_hAttribDC = NULL; }
};

inline CPoint PointOf(LPARAM lParam)
{
    return CPoint((short)LOWORD(lParam), (short)HIWORD(lParam));
}

inline bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The entry for a window message in pMap or its bases, through this thread's cache.
const AFX_MSGMAP_ENTRY* LookupWindowEntry(const AFX_MSGMAP* pMap, UINT message)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pMsgCache == NULL)
        pState->m_pMsgCache = new _AfxMsgCache;
    UINT_PTR nHash = (((UINT_PTR)pMap >> 4) ^ (message * 2654435761u)) & (_AfxMsgCache::kSize - 1);
    _AfxMsgCache::Slot& slot = pState->m_pMsgCache->slots[nHash];
    if (slot.pMap == pMap && slot.nMsg == message)
        return slot.lpEntry;

    const AFX_MSGMAP_ENTRY* lpFound = NULL;
    for (const AFX_MSGMAP* p = pMap; p != NULL && p->pfnGetBaseMap != NULL && lpFound == NULL;
         p = (*p->pfnGetBaseMap)())
    {
        if (message < 0xC000)
        {
            lpFound = AfxFindMessageEntry(p->lpEntries, message, 0, 0);
        }
        else
        {
            // Registered messages: the entry holds the address of the variable with the number.
            for (const AFX_MSGMAP_ENTRY* e = p->lpEntries; e->nSig != AfxSig_end; ++e)
            {
                if (e->nMessage == 0xC000 && e->nSig != 0 && *(const UINT*)e->nSig == message)
                {
                    lpFound = e;
                    break;
                }
            }
        }
    }
    slot.pMap = pMap;
    slot.nMsg = message;
    slot.lpEntry = lpFound;
    return lpFound;
}

// A test command UI that only records whether the command is enabled.
class CTestCmdUI : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}
};

} // namespace

// The child window a message to this window comes from, when the message is one that the
// child may handle itself; NULL otherwise.
static HWND ReflectSource(HWND hWndSelf, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWndChild = NULL;
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
        hWndChild = (HWND)lParam; // NULL for the window's own scroll bars
        break;
    case WM_DRAWITEM:
        if (lParam != 0 && ((LPDRAWITEMSTRUCT)lParam)->CtlType != ODT_MENU)
            hWndChild = ((LPDRAWITEMSTRUCT)lParam)->hwndItem;
        break;
    case WM_MEASUREITEM:
        if (lParam != 0 && ((LPMEASUREITEMSTRUCT)lParam)->CtlType != ODT_MENU)
            hWndChild = ::GetDlgItem(hWndSelf, (int)((LPMEASUREITEMSTRUCT)lParam)->CtlID);
        break;
    case WM_DELETEITEM:
        if (lParam != 0)
            hWndChild = ((LPDELETEITEMSTRUCT)lParam)->hwndItem;
        break;
    case WM_COMPAREITEM:
        if (lParam != 0)
            hWndChild = ((LPCOMPAREITEMSTRUCT)lParam)->hwndItem;
        break;
    default:
        if (IsCtlColor(message))
            hWndChild = (HWND)lParam;
        break;
    }
    (void)wParam;
    return hWndChild == hWndSelf ? NULL : hWndChild;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    }
    else if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    }
    else
    {
        // A child's message is offered to the child's object first.
        HWND hWndChild = ReflectSource(m_hWnd, message, wParam, lParam);
        CWnd* pChild = hWndChild != NULL ? FromHandlePermanent(hWndChild) : NULL;
        if (pChild == NULL || !pChild->OnChildNotify(message, wParam, lParam, &lResult))
        {
            const AFX_MSGMAP* pMap = GetMessageMap();
            const AFX_MSGMAP_ENTRY* lpEntry = LookupWindowEntry(pMap, message);
            if (lpEntry == NULL && IsCtlColor(message))
                lpEntry = LookupWindowEntry(pMap, WM_CTLCOLOR);
            if (lpEntry == NULL)
                return FALSE;

            WndFunctions mmf;
            mmf.pfn = lpEntry->pfn;
            UINT_PTR nSig = lpEntry->nMessage == 0xC000 ? (UINT_PTR)AfxSig_l_w_l : lpEntry->nSig;
            switch (nSig)
            {
            case AfxSig_v_v: (this->*mmf.pfn_v_v)(); break;
            case AfxSig_i_CREATE: lResult = (this->*mmf.pfn_i_CREATE)((LPCREATESTRUCT)lParam); break;
            case AfxSig_b_CREATE: lResult = (this->*mmf.pfn_b_CREATE)((LPCREATESTRUCT)lParam); break;
            case AfxSig_b_D:
            {
                CMessageDC dc((HDC)wParam);
                lResult = (this->*mmf.pfn_b_D)(&dc);
                break;
            }
            case AfxSig_v_u_i_i:
                (this->*mmf.pfn_v_u_i_i)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
                break;
            case AfxSig_v_u_pr:
                (this->*mmf.pfn_v_u_pr)((UINT)wParam, (LPRECT)lParam);
                lResult = TRUE;
                break;
            case AfxSig_v_i_i: (this->*mmf.pfn_v_i_i)((short)LOWORD(lParam), (short)HIWORD(lParam)); break;
            case AfxSig_v_u_u_W:
                (this->*mmf.pfn_v_u_u_W)(LOWORD(wParam), HIWORD(wParam),
                                         (CScrollBar*)CWnd::FromHandle((HWND)lParam));
                break;
            case AfxSig_v_u_p: (this->*mmf.pfn_v_u_p)((UINT)wParam, PointOf(lParam)); break;
            case AfxSig_b_u_s_p:
                lResult = (this->*mmf.pfn_b_u_s_p)(LOWORD(wParam), (short)HIWORD(wParam), PointOf(lParam));
                break;
            case AfxSig_i_W_u_u:
                lResult =
                    (this->*mmf.pfn_i_W_u_u)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
                break;
            case AfxSig_l_p: lResult = (this->*mmf.pfn_l_p)(PointOf(lParam)); break;
            case AfxSig_v_up: (this->*mmf.pfn_v_up)((UINT_PTR)wParam); break;
            case AfxSig_v_u_u_u:
                (this->*mmf.pfn_v_u_u_u)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
                break;
            case AfxSig_u_v: lResult = (this->*mmf.pfn_u_v)(); break;
            case AfxSig_b_v: lResult = (this->*mmf.pfn_b_v)(); break;
            case AfxSig_b_W_u_u:
                lResult =
                    (this->*mmf.pfn_b_W_u_u)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
                break;
            case AfxSig_v_W: (this->*mmf.pfn_v_W)(CWnd::FromHandle((HWND)wParam)); break;
            case AfxSig_v_W2: (this->*mmf.pfn_v_W)(CWnd::FromHandle((HWND)lParam)); break;
            case AfxSig_v_u_cs: (this->*mmf.pfn_v_u_cs)((UINT)wParam, (LPCTSTR)lParam); break;
            case AfxSig_h_D_W_u:
            {
                if (!IsCtlColor(message))
                    return FALSE;
                CMessageDC dc((HDC)wParam);
                lResult = (LRESULT)(this->*mmf.pfn_h_D_W_u)(&dc, CWnd::FromHandle((HWND)lParam),
                                                            message - WM_CTLCOLORMSGBOX);
                break;
            }
            case AfxSig_v_lp:
                (this->*mmf.pfn_v_lp)((void*)lParam);
                // The reflected owner-draw messages report "handled" like the originals.
                if (message == WM_REFLECT_BASE + WM_DRAWITEM || message == WM_REFLECT_BASE + WM_MEASUREITEM ||
                    message == WM_REFLECT_BASE + WM_DELETEITEM)
                    lResult = TRUE;
                break;
            case AfxSig_v_b_u: (this->*mmf.pfn_v_b_u)((BOOL)wParam, (UINT)lParam); break;
            case AfxSig_v_u_W_b:
                (this->*mmf.pfn_v_u_W_b)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam),
                                         (BOOL)HIWORD(wParam));
                break;
            case AfxSig_v_W_p: (this->*mmf.pfn_v_W_p)(CWnd::FromHandle((HWND)wParam), PointOf(lParam)); break;
            case AfxSig_v_OWNER:
                (this->*mmf.pfn_v_i_lp)((int)wParam, (void*)lParam);
                lResult = TRUE;
                break;
            case AfxSig_i_i_lp: lResult = (this->*mmf.pfn_i_i_lp)((int)wParam, (void*)lParam); break;
            case AfxSig_v_i_lp: (this->*mmf.pfn_v_i_lp)((int)wParam, (void*)lParam); break;
            case AfxSig_v_b_lp: (this->*mmf.pfn_v_b_lp)((BOOL)wParam, (void*)lParam); break;
            case AfxSig_v_wp: (this->*mmf.pfn_v_wp)((void*)wParam); break;
            case AfxSig_v_M_u_b:
                (this->*mmf.pfn_v_M_u_b)(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam),
                                         (BOOL)HIWORD(lParam));
                break;
            case AfxSig_v_M: (this->*mmf.pfn_v_M)(CMenu::FromHandle((HMENU)wParam)); break;
            case AfxSig_v_u_u_M:
                (this->*mmf.pfn_v_u_u_M)(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
                break;
            case AfxSig_v_u_l: (this->*mmf.pfn_v_u_l)((UINT)wParam, lParam); break;
            case AfxSig_v_b: (this->*mmf.pfn_v_b)((BOOL)wParam); break;
            case AfxSig_b_b: lResult = (this->*mmf.pfn_b_b)((BOOL)wParam); break;
            case AfxSig_l_w_l: lResult = (this->*mmf.pfn_l_w_l)(wParam, lParam); break;
            case AfxSig_h_D_u:
            {
                // Reflected colour message: lParam is an AFX_CTLCOLOR. A NULL brush lets the parent answer.
                AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
                if (pCtl == NULL)
                    return FALSE;
                CMessageDC dc(pCtl->hDC);
                HBRUSH hbr = (this->*mmf.pfn_h_D_u)(&dc, pCtl->nCtlType);
                if (hbr == NULL)
                    return FALSE;
                lResult = (LRESULT)hbr;
                break;
            }
            case AfxSig_v_u_u: (this->*mmf.pfn_v_u_u)(LOWORD(wParam), HIWORD(wParam)); break;
            default: return FALSE; // a command entry under a window message number: not callable here
            }
        }
    }
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// Commands and notifications

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl == NULL)
    {
        // A menu item or accelerator: a command whose update handler disables it is not carried out.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        if (hWndCtrl != m_hWnd)
        {
            CWnd* pChild = FromHandlePermanent(hWndCtrl);
            if (pChild != NULL && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, NULL))
                return TRUE;
        }
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR == NULL)
        return FALSE;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    // The control's id is taken from the control itself when it exists.
    UINT nID = ::IsWindow(hWndCtrl) ? (UINT)(WORD)::GetDlgCtrlID(hWndCtrl) : (UINT)(WORD)pNMHDR->idFrom;
    int nCode = (int)pNMHDR->code;
    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (hWndCtrl != m_hWnd)
    {
        CWnd* pChild = FromHandlePermanent(hWndCtrl);
        if (pChild != NULL && pChild->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult))
            return TRUE;
    }
    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM: return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND:
    {
        int nCode = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
        {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR == NULL)
            return FALSE;
        LRESULT lDummy = 0;
        AFX_NOTIFY notify;
        notify.pResult = pResult != NULL ? pResult : &lDummy;
        notify.pNMHDR = pNMHDR;
        return CCmdTarget::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }
    default:
        if (IsCtlColor(message))
        {
            AFX_CTLCOLOR ctl;
            ctl.hWnd = (HWND)lParam;
            ctl.hDC = (HDC)wParam;
            ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
            return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, pResult);
        }
        return FALSE;
    }
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd != NULL && pWnd->SendChildNotifyLastMsg(pResult);
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_hWnd == NULL)
        return;
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        state.m_nID = (UINT)(WORD)::GetDlgCtrlID(hWndChild);
        state.m_pOther = CWnd::FromHandle(hWndChild);
        // A child with an update handler of its own is asked first.
        CWnd* pChild = FromHandlePermanent(hWndChild);
        if (pChild != NULL && state.DoUpdate(pChild, FALSE))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
