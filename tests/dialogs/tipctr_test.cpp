// The tip window through real windows: its size from the lines, its place at the parent's edges,
// each way of closing it, and that nothing is left behind (window and object).
#include <gtest/gtest.h>
#include "dlgtest.h"
#include "testwin.h"
#include "dialogs/QTipCtr.h"

using namespace dlgtest;

namespace
{

class TipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateTop(400, 300));
        m_parent.SetWindowPos(NULL, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    void TearDown() override
    {
        if (CQTipCtr::m_pTip != NULL)
            CQTipCtr::m_pTip->HideWindow();
        EXPECT_EQ(nullptr, CQTipCtr::m_pTip);
    }
    // Shows lines at a point of the parent; the tip's window handle.
    HWND Show(std::initializer_list<LPCWSTR> lines, CPoint pt)
    {
        CStringArray arLines;
        for (LPCWSTR lpsz : lines)
            arLines.Add(lpsz);
        m_caller.m_ptPos = pt;
        CQTipCtr* pTip = m_caller.ShowWindowCtr(&m_parent, arLines);
        EXPECT_EQ(CQTipCtr::m_pTip, pTip);
        Settle();
        return pTip->GetSafeHwnd();
    }
    // The extent of a text in the tip's font.
    CSize Extent(LPCWSTR lpsz)
    {
        CFont font;
        font.CreateFont(13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, L"宋体");
        CClientDC dc(&m_parent);
        CFont* pOld = dc.SelectObject(&font);
        CSize size = dc.GetTextExtent(lpsz);
        dc.SelectObject(pOld);
        return size;
    }
    CRect ParentClient()
    {
        CRect rc;
        m_parent.GetClientRect(&rc);
        m_parent.ClientToScreen(&rc);
        return rc;
    }

    qtest::CRecordingWnd m_parent;
    CQTipCtr m_caller;
};

// Sized to the longest line (the first of equally long ones), one line height per line; an
// empty list makes a window 2 pixels high.
TEST_F(TipTest, SizeFromTheLines)
{
    HWND h = Show({L"a", L"abc", L"ab"}, CPoint(10, 10));
    CSize ext = Extent(L"abc");
    CRect rc;
    ::GetWindowRect(h, &rc);
    EXPECT_EQ(ext.cx + 2, rc.Width());
    EXPECT_EQ((ext.cy + 2) * 3 + 2, rc.Height());
    EXPECT_EQ(ParentClient().TopLeft() + CSize(10, 10), rc.TopLeft());
    EXPECT_EQ(m_caller.m_ptPos, rc.TopLeft()); // the caller's point is now in screen coordinates

    CQTipCtr::m_pTip->m_arLines.SetSize(0);
    CQTipCtr::m_pTip->m_arLines.Add(L"xy");
    CQTipCtr::m_pTip->m_arLines.Add(L"ab");
    EXPECT_STREQ(L"xy", CQTipCtr::m_pTip->GetLongSize());

    h = Show({}, CPoint(10, 10));
    ::GetWindowRect(h, &rc);
    EXPECT_EQ(2, rc.Height());
    EXPECT_STREQ(L"", CQTipCtr::m_pTip->GetLongSize());
}

// Near the right or bottom edge the tip is pulled in until its edge meets the parent's; a tip
// wider or taller than the parent starts at the parent's left or top edge.
TEST_F(TipTest, KeptInsideTheParent)
{
    CRect rcParent = ParentClient();
    struct
    {
        CPoint pt;
        int nLines;
        int nWidth;
        int left, top, right, bottom; // 1: the edge meets the parent's edge
    } cases[] = {
        {{390, 20}, 2, 5, 0, 0, 1, 0},  {{20, 295}, 3, 5, 0, 0, 0, 1},   {{395, 298}, 3, 5, 0, 0, 1, 1},
        {{50, 50}, 2, 300, 1, 0, 0, 0}, {{50, 50}, 5000, 5, 0, 1, 0, 0},
    };
    for (auto& c : cases)
    {
        CStringArray arLines;
        for (int i = 0; i < c.nLines; i++)
            arLines.Add(CString(L'W', c.nWidth));
        m_caller.m_ptPos = c.pt;
        HWND h = m_caller.ShowWindowCtr(&m_parent, arLines)->GetSafeHwnd();
        Settle();
        CRect rc;
        ::GetWindowRect(h, &rc);
        SCOPED_TRACE(testing::Message() << "at " << c.pt.x << "," << c.pt.y << " lines " << c.nLines);
        if (c.left)
        {
            EXPECT_EQ(rcParent.left, rc.left);
        }
        if (c.top)
        {
            EXPECT_EQ(rcParent.top, rc.top);
        }
        if (c.right)
        {
            EXPECT_EQ(rcParent.right, rc.right);
        }
        if (c.bottom)
        {
            EXPECT_EQ(rcParent.bottom, rc.bottom);
        }
        if (!c.left && !c.right)
        {
            EXPECT_EQ(rcParent.left + c.pt.x, rc.left);
        }
        CQTipCtr::m_pTip->HideWindow();
        EXPECT_FALSE(::IsWindow(h));
    }
}

// A click, a loss of focus and a move past the right or bottom edge each close the tip; the
// window and the object are gone. A move inside it does not.
TEST_F(TipTest, ClosesAndDeletesItself)
{
    for (int trigger = 0; trigger < 4; trigger++)
    {
        HWND h = Show({L"first line", L"second"}, CPoint(30, 30));
        ASSERT_TRUE(::IsWindow(h));
        CRect rc;
        ::GetClientRect(h, &rc);
        ::SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(rc.right - 1, rc.bottom - 1));
        ASSERT_TRUE(::IsWindow(h));
        switch (trigger)
        {
        case 0:
            ::PostMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
            qtest::PumpMessages();
            break;
        case 1:
            ::SetFocus(h);
            m_parent.SetFocus();
            break;
        case 2: ::SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(rc.right, 3)); break;
        case 3: ::SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(3, rc.bottom)); break;
        }
        EXPECT_FALSE(::IsWindow(h)) << "trigger " << trigger;
        EXPECT_EQ(nullptr, CQTipCtr::m_pTip) << "trigger " << trigger;
    }
    // No parent window: no tip, nothing left.
    CWnd noWindow;
    CStringArray arLines;
    arLines.Add(L"x");
    EXPECT_EQ(nullptr, m_caller.ShowWindowCtr(&noWindow, arLines));
    EXPECT_EQ(nullptr, CQTipCtr::m_pTip);
}

// The colours and the font as painted: background everywhere but the text's ink.
TEST_F(TipTest, PaintsInItsColours)
{
    HWND h = Show({L"pressure 16 bar", L"DN 150"}, CPoint(40, 40));
    CQTipCtr* pTip = CQTipCtr::m_pTip;
    pTip->SetTipBkColor(RGB(255, 255, 200));
    pTip->SetTipTextColor(RGB(200, 0, 0));
    ::UpdateWindow(h);
    auto pixels = qtest::CaptureClient(pTip);
    CRect rc;
    ::GetClientRect(h, &rc);
    CSize ext = Extent(L"pressure 16 bar");
    CRect rcLine1(0, 2, ext.cx, 2 + ext.cy), rcBelow(0, 2 + 2 * ext.cy + 1, rc.right, rc.bottom);
    EXPECT_GT(pixels->CountColor(rcLine1, RGB(200, 0, 0)), 0);
    EXPECT_EQ(rcBelow.Width() * rcBelow.Height(), pixels->CountColor(rcBelow, RGB(255, 255, 200)));
}

} // namespace
