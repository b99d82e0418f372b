// Grid model benchmark: builds a grid of 1,000,000 rows x 10 columns with SetColumnCount and
// SetRowCount and reports the build time, the working-set growth per cell, the ratio of the build
// time to a plain loop that allocates as many default cells, and the cost of single-property access
// on the large grid next to a small one.
#include "qctl.h"

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace
{
const int kRows = 1000000;
const int kCols = 10;
const long long kCells = (long long)kRows * kCols;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

SIZE_T WorkingSet()
{
    PROCESS_MEMORY_COUNTERS pmc;
    memset(&pmc, 0, sizeof(pmc));
    pmc.cb = sizeof(pmc);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof(pmc));
    return pmc.WorkingSetSize;
}

double BuildGrid(CQGridCtrl*& pGrid)
{
    pGrid = new CQGridCtrl;
    Clock::time_point start = Clock::now();
    pGrid->SetColumnCount(kCols);
    pGrid->SetRowCount(kRows);
    return Seconds(start);
}

double PlainLoop()
{
    std::vector<CQGridCell*> cells((size_t)kCells);
    Clock::time_point start = Clock::now();
    for (long long i = 0; i < kCells; i++)
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
    std::uniform_int_distribution<int> row(nFirstRow, nFirstRow + nBlockRows - 1), col(0, grid.GetColumnCount() - 1);
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
}  // namespace

int main()
{
    CQGridCtrl* pGrid = NULL;

    SIZE_T before = WorkingSet();
    double tGrid1 = BuildGrid(pGrid);
    SIZE_T after = WorkingSet();
    double bytesPerCell = (double)(after - before) / (double)kCells;

    CQGridCtrl small(10, 10);
    const int nAccesses = 2000000;
    double nsSmall = AccessNanos(small, nAccesses, 0, 10);
    double nsLargeBlock = AccessNanos(*pGrid, nAccesses, kRows / 2, 10);
    double nsLarge = AccessNanos(*pGrid, nAccesses, 0, kRows);

    Clock::time_point start = Clock::now();
    delete pGrid;
    double tDestroy = Seconds(start);

    double tPlain1 = PlainLoop();
    double tGrid2 = BuildGrid(pGrid);
    delete pGrid;
    double tPlain2 = PlainLoop();

    double tGrid = tGrid1 < tGrid2 ? tGrid1 : tGrid2;
    double tPlain = tPlain1 < tPlain2 ? tPlain1 : tPlain2;
    std::printf("grid model: %d rows x %d columns = %lld cells (sizeof(CQGridCell) = %u bytes)\n", kRows, kCols,
                kCells, (unsigned)sizeof(CQGridCell));
    std::printf("build time: %.3f s (runs %.3f s, %.3f s); destruction %.3f s\n", tGrid, tGrid1, tGrid2,
                tDestroy);
    std::printf("plain loop allocating %lld default cells: %.3f s (runs %.3f s, %.3f s)\n", kCells, tPlain,
                tPlain1, tPlain2);
    std::printf("ratio build / plain loop: %.2f (goal <= 1.5)\n", tGrid / tPlain);
    std::printf("working-set growth: %.1f MB, %.1f bytes per cell (goal <= 256)\n",
                (double)(after - before) / (1024.0 * 1024.0), bytesPerCell);
    std::printf("single-property access (SetItemData + GetItemText + GetItemData) on random cells:\n"
                "  10 x 10 grid: %.1f ns; a 10 x 10 block of the large grid: %.1f ns;\n"
                "  anywhere in the large grid: %.1f ns (memory-bound: the cells span %.0f MB)\n",
                nsSmall, nsLargeBlock, nsLarge, (double)(after - before) / (1024.0 * 1024.0));
    return 0;
}
