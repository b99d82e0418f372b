// The cell store: construction, cell creation, the item record and single-property access.
#include "gridtest.h"

namespace
{
// A grid that supplies its own texts: GetItem must ask it.
class TextSupplyingGrid : public CQGridCtrl
{
public:
    TextSupplyingGrid() : CQGridCtrl(3, 3) {}
    CString GetItemText(int nRow, int nCol) const override
    {
        CString s;
        s.Format(L"r%dc%d", nRow, nCol);
        return s;
    }
};

LOGFONTW MessageFont()
{
    NONCLIENTMETRICSW ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    return ncm.lfMessageFont;
}
}  // namespace

TEST(GridConstruction, SettingsAndShapeAfterConstruction)
{
    TestGrid grid(6, 4, 1, 2);
    EXPECT_EQ(6, grid.GetRowCount());
    EXPECT_EQ(4, grid.GetColumnCount());
    EXPECT_EQ(1, grid.GetFixedRowCount());
    EXPECT_EQ(2, grid.GetFixedColumnCount());
    for (int row = 0; row < 6; row++)
        EXPECT_EQ(30, grid.GetRowHeight(row));
    for (int col = 0; col < 4; col++)
        EXPECT_EQ(grid.DefaultColumnWidth(), grid.GetColumnWidth(col));
    EXPECT_GT(grid.DefaultColumnWidth(), 0);

    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), grid.GetTextColor());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), grid.GetTextBkColor());
    EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), grid.GetBkColor());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), grid.GetFixedTextColor());
    EXPECT_EQ(::GetSysColor(COLOR_3DFACE), grid.GetFixedBkColor());
    EXPECT_EQ(RGB(0, 0, 0), grid.GetGridColor());
    EXPECT_EQ(GVL_BOTH, grid.GetGridLines());
    EXPECT_TRUE(grid.IsEditable());
    EXPECT_FALSE(grid.GetModified());
    EXPECT_FALSE(grid.GetDragAndDrop());
    EXPECT_FALSE(grid.GetListMode());
    EXPECT_TRUE(grid.IsSelectable());
    EXPECT_TRUE(grid.GetHeaderSort());
    EXPECT_TRUE(grid.GetHandleTabKey());
    EXPECT_TRUE(grid.GetDoubleBuffering());
    EXPECT_TRUE(grid.GetTitleTips());
    EXPECT_TRUE(grid.GetRowResize());
    EXPECT_TRUE(grid.GetColumnResize());
    EXPECT_EQ(NULL, grid.GetImageList());
    EXPECT_EQ(0, grid.GetMouseMode());
    EXPECT_TRUE(grid.GetFocusCell() == CQCellID(-1, -1));
    EXPECT_EQ(0, grid.GetSelectedCount());

    LOGFONTW lf = MessageFont();
    EXPECT_STREQ(lf.lfFaceName, grid.FontDescription().lfFaceName);
    EXPECT_EQ(lf.lfHeight, grid.FontDescription().lfHeight);
    EXPECT_EQ(0, memcmp(&grid.FontDescription(), grid.GetItemFont(5, 3), sizeof(LOGFONTW)));
}

TEST(GridConstruction, DynamicCreationMakesAnEmptyGrid)
{
    CObject* pObject = RUNTIME_CLASS(CQGridCtrl)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CQGridCtrl)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    CQGridCtrl* pGrid = static_cast<CQGridCtrl*>(pObject);
    EXPECT_EQ(0, pGrid->GetRowCount());
    EXPECT_EQ(0, pGrid->GetColumnCount());
    delete pGrid;
}

TEST(GridConstruction, RowsPerWheelNotchFollowTheDesktopSetting)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, NULL, 0,
                                               KEY_ALL_ACCESS, NULL, &hKey, NULL));
    wchar_t old[128] = L"";
    DWORD cbOld = sizeof(old);
    bool hadOld = ::RegQueryValueExW(hKey, L"WheelScrollLines", NULL, NULL, (LPBYTE)old, &cbOld) == ERROR_SUCCESS;

    const wchar_t seven[] = L"7";
    ::RegSetValueExW(hKey, L"WheelScrollLines", 0, REG_SZ, (const BYTE*)seven, sizeof(seven));
    EXPECT_EQ(7u, TestGrid().RowsPerWheelNotch());
    ::RegDeleteValueW(hKey, L"WheelScrollLines");
    EXPECT_EQ(3u, TestGrid().RowsPerWheelNotch());

    if (hadOld)
        ::RegSetValueExW(hKey, L"WheelScrollLines", 0, REG_SZ, (const BYTE*)old, cbOld);
    ::RegCloseKey(hKey);
}

TEST(GridCells, NewCellsInheritTheFormatFromAboveExceptRowAndColumnZero)
{
    TestGrid grid(3, 3);
    grid.SetItemFormat(2, 2, DT_RIGHT | DT_SINGLELINE);
    grid.SetItemFormat(2, 0, DT_CENTER);
    grid.SetItemFormat(0, 1, DT_CENTER);
    grid.SetRowCount(5);
    EXPECT_EQ((UINT)(DT_RIGHT | DT_SINGLELINE), grid.GetItemFormat(3, 2));
    EXPECT_EQ((UINT)(DT_RIGHT | DT_SINGLELINE), grid.GetItemFormat(4, 2));   // from the new row 3
    EXPECT_EQ(0u, grid.GetItemFormat(3, 0));

    // New columns are made row by row, each copying the cell just made above it; row 0 keeps 0.
    grid.SetItemFormat(0, 2, DT_CENTER);
    grid.SetColumnCount(4);
    for (int row = 0; row < 5; row++)
        EXPECT_EQ(0u, grid.GetItemFormat(row, 3));

    // InsertRow copies the formats of the row above the new one.
    grid.SetItemFormat(1, 1, DT_BOTTOM);
    EXPECT_EQ(2, grid.InsertRow(L"new", 2));
    EXPECT_EQ((UINT)DT_BOTTOM, grid.GetItemFormat(2, 1));
    EXPECT_EQ(0u, grid.GetItemFormat(2, 0));

    // A new cell gets fresh defaults apart from format and font.
    GV_ITEM item;
    item.row = 2;
    item.col = 1;
    item.mask = GV_MASK_STATE | GV_MASK_IMAGE | GV_MASK_DATA | GV_MASK_BKCOLOUR | GV_MASK_FGCOLOUR;
    ASSERT_TRUE(grid.GetItem(&item));
    EXPECT_EQ(0u, item.state);
    EXPECT_EQ(-1, item.image);
    EXPECT_EQ(0, item.data);
    EXPECT_EQ(GV_CLR_DEFAULT, item.bkColour);
    EXPECT_EQ(GV_CLR_DEFAULT, item.fgColour);
    EXPECT_EQ(0u, grid.GetCellStyle(2, 1));
    EXPECT_TRUE(grid.GetCellListType(2, 1).IsEmpty());
}

TEST(GridCells, ItemRecordCopiesExactlyTheMaskedFields)
{
    TestGrid grid(3, 3);
    grid.SetItemText(1, 1, L"old");
    grid.SetItemData(1, 1, 99);

    GV_ITEM item;
    item.row = 1;
    item.col = 1;
    item.mask = GV_MASK_TEXT;
    item.text = L"new";
    item.data = 5;
    item.image = 3;
    item.state = GV_STATE_READONLY;
    ASSERT_TRUE(grid.SetItem(&item));
    EXPECT_EQ(CString(L"new"), grid.GetItemText(1, 1));
    EXPECT_EQ(99, grid.GetItemData(1, 1));
    EXPECT_EQ(-1, grid.GetItemImage(1, 1));
    EXPECT_EQ(0u, grid.GetItemState(1, 1));

    // mask 0 fills nothing but succeeds
    GV_ITEM out;
    out.row = 1;
    out.col = 1;
    out.mask = 0;
    out.text = L"untouched";
    out.data = -7;
    EXPECT_TRUE(grid.GetItem(&out));
    EXPECT_EQ(CString(L"untouched"), out.text);
    EXPECT_EQ(-7, out.data);

    // every field round-trips, the font as a whole description
    GV_ITEM all;
    all.row = 2;
    all.col = 0;
    all.mask = 0xFF;
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
    GV_ITEM back;
    back.row = 2;
    back.col = 0;
    back.mask = 0xFF;
    ASSERT_TRUE(grid.GetItem(&back));
    EXPECT_EQ(all.state, back.state);
    EXPECT_EQ(all.format, back.format);
    EXPECT_EQ(all.text, back.text);
    EXPECT_EQ(all.image, back.image);
    EXPECT_EQ(all.bkColour, back.bkColour);
    EXPECT_EQ(all.fgColour, back.fgColour);
    EXPECT_EQ(all.data, back.data);
    EXPECT_EQ(0, memcmp(&all.font, &back.font, sizeof(LOGFONTW)));

    // null records and cells outside the grid fail
    EXPECT_FALSE(grid.GetItem(NULL));
    EXPECT_FALSE(grid.SetItem(NULL));
    back.row = 3;
    EXPECT_FALSE(grid.GetItem(&back));
    back.row = -1;
    EXPECT_FALSE(grid.SetItem(&back));
}

TEST(GridCells, ItemStateThroughTheRecordBypassesTheSelectedSet)
{
    TestGrid grid(3, 3);
    GV_ITEM item;
    item.row = 1;
    item.col = 2;
    item.mask = GV_MASK_STATE;
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
}

TEST(GridCells, TextsComeFromTheVirtualAccessor)
{
    TextSupplyingGrid grid;
    GV_ITEM item;
    item.row = 2;
    item.col = 1;
    item.mask = GV_MASK_TEXT;
    ASSERT_TRUE(grid.GetItem(&item));
    EXPECT_EQ(CString(L"r2c1"), item.text);
}

TEST(GridCells, OutsideTheGridGettersAnswerZeroAndSettersChangeNothing)
{
    TestGrid grid(2, 2);
    const int bad[][2] = {{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {INT_MIN, INT_MAX}};
    LOGFONTW lf = grid.FontDescription();
    for (auto& rc : bad)
    {
        int r = rc[0], c = rc[1];
        EXPECT_TRUE(grid.GetItemText(r, c).IsEmpty());
        EXPECT_EQ(0u, grid.GetItemState(r, c));
        EXPECT_EQ(0u, grid.GetItemFormat(r, c));
        EXPECT_EQ(-1, grid.GetItemImage(r, c));
        EXPECT_EQ(0, grid.GetItemData(r, c));
        EXPECT_EQ(0u, grid.GetItemBkColour(r, c));
        EXPECT_EQ(0u, grid.GetItemFgColour(r, c));
        EXPECT_EQ(NULL, grid.GetItemFont(r, c));
        EXPECT_EQ(0u, grid.GetCellStyle(r, c));
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
        grid.GetCellListArray(r, c, items);   // does nothing, not even emptying
        ASSERT_EQ(1, items.GetSize());
    }
    for (int r = 0; r < 2; r++)
        for (int c = 0; c < 2; c++)
        {
            EXPECT_TRUE(grid.GetItemText(r, c).IsEmpty());
            EXPECT_EQ(0u, grid.GetCellStyle(r, c));
        }
    EXPECT_FALSE(grid.SetItemFont(0, 0, NULL));
}

TEST(GridCells, SingleProperties)
{
    TestGrid grid(2, 2);
    EXPECT_TRUE(grid.SetItemText(1, 1, L"text"));
    EXPECT_TRUE(grid.SetItemText(1, 0, NULL));
    EXPECT_TRUE(grid.SetItemImage(1, 1, 7));
    EXPECT_TRUE(grid.SetItemData(1, 1, -5));
    EXPECT_TRUE(grid.SetItemBkColour(1, 1, RGB(9, 8, 7)));
    EXPECT_TRUE(grid.SetItemFgColour(1, 1, RGB(1, 1, 1)));
    EXPECT_TRUE(grid.SetItemFormat(1, 1, DT_LEFT | DT_WORDBREAK));
    EXPECT_EQ(CString(L"text"), grid.GetItemText(1, 1));
    EXPECT_TRUE(grid.GetItemText(1, 0).IsEmpty());
    EXPECT_EQ(7, grid.GetItemImage(1, 1));
    EXPECT_EQ(-5, grid.GetItemData(1, 1));
    EXPECT_EQ(RGB(9, 8, 7), grid.GetItemBkColour(1, 1));
    EXPECT_EQ(RGB(1, 1, 1), grid.GetItemFgColour(1, 1));
    EXPECT_EQ((UINT)(DT_LEFT | DT_WORDBREAK), grid.GetItemFormat(1, 1));

    // the font getter hands out the cell's own description
    LOGFONTW* pFont = grid.GetItemFont(1, 1);
    ASSERT_NE(nullptr, pFont);
    pFont->lfItalic = TRUE;
    EXPECT_TRUE(grid.GetItemFont(1, 1)->lfItalic);
    EXPECT_FALSE(grid.GetItemFont(0, 1)->lfItalic);
    LOGFONTW lf = *pFont;
    lf.lfHeight = -40;
    EXPECT_TRUE(grid.SetItemFont(0, 1, &lf));
    EXPECT_EQ(0, memcmp(&lf, grid.GetItemFont(0, 1), sizeof(lf)));
}

TEST(GridCells, EditorStyleListTypeAndChoices)
{
    TestGrid grid(2, 2);
    grid.SetCellStyle(1, 1, 8);
    EXPECT_EQ(8u, grid.GetCellStyle(1, 1));
    grid.SetCellStyle(1, 1, 9);
    EXPECT_EQ(0u, grid.GetCellStyle(1, 1));
    grid.SetCellStyle(1, 1, 0xFFFFFFFF);
    EXPECT_EQ(0u, grid.GetCellStyle(1, 1));

    grid.SetCellListType(1, 1, L"列表");
    EXPECT_EQ(CString(L"列表"), grid.GetCellListType(1, 1));

    grid.SetItemText(1, 1, L"old");
    CStringArray choices;
    choices.Add(L"Choice 1");
    choices.Add(L"Choice 2");
    choices.Add(L"Choice 3");
    grid.SetCellListArray(1, 1, choices);
    EXPECT_EQ(CString(L"Choice 1"), grid.GetItemText(1, 1));
    choices.SetAt(0, L"changed");   // the cell keeps its own copy

    CStringArray out;
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

TEST(GridCells, EditableNeedsTheGridFlagAndNoReadOnlyState)
{
    TestGrid grid(2, 2);
    CQCellID cell(1, 1);
    EXPECT_TRUE(grid.IsCellEditable(1, 1));
    grid.SetItemState(1, 1, GV_STATE_READONLY | GV_STATE_SELECTED);
    EXPECT_FALSE(grid.IsCellEditable(cell));
    grid.SetItemState(1, 1, GV_STATE_SELECTED);
    EXPECT_TRUE(grid.IsCellEditable(cell));
    grid.SetEditable(FALSE);
    EXPECT_FALSE(grid.IsCellEditable(1, 1));
}

TEST(GridCells, SetCellReplacesTheSlotWithoutDeletingTheOldCell)
{
    TestGrid grid(2, 2);
    CQGridCell* pOld = grid.GetCell(1, 1);
    const int nLive = CountedCell::s_nLive;
    CountedCell* pNew = new CountedCell;
    pNew->m_strText = L"swapped";
    EXPECT_TRUE(grid.SetCell(1, 1, pNew));
    EXPECT_EQ(CString(L"swapped"), grid.GetItemText(1, 1));
    EXPECT_EQ(nLive + 1, CountedCell::s_nLive);   // the one taken out still lives
    delete pOld;
    EXPECT_EQ(nLive, CountedCell::s_nLive);
}

TEST(GridCells, EmptyCellLeavesTheSelectionAndDropsTheText)
{
    TestGrid grid(3, 3);
    grid.SetItemText(1, 1, L"gone");
    grid.SetItemState(1, 1, GV_STATE_SELECTED | GV_STATE_READONLY);
    grid.SetItemData(1, 1, 42);
    ASSERT_EQ(1, grid.GetSelectedCount());
    grid.SetEditable(TRUE);
    grid.SetItemState(2, 2, GV_STATE_SELECTED);
    grid.CutSelectedText();   // empties editable selected cells through EmptyCell
    EXPECT_EQ(1, grid.GetSelectedCount());   // the read-only cell stays
    EXPECT_EQ(CString(L"gone"), grid.GetItemText(1, 1));
    EXPECT_EQ(0u, grid.GetItemState(2, 2));
    EXPECT_TRUE(grid.GetModified());
    EXPECT_EQ(1, grid.m_nEmptied);
}
