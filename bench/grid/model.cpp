// Grid model workloads. Build: a grid of 1,000,000 rows x 10 columns made with SetColumnCount and
// SetRowCount; the build time, the working-set growth per cell and the ratio of the build time to
// a plain loop that allocates as many default cells. Access: the cost of single-property access on
// the large grid next to a small one.
#include "bench_grid.h"

#include <psapi.h>

#include <cstdio>
#include <random>
#include <vector>

namespace gridbench
{
namespace
{
const int kCols = 10;

SIZE_T WorkingSet()
{
    PROCESS_MEMORY_COUNTERS pmc;
    memset(&pmc, 0, sizeof(pmc));
    pmc.cb = sizeof(pmc);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof(pmc));
    return pmc.WorkingSetSize;
}

double BuildGrid(CQGridCtrl*& pGrid, int nRows)
{
    pGrid = new CQGridCtrl;
    Clock::time_point start = Clock::now();
    pGrid->SetColumnCount(kCols);
    pGrid->SetRowCount(nRows);
    return Seconds(start);
}

double PlainLoop(long long nCells)
{
    std::vector<CQGridCell*> cells((size_t)nCells);
    Clock::time_point start = Clock::now();
    for (long long i = 0; i < nCells; i++)
        cells[(size_t)i] = new CQGridCell;
    double t = Seconds(start);
    for (CQGridCell* p : cells)
        delete p;
    return t;
}

// Average nanoseconds of one SetItemData, GetItemText and GetItemData on random cells of the
// block of nBlockRows rows from nFirstRow on.
double AccessNanos(CQGridCtrl& grid, int nAccesses, int nFirstRow, int nBlockRows)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> row(nFirstRow, nFirstRow + nBlockRows - 1),
        col(0, grid.GetColumnCount() - 1);
    std::vector<int> rows(nAccesses), cols(nAccesses);
    for (int i = 0; i < nAccesses; i++)
    {
        rows[i] = row(rng);
        cols[i] = col(rng);
    }
    long long sum = 0;
    Clock::time_point start = Clock::now();
    for (int i = 0; i < nAccesses; i++)
    {
        grid.SetItemData(rows[i], cols[i], i);
        sum += grid.GetItemText(rows[i], cols[i]).GetLength() + grid.GetItemData(rows[i], cols[i]);
    }
    double ns = Seconds(start) * 1e9 / nAccesses;
    if (sum == -1)
        std::printf("unreachable\n");
    return ns;
}
} // namespace

void BuildWorkload(const Options& opt)
{
    const int nRows = opt.nRows;
    const long long nCells = (long long)nRows * kCols;
    CQGridCtrl* pGrid = NULL;

    SIZE_T before = WorkingSet();
    double tGrid1 = BuildGrid(pGrid, nRows);
    SIZE_T after = WorkingSet();
    double bytesPerCell = (double)(after - before) / (double)nCells;
    Clock::time_point start = Clock::now();
    delete pGrid;
    double tDestroy = Seconds(start);

    double tPlain1 = PlainLoop(nCells);
    double tGrid2 = BuildGrid(pGrid, nRows);
    delete pGrid;
    double tPlain2 = PlainLoop(nCells);

    double tGrid = tGrid1 < tGrid2 ? tGrid1 : tGrid2;
    double tPlain = tPlain1 < tPlain2 ? tPlain1 : tPlain2;
    std::printf("build: %d rows x %d columns = %lld cells (sizeof(CQGridCell) = %u bytes)\n", nRows, kCols,
                nCells, (unsigned)sizeof(CQGridCell));
    std::printf("  build time: %.3f s (runs %.3f s, %.3f s); destruction %.3f s\n", tGrid, tGrid1, tGrid2,
                tDestroy);
    std::printf("  plain loop allocating %lld default cells: %.3f s (runs %.3f s, %.3f s)\n", nCells, tPlain,
                tPlain1, tPlain2);
    std::printf("  working-set growth: %.1f MB\n", (double)(after - before) / (1024.0 * 1024.0));
    Figure("build", "build time / plain cell allocation", tGrid / tPlain, 1.5, "best of two runs each");
    Figure("build", "working-set bytes per cell", bytesPerCell, 256, "growth while building");
}

void AccessWorkload(const Options& opt)
{
    CQGridCtrl large;
    large.SetColumnCount(kCols);
    large.SetRowCount(opt.nRows);
    CQGridCtrl small(10, 10);
    const int nAccesses = 2000000;
    double nsSmall = AccessNanos(small, nAccesses, 0, 10);
    double nsLargeBlock = AccessNanos(large, nAccesses, opt.nRows / 2, 10);
    double nsLarge = AccessNanos(large, nAccesses, 0, opt.nRows);
    std::printf(
        "access: SetItemData + GetItemText + GetItemData on random cells\n"
        "  10 x 10 grid: %.1f ns; a 10 x 10 block of a %d-row grid: %.1f ns; anywhere in it: %.1f ns\n",
        nsSmall, opt.nRows, nsLargeBlock, nsLarge);
    Figure("access", "block of the large grid / small grid", nsLargeBlock / nsSmall, 1.5, "constant time");
    Figure("access", "anywhere in the large grid / small grid", nsLarge / nsSmall, 0,
           "memory-bound: cache misses, no goal");
}
} // namespace gridbench
