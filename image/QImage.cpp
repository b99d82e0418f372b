// CQImage: loading, drawing, transparent drawing and the region of a bitmap.
#include "image/QImage.h"
#include "image/internal/QScaleFit.h"

#include <vector>

namespace
{

const DWORD kSrcInvert = 0x00660046;
const DWORD kSrcAnd = 0x008800C6;
const int kRectsPerStep = 100;    // the region-data block grows by this many rectangles
const int kRectsPerRegion = 2000; // rectangles joined into the result at a time

// A memory DC with a bitmap selected, deselected again on destruction.
class CSelectedDC
{
public:
    CSelectedDC(HDC hdcTarget, HBITMAP hBitmap) : m_hDC(::CreateCompatibleDC(hdcTarget)), m_hOld(NULL)
    {
        if (m_hDC)
            m_hOld = ::SelectObject(m_hDC, hBitmap);
    }
    ~CSelectedDC()
    {
        if (m_hDC)
        {
            ::SelectObject(m_hDC, m_hOld);
            ::DeleteDC(m_hDC);
        }
    }
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// The three transparent blits: bitmap XOR, mask AND, bitmap XOR, from the mask made of the
// bitmap's (0, 0, cxMask, cyMask) in the transparent colour.
void TransparentBlits(HDC hdc, HBITMAP hBitmap, int x, int y, int cx, int cy, int xs, int ys, int cxs,
                      int cys, int cxMask, int cyMask, bool bStretch, COLORREF clrTrans)
{
    if (cxMask <= 0 || cyMask <= 0)
        return;
    COLORREF clrOldBk = ::SetBkColor(hdc, RGB(255, 255, 255));
    COLORREF clrOldText = ::SetTextColor(hdc, RGB(0, 0, 0));
    HBITMAP hMask = ::CreateBitmap(cxMask, cyMask, 1, 1, NULL);
    if (hMask)
    {
        CSelectedDC dcImage(hdc, hBitmap);
        CSelectedDC dcMask(hdc, hMask);
        if (dcImage.Get() && dcMask.Get())
        {
            ::SetBkColor(dcImage.Get(), clrTrans);
            ::BitBlt(dcMask.Get(), 0, 0, cxMask, cyMask, dcImage.Get(), 0, 0, SRCCOPY);
            if (bStretch)
            {
                ::StretchBlt(hdc, x, y, cx, cy, dcImage.Get(), xs, ys, cxs, cys, kSrcInvert);
                ::StretchBlt(hdc, x, y, cx, cy, dcMask.Get(), xs, ys, cxs, cys, kSrcAnd);
                ::StretchBlt(hdc, x, y, cx, cy, dcImage.Get(), xs, ys, cxs, cys, kSrcInvert);
            }
            else
            {
                ::BitBlt(hdc, x, y, cx, cy, dcImage.Get(), 0, 0, kSrcInvert);
                ::BitBlt(hdc, x, y, cx, cy, dcMask.Get(), 0, 0, kSrcAnd);
                ::BitBlt(hdc, x, y, cx, cy, dcImage.Get(), 0, 0, kSrcInvert);
            }
        }
    }
    ::SetBkColor(hdc, clrOldBk);
    ::SetTextColor(hdc, clrOldText);
    if (hMask)
        ::DeleteObject(hMask);
}

// Rectangles collected for a region, turned into region parts of at most kRectsPerRegion.
class CRegionBuilder
{
public:
    CRegionBuilder() : m_hResult(NULL), m_nCapacity(kRectsPerStep), m_hData(NULL), m_bFailed(false)
    {
        m_hData = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(RGNDATAHEADER) + sizeof(RECT) * m_nCapacity);
        m_bFailed = m_hData == NULL;
        Reset();
    }
    ~CRegionBuilder()
    {
        if (m_hData)
            ::GlobalFree(m_hData);
        if (m_hResult)
            ::DeleteObject(m_hResult);
    }
    bool Failed() const { return m_bFailed; }

    void Add(int x0, int y, int x1)
    {
        if (m_bFailed)
            return;
        if (m_nCount == m_nCapacity)
        {
            HGLOBAL hNew = ::GlobalReAlloc(
                m_hData, sizeof(RGNDATAHEADER) + sizeof(RECT) * (m_nCapacity + kRectsPerStep), GMEM_MOVEABLE);
            if (hNew == NULL)
            {
                m_bFailed = true;
                return;
            }
            m_hData = hNew;
            m_nCapacity += kRectsPerStep;
        }
        RGNDATA* pData = static_cast<RGNDATA*>(::GlobalLock(m_hData));
        RECT* pRects = reinterpret_cast<RECT*>(pData->Buffer);
        ::SetRect(&pRects[m_nCount], x0, y, x1, y + 1);
        m_nCount++;
        RECT& rcBound = pData->rdh.rcBound;
        if (x0 < rcBound.left)
            rcBound.left = x0;
        if (y < rcBound.top)
            rcBound.top = y;
        if (x1 > rcBound.right)
            rcBound.right = x1;
        if (y + 1 > rcBound.bottom)
            rcBound.bottom = y + 1;
        pData->rdh.nCount = m_nCount;
        ::GlobalUnlock(m_hData);
        if (m_nCount == kRectsPerRegion)
            Flush();
    }

    // Joins the collected rectangles into the result and empties the block.
    void Flush()
    {
        if (m_bFailed)
            return;
        RGNDATA* pData = static_cast<RGNDATA*>(::GlobalLock(m_hData));
        HRGN hPart = ::ExtCreateRegion(NULL, sizeof(RGNDATAHEADER) + sizeof(RECT) * m_nCount, pData);
        ::GlobalUnlock(m_hData);
        if (hPart == NULL)
        {
            m_bFailed = true;
            return;
        }
        if (m_hResult == NULL)
            m_hResult = hPart;
        else
        {
            ::CombineRgn(m_hResult, m_hResult, hPart, RGN_OR);
            ::DeleteObject(hPart);
        }
        Reset();
    }

    HRGN Detach()
    {
        HRGN h = m_hResult;
        m_hResult = NULL;
        return h;
    }

private:
    void Reset()
    {
        m_nCount = 0;
        if (m_hData == NULL)
            return;
        RGNDATA* pData = static_cast<RGNDATA*>(::GlobalLock(m_hData));
        pData->rdh.dwSize = sizeof(RGNDATAHEADER);
        pData->rdh.iType = RDH_RECTANGLES;
        pData->rdh.nCount = 0;
        pData->rdh.nRgnSize = 0;
        ::SetRect(&pData->rdh.rcBound, 0x7FFFFFFF, 0x7FFFFFFF, 0, 0);
        ::GlobalUnlock(m_hData);
    }

    HRGN m_hResult;
    DWORD m_nCapacity;
    DWORD m_nCount = 0;
    HGLOBAL m_hData;
    bool m_bFailed;
};

} // namespace

CQImage::CQImage() : m_hIcon(NULL), m_nBitmapID(0), m_bOwnIcon(FALSE) {}

CQImage::~CQImage()
{
    SetIcon(NULL, FALSE);
}

void CQImage::SetIcon(HICON hIcon, BOOL bOwned)
{
    if (m_hIcon && m_bOwnIcon && m_hIcon != hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
    m_bOwnIcon = bOwned;
}

// ---------------------------------------------------------------------------------------------
// Loading

BOOL CQImage::OpenBmpFile(LPCTSTR lpszPath)
{
    HBITMAP hBitmap = (HBITMAP)::LoadImageW(NULL, lpszPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (hBitmap == NULL)
        return FALSE;
    m_bitmap.DeleteObject();
    m_bitmap.Attach(hBitmap);
    m_nBitmapID = 0;
    return TRUE;
}

BOOL CQImage::OpenBmpID(UINT nID)
{
    LPCWSTR pszName = MAKEINTRESOURCEW(nID & 0xFFFF);
    HINSTANCE hInst = AfxFindResourceHandle(pszName, RT_BITMAP);
    HBITMAP hBitmap = ::LoadBitmapW(hInst, pszName);
    if (hBitmap == NULL)
        return FALSE;
    m_bitmap.DeleteObject();
    m_bitmap.Attach(hBitmap);
    m_nBitmapID = nID;
    return TRUE;
}

BOOL CQImage::OpenIconFile(LPCTSTR lpszPath)
{
    HICON hIcon = (HICON)::LoadImageW(NULL, lpszPath, IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
    if (hIcon == NULL)
        return FALSE;
    SetIcon(hIcon, TRUE);
    return TRUE;
}

BOOL CQImage::OpenIconID(UINT nID)
{
    LPCWSTR pszName = MAKEINTRESOURCEW(nID & 0xFFFF);
    HINSTANCE hInst = AfxFindResourceHandle(pszName, MAKEINTRESOURCEW(14));
    HICON hIcon = ::LoadIconW(hInst, pszName);
    if (hIcon == NULL)
        return FALSE;
    SetIcon(hIcon, FALSE);
    return TRUE;
}

int CQImage::GetBmpWidth() const
{
    BITMAP bm = {};
    return m_bitmap.GetSafeHandle() && m_bitmap.GetBitmap(&bm) ? bm.bmWidth : 0;
}

int CQImage::GetBmpHeight() const
{
    BITMAP bm = {};
    return m_bitmap.GetSafeHandle() && m_bitmap.GetBitmap(&bm) ? bm.bmHeight : 0;
}

// ---------------------------------------------------------------------------------------------
// Drawing

BOOL CQImage::WindowSizeOf(CDC* pDC, CSize& size)
{
    HWND hWnd = ::WindowFromDC(pDC->GetSafeHdc());
    RECT rc;
    if (hWnd == NULL || !::GetWindowRect(hWnd, &rc))
        return FALSE;
    size = CSize(rc.right - rc.left, rc.bottom - rc.top);
    return TRUE;
}

void CQImage::DrawBlt(CDC* pDC, int x, int y, int cx, int cy) const
{
    if (pDC == NULL || pDC->GetSafeHdc() == NULL || m_bitmap.GetSafeHandle() == NULL)
        return;
    CSelectedDC dcImage(pDC->GetSafeHdc(), (HBITMAP)m_bitmap.GetSafeHandle());
    if (dcImage.Get())
        ::BitBlt(pDC->GetSafeHdc(), x, y, cx, cy, dcImage.Get(), 0, 0, SRCCOPY);
}

void CQImage::ShowBmp(CDC* pDC, int x, int y) const
{
    DrawBlt(pDC, x, y, GetBmpWidth(), GetBmpHeight());
}

void CQImage::ShowBmp(CDC* pDC) const
{
    CSize size;
    if (pDC != NULL && WindowSizeOf(pDC, size))
        DrawBlt(pDC, 0, 0, size.cx, size.cy);
}

void CQImage::StretchBmp(CDC* pDC, int x, int y, int cx, int cy, int xs, int ys, int cxs, int cys) const
{
    if (pDC == NULL || pDC->GetSafeHdc() == NULL || m_bitmap.GetSafeHandle() == NULL)
        return;
    CSelectedDC dcImage(pDC->GetSafeHdc(), (HBITMAP)m_bitmap.GetSafeHandle());
    if (dcImage.Get())
        ::StretchBlt(pDC->GetSafeHdc(), x, y, cx, cy, dcImage.Get(), xs, ys, cxs, cys, SRCCOPY);
}

void CQImage::StretchBmp(CDC* pDC) const
{
    CSize size;
    if (pDC != NULL && WindowSizeOf(pDC, size))
        StretchBmp(pDC, 0, 0, size.cx, size.cy, 0, 0, GetBmpWidth(), GetBmpHeight());
}

void CQImage::ScaleBmp(CDC* pDC, CRect rect, BOOL bCenter) const
{
    int w = GetBmpWidth(), h = GetBmpHeight();
    if (w == 0 || h == 0)
        return;
    const CRect place = QScaleFit(w, h, rect, bCenter);
    StretchBmp(pDC, place.left, place.top, place.Width(), place.Height(), 0, 0, w, h);
}

void CQImage::ShowIcon(CDC* pDC) const
{
    if (pDC != NULL && pDC->GetSafeHdc() != NULL && m_hIcon != NULL)
        ::DrawIcon(pDC->GetSafeHdc(), 0, 0, m_hIcon);
}

void CQImage::DrawTransBlt(CDC* pDC, int x, int y, int cx, int cy, COLORREF clrTrans) const
{
    if (pDC == NULL || pDC->GetSafeHdc() == NULL || m_bitmap.GetSafeHandle() == NULL)
        return;
    TransparentBlits(pDC->GetSafeHdc(), (HBITMAP)m_bitmap.GetSafeHandle(), x, y, cx, cy, 0, 0, cx, cy, cx, cy,
                     false, clrTrans);
}

void CQImage::ShowTransBmp(CDC* pDC, int x, int y, COLORREF clrTrans) const
{
    DrawTransBlt(pDC, x, y, GetBmpWidth(), GetBmpHeight(), clrTrans);
}

void CQImage::StretchTransBlt(CDC* pDC, int x, int y, int cx, int cy, int xs, int ys, int cxs, int cys,
                              COLORREF clrTrans) const
{
    if (pDC == NULL || pDC->GetSafeHdc() == NULL || m_bitmap.GetSafeHandle() == NULL)
        return;
    // The mask covers the source rectangle wherever it lies: it is made from the bitmap's origin
    // in the bitmap's own size, so that the mask pixel under each source pixel is that pixel's own.
    TransparentBlits(pDC->GetSafeHdc(), (HBITMAP)m_bitmap.GetSafeHandle(), x, y, cx, cy, xs, ys, cxs, cys,
                     GetBmpWidth(), GetBmpHeight(), true, clrTrans);
}

void CQImage::StretchTransBmp(CDC* pDC, COLORREF clrTrans) const
{
    CSize size;
    if (pDC != NULL && WindowSizeOf(pDC, size))
        StretchTransBlt(pDC, 0, 0, size.cx, size.cy, 0, 0, GetBmpWidth(), GetBmpHeight(), clrTrans);
}

// ---------------------------------------------------------------------------------------------
// Region

HRGN CQImage::GetBmpRgn(COLORREF clrTrans) const
{
    int cx = GetBmpWidth(), cy = GetBmpHeight();
    if (cx <= 0 || cy <= 0)
        return NULL;
    HDC hdcMem = ::CreateCompatibleDC(NULL);
    if (hdcMem == NULL)
        return NULL;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pvBits = NULL;
    HBITMAP hWork = ::CreateDIBSection(hdcMem, &bmi, DIB_RGB_COLORS, &pvBits, NULL, 0);
    if (hWork == NULL || pvBits == NULL)
    {
        if (hWork)
            ::DeleteObject(hWork);
        ::DeleteDC(hdcMem);
        return NULL;
    }
    HGDIOBJ hOld = ::SelectObject(hdcMem, hWork);
    {
        CSelectedDC dcImage(hdcMem, (HBITMAP)m_bitmap.GetSafeHandle());
        if (dcImage.Get())
            ::BitBlt(hdcMem, 0, 0, cx, cy, dcImage.Get(), 0, 0, SRCCOPY);
    }
    ::GdiFlush();

    auto top = [](int c) { return c + 16 > 255 ? 255 : c + 16; };
    int rLo = GetRValue(clrTrans), gLo = GetGValue(clrTrans), bLo = GetBValue(clrTrans);
    int rHi = top(rLo), gHi = top(gLo), bHi = top(bLo);
    auto transparent = [&](DWORD px)
    {
        int b = px & 0xFF, g = (px >> 8) & 0xFF, r = (px >> 16) & 0xFF;
        return r >= rLo && r <= rHi && g >= gLo && g <= gHi && b >= bLo && b <= bHi;
    };

    CRegionBuilder builder;
    const int nStride = cx; // 32-bit rows are always a multiple of 4 bytes
    for (int y = 0; y < cy && !builder.Failed(); y++)
    {
        // Rows are stored bottom-up: image row y is stored row cy - 1 - y.
        const DWORD* pRow = static_cast<const DWORD*>(pvBits) + (size_t)(cy - 1 - y) * nStride;
        int x = 0;
        while (x < cx)
        {
            while (x < cx && transparent(pRow[x]))
                x++;
            int x0 = x;
            while (x < cx && !transparent(pRow[x]))
                x++;
            if (x > x0)
                builder.Add(x0, y, x);
        }
    }
    builder.Flush();
    HRGN hRgn = builder.Failed() ? NULL : builder.Detach();

    ::SelectObject(hdcMem, hOld);
    ::DeleteObject(hWork);
    ::DeleteDC(hdcMem);
    return hRgn;
}
