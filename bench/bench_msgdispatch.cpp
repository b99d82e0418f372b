// Message dispatch through the framework layer: time per SendMessage to a bound window whose
// class has a three-level message map (about 40 entries), for a mapped window message, a message
// no map has, a WM_COMMAND routed to an ON_COMMAND handler and a reflected WM_NOTIFY; compared
// with SendMessage to a plain window of the default procedure (the least a message can cost).
#include "bench/benchclock.h"
#include <afxwin.h>

#include <cstdio>

namespace
{

// Best seconds per call over several rounds.
template <class F> double Time(F f, int calls)
{
    double best = 1e9;
    for (int round = 0; round < 5; ++round)
    {
        double t0 = Now();
        for (int i = 0; i < calls; ++i)
            f();
        double t = (Now() - t0) / calls;
        if (t < best)
            best = t;
    }
    return best;
}

volatile int g_sink;

class CLevel1 : public CWnd
{
protected:
    afx_msg void OnPaint() { Default(); }
    afx_msg void OnSize(UINT, int, int) {}
    afx_msg void OnTimer(UINT_PTR) {}
    afx_msg void OnLButtonDown(UINT, CPoint) {}
    afx_msg void OnLButtonUp(UINT, CPoint) {}
    afx_msg void OnRButtonDown(UINT, CPoint) {}
    afx_msg void OnKeyDown(UINT, UINT, UINT) {}
    afx_msg void OnChar(UINT, UINT, UINT) {}
    afx_msg void OnSetFocus(CWnd*) {}
    afx_msg void OnKillFocus(CWnd*) {}
    afx_msg UINT OnGetDlgCode() { return DLGC_WANTALLKEYS; }
    afx_msg void OnCommand1() { g_sink = g_sink + 1; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLevel1, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
    ON_COMMAND(1001, &CLevel1::OnCommand1)
END_MESSAGE_MAP()

class CLevel2 : public CLevel1
{
protected:
    afx_msg void OnMouseMove(UINT, CPoint) { g_sink = g_sink + 1; }
    afx_msg BOOL OnMouseWheel(UINT, short, CPoint) { return TRUE; }
    afx_msg void OnHScroll(UINT, UINT, CScrollBar*) {}
    afx_msg void OnVScroll(UINT, UINT, CScrollBar*) {}
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnCaptureChanged(CWnd*) {}
    afx_msg void OnSysColorChange() {}
    afx_msg void OnSettingChange(UINT, LPCTSTR) {}
    afx_msg void OnDestroy() { Default(); }
    afx_msg int OnCreate(LPCREATESTRUCT) { return 0; }
    afx_msg void OnNotifyClick(NMHDR*, LRESULT*) { g_sink = g_sink + 1; }
    afx_msg void OnCommand2() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLevel2, CLevel1)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_ERASEBKGND()
    ON_WM_CAPTURECHANGED()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_DESTROY()
    ON_WM_CREATE()
    ON_COMMAND(1002, &CLevel2::OnCommand2)
    ON_NOTIFY_REFLECT(-2, &CLevel2::OnNotifyClick)
END_MESSAGE_MAP()

class CLevel3 : public CLevel2
{
protected:
    afx_msg void OnMButtonDown(UINT, CPoint) {}
    afx_msg void OnMButtonUp(UINT, CPoint) {}
    afx_msg void OnSysKeyDown(UINT, UINT, UINT) {}
    afx_msg void OnKeyUp(UINT, UINT, UINT) {}
    afx_msg void OnShowWindow(BOOL, UINT) {}
    afx_msg void OnMove(int, int) {}
    afx_msg void OnEnable(BOOL) {}
    afx_msg void OnContextMenu(CWnd*, CPoint) {}
    afx_msg void OnCancelMode() {}
    afx_msg void OnCommand3() {}
    afx_msg void OnCommand4() {}
    afx_msg void OnCommand5() {}
    afx_msg void OnCommand6() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLevel3, CLevel2)
    ON_WM_MBUTTONDOWN()
    ON_WM_MBUTTONUP()
    ON_WM_SYSKEYDOWN()
    ON_WM_KEYUP()
    ON_WM_SHOWWINDOW()
    ON_WM_MOVE()
    ON_WM_ENABLE()
    ON_WM_CONTEXTMENU()
    ON_WM_CANCELMODE()
    ON_COMMAND(1003, &CLevel3::OnCommand3)
    ON_COMMAND(1004, &CLevel3::OnCommand4)
    ON_COMMAND(1005, &CLevel3::OnCommand5)
    ON_COMMAND(1006, &CLevel3::OnCommand6)
END_MESSAGE_MAP()

} // namespace

int main()
{
    AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_HIDE);
    CWnd parent;
    if (!parent.CreateEx(0, NULL, L"", WS_POPUP, 0, 0, 100, 100, NULL, NULL))
    {
        printf("no window (is a display set?)\n");
        return 1;
    }
    CLevel3 wnd;
    wnd.Create(NULL, L"", WS_CHILD, CRect(0, 0, 50, 50), &parent, 7);
    HWND hPlain = ::CreateWindowExW(0, L"AfxWnd", L"", WS_CHILD, 0, 0, 50, 50, parent.m_hWnd, NULL,
                                    AfxGetInstanceHandle(), NULL);
    const int kCalls = 200000;
    HWND hWnd = wnd.m_hWnd;
    double tPlain = Time([&] { ::SendMessageW(hPlain, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4)); }, kCalls);
    double tMapped = Time([&] { ::SendMessageW(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4)); }, kCalls);
    double tUnmapped = Time([&] { ::SendMessageW(hWnd, WM_APP + 5, 0, 0); }, kCalls);
    double tCommand = Time([&] { ::SendMessageW(hWnd, WM_COMMAND, MAKEWPARAM(1001, 0), 0); }, kCalls);
    NMHDR hdr = {hWnd, 7, (UINT)-2};
    double tReflected = Time([&] { parent.SendMessage(WM_NOTIFY, 7, (LPARAM)&hdr); }, kCalls);

    printf("SendMessage, ns per call (best of 5 rounds of %d)\n", kCalls);
    printf("  plain window, default procedure      %8.0f\n", tPlain * 1e9);
    printf("  bound window, mapped WM_MOUSEMOVE     %8.0f  (%.2fx)\n", tMapped * 1e9, tMapped / tPlain);
    printf("  bound window, unmapped message        %8.0f  (%.2fx)\n", tUnmapped * 1e9, tUnmapped / tPlain);
    printf("  ON_COMMAND (update-UI check first)    %8.0f  (%.2fx)\n", tCommand * 1e9, tCommand / tPlain);
    printf("  WM_NOTIFY reflected to the child      %8.0f  (%.2fx)\n", tReflected * 1e9, tReflected / tPlain);
    ::DestroyWindow(hPlain);
    wnd.DestroyWindow();
    parent.DestroyWindow();
    AfxWinTerm();
    return g_sink == 0;
}
