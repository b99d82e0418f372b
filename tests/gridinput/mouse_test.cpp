// The mouse through real messages: clicks, drags, header clicks, list mode, row and column sizing at
// boundary pixels, the notifications and the posted click command in order.
#include "input.h"

TEST_F(GridInputTest, ClickSelectsTheCellAndPostsTheClickCommandAfterTheNotifications)
{
    Click(Mid(3, 2));
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(3, 2));
    EXPECT_EQ("3,2", m_pGrid->SelectedCells());
    EXPECT_EQ(m_pGrid->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());
    EXPECT_EQ(0u, m_pGrid->TimerId()); // the auto-scroll timer ran only while the button was down
    EXPECT_EQ(Log({{GVN_SELCHANGED, 3, 2}}), Notes());

    std::vector<qtest::LoggedMsg> cmds = Commands();
    ASSERT_EQ(1u, cmds.size());
    EXPECT_EQ(MAKEWPARAM(100, BN_CLICKED), cmds[0].wParam);
    EXPECT_EQ((LPARAM)m_pGrid->GetSafeHwnd(), cmds[0].lParam);

    // a second cell: the old focus is given up before the new one is announced
    Click(Mid(5, 4));
    EXPECT_EQ(Log({{GVN_SELCHANGING, 3, 2}, {GVN_SELCHANGED, 5, 4}}), Notes());
    EXPECT_EQ("5,4", m_pGrid->SelectedCells());
    EXPECT_EQ(1u, Commands().size());

    // a press outside every cell does nothing and posts nothing
    Click(CPoint(-5, -5));
    EXPECT_EQ(Log(), Notes());
    EXPECT_EQ(0u, Commands().size());
}

TEST_F(GridInputTest, DragSelectsARangeAndMovesTheFocusAlong)
{
    Down(Mid(2, 1));
    EXPECT_EQ(MOUSE_SELECT_CELLS, m_pGrid->GetMouseMode());
    EXPECT_EQ(GV_TIMER_ID, m_pGrid->TimerId());
    EXPECT_EQ(m_pGrid->GetSafeHwnd(), ::GetCapture());
    Move(Mid(3, 2));
    Move(Mid(4, 3));
    Up(Mid(4, 3));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ("2,1 2,2 2,3 3,1 3,2 3,3 4,1 4,2 4,3", m_pGrid->SelectedCells());
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(4, 3));
    EXPECT_EQ(Log({{GVN_SELCHANGED, 2, 1},
                   {GVN_SELCHANGING, 2, 1},
                   {GVN_SELCHANGED, 3, 2},
                   {GVN_SELCHANGING, 3, 2},
                   {GVN_SELCHANGED, 4, 3}}),
              Notes());
    EXPECT_EQ(1u, Commands().size());

    // dragging back shrinks the range to the anchor
    Down(Mid(2, 1));
    Move(Mid(2, 2));
    Move(Mid(2, 1));
    Up(Mid(2, 1));
    EXPECT_EQ("2,1", m_pGrid->SelectedCells());
}

TEST_F(GridInputTest, HeaderClicksSelectColumnsRowsOrEverything)
{
    Click(Mid(0, 3));
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(1, 3)); // into the first non-fixed row
    CQCellRange range = m_pGrid->GetSelectedCellRange();
    EXPECT_TRUE(range == CQCellRange(1, 3, 11, 3));
    EXPECT_EQ(11, m_pGrid->GetSelectedCount());

    // dragging along the header extends the column selection
    Down(Mid(0, 2));
    Move(Mid(0, 4));
    Up(Mid(0, 4));
    EXPECT_TRUE(m_pGrid->GetSelectedCellRange() == CQCellRange(1, 2, 11, 4));
    EXPECT_EQ(33, m_pGrid->GetSelectedCount());

    Click(Mid(4, 0));
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(4, 1));
    EXPECT_TRUE(m_pGrid->GetSelectedCellRange() == CQCellRange(4, 1, 4, 5));
    EXPECT_EQ(5, m_pGrid->GetSelectedCount());

    Click(Mid(0, 0));
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(1, 1));
    EXPECT_EQ(55, m_pGrid->GetSelectedCount());
}

// In list mode clicks, drags and keys select whole rows.
TEST_F(GridInputTest, ListModeSelectsWholeRows)
{
    m_pGrid->SetListMode(TRUE);
    Down(Mid(3, 2));
    EXPECT_EQ(MOUSE_SELECT_ROW, m_pGrid->GetMouseMode());
    Move(Mid(4, 4));
    Up(Mid(4, 4));
    EXPECT_TRUE(m_pGrid->GetSelectedCellRange() == CQCellRange(3, 1, 4, 5));
    EXPECT_EQ(10, m_pGrid->GetSelectedCount());
    Key(VK_DOWN);
    EXPECT_TRUE(m_pGrid->GetSelectedCellRange() == CQCellRange(5, 1, 5, 5));
    Key(VK_DOWN, true);
    EXPECT_TRUE(m_pGrid->GetSelectedCellRange() == CQCellRange(5, 1, 6, 5));
}

// A press just beside a header boundary sizes the row or column before it (or the one whose far
// edge it is), released where that entry is the new size long.
TEST_F(GridInputTest, DraggingABoundarySizesTheRowOrColumnBeforeIt)
{
    // pressed at dx, dy from cell (row, col); nSize -1: released where pressed, without a move
    const struct
    {
        int row, col, dx, dy, mode, downRow, downCol, nSize, expected;
    } cases[] = {
        {0, 2, 2, 10, MOUSE_SIZING_COL, 0, 1, 95, 95}, // the column left of the boundary
        {0, 3, 1, 5, MOUSE_SIZING_COL, 0, 2, 0, 0},    // a width of 0 is accepted
        {0, 4, 57, 5, MOUSE_SIZING_COL, 0, 4, -1, 60}, // no move: the size stays
        {3, 0, 10, 1, MOUSE_SIZING_ROW, 2, 0, 33, 33},
        {4, 0, 10, 18, MOUSE_SIZING_ROW, 4, 0, 12, 12}, // the bottom edge of a row sizes that row
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "pressed in " << c.row << "," << c.col);
        const bool bRow = c.mode == MOUSE_SIZING_ROW;
        const CPoint press = At(c.row, c.col, c.dx, c.dy);
        Move(press, 0);
        Down(press);
        EXPECT_EQ(c.mode, m_pGrid->GetMouseMode());
        EXPECT_TRUE(m_pGrid->ClickDownCell() == CQCellID(c.downRow, c.downCol));
        CPoint release = press;
        if (c.nSize >= 0)
        {
            const CPoint origin = At(c.downRow, c.downCol, 0, 0);
            (bRow ? release.y : release.x) = (bRow ? origin.y : origin.x) + c.nSize;
            Move(release);
        }
        Up(release);
        EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());
        EXPECT_EQ(c.expected, bRow ? m_pGrid->GetRowHeight(c.downRow) : m_pGrid->GetColumnWidth(c.downCol));
        // the next one keeps its size
        EXPECT_EQ(bRow ? 20 : 60,
                  bRow ? m_pGrid->GetRowHeight(c.downRow + 1) : m_pGrid->GetColumnWidth(c.downCol + 1));
    }
}
