// CQImage: transparent drawing one to one and stretched, scaling, and the region that leaves out
// the transparent colour, by pixels and PtInRegion.
#include "image/QImage.h"
#include "image_test.h"

using namespace imgtest;
using qtest::CPixelBuffer;

namespace
{

const COLORREF kMagenta = RGB(255, 0, 255);

// A bitmap file of cx by cy from pixel(x, y), loaded into an image.
template <class F> bool LoadImage(CQImage& image, int cx, int cy, F pixel)
{
    CString path = TempPath(L"image.bmp");
    bool ok = WriteBytes(path, MakeBmp24(cx, cy, pixel)) && image.OpenBmpFile(path);
    ::DeleteFileW(path);
    return ok;
}

// Magenta ground with a green block, and single pixels near the transparent colour.
COLORREF Sprite(int x, int y)
{
    if (x >= 10 && x < 20 && y >= 5 && y < 15)
        return RGB(0, 160, 0);
    if (y == 2 && x == 3)
        return RGB(254, 0, 255); // just outside the range
    if (y == 2 && x == 5)
        return RGB(255, 16, 255); // at its edge
    if (y == 2 && x == 7)
        return RGB(255, 17, 255);
    return kMagenta;
}

} // namespace

// DrawTransBlt and StretchTransBlt leave out exactly the pixels of the colour; everything else is
// the bitmap's.
TEST(Image, TransparentDrawing)
{
    CQImage image;
    ASSERT_TRUE(LoadImage(image, 30, 20, Sprite));
    EXPECT_EQ(30, image.GetBmpWidth());
    EXPECT_EQ(20, image.GetBmpHeight());
    const COLORREF ground = RGB(0, 0, 200);
    {
        CPixelBuffer buf(50, 40, ground);
        HDC hdc = buf.GetDC()->GetSafeHdc();
        ::SetTextColor(hdc, RGB(1, 2, 3));
        COLORREF bk = ::GetBkColor(hdc);
        image.DrawTransBlt(buf.GetDC(), 5, 7, 30, 20, kMagenta);
        int nWrong = 0;
        for (int y = 0; y < 40; y++)
            for (int x = 0; x < 50; x++)
            {
                bool inside = x >= 5 && x < 35 && y >= 7 && y < 27;
                COLORREF src = inside ? Sprite(x - 5, y - 7) : kMagenta;
                nWrong += buf.GetPixel(x, y) != (src == kMagenta ? ground : src);
            }
        EXPECT_EQ(0, nWrong);
        EXPECT_EQ(bk, ::GetBkColor(hdc)); // the target's colours are restored
        EXPECT_EQ(RGB(1, 2, 3), ::GetTextColor(hdc));
    }
    {
        CPixelBuffer buf(60, 40, ground);
        image.StretchTransBlt(buf.GetDC(), 0, 0, 60, 40, 0, 0, 30, 20, kMagenta);
        int nWrong = 0;
        for (int y = 0; y < 40; y++)
            for (int x = 0; x < 60; x++)
            {
                COLORREF src = Sprite(x / 2, y / 2);
                nWrong += buf.GetPixel(x, y) != (src == kMagenta ? ground : src);
            }
        EXPECT_EQ(0, nWrong);
    }
    CPixelBuffer moved(20, 20, ground); // a source away from the origin keeps its own transparency
    image.StretchTransBlt(moved.GetDC(), 0, 0, 20, 20, 10, 5, 10, 10, kMagenta);
    EXPECT_EQ(400, moved.CountColor(CRect(0, 0, 20, 20), RGB(0, 160, 0)));
    EXPECT_FALSE(image.OpenBmpFile(L"Z:\\no\\such.bmp"));
    EXPECT_FALSE(image.OpenBmpID(4711));
    EXPECT_FALSE(image.OpenIconID(4711));
    EXPECT_EQ(nullptr, image.GetIconHandle());
    EXPECT_EQ(30, image.GetBmpWidth()); // what was held stays
    CPixelBuffer scaled(100, 100);      // fits: grows by 3 to 90 x 60, the green block to (30, 15, 60, 45)
    image.ScaleBmp(scaled.GetDC(), CRect(50, 50, 140, 110), TRUE);
    EXPECT_EQ(RGB(0, 160, 0), scaled.GetPixel(30, 15));
    EXPECT_EQ(RGB(255, 255, 255), scaled.GetPixel(90, 30));
    CQImage empty;
    CPixelBuffer buf(10, 10, ground);
    empty.DrawTransBlt(buf.GetDC(), 0, 0, 10, 10, kMagenta);
    empty.ShowBmp(buf.GetDC(), 0, 0);
    EXPECT_EQ(100, buf.CountColor(CRect(0, 0, 10, 10), ground));
    EXPECT_EQ(nullptr, empty.GetBmpRgn(kMagenta));
}

// The region: the colour with a tolerance of 16 upwards per channel is left out.
TEST(Image, RegionLeavesOutTheColour)
{
    CQImage image;
    ASSERT_TRUE(LoadImage(image, 30, 20, Sprite));
    CRgn rgn;
    rgn.Attach(image.GetBmpRgn(kMagenta));
    ASSERT_TRUE(rgn.GetSafeHandle() != NULL);
    struct
    {
        int x, y;
        BOOL in;
    } points[] = {{0, 0, FALSE}, {3, 2, TRUE},   {5, 2, FALSE},   {7, 2, TRUE},
                  {10, 5, TRUE}, {19, 14, TRUE}, {20, 14, FALSE}, {15, 15, FALSE}};
    for (const auto& p : points)
        EXPECT_EQ(p.in, rgn.PtInRegion(p.x, p.y)) << p.x << "," << p.y;
    CRect box;
    rgn.GetRgnBox(&box);
    EXPECT_EQ(CRect(3, 2, 20, 15), box);

    // No pixel of the colour: the whole rectangle; only that colour: an empty region.
    ASSERT_TRUE(LoadImage(image, 13, 7, [](int, int) { return RGB(1, 2, 3); }));
    CRgn whole, rect;
    whole.Attach(image.GetBmpRgn(kMagenta));
    rect.CreateRectRgn(0, 0, 13, 7);
    EXPECT_TRUE(whole.EqualRgn(&rect));
    ASSERT_TRUE(LoadImage(image, 13, 7, [](int, int) { return kMagenta; }));
    CRgn none;
    none.Attach(image.GetBmpRgn(kMagenta));
    EXPECT_EQ(NULLREGION, none.GetRgnBox(&box));
}

// More than 2000 runs: the region is joined from parts and equals the one made in one piece.
TEST(Image, RegionOfManyRunsIsJoinedWhole)
{
    const int cx = 101, cy = 70; // 51 runs a row, 3570 in all
    auto stripes = [](int x, int y) { return (x + y / 35) % 2 ? kMagenta : RGB(0, 0, 0); };
    CQImage image;
    ASSERT_TRUE(LoadImage(image, cx, cy, stripes));
    CRgn joined;
    joined.Attach(image.GetBmpRgn(kMagenta));
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + sizeof(RECT) * cx * cy);
    RGNDATA* pData = reinterpret_cast<RGNDATA*>(data.data());
    RECT* pRects = reinterpret_cast<RECT*>(pData->Buffer);
    DWORD n = 0;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            if (stripes(x, y) != kMagenta)
                ::SetRect(&pRects[n++], x, y, x + 1, y + 1);
    pData->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, n, 0, {0, 0, cx, cy}};
    CRgn whole;
    whole.Attach(::ExtCreateRegion(NULL, (DWORD)(sizeof(RGNDATAHEADER) + sizeof(RECT) * n), pData));
    EXPECT_TRUE(joined.EqualRgn(&whole));
}
