// The selection and focus of a grid: the selected set, the kept set, the focus cell and the anchor
// of a range selection. The grid owns one; GridSelect.cpp changes it (SetSelectedRange,
// SetFocusCell, the Select... operations), the item-state setter keeps the selected set equal to
// the cells whose state has GV_STATE_SELECTED, and the shape operations move the focus cell with
// the rows and columns it lies in. Internal to the grid control.
#pragma once

#include "grid/QGridCtrl.h"

struct CQGridSelection
{
    // cell key ((col & 0xFFFF) << 16 | (row & 0xFFFF)) to cell
    GRID_CELLMAP m_SelectedCellMap;     // exactly the cells whose state has GV_STATE_SELECTED
    GRID_CELLMAP m_PrevSelectedCellMap; // kept selected while a new range is chosen (Ctrl)
    CQCellID m_idCurrentCell;           // the focus cell
    CQCellID m_SelectionStartCell;      // anchor of a range selection

    // The focus cell follows a row or column (pIndex: &CQCellID::row or &CQCellID::col) inserted
    // at an index below its own, and is lost with one deleted under it.
    void Inserted(int CQCellID::*pIndex, int n)
    {
        int& i = m_idCurrentCell.*pIndex;
        if (i != -1 && n < i)
            i++;
    }
    void Removed(int CQCellID::*pIndex, int n)
    {
        int& i = m_idCurrentCell.*pIndex;
        if (n == i)
            m_idCurrentCell = CQCellID(-1, -1);
        else if (n < i)
            i--;
    }

    // Nothing selected or kept, and no focus cell: resetting the selection would change nothing.
    bool IsIdle() const
    {
        return m_SelectedCellMap.IsEmpty() && m_PrevSelectedCellMap.IsEmpty() && m_idCurrentCell.row == -1 &&
               m_idCurrentCell.col == -1;
    }
};
