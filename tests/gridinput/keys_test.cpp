// The keyboard through real key messages with Shift and Ctrl set in the thread's keyboard state:
// every key of the navigation table, Tab wrapping both ways, Shift extending the selection, Delete,
// the Ctrl shortcuts, characters starting edits and the dialog codes.
#include "inputtest.h"

#include <utility>

TEST_F(GridInputTest, ArrowsMoveWithinTheNonFixedCellsAndSelectTheNewCell)
{
    Click(Mid(1, 1));
    Notes();
    Key(VK_UP);
    Key(VK_LEFT);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(1, 1));   // no way into the headers
    EXPECT_EQ(Log(), Notes());

    Key(VK_RIGHT);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(1, 2));
    EXPECT_EQ("1,2", m_pGrid->SelectedCells());
    EXPECT_EQ(Log({{GVN_SELCHANGING, 1, 1}, {GVN_SELCHANGED, 1, 2}}), Notes());
    Key(VK_DOWN);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(2, 2));
    Key(VK_LEFT);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(2, 1));
    Key(VK_UP);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(1, 1));
    EXPECT_EQ("1,1", m_pGrid->SelectedCells());

    // at the far edges
    m_pGrid->SetFocusCell(11, 5);
    Key(VK_DOWN);
    Key(VK_RIGHT);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(11, 5));
}

TEST_F(GridInputTest, ShiftArrowsExtendFromTheAnchor)
{
    Click(Mid(2, 2));
    Key(VK_RIGHT, true);
    Key(VK_DOWN, true);
    EXPECT_EQ("2,2 2,3 3,2 3,3", m_pGrid->SelectedCells());
    Key(VK_LEFT, true);
    Key(VK_LEFT, true);
    EXPECT_EQ("2,1 2,2 3,1 3,2", m_pGrid->SelectedCells());
    // a plain key selects the single new cell and anchors there
    Key(VK_UP);
    EXPECT_EQ("2,1", m_pGrid->SelectedCells());
}

TEST_F(GridInputTest, TabWrapsToTheNextRowAndShiftTabToThePreviousOne)
{
    m_pGrid->SetFocusCell(2, 4);
    Key(VK_TAB);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(2, 5));
    Key(VK_TAB);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(3, 1));
    EXPECT_EQ("3,1", m_pGrid->SelectedCells());
    // Tab ignores Shift for the selection anchor
    Key(VK_TAB, true);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(2, 5));
    EXPECT_EQ("2,5", m_pGrid->SelectedCells());
    Key(VK_TAB, true);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(2, 4));

    // the first non-fixed cell of the first non-fixed row keeps the focus with Shift+Tab
    m_pGrid->SetFocusCell(1, 1);
    Notes();
    Key(VK_TAB, true);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(1, 1));
    EXPECT_EQ(Log(), Notes());
    // and the last cell keeps it with Tab
    m_pGrid->SetFocusCell(11, 5);
    Key(VK_TAB);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(11, 5));
}

TEST_F(GridInputTest, TabWrapScrollsTheNewRowIntoView)
{
    m_pGrid->SetFocusCell(8, 5);
    Key(VK_TAB);   // row 9 is partly below the client area
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(9, 1));
    EXPECT_TRUE(m_pGrid->IsCellVisible(9, 1));
    EXPECT_EQ(0, m_pGrid->GetScrollPos32(SB_HORZ));
}

TEST_F(GridInputTest, HomeEndAndPagesMoveByRows)
{
    m_pGrid->SetFocusCell(3, 2);
    Key(VK_END);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(11, 2));
    Key(VK_HOME);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(1, 2));
    EXPECT_EQ(0, m_pGrid->GetScrollPos32(SB_VERT));

    // a page down scrolls; the focus moves by as many rows as the top row did
    m_pGrid->SetFocusCell(2, 2);
    CQCellID before = m_pGrid->GetTopleftNonFixedCell();
    Key(VK_NEXT);
    int moved = m_pGrid->GetTopleftNonFixedCell().row - before.row;
    if (moved > 0)
        EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(2 + moved, 2));
    // on the last page: the last row
    Key(VK_END);
    m_pGrid->SetFocusCell(8, 2);
    Key(VK_NEXT);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(11, 2));
    // page up at the top: the first non-fixed row
    Key(VK_HOME);
    m_pGrid->SetFocusCell(3, 2);
    Key(VK_PRIOR);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(1, 2));
}

TEST_F(GridInputTest, DeleteEmptiesAnEditableFocusCell)
{
    m_pGrid->SetItemText(2, 2, L"text");
    m_pGrid->SetFocusCell(2, 2);
    Key(VK_DELETE);
    EXPECT_EQ(CString(L""), m_pGrid->GetItemText(2, 2));
    EXPECT_TRUE(m_pGrid->GetModified());
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(2, 2));

    m_pGrid->SetModified(FALSE);
    m_pGrid->SetItemText(2, 2, L"kept");
    m_pGrid->SetEditable(FALSE);
    Key(VK_DELETE);
    EXPECT_EQ(CString(L"kept"), m_pGrid->GetItemText(2, 2));
    EXPECT_FALSE(m_pGrid->GetModified());
}

TEST_F(GridInputTest, KeysWithoutAFocusCellDoNothing)
{
    Key(VK_DOWN);
    Key(VK_TAB);
    EXPECT_FALSE(m_pGrid->IsValid(m_pGrid->GetFocusCell()));
    EXPECT_EQ("", m_pGrid->SelectedCells());
}

TEST_F(GridInputTest, CtrlAKeepsTheFocusAndSelectsEverything)
{
    m_pGrid->SetFocusCell(2, 2);
    Key('A', false, true);
    EXPECT_EQ(55, m_pGrid->GetSelectedCount());
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(2, 2));
}

TEST_F(GridInputTest, CharactersStartEditsUnlessCtrlOrAGestureIsUnderWay)
{
    m_pGrid->SetFocusCell(2, 3);
    m_pGrid->SendMessage(WM_CHAR, 'x', 1);
    m_pGrid->SendMessage(WM_CHAR, VK_TAB, 1);   // the grid's Tab is a key, not a character
    SetModifiers(false, true);
    m_pGrid->SendMessage(WM_CHAR, 'y', 1);
    SetModifiers(false, false);
    m_pGrid->SetMouseMode(MOUSE_SELECT_CELLS);
    m_pGrid->SendMessage(WM_CHAR, 'z', 1);
    m_pGrid->SetMouseMode(MOUSE_NOTHING);
    m_pGrid->SetHandleTabKey(FALSE);
    m_pGrid->SendMessage(WM_CHAR, VK_TAB, 1);
    EXPECT_EQ(std::vector<std::vector<int>>({{2, 3, 'x'}, {2, 3, VK_TAB}}), m_pGrid->m_edits);
}

TEST_F(GridInputTest, DialogCodesAskForArrowsCharactersAndTab)
{
    EXPECT_EQ((LRESULT)(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB), m_pGrid->SendMessage(WM_GETDLGCODE));
    SetModifiers(false, true);
    EXPECT_EQ((LRESULT)(DLGC_WANTARROWS | DLGC_WANTCHARS), m_pGrid->SendMessage(WM_GETDLGCODE));
    SetModifiers(false, false);
    m_pGrid->SetHandleTabKey(FALSE);
    EXPECT_EQ(0x81, m_pGrid->SendMessage(WM_GETDLGCODE));
}

TEST_F(GridInputTest, ListModeKeysSelectWholeRows)
{
    m_pGrid->SetListMode(TRUE);
    m_pGrid->SetFocusCell(2, 2);
    Key(VK_DOWN);
    EXPECT_TRUE(m_pGrid->GetSelectedCellRange() == CQCellRange(3, 1, 3, 5));
    Key(VK_DOWN, true);
    EXPECT_TRUE(m_pGrid->GetSelectedCellRange() == CQCellRange(3, 1, 4, 5));
}
