// Shared helpers of the grid model tests: a grid that counts its live cells and opens its
// protected members to the tests.
#pragma once

#include <gtest/gtest.h>

#include "qctl.h"

// A cell that counts how many of its kind are alive.
class CountedCell : public CQGridCell
{
public:
    CountedCell() { ++s_nLive; }
    ~CountedCell() override { --s_nLive; }
    static int s_nLive;
};

// A grid whose cells are CountedCells made with the base rule (format from above, grid font), and
// which counts the EmptyCell calls it sees.
class TestGrid : public CQGridCtrl
{
public:
    TestGrid(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0)
        : CQGridCtrl(0, 0, 0, 0)
    {
        // The base constructor cannot reach the override, so the shape is made here.
        SetRowCount(nRows);
        SetColumnCount(nCols);
        SetFixedRowCount(nFixedRows);
        SetFixedColumnCount(nFixedCols);
    }

    CQGridCell* CreateCell(int nRow, int nCol) override
    {
        CQGridCell* pBase = CQGridCtrl::CreateCell(nRow, nCol);
        CountedCell* pCell = new CountedCell;
        pCell->m_nFormat = pBase->m_nFormat;
        pCell->m_lfFont = pBase->m_lfFont;
        delete pBase;
        ++m_nCreated;
        return pCell;
    }
    void EmptyCell(CQGridCell* cell, int nRow, int nCol) override
    {
        ++m_nEmptied;
        CQGridCtrl::EmptyCell(cell, nRow, nCol);
    }

    using CQGridCtrl::GetCell;
    using CQGridCtrl::SetCell;
    using CQGridCtrl::ResetSelectedRange;
    using CQGridCtrl::SelectAllCells;
    using CQGridCtrl::SetFocusCell;

    // the selected set holds exactly the cell (row, col) under its key
    bool InSelectedSet(int nRow, int nCol) const
    {
        CQCellID cell;
        return m_SelectedCellMap.Lookup(GridCellKey(nRow, nCol), cell) && cell.row == nRow && cell.col == nCol;
    }
    GRID_CELLMAP& PrevSelection() { return m_PrevSelectedCellMap; }
    const LOGFONTW& FontDescription() const { return m_Logfont; }
    int DefaultRowHeight() const { return m_nDefCellHeight; }
    int DefaultColumnWidth() const { return m_nDefCellWidth; }
    UINT RowsPerWheelNotch() const { return m_nRowsPerWheelNotch; }
    CQGridDropTarget& DropTarget() { return m_DropTarget; }

    int m_nCreated = 0;
    int m_nEmptied = 0;
};
