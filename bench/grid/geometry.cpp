// Grid geometry workload: a grid of 1,000,000 rows (one fixed row and column, four columns) in a
// window; the time of GetTopleftNonFixedCell, GetCellOrigin, GetCellFromPt and
// GetVisibleNonFixedCellRange with the grid scrolled to its last page, divided by the same at the
// top. Positions are running sums of the sizes, found by binary search, so the ratios stay near 1
// (a walk over the rows would make them grow with the row count).
#include "bench_grid.h"

#include <cstdio>

namespace gridbench
{
namespace
{
const int kCols = 4;
const int kCalls = 200000;

volatile long long g_sink;

// Nanoseconds per call of op, best of three rounds.
template <class Op> double NanosPerCall(Op op)
{
    double best = 1e300;
    for (int round = 0; round < 3; round++)
    {
        long long sum = 0;
        Clock::time_point start = Clock::now();
        for (int i = 0; i < kCalls; i++)
            sum += op(i);
        double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count() / kCalls;
        g_sink = sum;
        if (ns < best)
            best = ns;
    }
    return best;
}

struct Figures
{
    double topLeft, origin, fromPt, visible;
};

Figures Measure(CQGridCtrl& grid)
{
    Figures f;
    const CQCellID tl = grid.GetTopleftNonFixedCell();
    f.topLeft = NanosPerCall([&](int) { return (long long)grid.GetTopleftNonFixedCell().row; });
    f.origin = NanosPerCall(
        [&](int i)
        {
            CPoint pt;
            grid.GetCellOrigin(tl.row + (i & 7), 1 + (i & 1), &pt);
            return (long long)pt.y;
        });
    f.fromPt = NanosPerCall(
        [&](int i) { return (long long)grid.GetCellFromPt(CPoint(60 + (i & 63), 30 + (i & 255))).row; });
    f.visible = NanosPerCall(
        [&](int)
        {
            RECT rc;
            return (long long)grid.GetVisibleNonFixedCellRange(&rc).GetMaxRow();
        });
    return f;
}
} // namespace

void GeometryWorkload(const Options& opt)
{
    const int kRows = opt.nRows;
    HWND hParent = ::CreateWindowExW(0, L"STATIC", L"bench", WS_POPUP | WS_VISIBLE, 0, 0, 600, 500, NULL,
                                     NULL, ::GetModuleHandleW(NULL), NULL);
    CQGridCtrl* pGrid = new CQGridCtrl;
    if (!pGrid->Create(CRect(0, 0, 500, 400), CWnd::FromHandle(hParent), 1, WS_CHILD | WS_VISIBLE))
    {
        std::printf("geometry: no grid window\n");
        return;
    }
    Clock::time_point start = Clock::now();
    pGrid->SetRedraw(FALSE);
    pGrid->SetColumnCount(kCols);
    pGrid->SetRowCount(kRows);
    pGrid->SetFixedRowCount(1);
    pGrid->SetFixedColumnCount(1);
    for (int row = 0; row < kRows; row++)
        pGrid->SetRowHeight(row, 18 + (row % 5)); // uneven heights
    pGrid->SetRedraw(TRUE, TRUE);
    double tBuild = std::chrono::duration<double>(Clock::now() - start).count();

    pGrid->SendMessage(WM_VSCROLL, SB_TOP, 0);
    Figures top = Measure(*pGrid);
    CQCellID tlTop = pGrid->GetTopleftNonFixedCell();
    pGrid->SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    Figures bottom = Measure(*pGrid);
    CQCellID tlBottom = pGrid->GetTopleftNonFixedCell();
    CQCellRange visible = pGrid->GetVisibleNonFixedCellRange();

    std::printf("geometry: %d rows x %d columns (1 fixed row and column), built in %.2f s\n", kRows, kCols,
                tBuild);
    std::printf(
        "  top-left row at the top %d, on the last page %d; last visible row %d; scroll position %d\n",
        tlTop.row, tlBottom.row, visible.GetMaxRow(), pGrid->GetScrollPos32(SB_VERT));
    std::printf("  %-30s %12s %12s %8s\n", "operation (ns per call)", "top", "last page", "ratio");
    const struct
    {
        const char* name;
        double a, b;
    } rows[] = {
        {"GetTopleftNonFixedCell", top.topLeft, bottom.topLeft},
        {"GetCellOrigin", top.origin, bottom.origin},
        {"GetCellFromPt", top.fromPt, bottom.fromPt},
        {"GetVisibleNonFixedCellRange", top.visible, bottom.visible},
    };
    for (const auto& r : rows)
    {
        std::printf("  %-30s %12.1f %12.1f %8.2f\n", r.name, r.a, r.b, r.b / r.a);
        char name[64];
        std::snprintf(name, sizeof(name), "%s last page / top", r.name);
        Figure("geometry", name, r.b / r.a, 1.5, "ns per call, best of 3");
    }

    delete pGrid;
    ::DestroyWindow(hParent);
}
} // namespace gridbench
