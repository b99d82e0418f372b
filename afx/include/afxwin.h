// The framework layer's windowing core: command targets and message maps, windows (CWnd),
// menus, device contexts and graphics objects, threads and the application object, and the
// chain of extension modules.
//
// What this layer does not do: document/view, frame windows, control bars, OLE controls in
// windows, help, dynamic data exchange (UpdateData), worker threads (AfxBeginThread), or
// ANSI builds. The standard and common controls (CEdit, CListCtrl...) and dialogs live in
// headers of their own.
//
// Windows and their C++ objects. A CWnd is bound to its HWND through a per-thread handle map:
// CreateEx binds the object before WM_NCCREATE (a CBT hook, so WM_NCCREATE and WM_CREATE already
// go through the message map); SubclassWindow binds an existing window. The binding ends at
// WM_NCDESTROY: the map entry is removed, the window procedure restored, and then PostNcDestroy
// runs once (a class may `delete this` there). FromHandle wraps a window that has no object in a
// temporary CWnd that lives until the thread's next idle time (or DeleteTempMap).
//
// Message dispatch. AfxWndProc -> WindowProc -> OnWndMsg, which looks the message up in the
// class's message map and its bases' maps (cached per thread), unpacks the parameters and calls
// the handler. Unhandled messages go to DefWindowProc, i.e. the procedure the window had before
// it was bound. WM_COMMAND and WM_NOTIFY go through OnCommand/OnNotify and OnCmdMsg; a control's
// notifications, owner-draw, colour and scroll messages are first offered back to the control's
// own object ("reflection", WM_REFLECT_BASE + message), and a control that handles them keeps
// its parent from seeing them.
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <shellapi.h>

// A function-like macro of the system headers that would hide the member of that name.
#ifdef GetNextWindow
#undef GetNextWindow
#endif

#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019 // the dispatcher's single code for the WM_CTLCOLOR... family
#endif
// A message reflected to the control that sent it: WM_REFLECT_BASE + the original code.
#define WM_REFLECT_BASE 0xBC00

#define afx_msg
#define AFX_MSG_CALL

// Codes of CCmdTarget::OnCmdMsg's nCode for WM_COMMAND.
#define CN_COMMAND 0                      // a menu item, accelerator or control notification
#define CN_UPDATE_COMMAND_UI ((UINT)(-1)) // pExtra is a CCmdUI* to update
#define CN_NOTIFY WM_NOTIFY

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CMenu;
class CScrollBar;
class CWinThread;
class CWinApp;
class CDynLinkLibrary;
struct CCreateContext;

// ---------------------------------------------------------------------------------------------
// Message maps

typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);
typedef void (AFX_MSG_CALL CWnd::*AFX_PMSGW)(void);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // window message, WM_COMMAND/WM_NOTIFY, 0xC000 for registered messages
    UINT nCode;    // control or notification code (low 16 bits), CN_UPDATE_COMMAND_UI
    UINT nID;      // first control id, 0 for window messages
    UINT nLastID;  // last control id of a range
    UINT_PTR nSig; // an AfxSig value; for registered messages the address of the message number
    AFX_PMSG pfn;  // the handler
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)(); // NULL for the root (CCmdTarget)
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                                     \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                        \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                                                   \
    {                                                                                                        \
        typedef theClass ThisClass;                                                                          \
        typedef baseClass TheBaseClass;                                                                      \
        (void)sizeof(ThisClass);                                                                             \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                                    \
    {                                                                                                        \
        0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0                                                                  \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

// What OnCmdMsg reports when asked who would handle a command (pHandlerInfo != NULL).
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    void (AFX_MSG_CALL CCmdTarget::*pmf)(void);
};

// pExtra of OnCmdMsg for WM_NOTIFY.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// lParam of the internal WM_CTLCOLOR message.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType; // CTLCOLOR_EDIT, CTLCOLOR_STATIC... (WM_CTLCOLORxxx - WM_CTLCOLORMSGBOX)
};

#include <afxdc_.h>

// ---------------------------------------------------------------------------------------------
// Menus

class AFX_CORE_CLASS CMenu : public CObject
{
    DECLARE_DYNCREATE(CMenu)
public:
    CMenu();
    virtual ~CMenu(); // destroys the menu it owns

    HMENU m_hMenu;
    operator HMENU() const { return GetSafeHmenu(); }
    HMENU GetSafeHmenu() const; // NULL for a NULL object pointer too

    static CMenu* PASCAL FromHandle(HMENU hMenu);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(LPCTSTR lpszResourceName); // from the resource chain
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenuIndirect(const void* lpMenuTemplate);
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE);
    UINT GetDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE);
    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE);
    BOOL SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE);
    CMenu* GetSubMenu(int nPos) const;
    // With TPM_RETURNCMD the result is the chosen command id (0: none).
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = NULL);

    // Owner-drawn items
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
};

// ---------------------------------------------------------------------------------------------
// Command targets

// The root of everything that has a message map: routes commands and notifications to
// handlers by OnCmdMsg.
class AFX_CORE_CLASS CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    virtual ~CCmdTarget();

    // Looks up (nID, nCode) in the message map and calls the handler. nCode is CN_COMMAND or a
    // control notification code for WM_COMMAND, CN_UPDATE_COMMAND_UI (pExtra a CCmdUI*), or
    // MAKELONG(code, message) for other messages (WM_NOTIFY: pExtra an AFX_NOTIFY*). With
    // pHandlerInfo it only reports the handler. TRUE when handled.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    friend class CWnd;
};

// Updates one user-interface item (a menu item or a control) for a command id: the command's
// ON_UPDATE_COMMAND_UI handler calls Enable, SetCheck, SetText on it.
class AFX_CORE_CLASS CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() {}

    UINT m_nID;        // the command id
    UINT m_nIndex;     // menu item position
    CMenu* m_pMenu;    // the menu of the item, NULL for a control
    CMenu* m_pSubMenu; // the popup of the item, if it has one
    CWnd* m_pOther;    // the control, NULL for a menu item
    UINT m_nIndexMax;  // menu item count
    CMenu* m_pParentMenu;
    BOOL m_bEnableChanged;   // Enable was called
    BOOL m_bContinueRouting; // the handler asked to go on to the next target

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1); // 0 unchecked, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget to update this item; with bDisableIfNoHndler, an item whose command has no
    // handler at all is disabled. TRUE when an update handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// ---------------------------------------------------------------------------------------------
// Windows

class AFX_CORE_CLASS CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    virtual ~CWnd(); // destroys a window still bound to the object

    // Insert-after values of SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // ----- Handle and binding
    HWND m_hWnd;
    operator HWND() const { return GetSafeHwnd(); }
    HWND GetSafeHwnd() const; // NULL for a NULL object pointer too
    BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
    BOOL operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

    // The object bound to hWnd, else a temporary wrapper (NULL for NULL).
    static CWnd* PASCAL FromHandle(HWND hWnd);
    // The object bound to hWnd on this thread, NULL when none.
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    // Frees this thread's temporary window wrappers.
    static void PASCAL DeleteTempMap();
    // Binds an existing window without subclassing it (messages do not reach the map).
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Binds an existing window and routes its messages through the message map; unhandled
    // messages still reach its original procedure.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow(); // restores the original procedure and unbinds

    // ----- Creation
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                          LPVOID lpParam = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = NULL);
    virtual BOOL DestroyWindow();

    // ----- Window state and style
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL IsChild(const CWnd* pWnd) const;
    BOOL IsWindow() const { return ::IsWindow(m_hWnd); }

    // ----- Relatives
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetOwner() const; // the owner set by SetOwner, else the parent
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    CWnd* GetParentOwner() const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
    CWnd* GetTopWindow() const;
    CWnd* GetLastActivePopup() const;
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* ChildWindowFromPoint(POINT point) const;
    CWnd* ChildWindowFromPoint(POINT point, UINT nFlags) const;
    static CWnd* PASCAL WindowFromPoint(POINT point);
    static CWnd* PASCAL GetDesktopWindow();
    static CWnd* PASCAL GetForegroundWindow();
    static CWnd* PASCAL GetActiveWindow();
    CWnd* SetActiveWindow();
    // The window a modal box should be owned by: pParent's top-level window, else the main window's
    // last active popup. With pWndTop, the top-level window is disabled and returned there.
    static CWnd* PASCAL GetSafeOwner(CWnd* pParent = NULL, HWND* pWndTop = NULL);

    // ----- Messages
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Sends to every child (and their children with bDeep); bOnlyPerm: only bound windows.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE);
    static void PASCAL SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                BOOL bDeep, BOOL bOnlyPerm);
    // The message being handled on this thread.
    static const MSG* PASCAL GetCurrentMessage();

    // ----- Text
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;

    // ----- Size and position
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
    void BringWindowToTop();
    BOOL SetForegroundWindow();
    // Centres over the owner (or pAlternateOwner), else over the work area, kept on the screen.
    void CenterWindow(CWnd* pAlternateOwner = NULL);
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw);
    int GetWindowRgn(HRGN hRgn) const;
    enum AdjustType
    {
        adjustBorder = 0,
        adjustOutside = 1
    };
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);

    // ----- Showing and painting
    BOOL ShowWindow(int nCmdShow);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void ValidateRgn(CRgn* pRgn);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, CRgn* prgnUpdate = NULL,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void SetRedraw(BOOL bRedraw = TRUE);
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    int GetUpdateRgn(CRgn* pRgn, BOOL bErase = FALSE);
    BOOL LockWindowUpdate();
    void UnlockWindowUpdate();
    CDC* GetDC(); // a temporary CDC; give it back with ReleaseDC
    CDC* GetDCEx(CRgn* prgnClip, DWORD flags);
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);
    void Print(CDC* pDC, DWORD dwFlags) const;
    void PrintClient(CDC* pDC, DWORD dwFlags) const;
    BOOL FlashWindow(BOOL bInvert);
    void ShowOwnedPopups(BOOL bShow = TRUE);

    // ----- Focus, capture, timers, caret
    CWnd* SetFocus();
    static CWnd* PASCAL GetFocus();
    static CWnd* PASCAL GetCapture();
    CWnd* SetCapture();
    static BOOL PASCAL ReleaseCapture() { return ::ReleaseCapture(); }
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                      void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD));
    BOOL KillTimer(UINT_PTR nIDEvent);
    void CreateCaret(CBitmap* pBitmap);
    void CreateSolidCaret(int nWidth, int nHeight);
    void CreateGrayCaret(int nWidth, int nHeight);
    void ShowCaret();
    void HideCaret();
    static void PASCAL SetCaretPos(POINT point);
    static CPoint PASCAL GetCaretPos();

    // ----- Scroll bars
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    // nMask defaults to SIF_ALL; lpScrollInfo->cbSize and fMask are filled in.
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    // The largest position the thumb can reach: the maximum less the page size plus one.
    int GetScrollLimit(int nBar) const;
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    void EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const; // none: the window's own bars are used
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL, LPCRECT lpClipRect = NULL);
    int ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                       LPRECT lpRectUpdate, UINT flags);

    // ----- Dialog items
    void CheckDlgButton(int nIDButton, UINT nCheck);
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;
    UINT IsDlgButtonChecked(int nIDButton) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = NULL, BOOL bSigned = TRUE) const;
    BOOL IsDialogMessage(LPMSG lpMsg);
    // Runs the ON_UPDATE_COMMAND_UI handlers of pTarget for every child control.
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // ----- Miscellaneous
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    CMenu* GetSystemMenu(BOOL bRevert) const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    void DragAcceptFiles(BOOL bAccept = TRUE);
    BOOL OpenClipboard();
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK);

    // ----- Overridables
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs); // fills in the default class "AfxWnd"
    virtual void PreSubclassWindow();               // the window is bound, not yet subclassed
    virtual BOOL PreTranslateMessage(MSG* pMsg);    // TRUE: the message is used up
    virtual void PostNcDestroy();                   // the window is gone and unbound
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A message this window sent to its parent, offered back to it; TRUE when handled here.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Runs PreTranslateMessage of the windows from pMsg->hwnd up to hWndStop.
    static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    // The default handling of the message being handled now.
    LRESULT Default();
    // Reflects the message being handled now to the child window hWndChild's object.
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = NULL);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = NULL);

protected:
    // ----- Default message handlers: each passes the message on to Default()
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy(); // unbinds the window and calls PostNcDestroy
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnMoving(UINT fwSide, LPRECT pRect);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnSysColorChange();
    afx_msg void OnCancelMode();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnEnterSizeMove();
    afx_msg void OnExitSizeMove();
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg BOOL OnQueryNewPalette();

    DECLARE_MESSAGE_MAP()

protected:
    explicit CWnd(HWND hWnd); // for the wndTop... constants
    HWND m_hWndOwner;         // set by SetOwner, NULL: the parent owns
    WNDPROC m_pfnSuper;       // the window's procedure before it was bound; DefWindowProc calls it
    UINT m_nFlags;            // WF_... state bits

    friend LRESULT AFXAPI AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK _AfxCbtFilterHook(int, WPARAM, LPARAM);
    friend class CCmdUI;
};

// The window procedure of every bound window.
AFX_CORE_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
AFX_CORE_API WNDPROC AFXAPI AfxGetAfxWndProc();
AFX_CORE_API LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// Binds the next window this thread creates to pWnd (used by CreateEx and by dialogs).
AFX_CORE_API void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
// Ends the binding; FALSE when no window was created and bound since AfxHookWindowCreate.
AFX_CORE_API BOOL AFXAPI AfxUnhookWindowCreate();

// Window classes. AfxRegisterClass registers unless the class already exists for that instance.
AFX_CORE_API BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass);
// A class "Afx:..." with the default window procedure, registered once per set of arguments;
// the returned name stays valid. Throws CResourceException* when registration fails.
AFX_CORE_API LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0,
                                                HBRUSH hbrBackground = 0, HICON hIcon = 0);

// A scroll bar control (also the bar argument of OnHScroll/OnVScroll).
class AFX_CORE_CLASS CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    CScrollBar() {}
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetScrollPos() const;
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void ShowScrollBar(BOOL bShow = TRUE);
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH);
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit();
};

#include <afxmsg_.h>
#include <afxstat_.h>
#include <afxapp_.h>
#include <afxdll_.h>
#include <afxctl_.h>
#include <afxdd_.h>
#include <afxdlg_.h>
