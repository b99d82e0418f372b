// Grid drawing and sorting benchmark.
//
// Painting: a 1000 x 700 grid window over a grid of 1,000,000 rows (one fixed row, four columns,
// one fixed) is repainted in full through the paint handler and the memory DC, scrolled to the top
// and to the last page; the two times and their ratio are reported (the goal is a ratio <= 1.2:
// painting costs what is visible, not what the grid holds).
//
// Sorting: SortTextItems of 1,000,000 rows by a column of distinct texts in random order, against
// std::sort of the same CString values with the same comparison (goal: ratio <= 2.5).
#include "qctl.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp(NULL) {}
};
CBenchApp theApp;

const int kRows = 1000000;      // non-fixed rows
const int kWidth = 1000, kHeight = 700;

// Average milliseconds of one full repaint (invalidate, paint at once) of the grid window.
double RepaintMillis(CQGridCtrl& grid, int nRounds)
{
    grid.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);   // warm-up
    Clock::time_point start = Clock::now();
    for (int i = 0; i < nRounds; i++)
        grid.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    ::GdiFlush();
    return Seconds(start) * 1000.0 / nRounds;
}

void BenchPaint()
{
    CWnd parent;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    CRect frame(0, 0, kWidth + 40, kHeight + 40);
    ::AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    if (!parent.CreateEx(0, lpszClass, L"grid paint benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                         0, frame.Width(), frame.Height(), NULL, NULL))
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
    grid.ResetScrollBars();   // once more: the page size is kept only within a range already set
    grid.SetSelectedRange(3, 1, 6, 2);
    CRect client;
    grid.GetClientRect(client);
    std::printf("grid: %d rows x 4 columns, built in %.2f s; client %d x %d, row height %d\n", kRows + 1,
                Seconds(start), client.Width(), client.Height(), grid.GetRowHeight(1));

    // Top and last page take turns, so that load from other programs hits both alike; the best
    // turn of each counts.
    const int nRounds = 10, nTurns = 6;
    grid.SetScrollPos32(SB_VERT, 0);
    CQCellID top = grid.GetTopleftNonFixedCell();
    grid.SetScrollPos32(SB_VERT, INT_MAX / 2);   // clamped to the last page
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

    std::printf("full repaint through the memory DC, best of %d turns of %d repaints each:\n", nTurns, nRounds);
    std::printf("  top (first row %d):        %.3f ms\n", top.row, msTop);
    std::printf("  last page (rows %d-%d): %.3f ms\n", last.row, visible.GetMaxRow(), msLast);
    std::printf("  ratio last page / top: %.2f (goal <= 1.2)\n", msLast / msTop);
    std::printf("  OnDraw alone into a memory DC, last page: %.3f ms\n", msDrawOnly);

    grid.DestroyWindow();
    parent.DestroyWindow();
}

// Distinct texts in random order.
std::vector<CString> DistinctTexts(int n)
{
    std::vector<int> numbers(n);
    for (int i = 0; i < n; i++)
        numbers[i] = i;
    std::mt19937 rng(12345);
    std::shuffle(numbers.begin(), numbers.end(), rng);
    std::vector<CString> texts(n);
    for (int i = 0; i < n; i++)
        texts[i].Format(L"item %07d", numbers[i]);
    return texts;
}

void BenchSort()
{
    std::vector<CString> texts = DistinctTexts(kRows);

    // The two sorts take turns; the best turn of each counts.
    double tStd = 1e30, tGrid = 1e30;
    bool bSorted = true;
    for (int turn = 0; turn < 3; turn++)
    {
        {
            std::vector<CString> values = texts;
            Clock::time_point start = Clock::now();
            std::sort(values.begin(), values.end(),
                      [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
            tStd = std::min(tStd, Seconds(start));
        }
        {
            CQGridCtrl grid(kRows + 1, 1, 1, 0);
            for (int i = 0; i < kRows; i++)
                grid.SetItemText(i + 1, 0, texts[i]);
            Clock::time_point start = Clock::now();
            grid.SortTextItems(0, TRUE);
            tGrid = std::min(tGrid, Seconds(start));
            for (int row = 2; row <= kRows && bSorted; row++)
                bSorted = grid.GetItemText(row - 1, 0).Compare(grid.GetItemText(row, 0)) < 0;
        }
    }

    std::printf("sort of %d distinct texts in random order%s:\n", kRows, bSorted ? "" : " (NOT SORTED)");
    std::printf("  SortTextItems:          %.3f s\n", tGrid);
    std::printf("  std::sort of CStrings:  %.3f s\n", tStd);
    std::printf("  ratio: %.2f (goal <= 2.5)\n", tGrid / tStd);
}
}  // namespace

int main()
{
    if (!AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL))
    {
        std::printf("the framework layer did not start\n");
        return 2;
    }
    theApp.InitApplication();
    theApp.InitInstance();
    BenchPaint();
    BenchSort();
    theApp.ExitInstance();
    AfxWinTerm();
    return 0;
}
