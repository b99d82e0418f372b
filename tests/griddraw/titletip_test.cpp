// Title tips over a real grid window: shown only over a cell whose text does not fit.
#include "draw.h"

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
