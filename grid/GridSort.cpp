// CQGridCtrl: sorting the non-fixed rows by one column, by text or by item data through a caller's
// comparison. The sort is an in-place quicksort on the row store: the pivot is read once per
// partition, two rows are exchanged only when their keys differ, and a row moves whole (its row
// array with every cell in it, and its height). It is not stable.
//
// The keys of the rows being sorted (the texts through GetItemText, or the item data) are read once
// at the start, one per row, and move with their rows; every comparison then compares these values
// instead of walking the row store again, which on a large grid costs a chain of cache misses per
// comparison. For a text accessor that answers from the row's cells, the comparisons, and so the
// exchanges and the result, are those of reading the cells at each comparison.
//
// The recursion of the quicksort runs on a heap stack of pending ranges, in the same order as the
// recursive form (the lower part is sorted completely before the upper one), so a hostile order of
// keys costs time but cannot exhaust the thread's stack.
#include "grid/QGridCtrl.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace
{

typedef std::vector<std::pair<int, int>> PendingRanges;

// Sorts low..high with the partition step part(first, last, lo, hi), which leaves lo and hi where
// its scans met; then the lower part, completely, then the upper part.
template <class Partition> void QuickSortRanges(int low, int high, Partition part)
{
    PendingRanges pending;
    pending.emplace_back(low, high);
    while (!pending.empty())
    {
        const int first = pending.back().first;
        const int last = pending.back().second;
        pending.pop_back();

        int lo = first, hi = last;
        part(first, last, lo, hi);

        // pushed upper part first, so that the lower part is taken first
        if (lo < last)
            pending.emplace_back(lo, last);
        if (first < hi)
            pending.emplace_back(first, hi);
    }
}

// Checks a sort's column and row range; high -1 stands for the last row. False when there is
// nothing to sort or the range is outside the grid.
bool ResolveSortRange(int nCol, int nCols, int nRows, int low, int& high)
{
    if (nCol >= nCols)
        return false;
    if (high == -1)
        high = nRows - 1;
    if (high <= low)
        return false;
    return low >= 0 && high < nRows;
}

// The partition loop shared by both sorts. keys[row - low] is the key of each row of low..high;
// cmp(a, b) compares two keys as a comparison function does (negative, zero, positive); swapRows
// exchanges two rows of the grid. The pivot is read once per partition, and rows whose keys
// compare equal are never exchanged. Returns whether any row moved.
template <class Key, class Compare, class SwapRowsFn>
bool SortKeyedRows(int low, int high, std::vector<Key>& keys, bool bAscending, Compare cmp,
                   SwapRowsFn swapRows)
{
    auto key = [&](int row) -> const Key& { return keys[row - low]; };
    // descending order reverses the comparison's sign without touching the caller's argument order
    auto order = [&](int c) { return bAscending ? c : (c > 0 ? -1 : (c < 0 ? 1 : 0)); };
    bool bMoved = false;

    QuickSortRanges(low, high,
                    [&](int first, int last, int& lo, int& hi)
                    {
                        const Key midItem = key((first + last) / 2);
                        while (lo <= hi)
                        {
                            while (lo < last && order(cmp(key(lo), midItem)) < 0)
                                ++lo;
                            while (hi > first && order(cmp(key(hi), midItem)) > 0)
                                --hi;

                            if (lo <= hi)
                            {
                                if (cmp(key(lo), key(hi)) != 0)
                                {
                                    swapRows(lo, hi);
                                    bMoved = true;
                                    std::swap(keys[lo - low], keys[hi - low]);
                                }
                                ++lo;
                                --hi;
                            }
                        }
                    });
    return bMoved;
}

} // namespace

// --- by text ------------------------------------------------------------------------------------

BOOL CQGridCtrl::SortTextItems(int nCol, BOOL bAscending)
{
    ResetSelectedRange();
    SetFocusCell(-1, -1);
    return SortTextItems(nCol, bAscending, GetFixedRowCount(), -1);
}

// Rows low..high (high -1: the last row) by the texts of column nCol, compared ordinally and
// case-sensitively; the texts are read through GetItemText.
BOOL CQGridCtrl::SortTextItems(int nCol, BOOL bAscending, int low, int high)
{
    if (!ResolveSortRange(nCol, GetColumnCount(), GetRowCount(), low, high))
        return FALSE;

    std::vector<CString> keys((size_t)(high - low + 1));
    for (int row = low; row <= high; row++)
        keys[row - low] = GetItemText(row, nCol);
    SortKeyedRows(
        low, high, keys, bAscending != FALSE, [](const CString& a, const CString& b) { return a.Compare(b); },
        [this](int r1, int r2) { SwapRows(r1, r2); });
    return TRUE;
}

// --- by item data -------------------------------------------------------------------------------

BOOL CQGridCtrl::SortItems(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data)
{
    ResetSelectedRange();
    SetFocusCell(-1, -1);
    return SortItems(pfnCompare, nCol, bAscending, data, GetFixedRowCount(), -1);
}

// Rows low..high by the item data of column nCol: pfnCompare(data of a row, pivot data, data)
// < 0 sorts the row before the pivot. data is passed on unchanged to every call.
BOOL CQGridCtrl::SortItems(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data, int low, int high)
{
    if (pfnCompare == NULL)
        return FALSE;
    if (!ResolveSortRange(nCol, GetColumnCount(), GetRowCount(), low, high))
        return FALSE;

    std::vector<LPARAM> keys((size_t)(high - low + 1));
    for (int row = low; row <= high; row++)
        keys[row - low] = GetItemData(row, nCol);
    SortKeyedRows(
        low, high, keys, bAscending != FALSE, [&](LPARAM a, LPARAM b) { return pfnCompare(a, b, data); },
        [this](int r1, int r2) { SwapRows(r1, r2); });
    return TRUE;
}
