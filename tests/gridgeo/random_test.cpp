// Seeded random shapes, sizes and scroll positions: the grid's geometry, computed from running sums
// and binary search, must give the answers of a plain walk over the sizes, written here the way the
// operations are described (running sums from the first row or column on screen).
#include "geo.h"

#include <random>

namespace
{
// The plain walks, over GetRowHeight/GetColumnWidth, the scroll positions and the client area.
struct Walk
{
    const CQGridCtrl& g;
    CRect client;
    int vpos, hpos;

    explicit Walk(const CQGridCtrl& grid) : g(grid)
    {
        ::GetClientRect(g.GetSafeHwnd(), &client);
        vpos = g.GetScrollPos(SB_VERT);
        hpos = g.GetScrollPos(SB_HORZ);
    }
    int Rows() const { return g.GetRowCount(); }
    int Cols() const { return g.GetColumnCount(); }
    int H(int i) const { return g.GetRowHeight(i); }
    int W(int i) const { return g.GetColumnWidth(i); }
    using Size = int (Walk::*)(int) const;
    int Sum(Size size, int from, int to) const // sizes of [from, to)
    {
        int s = 0;
        for (int i = from; i < to; i++)
            s += (this->*size)(i);
        return s;
    }
    int FixedH() const { return Sum(&Walk::H, 0, g.GetFixedRowCount()); }
    int FixedW() const { return Sum(&Walk::W, 0, g.GetFixedColumnCount()); }

    CQCellID TopLeft() const
    {
        int col = g.GetFixedColumnCount(), right = 0;
        while (right < hpos && col < Cols() - 1)
            right += W(col++);
        int row = g.GetFixedRowCount(), top = 0;
        while (top < vpos && row < Rows() - 1)
            top += H(row++);
        return CQCellID(row, col);
    }

    bool Origin(int row, int col, CPoint& pt) const
    {
        if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
            return false;
        CQCellID tl = TopLeft();
        const int fr = g.GetFixedRowCount(), fc = g.GetFixedColumnCount();
        if ((row >= fr && row < tl.row) || (col >= fc && col < tl.col))
            return false;
        pt.x = col < fc ? Sum(&Walk::W, 0, col) : FixedW() + Sum(&Walk::W, tl.col, col);
        pt.y = row < fr ? Sum(&Walk::H, 0, row) : FixedH() + Sum(&Walk::H, tl.row, row);
        return true;
    }

    // one axis of the cell under a point
    int Axis(int v, bool bAllowFixed, int nFixed, int nCount, int nFirst, int fixedLen, Size size) const
    {
        if (v < 0 || (!bAllowFixed && v < fixedLen))
            return -1;
        int pos = v < fixedLen ? 0 : fixedLen, i = v < fixedLen ? 0 : nFirst,
            end = v < fixedLen ? nFixed : nCount;
        for (; i < end; i++)
        {
            pos += (this->*size)(i);
            if (pos > v)
                break;
        }
        return v >= fixedLen && i >= nCount ? -1 : i;
    }

    CQCellID FromPt(CPoint pt, bool bAllowFixed) const
    {
        CQCellID tl = TopLeft();
        return CQCellID(Axis(pt.y, bAllowFixed, g.GetFixedRowCount(), Rows(), tl.row, FixedH(), &Walk::H),
                        Axis(pt.x, bAllowFixed, g.GetFixedColumnCount(), Cols(), tl.col, FixedW(), &Walk::W));
    }
};

// Compares every answer of the grid with the walk; stops at the first difference.
::testing::AssertionResult SameAsWalk(const CQGridCtrl& grid, std::mt19937& rng)
{
    Walk w(grid);
    CQCellID a = grid.GetTopleftNonFixedCell(), b = w.TopLeft();
    if (a != b)
        return ::testing::AssertionFailure()
               << "top-left (" << a.row << ", " << a.col << ") walk (" << b.row << ", " << b.col << ")";
    if (grid.GetFixedRowHeight() != w.FixedH() || grid.GetFixedColumnWidth() != w.FixedW())
        return ::testing::AssertionFailure() << "fixed sizes differ";

    for (int row = -1; row <= w.Rows(); row++)
    {
        for (int col = -1; col <= w.Cols(); col++)
        {
            CPoint pa, pb;
            BOOL ba = grid.GetCellOrigin(row, col, &pa);
            bool bb = w.Origin(row, col, pb);
            if ((ba != FALSE) != bb || (bb && pa != pb))
                return ::testing::AssertionFailure() << "origin of (" << row << ", " << col << ")";
        }
    }

    // points: random ones and those on every cell's origin and one pixel before it
    std::vector<CPoint> points;
    std::uniform_int_distribution<int> px(-5, w.client.right + 40), py(-5, w.client.bottom + 40);
    for (int i = 0; i < 60; i++)
        points.push_back(CPoint(px(rng), py(rng)));
    for (int row = 0; row < w.Rows(); row++)
        for (int col = 0; col < w.Cols(); col++)
        {
            CPoint pt;
            if (w.Origin(row, col, pt))
            {
                points.push_back(pt);
                points.push_back(CPoint(pt.x - 1, pt.y - 1));
            }
        }
    for (const CPoint& pt : points)
        for (BOOL bFixed : {TRUE, FALSE})
        {
            CQCellID ca = grid.GetCellFromPt(pt, bFixed), cb = w.FromPt(pt, bFixed != FALSE);
            if (ca != cb)
                return ::testing::AssertionFailure()
                       << "cell at (" << pt.x << ", " << pt.y << ") fixed " << bFixed << ": (" << ca.row
                       << ", " << ca.col << ") walk (" << cb.row << ", " << cb.col << ")";
        }
    return ::testing::AssertionSuccess();
}
} // namespace

TEST_F(GridWindow, RandomShapesSizesAndPositionsAgreeWithAPlainWalk)
{
    for (unsigned seed : {1u, 2u, 3u})
    {
        std::mt19937 rng(seed);
        auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        for (int round = 0; round < 12; round++)
        {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " round " << round);
            // a new shape (sizes of rows and columns made now take the defaults first)
            m_pGrid->SetRowCount(pick(0, 40));
            m_pGrid->SetColumnCount(pick(0, 14));
            m_pGrid->SetFixedRowCount(pick(0, std::min(3, m_pGrid->GetRowCount())));
            m_pGrid->SetFixedColumnCount(pick(0, std::min(3, m_pGrid->GetColumnCount())));
            for (int row = 0; row < m_pGrid->GetRowCount(); row++)
                m_pGrid->SetRowHeight(row, pick(0, 5) == 0 ? 0 : pick(1, 40));
            for (int col = 0; col < m_pGrid->GetColumnCount(); col++)
                m_pGrid->SetColumnWidth(col, pick(0, 5) == 0 ? 0 : pick(1, 90));
            m_pGrid->ResetScrollBars();

            // a few changes of single sizes, insertions and deletions, each followed by the check at
            // random scroll positions
            for (int step = 0; step < 6; step++)
            {
                switch (pick(0, 6))
                {
                case 0: m_pGrid->SetRowHeight(pick(0, m_pGrid->GetRowCount()), pick(0, 60)); break;
                case 1: m_pGrid->SetColumnWidth(pick(0, m_pGrid->GetColumnCount()), pick(0, 120)); break;
                case 2:
                    if (m_pGrid->GetRowCount() > 0)
                        m_pGrid->InsertRow(L"row", pick(0, m_pGrid->GetRowCount() - 1));
                    break;
                case 3: m_pGrid->DeleteRow(pick(0, m_pGrid->GetRowCount())); break;
                case 4: m_pGrid->InsertColumn(L"column"); break;
                case 5: m_pGrid->DeleteColumn(pick(0, m_pGrid->GetColumnCount())); break;
                default:
                {
                    const int n = m_pGrid->GetRowCount() + pick(-3, 3);
                    m_pGrid->SetRowCount(n > 0 ? n : 0);
                    break;
                }
                }
                m_pGrid->ResetScrollBars();
                ScrollTo(SB_VERT, pick(0, 900));
                ScrollTo(SB_HORZ, pick(0, 900));
                ASSERT_TRUE(SameAsWalk(*m_pGrid, rng));
            }
            // stretched or squeezed to the window: sizes may even turn negative
            if (pick(0, 2) == 0)
            {
                m_pGrid->ExpandToFit();
                ScrollTo(SB_VERT, pick(0, 300));
                ScrollTo(SB_HORZ, pick(0, 300));
                ASSERT_TRUE(SameAsWalk(*m_pGrid, rng));
            }
        }
    }
}
