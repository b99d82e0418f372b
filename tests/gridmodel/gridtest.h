// Shared helpers of the grid model tests: a grid that counts its live cells and opens its
// protected members to the tests.
#pragma once

#include <gtest/gtest.h>

#include "qctl.h"
#include "grid/internal/QGridSelection.h"
#include "grid/internal/QGridAxis.h"

// A cell that counts how many of its kind are alive.
class CountedCell : public CQGridCell
{
public:
    CountedCell() { ++s_nLive; }
    ~CountedCell() override { --s_nLive; }
    static int s_nLive;
};

// A grid whose cells are CountedCells made with the base rule (format from above, grid font), and
// which counts the cells it makes and the EmptyCell calls it sees.
class TestGrid : public CQGridCtrl
{
public:
    // The base constructor cannot reach the CreateCell override, so the shape is made here.
    TestGrid(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0) : CQGridCtrl(0, 0, 0, 0)
    {
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
    using CQGridCtrl::SetFocusCell;

    // the selected set holds exactly the cell (row, col) under its key
    bool InSelectedSet(int nRow, int nCol) const
    {
        CQCellID cell;
        return m_pSelection->m_SelectedCellMap.Lookup(GridCellKey(nRow, nCol), cell) && cell.row == nRow &&
               cell.col == nCol;
    }
    const LOGFONTW& FontDescription() const { return m_Logfont; }
    int DefaultColumnWidth() const { return m_pCols->GetDefaultSize(); }

    int m_nCreated = 0;
    int m_nEmptied = 0;
};

// A record asking for the masked fields of one cell.
inline GV_ITEM ItemOf(int nRow, int nCol, UINT mask)
{
    GV_ITEM item;
    item.row = nRow;
    item.col = nCol;
    item.mask = mask;
    return item;
}
