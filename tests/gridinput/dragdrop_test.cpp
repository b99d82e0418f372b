// Drags through the platform's drag loop within one grid, and a press and release that never became
// a drag.
#include "input.h"

#include <afxole.h>

class GridDragLoopTest : public GridInputTest
{
protected:
    // Selects row 2's cells 1 and 2 and drags them by a press and a move; the pointer waits over the
    // target cell and the button is up, so the loop drops at once.
    void Drag(CQCellID targetCell)
    {
        m_pGrid->SetItemText(2, 1, L"m1");
        m_pGrid->SetItemText(2, 2, L"m2");
        m_pGrid->SetSelectedRange(2, 1, 2, 2);
        m_pGrid->SetFocusCell(2, 1);
        m_pGrid->SetFocus();

        CPoint screen = Mid(targetCell.row, targetCell.col), now;
        m_pGrid->ClientToScreen(&screen);
        ::SetCursorPos(screen.x, screen.y);
        ::GetCursorPos(&now);
        if (now != screen)
            GTEST_SKIP() << "the pointer cannot be moved on this display";
        CPoint from = Mid(2, 2);
        Down(from);
        EXPECT_EQ(MOUSE_PREPARE_DRAG, m_pGrid->GetMouseMode());
        Move(CPoint(from.x + 5, from.y));
        qtest::PumpMessages();
    }
};

TEST_F(GridDragLoopTest, MovingWithinOneGridEmptiesOnlyTheCellsNotOverwritten)
{
    m_pGrid->EnableDragAndDrop(TRUE);
    Drag(CQCellID(2, 2));
    if (IsSkipped())
        return;
    EXPECT_EQ(CString(L""), m_pGrid->GetItemText(2, 1));
    EXPECT_EQ(CString(L"m1"), m_pGrid->GetItemText(2, 2));
    EXPECT_EQ(CString(L"m2"), m_pGrid->GetItemText(2, 3));
    EXPECT_TRUE(m_pGrid->Consistent());
}

TEST_F(GridDragLoopTest, AReleaseWithoutMovingClearsTheSelection)
{
    m_pGrid->EnableDragAndDrop(TRUE);
    m_pGrid->SetSelectedRange(2, 1, 2, 2);
    m_pGrid->SetFocusCell(2, 1);
    m_pGrid->SetFocus();
    Down(Mid(2, 2));
    EXPECT_EQ(MOUSE_PREPARE_DRAG, m_pGrid->GetMouseMode());
    Up(Mid(2, 2));
    EXPECT_EQ(0, m_pGrid->GetSelectedCount());
    EXPECT_FALSE(m_pGrid->IsValid(m_pGrid->GetFocusCell()));
    EXPECT_TRUE(m_pGrid->Consistent());

    // the first press into a grid without the focus selects instead of dragging
    m_pGrid->SetSelectedRange(2, 1, 2, 2);
    ::SetFocus(Parent()->m_hWnd);
    Down(Mid(2, 2));
    EXPECT_EQ(MOUSE_SELECT_CELLS, m_pGrid->GetMouseMode());
    Up(Mid(2, 2));
}
