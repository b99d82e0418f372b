// Scrolling through the messages a scroll bar and the mouse wheel send: positions and limits after
// each scroll code, the part of the client area each one repaints, the posted wheel messages and
// scrolling a cell into view. The fixture's client area is 400 x 300: pages of 275 (vertical) and
// 350 (horizontal) pixels, limits 379 and 539; the scroll bars accept positions up to 105 and 190.
#include "geotest.h"

namespace
{
// Sends one scroll message with the update region emptied first.
void Scroll(HWND hWnd, UINT msg, UINT code)
{
    ::ValidateRect(hWnd, NULL);
    ::SendMessageW(hWnd, msg, MAKEWPARAM(code, 0), 0);
}
}  // namespace

TEST_F(GridWindow, LineDownAndUpMoveOneRowAndRepaintTheUncoveredStrip)
{
    Scroll(Grid(), WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(20, VPos());
    EXPECT_EQ(2, m_pGrid->GetTopleftNonFixedCell().row);
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 280, 400, 300)));

    m_pGrid->SetRowHeight(2, 35);   // the top-left row's height is the step
    Scroll(Grid(), WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(55, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 265, 400, 300)));

    // line up steps back by the row above the top-left one
    Scroll(Grid(), WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(20, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 25, 400, 60)));
    Scroll(Grid(), WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(0, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 25, 400, 45)));
    // at the top: nothing
    Scroll(Grid(), WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(0, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
}

TEST_F(GridWindow, LineDownThatTheBarRefusesNeitherScrollsNorRepaints)
{
    ASSERT_EQ(100, ScrollTo(SB_VERT, 100));
    Scroll(Grid(), WM_VSCROLL, SB_LINEDOWN);   // 120 is cut to 105 by the bar: it moved
    EXPECT_EQ(105, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 280, 400, 300)));
    Scroll(Grid(), WM_VSCROLL, SB_LINEDOWN);   // 105 + 20 is cut back to 105: unchanged
    EXPECT_EQ(105, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
    EXPECT_LT(VPos(), m_pGrid->VScrollLimit());
}

TEST_F(GridWindow, PageThumbAndEndCodes)
{
    Scroll(Grid(), WM_VSCROLL, SB_PAGEDOWN);   // min(379, 0 + 275), cut to 105 by the bar
    EXPECT_EQ(105, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 25, 400, 300)));
    Scroll(Grid(), WM_VSCROLL, SB_PAGEUP);
    EXPECT_EQ(0, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 25, 400, 300)));
    Scroll(Grid(), WM_VSCROLL, SB_PAGEUP);     // at the top: nothing
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));

    Scroll(Grid(), WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(105, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 0, 400, 300)));
    Scroll(Grid(), WM_VSCROLL, SB_TOP);
    EXPECT_EQ(0, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 0, 400, 300)));
    Scroll(Grid(), WM_VSCROLL, SB_TOP);
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));

    // thumb codes take the bar's own track position (not the 16-bit message argument) and always
    // repaint below the fixed rows
    ScrollTo(SB_VERT, 40);
    ::ValidateRect(Grid(), NULL);
    ::SendMessageW(Grid(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 90), 0);
    SCROLLINFO si = {sizeof(si), SIF_TRACKPOS};
    ::GetScrollInfo(Grid(), SB_VERT, &si);
    EXPECT_EQ(si.nTrackPos, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 25, 400, 300)));
    Scroll(Grid(), WM_VSCROLL, SB_THUMBPOSITION);
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 25, 400, 300)));

    // end of scrolling and unknown codes: nothing
    Scroll(Grid(), WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
    Scroll(Grid(), WM_VSCROLL, 77);
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
}

TEST_F(GridWindow, HorizontalCodesUseColumnsAndTheFixedColumnWidth)
{
    Scroll(Grid(), WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(60, HPos());
    EXPECT_EQ(2, m_pGrid->GetTopleftNonFixedCell().col);
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(340, 0, 400, 300)));
    Scroll(Grid(), WM_HSCROLL, SB_LINELEFT);
    EXPECT_EQ(0, HPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(50, 0, 110, 300)));
    Scroll(Grid(), WM_HSCROLL, SB_LINELEFT);
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));

    Scroll(Grid(), WM_HSCROLL, SB_PAGERIGHT);   // min(539, 350), cut to 190
    EXPECT_EQ(190, HPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(50, 0, 400, 300)));
    Scroll(Grid(), WM_HSCROLL, SB_LINERIGHT);   // refused by the bar
    EXPECT_EQ(190, HPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
    Scroll(Grid(), WM_HSCROLL, SB_PAGELEFT);
    EXPECT_EQ(0, HPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(50, 0, 400, 300)));
    Scroll(Grid(), WM_HSCROLL, SB_RIGHT);
    EXPECT_EQ(190, HPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 0, 400, 300)));
    Scroll(Grid(), WM_HSCROLL, SB_LEFT);
    EXPECT_EQ(0, HPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 0, 400, 300)));
    EXPECT_EQ(0, VPos());   // the other bar never moves
}

TEST_F(GridWindow, LineLeftNeedsANonFixedColumnBeforeTheTopLeftOne)
{
    // position inside column 1: the top-left column is 2, the step is column 1's width
    ASSERT_EQ(30, ScrollTo(SB_HORZ, 30));
    Scroll(Grid(), WM_HSCROLL, SB_LINELEFT);
    EXPECT_EQ(0, HPos());
    // a single non-fixed column, scrolled into: it is still the top-left column, and there is no
    // non-fixed column before it to step back by
    Rebuild(3, 3, 1, 1, 20, 50);
    m_pGrid->SetColumnWidth(1, 300);
    m_pGrid->SetColumnWidth(2, 300);
    m_pGrid->ResetScrollBars();   // limit 599, page 350
    ASSERT_EQ(100, ScrollTo(SB_HORZ, 100));
    m_pGrid->SetRedraw(FALSE);
    m_pGrid->SetColumnCount(2);   // no reset of the bars while drawing is off
    m_pGrid->SetRedraw(TRUE);
    ASSERT_EQ(100, HPos());
    EXPECT_EQ(1, m_pGrid->GetTopleftNonFixedCell().col);
    Scroll(Grid(), WM_HSCROLL, SB_LINELEFT);
    EXPECT_EQ(100, HPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
    // line right steps by the column's own width, cut by the bar to its last position
    Scroll(Grid(), WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(599 - 350 + 1, HPos());
}

TEST_F(GridWindow, ScrollingTakesTheFocusAndHidesTheTitleTip)
{
    ::SetFocus(m_pParent->Handle());
    ASSERT_NE(Grid(), ::GetFocus());
    // a title tip on show over the grid
    HWND hTip = ::FindWindowExW(NULL, NULL, L"QTitleTip", NULL);
    while (hTip && ::GetWindow(hTip, GW_OWNER) != NULL && ::GetWindow(hTip, GW_OWNER) != Grid())
        hTip = ::FindWindowExW(NULL, hTip, L"QTitleTip", NULL);
    if (hTip)
        ::ShowWindow(hTip, SW_SHOWNOACTIVATE);
    Scroll(Grid(), WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_EQ(Grid(), ::GetFocus());
    if (hTip)
        EXPECT_FALSE(::IsWindowVisible(hTip));
}

TEST_F(GridWindow, LimitsFollowTheShape)
{
    // everything fits: limits 0, positions 0
    Rebuild(5, 3, 1, 1, 20, 60);
    EXPECT_EQ(0, m_pGrid->VScrollLimit());
    EXPECT_EQ(0, m_pGrid->HScrollLimit());
    Scroll(Grid(), WM_VSCROLL, SB_LINEDOWN);
    Scroll(Grid(), WM_VSCROLL, SB_PAGEDOWN);
    Scroll(Grid(), WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(0, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));

    // rows added: the row operations reset the bars
    m_pGrid->SetRowCount(40);
    EXPECT_GT(m_pGrid->VScrollLimit(), 0);
    for (int row = 5; row < 40; row++)
        m_pGrid->SetRowHeight(row, 20);
    m_pGrid->ResetScrollBars();
    const int nLimit = m_pGrid->VScrollLimit();
    CRect rc = Client();
    EXPECT_EQ(20 * 40 - 20 - 1, nLimit);
    SCROLLINFO si = {sizeof(si), SIF_PAGE};
    ::GetScrollInfo(Grid(), SB_VERT, &si);
    EXPECT_EQ((UINT)(rc.bottom - 20), si.nPage);

    // a client area filled by the fixed rows: the bars stay as they were
    m_pGrid->SetFixedRowCount(30);
    m_pGrid->ResetScrollBars();
    EXPECT_EQ(nLimit, m_pGrid->VScrollLimit());
    // drawing off: untouched as well
    m_pGrid->SetFixedRowCount(1);
    m_pGrid->SetRedraw(FALSE);
    m_pGrid->SetRowCount(100);
    for (int row = 40; row < 100; row++)
        m_pGrid->SetRowHeight(row, 20);
    EXPECT_EQ(nLimit, m_pGrid->VScrollLimit());
    m_pGrid->SetRedraw(TRUE, TRUE);
    EXPECT_EQ(20 * 100 - 20 - 1, m_pGrid->VScrollLimit());
}

TEST_F(GridWindow, SizeChangesResetTheBars)
{
    const int cx = 400 + ::GetSystemMetrics(SM_CXVSCROLL);
    ::SetWindowPos(Grid(), NULL, 0, 0, cx, 600, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    // 405 pixels of rows fit into a client 600 high: no vertical scrolling any more
    EXPECT_EQ(0, m_pGrid->VScrollLimit());
    EXPECT_EQ(Grid(), ::GetFocus());
}

TEST_F(GridWindow, WheelPostsLineOrPageMessages)
{
    TakePosted(Grid(), WM_VSCROLL);
    m_pGrid->SetRowsPerWheelNotch(3);
    POINT pt = {10, 10};
    ::ClientToScreen(Grid(), &pt);
    const LPARAM lPt = MAKELPARAM(pt.x, pt.y);

    ::SendMessageW(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), lPt);
    EXPECT_EQ(std::vector<WPARAM>(3, SB_LINEUP), TakePosted(Grid(), WM_VSCROLL));
    ::SendMessageW(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-240), lPt);
    EXPECT_EQ(std::vector<WPARAM>(6, SB_LINEDOWN), TakePosted(Grid(), WM_VSCROLL));
    ::SendMessageW(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, 60), lPt);
    EXPECT_TRUE(TakePosted(Grid(), WM_VSCROLL).empty());   // less than a notch
    ::SendMessageW(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-359), lPt);  // two whole notches
    EXPECT_EQ(std::vector<WPARAM>(6, SB_LINEDOWN), TakePosted(Grid(), WM_VSCROLL));

    // by pages
    m_pGrid->SetRowsPerWheelNotch(0xFFFFFFFF);
    ::SendMessageW(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), lPt);
    EXPECT_EQ(std::vector<WPARAM>(2, SB_PAGEUP), TakePosted(Grid(), WM_VSCROLL));
    ::SendMessageW(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-200), lPt);
    EXPECT_EQ(std::vector<WPARAM>(1, SB_PAGEDOWN), TakePosted(Grid(), WM_VSCROLL));

    // the posted messages scroll when they are dispatched
    m_pGrid->SetRowsPerWheelNotch(3);
    ::SendMessageW(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120), lPt);
    EXPECT_EQ(0, VPos());
    MSG msg;
    while (::PeekMessageW(&msg, Grid(), WM_VSCROLL, WM_VSCROLL, PM_REMOVE))
        ::DispatchMessageW(&msg);
    EXPECT_EQ(60, VPos());

    // a huge count of rows per notch posts no more line messages than there are rows to scroll
    m_pGrid->SetRowsPerWheelNotch(0xFFFFFFFE);
    ::SendMessageW(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120), lPt);
    EXPECT_LE(TakePosted(Grid(), WM_VSCROLL).size(), 21u);
}

TEST_F(GridWindow, EnsureVisibleScrollsByLinesUntilTheCellIsOnScreen)
{
    m_pGrid->EnsureVisible(5, 3);   // already on screen
    EXPECT_EQ(0, VPos());
    EXPECT_EQ(0, HPos());

    // 3 columns right and 5 rows down, then one more each for the cell that still sticks out
    // (refused by the bars at 190 and 105)
    m_pGrid->EnsureVisible(19, 9);
    EXPECT_EQ(190, HPos());
    EXPECT_EQ(105, VPos());
    EXPECT_TRUE(m_pGrid->IsCellVisible(19, 9));

    // back: 4 columns left and 6 rows up, each by the size before the top-left one
    CQCellID cell(1, 1);
    m_pGrid->EnsureVisible(cell);
    EXPECT_EQ(0, HPos());
    EXPECT_EQ(0, VPos());

    // a cell sticking out at the bottom right gets one more line each way
    m_pGrid->EnsureVisible(14, 6);
    EXPECT_EQ(60, HPos());
    EXPECT_EQ(20, VPos());
    // cells outside the grid scroll no further than the grid goes
    m_pGrid->EnsureVisible(5000, 5000);
    EXPECT_EQ(190, HPos());
    EXPECT_EQ(105, VPos());
    m_pGrid->EnsureVisible(-5000, -5000);
    EXPECT_EQ(0, HPos());
    EXPECT_EQ(0, VPos());
}
