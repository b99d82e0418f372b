// One axis of the grid: its rows, or its columns. The axis owns the count, the fixed count (the
// leading entries that never scroll), one size per entry, the size new entries get, the largest
// scroll position, and running sums of the sizes, so that "where does entry k start" is answered in
// constant time and "which entry holds this pixel" by binary search, whatever the count. It needs
// no window: the grid hands it client extents and scroll positions, and its answers are pure
// arithmetic on the sizes, so that the geometry can be checked with tables.
//
// Sizes are signed. Setters refuse negative sizes, but stretching to a window may drive a size
// below zero; while a negative size lies in a searched stretch the sums are not ordered and the
// search walks them one by one, so the answers stay those of a plain walk over the sizes. The sums
// are rebuilt lazily from the first changed entry on, and only as far as a query needs them.
#pragma once

#include <afxver_.h>

#include <cstddef>
#include <vector>

class AFX_EXT_CLASS CQGridAxis
{
public:
    explicit CQGridAxis(int nDefaultSize = 0);

    // Count and fixed count
    int GetCount() const { return (int)m_sizes.size(); }
    int GetFixed() const { return m_nFixed; }
    void SetFixed(int nFixed) { m_nFixed = nFixed; } // not above the count; the caller keeps that
    bool IsFixed(int i) const { return i < m_nFixed; }

    // Entries: new ones get the given size (SetCount: the default size); removing a fixed entry
    // lowers the fixed count, and a count below the fixed count lowers it too.
    void SetCount(int nCount);
    void Insert(int i, int nSize); // i == count appends
    void Remove(int i);
    void Swap(int i, int j);

    // Sizes; GetSize is -1 outside the axis, SetSize refuses an index outside or a negative size.
    int GetSize(int i) const { return i < 0 || i >= GetCount() ? -1 : m_sizes[(size_t)i]; }
    bool SetSize(int i, int nSize);
    void SetAllSizes(int nSize);
    void GrowTo(int i, int nSize); // entry i at least nSize
    // Spreads diff pixels over all the sizes: each gets diff / count (truncated toward zero), and the
    // first |diff| mod count one pixel more in diff's direction. Sizes may shrink as well as grow.
    void Spread(long long diff);
    int GetDefaultSize() const { return m_nDefaultSize; }
    void SetDefaultSize(int nSize) { m_nDefaultSize = nSize; }

    // Running sums
    long long Sum(int n) const; // entries [0, n); n clipped to [0, count]
    long long Sum(int nFrom, int nTo) const { return nTo <= nFrom ? 0 : Sum(nTo) - Sum(nFrom); }
    long long FixedExtent() const { return Sum(m_nFixed); }
    long long Total() const { return Sum(GetCount()); }
    // The smallest k in [nLo, nHi) with Sum(k) >= value; nHi when there is none. Both bounds are
    // clipped to [0, count + 1].
    int FirstSumAtLeast(int nLo, int nHi, long long value) const;

    // Scrolling: positions count the pixels of non-fixed entries scrolled out of view.
    int GetScrollMax() const { return m_nScrollMax; }
    void SetScrollMax(int nMax) { m_nScrollMax = nMax; }
    // The first non-fixed entry shown at scroll position nPos: the first whose start lies at or past
    // it, so a partly scrolled-out one is never the first shown; the last entry is as far as it goes.
    int FirstShown(int nPos) const;
    // The entry under client coordinate pos, -1 for none, with nFirstShown the first non-fixed
    // entry shown. A coordinate on a boundary belongs to the later entry. Fixed entries are found
    // only with bAllowFixed.
    int IndexAt(int pos, int nFirstShown, bool bAllowFixed) const;
    // Client coordinate of entry i's near edge; false for a non-fixed entry before nFirstShown.
    bool Start(int i, int nFirstShown, long long& pos) const;

    // Where the entries from the first shown one on reach the client's far edge nLimit: nLast is
    // the first entry whose far edge reaches nLimit and nEdge that far edge (bReached). When the
    // entries run out first, nLast is the count and nEdge the edge after all of them.
    struct Reach
    {
        int nLast;
        long long nEdge;
        bool bReached;
    };
    Reach ReachFrom(int nFirstShown, long long nLimit) const;
    // Whether any part of entry i lies before client coordinate nLimit, with nFirstShown the first
    // non-fixed entry shown: no near edge among the entries from the first shown one (or 0 for a
    // fixed entry) up to i reaches nLimit.
    bool ShowsBefore(int i, int nFirstShown, long long nLimit) const;

private:
    void Changed(int nFirst); // sizes from nFirst on (and the count) may have changed
    void Extend(int n) const; // makes the sums of [0, n] valid

    std::vector<int> m_sizes;
    int m_nFixed = 0;
    int m_nDefaultSize;
    int m_nScrollMax = 0;
    mutable std::vector<long long> m_sums; // m_sums[k]: sum of entries [0, k), valid for k <= m_nValid
    mutable int m_nValid = 0;              // highest k whose sum is valid
    mutable int m_nFirstNegative = -1;     // lowest entry below m_nValid with a negative size, or -1
};
