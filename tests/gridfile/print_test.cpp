// Grid printing on a printer-like DC: a memory DC of the screen's resolution marked as printing,
// whose pixels are read back.
#include "file.h"

#include <afxprint_.h>

namespace
{
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

// With the grid's own cell drawing, a printed page shows the cells' texts, and a selected cell
// keeps its own colours on paper; without a DC or print information nothing happens.
TEST_F(GridTest, TheGridsOwnDrawingPrintsTextsWithoutSelectionColours)
{
    Make(3, 3, 1, 0, 20, 100, 300, 200);
    m_pGrid->SetItemText(1, 1, L"WWWW");
    m_pGrid->SetSelectedRange(1, 2, 1, 2);
    ASSERT_EQ(1, m_pGrid->GetSelectedCount());

    CDC screen;
    screen.CreateCompatibleDC(NULL);
    const int cx = screen.GetDeviceCaps(HORZRES), cy = screen.GetDeviceCaps(VERTRES);
    qtest::CPixelBuffer page(cx, cy);
    CDC* pDC = page.GetDC();
    pDC->m_bPrinting = TRUE;
    CPrintInfo info;
    m_pGrid->OnBeginPrinting(pDC, &info);
    ASSERT_EQ(1u, info.GetMaxPage());
    info.m_nCurPage = 1;
    m_pGrid->OnPrint(pDC, &info);

    // Where the rows' logical rectangles lie on the page: origin (-4 characters, -(header, gap and
    // headings)), scaled from the logical page to the paper.
    const CSize ch = PrinterCharSize(&screen);
    const double sx = (double)cx / (300 + 8 * ch.cx), sy = (double)cy / ((300 + 8 * ch.cx) * cy / cx);
    auto Cell = [&](int col)
    {
        int left = 100 * col + 2, top = 2, right = 100 * col + 97, bottom = 17, dy = 3 * ch.cy + 20;
        return CRect((int)((left + 4 * ch.cx) * sx), (int)((top + dy) * sy), (int)((right + 4 * ch.cx) * sx),
                     (int)((bottom + dy) * sy));
    };
    const COLORREF text = m_pGrid->GetTextColor();
    EXPECT_GT(page.CountColor(Cell(1), text), 20);
    EXPECT_EQ(0, page.CountColor(Cell(2), text));
    EXPECT_EQ(0, page.CountColor(Cell(2), ::GetSysColor(COLOR_HIGHLIGHT)));
    m_pGrid->OnEndPrinting(pDC, &info);

    m_pGrid->OnBeginPrinting(NULL, &info);
    m_pGrid->OnBeginPrinting(pDC, NULL);
    m_pGrid->OnPrint(NULL, &info);
    m_pGrid->OnPrint(pDC, NULL);
    pDC->m_bPrinting = FALSE;
}
