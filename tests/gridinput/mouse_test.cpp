// The mouse through real messages: clicks, drags with Ctrl and Shift, header clicks, edits started
// by a press on the focus cell, row and column sizing at boundary pixels, double-click auto-size,
// the notifications and the posted click command in order, the cursor and the capture.
#include "inputtest.h"

TEST_F(GridInputTest, ClickSelectsTheCellAndPostsTheClickCommandAfterTheNotifications)
{
    Click(Mid(3, 2));
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(3, 2));
    EXPECT_EQ("3,2", m_pGrid->SelectedCells());
    EXPECT_EQ(m_pGrid->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());
    EXPECT_EQ(0u, m_pGrid->TimerId());   // the auto-scroll timer ran only while the button was down
    EXPECT_EQ(Log({{GVN_SELCHANGED, 3, 2}}), Notes());

    std::vector<Record> cmds = Commands();
    ASSERT_EQ(1u, cmds.size());
    EXPECT_EQ(MAKEWPARAM(100, BN_CLICKED), cmds[0].wParam);
    EXPECT_EQ((LPARAM)m_pGrid->GetSafeHwnd(), cmds[0].lParam);

    // a second cell: the old focus is given up before the new one is announced
    Click(Mid(5, 4));
    EXPECT_EQ(Log({{GVN_SELCHANGING, 3, 2}, {GVN_SELCHANGED, 5, 4}}), Notes());
    EXPECT_EQ("5,4", m_pGrid->SelectedCells());
    EXPECT_EQ(1u, Commands().size());

    // a press outside every cell does nothing and posts nothing
    Click(CPoint(-5, -5));
    EXPECT_EQ(Log(), Notes());
    EXPECT_EQ(0u, Commands().size());
}

TEST_F(GridInputTest, DragSelectsARangeAndMovesTheFocusAlong)
{
    Down(Mid(2, 1));
    EXPECT_EQ(MOUSE_SELECT_CELLS, m_pGrid->GetMouseMode());
    EXPECT_EQ(GV_TIMER_ID, m_pGrid->TimerId());
    EXPECT_EQ(m_pGrid->GetSafeHwnd(), ::GetCapture());
    Move(Mid(3, 2));
    Move(Mid(4, 3));
    Up(Mid(4, 3));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ("2,1 2,2 2,3 3,1 3,2 3,3 4,1 4,2 4,3", m_pGrid->SelectedCells());
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(4, 3));
    EXPECT_EQ(Log({{GVN_SELCHANGED, 2, 1},
                   {GVN_SELCHANGING, 2, 1},
                   {GVN_SELCHANGED, 3, 2},
                   {GVN_SELCHANGING, 3, 2},
                   {GVN_SELCHANGED, 4, 3}}),
              Notes());
    EXPECT_EQ(1u, Commands().size());

    // dragging back shrinks the range to the anchor
    Down(Mid(2, 1));
    Move(Mid(2, 2));
    Move(Mid(2, 1));
    Up(Mid(2, 1));
    EXPECT_EQ("2,1", m_pGrid->SelectedCells());
}

TEST_F(GridInputTest, CtrlClickAddsAndShiftClickExtendsFromTheFocus)
{
    Click(Mid(1, 1));
    Click(Mid(3, 3), MK_CONTROL);
    EXPECT_EQ("1,1 3,3", m_pGrid->SelectedCells());
    Down(Mid(5, 1), MK_CONTROL);
    Move(Mid(5, 2), MK_LBUTTON | MK_CONTROL);
    Up(Mid(5, 2), MK_CONTROL);
    EXPECT_EQ("1,1 3,3 5,1 5,2", m_pGrid->SelectedCells());

    // a plain click forgets the earlier selection
    Click(Mid(2, 2));
    EXPECT_EQ("2,2", m_pGrid->SelectedCells());

    // Shift: from the focus cell to the clicked one
    Click(Mid(4, 3), MK_SHIFT);
    EXPECT_EQ("2,2 2,3 3,2 3,3 4,2 4,3", m_pGrid->SelectedCells());
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(4, 3));
}

TEST_F(GridInputTest, PressOnTheFocusCellKeepsTheSelectionAndItsReleaseStartsAnEdit)
{
    Click(Mid(2, 2));
    Click(Mid(3, 3), MK_CONTROL);
    Notes();
    Commands();
    Down(Mid(3, 3));
    EXPECT_EQ(MOUSE_PREPARE_EDIT, m_pGrid->GetMouseMode());
    EXPECT_TRUE(m_pGrid->m_edits.empty());
    Up(Mid(3, 3));
    EXPECT_EQ("2,2 3,3", m_pGrid->SelectedCells());
    EXPECT_EQ(std::vector<std::vector<int>>({{3, 3, 1}}), m_pGrid->m_edits);
    EXPECT_EQ(Log(), Notes());
    EXPECT_EQ(1u, Commands().size());
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());
}

TEST_F(GridInputTest, HeaderClicksSelectColumnsRowsOrEverything)
{
    Click(Mid(0, 3));
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(1, 3));   // into the first non-fixed row
    CQCellRange range = m_pGrid->GetSelectedCellRange();
    EXPECT_TRUE(range == CQCellRange(1, 3, 11, 3));
    EXPECT_EQ(11, m_pGrid->GetSelectedCount());

    // dragging along the header extends the column selection
    Down(Mid(0, 2));
    Move(Mid(0, 4));
    Up(Mid(0, 4));
    EXPECT_TRUE(m_pGrid->GetSelectedCellRange() == CQCellRange(1, 2, 11, 4));
    EXPECT_EQ(33, m_pGrid->GetSelectedCount());

    Click(Mid(4, 0));
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(4, 1));
    EXPECT_TRUE(m_pGrid->GetSelectedCellRange() == CQCellRange(4, 1, 4, 5));
    EXPECT_EQ(5, m_pGrid->GetSelectedCount());

    Click(Mid(0, 0));
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(1, 1));
    EXPECT_EQ(55, m_pGrid->GetSelectedCount());
}

TEST_F(GridInputTest, ListModeClicksSelectWholeRows)
{
    m_pGrid->SetListMode(TRUE);
    Down(Mid(3, 2));
    EXPECT_EQ(MOUSE_SELECT_ROW, m_pGrid->GetMouseMode());
    Move(Mid(4, 4));
    Up(Mid(4, 4));
    EXPECT_TRUE(m_pGrid->GetSelectedCellRange() == CQCellRange(3, 1, 4, 5));
    EXPECT_EQ(10, m_pGrid->GetSelectedCount());
}

TEST_F(GridInputTest, DisabledSelectionStillMovesTheFocus)
{
    m_pGrid->EnableSelection(FALSE);
    Click(Mid(2, 2));
    EXPECT_EQ("", m_pGrid->SelectedCells());
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(2, 2));
}

TEST_F(GridInputTest, ColumnSizingFollowsTheBoundaryPixels)
{
    // hovering in the header within 3 pixels right of the boundary between columns 1 and 2
    CPoint onBoundary = At(0, 2, 2, 10);
    Move(onBoundary, 0);
    EXPECT_EQ(MOUSE_OVER_COL_DIVIDE, m_pGrid->GetMouseMode());
    // a point further in is not on it
    Move(At(0, 2, 10, 10), 0);
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());
    // within 3 pixels left of the right edge
    Move(At(0, 2, 57, 10), 0);
    EXPECT_EQ(MOUSE_OVER_COL_DIVIDE, m_pGrid->GetMouseMode());
    // the left edge of column 0 is no boundary
    Move(CPoint(1, 10), 0);
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());

    Move(onBoundary, 0);
    Down(onBoundary);
    EXPECT_EQ(MOUSE_SIZING_COL, m_pGrid->GetMouseMode());
    EXPECT_TRUE(m_pGrid->ClickDownCell() == CQCellID(0, 1));   // the column left of the boundary
    CPoint left1 = At(0, 1, 0, 0);
    CPoint release(left1.x + 95, 10);
    Move(release);
    Up(release);
    EXPECT_EQ(95, m_pGrid->GetColumnWidth(1));
    EXPECT_EQ(60, m_pGrid->GetColumnWidth(2));
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());

    // a width of 0 is accepted
    onBoundary = At(0, 3, 1, 5);
    Move(onBoundary, 0);
    Down(onBoundary);
    CPoint left2 = At(0, 2, 0, 0);
    Up(CPoint(left2.x, 5));
    EXPECT_EQ(0, m_pGrid->GetColumnWidth(2));

    // press and release at the same point leave the size alone
    onBoundary = At(0, 4, 57, 5);
    Move(onBoundary, 0);
    Down(onBoundary);
    Up(onBoundary);
    EXPECT_EQ(60, m_pGrid->GetColumnWidth(4));

    // no sizing when column resizing is off
    m_pGrid->SetColumnResize(FALSE);
    Move(At(0, 2, 57, 10), 0);
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());
}

TEST_F(GridInputTest, RowSizingFollowsTheBoundaryPixels)
{
    CPoint onBoundary = At(3, 0, 10, 1);   // just below the top edge of row 3
    Move(onBoundary, 0);
    EXPECT_EQ(MOUSE_OVER_ROW_DIVIDE, m_pGrid->GetMouseMode());
    Down(onBoundary);
    EXPECT_EQ(MOUSE_SIZING_ROW, m_pGrid->GetMouseMode());
    EXPECT_TRUE(m_pGrid->ClickDownCell() == CQCellID(2, 0));
    CPoint top2 = At(2, 0, 0, 0);
    Move(CPoint(10, top2.y + 33));
    Up(CPoint(10, top2.y + 33));
    EXPECT_EQ(33, m_pGrid->GetRowHeight(2));
    EXPECT_EQ(20, m_pGrid->GetRowHeight(3));

    // the bottom edge of a row
    onBoundary = At(4, 0, 10, 18);
    Move(onBoundary, 0);
    Down(onBoundary);
    EXPECT_TRUE(m_pGrid->ClickDownCell() == CQCellID(4, 0));
    Up(CPoint(10, At(4, 0, 0, 0).y + 12));
    EXPECT_EQ(12, m_pGrid->GetRowHeight(4));

    m_pGrid->SetRowResize(FALSE);
    Move(At(5, 0, 10, 1), 0);
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());
}

TEST_F(GridInputTest, DoubleClickOnABoundaryAutoSizes)
{
    m_pGrid->SetItemText(2, 1, L"a rather long text that needs a much wider column");
    m_pGrid->SetItemText(2, 0, L"first\nsecond\nthird");
    m_pGrid->SetItemFormat(2, 0, DT_LEFT | DT_WORDBREAK);
    CPoint onBoundary = At(0, 2, 1, 5);
    // down, up, the move the platform makes after the capture ends, double click, up
    Move(onBoundary, 0);
    Click(onBoundary);
    Move(onBoundary, 0);
    EXPECT_EQ(MOUSE_OVER_COL_DIVIDE, m_pGrid->GetMouseMode());
    m_pGrid->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(onBoundary.x, onBoundary.y));
    Up(onBoundary);
    int nWide = m_pGrid->GetColumnWidth(1);
    EXPECT_GT(nWide, 60);
    EXPECT_EQ(60, m_pGrid->GetColumnWidth(2));
    m_pGrid->SetColumnWidth(1, 60);
    m_pGrid->AutoSizeColumn(1);
    EXPECT_EQ(nWide, m_pGrid->GetColumnWidth(1));

    onBoundary = At(3, 0, 10, 1);
    Move(onBoundary, 0);
    Click(onBoundary);
    Move(onBoundary, 0);
    EXPECT_EQ(MOUSE_OVER_ROW_DIVIDE, m_pGrid->GetMouseMode());
    m_pGrid->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(onBoundary.x, onBoundary.y));
    Up(onBoundary);
    int nHigh = m_pGrid->GetRowHeight(2);
    EXPECT_EQ(20, m_pGrid->GetRowHeight(3));
    m_pGrid->SetRowHeight(2, 20);
    m_pGrid->AutoSizeRow(2);
    EXPECT_EQ(nHigh, m_pGrid->GetRowHeight(2));
    EXPECT_NE(20, nHigh);
}

TEST_F(GridInputTest, DoubleClickOnACellStartsAnEdit)
{
    Click(Mid(2, 3));
    m_pGrid->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(Mid(2, 3).x, Mid(2, 3).y));
    EXPECT_EQ(std::vector<std::vector<int>>({{2, 3, 1}}), m_pGrid->m_edits);
    Up(Mid(2, 3));
    m_pGrid->m_edits.clear();

    // a double click on a header edits nothing
    Click(Mid(0, 3));
    m_pGrid->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(Mid(0, 3).x, Mid(0, 3).y));
    EXPECT_TRUE(m_pGrid->m_edits.empty());
}

TEST_F(GridInputTest, CursorFollowsTheMode)
{
    CPoint onBoundary = At(0, 2, 1, 5);
    Move(onBoundary, 0);
    EXPECT_TRUE(m_pGrid->SendMessage(WM_SETCURSOR, (WPARAM)m_pGrid->GetSafeHwnd(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::LoadCursorW(NULL, IDC_SIZEWE), ::GetCursor());
    Move(At(3, 0, 10, 1), 0);
    m_pGrid->SendMessage(WM_SETCURSOR, (WPARAM)m_pGrid->GetSafeHwnd(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::LoadCursorW(NULL, IDC_SIZENS), ::GetCursor());
    Move(Mid(3, 3), 0);
    m_pGrid->SendMessage(WM_SETCURSOR, (WPARAM)m_pGrid->GetSafeHwnd(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::LoadCursorW(NULL, IDC_ARROW), ::GetCursor());
}

TEST_F(GridInputTest, LosingTheCaptureStopsTheAutoScrollTimer)
{
    Down(Mid(2, 2));
    EXPECT_NE(0u, m_pGrid->TimerId());
    ::SetCapture(s_hParent);   // another window takes the capture
    EXPECT_EQ(0u, m_pGrid->TimerId());
    ::ReleaseCapture();
    Up(Mid(2, 2));
}

TEST_F(GridInputTest, AutoScrollTimerMovesTheFocusTowardsThePointer)
{
    CRect window;
    m_pGrid->GetWindowRect(window);
    Down(Mid(2, 2));
    // the pointer below and right of the window
    ::SetCursorPos(window.right + 30, window.bottom + 30);
    CPoint cursor;
    ::GetCursorPos(&cursor);
    if (cursor.x != window.right + 30)
        GTEST_SKIP() << "the pointer cannot be moved on this display";
    m_pGrid->SendMessage(WM_TIMER, GV_TIMER_ID, 0);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(3, 3));
    m_pGrid->SendMessage(WM_TIMER, GV_TIMER_ID, 0);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(4, 4));
    EXPECT_TRUE(m_pGrid->Selected(2, 2));
    EXPECT_TRUE(m_pGrid->Selected(3, 3));
    // another timer id does nothing
    m_pGrid->SendMessage(WM_TIMER, GV_TIMER_ID + 1, 0);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(4, 4));
    Up(Mid(2, 2));
    ::SetCursorPos(0, 0);
}

TEST_F(GridInputTest, NotificationsGoToTheParentAndNeedAWindow)
{
    InputGrid* pSecond = MakeGrid(5, 4, 101, 320);
    ASSERT_NE(nullptr, pSecond);
    EXPECT_EQ(0, pSecond->SendMessageToParent(1, 1, GVN_SELCHANGED));
    EXPECT_EQ(Log({{GVN_SELCHANGED, 1, 1}}), Notes());
    CQGridCtrl noWindow;
    EXPECT_EQ(0, noWindow.SendMessageToParent(1, 1, GVN_SELCHANGED));
    EXPECT_EQ(Log(), Notes());
}

TEST_F(GridInputTest, ListModeHeaderClicksSortAscendingThenDescending)
{
    m_pGrid->SetRowCount(4);
    m_pGrid->SetListMode(TRUE);
    const wchar_t* col1[] = {L"b", L"c", L"a"};
    const wchar_t* col2[] = {L"2", L"1", L"3"};
    for (int i = 0; i < 3; i++)
    {
        m_pGrid->SetItemText(i + 1, 1, col1[i]);
        m_pGrid->SetItemText(i + 1, 2, col2[i]);
    }
    auto column = [this](int nCol) {
        CString out;
        for (int r = 1; r < 4; r++)
            out += m_pGrid->GetItemText(r, nCol);
        return out;
    };
    Click(Mid(0, 1));
    EXPECT_EQ(CString(L"abc"), column(1));
    Click(Mid(0, 1));
    EXPECT_EQ(CString(L"cba"), column(1));
    Click(Mid(0, 2));
    EXPECT_EQ(CString(L"123"), column(2));
    Click(Mid(0, 1));
    EXPECT_EQ(CString(L"abc"), column(1));
    // rows travel whole
    EXPECT_EQ(CString(L"321"), column(2));

    // with header sorting off a header click changes nothing
    m_pGrid->SetHeaderSort(FALSE);
    Click(Mid(0, 1));
    EXPECT_EQ(CString(L"abc"), column(1));
}
