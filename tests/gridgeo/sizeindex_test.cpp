// The running sums of a size array on their own: sums, searches, and rebuilding after changes of
// sizes and counts, with ordered and with negative sizes.
#include <gtest/gtest.h>

#include "qctl.h"
#include "grid/internal/QGridSizeIndex.h"

#include <random>

namespace
{
// the smallest k in [lo, hi) whose plain sum of [0, k) is at least value, else hi
int PlainFirst(const CUIntArray& a, int lo, int hi, long long value)
{
    for (int k = std::max(lo, 0); k < hi && k <= (int)a.GetSize(); k++)
    {
        long long s = 0;
        for (int i = 0; i < k; i++)
            s += (int)a[i];
        if (s >= value)
            return k;
    }
    return hi;
}
} // namespace

TEST(GridSizeIndex, SumsAndSearchesOfATable)
{
    CUIntArray sizes;
    const UINT init[] = {10, 0, 20, 5, 0, 0, 30};
    for (UINT v : init)
        sizes.Add(v);
    CQGridSizeIndex index(&sizes);
    EXPECT_EQ(7, index.GetCount());
    const long long sums[] = {0, 10, 10, 30, 35, 35, 35, 65};
    for (int k = 0; k <= 7; k++)
        EXPECT_EQ(sums[k], index.Sum(k)) << k;
    EXPECT_EQ(0, index.Sum(-3));
    EXPECT_EQ(65, index.Sum(100));
    EXPECT_EQ(25, index.Sum(2, 4));
    EXPECT_EQ(0, index.Sum(4, 2));

    // first sum at least: equal sums resolve to the first of them (changes of the sizes are
    // checked with random ones below)
    const long long searches[][4] = {
        {0, 8, 0, 0},      {0, 8, 10, 1}, {0, 8, 11, 3},
        {0, 8, 35, 4},     {0, 8, 36, 7}, {0, 8, 66, 8}, // none: the upper bound
        {5, 8, 0, 5},                                    // the lower bound
        {2, 4, 100, 4},                                  // empty answer inside a narrow range
        {3, 3, 0, 3},                                    // empty range
        {0, 50, 1000, 50},                               // bounds past the count
    };
    for (auto& q : searches)
        EXPECT_EQ(q[3], index.FirstSumAtLeast((int)q[0], (int)q[1], q[2]))
            << q[0] << ", " << q[1] << ", " << q[2];
    sizes.RemoveAll();
    index.Invalidate(0);
    EXPECT_EQ(0, index.Sum(1));
    EXPECT_EQ(0, index.FirstSumAtLeast(0, 1, 0));

    CQGridSizeIndex unbound;
    EXPECT_EQ(0, unbound.GetCount());
    EXPECT_EQ(0, unbound.Sum(5));
    EXPECT_EQ(4, unbound.FirstSumAtLeast(0, 4, 1));
}

TEST(GridSizeIndex, RandomChangesAgreeWithPlainSums)
{
    std::mt19937 rng(11);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    CUIntArray sizes;
    CQGridSizeIndex index(&sizes);
    for (int step = 0; step < 400; step++)
    {
        switch (pick(0, 4))
        {
        case 0: // one size, sometimes negative as a shrinking fit can leave it
            if (sizes.GetSize() > 0)
            {
                int i = pick(0, (int)sizes.GetSize() - 1);
                sizes[i] = (UINT)(pick(0, 9) == 0 ? -pick(1, 30) : pick(0, 30));
                index.Invalidate(i);
            }
            break;
        case 1:
        {
            int i = pick(0, (int)sizes.GetSize());
            sizes.InsertAt(i, (UINT)pick(0, 30));
            index.Invalidate(i);
            break;
        }
        case 2:
            if (sizes.GetSize() > 0)
            {
                int i = pick(0, (int)sizes.GetSize() - 1);
                sizes.RemoveAt(i);
                index.Invalidate(i);
            }
            break;
        case 3:
        {
            int n = pick(0, 40), old = (int)sizes.GetSize();
            sizes.SetSize(n);
            for (int i = old; i < n; i++)
                sizes[i] = (UINT)pick(0, 30);
            index.Invalidate(std::min(old, n));
            break;
        }
        default: break;
        }
        const int n = (int)sizes.GetSize();
        long long s = 0;
        for (int k = 0; k <= n; k++)
        {
            ASSERT_EQ(s, index.Sum(k)) << "step " << step << " k " << k;
            if (k < n)
                s += (int)sizes[k];
        }
        for (int q = 0; q < 10; q++)
        {
            int lo = pick(-2, n + 1), hi = pick(lo, n + 3);
            long long v = pick(-20, (int)s + 20);
            ASSERT_EQ(PlainFirst(sizes, lo, hi, v), index.FirstSumAtLeast(lo, hi, v))
                << "step " << step << " [" << lo << ", " << hi << ") value " << v;
        }
    }
}
