// CQGridCtrl: geometry. Rows and columns turned into client-area pixels (fixed rows and columns never
// scroll; the scroll positions count pixels of non-fixed rows and columns scrolled out of view), the
// scroll-bar ranges, text measuring with the grid font, and invalidation or immediate repaint of
// cells. While drawing is not allowed nothing here touches the scroll bars or the screen.
#include "grid/QGridCtrl.h"

#include <afxcmn.h>
#include <algorithm>

// --- size bookkeeping ---------------------------------------------------------------------------

// Positions are computed by walking the size arrays, so nothing is cached yet that a size change
// would have to refresh.
void CQGridCtrl::RowSizesChanged(int /*nFirstRow*/)
{
}

void CQGridCtrl::ColumnSizesChanged(int /*nFirstCol*/)
{
}

// The user's "WheelScrollLines" desktop setting; 3 when it cannot be read.
UINT CQGridCtrl::GetMouseScrollLines()
{
    UINT nScrollLines = 3;
    HKEY hKey;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &hKey) ==
        ERROR_SUCCESS)
    {
        wchar_t szData[128];
        DWORD dwKeyDataType;
        DWORD dwDataBufSize = sizeof(szData);   // 256 bytes
        if (::RegQueryValueExW(hKey, L"WheelScrollLines", NULL, &dwKeyDataType, (LPBYTE)szData,
                               &dwDataBufSize) == ERROR_SUCCESS)
        {
            szData[std::min<DWORD>(dwDataBufSize / sizeof(wchar_t), 127)] = L'\0';
            nScrollLines = (UINT)wcstoul(szData, NULL, 10);
        }
        ::RegCloseKey(hKey);
    }
    return nScrollLines;
}

// --- sums and positions -------------------------------------------------------------------------

int CQGridCtrl::GetFixedRowHeight() const
{
    int nHeight = 0;
    for (int i = 0; i < m_nFixedRows; i++)
        nHeight += GetRowHeight(i);
    return nHeight;
}

int CQGridCtrl::GetFixedColumnWidth() const
{
    int nWidth = 0;
    for (int i = 0; i < m_nFixedCols; i++)
        nWidth += GetColumnWidth(i);
    return nWidth;
}

long CQGridCtrl::GetVirtualWidth() const
{
    long lVirtualWidth = 0;
    for (int i = 0; i < m_nCols; i++)
        lVirtualWidth += (long)m_arColWidths[i];
    return lVirtualWidth;
}

long CQGridCtrl::GetVirtualHeight() const
{
    long lVirtualHeight = 0;
    for (int i = 0; i < m_nRows; i++)
        lVirtualHeight += (long)m_arRowHeights[i];
    return lVirtualHeight;
}

// The first non-fixed row and column on screen; a partly scrolled-out one is never the top-left one.
CQCellID CQGridCtrl::GetTopleftNonFixedCell() const
{
    int nVertScroll = 0, nHorzScroll = 0;
    if (::IsWindow(m_hWnd))
    {
        nVertScroll = ::GetScrollPos(m_hWnd, SB_VERT);
        nHorzScroll = ::GetScrollPos(m_hWnd, SB_HORZ);
    }

    int nColumn = m_nFixedCols, nRight = 0;
    while (nRight < nHorzScroll && nColumn < (m_nCols - 1))
        nRight += GetColumnWidth(nColumn++);

    int nRow = m_nFixedRows, nTop = 0;
    while (nTop < nVertScroll && nRow < (m_nRows - 1))
        nTop += GetRowHeight(nRow++);

    return CQCellID(nRow, nColumn);
}

BOOL CQGridCtrl::GetCellOrigin(int nRow, int nCol, LPPOINT p) const
{
    if (p == NULL || !IsValid(nRow, nCol))
        return FALSE;

    CQCellID idTopLeft;
    if (nCol >= m_nFixedCols || nRow >= m_nFixedRows)
        idTopLeft = GetTopleftNonFixedCell();

    // scrolled out above or to the left
    if ((nRow >= m_nFixedRows && nRow < idTopLeft.row) || (nCol >= m_nFixedCols && nCol < idTopLeft.col))
        return FALSE;

    p->x = 0;
    if (nCol < m_nFixedCols)
    {
        for (int i = 0; i < nCol; i++)
            p->x += GetColumnWidth(i);
    }
    else
    {
        for (int i = 0; i < m_nFixedCols; i++)
            p->x += GetColumnWidth(i);
        for (int i = idTopLeft.col; i < nCol; i++)
            p->x += GetColumnWidth(i);
    }

    p->y = 0;
    if (nRow < m_nFixedRows)
    {
        for (int i = 0; i < nRow; i++)
            p->y += GetRowHeight(i);
    }
    else
    {
        for (int i = 0; i < m_nFixedRows; i++)
            p->y += GetRowHeight(i);
        for (int i = idTopLeft.row; i < nRow; i++)
            p->y += GetRowHeight(i);
    }
    return TRUE;
}

BOOL CQGridCtrl::GetCellOrigin(const CQCellID& cell, LPPOINT p) const
{
    return GetCellOrigin(cell.row, cell.col, p);
}

// Inclusive edges: right = left + width - 1, bottom = top + height - 1.
BOOL CQGridCtrl::GetCellRect(int nRow, int nCol, LPRECT pRect) const
{
    CPoint cellOrigin;
    if (pRect == NULL || !GetCellOrigin(nRow, nCol, &cellOrigin))
        return FALSE;
    pRect->left = cellOrigin.x;
    pRect->top = cellOrigin.y;
    pRect->right = cellOrigin.x + GetColumnWidth(nCol) - 1;
    pRect->bottom = cellOrigin.y + GetRowHeight(nRow) - 1;
    return TRUE;
}

BOOL CQGridCtrl::GetCellRect(const CQCellID& cell, LPRECT pRect) const
{
    return GetCellRect(cell.row, cell.col, pRect);
}

BOOL CQGridCtrl::GetCellRangeRect(const CQCellRange& cellRange, LPRECT lpRect) const
{
    CPoint MinOrigin, MaxOrigin;
    if (lpRect == NULL || !GetCellOrigin(cellRange.GetMinRow(), cellRange.GetMinCol(), &MinOrigin) ||
        !GetCellOrigin(cellRange.GetMaxRow(), cellRange.GetMaxCol(), &MaxOrigin))
        return FALSE;
    lpRect->left = MinOrigin.x;
    lpRect->top = MinOrigin.y;
    lpRect->right = MaxOrigin.x + GetColumnWidth(cellRange.GetMaxCol()) - 1;
    lpRect->bottom = MaxOrigin.y + GetRowHeight(cellRange.GetMaxRow()) - 1;
    return TRUE;
}

// --- what is on screen --------------------------------------------------------------------------

// Non-fixed cells at least partly on screen; pRect gets (0, 0, reached right, reached bottom).
CQCellRange CQGridCtrl::GetVisibleNonFixedCellRange(LPRECT pRect) const
{
    CRect rect(0, 0, 0, 0);
    if (::IsWindow(m_hWnd))
        ::GetClientRect(m_hWnd, &rect);
    CQCellID idTopLeft = GetTopleftNonFixedCell();

    int bottom = GetFixedRowHeight();
    int i;
    for (i = idTopLeft.row; i < m_nRows; i++)
    {
        bottom += GetRowHeight(i);
        if (bottom >= rect.bottom)
        {
            bottom = rect.bottom;
            break;
        }
    }
    int maxVisibleRow = std::min(i, m_nRows - 1);

    int right = GetFixedColumnWidth();
    for (i = idTopLeft.col; i < m_nCols; i++)
    {
        right += GetColumnWidth(i);
        if (right >= rect.right)
        {
            right = rect.right;
            break;
        }
    }
    int maxVisibleCol = std::min(i, m_nCols - 1);

    if (pRect)
    {
        pRect->left = pRect->top = 0;
        pRect->right = right;
        pRect->bottom = bottom;
    }
    return CQCellRange(idTopLeft.row, idTopLeft.col, maxVisibleRow, maxVisibleCol);
}

// Non-fixed cells wholly on screen.
CQCellRange CQGridCtrl::GetUnobstructedNonFixedCellRange() const
{
    CRect rect(0, 0, 0, 0);
    if (::IsWindow(m_hWnd))
        ::GetClientRect(m_hWnd, &rect);
    CQCellID idTopLeft = GetTopleftNonFixedCell();

    int bottom = GetFixedRowHeight();
    int i;
    for (i = idTopLeft.row; i < m_nRows; i++)
    {
        bottom += GetRowHeight(i);
        if (bottom >= rect.bottom)
            break;
    }
    int maxVisibleRow = std::min(i, m_nRows - 1);
    if (maxVisibleRow > 0 && bottom > rect.bottom)
        maxVisibleRow--;

    int right = GetFixedColumnWidth();
    for (i = idTopLeft.col; i < m_nCols; i++)
    {
        right += GetColumnWidth(i);
        if (right >= rect.right)
            break;
    }
    int maxVisibleCol = std::min(i, m_nCols - 1);
    if (maxVisibleCol > 0 && right > rect.right)
        maxVisibleCol--;

    int minRow = (idTopLeft.row >= 0 && idTopLeft.row < m_nRows) ? idTopLeft.row : 0;
    return CQCellRange(minRow, idTopLeft.col, maxVisibleRow, maxVisibleCol);
}

// A cell is visible when any part of it is inside the client area.
BOOL CQGridCtrl::IsCellVisible(int nRow, int nCol) const
{
    if (!::IsWindow(m_hWnd) || !IsValid(nRow, nCol))
        return FALSE;

    CQCellID TopLeft;
    if (nCol >= m_nFixedCols || nRow >= m_nFixedRows)
    {
        TopLeft = GetTopleftNonFixedCell();
        if (nCol >= m_nFixedCols && nCol < TopLeft.col)
            return FALSE;
        if (nRow >= m_nFixedRows && nRow < TopLeft.row)
            return FALSE;
    }

    CRect rect;
    ::GetClientRect(m_hWnd, &rect);

    int x = 0, first = 0;
    if (nCol >= m_nFixedCols)
    {
        x = GetFixedColumnWidth();
        first = TopLeft.col;
    }
    for (int i = first; i <= nCol; i++)
    {
        if (x >= rect.right)
            return FALSE;
        x += GetColumnWidth(i);
    }

    int y = 0;
    first = 0;
    if (nRow >= m_nFixedRows)
    {
        y = GetFixedRowHeight();
        first = TopLeft.row;
    }
    for (int i = first; i <= nRow; i++)
    {
        if (y >= rect.bottom)
            return FALSE;
        y += GetRowHeight(i);
    }
    return TRUE;
}

BOOL CQGridCtrl::IsCellVisible(CQCellID cell) const
{
    return IsCellVisible(cell.row, cell.col);
}

// --- scroll bars --------------------------------------------------------------------------------

void CQGridCtrl::ResetScrollBars()
{
    if (!m_bAllowDraw || !::IsWindow(m_hWnd))
        return;

    CRect rect;
    ::GetClientRect(m_hWnd, &rect);
    const int nFixedWidth = GetFixedColumnWidth(), nFixedHeight = GetFixedRowHeight();
    rect.left += nFixedWidth;
    rect.top += nFixedHeight;
    if (rect.left >= rect.right || rect.top >= rect.bottom)
        return;

    CQCellRange visibleCells = GetUnobstructedNonFixedCellRange();
    if (!visibleCells.IsValid())
        return;

    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = SIF_PAGE;
    si.nPage = (UINT)(rect.right - nFixedWidth);
    ::SetScrollInfo(m_hWnd, SB_HORZ, &si, FALSE);
    si.nPage = (UINT)(rect.bottom - nFixedHeight);
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, FALSE);

    long nScrollHeight = GetVirtualHeight() - nFixedHeight;
    long nScrollWidth = GetVirtualWidth() - nFixedWidth;
    m_nVScrollMax = (rect.bottom - nFixedHeight >= nScrollHeight) ? 0 : (int)(nScrollHeight - 1);
    m_nHScrollMax = (rect.right - nFixedWidth >= nScrollWidth) ? 0 : (int)(nScrollWidth - 1);

    ::SetScrollRange(m_hWnd, SB_VERT, 0, m_nVScrollMax, TRUE);
    ::SetScrollRange(m_hWnd, SB_HORZ, 0, m_nHScrollMax, TRUE);
}

int CQGridCtrl::GetScrollPos32(int nBar, BOOL bGetTrackPos) const
{
    if (!::IsWindow(m_hWnd))
        return 0;
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = bGetTrackPos ? SIF_TRACKPOS : SIF_POS;
    if (!::GetScrollInfo(m_hWnd, nBar, &si))
        return 0;
    return bGetTrackPos ? si.nTrackPos : si.nPos;
}

BOOL CQGridCtrl::SetScrollPos32(int nBar, int nPos, BOOL bRedraw)
{
    if (!::IsWindow(m_hWnd))
        return FALSE;
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = SIF_POS;
    si.nPos = nPos;
    return ::SetScrollInfo(m_hWnd, nBar, &si, bRedraw);
}

// Turning drawing back on repaints everything; bResetScrollBars resets the bars either way.
void CQGridCtrl::SetRedraw(BOOL bAllowDraw, BOOL bResetScrollBars)
{
    if (bAllowDraw && !m_bAllowDraw && ::IsWindow(m_hWnd))
        Invalidate();
    m_bAllowDraw = bAllowDraw;
    if (bResetScrollBars)
        ResetScrollBars();
}

// --- measuring ----------------------------------------------------------------------------------

// Text size plus the margin on each side, in the grid font or its semi-bold form; (0, 0) without
// a window device context.
CSize CQGridCtrl::GetTextExtent(LPCTSTR str, BOOL bUseSelectedFont)
{
    if (!::IsWindow(m_hWnd))
        return CSize(0, 0);
    HDC hDC = ::GetDC(m_hWnd);
    if (hDC == NULL)
        return CSize(0, 0);

    HFONT hBold = NULL;
    HGDIOBJ hOldFont = NULL;
    if (bUseSelectedFont)
    {
        LOGFONTW lf = m_Logfont;
        lf.lfWeight = 600;
        hBold = ::CreateFontIndirectW(&lf);
        if (hBold)
            hOldFont = ::SelectObject(hDC, hBold);
    }
    else if (m_Font.GetSafeHandle())
    {
        hOldFont = ::SelectObject(hDC, m_Font.GetSafeHandle());
    }

    SIZE size = {0, 0};
    if (str)
        ::GetTextExtentPoint32W(hDC, str, (int)wcslen(str), &size);
    else
        ::GetTextExtentPoint32W(hDC, L"", 0, &size);

    if (hOldFont)
        ::SelectObject(hDC, hOldFont);
    if (hBold)
        ::DeleteObject(hBold);
    ::ReleaseDC(m_hWnd, hDC);
    return CSize(size.cx + 2 * m_nMargin, size.cy + 2 * m_nMargin);
}

CSize CQGridCtrl::GetCellExtent(int nRow, int nCol, CDC* pDC)
{
    if (pDC == NULL || pDC->GetSafeHdc() == NULL)
        return CSize(0, 0);
    HDC hDC = pDC->GetSafeHdc();

    LOGFONTW lf;
    if (LOGFONTW* pLF = GetItemFont(nRow, nCol))
        lf = *pLF;
    else
        lf = m_Logfont;
    if (nRow < m_nFixedRows || nCol < m_nFixedCols)
        lf.lfWeight = 600;

    HFONT hFont = ::CreateFontIndirectW(&lf);
    HGDIOBJ hOldFont = hFont ? ::SelectObject(hDC, hFont) : NULL;
    CString text = GetItemText(nRow, nCol);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(hDC, (LPCWSTR)text, text.GetLength(), &size);
    if (hOldFont)
        ::SelectObject(hDC, hOldFont);
    if (hFont)
        ::DeleteObject(hFont);

    size.cx += 4 * m_nMargin;
    size.cy += 2 * m_nMargin;

    int nImage = GetItemImage(nRow, nCol);
    if (m_pImageList && nImage >= 0)
    {
        IMAGEINFO Info;
        if (m_pImageList->GetImageInfo(nImage, &Info))
        {
            int nImageWidth = Info.rcImage.right - Info.rcImage.left + 1;
            int nImageHeight = Info.rcImage.bottom - Info.rcImage.top + 1;
            size.cx += nImageWidth;
            size.cy = std::max<LONG>(size.cy, nImageHeight);
        }
    }
    return CSize(size.cx, size.cy);
}

// --- fonts --------------------------------------------------------------------------------------

// WM_SETFONT: the font becomes the grid's font description and every cell's font; with a window
// device context the grid font is rebuilt and the margin and default sizes follow it. Existing rows
// and columns keep their sizes.
LRESULT CQGridCtrl::OnSetFont(WPARAM hFont, LPARAM lParam)
{
    LRESULT result = 0;
    if (::IsWindow(m_hWnd))
        result = ::DefWindowProcW(m_hWnd, WM_SETFONT, hFont, lParam);

    LOGFONTW lf;
    if (hFont == 0 || ::GetObjectW((HFONT)hFont, sizeof(LOGFONTW), &lf) != sizeof(LOGFONTW))
        return result;

    m_Logfont = lf;
    for (int row = 0; row < m_nRows; row++)
        for (int col = 0; col < m_nCols; col++)
            SetItemFont(row, col, &m_Logfont);

    if (!::IsWindow(m_hWnd))
        return result;

    if (HDC hDC = ::GetDC(m_hWnd))
    {
        m_Font.DeleteObject();
        m_Font.CreateFontIndirect(&m_Logfont);
        HGDIOBJ hOldFont = m_Font.GetSafeHandle() ? ::SelectObject(hDC, m_Font.GetSafeHandle()) : NULL;
        TEXTMETRICW tm;
        memset(&tm, 0, sizeof(tm));
        ::GetTextMetricsW(hDC, &tm);
        SIZE space = {0, 0};
        ::GetTextExtentPoint32W(hDC, L" ", 1, &space);
        if (hOldFont)
            ::SelectObject(hDC, hOldFont);
        ::ReleaseDC(m_hWnd, hDC);

        m_nMargin = space.cx;
        m_nDefCellHeight = tm.tmHeight + tm.tmExternalLeading + 2 * m_nMargin;
        m_nDefCellWidth = 2 * (m_nMargin + 6 * tm.tmAveCharWidth);
    }
    Invalidate();
    return result;
}

LRESULT CQGridCtrl::OnGetFont(WPARAM /*hFont*/, LPARAM /*lParam*/)
{
    return (LRESULT)m_Font.GetSafeHandle();
}

// --- invalidation and immediate repaint ---------------------------------------------------------

// Marks the cell for repaint, grown by one pixel right and bottom to cover its inclusive edges.
BOOL CQGridCtrl::InvalidateCellRect(const CQCellID& cell)
{
    if (!::IsWindow(m_hWnd) || !m_bAllowDraw)
        return FALSE;
    if (!IsCellVisible(cell.row, cell.col))
        return FALSE;
    CRect rect;
    if (!GetCellRect(cell, rect))
        return FALSE;
    rect.right++;
    rect.bottom++;
    ::InvalidateRect(m_hWnd, &rect, TRUE);
    return TRUE;
}

BOOL CQGridCtrl::InvalidateCellRect(const CQCellRange& cellRange)
{
    if (!::IsWindow(m_hWnd) || !m_bAllowDraw)
        return FALSE;
    CQCellRange visibleCellRange = GetVisibleNonFixedCellRange().Intersect(cellRange);
    CRect rect;
    if (!GetCellRangeRect(visibleCellRange, rect))
        return FALSE;
    rect.right++;
    rect.bottom++;
    ::InvalidateRect(m_hWnd, &rect, TRUE);
    return TRUE;
}

// Paints the cell at once with its own grid lines; without a device context it is invalidated.
BOOL CQGridCtrl::RedrawCell(int nRow, int nCol, CDC* pDC)
{
    if (!m_bAllowDraw || !IsCellVisible(nRow, nCol))
        return FALSE;
    CRect rect;
    if (!GetCellRect(nRow, nCol, rect))
        return FALSE;

    BOOL bMustReleaseDC = FALSE;
    if (pDC == NULL)
    {
        pDC = GetDC();
        if (pDC == NULL)
        {
            CRect invalid(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
            ::InvalidateRect(m_hWnd, &invalid, TRUE);
            return TRUE;
        }
        bMustReleaseDC = TRUE;
    }

    BOOL bResult;
    if (nRow < m_nFixedRows || nCol < m_nFixedCols)
        bResult = DrawFixedCell(pDC, nRow, nCol, rect, TRUE);
    else
        bResult = DrawCell(pDC, nRow, nCol, rect, TRUE);

    HDC hDC = pDC->GetSafeHdc();
    HPEN hPen = ::CreatePen(PS_SOLID, 0, m_crGridColour);
    HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
    if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ)
    {
        ::MoveToEx(hDC, rect.left, rect.bottom, NULL);
        ::LineTo(hDC, rect.right + 1, rect.bottom);
    }
    if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT)
    {
        ::MoveToEx(hDC, rect.right, rect.top, NULL);
        ::LineTo(hDC, rect.right, rect.bottom + 1);
    }
    ::SelectObject(hDC, hOldPen);
    ::DeleteObject(hPen);

    if (bMustReleaseDC)
        ReleaseDC(pDC);
    return bResult;
}

BOOL CQGridCtrl::RedrawCell(const CQCellID& cell, CDC* pDC)
{
    return RedrawCell(cell.row, cell.col, pDC);
}

// TRUE only when every cell of the row was drawn.
BOOL CQGridCtrl::RedrawRow(int row)
{
    BOOL bResult = TRUE;
    CDC* pDC = ::IsWindow(m_hWnd) ? GetDC() : NULL;
    for (int col = 0; col < m_nCols; col++)
        bResult = RedrawCell(row, col, pDC) && bResult;
    if (pDC)
        ReleaseDC(pDC);
    return bResult;
}

BOOL CQGridCtrl::RedrawColumn(int col)
{
    BOOL bResult = TRUE;
    CDC* pDC = ::IsWindow(m_hWnd) ? GetDC() : NULL;
    for (int row = 0; row < m_nRows; row++)
        bResult = RedrawCell(row, col, pDC) && bResult;
    if (pDC)
        ReleaseDC(pDC);
    return bResult;
}
