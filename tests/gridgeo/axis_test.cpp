// One axis on its own, without a window: running sums and searches against plain walks over the
// sizes, through random insertions, removals, count changes, sizes (refused when negative or
// outside), stretches (which may leave sizes below zero) and fixed counts (lowered by removals and
// counts below them), and the client positions of entries for given fixed counts and first shown
// entries.
#include "grid/internal/QGridAxis.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace
{
// The plain answers, from the model's sizes.
long long PlainSum(const std::vector<int>& a, int n)
{
    long long s = 0;
    for (int i = 0; i < n && i < (int)a.size(); i++)
        s += a[(size_t)i];
    return s;
}

int PlainFirst(const std::vector<int>& a, int lo, int hi, long long value)
{
    for (int k = std::max(lo, 0); k < hi && k <= (int)a.size(); k++)
        if (PlainSum(a, k) >= value)
            return k;
    return hi;
}

// The entry under a coordinate by walking: fixed entries from 0, the others from the first shown.
int PlainIndexAt(const std::vector<int>& a, int nFixed, int nFirst, int pos, bool bAllowFixed)
{
    if (pos < 0)
        return -1;
    long long edge = 0;
    for (int i = 0; i < nFixed; i++)
    {
        edge += a[(size_t)i];
        if (pos < edge)
            return bAllowFixed ? i : -1;
    }
    for (int i = nFirst; i < (int)a.size(); i++)
    {
        edge += a[(size_t)i];
        if (pos < edge)
            return i;
    }
    return -1;
}
} // namespace

TEST(GridAxis, RandomChangesAgreeWithPlainWalks)
{
    std::mt19937 rng(11);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    CQGridAxis axis(9);
    std::vector<int> model;
    int nModelFixed = 0;
    for (int step = 0; step < 600; step++)
    {
        const int n0 = (int)model.size();
        switch (pick(0, 6))
        {
        case 0:
        {
            // an index outside or a negative size is refused
            int i = pick(-1, n0), v = pick(-2, 30);
            const bool bValid = i >= 0 && i < n0 && v >= 0;
            ASSERT_EQ(bValid, axis.SetSize(i, v)) << i << ", " << v;
            if (bValid)
                model[(size_t)i] = v;
            break;
        }
        case 1:
        {
            int i = pick(0, n0), v = pick(0, 30);
            axis.Insert(i, v);
            model.insert(model.begin() + i, v);
            break;
        }
        case 2:
            if (n0 > 0)
            {
                int i = pick(0, n0 - 1);
                axis.Remove(i);
                model.erase(model.begin() + i);
                nModelFixed -= i < nModelFixed; // a fixed entry goes with its fixed place
            }
            break;
        case 3:
        {
            int n = pick(0, 40);
            axis.SetCount(n);
            model.resize((size_t)n, 9); // new entries take the default size
            nModelFixed = std::min(nModelFixed, n);
            break;
        }
        case 4:
            if (n0 > 0)
            {
                long long diff = pick(-200, 200);
                axis.Spread(diff);
                for (int i = 0; i < n0; i++)
                    model[(size_t)i] += (int)(diff / n0) +
                                        (i < (int)((diff > 0 ? diff : -diff) % n0) ? (diff > 0 ? 1 : -1) : 0);
            }
            break;
        case 5:
            if (n0 > 1)
            {
                int i = pick(0, n0 - 1), j = pick(0, n0 - 1);
                axis.Swap(i, j);
                std::swap(model[(size_t)i], model[(size_t)j]);
            }
            break;
        default: axis.SetFixed(nModelFixed = pick(0, n0)); break;
        }
        const int n = (int)model.size(), nFixed = nModelFixed;
        ASSERT_EQ(n, axis.GetCount());
        ASSERT_EQ(nFixed, axis.GetFixed()) << "step " << step;
        ASSERT_EQ(-1, axis.GetSize(pick(0, 1) ? -1 : n));
        // sums clip their bounds
        for (int k = -1; k <= n + 1; k++)
            ASSERT_EQ(PlainSum(model, k), axis.Sum(k)) << "step " << step << " k " << k;
        for (int q = 0; q < 10; q++)
        {
            int lo = pick(-2, n + 1), hi = pick(lo, n + 3);
            long long v = pick(-20, (int)PlainSum(model, n) + 20);
            ASSERT_EQ(PlainFirst(model, lo, hi, v), axis.FirstSumAtLeast(lo, hi, v))
                << "step " << step << " [" << lo << ", " << hi << ") value " << v;
        }
        // positions, with every size non-negative (as the window sees them after a fit)
        bool bNegative = false;
        for (int v : model)
            bNegative |= v < 0;
        if (bNegative || n == 0)
            continue;
        const int nFirst = axis.FirstShown(pick(0, (int)PlainSum(model, n)));
        ASSERT_TRUE(nFirst >= nFixed && (nFirst == nFixed || nFirst < n)) << "step " << step;
        for (int q = 0; q < 10; q++)
        {
            int pos = pick(-2, (int)PlainSum(model, n) + 5);
            bool bFixed = pick(0, 1) == 1;
            ASSERT_EQ(PlainIndexAt(model, nFixed, nFirst, pos, bFixed), axis.IndexAt(pos, nFirst, bFixed))
                << "step " << step << " pos " << pos;
            int i = pick(0, n - 1);
            long long start = -1;
            const bool bShown = axis.Start(i, nFirst, start);
            ASSERT_EQ(i < nFixed || i >= nFirst, bShown);
            if (bShown)
            {
                long long plain =
                    i < nFixed ? PlainSum(model, i)
                               : PlainSum(model, nFixed) + PlainSum(model, i) - PlainSum(model, nFirst);
                ASSERT_EQ(plain, start) << "step " << step << " entry " << i;
                // some part of the entry lies before a limit exactly when its start does
                int limit = pick(0, (int)PlainSum(model, n) + 5);
                ASSERT_EQ(start < limit, axis.ShowsBefore(i, nFirst, limit)) << "step " << step;
            }
        }
    }
}
