// CQImage: transparent drawing one to one and stretched, scaling, and the region that leaves out
// the transparent colour, by pixels and PtInRegion.
#include "image/QImage.h"
#include "image_test.h"

#include <functional>

using namespace imgtest;
using qtest::CPixelBuffer;

namespace
{

const COLORREF kMagenta = RGB(255, 0, 255);
typedef std::function<COLORREF(int, int)> Picture;

// A bitmap file of cx by cy from pixel(x, y), loaded into an image.
bool LoadImage(CQImage& image, int cx, int cy, const Picture& pixel)
{
    CString path = TempPath(L"image.bmp");
    bool ok = WriteBytes(path, MakeBmp24(cx, cy, pixel)) && image.OpenBmpFile(path);
    ::DeleteFileW(path);
    return ok;
}

// Magenta ground with a green block, and single pixels near the transparent colour: (3, 2) just
// outside the tolerance, (5, 2) at its edge, (7, 2) outside it again.
COLORREF Sprite(int x, int y)
{
    if (x >= 10 && x < 20 && y >= 5 && y < 15)
        return RGB(0, 160, 0);
    if (y == 2 && (x == 3 || x == 5 || x == 7))
        return x == 3 ? RGB(254, 0, 255) : RGB(255, x == 5 ? 16 : 17, 255);
    return kMagenta;
}

// Pixels of the buffer that differ from the picture drawn at (x, y) on the ground colour.
int CountWrong(const CPixelBuffer& buf, COLORREF ground, const Picture& expected)
{
    int nWrong = 0;
    for (int y = 0; y < buf.Height(); y++)
        for (int x = 0; x < buf.Width(); x++)
        {
            COLORREF c = expected(x, y);
            nWrong += buf.GetPixel(x, y) != (c == kMagenta ? ground : c);
        }
    return nWrong;
}

} // namespace

// DrawTransBlt and StretchTransBlt leave out exactly the pixels of the colour and restore the
// target's colours; ScaleBmp places the picture; what cannot be opened leaves the image as it was.
TEST(Image, TransparentDrawingAndScaling)
{
    CQImage image;
    ASSERT_TRUE(LoadImage(image, 30, 20, Sprite));
    EXPECT_EQ(30, image.GetBmpWidth());
    EXPECT_EQ(20, image.GetBmpHeight());
    const COLORREF ground = RGB(0, 0, 200);
    CPixelBuffer buf(50, 40, ground);
    HDC hdc = buf.GetDC()->GetSafeHdc();
    ::SetTextColor(hdc, RGB(1, 2, 3));
    COLORREF bk = ::GetBkColor(hdc);
    image.DrawTransBlt(buf.GetDC(), 5, 7, 30, 20, kMagenta);
    EXPECT_EQ(0, CountWrong(buf, ground,
                            [](int x, int y) {
                                return x >= 5 && x < 35 && y >= 7 && y < 27 ? Sprite(x - 5, y - 7) : kMagenta;
                            }));
    EXPECT_EQ(bk, ::GetBkColor(hdc));
    EXPECT_EQ(RGB(1, 2, 3), ::GetTextColor(hdc));
    CPixelBuffer stretched(60, 40, ground);
    image.StretchTransBlt(stretched.GetDC(), 0, 0, 60, 40, 0, 0, 30, 20, kMagenta);
    EXPECT_EQ(0, CountWrong(stretched, ground, [](int x, int y) { return Sprite(x / 2, y / 2); }));
    CPixelBuffer moved(20, 20,
                       ground); // a source away from the origin keeps its own transparency
    image.StretchTransBlt(moved.GetDC(), 0, 0, 20, 20, 10, 5, 10, 10, kMagenta);
    EXPECT_EQ(400, moved.CountColor(CRect(0, 0, 20, 20), RGB(0, 160, 0)));

    EXPECT_FALSE(image.OpenBmpFile(L"Z:\\no\\such.bmp") || image.OpenBmpID(4711) || image.OpenIconID(4711));
    EXPECT_EQ(nullptr, image.GetIconHandle());
    EXPECT_EQ(30, image.GetBmpWidth());
    // A picture that fits grows until both sides fill (4.5 times, to -22, 0, 113, 90), centred, the
    // rectangle's corner not counting; a larger one shrinks until both fit (half, at the origin).
    CPixelBuffer scaled(100, 100), shrunk(30, 30);
    image.ScaleBmp(scaled.GetDC(), CRect(50, 50, 140, 140), TRUE);
    image.ScaleBmp(shrunk.GetDC(), CRect(9, 9, 24, 24), FALSE);
    const std::pair<CPoint, COLORREF> probes[] = {
        {{45, 64}, RGB(0, 160, 0)}, {{95, 50}, kMagenta}, {{50, 95}, RGB(255, 255, 255)}};
    for (const auto& p : probes)
        EXPECT_EQ(p.second, scaled.GetPixel(p.first.x, p.first.y)) << p.first.x << "," << p.first.y;
    EXPECT_EQ(RGB(0, 160, 0), shrunk.GetPixel(7, 3));
    EXPECT_EQ(RGB(255, 255, 255), shrunk.GetPixel(7, 12));
    CQImage empty;
    CPixelBuffer none(10, 10, ground);
    empty.DrawTransBlt(none.GetDC(), 0, 0, 10, 10, kMagenta);
    empty.ShowBmp(none.GetDC(), 0, 0);
    EXPECT_EQ(100, none.CountColor(CRect(0, 0, 10, 10), ground));
    EXPECT_EQ(nullptr, empty.GetBmpRgn(kMagenta));
}

// The region leaves out the colour with a tolerance of 16 upwards per channel: every pixel of the
// sprite, of stripes making more than 2000 runs (the region is joined from parts), of a picture
// without the colour (the whole rectangle) and of one only of it (an empty region).
TEST(Image, RegionLeavesOutTheColour)
{
    const struct
    {
        int cx, cy;
        Picture pixel;
    } cases[] = {{30, 20, Sprite},
                 {101, 70, [](int x, int y) { return (x + y / 35) % 2 ? kMagenta : RGB(0, 0, 0); }},
                 {13, 7, [](int, int) { return RGB(1, 2, 3); }},
                 {13, 7, [](int, int) { return kMagenta; }}};
    for (const auto& c : cases)
    {
        CQImage image;
        ASSERT_TRUE(LoadImage(image, c.cx, c.cy, c.pixel));
        CRgn rgn;
        rgn.Attach(image.GetBmpRgn(kMagenta));
        ASSERT_TRUE(rgn.GetSafeHandle() != NULL);
        int nWrong = 0;
        for (int y = -1; y <= c.cy; y++)
            for (int x = -1; x <= c.cx; x++)
            {
                COLORREF px = x >= 0 && y >= 0 && x < c.cx && y < c.cy ? c.pixel(x, y) : kMagenta;
                bool bLeftOut = px == kMagenta || px == RGB(255, 16, 255);
                nWrong += !rgn.PtInRegion(x, y) != bLeftOut;
            }
        EXPECT_EQ(0, nWrong) << c.cx << " x " << c.cy;
    }
}
