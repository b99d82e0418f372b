// The cell store beyond what the seeded model checks: the selected set, cells replaced and cut, and
// refused input.
#include "gridprobe.h"

// A state set through the item record is stored as it is, outside the selected set (SetItemState,
// which keeps the set, is checked by the seeded model).
TEST(GridCells, ItemStateThroughTheRecordBypassesTheSelectedSet)
{
    CGridProbe grid(3, 3);
    GV_ITEM item;
    item.row = 1;
    item.col = 2;
    item.mask = GV_MASK_STATE;
    item.state = GV_STATE_SELECTED;
    item.data = 5;
    ASSERT_TRUE(grid.SetItem(&item));
    EXPECT_EQ((UINT)GV_STATE_SELECTED, grid.GetItemState(1, 2));
    EXPECT_EQ(0, grid.GetItemData(1, 2)); // only the masked fields are taken
    EXPECT_EQ(0, grid.GetSelectedCount());
    EXPECT_FALSE(grid.GetItem(NULL) || grid.SetItem(NULL));
    EXPECT_TRUE(grid.Consistent());
}

TEST(GridCells, OutsideTheGridGettersAnswerZeroAndSettersChangeNothing)
{
    CGridProbe grid(2, 2);
    const int bad[][2] = {{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {INT_MIN, INT_MAX}};
    LOGFONTW lf = grid.FontDescription();
    for (auto& rc : bad)
    {
        int r = rc[0], c = rc[1];
        SCOPED_TRACE(testing::Message() << r << "," << c);
        EXPECT_TRUE(grid.GetItemText(r, c).IsEmpty() && grid.GetCellListType(r, c).IsEmpty());
        EXPECT_EQ(0u, grid.GetItemState(r, c) | grid.GetItemFormat(r, c) | grid.GetItemBkColour(r, c) |
                          grid.GetItemFgColour(r, c) | grid.GetCellStyle(r, c));
        EXPECT_TRUE(grid.GetItemImage(r, c) == -1 && grid.GetItemData(r, c) == 0);
        EXPECT_TRUE(grid.GetItemFont(r, c) == NULL && grid.GetCell(r, c) == NULL);
        EXPECT_FALSE(grid.SetItemText(r, c, L"x") || grid.SetItemState(r, c, 1) ||
                     grid.SetItemFormat(r, c, 1) || grid.SetItemImage(r, c, 1) || grid.SetItemData(r, c, 1) ||
                     grid.SetItemBkColour(r, c, 1) || grid.SetItemFgColour(r, c, 1) ||
                     grid.SetItemFont(r, c, &lf) || grid.SetCell(r, c, NULL));
        grid.SetCellStyle(r, c, 3);
        grid.SetCellListType(r, c, L"t");
        CStringArray items;
        items.Add(L"kept");
        grid.SetCellListArray(r, c, items);
        grid.GetCellListArray(r, c, items); // does nothing, not even emptying
        ASSERT_EQ(1, items.GetSize());
    }
    EXPECT_EQ(4, grid.m_nCreated);
    EXPECT_FALSE(grid.SetItemFont(0, 0, NULL));
    EXPECT_TRUE(grid.SetItemText(1, 0, NULL) && grid.GetItemText(1, 0).IsEmpty());
    grid.SetCellStyle(1, 1, 9); // out-of-range styles read as 0
    EXPECT_EQ(0u, grid.GetCellStyle(1, 1));
    EXPECT_FALSE(grid.SetRowCount(-1) || grid.SetColumnCount(-5) || grid.SetFixedRowCount(-1) ||
                 grid.SetFixedColumnCount(INT_MIN) || grid.DeleteRow(2) || grid.DeleteColumn(INT_MIN));
    EXPECT_TRUE(grid.InsertRow(L"x", 2) == -1 && grid.InsertColumn(L"x", 0, INT_MAX) == -1);
    EXPECT_FALSE(grid.SetColumnWidth(0, -1) || grid.SetColumnWidth(2, 10) || grid.SetRowHeight(-1, 10));
    EXPECT_TRUE(grid.GetRowCount() == 2 && grid.GetColumnCount() == 2 && grid.m_nEmptied == 0);
}

// SetCell leaves the old cell to the caller; cutting empties the editable selected cells only.
TEST(GridCells, SetCellKeepsTheOldCellAndCutEmptiesTheEditableSelection)
{
    CGridProbe cut(3, 3);
    CQGridCell* pOld = cut.GetCell(1, 1);
    CQGridCell* pNew = new CQGridCell;
    pNew->m_strText = L"swapped";
    EXPECT_TRUE(cut.SetCell(1, 1, pNew));
    pOld->m_strText = L"still alive";
    delete pOld;
    cut.SetItemState(1, 1, GV_STATE_SELECTED | GV_STATE_READONLY);
    cut.SetItemState(2, 2, GV_STATE_SELECTED);
    cut.CutSelectedText();
    EXPECT_EQ(1, cut.GetSelectedCount()); // the read-only cell stays
    EXPECT_TRUE(cut.GetItemText(1, 1) == L"swapped" && cut.GetItemState(2, 2) == 0 && cut.GetModified());
    EXPECT_EQ(1, cut.m_nEmptied);
    EXPECT_TRUE(cut.Consistent());
}
