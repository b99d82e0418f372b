// Cell coordinates and ranges, alone and judged against a grid's size.
#include "gridtest.h"

int CountedCell::s_nLive = 0;

TEST(CellRanges, CoordinatesSpansBoundsAndIntersection)
{
    CQCellID none;
    EXPECT_TRUE(none.row == -1 && none.col == -1 && !none.IsValid());
    EXPECT_TRUE(CQCellID(0, 0).IsValid() && CQCellID(100000, 7).IsValid()); // no grid involved
    EXPECT_FALSE(CQCellID(0, -1).IsValid());
    EXPECT_TRUE(CQCellID(2, 3) == CQCellID(2, 3) && !(CQCellID(2, 3) != CQCellID(2, 3)));
    EXPECT_TRUE(CQCellID(2, 3) != CQCellID(3, 2));

    CQCellRange range(1, 1, 3, 4);
    EXPECT_EQ(3, range.GetRowSpan());
    EXPECT_EQ(4, range.GetColSpan());
    EXPECT_EQ(12, range.Count());
    EXPECT_TRUE(range.InRange(3, 4) && range.InRange(1, 1));
    EXPECT_FALSE(range.InRange(4, 4) || range.InRange(CQCellID(0, 2)));
    EXPECT_TRUE(range.GetTopLeft() == CQCellID(1, 1));
    EXPECT_EQ(1, CQCellRange(2, 1, 2, 1).Count());

    // The default range is invalid, counts one and holds exactly the cell (-1, -1).
    CQCellRange empty;
    EXPECT_FALSE(empty.IsValid());
    EXPECT_EQ(1, empty.Count());
    EXPECT_TRUE(empty.InRange(CQCellID()));
    EXPECT_FALSE(empty.InRange(0, 0));

    EXPECT_TRUE(CQCellRange(0, 0, 5, 5).Intersect(CQCellRange(3, 3, 8, 8)) == CQCellRange(3, 3, 5, 5));
    CQCellRange disjoint = CQCellRange(0, 0, 1, 1).Intersect(CQCellRange(3, 3, 4, 4));
    EXPECT_TRUE(disjoint == CQCellRange(3, 3, 1, 1));
    EXPECT_FALSE(disjoint.IsValid());
    EXPECT_EQ(1, disjoint.Count()); // (-1) * (-1): an inverted range may count positive

    range.Set(2, 3, 4, 5);
    EXPECT_TRUE(range == CQCellRange(2, 3, 4, 5));
    range.SetMinRow(5);
    EXPECT_FALSE(range.IsValid()); // inverted rows
    range.SetMinRow(4);
    range.SetMaxCol(-1);
    EXPECT_FALSE(range.IsValid());
    range.SetMinCol(0);
    range.SetMaxCol(0);
    EXPECT_TRUE(range == CQCellRange(4, 0, 4, 0) && range.IsValid());
}

TEST(CellRanges, ValidityAgainstTheGrid)
{
    TestGrid grid(5, 4);
    EXPECT_TRUE(grid.IsValid(4, 3));
    EXPECT_FALSE(grid.IsValid(5, 3) || grid.IsValid(CQCellID(0, 4)) || grid.IsValid(CQCellID(-1, 0)));
    // reaching the last row is valid for the grid, one row further is not
    EXPECT_TRUE(grid.IsValid(CQCellRange(0, 0, 4, 3)));
    EXPECT_TRUE(CQCellRange(0, 0, 5, 3).IsValid());
    EXPECT_FALSE(grid.IsValid(CQCellRange(0, 0, 5, 3)));
    EXPECT_FALSE(grid.IsValid(CQCellRange(3, 0, 2, 3)));
    EXPECT_FALSE(grid.IsValid(CQCellRange()));

    EXPECT_TRUE(grid.GetCellRange() == CQCellRange(0, 0, 4, 3));
    TestGrid empty;
    EXPECT_TRUE(empty.GetCellRange() == CQCellRange(0, 0, -1, -1));
    EXPECT_FALSE(empty.IsValid(empty.GetCellRange()));
}
