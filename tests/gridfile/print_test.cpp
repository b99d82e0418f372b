// Grid printing on a printer-like DC: a memory DC of the screen's resolution marked as printing,
// whose text calls are recorded and whose pixels are read back. The grid records where its cells
// are drawn and fills them, so page contents, the scale and the grid lines can be checked.
#include "gridfiletest.h"

#include <afxprint_.h>
#include <time.h>
#include <wchar.h>

using namespace gridfile;

namespace
{
const COLORREF kCellColour = RGB(0, 0, 255);
const COLORREF kFixedColour = RGB(0, 255, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// One DrawText call: its text, format, rectangle (logical) and where that rectangle is on the page.
struct TextCall
{
    CString text;
    UINT format;
    CRect rect;
    CRect device;
};

// A memory DC with a 32-bit bitmap as large as its device's resolution, flagged as printing.
class CPageDC : public CDC
{
public:
    CPageDC()
    {
        CreateCompatibleDC(NULL);
        m_cx = GetDeviceCaps(HORZRES);
        m_cy = GetDeviceCaps(VERTRES);
        BITMAPINFO bmi;
        memset(&bmi, 0, sizeof(bmi));
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = m_cx;
        bmi.bmiHeader.biHeight = -m_cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = NULL;
        m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
        m_pBits = (const DWORD*)pBits;
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        m_bPrinting = TRUE;
        NewPage();
    }
    ~CPageDC() override
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
    }

    // A white page in device units, no recorded text.
    void NewPage()
    {
        SetMapMode(MM_TEXT);
        SetWindowOrg(0, 0);
        ::PatBlt(m_hDC, 0, 0, m_cx, m_cy, WHITENESS);
        m_texts.clear();
    }
    COLORREF Pixel(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
            return CLR_INVALID;
        DWORD v = m_pBits[(size_t)y * m_cx + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    int Count(const CRect& rc, COLORREF clr) const
    {
        int n = 0;
        for (int y = std::max(0, (int)rc.top); y < std::min(m_cy, (int)rc.bottom); y++)
            for (int x = std::max(0, (int)rc.left); x < std::min(m_cx, (int)rc.right); x++)
                n += Pixel(x, y) == clr;
        return n;
    }
    CPoint ToDevice(int x, int y) const
    {
        CPoint pt(x, y);
        LPtoDP(&pt);
        return pt;
    }
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) override
    {
        TextCall call;
        call.text = nCount < 0 ? CString(lpszString) : CString(lpszString, nCount);
        call.format = nFormat;
        call.rect = *lpRect;
        call.device = *lpRect;
        LPtoDP(&call.device);
        m_texts.push_back(call);
        return CDC::DrawText(lpszString, nCount, lpRect, nFormat);
    }

    int m_cx, m_cy;
    std::vector<TextCall> m_texts;

private:
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    const DWORD* m_pBits;
};

// One cell drawing call while printing.
struct CellCall
{
    int row, col;
    bool fixed;
    CRect rect;   // logical
    CRect device; // on the page
};

// A grid that fills the cells it is asked to draw and records them, and opens its print layout.
class PrintGrid : public CQGridCtrl
{
public:
    BOOL DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL) override
    {
        return Record(pDC, nRow, nCol, rect, false);
    }
    BOOL DrawFixedCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL) override
    {
        return Record(pDC, nRow, nCol, rect, true);
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_nBegins++;
        CQGridCtrl::OnBeginPrinting(pDC, pInfo);
    }

    CSize CharSize() const { return m_CharSize; }
    int PageHeight() const { return m_nPageHeight; }
    CSize LogicalPage() const { return m_LogicalPageSize; }
    CSize Paper() const { return m_PaperSize; }
    HGDIOBJ PrinterFont() const { return m_PrinterFont.GetSafeHandle(); }

    // The ordinary rows drawn since the last call, each once.
    std::vector<int> TakeRows()
    {
        std::vector<int> rows;
        for (const CellCall& c : m_cells)
            if (!c.fixed && (rows.empty() || rows.back() != c.row))
                rows.push_back(c.row);
        m_cells.clear();
        return rows;
    }

    std::vector<CellCall> m_cells;
    int m_nBegins = 0;

private:
    BOOL Record(CDC* pDC, int nRow, int nCol, CRect rect, bool bFixed)
    {
        CellCall call{nRow, nCol, bFixed, rect, rect};
        pDC->LPtoDP(&call.device);
        m_cells.push_back(call);
        CRect fill(rect.left + 1, rect.top + 1, rect.right, rect.bottom); // inside the grid lines
        pDC->FillSolidRect(&fill, bFixed ? kFixedColour : kCellColour);
        return TRUE;
    }
};

class GridPrintTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // Hidden: printing needs no screen.
        ASSERT_TRUE(
            m_parent.CreateTop(500, 400, L"Stock \u5E93\u5B58", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN));
        // Between the captioned window and the grid, a window without a caption.
        ASSERT_TRUE(m_holder.Create(NULL, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 380), &m_parent, 10));
        ASSERT_TRUE(m_grid.Create(CRect(0, 0, 460, 360), &m_holder, 11));
        // One fixed row of 20, one fixed column, three columns of 100 and ten rows of 10.
        Shape(11, 3, 100, 10);
    }

    void Shape(int nRows, int nCols, int nWidth, int nHeight)
    {
        m_grid.SetRowCount(nRows);
        m_grid.SetColumnCount(nCols);
        m_grid.SetFixedRowCount(1);
        m_grid.SetFixedColumnCount(1);
        for (int col = 0; col < nCols; col++)
            m_grid.SetColumnWidth(col, nWidth);
        m_grid.SetRowHeight(0, 20);
        for (int row = 1; row < nRows; row++)
            m_grid.SetRowHeight(row, nHeight);
    }

    // Begins a job on the page DC and returns the page count.
    UINT Begin()
    {
        m_info.SetMaxPage(0xFFFF);
        m_grid.OnBeginPrinting(&m_dc, &m_info);
        return m_info.GetMaxPage();
    }

    // Prints one page on a clean sheet; returns the ordinary rows drawn.
    std::vector<int> PrintPage(UINT nPage)
    {
        m_dc.NewPage();
        m_grid.m_cells.clear();
        m_info.m_nCurPage = nPage;
        m_grid.OnPrint(&m_dc, &m_info);
        std::vector<CellCall> cells = m_grid.m_cells;
        std::vector<int> rows = m_grid.TakeRows();
        m_grid.m_cells = cells;
        return rows;
    }

    const TextCall* Text(UINT nFormat) const
    {
        for (const TextCall& call : m_dc.m_texts)
            if (call.format == nFormat)
                return &call;
        return nullptr;
    }

    qtest::CRecordingWnd m_parent;
    CWnd m_holder;
    PrintGrid m_grid;
    CPageDC m_dc;
    CPrintInfo m_info;
};

// The printer font's character size: Times New Roman of height 9, measured over the whole alphabet.
CSize PrinterCharSize(CDC* pDC)
{
    CFont font;
    font.CreateFont(-9, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_CHARACTER_PRECIS,
                    CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Times New Roman");
    CFont* pOld = pDC->SelectObject(&font);
    CSize alphabet = pDC->GetTextExtent(L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ", 52);
    pDC->SelectObject(pOld);
    return CSize(alphabet.cx / 52, alphabet.cy);
}

std::vector<int> Range(int nFirst, int nLast)
{
    std::vector<int> v;
    for (int i = nFirst; i <= nLast; i++)
        v.push_back(i);
    return v;
}
} // namespace

TEST_F(GridPrintTest, BeginPrintingLaysOutThePageFromTheGridsWidth)
{
    Begin();
    const CSize ch = m_grid.CharSize();
    ASSERT_GT(ch.cx, 0);
    EXPECT_EQ(PrinterCharSize(&m_dc), ch);

    EXPECT_EQ(CSize(m_dc.m_cx, m_dc.m_cy), m_grid.Paper());
    EXPECT_EQ(300 + 8 * ch.cx, m_grid.LogicalPage().cx);
    EXPECT_EQ(m_grid.LogicalPage().cx * m_dc.m_cy / m_dc.m_cx, m_grid.LogicalPage().cy);
    EXPECT_EQ(m_grid.LogicalPage().cy - 6 * ch.cy - 20, m_grid.PageHeight());
    EXPECT_EQ(1u, m_info.m_nCurPage);
    EXPECT_EQ(m_grid.PrinterFont() != NULL, true);

    // A wider grid prints smaller: the same column covers fewer pixels of paper.
    PrintPage(1);
    int nNarrow = m_grid.m_cells[1].device.Width();
    Shape(11, 6, 100, 10);
    Begin();
    EXPECT_EQ(600 + 8 * ch.cx, m_grid.LogicalPage().cx);
    PrintPage(1);
    int nWide = m_grid.m_cells[1].device.Width();
    EXPECT_LT(nWide, nNarrow);
    EXPECT_NEAR(99.0 * m_dc.m_cx / m_grid.LogicalPage().cx, nWide, 1.5);

    m_grid.OnEndPrinting(&m_dc, &m_info);
    EXPECT_EQ(NULL, m_grid.PrinterFont());
}

TEST_F(GridPrintTest, RowsThatFillThePageExactlyStayOnItATallerRowGetsAPageOfItsOwn)
{
    Begin();
    const int nPage = m_grid.PageHeight();
    ASSERT_GT(nPage, 60);
    // Rows 1..4 fill the page height to the pixel; row 5 starts page 2.
    Shape(8, 3, 100, 10);
    m_grid.SetRowHeight(4, nPage - 30);
    ASSERT_EQ(2u, Begin());
    EXPECT_EQ(Range(1, 4), PrintPage(1));
    EXPECT_EQ(Range(5, 7), PrintPage(2));

    // One pixel more and row 4 moves on, taking rows 5 and 6 with it.
    m_grid.SetRowHeight(4, nPage - 29);
    ASSERT_EQ(3u, Begin());
    EXPECT_EQ(Range(1, 3), PrintPage(1));
    EXPECT_EQ(Range(4, 6), PrintPage(2));
    EXPECT_EQ(Range(7, 7), PrintPage(3));

    // A row taller than the page gets an empty page of its own.
    Shape(4, 3, 100, 10);
    m_grid.SetRowHeight(2, nPage + 5);
    ASSERT_EQ(3u, Begin());
    EXPECT_EQ(Range(1, 1), PrintPage(1));

    // Page 2 has the header, the headings and the footer, and no row.
    EXPECT_TRUE(PrintPage(2).empty());
    EXPECT_EQ(3u, m_grid.m_cells.size()); // the fixed row: three headings
    ASSERT_NE(nullptr, Text(0x924));
    EXPECT_EQ(CString(L"Page 2 of 3"), Text(0x924)->text);
    EXPECT_EQ(Range(3, 3), PrintPage(3));
    EXPECT_EQ(CString(L"Page 3 of 3"), Text(0x924)->text);
}

TEST_F(GridPrintTest, APageShowsHeaderHeadingsRowsAndFooterWithTheDateInThatOrderDownThePaper)
{
    Begin();
    const CSize ch = m_grid.CharSize();
    wchar_t before[128], after[128];
    time_t t = time(NULL);
    wcsftime(before, 128, L"%c", localtime(&t));
    EXPECT_EQ(Range(1, 10), PrintPage(1));
    t = time(NULL);
    wcsftime(after, 128, L"%c", localtime(&t));

    // Header: application title at the right, the nearest caption in the centre.
    ASSERT_EQ(4u, m_dc.m_texts.size());
    CString strTitle;
    strTitle.LoadString(57344);
    EXPECT_EQ(strTitle, m_dc.m_texts[0].text);
    EXPECT_EQ(0x826u, m_dc.m_texts[0].format);
    EXPECT_EQ(CString(L"Stock \u5E93\u5B58"), m_dc.m_texts[1].text);
    EXPECT_EQ(0x825u, m_dc.m_texts[1].format);
    EXPECT_EQ(CRect(0, 0, m_grid.LogicalPage().cx - 8 * ch.cx, 2 * ch.cy), m_dc.m_texts[1].rect);

    // Headings: every column of the fixed row from the left edge, just below the header and gap.
    std::vector<CellCall> cells = m_grid.m_cells;
    ASSERT_EQ(3u + 30u, cells.size());
    for (int col = 0; col < 3; col++)
    {
        EXPECT_TRUE(cells[col].fixed);
        EXPECT_EQ(CRect(100 * col, 0, 100 * col + 99, 19), cells[col].rect);
    }
    EXPECT_EQ(m_dc.m_texts[1].device.left, cells[0].device.left);
    EXPECT_GT(cells[0].device.top, m_dc.m_texts[1].device.bottom);

    // Rows: every column, the fixed one included, drawn as ordinary cells, one row under another.
    for (int i = 3; i < 33; i++)
    {
        int row = 1 + (i - 3) / 3, col = (i - 3) % 3;
        EXPECT_FALSE(cells[i].fixed);
        EXPECT_EQ(row, cells[i].row);
        EXPECT_EQ(col, cells[i].col);
        EXPECT_EQ(CRect(100 * col, 10 * (row - 1), 100 * col + 99, 10 * row - 1), cells[i].rect);
    }
    EXPECT_GT(cells[3].device.top, cells[0].device.bottom);

    // Footer: page text and the local date and time on one line at the bottom, below the last row.
    EXPECT_EQ(CString(L"Page 1 of 1"), m_dc.m_texts[2].text);
    EXPECT_EQ(0x924u, m_dc.m_texts[2].format);
    EXPECT_EQ(0x926u, m_dc.m_texts[3].format);
    EXPECT_TRUE(m_dc.m_texts[3].text == before || m_dc.m_texts[3].text == after)
        << (LPCWSTR)m_dc.m_texts[3].text;
    EXPECT_EQ(m_dc.m_texts[2].rect, m_dc.m_texts[3].rect);
    EXPECT_GT(m_dc.m_texts[2].device.top, cells.back().device.bottom);
    double scale = (double)m_dc.m_cy / m_grid.LogicalPage().cy;
    EXPECT_NEAR((m_grid.LogicalPage().cy - 2 * ch.cy + ch.cy / 2) * scale, m_dc.m_texts[2].device.top,
                2 * scale + 1);

    // The pixels: headings and cells where the calls said.
    CRect cell = cells[4].device; // row 1, column 1
    EXPECT_EQ(kCellColour, m_dc.Pixel(cell.CenterPoint().x, cell.CenterPoint().y));
    CRect heading = cells[1].device;
    EXPECT_EQ(kFixedColour, m_dc.Pixel(heading.CenterPoint().x, heading.CenterPoint().y));
}

TEST_F(GridPrintTest, GridLinesFollowTheSetting)
{
    Begin();
    PrintPage(1);
    std::vector<CellCall> cells = m_grid.m_cells;
    const CellCall& c = cells[4]; // row 1, column 1
    CPoint mid = c.device.CenterPoint();
    // With both kinds: the bottom edge and the right edge of a cell are lines.
    auto LineAt = [&](int x, int y) { return m_dc.Pixel(x, y) == kBlack; };
    EXPECT_TRUE(LineAt(mid.x, c.device.bottom));
    EXPECT_TRUE(LineAt(c.device.right, mid.y));

    m_grid.SetGridLines(GVL_HORZ);
    PrintPage(1);
    EXPECT_TRUE(LineAt(mid.x, c.device.bottom));
    EXPECT_FALSE(LineAt(c.device.right, mid.y));

    m_grid.SetGridLines(GVL_VERT);
    PrintPage(1);
    EXPECT_FALSE(LineAt(mid.x, c.device.bottom));
    EXPECT_TRUE(LineAt(c.device.right, mid.y));

    // Without lines, the rows' area holds no black pixel at all.
    m_grid.SetGridLines(GVL_NONE);
    PrintPage(1);
    CRect rows(cells[3].device.left, cells[3].device.top, cells.back().device.right,
               cells.back().device.bottom);
    EXPECT_EQ(0, m_dc.Count(rows, kBlack));
}

TEST_F(GridPrintTest, TheCaptionIsTheNearestAncestorsAndBadArgumentsPrintNothing)
{
    m_holder.SetWindowText(L"Holder");
    Begin();
    PrintPage(1);
    EXPECT_EQ(CString(L"Holder"), Text(0x825)->text);

    // A grid with no captioned ancestor prints an empty caption.
    m_parent.SetWindowText(L"");
    m_holder.SetWindowText(L"");
    PrintPage(1);
    ASSERT_NE(nullptr, Text(0x825));
    EXPECT_EQ(CString(), Text(0x825)->text);

    // A grid of fixed rows only has no pages to count.
    m_grid.OnEndPrinting(&m_dc, &m_info);
    Shape(1, 3, 100, 10);
    EXPECT_EQ(0xFFFFu, Begin());
    EXPECT_EQ(NULL, m_grid.PrinterFont());
    // No DC or no print information: nothing happens.
    Shape(5, 3, 100, 10);
    m_grid.OnBeginPrinting(NULL, &m_info);
    m_grid.OnBeginPrinting(&m_dc, NULL);
    m_grid.OnPrint(NULL, &m_info);
    m_grid.OnPrint(&m_dc, NULL);
    EXPECT_EQ(NULL, m_grid.PrinterFont());
}

namespace
{
// Cancels the print dialog when it shows (a dialog that is not a message box); message boxes are
// left to the message-box watcher.
HHOOK g_hPrintHook = NULL;
int g_nPrintDialogs = 0;
LRESULT CALLBACK CancelPrintDialog(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE)
    {
        HWND hWnd = (HWND)wParam;
        wchar_t szClass[16] = L"";
        ::GetClassNameW(hWnd, szClass, 16);
        if (wcscmp(szClass, L"#32770") == 0 && ::GetDlgItem(hWnd, 0xFFFF) == NULL)
        {
            g_nPrintDialogs++;
            ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
    }
    return ::CallNextHookEx(g_hPrintHook, nCode, wParam, lParam);
}
} // namespace

// With no printer the platform says so and nothing is printed; with one, the dialog is cancelled
// and nothing is printed either.
TEST_F(GridPrintTest, PrintWithoutAPrinterOrWhenCancelledPrintsNothing)
{
    CPrintDialog probe(FALSE);
    bool bHasPrinter = probe.GetDefaults() != FALSE;

    g_nPrintDialogs = 0;
    g_hPrintHook = ::SetWindowsHookExW(WH_CBT, CancelPrintDialog, NULL, ::GetCurrentThreadId());
    {
        qtest::CMessageBoxWatcher watcher;
        m_grid.Print();
        if (bHasPrinter)
            EXPECT_EQ(1, g_nPrintDialogs);
        else
            EXPECT_LE(watcher.Count(), 1);
    }
    EXPECT_EQ(0, m_grid.m_nBegins);
    EXPECT_TRUE(m_grid.m_cells.empty());

    // A grid of headings only has nothing to print: no dialog at all.
    Shape(1, 3, 100, 10);
    g_nPrintDialogs = 0;
    {
        qtest::CMessageBoxWatcher watcher;
        m_grid.Print();
        EXPECT_EQ(0, g_nPrintDialogs);
        EXPECT_EQ(0, watcher.Count());
    }
    ::UnhookWindowsHookEx(g_hPrintHook);
    EXPECT_EQ(0, m_grid.m_nBegins);
}

// With the grid's own cell drawing, a printed page shows the cells' texts, and a selected cell
// keeps its own colours on paper.
TEST_F(GridPrintTest, TheGridsOwnDrawingPrintsTextsWithoutSelectionColours)
{
    CQGridCtrl grid(3, 3, 1, 0);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 300, 200), &m_holder, 12));
    for (int col = 0; col < 3; col++)
        grid.SetColumnWidth(col, 100);
    for (int row = 0; row < 3; row++)
        grid.SetRowHeight(row, 20);
    grid.SetItemText(1, 1, L"WWWW");
    grid.SetSelectedRange(1, 2, 1, 2);
    ASSERT_EQ(1, grid.GetSelectedCount());

    grid.OnBeginPrinting(&m_dc, &m_info);
    ASSERT_EQ(1u, m_info.GetMaxPage());
    m_dc.NewPage();
    m_info.m_nCurPage = 1;
    grid.OnPrint(&m_dc, &m_info);

    // Where the rows' logical rectangles lie on the page: origin (-4 characters, -(header, gap and
    // headings)), scaled from the logical page to the paper.
    CDC screen;
    screen.CreateCompatibleDC(NULL);
    const CSize ch = PrinterCharSize(&screen);
    const double sx = (double)m_dc.m_cx / (300 + 8 * ch.cx);
    const double sy = (double)m_dc.m_cy / ((300 + 8 * ch.cx) * m_dc.m_cy / m_dc.m_cx);
    auto Cell = [&](int col)
    {
        int left = 100 * col + 2, top = 2, right = 100 * col + 97, bottom = 17;
        int dy = 3 * ch.cy + 20;
        return CRect((int)((left + 4 * ch.cx) * sx), (int)((top + dy) * sy), (int)((right + 4 * ch.cx) * sx),
                     (int)((bottom + dy) * sy));
    };
    const COLORREF text = grid.GetTextColor();
    EXPECT_GT(m_dc.Count(Cell(1), text), 20);
    EXPECT_EQ(0, m_dc.Count(Cell(2), text));
    EXPECT_EQ(0, m_dc.Count(Cell(2), ::GetSysColor(COLOR_HIGHLIGHT)));
    grid.OnEndPrinting(&m_dc, &m_info);
}
