// One axis on its own, without a window: running sums and searches against plain walks over the
// sizes, through random insertions, removals, count changes, sizes and stretches (which may leave
// sizes below zero), and the client positions of entries for given fixed counts and first shown
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

TEST(GridAxis, SumsAndSearchesOfATable)
{
    CQGridAxis axis(7);
    const int init[] = {10, 0, 20, 5, 0, 0, 30};
    for (int v : init)
        axis.Insert(axis.GetCount(), v);
    const long long sums[] = {0, 10, 10, 30, 35, 35, 35, 65};
    for (int k = 0; k <= 7; k++)
        EXPECT_EQ(sums[k], axis.Sum(k)) << k;
    EXPECT_EQ(0, axis.Sum(-3));
    EXPECT_EQ(65, axis.Sum(100));
    EXPECT_EQ(25, axis.Sum(2, 4));
    EXPECT_EQ(0, axis.Sum(4, 2));

    // equal sums resolve to the first of them; bounds are clipped
    const long long searches[][4] = {
        {0, 8, 0, 0},  {0, 8, 10, 1}, {0, 8, 11, 3},  {0, 8, 35, 4}, {0, 8, 36, 7},
        {0, 8, 66, 8}, {5, 8, 0, 5},  {2, 4, 100, 4}, {3, 3, 0, 3},  {0, 50, 1000, 50},
    };
    for (auto& q : searches)
        EXPECT_EQ(q[3], axis.FirstSumAtLeast((int)q[0], (int)q[1], q[2]))
            << q[0] << ", " << q[1] << ", " << q[2];

    // sizes: -1 outside, negative sizes refused, new entries take the default size
    EXPECT_EQ(-1, axis.GetSize(7));
    EXPECT_FALSE(axis.SetSize(0, -1));
    EXPECT_FALSE(axis.SetSize(7, 3));
    axis.SetFixed(3);
    axis.SetCount(9);
    EXPECT_EQ(7, axis.GetSize(8));
    EXPECT_EQ(79, axis.Total());
    axis.Remove(0); // a fixed entry lowers the fixed count
    EXPECT_EQ(2, axis.GetFixed());
    axis.SetCount(1);
    EXPECT_EQ(1, axis.GetFixed());
    EXPECT_EQ(0, axis.Total());
    axis.SetCount(0);
    EXPECT_EQ(0, axis.Sum(1));
    EXPECT_EQ(0, axis.FirstSumAtLeast(0, 1, 0));
    EXPECT_EQ(4, axis.FirstSumAtLeast(0, 4, 1));
}

TEST(GridAxis, RandomChangesAgreeWithPlainWalks)
{
    std::mt19937 rng(11);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    CQGridAxis axis(9);
    std::vector<int> model;
    for (int step = 0; step < 600; step++)
    {
        const int n0 = (int)model.size();
        switch (pick(0, 6))
        {
        case 0:
            if (n0 > 0)
            {
                int i = pick(0, n0 - 1), v = pick(0, 30);
                ASSERT_TRUE(axis.SetSize(i, v));
                model[(size_t)i] = v;
            }
            break;
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
            }
            break;
        case 3:
        {
            int n = pick(0, 40);
            axis.SetCount(n);
            model.resize((size_t)n, 9);
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
        default: axis.SetFixed(pick(0, n0)); break;
        }
        const int n = (int)model.size();
        ASSERT_EQ(n, axis.GetCount());
        const int nFixed = std::min(axis.GetFixed(), n);
        ASSERT_EQ(nFixed, axis.GetFixed()) << "step " << step;
        for (int k = 0; k <= n; k++)
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
