// Running sums over one of the grid's size arrays (row heights or column widths), so that the
// geometry answers "where does entry k start" in constant time and "which entry holds this pixel"
// by binary search, whatever the number of rows or columns.
//
// The index does not own the sizes; it reads the array it was bound to. Whoever changes the array
// (a size, the count, an insertion or deletion) calls Invalidate with the first index whose sum may
// have moved; the sums from there on are rebuilt on the next query, and only as far as that query
// needs them. Sizes are read as signed values, like GetRowHeight and GetColumnWidth do; while a
// negative size lies in a searched stretch the sums are not ordered and the search walks them one
// by one, so the answers stay those of a plain walk over the sizes.
#pragma once

#include <afxwin.h>
#include <afxcoll.h>

#include <vector>

class AFX_EXT_CLASS CQGridSizeIndex
{
public:
    explicit CQGridSizeIndex(const CUIntArray* pSizes = NULL);

    void Bind(const CUIntArray* pSizes); // forgets every sum
    void Invalidate(int nFirst);         // sizes from nFirst on (and the count) may have changed

    int GetCount() const; // entries of the bound array
    int GetSize(int i) const { return (int)(*m_pSizes)[i]; }

    // Sum of the sizes of entries [0, n); n is clipped to [0, count].
    long long Sum(int n) const;
    // Sum of the sizes of entries [nFrom, nTo); 0 when nTo <= nFrom.
    long long Sum(int nFrom, int nTo) const { return nTo <= nFrom ? 0 : Sum(nTo) - Sum(nFrom); }

    // The smallest k in [nLo, nHi) with Sum(k) >= value; nHi when there is none. Both bounds are
    // clipped to [0, count + 1].
    int FirstSumAtLeast(int nLo, int nHi, long long value) const;

private:
    void Extend(int n) const; // makes the sums of [0, n] valid

    const CUIntArray* m_pSizes;            // the array summed, not owned
    mutable std::vector<long long> m_sums; // m_sums[k]: sum of entries [0, k), valid for k <= m_nValid
    mutable int m_nValid;                  // highest k whose sum is valid
    mutable int m_nFirstNegative;          // lowest entry below m_nValid with a negative size, or -1
};
