// Scrolling through the messages a scroll bar and the mouse wheel send: positions and limits after
// each scroll code, the part of the client area each one repaints, the posted wheel messages and
// scrolling a cell into view. The fixture's client area is 400 x 300: pages of 275 (vertical) and
// 350 (horizontal) pixels, limits 379 and 539; the scroll bars accept positions up to 105 and 190.
#include "geotest.h"

namespace
{
// One scroll message sent with the update region emptied first: the position it leaves on its bar
// and the part of the client area it repaints (an empty rectangle: nothing).
struct Step
{
    UINT msg, code;
    int pos;
    CRect update;
};

::testing::AssertionResult Steps(GeoGrid* pGrid, std::initializer_list<Step> steps)
{
    HWND hWnd = pGrid->GetSafeHwnd();
    int i = 0;
    for (const Step& s : steps)
    {
        ::ValidateRect(hWnd, NULL);
        ::SendMessageW(hWnd, s.msg, MAKEWPARAM(s.code, 0), 0);
        int pos = pGrid->GetScrollPos32(s.msg == WM_VSCROLL ? SB_VERT : SB_HORZ);
        if (pos != s.pos)
            return ::testing::AssertionFailure()
                   << "step " << i << " (code " << s.code << "): position " << pos << " instead of " << s.pos;
        ::testing::AssertionResult update = UpdateRegionIs(hWnd, s.update);
        if (!update)
            return ::testing::AssertionFailure()
                   << "step " << i << " (code " << s.code << "): " << update.message();
        i++;
    }
    return ::testing::AssertionSuccess();
}
const CRect kNone, kAll(0, 0, 400, 300), kBelowFixed(0, 25, 400, 300), kRightOfFixed(50, 0, 400, 300);
} // namespace

TEST_F(GridWindow, VerticalCodesMoveByRowsAndRepaintTheUncoveredPart)
{
    EXPECT_TRUE(Steps(m_pGrid, {{WM_VSCROLL, SB_LINEDOWN, 20, CRect(0, 280, 400, 300)}}));
    EXPECT_EQ(2, m_pGrid->GetTopleftNonFixedCell().row);
    m_pGrid->SetRowHeight(2, 35); // the top-left row's height is the step
    EXPECT_TRUE(Steps(
        m_pGrid, {
                     {WM_VSCROLL, SB_LINEDOWN, 55, CRect(0, 265, 400, 300)},
                     {WM_VSCROLL, SB_LINEUP, 20, CRect(0, 25, 400, 60)}, // by the row above the top-left one
                     {WM_VSCROLL, SB_LINEUP, 0, CRect(0, 25, 400, 45)},
                     {WM_VSCROLL, SB_LINEUP, 0, kNone}, // at the top: nothing
                 }));
    m_pGrid->SetRowHeight(2, 20);
    m_pGrid->ResetScrollBars();

    // a line down that the bar cuts (to 105) moves; one it cuts back to where it was does not
    ASSERT_EQ(100, ScrollTo(SB_VERT, 100));
    EXPECT_TRUE(Steps(
        m_pGrid, {
                     {WM_VSCROLL, SB_LINEDOWN, 105, CRect(0, 280, 400, 300)},
                     {WM_VSCROLL, SB_LINEDOWN, 105, kNone},
                     {WM_VSCROLL, SB_TOP, 0, kAll},
                     {WM_VSCROLL, SB_PAGEDOWN, 105, kBelowFixed}, // min(379, 0 + 275), cut to 105 by the bar
                     {WM_VSCROLL, SB_PAGEUP, 0, kBelowFixed},
                     {WM_VSCROLL, SB_PAGEUP, 0, kNone},
                     {WM_VSCROLL, SB_BOTTOM, 105, kAll},
                     {WM_VSCROLL, SB_TOP, 0, kAll},
                     {WM_VSCROLL, SB_TOP, 0, kNone},
                 }));
    EXPECT_LT(VPos(), m_pGrid->VScrollLimit());

    // thumb codes take the bar's own track position (not the 16-bit message argument) and always
    // repaint below the fixed rows
    ScrollTo(SB_VERT, 40);
    ::ValidateRect(Grid(), NULL);
    ::SendMessageW(Grid(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 90), 0);
    SCROLLINFO si = {sizeof(si), SIF_TRACKPOS};
    ::GetScrollInfo(Grid(), SB_VERT, &si);
    EXPECT_EQ(si.nTrackPos, VPos());
    EXPECT_TRUE(UpdateRegionIs(Grid(), kBelowFixed));
    // end of scrolling and unknown codes: nothing
    EXPECT_TRUE(Steps(m_pGrid, {{WM_VSCROLL, SB_THUMBPOSITION, si.nTrackPos, kBelowFixed},
                                {WM_VSCROLL, SB_ENDSCROLL, si.nTrackPos, kNone},
                                {WM_VSCROLL, 77, si.nTrackPos, kNone}}));
}

TEST_F(GridWindow, HorizontalCodesUseColumnsAndTheFixedColumnWidth)
{
    EXPECT_TRUE(Steps(m_pGrid, {{WM_HSCROLL, SB_LINERIGHT, 60, CRect(340, 0, 400, 300)}}));
    EXPECT_EQ(2, m_pGrid->GetTopleftNonFixedCell().col);
    EXPECT_TRUE(
        Steps(m_pGrid, {
                           {WM_HSCROLL, SB_LINELEFT, 0, CRect(50, 0, 110, 300)},
                           {WM_HSCROLL, SB_LINELEFT, 0, kNone},
                           {WM_HSCROLL, SB_PAGERIGHT, 190, kRightOfFixed}, // min(539, 350), cut to 190
                           {WM_HSCROLL, SB_LINERIGHT, 190, kNone},         // refused by the bar
                           {WM_HSCROLL, SB_PAGELEFT, 0, kRightOfFixed},
                           {WM_HSCROLL, SB_RIGHT, 190, kAll},
                           {WM_HSCROLL, SB_LEFT, 0, kAll},
                       }));
    EXPECT_EQ(0, VPos()); // the other bar never moves

    // a position inside column 1: the top-left column is 2, the step is column 1's width
    ASSERT_EQ(30, ScrollTo(SB_HORZ, 30));
    EXPECT_TRUE(Steps(m_pGrid, {{WM_HSCROLL, SB_LINELEFT, 0, CRect(50, 0, 110, 300)}}));

    // a single non-fixed column, scrolled into: it is still the top-left column, and there is no
    // non-fixed column before it to step back by
    Rebuild(3, 3, 1, 1, 20, 50);
    m_pGrid->SetColumnWidth(1, 300);
    m_pGrid->SetColumnWidth(2, 300);
    m_pGrid->ResetScrollBars(); // limit 599, page 350
    ASSERT_EQ(100, ScrollTo(SB_HORZ, 100));
    m_pGrid->SetRedraw(FALSE);
    m_pGrid->SetColumnCount(2); // no reset of the bars while drawing is off
    m_pGrid->SetRedraw(TRUE);
    ASSERT_EQ(100, HPos());
    EXPECT_EQ(1, m_pGrid->GetTopleftNonFixedCell().col);
    EXPECT_TRUE(Steps(m_pGrid, {{WM_HSCROLL, SB_LINELEFT, 100, kNone}}));
    // line right steps by the column's own width, cut by the bar to its last position
    ::SendMessageW(Grid(), WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(599 - 350 + 1, HPos());
}

TEST_F(GridWindow, ScrollingTakesTheFocusAndHidesTheTitleTip)
{
    ::SetFocus(m_pParent->Handle());
    ASSERT_NE(Grid(), ::GetFocus());
    CQTitleTip& tip = m_pGrid->TitleTip(); // this grid's own tip, never another program's
    if (tip.GetSafeHwnd() != NULL)
        ::ShowWindow(tip.GetSafeHwnd(), SW_SHOWNOACTIVATE);
    ::SendMessageW(Grid(), WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_EQ(Grid(), ::GetFocus());
    EXPECT_FALSE(tip.GetSafeHwnd() != NULL && ::IsWindowVisible(tip.GetSafeHwnd()));
}

TEST_F(GridWindow, LimitsFollowTheShape)
{
    // everything fits: limits 0, positions 0
    Rebuild(5, 3, 1, 1, 20, 60);
    EXPECT_EQ(0, m_pGrid->VScrollLimit());
    EXPECT_EQ(0, m_pGrid->HScrollLimit());
    EXPECT_TRUE(Steps(m_pGrid, {{WM_VSCROLL, SB_LINEDOWN, 0, kNone},
                                {WM_VSCROLL, SB_PAGEDOWN, 0, kNone},
                                {WM_VSCROLL, SB_BOTTOM, 0, kNone}}));

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

    // size changes take the focus and reset the bars: 100 rows of 20 fit into a client 2100 high
    ::SetFocus(m_pParent->Handle());
    const int cx = 400 + ::GetSystemMetrics(SM_CXVSCROLL);
    ::SetWindowPos(Grid(), NULL, 0, 0, cx, 2100, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    EXPECT_EQ(0, m_pGrid->VScrollLimit());
    EXPECT_EQ(Grid(), ::GetFocus());
}

TEST_F(GridWindow, WheelPostsLineOrPageMessages)
{
    TakePosted(Grid(), WM_VSCROLL);
    POINT pt = {10, 10};
    ::ClientToScreen(Grid(), &pt);
    const LPARAM lPt = MAKELPARAM(pt.x, pt.y);

    const struct
    {
        UINT nRows; // rows per notch
        short delta;
        WPARAM code;
        size_t n; // how many messages it posts
    } wheel[] = {
        {3, 120, SB_LINEUP, 3},
        {3, -240, SB_LINEDOWN, 6},
        {3, 60, 0, 0},             // less than a notch
        {3, -359, SB_LINEDOWN, 6}, // two whole notches
        {0xFFFFFFFF, 240, SB_PAGEUP, 2},
        {0xFFFFFFFF, -200, SB_PAGEDOWN, 1}, // by pages
    };
    for (const auto& w : wheel)
    {
        m_pGrid->SetRowsPerWheelNotch(w.nRows);
        ::SendMessageW(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)w.delta), lPt);
        EXPECT_EQ(std::vector<WPARAM>(w.n, w.code), TakePosted(Grid(), WM_VSCROLL)) << w.delta;
    }

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
    auto pos = [this] { return CPoint(HPos(), VPos()); };
    m_pGrid->EnsureVisible(5, 3); // already on screen
    EXPECT_EQ(CPoint(0, 0), pos());
    // 3 columns right and 5 rows down, then one more each for the cell that still sticks out
    // (refused by the bars at 190 and 105)
    m_pGrid->EnsureVisible(19, 9);
    EXPECT_EQ(CPoint(190, 105), pos());
    EXPECT_TRUE(m_pGrid->IsCellVisible(19, 9));
    CQCellID cell(1, 1); // back: each step by the size before the top-left one
    m_pGrid->EnsureVisible(cell);
    EXPECT_EQ(CPoint(0, 0), pos());
    m_pGrid->EnsureVisible(14, 6); // sticking out at the bottom right: one more line each way
    EXPECT_EQ(CPoint(60, 20), pos());
    // cells outside the grid scroll no further than the grid goes
    m_pGrid->EnsureVisible(5000, 5000);
    EXPECT_EQ(CPoint(190, 105), pos());
    m_pGrid->EnsureVisible(-5000, -5000);
    EXPECT_EQ(CPoint(0, 0), pos());
}
