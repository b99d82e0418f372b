// CQGridCtrl: header clicks. In list mode a click on a fixed-row cell sorts by its column
// (ascending on a new column, the other way on the same one); otherwise header clicks select
// columns, rows or everything. The mouse and key handlers are in GridMouse.cpp and GridKeys.cpp.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridInput.h"

int CQGridCtrl::SetMouseMode(int nMode)
{
    int nOldMode = m_pInput->m_MouseMode;
    m_pInput->m_MouseMode = nMode;
    return nOldMode;
}

int CQGridCtrl::GetMouseMode() const
{
    return m_pInput->m_MouseMode;
}

void CQGridCtrl::OnFixedColumnClick(CQCellID& cell)
{
    if (!IsValid(cell))
        return;
    m_pInput->m_MouseMode = (cell.row < GetFixedRowCount()) ? MOUSE_SELECT_ALL : MOUSE_SELECT_ROW;
    OnSelecting(cell);
}

void CQGridCtrl::OnFixedRowClick(CQCellID& cell)
{
    if (!IsValid(cell))
        return;

    if (GetListMode())
    {
        if (!GetHeaderSort())
            return;
        CWaitCursor waiter;
        if (cell.col != m_SortColumn)
        {
            m_SortColumn = cell.col;
            m_bAscending = TRUE;
        }
        else
        {
            m_bAscending = !m_bAscending;
        }
        SortTextItems(m_SortColumn, m_bAscending);
        if (::IsWindow(m_hWnd))
            Invalidate();
    }
    else
    {
        m_pInput->m_MouseMode = (cell.col >= GetFixedColumnCount()) ? MOUSE_SELECT_COL : MOUSE_SELECT_ALL;
        OnSelecting(cell);
    }
}
