// CQGridCtrl: header clicks. A click on a fixed-row cell selects its column (the corner selects
// everything); a click on a fixed-column cell selects its row. In list mode a click on a fixed-row
// cell sorts by its column instead, which comes with the sorting feature. The mouse and key
// handlers are in GridMouse.cpp and GridKeys.cpp.
#include "grid/QGridCtrl.h"

void CQGridCtrl::OnFixedColumnClick(CQCellID& cell)
{
    if (!IsValid(cell))
        return;
    m_MouseMode = (cell.row < GetFixedRowCount()) ? MOUSE_SELECT_ALL : MOUSE_SELECT_ROW;
    OnSelecting(cell);
}

void CQGridCtrl::OnFixedRowClick(CQCellID& cell)
{
    if (!IsValid(cell))
        return;

    if (GetListMode())
        return;

    m_MouseMode = (cell.col >= GetFixedColumnCount()) ? MOUSE_SELECT_COL : MOUSE_SELECT_ALL;
    OnSelecting(cell);
}
