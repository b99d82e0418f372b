// CTsyslistviewex, part two: painting. Every row is drawn by the selected painter (with or
// without grid lines), which picks the row's font and colours and hands each column's cell to
// DrawCell. The text buffers are static: painting is not re-entrant.
#include "Tsyslistviewex.h"

#include <algorithm>
#include <climits>
#include <cwchar>

namespace
{

// The leading decimal number of a text as _wtoi reads it (white space, sign, digits; 0 when
// there is none), kept inside int.
int DecimalValue(const wchar_t* psz)
{
    while (*psz == L' ' || *psz == L'\t')
        ++psz;
    bool bNegative = *psz == L'-';
    if (*psz == L'-' || *psz == L'+')
        ++psz;
    long long v = 0;
    for (; *psz >= L'0' && *psz <= L'9'; ++psz)
        v = std::min(v * 10 + (*psz - L'0'), (long long)INT_MAX + 1);
    v = bNegative ? -v : v;
    return (int)std::max(std::min(v, (long long)INT_MAX), (long long)INT_MIN);
}

} // namespace

void CTsyslistviewex::ViewGridLines(int bOn)
{
    m_pfnDrawItem = bOn ? &CTsyslistviewex::DrawItemGrid : &CTsyslistviewex::DrawItemNoGrid;
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

void CTsyslistviewex::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    (this->*m_pfnDrawItem)(lpDrawItemStruct);
}

void CTsyslistviewex::DrawItemGrid(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    PaintItem(lpDrawItemStruct, TRUE);
}

void CTsyslistviewex::DrawItemNoGrid(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    PaintItem(lpDrawItemStruct, FALSE);
}

void CTsyslistviewex::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct == NULL)
        return;
    // Some list views ask again on every size change, offering the height answered before:
    // that one has the extra height already.
    if (m_nMeasuredHeight > 0 && lpMeasureItemStruct->itemHeight == (UINT)m_nMeasuredHeight)
        return;
    lpMeasureItemStruct->itemHeight += m_nExtraRowHeight;
    m_nMeasuredHeight = (int)lpMeasureItemStruct->itemHeight;
}

void CTsyslistviewex::PaintItem(LPDRAWITEMSTRUCT lpDrawItemStruct, BOOL bGrid)
{
    if (lpDrawItemStruct == NULL || lpDrawItemStruct->hDC == NULL)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rcItem(lpDrawItemStruct->rcItem);
    const int nItem = (int)lpDrawItemStruct->itemID;
    const LONGLONG llData = (LONGLONG)lpDrawItemStruct->itemData;

    // Row font: bold, italic, or bold italic when the row is both.
    CFont* pOldFont = NULL;
    BOOL bBold = FALSE;
    if (IsBoldRow(llData) && m_fontBold.GetSafeHandle() != NULL)
    {
        pOldFont = pDC->SelectObject(&m_fontBold);
        bBold = TRUE;
    }
    if (IsItalicRow(llData) && m_fontItalic.GetSafeHandle() != NULL)
    {
        CFont* pFont = pDC->SelectObject(bBold && m_fontBoldItalic.GetSafeHandle() != NULL ? &m_fontBoldItalic
                                                                                           : &m_fontItalic);
        if (pOldFont == NULL)
            pOldFont = pFont;
    }

    const UINT nState = GetItemState(nItem, (UINT)-1);
    const BOOL bFocus = (nState & LVIS_FOCUSED) != 0;
    const BOOL bHighlight =
        ((GetStyle() & LVS_SHOWSELALWAYS) && (nState & LVIS_SELECTED)) || (nState & LVIS_DROPHILITED);

    CRect rcBounds;
    if (!GetItemRect(nItem, &rcBounds, LVIR_BOUNDS))
        rcBounds = rcItem;
    COLORREF crOldText = 0, crOldBk = 0;
    if (bHighlight)
    {
        crOldText = pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        crOldBk = pDC->SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
    }
    ::FillRect(pDC->GetSafeHdc(), &rcBounds, ::GetSysColorBrush(bHighlight ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);

    CRect rcLabel;
    if (!GetItemRect(nItem, &rcLabel, LVIR_LABEL))
        rcLabel = rcBounds;
    rcLabel.left -= 2;

    // Columns right of the area being painted are skipped.
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    CBrush brushGrid;
    if (bGrid)
        brushGrid.CreateSolidBrush(RGB(0x80, 0x80, 0x80));
    LVCOLUMN col = {};
    col.mask = LVCF_FMT | LVCF_WIDTH;
    int nLeft = rcLabel.left;
    for (int c = 0; GetColumn(c, &col); ++c)
    {
        CRect rcCell(nLeft, rcItem.top, nLeft + col.cx, rcItem.bottom);
        nLeft += col.cx;
        if (rcCell.left >= rcClip.right)
            break;
        rcCell.DeflateRect(1, 1);
        if (bGrid)
        {
            pDC->FrameRect(rcCell, &brushGrid);
            rcCell.OffsetRect(1, 0);
            rcCell.DeflateRect(2, 0);
        }
        else
        {
            rcCell.OffsetRect(2, 0);
            rcCell.DeflateRect(4, 0);
        }
        DrawCell(pDC, rcCell, (DWORD)col.fmt, nItem, c);
    }

    pDC->SetBkMode(nOldBkMode);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    if (bFocus)
        pDC->DrawFocusRect(rcBounds);
    if (bHighlight)
    {
        pDC->SetTextColor(crOldText);
        pDC->SetBkColor(crOldBk);
    }
}

void CTsyslistviewex::DrawCell(CDC* pDC, CRect& rcCell, DWORD dwColumnFormat, int nRow, int nColumn)
{
    static wchar_t s_szText[520];
    s_szText[0] = 0;
    GetItemText(nRow, nColumn, s_szText, 520);
    s_szText[519] = 0;

    CTColumnBitmap* pBitmap = NULL;
    if (!m_mapColumnBitmaps.IsEmpty() || !m_mapCellBitmaps.IsEmpty())
        pBitmap = GetBitmapCell((DWORD)GetItemData(nRow), nColumn);
    const int w = pBitmap != NULL ? std::max(0, std::min(pBitmap->GetWidth(), rcCell.Width())) : 0;

    // In a cell with a bitmap the text is "<image index>:<text shown>".
    const wchar_t* pszShow = s_szText;
    int nImage = 0;
    if (pBitmap != NULL)
    {
        wchar_t* pSeparator = wcschr(s_szText, m_cImageTextSeparator);
        if (pSeparator != NULL)
        {
            *pSeparator = 0;
            pszShow = pSeparator + 1;
        }
        else
        {
            pszShow = s_szText + wcslen(s_szText);
        }
        nImage = DecimalValue(s_szText);
    }

    LPCTSTR pszDraw = MakeShortString(pDC, pszShow, rcCell.Width() - w - 2, 2);
    if (pszDraw != NULL && *pszDraw != 0)
    {
        UINT nAlign = DT_LEFT;
        if (pszDraw == pszShow)
        {
            if ((dwColumnFormat & 3) == LVCFMT_RIGHT)
                nAlign = DT_RIGHT;
            else if ((dwColumnFormat & 3) == LVCFMT_CENTER)
                nAlign = DT_CENTER;
        }
        CRect rcText(rcCell);
        rcText.left += w + 2;
        pDC->DrawText(pszDraw, -1, rcText, nAlign | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }

    if (w != 0)
    {
        int y = rcCell.top + (rcCell.Height() - pBitmap->GetHeight()) / 2;
        pBitmap->Put(nImage, pDC, rcCell.left, y, w);
    }
}

LPCTSTR CTsyslistviewex::MakeShortString(CDC* pDC, LPCTSTR lpszText, int nWidth, int nOffset)
{
    static const wchar_t s_szDots[] = L"...";
    // Room for the kept characters, "..." and the terminator.
    const int nBuffer = 260;
    static wchar_t s_szShort[nBuffer];

    if (lpszText == NULL || pDC == NULL)
        return L"";
    const int nLength = (int)wcslen(lpszText);
    HDC hAttrib = pDC->m_hAttribDC != NULL ? pDC->m_hAttribDC : pDC->GetSafeHdc();
    auto extent = [hAttrib](LPCTSTR psz, int n)
    {
        SIZE size = {};
        ::GetTextExtentPoint32W(hAttrib, psz, n, &size);
        return (int)size.cx;
    };
    if (nLength == 0)
        return lpszText;
    // Texts longer than the buffer are measured whole only when they might fit.
    if (extent(lpszText, nLength) + nOffset <= nWidth)
        return lpszText;

    // The longest start, of at most the buffer's room, that fits with "..." (one character at
    // least). One measurement of the whole start finds the candidate; single steps make it exact.
    const int nMaxKeep = nBuffer - 4;
    int nStart = std::min(nLength - 1, nMaxKeep);
    const int nDots = extent(s_szDots, 3);
    int nKeep = 1;
    if (nStart >= 1)
    {
        int nFit = 0;
        SIZE size = {};
        int nRoom = nWidth - nDots - nOffset;
        if (nRoom > 0 && ::GetTextExtentExPointW(hAttrib, lpszText, nStart, nRoom, &nFit, NULL, &size))
            nKeep = std::max(1, std::min(nFit, nStart));
        while (nKeep > 1 && extent(lpszText, nKeep) + nDots + nOffset > nWidth)
            --nKeep;
        while (nKeep < nStart && extent(lpszText, nKeep + 1) + nDots + nOffset <= nWidth)
            ++nKeep;
    }
    wmemcpy(s_szShort, lpszText, (size_t)nKeep);
    wmemcpy(s_szShort + nKeep, s_szDots, 4);
    return s_szShort;
}
