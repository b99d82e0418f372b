// Device contexts and graphics objects: the layer's drawing checked pixel by pixel in memory DCs,
// object selection and ownership, mapping, clipping, text, and painting a real window.
#include <gtest/gtest.h>

#include <initializer_list>

#include "testwin.h"

namespace
{

const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0),
               kBlue = RGB(0, 0, 255), kBlack = RGB(0, 0, 0);

struct PixelCase
{
    int x, y;
    COLORREF clr;
};

// Every listed pixel of the buffer has its colour.
void ExpectPixels(const qtest::CPixelBuffer& buf, std::initializer_list<PixelCase> pixels)
{
    for (const PixelCase& p : pixels)
        EXPECT_EQ(p.clr, buf.GetPixel(p.x, p.y)) << "pixel " << p.x << ", " << p.y;
}

} // namespace

// The layer's own drawing (solid fills, 3-D frames), the objects it hands back from SelectObject,
// the sizes it converts as distances, and mapping and clipping saved with the DC.
TEST(DrawingTest, OwnDrawingSelectionMappingAndClipping)
{
    qtest::CPixelBuffer buf(100, 80);
    CDC* pDC = buf.GetDC();
    pDC->FillSolidRect(10, 10, 20, 10, kRed);
    EXPECT_EQ(kRed, pDC->GetBkColor());                    // FillSolidRect leaves its colour as background
    pDC->Draw3dRect(CRect(40, 10, 60, 30), kGreen, kBlue); // top/left, bottom/right, one pixel wide
    ExpectPixels(buf, {{10, 10, kRed},
                       {29, 19, kRed},
                       {30, 19, kWhite},
                       {29, 20, kWhite}, // exclusive edges
                       {40, 10, kGreen},
                       {58, 10, kGreen},
                       {40, 28, kGreen},
                       {59, 10, kBlue},
                       {59, 15, kBlue},
                       {40, 29, kBlue},
                       {45, 29, kBlue},
                       {50, 20, kWhite}});
    CPen pen(PS_SOLID, 1, kBlue);
    CBrush brush(kGreen);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    ASSERT_TRUE(pOldPen != nullptr && pOldBrush != nullptr);
    // Restoring gives back the original objects, and the new ones are no longer current.
    EXPECT_EQ(&pen, pDC->SelectObject(pOldPen));
    EXPECT_EQ(&brush, pDC->SelectObject(pOldBrush));
    EXPECT_EQ(pOldPen, pDC->GetCurrentPen());

    // Anisotropic scaling: 10 logical units to 1 pixel; sizes convert as distances.
    int nSaved = pDC->SaveDC();
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(1000, 1000);
    pDC->SetViewportExt(100, 100);
    pDC->SetViewportOrg(5, 0);
    CSize size(50, 70);
    pDC->LPtoDP(&size);
    EXPECT_EQ(CSize(5, 7), size);
    pDC->IntersectClipRect(700, 700, 800, 800); // device 75..85
    pDC->RestoreDC(nSaved);                     // undoes mapping and clip
    pDC->FillSolidRect(60, 60, 40, 20, kBlue);
    ExpectPixels(buf, {{70, 70, kBlue}, {99, 79, kBlue}});
}

TEST(DrawingTest, GraphicsObjectsOwnTheirHandles)
{
    HGDIOBJ hPen;
    {
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_DASH, 1, kRed));
        hPen = pen.m_hObject;
        EXPECT_EQ(&pen, CGdiObject::FromHandle(hPen));  // bound, not wrapped
        EXPECT_FALSE(pen.CreatePen(PS_SOLID, 1, kRed)); // already has one
    }
    EXPECT_EQ(0u, ::GetObjectType(hPen)); // deleted with its owner

    // Detach hands the handle over; a wrapper from FromHandle never deletes it.
    CBrush brush(kBlue);
    HBRUSH hBrush = (HBRUSH)brush.Detach();
    EXPECT_EQ(nullptr, brush.m_hObject);
    EXPECT_EQ(hBrush, CBrush::FromHandle(hBrush)->m_hObject);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ((DWORD)OBJ_BRUSH, ::GetObjectType(hBrush));
    ::DeleteObject(hBrush);
    CGdiObject* volatile pNullObject = nullptr; // the framework's NULL-safe accessors
    EXPECT_EQ(nullptr, pNullObject->GetSafeHandle());

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, L"Arial"));
    LOGFONT lf;
    ASSERT_TRUE(font.GetLogFont(&lf));
    CClientDC screen(NULL);
    EXPECT_EQ(-::MulDiv(12, screen.GetDeviceCaps(LOGPIXELSY), 72), lf.lfHeight); // 12 points
}

TEST(DrawingTest, TextOutputAndMeasurement)
{
    qtest::CPixelBuffer buf(200, 60);
    CDC* pDC = buf.GetDC();
    CFont font;
    ASSERT_TRUE(font.CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    CFont* pOld = pDC->SelectObject(&font);
    EXPECT_EQ(&font, pDC->GetCurrentFont());
    CString text(L"WWWW");
    CSize ext = pDC->GetTextExtent(text);
    EXPECT_GT(ext.cx, 0);
    EXPECT_EQ(CSize(0, 0), pDC->GetTextExtent(NULL, 3));
    pDC->SetTextColor(kBlack);
    pDC->SetBkMode(TRANSPARENT);
    CRect rc(0, 0, 200, 60);
    EXPECT_GE(pDC->DrawText(text, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE), ext.cy);
    // The ink lies in the centred box the font's metrics allow (a pixel of rounding either way)
    // and reaches past the middle of both halves.
    CRect allowed = qtest::TextInkBox(pDC, text, (200 - ext.cx) / 2, (60 - ext.cy) / 2);
    allowed.InflateRect(1, 1);
    CRect ink = buf.InkBounds(rc, kWhite);
    EXPECT_TRUE(allowed.PtInRect(ink.TopLeft()) && allowed.PtInRect(ink.BottomRight() - CSize(1, 1)))
        << "ink " << ink.left << "," << ink.top << "-" << ink.right << "," << ink.bottom << " allowed "
        << allowed.left << "," << allowed.top << "-" << allowed.right << "," << allowed.bottom;
    EXPECT_LT(ink.left, 100 - ext.cx / 4);
    EXPECT_GT(ink.right, 100 + ext.cx / 4);
    pDC->SelectObject(pOld);
}

TEST(DrawingTest, TemporaryDCWrappersAndCompatibleDCs)
{
    CClientDC screen(NULL);
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC(&screen));
    HDC hMem = mem.m_hDC;
    EXPECT_EQ(&mem, CDC::FromHandle(hMem));
    EXPECT_EQ(hMem, mem.m_hAttribDC);
    EXPECT_EQ(hMem, mem.Detach());
    EXPECT_EQ(nullptr, mem.m_hDC);
    CDC* pTemp = CDC::FromHandle(hMem);
    EXPECT_NE(&mem, pTemp);
    EXPECT_EQ(hMem, pTemp->GetSafeHdc());
    CDC::DeleteTempMap();
    EXPECT_EQ((DWORD)OBJ_MEMDC, ::GetObjectType(hMem)); // the wrapper did not delete it
    ASSERT_TRUE(mem.Attach(hMem));
    EXPECT_TRUE(mem.DeleteDC());
    EXPECT_EQ(0u, ::GetObjectType(hMem));
    CDC* volatile pNullDC = nullptr;
    EXPECT_EQ(nullptr, pNullDC->GetSafeHdc());
}

namespace
{

// Paints its client area: blue with a red square, through CPaintDC.
class CPaintedWnd : public CWnd
{
public:
    int nPaints = 0;

protected:
    afx_msg void OnPaint()
    {
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

} // namespace

TEST(DrawingTest, AWindowPaintsThroughCPaintDC)
{
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
}
