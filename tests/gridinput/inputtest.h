// Shared helpers of the grid input tests: a grid in a parent window that records the grid's
// notifications and commands, and helpers that send what a user's mouse and keyboard produce.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qctl.h"
#include "grid/internal/QGridInput.h"

// A grid that records the edits it is asked to start and opens protected members to the tests.
class InputGrid : public CQGridCtrl
{
public:
    InputGrid(int nRows, int nCols, int nFixedRows, int nFixedCols)
        : CQGridCtrl(nRows, nCols, nFixedRows, nFixedCols)
    {
    }

    void OnEditCell(int nRow, int nCol, UINT nChar) override { m_edits.push_back({nRow, nCol, (int)nChar}); }

    using CQGridCtrl::ResetSelectedRange;
    using CQGridCtrl::SetFocusCell;
    bool Selected(int nRow, int nCol) const { return (GetItemState(nRow, nCol) & GV_STATE_SELECTED) != 0; }
    // "r,c r,c ..." of the selected cells in row order
    std::string SelectedCells() const;
    CQCellID ClickDownCell() const { return m_pInput->m_LeftClickDownCell; }
    UINT_PTR TimerId() const { return m_pInput->m_nTimerID; }
    CQCellID LastDragOverCell() const { return m_LastDragOverCell; }
    CQGridDropTarget& DropTarget() { return m_DropTarget; }

    std::vector<std::vector<int>> m_edits;
};

struct Record
{
    UINT msg;     // WM_NOTIFY or WM_COMMAND
    int code;     // notification code, or the command's high word
    int row, col; // WM_NOTIFY only
    WPARAM wParam;
    LPARAM lParam; // WM_COMMAND only
};

class GridInputTest : public testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A grid of 12 rows and 6 columns (one fixed row and column), columns 60 wide and rows 20 high,
    // in a 300 x 200 client area.
    InputGrid* MakeGrid(int nRows = 12, int nCols = 6, UINT nID = 100, int x = 0);

    // The middle of a cell, and a point dx, dy from its top-left corner.
    CPoint Mid(int nRow, int nCol) const;
    CPoint At(int nRow, int nCol, int dx, int dy) const;

    void Down(CPoint pt, UINT extra = 0);
    void Move(CPoint pt, UINT buttons = MK_LBUTTON);
    void Up(CPoint pt, UINT extra = 0);
    void Click(CPoint pt, UINT extra = 0)
    {
        Down(pt, extra);
        Up(pt, extra);
    }
    void Key(UINT vk, bool shift = false, bool ctrl = false);
    static void SetModifiers(bool shift, bool ctrl);
    void Pump();

    // notifications (code, row, col) taken from the log, which is emptied
    std::vector<std::vector<int>> Notes();
    std::vector<Record> Commands();

    static HWND s_hParent;
    InputGrid* m_pGrid = nullptr;
    std::vector<InputGrid*> m_grids;
};

using Log = std::vector<std::vector<int>>;

// Test output shows texts as UTF-8.
inline void PrintTo(const CString& str, std::ostream* os)
{
    char buf[4096] = {0};
    ::WideCharToMultiByte(CP_UTF8, 0, (LPCWSTR)str, -1, buf, sizeof(buf) - 1, NULL, NULL);
    *os << '"' << buf << '"';
}
