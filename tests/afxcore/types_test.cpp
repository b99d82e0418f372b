// CRect, CPoint and CSize: geometry helpers the grid and dialogs compute with.
#include "afxcore_test.h"

TEST(Geometry, RectAttributesAndReferences) {
  CRect r(10, 20, 110, 70);
  EXPECT_EQ(CSize(100, 50), r.Size());
  EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
  r.TopLeft() = CPoint(0, 0);  // references into the rectangle
  r.BottomRight().x = 5;
  EXPECT_EQ(CRect(0, 0, 5, 70), r);
  EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
  EXPECT_FALSE(r.PtInRect(CPoint(5, 0)));  // right and bottom are outside
  LPRECT p = r;
  EXPECT_EQ(&r.left, &p->left);
  EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
  EXPECT_TRUE(CRect(5, 5, 1, 9).IsRectEmpty());
}

TEST(Geometry, RectPointAndSizeOperations) {
  CRect r(0, 0, 10, 10), i, u, s, n(10, 10, 0, 0);
  r.InflateRect(1, 2, 3, 4);
  r.OffsetRect(5, 5);
  n.NormalizeRect();
  EXPECT_TRUE(i.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
  u.UnionRect(CRect(0, 0, 1, 1), CRect(5, 5, 6, 6));
  EXPECT_TRUE(s.SubtractRect(CRect(0, 0, 10, 10), CRect(0, 0, 10, 4)));
  CRect a(0, 0, 10, 10);
  a += CPoint(1, 1);
  a -= CSize(2, 2);
  CRect b = a;
  b &= CRect(0, 0, 4, 4);
  b |= CRect(8, 8, 9, 9);
  struct {
    CRect got, expected;
  } cases[] = {{r, CRect(4, 3, 18, 19)}, {n, CRect(0, 0, 10, 10)}, {i, CRect(5, 5, 10, 10)}, {u, CRect(0, 0, 6, 6)},
               {s, CRect(0, 4, 10, 10)}, {a, CRect(-1, -1, 9, 9)}, {b, CRect(0, 0, 9, 9)},
               {CRect(0, 0, 10, 10) & CRect(-5, -5, 5, 5), CRect(0, 0, 5, 5)},
               {CRect(0, 0, 10, 10) | CRect(-5, -5, 5, 5), CRect(-5, -5, 10, 10)},
               {CRect(0, 0, 10, 10) + CPoint(1, 2), CRect(1, 2, 11, 12)},
               {CRect(0, 0, 10, 10) - CSize(1, 2), CRect(-1, -2, 9, 8)}};
  for (size_t k = 0; k < sizeof(cases) / sizeof(cases[0]); k++) EXPECT_EQ(cases[k].expected, cases[k].got) << k;
  EXPECT_FALSE(i.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
  EXPECT_TRUE(i.IsRectEmpty());
  a.SetRectEmpty();
  EXPECT_TRUE(a.IsRectNull());

  CPoint p(3, 4);
  p += CSize(1, 1);
  p -= CPoint(2, 2);
  EXPECT_EQ(CPoint(2, 3), p);
  EXPECT_EQ(CSize(1, 1), CPoint(3, 4) - CPoint(2, 3));
  EXPECT_EQ(CPoint(-2, -3), -p);
  EXPECT_EQ(CPoint(0x1234, -2), CPoint((LPARAM)MAKELPARAM(0x1234, 0xFFFE)));
  EXPECT_EQ(CPoint(4, 6), CSize(3, 4) + CPoint(1, 2));
}
