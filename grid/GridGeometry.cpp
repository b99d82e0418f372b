// CQGridCtrl: geometry. Rows and columns turned into client-area pixels and back: fixed rows and
// columns never scroll; the scroll positions count the pixels of non-fixed rows and columns that
// are scrolled out of view. Every position is a difference of two running sums of the sizes
// (m_pRowPositions, m_pColPositions), and the row or column under a pixel is found by binary search
// in them, so no query walks the rows or columns one by one.
//
// Scrolling and the scroll bars are in GridScroll.cpp, measuring and sizing in GridAutoSize.cpp.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridSizeIndex.h"

#include <algorithm>

namespace
{
// Lengths are summed in 64 bits and handed out as the 32-bit values the interface has.
inline int Px(long long v)
{
    return (int)v;
}
} // namespace

// --- size bookkeeping ---------------------------------------------------------------------------

void CQGridCtrl::RowSizesChanged(int nFirstRow)
{
    m_pRowPositions->Invalidate(nFirstRow);
}

void CQGridCtrl::ColumnSizesChanged(int nFirstCol)
{
    m_pColPositions->Invalidate(nFirstCol);
}

// --- sums ---------------------------------------------------------------------------------------

int CQGridCtrl::GetFixedRowHeight() const
{
    return Px(m_pRowPositions->Sum(m_nFixedRows));
}

int CQGridCtrl::GetFixedColumnWidth() const
{
    return Px(m_pColPositions->Sum(m_nFixedCols));
}

long CQGridCtrl::GetVirtualWidth() const
{
    return (long)m_pColPositions->Sum(m_nCols);
}

long CQGridCtrl::GetVirtualHeight() const
{
    return (long)m_pRowPositions->Sum(m_nRows);
}

// --- positions ----------------------------------------------------------------------------------

// The first non-fixed row and column on screen: the first one whose start lies at or past the
// scroll position, so a partly scrolled-out one is never the top-left one. The last row or column
// is as far as it goes.
CQCellID CQGridCtrl::GetTopleftNonFixedCell() const
{
    int nVertScroll = 0, nHorzScroll = 0;
    if (::IsWindow(m_hWnd))
    {
        nVertScroll = GetScrollPos(SB_VERT);
        nHorzScroll = GetScrollPos(SB_HORZ);
    }

    int nColumn = m_nFixedCols;
    if (nColumn < m_nCols - 1)
        nColumn = m_pColPositions->FirstSumAtLeast(m_nFixedCols, m_nCols - 1,
                                                   m_pColPositions->Sum(m_nFixedCols) + nHorzScroll);
    int nRow = m_nFixedRows;
    if (nRow < m_nRows - 1)
        nRow = m_pRowPositions->FirstSumAtLeast(m_nFixedRows, m_nRows - 1,
                                                m_pRowPositions->Sum(m_nFixedRows) + nVertScroll);
    return CQCellID(nRow, nColumn);
}

// Top-left pixel of the cell. A non-fixed cell scrolled out above or to the left has none; a cell
// below or right of the client area gets one past the edge.
BOOL CQGridCtrl::GetCellOrigin(int nRow, int nCol, LPPOINT p) const
{
    if (p == NULL || !IsValid(nRow, nCol))
        return FALSE;

    CQCellID idTopLeft;
    if (nCol >= m_nFixedCols || nRow >= m_nFixedRows)
        idTopLeft = GetTopleftNonFixedCell();

    if ((nRow >= m_nFixedRows && nRow < idTopLeft.row) || (nCol >= m_nFixedCols && nCol < idTopLeft.col))
        return FALSE;

    if (nCol < m_nFixedCols)
        p->x = Px(m_pColPositions->Sum(nCol));
    else
        p->x = Px(m_pColPositions->Sum(m_nFixedCols) + m_pColPositions->Sum(idTopLeft.col, nCol));

    if (nRow < m_nFixedRows)
        p->y = Px(m_pRowPositions->Sum(nRow));
    else
        p->y = Px(m_pRowPositions->Sum(m_nFixedRows) + m_pRowPositions->Sum(idTopLeft.row, nRow));
    return TRUE;
}

BOOL CQGridCtrl::GetCellOrigin(const CQCellID& cell, LPPOINT p) const
{
    return GetCellOrigin(cell.row, cell.col, p);
}

// Inclusive edges: right = left + width - 1, bottom = top + height - 1.
BOOL CQGridCtrl::GetCellRect(int nRow, int nCol, LPRECT pRect) const
{
    CPoint cellOrigin;
    if (pRect == NULL || !GetCellOrigin(nRow, nCol, &cellOrigin))
        return FALSE;
    pRect->left = cellOrigin.x;
    pRect->top = cellOrigin.y;
    pRect->right = cellOrigin.x + GetColumnWidth(nCol) - 1;
    pRect->bottom = cellOrigin.y + GetRowHeight(nRow) - 1;
    return TRUE;
}

BOOL CQGridCtrl::GetCellRect(const CQCellID& cell, LPRECT pRect) const
{
    return GetCellRect(cell.row, cell.col, pRect);
}

// From the top-left corner of the range's first cell to the inclusive bottom-right corner of its
// last cell.
BOOL CQGridCtrl::GetCellRangeRect(const CQCellRange& range, LPRECT lpRect) const
{
    CPoint MinOrigin, MaxOrigin;
    if (lpRect == NULL || !GetCellOrigin(range.GetMinRow(), range.GetMinCol(), &MinOrigin) ||
        !GetCellOrigin(range.GetMaxRow(), range.GetMaxCol(), &MaxOrigin))
        return FALSE;
    lpRect->left = MinOrigin.x;
    lpRect->top = MinOrigin.y;
    lpRect->right = MaxOrigin.x + GetColumnWidth(range.GetMaxCol()) - 1;
    lpRect->bottom = MaxOrigin.y + GetRowHeight(range.GetMaxRow()) - 1;
    return TRUE;
}

namespace
{
// The column (or row) at client coordinate pos along one axis, -1 for none: the first whose running
// right (bottom) edge passes pos. Fixed ones are found only when bAllowFixed is set; scrollable
// ones are counted from the first one shown, nTopLeft.
int IndexAtCoord(const CQGridSizeIndex& sizes, int pos, int nFixed, int nCount, int nTopLeft,
                 BOOL bAllowFixed)
{
    const long long fixedExtent = sizes.Sum(nFixed);
    if (pos < 0)
        return -1;
    if (pos < fixedExtent)
        return bAllowFixed ? sizes.FirstSumAtLeast(1, nFixed + 1, (long long)pos + 1) - 1 : -1;
    int k = sizes.FirstSumAtLeast(nTopLeft + 1, nCount + 1,
                                  (long long)pos - fixedExtent + sizes.Sum(nTopLeft) + 1);
    return (k > nCount) ? -1 : k - 1;
}
} // namespace

// The cell under a client point; either coordinate may be -1. A point on the boundary between two
// columns or rows belongs to the right-hand or lower one.
CQCellID CQGridCtrl::GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck) const
{
    CQCellID idTopLeft = GetTopleftNonFixedCell();
    CQCellID cellID;
    cellID.col =
        IndexAtCoord(*m_pColPositions, point.x, m_nFixedCols, m_nCols, idTopLeft.col, bAllowFixedCellCheck);
    cellID.row =
        IndexAtCoord(*m_pRowPositions, point.y, m_nFixedRows, m_nRows, idTopLeft.row, bAllowFixedCellCheck);
    return cellID;
}

// --- what is on screen --------------------------------------------------------------------------

namespace
{
// Where the rows (or columns) from nFirst on reach the client edge. Walking from nFirst with the
// running edge starting at nStart, the last entry is the first one whose far edge reaches nLimit;
// nEdge is that far edge. When the entries run out first, the last entry is nCount (one past the
// end) and nEdge is the edge after all of them.
struct Reach
{
    int nLast;
    long long nEdge;
    bool bReached;
};

Reach ReachEdge(const CQGridSizeIndex& index, int nCount, int nFirst, long long nStart, long long nLimit)
{
    Reach r;
    if (nFirst >= nCount)
    {
        r.nLast = nFirst;
        r.nEdge = nStart;
        r.bReached = false;
        return r;
    }
    const long long base = index.Sum(nFirst);
    int k = index.FirstSumAtLeast(nFirst + 1, nCount + 1, nLimit - nStart + base);
    if (k <= nCount)
    {
        r.nLast = k - 1;
        r.nEdge = nStart + index.Sum(k) - base;
        r.bReached = true;
    }
    else
    {
        r.nLast = nCount;
        r.nEdge = nStart + index.Sum(nCount) - base;
        r.bReached = false;
    }
    return r;
}
} // namespace

// Non-fixed cells at least partly on screen; pRect gets (0, 0, reached right, reached bottom), the
// reached edges clipped to the client area.
CQCellRange CQGridCtrl::GetVisibleNonFixedCellRange(LPRECT pRect) const
{
    CRect rect(0, 0, 0, 0);
    if (::IsWindow(m_hWnd))
        ::GetClientRect(m_hWnd, &rect);
    CQCellID idTopLeft = GetTopleftNonFixedCell();

    Reach rows =
        ReachEdge(*m_pRowPositions, m_nRows, idTopLeft.row, m_pRowPositions->Sum(m_nFixedRows), rect.bottom);
    int bottom = rows.bReached ? rect.bottom : Px(rows.nEdge);
    int maxVisibleRow = std::min(rows.nLast, m_nRows - 1);

    Reach cols =
        ReachEdge(*m_pColPositions, m_nCols, idTopLeft.col, m_pColPositions->Sum(m_nFixedCols), rect.right);
    int right = cols.bReached ? rect.right : Px(cols.nEdge);
    int maxVisibleCol = std::min(cols.nLast, m_nCols - 1);

    if (pRect)
    {
        pRect->left = pRect->top = 0;
        pRect->right = right;
        pRect->bottom = bottom;
    }
    return CQCellRange(idTopLeft.row, idTopLeft.col, maxVisibleRow, maxVisibleCol);
}

// Non-fixed cells wholly on screen: the visible range less a last row or column that sticks out.
CQCellRange CQGridCtrl::GetUnobstructedNonFixedCellRange() const
{
    CRect rect(0, 0, 0, 0);
    if (::IsWindow(m_hWnd))
        ::GetClientRect(m_hWnd, &rect);
    CQCellID idTopLeft = GetTopleftNonFixedCell();

    Reach rows =
        ReachEdge(*m_pRowPositions, m_nRows, idTopLeft.row, m_pRowPositions->Sum(m_nFixedRows), rect.bottom);
    int maxVisibleRow = std::min(rows.nLast, m_nRows - 1);
    if (maxVisibleRow > 0 && rows.nEdge > rect.bottom)
        maxVisibleRow--;

    Reach cols =
        ReachEdge(*m_pColPositions, m_nCols, idTopLeft.col, m_pColPositions->Sum(m_nFixedCols), rect.right);
    int maxVisibleCol = std::min(cols.nLast, m_nCols - 1);
    if (maxVisibleCol > 0 && cols.nEdge > rect.right)
        maxVisibleCol--;

    int minRow = (idTopLeft.row >= 0 && idTopLeft.row < m_nRows) ? idTopLeft.row : 0;
    return CQCellRange(minRow, idTopLeft.col, maxVisibleRow, maxVisibleCol);
}

// A cell is visible when any part of it is inside the client area: walking from the first column
// on screen (or column 0 for a fixed one) up to the cell's own, no left edge may reach the client
// right; rows likewise against the client bottom.
BOOL CQGridCtrl::IsCellVisible(int nRow, int nCol) const
{
    if (!::IsWindow(m_hWnd) || !IsValid(nRow, nCol))
        return FALSE;

    CQCellID TopLeft;
    if (nCol >= m_nFixedCols || nRow >= m_nFixedRows)
    {
        TopLeft = GetTopleftNonFixedCell();
        if (nCol >= m_nFixedCols && nCol < TopLeft.col)
            return FALSE;
        if (nRow >= m_nFixedRows && nRow < TopLeft.row)
            return FALSE;
    }

    CRect rect;
    ::GetClientRect(m_hWnd, &rect);

    // a left edge at or past the client right among columns [first, nCol]
    int first = 0;
    long long start = 0;
    if (nCol >= m_nFixedCols)
    {
        first = TopLeft.col;
        start = m_pColPositions->Sum(m_nFixedCols);
    }
    if (m_pColPositions->FirstSumAtLeast(first, nCol + 1, rect.right - start + m_pColPositions->Sum(first)) <=
        nCol)
        return FALSE;

    first = 0;
    start = 0;
    if (nRow >= m_nFixedRows)
    {
        first = TopLeft.row;
        start = m_pRowPositions->Sum(m_nFixedRows);
    }
    if (m_pRowPositions->FirstSumAtLeast(first, nRow + 1,
                                         rect.bottom - start + m_pRowPositions->Sum(first)) <= nRow)
        return FALSE;
    return TRUE;
}

BOOL CQGridCtrl::IsCellVisible(CQCellID cell) const
{
    return IsCellVisible(cell.row, cell.col);
}

// --- invalidation and immediate repaint ---------------------------------------------------------

// Marks the cell for repaint, grown by one pixel right and bottom to cover its inclusive edges.
BOOL CQGridCtrl::InvalidateCellRect(const CQCellID& cell)
{
    if (!::IsWindow(m_hWnd) || !m_bAllowDraw)
        return FALSE;
    if (!IsCellVisible(cell.row, cell.col))
        return FALSE;
    CRect rect;
    if (!GetCellRect(cell, rect))
        return FALSE;
    rect.right++;
    rect.bottom++;
    ::InvalidateRect(m_hWnd, &rect, TRUE);
    return TRUE;
}

// The part of the range inside the visible non-fixed range.
BOOL CQGridCtrl::InvalidateCellRect(const CQCellRange& range)
{
    if (!::IsWindow(m_hWnd) || !m_bAllowDraw)
        return FALSE;
    CQCellRange visibleCellRange = GetVisibleNonFixedCellRange().Intersect(range);
    CRect rect;
    if (!GetCellRangeRect(visibleCellRange, rect))
        return FALSE;
    rect.right++;
    rect.bottom++;
    ::InvalidateRect(m_hWnd, &rect, TRUE);
    return TRUE;
}

// Paints the cell at once, with its own grid lines, through the drawing overridables; without a
// device context to be had it is invalidated instead.
BOOL CQGridCtrl::RedrawCell(int nRow, int nCol, CDC* pDC)
{
    if (!m_bAllowDraw || !IsCellVisible(nRow, nCol))
        return FALSE;
    CRect rect;
    if (!GetCellRect(nRow, nCol, rect))
        return FALSE;

    BOOL bMustReleaseDC = FALSE;
    if (pDC == NULL)
    {
        pDC = GetDC();
        if (pDC == NULL)
        {
            ::InvalidateRect(m_hWnd, &rect, TRUE);
            return TRUE;
        }
        bMustReleaseDC = TRUE;
    }

    BOOL bResult;
    if (nRow < m_nFixedRows || nCol < m_nFixedCols)
        bResult = DrawFixedCell(pDC, nRow, nCol, rect, TRUE);
    else
        bResult = DrawCell(pDC, nRow, nCol, rect, TRUE);

    if (HDC hDC = pDC->GetSafeHdc())
    {
        HPEN hPen = ::CreatePen(PS_SOLID, 0, m_crGridColour);
        HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
        if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ)
        {
            ::MoveToEx(hDC, rect.left, rect.bottom, NULL);
            ::LineTo(hDC, rect.right + 1, rect.bottom);
        }
        if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT)
        {
            ::MoveToEx(hDC, rect.right, rect.top, NULL);
            ::LineTo(hDC, rect.right, rect.bottom + 1);
        }
        ::SelectObject(hDC, hOldPen);
        ::DeleteObject(hPen);
    }

    if (bMustReleaseDC)
        ReleaseDC(pDC);
    return bResult;
}

BOOL CQGridCtrl::RedrawCell(const CQCellID& cell, CDC* pDC)
{
    return RedrawCell(cell.row, cell.col, pDC);
}

// One device context for the whole row; TRUE only when every cell was drawn.
BOOL CQGridCtrl::RedrawRow(int row)
{
    BOOL bResult = TRUE;
    CDC* pDC = ::IsWindow(m_hWnd) ? GetDC() : NULL;
    for (int col = 0; col < m_nCols; col++)
        bResult = RedrawCell(row, col, pDC) && bResult;
    if (pDC)
        ReleaseDC(pDC);
    return bResult;
}

BOOL CQGridCtrl::RedrawColumn(int col)
{
    BOOL bResult = TRUE;
    CDC* pDC = ::IsWindow(m_hWnd) ? GetDC() : NULL;
    for (int row = 0; row < m_nRows; row++)
        bResult = RedrawCell(row, col, pDC) && bResult;
    if (pDC)
        ReleaseDC(pDC);
    return bResult;
}
