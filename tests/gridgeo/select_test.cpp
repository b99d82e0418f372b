// Selection and focus on a real grid window: the selected set after sequences of operations, the
// focus notifications to the parent in order with their cells, the repaint of the fixed cells in
// line with the focus, and the searches of GetNextItem in every direction.
#include "geotest.h"

#include <algorithm>
#include <set>
#include <utility>

namespace
{
using CellSet = std::set<std::pair<int, int>>;

// The selected cells read from the cells' states, checked against the selected set.
CellSet Selected(GeoGrid* pGrid)
{
    CellSet cells;
    for (int row = 0; row < pGrid->GetRowCount(); row++)
        for (int col = 0; col < pGrid->GetColumnCount(); col++)
            if (pGrid->GetItemState(row, col) & GV_STATE_SELECTED)
            {
                cells.insert({row, col});
                EXPECT_TRUE(pGrid->InSelectedSet(row, col)) << row << ", " << col;
            }
    EXPECT_EQ((int)cells.size(), pGrid->GetSelectedCount());
    return cells;
}

CellSet Block(int minRow, int minCol, int maxRow, int maxCol)
{
    CellSet cells;
    for (int row = minRow; row <= maxRow; row++)
        for (int col = minCol; col <= maxCol; col++)
            cells.insert({row, col});
    return cells;
}

CellSet Join(CellSet a, const CellSet& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

using Log = std::vector<std::vector<int>>;

// code, row, column of each notice
Log Codes(const std::vector<Notice>& log)
{
    Log out;
    for (const Notice& n : log)
        out.push_back({n.code, n.row, n.col});
    return out;
}

// A command-UI record that remembers what the handler asked for.
class RecordingCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn = TRUE) override { m_nEnable = bOn ? 1 : 0; }
    int m_nEnable = -1;
};
} // namespace

TEST_F(GridWindow, RangesReplaceTheSelectionAndKeepThePreviousSet)
{
    m_pGrid->SetSelectedRange(2, 2, 3, 4);
    EXPECT_EQ(Block(2, 2, 3, 4), Selected(m_pGrid));
    m_pGrid->SetSelectedRange(CQCellRange(3, 3, 5, 3));
    EXPECT_EQ(Block(3, 3, 5, 3), Selected(m_pGrid));
    // inverted or outside the grid: the selection is only cleared
    m_pGrid->SetSelectedRange(2, 2, 1, 1);
    EXPECT_TRUE(Selected(m_pGrid).empty());
    m_pGrid->SetSelectedRange(1, 1, 20, 2);
    EXPECT_TRUE(Selected(m_pGrid).empty());

    // the previous-selection set joins every new range
    m_pGrid->AddPrevSelected(1, 1);
    m_pGrid->SetSelectedRange(3, 3, 4, 4);
    EXPECT_EQ(Join(Block(3, 3, 4, 4), Block(1, 1, 1, 1)), Selected(m_pGrid));
    m_pGrid->SetSelectedRange(-1, -1, -1, -1);
    EXPECT_EQ(Block(1, 1, 1, 1), Selected(m_pGrid));
    m_pGrid->ClearPrevSelected();
    m_pGrid->ResetSelectedRange();
    EXPECT_TRUE(Selected(m_pGrid).empty());

    // bounding range
    m_pGrid->SetItemState(2, 5, GV_STATE_SELECTED);
    m_pGrid->SetItemState(4, 1, GV_STATE_SELECTED);
    EXPECT_EQ(CQCellRange(2, 1, 4, 5), m_pGrid->GetSelectedCellRange());
    m_pGrid->ResetSelectedRange();
    EXPECT_EQ(CQCellRange(20, 10, -1, -1), m_pGrid->GetSelectedCellRange());
    // the focus stays where it is while ranges change; the reset takes it
    m_pGrid->SetFocusCell(2, 2);
    m_pGrid->SetSelectedRange(1, 1, 1, 1);
    EXPECT_EQ(CQCellID(2, 2), m_pGrid->GetFocusCell());
    m_pGrid->ResetSelectedRange();
    EXPECT_EQ(CQCellID(-1, -1), m_pGrid->GetFocusCell());
}

TEST_F(GridWindow, SelectingFromTheStartCellByMouseMode)
{
    m_pGrid->SetSelectionStart(5, 4);
    m_pGrid->SelectCells(CQCellID(3, 6));
    EXPECT_EQ(Block(3, 4, 5, 6), Selected(m_pGrid));
    m_pGrid->SelectRows(CQCellID(7, 2));
    EXPECT_EQ(Block(5, 1, 7, 9), Selected(m_pGrid));
    m_pGrid->SelectColumns(CQCellID(8, 2));
    EXPECT_EQ(Block(1, 2, 19, 4), Selected(m_pGrid));
    // fixed or outside cells change nothing
    m_pGrid->SelectCells(CQCellID(0, 3));
    m_pGrid->SelectRows(CQCellID(0, 3));
    m_pGrid->SelectColumns(CQCellID(3, 0));
    m_pGrid->SelectCells(CQCellID(3, 10));
    EXPECT_EQ(Block(1, 2, 19, 4), Selected(m_pGrid));

    // the mouse mode picks the operation
    const struct
    {
        int mode;
        CellSet expected;
    } cases[] = {
        {MOUSE_SELECT_ALL, Block(1, 1, 19, 9)},
        {MOUSE_SELECT_COL, Block(1, 2, 19, 4)},
        {MOUSE_SELECT_ROW, Block(2, 1, 5, 9)},
        {MOUSE_SELECT_CELLS, Block(2, 2, 5, 4)},
    };
    for (const auto& c : cases)
    {
        m_pGrid->ResetSelectedRange();
        m_pGrid->SetMouseMode(c.mode);
        m_pGrid->OnSelecting(CQCellID(2, 2));
        EXPECT_EQ(c.expected, Selected(m_pGrid)) << "mode " << c.mode;
    }
    m_pGrid->SetMouseMode(MOUSE_SIZING_COL);
    m_pGrid->OnSelecting(CQCellID(9, 9));
    EXPECT_EQ(Block(2, 2, 5, 4), Selected(m_pGrid));
}

TEST_F(GridWindow, DisabledSelectionAndTheSelectAllCommand)
{
    // select all through the standard command, then its update handler
    ::SendMessageW(Grid(), WM_COMMAND, MAKEWPARAM(0xE12A, 0), 0);
    EXPECT_EQ(Block(1, 1, 19, 9), Selected(m_pGrid));
    EXPECT_EQ(171, m_pGrid->GetSelectedCount());
    RecordingCmdUI ui;
    m_pGrid->OnUpdateEditSelectAll(&ui);
    EXPECT_EQ(1, ui.m_nEnable);

    m_pGrid->SetFocusCell(3, 3);
    m_pParent->Clear();
    m_pGrid->EnableSelection(FALSE);
    EXPECT_TRUE(Selected(m_pGrid).empty());
    EXPECT_EQ(CQCellID(-1, -1), m_pGrid->GetFocusCell());
    EXPECT_EQ(Log({{GVN_SELCHANGING, 3, 3}}), Codes(m_pParent->Take()));
    m_pGrid->OnUpdateEditSelectAll(&ui);
    EXPECT_EQ(0, ui.m_nEnable);

    m_pGrid->SetSelectedRange(1, 1, 2, 2);
    m_pGrid->OnEditSelectAll();
    m_pGrid->SelectAllCells();
    m_pGrid->SetSelectionStart(1, 1);
    m_pGrid->SetMouseMode(MOUSE_SELECT_CELLS);
    m_pGrid->OnSelecting(CQCellID(3, 3));
    ::SendMessageW(Grid(), WM_COMMAND, MAKEWPARAM(0xE12A, 0), 0);
    EXPECT_TRUE(Selected(m_pGrid).empty());

    m_pGrid->EnableSelection(TRUE);
    m_pGrid->SelectAllCells();
    EXPECT_EQ(171, m_pGrid->GetSelectedCount());
}

TEST_F(GridWindow, SelectionRepaintsOnlyTheCellsThatChange)
{
    m_pGrid->SetSelectedRange(2, 2, 3, 3);
    ::ValidateRect(Grid(), NULL);
    m_pGrid->m_drawn.clear();
    // invalidation: the cells leaving, and the cells of the new range (all of them were cleared
    // first), but not the cell that stays out of both
    m_pGrid->SetSelectedRange(3, 3, 3, 4);
    HRGN hUpdate = ::CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(Grid(), hUpdate, FALSE);
    const int repainted[][2] = {{2, 2}, {2, 3}, {3, 2}, {3, 3}, {3, 4}};
    for (auto& c : repainted)
    {
        CRect rc;
        ASSERT_TRUE(m_pGrid->GetCellRect(c[0], c[1], &rc));
        EXPECT_TRUE(::PtInRegion(hUpdate, rc.left + 5, rc.top + 5)) << c[0] << ", " << c[1];
    }
    CRect rc44;
    ASSERT_TRUE(m_pGrid->GetCellRect(4, 4, &rc44));
    EXPECT_FALSE(::PtInRegion(hUpdate, rc44.left + 5, rc44.top + 5));
    ::DeleteObject(hUpdate);
    EXPECT_TRUE(m_pGrid->m_drawn.empty());

    // forced: drawn at once instead, the two leaving cells first, then the two joining in order
    ::ValidateRect(Grid(), NULL);
    m_pGrid->SetSelectedRange(CQCellRange(5, 5, 5, 6), TRUE);
    ASSERT_EQ(4u, m_pGrid->m_drawn.size());
    EXPECT_EQ(3, m_pGrid->m_drawn[0].row);
    EXPECT_EQ(3, m_pGrid->m_drawn[1].row);
    EXPECT_EQ(5, m_pGrid->m_drawn[2].row);
    EXPECT_EQ(5, m_pGrid->m_drawn[2].col);
    EXPECT_EQ(6, m_pGrid->m_drawn[3].col);
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
}

TEST_F(GridWindow, FocusChangesNotifyTheParentAndRedrawTheHeadersInLine)
{
    m_pGrid->SetFocusCell(2, 3);
    std::vector<Notice> log = m_pParent->Take();
    EXPECT_EQ(Log({{GVN_SELCHANGED, 2, 3}}), Codes(log));
    EXPECT_TRUE(log[0].wParam == 77 && log[0].idFrom == 77 && log[0].hwndFrom == Grid());
    EXPECT_EQ(GV_STATE_FOCUSED, m_pGrid->GetItemState(2, 3) & GV_STATE_FOCUSED);

    // to the same cell: nothing
    m_pGrid->m_drawn.clear();
    EXPECT_EQ(CQCellID(2, 3), m_pGrid->SetFocusCell(CQCellID(2, 3)));
    EXPECT_TRUE(m_pParent->Take().empty());
    EXPECT_TRUE(m_pGrid->m_drawn.empty());

    // along the row: old cell, header of the old column, new cell, header of the new column
    EXPECT_EQ(CQCellID(2, 3), m_pGrid->SetFocusCell(2, 4));
    log = m_pParent->Take();
    EXPECT_EQ(Log({{GVN_SELCHANGING, 2, 3}, {GVN_SELCHANGED, 2, 4}}), Codes(log));
    // the grid already answers the new cell in both notifications; the old cell still has the
    // focused state when the parent hears of the coming change
    EXPECT_EQ(CQCellID(2, 4), log[0].focusWhileHandled);
    EXPECT_EQ(GV_STATE_FOCUSED, log[0].focusedStateOfOld);
    EXPECT_EQ(CQCellID(2, 4), log[1].focusWhileHandled);
    EXPECT_EQ(GV_STATE_FOCUSED, log[1].focusedStateOfOld);
    EXPECT_EQ(0u, m_pGrid->GetItemState(2, 3) & GV_STATE_FOCUSED);
    ASSERT_EQ(4u, m_pGrid->m_drawn.size());
    const int drawn[4][2] = {{2, 3}, {0, 3}, {2, 4}, {0, 4}};
    for (int i = 0; i < 4; i++)
    {
        EXPECT_EQ(drawn[i][0], m_pGrid->m_drawn[i].row) << i;
        EXPECT_EQ(drawn[i][1], m_pGrid->m_drawn[i].col) << i;
    }

    // diagonally: both headers of each cell
    m_pGrid->m_drawn.clear();
    m_pGrid->SetFocusCell(5, 6);
    EXPECT_EQ(Log({{GVN_SELCHANGING, 2, 4}, {GVN_SELCHANGED, 5, 6}}), Codes(m_pParent->Take()));
    EXPECT_EQ(6u, m_pGrid->m_drawn.size());

    // to no cell: only the old side; SetFocusRow takes column 0
    m_pGrid->SetFocusCell(-1, -1);
    EXPECT_EQ(Log({{GVN_SELCHANGING, 5, 6}}), Codes(m_pParent->Take()));
    m_pGrid->SetFocusRow(7);
    EXPECT_EQ(Log({{GVN_SELCHANGED, 7, 0}}), Codes(m_pParent->Take()));
    EXPECT_EQ(CQCellID(7, 0), m_pGrid->GetFocusCell());

    // a focus cell outside the grid is kept but tells nobody
    m_pGrid->SetFocusCell(40, 40);
    EXPECT_EQ(Log({{GVN_SELCHANGING, 7, 0}}), Codes(m_pParent->Take()));
    m_pGrid->SetFocusCell(1, 1);
    EXPECT_EQ(Log({{GVN_SELCHANGED, 1, 1}}), Codes(m_pParent->Take()));
}

TEST_F(GridWindow, NextItemInEveryDirection)
{
    // selected: (1, 2), (3, 2), (3, 5), (6, 1); read-only (4, 2); a fixed cell selected (0, 2)
    const int sel[][2] = {{1, 2}, {3, 2}, {3, 5}, {6, 1}};
    for (auto& c : sel)
        m_pGrid->SetItemState(c[0], c[1], GV_STATE_SELECTED);
    m_pGrid->SetItemState(4, 2, GV_STATE_READONLY);
    m_pGrid->SetItemState(0, 2, GV_STATE_SELECTED);

    m_pGrid->SetItemState(3, 0, GV_STATE_SELECTED); // fixed: left of the fixed columns
    m_pGrid->SetItemState(3, 9, GV_STATE_DROPTARGET);
    const int S = GV_STATE_SELECTED, R = GV_STATE_READONLY;
    const struct
    {
        int row, col, flags, foundRow, foundCol;
    } cases[] = {
        {-1, -1, GV_NEXT_ALL | S, 1, 2},
        // all: from the start row, columns after the start column in every row
        {1, 2, GV_NEXT_ALL | S, 3, 5},
        {3, 5, GV_NEXT_ALL | S, -1, -1}, // nothing right of column 5: the search below it runs instead
        {2, 0, GV_NEXT_ALL | S, 3, 2},
        {0, 1, GV_NEXT_ALL | S, 1, 2}, // row 0 starts at the first non-fixed row
        {2, 2, GV_NEXT_ALL | S, 3, 5}, // columns 3.. only: (3, 2) and (6, 1) are skipped
        {2, 5, GV_NEXT_ALL | S, 3, 5}, // below in column 5
        {INT_MIN, INT_MIN, GV_NEXT_ALL | S, 1, 2},
        // above stops at the fixed rows; below goes to the last row, any of the state bits matches
        {3, 2, GV_NEXT_ABOVE | S, 1, 2},
        {1, 2, GV_NEXT_ABOVE | S, -1, -1},
        {1, 2, GV_NEXT_BELOW | S, 3, 2},
        {3, 2, GV_NEXT_BELOW | S | R, 4, 2},
        {0, 2, GV_NEXT_BELOW | R, 4, 2},
        // left stops at the fixed columns, right goes to the last column
        {3, 5, GV_NEXT_TOLEFT | S, 3, 2},
        {3, 2, GV_NEXT_TOLEFT | S, -1, -1},
        {3, 2, GV_NEXT_TORIGHT | S, 3, 5},
        {3, 2, GV_NEXT_TORIGHT | GV_STATE_DROPTARGET, 3, 9},
        {3, 5, GV_NEXT_ABOVE | GV_NEXT_TOLEFT | S, -1, -1}, // only the first direction flag runs
        {3, 2, GV_NEXT_TORIGHT, -1, -1},                    // without state bits nothing matches
    };
    for (const auto& c : cases)
    {
        CQCellID start(c.row, c.col);
        EXPECT_EQ(CQCellID(c.foundRow, c.foundCol), m_pGrid->GetNextItem(start, c.flags))
            << "from " << c.row << ", " << c.col << " flags 0x" << std::hex << c.flags;
    }
    // wild start cells find nothing and do not crash
    const CQCellID wild[] = {{INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}, {-5, 3}, {3, 400}, {INT_MAX, 2}};
    for (CQCellID w : wild)
        for (int dir : {GV_NEXT_ABOVE, GV_NEXT_BELOW, GV_NEXT_TOLEFT, GV_NEXT_TORIGHT})
            EXPECT_EQ(CQCellID(-1, -1), m_pGrid->GetNextItem(w, dir | GV_STATE_FOCUSED));
}

TEST_F(GridWindow, ShapeChangesKeepTheSetsConsistent)
{
    m_pGrid->SetSelectedRange(15, 7, 19, 9);
    EXPECT_EQ(15, m_pGrid->GetSelectedCount());
    m_pGrid->SetRowCount(17); // dying cells leave the set
    EXPECT_EQ(Block(15, 7, 16, 9), Selected(m_pGrid));
    m_pGrid->SetColumnCount(8);
    EXPECT_EQ(Block(15, 7, 16, 7), Selected(m_pGrid));
    m_pGrid->SetFocusCell(16, 7);
    m_pParent->Clear();
    m_pGrid->InsertRow(L"new", 3); // resets the selection and the focus first
    EXPECT_TRUE(Selected(m_pGrid).empty());
    EXPECT_EQ(Log({{GVN_SELCHANGING, 16, 7}}), Codes(m_pParent->Take()));

    // shape changes lose the focus through SetFocusCell; deletion resets it first
    m_pGrid->SetFocusCell(17, 2);
    m_pParent->Clear();
    m_pGrid->SetRowCount(17); // the focus row goes away
    EXPECT_EQ(Log({{GVN_SELCHANGING, 17, 2}}), Codes(m_pParent->Take()));
    EXPECT_EQ(CQCellID(-1, -1), m_pGrid->GetFocusCell());
    m_pGrid->SetFocusCell(3, 3);
    m_pParent->Clear();
    EXPECT_TRUE(m_pGrid->DeleteRow(3));
    EXPECT_EQ(Log({{GVN_SELCHANGING, 3, 3}}), Codes(m_pParent->Take()));
    // count changes that keep the focus cell send nothing
    m_pGrid->SetFocusCell(2, 2);
    m_pParent->Clear();
    m_pGrid->SetRowCount(20);
    m_pGrid->SetColumnCount(3);
    m_pGrid->SetFixedRowCount(2);
    EXPECT_TRUE(m_pParent->Take().empty());
}
