// The editor windows themselves: caret placement by the first key, the number filters, growth,
// the list and combo editors, key routing past the parent's navigation, the combo grid and the
// button's dots.
#include "editfixture.h"

// The first key decides the caret: Backspace deletes the last character, a space and the
// characters up to '(' select everything without being typed; Home and End stay in the editor.
TEST_F(GridEditTest, FirstKeyPlacesTheCaret)
{
    const struct
    {
        UINT key;
        const wchar_t* text;
        int start, end;
    } cases[] = {{VK_BACK, L"r1c", 3, 3}, {VK_RETURN, L"r1c1", 4, 4}, {L' ', L"r1c1", 0, 4},
                 {L'!', L"r1c1", 0, 4},   {L'(', L"r1c1", 0, 4},      {L')', L")", 1, 1}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.key);
        m_pGrid->SetItemText(1, 1, L"r1c1");
        m_pGrid->OnEditCell(1, 1, c.key);
        EXPECT_EQ(c.text, Text(Editor()));
        EXPECT_EQ(std::make_pair(c.start, c.end), Sel(Editor()));
        Press(VK_HOME);
        Press(VK_END);
        ASSERT_NE((HWND)NULL, Editor());
        EXPECT_EQ(std::make_pair(c.end, c.end), Sel(Editor()));
        Refocus();
        EXPECT_EQ(CString(c.text), m_pGrid->GetItemText(1, 1));
    }
}

// The numeric editor filters characters as a number field does, from the first key on.
TEST_F(GridEditTest, NumericEditorFiltersCharacters)
{
    m_pGrid->SetCellStyle(2, 2, 1);
    m_pGrid->SetFocusCell(2, 2);
    Press('X', L'x'); // refused: the old text stays selected
    EXPECT_EQ(L"r2c2", Text(Editor()));
    Type(L"5a.5e-3x.");
    Press(VK_RETURN, L'\r');
    EXPECT_EQ(L"5.5e-3", m_pGrid->GetItemText(2, 2));

    m_pGrid->SetCellStyle(3, 2, 2);
    m_pGrid->SetItemText(3, 2, L"");
    m_pGrid->SetModified(FALSE);
    m_pGrid->OnEditCell(3, 2, VK_LBUTTON);
    Type(L"-4-");
    EXPECT_EQ(L"-4", Text(Editor()));
    Press(VK_ESCAPE, 27);
    EXPECT_EQ(L"", m_pGrid->GetItemText(3, 2));
    EXPECT_FALSE(m_pGrid->GetModified());
}

// The text editor widens to the right with its text, but not past the grid's client area.
TEST_F(GridEditTest, EditorGrowsWithItsText)
{
    m_pGrid->SetFocusCell(1, 3);
    Press('A', L'a');
    CRect rcStart, rc, rcGrid;
    ::GetWindowRect(Editor(), rcStart);
    Type(L"aaaaaaaaaaaaaaaaaa");
    ::GetWindowRect(Editor(), rc);
    EXPECT_GT(rc.Width(), rcStart.Width());
    EXPECT_EQ(rcStart.left, rc.left);
    Type(L"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa");
    ::GetWindowRect(Editor(), rc);
    m_pGrid->GetClientRect(rcGrid);
    m_pGrid->ClientToScreen(rcGrid);
    EXPECT_EQ(rcGrid.right, rc.right);
    Press(VK_RETURN, L'\r');
    EXPECT_EQ(95, m_pGrid->GetItemText(1, 3).GetLength());
}

// The drop-down list shows the cell's choice; keys pick another, Escape goes back, Ctrl with an
// arrow ends and moves on.
TEST_F(GridEditTest, DropDownListEditor)
{
    for (int r = 1; r <= 2; r++)
    {
        m_pGrid->SetCellStyle(r, 1, 3);
        m_pGrid->SetCellListArray(r, 1, Items({L"one", L"two", L"three"}));
    }
    m_pGrid->SetItemText(1, 1, L"three");
    m_pGrid->SetFocusCell(1, 1);
    m_pGrid->OnEditCell(1, 1, VK_LBUTTON);
    HWND hList = Editor();
    ASSERT_NE((HWND)NULL, hList);
    EXPECT_EQ(hList, ::GetFocus());
    EXPECT_EQ(2, (int)::SendMessageW(hList, CB_GETCURSEL, 0, 0));
    Press(VK_UP);
    EXPECT_EQ(L"two", Text(hList));
    Press(VK_ESCAPE, 27);
    EXPECT_EQ(Ended(1, 1, 27, "three"), TakeLog());
    EXPECT_FALSE(m_pGrid->GetModified());

    m_pGrid->SetItemText(1, 1, L"not a choice");
    m_pGrid->OnEditCell(1, 1, VK_LBUTTON);
    EXPECT_EQ(0, (int)::SendMessageW(Editor(), CB_GETCURSEL, 0, 0));
    Press(VK_DOWN);
    Press(VK_DOWN, 0, true);
    EXPECT_EQ(Ended(1, 1, 40, "two") + Log{"begin 2,1"}, TakeLog());
    EXPECT_TRUE(m_pGrid->GetModified());
    Press(VK_RETURN, L'\r');
    EXPECT_EQ(Ended(2, 1, 13, "one", false), TakeLog());
    EXPECT_EQ(0, ChildCount());
}

// The combo editor types into its edit field: a typed first key replaces the text, and with the
// numbers-only flag (style 5) only a number can be typed.
TEST_F(GridEditTest, ComboEditorTypesIntoItsEditField)
{
    m_pGrid->SetCellStyle(1, 1, 4);
    m_pGrid->SetCellListArray(1, 1, Items({L"10", L"20"}));
    m_pGrid->SetFocusCell(1, 1);
    Press('Q', L'q');
    HWND hEdit = ::GetFocus();
    ASSERT_EQ(Editor(), ::GetParent(hEdit));
    EXPECT_EQ(IDC_COMBOEDIT, ::GetDlgCtrlID(hEdit));
    EXPECT_EQ(std::make_pair(1, 1), Sel(hEdit));
    Type(L"r s");
    Press(VK_LEFT); // moves the caret: the combo ends only with Ctrl
    ASSERT_NE((HWND)NULL, Editor());
    Press(VK_TAB, L'\t');
    EXPECT_EQ(Ended(1, 1, 9, "qr s"), TakeLog());

    m_pGrid->SetCellStyle(2, 1, 5);
    m_pGrid->SetCellListArray(2, 1, Items({L"10", L"20"}));
    m_pGrid->SetItemText(2, 1, L"");
    m_pGrid->SetFocusCell(2, 1);
    m_pGrid->OnEditCell(2, 1, VK_LBUTTON);
    Type(L"-12.5.-x+");
    EXPECT_EQ(L"-12.5", Text(::GetFocus()));
    Press(VK_HOME);
    Type(L"-+");
    EXPECT_EQ(L"-12.5", Text(::GetFocus()));
    Press(VK_DELETE);
    Type(L"+");
    Press(VK_RIGHT, 0, true);
    EXPECT_EQ(Ended(2, 1, 39, "+12.5") + Log{"begin 2,2"}, TakeLog());
    Refocus();
    EXPECT_EQ(0, ChildCount());
}

// Key messages go to the editor and never reach the surrounding window's navigation; Alt
// characters are swallowed.
TEST_F(GridEditTest, EditorKeepsKeysFromTheParent)
{
    m_pGrid->OnEditCell(1, 1, VK_LBUTTON);
    HWND hEdit = Editor();
    ASSERT_NE((HWND)NULL, hEdit);
    g_hostKeysSeen = 0;
    ::PostMessageW(hEdit, WM_KEYDOWN, VK_TAB, 1);
    ::PostMessageW(hEdit, WM_KEYUP, VK_TAB, 0xC0000001);
    Pump();
    EXPECT_EQ(0, g_hostKeysSeen);
    EXPECT_EQ(Ended(1, 1, 9, "r1c1"), TakeLog());

    // Without an editor the grid's keys pass the parent.
    ::PostMessageW(m_pGrid->GetSafeHwnd(), WM_KEYDOWN, VK_DOWN, 1);
    Pump();
    EXPECT_EQ(1, g_hostKeysSeen);

    m_pGrid->OnEditCell(1, 2, VK_LBUTTON);
    CWnd* pEditor = CWnd::FromHandlePermanent(Editor());
    ASSERT_NE(nullptr, pEditor);
    MSG msg = {Editor(), WM_SYSCHAR, L'f', 0};
    EXPECT_TRUE(pEditor->PreTranslateMessage(&msg));
    msg.message = WM_CHAR;
    EXPECT_FALSE(pEditor->PreTranslateMessage(&msg));
    Refocus();
}

// The combo grid edits its text cells with a combo box of five choices.
TEST_F(GridEditTest, ComboGridOffersFiveChoices)
{
    CQComboGridCtrl grid;
    ASSERT_TRUE(grid.Create(CRect(0, 200, 400, 290), m_pGrid->GetParent(), 101));
    grid.SetRowCount(3);
    grid.SetColumnCount(3);
    grid.SetItemText(1, 1, L"Choice 4");
    grid.OnEditCell(1, 1, VK_LBUTTON);
    HWND hCombo = ::GetDlgItem(grid.GetSafeHwnd(), IDC_INPLACE_CONTROL);
    ASSERT_NE((HWND)NULL, hCombo);
    EXPECT_EQ((DWORD)CBS_DROPDOWN, (DWORD)::GetWindowLongW(hCombo, GWL_STYLE) & 0x3);
    ASSERT_EQ(5, (int)::SendMessageW(hCombo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(3, (int)::SendMessageW(hCombo, CB_GETCURSEL, 0, 0));
    Type(L"x");
    Press(VK_RETURN, L'\r');
    EXPECT_EQ(L"Choice 4x", grid.GetItemText(1, 1));
    EXPECT_TRUE(grid.GetModified());
    EXPECT_EQ((Log{"begin 1,1", "end 1,1"}), TakeLog());
    grid.DestroyWindow();
}

// The button editor's dots: three of them, side by side in the middle of the rectangle.
TEST(InPlaceButton, DrawsThreeDots)
{
    qtest::CPixelBuffer buf(40, 20);
    CQInplaceButton::DrawDots(buf.GetDC(), RGB(255, 0, 0), CRect(0, 0, 40, 20), 0);
    int blobs = 0;
    bool inDot = false;
    for (int x = 0; x < 40; x++)
    {
        const bool red = buf.GetPixel(x, 10) == RGB(255, 0, 0);
        blobs += red && !inDot;
        inDot = red;
    }
    EXPECT_EQ(3, blobs);
    EXPECT_EQ(RGB(255, 255, 255), buf.GetPixel(11, 3));
    EXPECT_EQ(RGB(255, 255, 255), buf.GetPixel(3, 10));
}
