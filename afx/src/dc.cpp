// Device contexts: CDC and the window DCs. Drawing goes to the output DC (m_hDC), queries to
// the attribute DC (m_hAttribDC); attribute setters change both when they differ.
#include "afximpl.h"

#include <utility>

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE) {}

CDC::~CDC()
{
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
}

HDC CDC::GetSafeHdc() const
{
    const CDC* p = this;
    return p == NULL ? NULL : p->m_hDC;
}

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return (CDC*)AfxMapHDC()->FromHandle(hDC);
}

void PASCAL CDC::DeleteTempMap()
{
    if (AfxGetThreadState()->m_nTempMapLock == 0)
        AfxMapHDC()->DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == NULL || m_hDC != NULL)
        return FALSE;
    AfxMapHDC()->SetPermanent(m_hDC = hDC, this);
    SetAttribDC(m_hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != NULL)
        AfxMapHDC()->RemoveHandle(hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}
void CDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
}
void CDC::ReleaseAttribDC()
{
    m_hAttribDC = NULL;
}
void CDC::ReleaseOutputDC()
{
    m_hDC = NULL;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    HDC hDC = ::CreateDCW(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEW*)lpInitData);
    if (Attach(hDC))
        return TRUE;
    if (hDC != NULL)
        ::DeleteDC(hDC);
    return FALSE;
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    HDC hDC = ::CreateICW(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEW*)lpInitData);
    if (Attach(hDC))
        return TRUE;
    if (hDC != NULL)
        ::DeleteDC(hDC);
    return FALSE;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    HDC hDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
    if (Attach(hDC))
        return TRUE;
    if (hDC != NULL)
        ::DeleteDC(hDC);
    return FALSE;
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

// ----- State

int CDC::SaveDC()
{
    int nRetVal = 0;
    if (m_hAttribDC != NULL)
        nRetVal = ::SaveDC(m_hAttribDC);
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        nRetVal = -1; // -1: restore the latest
    return nRetVal;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bRetVal = TRUE;
    if (m_hDC != m_hAttribDC)
        bRetVal = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != NULL)
        bRetVal = (bRetVal && ::RestoreDC(m_hAttribDC, nSavedDC));
    return bRetVal;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}
CPoint CDC::GetBrushOrg() const
{
    POINT point = {0, 0};
    ::GetBrushOrgEx(m_hDC, &point);
    return point;
}
CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT point = {0, 0};
    ::SetBrushOrgEx(m_hDC, x, y, &point);
    return point;
}
CPoint CDC::SetBrushOrg(POINT point)
{
    return SetBrushOrg(point.x, point.y);
}

// ----- Selection

// Selects into both DCs; the previous object of the output DC is returned.
static HGDIOBJ SelectBoth(HDC hDC, HDC hAttribDC, HGDIOBJ hObject)
{
    HGDIOBJ hOld = NULL;
    if (hDC != hAttribDC)
        hOld = ::SelectObject(hDC, hObject);
    if (hAttribDC != NULL)
        hOld = ::SelectObject(hAttribDC, hObject);
    return hOld;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    if (hObject == NULL)
        return NULL;
    return CGdiObject::FromHandle(SelectBoth(m_hDC, m_hAttribDC, hObject));
}
CPen* CDC::SelectObject(CPen* pPen)
{
    if (pPen == NULL || pPen->m_hObject == NULL)
        return NULL;
    return (CPen*)CGdiObject::FromHandle(SelectBoth(m_hDC, m_hAttribDC, pPen->m_hObject));
}
CBrush* CDC::SelectObject(CBrush* pBrush)
{
    if (pBrush == NULL || pBrush->m_hObject == NULL)
        return NULL;
    return (CBrush*)CGdiObject::FromHandle(SelectBoth(m_hDC, m_hAttribDC, pBrush->m_hObject));
}
CFont* CDC::SelectObject(CFont* pFont)
{
    if (pFont == NULL || pFont->m_hObject == NULL)
        return NULL;
    return (CFont*)CGdiObject::FromHandle(SelectBoth(m_hDC, m_hAttribDC, pFont->m_hObject));
}
CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    if (pBitmap == NULL || pBitmap->m_hObject == NULL)
        return NULL;
    return (CBitmap*)CGdiObject::FromHandle(SelectBoth(m_hDC, m_hAttribDC, pBitmap->m_hObject));
}
int CDC::SelectObject(CRgn* pRgn)
{
    return SelectClipRgn(pRgn);
}
CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (pObject == NULL || pObject->m_hObject == NULL)
        return NULL;
    return CGdiObject::FromHandle(SelectBoth(m_hDC, m_hAttribDC, pObject->m_hObject));
}
HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    return SelectBoth(m_hDC, m_hAttribDC, hObject);
}
CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle((HPEN)::GetCurrentObject(m_hDC, OBJ_PEN));
}
CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hDC, OBJ_BRUSH));
}
CPalette* CDC::GetCurrentPalette() const
{
    return CPalette::FromHandle((HPALETTE)::GetCurrentObject(m_hDC, OBJ_PAL));
}
CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT));
}
CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
}
CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return CPalette::FromHandle(
        ::SelectPalette(m_hDC, (HPALETTE)pPalette->GetSafeHandle(), bForceBackground));
}
UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}

// ----- Colours and modes

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return ::GetNearestColor(m_hAttribDC, crColor);
}
COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}
int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}
int CDC::GetPolyFillMode() const
{
    return ::GetPolyFillMode(m_hAttribDC);
}
int CDC::GetROP2() const
{
    return ::GetROP2(m_hAttribDC);
}
int CDC::GetStretchBltMode() const
{
    return ::GetStretchBltMode(m_hAttribDC);
}
COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}
int CDC::GetGraphicsMode() const
{
    return ::GetGraphicsMode(m_hAttribDC);
}

// Applies an attribute setter to the output DC and, when different, the attribute DC; the
// attribute DC's previous value is the result.
#define AFX_SET_BOTH(type, call, hdcOut, hdcAttr, ...)                                                       \
    type rv = 0;                                                                                             \
    if ((hdcOut) != (hdcAttr))                                                                               \
        rv = call(hdcOut, __VA_ARGS__);                                                                      \
    if ((hdcAttr) != NULL)                                                                                   \
        rv = call(hdcAttr, __VA_ARGS__);                                                                     \
    return rv

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    AFX_SET_BOTH(COLORREF, ::SetBkColor, m_hDC, m_hAttribDC, crColor);
}
int CDC::SetBkMode(int nBkMode)
{
    AFX_SET_BOTH(int, ::SetBkMode, m_hDC, m_hAttribDC, nBkMode);
}
int CDC::SetPolyFillMode(int nPolyFillMode)
{
    AFX_SET_BOTH(int, ::SetPolyFillMode, m_hDC, m_hAttribDC, nPolyFillMode);
}
int CDC::SetROP2(int nDrawMode)
{
    AFX_SET_BOTH(int, ::SetROP2, m_hDC, m_hAttribDC, nDrawMode);
}
int CDC::SetStretchBltMode(int nStretchMode)
{
    AFX_SET_BOTH(int, ::SetStretchBltMode, m_hDC, m_hAttribDC, nStretchMode);
}
COLORREF CDC::SetTextColor(COLORREF crColor)
{
    AFX_SET_BOTH(COLORREF, ::SetTextColor, m_hDC, m_hAttribDC, crColor);
}
int CDC::SetGraphicsMode(int iMode)
{
    AFX_SET_BOTH(int, ::SetGraphicsMode, m_hDC, m_hAttribDC, iMode);
}

// ----- Mapping

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}
CPoint CDC::GetViewportOrg() const
{
    POINT point = {0, 0};
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}
CSize CDC::GetViewportExt() const
{
    SIZE size = {0, 0};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}
CPoint CDC::GetWindowOrg() const
{
    POINT point = {0, 0};
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}
CSize CDC::GetWindowExt() const
{
    SIZE size = {0, 0};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}
int CDC::SetMapMode(int nMapMode)
{
    AFX_SET_BOTH(int, ::SetMapMode, m_hDC, m_hAttribDC, nMapMode);
}

// Point and size setters: both DCs, the attribute DC's previous value returned.
template <class T, class F> static T PairCall(HDC hDC, HDC hAttribDC, F f)
{
    T old;
    memset(&old, 0, sizeof(old));
    if (hDC != hAttribDC)
        f(hDC, &old);
    if (hAttribDC != NULL)
        f(hAttribDC, &old);
    return old;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return PairCall<POINT>(m_hDC, m_hAttribDC, [=](HDC h, POINT* p) { ::SetViewportOrgEx(h, x, y, p); });
}
CPoint CDC::SetViewportOrg(POINT point)
{
    return SetViewportOrg(point.x, point.y);
}
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    return PairCall<POINT>(m_hDC, m_hAttribDC,
                           [=](HDC h, POINT* p) { ::OffsetViewportOrgEx(h, nWidth, nHeight, p); });
}
CSize CDC::SetViewportExt(int cx, int cy)
{
    return PairCall<SIZE>(m_hDC, m_hAttribDC, [=](HDC h, SIZE* p) { ::SetViewportExtEx(h, cx, cy, p); });
}
CSize CDC::SetViewportExt(SIZE size)
{
    return SetViewportExt(size.cx, size.cy);
}
CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return PairCall<SIZE>(m_hDC, m_hAttribDC,
                          [=](HDC h, SIZE* p) { ::ScaleViewportExtEx(h, xNum, xDenom, yNum, yDenom, p); });
}
CPoint CDC::SetWindowOrg(int x, int y)
{
    return PairCall<POINT>(m_hDC, m_hAttribDC, [=](HDC h, POINT* p) { ::SetWindowOrgEx(h, x, y, p); });
}
CPoint CDC::SetWindowOrg(POINT point)
{
    return SetWindowOrg(point.x, point.y);
}
CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    return PairCall<POINT>(m_hDC, m_hAttribDC,
                           [=](HDC h, POINT* p) { ::OffsetWindowOrgEx(h, nWidth, nHeight, p); });
}
CSize CDC::SetWindowExt(int cx, int cy)
{
    return PairCall<SIZE>(m_hDC, m_hAttribDC, [=](HDC h, SIZE* p) { ::SetWindowExtEx(h, cx, cy, p); });
}
CSize CDC::SetWindowExt(SIZE size)
{
    return SetWindowExt(size.cx, size.cy);
}
CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return PairCall<SIZE>(m_hDC, m_hAttribDC,
                          [=](HDC h, SIZE* p) { ::ScaleWindowExtEx(h, xNum, xDenom, yNum, yDenom, p); });
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}
void CDC::DPtoLP(LPRECT lpRect) const
{
    ::DPtoLP(m_hAttribDC, (LPPOINT)lpRect, 2);
}
void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}
void CDC::LPtoDP(LPRECT lpRect) const
{
    ::LPtoDP(m_hAttribDC, (LPPOINT)lpRect, 2);
}

// Sizes convert as vectors: the difference of two converted points.
void CDC::DPtoLP(LPSIZE lpSize) const
{
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::DPtoLP(m_hAttribDC, pts, 2);
    lpSize->cx = pts[1].x - pts[0].x;
    lpSize->cy = pts[1].y - pts[0].y;
}
void CDC::LPtoDP(LPSIZE lpSize) const
{
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::LPtoDP(m_hAttribDC, pts, 2);
    lpSize->cx = pts[1].x - pts[0].x;
    lpSize->cy = pts[1].y - pts[0].y;
}

// HIMETRIC: 0.01 mm; 2540 per inch.
void CDC::DPtoHIMETRIC(LPSIZE lpSize) const
{
    int cxPerInch = GetDeviceCaps(LOGPIXELSX), cyPerInch = GetDeviceCaps(LOGPIXELSY);
    if (cxPerInch <= 0 || cyPerInch <= 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, 2540, cxPerInch);
    lpSize->cy = ::MulDiv(lpSize->cy, 2540, cyPerInch);
}
void CDC::HIMETRICtoDP(LPSIZE lpSize) const
{
    int cxPerInch = GetDeviceCaps(LOGPIXELSX), cyPerInch = GetDeviceCaps(LOGPIXELSY);
    lpSize->cx = ::MulDiv(lpSize->cx, cxPerInch, 2540);
    lpSize->cy = ::MulDiv(lpSize->cy, cyPerInch, 2540);
}

// ----- Regions and clipping

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle());
}
BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle(), nWidth, nHeight);
}
BOOL CDC::InvertRgn(CRgn* pRgn)
{
    return ::InvertRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
}
BOOL CDC::PaintRgn(CRgn* pRgn)
{
    return ::PaintRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
}
int CDC::GetClipBox(LPRECT lpRect) const
{
    return ::GetClipBox(m_hDC, lpRect);
}
BOOL CDC::PtVisible(int x, int y) const
{
    return ::PtVisible(m_hDC, x, y);
}
BOOL CDC::PtVisible(POINT point) const
{
    return ::PtVisible(m_hDC, point.x, point.y);
}
BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    return ::RectVisible(m_hDC, lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    HRGN hRgn = (HRGN)pRgn->GetSafeHandle();
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SelectClipRgn(m_hDC, hRgn);
    if (m_hAttribDC != NULL)
        nRetVal = ::SelectClipRgn(m_hAttribDC, hRgn);
    return nRetVal;
}
int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN hRgn = (HRGN)pRgn->GetSafeHandle();
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::ExtSelectClipRgn(m_hDC, hRgn, nMode);
    if (m_hAttribDC != NULL)
        nRetVal = ::ExtSelectClipRgn(m_hAttribDC, hRgn, nMode);
    return nRetVal;
}
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    AFX_SET_BOTH(int, ::ExcludeClipRect, m_hDC, m_hAttribDC, x1, y1, x2, y2);
}
int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
int CDC::ExcludeUpdateRgn(CWnd* pWnd)
{
    return ::ExcludeUpdateRgn(m_hDC, pWnd->GetSafeHwnd());
}
int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    AFX_SET_BOTH(int, ::IntersectClipRect, m_hDC, m_hAttribDC, x1, y1, x2, y2);
}
int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
int CDC::OffsetClipRgn(int x, int y)
{
    AFX_SET_BOTH(int, ::OffsetClipRgn, m_hDC, m_hAttribDC, x, y);
}
int CDC::OffsetClipRgn(SIZE size)
{
    return OffsetClipRgn(size.cx, size.cy);
}

// ----- Lines and curves

CPoint CDC::GetCurrentPosition() const
{
    POINT point = {0, 0};
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return point;
}
CPoint CDC::MoveTo(int x, int y)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::MoveToEx(m_hDC, x, y, &point);
    if (m_hAttribDC != NULL)
        ::MoveToEx(m_hAttribDC, x, y, &point);
    return point;
}
CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}
BOOL CDC::LineTo(int x, int y)
{
    if (m_hAttribDC != NULL && m_hDC != m_hAttribDC)
        ::MoveToEx(m_hAttribDC, x, y, NULL);
    return ::LineTo(m_hDC, x, y);
}
BOOL CDC::LineTo(POINT point)
{
    return LineTo(point.x, point.y);
}
BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}
BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return ::Arc(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y,
                 ptEnd.x, ptEnd.y);
}
BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return ::Polyline(m_hDC, lpPoints, nCount);
}
BOOL CDC::PolyBezier(const POINT* lpPoints, int nCount)
{
    return ::PolyBezier(m_hDC, lpPoints, (DWORD)nCount);
}

// ----- Filled shapes

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FillRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}
void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FrameRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}
void CDC::InvertRect(LPCRECT lpRect)
{
    ::InvertRect(m_hDC, lpRect);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (lpRect == NULL)
        return;
    RECT rect = *lpRect; // a negative width or height counts back from the given edge
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, NULL, 0, NULL);
}
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}
// Top and left edges in one colour, bottom and right in the other; one pixel wide.
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    ::DrawFocusRect(m_hDC, lpRect);
}
BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}
BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
    return ::DrawIcon(m_hDC, point.x, point.y, hIcon);
}
BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}
BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return ::Ellipse(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}
BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    return ::Polygon(m_hDC, lpPoints, nCount);
}
BOOL CDC::PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount)
{
    return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
}
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}
BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}
BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return ::RoundRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}
BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}
BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

// ----- Bitmaps

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}
BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}
BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth, nSrcHeight,
                        dwRop);
}
BOOL CDC::TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc,
                         int ySrc, int nSrcWidth, int nSrcHeight, UINT clrTransparent)
{
    return ::TransparentBlt(m_hDC, xDest, yDest, nDestWidth, nDestHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc,
                            nSrcWidth, nSrcHeight, clrTransparent);
}
BOOL CDC::AlphaBlend(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend)
{
    return ::AlphaBlend(m_hDC, xDest, yDest, nDestWidth, nDestHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc,
                        nSrcWidth, nSrcHeight, blend);
}
COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}
COLORREF CDC::GetPixel(POINT point) const
{
    return ::GetPixel(m_hDC, point.x, point.y);
}
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}
COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
    return ::SetPixel(m_hDC, point.x, point.y, crColor);
}
BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    return ::SetPixelV(m_hDC, x, y, crColor);
}
BOOL CDC::FloodFill(int x, int y, COLORREF crColor)
{
    return ::FloodFill(m_hDC, x, y, crColor);
}
BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
{
    return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
}

// ----- Text

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    if (lpszString == NULL || nCount <= 0)
        return nCount == 0;
    return ::TextOutW(m_hDC, x, y, lpszString, nCount);
}
BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, (LPCTSTR)str, str.GetLength());
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    if (lpszString == NULL)
        nCount = 0;
    return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, str, (UINT)str.GetLength(), lpDxWidths);
}
CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions,
                         LPINT lpnTabStopPositions, int nTabOrigin)
{
    if (lpszString == NULL || nCount <= 0)
        return CSize(0, 0);
    LONG l =
        ::TabbedTextOutW(m_hDC, x, y, lpszString, nCount, nTabPositions, lpnTabStopPositions, nTabOrigin);
    return CSize(LOWORD(l), HIWORD(l));
}
int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    if (lpszString == NULL || lpRect == NULL)
        return 0;
    return ::DrawTextW(m_hDC, lpszString, nCount, lpRect, nFormat);
}
int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText((LPCTSTR)str, str.GetLength(), lpRect, nFormat);
}
int CDC::DrawTextEx(LPTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat, LPDRAWTEXTPARAMS lpDTParams)
{
    if (lpszString == NULL || lpRect == NULL)
        return 0;
    return ::DrawTextExW(m_hDC, lpszString, nCount, lpRect, nFormat, lpDTParams);
}
CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    if (lpszString != NULL && nCount > 0)
        ::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &size);
    return size;
}
CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent((LPCTSTR)str, str.GetLength());
}
CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    if (lpszString != NULL && nCount > 0)
        ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
    return size;
}
CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return GetOutputTextExtent((LPCTSTR)str, str.GetLength());
}
CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions,
                               LPINT lpnTabStopPositions) const
{
    if (lpszString == NULL || nCount <= 0)
        return CSize(0, 0);
    DWORD dw = ::GetTabbedTextExtentW(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(dw), HIWORD(dw));
}
UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}
UINT CDC::SetTextAlign(UINT nFlags)
{
    AFX_SET_BOTH(UINT, ::SetTextAlign, m_hDC, m_hAttribDC, nFlags);
}
int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const
{
    return ::GetTextFaceW(m_hAttribDC, nCount, lpszFacename);
}
int CDC::GetTextFace(CString& rString) const
{
    int nLen = ::GetTextFaceW(m_hAttribDC, 0, NULL);
    if (nLen <= 0)
    {
        rString.Empty();
        return 0;
    }
    int nResult = ::GetTextFaceW(m_hAttribDC, nLen, rString.GetBuffer(nLen));
    rString.ReleaseBuffer();
    return nResult;
}
BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsW(m_hAttribDC, lpMetrics);
}
BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsW(m_hDC, lpMetrics);
}
int CDC::GetTextCharacterExtra() const
{
    return ::GetTextCharacterExtra(m_hAttribDC);
}
int CDC::SetTextCharacterExtra(int nCharExtra)
{
    AFX_SET_BOTH(int, ::SetTextCharacterExtra, m_hDC, m_hAttribDC, nCharExtra);
}
BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidth32W(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
}

BOOL CDC::ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate,
                   LPRECT lpRectUpdate)
{
    return ::ScrollDC(m_hDC, dx, dy, lpRectScroll, lpRectClip, (HRGN)pRgnUpdate->GetSafeHandle(),
                      lpRectUpdate);
}

// ----- Printing

int CDC::StartDoc(LPDOCINFO lpDocInfo)
{
    return ::StartDocW(m_hDC, lpDocInfo);
}
int CDC::StartDoc(LPCTSTR lpszDocName)
{
    DOCINFOW di;
    memset(&di, 0, sizeof(di));
    di.cbSize = sizeof(di);
    di.lpszDocName = lpszDocName;
    return ::StartDocW(m_hDC, &di);
}
int CDC::StartPage()
{
    return ::StartPage(m_hDC);
}
int CDC::EndPage()
{
    return ::EndPage(m_hDC);
}
int CDC::SetAbortProc(BOOL(CALLBACK* lpfn)(HDC, int))
{
    return ::SetAbortProc(m_hDC, (ABORTPROC)lpfn);
}
int CDC::AbortDoc()
{
    return ::AbortDoc(m_hDC);
}
int CDC::EndDoc()
{
    return ::EndDoc(m_hDC);
}

// ---------------------------------------------------------------------------------------------
// Window DCs

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    memset(&m_ps, 0, sizeof(m_ps));
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    if (m_hDC != NULL)
    {
        ::EndPaint(m_hWnd, &m_ps);
        Detach();
    }
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowResourceException();
}

CClientDC::~CClientDC()
{
    if (m_hDC != NULL)
        ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    if (!Attach(::GetWindowDC(m_hWnd)))
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC()
{
    if (m_hDC != NULL)
        ::ReleaseDC(m_hWnd, Detach());
}
