// CQGridSizeIndex: running sums over a size array, rebuilt lazily from the first changed entry.
#include "grid/internal/QGridSizeIndex.h"

#include <algorithm>

CQGridSizeIndex::CQGridSizeIndex(const CUIntArray* pSizes)
    : m_pSizes(pSizes), m_sums(1, 0), m_nValid(0), m_nFirstNegative(-1)
{
}

void CQGridSizeIndex::Bind(const CUIntArray* pSizes)
{
    m_pSizes = pSizes;
    Invalidate(0);
}

void CQGridSizeIndex::Invalidate(int nFirst)
{
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst < m_nValid)
        m_nValid = nFirst;
    if (m_nFirstNegative >= nFirst)
        m_nFirstNegative = -1;
}

int CQGridSizeIndex::GetCount() const
{
    return m_pSizes ? (int)m_pSizes->GetSize() : 0;
}

void CQGridSizeIndex::Extend(int n) const
{
    const int nCount = GetCount();
    if ((int)m_sums.size() != nCount + 1)
    {
        // The count moved; Invalidate has already lowered m_nValid to the first changed entry.
        m_sums.resize((size_t)nCount + 1);
        m_nValid = std::min(m_nValid, nCount);
        if (m_nFirstNegative >= m_nValid)
            m_nFirstNegative = -1;
    }
    n = std::min(n, nCount);
    if (n <= m_nValid)
        return;

    const UINT* pData = m_pSizes->GetData();
    long long sum = m_sums[m_nValid];
    for (int k = m_nValid; k < n; k++)
    {
        const int size = (int)pData[k];
        if (size < 0 && m_nFirstNegative < 0)
            m_nFirstNegative = k;
        sum += size;
        m_sums[(size_t)k + 1] = sum;
    }
    m_nValid = n;
}

long long CQGridSizeIndex::Sum(int n) const
{
    if (n <= 0)
        return 0;
    Extend(n);
    return m_sums[(size_t)std::min(n, m_nValid)];
}

int CQGridSizeIndex::FirstSumAtLeast(int nLo, int nHi, long long value) const
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
