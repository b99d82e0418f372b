// CQGridCtrl: the mouse. One state machine, the mouse mode, is shared by all input handlers: a
// press chooses the gesture (selecting cells, rows, columns or everything, sizing a row or a
// column, preparing an edit or a drag), moves extend it and the release ends it. While a selection
// is dragged the auto-scroll timer turns a pointer outside the window into key strokes.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridSelection.h"
#include "grid/internal/QGridAxis.h"
#include "grid/internal/QGridInput.h"

#include <algorithm>

namespace
{
// Inverts a thin band on the window; drawing it twice removes it again.
void InvertBand(CWnd* pWnd, const CRect& band)
{
    CDC* pDC = pWnd->GetDC();
    if (pDC == NULL)
        return;
    pDC->InvertRect(&band);
    pWnd->ReleaseDC(pDC);
}

void SetStandardCursor(LPCWSTR id)
{
    ::SetCursor(::LoadCursorW(NULL, id));
}

// The band that marks a row boundary at y = at (bRow) or a column boundary at x = at.
CRect Band(bool bRow, const CRect& client, int at)
{
    return bRow ? CRect(client.left, at, client.right, at + 2) : CRect(at, client.top, at + 2, client.bottom);
}
} // namespace

// --- resizing rows and columns: one routine for either axis --------------------------------------

// The near edge of row (bRow) or column nIndex in client pixels; FALSE outside the grid or when it
// is scrolled out of view.
BOOL CQGridCtrl::EdgeBefore(bool bRow, int nIndex, int* pPos) const
{
    const CQGridAxis& axis = bRow ? *m_pRows : *m_pCols;
    if (nIndex < 0 || nIndex >= axis.GetCount())
        return FALSE;
    const CQCellID topLeft = GetTopleftNonFixedCell();
    long long pos;
    if (!axis.Start(nIndex, bRow ? topLeft.row : topLeft.col, pos))
        return FALSE;
    *pPos = (int)pos;
    return TRUE;
}

// Hovering over the headers: whether the point lies within the capture range of a boundary of the
// row (bRow) or column under it (the left or top edge of the first one does not count); FALSE when
// there is no cell under the point.
BOOL CQGridCtrl::OnBoundary(bool bRow, CPoint point, bool* pbOn) const
{
    const CQCellID cell = GetCellFromPt(point);
    const int nIndex = bRow ? cell.row : cell.col;
    int nStart;
    if (!IsValid(cell) || !EdgeBefore(bRow, nIndex, &nStart))
        return FALSE;
    const int at = bRow ? point.y : point.x;
    const int nEnd = nStart + (bRow ? GetRowHeight(nIndex) : GetColumnWidth(nIndex));
    const int nRange = m_pInput->m_nResizeCaptureRange;
    *pbOn = (at - nStart <= nRange && nIndex != 0) || nEnd - at <= nRange;
    return TRUE;
}

// A press on a boundary: the band is drawn and the pointer kept past the near edge of the row or
// column being sized. Near the near edge of the pressed one, the boundary is the one before it.
void CQGridCtrl::BeginResize(bool bRow, CPoint point)
{
    m_pInput->m_MouseMode = bRow ? MOUSE_SIZING_ROW : MOUSE_SIZING_COL;
    int& nIndex = bRow ? m_pInput->m_LeftClickDownCell.row : m_pInput->m_LeftClickDownCell.col;
    const int at = bRow ? point.y : point.x;
    int nStart;
    if (!EdgeBefore(bRow, nIndex, &nStart))
        return;
    CRect rect;
    GetClientRect(rect);
    InvertBand(this, Band(bRow, rect, at));
    if (at - nStart <= m_pInput->m_nResizeCaptureRange)
    {
        nIndex--;
        if (!EdgeBefore(bRow, nIndex, &nStart))
            return;
    }
    (bRow ? rect.top : rect.left) = nStart;
    ClientToScreen(rect);
    ::ClipCursor(rect);
    m_pInput->m_LastMousePoint = point;
}

// The release: the band goes, and a pointer that moved gives the row or column its new size.
// FALSE when the row or column has left the view.
BOOL CQGridCtrl::EndResize(bool bRow, CPoint point)
{
    CRect rect;
    GetClientRect(rect);
    const CPoint& last = m_pInput->m_LastMousePoint;
    InvertBand(this, Band(bRow, rect, bRow ? last.y : last.x));
    if (m_pInput->m_LeftClickDownPoint == point)
        return TRUE;
    const int nIndex = bRow ? m_pInput->m_LeftClickDownCell.row : m_pInput->m_LeftClickDownCell.col;
    int nStart;
    if (!EdgeBefore(bRow, nIndex, &nStart))
        return FALSE;
    (bRow ? m_pRows : m_pCols)->SetSize(nIndex, (bRow ? point.y : point.x) - nStart);
    ResetScrollBars();
    Invalidate();
    return TRUE;
}

void CQGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    HWND hOldFocusWnd = ::GetFocus();

    m_pInput->m_LeftClickDownPoint = point;
    m_pInput->m_LeftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_pInput->m_LeftClickDownCell))
        return;

    m_pSelection->m_SelectionStartCell =
        (nFlags & MK_SHIFT) ? m_pSelection->m_idCurrentCell : m_pInput->m_LeftClickDownCell;
    SetFocus();

    // A press on the focus cell only prepares an edit, which the release starts.
    if (m_pInput->m_LeftClickDownCell == m_pSelection->m_idCurrentCell)
    {
        m_pInput->m_MouseMode = MOUSE_PREPARE_EDIT;
        return;
    }

    // A click on a header moves the focus into the first non-fixed row or column.
    SetFocusCell(-1, -1);
    SetFocusCell(std::max(m_pInput->m_LeftClickDownCell.row, m_pRows->GetFixed()),
                 std::max(m_pInput->m_LeftClickDownCell.col, m_pCols->GetFixed()));

    if (m_bAllowDragAndDrop && hOldFocusWnd == m_hWnd &&
        (GetItemState(m_pInput->m_LeftClickDownCell.row, m_pInput->m_LeftClickDownCell.col) &
         GV_STATE_SELECTED))
    {
        m_pInput->m_MouseMode = MOUSE_PREPARE_DRAG;
        return;
    }

    SetCapture();

    if (m_pInput->m_MouseMode == MOUSE_OVER_ROW_DIVIDE || m_pInput->m_MouseMode == MOUSE_OVER_COL_DIVIDE)
    {
        BeginResize(m_pInput->m_MouseMode == MOUSE_OVER_ROW_DIVIDE, point);
        return;
    }

    // With Ctrl the cells selected so far stay selected beside the new selection.
    m_pSelection->m_PrevSelectedCellMap.RemoveAll();
    if (nFlags & MK_CONTROL)
    {
        POSITION pos = m_pSelection->m_SelectedCellMap.GetStartPosition();
        while (pos != NULL)
        {
            unsigned long key;
            CQCellID cell;
            m_pSelection->m_SelectedCellMap.GetNextAssoc(pos, key, cell);
            m_pSelection->m_PrevSelectedCellMap.SetAt(key, cell);
        }
    }

    if (m_pInput->m_LeftClickDownCell.row < m_pRows->GetFixed())
    {
        OnFixedRowClick(m_pInput->m_LeftClickDownCell);
    }
    else if (m_pInput->m_LeftClickDownCell.col >= m_pCols->GetFixed())
    {
        m_pInput->m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
        OnSelecting(m_pInput->m_LeftClickDownCell);
    }
    else
    {
        OnFixedColumnClick(m_pInput->m_LeftClickDownCell);
    }

    m_pInput->m_nTimerID = SetTimer(GV_TIMER_ID, m_pInput->m_nTimerInterval, NULL);
    m_pInput->m_LastMousePoint = point;
}

void CQGridCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect rect;
    GetClientRect(rect);
    if (m_pInput->m_MouseMode != MOUSE_DRAGGING && !rect.PtInRect(point))
        return;

    if (!(nFlags & MK_LBUTTON))
    {
        // Hovering: near a row or column boundary in the headers the next press sizes.
        const bool bColumns = point.y < GetFixedRowHeight() && m_bAllowColumnResize;
        const bool bRows = !bColumns && point.x < GetFixedColumnWidth() && m_bAllowRowResize;
        if (bColumns || bRows)
        {
            bool bOn;
            if (!OnBoundary(bRows, point, &bOn))
                return;
            const int nMode = !bOn ? MOUSE_NOTHING : bRows ? MOUSE_OVER_ROW_DIVIDE : MOUSE_OVER_COL_DIVIDE;
            if (m_pInput->m_MouseMode != nMode)
                SetStandardCursor(!bOn ? IDC_ARROW : bRows ? IDC_SIZENS : IDC_SIZEWE);
            m_pInput->m_MouseMode = nMode;
        }
        else
        {
            if (m_pInput->m_MouseMode != MOUSE_NOTHING)
                SetStandardCursor(IDC_ARROW);
            m_pInput->m_MouseMode = MOUSE_NOTHING;
        }

        if (m_pInput->m_MouseMode == MOUSE_NOTHING && m_bTitleTips)
        {
            CQCellID cell = GetCellFromPt(point);
            CRect textRect;
            if (GetCellRect(cell, textRect) && ::IsWindow(m_TitleTip.m_hWnd))
                m_TitleTip.Show(textRect, GetItemText(cell.row, cell.col), 0);
        }
        m_pInput->m_LastMousePoint = point;
        return;
    }

    if (!IsValid(m_pInput->m_LeftClickDownCell))
    {
        m_pInput->m_LastMousePoint = point;
        return;
    }

    switch (m_pInput->m_MouseMode)
    {
    case MOUSE_SELECT_COL:
    case MOUSE_SELECT_ROW:
    case MOUSE_SELECT_CELLS:
    {
        CQCellID cell = GetCellFromPt(point);
        if (!IsValid(cell))
            break;
        OnSelecting(cell);
        if (cell.row >= m_pRows->GetFixed() && cell.col >= m_pCols->GetFixed())
            SetFocusCell(cell);
        break;
    }
    case MOUSE_SIZING_ROW:
    case MOUSE_SIZING_COL: // the band follows the pointer
    {
        const bool bRow = m_pInput->m_MouseMode == MOUSE_SIZING_ROW;
        InvertBand(this,
                   Band(bRow, rect, bRow ? m_pInput->m_LastMousePoint.y : m_pInput->m_LastMousePoint.x));
        InvertBand(this, Band(bRow, rect, bRow ? point.y : point.x));
        break;
    }
    case MOUSE_PREPARE_DRAG: OnBeginDrag(); break;
    default: break;
    }

    m_pInput->m_LastMousePoint = point;
}

void CQGridCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);

    ::ClipCursor(NULL);
    if (::GetCapture() == m_hWnd)
    {
        ::ReleaseCapture();
        KillTimer(m_pInput->m_nTimerID);
        m_pInput->m_nTimerID = 0;
    }

    if (m_pInput->m_MouseMode == MOUSE_PREPARE_EDIT)
    {
        OnEditCell(m_pSelection->m_idCurrentCell.row, m_pSelection->m_idCurrentCell.col, VK_LBUTTON);
    }
    else if (m_pInput->m_MouseMode == MOUSE_PREPARE_DRAG)
    {
        // released without dragging
        ResetSelectedRange();
    }
    else if (m_pInput->m_MouseMode == MOUSE_SIZING_COL || m_pInput->m_MouseMode == MOUSE_SIZING_ROW)
    {
        if (!EndResize(m_pInput->m_MouseMode == MOUSE_SIZING_ROW, point))
            return;
    }

    m_pInput->m_MouseMode = MOUSE_NOTHING;
    SetStandardCursor(IDC_ARROW);

    if (!IsValid(m_pInput->m_LeftClickDownCell))
        return;

    // The owner hears of every release on a cell as a button click of the grid.
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hOwner == NULL)
        hOwner = ::GetParent(m_hWnd);
    if (hOwner != NULL)
        ::PostMessageW(hOwner, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), BN_CLICKED), (LPARAM)m_hWnd);
}

void CQGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pInput->m_MouseMode == MOUSE_OVER_COL_DIVIDE || m_pInput->m_MouseMode == MOUSE_OVER_ROW_DIVIDE)
    {
        // the row or column before the boundary fits its contents
        const bool bRow = m_pInput->m_MouseMode == MOUSE_OVER_ROW_DIVIDE;
        CQCellID cell = GetCellFromPt(point);
        int nIndex = bRow ? cell.row : cell.col, nStart;
        if (EdgeBefore(bRow, nIndex, &nStart))
        {
            if ((bRow ? point.y : point.x) - nStart <= m_pInput->m_nResizeCaptureRange)
                nIndex--;
            AutoSizeAlong(bRow, nIndex);
            Invalidate();
        }
    }
    else if (m_pInput->m_MouseMode == MOUSE_NOTHING)
    {
        if (IsValid(m_pInput->m_LeftClickDownCell) &&
            m_pInput->m_LeftClickDownCell.row >= m_pRows->GetFixed() &&
            m_pInput->m_LeftClickDownCell.col >= m_pCols->GetFixed())
        {
            OnEditCell(m_pSelection->m_idCurrentCell.row, m_pSelection->m_idCurrentCell.col, VK_LBUTTON);
        }
        else if (m_bListMode)
        {
            CQCellID cell = GetCellFromPt(point);
            if (!IsValid(cell))
                return;
            if (cell.row >= m_pRows->GetFixed() && cell.col < m_pCols->GetFixed())
                OnEditCell(cell.row, cell.col, VK_LBUTTON);
        }
    }

    CWnd::OnLButtonDblClk(nFlags, point);
}

// While a selection is dragged outside the window, every tick moves the focus one cell towards the
// pointer (scrolling as the keyboard does) and extends the selection to the edge cell.
void CQGridCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != GV_TIMER_ID)
        return;

    CPoint origPt;
    if (!::GetCursorPos(&origPt))
        return;
    ScreenToClient(&origPt);

    CRect rect;
    GetClientRect(rect);
    const int nFixedRowHeight = GetFixedRowHeight();
    const int nFixedColWidth = GetFixedColumnWidth();

    CPoint pt = origPt;
    if (pt.y > rect.bottom)
    {
        SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        pt.x = std::min(std::max(pt.x, rect.left), rect.right);
        pt.y = rect.bottom;
        OnSelecting(GetCellFromPt(pt));
    }
    else if (pt.y < nFixedRowHeight)
    {
        SendMessage(WM_KEYDOWN, VK_UP, 0);
        pt.x = std::min(std::max(pt.x, rect.left), rect.right);
        pt.y = nFixedRowHeight + 1;
        OnSelecting(GetCellFromPt(pt));
    }

    pt = origPt;
    if (pt.x > rect.right)
    {
        SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
        pt.y = std::min(std::max(pt.y, rect.top), rect.bottom);
        pt.x = rect.right;
        OnSelecting(GetCellFromPt(pt));
    }
    else if (pt.x < nFixedColWidth)
    {
        SendMessage(WM_KEYDOWN, VK_LEFT, 0);
        pt.y = std::min(std::max(pt.y, rect.top), rect.bottom);
        pt.x = nFixedColWidth + 1;
        OnSelecting(GetCellFromPt(pt));
    }
}

BOOL CQGridCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);

    switch (m_pInput->m_MouseMode)
    {
    case MOUSE_OVER_ROW_DIVIDE: SetStandardCursor(IDC_SIZENS); break;
    case MOUSE_OVER_COL_DIVIDE: SetStandardCursor(IDC_SIZEWE); break;
    case MOUSE_DRAGGING: break; // the drag loop shows its own cursors
    default: SetStandardCursor(IDC_ARROW); break;
    }
    return TRUE;
}

void CQGridCtrl::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd != NULL && pWnd->GetSafeHwnd() == m_hWnd)
        return;

    if (m_pInput->m_nTimerID != 0)
    {
        KillTimer(m_pInput->m_nTimerID);
        m_pInput->m_nTimerID = 0;
    }
    if (m_pInput->m_MouseMode == MOUSE_DRAGGING)
        m_pInput->m_MouseMode = MOUSE_NOTHING;
}
