// Selection and focus as the grid model uses them: the selected set, ranges and the focus cell.
#include "gridtest.h"

TEST(GridSelection, SelectAllTakesEveryNonFixedCell)
{
    TestGrid grid(10, 5, 1, 1);
    grid.SelectAllCells();
    EXPECT_EQ(36, grid.GetSelectedCount());
    EXPECT_TRUE(grid.GetSelectedCellRange() == CQCellRange(1, 1, 9, 4));
    EXPECT_FALSE(grid.GetItemState(0, 3) & GV_STATE_SELECTED);
    EXPECT_TRUE(grid.GetItemState(9, 4) & GV_STATE_SELECTED);
    EXPECT_TRUE(grid.InSelectedSet(9, 4));
}

TEST(GridSelection, RangesReplaceTheSelectionAndKeepThePreviousSet)
{
    TestGrid grid(6, 6, 1, 1);
    grid.SetSelectedRange(1, 1, 3, 3);
    EXPECT_EQ(9, grid.GetSelectedCount());
    grid.SetSelectedRange(2, 2, 1, 1);   // inverted: only clears
    EXPECT_EQ(0, grid.GetSelectedCount());
    grid.SetSelectedRange(CQCellRange(4, 4, 6, 6));   // past the grid: only clears
    EXPECT_EQ(0, grid.GetSelectedCount());

    CQCellID kept(1, 1);
    grid.PrevSelection().SetAt(GridCellKey(1, 1), kept);
    grid.SetSelectedRange(3, 3, 4, 4);
    EXPECT_EQ(5, grid.GetSelectedCount());
    EXPECT_TRUE(grid.InSelectedSet(1, 1));

    grid.PrevSelection().RemoveAll();
    grid.SetItemState(2, 5, GV_STATE_SELECTED);
    grid.SetSelectedRange(-1, -1, -1, -1);
    EXPECT_EQ(0, grid.GetSelectedCount());
    EXPECT_EQ(0u, grid.GetItemState(2, 5));
}

TEST(GridSelection, BoundingRangeOfTheSelectedSet)
{
    TestGrid grid(6, 6);
    EXPECT_TRUE(grid.GetSelectedCellRange() == CQCellRange(6, 6, -1, -1));
    grid.SetItemState(2, 5, GV_STATE_SELECTED);
    grid.SetItemState(4, 1, GV_STATE_SELECTED);
    EXPECT_TRUE(grid.GetSelectedCellRange() == CQCellRange(2, 1, 4, 5));
}

TEST(GridSelection, DisabledSelectionChangesNothingAndEnablingResets)
{
    TestGrid grid(5, 5, 1, 1);
    grid.SetSelectedRange(1, 1, 2, 2);
    grid.SetFocusCell(2, 2);
    grid.EnableSelection(FALSE);
    EXPECT_EQ(0, grid.GetSelectedCount());
    EXPECT_TRUE(grid.GetFocusCell() == CQCellID());
    grid.SetSelectedRange(1, 1, 4, 4);
    grid.SelectAllCells();
    grid.OnEditSelectAll();
    EXPECT_EQ(0, grid.GetSelectedCount());
    grid.EnableSelection(TRUE);
    grid.OnEditSelectAll();
    EXPECT_EQ(16, grid.GetSelectedCount());
}

TEST(GridSelection, FocusCellCarriesTheFocusedState)
{
    TestGrid grid(5, 5, 1, 1);
    EXPECT_TRUE(grid.SetFocusCell(2, 3) == CQCellID());
    EXPECT_EQ((UINT)GV_STATE_FOCUSED, grid.GetItemState(2, 3));
    EXPECT_TRUE(grid.SetFocusCell(2, 4) == CQCellID(2, 3));
    EXPECT_EQ(0u, grid.GetItemState(2, 3));
    EXPECT_EQ((UINT)GV_STATE_FOCUSED, grid.GetItemState(2, 4));
    EXPECT_TRUE(grid.SetFocusCell(2, 4) == CQCellID(2, 4));   // unchanged
    grid.SetFocusRow(3);
    EXPECT_TRUE(grid.GetFocusCell() == CQCellID(3, 0));
    EXPECT_TRUE(grid.SetFocusCell(-1, -1) == CQCellID(3, 0));
    EXPECT_EQ(0u, grid.GetItemState(3, 0));
}

TEST(GridSelection, NextItemSearches)
{
    TestGrid grid(6, 5, 1, 1);
    grid.SetItemState(0, 2, GV_STATE_SELECTED);   // fixed: never found upwards or by ALL
    grid.SetItemState(2, 4, GV_STATE_SELECTED);
    grid.SetItemState(4, 2, GV_STATE_SELECTED | GV_STATE_READONLY);
    CQCellID none;
    EXPECT_TRUE(grid.GetNextItem(none, GV_NEXT_ALL | GV_STATE_SELECTED) == CQCellID(2, 4));
    CQCellID from(3, 2);
    EXPECT_TRUE(grid.GetNextItem(from, GV_NEXT_ABOVE | GV_STATE_SELECTED) == CQCellID());
    EXPECT_TRUE(grid.GetNextItem(from, GV_NEXT_BELOW | GV_STATE_READONLY) == CQCellID(4, 2));
    CQCellID right(2, 1);
    EXPECT_TRUE(grid.GetNextItem(right, GV_NEXT_TORIGHT | GV_STATE_SELECTED) == CQCellID(2, 4));
    CQCellID left(2, 4);
    EXPECT_TRUE(grid.GetNextItem(left, GV_NEXT_TOLEFT | GV_STATE_SELECTED) == CQCellID());
    CQCellID wild(INT_MAX, INT_MIN);
    EXPECT_TRUE(grid.GetNextItem(wild, GV_NEXT_ABOVE | 0x0F) == CQCellID());
    EXPECT_TRUE(grid.GetNextItem(wild, GV_NEXT_ALL | 0x0F) == CQCellID());
}
