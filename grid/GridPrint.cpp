// CQGridCtrl: printing. Each page has a header (application title and the window's caption), the
// fixed rows, as many ordinary rows as fit and a footer (page number, date and time). The grid's
// width, with a margin of four characters on each side, is scaled to the width of the paper: one
// logical unit is one screen pixel of the grid.
//
// Print runs a whole job through the platform's print dialog. A host with a print loop of its
// own calls OnBeginPrinting once, OnPrint for every page from the minimum to the maximum page,
// and OnEndPrinting, with a DC whose m_bPrinting is set.
#include "grid/QGridCtrl.h"

#include <afxprint_.h>
#include <time.h>
#include <wchar.h>

#include <algorithm>
#include <climits>

namespace
{
const UINT kAppTitleID = 57344; // the application's title in its string table

// Page layout in characters of the printer font.
const int kLeftMargin = 4;
const int kRightMargin = 4;
const int kHeaderHeight = 2;
const int kFooterHeight = 2;
const int kGap = 1; // after the header and before the footer

// Text-drawing flags of the header and footer.
const UINT kTitleFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;            // 0x826
const UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;         // 0x825
const UINT kPageFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;  // 0x924
const UINT kDateFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX; // 0x926

// a * b / c without overflow, clamped to the int range; 0 when c is 0.
int ScaleInt(long long a, long long b, long long c)
{
    if (c == 0)
        return 0;
    long long r = a * b / c;
    return (int)std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, r));
}

// The grid lines of one printed cell: its bottom (and, in the first row, top) line and its right
// (and, in the first column, left) line. Lines after the first cell of a row reach one unit back
// over the previous cell's line, and so do vertical lines below the first row drawn on the page.
void DrawPrintedCellLines(CDC* pDC, const CRect& rect, BOOL bHorzLines, BOOL bVertLines, bool bFirstCol,
                          bool bTopEdge, bool bFirstRowOnPage)
{
    if (bHorzLines)
    {
        int nOverlap = bFirstCol ? 0 : 1;
        pDC->MoveTo(rect.left - nOverlap, rect.bottom);
        pDC->LineTo(rect.right, rect.bottom);
        if (bTopEdge)
        {
            pDC->MoveTo(rect.left - nOverlap, rect.top);
            pDC->LineTo(rect.right, rect.top);
        }
    }
    if (bVertLines)
    {
        int nOverlap = bFirstRowOnPage ? 0 : 1;
        pDC->MoveTo(rect.right, rect.top - nOverlap);
        pDC->LineTo(rect.right, rect.bottom);
        if (bFirstCol)
        {
            pDC->MoveTo(rect.left, rect.top - nOverlap);
            pDC->LineTo(rect.left, rect.bottom);
        }
    }
}
} // namespace

// Asks for a printer and prints every page. A grid without non-fixed rows has nothing to print:
// no dialog is shown. A cancelled dialog, or no printer at all, prints nothing.
void CQGridCtrl::Print()
{
    if (GetRowCount() - GetFixedRowCount() <= 0)
        return;

    CPrintDialog printDlg(FALSE);
    if (printDlg.DoModal() != IDOK || printDlg.GetPrinterDC() == NULL)
        return;

    CDC dc;
    dc.Attach(printDlg.GetPrinterDC());
    printDlg.m_pd.hDC = NULL;
    dc.m_bPrinting = TRUE;

    CString strTitle;
    strTitle.LoadString(kAppTitleID);
    DOCINFOW di;
    memset(&di, 0, sizeof(di));
    di.cbSize = sizeof(di);
    di.lpszDocName = strTitle;
    BOOL bPrintingOK = dc.StartDoc(&di) > 0;

    CPrintInfo Info;
    Info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    // Pages are printed only when OnBeginPrinting counts them.
    Info.SetMaxPage(0);

    OnBeginPrinting(&dc, &Info);
    for (UINT page = Info.GetMinPage(); page <= Info.GetMaxPage() && bPrintingOK; page++)
    {
        dc.StartPage();
        Info.m_nCurPage = page;
        OnPrint(&dc, &Info);
        bPrintingOK = dc.EndPage() > 0;
    }
    OnEndPrinting(&dc, &Info);

    if (bPrintingOK)
        dc.EndDoc();
    else
        dc.AbortDoc();
    ::DeleteDC(dc.Detach());
}

// Makes the printer font, measures it and counts the pages; the layout stays in the print members
// until OnEndPrinting.
void CQGridCtrl::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    if (pDC == NULL || pDC->GetSafeHdc() == NULL || pInfo == NULL)
        return;
    if (GetRowCount() - GetFixedRowCount() <= 0)
        return;
    CDC* pCurrentDC = GetDC();
    if (pCurrentDC == NULL)
        return;

    m_PrinterFont.DeleteObject();
    m_PrinterFont.CreateFont(-9, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_CHARACTER_PRECIS,
                             CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             L"Times New Roman");
    CFont* pOldFont = pDC->SelectObject(&m_PrinterFont);

    CString strAlphabet = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";
    m_CharSize = pDC->GetTextExtent(strAlphabet, 52);
    m_CharSize.cx /= 52;

    m_PaperSize = CSize(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    long long nPageWidth = (long long)GetVirtualWidth() + (kLeftMargin + kRightMargin) * m_CharSize.cx;
    m_LogicalPageSize.cx = (int)std::min<long long>(INT_MAX, nPageWidth);
    m_LogicalPageSize.cy = ScaleInt(m_LogicalPageSize.cx, m_PaperSize.cy, m_PaperSize.cx);

    m_nPageHeight = m_LogicalPageSize.cy - (kHeaderHeight + kFooterHeight + 2 * kGap) * m_CharSize.cy -
                    GetFixedRowHeight();

    // A row that does not fit on the current page starts the next one.
    UINT nNumPages = 1;
    long long nTotalRowHeight = 0;
    for (int row = GetFixedRowCount(); row < GetRowCount(); row++)
    {
        nTotalRowHeight += GetRowHeight(row);
        if (nTotalRowHeight > m_nPageHeight)
        {
            nNumPages++;
            nTotalRowHeight = GetRowHeight(row);
        }
    }
    pInfo->SetMaxPage(nNumPages);
    pInfo->m_nCurPage = 1;

    ReleaseDC(pCurrentDC);
    pDC->SelectObject(pOldFont);
}

// Prints page pInfo->m_nCurPage: header, headings, the page's rows with their grid lines, footer.
void CQGridCtrl::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (pDC == NULL || pDC->GetSafeHdc() == NULL || pInfo == NULL)
        return;

    CFont* pOldFont = pDC->SelectObject(&m_PrinterFont);

    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(m_LogicalPageSize);
    pDC->SetViewportExt(m_PaperSize);
    pDC->SetWindowOrg(-kLeftMargin * m_CharSize.cx, 0);

    // Header
    pInfo->m_rectDraw.top = 0;
    pInfo->m_rectDraw.left = 0;
    pInfo->m_rectDraw.right = m_LogicalPageSize.cx - (kLeftMargin + kRightMargin) * m_CharSize.cx;
    pInfo->m_rectDraw.bottom = kHeaderHeight * m_CharSize.cy;
    PrintHeader(pDC, pInfo);
    pDC->OffsetWindowOrg(0, -kHeaderHeight * m_CharSize.cy);
    pDC->OffsetWindowOrg(0, -kGap * m_CharSize.cy);

    // Headings
    pInfo->m_rectDraw.bottom = GetFixedRowHeight();
    PrintColumnHeadings(pDC, pInfo);
    pDC->OffsetWindowOrg(0, -GetFixedRowHeight());

    // The page's first row: the walk of the page count up to this page.
    int nCurrPrintRow = GetFixedRowCount();
    UINT nNumPages = 1;
    long long nTotalRowHeight = 0;
    while (nCurrPrintRow < GetRowCount() && nNumPages < pInfo->m_nCurPage)
    {
        nTotalRowHeight += GetRowHeight(nCurrPrintRow);
        if (nTotalRowHeight > m_nPageHeight)
        {
            nNumPages++;
            if (nNumPages == pInfo->m_nCurPage)
                break;
            nTotalRowHeight = GetRowHeight(nCurrPrintRow);
        }
        nCurrPrintRow++;
    }

    if (nCurrPrintRow < GetRowCount())
    {
        // Rows, every column from the first, as long as they fit on the page.
        const BOOL bHorzLines = m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ;
        const BOOL bVertLines = m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT;
        BOOL bFirstPrintedRow = TRUE;
        CRect rect;
        rect.bottom = -1;
        for (; nCurrPrintRow < GetRowCount(); nCurrPrintRow++)
        {
            rect.top = rect.bottom + 1;
            rect.bottom = rect.top + GetRowHeight(nCurrPrintRow) - 1;
            // The page count's rule: the row fits while the rows' total height is within the page
            // height (its inclusive bottom edge below it), so no row is printed on two pages.
            if (rect.bottom >= m_nPageHeight)
                break;

            rect.right = -1;
            for (int col = 0; col < GetColumnCount(); col++)
            {
                rect.left = rect.right + 1;
                rect.right = rect.left + GetColumnWidth(col) - 1;
                DrawCell(pDC, nCurrPrintRow, col, rect, FALSE);
                DrawPrintedCellLines(pDC, rect, bHorzLines, bVertLines, col == 0, nCurrPrintRow == 0,
                                     bFirstPrintedRow != FALSE);
            }
            bFirstPrintedRow = FALSE;
        }

        // Footer, at the bottom of the logical page.
        pInfo->m_rectDraw.bottom = kFooterHeight * m_CharSize.cy;
        pDC->SetWindowOrg(-kLeftMargin * m_CharSize.cx,
                          -m_LogicalPageSize.cy + kFooterHeight * m_CharSize.cy);
        PrintFooter(pDC, pInfo);
    }

    pDC->SetWindowOrg(0, 0);
    pDC->SelectObject(pOldFont);
}

void CQGridCtrl::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
    m_PrinterFont.DeleteObject();
}

// The fixed rows, every column, with the grid lines drawn as for the rows of a page.
void CQGridCtrl::PrintColumnHeadings(CDC* pDC, CPrintInfo* /*pInfo*/)
{
    CFont* pOldFont = pDC->SelectObject(&m_PrinterFont);
    const BOOL bHorzLines = m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ;
    const BOOL bVertLines = m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT;

    CRect rect;
    rect.bottom = -1;
    for (int row = 0; row < GetFixedRowCount(); row++)
    {
        rect.top = rect.bottom + 1;
        rect.bottom = rect.top + GetRowHeight(row) - 1;
        rect.right = -1;
        for (int col = 0; col < GetColumnCount(); col++)
        {
            rect.left = rect.right + 1;
            rect.right = rect.left + GetColumnWidth(col) - 1;
            DrawFixedCell(pDC, row, col, rect, FALSE);
            DrawPrintedCellLines(pDC, rect, bHorzLines, bVertLines, col == 0, row == 0, row == 0);
        }
    }
    pDC->SelectObject(pOldFont);
}

// The application's title at the right, the caption of the nearest ancestor that has one in the
// centre, in bold, and a line under both.
void CQGridCtrl::PrintHeader(CDC* pDC, CPrintInfo* pInfo)
{
    CRect rc(pInfo->m_rectDraw);

    LOGFONTW lf;
    memset(&lf, 0, sizeof(lf));
    m_PrinterFont.GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    CFont BoldFont;
    BoldFont.CreateFontIndirect(&lf);
    CFont* pNormalFont = pDC->SelectObject(&BoldFont);
    int nPrevBkMode = pDC->SetBkMode(TRANSPARENT);

    CString strTitle;
    strTitle.LoadString(kAppTitleID);
    pDC->DrawText(strTitle, &rc, kTitleFormat);

    CString strCaption;
    for (CWnd* pParentWnd = GetParent(); pParentWnd != NULL; pParentWnd = pParentWnd->GetParent())
    {
        pParentWnd->GetWindowText(strCaption);
        if (!strCaption.IsEmpty())
            break;
    }
    pDC->DrawText(strCaption, &rc, kCaptionFormat);

    pDC->SetBkMode(nPrevBkMode);
    pDC->SelectObject(pNormalFont);
    BoldFont.DeleteObject();

    pDC->SelectStockObject(BLACK_PEN);
    pDC->MoveTo(rc.left, rc.bottom);
    pDC->LineTo(rc.right, rc.bottom);
}

// A line over the footer, then "Page n of m" at the left and the local date and time at the right.
void CQGridCtrl::PrintFooter(CDC* pDC, CPrintInfo* pInfo)
{
    CRect rc(pInfo->m_rectDraw);

    LOGFONTW lf;
    memset(&lf, 0, sizeof(lf));
    m_PrinterFont.GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    CFont BoldFont;
    BoldFont.CreateFontIndirect(&lf);

    pDC->MoveTo(rc.left, rc.top);
    pDC->LineTo(rc.right, rc.top);

    CFont* pNormalFont = pDC->SelectObject(&BoldFont);
    int nPrevBkMode = pDC->SetBkMode(TRANSPARENT);

    rc.OffsetRect(0, m_CharSize.cy / 2);
    CString strPage;
    strPage.Format(L"Page %d of %d", (int)pInfo->m_nCurPage, (int)pInfo->GetMaxPage());
    pDC->DrawText(strPage, &rc, kPageFormat);

    wchar_t szDate[128] = L"";
    time_t now = time(NULL);
    if (const struct tm* pLocal = localtime(&now))
        wcsftime(szDate, _countof(szDate), L"%c", pLocal);
    pDC->DrawText(CString(szDate), &rc, kDateFormat);

    pDC->SetBkMode(nPrevBkMode);
    pDC->SelectObject(pNormalFont);
    BoldFont.DeleteObject();
}
