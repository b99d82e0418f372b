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

// The grid's quicksort on plain (key, id) pairs, cmp(a, b) < 0 when a sorts before b in ascending
// order: what the rows must look like afterwards.
template <class Key, class Cmp>
void ModelSort(std::vector<std::pair<Key, int>>& v, Cmp cmp, bool bAscending, int low, int high)
{
    if (high <= low)
        return;
    const Key pivot = v[(low + high) / 2].first;
    int lo = low, hi = high;
    auto below = [&](const Key& k) { return bAscending ? cmp(k, pivot) < 0 : cmp(k, pivot) > 0; };
    auto above = [&](const Key& k) { return bAscending ? cmp(k, pivot) > 0 : cmp(k, pivot) < 0; };
    while (lo <= hi)
    {
        while (lo < high && below(v[lo].first))
            ++lo;
        while (hi > low && above(v[hi].first))
            --hi;
        if (lo <= hi)
        {
            if (cmp(v[lo].first, v[hi].first) != 0)
                std::swap(v[lo], v[hi]);
            ++lo;
            --hi;
        }
    }
    if (low < hi)
        ModelSort(v, cmp, bAscending, low, hi);
    if (lo < high)
        ModelSort(v, cmp, bAscending, lo, high);
}

// Row r holds the row of id model[r].second, with its height and its key read(r) == model[r].first.
template <class Key, class Read>
::testing::AssertionResult RowsAre(CQGridCtrl& grid, const std::vector<std::pair<Key, int>>& model, Read read)
{
    for (int row = 0; row < (int)model.size(); row++)
        if (IdOf(grid, row) != model[row].second || grid.GetRowHeight(row) != 10 + model[row].second ||
            !(read(row) == model[row].first))
            return ::testing::AssertionFailure()
                   << "row " << row << " holds id " << IdOf(grid, row) << " instead of " << model[row].second;
    return ::testing::AssertionSuccess();
}

const LPARAM kCallerData = 0x123456789ALL;
bool g_bOtherData = false; // a comparison got another LPARAM than the caller's

int CALLBACK CompareData(LPARAM a, LPARAM b, LPARAM data)
{
    g_bOtherData |= data != kCallerData;
    return a < b ? -1 : (a > b ? 1 : 0);
}
} // namespace

// A sort exchanges whole rows: the cell objects of every column (so everything in them) and the
// heights; fixed rows and column widths stay.
TEST(GridSortTest, ASortMovesWholeRows)
{
    CGridProbe grid(4, 3, 1, 1);
    const wchar_t* keys[] = {L"head", L"b", L"a", L"c"};
    for (int row = 0; row < 4; row++)
    {
        Label(grid, row, row);
        grid.SetItemText(row, 1, keys[row]);
        grid.SetItemState(row, 2, GV_STATE_READONLY | (row << 8));
    }
    grid.SetColumnWidth(1, 77);
    const CQGridCell* pCellsOfB[] = {grid.GetCell(1, 0), grid.GetCell(1, 1), grid.GetCell(1, 2)};
    EXPECT_FALSE(grid.SortTextItems(3, TRUE)); // no such column
    EXPECT_TRUE(grid.SortTextItems(1, TRUE));
    const int ascending[] = {0, 2, 1, 3};
    for (int row = 0; row < 4; row++)
    {
        EXPECT_EQ(ascending[row], IdOf(grid, row));
        EXPECT_EQ(10 + ascending[row], grid.GetRowHeight(row));
        EXPECT_EQ(GV_STATE_READONLY | (UINT)(ascending[row] << 8), grid.GetItemState(row, 2));
    }
    for (int col = 0; col < 3; col++)
        EXPECT_EQ(pCellsOfB[col], grid.GetCell(2, col)) << "cells are moved, not copied";
    EXPECT_EQ(77, grid.GetColumnWidth(1));
    EXPECT_TRUE(grid.Consistent());
}

// Random grids sorted by random keys from a small alphabet (many equal keys, upper and lower case:
// the comparison is ordinal and case-sensitive), then by item data through the caller's comparison:
// the rows end exactly where the grid's quicksort puts them, with their heights, no selection and
// no focus is left, and the caller's LPARAM reaches every comparison unchanged.
TEST(GridSortTest, RandomGridsMatchTheModel)
{
    const LPARAM kValues[] = {50, -3, 7, 0, 1000000000000LL};
    for (unsigned seed = 1; seed <= 60; seed++)
    {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 rng(seed);
        const int nRows = std::uniform_int_distribution<int>(0, 70)(rng);
        const int nFixed = std::uniform_int_distribution<int>(0, std::min(2, nRows))(rng);
        const int nKeyLen = std::uniform_int_distribution<int>(0, 2)(rng);
        CGridProbe grid(nRows, 3, nFixed, 1);

        std::vector<std::pair<CString, int>> texts;
        std::vector<LPARAM> valueOf; // by id
        for (int row = 0; row < nRows; row++)
        {
            Label(grid, row, row);
            CString key;
            for (int i = 0; i < nKeyLen; i++)
                key += (wchar_t)(L"aAb"[std::uniform_int_distribution<int>(0, 2)(rng)]);
            grid.SetItemText(row, 2, key);
            texts.emplace_back(key, row);
            valueOf.push_back(kValues[rng() % 5]);
            grid.SetItemData(row, 1, valueOf.back());
        }
        if (nRows > nFixed)
        {
            grid.SetSelectedRange(nFixed, 1, nRows - 1, 2);
            grid.SetFocusCell(nRows - 1, 1);
        }

        const bool bAscending = (seed % 2) == 1;
        EXPECT_EQ(nRows - 1 > nFixed, grid.SortTextItems(2, bAscending) != FALSE);
        ModelSort(
            texts, [](const CString& a, const CString& b) { return a.Compare(b); }, bAscending, nFixed,
            nRows - 1);
        ASSERT_TRUE(RowsAre(grid, texts, [&](int row) { return grid.GetItemText(row, 2); }));
        EXPECT_TRUE(grid.Consistent());
        EXPECT_EQ(0, grid.GetSelectedCount());
        EXPECT_EQ(CQCellID(-1, -1), grid.GetFocusCell());

        std::vector<std::pair<LPARAM, int>> data;
        for (const auto& t : texts)
            data.emplace_back(valueOf[(size_t)t.second], t.second);
        g_bOtherData = false;
        EXPECT_EQ(nRows - 1 > nFixed, grid.SortItems(CompareData, 1, !bAscending, kCallerData) != FALSE);
        EXPECT_FALSE(g_bOtherData);
        ModelSort(
            data, [](LPARAM a, LPARAM b) { return CompareData(a, b, kCallerData); }, !bAscending, nFixed,
            nRows - 1);
        ASSERT_TRUE(RowsAre(grid, data, [&](int row) { return grid.GetItemData(row, 1); }));
    }
}
