// CQGridAxis: the rows or the columns of a grid, their sizes and the running sums over them.
#include "grid/internal/QGridAxis.h"

#include <algorithm>

CQGridAxis::CQGridAxis(int nDefaultSize) : m_nDefaultSize(nDefaultSize), m_sums(1, 0) {}

// --- entries ------------------------------------------------------------------------------------

void CQGridAxis::Changed(int nFirst)
{
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst < m_nValid)
        m_nValid = nFirst;
    if (m_nFirstNegative >= nFirst)
        m_nFirstNegative = -1;
}

void CQGridAxis::SetCount(int nCount)
{
    if (nCount < 0)
        nCount = 0;
    const int nOld = GetCount();
    m_sizes.resize((size_t)nCount, m_nDefaultSize);
    if (m_nFixed > nCount)
        m_nFixed = nCount;
    Changed(std::min(nOld, nCount));
}

void CQGridAxis::Insert(int i, int nSize)
{
    i = std::max(0, std::min(i, GetCount()));
    m_sizes.insert(m_sizes.begin() + i, nSize);
    Changed(i);
}

void CQGridAxis::Remove(int i)
{
    if (i < 0 || i >= GetCount())
        return;
    m_sizes.erase(m_sizes.begin() + i);
    if (i < m_nFixed)
        m_nFixed--;
    Changed(i);
}

void CQGridAxis::Swap(int i, int j)
{
    if (i < 0 || j < 0 || i >= GetCount() || j >= GetCount() || i == j)
        return;
    std::swap(m_sizes[(size_t)i], m_sizes[(size_t)j]);
    Changed(std::min(i, j));
}

// --- sizes --------------------------------------------------------------------------------------

bool CQGridAxis::SetSize(int i, int nSize)
{
    if (i < 0 || i >= GetCount() || nSize < 0)
        return false;
    m_sizes[(size_t)i] = nSize;
    Changed(i);
    return true;
}

void CQGridAxis::SetAllSizes(int nSize)
{
    std::fill(m_sizes.begin(), m_sizes.end(), nSize);
    Changed(0);
}

void CQGridAxis::GrowTo(int i, int nSize)
{
    if (i >= 0 && i < GetCount() && m_sizes[(size_t)i] < nSize)
    {
        m_sizes[(size_t)i] = nSize;
        Changed(i);
    }
}

void CQGridAxis::Spread(long long diff)
{
    const int n = GetCount();
    if (n <= 0)
        return;
    // Sizes are 32-bit: a result out of range wraps as it would in the size's own type.
    auto add = [](int size, long long d) { return (int)(unsigned)(long long)(size + d); };
    const long long adjustment = diff / n;
    for (int i = 0; i < n; i++)
        m_sizes[(size_t)i] = add(m_sizes[(size_t)i], adjustment);
    const int leftOver = (int)((diff > 0 ? diff : -diff) % n);
    for (int i = 0; i < leftOver; i++)
        m_sizes[(size_t)i] = add(m_sizes[(size_t)i], diff > 0 ? 1 : -1);
    Changed(0);
}

// --- running sums -------------------------------------------------------------------------------

void CQGridAxis::Extend(int n) const
{
    const int nCount = GetCount();
    if ((int)m_sums.size() != nCount + 1)
    {
        // The count moved; Changed has already lowered m_nValid to the first changed entry.
        m_sums.resize((size_t)nCount + 1);
        m_nValid = std::min(m_nValid, nCount);
        if (m_nFirstNegative >= m_nValid)
            m_nFirstNegative = -1;
    }
    n = std::min(n, nCount);
    if (n <= m_nValid)
        return;

    long long sum = m_sums[(size_t)m_nValid];
    for (int k = m_nValid; k < n; k++)
    {
        const int size = m_sizes[(size_t)k];
        if (size < 0 && m_nFirstNegative < 0)
            m_nFirstNegative = k;
        sum += size;
        m_sums[(size_t)k + 1] = sum;
    }
    m_nValid = n;
}

long long CQGridAxis::Sum(int n) const
{
    if (n <= 0)
        return 0;
    Extend(n);
    return m_sums[(size_t)std::min(n, m_nValid)];
}

int CQGridAxis::FirstSumAtLeast(int nLo, int nHi, long long value) const
{
    const int nCount = GetCount();
    const int lo = std::max(nLo, 0);
    const int hi = std::min(nHi, nCount + 1);
    if (lo >= hi)
        return nHi;
    Extend(hi - 1);

    // The sums of [lo, hi) are ordered unless an entry in [lo, hi - 1) is negative.
    const bool bOrdered = m_nFirstNegative < 0 || m_nFirstNegative >= hi - 1;
    if (bOrdered)
    {
        auto it = std::lower_bound(m_sums.begin() + lo, m_sums.begin() + hi, value);
        return it == m_sums.begin() + hi ? nHi : (int)(it - m_sums.begin());
    }
    for (int k = lo; k < hi; k++)
    {
        if (m_sums[(size_t)k] >= value)
            return k;
    }
    return nHi;
}

// --- positions ----------------------------------------------------------------------------------

int CQGridAxis::FirstShown(int nPos) const
{
    const int nCount = GetCount();
    if (m_nFixed >= nCount - 1)
        return m_nFixed;
    return FirstSumAtLeast(m_nFixed, nCount - 1, FixedExtent() + nPos);
}

int CQGridAxis::IndexAt(int pos, int nFirstShown, bool bAllowFixed) const
{
    const long long fixedExtent = FixedExtent();
    if (pos < 0)
        return -1;
    if (pos < fixedExtent)
        return bAllowFixed ? FirstSumAtLeast(1, m_nFixed + 1, (long long)pos + 1) - 1 : -1;
    const int nCount = GetCount();
    const int k =
        FirstSumAtLeast(nFirstShown + 1, nCount + 1, (long long)pos - fixedExtent + Sum(nFirstShown) + 1);
    return k > nCount ? -1 : k - 1;
}

bool CQGridAxis::Start(int i, int nFirstShown, long long& pos) const
{
    if (i < m_nFixed)
    {
        pos = Sum(i);
        return true;
    }
    if (i < nFirstShown)
        return false;
    pos = FixedExtent() + Sum(nFirstShown, i);
    return true;
}

CQGridAxis::Reach CQGridAxis::ReachFrom(int nFirstShown, long long nLimit) const
{
    const int nCount = GetCount();
    const long long nStart = FixedExtent();
    Reach r;
    if (nFirstShown >= nCount)
    {
        r.nLast = nFirstShown;
        r.nEdge = nStart;
        r.bReached = false;
        return r;
    }
    const long long base = Sum(nFirstShown);
    const int k = FirstSumAtLeast(nFirstShown + 1, nCount + 1, nLimit - nStart + base);
    r.bReached = k <= nCount;
    r.nLast = r.bReached ? k - 1 : nCount;
    r.nEdge = nStart + Sum(r.bReached ? k : nCount) - base;
    return r;
}

bool CQGridAxis::ShowsBefore(int i, int nFirstShown, long long nLimit) const
{
    int nFirst = 0;
    long long start = 0;
    if (i >= m_nFixed)
    {
        nFirst = nFirstShown;
        start = FixedExtent();
    }
    return FirstSumAtLeast(nFirst, i + 1, nLimit - start + Sum(nFirst)) > i;
}
