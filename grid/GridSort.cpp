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
template <class Partition>
void QuickSortRanges(int low, int high, Partition part)
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

} // namespace

// Exchanges two rows: their row arrays (every cell, fixed columns included) and their heights.
// The caller tells the size bookkeeping (RowSizesChanged) once it is done moving rows.
void CQGridCtrl::SwapRows(int nRow1, int nRow2)
{
    if (nRow1 == nRow2 || nRow1 < 0 || nRow2 < 0 || nRow1 >= m_nRows || nRow2 >= m_nRows ||
        nRow1 >= m_RowData.GetSize() || nRow2 >= m_RowData.GetSize())
        return;

    GRID_ROW* pRow = m_RowData[nRow1];
    m_RowData[nRow1] = m_RowData[nRow2];
    m_RowData[nRow2] = pRow;

    UINT nHeight = m_arRowHeights[nRow1];
    m_arRowHeights[nRow1] = m_arRowHeights[nRow2];
    m_arRowHeights[nRow2] = nHeight;
}

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
    if (nCol >= GetColumnCount())
        return FALSE;
    if (high == -1)
        high = GetRowCount() - 1;
    if (high <= low)
        return FALSE;
    if (low < 0 || high >= GetRowCount())
        return FALSE;

    std::vector<CString> keys((size_t)(high - low + 1));
    for (int row = low; row <= high; row++)
        keys[row - low] = GetItemText(row, nCol);
    auto text = [&](int row) -> const CString& { return keys[row - low]; };
    bool bMoved = false;

    QuickSortRanges(low, high, [&](int first, int last, int& lo, int& hi) {
        const CString midItem = text((first + last) / 2);
        while (lo <= hi)
        {
            if (bAscending)
                while (lo < last && text(lo).Compare(midItem) < 0)
                    ++lo;
            else
                while (lo < last && text(lo).Compare(midItem) > 0)
                    ++lo;

            if (bAscending)
                while (hi > first && text(hi).Compare(midItem) > 0)
                    --hi;
            else
                while (hi > first && text(hi).Compare(midItem) < 0)
                    --hi;

            if (lo <= hi)
            {
                if (text(lo).Compare(text(hi)) != 0)
                {
                    SwapRows(lo, hi);
                    bMoved = true;
                    std::swap(keys[lo - low], keys[hi - low]);
                }
                ++lo;
                --hi;
            }
        }
    });
    if (bMoved)
        RowSizesChanged(low);
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
    if (nCol >= GetColumnCount())
        return FALSE;
    if (high == -1)
        high = GetRowCount() - 1;
    if (high <= low)
        return FALSE;
    if (low < 0 || high >= GetRowCount())
        return FALSE;

    std::vector<LPARAM> keys((size_t)(high - low + 1));
    for (int row = low; row <= high; row++)
        keys[row - low] = GetItemData(row, nCol);
    auto item = [&](int row) { return keys[row - low]; };
    bool bMoved = false;

    QuickSortRanges(low, high, [&](int first, int last, int& lo, int& hi) {
        const LPARAM midItem = item((first + last) / 2);
        while (lo <= hi)
        {
            if (bAscending)
                while (lo < last && pfnCompare(item(lo), midItem, data) < 0)
                    ++lo;
            else
                while (lo < last && pfnCompare(item(lo), midItem, data) > 0)
                    ++lo;

            if (bAscending)
                while (hi > first && pfnCompare(item(hi), midItem, data) > 0)
                    --hi;
            else
                while (hi > first && pfnCompare(item(hi), midItem, data) < 0)
                    --hi;

            if (lo <= hi)
            {
                if (pfnCompare(item(lo), item(hi), data) != 0)
                {
                    SwapRows(lo, hi);
                    bMoved = true;
                    std::swap(keys[lo - low], keys[hi - low]);
                }
                ++lo;
                --hi;
            }
        }
    });
    if (bMoved)
        RowSizesChanged(low);
    return TRUE;
}
