// The grid's side of in-place editing: when an edit starts, which editor it gets, what the grid
// does with the record its editor sends, and how editing moves on with the navigation keys.
#include "editfixture.h"

// A typed character opens a text editor showing that character; Return stores the typed text,
// sets the modified flag and tells the parent, in this order. Escape does not store.
TEST_F(GridEditTest, TypedCharacterStartsAnEditThatReturnStores)
{
    m_pGrid->SetFocusCell(1, 1);
    Press('7', L'7');
    HWND hEdit = Editor();
    ASSERT_NE((HWND)NULL, hEdit);
    EXPECT_EQ(hEdit, ::GetFocus());
    EXPECT_TRUE(CWnd::FromHandlePermanent(hEdit)->IsKindOf(RUNTIME_CLASS(CQInPlaceEdit)));
    EXPECT_EQ(std::make_pair(1, 1), Sel(hEdit));
    Type(L"25");
    EXPECT_EQ(L"725", Text(hEdit));
    EXPECT_FALSE(m_pGrid->GetModified());

    Press(VK_RETURN, L'\r');
    EXPECT_EQ(Ended(1, 1, 13, "725"), TakeLog());
    ASSERT_EQ(1u, m_pGrid->records.size());
    EXPECT_EQ(GV_ENDEDIT_FLAGS, m_pGrid->records[0].flags);
    EXPECT_EQ(hEdit, m_pGrid->records[0].from);
    EXPECT_EQ(L"725", m_pGrid->GetItemText(1, 1));
    EXPECT_TRUE(m_pGrid->GetModified());
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(m_pGrid->GetSafeHwnd(), ::GetFocus());

    // Escape and an unchanged text report the initial text and leave the modified flag alone.
    m_pGrid->SetModified(FALSE);
    m_pGrid->SetFocusCell(1, 2);
    Press('Z', L'z');
    Press(VK_ESCAPE, 27);
    EXPECT_EQ(Ended(1, 2, 27, "r1c2"), TakeLog());
    m_pGrid->OnEditCell(1, 2, VK_LBUTTON);
    Press(VK_TAB, L'\t');
    EXPECT_EQ(Ended(1, 2, 9, "r1c2"), TakeLog());
    EXPECT_FALSE(m_pGrid->GetModified());
    EXPECT_EQ(0, ChildCount());
}

// A mouse start shows the old text with the caret at its end, and the arrows move the caret;
// Ctrl with an arrow ends it and edits the neighbour, whose text is then all selected.
TEST_F(GridEditTest, MouseStartKeepsTextAndArrowsMoveTheCaret)
{
    m_pGrid->SetFocusCell(2, 2);
    Click(2, 2);
    HWND hEdit = Editor();
    ASSERT_NE((HWND)NULL, hEdit);
    EXPECT_EQ(std::make_pair(4, 4), Sel(hEdit));
    Press(VK_LEFT);
    Press(VK_LEFT);
    EXPECT_EQ(hEdit, Editor());
    Type(L"X");
    EXPECT_EQ(L"r2Xc2", Text(hEdit));

    Press(VK_RIGHT, 0, true);
    EXPECT_EQ(Ended(2, 2, 39, "r2Xc2") + Log{"begin 2,3"}, TakeLog());
    EXPECT_EQ(CQCellID(2, 3), m_pGrid->GetFocusCell());
    ASSERT_NE((HWND)NULL, Editor());
    EXPECT_EQ(std::make_pair(0, 4), Sel(Editor()));
    // Started by a key: now a plain arrow ends the edit too.
    Press(VK_UP);
    EXPECT_EQ(Ended(2, 3, 38, "r2c3", false) + Log{"begin 1,3"}, TakeLog());
}

// Editing walks down the rows with the Down arrow; at the last row the same cell is edited again;
// Page Up jumps back to the first row.
TEST_F(GridEditTest, DownArrowContinuesToTheLastRow)
{
    m_pGrid->SetFocusCell(5, 1);
    Press('A', L'a');
    Press(VK_DOWN);
    Type(L"b");
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(Ended(5, 1, 40, "a") + Ended(6, 1, 40, "b") + Ended(7, 1, 40, "r7c1") + Log{"begin 7,1"},
              TakeLog());
    ASSERT_NE((HWND)NULL, Editor());
    Press(VK_PRIOR); // a page up from the top page goes to the first row
    EXPECT_EQ(Ended(7, 1, 33, "r7c1", false) + Log{"begin 1,1"}, TakeLog());
    EXPECT_EQ(CQCellID(1, 1), m_pGrid->GetFocusCell());
    Refocus();
    EXPECT_EQ(L"b", m_pGrid->GetItemText(6, 1));
    EXPECT_EQ(0, ChildCount());
}

// Read-only cells, a non-editable grid and cells out of range get no editor and no begin
// notification; a cell of editor style 7 is scrolled into view and announced, but gets no editor.
TEST_F(GridEditTest, CellsThatAreNotEdited)
{
    m_pGrid->SetItemState(1, 1, GV_STATE_READONLY);
    EXPECT_FALSE(m_pGrid->IsCellEditable(1, 1));
    m_pGrid->OnEditCell(1, 1, VK_LBUTTON);
    m_pGrid->SetEditable(FALSE);
    m_pGrid->OnEditCell(2, 2, 'x');
    m_pGrid->SetEditable(TRUE);
    m_pGrid->OnEditCell(-1, 2, 'x');
    m_pGrid->OnEditCell(2, 99, 'x');
    EXPECT_EQ(Log{}, TakeLog());

    m_pGrid->SetRowCount(40);
    m_pGrid->SetCellStyle(35, 2, 7);
    EXPECT_FALSE(m_pGrid->IsCellVisible(35, 2));
    m_pGrid->OnEditCell(35, 2, VK_LBUTTON);
    EXPECT_TRUE(m_pGrid->IsCellVisible(35, 2));
    EXPECT_EQ(Log{"begin 35,2"}, TakeLog());
    EXPECT_EQ(0, ChildCount());
}

// The editor's alignment follows the cell's format; right wins over centre.
TEST_F(GridEditTest, AlignmentFromTheFormat)
{
    const struct
    {
        UINT format;
        DWORD align;
    } cases[] = {
        {DT_LEFT, ES_LEFT}, {DT_CENTER, ES_CENTER}, {DT_RIGHT, ES_RIGHT}, {DT_CENTER | DT_RIGHT, ES_RIGHT}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.format);
        m_pGrid->SetItemFormat(3, 3, c.format | DT_SINGLELINE);
        m_pGrid->OnEditCell(3, 3, VK_LBUTTON);
        ASSERT_NE((HWND)NULL, Editor());
        EXPECT_EQ(c.align, (DWORD)::GetWindowLongW(Editor(), GWL_STYLE) & (ES_CENTER | ES_RIGHT));
        Refocus();
    }
}

// Each editor style makes its editor; the button (8) reports at once with key 0 and the text.
TEST_F(GridEditTest, EachEditorStyle)
{
    const struct
    {
        UINT style;
        CRuntimeClass* cls;
        DWORD combo;
    } cases[] = {{0, RUNTIME_CLASS(CQInPlaceEdit), 0},
                 {1, RUNTIME_CLASS(CQInPlaceNumEdit), 0},
                 {2, RUNTIME_CLASS(CQInPlaceNumEdit), 0},
                 {3, RUNTIME_CLASS(CQInPlaceList), CBS_DROPDOWNLIST},
                 {4, RUNTIME_CLASS(CQInPlaceList), CBS_DROPDOWN},
                 {5, RUNTIME_CLASS(CQInPlaceList), CBS_DROPDOWN},
                 {6, RUNTIME_CLASS(CQInPlaceList), CBS_DROPDOWNLIST}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.style);
        m_pGrid->SetCellStyle(2, 1, c.style);
        m_pGrid->SetCellListArray(2, 1, Items({L"one", L"two", L"three"}));
        m_pGrid->OnEditCell(2, 1, VK_LBUTTON);
        CWnd* pEditor = CWnd::FromHandlePermanent(Editor());
        ASSERT_NE(nullptr, pEditor);
        EXPECT_TRUE(pEditor->IsKindOf(c.cls));
        if (c.combo != 0)
        {
            EXPECT_EQ(c.combo, (DWORD)pEditor->GetStyle() & 0x3);
        }
        Refocus();
        EXPECT_EQ(Ended(2, 1, 0, "one"), TakeLog());
    }

    m_pGrid->SetCellStyle(2, 1, 8);
    m_pGrid->SetItemText(2, 1, L"...");
    m_pGrid->OnEditCell(2, 1, VK_LBUTTON);
    Refocus();
    EXPECT_EQ(Ended(2, 1, 0, "..."), TakeLog());
    EXPECT_FALSE(m_pGrid->GetModified());
    EXPECT_EQ(0, ChildCount());
}

// The editor ends when the grid takes the focus (a click on another cell, scrolling), with
// exactly one record and key 0; nothing follows when the focus moves again.
TEST_F(GridEditTest, FocusLossEndsWithOneRecord)
{
    m_pGrid->SetFocusCell(1, 1);
    Press('Q', L'q');
    Click(3, 3);
    Pump();
    EXPECT_EQ(Ended(1, 1, 0, "q"), TakeLog());
    EXPECT_TRUE(m_pGrid->GetModified());

    // Focus back on the editor and away again before its close message: still one record.
    m_pGrid->SetFocusCell(2, 2);
    m_pGrid->OnEditCell(2, 2, VK_LBUTTON);
    HWND hEdit = Editor();
    m_pGrid->SetFocus();
    ::SetFocus(hEdit);
    Refocus();
    EXPECT_EQ(Ended(2, 2, 0, "r2c2"), TakeLog());

    // A double click on another cell edits it from the mouse; scrolling ends that edit.
    Click(4, 4, true);
    ASSERT_NE((HWND)NULL, Editor());
    EXPECT_EQ(std::make_pair(4, 4), Sel(Editor()));
    Type(L"w");
    m_pGrid->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    Pump();
    ::SetFocus(NULL);
    HostWindow()->SetFocus();
    Pump();
    EXPECT_EQ(Ended(4, 4, 0, "r4c4w"), TakeLog());
    EXPECT_EQ(0, ChildCount());
}

// Many edits of every kind, ended every way, leave no editor object and no window behind; a
// grid destroyed in mid-edit takes its editor with it.
TEST_F(GridEditTest, EditorsFreeThemselves)
{
    m_pGrid->counted = true;
    for (int c = 1; c < 5; c++)
        for (int r = 1; r < 8; r++)
        {
            m_pGrid->SetCellStyle(r, c, (UINT)((r * 4 + c) % 9));
            if (m_pGrid->GetCellStyle(r, c) >= 3)
                m_pGrid->SetCellListArray(r, c, Items({L"a", L"b"}));
        }
    const struct
    {
        UINT vk;
        wchar_t ch;
    } ends[] = {{VK_RETURN, L'\r'}, {VK_ESCAPE, 27}, {VK_DOWN, 0}, {VK_TAB, L'\t'}, {0, 0}};
    for (int i = 0; i < 60; i++)
    {
        SCOPED_TRACE(i);
        const int r = 1 + i % 7, c = 1 + (i / 7) % 4;
        m_pGrid->SetFocusCell(r, c);
        m_pGrid->OnEditCell(r, c, (i % 2) ? 'k' : VK_LBUTTON);
        const auto& end = ends[i % 5];
        if (end.vk != 0)
            Press(end.vk, end.ch, end.vk == VK_DOWN);
        Pump();
        ASSERT_LE(ChildCount(), 1);
        Refocus();
        ASSERT_EQ(0, ChildCount());
        ASSERT_EQ(0, EditGrid::live);
    }
    EXPECT_GE(m_pGrid->records.size(), 50u);

    m_pGrid->OnEditCell(1, 1, VK_LBUTTON);
    ASSERT_EQ(1, ChildCount());
    m_pGrid->DestroyWindow();
    Pump();
    EXPECT_EQ(0, EditGrid::live);
}

// Records that do not come from an editor over this grid, or name no cell of it, change nothing.
TEST_F(GridEditTest, StrayRecordsAreIgnored)
{
    GV_DISPINFO info;
    info.hdr = {HostWindow()->GetSafeHwnd(), IDC_INPLACE_CONTROL, (UINT)GVN_ENDLABELEDIT};
    info.iRow = info.iColumn = 1;
    info.nFlags = GV_ENDEDIT_FLAGS;
    info.strText = L"stray";
    info.nLastKey = VK_DOWN;
    m_pGrid->SendMessage(WM_NOTIFY, IDC_INPLACE_CONTROL, (LPARAM)&info);

    CStatic child;
    ASSERT_TRUE(child.Create(L"", WS_CHILD, CRect(0, 0, 5, 5), m_pGrid, IDC_INPLACE_CONTROL));
    info.hdr.hwndFrom = child.GetSafeHwnd();
    for (int bad : {-1, 8, 5000, -70000})
    {
        info.iRow = bad;
        m_pGrid->SendMessage(WM_NOTIFY, IDC_INPLACE_CONTROL, (LPARAM)&info);
        info.iRow = 1;
        info.iColumn = bad;
        m_pGrid->SendMessage(WM_NOTIFY, IDC_INPLACE_CONTROL, (LPARAM)&info);
        info.iColumn = 1;
    }
    EXPECT_EQ(9u, TakeLog().size()); // the records only
    EXPECT_EQ(L"r1c1", m_pGrid->GetItemText(1, 1));
    EXPECT_FALSE(m_pGrid->GetModified());
    child.DestroyWindow();
}
