// Pixels and cells through a real grid window: origins, rectangles, the cell under a point, what is
// on screen, at the boundaries of cells, of the fixed band and of the client area, scrolled and not.
// (Random shapes are compared with a plain walk in random_test.cpp.)
#include "geotest.h"

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

::testing::AssertionResult IsRange(const CQCellRange& r, int minRow, int minCol, int maxRow, int maxCol)
{
    if (r == CQCellRange(minRow, minCol, maxRow, maxCol))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << r.GetMinRow() << ", " << r.GetMinCol() << ", "
                                         << r.GetMaxRow() << ", " << r.GetMaxCol() << ")";
}
} // namespace

TEST_F(GridWindow, SumsOriginsAndRectanglesWithInclusiveEdges)
{
    EXPECT_EQ(CRect(0, 0, 400, 300), Client());
    EXPECT_EQ(25, m_pGrid->GetFixedRowHeight());
    EXPECT_EQ(50, m_pGrid->GetFixedColumnWidth());
    EXPECT_EQ(25 + 19 * 20, m_pGrid->GetVirtualHeight());
    EXPECT_EQ(50 + 9 * 60, m_pGrid->GetVirtualWidth());
    // pages and limits: page = client less the fixed band; limit = scrollable length - 1
    EXPECT_EQ(379, m_pGrid->VScrollLimit());
    EXPECT_EQ(539, m_pGrid->HScrollLimit());
    SCROLLINFO si = {sizeof(si), SIF_ALL};
    ASSERT_TRUE(::GetScrollInfo(Grid(), SB_VERT, &si));
    EXPECT_TRUE(si.nPage == 275u && si.nMin == 0 && si.nMax == 379);
    ASSERT_TRUE(::GetScrollInfo(Grid(), SB_HORZ, &si));
    EXPECT_TRUE(si.nPage == 350u && si.nMax == 539);

    EXPECT_TRUE(IsCell(m_pGrid->GetTopleftNonFixedCell(), 1, 1));
    EXPECT_EQ(CPoint(0, 0), Origin(m_pGrid, 0, 0));
    EXPECT_EQ(CPoint(50, 25), Origin(m_pGrid, 1, 1));
    EXPECT_EQ(CPoint(110, 65), Origin(m_pGrid, 3, 2));
    EXPECT_EQ(CPoint(50 + 8 * 60, 25 + 18 * 20), Origin(m_pGrid, 19, 9)); // past the client edges
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

TEST_F(GridWindow, PointsOnBoundariesBelongToTheRightAndLowerCell)
{
    const struct
    {
        int x, y;
        BOOL bFixed;
        int row, col;
    } cases
        [] =
            {
                {0, 0, TRUE, 0, 0},       {49, 24, TRUE, 0, 0},   {50, 25, TRUE, 1, 1},
                {109, 44, TRUE, 1, 1},    {110, 45, TRUE, 2, 2},  {589, 404, TRUE, 19, 9},
                {590, 405, TRUE, -1, -1},                         // past the client area; past the last cell
                {-1, 30, TRUE, 1, -1},    {60, -1, TRUE, -1, 1},  // negative coordinates
                {10, 10, FALSE, -1, -1},  {60, 10, FALSE, -1, 1}, // the fixed band without the fixed check
                {49, 30, FALSE, 1, -1},   {50, 25, FALSE, 1, 1},
            };
    for (const auto& c : cases)
        EXPECT_TRUE(IsCell(m_pGrid->GetCellFromPt(CPoint(c.x, c.y), c.bFixed), c.row, c.col))
            << c.x << ", " << c.y << " fixed " << c.bFixed;
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
    EXPECT_EQ(CPoint(0, 0), Origin(m_pGrid, 0, 0));
    EXPECT_EQ(CPoint(50, 0), Origin(m_pGrid, 0, 2));
    EXPECT_EQ(CPoint(0, 25), Origin(m_pGrid, 2, 0));
    EXPECT_EQ(CPoint(110, 45), Origin(m_pGrid, 3, 3));
    EXPECT_FALSE(m_pGrid->IsCellVisible(1, 2) || m_pGrid->IsCellVisible(0, 1));
    EXPECT_TRUE(m_pGrid->IsCellVisible(0, 2));
    EXPECT_TRUE(IsCell(m_pGrid->GetCellFromPt(CPoint(50, 25)), 2, 2));

    // a position on a column boundary: the column starting there is the top-left one
    ASSERT_EQ(60, ScrollTo(SB_HORZ, 60));
    EXPECT_EQ(2, m_pGrid->GetTopleftNonFixedCell().col);
    ASSERT_EQ(61, ScrollTo(SB_HORZ, 61));
    EXPECT_EQ(3, m_pGrid->GetTopleftNonFixedCell().col);

    // a zero-width column shares its left edge with the next one: points go to the next one
    ScrollTo(SB_HORZ, 0);
    ScrollTo(SB_VERT, 0);
    m_pGrid->SetColumnWidth(2, 0);
    m_pGrid->ResetScrollBars();
    EXPECT_EQ(CPoint(110, 45), Origin(m_pGrid, 2, 2));
    EXPECT_EQ(CPoint(110, 45), Origin(m_pGrid, 2, 3));
    EXPECT_TRUE(IsCell(m_pGrid->GetCellFromPt(CPoint(110, 50)), 2, 3));
    ASSERT_TRUE(m_pGrid->GetCellRect(2, 2, &rc));
    EXPECT_EQ(109, rc.right);             // an empty inclusive rectangle
    ASSERT_EQ(60, ScrollTo(SB_HORZ, 60)); // at the zero-width column's edge: it is the top-left one
    EXPECT_EQ(2, m_pGrid->GetTopleftNonFixedCell().col);
}

TEST_F(GridWindow, VisibleAndUnobstructedRanges)
{
    CRect rc;
    // rows 1..14 reach y 305 > 300 (row 14 sticks out); columns 1..6 reach x 410 > 400
    EXPECT_TRUE(IsRange(m_pGrid->GetVisibleNonFixedCellRange(&rc), 1, 1, 14, 6));
    EXPECT_EQ(CRect(0, 0, 400, 300), rc);
    EXPECT_TRUE(IsRange(m_pGrid->GetUnobstructedNonFixedCellRange(), 1, 1, 13, 5));
    const int visible[][2] = {{14, 6}, {0, 6}, {14, 0}},
              hidden[][2] = {{15, 6}, {14, 7}, {0, 7}, {15, 0}, {20, 0}};
    for (auto& c : visible)
        EXPECT_TRUE(m_pGrid->IsCellVisible(c[0], c[1])) << c[0] << ", " << c[1];
    for (auto& c : hidden)
        EXPECT_FALSE(m_pGrid->IsCellVisible(c[0], c[1])) << c[0] << ", " << c[1];

    // scrolled to the end: the rows run out before the client bottom
    ASSERT_EQ(105, ScrollTo(SB_VERT, 1000));
    ASSERT_EQ(190, ScrollTo(SB_HORZ, 1000));
    EXPECT_TRUE(IsCell(m_pGrid->GetTopleftNonFixedCell(), 7, 5)); // 120 >= 105, 240 >= 190
    EXPECT_TRUE(IsRange(m_pGrid->GetVisibleNonFixedCellRange(&rc), 7, 5, 19, 9));
    EXPECT_EQ(CRect(0, 0, 50 + 5 * 60, 25 + 13 * 20), rc);
    EXPECT_TRUE(IsRange(m_pGrid->GetUnobstructedNonFixedCellRange(), 7, 5, 19, 9));

    // a row that ends exactly on the client bottom is wholly on screen
    m_pGrid->SetRowHeight(14, 15);
    ScrollTo(SB_VERT, 0);
    ScrollTo(SB_HORZ, 0);
    EXPECT_TRUE(IsRange(m_pGrid->GetVisibleNonFixedCellRange(&rc), 1, 1, 14, 6));
    EXPECT_TRUE(IsRange(m_pGrid->GetUnobstructedNonFixedCellRange(), 1, 1, 14, 5));
}

TEST_F(GridWindow, GridsWithoutRowsOrNonFixedCellsOrWindow)
{
    // (empty grids and grids of fixed cells only are among the random shapes)
    Rebuild(3, 2, 3, 2, 20, 60); // only fixed cells: the fixed walk still finds them, the rest is -1
    EXPECT_TRUE(IsCell(m_pGrid->GetTopleftNonFixedCell(), 3, 2));
    EXPECT_TRUE(IsCell(m_pGrid->GetCellFromPt(CPoint(119, 59)), 2, 1));
    EXPECT_TRUE(IsCell(m_pGrid->GetCellFromPt(CPoint(120, 60)), -1, -1));
    EXPECT_TRUE(IsRange(m_pGrid->GetVisibleNonFixedCellRange(), 3, 2, 2, 1));

    // without a window nothing is on screen
    GeoGrid grid(5, 5, 1, 1);
    CPoint pt;
    EXPECT_FALSE(grid.IsCellVisible(1, 1) || grid.InvalidateCellRect(CQCellID(1, 1)) ||
                 grid.RedrawCell(1, 1));
    EXPECT_TRUE(IsCell(grid.GetTopleftNonFixedCell(), 1, 1));
    EXPECT_TRUE(grid.GetCellOrigin(2, 2, &pt));
    EXPECT_EQ(grid.GetColumnWidth(0) + grid.GetColumnWidth(1), pt.x);
    EXPECT_EQ(CSize(0, 0), grid.GetTextExtent(L"abc"));
    EXPECT_FALSE(grid.AutoSizeColumn(1));
    EXPECT_EQ(0, grid.GetScrollPos32(SB_VERT));
    EXPECT_FALSE(grid.SetScrollPos32(SB_VERT, 5));
}

TEST_F(GridWindow, InvalidationCoversTheInclusiveEdges)
{
    ::ValidateRect(Grid(), NULL);
    EXPECT_TRUE(m_pGrid->InvalidateCellRect(CQCellID(3, 2)));
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(110, 65, 170, 85)));
    ::ValidateRect(Grid(), NULL);
    EXPECT_FALSE(m_pGrid->InvalidateCellRect(CQCellID(15, 2))); // below the client area
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
    // a range is clipped to the visible non-fixed cells
    EXPECT_TRUE(m_pGrid->InvalidateCellRect(CQCellRange(0, 0, 2, 8)));
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(50, 25, 400, 65))); // (50, 25, 410, 65) on the client
    ::ValidateRect(Grid(), NULL);

    // texts and sizes do not repaint by themselves; grid lines and counts do
    m_pGrid->SetItemText(1, 1, L"no repaint");
    m_pGrid->SetRowHeight(1, 50);
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
    m_pGrid->SetGridLines(GVL_HORZ);
    EXPECT_FALSE(UpdateRegionIs(Grid(), CRect()));
    ::ValidateRect(Grid(), NULL);
    m_pGrid->SetColumnCount(11);
    EXPECT_FALSE(UpdateRegionIs(Grid(), CRect()));
    ::ValidateRect(Grid(), NULL);

    // drawing not allowed: nothing at all; back on: everything is invalidated
    m_pGrid->SetRedraw(FALSE);
    EXPECT_FALSE(m_pGrid->InvalidateCellRect(CQCellID(3, 2)) ||
                 m_pGrid->InvalidateCellRect(CQCellRange(1, 1, 2, 2)) || m_pGrid->RedrawCell(3, 2));
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
    m_pGrid->SetRedraw(TRUE);
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 0, 400, 300)));
}

TEST_F(GridWindow, RedrawCallsTheDrawingOperationsAndDrawsTheCellLines)
{
    m_pGrid->m_drawn.clear();
    EXPECT_TRUE(m_pGrid->RedrawCell(3, 2) && m_pGrid->RedrawCell(0, 2) && m_pGrid->RedrawCell(3, 0));
    EXPECT_FALSE(m_pGrid->RedrawCell(16, 2)); // not on screen: not drawn
    ASSERT_EQ(3u, m_pGrid->m_drawn.size());
    EXPECT_TRUE(!m_pGrid->m_drawn[0].fixed && m_pGrid->m_drawn[1].fixed && m_pGrid->m_drawn[2].fixed);
    // the row: every cell drawn, TRUE only when all were on screen
    m_pGrid->m_drawn.clear();
    EXPECT_FALSE(m_pGrid->RedrawRow(2)); // columns 7..9 are off screen
    EXPECT_EQ(7u, m_pGrid->m_drawn.size());
    m_pGrid->m_drawn.clear();
    EXPECT_FALSE(m_pGrid->RedrawColumn(1));
    EXPECT_EQ(15u, m_pGrid->m_drawn.size());
    Rebuild(3, 3, 1, 1, 20, 60);
    m_pGrid->m_drawn.clear();
    EXPECT_TRUE(m_pGrid->RedrawRow(1));
    EXPECT_EQ(3u, m_pGrid->m_drawn.size());

    // the cell's own grid lines in the grid colour, on its bottom and right edges
    m_pGrid->SetGridColor(RGB(255, 0, 0));
    ::UpdateWindow(Grid());
    CDC* pDC = m_pGrid->GetDC();
    ASSERT_NE(nullptr, pDC);
    CRect rc;
    ASSERT_TRUE(m_pGrid->GetCellRect(1, 1, &rc));
    ::SetPixel(pDC->GetSafeHdc(), rc.left + 5, rc.bottom, RGB(0, 255, 0));
    ::SetPixel(pDC->GetSafeHdc(), rc.right, rc.top + 5, RGB(0, 255, 0));
    m_pGrid->SetGridLines(GVL_HORZ);
    EXPECT_TRUE(m_pGrid->RedrawCell(1, 1, pDC));
    EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(pDC->GetSafeHdc(), rc.left + 5, rc.bottom));
    EXPECT_EQ(RGB(0, 255, 0), ::GetPixel(pDC->GetSafeHdc(), rc.right, rc.top + 5));
    m_pGrid->SetGridLines(GVL_BOTH);
    EXPECT_TRUE(m_pGrid->RedrawCell(1, 1, pDC));
    EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(pDC->GetSafeHdc(), rc.right, rc.top + 5));
    m_pGrid->ReleaseDC(pDC);
}

TEST_F(GridWindow, WindowClassIsRegisteredOnceAndDestructionDestroysTheWindow)
{
    WNDCLASSW wc;
    ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), GRIDCTRL_CLASSNAME, &wc));
    EXPECT_EQ((UINT)(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW), wc.style);
    EXPECT_EQ((HBRUSH)(COLOR_3DFACE + 1), wc.hbrBackground);
    EXPECT_TRUE(wc.hCursor == NULL && wc.hIcon == NULL && wc.cbWndExtra == 0);
    wchar_t name[64];
    ::GetClassNameW(Grid(), name, 64);
    EXPECT_STREQ(GRIDCTRL_CLASSNAME, name);
    HWND hWnd = Grid();
    m_pParent->Watch(nullptr);
    delete m_pGrid;
    m_pGrid = nullptr;
    EXPECT_FALSE(::IsWindow(hWnd));
    Rebuild(2, 2, 0, 0, 20, 60); // a second grid finds the class registered
    EXPECT_TRUE(::IsWindow(Grid()));
}
