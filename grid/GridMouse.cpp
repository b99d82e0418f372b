// CQGridCtrl: the mouse. One state machine, the mouse mode, is shared by all input handlers: a
// press chooses the gesture (selecting cells, rows, columns or everything, sizing a row or a
// column, preparing an edit or a drag), moves extend it and the release ends it. While a selection
// is dragged the auto-scroll timer turns a pointer outside the window into key strokes.
#include "grid/QGridCtrl.h"
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
} // namespace

void CQGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    HWND hOldFocusWnd = ::GetFocus();

    m_LeftClickDownPoint = point;
    m_LeftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_LeftClickDownCell))
        return;

    m_SelectionStartCell = (nFlags & MK_SHIFT) ? m_idCurrentCell : m_LeftClickDownCell;
    SetFocus();

    // A press on the focus cell only prepares an edit, which the release starts.
    if (m_LeftClickDownCell == m_idCurrentCell)
    {
        m_MouseMode = MOUSE_PREPARE_EDIT;
        return;
    }

    // A click on a header moves the focus into the first non-fixed row or column.
    SetFocusCell(-1, -1);
    SetFocusCell(std::max(m_LeftClickDownCell.row, m_pRows->GetFixed()),
                 std::max(m_LeftClickDownCell.col, m_pCols->GetFixed()));

    if (m_bAllowDragAndDrop && hOldFocusWnd == m_hWnd &&
        (GetItemState(m_LeftClickDownCell.row, m_LeftClickDownCell.col) & GV_STATE_SELECTED))
    {
        m_MouseMode = MOUSE_PREPARE_DRAG;
        return;
    }

    SetCapture();

    if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE)
    {
        m_MouseMode = MOUSE_SIZING_ROW;
        CPoint start;
        if (!GetCellOrigin(m_LeftClickDownCell, &start))
            return;
        CRect rect;
        GetClientRect(rect);
        InvertBand(this, CRect(rect.left, point.y, rect.right, point.y + 2));

        // Near the top edge the boundary belongs to the row above.
        if (point.y - start.y <= m_nResizeCaptureRange)
        {
            m_LeftClickDownCell.row--;
            if (!GetCellOrigin(m_LeftClickDownCell.row, 0, &start))
                return;
        }
        rect.top = start.y;
        ClientToScreen(rect);
        ::ClipCursor(rect);
        m_LastMousePoint = point;
        return;
    }

    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE)
    {
        m_MouseMode = MOUSE_SIZING_COL;
        CPoint start;
        if (!GetCellOrigin(0, m_LeftClickDownCell.col, &start))
            return;
        CRect rect;
        GetClientRect(rect);
        InvertBand(this, CRect(point.x, rect.top, point.x + 2, rect.bottom));

        // Near the left edge the boundary belongs to the column before.
        if (point.x - start.x <= m_nResizeCaptureRange)
        {
            m_LeftClickDownCell.col--;
            if (!GetCellOrigin(0, m_LeftClickDownCell.col, &start))
                return;
        }
        rect.left = start.x;
        ClientToScreen(rect);
        ::ClipCursor(rect);
        m_LastMousePoint = point;
        return;
    }

    // With Ctrl the cells selected so far stay selected beside the new selection.
    m_PrevSelectedCellMap.RemoveAll();
    if (nFlags & MK_CONTROL)
    {
        POSITION pos = m_SelectedCellMap.GetStartPosition();
        while (pos != NULL)
        {
            unsigned long key;
            CQCellID cell;
            m_SelectedCellMap.GetNextAssoc(pos, key, cell);
            m_PrevSelectedCellMap.SetAt(key, cell);
        }
    }

    if (m_LeftClickDownCell.row < m_pRows->GetFixed())
    {
        OnFixedRowClick(m_LeftClickDownCell);
    }
    else if (m_LeftClickDownCell.col >= m_pCols->GetFixed())
    {
        m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
        OnSelecting(m_LeftClickDownCell);
    }
    else
    {
        OnFixedColumnClick(m_LeftClickDownCell);
    }

    m_nTimerID = SetTimer(GV_TIMER_ID, m_nTimerInterval, NULL);
    m_LastMousePoint = point;
}

void CQGridCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect rect;
    GetClientRect(rect);
    if (m_MouseMode != MOUSE_DRAGGING && !rect.PtInRect(point))
        return;

    if (!(nFlags & MK_LBUTTON))
    {
        // Hovering: near a row or column boundary in the headers the next press sizes.
        if (point.y < GetFixedRowHeight() && m_bAllowColumnResize)
        {
            CQCellID cell = GetCellFromPt(point);
            CPoint start;
            if (!GetCellOrigin(cell, &start))
                return;
            int endx = start.x + GetColumnWidth(cell.col);
            if ((point.x - start.x <= m_nResizeCaptureRange && cell.col != 0) ||
                endx - point.x <= m_nResizeCaptureRange)
            {
                if (m_MouseMode != MOUSE_OVER_COL_DIVIDE)
                    SetStandardCursor(IDC_SIZEWE);
                m_MouseMode = MOUSE_OVER_COL_DIVIDE;
            }
            else
            {
                if (m_MouseMode != MOUSE_NOTHING)
                    SetStandardCursor(IDC_ARROW);
                m_MouseMode = MOUSE_NOTHING;
            }
        }
        else if (point.x < GetFixedColumnWidth() && m_bAllowRowResize)
        {
            CQCellID cell = GetCellFromPt(point);
            CPoint start;
            if (!GetCellOrigin(cell, &start))
                return;
            int endy = start.y + GetRowHeight(cell.row);
            if ((point.y - start.y <= m_nResizeCaptureRange && cell.row != 0) ||
                endy - point.y <= m_nResizeCaptureRange)
            {
                if (m_MouseMode != MOUSE_OVER_ROW_DIVIDE)
                    SetStandardCursor(IDC_SIZENS);
                m_MouseMode = MOUSE_OVER_ROW_DIVIDE;
            }
            else
            {
                if (m_MouseMode != MOUSE_NOTHING)
                    SetStandardCursor(IDC_ARROW);
                m_MouseMode = MOUSE_NOTHING;
            }
        }
        else
        {
            if (m_MouseMode != MOUSE_NOTHING)
                SetStandardCursor(IDC_ARROW);
            m_MouseMode = MOUSE_NOTHING;
        }

        if (m_MouseMode == MOUSE_NOTHING && m_bTitleTips)
        {
            CQCellID cell = GetCellFromPt(point);
            CRect textRect;
            if (GetCellRect(cell, textRect) && ::IsWindow(m_TitleTip.m_hWnd))
                m_TitleTip.Show(textRect, GetItemText(cell.row, cell.col), 0);
        }
        m_LastMousePoint = point;
        return;
    }

    if (!IsValid(m_LeftClickDownCell))
    {
        m_LastMousePoint = point;
        return;
    }

    switch (m_MouseMode)
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
        InvertBand(this, CRect(rect.left, m_LastMousePoint.y, rect.right, m_LastMousePoint.y + 2));
        InvertBand(this, CRect(rect.left, point.y, rect.right, point.y + 2));
        break;
    case MOUSE_SIZING_COL:
        InvertBand(this, CRect(m_LastMousePoint.x, rect.top, m_LastMousePoint.x + 2, rect.bottom));
        InvertBand(this, CRect(point.x, rect.top, point.x + 2, rect.bottom));
        break;
    case MOUSE_PREPARE_DRAG: OnBeginDrag(); break;
    default: break;
    }

    m_LastMousePoint = point;
}

void CQGridCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);

    ::ClipCursor(NULL);
    if (::GetCapture() == m_hWnd)
    {
        ::ReleaseCapture();
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }

    if (m_MouseMode == MOUSE_PREPARE_EDIT)
    {
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, VK_LBUTTON);
    }
    else if (m_MouseMode == MOUSE_PREPARE_DRAG)
    {
        // released without dragging
        ResetSelectedRange();
    }
    else if (m_MouseMode == MOUSE_SIZING_COL)
    {
        CRect rect;
        GetClientRect(rect);
        InvertBand(this, CRect(m_LastMousePoint.x, rect.top, m_LastMousePoint.x + 2, rect.bottom));
        if (m_LeftClickDownPoint != point)
        {
            CPoint start;
            if (!GetCellOrigin(m_LeftClickDownCell, &start))
                return;
            SetColumnWidth(m_LeftClickDownCell.col, point.x - start.x);
            ResetScrollBars();
            Invalidate();
        }
    }
    else if (m_MouseMode == MOUSE_SIZING_ROW)
    {
        CRect rect;
        GetClientRect(rect);
        InvertBand(this, CRect(rect.left, m_LastMousePoint.y, rect.right, m_LastMousePoint.y + 2));
        if (m_LeftClickDownPoint != point)
        {
            CPoint start;
            if (!GetCellOrigin(m_LeftClickDownCell, &start))
                return;
            SetRowHeight(m_LeftClickDownCell.row, point.y - start.y);
            ResetScrollBars();
            Invalidate();
        }
    }

    m_MouseMode = MOUSE_NOTHING;
    SetStandardCursor(IDC_ARROW);

    if (!IsValid(m_LeftClickDownCell))
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
    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE)
    {
        CQCellID cell = GetCellFromPt(point);
        CPoint start;
        if (GetCellOrigin(0, cell.col, &start))
        {
            if (point.x - start.x <= m_nResizeCaptureRange)
                cell.col--;
            AutoSizeColumn(cell.col);
            Invalidate();
        }
    }
    else if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE)
    {
        CQCellID cell = GetCellFromPt(point);
        CPoint start;
        if (GetCellOrigin(cell.row, 0, &start))
        {
            if (point.y - start.y <= m_nResizeCaptureRange)
                cell.row--;
            AutoSizeRow(cell.row);
            Invalidate();
        }
    }
    else if (m_MouseMode == MOUSE_NOTHING)
    {
        if (IsValid(m_LeftClickDownCell) && m_LeftClickDownCell.row >= m_pRows->GetFixed() &&
            m_LeftClickDownCell.col >= m_pCols->GetFixed())
        {
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, VK_LBUTTON);
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

    switch (m_MouseMode)
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

    if (m_nTimerID != 0)
    {
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    if (m_MouseMode == MOUSE_DRAGGING)
        m_MouseMode = MOUSE_NOTHING;
}
