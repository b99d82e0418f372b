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

TEST_F(GridInputTest, ListModeClicksSelectWholeRows)
{
    m_pGrid->SetListMode(TRUE);
    Down(Mid(3, 2));
    EXPECT_EQ(MOUSE_SELECT_ROW, m_pGrid->GetMouseMode());
    Move(Mid(4, 4));
    Up(Mid(4, 4));
    EXPECT_TRUE(m_pGrid->GetSelectedCellRange() == CQCellRange(3, 1, 4, 5));
    EXPECT_EQ(10, m_pGrid->GetSelectedCount());
}

TEST_F(GridInputTest, DraggingABoundarySizesTheRowOrColumnBeforeIt)
{
    CPoint onBoundary = At(0, 2, 2, 10);
    Move(onBoundary, 0);
    Down(onBoundary);
    EXPECT_EQ(MOUSE_SIZING_COL, m_pGrid->GetMouseMode());
    EXPECT_TRUE(m_pGrid->ClickDownCell() == CQCellID(0, 1)); // the column left of the boundary
    CPoint release(At(0, 1, 0, 0).x + 95, 10);
    Move(release);
    Up(release);
    EXPECT_EQ(95, m_pGrid->GetColumnWidth(1));
    EXPECT_EQ(60, m_pGrid->GetColumnWidth(2));
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());

    onBoundary = At(0, 3, 1, 5); // a width of 0 is accepted
    Move(onBoundary, 0);
    Down(onBoundary);
    Up(CPoint(At(0, 2, 0, 0).x, 5));
    EXPECT_EQ(0, m_pGrid->GetColumnWidth(2));
    onBoundary = At(0, 4, 57, 5); // press and release at the same point leave the size alone
    Move(onBoundary, 0);
    Down(onBoundary);
    Up(onBoundary);
    EXPECT_EQ(60, m_pGrid->GetColumnWidth(4));

    onBoundary = At(3, 0, 10, 1);
    Move(onBoundary, 0);
    Down(onBoundary);
    EXPECT_EQ(MOUSE_SIZING_ROW, m_pGrid->GetMouseMode());
    EXPECT_TRUE(m_pGrid->ClickDownCell() == CQCellID(2, 0));
    CPoint top2 = At(2, 0, 0, 0);
    Move(CPoint(10, top2.y + 33));
    Up(CPoint(10, top2.y + 33));
    EXPECT_EQ(33, m_pGrid->GetRowHeight(2));
    EXPECT_EQ(20, m_pGrid->GetRowHeight(3));
    onBoundary = At(4, 0, 10, 18); // the bottom edge of a row sizes that row
    Move(onBoundary, 0);
    Down(onBoundary);
    EXPECT_TRUE(m_pGrid->ClickDownCell() == CQCellID(4, 0));
    Up(CPoint(10, At(4, 0, 0, 0).y + 12));
    EXPECT_EQ(12, m_pGrid->GetRowHeight(4));
}
