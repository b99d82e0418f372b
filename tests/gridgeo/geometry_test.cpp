// Pixels and cells through a real grid window: origins, rectangles and the cell under a point, at
// the boundaries of cells, of the fixed band and of the client area, scrolled and not. (Random
// shapes are compared with a plain walk in random_test.cpp.)
#include "geo.h"

namespace
{
CPoint Origin(CQGridCtrl* pGrid, int row, int col)
{
    CPoint pt(-999, -999);
    EXPECT_TRUE(pGrid->GetCellOrigin(row, col, &pt)) << row << ", " << col;
    return pt;
}

::testing::AssertionResult IsCell(const CQCellID& cell, int row, int col)
{
    if (cell.row == row && cell.col == col)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << cell.row << ", " << cell.col << ") instead of (" << row << ", " << col << ")";
}
} // namespace

TEST_F(GridWindow, SumsOriginsAndRectanglesWithInclusiveEdges)
{
    EXPECT_EQ(CRect(0, 0, 400, 300), Client());
    EXPECT_TRUE(IsCell(m_pGrid->GetTopleftNonFixedCell(), 1, 1));
    EXPECT_EQ(CPoint(0, 0), Origin(m_pGrid.get(), 0, 0));
    EXPECT_EQ(CPoint(50, 25), Origin(m_pGrid.get(), 1, 1));
    EXPECT_EQ(CPoint(110, 65), Origin(m_pGrid.get(), 3, 2));
    EXPECT_EQ(CPoint(50 + 8 * 60, 25 + 18 * 20), Origin(m_pGrid.get(), 19, 9)); // past the client edges
    CRect rc, range;
    ASSERT_TRUE(m_pGrid->GetCellRect(3, 2, &rc));
    EXPECT_EQ(CRect(110, 65, 169, 84), rc);
    ASSERT_TRUE(m_pGrid->GetCellRect(CQCellID(0, 0), &rc));
    EXPECT_EQ(CRect(0, 0, 49, 24), rc);
    // a single-cell range has the cell's rectangle; a range runs to its last cell's far edges
    ASSERT_TRUE(m_pGrid->GetCellRect(4, 5, &rc));
    ASSERT_TRUE(m_pGrid->GetCellRangeRect(CQCellRange(4, 5, 4, 5), &range));
    EXPECT_EQ(rc, range);
    ASSERT_TRUE(m_pGrid->GetCellRangeRect(CQCellRange(0, 0, 2, 3), &range));
    EXPECT_EQ(CRect(0, 0, 229, 64), range);
    // outside the grid: nothing
    CPoint pt;
    EXPECT_FALSE(m_pGrid->GetCellOrigin(20, 1, &pt) || m_pGrid->GetCellOrigin(1, -1, &pt));
    EXPECT_FALSE(m_pGrid->GetCellRect(1, 10, &rc) ||
                 m_pGrid->GetCellRangeRect(CQCellRange(1, 1, 20, 2), &rc));
}

TEST_F(GridWindow, PartlyScrolledOutCellsAreNotTheTopLeftOneAndHaveNoOrigin)
{
    ASSERT_EQ(30, ScrollTo(SB_HORZ, 30)); // half of column 1
    ASSERT_EQ(10, ScrollTo(SB_VERT, 10)); // half of row 1
    EXPECT_TRUE(IsCell(m_pGrid->GetTopleftNonFixedCell(), 2, 2));
    CPoint pt;
    CRect rc;
    EXPECT_FALSE(m_pGrid->GetCellOrigin(1, 1, &pt) || m_pGrid->GetCellOrigin(2, 1, &pt) ||
                 m_pGrid->GetCellOrigin(0, 1, &pt));
    EXPECT_FALSE(m_pGrid->GetCellRect(1, 3, &rc) || m_pGrid->GetCellRangeRect(CQCellRange(1, 2, 3, 3), &rc));
    // fixed cells always have one; the band beside a scrolled cell follows it
    EXPECT_EQ(CPoint(0, 0), Origin(m_pGrid.get(), 0, 0));
    EXPECT_EQ(CPoint(50, 0), Origin(m_pGrid.get(), 0, 2));
    EXPECT_EQ(CPoint(0, 25), Origin(m_pGrid.get(), 2, 0));
    EXPECT_EQ(CPoint(110, 45), Origin(m_pGrid.get(), 3, 3));
    EXPECT_FALSE(m_pGrid->IsCellVisible(1, 2) || m_pGrid->IsCellVisible(0, 1));
    EXPECT_TRUE(m_pGrid->IsCellVisible(0, 2));
    EXPECT_TRUE(IsCell(m_pGrid->GetCellFromPt(CPoint(50, 25)), 2, 2));

    // a position on a column boundary: the column starting there is the top-left one
    ASSERT_EQ(60, ScrollTo(SB_HORZ, 60));
    EXPECT_EQ(2, m_pGrid->GetTopleftNonFixedCell().col);
    ASSERT_EQ(61, ScrollTo(SB_HORZ, 61));
    EXPECT_EQ(3, m_pGrid->GetTopleftNonFixedCell().col);
}
