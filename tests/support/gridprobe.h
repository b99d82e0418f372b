// The grid tests' one view of the grid's inside: CGridProbe opens the grid's protected operations,
// reads the few protected fields the tests need, records the calls of its overridable hooks and
// checks the store's invariants without making cells. GridTest puts a probe into a shared parent
// window that records the grid's notifications.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "qctl.h"
#include "grid/internal/QGridInput.h"
#include "testwin.h"

class CGridProbe : public CQGridCtrl
{
public:
    CGridProbe(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);

    using CQGridCtrl::GetCell;
    using CQGridCtrl::ResetSelectedRange;
    using CQGridCtrl::SetCell;
    using CQGridCtrl::SetCellsOnDemand;
    using CQGridCtrl::SetFocusCell;
    using CQGridCtrl::SortItems;
    using CQGridCtrl::SortTextItems;

    // The store's invariants, read only (no cell is made): sizes and slots for exactly the counts,
    // fixed counts within them, every entry of the selected set a cell in the grid under its own key
    // whose state is selected.
    ::testing::AssertionResult Consistent() const;
    // the selected set holds the cell (row, col)
    bool InSelectedSet(int nRow, int nCol) const;
    // "r,c r,c ..." of the cells whose state is selected, in row order
    std::string SelectedCells() const;

    bool CellsOnDemand() const { return m_bCellsOnDemand; } // as set by SetCellsOnDemand
    int Margin() const { return m_nMargin; }
    int DefaultColumnWidth() const;
    const LOGFONTW& FontDescription() const { return m_Logfont; }
    UINT_PTR TimerId() const { return m_pInput->m_nTimerID; }
    CQCellID ClickDownCell() const { return m_pInput->m_LeftClickDownCell; }

    // Hooks: CreateCell and EmptyCell calls are counted; with m_bNoEditors OnEditCell starts no
    // editor.
    int m_nCreated = 0, m_nEmptied = 0;
    bool m_bNoEditors = false;

    CQGridCell* CreateCell(int nRow, int nCol) override;
    void EmptyCell(CQGridCell* cell, int nRow, int nCol) override;
    void OnEditCell(int nRow, int nCol, UINT nChar) override;
};

// A fixture with one parent window for the whole program (destroying a visible top-level window
// costs Wine seconds) that logs the grid's notifications, and the grid under test in it.
class GridTest : public ::testing::Test
{
public:
    static qtest::CRecordingWnd* Parent();

protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh grid of the shape as a child at (0, 0) whose window is cx by cy, every row nHeight high
    // and every column nWidth wide; the log is emptied. pGrid: a derived probe to use instead.
    CGridProbe* Make(int nRows, int nCols, int nFixedRows, int nFixedCols, int nHeight, int nWidth, int cx,
                     int cy, CGridProbe* pGrid = nullptr, DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    // grid notifications in the parent's log, as {code, row, column}; the log is emptied
    std::vector<std::vector<int>> Notes();
    // commands in the parent's log after pending messages are dispatched; the log is emptied
    std::vector<qtest::LoggedMsg> Commands();
    // the middle of a cell
    CPoint Mid(int nRow, int nCol) const;
    void Mouse(UINT message, CPoint pt, UINT nFlags = 0);
    // a key press with the given modifiers held
    void Key(UINT vk, bool bShift = false, bool bCtrl = false);
    static void SetModifiers(bool bShift, bool bCtrl);

    std::unique_ptr<CGridProbe> m_pGrid;
};
