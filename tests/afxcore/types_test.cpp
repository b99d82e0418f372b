// CRect, CPoint and CSize: geometry helpers the grid and dialogs compute with.
#include <gtest/gtest.h>
#include <afx.h>

TEST(Geometry, RectAttributesAndReferences) {
  CRect r(10, 20, 110, 70);
  EXPECT_EQ(100, r.Width());
  EXPECT_EQ(50, r.Height());
  EXPECT_EQ(CSize(100, 50), r.Size());
  EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
  r.TopLeft() = CPoint(0, 0);  // references into the rectangle
  r.BottomRight().x = 5;
  EXPECT_EQ(CRect(0, 0, 5, 70), r);
  EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
  EXPECT_FALSE(r.PtInRect(CPoint(5, 0)));  // right and bottom are outside
  LPRECT p = r;
  EXPECT_EQ(&r.left, &p->left);
  EXPECT_TRUE(CRect().IsRectNull());
  EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
  EXPECT_TRUE(CRect(5, 5, 1, 9).IsRectEmpty());
}

TEST(Geometry, RectOperations) {
  CRect r(0, 0, 10, 10);
  r.InflateRect(2, 3);
  EXPECT_EQ(CRect(-2, -3, 12, 13), r);
  r.DeflateRect(2, 3);
  r.InflateRect(1, 2, 3, 4);
  EXPECT_EQ(CRect(-1, -2, 13, 14), r);
  r.DeflateRect(1, 2, 3, 4);
  r.OffsetRect(5, 5);
  EXPECT_EQ(CRect(5, 5, 15, 15), r);
  CRect flipped(10, 10, 0, 0);
  flipped.NormalizeRect();
  EXPECT_EQ(CRect(0, 0, 10, 10), flipped);

  CRect i;
  EXPECT_TRUE(i.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
  EXPECT_EQ(CRect(5, 5, 10, 10), i);
  EXPECT_FALSE(i.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
  EXPECT_TRUE(i.IsRectEmpty());
  CRect u;
  u.UnionRect(CRect(0, 0, 1, 1), CRect(5, 5, 6, 6));
  EXPECT_EQ(CRect(0, 0, 6, 6), u);
  CRect s;
  EXPECT_TRUE(s.SubtractRect(CRect(0, 0, 10, 10), CRect(0, 0, 10, 4)));
  EXPECT_EQ(CRect(0, 4, 10, 10), s);

  EXPECT_EQ(CRect(0, 0, 5, 5), CRect(0, 0, 10, 10) & CRect(-5, -5, 5, 5));
  EXPECT_EQ(CRect(-5, -5, 10, 10), CRect(0, 0, 10, 10) | CRect(-5, -5, 5, 5));
  EXPECT_EQ(CRect(1, 2, 11, 12), CRect(0, 0, 10, 10) + CPoint(1, 2));
  EXPECT_EQ(CRect(-1, -2, 9, 8), CRect(0, 0, 10, 10) - CSize(1, 2));
  CRect a(0, 0, 10, 10);
  a += CPoint(1, 1);
  a -= CSize(2, 2);
  EXPECT_EQ(CRect(-1, -1, 9, 9), a);
  a &= CRect(0, 0, 4, 4);
  EXPECT_EQ(CRect(0, 0, 4, 4), a);
  a |= CRect(8, 8, 9, 9);
  EXPECT_EQ(CRect(0, 0, 9, 9), a);
  a.SetRectEmpty();
  EXPECT_TRUE(a.IsRectNull());
  EXPECT_TRUE(a != CRect(0, 0, 1, 1));
}

TEST(Geometry, PointAndSizeArithmetic) {
  CPoint p(3, 4);
  p += CSize(1, 1);
  p -= CPoint(2, 2);
  EXPECT_EQ(CPoint(2, 3), p);
  EXPECT_EQ(CSize(1, 1), CPoint(3, 4) - CPoint(2, 3));
  EXPECT_EQ(CPoint(-2, -3), -p);
  EXPECT_EQ(CPoint(0x1234, -2), CPoint((LPARAM)MAKELPARAM(0x1234, 0xFFFE)));
  CSize s(2, 3);
  s += CSize(1, 1);
  EXPECT_EQ(CSize(3, 4), s);
  EXPECT_EQ(CPoint(4, 6), s + CPoint(1, 2));
}
