// Grid printing on a printer-like DC: a memory DC of the screen's resolution marked as printing,
// whose pixels are read back.
#include "file.h"

#include <afxprint_.h>

namespace
{
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
    int m_cx, m_cy;

private:
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    const DWORD* m_pBits;
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

} // namespace

class GridPrintTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // hidden: printing needs no screen
        ASSERT_TRUE(m_parent.CreateTop(500, 400, L"Stock", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN));
        ASSERT_TRUE(m_holder.Create(NULL, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 380), &m_parent, 10));
    }
    qtest::CRecordingWnd m_parent;
    CWnd m_holder;
    CPageDC m_dc;
    CPrintInfo m_info;
};

// With the grid's own cell drawing, a printed page shows the cells' texts, and a selected cell
// keeps its own colours on paper.
TEST_F(GridPrintTest, TheGridsOwnDrawingPrintsTextsWithoutSelectionColours)
{
    CGridProbe grid(3, 3, 1, 0);
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

    // no DC or no print information: nothing happens
    grid.OnBeginPrinting(NULL, &m_info);
    grid.OnBeginPrinting(&m_dc, NULL);
    grid.OnPrint(NULL, &m_info);
    grid.OnPrint(&m_dc, NULL);
}
