// CQGridCtrl: scrolling. The window's own scroll bars hold the positions as 32-bit pixel counts of
// non-fixed rows and columns scrolled out of view; ResetScrollBars sets their pages and limits.
// Line scrolls move by one row or column and repaint only the uncovered strip; page, thumb and end
// scrolls repaint everything that moves. The wheel posts line or page messages to the grid itself.
#include "grid/QGridCtrl.h"

#include <algorithm>

// --- scroll bars --------------------------------------------------------------------------------

// Page sizes and limits from the client area less the fixed rows and columns. Nothing changes while
// drawing is off, without a window, when the fixed cells fill the client area or when no non-fixed
// cell is wholly on screen.
void CQGridCtrl::ResetScrollBars()
{
    if (!m_bAllowDraw || !::IsWindow(m_hWnd))
        return;

    CRect rect;
    ::GetClientRect(m_hWnd, &rect);
    const int nFixedWidth = GetFixedColumnWidth(), nFixedHeight = GetFixedRowHeight();
    rect.left += nFixedWidth;
    rect.top += nFixedHeight;
    if (rect.left >= rect.right || rect.top >= rect.bottom)
        return;

    CQCellRange visibleCells = GetUnobstructedNonFixedCellRange();
    if (!IsValid(visibleCells))
        return;

    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = SIF_PAGE;
    si.nPage = (UINT)(rect.right - nFixedWidth);
    ::SetScrollInfo(m_hWnd, SB_HORZ, &si, FALSE);
    si.nPage = (UINT)(rect.bottom - nFixedHeight);
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, FALSE);

    const long long nScrollHeight = (long long)GetVirtualHeight() - nFixedHeight;
    const long long nScrollWidth = (long long)GetVirtualWidth() - nFixedWidth;
    m_nVScrollMax = (rect.bottom - nFixedHeight >= nScrollHeight) ? 0 : (int)(nScrollHeight - 1);
    m_nHScrollMax = (rect.right - nFixedWidth >= nScrollWidth) ? 0 : (int)(nScrollWidth - 1);

    SetScrollRange(SB_VERT, 0, m_nVScrollMax, TRUE);
    SetScrollRange(SB_HORZ, 0, m_nHScrollMax, TRUE);
}

int CQGridCtrl::GetScrollPos32(int nBar, BOOL bGetTrackPos) const
{
    if (!::IsWindow(m_hWnd))
        return 0;
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = bGetTrackPos ? SIF_TRACKPOS : SIF_POS;
    if (!::GetScrollInfo(m_hWnd, nBar, &si))
        return 0;
    return bGetTrackPos ? si.nTrackPos : si.nPos;
}

BOOL CQGridCtrl::SetScrollPos32(int nBar, int nPos, BOOL bRedraw)
{
    if (!::IsWindow(m_hWnd))
        return FALSE;
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = SIF_POS;
    si.nPos = nPos;
    return ::SetScrollInfo(m_hWnd, nBar, &si, bRedraw);
}

// Turning drawing back on repaints everything; bResetScrollBars resets the bars either way.
void CQGridCtrl::SetRedraw(BOOL bAllowDraw, BOOL bResetScrollBars)
{
    if (bAllowDraw && !m_bAllowDraw && ::IsWindow(m_hWnd))
        Invalidate();
    m_bAllowDraw = bAllowDraw;
    if (bResetScrollBars)
        ResetScrollBars();
}

// Scrolls by lines through the grid's own scroll messages until the cell is on screen, and by one
// more line when the cell still sticks out past the right or bottom edge.
void CQGridCtrl::EnsureVisible(int nRow, int nCol)
{
    if (!::IsWindow(m_hWnd))
        return;

    CQCellRange VisibleCells = GetVisibleNonFixedCellRange();
    long long right = (long long)nCol - VisibleCells.GetMaxCol();
    long long left = (long long)VisibleCells.GetMinCol() - nCol;
    long long down = (long long)nRow - VisibleCells.GetMaxRow();
    long long up = (long long)VisibleCells.GetMinRow() - nRow;

    // More steps than columns or rows cannot move the grid any further.
    right = std::min<long long>(right, m_nCols);
    left = std::min<long long>(left, m_nCols);
    down = std::min<long long>(down, m_nRows);
    up = std::min<long long>(up, m_nRows);

    for (; right > 0; right--)
        SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    for (; left > 0; left--)
        SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
    for (; down > 0; down--)
        SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    for (; up > 0; up--)
        SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    if (!::IsWindow(m_hWnd))
        return;

    CRect rectCell(0, 0, 0, 0), rectWindow;
    if (!GetCellRect(nRow, nCol, rectCell))
        return;
    ::GetClientRect(m_hWnd, &rectWindow);
    if (rectCell.right > rectWindow.right)
        SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    if (rectCell.bottom > rectWindow.bottom)
        SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
}

// --- scroll messages ----------------------------------------------------------------------------

namespace
{
// The grid takes the keyboard focus before it scrolls, which ends any in-place edit.
void TakeFocus(CWnd* pWnd)
{
    if (::GetFocus() != pWnd->GetSafeHwnd())
        pWnd->SetFocus();
}
} // namespace

void CQGridCtrl::OnHScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
{
    if (!::IsWindow(m_hWnd))
        return;
    TakeFocus(this);
    m_TitleTip.Hide();

    int scrollPos = GetScrollPos32(SB_HORZ);
    CQCellID idTopLeft = GetTopleftNonFixedCell();
    CRect rect;
    ::GetClientRect(m_hWnd, &rect);

    switch (nSBCode)
    {
    case SB_LINERIGHT:
        if (scrollPos < m_nHScrollMax)
        {
            int xScroll = GetColumnWidth(idTopLeft.col);
            SetScrollPos32(SB_HORZ, scrollPos + xScroll);
            if (GetScrollPos32(SB_HORZ) == scrollPos)
                break; // the bar did not move: nothing to scroll
            rect.left = GetFixedColumnWidth() + xScroll;
            ScrollWindow(-xScroll, 0, rect);
            rect.left = rect.right - xScroll;
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_LINELEFT:
        if (scrollPos > 0 && idTopLeft.col > m_nFixedCols)
        {
            int xScroll = GetColumnWidth(idTopLeft.col - 1);
            SetScrollPos32(SB_HORZ, std::max(0, scrollPos - xScroll));
            rect.left = GetFixedColumnWidth();
            ScrollWindow(xScroll, 0, rect);
            rect.right = rect.left + xScroll;
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_PAGERIGHT:
        if (scrollPos < m_nHScrollMax)
        {
            rect.left = GetFixedColumnWidth();
            int offset = rect.Width();
            SetScrollPos32(SB_HORZ, (int)std::min<long long>(m_nHScrollMax, (long long)scrollPos + offset));
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_PAGELEFT:
        if (scrollPos > 0)
        {
            rect.left = GetFixedColumnWidth();
            int offset = -rect.Width();
            SetScrollPos32(SB_HORZ, (int)std::max<long long>(0, (long long)scrollPos + offset));
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetScrollPos32(SB_HORZ, GetScrollPos32(SB_HORZ, TRUE));
        rect.left = GetFixedColumnWidth();
        InvalidateRect(rect, TRUE);
        break;

    case SB_LEFT:
        if (scrollPos > 0)
        {
            SetScrollPos32(SB_HORZ, 0);
            Invalidate();
        }
        break;

    case SB_RIGHT:
        if (scrollPos < m_nHScrollMax)
        {
            SetScrollPos32(SB_HORZ, m_nHScrollMax);
            Invalidate();
        }
        break;

    default: break;
    }
}

void CQGridCtrl::OnVScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
{
    if (!::IsWindow(m_hWnd))
        return;
    TakeFocus(this);
    m_TitleTip.Hide();

    int scrollPos = GetScrollPos32(SB_VERT);
    CQCellID idTopLeft = GetTopleftNonFixedCell();
    CRect rect;
    ::GetClientRect(m_hWnd, &rect);

    switch (nSBCode)
    {
    case SB_LINEDOWN:
        if (scrollPos < m_nVScrollMax)
        {
            int yScroll = GetRowHeight(idTopLeft.row);
            SetScrollPos32(SB_VERT, scrollPos + yScroll);
            if (GetScrollPos32(SB_VERT) == scrollPos)
                break; // the bar did not move: nothing to scroll
            rect.top = GetFixedRowHeight() + yScroll;
            ScrollWindow(0, -yScroll, rect);
            rect.top = rect.bottom - yScroll;
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_LINEUP:
        if (scrollPos > 0 && idTopLeft.row > m_nFixedRows)
        {
            int yScroll = GetRowHeight(idTopLeft.row - 1);
            SetScrollPos32(SB_VERT, std::max(0, scrollPos - yScroll));
            rect.top = GetFixedRowHeight();
            ScrollWindow(0, yScroll, rect);
            rect.bottom = rect.top + yScroll;
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_PAGEDOWN:
        if (scrollPos < m_nVScrollMax)
        {
            rect.top = GetFixedRowHeight();
            int offset = rect.Height();
            SetScrollPos32(SB_VERT, (int)std::min<long long>(m_nVScrollMax, (long long)scrollPos + offset));
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_PAGEUP:
        if (scrollPos > 0)
        {
            rect.top = GetFixedRowHeight();
            int offset = -rect.Height();
            SetScrollPos32(SB_VERT, (int)std::max<long long>(0, (long long)scrollPos + offset));
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetScrollPos32(SB_VERT, GetScrollPos32(SB_VERT, TRUE));
        rect.top = GetFixedRowHeight();
        InvalidateRect(rect, TRUE);
        break;

    case SB_TOP:
        if (scrollPos > 0)
        {
            SetScrollPos32(SB_VERT, 0);
            Invalidate();
        }
        break;

    case SB_BOTTOM:
        if (scrollPos < m_nVScrollMax)
        {
            SetScrollPos32(SB_VERT, m_nVScrollMax);
            Invalidate();
        }
        break;

    default: break;
    }
}

// Each whole notch (a delta of 120) scrolls by the rows per notch in lines, or by one page when the
// setting is 0xFFFFFFFF; a positive delta scrolls up. The messages are posted, so they run after
// this one.
BOOL CQGridCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (m_nRowsPerWheelNotch == 0xFFFFFFFF)
    {
        int nPagesScrolled = zDelta / 120;
        for (int i = 0; i < nPagesScrolled; i++)
            PostMessage(WM_VSCROLL, SB_PAGEUP, 0);
        for (int i = 0; i > nPagesScrolled; i--)
            PostMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    }
    else
    {
        // Whole notches only: a delta below one notch (120) scrolls nothing.
        long long nRowsScrolled = (long long)(zDelta / 120) * (long long)m_nRowsPerWheelNotch;
        // More line steps than rows cannot move the grid any further.
        nRowsScrolled =
            std::max<long long>(-(long long)m_nRows - 1, std::min<long long>(nRowsScrolled, m_nRows + 1LL));
        for (long long i = 0; i < nRowsScrolled; i++)
            PostMessage(WM_VSCROLL, SB_LINEUP, 0);
        for (long long i = 0; i > nRowsScrolled; i--)
            PostMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    }
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

// The grid takes the keyboard focus (ending any in-place edit), then fits the scroll bars.
void CQGridCtrl::OnSize(UINT nType, int cx, int cy)
{
    if (::IsWindow(m_hWnd))
        TakeFocus(this);
    CWnd::OnSize(nType, cx, cy);
    ResetScrollBars();
}
