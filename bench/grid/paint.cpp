// Grid paint workload: a 1000 x 700 grid window over a grid of 1,000,000 rows (one fixed row,
// four columns, one fixed) is repainted in full through the paint handler and the memory DC,
// scrolled to the top and to the last page; the two times and their ratio are reported (the goal
// is a ratio <= 1.2: painting costs what is visible, not what the grid holds).
#include "bench_grid.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace gridbench
{
namespace
{
const int kWidth = 1000, kHeight = 700;

// Average milliseconds of one full repaint (invalidate, paint at once) of the grid window.
double RepaintMillis(CQGridCtrl& grid, int nRounds)
{
    grid.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); // warm-up
    Clock::time_point start = Clock::now();
    for (int i = 0; i < nRounds; i++)
        grid.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    ::GdiFlush();
    return Seconds(start) * 1000.0 / nRounds;
}

} // namespace

void PaintWorkload(const Options& opt)
{
    const int kRows = opt.nRows; // non-fixed rows
    CWnd parent;
    LPCTSTR lpszClass =
        AfxRegisterWndClass(0, ::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    CRect frame(0, 0, kWidth + 40, kHeight + 40);
    ::AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    if (!parent.CreateEx(0, lpszClass, L"grid paint benchmark",
                         WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, frame.Width(),
                         frame.Height(), NULL, NULL))
    {
        std::printf("paint: no parent window\n");
        return;
    }

    Clock::time_point start = Clock::now();
    CQGridCtrl grid(0, 4, 0, 0);
    grid.SetRedraw(FALSE);
    grid.SetRowCount(kRows + 1);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int row = 0; row < kRows + 1; row++)
    {
        CString s;
        s.Format(L"row %d", row);
        grid.SetItemText(row, 0, s);
        for (int col = 1; col < 4; col++)
        {
            s.Format(L"cell %d, %d", row, col);
            grid.SetItemText(row, col, s);
        }
    }
    if (!grid.Create(CRect(0, 0, kWidth, kHeight), &parent, 1, WS_CHILD | WS_VISIBLE))
    {
        std::printf("paint: no grid window\n");
        return;
    }
    grid.SetColumnWidth(0, 100);
    for (int col = 1; col < 4; col++)
        grid.SetColumnWidth(col, 320);
    grid.SetRedraw(TRUE, TRUE);
    grid.ResetScrollBars(); // once more: the page size is kept only within a range already set
    grid.SetSelectedRange(3, 1, 6, 2);
    CRect client;
    grid.GetClientRect(client);
    std::printf("paint: %d rows x 4 columns, built in %.2f s; client %d x %d, row height %d\n", kRows + 1,
                Seconds(start), client.Width(), client.Height(), grid.GetRowHeight(1));

    // Top and last page take turns, so that load from other programs hits both alike; the best
    // turn of each counts.
    const int nRounds = 10, nTurns = 6;
    grid.SetScrollPos32(SB_VERT, 0);
    CQCellID top = grid.GetTopleftNonFixedCell();
    grid.SetScrollPos32(SB_VERT, INT_MAX / 2); // clamped to the last page
    CQCellID last = grid.GetTopleftNonFixedCell();
    CQCellRange visible = grid.GetVisibleNonFixedCellRange();
    double msTop = 1e30, msLast = 1e30;
    for (int turn = 0; turn < nTurns; turn++)
    {
        grid.SetScrollPos32(SB_VERT, 0);
        msTop = std::min(msTop, RepaintMillis(grid, nRounds));
        grid.SetScrollPos32(SB_VERT, INT_MAX / 2);
        msLast = std::min(msLast, RepaintMillis(grid, nRounds));
    }

    // what the drawing itself costs, without the paint message and the copy to the screen
    double msDrawOnly = 0;
    {
        CClientDC screen(&grid);
        CDC memDC;
        memDC.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
        CBitmap* pOld = memDC.SelectObject(&bitmap);
        Clock::time_point t = Clock::now();
        for (int i = 0; i < nRounds * nTurns; i++)
            grid.OnDraw(&memDC);
        ::GdiFlush();
        msDrawOnly = Seconds(t) * 1000.0 / (nRounds * nTurns);
        memDC.SelectObject(pOld);
    }

    std::printf("  full repaint through the memory DC, best of %d turns of %d repaints each:\n", nTurns,
                nRounds);
    std::printf("  top (first row %d):        %.3f ms\n", top.row, msTop);
    std::printf("  last page (rows %d-%d): %.3f ms\n", last.row, visible.GetMaxRow(), msLast);
    std::printf("  OnDraw alone into a memory DC, last page: %.3f ms\n", msDrawOnly);

    Figure("paint", "full repaint last page / top", msLast / msTop, 1.2, "1000 x 700, best turn");

    grid.DestroyWindow();
    parent.DestroyWindow();
}

} // namespace gridbench
