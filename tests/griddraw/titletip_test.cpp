// Title tips over a real grid window: shown only over a cell whose text does not fit, laid over the
// cell; clicks, keys and moves out of the cell are passed on to the grid below and hide the tip.
#include "drawtest.h"

#include <windowsx.h>

namespace
{

// The width of " text " in the grid's font, as the tip measures it.
int TipTextWidth(CQGridCtrl& grid, const wchar_t* text)
{
    CClientDC dc(&grid);
    CFont* pOld = dc.SelectObject(grid.GetFont());
    int cx = dc.GetTextExtent(CString(L" ") + text + L" ").cx;
    if (pOld != NULL)
        dc.SelectObject(pOld);
    return cx;
}

} // namespace

class TitleTipTest : public GridDrawTest
{
protected:
    void SetUp() override
    {
        GridDrawTest::SetUp();
        Refocus();
        m_grid->SetItemText(2, 1, L"a text much longer than the cell");
        m_grid->SetItemText(2, 2, L"x");
        PumpExceptMovesTo(Tip().m_hWnd);
        m_grid->m_received.clear();
    }
    void TearDown() override
    {
        if (m_grid)
            m_grid->TitleTip().Hide();
        GridDrawTest::TearDown();
    }

    // Tips show only while the application has the keyboard focus; test programs running at the
    // same time on the display may take it away, so focus-dependent steps take it back first.
    void Refocus() { EXPECT_TRUE(qtest::TakeFocus(m_parent.m_hWnd, m_grid->m_hWnd)); }
    CQTitleTip& Tip() { return m_grid->TitleTip(); }
    void ShowTipOver(int row, int col)
    {
        Refocus();
        Tip().Show(CellRect(row, col), m_grid->GetItemText(row, col), 0);
    }
    // The tip's window rectangle in the grid's client coordinates.
    CRect TipRect()
    {
        CRect rect;
        Tip().GetWindowRect(rect);
        m_grid->ScreenToClient(rect);
        return rect;
    }
    size_t CountReceived(UINT message)
    {
        size_t n = 0;
        for (auto& r : m_grid->m_received)
            n += (r.message == message);
        return n;
    }
};

TEST_F(TitleTipTest, TheGridMakesItsTipWindowWhenTipsAreOn)
{
    ASSERT_TRUE(::IsWindow(Tip().m_hWnd));
    wchar_t szClass[64] = L"";
    ::GetClassNameW(Tip().m_hWnd, szClass, 64);
    EXPECT_STREQ(L"QTitleTip", szClass);
    EXPECT_EQ((DWORD)(WS_POPUP | WS_BORDER), Tip().GetStyle() & (WS_POPUP | WS_BORDER | WS_CHILD));
    EXPECT_TRUE(Tip().GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(Tip().GetExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ(NULL, ::GetWindow(Tip().m_hWnd, GW_OWNER));
    EXPECT_FALSE(Tip().IsWindowVisible());

    WNDCLASSW wc;
    ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), L"QTitleTip", &wc));
    EXPECT_EQ((UINT)CS_SAVEBITS, wc.style);
    EXPECT_EQ((HBRUSH)(COLOR_INFOBK + 1), wc.hbrBackground);

    DrawGrid noTips(3, 3, 1, 1);
    noTips.EnableTitleTips(FALSE);
    ASSERT_TRUE(noTips.Create(CRect(0, 0, 50, 50), &m_parent, 101, WS_CHILD));
    EXPECT_FALSE(::IsWindow(noTips.TitleTip().m_hWnd));
}

// Laid over the cell: same left, top and height, as wide as the text needs; it takes the capture.
TEST_F(TitleTipTest, ShownOverACellWhoseTextDoesNotFit)
{
    ShowTipOver(2, 1);
    ASSERT_TRUE(Tip().IsWindowVisible());
    const CRect cell = CellRect(2, 1);
    const CRect tip = TipRect();
    EXPECT_EQ(cell.left, tip.left);
    EXPECT_EQ(cell.top, tip.top);
    EXPECT_EQ(cell.Height(), tip.Height());
    EXPECT_EQ(TipTextWidth(*m_grid, L"a text much longer than the cell"), tip.Width());
    EXPECT_GT(tip.right, cell.right);
    EXPECT_EQ(Tip().m_hWnd, ::GetCapture());

    // a visible tip is not moved by another Show
    ShowTipOver(3, 3);
    EXPECT_EQ(tip, TipRect());

    Tip().Hide();
    EXPECT_FALSE(Tip().IsWindowVisible());
    EXPECT_NE(Tip().m_hWnd, ::GetCapture());
}

// A text that fits exactly shows nothing; one pixel less room shows the tip.
TEST_F(TitleTipTest, ATextThatFitsShowsNoTip)
{
    ShowTipOver(2, 2);
    EXPECT_FALSE(Tip().IsWindowVisible());

    const int cx = TipTextWidth(*m_grid, L"exactly");
    m_grid->SetItemText(1, 1, L"exactly");
    m_grid->SetColumnWidth(1, cx + 1); // the inclusive rectangle is cx wide
    ShowTipOver(1, 1);
    EXPECT_FALSE(Tip().IsWindowVisible());
    EXPECT_NE(Tip().m_hWnd, ::GetCapture());

    m_grid->SetColumnWidth(1, cx);
    ShowTipOver(1, 1);
    EXPECT_TRUE(Tip().IsWindowVisible());
}

// A click on the tip hides it and reaches the grid below as an ordinary click at the same place.
TEST_F(TitleTipTest, AClickIsPassedOnToTheGrid)
{
    ShowTipOver(2, 1);
    ASSERT_TRUE(Tip().IsWindowVisible());
    Refocus();
    Tip().PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 4));
    PumpExceptMovesTo(Tip().m_hWnd);

    EXPECT_FALSE(Tip().IsWindowVisible());
    EXPECT_NE(Tip().m_hWnd, ::GetCapture());
    ASSERT_EQ(1u, CountReceived(WM_LBUTTONDOWN));
    // the grid's auto-scroll timer, started by the click, may have sent keys since
    while (m_grid->m_received.back().message != WM_LBUTTONDOWN)
        m_grid->m_received.pop_back();
    const LPARAM lParam = m_grid->m_received.back().lParam;
    CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    CRect client;
    Tip().GetClientRect(client);
    Tip().ClientToScreen(client);
    m_grid->ScreenToClient(client);
    EXPECT_EQ(CPoint(client.left + 5, client.top + 4), point);
    EXPECT_TRUE(CellRect(2, 1).PtInRect(point));
    EXPECT_EQ((WPARAM)MK_LBUTTON, m_grid->m_received.back().wParam);
    m_grid->SendMessage(WM_LBUTTONUP, 0, lParam);
}

// A key pressed while the tip is up hides it and reaches the grid unchanged.
TEST_F(TitleTipTest, AKeyIsPassedOnToTheGrid)
{
    ShowTipOver(2, 1);
    ASSERT_TRUE(Tip().IsWindowVisible());
    Refocus();
    Tip().PostMessage(WM_KEYDOWN, VK_DOWN, 0x00500001);
    PumpExceptMovesTo(Tip().m_hWnd);
    EXPECT_FALSE(Tip().IsWindowVisible());
    ASSERT_EQ(1u, CountReceived(WM_KEYDOWN));
    EXPECT_EQ((WPARAM)VK_DOWN, m_grid->m_received.back().wParam);
    EXPECT_EQ((LPARAM)0x00500001, m_grid->m_received.back().lParam);
}

// Moves inside the cell keep the tip; a move out of it hides the tip and is re-posted to the grid
// in the grid's coordinates.
TEST_F(TitleTipTest, MovingOutOfTheCellHidesTheTipAndPassesTheMoveOn)
{
    ShowTipOver(2, 1);
    ASSERT_TRUE(Tip().IsWindowVisible());
    Refocus();
    Tip().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
    PumpExceptMovesTo(Tip().m_hWnd);
    EXPECT_TRUE(Tip().IsWindowVisible());
    EXPECT_EQ(0u, CountReceived(WM_MOUSEMOVE));

    // right of the cell but still over the tip: outside the title rectangle
    const CRect cell = CellRect(2, 1);
    CRect client;
    Tip().GetClientRect(client);
    Tip().ClientToScreen(client);
    m_grid->ScreenToClient(client);
    const int xOutside = cell.right + 3 - client.left;
    Refocus();
    Tip().SendMessage(WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(xOutside, 5));
    PumpExceptMovesTo(Tip().m_hWnd);
    EXPECT_FALSE(Tip().IsWindowVisible());
    // the re-posted move: the grid's only one with Shift (the real pointer never has it)
    const DrawGrid::Received* pMove = nullptr;
    for (const auto& r : m_grid->m_received)
        if (r.message == WM_MOUSEMOVE && r.wParam == MK_SHIFT)
            pMove = pMove ? nullptr : &r;
    ASSERT_NE(nullptr, pMove) << CountReceived(WM_MOUSEMOVE) << " moves";
    EXPECT_EQ(CPoint(client.left + xOutside, client.top + 5),
              CPoint(GET_X_LPARAM(pMove->lParam), GET_Y_LPARAM(pMove->lParam)));
}

// Without the keyboard focus no tip shows, and any message for a tip on show hides it and is
// swallowed.
TEST_F(TitleTipTest, LosingTheFocusHidesTheTip)
{
    ::SetFocus(NULL);
    ASSERT_EQ(NULL, ::GetFocus());
    Tip().Show(CellRect(2, 1), m_grid->GetItemText(2, 1), 0);
    EXPECT_FALSE(Tip().IsWindowVisible());

    ShowTipOver(2, 1);
    ASSERT_TRUE(Tip().IsWindowVisible());
    ::SetFocus(NULL);
    MSG msg = {Tip().m_hWnd, WM_TIMER, 0, 0, 0, {0, 0}};
    EXPECT_TRUE(Tip().PreTranslateMessage(&msg));
    EXPECT_FALSE(Tip().IsWindowVisible());
}

// Scrolling the grid either way hides the tip first.
TEST_F(TitleTipTest, ScrollingHidesTheTip)
{
    MakeGrid(40, 12, 1, 1);
    m_grid->SetFocus();
    m_grid->SetItemText(2, 1, L"a text much longer than the cell");
    for (UINT message : {(UINT)WM_VSCROLL, (UINT)WM_HSCROLL})
    {
        SCOPED_TRACE(message);
        ShowTipOver(2, 1);
        ASSERT_TRUE(Tip().IsWindowVisible());
        m_grid->SendMessage(message, MAKEWPARAM(SB_LINEDOWN, 0));
        EXPECT_FALSE(Tip().IsWindowVisible());
        EXPECT_NE(Tip().m_hWnd, ::GetCapture());
        m_grid->SendMessage(message, MAKEWPARAM(SB_TOP, 0));
    }
}

// The whole road through the grid's own mouse handling: a move over a clipped cell shows its tip;
// moving on to the next clipped cell hides it, and the re-posted move shows the next cell's tip;
// a click on the tip becomes an ordinary click of the grid on the cell below.
TEST_F(TitleTipTest, GridMovesShowTipsAndClicksOnThemReachTheCell)
{
    m_grid->SetItemText(2, 2, L"another text much longer than the cell");
    const CRect cell1 = CellRect(2, 1), cell2 = CellRect(2, 2);

    Refocus();
    m_grid->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cell1.left + 10, cell1.top + 5));
    ASSERT_TRUE(Tip().IsWindowVisible());
    EXPECT_EQ(cell1.left, TipRect().left);

    // over the tip, the next cell lies right of the title rectangle
    CPoint next(cell2.left + 10, cell2.top + 5);
    m_grid->ClientToScreen(&next);
    Tip().ScreenToClient(&next);
    Refocus();
    Tip().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(next.x, next.y));
    EXPECT_FALSE(Tip().IsWindowVisible());
    Refocus();
    for (int i = 0; i < 100 && !Tip().IsWindowVisible(); i++) // the re-posted move shows the next tip
        PumpExceptMovesTo(Tip().m_hWnd);
    ASSERT_TRUE(Tip().IsWindowVisible());
    EXPECT_EQ(cell2.left, TipRect().left);
    EXPECT_EQ(cell2.top, TipRect().top);

    // a click on the tip makes the cell below the focus cell
    CPoint click(cell2.left + 10, cell2.top + 5);
    m_grid->ClientToScreen(&click);
    Tip().ScreenToClient(&click);
    Refocus();
    Tip().PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(click.x, click.y));
    PumpExceptMovesTo(Tip().m_hWnd);
    EXPECT_FALSE(Tip().IsWindowVisible());
    EXPECT_EQ(CQCellID(2, 2), m_grid->GetFocusCell());
    m_grid->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(cell2.left + 10, cell2.top + 5));
}
