// Device contexts and graphics objects: drawing into memory DCs checked pixel by pixel, object
// selection and ownership, regions, mapping, text, and painting a real window.
#include <gtest/gtest.h>

#include <initializer_list>

#include "testwin.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0),
               kBlue = RGB(0, 0, 255), kBlack = RGB(0, 0, 0);

struct PixelCase {
  int x, y;
  COLORREF clr;
};

// Every listed pixel of the buffer has its colour.
void ExpectPixels(const qtest::CPixelBuffer& buf, std::initializer_list<PixelCase> pixels) {
  for (const PixelCase& p : pixels)
    EXPECT_EQ(p.clr, buf.GetPixel(p.x, p.y)) << "pixel " << p.x << ", " << p.y;
}

}  // namespace

TEST(DrawingTest, FilledAndFramedShapes) {
  qtest::CPixelBuffer buf(100, 80);
  CDC* pDC = buf.GetDC();
  pDC->FillSolidRect(10, 10, 20, 10, kRed);
  EXPECT_EQ(kRed, pDC->GetBkColor());  // FillSolidRect leaves its colour as background
  pDC->Draw3dRect(CRect(40, 10, 60, 30), kGreen, kBlue);  // top/left, bottom/right, one pixel wide
  CPen pen(PS_SOLID, 1, kBlue), red(PS_SOLID, 1, kRed);
  CBrush brush(kGreen), frame(kBlack);
  CPen* pOldPen = pDC->SelectObject(&pen);
  CBrush* pOldBrush = pDC->SelectObject(&brush);
  ASSERT_TRUE(pOldPen != nullptr && pOldBrush != nullptr);
  pDC->Rectangle(10, 40, 30, 60);  // pen outline, brush inside
  pDC->Ellipse(40, 40, 60, 60);
  // Restoring gives back the original objects, and the new ones are no longer current.
  EXPECT_EQ(&pen, pDC->SelectObject(pOldPen));
  EXPECT_EQ(&brush, pDC->SelectObject(pOldBrush));
  EXPECT_EQ(pOldPen, pDC->GetCurrentPen());
  pDC->SelectObject(&red);
  pDC->MoveTo(70, 10);  // from the current position up to but not including the end
  pDC->LineTo(90, 10);
  EXPECT_EQ(CPoint(90, 10), pDC->GetCurrentPosition());
  pDC->SelectStockObject(BLACK_PEN);
  pDC->FrameRect(CRect(70, 40, 90, 60), &frame);
  pDC->InvertRect(CRect(75, 45, 85, 55));
  POINT tri[3] = {{0, 79}, {20, 79}, {10, 65}};
  pDC->SelectObject(&brush);
  EXPECT_TRUE(pDC->Polygon(tri, 3));
  pDC->SelectStockObject(WHITE_BRUSH);
  ExpectPixels(buf, {{10, 10, kRed},   {29, 19, kRed},   {30, 19, kWhite},  {29, 20, kWhite},  // exclusive edges
                     {40, 10, kGreen}, {45, 10, kGreen}, {40, 28, kGreen},  {59, 15, kBlue},   {45, 29, kBlue},
                     {50, 20, kWhite}, {10, 45, kBlue},  {20, 50, kGreen},  {30, 50, kWhite},  {50, 50, kGreen},
                     {41, 41, kWhite},  // outside the ellipse's curve
                     {70, 10, kRed},   {89, 10, kRed},   {90, 10, kWhite},  {70, 40, kBlack},  {89, 59, kBlack},
                     {80, 50, kBlack},  // inverted inside the frame
                     {10, 75, kGreen}});
}

TEST(DrawingTest, GraphicsObjectsOwnTheirHandles) {
  HGDIOBJ hPen;
  {
    CPen pen;
    EXPECT_EQ(nullptr, pen.m_hObject);
    ASSERT_TRUE(pen.CreatePen(PS_DASH, 1, kRed));
    hPen = pen.m_hObject;
    EXPECT_EQ(&pen, CGdiObject::FromHandle(hPen));  // bound, not wrapped
    EXPECT_FALSE(pen.CreatePen(PS_SOLID, 1, kRed));  // already has one
    LOGPEN lp;
    ASSERT_EQ((int)sizeof(LOGPEN), pen.GetLogPen(&lp));
    EXPECT_EQ((UINT)PS_DASH, lp.lopnStyle);
    EXPECT_EQ(kRed, lp.lopnColor);
  }
  EXPECT_EQ(0u, ::GetObjectType(hPen));  // deleted with its owner

  // Detach hands the handle over; a wrapper from FromHandle never deletes it.
  CBrush brush(kBlue);
  HBRUSH hBrush = (HBRUSH)brush.Detach();
  EXPECT_EQ(nullptr, brush.m_hObject);
  CBrush* pTemp = CBrush::FromHandle(hBrush);
  EXPECT_EQ(hBrush, pTemp->m_hObject);
  CGdiObject::DeleteTempMap();
  EXPECT_EQ((DWORD)OBJ_BRUSH, ::GetObjectType(hBrush));
  ::DeleteObject(hBrush);
  CGdiObject* volatile pNullObject = nullptr;  // the framework's NULL-safe accessors
  EXPECT_EQ(nullptr, pNullObject->GetSafeHandle());

  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, L"Arial"));
  LOGFONT lf;
  ASSERT_TRUE(font.GetLogFont(&lf));
  CClientDC screen(NULL);
  EXPECT_EQ(-::MulDiv(12, screen.GetDeviceCaps(LOGPIXELSY), 72), lf.lfHeight);  // 12 points
  EXPECT_STREQ(L"Arial", lf.lfFaceName);

  CBitmap bmp;
  ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 37, 21));
  BITMAP bm;
  ASSERT_TRUE(bmp.GetBitmap(&bm));
  EXPECT_EQ(37, bm.bmWidth);
  EXPECT_EQ(21, bm.bmHeight);

  struct {
    LOGPALETTE lp;
    PALETTEENTRY more[3];
  } pal = {{0x300, 4, {{1, 2, 3, 0}}}, {{4, 5, 6, 0}, {7, 8, 9, 0}, {10, 11, 12, 0}}};
  CPalette palette;
  ASSERT_TRUE(palette.CreatePalette(&pal.lp));
  EXPECT_EQ(4, palette.GetEntryCount());
  PALETTEENTRY pe[4];
  EXPECT_EQ(4u, palette.GetPaletteEntries(0, 4, pe));
  EXPECT_EQ(10, pe[3].peRed);
  EXPECT_EQ(2u, palette.GetNearestPaletteIndex(RGB(7, 8, 9)));
}

TEST(DrawingTest, RegionsAndClipping) {
  CRgn a, b, c;
  ASSERT_TRUE(a.CreateRectRgn(0, 0, 20, 20));
  ASSERT_TRUE(b.CreateRectRgnIndirect(CRect(10, 10, 30, 30)));
  ASSERT_TRUE(c.CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(COMPLEXREGION, c.CombineRgn(&a, &b, RGN_OR));
  EXPECT_TRUE(c.PtInRegion(25, 25));
  EXPECT_FALSE(c.PtInRegion(25, 5));
  EXPECT_EQ(SIMPLEREGION, c.CombineRgn(&a, &b, RGN_AND));
  CRect box;
  c.GetRgnBox(&box);
  EXPECT_EQ(CRect(10, 10, 20, 20), box);
  EXPECT_EQ(NULLREGION, c.CombineRgn(&a, &a, RGN_DIFF));
  CRgn e;
  POINT pts[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  ASSERT_TRUE(e.CreatePolygonRgn(pts, 4, ALTERNATE));
  EXPECT_TRUE(e.PtInRegion(CPoint(5, 5)));
  CRgn ell;
  ASSERT_TRUE(ell.CreateEllipticRgn(0, 0, 40, 40));
  EXPECT_TRUE(ell.PtInRegion(20, 20));
  EXPECT_FALSE(ell.PtInRegion(1, 1));
  c.CopyRgn(&b);
  EXPECT_TRUE(c.EqualRgn(&b));

  qtest::CPixelBuffer buf(60, 60);
  CDC* pDC = buf.GetDC();
  CBrush red(kRed);
  pDC->FillRgn(&ell, &red);

  // Only the intersected rectangle receives paint; SaveDC/RestoreDC undoes the clip.
  int nSaved = pDC->SaveDC();
  pDC->IntersectClipRect(40, 40, 50, 50);
  CRect clip;
  pDC->GetClipBox(&clip);
  EXPECT_EQ(CRect(40, 40, 50, 50), clip);
  pDC->FillSolidRect(30, 30, 30, 30, kBlue);
  pDC->RestoreDC(nSaved);
  pDC->ExcludeClipRect(0, 0, 10, 60);
  pDC->FillSolidRect(0, 55, 60, 5, kGreen);
  ExpectPixels(buf, {{20, 20, kRed}, {1, 1, kWhite}, {45, 45, kBlue}, {35, 35, kWhite}, {5, 57, kWhite},
                     {15, 57, kGreen}});
  pDC->SelectClipRgn(NULL);
  pDC->FillSolidRect(0, 55, 60, 5, kGreen);
  EXPECT_EQ(kGreen, buf.GetPixel(5, 57));
}

TEST(DrawingTest, MappingModesMoveLogicalCoordinates) {
  qtest::CPixelBuffer buf(100, 100);
  CDC* pDC = buf.GetDC();
  EXPECT_EQ(CPoint(0, 0), pDC->SetViewportOrg(50, 40));
  pDC->FillSolidRect(0, 0, 2, 2, kRed);  // logical (0, 0) is device (50, 40)
  EXPECT_EQ(kRed, buf.GetPixel(50, 40));
  CPoint pt(1, 1);
  pDC->LPtoDP(&pt);
  EXPECT_EQ(CPoint(51, 41), pt);
  pDC->DPtoLP(&pt);
  EXPECT_EQ(CPoint(1, 1), pt);
  pDC->SetViewportOrg(0, 0);

  // Anisotropic scaling: 10 logical units to 1 pixel; sizes convert as distances.
  pDC->SetMapMode(MM_ANISOTROPIC);
  pDC->SetWindowExt(1000, 1000);
  pDC->SetViewportExt(100, 100);
  CRect rc(100, 100, 200, 300);
  pDC->LPtoDP(&rc);
  EXPECT_EQ(CRect(10, 10, 20, 30), rc);
  CSize size(50, 70);
  pDC->LPtoDP(&size);
  EXPECT_EQ(CSize(5, 7), size);
}

TEST(DrawingTest, TextOutputAndMeasurement) {
  qtest::CPixelBuffer buf(200, 60);
  CDC* pDC = buf.GetDC();
  CFont font;
  ASSERT_TRUE(font.CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                              L"Tahoma"));
  CFont* pOld = pDC->SelectObject(&font);
  EXPECT_EQ(&font, pDC->GetCurrentFont());
  CSize ext = pDC->GetTextExtent(CString(L"WWWW"));
  CSize ext2 = pDC->GetTextExtent(L"WWWWWWWW", 8);
  EXPECT_GT(ext.cx, 0);
  EXPECT_EQ(ext.cx * 2, ext2.cx);
  EXPECT_EQ(CSize(0, 0), pDC->GetTextExtent(NULL, 3));
  TEXTMETRIC tm;
  ASSERT_TRUE(pDC->GetTextMetrics(&tm));
  EXPECT_EQ(ext.cy, tm.tmHeight);

  pDC->SetTextColor(kBlack);
  pDC->SetBkMode(TRANSPARENT);
  CRect rc(0, 0, 200, 60);
  CString text(L"WWWW");
  int h = pDC->DrawText(text, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  EXPECT_GE(h, tm.tmHeight);  // vertically centred: from the top to the text's bottom
  // The ink lies in the centred box and nowhere else.
  CRect ink((200 - ext.cx) / 2, (60 - ext.cy) / 2, (200 + ext.cx) / 2 + 1, (60 + ext.cy) / 2 + 1);
  EXPECT_GT(buf.CountColor(ink, kBlack), 10);
  EXPECT_EQ(0, buf.CountColor(CRect(0, 0, ink.left - 1, 60), kBlack));
  EXPECT_EQ(0, buf.CountColor(CRect(ink.right + 1, 0, 200, 60), kBlack));
  // DT_CALCRECT measures instead of drawing.
  CRect calc(0, 0, 0, 0);
  pDC->DrawText(text, &calc, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(ext.cx, calc.Width());
  pDC->SelectObject(pOld);
  CString face;
  EXPECT_GT(pDC->GetTextFace(face), 0);
}

TEST(DrawingTest, BlitsBetweenMemoryDCs) {
  qtest::CPixelBuffer src(20, 20, kBlue), dst(40, 40);
  src.GetDC()->SetPixel(0, 0, kRed);
  EXPECT_TRUE(dst.GetDC()->BitBlt(5, 5, 20, 20, src.GetDC(), 0, 0, SRCCOPY));
  ExpectPixels(dst, {{5, 5, kRed}, {24, 24, kBlue}, {25, 25, kWhite}});
  EXPECT_TRUE(dst.GetDC()->StretchBlt(0, 0, 40, 40, src.GetDC(), 0, 0, 20, 20, SRCCOPY));
  EXPECT_TRUE(dst.GetDC()->PatBlt(0, 0, 2, 1, BLACKNESS));
  ExpectPixels(dst, {{0, 0, kBlack}, {1, 1, kRed} /* the 1-pixel corner doubled */, {3, 3, kBlue}});
  EXPECT_EQ(kGreen, (dst.GetDC()->SetPixel(30, 30, kGreen), dst.GetDC()->GetPixel(30, 30)));
}

TEST(DrawingTest, TemporaryDCWrappersAndCompatibleDCs) {
  CClientDC screen(NULL);
  CDC mem;
  ASSERT_TRUE(mem.CreateCompatibleDC(&screen));
  HDC hMem = mem.m_hDC;
  EXPECT_EQ(&mem, CDC::FromHandle(hMem));
  EXPECT_EQ(hMem, mem.m_hAttribDC);
  EXPECT_EQ(screen.GetDeviceCaps(BITSPIXEL), mem.GetDeviceCaps(BITSPIXEL));
  EXPECT_EQ(hMem, mem.Detach());
  EXPECT_EQ(nullptr, mem.m_hDC);
  CDC* pTemp = CDC::FromHandle(hMem);
  EXPECT_NE(&mem, pTemp);
  EXPECT_EQ(hMem, pTemp->GetSafeHdc());
  CDC::DeleteTempMap();
  EXPECT_EQ((DWORD)OBJ_MEMDC, ::GetObjectType(hMem));  // the wrapper did not delete it
  ASSERT_TRUE(mem.Attach(hMem));
  EXPECT_TRUE(mem.DeleteDC());
  EXPECT_EQ(0u, ::GetObjectType(hMem));
  CDC* volatile pNullDC = nullptr;
  EXPECT_EQ(nullptr, pNullDC->GetSafeHdc());
}

namespace {

// Paints its client area: blue with a red square, through CPaintDC.
class CPaintedWnd : public CWnd {
 public:
  int nPaints = 0;

 protected:
  afx_msg void OnPaint() {
    CPaintDC dc(this);
    ++nPaints;
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, kBlue);
    dc.FillSolidRect(10, 10, 10, 10, kRed);
  }
  afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPaintedWnd, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

}  // namespace

TEST(DrawingTest, AWindowPaintsThroughCPaintDC) {
  qtest::CRecordingWnd parent;
  ASSERT_TRUE(parent.CreateTop(100, 100));
  CPaintedWnd wnd;
  ASSERT_TRUE(wnd.Create(NULL, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 60), &parent, 1));
  auto pixels = qtest::CaptureClient(&wnd);
  EXPECT_GE(wnd.nPaints, 1);
  EXPECT_EQ(kBlue, pixels->GetPixel(2, 2));
  EXPECT_EQ(kRed, pixels->GetPixel(15, 15));
  EXPECT_EQ(kBlue, pixels->GetPixel(45, 45));
  // Nothing left to paint: the paint DC validated the window.
  CRect upd;
  EXPECT_FALSE(wnd.GetUpdateRect(&upd));
  wnd.InvalidateRect(CRect(0, 0, 5, 5));
  EXPECT_TRUE(wnd.GetUpdateRect(&upd));
  EXPECT_EQ(CRect(0, 0, 5, 5), upd);
  wnd.UpdateWindow();
  EXPECT_FALSE(wnd.GetUpdateRect(&upd));
}
