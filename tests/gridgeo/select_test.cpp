// Selecting from the start cell by mouse mode on a real grid window.
#include "geo.h"
#include "grid/internal/QGridInput.h"

#include <algorithm>
#include <set>
#include <utility>

namespace
{
using CellSet = std::set<std::pair<int, int>>;

// The selected cells read from the cells' states, the store checked on the way.
CellSet Selected(CGridProbe* pGrid)
{
    EXPECT_TRUE(pGrid->Consistent());
    CellSet cells;
    for (int row = 0; row < pGrid->GetRowCount(); row++)
        for (int col = 0; col < pGrid->GetColumnCount(); col++)
            if (pGrid->GetItemState(row, col) & GV_STATE_SELECTED)
                cells.insert({row, col});
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

} // namespace

TEST_F(GridWindow, SelectingFromTheStartCellByMouseMode)
{
    m_pGrid->SetSelectionStart(5, 4);
    m_pGrid->SelectCells(CQCellID(3, 6));
    EXPECT_EQ(Block(3, 4, 5, 6), Selected(m_pGrid.get()));
    m_pGrid->SelectRows(CQCellID(7, 2));
    EXPECT_EQ(Block(5, 1, 7, 9), Selected(m_pGrid.get()));
    m_pGrid->SelectColumns(CQCellID(8, 2));
    EXPECT_EQ(Block(1, 2, 19, 4), Selected(m_pGrid.get()));
    // fixed or outside cells change nothing
    m_pGrid->SelectCells(CQCellID(0, 3));
    m_pGrid->SelectRows(CQCellID(0, 3));
    m_pGrid->SelectColumns(CQCellID(3, 0));
    m_pGrid->SelectCells(CQCellID(3, 10));
    EXPECT_EQ(Block(1, 2, 19, 4), Selected(m_pGrid.get()));

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
        EXPECT_EQ(c.expected, Selected(m_pGrid.get())) << "mode " << c.mode;
    }
    m_pGrid->SetMouseMode(MOUSE_SIZING_COL);
    m_pGrid->OnSelecting(CQCellID(9, 9));
    EXPECT_EQ(Block(2, 2, 5, 4), Selected(m_pGrid.get()));
}
