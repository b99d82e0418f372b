// CQGridCtrl: selection and focus. The selected set holds exactly the cells whose state has
// GV_STATE_SELECTED (SetItemState keeps it); the focus cell changes only through SetFocusCell, which
// tells the parent before (GVN_SELCHANGING) and after (GVN_SELCHANGED) the change.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridAxis.h"
#include "grid/internal/QGridInput.h"

#include <algorithm>

namespace
{
// A copy of a selection set's cells, so that the set may change while they are visited.
void CollectCells(const GRID_CELLMAP& map, CArray<CQCellID, CQCellID&>& cells)
{
    cells.SetSize(0, map.GetCount() > 0 ? (INT_PTR)map.GetCount() : 1);
    POSITION pos = map.GetStartPosition();
    while (pos != NULL)
    {
        unsigned long key;
        CQCellID cell;
        map.GetNextAssoc(pos, key, cell);
        cells.Add(cell);
    }
}
} // namespace

void CQGridCtrl::SetSelectedRange(const CQCellRange& Range, BOOL bForceRepaint)
{
    SetSelectedRange(Range.GetMinRow(), Range.GetMinCol(), Range.GetMaxRow(), Range.GetMaxCol(),
                     bForceRepaint);
}

// Replaces the selection by the range plus the previous-selection set; the focus stays.
void CQGridCtrl::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint)
{
    if (!m_bEnableSelection)
        return;

    // A forced repaint draws at once on one context; otherwise cells are invalidated.
    CDC* pDC = NULL;
    if (bForceRepaint && ::IsWindow(m_hWnd))
        pDC = GetDC();
    CQCellRange newRange(nMinRow, nMinCol, nMaxRow, nMaxCol);
    auto repaint = [this, pDC](int row, int col)
    {
        if (pDC)
            RedrawCell(row, col, pDC);
        else
            InvalidateCellRect(CQCellID(row, col));
    };

    CArray<CQCellID, CQCellID&> cells;
    CollectCells(m_SelectedCellMap, cells);
    for (INT_PTR i = 0; i < cells.GetSize(); i++)
    {
        CQCellID cell = cells[i];
        if (!IsValid(cell))
            continue; // a cell of a shape that is gone stays in the set
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GV_STATE_SELECTED);
        if (!newRange.InRange(cell))
            repaint(cell.row, cell.col);
    }

    CollectCells(m_PrevSelectedCellMap, cells);
    for (INT_PTR i = 0; i < cells.GetSize(); i++)
    {
        CQCellID cell = cells[i];
        if (!IsValid(cell))
            continue;
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GV_STATE_SELECTED);
        repaint(cell.row, cell.col);
    }

    if (IsValid(newRange))
    {
        for (int row = nMinRow; row <= nMaxRow; row++)
        {
            for (int col = nMinCol; col <= nMaxCol; col++)
            {
                UINT state = GetItemState(row, col);
                if (state & GV_STATE_SELECTED)
                    continue;
                SetItemState(row, col, state | GV_STATE_SELECTED);
                repaint(row, col);
            }
        }
    }

    if (pDC)
        ReleaseDC(pDC);
}

void CQGridCtrl::ResetSelectedRange()
{
    SetSelectedRange(-1, -1, -1, -1, FALSE);
    SetFocusCell(-1, -1);
}

void CQGridCtrl::SelectAllCells()
{
    if (!m_bEnableSelection)
        return;
    SetSelectedRange(m_pRows->GetFixed(), m_pCols->GetFixed(), m_pRows->GetCount() - 1,
                     m_pCols->GetCount() - 1, FALSE);
}

void CQGridCtrl::SelectCells(CQCellID currentCell)
{
    if (!m_bEnableSelection)
        return;
    int row = currentCell.row, col = currentCell.col;
    if (row < m_pRows->GetFixed() || col < m_pCols->GetFixed() || !IsValid(currentCell))
        return;
    const CQCellID& start = m_SelectionStartCell;
    SetSelectedRange(std::min(start.row, row), std::min(start.col, col), std::max(start.row, row),
                     std::max(start.col, col), FALSE);
}

void CQGridCtrl::SelectRows(CQCellID currentCell)
{
    if (!m_bEnableSelection)
        return;
    int row = currentCell.row;
    if (row < m_pRows->GetFixed() || !IsValid(currentCell))
        return;
    const CQCellID& start = m_SelectionStartCell;
    SetSelectedRange(std::min(start.row, row), m_pCols->GetFixed(), std::max(start.row, row),
                     m_pCols->GetCount() - 1, FALSE);
}

void CQGridCtrl::SelectColumns(CQCellID currentCell)
{
    if (!m_bEnableSelection)
        return;
    int col = currentCell.col;
    if (col < m_pCols->GetFixed() || !IsValid(currentCell))
        return;
    const CQCellID& start = m_SelectionStartCell;
    SetSelectedRange(m_pRows->GetFixed(), std::min(start.col, col), m_pRows->GetCount() - 1,
                     std::max(start.col, col), FALSE);
}

void CQGridCtrl::OnSelecting(const CQCellID& currentCell)
{
    if (!m_bEnableSelection)
        return;
    switch (m_MouseMode)
    {
    case MOUSE_SELECT_ALL: SelectAllCells(); break;
    case MOUSE_SELECT_COL: SelectColumns(currentCell); break;
    case MOUSE_SELECT_ROW: SelectRows(currentCell); break;
    case MOUSE_SELECT_CELLS: SelectCells(currentCell); break;
    default: break;
    }
}

void CQGridCtrl::OnEditSelectAll()
{
    SelectAllCells();
}

void CQGridCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    if (pCmdUI)
        pCmdUI->Enable(m_bEnableSelection);
}

void CQGridCtrl::EnableSelection(BOOL bEnable)
{
    ResetSelectedRange();
    m_bEnableSelection = bEnable;
    ResetSelectedRange();
}

// Bounding range of the selected set; with nothing selected (rows, cols, -1, -1), an invalid range.
CQCellRange CQGridCtrl::GetSelectedCellRange() const
{
    CQCellRange range(m_pRows->GetCount(), m_pCols->GetCount(), -1, -1);
    POSITION pos = m_SelectedCellMap.GetStartPosition();
    while (pos != NULL)
    {
        unsigned long key;
        CQCellID cell;
        m_SelectedCellMap.GetNextAssoc(pos, key, cell);
        range.SetMinRow(std::min(range.GetMinRow(), cell.row));
        range.SetMinCol(std::min(range.GetMinCol(), cell.col));
        range.SetMaxRow(std::max(range.GetMaxRow(), cell.row));
        range.SetMaxCol(std::max(range.GetMaxCol(), cell.col));
    }
    return range;
}

CQCellID CQGridCtrl::SetFocusCell(int nRow, int nCol)
{
    return SetFocusCell(CQCellID(nRow, nCol));
}

// Returns the previous focus cell. GetFocusCell already answers the new cell while the parent
// handles either notification.
CQCellID CQGridCtrl::SetFocusCell(CQCellID cell)
{
    if (cell == m_idCurrentCell)
        return m_idCurrentCell;

    CQCellID idPrev = m_idCurrentCell;
    m_idCurrentCell = cell;

    if (IsValid(idPrev))
    {
        SendMessageToParent(idPrev.row, idPrev.col, GVN_SELCHANGING);
        SetItemState(idPrev.row, idPrev.col, GetItemState(idPrev.row, idPrev.col) & ~GV_STATE_FOCUSED);
        RedrawCell(idPrev);
        // The fixed cells in line with the focus cell are drawn raised.
        if (idPrev.col != m_idCurrentCell.col)
            for (int row = 0; row < m_pRows->GetFixed(); row++)
                RedrawCell(row, idPrev.col);
        if (idPrev.row != m_idCurrentCell.row)
            for (int col = 0; col < m_pCols->GetFixed(); col++)
                RedrawCell(idPrev.row, col);
    }

    if (IsValid(m_idCurrentCell))
    {
        SetItemState(m_idCurrentCell.row, m_idCurrentCell.col,
                     GetItemState(m_idCurrentCell.row, m_idCurrentCell.col) | GV_STATE_FOCUSED);
        RedrawCell(m_idCurrentCell);
        if (idPrev.col != m_idCurrentCell.col)
            for (int row = 0; row < m_pRows->GetFixed(); row++)
                RedrawCell(row, m_idCurrentCell.col);
        if (idPrev.row != m_idCurrentCell.row)
            for (int col = 0; col < m_pCols->GetFixed(); col++)
                RedrawCell(m_idCurrentCell.row, col);
        SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
    }

    return idPrev;
}

void CQGridCtrl::SetFocusRow(int nRow)
{
    SetFocusCell(nRow, 0);
}

// The first cell after start in the given direction whose state has any of nFlags' state bits.
CQCellID CQGridCtrl::GetNextItem(CQCellID& cell, int nFlags) const
{
    const UINT stateBits = (UINT)nFlags & 0x0F;
    auto matches = [this, stateBits](int row, int col) { return (GetItemState(row, col) & stateBits) != 0; };

    // Cells outside the grid never match, so the walks are clipped to it (no overflow, no long
    // walks for wild start cells).
    const long long startRow = cell.row, startCol = cell.col;
    auto clip = [](long long v, long long lo, long long hi) { return v < lo ? lo : (v > hi ? hi : v); };

    if ((nFlags & GV_NEXT_ALL) == GV_NEXT_ALL)
    {
        int firstRow = startRow <= 0 ? m_pRows->GetFixed() : (int)clip(startRow, 0, m_pRows->GetCount());
        int firstCol =
            startCol + 1 <= 0 ? m_pCols->GetFixed() : (int)clip(startCol + 1, 0, m_pCols->GetCount());
        for (int row = firstRow; row < m_pRows->GetCount(); row++)
            for (int col = firstCol; col < m_pCols->GetCount(); col++)
                if (matches(row, col))
                    return CQCellID(row, col);
    }

    const bool rowInside = startRow >= 0 && startRow < m_pRows->GetCount();
    const bool colInside = startCol >= 0 && startCol < m_pCols->GetCount();
    if (nFlags & GV_NEXT_ABOVE)
    {
        if (colInside)
            for (int row = (int)clip(startRow - 1, -1, m_pRows->GetCount() - 1); row >= m_pRows->GetFixed();
                 row--)
                if (matches(row, cell.col))
                    return CQCellID(row, cell.col);
    }
    else if (nFlags & GV_NEXT_BELOW)
    {
        if (colInside)
            for (int row = (int)clip(startRow + 1, 0, m_pRows->GetCount()); row < m_pRows->GetCount(); row++)
                if (matches(row, cell.col))
                    return CQCellID(row, cell.col);
    }
    else if (nFlags & GV_NEXT_TOLEFT)
    {
        if (rowInside)
            for (int col = (int)clip(startCol - 1, -1, m_pCols->GetCount() - 1); col >= m_pCols->GetFixed();
                 col--)
                if (matches(cell.row, col))
                    return CQCellID(cell.row, col);
    }
    else if (nFlags & GV_NEXT_TORIGHT)
    {
        if (rowInside)
            for (int col = (int)clip(startCol + 1, 0, m_pCols->GetCount()); col < m_pCols->GetCount(); col++)
                if (matches(cell.row, col))
                    return CQCellID(cell.row, col);
    }

    return CQCellID(-1, -1);
}
