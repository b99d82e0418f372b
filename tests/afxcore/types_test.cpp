// CRect, CPoint and CSize: the edge rules and conversions the grid and dialogs compute with.
#include "afxcore_test.h"

TEST(Geometry, RectEdgesOperationsAndPointConversions)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
    r.TopLeft() = CPoint(0, 0); // references into the rectangle
    r.BottomRight().x = 5;
    EXPECT_EQ(CRect(0, 0, 5, 70), r);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(r.PtInRect(CPoint(5, 0))); // right and bottom are outside
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 1, 9).IsRectEmpty());

    CRect i, u, s, n(10, 10, 0, 0);
    n.NormalizeRect();
    EXPECT_EQ(CRect(0, 0, 10, 10), n);
    EXPECT_TRUE(i.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(CRect(5, 5, 10, 10), i);
    EXPECT_FALSE(i.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10))); // touching only
    EXPECT_TRUE(i.IsRectNull());
    u.UnionRect(CRect(0, 0, 1, 1), CRect(5, 5, 6, 6));
    EXPECT_EQ(CRect(0, 0, 6, 6), u);
    EXPECT_TRUE(s.SubtractRect(CRect(0, 0, 10, 10), CRect(0, 0, 10, 4)));
    EXPECT_EQ(CRect(0, 4, 10, 10), s);
    CRect a(0, 0, 10, 10);
    a.InflateRect(1, 2, 3, 4);
    a -= CSize(1, 2);
    EXPECT_EQ(CRect(-2, -4, 12, 12), a);
    a &= CRect(0, 0, 4, 4);
    a |= CRect(8, 8, 9, 9);
    EXPECT_EQ(CRect(0, 0, 9, 9), a);

    EXPECT_EQ(CPoint(0x1234, -2), CPoint((LPARAM)MAKELPARAM(0x1234, 0xFFFE))); // signed halves
    EXPECT_EQ(CSize(1, 1), CPoint(3, 4) - CPoint(2, 3));
    EXPECT_EQ(CPoint(-2, -3), -CPoint(2, 3));
}
