// CQGridCtrl: geometry. Rows and columns turned into client-area pixels and back: fixed rows and
// columns never scroll; the scroll positions count the pixels of non-fixed rows and columns that
// are scrolled out of view. The arithmetic is the axes' (m_pRows, m_pCols: running sums of the
// sizes, binary searches); this file puts the two axes, the window's client area and its scroll
// positions together.
//
// Scrolling and the scroll bars are in GridScroll.cpp, measuring and sizing in GridAutoSize.cpp.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridAxis.h"

#include <algorithm>

namespace
{
// Lengths are summed in 64 bits and handed out as the 32-bit values the interface has.
inline int Px(long long v)
{
    return (int)v;
}
} // namespace

// --- sums ---------------------------------------------------------------------------------------

int CQGridCtrl::GetFixedRowHeight() const
{
    return Px(m_pRows->FixedExtent());
}

int CQGridCtrl::GetFixedColumnWidth() const
{
    return Px(m_pCols->FixedExtent());
}

long CQGridCtrl::GetVirtualWidth() const
{
    return (long)m_pCols->Total();
}

long CQGridCtrl::GetVirtualHeight() const
{
    return (long)m_pRows->Total();
}

// --- positions ----------------------------------------------------------------------------------

// The first non-fixed row and column on screen at the bars' positions.
CQCellID CQGridCtrl::GetTopleftNonFixedCell() const
{
    int nVertScroll = 0, nHorzScroll = 0;
    if (::IsWindow(m_hWnd))
    {
        nVertScroll = GetScrollPos(SB_VERT);
        nHorzScroll = GetScrollPos(SB_HORZ);
    }
    return CQCellID(m_pRows->FirstShown(nVertScroll), m_pCols->FirstShown(nHorzScroll));
}

// Top-left pixel of the cell. A non-fixed cell scrolled out above or to the left has none; a cell
// below or right of the client area gets one past the edge.
BOOL CQGridCtrl::GetCellOrigin(int nRow, int nCol, LPPOINT p) const
{
    if (p == NULL || !IsValid(nRow, nCol))
        return FALSE;

    CQCellID idTopLeft;
    if (!m_pCols->IsFixed(nCol) || !m_pRows->IsFixed(nRow))
        idTopLeft = GetTopleftNonFixedCell();
    long long x, y;
    if (!m_pCols->Start(nCol, idTopLeft.col, x) || !m_pRows->Start(nRow, idTopLeft.row, y))
        return FALSE;
    p->x = Px(x);
    p->y = Px(y);
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

// The cell under a client point; either coordinate may be -1. A point on the boundary between two
// columns or rows belongs to the right-hand or lower one.
CQCellID CQGridCtrl::GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck) const
{
    CQCellID idTopLeft = GetTopleftNonFixedCell();
    return CQCellID(m_pRows->IndexAt(point.y, idTopLeft.row, bAllowFixedCellCheck != FALSE),
                    m_pCols->IndexAt(point.x, idTopLeft.col, bAllowFixedCellCheck != FALSE));
}

// --- what is on screen --------------------------------------------------------------------------

// Non-fixed cells at least partly on screen; pRect gets (0, 0, reached right, reached bottom), the
// reached edges clipped to the client area.
CQCellRange CQGridCtrl::GetVisibleNonFixedCellRange(LPRECT pRect) const
{
    CRect rect(0, 0, 0, 0);
    if (::IsWindow(m_hWnd))
        ::GetClientRect(m_hWnd, &rect);
    CQCellID idTopLeft = GetTopleftNonFixedCell();

    const CQGridAxis::Reach rows = m_pRows->ReachFrom(idTopLeft.row, rect.bottom);
    const CQGridAxis::Reach cols = m_pCols->ReachFrom(idTopLeft.col, rect.right);
    if (pRect)
    {
        pRect->left = pRect->top = 0;
        pRect->right = cols.bReached ? rect.right : Px(cols.nEdge);
        pRect->bottom = rows.bReached ? rect.bottom : Px(rows.nEdge);
    }
    return CQCellRange(idTopLeft.row, idTopLeft.col, std::min(rows.nLast, m_pRows->GetCount() - 1),
                       std::min(cols.nLast, m_pCols->GetCount() - 1));
}

namespace
{
// The last entry wholly before nLimit: the last one reached, less one that sticks out.
int LastWhole(const CQGridAxis& axis, int nFirstShown, long long nLimit)
{
    const CQGridAxis::Reach r = axis.ReachFrom(nFirstShown, nLimit);
    int nLast = std::min(r.nLast, axis.GetCount() - 1);
    if (nLast > 0 && r.nEdge > nLimit)
        nLast--;
    return nLast;
}
} // namespace

// Non-fixed cells wholly on screen: the visible range less a last row or column that sticks out.
CQCellRange CQGridCtrl::GetUnobstructedNonFixedCellRange() const
{
    CRect rect(0, 0, 0, 0);
    if (::IsWindow(m_hWnd))
        ::GetClientRect(m_hWnd, &rect);
    CQCellID idTopLeft = GetTopleftNonFixedCell();
    const int minRow = (idTopLeft.row >= 0 && idTopLeft.row < m_pRows->GetCount()) ? idTopLeft.row : 0;
    return CQCellRange(minRow, idTopLeft.col, LastWhole(*m_pRows, idTopLeft.row, rect.bottom),
                       LastWhole(*m_pCols, idTopLeft.col, rect.right));
}

// A cell is visible when any part of it is inside the client area.
BOOL CQGridCtrl::IsCellVisible(int nRow, int nCol) const
{
    if (!::IsWindow(m_hWnd) || !IsValid(nRow, nCol))
        return FALSE;

    CQCellID TopLeft;
    if (!m_pCols->IsFixed(nCol) || !m_pRows->IsFixed(nRow))
    {
        TopLeft = GetTopleftNonFixedCell();
        if (!m_pCols->IsFixed(nCol) && nCol < TopLeft.col)
            return FALSE;
        if (!m_pRows->IsFixed(nRow) && nRow < TopLeft.row)
            return FALSE;
    }

    CRect rect;
    ::GetClientRect(m_hWnd, &rect);
    return m_pCols->ShowsBefore(nCol, TopLeft.col, rect.right) &&
           m_pRows->ShowsBefore(nRow, TopLeft.row, rect.bottom);
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
    if (nRow < m_pRows->GetFixed() || nCol < m_pCols->GetFixed())
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
    for (int col = 0; col < m_pCols->GetCount(); col++)
        bResult = RedrawCell(row, col, pDC) && bResult;
    if (pDC)
        ReleaseDC(pDC);
    return bResult;
}

BOOL CQGridCtrl::RedrawColumn(int col)
{
    BOOL bResult = TRUE;
    CDC* pDC = ::IsWindow(m_hWnd) ? GetDC() : NULL;
    for (int row = 0; row < m_pRows->GetCount(); row++)
        bResult = RedrawCell(row, col, pDC) && bResult;
    if (pDC)
        ReleaseDC(pDC);
    return bResult;
}
