// In-place editing: when an edit starts, which editor it gets, what the grid does with the record
// its editor sends, and records that come from elsewhere.
#include "edit.h"

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
    Type(L"25");
    EXPECT_EQ(L"725", Text(hEdit));
    EXPECT_FALSE(m_pGrid->GetModified());

    Press(VK_RETURN, L'\r');
    EXPECT_EQ(Ended(1, 1, 13, "725"), TakeLog());
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
    EXPECT_EQ((HWND)NULL, Editor());
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
    CStringArray items;
    items.Add(L"one");
    items.Add(L"two");
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.style);
        m_pGrid->SetCellStyle(2, 1, c.style);
        m_pGrid->SetCellListArray(2, 1, items);
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
    EXPECT_EQ((HWND)NULL, Editor());
}

// Records that do not come from an editor over this grid, or name no cell of it, change nothing.
TEST_F(GridEditTest, StrayRecordsAreIgnored)
{
    GV_DISPINFO info;
    info.hdr = {Parent()->GetSafeHwnd(), IDC_INPLACE_CONTROL, (UINT)GVN_ENDLABELEDIT};
    info.iRow = info.iColumn = 1;
    info.nFlags = GV_ENDEDIT_FLAGS;
    info.strText = L"stray";
    info.nLastKey = VK_DOWN;
    m_pGrid->SendMessage(WM_NOTIFY, IDC_INPLACE_CONTROL, (LPARAM)&info);

    CStatic child;
    ASSERT_TRUE(child.Create(L"", WS_CHILD, CRect(0, 0, 5, 5), m_pGrid.get(), IDC_INPLACE_CONTROL));
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
