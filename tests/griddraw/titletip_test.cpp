// Title tips over a real grid window: shown only over a cell whose text does not fit, laid over the
// cell; a click is passed on to the grid below and hides the tip.
#include "draw.h"

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

// Dispatches pending messages as the application's pump does (the tip takes clicks in its
// PreTranslateMessage) but drops pointer moves addressed to the window with the capture: on a
// display shared with other test programs, moves of the real pointer go to that window.
void PumpExceptMovesTo(HWND hWndCapture)
{
    MSG msg;
    for (int n = 0; n < 1000 && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE); n++)
        if (msg.message != WM_QUIT && !(msg.message == WM_MOUSEMOVE && msg.hwnd == hWndCapture) &&
            !AfxGetThread()->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
}
} // namespace

class TitleTipTest : public GridDrawTest
{
protected:
    void SetUp() override
    {
        GridDrawTest::SetUp();
        Refocus();
        m_pGrid->SetItemText(2, 1, L"a text much longer than the cell");
        m_pGrid->SetItemText(2, 2, L"x");
        PumpExceptMovesTo(Tip().m_hWnd);
        m_pGrid->m_received.clear();
    }
    void TearDown() override
    {
        if (m_pGrid)
            m_pGrid->TitleTip().Hide();
        GridDrawTest::TearDown();
    }

    // Tips show only while the application has the keyboard focus; test programs running at the
    // same time on the display may take it away, so focus-dependent steps take it back first.
    void Refocus() { EXPECT_TRUE(qtest::TakeFocus(Parent()->m_hWnd, m_pGrid->m_hWnd)); }
    CQTitleTip& Tip() { return m_pGrid->TitleTip(); }
    void ShowTipOver(int row, int col)
    {
        Refocus();
        Tip().Show(CellRect(row, col), m_pGrid->GetItemText(row, col), 0);
    }
    size_t CountReceived(UINT message)
    {
        size_t n = 0;
        for (auto& r : m_pGrid->m_received)
            n += (r[0] == (LPARAM)message);
        return n;
    }
};

// A text that fits exactly shows nothing; one pixel less room shows the tip.
TEST_F(TitleTipTest, ATextThatFitsShowsNoTip)
{
    ShowTipOver(2, 2);
    EXPECT_FALSE(Tip().IsWindowVisible());

    const int cx = TipTextWidth(*m_pGrid, L"exactly");
    m_pGrid->SetItemText(1, 1, L"exactly");
    m_pGrid->SetColumnWidth(1, cx + 1); // the inclusive rectangle is cx wide
    ShowTipOver(1, 1);
    EXPECT_FALSE(Tip().IsWindowVisible());
    EXPECT_NE(Tip().m_hWnd, ::GetCapture());

    m_pGrid->SetColumnWidth(1, cx);
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
    while (m_pGrid->m_received.back()[0] != WM_LBUTTONDOWN)
        m_pGrid->m_received.pop_back();
    const LPARAM lParam = m_pGrid->m_received.back()[2];
    CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    CRect client;
    Tip().GetClientRect(client);
    Tip().ClientToScreen(client);
    m_pGrid->ScreenToClient(client);
    EXPECT_EQ(CPoint(client.left + 5, client.top + 4), point);
    EXPECT_TRUE(CellRect(2, 1).PtInRect(point));
    EXPECT_EQ((LPARAM)MK_LBUTTON, m_pGrid->m_received.back()[1]);
    m_pGrid->SendMessage(WM_LBUTTONUP, 0, lParam);
}
