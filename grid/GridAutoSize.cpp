// CQGridCtrl: measuring and sizing. The grid font and the sizes taken from it (cell margin, default
// row height and column width), the extent of texts and cells, rows and columns sized to their
// contents or stretched to fill the window, and the desktop settings the grid follows.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridAxis.h"
#include "grid/internal/QFontCache.h"
#include "grid/internal/QTextWidths.h"

#include <afxcmn.h>
#include <algorithm>

// --- desktop settings ---------------------------------------------------------------------------

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
        DWORD dwDataBufSize = sizeof(szData); // 256 bytes
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

// Colours still equal to the system colour they were taken from follow the new system colours;
// then the wheel setting is read again.
void CQGridCtrl::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);

    FollowSystemColours();
    m_nRowsPerWheelNotch = GetMouseScrollLines();
}

// --- fonts --------------------------------------------------------------------------------------

// WM_SETFONT: the font becomes the grid's font description and every cell's font; with a window
// device context the grid font is rebuilt and the margin and default sizes follow it. Existing rows
// and columns keep their sizes.
LRESULT CQGridCtrl::OnSetFont(WPARAM hFont, LPARAM lParam)
{
    LRESULT result = 0;
    if (::IsWindow(m_hWnd))
        result = DefWindowProc(WM_SETFONT, hFont, lParam);

    LOGFONTW lf;
    if (hFont == 0 || ::GetObjectW((HFONT)hFont, sizeof(LOGFONTW), &lf) != sizeof(LOGFONTW))
        return result;

    m_Logfont = lf;
    for (int row = 0; row < m_pRows->GetCount(); row++)
        for (int col = 0; col < m_pCols->GetCount(); col++)
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
        m_pRows->SetDefaultSize(tm.tmHeight + tm.tmExternalLeading + 2 * m_nMargin);
        m_pCols->SetDefaultSize(2 * (m_nMargin + 6 * tm.tmAveCharWidth));
    }
    Invalidate();
    return result;
}

LRESULT CQGridCtrl::OnGetFont(WPARAM /*hFont*/, LPARAM /*lParam*/)
{
    return (LRESULT)m_Font.GetSafeHandle();
}

// --- measuring ----------------------------------------------------------------------------------

// Text size plus the margin on each side, in the grid font or its semi-bold form; (0, 0) without
// a window. Simple texts are measured from the cached character widths of the font; the others on
// the window's device context, taken once within a pass.
CSize CQGridCtrl::GetTextExtent(LPCTSTR str, BOOL bUseSelectedFont)
{
    if (!::IsWindow(m_hWnd))
        return CSize(0, 0);
    LPCWSTR psz = str ? str : L"";
    const int nLength = (int)wcslen(psz);
    SIZE size = {0, 0};
    LOGFONTW lf = m_Logfont;
    if (bUseSelectedFont)
        lf.lfWeight = 600;
    const bool bKnownFont = bUseSelectedFont || m_Font.GetSafeHandle() != NULL;
    if (bKnownFont && QTextWidths::Extent(lf, psz, nLength, NULL, size))
        return CSize(size.cx + 2 * m_nMargin, size.cy + 2 * m_nMargin);

    CQFontCache pass(m_pFontPass, m_hWnd);
    HDC hDC = m_pFontPass->WindowDC();
    if (hDC == NULL)
        return CSize(0, 0);
    HGDIOBJ hOldFont = NULL;
    if (bUseSelectedFont)
    {
        if (HFONT hBold = m_pFontPass->Get(lf))
            hOldFont = ::SelectObject(hDC, hBold);
    }
    else if (m_Font.GetSafeHandle())
    {
        hOldFont = ::SelectObject(hDC, m_Font.GetSafeHandle());
    }
    ::GetTextExtentPoint32W(hDC, psz, nLength, &size);
    if (hOldFont)
        ::SelectObject(hDC, hOldFont);
    return CSize(size.cx + 2 * m_nMargin, size.cy + 2 * m_nMargin);
}

// The room a cell's text (semi-bold in a fixed cell) and image need: the text plus two margins on
// each side horizontally and one above and below; the image widens the cell and may heighten it.
CSize CQGridCtrl::GetCellExtent(int nRow, int nCol, CDC* pDC)
{
    if (pDC == NULL || pDC->GetSafeHdc() == NULL)
        return CSize(0, 0);
    HDC hDC = pDC->GetSafeHdc();

    LOGFONTW lf;
    if (const LOGFONTW* pLF = CellFont(nRow, nCol))
        lf = *pLF;
    else
        lf = m_Logfont;
    if (nRow < m_pRows->GetFixed() || nCol < m_pCols->GetFixed())
        lf.lfWeight = 600;

    CString text = GetItemText(nRow, nCol);
    SIZE size = {0, 0};
    // The window context of a sizing pass needs no checking for every cell.
    const HDC hMeasure = m_pFontPass != NULL && m_pFontPass->IsWindowDC(hDC) ? NULL : hDC;
    if (!QTextWidths::Extent(lf, (LPCWSTR)text, text.GetLength(), hMeasure, size))
    {
        CQFontCache pass(m_pFontPass, m_hWnd);
        HFONT hFont = m_pFontPass->Get(lf);
        HGDIOBJ hOldFont = hFont ? ::SelectObject(hDC, hFont) : NULL;
        ::GetTextExtentPoint32W(hDC, (LPCWSTR)text, text.GetLength(), &size);
        if (hOldFont)
            ::SelectObject(hDC, hOldFont);
    }

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

// --- sizing to the contents ---------------------------------------------------------------------

// Every row and column as large as its largest cell.
void CQGridCtrl::AutoSize()
{
    CQFontCache pass(m_pFontPass, m_hWnd); // one font per description for all the cells
    if (!::IsWindow(m_hWnd))
        return;
    HDC hDC = m_pFontPass->WindowDC();
    CDC* pDC = hDC ? CDC::FromHandle(hDC) : NULL;
    if (pDC == NULL)
        return;

    m_pCols->SetAllSizes(0);
    m_pRows->SetAllSizes(0);
    for (int row = 0; row < m_pRows->GetCount(); row++)
    {
        for (int col = 0; col < m_pCols->GetCount(); col++)
        {
            CSize size = GetCellExtent(row, col, pDC);
            m_pCols->GrowTo(col, size.cx);
            m_pRows->GrowTo(row, size.cy);
        }
    }

    if (m_bAllowDraw)
    {
        ResetScrollBars();
        Invalidate();
    }
}

void CQGridCtrl::AutoSizeColumns()
{
    CQFontCache pass(m_pFontPass, m_hWnd); // one font per description for all the cells
    for (int col = 0; col < m_pCols->GetCount(); col++)
        AutoSizeColumn(col);
}

void CQGridCtrl::AutoSizeRows()
{
    CQFontCache pass(m_pFontPass, m_hWnd); // one font per description for all the cells
    for (int row = 0; row < m_pRows->GetCount(); row++)
        AutoSizeRow(row);
}

// The column as wide as its widest cell; no repaint, the scroll bars follow.
BOOL CQGridCtrl::AutoSizeColumn(int nCol)
{
    return AutoSizeAlong(false, nCol);
}

// The row as high as its highest cell; no repaint, the scroll bars follow.
BOOL CQGridCtrl::AutoSizeRow(int nRow)
{
    return AutoSizeAlong(true, nRow);
}

// One row (bRow) or column sized to the largest extent of its cells.
BOOL CQGridCtrl::AutoSizeAlong(bool bRow, int nIndex)
{
    if (nIndex < 0 || nIndex >= (bRow ? m_pRows->GetCount() : m_pCols->GetCount()) || !::IsWindow(m_hWnd))
        return FALSE;
    CQFontCache pass(m_pFontPass, m_hWnd);
    HDC hDC = m_pFontPass->WindowDC();
    CDC* pDC = hDC ? CDC::FromHandle(hDC) : NULL;
    if (pDC == NULL)
        return FALSE;

    int nSize = 0;
    const int nAcross = bRow ? m_pCols->GetCount() : m_pRows->GetCount();
    for (int i = 0; i < nAcross; i++)
    {
        CSize size = bRow ? GetCellExtent(nIndex, i, pDC) : GetCellExtent(i, nIndex, pDC);
        nSize = std::max(nSize, (int)(bRow ? size.cy : size.cx));
    }
    (bRow ? m_pRows : m_pCols)->SetSize(nIndex, nSize);
    ResetScrollBars();
    return TRUE;
}

// --- stretching to the window -------------------------------------------------------------------

// Columns widened or narrowed so that together they fill the client width.
void CQGridCtrl::ExpandColumnsToFit()
{
    if (m_pCols->GetCount() <= 0 || !::IsWindow(m_hWnd))
        return;
    CRect rect;
    ::GetClientRect(m_hWnd, &rect);
    m_pCols->Spread((long long)rect.Width() - GetVirtualWidth());
    if (m_bAllowDraw)
        Invalidate();
}

void CQGridCtrl::ExpandRowsToFit()
{
    if (m_pRows->GetCount() <= 0 || !::IsWindow(m_hWnd))
        return;
    CRect rect;
    ::GetClientRect(m_hWnd, &rect);
    m_pRows->Spread((long long)rect.Height() - GetVirtualHeight());
    if (m_bAllowDraw)
        Invalidate();
}

void CQGridCtrl::ExpandToFit()
{
    ExpandColumnsToFit();
    ExpandRowsToFit();
    ExpandColumnsToFit();
}
