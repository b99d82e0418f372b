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
    EXPECT_EQ(0u, m_pGrid->TimerId()); // the auto-scroll timer ran only while the button was down
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
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(1, 3)); // into the first non-fixed row
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

TEST_F(GridInputTest, HoveringOverBoundaryPixelsSetsTheModeAndTheCursor)
{
    HCURSOR hWE = ::LoadCursorW(NULL, IDC_SIZEWE), hNS = ::LoadCursorW(NULL, IDC_SIZENS),
            hArrow = ::LoadCursorW(NULL, IDC_ARROW);
    const struct
    {
        CPoint pt;
        int mode;
        HCURSOR hCursor;
    } cases[] = {
        {At(0, 2, 2, 10), MOUSE_OVER_COL_DIVIDE, hWE},  // within 3 pixels right of a column boundary
        {At(0, 2, 10, 10), MOUSE_NOTHING, hArrow},      // further in
        {At(0, 2, 57, 10), MOUSE_OVER_COL_DIVIDE, hWE}, // within 3 pixels left of the right edge
        {CPoint(1, 10), MOUSE_NOTHING, hArrow},         // the left edge of column 0 is no boundary
        {At(3, 0, 10, 1), MOUSE_OVER_ROW_DIVIDE, hNS},  // just below the top edge of row 3
        {At(4, 0, 10, 18), MOUSE_OVER_ROW_DIVIDE, hNS}, // the bottom edge of a row
        {Mid(3, 3), MOUSE_NOTHING, hArrow},
    };
    for (const auto& c : cases)
    {
        Move(c.pt, 0);
        EXPECT_EQ(c.mode, m_pGrid->GetMouseMode()) << c.pt.x << ", " << c.pt.y;
        m_pGrid->SendMessage(WM_SETCURSOR, (WPARAM)m_pGrid->GetSafeHwnd(),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(c.hCursor, ::GetCursor()) << c.pt.x << ", " << c.pt.y;
    }
    // no sizing when it is off
    m_pGrid->SetColumnResize(FALSE);
    m_pGrid->SetRowResize(FALSE);
    Move(At(0, 2, 57, 10), 0);
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());
    Move(At(5, 0, 10, 1), 0);
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());
}

TEST_F(GridInputTest, DraggingABoundarySizesTheRowOrColumnBeforeIt)
{
    CPoint onBoundary = At(0, 2, 2, 10);
    Move(onBoundary, 0);
    Down(onBoundary);
    EXPECT_EQ(MOUSE_SIZING_COL, m_pGrid->GetMouseMode());
    EXPECT_TRUE(m_pGrid->ClickDownCell() == CQCellID(0, 1)); // the column left of the boundary
    CPoint release(At(0, 1, 0, 0).x + 95, 10);
    Move(release);
    Up(release);
    EXPECT_EQ(95, m_pGrid->GetColumnWidth(1));
    EXPECT_EQ(60, m_pGrid->GetColumnWidth(2));
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());

    onBoundary = At(0, 3, 1, 5); // a width of 0 is accepted
    Move(onBoundary, 0);
    Down(onBoundary);
    Up(CPoint(At(0, 2, 0, 0).x, 5));
    EXPECT_EQ(0, m_pGrid->GetColumnWidth(2));
    onBoundary = At(0, 4, 57, 5); // press and release at the same point leave the size alone
    Move(onBoundary, 0);
    Down(onBoundary);
    Up(onBoundary);
    EXPECT_EQ(60, m_pGrid->GetColumnWidth(4));

    onBoundary = At(3, 0, 10, 1);
    Move(onBoundary, 0);
    Down(onBoundary);
    EXPECT_EQ(MOUSE_SIZING_ROW, m_pGrid->GetMouseMode());
    EXPECT_TRUE(m_pGrid->ClickDownCell() == CQCellID(2, 0));
    CPoint top2 = At(2, 0, 0, 0);
    Move(CPoint(10, top2.y + 33));
    Up(CPoint(10, top2.y + 33));
    EXPECT_EQ(33, m_pGrid->GetRowHeight(2));
    EXPECT_EQ(20, m_pGrid->GetRowHeight(3));
    onBoundary = At(4, 0, 10, 18); // the bottom edge of a row sizes that row
    Move(onBoundary, 0);
    Down(onBoundary);
    EXPECT_TRUE(m_pGrid->ClickDownCell() == CQCellID(4, 0));
    Up(CPoint(10, At(4, 0, 0, 0).y + 12));
    EXPECT_EQ(12, m_pGrid->GetRowHeight(4));
}

TEST_F(GridInputTest, DoubleClickOnABoundaryAutoSizes)
{
    m_pGrid->SetItemText(2, 1, L"a rather long text that needs a much wider column");
    m_pGrid->SetItemText(2, 0, L"first\nsecond\nthird");
    m_pGrid->SetItemFormat(2, 0, DT_LEFT | DT_WORDBREAK);
    for (bool bColumn : {true, false})
    {
        SCOPED_TRACE(bColumn ? "column" : "row");
        CPoint onBoundary = bColumn ? At(0, 2, 1, 5) : At(3, 0, 10, 1);
        // down, up, the move the platform makes after the capture ends, double click, up
        Move(onBoundary, 0);
        Click(onBoundary);
        Move(onBoundary, 0);
        EXPECT_EQ(bColumn ? MOUSE_OVER_COL_DIVIDE : MOUSE_OVER_ROW_DIVIDE, m_pGrid->GetMouseMode());
        m_pGrid->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(onBoundary.x, onBoundary.y));
        Up(onBoundary);
        // the size before the boundary is the auto size, the one after it stays
        int nSize = bColumn ? m_pGrid->GetColumnWidth(1) : m_pGrid->GetRowHeight(2);
        EXPECT_NE(nSize, bColumn ? 60 : 20);
        if (bColumn)
            EXPECT_GT(nSize, 60);
        EXPECT_EQ(bColumn ? 60 : 20, bColumn ? m_pGrid->GetColumnWidth(2) : m_pGrid->GetRowHeight(3));
        if (bColumn)
            m_pGrid->AutoSizeColumn(1);
        else
            m_pGrid->AutoSizeRow(2);
        EXPECT_EQ(nSize, bColumn ? m_pGrid->GetColumnWidth(1) : m_pGrid->GetRowHeight(2));
    }
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

TEST_F(GridInputTest, LosingTheCaptureStopsTheAutoScrollTimer)
{
    Down(Mid(2, 2));
    EXPECT_NE(0u, m_pGrid->TimerId());
    ::SetCapture(s_hParent); // another window takes the capture
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
    // (the pointer is put back before each tick: other programs on the display may move it)
    m_pGrid->SendMessage(WM_TIMER, GV_TIMER_ID, 0);
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID(3, 3));
    ::SetCursorPos(window.right + 30, window.bottom + 30);
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

// (the order of header sorts is checked with the sorting)
TEST_F(GridInputTest, ListModeHeaderClicksSortWholeRows)
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
    auto column = [this](int nCol)
    { return m_pGrid->GetItemText(1, nCol) + m_pGrid->GetItemText(2, nCol) + m_pGrid->GetItemText(3, nCol); };
    Click(Mid(0, 1));
    EXPECT_EQ(CString(L"abc"), column(1));
    EXPECT_EQ(CString(L"321"), column(2)); // rows travel whole
    Click(Mid(0, 1));
    EXPECT_EQ(CString(L"cba"), column(1));
}
