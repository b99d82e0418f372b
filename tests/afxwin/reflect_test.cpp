// Reflection: a control's notifications, owner-draw, colour and scroll messages reach the
// control's own object first; a control that handles them keeps the parent from handling them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testwin.h"

#include <commctrl.h>

namespace
{

std::vector<std::string> g_trace; // handler calls of the current test, in order

const UINT ID_CHILD = 10, ID_BUTTON = 11, ID_BUTTON_EX = 12, ID_STATIC = 13, ID_STATIC_PASS = 14,
           ID_OWNER = 15, ID_LIST = 16, ID_SCROLL = 17;

// A plain child that notifies its parent and handles some notifications itself.
class CNotifyChild : public CWnd
{
public:
    BOOL bHandleDblClk = TRUE;
    LRESULT Notify(UINT code)
    {
        NMHDR hdr = {m_hWnd, (UINT_PTR)GetDlgCtrlID(), code};
        return GetParent()->SendMessage(WM_NOTIFY, hdr.idFrom, (LPARAM)&hdr);
    }

protected:
    afx_msg void OnClickReflect(NMHDR* pNMHDR, LRESULT* pResult)
    {
        g_trace.push_back("child.NM_CLICK");
        EXPECT_EQ(m_hWnd, pNMHDR->hwndFrom);
        *pResult = 5;
    }
    afx_msg BOOL OnDblClkReflect(NMHDR*, LRESULT* pResult)
    {
        g_trace.push_back("child.NM_DBLCLK");
        *pResult = 6;
        return bHandleDblClk;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyChild, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, &CNotifyChild::OnClickReflect)
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, &CNotifyChild::OnDblClkReflect)
END_MESSAGE_MAP()

// Buttons that handle their own click: unconditionally, or (the _EX form) passing it on.
class CReflectButton : public CWnd
{
protected:
    afx_msg void OnClicked() { g_trace.push_back("button.clicked"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, &CReflectButton::OnClicked)
END_MESSAGE_MAP()

class CReflectButtonEx : public CWnd
{
protected:
    afx_msg BOOL OnClicked()
    {
        g_trace.push_back("buttonEx.clicked");
        return FALSE; // the parent handles it too
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectButtonEx, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CReflectButtonEx::OnClicked)
END_MESSAGE_MAP()

// A static that paints its own background; with bPass it leaves the colour to the parent.
class CColorStatic : public CWnd
{
public:
    explicit CColorStatic(bool bPass) : m_bPass(bPass), m_brush(RGB(255, 0, 0)) {}
    HBRUSH Brush() const { return (HBRUSH)m_brush.m_hObject; }

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        g_trace.push_back(m_bPass ? "static.pass" : "static.color");
        EXPECT_EQ((UINT)CTLCOLOR_STATIC, nCtlColor);
        if (m_bPass)
            return NULL;
        pDC->SetBkColor(RGB(255, 0, 0));
        return (HBRUSH)m_brush.m_hObject;
    }
    DECLARE_MESSAGE_MAP()
    bool m_bPass;
    CBrush m_brush;
};
BEGIN_MESSAGE_MAP(CColorStatic, CWnd)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// An owner-drawn button that draws itself green.
class COwnerButton : public CWnd
{
protected:
    afx_msg void DrawItem(LPDRAWITEMSTRUCT lpDIS)
    {
        g_trace.push_back("owner.DrawItem");
        CDC* pDC = CDC::FromHandle(lpDIS->hDC);
        pDC->FillSolidRect(&lpDIS->rcItem, RGB(0, 255, 0));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(COwnerButton, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

// An owner-drawn list box that sizes its own items.
class COwnerList : public CWnd
{
protected:
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
    {
        g_trace.push_back("list.MeasureItem");
        lpMIS->itemHeight = 33;
    }
    afx_msg void DrawItem(LPDRAWITEMSTRUCT) {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(COwnerList, CWnd)
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

// A scroll bar that takes its own scroll messages.
class CSelfScrollBar : public CScrollBar
{
public:
    UINT nLastCode = 99, nLastPos = 0;

protected:
    afx_msg void HScroll(UINT nSBCode, UINT nPos)
    {
        g_trace.push_back("bar.HScroll");
        nLastCode = nSBCode;
        nLastPos = nPos;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSelfScrollBar, CScrollBar)
    ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

// The parent handles everything too, so that a missing reflection shows.
class CReflectParent : public qtest::CRecordingWnd
{
protected:
    afx_msg void OnClick(NMHDR*, LRESULT* pResult)
    {
        g_trace.push_back("parent.NM_CLICK");
        *pResult = 50;
    }
    afx_msg void OnDblClk(NMHDR*, LRESULT*) { g_trace.push_back("parent.NM_DBLCLK"); }
    afx_msg void OnRClickRange(UINT nID, NMHDR* pNMHDR, LRESULT*)
    {
        g_trace.push_back("parent.NM_RCLICK." + std::to_string(nID));
        EXPECT_EQ((UINT)NM_RCLICK, pNMHDR->code);
    }
    afx_msg void OnButton() { g_trace.push_back("parent.button"); }
    afx_msg void OnButtonEx() { g_trace.push_back("parent.buttonEx"); }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        if (nCtlColor != CTLCOLOR_STATIC)
            return CWnd::OnCtlColor(pDC, pWnd, nCtlColor); // buttons ask too
        g_trace.push_back("parent.OnCtlColor");
        EXPECT_NE(nullptr, pWnd);
        return (HBRUSH)::GetStockObject(BLACK_BRUSH);
    }
    afx_msg void OnDrawItem(int, LPDRAWITEMSTRUCT) { g_trace.push_back("parent.OnDrawItem"); }
    afx_msg void OnMeasureItem(int, LPMEASUREITEMSTRUCT) { g_trace.push_back("parent.OnMeasureItem"); }
    afx_msg void OnHScroll(UINT, UINT, CScrollBar*) { g_trace.push_back("parent.OnHScroll"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectParent, qtest::CRecordingWnd)
    ON_NOTIFY(NM_CLICK, ID_CHILD, &CReflectParent::OnClick)
    ON_NOTIFY(NM_DBLCLK, ID_CHILD, &CReflectParent::OnDblClk)
    ON_NOTIFY_RANGE(NM_RCLICK, ID_CHILD, ID_CHILD + 5, &CReflectParent::OnRClickRange)
    ON_BN_CLICKED(ID_BUTTON, &CReflectParent::OnButton)
    ON_BN_CLICKED(ID_BUTTON_EX, &CReflectParent::OnButtonEx)
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_trace.clear();
        ASSERT_TRUE(parent.CreateTop(300, 200));
    }
    CReflectParent parent;
};

using Trace = std::vector<std::string>;

} // namespace

TEST_F(ReflectionTest, NotifyReflectStopsTheParentAndSetsTheResult)
{
    CNotifyChild child;
    ASSERT_TRUE(child.Create(NULL, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent, ID_CHILD));
    EXPECT_EQ(5, child.Notify(NM_CLICK));
    EXPECT_EQ(Trace({"child.NM_CLICK"}), g_trace);

    // The _EX form: TRUE keeps the parent out, FALSE lets it handle the notification as well.
    g_trace.clear();
    child.bHandleDblClk = TRUE;
    EXPECT_EQ(6, child.Notify(NM_DBLCLK));
    child.bHandleDblClk = FALSE;
    child.Notify(NM_DBLCLK);
    EXPECT_EQ(Trace({"child.NM_DBLCLK", "child.NM_DBLCLK", "parent.NM_DBLCLK"}), g_trace);

    // Without a reflect entry the parent's range handler gets it, with the control's id.
    g_trace.clear();
    child.Notify(NM_RCLICK);
    EXPECT_EQ(Trace({"parent.NM_RCLICK.10"}), g_trace);
    static const qtest::ExpectedMsg log[] = {{WM_NOTIFY, (UINT)NM_CLICK, ID_CHILD, 0, 0, 0},
                                             {WM_NOTIFY, (UINT)NM_DBLCLK, ID_CHILD, 0, 0, 0},
                                             {WM_NOTIFY, (UINT)NM_DBLCLK, ID_CHILD, 0, 0, 0},
                                             {WM_NOTIFY, (UINT)NM_RCLICK, ID_CHILD, 0, 0, 0}};
    EXPECT_TRUE(parent.Matches(log, "notifications sent"));
}

TEST_F(ReflectionTest, ControlReflectOnRealButtonClicks)
{
    CReflectButton button;
    CReflectButtonEx buttonEx;
    ASSERT_TRUE(button.Create(L"BUTTON", L"A", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 60, 24),
                              &parent, ID_BUTTON));
    ASSERT_TRUE(buttonEx.Create(L"BUTTON", L"B", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(70, 0, 130, 24),
                                &parent, ID_BUTTON_EX));
    button.SendMessage(BM_CLICK);
    qtest::PumpMessages();
    buttonEx.SendMessage(BM_CLICK);
    qtest::PumpMessages();
    EXPECT_EQ(Trace({"button.clicked", "buttonEx.clicked", "parent.buttonEx"}), g_trace);
}

TEST_F(ReflectionTest, CtlColorReflectPaintsTheControlOrFallsBackToTheParent)
{
    CColorStatic colored(false), passing(true);
    ASSERT_TRUE(colored.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(0, 0, 40, 20), &parent,
                               ID_STATIC));
    ASSERT_TRUE(passing.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(0, 30, 40, 50), &parent,
                               ID_STATIC_PASS));
    // The colour message as the static sends it.
    HDC hdc = ::GetDC(colored.m_hWnd);
    g_trace.clear();
    EXPECT_EQ((LRESULT)colored.Brush(),
              parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)colored.m_hWnd));
    EXPECT_EQ((LRESULT)::GetStockObject(BLACK_BRUSH),
              parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)passing.m_hWnd));
    ::ReleaseDC(colored.m_hWnd, hdc);
    EXPECT_EQ(Trace({"static.color", "static.pass", "parent.OnCtlColor"}), g_trace);

    // The static paints with the brush its own object chose.
    auto pixels = qtest::CapturePrint(&colored);
    EXPECT_EQ(RGB(255, 0, 0), pixels->GetPixel(20, 10));
    pixels = qtest::CapturePrint(&passing);
    EXPECT_EQ(RGB(0, 0, 0), pixels->GetPixel(20, 10));
}

TEST_F(ReflectionTest, DrawItemAndMeasureItemReachTheOwnerDrawnControl)
{
    COwnerButton button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 40, 20),
                              &parent, ID_OWNER));
    g_trace.clear();
    auto pixels = qtest::CapturePrint(&button);
    EXPECT_EQ(RGB(0, 255, 0), pixels->GetPixel(20, 10));
    ASSERT_FALSE(g_trace.empty());
    for (const std::string& s : g_trace)
        EXPECT_EQ("owner.DrawItem", s);

    // Fixed-height items are measured while the list box is being created.
    g_trace.clear();
    COwnerList list;
    ASSERT_TRUE(list.Create(L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                            CRect(50, 0, 150, 150), &parent, ID_LIST));
    EXPECT_EQ(33, list.SendMessage(LB_GETITEMHEIGHT, 0));
    ASSERT_FALSE(g_trace.empty());
    for (const std::string& s : g_trace)
        EXPECT_EQ("list.MeasureItem", s);
}

TEST_F(ReflectionTest, ScrollMessagesFromAScrollBarControlGoToIt)
{
    CSelfScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 100, 200, 116), &parent, ID_SCROLL));
    parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 17), (LPARAM)bar.m_hWnd);
    EXPECT_EQ((UINT)SB_THUMBPOSITION, bar.nLastCode);
    EXPECT_EQ(17u, bar.nLastPos);
    // The window's own scroll bar (no control) is the parent's business.
    parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEUP, 0), 0);
    EXPECT_EQ(Trace({"bar.HScroll", "parent.OnHScroll"}), g_trace);
}
