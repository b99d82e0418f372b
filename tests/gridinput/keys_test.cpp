// The keyboard through real key messages with Shift and Ctrl set in the thread's keyboard state:
// every key of the navigation table, Tab wrapping both ways, Shift extending the selection, list
// mode.
#include "input.h"

namespace
{
// One key press and where the focus and the selection are afterwards ("" for the selection: not
// checked).
struct KeyStep
{
    UINT vk;
    bool shift;
    int row, col;
    const char* selected;
};
} // namespace

TEST_F(GridInputTest, NavigationKeysMoveTheFocusWithinTheNonFixedCells)
{
    // from a click on the cell (which anchors the selection), or for a cell off screen its focus
    auto run = [this](int row, int col, std::initializer_list<KeyStep> steps)
    {
        m_pGrid->SetScrollPos32(SB_VERT, 0);
        m_pGrid->SetScrollPos32(SB_HORZ, 0);
        if (m_pGrid->IsCellVisible(row, col))
            Click(Mid(row, col));
        else
            m_pGrid->SetFocusCell(row, col);
        int i = 0;
        for (const KeyStep& s : steps)
        {
            SCOPED_TRACE(testing::Message()
                         << "step " << i++ << " key " << s.vk << (s.shift ? " with Shift" : ""));
            Key(s.vk, s.shift);
            EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(s.row, s.col))
                << m_pGrid->GetFocusCell().row << "," << m_pGrid->GetFocusCell().col;
            if (*s.selected)
            {
                EXPECT_EQ(s.selected, m_pGrid->SelectedCells());
            }
        }
    };
    // no way into the headers nor past the far edges; each plain key selects the single new cell
    run(1, 1,
        {{VK_UP, false, 1, 1, ""},
         {VK_LEFT, false, 1, 1, ""},
         {VK_RIGHT, false, 1, 2, "1,2"},
         {VK_DOWN, false, 2, 2, "2,2"},
         {VK_LEFT, false, 2, 1, ""},
         {VK_UP, false, 1, 1, "1,1"}});
    // Shift extends from the anchor; a plain key selects the single new cell and anchors there
    run(2, 2,
        {{VK_RIGHT, true, 2, 3, ""},
         {VK_DOWN, true, 3, 3, "2,2 2,3 3,2 3,3"},
         {VK_LEFT, true, 3, 2, ""},
         {VK_LEFT, true, 3, 1, "2,1 2,2 3,1 3,2"},
         {VK_UP, false, 2, 1, "2,1"}});
    run(11, 5, {{VK_DOWN, false, 11, 5, ""}, {VK_RIGHT, false, 11, 5, ""}, {VK_TAB, false, 11, 5, ""}});
    // Tab wraps to the next row, Shift+Tab to the previous one, ignoring Shift for the anchor; the
    // first non-fixed cell keeps the focus with Shift+Tab
    run(2, 4,
        {{VK_TAB, false, 2, 5, ""},
         {VK_TAB, false, 3, 1, "3,1"},
         {VK_TAB, true, 2, 5, "2,5"},
         {VK_TAB, true, 2, 4, ""}});
    run(1, 1, {{VK_TAB, true, 1, 1, ""}});
    // Home and End go to the first and last non-fixed row; page down on the last page to the last
    // row, page up on the first to the first non-fixed row
    run(3, 2, {{VK_END, false, 11, 2, ""}, {VK_HOME, false, 1, 2, ""}});
    EXPECT_EQ(0, m_pGrid->GetScrollPos32(SB_VERT));
    run(8, 2, {{VK_NEXT, false, 11, 2, ""}});
    run(3, 2, {{VK_PRIOR, false, 1, 2, ""}});
}

TEST_F(GridInputTest, KeysNotifyOnlyWhenTheFocusMovesAndTabWrapScrollsIntoView)
{
    Click(Mid(1, 1));
    Notes();
    Key(VK_UP);
    Key(VK_TAB, true);
    EXPECT_EQ(Log(), Notes());
    Key(VK_RIGHT);
    EXPECT_EQ(Log({{GVN_SELCHANGING, 1, 1}, {GVN_SELCHANGED, 1, 2}}), Notes());

    m_pGrid->SetFocusCell(8, 5);
    Key(VK_TAB); // row 9 is partly below the client area
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(9, 1));
    EXPECT_TRUE(m_pGrid->IsCellVisible(9, 1));
    EXPECT_EQ(0, m_pGrid->GetScrollPos32(SB_HORZ));

    // without a focus cell keys do nothing
    m_pGrid->SetFocusCell(-1, -1);
    m_pGrid->ResetSelectedRange();
    Key(VK_DOWN);
    Key(VK_TAB);
    EXPECT_FALSE(m_pGrid->IsValid(m_pGrid->GetFocusCell()));
    EXPECT_EQ("", m_pGrid->SelectedCells());
}
