// Rows and columns: counts, fixed counts, insertion, deletion, sizes, and the cells they make and
// dispose of.
#include "gridtest.h"

TEST(GridShape, SettingTheCurrentCountChangesNothing)
{
    TestGrid grid(4, 3, 1, 1);
    CQGridCell* pCell = grid.GetCell(3, 2);
    int nCreated = grid.m_nCreated;
    EXPECT_TRUE(grid.SetRowCount(4));
    EXPECT_TRUE(grid.SetColumnCount(3));
    EXPECT_EQ(pCell, grid.GetCell(3, 2));
    EXPECT_EQ(nCreated, grid.m_nCreated);
    EXPECT_EQ(0, grid.m_nEmptied);
}

TEST(GridShape, ShrinkingBelowTheFixedCountsLowersThemAndFreesTheCells)
{
    const int nLive = CountedCell::s_nLive;
    {
        TestGrid grid(6, 5, 4, 3);
        EXPECT_EQ(nLive + 30, CountedCell::s_nLive);
        grid.SetItemState(5, 4, GV_STATE_SELECTED);
        grid.SetItemState(1, 1, GV_STATE_SELECTED);
        ASSERT_EQ(2, grid.GetSelectedCount());

        EXPECT_TRUE(grid.SetRowCount(2));
        EXPECT_EQ(2, grid.GetFixedRowCount());
        EXPECT_EQ(1, grid.GetSelectedCount());   // the removed cell left the set
        EXPECT_FALSE(grid.InSelectedSet(5, 4));
        EXPECT_EQ(20, grid.m_nEmptied);
        EXPECT_EQ(nLive + 10, CountedCell::s_nLive);

        EXPECT_TRUE(grid.SetColumnCount(1));
        EXPECT_EQ(1, grid.GetFixedColumnCount());
        EXPECT_EQ(0, grid.GetSelectedCount());
        EXPECT_EQ(nLive + 2, CountedCell::s_nLive);
        EXPECT_EQ(-1, grid.GetColumnWidth(1));
        EXPECT_EQ(-1, grid.GetRowHeight(2));

        EXPECT_TRUE(grid.SetRowCount(0));
        EXPECT_EQ(0, grid.GetFixedRowCount());
        EXPECT_EQ(1, grid.GetColumnCount());
        EXPECT_EQ(nLive, CountedCell::s_nLive);
        EXPECT_TRUE(grid.SetRowCount(3));   // rows come back with one cell each
        EXPECT_EQ(nLive + 3, CountedCell::s_nLive);
    }
    EXPECT_EQ(nLive, CountedCell::s_nLive);   // the destructor frees what is left
}

TEST(GridShape, FixedCountsGrowTheGridWhenNeeded)
{
    TestGrid grid(2, 2);
    EXPECT_TRUE(grid.SetFixedRowCount(3));
    EXPECT_EQ(3, grid.GetRowCount());
    EXPECT_EQ(3, grid.GetFixedRowCount());
    EXPECT_TRUE(grid.SetFixedColumnCount(4));
    EXPECT_EQ(4, grid.GetColumnCount());
    EXPECT_EQ(4, grid.GetFixedColumnCount());
    EXPECT_NE(nullptr, grid.GetCell(2, 3));
    EXPECT_TRUE(grid.SetFixedRowCount(1));
    EXPECT_EQ(3, grid.GetRowCount());   // lowering a fixed count keeps the rows
}

TEST(GridShape, NegativeCountsAreRefused)
{
    TestGrid grid(3, 3, 1, 1);
    EXPECT_FALSE(grid.SetRowCount(-1));
    EXPECT_FALSE(grid.SetColumnCount(-5));
    EXPECT_FALSE(grid.SetFixedRowCount(-1));
    EXPECT_FALSE(grid.SetFixedColumnCount(INT_MIN));
    EXPECT_EQ(3, grid.GetRowCount());
    EXPECT_EQ(3, grid.GetColumnCount());
    EXPECT_EQ(1, grid.GetFixedRowCount());
    EXPECT_EQ(1, grid.GetFixedColumnCount());
}

TEST(GridShape, InsertRowBeforeARowOrAtTheEndButNeverPastIt)
{
    TestGrid grid(5, 3);
    for (int row = 0; row < 5; row++)
        grid.SetItemText(row, 1, CString(L"abcde"[row]));

    EXPECT_EQ(-1, grid.InsertRow(L"x", 5));
    EXPECT_EQ(5, grid.GetRowCount());
    EXPECT_EQ(5, grid.InsertRow(L"end", -1));
    EXPECT_EQ(6, grid.GetRowCount());
    EXPECT_EQ(CString(L"end"), grid.GetItemText(5, 0));

    EXPECT_EQ(0, grid.InsertRow(L"first", 0));
    EXPECT_EQ(CString(L"first"), grid.GetItemText(0, 0));
    EXPECT_EQ(CString(L"a"), grid.GetItemText(1, 1));
    EXPECT_EQ(CString(L"e"), grid.GetItemText(5, 1));
    EXPECT_EQ(CString(L"end"), grid.GetItemText(6, 0));
    // without a window the heading has no extent
    EXPECT_EQ(0, grid.GetRowHeight(0));
    EXPECT_EQ(30, grid.GetRowHeight(1));
}

TEST(GridShape, InsertingIntoAnEmptyGridMakesTheMissingRowOrColumn)
{
    TestGrid grid;
    EXPECT_EQ(0, grid.InsertColumn(L"Name", DT_CENTER, -1));
    EXPECT_EQ(1, grid.GetRowCount());
    EXPECT_EQ(1, grid.GetColumnCount());
    EXPECT_EQ(CString(L"Name"), grid.GetItemText(0, 0));
    EXPECT_EQ((UINT)DT_CENTER, grid.GetItemFormat(0, 0));

    TestGrid other;
    EXPECT_EQ(0, other.InsertRow(L"Row", -1));
    EXPECT_EQ(1, other.GetColumnCount());
    EXPECT_EQ(CString(L"Row"), other.GetItemText(0, 0));
}

TEST(GridShape, InsertColumnFormatsTheWholeNewColumn)
{
    TestGrid grid(4, 2, 1, 0);
    grid.SetItemText(2, 0, L"left");
    grid.SetItemText(2, 1, L"right");
    EXPECT_EQ(-1, grid.InsertColumn(L"bad", 0, 2));
    EXPECT_EQ(1, grid.InsertColumn(L"mid", DT_RIGHT | DT_VCENTER, 1));
    EXPECT_EQ(3, grid.GetColumnCount());
    EXPECT_EQ(CString(L"mid"), grid.GetItemText(0, 1));
    for (int row = 0; row < 4; row++)
        EXPECT_EQ((UINT)(DT_RIGHT | DT_VCENTER), grid.GetItemFormat(row, 1));
    EXPECT_EQ(CString(L"left"), grid.GetItemText(2, 0));
    EXPECT_EQ(CString(L"right"), grid.GetItemText(2, 2));
    EXPECT_EQ(0, grid.GetColumnWidth(1));   // no window, no extent
}

TEST(GridShape, DeleteRowAndColumnOutsideTheGridFail)
{
    TestGrid grid(3, 3, 1, 1);
    EXPECT_FALSE(grid.DeleteRow(3));
    EXPECT_FALSE(grid.DeleteRow(-1));
    EXPECT_FALSE(grid.DeleteColumn(3));
    EXPECT_FALSE(grid.DeleteColumn(-1));
    EXPECT_EQ(0, grid.m_nEmptied);
}

TEST(GridShape, DeletingFixedRowsAndColumnsLowersTheFixedCounts)
{
    TestGrid grid(4, 4, 2, 2);
    grid.SetItemText(3, 3, L"kept");
    grid.SetRowHeight(3, 17);
    grid.SetColumnWidth(3, 23);
    const int nLive = CountedCell::s_nLive;
    EXPECT_TRUE(grid.DeleteRow(0));
    EXPECT_EQ(1, grid.GetFixedRowCount());
    EXPECT_EQ(nLive - 4, CountedCell::s_nLive);
    EXPECT_TRUE(grid.DeleteColumn(1));
    EXPECT_EQ(1, grid.GetFixedColumnCount());
    EXPECT_EQ(nLive - 7, CountedCell::s_nLive);
    EXPECT_EQ(CString(L"kept"), grid.GetItemText(2, 2));
    EXPECT_EQ(17, grid.GetRowHeight(2));
    EXPECT_EQ(23, grid.GetColumnWidth(2));
    EXPECT_TRUE(grid.DeleteRow(2));   // a non-fixed row keeps the fixed count
    EXPECT_EQ(1, grid.GetFixedRowCount());
}

TEST(GridShape, DeleteNonFixedRowsKeepsTheFixedRows)
{
    TestGrid grid(7, 3, 2, 1);
    grid.SetItemText(1, 2, L"header");
    EXPECT_TRUE(grid.DeleteNonFixedRows());
    EXPECT_EQ(2, grid.GetRowCount());
    EXPECT_EQ(2, grid.GetFixedRowCount());
    EXPECT_EQ(CString(L"header"), grid.GetItemText(1, 2));
    EXPECT_EQ(15, grid.m_nEmptied);
}

TEST(GridShape, DeleteAllItemsEmptiesEverything)
{
    const int nLive = CountedCell::s_nLive;
    TestGrid grid(5, 4, 1, 1);
    grid.SetItemState(2, 2, GV_STATE_SELECTED);
    grid.SetFocusCell(3, 3);
    EXPECT_TRUE(grid.DeleteAllItems());
    EXPECT_EQ(0, grid.GetRowCount());
    EXPECT_EQ(0, grid.GetColumnCount());
    EXPECT_EQ(0, grid.GetFixedRowCount());
    EXPECT_EQ(0, grid.GetFixedColumnCount());
    EXPECT_EQ(0, grid.GetSelectedCount());
    EXPECT_TRUE(grid.GetFocusCell() == CQCellID());
    EXPECT_EQ(-1, grid.GetRowHeight(0));
    EXPECT_EQ(nLive, CountedCell::s_nLive);
    EXPECT_EQ(20, grid.m_nEmptied);
    EXPECT_TRUE(grid.DeleteAllItems());
}

TEST(GridShape, SizesAreCheckedAndStored)
{
    TestGrid grid(3, 2);
    EXPECT_FALSE(grid.SetColumnWidth(0, -1));
    EXPECT_EQ(grid.DefaultColumnWidth(), grid.GetColumnWidth(0));
    EXPECT_TRUE(grid.SetColumnWidth(0, 0));
    EXPECT_EQ(0, grid.GetColumnWidth(0));
    EXPECT_FALSE(grid.SetColumnWidth(2, 10));
    EXPECT_TRUE(grid.SetRowHeight(2, 55));
    EXPECT_EQ(55, grid.GetRowHeight(2));
    EXPECT_FALSE(grid.SetRowHeight(3, 10));
    EXPECT_FALSE(grid.SetRowHeight(-1, 10));
    EXPECT_EQ(-1, grid.GetRowHeight(grid.GetRowCount()));
    EXPECT_EQ(-1, grid.GetColumnWidth(-1));
    EXPECT_EQ(30 + 30 + 55, grid.GetVirtualHeight());
}

TEST(GridShape, CountChangesClearAFocusCellThatFallsOutside)
{
    TestGrid grid(6, 6, 1, 1);
    grid.SetFocusCell(4, 4);
    grid.SetRowCount(5);
    EXPECT_TRUE(grid.GetFocusCell() == CQCellID(4, 4));
    EXPECT_EQ((UINT)GV_STATE_FOCUSED, grid.GetItemState(4, 4));
    grid.SetColumnCount(4);
    EXPECT_TRUE(grid.GetFocusCell() == CQCellID());
    EXPECT_EQ(5, grid.GetRowCount());

    // a focus cell that would become fixed is cleared too
    grid.SetFocusCell(2, 2);
    grid.SetFixedRowCount(2);
    EXPECT_TRUE(grid.GetFocusCell() == CQCellID(2, 2));
    grid.SetFixedColumnCount(3);
    EXPECT_TRUE(grid.GetFocusCell() == CQCellID());
    EXPECT_EQ(0u, grid.GetItemState(2, 2));
}

TEST(GridShape, InsertionAndDeletionResetTheSelectionAndTheFocus)
{
    TestGrid grid(6, 4, 1, 1);
    grid.SetFocusCell(2, 2);
    grid.SetSelectedRange(2, 1, 3, 3);
    ASSERT_EQ(6, grid.GetSelectedCount());
    EXPECT_EQ(0, grid.InsertRow(L"top", 0));
    EXPECT_EQ(0, grid.GetSelectedCount());
    EXPECT_TRUE(grid.GetFocusCell() == CQCellID());
    EXPECT_EQ(0u, grid.GetItemState(3, 2));

    grid.SetFocusCell(3, 3);
    grid.SetSelectedRange(1, 1, 1, 3);
    EXPECT_TRUE(grid.DeleteColumn(1));
    EXPECT_EQ(0, grid.GetSelectedCount());
    EXPECT_TRUE(grid.GetFocusCell() == CQCellID());
    for (int row = 0; row < grid.GetRowCount(); row++)
        for (int col = 0; col < grid.GetColumnCount(); col++)
            EXPECT_EQ(0u, grid.GetItemState(row, col) & (GV_STATE_SELECTED | GV_STATE_FOCUSED));
}
