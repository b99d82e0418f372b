// The cell store: construction, cell creation, the item record and single-property access.
#include "gridtest.h"

TEST(GridCells, ConstructionSettingsShapeAndFont)
{
    // (sizes of new rows and columns are checked against the seeded model)
    CQGridCtrl grid(6, 4, 1, 2);
    EXPECT_TRUE(grid.GetRowCount() == 6 && grid.GetColumnCount() == 4);
    EXPECT_TRUE(grid.GetFixedRowCount() == 1 && grid.GetFixedColumnCount() == 2);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), grid.GetTextColor());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), grid.GetTextBkColor());
    EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), grid.GetBkColor());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), grid.GetFixedTextColor());
    EXPECT_EQ(::GetSysColor(COLOR_3DFACE), grid.GetFixedBkColor());
    EXPECT_EQ(RGB(0, 0, 0), grid.GetGridColor());
    EXPECT_EQ(GVL_BOTH, grid.GetGridLines());
    EXPECT_TRUE(grid.IsEditable() && grid.IsSelectable() && grid.GetHeaderSort() && grid.GetHandleTabKey() &&
                grid.GetDoubleBuffering() && grid.GetTitleTips() && grid.GetRowResize() &&
                grid.GetColumnResize());
    EXPECT_FALSE(grid.GetModified() || grid.GetDragAndDrop() || grid.GetListMode());
    EXPECT_TRUE(grid.GetFocusCell() == CQCellID(-1, -1));

    NONCLIENTMETRICSW ncm = {sizeof(ncm)};
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    EXPECT_STREQ(ncm.lfMessageFont.lfFaceName, grid.GetItemFont(5, 3)->lfFaceName);
    EXPECT_EQ(ncm.lfMessageFont.lfHeight, grid.GetItemFont(5, 3)->lfHeight);

    CObject* pObject = RUNTIME_CLASS(CQGridCtrl)->CreateObject(); // dynamic creation: an empty grid
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(0, static_cast<CQGridCtrl*>(pObject)->GetRowCount() +
                     static_cast<CQGridCtrl*>(pObject)->GetColumnCount());
    delete pObject;
}

TEST(GridCells, ItemRecordCopiesExactlyTheMaskedFields)
{
    TestGrid grid(3, 3);
    grid.SetItemFormat(2, 2, DT_BOTTOM);
    grid.SetRowCount(4); // a new cell: fresh defaults apart from the format (from above) and the font
    GV_ITEM item = ItemOf(3, 2, 0xFF);
    ASSERT_TRUE(grid.GetItem(&item));
    EXPECT_EQ(0u, item.state);
    EXPECT_EQ((UINT)DT_BOTTOM, item.format);
    EXPECT_TRUE(item.text.IsEmpty());
    EXPECT_EQ(-1, item.image);
    EXPECT_EQ(0, item.data);
    EXPECT_EQ(GV_CLR_DEFAULT, item.bkColour);
    EXPECT_EQ(GV_CLR_DEFAULT, item.fgColour);
    EXPECT_EQ(0u, grid.GetCellStyle(3, 2));
    EXPECT_TRUE(grid.GetCellListType(3, 2).IsEmpty());

    grid.SetItemData(1, 1, 99);
    item = ItemOf(1, 1, GV_MASK_TEXT);
    item.text = L"new";
    item.data = 5;
    item.image = 3;
    item.state = GV_STATE_READONLY;
    ASSERT_TRUE(grid.SetItem(&item));
    EXPECT_EQ(CString(L"new"), grid.GetItemText(1, 1));
    EXPECT_EQ(99, grid.GetItemData(1, 1));
    EXPECT_EQ(-1, grid.GetItemImage(1, 1));
    EXPECT_EQ(0u, grid.GetItemState(1, 1));

    GV_ITEM out = ItemOf(1, 1, 0); // mask 0 fills nothing but succeeds
    out.text = L"untouched";
    out.data = -7;
    EXPECT_TRUE(grid.GetItem(&out));
    EXPECT_EQ(CString(L"untouched"), out.text);
    EXPECT_EQ(-7, out.data);

    // every field round-trips, the font as a whole description
    GV_ITEM all = ItemOf(2, 0, 0xFF);
    all.state = 0x1234 & ~GV_STATE_SELECTED;
    all.format = DT_RIGHT;
    all.text = L"全部";
    all.image = 4;
    all.bkColour = RGB(1, 2, 3);
    all.fgColour = RGB(4, 5, 6);
    all.data = (LPARAM)0x123456789ABCLL;
    memset(&all.font, 0, sizeof(all.font));
    all.font.lfHeight = -21;
    all.font.lfWeight = 700;
    wcscpy(all.font.lfFaceName, L"Arial");
    ASSERT_TRUE(grid.SetItem(&all));
    GV_ITEM back = ItemOf(2, 0, 0xFF);
    ASSERT_TRUE(grid.GetItem(&back));
    EXPECT_EQ(all.state, back.state);
    EXPECT_EQ(all.format, back.format);
    EXPECT_EQ(all.text, back.text);
    EXPECT_EQ(all.image, back.image);
    EXPECT_EQ(all.bkColour, back.bkColour);
    EXPECT_EQ(all.fgColour, back.fgColour);
    EXPECT_EQ(all.data, back.data);
    EXPECT_EQ(0, memcmp(&all.font, &back.font, sizeof(LOGFONTW)));
    // the single-property getters read the same fields
    EXPECT_EQ(4, grid.GetItemImage(2, 0));
    EXPECT_EQ(all.data, grid.GetItemData(2, 0));
    EXPECT_EQ(RGB(1, 2, 3), grid.GetItemBkColour(2, 0));
    EXPECT_EQ(RGB(4, 5, 6), grid.GetItemFgColour(2, 0));

    // the single-property setters write the same fields
    EXPECT_TRUE(grid.SetItemImage(0, 2, 7) && grid.SetItemBkColour(0, 2, RGB(9, 8, 7)) &&
                grid.SetItemFgColour(0, 2, RGB(1, 1, 1)) && grid.SetItemFormat(0, 2, DT_WORDBREAK));
    back = ItemOf(0, 2, 0xFF);
    ASSERT_TRUE(grid.GetItem(&back));
    EXPECT_TRUE(back.image == 7 && back.bkColour == RGB(9, 8, 7) && back.fgColour == RGB(1, 1, 1) &&
                back.format == DT_WORDBREAK);

    // null records and cells outside the grid fail
    EXPECT_FALSE(grid.GetItem(NULL) || grid.SetItem(NULL));
    back.row = 4;
    EXPECT_FALSE(grid.GetItem(&back));
    back.row = -1;
    EXPECT_FALSE(grid.SetItem(&back));
}

TEST(GridCells, TextsComeFromTheVirtualAccessor)
{
    struct TextSupplyingGrid : CQGridCtrl
    {
        TextSupplyingGrid() : CQGridCtrl(3, 3) {}
        CString GetItemText(int nRow, int nCol) const override
        {
            CString s;
            s.Format(L"r%dc%d", nRow, nCol);
            return s;
        }
    } grid;
    GV_ITEM item = ItemOf(2, 1, GV_MASK_TEXT);
    ASSERT_TRUE(grid.GetItem(&item));
    EXPECT_EQ(CString(L"r2c1"), item.text);
}

TEST(GridCells, ItemStateThroughTheRecordBypassesTheSelectedSet)
{
    TestGrid grid(3, 3);
    GV_ITEM item = ItemOf(1, 2, GV_MASK_STATE);
    item.state = GV_STATE_SELECTED;
    ASSERT_TRUE(grid.SetItem(&item));
    EXPECT_EQ((UINT)GV_STATE_SELECTED, grid.GetItemState(1, 2));
    EXPECT_EQ(0, grid.GetSelectedCount());

    // SetItemState keeps the set; other bits are stored unchanged
    EXPECT_TRUE(grid.SetItemState(0, 0, GV_STATE_SELECTED | 0x100));
    EXPECT_EQ(1, grid.GetSelectedCount());
    EXPECT_TRUE(grid.InSelectedSet(0, 0));
    EXPECT_EQ((UINT)(GV_STATE_SELECTED | 0x100), grid.GetItemState(0, 0));
    EXPECT_TRUE(grid.SetItemState(0, 0, GV_STATE_SELECTED | GV_STATE_READONLY));
    EXPECT_EQ(1, grid.GetSelectedCount());
    EXPECT_TRUE(grid.SetItemState(0, 0, GV_STATE_FOCUSED));
    EXPECT_EQ(0, grid.GetSelectedCount());
    EXPECT_FALSE(grid.SetItemState(3, 0, GV_STATE_SELECTED));
    EXPECT_EQ(0, grid.GetSelectedCount());

    // editable needs the grid flag and no read-only state
    CQCellID cell(1, 1);
    EXPECT_TRUE(grid.IsCellEditable(1, 1));
    grid.SetItemState(1, 1, GV_STATE_READONLY | GV_STATE_SELECTED);
    EXPECT_FALSE(grid.IsCellEditable(cell));
    grid.SetItemState(1, 1, GV_STATE_SELECTED);
    EXPECT_TRUE(grid.IsCellEditable(cell));
    grid.SetEditable(FALSE);
    EXPECT_FALSE(grid.IsCellEditable(1, 1));
}

TEST(GridCells, OutsideTheGridGettersAnswerZeroAndSettersChangeNothing)
{
    TestGrid grid(2, 2);
    const int bad[][2] = {{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {INT_MIN, INT_MAX}};
    LOGFONTW lf = grid.FontDescription();
    for (auto& rc : bad)
    {
        int r = rc[0], c = rc[1];
        SCOPED_TRACE(testing::Message() << r << "," << c);
        EXPECT_TRUE(grid.GetItemText(r, c).IsEmpty());
        EXPECT_EQ(0u, grid.GetItemState(r, c) | grid.GetItemFormat(r, c) | grid.GetItemBkColour(r, c) |
                          grid.GetItemFgColour(r, c) | grid.GetCellStyle(r, c));
        EXPECT_EQ(-1, grid.GetItemImage(r, c));
        EXPECT_EQ(0, grid.GetItemData(r, c));
        EXPECT_EQ(NULL, grid.GetItemFont(r, c));
        EXPECT_TRUE(grid.GetCellListType(r, c).IsEmpty());
        EXPECT_EQ(NULL, grid.GetCell(r, c));

        EXPECT_FALSE(grid.SetItemText(r, c, L"x"));
        EXPECT_FALSE(grid.SetItemState(r, c, 1));
        EXPECT_FALSE(grid.SetItemFormat(r, c, 1));
        EXPECT_FALSE(grid.SetItemImage(r, c, 1));
        EXPECT_FALSE(grid.SetItemData(r, c, 1));
        EXPECT_FALSE(grid.SetItemBkColour(r, c, 1));
        EXPECT_FALSE(grid.SetItemFgColour(r, c, 1));
        EXPECT_FALSE(grid.SetItemFont(r, c, &lf));
        EXPECT_FALSE(grid.SetCell(r, c, NULL));
        grid.SetCellStyle(r, c, 3);
        grid.SetCellListType(r, c, L"t");
        CStringArray items;
        items.Add(L"kept");
        grid.SetCellListArray(r, c, items);
        grid.GetCellListArray(r, c, items); // does nothing, not even emptying
        ASSERT_EQ(1, items.GetSize());
    }
    for (int r = 0; r < 2; r++)
        for (int c = 0; c < 2; c++)
            EXPECT_TRUE(grid.GetItemText(r, c).IsEmpty() && grid.GetCellStyle(r, c) == 0);
    EXPECT_FALSE(grid.SetItemFont(0, 0, NULL));
    EXPECT_TRUE(grid.SetItemText(1, 0, NULL));
    EXPECT_TRUE(grid.GetItemText(1, 0).IsEmpty());
}

TEST(GridCells, FontStyleListTypeAndChoices)
{
    TestGrid grid(2, 2);
    LOGFONTW* pFont = grid.GetItemFont(1, 1); // the cell's own description
    ASSERT_NE(nullptr, pFont);
    pFont->lfItalic = TRUE;
    EXPECT_TRUE(grid.GetItemFont(1, 1)->lfItalic);
    EXPECT_FALSE(grid.GetItemFont(0, 1)->lfItalic);
    LOGFONTW lf = *pFont;
    lf.lfHeight = -40;
    EXPECT_TRUE(grid.SetItemFont(0, 1, &lf));
    EXPECT_EQ(0, memcmp(&lf, grid.GetItemFont(0, 1), sizeof(lf)));

    const UINT styles[][2] = {{8, 8}, {9, 0}, {0xFFFFFFFF, 0}}; // out-of-range styles read as 0
    for (auto& s : styles)
    {
        grid.SetCellStyle(1, 1, s[0]);
        EXPECT_EQ(s[1], grid.GetCellStyle(1, 1)) << s[0];
    }
    grid.SetCellListType(1, 1, L"列表");
    EXPECT_EQ(CString(L"列表"), grid.GetCellListType(1, 1));

    grid.SetItemText(1, 1, L"old");
    CStringArray choices, out;
    choices.Add(L"Choice 1");
    choices.Add(L"Choice 2");
    choices.Add(L"Choice 3");
    grid.SetCellListArray(1, 1, choices);
    EXPECT_EQ(CString(L"Choice 1"), grid.GetItemText(1, 1));
    choices.SetAt(0, L"changed"); // the cell keeps its own copy
    out.Add(L"stale");
    grid.GetCellListArray(1, 1, out);
    ASSERT_EQ(3, out.GetSize());
    EXPECT_EQ(CString(L"Choice 1"), out[0]);
    EXPECT_EQ(CString(L"Choice 3"), out[2]);
    CStringArray none;
    grid.SetCellListArray(1, 1, none);
    EXPECT_TRUE(grid.GetItemText(1, 1).IsEmpty());
    grid.GetCellListArray(1, 1, out);
    EXPECT_EQ(0, out.GetSize());
}

TEST(GridCells, SetCellKeepsTheOldCellAndEmptyCellKeepsTheSelection)
{
    TestGrid grid(3, 3);
    CQGridCell* pOld = grid.GetCell(1, 1);
    const int nLive = CountedCell::s_nLive;
    CountedCell* pNew = new CountedCell;
    pNew->m_strText = L"swapped";
    EXPECT_TRUE(grid.SetCell(1, 1, pNew));
    EXPECT_EQ(CString(L"swapped"), grid.GetItemText(1, 1));
    EXPECT_EQ(nLive + 1, CountedCell::s_nLive); // the one taken out still lives
    delete pOld;
    EXPECT_EQ(nLive, CountedCell::s_nLive);

    grid.SetItemState(1, 1, GV_STATE_SELECTED | GV_STATE_READONLY);
    grid.SetItemState(2, 2, GV_STATE_SELECTED);
    ASSERT_EQ(2, grid.GetSelectedCount());
    grid.CutSelectedText();                // empties editable selected cells through EmptyCell
    EXPECT_EQ(1, grid.GetSelectedCount()); // the read-only cell stays
    EXPECT_EQ(CString(L"swapped"), grid.GetItemText(1, 1));
    EXPECT_EQ(0u, grid.GetItemState(2, 2));
    EXPECT_TRUE(grid.GetModified());
    EXPECT_EQ(1, grid.m_nEmptied);
}
