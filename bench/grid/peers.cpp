// The workloads shared with other grid controls: the same data (R rows of C = 10 columns, cell
// (r, c) holding "r*7919+c" and the column's letter), the same 1000 x 700 window with 25-pixel rows
// and 80-pixel columns, one fixed heading row and one fixed row-number column. One process runs
// the nine workloads in order on one grid (the load fills a second grid) and prints one line each:
//   qctl WORKLOAD R C SECONDS key=value,...
// The lines are kept and printed at the very end of the program, after the other figures.
#include "bench_grid.h"

#include <psapi.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace gridbench
{
namespace
{
const int kCols = 10;
const int kWidth = 1000, kHeight = 700, kRowHeight = 25, kColWidth = 80;
const int kRandomOps = 1000000;

std::vector<std::string> g_lines;

void Line(const char* pszWorkload, int nRows, double seconds, const std::string& extra)
{
    char buf[256];
    std::snprintf(buf, sizeof(buf), "qctl %s %d %d %.4f %s", pszWorkload, nRows, kCols, seconds,
                  extra.c_str());
    g_lines.push_back(buf);
    std::printf("%s\n", buf);
    std::fflush(stdout);
}

std::string Keys(const char* pszFormat, double a, double b = 0, double c = 0)
{
    char buf[160];
    std::snprintf(buf, sizeof(buf), pszFormat, a, b, c);
    return buf;
}

SIZE_T WorkingSet()
{
    PROCESS_MEMORY_COUNTERS pmc;
    memset(&pmc, 0, sizeof(pmc));
    pmc.cb = sizeof(pmc);
    return ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof(pmc)) ? pmc.WorkingSetSize : 0;
}

// A non-negative number in decimal followed by the text psz (a short suffix); returns the length.
// Written out here rather than with swprintf, whose cost would otherwise be a third of the build.
int Decimal(long long n, const wchar_t* psz, wchar_t* buf, size_t size)
{
    wchar_t digits[24];
    int nDigits = 0;
    do
    {
        digits[nDigits++] = (wchar_t)(L'0' + n % 10);
        n /= 10;
    } while (n > 0);
    size_t at = 0;
    while (nDigits > 0 && at + 1 < size)
        buf[at++] = digits[--nDigits];
    while (*psz && at + 1 < size)
        buf[at++] = *psz++;
    buf[at] = 0;
    return (int)at;
}

// The data text of cell (r, c), both from 0.
void CellText(int r, int c, wchar_t* buf, size_t n)
{
    const wchar_t suffix[3] = {L' ', (wchar_t)(L'A' + c), 0};
    Decimal((long long)r * 7919 + c, suffix, buf, n);
}

// The same seeded sequence of data cells for every control: (row, column) from 0.
struct Coordinates
{
    std::mt19937 gen{20261206u};
    int nRows;
    explicit Coordinates(int n) : nRows(n) {}
    void Next(int& r, int& c)
    {
        r = (int)(gen() % (unsigned)nRows);
        c = (int)(gen() % (unsigned)kCols);
    }
};

// A top-level window holding the grid window.
class CHost : public CWnd
{
public:
    bool Make(bool bVisible)
    {
        LPCTSTR lpszClass =
            AfxRegisterWndClass(0, ::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
        CRect frame(0, 0, kWidth, kHeight);
        ::AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
        return CreateEx(0, lpszClass, L"grid peers benchmark",
                        WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (bVisible ? WS_VISIBLE : 0), 0, 0,
                        frame.Width(), frame.Height(), NULL, NULL) != FALSE;
    }
};

// A hash of the texts of one row (FNV-1a over the characters, a separator after each text).
unsigned long long RowHash(const CQGridCtrl& grid, int nRow)
{
    unsigned long long h = 1469598103934665603ULL;
    for (int c = 0; c <= kCols; c++)
    {
        CString text = grid.GetItemText(nRow, c);
        for (int i = 0; i <= text.GetLength(); i++)
            h = (h ^ (unsigned)(i < text.GetLength() ? text[i] : 0xFFFF)) * 1099511628211ULL;
    }
    return h;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Twenty full synchronous repaints of the cells and headings (the client area): median, min and
// max in milliseconds. The scroll bars are the window's frame, drawn by the system, as the other
// controls' scroll bars are widgets of their own; a repaint with the frame is printed beside it.
void Paint(const char* pszName, CQGridCtrl& grid, int nRows)
{
    std::vector<double> ms[2];
    for (int frame = 0; frame < 2; frame++)
    {
        const UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | (frame ? RDW_FRAME : 0);
        grid.RedrawWindow(NULL, NULL, flags);
        for (int i = 0; i < 20; i++)
        {
            Clock::time_point t = Clock::now();
            grid.RedrawWindow(NULL, NULL, flags);
            ::GdiFlush();
            ms[frame].push_back(Seconds(t) * 1000.0);
        }
    }
    double med = Median(ms[0]);
    Line(pszName, nRows, med / 1000.0,
         Keys("median_ms=%.3f,min_ms=%.3f,max_ms=%.3f", med, *std::min_element(ms[0].begin(), ms[0].end()),
              *std::max_element(ms[0].begin(), ms[0].end())));
    std::printf("%s with the frame (scroll bars) as well: median %.3f ms\n", pszName, Median(ms[1]));
}

void RandomWrites(const char* pszName, CQGridCtrl& grid, int nRows, int nMax, double maxSeconds)
{
    Coordinates xy(nRows);
    wchar_t buf[48];
    int n = 0;
    Clock::time_point t = Clock::now();
    for (; n < nMax; n++)
    {
        int r, c;
        xy.Next(r, c);
        buf[0] = L'w';
        Decimal(n, L"", buf + 1, 47);
        grid.SetItemText(r + 1, c + 1, buf);
        if ((n & 1023) == 1023 && Seconds(t) > maxSeconds)
        {
            n++;
            break;
        }
    }
    double s = Seconds(t);
    Line(pszName, nRows, s, Keys("ns_per_op=%.1f,ops=%.0f", s * 1e9 / n, n));
}
} // namespace

void PeersWorkload(const Options& opt)
{
    const int R = opt.nRows;
    CHost host;
    if (!host.Make(false))
    {
        std::printf("peers: no host window\n");
        return;
    }

    // 1. build: the grid with its window hidden, every cell's text set.
    SIZE_T wsBefore = WorkingSet();
    Clock::time_point t = Clock::now();
    CQGridCtrl* pGrid = new CQGridCtrl;
    CQGridCtrl& grid = *pGrid;
    if (!grid.Create(CRect(0, 0, kWidth, kHeight), &host, 1, WS_CHILD | WS_VISIBLE))
    {
        std::printf("peers: no grid window\n");
        return;
    }
    grid.SetColumnCount(kCols + 1);
    grid.SetRowCount(R + 1);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int row = 0; row <= R; row++)
        grid.SetRowHeight(row, kRowHeight);
    for (int col = 0; col <= kCols; col++)
        grid.SetColumnWidth(col, kColWidth);
    wchar_t buf[48];
    for (int c = 0; c < kCols; c++)
    {
        buf[0] = (wchar_t)(L'A' + c);
        buf[1] = 0;
        grid.SetItemText(0, c + 1, buf);
    }
    for (int r = 0; r < R; r++)
    {
        Decimal(r + 1, L"", buf, 48);
        grid.SetItemText(r + 1, 0, buf);
        for (int c = 0; c < kCols; c++)
        {
            CellText(r, c, buf, 48);
            grid.SetItemText(r + 1, c + 1, buf);
        }
    }
    grid.ResetScrollBars();
    double s = Seconds(t);
    double bytesPerCell = ((double)WorkingSet() - (double)wsBefore) / ((double)R * kCols);
    Line("build", R, s, Keys("bytes_per_cell=%.1f", bytesPerCell));

    // 2, 3. paint at the top and at the bottom, the window shown.
    host.ShowWindow(SW_SHOWNORMAL);
    host.UpdateWindow();
    grid.SendMessage(WM_VSCROLL, SB_TOP, 0);
    Paint("paint_top", grid, R);
    grid.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    Paint("paint_bottom", grid, R);

    // 4. random reads.
    {
        Coordinates xy(R);
        size_t nChars = 0;
        t = Clock::now();
        for (int n = 0; n < kRandomOps; n++)
        {
            int r, c;
            xy.Next(r, c);
            nChars += grid.GetItemText(r + 1, c + 1).GetLength();
        }
        s = Seconds(t);
        Line("random_read", R, s, Keys("ns_per_op=%.1f,chars=%.0f", s * 1e9 / kRandomOps, (double)nChars));
    }

    // 5. random writes to the shown grid.
    RandomWrites("random_write", grid, R, kRandomOps, 1e9);

    // 6. sort by column D, checked against an independently sorted copy.
    {
        std::vector<std::wstring> expected((size_t)R);
        for (int r = 0; r < R; r++)
            expected[(size_t)r] = (LPCWSTR)grid.GetItemText(r + 1, 4);
        t = Clock::now();
        grid.SortTextItems(4, TRUE);
        s = Seconds(t);
        std::sort(expected.begin(), expected.end());
        bool bOk = true;
        for (int r = 0; r < R && bOk; r++)
            bOk = expected[(size_t)r] == (LPCWSTR)grid.GetItemText(r + 1, 4);
        Line("sort", R, s, Keys("verified=%.0f", bOk ? 1 : 0));
    }

    // 7. save. A hash of every saved row's texts checks the load later, after the writes of 8.
    std::vector<unsigned long long> savedRows((size_t)R + 1);
    for (int r = 0; r <= R; r++)
        savedRows[(size_t)r] = RowHash(grid, r);
    wchar_t szDir[MAX_PATH], szPath[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szDir);
    ::GetTempFileNameW(szDir, L"qgp", 0, szPath);
    {
        t = Clock::now();
        BOOL bSaved = grid.Save(szPath);
        s = Seconds(t);
        WIN32_FILE_ATTRIBUTE_DATA fad;
        double bytes = 0;
        if (::GetFileAttributesExW(szPath, GetFileExInfoStandard, &fad))
            bytes = (double)fad.nFileSizeLow + 4294967296.0 * fad.nFileSizeHigh;
        Line("save", R, s, Keys("MB_per_s=%.1f,bytes=%.0f,ok=%.0f", bytes / 1e6 / s, bytes, bSaved ? 1 : 0));
    }

    // 8. random writes on the sorted grid.
    RandomWrites("random_write_sorted", grid, R, 100000, 20.0);

    // 9. load into a second grid whose window exists but is hidden.
    {
        CHost hidden;
        hidden.Make(false);
        CQGridCtrl* pLoaded = new CQGridCtrl;
        pLoaded->Create(CRect(0, 0, kWidth, kHeight), &hidden, 2, WS_CHILD | WS_VISIBLE);
        WIN32_FILE_ATTRIBUTE_DATA fad;
        double bytes = 0;
        if (::GetFileAttributesExW(szPath, GetFileExInfoStandard, &fad))
            bytes = (double)fad.nFileSizeLow + 4294967296.0 * fad.nFileSizeHigh;
        t = Clock::now();
        BOOL bLoaded = pLoaded->Load(szPath);
        s = Seconds(t);
        // The file holds the heading row twice, then the rows: loaded row k + 1 is saved row k.
        bool bOk = bLoaded && pLoaded->GetRowCount() == R + 2 && pLoaded->GetColumnCount() == kCols + 1;
        for (int r = 0; bOk && r <= R; r++)
            bOk = RowHash(*pLoaded, r + 1) == savedRows[(size_t)r];
        Line("load", R, s, Keys("MB_per_s=%.1f,roundtrip_ok=%.0f", bytes / 1e6 / s, bOk ? 1 : 0));
        delete pLoaded;
        hidden.DestroyWindow();
    }
    ::DeleteFileW(szPath);
    delete pGrid;

    // Not one of the nine: 100,000 rows added one by one with InsertRow and SetItemText to a grid
    // whose window exists, hidden and shown.
    for (int shown = 0; shown < 2; shown++)
    {
        const int nInsert = std::min(R, 100000);
        CHost parent;
        parent.Make(shown != 0);
        CQGridCtrl* pInsert = new CQGridCtrl(1, kCols + 1, 1, 1);
        pInsert->Create(CRect(0, 0, kWidth, kHeight), &parent, 3, WS_CHILD | WS_VISIBLE);
        t = Clock::now();
        for (int r = 0; r < nInsert; r++)
        {
            Decimal(r + 1, L"", buf, 48);
            int row = pInsert->InsertRow(buf);
            for (int c = 0; c < kCols; c++)
            {
                CellText(r, c, buf, 48);
                pInsert->SetItemText(row, c + 1, buf);
            }
        }
        s = Seconds(t);
        std::printf("insert_rows %s window: %d rows in %.3f s (goal <= 1 s at 100,000 rows)\n",
                    shown ? "shown" : "hidden", nInsert, s);
        delete pInsert;
        parent.DestroyWindow();
    }
    host.DestroyWindow();
}

void PrintPeerLines()
{
    for (const std::string& line : g_lines)
        std::printf("%s\n", line.c_str());
}
} // namespace gridbench
