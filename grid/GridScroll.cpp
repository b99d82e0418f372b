// CQGridCtrl: scrolling. The window's own scroll bars hold the positions as 32-bit pixel counts of
// non-fixed rows and columns scrolled out of view; ResetScrollBars sets their pages and limits.
// Line scrolls move by one row or column and repaint only the uncovered strip; page, thumb and end
// scrolls repaint everything that moves. The wheel posts line or page messages to the grid itself.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridAxis.h"
#include "grid/internal/QGridInput.h"

#include <algorithm>

// --- scroll bars --------------------------------------------------------------------------------

namespace
{
// One bar's page and range, drawn; a bar whose values do not change is left alone.
void SetBar(HWND hWnd, int nBar, UINT nPage, int nMax)
{
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = SIF_PAGE | SIF_RANGE;
    if (::GetScrollInfo(hWnd, nBar, &si) && si.nMin == 0 && si.nMax == nMax && si.nPage == nPage)
        return;
    si.nMin = 0;
    si.nMax = nMax;
    si.nPage = nPage;
    ::SetScrollInfo(hWnd, nBar, &si, TRUE);
}
} // namespace

// Posted by a grid to itself when rows or columns were added: the bars are set once the burst of
// additions is over.
const UINT g_nGridScrollBarsMessage = ::RegisterWindowMessageW(L"QGridCtrlScrollBars");

// Page sizes and limits from the client area less the fixed rows and columns. Nothing changes while
// drawing is off, without a window, when the fixed cells fill the client area or when no non-fixed
// cell is wholly on screen.
void CQGridCtrl::ResetScrollBars()
{
    UINT nVPage, nHPage;
    m_bBarsPending = false;
    if (!ScrollLimits(nVPage, nHPage))
        return;
    SetBar(m_hWnd, SB_VERT, nVPage, m_pRows->GetScrollMax());
    SetBar(m_hWnd, SB_HORZ, nHPage, m_pCols->GetScrollMax());
}

// The limits of both bars (the axes' scroll limits) and their pages; false when the bars are
// to stay as they are.
bool CQGridCtrl::ScrollLimits(UINT& nVPage, UINT& nHPage)
{
    if (!m_bAllowDraw || !::IsWindow(m_hWnd))
        return false;

    CRect rect;
    ::GetClientRect(m_hWnd, &rect);
    const int nFixedWidth = GetFixedColumnWidth(), nFixedHeight = GetFixedRowHeight();
    rect.left += nFixedWidth;
    rect.top += nFixedHeight;
    if (rect.left >= rect.right || rect.top >= rect.bottom)
        return false;

    CQCellRange visibleCells = GetUnobstructedNonFixedCellRange();
    if (!IsValid(visibleCells))
        return false;

    const long long nScrollHeight = (long long)GetVirtualHeight() - nFixedHeight;
    const long long nScrollWidth = (long long)GetVirtualWidth() - nFixedWidth;
    m_pRows->SetScrollMax((rect.bottom - nFixedHeight >= nScrollHeight) ? 0 : (int)(nScrollHeight - 1));
    m_pCols->SetScrollMax((rect.right - nFixedWidth >= nScrollWidth) ? 0 : (int)(nScrollWidth - 1));
    nVPage = (UINT)(rect.bottom - nFixedHeight);
    nHPage = (UINT)(rect.right - nFixedWidth);
    return true;
}

// Rows or columns were added: the limits follow at once, the bars themselves once the grid's
// messages are next dispatched. Setting a shown bar draws it, which would cost a screen update for
// every row of a grid filled row by row. Positions stay valid meanwhile, as the ranges only grow.
void CQGridCtrl::ScrollBarsGrew()
{
    UINT nVPage, nHPage;
    if (!ScrollLimits(nVPage, nHPage) || m_bBarsPending)
        return;
    if (::PostMessageW(m_hWnd, g_nGridScrollBarsMessage, 0, 0))
        m_bBarsPending = true;
    else
        ResetScrollBars();
}

LRESULT CQGridCtrl::OnScrollBarsGrew(WPARAM, LPARAM)
{
    if (m_bBarsPending)
        ResetScrollBars();
    return 0;
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
    // A position is judged against the bars as they are to be.
    if (m_bBarsPending)
        ResetScrollBars();
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
    right = std::min<long long>(right, m_pCols->GetCount());
    left = std::min<long long>(left, m_pCols->GetCount());
    down = std::min<long long>(down, m_pRows->GetCount());
    up = std::min<long long>(up, m_pRows->GetCount());

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
    ScrollAlong(SB_HORZ, nSBCode);
}

void CQGridCtrl::OnVScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
{
    ScrollAlong(SB_VERT, nSBCode);
}

// One scroll message of either bar. The horizontal bar moves columns along x between the left and
// right edges, the vertical bar rows along y between the top and bottom edges; the codes of the two
// bars share their values (SB_LINELEFT is SB_LINEUP, SB_RIGHT is SB_BOTTOM, and so on).
void CQGridCtrl::ScrollAlong(int nBar, UINT nSBCode)
{
    if (!::IsWindow(m_hWnd))
        return;
    TakeFocus(this);
    m_TitleTip.Hide();

    const bool bVert = nBar == SB_VERT;
    LONG RECT::*const pNear = bVert ? &RECT::top : &RECT::left;
    LONG RECT::*const pFar = bVert ? &RECT::bottom : &RECT::right;
    const CQGridAxis& axis = bVert ? *m_pRows : *m_pCols;
    const int nMax = axis.GetScrollMax();
    const int nFixed = axis.GetFixed();
    const int nFixedExtent = (int)axis.FixedExtent();
    const CQCellID idTopLeft = GetTopleftNonFixedCell();
    const int nFirst = bVert ? idTopLeft.row : idTopLeft.col;
    auto scroll = [&](int d, const CRect& rc)
    {
        if (bVert)
            ScrollWindow(0, d, rc);
        else
            ScrollWindow(d, 0, rc);
    };

    const int scrollPos = GetScrollPos32(nBar);
    CRect rect;
    ::GetClientRect(m_hWnd, &rect);

    switch (nSBCode)
    {
    case SB_LINEDOWN: // SB_LINERIGHT
        if (scrollPos < nMax)
        {
            const int d = axis.GetSize(nFirst);
            SetScrollPos32(nBar, scrollPos + d);
            if (GetScrollPos32(nBar) == scrollPos)
                break; // the bar did not move: nothing to scroll
            rect.*pNear = nFixedExtent + d;
            scroll(-d, rect);
            rect.*pNear = rect.*pFar - d;
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_LINEUP: // SB_LINELEFT
        if (scrollPos > 0 && nFirst > nFixed)
        {
            const int d = axis.GetSize(nFirst - 1);
            SetScrollPos32(nBar, std::max(0, scrollPos - d));
            rect.*pNear = nFixedExtent;
            scroll(d, rect);
            rect.*pFar = rect.*pNear + d;
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_PAGEDOWN: // SB_PAGERIGHT
        if (scrollPos < nMax)
        {
            rect.*pNear = nFixedExtent;
            const int offset = rect.*pFar - rect.*pNear;
            SetScrollPos32(nBar, (int)std::min<long long>(nMax, (long long)scrollPos + offset));
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_PAGEUP: // SB_PAGELEFT
        if (scrollPos > 0)
        {
            rect.*pNear = nFixedExtent;
            const int offset = -(rect.*pFar - rect.*pNear);
            SetScrollPos32(nBar, (int)std::max<long long>(0, (long long)scrollPos + offset));
            InvalidateRect(rect, TRUE);
        }
        break;

    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetScrollPos32(nBar, GetScrollPos32(nBar, TRUE));
        rect.*pNear = nFixedExtent;
        InvalidateRect(rect, TRUE);
        break;

    case SB_TOP: // SB_LEFT
        if (scrollPos > 0)
        {
            SetScrollPos32(nBar, 0);
            Invalidate();
        }
        break;

    case SB_BOTTOM: // SB_RIGHT
        if (scrollPos < nMax)
        {
            SetScrollPos32(nBar, nMax);
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
        nRowsScrolled = std::max<long long>(-(long long)m_pRows->GetCount() - 1,
                                            std::min<long long>(nRowsScrolled, m_pRows->GetCount() + 1LL));
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
