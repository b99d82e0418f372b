// CQDIBitmap and CQBmpPalette against the sample bitmaps and drawings (drawn as the platform draws
// the same bytes), saving byte for byte, resources, refusals with their messages, copying, scaling
// and palettes; CQClipboard's text.
#include "image/QClipboard.h"
#include "image/QDIBitmap.h"
#include "image_test.h"

#include <algorithm>

using namespace imgtest;
using qtest::CPixelBuffer;

namespace
{

std::unique_ptr<CPixelBuffer> DrawDib(const CQDIBitmap& dib)
{
    auto buf = std::make_unique<CPixelBuffer>(dib.GetWidth(), abs((int)dib.GetHeight()));
    dib.DrawDIB(buf->GetDC(), 0, 0, buf->Width(), buf->Height());
    return buf;
}

// The start of a drawing's bitmap thumbnail, found by searching for the image area's sentinel (not
// through the header's offset) and walking its entries; 0 when there is none.
size_t FindThumbnail(const Bytes& file)
{
    static const BYTE sentinel[] = {0x1F, 0x25, 0x6D, 0x07, 0xD4, 0x36, 0x28, 0x28,
                                    0x9D, 0x57, 0xCA, 0x3F, 0x9D, 0x44, 0x10, 0x2B};
    size_t at = std::search(file.begin(), file.end(), sentinel, sentinel + 16) - file.begin();
    int nEntries = at + 21 <= file.size() ? file[at + 20] : 0;
    for (size_t e = 0, p = at + 21; (int)e < nEntries && p + 9 <= file.size(); e++, p += 9)
        if (file[p] == 2)
            return U32(file, p + 1);
    return 0;
}

} // namespace

// Every good sample loads exactly when its information header has 40 bytes, draws as the platform
// draws the file's bytes, and comes back the same after SaveBmp (bit-field masks are not colour
// entries and are not saved).
TEST(DIBitmap, GoodSamplesDrawAsThePlatformDoes)
{
    IMG_REQUIRE_SAMPLES();
    std::vector<CString> files = ListFiles(SampleDir() + L"\\bmp\\good", L"*.bmp");
    ASSERT_EQ(27u, files.size());
    for (const CString& path : files)
    {
        SCOPED_TRACE(Narrow(path));
        Bytes file = ReadBytes(path);
        CQDIBitmap dib;
        ASSERT_EQ(U32(file, 14) == 40, dib.Load(path) != FALSE);
        if (dib.DIBType() == DIBTYPE_NONE)
        {
            EXPECT_STREQ(L"Error: OSZ PM BMP Format not supported\n", CQDIBitmap::GetLastLoadError());
            continue;
        }
        EXPECT_EQ(DIBTYPE_BMP, dib.DIBType());
        auto platform =
            DrawPacked(&file[14], &file[U32(file, 10)], dib.GetWidth(), abs((int)dib.GetHeight()));
        EXPECT_EQ(0, CountDifferent(*DrawDib(dib), *platform));
        CString saved = TempPath(L"saved.bmp");
        DWORD n;
        {
            CFile out(saved, CFile::modeCreate | CFile::modeWrite);
            n = dib.SaveBmp(out);
        }
        EXPECT_EQ(ReadBytes(saved).size(), n);
        CQDIBitmap again;
        ASSERT_TRUE(again.Load(saved));
        if (U32(file, 30) != BI_BITFIELDS)
        {
            EXPECT_EQ(0, CountDifferent(*DrawDib(again), *platform));
        }
        ::DeleteFileW(saved);
    }
}

// SaveBmp: file header, header with the colour entries in use, rows padded to 4 bytes, and the
// count; biSizeImage worked out. A BMP inside another file is read from the file's position.
TEST(DIBitmap, SaveWritesExactBytesAndReadsFromThePosition)
{
    struct
    {
        int cx, bits;
        std::vector<RGBQUAD> colors;
        int rowBytes;
    } cases[] = {{3, 24, {}, 12},
                 {5, 1, {{0, 0, 0, 0}, {255, 255, 255, 0}}, 4},
                 {33, 1, {{1, 2, 3, 0}, {4, 5, 6, 0}}, 8}};
    for (const auto& c : cases)
    {
        Bytes rows((size_t)c.rowBytes * 3);
        for (size_t i = 0; i < rows.size(); i++)
            rows[i] = (BYTE)(i * 37 + 11);
        Bytes file = MakeBmp(c.cx, 3, c.bits, c.colors, rows, 0), prefixed(333, 0xAB);
        prefixed.insert(prefixed.end(), file.begin(), file.end());
        CString in = WriteTemp(L"in.bin", prefixed), out = TempPath(L"out.bmp");
        CQDIBitmap dib;
        CFile f(in, CFile::modeRead);
        f.Seek(333, CFile::begin);
        ASSERT_TRUE(dib.LoadBmp(&f));
        EXPECT_EQ(DIBTYPE_NONE, dib.DIBType()); // the direct loaders leave the type
        DWORD n;
        {
            CFile o(out, CFile::modeCreate | CFile::modeWrite);
            n = dib.SaveBmp(o);
        }
        EXPECT_EQ(MakeBmp(c.cx, 3, c.bits, c.colors, rows), ReadBytes(out)) << c.cx;
        EXPECT_EQ(54 + 4 * c.colors.size() + rows.size(), n);
    }
    CQDIBitmap empty;
    CFile f(TempPath(L"empty.bmp"), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(0u, empty.SaveBmp(f));
}

// Names decide the type; what cannot be loaded leaves the object empty, with the loader's message.
TEST(DIBitmap, TypesRefusalsAndMessages)
{
    const std::pair<const wchar_t*, QDIBType> names[] = {
        {L"PLAN.DWG.BMP", DIBTYPE_BMP}, {L"plan.bmp.dwg", DIBTYPE_BMP}, {L"a.DiB", DIBTYPE_BMP},
        {L"x.dwg\\y", DIBTYPE_DWG},     {L"photo.jpeg", DIBTYPE_JPEG},  {L"p.JPG", DIBTYPE_JPEG},
        {L"notes.txt", DIBTYPE_NONE},   {L"bmp", DIBTYPE_NONE}};
    for (const auto& n : names)
        EXPECT_EQ(n.second, CQDIBitmap::FileType(n.first)) << Narrow(n.first);

    Bytes good = MakeBmp24(4, 2, [](int x, int) { return RGB(x * 60, 0, 0); });
    auto withHeaderSize = [&](DWORD n)
    {
        Bytes b = good;
        memcpy(&b[14], &n, 4);
        return b;
    };
    Bytes notBm = good;
    notBm[1] = 'N';
    ::CreateDirectoryW(TempPath(L"dir.bmp"), NULL);
    const wchar_t *kNotDib = L"Error: Unexpected file type, not a DIB\n",
                  *kHeader = L"Error: OSZ PM BMP Format not supported\n";
    struct
    {
        CString path;
        const wchar_t* message; // NULL: refused before any loader runs
    } cases[] = {{WriteTemp(L"a.bmp", notBm), kNotDib},
                 {WriteTemp(L"b.bmp", Bytes()), kNotDib},
                 {WriteTemp(L"c.bmp", withHeaderSize(12)), kHeader},
                 {WriteTemp(L"d.bmp", withHeaderSize(124)), kHeader},
                 {WriteTemp(L"e.bmp", Bytes(good.begin(), good.begin() + 14)), kHeader},
                 {WriteTemp(L"photo.jpeg", good), nullptr},
                 {L"notes.txt", nullptr},
                 {L"Z:\\no\\such.bmp", nullptr},
                 {TempPath(L"dir.bmp"), nullptr}};
    CString okPath = WriteTemp(L"ok.bmp", good);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(Narrow(c.path));
        CQDIBitmap dib;
        ASSERT_TRUE(dib.Load(okPath));
        EXPECT_FALSE(dib.Load(c.path));
        EXPECT_EQ(nullptr, dib.GetHeaderPtr()); // a failed Load keeps nothing
        EXPECT_EQ(DIBTYPE_NONE, dib.DIBType());
        if (c.message)
        {
            EXPECT_STREQ(c.message, CQDIBitmap::GetLastLoadError());
            CFile ok(okPath, CFile::modeRead), bad(c.path, CFile::modeRead);
            ASSERT_TRUE(dib.LoadBmp(&ok));
            BITMAPINFO* pHeader = dib.GetHeaderPtr();
            EXPECT_FALSE(dib.LoadBmp(&bad));
            EXPECT_EQ(pHeader, dib.GetHeaderPtr()); // a refused direct load changes nothing
        }
    }
    HANDLE hLock = ::CreateFileW(okPath, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    CQDIBitmap locked;
    EXPECT_FALSE(locked.Load(okPath)); // held by another handle without sharing
    ::CloseHandle(hLock);
    EXPECT_TRUE(locked.Load(okPath));
}

// Bitmap resources of a module (a copy of a DLL with resources added): 256 and 2 colour entries
// (pixels right after them), the refusals.
TEST(DIBitmap, LoadsBitmapResources)
{
    IMG_REQUIRE_SAMPLES();
    Bytes pal8 = ReadBytes(SampleDir() + L"\\bmp\\good\\pal8-0.bmp"),
          pal1 = ReadBytes(SampleDir() + L"\\bmp\\good\\pal1.bmp");
    Bytes os2 = ReadBytes(SampleDir() + L"\\bmp\\good\\pal8os2.bmp");
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(NULL, exe, MAX_PATH);
    CString copy = TempPath(L"res.dll"), dll(exe);
    ASSERT_TRUE(::CopyFileW(dll.Left(dll.ReverseFind(L'\\') + 1) + L"libwinpthread-1.dll", copy, FALSE));
    HANDLE hUpdate = ::BeginUpdateResourceW(copy, FALSE);
    const Bytes* res[] = {&pal8, &pal1, &os2};
    for (WORD id = 1; id <= 3; id++)
        ::UpdateResourceW(hUpdate, RT_BITMAP, MAKEINTRESOURCEW(id), 0, (void*)&(*res[id - 1])[14],
                          (DWORD)res[id - 1]->size() - 14);
    ::UpdateResourceW(hUpdate, RT_BITMAP, MAKEINTRESOURCEW(4), 0, (void*)&pal8[14],
                      100); // cut in the colours
    ASSERT_TRUE(::EndUpdateResourceW(hUpdate, FALSE));
    HMODULE hMod = ::LoadLibraryExW(copy, NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(hMod != NULL);
    for (UINT id : {0x10001u, 2u}) // only the low 16 bits count
    {
        const Bytes& file = *res[(id & 0xFFFF) - 1];
        CQDIBitmap dib;
        ASSERT_TRUE(dib.LoadBmp(hMod, id));
        EXPECT_EQ(0, CountDifferent(*DrawDib(dib), *DrawPacked(&file[14], &file[U32(file, 10)], 127, 64)));
    }
    CQDIBitmap dib;
    EXPECT_FALSE(dib.LoadBmp(hMod, 3));
    EXPECT_STREQ(L"Error: OS2 PM BMP Format not supported\n", CQDIBitmap::GetLastLoadError());
    EXPECT_FALSE(dib.LoadBmp(hMod, 77));
    EXPECT_STREQ(L"Error: Can't find load resource.\n", CQDIBitmap::GetLastLoadError());
    ASSERT_TRUE(dib.LoadBmp(hMod, 4)); // no rows: draws nothing
    CPixelBuffer buf(8, 8);
    dib.DrawDIB(buf.GetDC(), 0, 0, 8, 8);
    EXPECT_EQ(64, buf.CountColor(CRect(0, 0, 8, 8), RGB(255, 255, 255)));
    ::FreeLibrary(hMod);
    ::DeleteFileW(copy);
}

// The sample drawings: the thumbnail exactly where the file keeps it, drawn as the platform draws
// those bytes; nothing from drawings without one or with a damaged image area.
TEST(DIBitmap, DrawingThumbnails)
{
    IMG_REQUIRE_SAMPLES();
    const std::pair<const wchar_t*, int> cases[] = {
        {L"2000-Line.dwg", 256},     {L"2004-Arc.dwg", 256},   {L"2007-Text.dwg", 256},
        {L"2010-circle.dwg", 256},   {L"r14-v.dwg", 180},      {L"sample_2000.dwg", 180},
        {L"2004-material.dwg", 648}, {L"2013-Line.dwg", 0},    {L"2018-Line.dwg", 0},
        {L"2000-PolyLine2D.dwg", 0}, {L"r10-tmp_line.dwg", 0}, {L"r11-entities-2d.dwg", 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(Narrow(c.first));
        CString path = SampleDir() + L"\\drawings\\" + c.first;
        Bytes file = ReadBytes(path);
        CQDIBitmap dib;
        ASSERT_EQ(c.second != 0, dib.Load(path) != FALSE);
        if (!c.second)
            continue;
        EXPECT_EQ(DIBTYPE_DWG, dib.DIBType());
        EXPECT_EQ(c.second, dib.GetWidth());
        size_t start = FindThumbnail(file);
        ASSERT_EQ(0, memcmp(dib.GetHeaderPtr(), &file[start], 1064));
        // (the 32-bit thumbnail's colour table is not 1024 bytes: both draw the same wrong bytes)
        EXPECT_EQ(0, CountDifferent(*DrawDib(dib), *DrawPacked(&file[start], &file[start + 1064], c.second,
                                                               dib.GetHeight())));
    }
    Bytes file = ReadBytes(SampleDir() + L"\\drawings\\r14-v.dwg");
    size_t area = U32(file, 13), size = U32(file, area + 16), bitmapEntry = area + 30;
    ASSERT_EQ(2, file[bitmapEntry]);
    const std::pair<size_t, DWORD> damage[] = {
        {area + 7, 0x01},         {area + 35 + size, 0x80}, // sentinels
        {bitmapEntry, 0x04},      {13, 0xFFFFF000u},        // code, offsets
        {area + 16, 0xFFFFF000u}, {bitmapEntry + 1, 0xFFFFF000u}};
    for (const auto& d : damage)
    {
        Bytes b = file;
        for (int i = 0; i < 4 && d.first + i < b.size(); i++)
            b[d.first + i] ^= (BYTE)(d.second >> (8 * i));
        CQDIBitmap dib;
        EXPECT_FALSE(dib.Load(WriteTemp(L"damaged.dwg", b))) << d.first;
    }
    DWORD huge = 0xFFFFFFF0; // a bitmap entry's size is bounded by the file
    memcpy(&file[bitmapEntry + 5], &huge, 4);
    CQDIBitmap dib;
    EXPECT_TRUE(dib.Load(WriteTemp(L"huge.dwg", file)));
    EXPECT_LE(dib.GetPixelBlockSize(), file.size());
}

// Deep copies that keep the type; the palette of the colour table.
TEST(DIBitmap, CopyAndPalette)
{
    IMG_REQUIRE_SAMPLES();
    CQDIBitmap src;
    ASSERT_TRUE(src.Load(SampleDir() + L"\\drawings\\2000-Line.dwg"));
    CQDIBitmap copy(src);
    EXPECT_EQ(DIBTYPE_DWG, copy.DIBType());
    EXPECT_EQ(0, CountDifferent(*DrawDib(src), *DrawDib(copy)));
    src.FreeDIB();
    copy = copy;
    EXPECT_EQ(256, copy.GetWidth()); // independent of the source, unchanged by self-assignment
    copy = src;
    EXPECT_EQ(nullptr, copy.GetHeaderPtr());

    const std::pair<const wchar_t*, int> palettes[] = {{L"good\\pal4.bmp", 12},
                                                       {L"good\\pal8-0.bmp", 256},
                                                       {L"good\\rgb24.bmp", 0},
                                                       {L"bad\\badpalettesize.bmp", 256}};
    for (const auto& c : palettes)
    {
        CQDIBitmap dib;
        ASSERT_TRUE(dib.Load(SampleDir() + L"\\bmp\\" + c.first));
        CQBmpPalette pal(&dib);
        int n = pal.GetSafeHandle() ? pal.GetEntryCount() : 0;
        EXPECT_EQ(c.second, n) << Narrow(c.first);
        std::vector<PALETTEENTRY> pe(256);
        pal.GetPaletteEntries(0, n, pe.data());
        for (int i = 0; i < n; i++)
        {
            const RGBQUAD& q = dib.GetColorTablePtr()[i];
            ASSERT_EQ(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue), RGB(pe[i].peRed, pe[i].peGreen, pe[i].peBlue))
                << i;
        }
    }
}

// Clipboard text: lengths, limits, appending, the empty text, characters beyond 8 bits.
TEST(Clipboard, TextRoundTrips)
{
    qtest::CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop(50, 50));
    HWND h = wnd.GetSafeHwnd();
    ASSERT_TRUE(CQClipboard::SetText(L"hello", h));
    DWORD n = 0;
    ASSERT_TRUE(CQClipboard::GetTextLength(n, h));
    EXPECT_EQ(6u, n);
    const std::pair<int, const wchar_t*> limits[] = {
        {6, L">hello"}, {100, L">hello"}, {5, L">hell"}, {1, L">"}, {0, L">"}};
    for (const auto& l : limits)
    {
        CString s = L">";
        EXPECT_TRUE(CQClipboard::GetText(s, l.first, h));
        EXPECT_STREQ(l.second, s) << l.first;
    }
    ASSERT_TRUE(CQClipboard::SetText(CString(L"a\x00E9\x4E2D"), h)); // low 8 bits, read back as Latin-1
    CString s;
    ASSERT_TRUE(CQClipboard::GetText(s, 100, h));
    EXPECT_STREQ(L"a\x00E9\x002D", s);
    EXPECT_TRUE(CQClipboard::SetText(L"", h));
    EXPECT_FALSE(CQClipboard::GetTextLength(n, h));
    EXPECT_FALSE(CQClipboard::GetText(s, 10, h));
}
