// Rows and columns beyond what the seeded model checks: cells made and emptied, bad counts and
// sizes. Insertion, deletion, fixed counts and the focus they clear are checked against the model.
#include "gridtest.h"

TEST(GridShape, CountsMakeEmptyAndFreeTheCells)
{
    const int nLive = CountedCell::s_nLive;
    {
        TestGrid grid(6, 5, 4, 3);
        EXPECT_EQ(nLive + 30, CountedCell::s_nLive);
        CQGridCell* pCell = grid.GetCell(3, 2); // setting the current counts changes nothing
        EXPECT_TRUE(grid.SetRowCount(6) && grid.SetColumnCount(5));
        EXPECT_EQ(pCell, grid.GetCell(3, 2));
        EXPECT_EQ(30, grid.m_nCreated);
        EXPECT_EQ(0, grid.m_nEmptied);

        grid.SetItemState(5, 4, GV_STATE_SELECTED);
        EXPECT_TRUE(grid.SetRowCount(2));
        EXPECT_EQ(20, grid.m_nEmptied);
        EXPECT_EQ(0, grid.GetSelectedCount()); // the removed cell left the set
        EXPECT_FALSE(grid.InSelectedSet(5, 4));
        EXPECT_EQ(nLive + 10, CountedCell::s_nLive);
        EXPECT_TRUE(grid.SetColumnCount(1) && grid.SetRowCount(0));
        EXPECT_EQ(1, grid.GetColumnCount());
        EXPECT_EQ(nLive, CountedCell::s_nLive);
        EXPECT_TRUE(grid.SetRowCount(3)); // rows come back with one cell each
        EXPECT_EQ(nLive + 3, CountedCell::s_nLive);
    }
    EXPECT_EQ(nLive, CountedCell::s_nLive); // the destructor frees what is left

    TestGrid grid(7, 3, 2, 1);
    grid.SetItemText(1, 2, L"header");
    EXPECT_TRUE(grid.DeleteNonFixedRows());
    EXPECT_TRUE(grid.GetRowCount() == 2 && grid.GetFixedRowCount() == 2);
    EXPECT_EQ(CString(L"header"), grid.GetItemText(1, 2));
    EXPECT_EQ(15, grid.m_nEmptied);
    EXPECT_TRUE(grid.DeleteAllItems());
    EXPECT_EQ(21, grid.m_nEmptied);
    EXPECT_EQ(nLive, CountedCell::s_nLive);
    EXPECT_EQ(-1, grid.GetRowHeight(0));
    EXPECT_TRUE(grid.DeleteAllItems());
}

TEST(GridShape, BadCountsIndicesAndSizesAreRefused)
{
    TestGrid grid(3, 3, 1, 1);
    EXPECT_FALSE(grid.SetRowCount(-1) || grid.SetColumnCount(-5) || grid.SetFixedRowCount(-1) ||
                 grid.SetFixedColumnCount(INT_MIN));
    EXPECT_FALSE(grid.DeleteRow(3) || grid.DeleteRow(-1) || grid.DeleteColumn(3) ||
                 grid.DeleteColumn(INT_MIN));
    EXPECT_EQ(-1, grid.InsertRow(L"x", 3));
    EXPECT_EQ(-1, grid.InsertColumn(L"x", 0, INT_MAX));
    EXPECT_FALSE(grid.SetColumnWidth(0, -1) || grid.SetColumnWidth(3, 10) || grid.SetRowHeight(3, 10) ||
                 grid.SetRowHeight(-1, 10));
    EXPECT_EQ(-1, grid.GetRowHeight(3));
    EXPECT_EQ(-1, grid.GetColumnWidth(-1));
    EXPECT_TRUE(grid.GetRowCount() == 3 && grid.GetColumnCount() == 3);
    EXPECT_TRUE(grid.GetFixedRowCount() == 1 && grid.GetFixedColumnCount() == 1);
    EXPECT_EQ(grid.DefaultColumnWidth(), grid.GetColumnWidth(0));
    EXPECT_EQ(0, grid.m_nEmptied);

    EXPECT_TRUE(grid.SetColumnWidth(0, 0));
    EXPECT_EQ(0, grid.GetColumnWidth(0));
    EXPECT_TRUE(grid.SetRowHeight(2, 55));
    EXPECT_EQ(30 + 30 + 55, grid.GetVirtualHeight());
}
