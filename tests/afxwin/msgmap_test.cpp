// Message maps through real windows: handlers get the framework's arguments, derived maps
// override and fall back to their bases, commands route through OnCmdMsg and CCmdUI.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "testwin.h"

namespace
{

// One handler call with its unpacked arguments.
struct Call
{
    std::string name;
    INT_PTR a, b, c;
};

const UINT WM_APP_PING = WM_APP + 1;
const UINT g_nRegistered = ::RegisterWindowMessageW(L"QCtl.afxwin.test.registered");

class CProbeWnd : public CWnd
{
public:
    std::vector<Call> calls;
    int nCreateResult = 0;
    UINT nDlgCode = DLGC_WANTARROWS;
    BOOL bWheelResult = TRUE;

    void Add(const char* name, INT_PTR a = 0, INT_PTR b = 0, INT_PTR c = 0)
    {
        calls.push_back({name, a, b, c});
    }
    const Call* Find(const char* name) const
    {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->name == name)
                return &*it;
        return nullptr;
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        Add("OnCreate", (INT_PTR)lpcs->lpCreateParams, lpcs->cx, lpcs->cy);
        return nCreateResult;
    }
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point) { Add("OnRButtonUp", nFlags, point.x, point.y); }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        Add("OnKeyDown", nChar, nRepCnt, nFlags);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) { Add("OnSize", nType, cx, cy); }
    afx_msg void OnMove(int x, int y) { Add("OnMove", x, y); }
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pBar)
    {
        Add("OnHScroll", nSBCode, nPos, (INT_PTR)pBar);
    }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        Add("OnMouseWheel", nFlags, zDelta, MAKELONG(pt.x, pt.y));
        return bWheelResult;
    }
    afx_msg UINT OnGetDlgCode()
    {
        Add("OnGetDlgCode");
        return nDlgCode;
    }
    afx_msg void OnSetFocus(CWnd* pOldWnd) { Add("OnSetFocus", (INT_PTR)pOldWnd->GetSafeHwnd()); }
    afx_msg void OnCaptureChanged(CWnd* pWnd) { Add("OnCaptureChanged", (INT_PTR)pWnd->GetSafeHwnd()); }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos)
    {
        Add("OnContextMenu", (INT_PTR)pWnd->GetSafeHwnd(), pos.x, pos.y);
    }
    afx_msg LRESULT OnNcHitTest(CPoint point)
    {
        Add("OnNcHitTest", point.x, point.y);
        return HTCLIENT;
    }
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
    {
        Add("OnSettingChange", uFlags, lpszSection != NULL && wcscmp(lpszSection, L"Probe") == 0);
    }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    {
        Add("OnGetMinMaxInfo");
        lpMMI->ptMinTrackSize.x = 123;
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        Add("OnEraseBkgnd", (INT_PTR)pDC->GetSafeHdc());
        return TRUE;
    }
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
    {
        Add("OnMouseActivate", (INT_PTR)pDesktopWnd->GetSafeHwnd(), nHitTest, message);
        return MA_NOACTIVATE;
    }
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        Add("OnPing", (INT_PTR)wParam, lParam);
        return (LRESULT)(wParam + lParam);
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM)
    {
        Add("OnRegistered", (INT_PTR)wParam);
        return 77;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_RBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_WM_CAPTURECHANGED()
    ON_WM_CONTEXTMENU()
    ON_WM_NCHITTEST()
    ON_WM_SETTINGCHANGE()
    ON_WM_GETMINMAXINFO()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_APP_PING, &CProbeWnd::OnPing)
    ON_REGISTERED_MESSAGE(g_nRegistered, &CProbeWnd::OnRegistered)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(parent.CreateTop(300, 200)); }
    // A visible child probe at (10, 10) of size 100 x 80.
    void CreateProbe(DWORD dwStyle = WS_CHILD | WS_VISIBLE)
    {
        ASSERT_TRUE(probe.Create(NULL, L"probe", dwStyle, CRect(10, 10, 110, 90), &parent, 100));
    }
    qtest::CRecordingWnd parent;
    CProbeWnd probe;
};

} // namespace

TEST_F(MessageMapTest, CreateGoesThroughTheMapWithTheCreateStruct)
{
    CProbeWnd wnd;
    int marker = 0;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, L"x", WS_CHILD, CRect(0, 0, 40, 30), &parent, 7, &marker));
    const Call* c = wnd.Find("OnCreate");
    ASSERT_NE(nullptr, c);
    EXPECT_EQ((INT_PTR)&marker, c->a); // lpCreateParams passed through
    EXPECT_EQ(MAKELONG(40, 30), MAKELONG(c->b, c->c));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(7, wnd.GetDlgCtrlID());
    // The default class is registered with double-click messages.
    wchar_t szClass[64];
    ::GetClassNameW(wnd.m_hWnd, szClass, 64);
    EXPECT_STREQ(L"AfxWnd", szClass);
    EXPECT_TRUE(::GetClassLongW(wnd.m_hWnd, GCL_STYLE) & CS_DBLCLKS);
}

// Each message sent to the probe reaches its handler with the framework's unpacked arguments,
// and the handler's result (where it has one) reaches the sender.
TEST_F(MessageMapTest, HandlersGetUnpackedArgumentsAndReturnTheirResults)
{
    CreateProbe(WS_CHILD);
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | SBS_HORZ, CRect(0, 100, 100, 116), &parent, 300));
    HDC hdc = ::GetDC(probe.m_hWnd);
    MINMAXINFO mmi = {};
    const LRESULT kAny = -12345; // a handler without a result
    const INT_PTR hProbe = (INT_PTR)probe.m_hWnd, hParent = (INT_PTR)parent.m_hWnd;
    const struct
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* handler;
        INT_PTR a, b, c;
        LRESULT result;
    } cases[] = {
        {WM_RBUTTONUP, MK_CONTROL, MAKELPARAM(-5 & 0xFFFF, 7), "OnRButtonUp", MK_CONTROL, -5, 7,
         kAny}, // captured
        {WM_KEYDOWN, VK_DOWN, MAKELPARAM(3, 0x150), "OnKeyDown", VK_DOWN, 3, 0x150,
         kAny}, // repeat, scan code
        {WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 480), "OnSize", SIZE_RESTORED, 640, 480, kAny},
        {WM_MOVE, 0, MAKELPARAM(-20 & 0xFFFF, 15), "OnMove", -20, 15, 0, kAny},
        {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 42), (LPARAM)bar.m_hWnd, "OnHScroll", SB_THUMBTRACK, 42,
         (INT_PTR)&bar, kAny}, // the bound scroll bar object itself
        {WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0, "OnHScroll", SB_LINEDOWN, 0, 0,
         kAny}, // the window's own bar
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)(short)-240), MAKELPARAM(300, 400), "OnMouseWheel",
         MK_CONTROL, -240, MAKELONG(300, 400), TRUE},
        {WM_NCHITTEST, 0, MAKELPARAM(50, 60), "OnNcHitTest", 50, 60, 0, HTCLIENT},
        {WM_CONTEXTMENU, (WPARAM)hProbe, MAKELPARAM(0xFFFF, 0xFFFF), "OnContextMenu", hProbe, -1, -1,
         kAny}, // keys
        {WM_GETDLGCODE, 0, 0, "OnGetDlgCode", 0, 0, 0, DLGC_WANTARROWS},
        {WM_APP_PING, 12, 30, "OnPing", 12, 30, 0, 42},
        {g_nRegistered, 5, 0, "OnRegistered", 5, 0, 0, 77},
        {WM_MOUSEACTIVATE, (WPARAM)hParent, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN), "OnMouseActivate", hParent,
         HTCLIENT, WM_LBUTTONDOWN, MA_NOACTIVATE},
        {WM_SETTINGCHANGE, 42, (LPARAM)L"Probe", "OnSettingChange", 42, 1, 0, kAny},
        {WM_GETMINMAXINFO, 0, (LPARAM)&mmi, "OnGetMinMaxInfo", 0, 0, 0, kAny},
        {WM_ERASEBKGND, (WPARAM)hdc, 0, "OnEraseBkgnd", (INT_PTR)hdc, 0, 0,
         TRUE}, // a CDC over the message's DC
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.handler);
        probe.calls.clear();
        LRESULT lResult = probe.SendMessage(c.message, c.wParam, c.lParam);
        const Call* call = probe.Find(c.handler);
        ASSERT_NE(nullptr, call);
        EXPECT_EQ(c.a, call->a);
        EXPECT_EQ(c.b, call->b);
        EXPECT_EQ(c.c, call->c);
        if (c.result != kAny)
        {
            EXPECT_EQ(c.result, lResult);
        }
    }
    ::ReleaseDC(probe.m_hWnd, hdc);
    EXPECT_EQ(123, mmi.ptMinTrackSize.x); // the handler filled the record

    // A message nobody maps goes to the window's default procedure.
    EXPECT_EQ(0, probe.SendMessage(WM_APP + 50, 1, 2));
}

TEST_F(MessageMapTest, FocusAndCaptureHandlersGetTheOtherWindow)
{
    CreateProbe();
    parent.SetForegroundWindow();
    CWnd other;
    ASSERT_TRUE(other.Create(NULL, L"", WS_CHILD | WS_VISIBLE, CRect(120, 10, 150, 40), &parent, 101));
    other.SetFocus();
    probe.calls.clear();
    probe.SetFocus();
    if (CWnd::GetFocus() == &probe)
    { // focus works only for an active window
        const Call* c = probe.Find("OnSetFocus");
        ASSERT_NE(nullptr, c);
        EXPECT_EQ((INT_PTR)other.m_hWnd, c->a);
    }

    probe.SetCapture();
    EXPECT_EQ(&probe, CWnd::GetCapture());
    other.SetCapture();
    const Call* c = probe.Find("OnCaptureChanged");
    ASSERT_NE(nullptr, c);
    EXPECT_EQ((INT_PTR)other.m_hWnd, c->a); // the window that takes the capture
    CWnd::ReleaseCapture();
}

// ---------------------------------------------------------------------------------------------
// Derived maps

namespace
{

class CBaseWnd : public CWnd
{
public:
    std::vector<std::string> calls;

protected:
    afx_msg void OnLButtonDown(UINT, CPoint) { calls.push_back("base.LButtonDown"); }
    afx_msg void OnRButtonDown(UINT, CPoint) { calls.push_back("base.RButtonDown"); }
    afx_msg LRESULT OnPing(WPARAM, LPARAM)
    {
        calls.push_back("base.Ping");
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_MESSAGE(WM_APP_PING, &CBaseWnd::OnPing)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        calls.push_back("derived.LButtonDown");
        CBaseWnd::OnLButtonDown(nFlags, point);
    }
    afx_msg LRESULT OnPing(WPARAM, LPARAM)
    {
        calls.push_back("derived.Ping");
        return 2;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_APP_PING, &CDerivedWnd::OnPing)
END_MESSAGE_MAP()

} // namespace

TEST_F(MessageMapTest, DerivedEntriesOverrideAndBaseEntriesRemain)
{
    CDerivedWnd derived;
    CBaseWnd base;
    ASSERT_TRUE(derived.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    ASSERT_TRUE(base.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 2));
    // The same message to both, twice, so that the per-thread look-up cache is exercised.
    for (int i = 0; i < 2; ++i)
    {
        derived.SendMessage(WM_LBUTTONDOWN, 0, 0);
        base.SendMessage(WM_LBUTTONDOWN, 0, 0);
        derived.SendMessage(WM_RBUTTONDOWN, 0, 0);
        EXPECT_EQ(2, derived.SendMessage(WM_APP_PING));
        EXPECT_EQ(1, base.SendMessage(WM_APP_PING));
    }
    const std::vector<std::string> once = {"derived.LButtonDown", "base.LButtonDown", "base.RButtonDown",
                                           "derived.Ping"};
    EXPECT_EQ(once, std::vector<std::string>(derived.calls.begin(), derived.calls.begin() + 4));
    EXPECT_EQ(once, std::vector<std::string>(derived.calls.begin() + 4, derived.calls.end()));
    EXPECT_EQ((std::vector<std::string>{"base.LButtonDown", "base.Ping", "base.LButtonDown", "base.Ping"}),
              base.calls);
}

// ---------------------------------------------------------------------------------------------
// Commands

namespace
{

const UINT ID_CMD_OPEN = 1001, ID_CMD_SAVE = 1002, ID_CMD_FIRST = 1100, ID_CMD_LAST = 1109, ID_BUTTON = 1200,
           ID_CHECK = 1201, ID_NOHANDLER = 1202;

class CCommandWnd : public qtest::CRecordingWnd
{
public:
    std::vector<UINT> commands;
    BOOL bSaveEnabled = TRUE;
    int nCheck = 0;
    CString strButtonText = L"Go";

protected:
    afx_msg void OnOpen() { commands.push_back(ID_CMD_OPEN); }
    afx_msg void OnSave() { commands.push_back(ID_CMD_SAVE); }
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(bSaveEnabled); }
    afx_msg void OnRange(UINT nID) { commands.push_back(nID); }
    afx_msg void OnButtonClicked() { commands.push_back(ID_BUTTON); }
    afx_msg void OnUpdateButton(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(bSaveEnabled);
        pCmdUI->SetText(strButtonText);
    }
    afx_msg void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(nCheck); }
    afx_msg void OnCheck() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, qtest::CRecordingWnd)
    ON_COMMAND(ID_CMD_OPEN, &CCommandWnd::OnOpen)
    ON_COMMAND(ID_CMD_SAVE, &CCommandWnd::OnSave)
    ON_UPDATE_COMMAND_UI(ID_CMD_SAVE, &CCommandWnd::OnUpdateSave)
    ON_COMMAND_RANGE(ID_CMD_FIRST, ID_CMD_LAST, &CCommandWnd::OnRange)
    ON_BN_CLICKED(ID_BUTTON, &CCommandWnd::OnButtonClicked)
    ON_UPDATE_COMMAND_UI(ID_BUTTON, &CCommandWnd::OnUpdateButton)
    ON_COMMAND(ID_CHECK, &CCommandWnd::OnCheck)
    ON_UPDATE_COMMAND_UI(ID_CHECK, &CCommandWnd::OnUpdateCheck)
END_MESSAGE_MAP()

} // namespace

TEST(CommandRouting, MenuCommandsRangesAndDisabledCommands)
{
    CCommandWnd wnd;
    ASSERT_TRUE(wnd.CreateTop(200, 100));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_OPEN, 0), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_SAVE, 1), 0); // from an accelerator
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_FIRST + 4, 0), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_LAST + 1, 0), 0); // outside the range: nobody
    wnd.bSaveEnabled = FALSE;
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_SAVE, 0), 0); // disabled by its update handler
    std::vector<UINT> expected = {ID_CMD_OPEN, ID_CMD_SAVE, ID_CMD_FIRST + 4};
    EXPECT_EQ(expected, wnd.commands);

    // Asking who handles a command does not run it.
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(wnd.OnCmdMsg(ID_CMD_OPEN, CN_COMMAND, NULL, &info));
    EXPECT_EQ(&wnd, info.pTarget);
    EXPECT_FALSE(wnd.OnCmdMsg(ID_NOHANDLER, CN_COMMAND, NULL, &info));
    EXPECT_EQ(3u, wnd.commands.size());
}

TEST(CommandRouting, ControlNotificationsAndCommandUIOnRealControls)
{
    CCommandWnd wnd;
    ASSERT_TRUE(wnd.CreateTop(300, 100));
    HWND hButton = ::CreateWindowExW(0, L"BUTTON", L"Old", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80,
                                     24, wnd.m_hWnd, (HMENU)(UINT_PTR)ID_BUTTON, NULL, NULL);
    HWND hCheck = ::CreateWindowExW(0, L"BUTTON", L"Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 100, 10,
                                    80, 24, wnd.m_hWnd, (HMENU)(UINT_PTR)ID_CHECK, NULL, NULL);
    HWND hOrphan = ::CreateWindowExW(0, L"BUTTON", L"None", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 190, 10,
                                     80, 24, wnd.m_hWnd, (HMENU)(UINT_PTR)ID_NOHANDLER, NULL, NULL);
    ASSERT_TRUE(hButton && hCheck && hOrphan);

    // A click on the button reaches ON_BN_CLICKED through the parent.
    ::SendMessageW(hButton, BM_CLICK, 0, 0);
    qtest::PumpMessages();
    ASSERT_EQ(1u, wnd.commands.size());
    EXPECT_EQ(ID_BUTTON, wnd.commands[0]);
    static const qtest::ExpectedMsg clicked[] = {{WM_COMMAND, BN_CLICKED, ID_BUTTON, 0, 0, 0}};
    EXPECT_TRUE(wnd.Matches(clicked, "BM_CLICK"));

    // The update handlers drive the controls; a control without any handler is disabled.
    wnd.bSaveEnabled = FALSE;
    wnd.strButtonText = L"New";
    wnd.nCheck = 1;
    wnd.UpdateDialogControls(&wnd, TRUE);
    EXPECT_FALSE(::IsWindowEnabled(hButton));
    wchar_t sz[32];
    ::GetWindowTextW(hButton, sz, 32);
    EXPECT_STREQ(L"New", sz);
    EXPECT_EQ(BST_CHECKED, ::SendMessageW(hCheck, BM_GETCHECK, 0, 0));
    EXPECT_TRUE(::IsWindowEnabled(hCheck)); // it has a command handler
    EXPECT_FALSE(::IsWindowEnabled(hOrphan));
    wnd.bSaveEnabled = TRUE;
    wnd.nCheck = 0;
    wnd.UpdateDialogControls(&wnd, FALSE);
    EXPECT_TRUE(::IsWindowEnabled(hButton));
    EXPECT_EQ(BST_UNCHECKED, ::SendMessageW(hCheck, BM_GETCHECK, 0, 0));
}

TEST(CommandRouting, CommandUIOnMenuItems)
{
    CCommandWnd wnd;
    ASSERT_TRUE(wnd.CreateTop(200, 100));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_CMD_SAVE, L"&Save");
    menu.AppendMenu(MF_STRING, ID_CHECK, L"&Check");
    CCmdUI state;
    state.m_pMenu = &menu;
    state.m_nIndexMax = menu.GetMenuItemCount();
    wnd.bSaveEnabled = FALSE;
    wnd.nCheck = 1;
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = menu.GetMenuItemID((int)state.m_nIndex);
        EXPECT_TRUE(state.DoUpdate(&wnd, TRUE));
    }
    EXPECT_TRUE(menu.GetMenuState(ID_CMD_SAVE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_CHECK, MF_BYCOMMAND) & MF_CHECKED);
}
