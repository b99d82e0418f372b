// CTColumnBitmap: a bitmap strip from the module chain's resources and the transparent copy of
// one of its images.
#include "THeaderCtrlEx.h"

#include <algorithm>
#include <climits>

COLORREF CTColumnBitmap::m_crMaskedColor = RGB(0, 255, 0);

namespace
{

int ClampToInt(long long v)
{
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : (int)v;
}

} // namespace

CTColumnBitmap::CTColumnBitmap() : m_nWidth(0), m_nHeight(0), m_nRow(0), m_bLoaded(0) {}

CTColumnBitmap::CTColumnBitmap(UINT nIDResource, int nWidth, int nHeight, int nRow)
    : m_nWidth(0), m_nHeight(0), m_nRow(0), m_bLoaded(0)
{
    if (m_bitmap.LoadBitmap(nIDResource))
    {
        m_bLoaded = 1;
        Init(nWidth, nHeight, nRow);
    }
}

CTColumnBitmap::~CTColumnBitmap()
{
    if (m_bLoaded)
        m_bitmap.DeleteObject();
}

void CTColumnBitmap::Init(int nWidth, int nHeight, int nRow)
{
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_nRow = nRow;
}

CRect CTColumnBitmap::GetRectImage(int nIndex) const
{
    long long left = (long long)m_nWidth * nIndex;
    long long top = (long long)m_nHeight * m_nRow;
    return CRect(ClampToInt(left), ClampToInt(top), ClampToInt(left + m_nWidth), ClampToInt(top + m_nHeight));
}

void CTColumnBitmap::Put(int nIndex, CDC* pDC, int x, int y, int nMaxWidth)
{
    if (!m_bLoaded || pDC == NULL || pDC->GetSafeHdc() == NULL)
        return;
    // Only images that lie wholly inside the strip are drawn: a bad index or a strip smaller
    // than its geometry draws nothing.
    BITMAP bm = {};
    if (!m_bitmap.GetBitmap(&bm))
        return;
    CRect rcSrc = GetRectImage(nIndex);
    if (m_nWidth <= 0 || m_nHeight <= 0 || rcSrc.left < 0 || rcSrc.top < 0 || rcSrc.right > bm.bmWidth ||
        rcSrc.bottom > bm.bmHeight)
        return;
    const int w = std::min(rcSrc.Width(), nMaxWidth);
    const int h = rcSrc.Height();
    if (w <= 0)
        return;

    CDC dcImage, dcMask, dcStrip;
    if (!dcImage.CreateCompatibleDC(pDC) || !dcMask.CreateCompatibleDC(pDC) ||
        !dcStrip.CreateCompatibleDC(pDC))
        return;
    CBitmap bmpImage, bmpMask;
    if (!bmpImage.CreateCompatibleBitmap(pDC, w, h) || !bmpMask.CreateBitmap(w, h, 1, 1, NULL))
        return;

    CBitmap* pOldStrip = dcStrip.SelectObject(&m_bitmap);
    CBitmap* pOldImage = dcImage.SelectObject(&bmpImage);
    CBitmap* pOldMask = dcMask.SelectObject(&bmpMask);

    dcImage.BitBlt(0, 0, w, h, &dcStrip, rcSrc.left, rcSrc.top, SRCCOPY);
    // Mask: transparent pixels white, all others black.
    dcImage.SetBkColor(m_crMaskedColor);
    dcMask.BitBlt(0, 0, w, h, &dcImage, 0, 0, SRCCOPY);
    // Image: transparent pixels black.
    dcImage.SetBkColor(RGB(0, 0, 0));
    dcImage.SetTextColor(RGB(255, 255, 255));
    dcImage.BitBlt(0, 0, w, h, &dcMask, 0, 0, SRCAND);

    COLORREF crOldBk = pDC->SetBkColor(RGB(255, 255, 255));
    COLORREF crOldText = pDC->SetTextColor(RGB(0, 0, 0));
    pDC->BitBlt(x, y, w, h, &dcMask, 0, 0, SRCAND);
    pDC->BitBlt(x, y, w, h, &dcImage, 0, 0, SRCPAINT);
    pDC->SetBkColor(crOldBk);
    pDC->SetTextColor(crOldText);

    dcMask.SelectObject(pOldMask);
    dcImage.SelectObject(pOldImage);
    dcStrip.SelectObject(pOldStrip);
}
