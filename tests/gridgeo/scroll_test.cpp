// Scrolling through the messages a scroll bar sends: the position after each scroll code and the
// part of the client area it repaints. The fixture's horizontal page is 350 pixels, the limit 539;
// the bar accepts positions up to 190.
#include "geo.h"

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

::testing::AssertionResult Steps(CGridProbe* pGrid, std::initializer_list<Step> steps)
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
const CRect kNone, kAll(0, 0, 400, 300), kRightOfFixed(50, 0, 400, 300);
} // namespace

TEST_F(GridWindow, HorizontalCodesUseColumnsAndTheFixedColumnWidth)
{
    EXPECT_TRUE(Steps(m_pGrid.get(), {{WM_HSCROLL, SB_LINERIGHT, 60, CRect(340, 0, 400, 300)}}));
    EXPECT_EQ(2, m_pGrid->GetTopleftNonFixedCell().col);
    EXPECT_TRUE(
        Steps(m_pGrid.get(), {
                                 {WM_HSCROLL, SB_LINELEFT, 0, CRect(50, 0, 110, 300)},
                                 {WM_HSCROLL, SB_LINELEFT, 0, kNone},
                                 {WM_HSCROLL, SB_PAGERIGHT, 190, kRightOfFixed}, // min(539, 350), cut to 190
                                 {WM_HSCROLL, SB_LINERIGHT, 190, kNone},         // refused by the bar
                                 {WM_HSCROLL, SB_PAGELEFT, 0, kRightOfFixed},
                                 {WM_HSCROLL, SB_RIGHT, 190, kAll},
                                 {WM_HSCROLL, SB_LEFT, 0, kAll},
                             }));
    EXPECT_EQ(0, m_pGrid->GetScrollPos32(SB_VERT)); // the other bar never moves

    // a position inside column 1: the top-left column is 2, the step is column 1's width
    ASSERT_EQ(30, ScrollTo(SB_HORZ, 30));
    EXPECT_TRUE(Steps(m_pGrid.get(), {{WM_HSCROLL, SB_LINELEFT, 0, CRect(50, 0, 110, 300)}}));

    // a single non-fixed column, scrolled into: it is still the top-left column, and there is no
    // non-fixed column before it to step back by
    Make(3, 3, 1, 1, 20, 50, 400, 300, nullptr, WS_CHILD | WS_VISIBLE);
    m_pGrid->SetColumnWidth(1, 300);
    m_pGrid->SetColumnWidth(2, 300);
    m_pGrid->ResetScrollBars(); // limit 599, page 350
    ASSERT_EQ(100, ScrollTo(SB_HORZ, 100));
    m_pGrid->SetRedraw(FALSE);
    m_pGrid->SetColumnCount(2); // no reset of the bars while drawing is off
    m_pGrid->SetRedraw(TRUE);
    ASSERT_EQ(100, HPos());
    EXPECT_EQ(1, m_pGrid->GetTopleftNonFixedCell().col);
    EXPECT_TRUE(Steps(m_pGrid.get(), {{WM_HSCROLL, SB_LINELEFT, 100, kNone}}));
    // line right steps by the column's own width, cut by the bar to its last position
    ::SendMessageW(Grid(), WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(599 - 350 + 1, HPos());
}
