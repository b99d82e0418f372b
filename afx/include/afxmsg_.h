// Message-map entries: the signature codes the dispatcher switches on and the ON_... macros.
// Included by afxwin.h after CWnd; not meant to be included on its own.
//
// Every entry macro type-checks the handler against the framework's signature with a
// static_cast, so a handler with a wrong parameter list fails to compile instead of being
// called with garbage. The comment above each macro gives the handler's signature.
#pragma once

// How the dispatcher unpacks WPARAM/LPARAM for a handler. Window-message handlers are CWnd
// members, command and notification handlers CCmdTarget members.
enum AfxSig : UINT_PTR
{
    AfxSig_end = 0, // end of a map

    AfxSig_v_v,      // void ()
    AfxSig_i_CREATE, // int (LPCREATESTRUCT)                       lParam
    AfxSig_b_CREATE, // BOOL (LPCREATESTRUCT)                      lParam (WM_NCCREATE)
    AfxSig_b_D,      // BOOL (CDC*)                                wParam HDC
    AfxSig_v_u_i_i,  // void (UINT, int, int)                      wParam, LOWORD, HIWORD of lParam
    AfxSig_v_u_pr,   // void (UINT, LPRECT)                        wParam, lParam; result TRUE
    AfxSig_v_i_i,    // void (int, int)                            signed x and y of lParam
    AfxSig_v_u_u_W,  // void (UINT, UINT, CScrollBar*)             LOWORD, HIWORD of wParam, lParam
    AfxSig_v_u_p,    // void (UINT, CPoint)                        wParam, point in lParam
    AfxSig_b_u_s_p,  // BOOL (UINT, short, CPoint)                 LOWORD, HIWORD of wParam, lParam
    AfxSig_i_W_u_u,  // int (CWnd*, UINT, UINT)                    wParam, LOWORD, HIWORD of lParam
    AfxSig_l_p,      // LRESULT (CPoint)                           point in lParam
    AfxSig_v_up,     // void (UINT_PTR)                            wParam
    AfxSig_v_u_u_u,  // void (UINT, UINT, UINT)                    wParam, LOWORD, HIWORD of lParam
    AfxSig_u_v,      // UINT ()
    AfxSig_b_v,      // BOOL ()
    AfxSig_b_W_u_u,  // BOOL (CWnd*, UINT, UINT)                   wParam, LOWORD, HIWORD of lParam
    AfxSig_v_W,      // void (CWnd*)                               wParam
    AfxSig_v_W2,     // void (CWnd*)                               lParam
    AfxSig_v_u_cs,   // void (UINT, LPCTSTR)                       wParam, lParam
    AfxSig_h_D_W_u,  // HBRUSH (CDC*, CWnd*, UINT)                 the WM_CTLCOLOR... family
    AfxSig_v_lp,     // void (T*)                                  lParam
    AfxSig_v_b_u,    // void (BOOL, UINT)                          wParam, lParam
    AfxSig_v_u_W_b,  // void (UINT, CWnd*, BOOL)                   LOWORD wParam, lParam, HIWORD wParam
    AfxSig_v_W_p,    // void (CWnd*, CPoint)                       wParam, point in lParam
    AfxSig_v_OWNER,  // void (int, T*)                             wParam, lParam; result TRUE
    AfxSig_i_i_lp,   // int (int, T*)                              wParam, lParam
    AfxSig_v_i_lp,   // void (int, T*)                             wParam, lParam
    AfxSig_v_b_lp,   // void (BOOL, T*)                            wParam, lParam
    AfxSig_v_wp,     // void (HANDLE)                              wParam
    AfxSig_v_M_u_b,  // void (CMenu*, UINT, BOOL)                  wParam, LOWORD, HIWORD of lParam
    AfxSig_v_M,      // void (CMenu*)                              wParam
    AfxSig_v_u_u_M,  // void (UINT, UINT, HMENU)                   LOWORD, HIWORD of wParam, lParam
    AfxSig_v_u_l,    // void (UINT, LPARAM)                        wParam, lParam
    AfxSig_v_b,      // void (BOOL)                                wParam
    AfxSig_b_b,      // BOOL (BOOL)                                wParam
    AfxSig_l_w_l,    // LRESULT (WPARAM, LPARAM)
    AfxSig_h_D_u,    // HBRUSH (CDC*, UINT)                        reflected WM_CTLCOLOR
    AfxSig_v_u_u,    // void (UINT, UINT)                          LOWORD, HIWORD of wParam

    // Commands and notifications; the handler is a CCmdTarget member.
    AfxSigCmd_v,        // void ()
    AfxSigCmd_b,        // BOOL ()                                    handled when TRUE
    AfxSigCmd_RANGE,    // void (UINT nID)
    AfxSigCmd_EX,       // BOOL (UINT nID)                            handled when TRUE
    AfxSigCmdUI,        // void (CCmdUI*)
    AfxSigCmdUI_RANGE,  // void (CCmdUI*) over a range of ids
    AfxSigNotify_v,     // void (NMHDR*, LRESULT*)
    AfxSigNotify_b,     // BOOL (NMHDR*, LRESULT*)                    handled when TRUE
    AfxSigNotify_RANGE, // void (UINT nID, NMHDR*, LRESULT*)
    AfxSigNotify_EX,    // BOOL (UINT nID, NMHDR*, LRESULT*)          handled when TRUE
};

// Shorthands for the casts in the entries below.
#define _AFX_WM(sig_type, fn) (AFX_PMSG)(AFX_PMSGW)(static_cast<sig_type>(fn))
#define _AFX_ENTRY(msg, sig, sig_type, fn) {msg, 0, 0, 0, sig, _AFX_WM(sig_type, &ThisClass::fn)},

// ---------------------------------------------------------------------------------------------
// Window messages

// int OnCreate(LPCREATESTRUCT lpCreateStruct)
#define ON_WM_CREATE()                                                                                       \
    _AFX_ENTRY(WM_CREATE, AfxSig_i_CREATE, int (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), OnCreate)
// BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct)
#define ON_WM_NCCREATE()                                                                                     \
    _AFX_ENTRY(WM_NCCREATE, AfxSig_b_CREATE, BOOL (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), OnNcCreate)
// void OnDestroy()
#define ON_WM_DESTROY() _AFX_ENTRY(WM_DESTROY, AfxSig_v_v, void (AFX_MSG_CALL CWnd::*)(), OnDestroy)
// void OnNcDestroy()
#define ON_WM_NCDESTROY() _AFX_ENTRY(WM_NCDESTROY, AfxSig_v_v, void (AFX_MSG_CALL CWnd::*)(), OnNcDestroy)
// void OnClose()
#define ON_WM_CLOSE() _AFX_ENTRY(WM_CLOSE, AfxSig_v_v, void (AFX_MSG_CALL CWnd::*)(), OnClose)
// void OnPaint()
#define ON_WM_PAINT() _AFX_ENTRY(WM_PAINT, AfxSig_v_v, void (AFX_MSG_CALL CWnd::*)(), OnPaint)
// void OnNcPaint()
#define ON_WM_NCPAINT() _AFX_ENTRY(WM_NCPAINT, AfxSig_v_v, void (AFX_MSG_CALL CWnd::*)(), OnNcPaint)
// BOOL OnEraseBkgnd(CDC* pDC)
#define ON_WM_ERASEBKGND()                                                                                   \
    _AFX_ENTRY(WM_ERASEBKGND, AfxSig_b_D, BOOL (AFX_MSG_CALL CWnd::*)(CDC*), OnEraseBkgnd)
// void OnSize(UINT nType, int cx, int cy)
#define ON_WM_SIZE() _AFX_ENTRY(WM_SIZE, AfxSig_v_u_i_i, void (AFX_MSG_CALL CWnd::*)(UINT, int, int), OnSize)
// void OnSizing(UINT fwSide, LPRECT pRect)
#define ON_WM_SIZING()                                                                                       \
    _AFX_ENTRY(WM_SIZING, AfxSig_v_u_pr, void (AFX_MSG_CALL CWnd::*)(UINT, LPRECT), OnSizing)
// void OnMove(int x, int y)
#define ON_WM_MOVE() _AFX_ENTRY(WM_MOVE, AfxSig_v_i_i, void (AFX_MSG_CALL CWnd::*)(int, int), OnMove)
// void OnMoving(UINT fwSide, LPRECT pRect)
#define ON_WM_MOVING()                                                                                       \
    _AFX_ENTRY(WM_MOVING, AfxSig_v_u_pr, void (AFX_MSG_CALL CWnd::*)(UINT, LPRECT), OnMoving)
// void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_HSCROLL()                                                                                      \
    _AFX_ENTRY(WM_HSCROLL, AfxSig_v_u_u_W, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
// void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_VSCROLL()                                                                                      \
    _AFX_ENTRY(WM_VSCROLL, AfxSig_v_u_u_W, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)

// void OnXxx(UINT nFlags, CPoint point), point in client coordinates
#define _AFX_MOUSE(msg, fn) _AFX_ENTRY(msg, AfxSig_v_u_p, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), fn)
#define ON_WM_LBUTTONDOWN() _AFX_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() _AFX_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() _AFX_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() _AFX_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() _AFX_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() _AFX_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() _AFX_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() _AFX_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() _AFX_MOUSE(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_MOUSEMOVE() _AFX_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_MOUSEHOVER() _AFX_MOUSE(WM_MOUSEHOVER, OnMouseHover)
// void OnMouseLeave()
#define ON_WM_MOUSELEAVE() _AFX_ENTRY(WM_MOUSELEAVE, AfxSig_v_v, void (AFX_MSG_CALL CWnd::*)(), OnMouseLeave)
// void OnNcXxx(UINT nHitTest, CPoint point), point in screen coordinates
#define ON_WM_NCLBUTTONDOWN() _AFX_MOUSE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() _AFX_MOUSE(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() _AFX_MOUSE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() _AFX_MOUSE(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCMOUSEMOVE() _AFX_MOUSE(WM_NCMOUSEMOVE, OnNcMouseMove)
// BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt), pt in screen coordinates
#define ON_WM_MOUSEWHEEL()                                                                                   \
    _AFX_ENTRY(WM_MOUSEWHEEL, AfxSig_b_u_s_p, BOOL (AFX_MSG_CALL CWnd::*)(UINT, short, CPoint), OnMouseWheel)
// int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
#define ON_WM_MOUSEACTIVATE()                                                                                \
    _AFX_ENTRY(WM_MOUSEACTIVATE, AfxSig_i_W_u_u, int (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT),              \
               OnMouseActivate)
// LRESULT OnNcHitTest(CPoint point), point in screen coordinates
#define ON_WM_NCHITTEST()                                                                                    \
    _AFX_ENTRY(WM_NCHITTEST, AfxSig_l_p, LRESULT (AFX_MSG_CALL CWnd::*)(CPoint), OnNcHitTest)
// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER() _AFX_ENTRY(WM_TIMER, AfxSig_v_up, void (AFX_MSG_CALL CWnd::*)(UINT_PTR), OnTimer)

// void OnXxx(UINT nChar, UINT nRepCnt, UINT nFlags)
#define _AFX_KEY(msg, fn) _AFX_ENTRY(msg, AfxSig_v_u_u_u, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), fn)
#define ON_WM_CHAR() _AFX_KEY(WM_CHAR, OnChar)
#define ON_WM_KEYDOWN() _AFX_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() _AFX_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_SYSKEYDOWN() _AFX_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() _AFX_KEY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() _AFX_KEY(WM_SYSCHAR, OnSysChar)
#define ON_WM_DEADCHAR() _AFX_KEY(WM_DEADCHAR, OnDeadChar)

// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE() _AFX_ENTRY(WM_GETDLGCODE, AfxSig_u_v, UINT (AFX_MSG_CALL CWnd::*)(), OnGetDlgCode)
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR()                                                                                    \
    _AFX_ENTRY(WM_SETCURSOR, AfxSig_b_W_u_u, BOOL (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
// void OnCaptureChanged(CWnd* pWnd)
#define ON_WM_CAPTURECHANGED()                                                                               \
    _AFX_ENTRY(WM_CAPTURECHANGED, AfxSig_v_W2, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnCaptureChanged)
// void OnSetFocus(CWnd* pOldWnd)
#define ON_WM_SETFOCUS() _AFX_ENTRY(WM_SETFOCUS, AfxSig_v_W, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnSetFocus)
// void OnKillFocus(CWnd* pNewWnd)
#define ON_WM_KILLFOCUS()                                                                                    \
    _AFX_ENTRY(WM_KILLFOCUS, AfxSig_v_W, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnKillFocus)
// void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
#define ON_WM_SETTINGCHANGE()                                                                                \
    _AFX_ENTRY(WM_SETTINGCHANGE, AfxSig_v_u_cs, void (AFX_MSG_CALL CWnd::*)(UINT, LPCTSTR), OnSettingChange)
// void OnSysColorChange()
#define ON_WM_SYSCOLORCHANGE()                                                                               \
    _AFX_ENTRY(WM_SYSCOLORCHANGE, AfxSig_v_v, void (AFX_MSG_CALL CWnd::*)(), OnSysColorChange)
// void OnCancelMode()
#define ON_WM_CANCELMODE() _AFX_ENTRY(WM_CANCELMODE, AfxSig_v_v, void (AFX_MSG_CALL CWnd::*)(), OnCancelMode)
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor), for every WM_CTLCOLOR... message
#define ON_WM_CTLCOLOR()                                                                                     \
    _AFX_ENTRY(WM_CTLCOLOR, AfxSig_h_D_W_u, HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
// void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
#define ON_WM_GETMINMAXINFO()                                                                                \
    _AFX_ENTRY(WM_GETMINMAXINFO, AfxSig_v_lp, void (AFX_MSG_CALL CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
// void OnWindowPosChanging(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGING()                                                                            \
    _AFX_ENTRY(WM_WINDOWPOSCHANGING, AfxSig_v_lp, void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*),                   \
               OnWindowPosChanging)
// void OnWindowPosChanged(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGED()                                                                             \
    _AFX_ENTRY(WM_WINDOWPOSCHANGED, AfxSig_v_lp, void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
// void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SHOWWINDOW()                                                                                   \
    _AFX_ENTRY(WM_SHOWWINDOW, AfxSig_v_b_u, void (AFX_MSG_CALL CWnd::*)(BOOL, UINT), OnShowWindow)
// void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
#define ON_WM_ACTIVATE()                                                                                     \
    _AFX_ENTRY(WM_ACTIVATE, AfxSig_v_u_W_b, void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
// void OnActivateApp(BOOL bActive, DWORD dwThreadID)
#define ON_WM_ACTIVATEAPP()                                                                                  \
    _AFX_ENTRY(WM_ACTIVATEAPP, AfxSig_v_b_u, void (AFX_MSG_CALL CWnd::*)(BOOL, DWORD), OnActivateApp)
// BOOL OnNcActivate(BOOL bActive)
#define ON_WM_NCACTIVATE()                                                                                   \
    _AFX_ENTRY(WM_NCACTIVATE, AfxSig_b_b, BOOL (AFX_MSG_CALL CWnd::*)(BOOL), OnNcActivate)
// void OnContextMenu(CWnd* pWnd, CPoint pos), pos in screen coordinates (-1, -1 from the keyboard)
#define ON_WM_CONTEXTMENU()                                                                                  \
    _AFX_ENTRY(WM_CONTEXTMENU, AfxSig_v_W_p, void (AFX_MSG_CALL CWnd::*)(CWnd*, CPoint), OnContextMenu)
// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
#define ON_WM_DRAWITEM()                                                                                     \
    _AFX_ENTRY(WM_DRAWITEM, AfxSig_v_OWNER, void (AFX_MSG_CALL CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
// void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
#define ON_WM_MEASUREITEM()                                                                                  \
    _AFX_ENTRY(WM_MEASUREITEM, AfxSig_v_OWNER, void (AFX_MSG_CALL CWnd::*)(int, LPMEASUREITEMSTRUCT),        \
               OnMeasureItem)
// void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct)
#define ON_WM_DELETEITEM()                                                                                   \
    _AFX_ENTRY(WM_DELETEITEM, AfxSig_v_OWNER, void (AFX_MSG_CALL CWnd::*)(int, LPDELETEITEMSTRUCT),          \
               OnDeleteItem)
// int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
#define ON_WM_COMPAREITEM()                                                                                  \
    _AFX_ENTRY(WM_COMPAREITEM, AfxSig_i_i_lp, int (AFX_MSG_CALL CWnd::*)(int, LPCOMPAREITEMSTRUCT),          \
               OnCompareItem)
// void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
#define ON_WM_NCCALCSIZE()                                                                                   \
    _AFX_ENTRY(WM_NCCALCSIZE, AfxSig_v_b_lp, void (AFX_MSG_CALL CWnd::*)(BOOL, NCCALCSIZE_PARAMS*),          \
               OnNcCalcSize)
// void OnEnterSizeMove()
#define ON_WM_ENTERSIZEMOVE()                                                                                \
    _AFX_ENTRY(WM_ENTERSIZEMOVE, AfxSig_v_v, void (AFX_MSG_CALL CWnd::*)(), OnEnterSizeMove)
// void OnExitSizeMove()
#define ON_WM_EXITSIZEMOVE()                                                                                 \
    _AFX_ENTRY(WM_EXITSIZEMOVE, AfxSig_v_v, void (AFX_MSG_CALL CWnd::*)(), OnExitSizeMove)
// void OnDropFiles(HDROP hDropInfo)
#define ON_WM_DROPFILES()                                                                                    \
    _AFX_ENTRY(WM_DROPFILES, AfxSig_v_wp, void (AFX_MSG_CALL CWnd::*)(HDROP), OnDropFiles)
// void OnInitMenu(CMenu* pMenu)
#define ON_WM_INITMENU() _AFX_ENTRY(WM_INITMENU, AfxSig_v_M, void (AFX_MSG_CALL CWnd::*)(CMenu*), OnInitMenu)
// void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
#define ON_WM_INITMENUPOPUP()                                                                                \
    _AFX_ENTRY(WM_INITMENUPOPUP, AfxSig_v_M_u_b, void (AFX_MSG_CALL CWnd::*)(CMenu*, UINT, BOOL),            \
               OnInitMenuPopup)
// void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
#define ON_WM_MENUSELECT()                                                                                   \
    _AFX_ENTRY(WM_MENUSELECT, AfxSig_v_u_u_M, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND()                                                                                   \
    _AFX_ENTRY(WM_SYSCOMMAND, AfxSig_v_u_l, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), OnSysCommand)
// void OnParentNotify(UINT message, LPARAM lParam)
#define ON_WM_PARENTNOTIFY()                                                                                 \
    _AFX_ENTRY(WM_PARENTNOTIFY, AfxSig_v_u_l, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), OnParentNotify)
// void OnEnable(BOOL bEnable)
#define ON_WM_ENABLE() _AFX_ENTRY(WM_ENABLE, AfxSig_v_b, void (AFX_MSG_CALL CWnd::*)(BOOL), OnEnable)
// void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
#define ON_WM_STYLECHANGED()                                                                                 \
    _AFX_ENTRY(WM_STYLECHANGED, AfxSig_v_i_lp, void (AFX_MSG_CALL CWnd::*)(int, LPSTYLESTRUCT),              \
               OnStyleChanged)
// void OnPaletteChanged(CWnd* pFocusWnd)
#define ON_WM_PALETTECHANGED()                                                                               \
    _AFX_ENTRY(WM_PALETTECHANGED, AfxSig_v_W, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnPaletteChanged)
// BOOL OnQueryNewPalette()
#define ON_WM_QUERYNEWPALETTE()                                                                              \
    _AFX_ENTRY(WM_QUERYNEWPALETTE, AfxSig_b_v, BOOL (AFX_MSG_CALL CWnd::*)(), OnQueryNewPalette)

// LRESULT memberFxn(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn)                                                                       \
    {message, 0, 0, 0, AfxSig_l_w_l, _AFX_WM(LRESULT(AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn)},
// LRESULT memberFxn(WPARAM wParam, LPARAM lParam), for a message number from RegisterWindowMessage
// kept in the UINT variable nMessageVariable
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                   \
    {0xC000,                                                                                                 \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     (UINT_PTR)(UINT*)(&nMessageVariable),                                                                   \
     _AFX_WM(LRESULT(AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn)},

// ---------------------------------------------------------------------------------------------
// Commands, control notifications and WM_NOTIFY

#define _AFX_CMD(sig_type, fn) (AFX_PMSG)(static_cast<sig_type>(fn))

// void memberFxn()
#define ON_COMMAND(id, memberFxn)                                                                            \
    {WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_v, _AFX_CMD(AFX_PMSG, memberFxn)},
// BOOL memberFxn(UINT nID): FALSE lets the command go on to the next target
#define ON_COMMAND_EX(id, memberFxn)                                                                         \
    {WM_COMMAND, CN_COMMAND,   (WORD)(id),                                                                   \
     (WORD)(id), AfxSigCmd_EX, _AFX_CMD(BOOL(AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn)},
// void memberFxn(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    {WM_COMMAND,     CN_COMMAND,      (WORD)(id),                                                            \
     (WORD)(idLast), AfxSigCmd_RANGE, _AFX_CMD(void(AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn)},
// void memberFxn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                  \
    {WM_COMMAND,  (UINT)CN_UPDATE_COMMAND_UI,                                                                \
     (WORD)(id),  (WORD)(id),                                                                                \
     AfxSigCmdUI, _AFX_CMD(void(AFX_MSG_CALL CCmdTarget::*)(CCmdUI*), memberFxn)},
// void memberFxn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                    \
    {WM_COMMAND,        (UINT)CN_UPDATE_COMMAND_UI,                                                          \
     (WORD)(id),        (WORD)(idLast),                                                                      \
     AfxSigCmdUI_RANGE, _AFX_CMD(void(AFX_MSG_CALL CCmdTarget::*)(CCmdUI*), memberFxn)},

// void memberFxn(), for control notification code wNotifyCode from control id
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    {WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigCmd_v, _AFX_CMD(AFX_PMSG, memberFxn)},
// void memberFxn(UINT nID)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                 \
    {WM_COMMAND,     (WORD)(wNotifyCode), (WORD)(id),                                                        \
     (WORD)(idLast), AfxSigCmd_RANGE,     _AFX_CMD(void(AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn)},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// void memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                \
    {WM_NOTIFY,      (WORD)(int)(wNotifyCode),                                                               \
     (WORD)(id),     (WORD)(id),                                                                             \
     AfxSigNotify_v, _AFX_CMD(void(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
// void memberFxn(UINT id, NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                  \
    {WM_NOTIFY,          (WORD)(int)(wNotifyCode),                                                           \
     (WORD)(id),         (WORD)(idLast),                                                                     \
     AfxSigNotify_RANGE, _AFX_CMD(void(AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},
// BOOL memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult): FALSE lets the notification go on
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                             \
    {WM_NOTIFY,      (WORD)(int)(wNotifyCode),                                                               \
     (WORD)(id),     (WORD)(id),                                                                             \
     AfxSigNotify_b, _AFX_CMD(BOOL(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
// BOOL memberFxn(UINT id, NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                               \
    {WM_NOTIFY,       (WORD)(int)(wNotifyCode),                                                              \
     (WORD)(id),      (WORD)(idLast),                                                                        \
     AfxSigNotify_EX, _AFX_CMD(BOOL(AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},

// ---------------------------------------------------------------------------------------------
// Reflected messages: handled by the control that sent them to its parent

// void memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                            \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                            \
     (WORD)(int)(wNotifyCode),                                                                               \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSigNotify_v,                                                                                         \
     _AFX_CMD(void(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
// BOOL memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult): FALSE lets the parent handle it too
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                         \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                            \
     (WORD)(int)(wNotifyCode),                                                                               \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSigNotify_b,                                                                                         \
     _AFX_CMD(BOOL(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
// void memberFxn()
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                           \
    {WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_v, _AFX_CMD(AFX_PMSG, memberFxn)},
// BOOL memberFxn(): FALSE lets the parent handle it too
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                        \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                           \
     (WORD)(wNotifyCode),                                                                                    \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSigCmd_b,                                                                                            \
     _AFX_CMD(BOOL(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)},
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor): a NULL brush lets the parent answer
#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    _AFX_ENTRY(WM_CTLCOLOR + WM_REFLECT_BASE, AfxSig_h_D_u, HBRUSH(AFX_MSG_CALL CWnd::*)(CDC*, UINT),        \
               CtlColor)
// void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
#define ON_WM_DRAWITEM_REFLECT()                                                                             \
    _AFX_ENTRY(WM_DRAWITEM + WM_REFLECT_BASE, AfxSig_v_lp, void(AFX_MSG_CALL CWnd::*)(LPDRAWITEMSTRUCT),     \
               DrawItem)
// void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    _AFX_ENTRY(WM_MEASUREITEM + WM_REFLECT_BASE, AfxSig_v_lp,                                                \
               void(AFX_MSG_CALL CWnd::*)(LPMEASUREITEMSTRUCT), MeasureItem)
// void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
#define ON_WM_DELETEITEM_REFLECT()                                                                           \
    _AFX_ENTRY(WM_DELETEITEM + WM_REFLECT_BASE, AfxSig_v_lp, void(AFX_MSG_CALL CWnd::*)(LPDELETEITEMSTRUCT), \
               DeleteItem)
// void HScroll(UINT nSBCode, UINT nPos)
#define ON_WM_HSCROLL_REFLECT()                                                                              \
    _AFX_ENTRY(WM_HSCROLL + WM_REFLECT_BASE, AfxSig_v_u_u, void(AFX_MSG_CALL CWnd::*)(UINT, UINT), HScroll)
// void VScroll(UINT nSBCode, UINT nPos)
#define ON_WM_VSCROLL_REFLECT()                                                                              \
    _AFX_ENTRY(WM_VSCROLL + WM_REFLECT_BASE, AfxSig_v_u_u, void(AFX_MSG_CALL CWnd::*)(UINT, UINT), VScroll)
// void ParentNotify(UINT message, LPARAM lParam)
#define ON_WM_PARENTNOTIFY_REFLECT()                                                                         \
    _AFX_ENTRY(WM_PARENTNOTIFY + WM_REFLECT_BASE, AfxSig_v_u_l, void(AFX_MSG_CALL CWnd::*)(UINT, LPARAM),    \
               ParentNotify)
