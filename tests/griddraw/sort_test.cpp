// Sorting rows by text and by item data: whole rows move with their heights and every property of
// their cells, and the result is exactly that of the grid's quicksort (checked against a model on
// random grids).
#include "gridprobe.h"

#include <random>
#include <string>

namespace
{

// A grid whose rows carry their identity: column 0 holds "id<n>", the item data of column 0 is n
// and the row's height is 10 + n.
void Label(CQGridCtrl& grid, int row, int id)
{
    CString s;
    s.Format(L"id%d", id);
    grid.SetItemText(row, 0, s);
    grid.SetItemData(row, 0, id);
    grid.SetRowHeight(row, 10 + id);
}

int IdOf(CQGridCtrl& grid, int row)
{
    return (int)grid.GetItemData(row, 0);
}

std::vector<int> Ids(CQGridCtrl& grid)
{
    std::vector<int> ids;
    for (int row = 0; row < grid.GetRowCount(); row++)
        ids.push_back(IdOf(grid, row));
    return ids;
}

// The grid's quicksort on plain (key, id) pairs: what the rows must look like afterwards.
void ModelSort(std::vector<std::pair<CString, int>>& v, bool bAscending, int low, int high)
{
    if (high <= low)
        return;
    const CString pivot = v[(low + high) / 2].first;
    int lo = low, hi = high;
    auto below = [&](const CString& s) { return bAscending ? s.Compare(pivot) < 0 : s.Compare(pivot) > 0; };
    auto above = [&](const CString& s) { return bAscending ? s.Compare(pivot) > 0 : s.Compare(pivot) < 0; };
    while (lo <= hi)
    {
        while (lo < high && below(v[lo].first))
            ++lo;
        while (hi > low && above(v[hi].first))
            --hi;
        if (lo <= hi)
        {
            if (v[lo].first.Compare(v[hi].first) != 0)
                std::swap(v[lo], v[hi]);
            ++lo;
            --hi;
        }
    }
    if (low < hi)
        ModelSort(v, bAscending, low, hi);
    if (lo < high)
        ModelSort(v, bAscending, lo, high);
}

std::vector<std::tuple<LPARAM, LPARAM, LPARAM>> g_compares;

int CALLBACK CompareData(LPARAM a, LPARAM b, LPARAM data)
{
    g_compares.emplace_back(a, b, data);
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

// Every property of every cell of a row goes with the row, and its height too; fixed rows and the
// column widths stay.
TEST(GridSortTest, TextSortMovesWholeRowsBothWays)
{
    CGridProbe grid(4, 3, 1, 1);
    const wchar_t* keys[] = {L"head", L"b", L"a", L"c"};
    // the cells are moved, not copied (checked by address), so a few properties show the rest
    auto setRow = [&](int row)
    {
        Label(grid, row, row);
        grid.SetItemData(row, 2, row * 10);
        grid.SetItemState(row, 2, GV_STATE_READONLY | (row << 8));
        grid.SetItemText(row, 1, keys[row]);
        grid.SetItemText(row, 2, CString(L"x") + keys[row]);
    };
    auto checkRow = [&](int row, int id)
    {
        SCOPED_TRACE(testing::Message() << "row " << row << " should be id " << id);
        EXPECT_EQ(id, IdOf(grid, row));
        EXPECT_EQ(10 + id, grid.GetRowHeight(row));
        EXPECT_EQ(CString(keys[id]), grid.GetItemText(row, 1));
        EXPECT_EQ(CString(L"x") + keys[id], grid.GetItemText(row, 2));
        EXPECT_EQ(id * 10, grid.GetItemData(row, 2));
        EXPECT_EQ(GV_STATE_READONLY | (UINT)(id << 8), grid.GetItemState(row, 2));
    };
    for (int row = 0; row < 4; row++)
        setRow(row);
    grid.SetColumnWidth(1, 77);
    CQGridCell* pCellOfB = grid.GetCell(1, 2);

    const int ascending[] = {0, 2, 1, 3}, descending[] = {0, 3, 1, 2};
    EXPECT_TRUE(grid.SortTextItems(1, TRUE));
    for (int row = 0; row < 4; row++)
        checkRow(row, ascending[row]);
    EXPECT_EQ(pCellOfB, grid.GetCell(2, 2)) << "cells are moved, not copied";
    EXPECT_EQ(77, grid.GetColumnWidth(1));
    EXPECT_TRUE(grid.Consistent());
    EXPECT_TRUE(grid.SortTextItems(1, FALSE));
    for (int row = 0; row < 4; row++)
        checkRow(row, descending[row]);
    EXPECT_TRUE(grid.Consistent());
}

// Data sort: the caller's comparison on item data, its LPARAM passed unchanged to every call.
TEST(GridSortTest, DataSortUsesTheCallersComparison)
{
    CGridProbe grid(8, 2, 1, 0);
    const LPARAM values[] = {50, -3, 7, 7, 1000000000000LL, 0, -3};
    for (int i = 0; i < 7; i++)
    {
        Label(grid, i + 1, i + 1);
        grid.SetItemData(i + 1, 1, values[i]);
    }
    g_compares.clear();
    EXPECT_TRUE(grid.SortItems(CompareData, 1, TRUE, 0x123456789ALL));
    ASSERT_FALSE(g_compares.empty());
    for (auto& c : g_compares)
        EXPECT_EQ(0x123456789ALL, std::get<2>(c));

    std::vector<LPARAM> order;
    for (int row = 1; row < 8; row++)
    {
        order.push_back(grid.GetItemData(row, 1));
        EXPECT_EQ(10 + IdOf(grid, row), grid.GetRowHeight(row));
        EXPECT_EQ(values[IdOf(grid, row) - 1], grid.GetItemData(row, 1));
    }
    EXPECT_EQ((std::vector<LPARAM>{-3, -3, 0, 7, 7, 50, 1000000000000LL}), order);

    EXPECT_TRUE(grid.Consistent());
}

// Random grids sorted by random keys from a small alphabet (many equal keys, upper and lower case:
// the comparison is ordinal and case-sensitive): the rows end exactly where the grid's quicksort
// puts them, with their heights, and the store stays consistent.
TEST(GridSortTest, RandomGridsMatchTheModel)
{
    for (unsigned seed = 1; seed <= 60; seed++)
    {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 rng(seed);
        const int nRows = std::uniform_int_distribution<int>(0, 70)(rng);
        const int nFixed = std::uniform_int_distribution<int>(0, std::min(2, nRows))(rng);
        const int nKeyLen = std::uniform_int_distribution<int>(0, 2)(rng);
        CGridProbe grid(nRows, 3, nFixed, 1);

        std::vector<std::pair<CString, int>> model;
        for (int row = 0; row < nRows; row++)
        {
            Label(grid, row, row);
            CString key;
            for (int i = 0; i < nKeyLen; i++)
                key += (wchar_t)(L"aAb"[std::uniform_int_distribution<int>(0, 2)(rng)]);
            grid.SetItemText(row, 2, key);
            model.emplace_back(key, row);
        }
        if (nRows > nFixed)
        {
            grid.SetSelectedRange(nFixed, 1, nRows - 1, 2);
            grid.SetFocusCell(nRows - 1, 1);
        }

        const bool bAscending = (seed % 2) == 1;
        const BOOL bResult = grid.SortTextItems(2, bAscending);
        EXPECT_EQ(nRows - 1 > nFixed, bResult != FALSE);
        ModelSort(model, bAscending, nFixed, nRows - 1);

        for (int row = 0; row < nRows; row++)
        {
            ASSERT_EQ(model[row].second, IdOf(grid, row)) << "row " << row;
            ASSERT_EQ(model[row].first, grid.GetItemText(row, 2));
            ASSERT_EQ(10 + model[row].second, grid.GetRowHeight(row));
        }
        for (int row = nFixed + 1; row < nRows; row++)
            ASSERT_TRUE(bAscending ? grid.GetItemText(row - 1, 2).Compare(grid.GetItemText(row, 2)) <= 0
                                   : grid.GetItemText(row - 1, 2).Compare(grid.GetItemText(row, 2)) >= 0);
        EXPECT_TRUE(grid.Consistent());
        EXPECT_EQ(0, grid.GetSelectedCount());
        EXPECT_EQ(CQCellID(-1, -1), grid.GetFocusCell());
    }
}
