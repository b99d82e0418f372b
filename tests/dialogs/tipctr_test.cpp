// The tip window through real windows: its size from the lines, its place at the parent's edges,
// each way of closing it, and that neither window nor object is left behind.
#include "dialogs/QTipCtr.h"
#include "dlgtest.h"
#include <gtest/gtest.h>

using namespace dlgtest;

namespace
{

class TipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateTop(400, 300));
        m_parent.GetClientRect(&m_rcParent);
        m_parent.ClientToScreen(&m_rcParent);
    }
    void TearDown() override
    {
        if (CQTipCtr::m_pTip != NULL)
            CQTipCtr::m_pTip->HideWindow();
        EXPECT_EQ(nullptr, CQTipCtr::m_pTip);
    }
    // Shows nLines copies of the line at a point of the parent; the tip's window rectangle.
    CRect Show(CPoint pt, int nLines, LPCWSTR lpszLine, LPCWSTR lpszFirst = NULL)
    {
        CStringArray arLines;
        for (int i = 0; i < nLines; i++)
            arLines.Add(i == 0 && lpszFirst ? lpszFirst : lpszLine);
        m_caller.m_ptPos = pt;
        CQTipCtr* pTip = m_caller.ShowWindowCtr(&m_parent, arLines);
        EXPECT_TRUE(pTip != NULL && pTip == CQTipCtr::m_pTip);
        Settle();
        return WindowRect(pTip);
    }
    qtest::CRecordingWnd m_parent;
    CRect m_rcParent;
    CQTipCtr m_caller;
};

// As wide as the longest line (the first of equal ones) plus 2, one line height plus 2 per line,
// starting at the caller's point (now in screen coordinates). Near the right or bottom edge the tip
// is pulled in until its edge meets the parent's; one wider or taller than the parent starts at the
// parent's left or top edge.
TEST_F(TipTest, SizeAndPlace)
{
    CFont font; // the tip's font
    font.CreateFont(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS, L"宋体");
    CClientDC dc(&m_parent);
    CFont* pOld = dc.SelectObject(&font);
    CSize ext = dc.GetTextExtent(L"abc");
    dc.SelectObject(pOld);
    CRect rc = Show(CPoint(10, 10), 3, L"ab", L"abc");
    EXPECT_EQ(CSize(ext.cx + 2, (ext.cy + 2) * 3 + 2), rc.Size());
    EXPECT_EQ(m_rcParent.TopLeft() + CSize(10, 10), rc.TopLeft());
    EXPECT_EQ(m_caller.m_ptPos, rc.TopLeft());
    CQTipCtr::m_pTip->m_arLines[1] = L"xyz";
    EXPECT_STREQ(L"abc", CQTipCtr::m_pTip->GetLongSize());
    EXPECT_EQ(2, Show(CPoint(10, 10), 0, L"").Height()); // no lines

    rc = Show(CPoint(390, 20), 2, L"WWWWW");
    EXPECT_EQ(CPoint(m_rcParent.right, m_rcParent.top + 20), CPoint(rc.right, rc.top));
    rc = Show(CPoint(20, 295), 3, L"WWWWW");
    EXPECT_EQ(CPoint(m_rcParent.left + 20, m_rcParent.bottom), CPoint(rc.left, rc.bottom));
    EXPECT_EQ(m_rcParent.left, Show(CPoint(50, 50), 2, CString(L'W', 300)).left);
    EXPECT_EQ(m_rcParent.top, Show(CPoint(50, 50), 5000, L"W").top);
}

// A click, a loss of focus and a move past the right or bottom edge each close the tip, and window
// and object are gone; a move inside does not. Without a parent window nothing is made.
TEST_F(TipTest, ClosesAndDeletesItself)
{
    for (int nTrigger = 0; nTrigger < 4; nTrigger++)
    {
        CSize size = Show(CPoint(30, 30), 2, L"a line").Size();
        HWND h = CQTipCtr::m_pTip->m_hWnd;
        ::SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(size.cx - 1, size.cy - 1));
        ASSERT_TRUE(::IsWindow(h));
        if (nTrigger == 0)
        {
            ::PostMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
            qtest::PumpMessages();
        }
        else if (nTrigger == 1)
        {
            ::SetFocus(h);
            m_parent.SetFocus();
        }
        else
            ::SendMessageW(h, WM_MOUSEMOVE, 0,
                           nTrigger == 2 ? MAKELPARAM(size.cx, 3) : MAKELPARAM(3, size.cy));
        EXPECT_FALSE(::IsWindow(h)) << "trigger " << nTrigger;
        EXPECT_EQ(nullptr, CQTipCtr::m_pTip) << "trigger " << nTrigger;
    }
    CWnd noWindow;
    CStringArray arLines;
    EXPECT_EQ(nullptr, m_caller.ShowWindowCtr(&noWindow, arLines));
}

} // namespace
