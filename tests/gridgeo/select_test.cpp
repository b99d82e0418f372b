// Selecting from the start cell by mouse mode on a real grid window.
#include "geo.h"
#include "grid/internal/QGridInput.h"

class GridSelectTest : public GridWindow
{
protected:
    // exactly the cells of the range are selected, and the store agrees
    ::testing::AssertionResult Selected(CQCellRange range)
    {
        if (m_pGrid->GetSelectedCellRange() != range || m_pGrid->GetSelectedCount() != range.Count())
            return ::testing::AssertionFailure() << m_pGrid->SelectedCells();
        return m_pGrid->Consistent();
    }
};

TEST_F(GridSelectTest, SelectingFromTheStartCellByMouseMode)
{
    m_pGrid->SetSelectionStart(5, 4);
    m_pGrid->SelectCells(CQCellID(3, 6));
    EXPECT_TRUE(Selected(CQCellRange(3, 4, 5, 6)));
    m_pGrid->SelectRows(CQCellID(7, 2));
    EXPECT_TRUE(Selected(CQCellRange(5, 1, 7, 9)));
    m_pGrid->SelectColumns(CQCellID(8, 2));
    EXPECT_TRUE(Selected(CQCellRange(1, 2, 19, 4)));
    // fixed or outside cells change nothing
    m_pGrid->SelectCells(CQCellID(0, 3));
    m_pGrid->SelectRows(CQCellID(0, 3));
    m_pGrid->SelectColumns(CQCellID(3, 0));
    m_pGrid->SelectCells(CQCellID(3, 10));
    EXPECT_TRUE(Selected(CQCellRange(1, 2, 19, 4)));

    // the mouse mode picks the operation
    const struct
    {
        int mode;
        CQCellRange expected;
    } cases[] = {
        {MOUSE_SELECT_ALL, CQCellRange(1, 1, 19, 9)},
        {MOUSE_SELECT_COL, CQCellRange(1, 2, 19, 4)},
        {MOUSE_SELECT_ROW, CQCellRange(2, 1, 5, 9)},
        {MOUSE_SELECT_CELLS, CQCellRange(2, 2, 5, 4)},
    };
    for (const auto& c : cases)
    {
        m_pGrid->ResetSelectedRange();
        m_pGrid->SetMouseMode(c.mode);
        m_pGrid->OnSelecting(CQCellID(2, 2));
        EXPECT_TRUE(Selected(c.expected)) << "mode " << c.mode;
    }
    m_pGrid->SetMouseMode(MOUSE_SIZING_COL);
    m_pGrid->OnSelecting(CQCellID(9, 9));
    EXPECT_TRUE(Selected(CQCellRange(2, 2, 5, 4)));
}
