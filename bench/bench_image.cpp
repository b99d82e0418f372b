// Bitmap loading and scaling: (a) Load of a 4000 x 4000 24-bit bitmap file in MB/s and the ratio to
// reading the same bytes with plain fread (goal <= 2); (b) ScaleDIB of it into a 300 x 200
// rectangle in ms; (c) Load of each sample drawing's thumbnail in microseconds per file. Each figure
// is the best of several turns. The samples are looked for in QCTL_SAMPLES_DIR (a Linux path) or
// the first argument.
#include "bench/benchclock.h"
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "image/QDIBitmap.h"

namespace
{

template <class F> double Best(int turns, F f)
{
    double best = 1e30;
    for (int i = 0; i < turns; i++)
    {
        double t0 = Now();
        f();
        double t = Now() - t0;
        if (t < best)
            best = t;
    }
    return best;
}

std::wstring TempFile(const wchar_t* name)
{
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

// A 4000 x 4000 24-bit bitmap file with a colour ramp.
bool WriteBigBitmap(const std::wstring& path, int cx, int cy)
{
    int stride = (cx * 3 + 3) & ~3;
    BITMAPFILEHEADER bf = {};
    BITMAPINFOHEADER bi = {};
    bi.biSize = sizeof(bi);
    bi.biWidth = cx;
    bi.biHeight = cy;
    bi.biPlanes = 1;
    bi.biBitCount = 24;
    bi.biSizeImage = (DWORD)stride * cy;
    bf.bfType = 0x4D42;
    bf.bfOffBits = sizeof(bf) + sizeof(bi);
    bf.bfSize = bf.bfOffBits + bi.biSizeImage;
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f)
        return false;
    fwrite(&bf, sizeof(bf), 1, f);
    fwrite(&bi, sizeof(bi), 1, f);
    std::vector<BYTE> row(stride);
    for (int y = 0; y < cy; y++)
    {
        for (int x = 0; x < cx; x++)
        {
            row[x * 3] = (BYTE)x;
            row[x * 3 + 1] = (BYTE)y;
            row[x * 3 + 2] = (BYTE)(x + y);
        }
        fwrite(row.data(), 1, stride, f);
    }
    fclose(f);
    return true;
}

std::wstring SampleDir(int argc, char** argv)
{
    const char* p = argc > 1 ? argv[1] : getenv("QCTL_SAMPLES_DIR");
    if (!p)
        return std::wstring();
    std::wstring s(p, p + strlen(p));
    if (!s.empty() && s[0] == L'/')
        s = L"Z:" + s;
    for (wchar_t& c : s)
        if (c == L'/')
            c = L'\\';
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    const int cx = 4000, cy = 4000;
    std::wstring big = TempFile(L"qctl_bench_4000.bmp");
    if (!WriteBigBitmap(big, cx, cy))
    {
        printf("cannot write %ls\n", big.c_str());
        return 1;
    }
    double mb = (54.0 + 12000.0 * cy) / 1e6;

    // (a) Load against fread of the same bytes. Load has to allocate its block, so the baseline
    // reads into a freshly allocated buffer too (touching new memory is the dearest part under some
    // platforms); the figure against a buffer used over and over is printed as well.
    size_t nBytes = (size_t)(mb * 1e6);
    volatile size_t sink = 0;
    double tRead = Best(5,
                        [&]
                        {
                            BYTE* p = new BYTE[nBytes];
                            FILE* f = _wfopen(big.c_str(), L"rb");
                            sink = fread(p, 1, nBytes, f);
                            fclose(f);
                            delete[] p;
                        });
    std::vector<BYTE> reused(nBytes);
    double tReread = Best(5,
                          [&]
                          {
                              FILE* f = _wfopen(big.c_str(), L"rb");
                              sink = fread(reused.data(), 1, nBytes, f);
                              fclose(f);
                          });
    CQDIBitmap dib;
    double tLoad = Best(5, [&] { sink = dib.Load(big.c_str()); });
    printf("(a) Load of %d x %d 24-bit (%.1f MB): %.1f ms, %.0f MB/s; fread into a new buffer %.1f ms, %.0f "
           "MB/s; "
           "ratio %.2f (goal <= 2: %s); fread into a reused buffer %.1f ms, ratio %.2f\n",
           cx, cy, mb, tLoad * 1e3, mb / tLoad, tRead * 1e3, mb / tRead, tLoad / tRead,
           tLoad / tRead <= 2 ? "met" : "not met", tReread * 1e3, tLoad / tReread);

    // (b) ScaleDIB into 300 x 200 on a 32-bit memory DC.
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 300, -200, 1, 32, BI_RGB};
    void* pBits = NULL;
    HBITMAP hTarget = CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = SelectObject(dc.GetSafeHdc(), hTarget);
    double tScale = Best(5,
                         [&]
                         {
                             dib.ScaleDIB(&dc, CRect(0, 0, 300, 200), TRUE);
                             GdiFlush();
                         });
    printf("(b) ScaleDIB of it into 300 x 200: %.1f ms\n", tScale * 1e3);
    SelectObject(dc.GetSafeHdc(), hOld);
    DeleteObject(hTarget);
    DeleteFileW(big.c_str());

    // (c) Thumbnails of the sample drawings.
    std::wstring dir = SampleDir(argc, argv);
    if (dir.empty())
    {
        printf("(c) skipped: no samples (set QCTL_SAMPLES_DIR or pass the folder)\n");
        return 0;
    }
    dir += L"\\drawings\\";
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"*.dwg").c_str(), &fd);
    std::vector<std::wstring> files;
    while (h != INVALID_HANDLE_VALUE)
    {
        files.push_back(dir + fd.cFileName);
        if (!FindNextFileW(h, &fd))
        {
            FindClose(h);
            break;
        }
    }
    double total = 0;
    for (const std::wstring& file : files)
    {
        CQDIBitmap thumb;
        BOOL ok = FALSE;
        double t = Best(20, [&] { ok = thumb.Load(file.c_str()); });
        total += t;
        printf("    %-40ls %8.0f us  %s\n", file.c_str() + dir.size(), t * 1e6, ok ? "thumbnail" : "none");
    }
    if (!files.empty())
        printf("(c) Load of %u sample drawings: %.0f us per file on average\n", (unsigned)files.size(),
               total / files.size() * 1e6);
    return 0;
}
