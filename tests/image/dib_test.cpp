// CQDIBitmap and CQBmpPalette: the sample bitmaps and drawings against the platform's own drawing
// of the same bytes, saving byte for byte, resources, the refusals and their messages, copying,
// scaling and the palette; CQClipboard's text functions.
#include "image/QClipboard.h"
#include "image/QDIBitmap.h"
#include "image_test.h"

#include <cstring>

using namespace imgtest;
using qtest::CPixelBuffer;

namespace
{

DWORD U32(const Bytes& b, size_t off)
{
    return off + 4 <= b.size()
               ? (DWORD)b[off] | (b[off + 1] << 8) | (b[off + 2] << 16) | ((DWORD)b[off + 3] << 24)
               : 0;
}

// The bitmap drawn one to one into a white buffer of its size.
std::unique_ptr<CPixelBuffer> DrawDib(const CQDIBitmap& dib)
{
    int cx = dib.GetWidth(), cy = abs((int)dib.GetHeight());
    auto buf = std::make_unique<CPixelBuffer>(cx, cy);
    dib.DrawDIB(buf->GetDC(), 0, 0, cx, cy);
    return buf;
}

// Where a drawing's bitmap thumbnail starts, found by searching for the image area's sentinel
// (not through the header's offset field) and walking its entries. 0 when there is none.
size_t FindThumbnail(const Bytes& file)
{
    static const BYTE sentinel[16] = {0x1F, 0x25, 0x6D, 0x07, 0xD4, 0x36, 0x28, 0x28,
                                      0x9D, 0x57, 0xCA, 0x3F, 0x9D, 0x44, 0x10, 0x2B};
    for (size_t i = 0; i + 21 < file.size(); i++)
    {
        if (memcmp(&file[i], sentinel, 16) != 0)
            continue;
        size_t p = i + 20;
        int n = file[p++];
        for (int e = 0; e < n && p + 9 <= file.size(); e++, p += 9)
        {
            if (file[p] == 2)
                return U32(file, p + 1);
        }
        return 0;
    }
    return 0;
}

} // namespace

// Every good sample: loaded exactly when its information header has 40 bytes, and then drawn
// pixel for pixel as the platform draws the file's own bytes; saved and loaded again, the same.
TEST(DIBitmap, GoodSamplesDrawAsThePlatformDrawsTheFile)
{
    IMG_REQUIRE_SAMPLES();
    std::vector<CString> files = ListFiles(SampleDir() + L"\\bmp\\good", L"*.bmp");
    ASSERT_EQ(27u, files.size());
    int nLoaded = 0;
    for (const CString& path : files)
    {
        SCOPED_TRACE(Narrow(path).c_str());
        Bytes file = ReadBytes(path);
        CQDIBitmap dib;
        BOOL bLoaded = dib.Load(path);
        ASSERT_EQ(U32(file, 14) == 40, bLoaded != FALSE);
        if (!bLoaded)
        {
            EXPECT_EQ(DIBTYPE_NONE, dib.DIBType());
            EXPECT_EQ(nullptr, dib.GetHeaderPtr());
            EXPECT_STREQ(L"Error: OSZ PM BMP Format not supported\n", CQDIBitmap::GetLastLoadError());
            continue;
        }
        nLoaded++;
        EXPECT_EQ(DIBTYPE_BMP, dib.DIBType());
        EXPECT_EQ(0, memcmp(dib.GetHeaderPtr(), &file[14], 40));
        int cx = dib.GetWidth(), cy = abs((int)dib.GetHeight());
        auto mine = DrawDib(dib);
        auto platform = DrawPacked(&file[14], &file[U32(file, 10)], cx, cy);
        EXPECT_EQ(0, CountDifferent(*mine, *platform));

        CString saved = TempPath(L"saved.bmp");
        {
            CFile out(saved, CFile::modeCreate | CFile::modeWrite);
            EXPECT_EQ(out.GetLength(), 0u);
            DWORD n = dib.SaveBmp(out);
            EXPECT_EQ((ULONGLONG)n, out.GetLength());
        }
        // The colour entries in use are written, and bit-field masks are not among them: such a
        // bitmap comes back with other masks. All others come back as they were.
        CQDIBitmap again;
        ASSERT_TRUE(again.Load(saved));
        if (U32(file, 30) != BI_BITFIELDS)
            EXPECT_EQ(0, CountDifferent(*DrawDib(again), *platform));
        else
            EXPECT_EQ(54u + dib.GetPaletteSize() + dib.GetPixelBlockSize(), ReadBytes(saved).size());
        ::DeleteFileW(saved);
    }
    EXPECT_EQ(24, nLoaded);
}

// SaveBmp writes the file header, the header with the colour entries in use and the rows as the
// header describes them, and returns the count; row lengths are padded to four bytes.
TEST(DIBitmap, SaveWritesExactBytes)
{
    struct Case
    {
        int cx, cy, bits;
        std::vector<RGBQUAD> colors;
        int rowBytes;
    } cases[] = {
        {3, 2, 24, {}, 12},
        {5, 3, 1, {{0, 0, 0, 0}, {255, 255, 255, 0}}, 4},
        {33, 2, 1, {{0, 0, 255, 0}, {0, 255, 0, 0}}, 8},
        {7, 2, 8, std::vector<RGBQUAD>(256, RGBQUAD{1, 2, 3, 0}), 8},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.cx * 100 + c.bits);
        Bytes rows((size_t)c.rowBytes * c.cy);
        for (size_t i = 0; i < rows.size(); i++)
            rows[i] = (BYTE)(i * 37 + 11);
        // biSizeImage 0 in the source file: SaveBmp works it out from the rows.
        Bytes src = MakeBmp(c.cx, c.cy, c.bits, c.colors, rows, 0);
        CString in = TempPath(L"in.bmp"), out = TempPath(L"out.bmp");
        ASSERT_TRUE(WriteBytes(in, src));
        CQDIBitmap dib;
        ASSERT_TRUE(dib.Load(in));
        DWORD n;
        {
            CFile f(out, CFile::modeCreate | CFile::modeWrite);
            n = dib.SaveBmp(f);
        }
        Bytes expected = MakeBmp(c.cx, c.cy, c.bits, c.colors, rows);
        // With biClrUsed 0 and 8 bits the table holds 256 entries: the source said 256 explicitly.
        Bytes written = ReadBytes(out);
        EXPECT_EQ(expected, written);
        EXPECT_EQ(written.size(), n);
        EXPECT_EQ((DWORD)(c.rowBytes * c.cy), dib.GetHeaderPtr()->bmiHeader.biSizeImage);
        ::DeleteFileW(in);
        ::DeleteFileW(out);
    }
    CQDIBitmap empty;
    CFile f(TempPath(L"empty.bmp"), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(0u, empty.SaveBmp(f));
    EXPECT_EQ(0u, f.GetLength());
}

// A BMP inside another file is read from the file's position; the file header's offsets count
// from there.
TEST(DIBitmap, BmpInsideAnotherFileIsReadFromThePosition)
{
    Bytes bmp = MakeBmp24(9, 4, [](int x, int y) { return RGB(x * 20, y * 50, 7); });
    Bytes file(333, 0xAB);
    file.insert(file.end(), bmp.begin(), bmp.end());
    CString path = TempPath(L"inside.bin");
    ASSERT_TRUE(WriteBytes(path, file));
    CQDIBitmap dib;
    CFile f(path, CFile::modeRead);
    f.Seek(333, CFile::begin);
    ASSERT_TRUE(dib.LoadBmp(&f));
    EXPECT_EQ(DIBTYPE_NONE, dib.DIBType()); // direct loaders leave the type
    EXPECT_EQ(0, CountDifferent(*DrawDib(dib), *DrawPacked(&bmp[14], &bmp[54], 9, 4)));
    f.Close();
    ::DeleteFileW(path);
}

// The type a name implies and what Load does with names it cannot or need not open.
TEST(DIBitmap, FileTypeAndLoadByName)
{
    struct
    {
        const wchar_t* name;
        QDIBType type;
    } names[] = {{L"PLAN.DWG.BMP", DIBTYPE_BMP}, {L"plan.bmp.dwg", DIBTYPE_BMP},
                 {L"a.DiB", DIBTYPE_BMP},        {L"c:\\x.dwg\\y", DIBTYPE_DWG},
                 {L"photo.jpeg", DIBTYPE_JPEG},  {L"p.JPG", DIBTYPE_JPEG},
                 {L"notes.txt", DIBTYPE_NONE},   {L"", DIBTYPE_NONE},
                 {L"bmp", DIBTYPE_NONE}};
    for (const auto& n : names)
        EXPECT_EQ(n.type, CQDIBitmap::FileType(n.name)) << Narrow(n.name).c_str();

    Bytes bmp = MakeBmp24(4, 4, [](int, int) { return RGB(1, 2, 3); });
    CString jpeg = TempPath(L"photo.jpeg"), bmpPath = TempPath(L"ok.bmp"), dir = TempPath(L"dir.bmp");
    ASSERT_TRUE(WriteBytes(jpeg, bmp));
    ASSERT_TRUE(WriteBytes(bmpPath, bmp));
    ::CreateDirectoryW(dir, NULL);
    const wchar_t* failing[] = {jpeg, L"notes.txt", L"Z:\\no\\such\\file.bmp", dir};
    for (const wchar_t* path : failing)
    {
        CQDIBitmap dib;
        ASSERT_TRUE(dib.Load(bmpPath));
        EXPECT_FALSE(dib.Load(path)) << Narrow(path).c_str();
        EXPECT_EQ(DIBTYPE_NONE, dib.DIBType());
        EXPECT_EQ(nullptr, dib.GetHeaderPtr()); // a failed load keeps nothing
    }
    // A file another process (here: handle) holds exclusively cannot be opened.
    HANDLE hLock = ::CreateFileW(bmpPath, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    CQDIBitmap locked;
    EXPECT_FALSE(locked.Load(bmpPath));
    ::CloseHandle(hLock);
    EXPECT_TRUE(locked.Load(bmpPath));
    ::DeleteFileW(jpeg);
    ::DeleteFileW(bmpPath);
    ::RemoveDirectoryW(dir);
}

// Refused files give their message and leave what a direct loader held untouched.
TEST(DIBitmap, RefusalsAndTheirMessages)
{
    Bytes good = MakeBmp24(4, 2, [](int x, int) { return RGB(x * 60, 0, 0); });
    auto withHeaderSize = [&](DWORD n)
    {
        Bytes b = good;
        memcpy(&b[14], &n, 4);
        return b;
    };
    Bytes notBm = good;
    notBm[1] = 'N';
    struct
    {
        const char* what;
        Bytes data;
        const wchar_t* message;
    } cases[] = {
        {"not BM", notBm, L"Error: Unexpected file type, not a DIB\n"},
        {"core header", withHeaderSize(12), L"Error: OSZ PM BMP Format not supported\n"},
        {"v4 header", withHeaderSize(108), L"Error: OSZ PM BMP Format not supported\n"},
        {"v5 header", withHeaderSize(124), L"Error: OSZ PM BMP Format not supported\n"},
        {"empty file", Bytes(), L"Error: Unexpected file type, not a DIB\n"},
        {"file header only", Bytes(good.begin(), good.begin() + 14),
         L"Error: OSZ PM BMP Format not supported\n"},
    };
    CString path = TempPath(L"refused.bmp"), okPath = TempPath(L"ok.bmp");
    ASSERT_TRUE(WriteBytes(okPath, good));
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteBytes(path, c.data));
        CQDIBitmap dib;
        EXPECT_FALSE(dib.Load(path));
        EXPECT_STREQ(c.message, CQDIBitmap::GetLastLoadError());

        CFile ok(okPath, CFile::modeRead);
        ASSERT_TRUE(dib.LoadBmp(&ok));
        BITMAPINFO* pHeader = dib.GetHeaderPtr();
        CFile bad(path, CFile::modeRead);
        EXPECT_FALSE(dib.LoadBmp(&bad));
        EXPECT_EQ(pHeader, dib.GetHeaderPtr());
        EXPECT_EQ(4, dib.GetWidth());
    }
    ::DeleteFileW(path);
    ::DeleteFileW(okPath);
}

// Bitmap resources of a module: a full colour table, a short one (pixels right after it), and the
// refusals. The module is a copy of a DLL with the resources added.
TEST(DIBitmap, LoadsBitmapResources)
{
    IMG_REQUIRE_SAMPLES();
    Bytes pal8 = ReadBytes(SampleDir() + L"\\bmp\\good\\pal8-0.bmp"); // 256 colours, biSizeImage 0
    Bytes pal1 = ReadBytes(SampleDir() + L"\\bmp\\good\\pal1.bmp");   // 2 colours
    Bytes os2 = ReadBytes(SampleDir() + L"\\bmp\\good\\pal8os2.bmp");
    ASSERT_FALSE(pal8.empty());
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(NULL, exe, MAX_PATH);
    CString dll(exe);
    dll = dll.Left(dll.ReverseFind(L'\\') + 1) + L"libwinpthread-1.dll";
    CString copy = TempPath(L"res.dll");
    ASSERT_TRUE(::CopyFileW(dll, copy, FALSE));
    HANDLE hUpdate = ::BeginUpdateResourceW(copy, FALSE);
    ASSERT_TRUE(hUpdate != NULL);
    auto add = [&](WORD id, const Bytes& file, size_t nCut)
    {
        ::UpdateResourceW(hUpdate, RT_BITMAP, MAKEINTRESOURCEW(id), 0, (void*)&file[14],
                          (DWORD)(file.size() - 14 - nCut));
    };
    add(1, pal8, 0);
    add(2, pal1, 0);
    add(3, os2, 0);
    add(4, pal8, pal8.size() - 14 - 100); // header and a piece of the colour table
    ASSERT_TRUE(::EndUpdateResourceW(hUpdate, FALSE));
    HMODULE hMod = ::LoadLibraryExW(copy, NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(hMod != NULL);

    for (const Bytes* file : {&pal8, &pal1})
    {
        CQDIBitmap dib;
        ASSERT_TRUE(dib.LoadBmp(hMod, file == &pal8 ? 0x10001 : 2)); // only the low 16 bits count
        EXPECT_EQ(DIBTYPE_NONE, dib.DIBType());
        EXPECT_EQ(
            0, CountDifferent(*DrawDib(dib), *DrawPacked(&(*file)[14], &(*file)[U32(*file, 10)], 127, 64)));
    }
    struct
    {
        UINT id;
        BOOL result;
        const wchar_t* message;
    } cases[] = {{3, FALSE, L"Error: OS2 PM BMP Format not supported\n"},
                 {77, FALSE, L"Error: Can't find load resource.\n"},
                 {4, TRUE, nullptr}};
    for (const auto& c : cases)
    {
        CQDIBitmap dib;
        EXPECT_EQ(c.result, dib.LoadBmp(hMod, c.id)) << c.id;
        if (c.message)
            EXPECT_STREQ(c.message, CQDIBitmap::GetLastLoadError());
        else
        {
            EXPECT_EQ(0u, dib.GetPixelBlockSize());
            CPixelBuffer buf(8, 8);
            dib.DrawDIB(buf.GetDC(), 0, 0, 8, 8); // no rows: draws nothing
            EXPECT_EQ(64, buf.CountColor(CRect(0, 0, 8, 8), RGB(255, 255, 255)));
        }
    }
    ::FreeLibrary(hMod);
    ::DeleteFileW(copy);
}

// The sample drawings: a bitmap thumbnail exactly where the file keeps it (header, colour table and
// pixels drawn like the platform draws those bytes), nothing for the others.
TEST(DIBitmap, DrawingThumbnails)
{
    IMG_REQUIRE_SAMPLES();
    struct
    {
        const wchar_t* name;
        int cx, bits; // 0: no bitmap thumbnail
    } cases[] = {
        {L"2000-Line.dwg", 256, 8},      {L"2004-Arc.dwg", 256, 8},   {L"2007-Text.dwg", 256, 8},
        {L"2010-circle.dwg", 256, 8},    {L"r14-v.dwg", 180, 8},      {L"sample_2000.dwg", 180, 8},
        {L"2004-material.dwg", 648, 32}, {L"2013-Line.dwg", 0, 0},    {L"2018-Line.dwg", 0, 0},
        {L"2000-PolyLine2D.dwg", 0, 0},  {L"r10-tmp_line.dwg", 0, 0}, {L"r11-entities-2d.dwg", 0, 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(Narrow(c.name).c_str());
        CString path = SampleDir() + L"\\drawings\\" + c.name;
        Bytes file = ReadBytes(path);
        ASSERT_FALSE(file.empty());
        CQDIBitmap dib;
        ASSERT_EQ(c.cx != 0, dib.Load(path) != FALSE);
        if (!c.cx)
        {
            EXPECT_EQ(DIBTYPE_NONE, dib.DIBType());
            continue;
        }
        EXPECT_EQ(DIBTYPE_DWG, dib.DIBType());
        EXPECT_EQ(c.cx, dib.GetWidth());
        EXPECT_EQ(c.bits, dib.GetHeaderPtr()->bmiHeader.biBitCount);
        size_t start = FindThumbnail(file);
        ASSERT_GT(start, 0u);
        ASSERT_EQ(0, memcmp(dib.GetHeaderPtr(), &file[start], 40 + 1024));
        EXPECT_LE(dib.GetPixelBlockSize(), file.size() - start - 1064);
        int cy = dib.GetHeight();
        ASSERT_GE(file.size(), start + 1064 + (size_t)c.cx * cy * c.bits / 8);
        // The 32-bit thumbnail's colour table is not 1024 bytes, so its pixels are not where the
        // loader reads them; both drawings still show the same bytes.
        EXPECT_EQ(0, CountDifferent(*DrawDib(dib), *DrawPacked(&file[start], &file[start + 1064], c.cx, cy)));
    }
}

// Drawing files whose image area is damaged: sentinels off by one bit, entries outside the file.
TEST(DIBitmap, DamagedDrawingsLoadNothing)
{
    IMG_REQUIRE_SAMPLES();
    Bytes file = ReadBytes(SampleDir() + L"\\drawings\\r14-v.dwg");
    size_t area = U32(file, 13);
    size_t size = U32(file, area + 16);
    size_t entries = area + 20;
    struct
    {
        const char* what;
        size_t offset;
        DWORD value; // XORed into the byte, or written as u32 when big
        bool u32;
    } cases[] = {{"start sentinel", area + 7, 0x01, false},
                 {"end sentinel", area + 20 + size + 15, 0x80, false},
                 {"area offset past end", 13, 0x7FFFFFF0, true},
                 {"area size past end", area + 16, 0x7FFFFFF0, true},
                 {"bitmap entry outside the file", entries + 1 + 9 + 1, 0x7FFFFFF0, true},
                 {"bitmap code changed", entries + 1 + 9, 0x04, false}};
    CString path = TempPath(L"damaged.dwg");
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        Bytes b = file;
        ASSERT_EQ(2, file[entries + 1 + 9]); // second entry is the bitmap
        if (c.u32)
            memcpy(&b[c.offset], &c.value, 4);
        else
            b[c.offset] ^= (BYTE)c.value;
        ASSERT_TRUE(WriteBytes(path, b));
        CQDIBitmap dib;
        EXPECT_FALSE(dib.Load(path));
        EXPECT_EQ(nullptr, dib.GetHeaderPtr());
    }
    // A huge entry size is bounded by the file.
    Bytes b = file;
    DWORD huge = 0xFFFFFFF0;
    memcpy(&b[entries + 1 + 9 + 5], &huge, 4);
    ASSERT_TRUE(WriteBytes(path, b));
    CQDIBitmap dib;
    EXPECT_TRUE(dib.Load(path));
    EXPECT_LE(dib.GetPixelBlockSize(), b.size());
    ::DeleteFileW(path);
}

// Copies are deep and keep the type; empty and directly loaded sources give empty copies.
TEST(DIBitmap, CopyAndAssign)
{
    IMG_REQUIRE_SAMPLES();
    CQDIBitmap src;
    ASSERT_TRUE(src.Load(SampleDir() + L"\\drawings\\2000-Line.dwg"));
    CQDIBitmap copy(src);
    EXPECT_EQ(DIBTYPE_DWG, copy.DIBType());
    EXPECT_NE(src.GetPixelPtr(), copy.GetPixelPtr());
    EXPECT_EQ(0, memcmp(src.GetHeaderPtr(), copy.GetHeaderPtr(), CQDIBitmap::HEADER_BLOCK_SIZE));
    EXPECT_EQ(0, CountDifferent(*DrawDib(src), *DrawDib(copy)));
    src.FreeDIB();
    EXPECT_EQ(256, copy.GetWidth()); // independent of the source
    copy = copy;
    EXPECT_EQ(256, copy.GetWidth());
    copy = src;
    EXPECT_EQ(nullptr, copy.GetHeaderPtr());
    EXPECT_EQ(DIBTYPE_NONE, copy.DIBType());

    CFile f(SampleDir() + L"\\bmp\\good\\rgb24.bmp", CFile::modeRead);
    ASSERT_TRUE(src.LoadBmp(&f));
    CQDIBitmap fromDirect(src);
    EXPECT_EQ(nullptr, fromDirect.GetHeaderPtr());
}

// ScaleDIB: the drawn rectangle for bitmaps that fit, that do not, and that match; a two-colour
// bitmap (left half red, right half blue) shows where each edge went.
TEST(DIBitmap, ScaleToRectangle)
{
    struct
    {
        int w, h, W, H;
        BOOL center;
        int x, y, dw, dh; // expected placement
    } cases[] = {
        {100, 50, 300, 300, TRUE, -150, 0, 600, 300}, {400, 200, 200, 200, TRUE, 0, 50, 200, 100},
        {400, 200, 200, 200, FALSE, 0, 0, 200, 100},  {60, 40, 60, 40, TRUE, 0, 0, 60, 40},
        {40, 20, 100, 60, TRUE, -10, 0, 120, 60},     {200, 10, 100, 100, TRUE, 0, 47, 100, 5},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.w * 1000 + c.W);
        Bytes bmp =
            MakeBmp24(c.w, c.h, [&](int x, int) { return x < c.w / 2 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
        CString path = TempPath(L"scale.bmp");
        ASSERT_TRUE(WriteBytes(path, bmp));
        CQDIBitmap dib;
        ASSERT_TRUE(dib.Load(path));
        CPixelBuffer buf(c.W + 20, c.H + 20);
        dib.ScaleDIB(buf.GetDC(), CRect(7, 9, 7 + c.W, 9 + c.H), c.center); // the corner does not count
        // Checks a pixel where it lies inside the buffer.
        auto expectAt = [&](int x, int y, COLORREF clr)
        {
            if (x >= 0 && y >= 0 && x < buf.Width() && y < buf.Height())
                EXPECT_EQ(clr, buf.GetPixel(x, y)) << x << "," << y;
        };
        const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255);
        int xm = c.x + c.dw / 2; // the colour boundary
        int yc = c.y + c.dh / 2;
        expectAt(c.x + 1, yc, red);
        expectAt(xm - 2, yc, red);
        expectAt(xm + 2, yc, blue);
        expectAt(c.x + c.dw - 2, yc, blue);
        expectAt(c.x + c.dw + 1, yc, white);
        expectAt(xm + 2, c.y + c.dh - 1, blue);
        expectAt(xm + 2, c.y + c.dh, white);
        expectAt(xm + 2, c.y - 1, white);
        expectAt(xm - 2, c.y, red);
        ::DeleteFileW(path);
    }
}

// Colour counts and the palette made of the colour table.
TEST(DIBitmap, ColorsAndPalette)
{
    IMG_REQUIRE_SAMPLES();
    struct
    {
        const wchar_t* file;
        int numColors, entries;
    } cases[] = {{L"good\\pal1.bmp", 2, 2},         {L"good\\pal4.bmp", 12, 12},
                 {L"good\\pal8-0.bmp", 256, 256},   {L"good\\rgb24.bmp", 0, 0},
                 {L"good\\rgb24pal.bmp", 256, 256}, {L"bad\\badpalettesize.bmp", 0x1234, 256}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(Narrow(c.file).c_str());
        CQDIBitmap dib;
        ASSERT_TRUE(dib.Load(SampleDir() + L"\\bmp\\" + c.file));
        EXPECT_EQ(c.numColors, dib.GetNumColors());
        CQBmpPalette pal(&dib);
        int n = pal.GetSafeHandle() ? pal.GetEntryCount() : 0;
        EXPECT_EQ(c.entries, n);
        std::vector<PALETTEENTRY> pe(256);
        pal.GetPaletteEntries(0, n, pe.data());
        const RGBQUAD* table = dib.GetColorTablePtr();
        for (int i = 0; i < n; i++)
        {
            ASSERT_EQ(RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue),
                      RGB(pe[i].peRed, pe[i].peGreen, pe[i].peBlue))
                << i;
        }
    }
    CQDIBitmap empty;
    CQBmpPalette none(&empty);
    EXPECT_EQ(nullptr, empty.GetColorTablePtr());
}

// Clipboard text: lengths, limits, appending, the empty text and characters beyond 8 bits.
TEST(Clipboard, TextRoundTrips)
{
    qtest::CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop(50, 50));
    HWND h = wnd.GetSafeHwnd();
    ASSERT_TRUE(CQClipboard::SetText(L"hello", h));
    DWORD n = 0;
    ASSERT_TRUE(CQClipboard::GetTextLength(n, h));
    EXPECT_EQ(6u, n);
    struct
    {
        int limit;
        const wchar_t* result;
    } limits[] = {{6, L">hello"}, {100, L">hello"}, {5, L">hell"}, {2, L">h"}, {1, L">"}, {0, L">"}};
    for (const auto& l : limits)
    {
        CString s = L">";
        EXPECT_TRUE(CQClipboard::GetText(s, l.limit, h));
        EXPECT_STREQ(l.result, s) << l.limit;
    }
    // Each character's low 8 bits; read back as the character of that byte's value.
    ASSERT_TRUE(CQClipboard::SetText(CString(L"a\x00E9\x4E2D"), h));
    CString s;
    ASSERT_TRUE(CQClipboard::GetText(s, 100, h));
    EXPECT_STREQ(L"a\x00E9\x002D", s);

    EXPECT_TRUE(CQClipboard::SetText(L"", h));
    EXPECT_FALSE(CQClipboard::GetTextLength(n, h));
    CString t = L"keep";
    EXPECT_FALSE(CQClipboard::GetText(t, 10, h));
    EXPECT_STREQ(L"keep", t);
}
