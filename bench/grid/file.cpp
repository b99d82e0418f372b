// Grid file workload: saves a grid of 1,000,000 rows x 10 columns to a text file and loads it
// back, and reports MB/s for each next to writing and reading the same bytes with plain buffered
// C stdio (fputs and fgets on a text-mode stream, one line at a time). The grid has no window, so
// the figures are those of the file work and the cell store; with a window, row insertion also
// measures every row's heading and the final auto-sizing measures every cell (reported on a
// smaller grid with --window).
#include "bench_grid.h"

#include <stdio.h>
#include <string.h>

#include <chrono>
#include <string>
#include <vector>

namespace
{
const int kCols = 10;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// The text of a cell: a short word and two numbers, 10 to 16 characters.
int CellText(char* buf, size_t n, int row, int col)
{
    static const char* const kWords[] = {"bolt", "nut", "washer", "plate", "beam", "pipe"};
    return snprintf(buf, n, "%s %d.%d", kWords[(row + col) % 6], row, col);
}

long long FileSize(const wchar_t* path)
{
    WIN32_FILE_ATTRIBUTE_DATA fad;
    if (!::GetFileAttributesExW(path, GetFileExInfoStandard, &fad))
        return 0;
    return ((long long)fad.nFileSizeHigh << 32) | fad.nFileSizeLow;
}

struct Figures
{
    double save = 0, load = 0, write = 0, read = 0;
    double build = 0;      // the loaded grid made cell by cell from texts in memory, without a file
    double readString = 0; // the file read with CStdioFile::ReadString alone
    long long bytes = 0;
};

Figures Run(int nRows, bool bWindow)
{
    Figures f;
    wchar_t dir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    std::wstring gridPath = std::wstring(dir) + L"qctl_bench_grid.csv";
    std::wstring plainPath = std::wstring(dir) + L"qctl_bench_plain.csv";

    // The grid's lines as bytes, for the plain stdio figures.
    std::vector<std::string> lines;
    lines.reserve((size_t)nRows + 1);
    char cell[64];

    CWnd parent;
    if (bWindow)
        parent.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, NULL, NULL);
    CQGridCtrl* pGrid = new CQGridCtrl(nRows, kCols);
    if (bWindow)
        pGrid->Create(CRect(0, 0, 580, 380), &parent, 1);
    for (int row = 0; row < nRows; row++)
    {
        std::string line;
        for (int col = 0; col < kCols; col++)
        {
            CellText(cell, sizeof(cell), row, col);
            pGrid->SetItemText(row, col, CString(cell));
            line += cell;
            line += col == kCols - 1 ? '\n' : ',';
        }
        if (row == 0)
            lines.push_back(line);
        lines.push_back(line);
    }

    Clock::time_point start = Clock::now();
    if (!pGrid->Save(gridPath.c_str()))
        printf("Save failed\n");
    f.save = Seconds(start);
    f.bytes = FileSize(gridPath.c_str());
    delete pGrid;

    start = Clock::now();
    FILE* out = _wfopen(plainPath.c_str(), L"w");
    for (const std::string& line : lines)
        fputs(line.c_str(), out);
    fclose(out);
    f.write = Seconds(start);
    if (FileSize(plainPath.c_str()) != f.bytes)
        printf("the plain file differs in size: %lld\n", FileSize(plainPath.c_str()));
    lines.clear();
    lines.shrink_to_fit();

    pGrid = new CQGridCtrl;
    if (bWindow)
        pGrid->Create(CRect(0, 0, 580, 380), &parent, 1);
    start = Clock::now();
    if (!pGrid->Load(gridPath.c_str()))
        printf("Load failed\n");
    f.load = Seconds(start);
    if (pGrid->GetRowCount() != nRows + 1 || pGrid->GetColumnCount() != kCols)
        printf("loaded %d x %d\n", pGrid->GetRowCount(), pGrid->GetColumnCount());
    delete pGrid;

    // The same grid built cell by cell from texts already in memory, as a caller would build it:
    // what a grid of made cells costs apart from the file.
    {
        std::vector<std::wstring> texts;
        texts.reserve(kCols);
        for (int col = 0; col < kCols; col++)
        {
            CellText(cell, sizeof(cell), 0, col);
            texts.push_back(std::wstring(CString(cell)));
        }
        pGrid = new CQGridCtrl;
        if (bWindow)
            pGrid->Create(CRect(0, 0, 580, 380), &parent, 1);
        start = Clock::now();
        pGrid->SetRedraw(FALSE);
        for (int col = 0; col < kCols; col++)
            pGrid->InsertColumn(texts[col].c_str(), DT_CENTER | DT_VCENTER | DT_SINGLELINE, -1);
        for (int row = 0; row <= nRows; row++)
        {
            int nRow = pGrid->InsertRow(texts[0].c_str(), -1);
            for (int col = 1; col < kCols; col++)
                pGrid->SetItemText(nRow, col, texts[col].c_str());
        }
        pGrid->SetRedraw(TRUE);
        pGrid->AutoSizeColumns();
        f.build = Seconds(start);
        delete pGrid;
    }

    // Reading the grid's file the way Load reads it, without making anything.
    {
        start = Clock::now();
        CStdioFile file;
        wchar_t piece[1024];
        long long nPieceChars = 0;
        if (file.Open(gridPath.c_str(), CFile::modeRead | CFile::typeText))
        {
            while (file.ReadString(piece, 1024) != NULL)
                nPieceChars += (long long)wcslen(piece);
            file.Close();
        }
        f.readString = Seconds(start);
        if (nPieceChars <= 0)
            printf("ReadString read nothing\n");
    }

    start = Clock::now();
    FILE* in = _wfopen(plainPath.c_str(), L"r");
    char buf[1024];
    long long nChars = 0;
    while (fgets(buf, sizeof(buf), in))
        nChars += (long long)strlen(buf);
    fclose(in);
    f.read = Seconds(start);
    if (nChars <= 0)
        printf("nothing read\n");

    ::DeleteFileW(gridPath.c_str());
    ::DeleteFileW(plainPath.c_str());
    if (bWindow)
        parent.DestroyWindow();
    return f;
}

void Report(const char* pszWhat, int nRows, const Figures& f)
{
    double mb = f.bytes / 1e6;
    printf("%s: %d rows x %d columns, file %.1f MB\n", pszWhat, nRows, kCols, mb);
    printf("  Save  %7.2f s  %7.1f MB/s   plain fputs %6.2f s  %7.1f MB/s   ratio %.2f\n", f.save,
           mb / f.save, f.write, mb / f.write, f.save / f.write);
    printf("  Load  %7.2f s  %7.1f MB/s   plain fgets %6.2f s  %7.1f MB/s   ratio %.2f\n", f.load,
           mb / f.load, f.read, mb / f.read, f.load / f.read);
    printf("  reading the file with CStdioFile::ReadString alone: %.2f s, ratio %.2f to plain fgets\n",
           f.readString, f.readString / f.read);
    printf("  the same grid built cell by cell (InsertRow, SetItemText) from texts in memory: %.2f s\n",
           f.build);
}
} // namespace

void gridbench::FileWorkload(const Options& opt)
{
    int nRows = opt.bRowsGiven ? opt.nRows : opt.bWindow ? 100000 : 1000000;
    const char* pszWhat = opt.bWindow ? "grid with a window" : "grid without a window";
    Figures f = Run(nRows, opt.bWindow);
    Report(pszWhat, nRows, f);
    gridbench::Figure("file", "Save / plain fputs", f.save / f.write, 3, "same bytes, one line at a time");
    gridbench::Figure("file", "Load / plain fgets", f.load / f.read, 5, "same bytes, one line at a time");
}
