// Grid printing on a printer-like DC: a memory DC of the screen's resolution marked as printing,
// whose pixels are read back.
#include "file.h"

#include <afxprint_.h>

// With the grid's own cell drawing, a printed page shows the cells' texts, and a selected cell
// keeps its own colours on paper; without a DC or print information nothing happens.
TEST_F(GridTest, TheGridsOwnDrawingPrintsTextsWithoutSelectionColours)
{
    const COLORREF kText = RGB(0, 0, 160);
    Make(3, 3, 1, 0, 20, 100, 300, 200);
    m_pGrid->SetTextColor(kText);
    m_pGrid->SetItemText(1, 1, L"WWWW");
    m_pGrid->SetSelectedRange(1, 1, 1, 2);
    ASSERT_EQ(2, m_pGrid->GetSelectedCount());

    CDC screen;
    screen.CreateCompatibleDC(NULL);
    const CRect rcPage(0, 0, screen.GetDeviceCaps(HORZRES), screen.GetDeviceCaps(VERTRES));
    qtest::CPixelBuffer page(rcPage.Width(), rcPage.Height());
    CDC* pDC = page.GetDC();
    pDC->m_bPrinting = TRUE;
    CPrintInfo info;
    m_pGrid->OnBeginPrinting(pDC, &info);
    ASSERT_EQ(1u, info.GetMaxPage());
    info.m_nCurPage = 1;
    m_pGrid->OnPrint(pDC, &info);
    // the selected cell's text in its own colour, and no highlight anywhere
    EXPECT_GT(page.CountColor(rcPage, kText), 20);
    EXPECT_EQ(0, page.CountColor(rcPage, ::GetSysColor(COLOR_HIGHLIGHT)));
    m_pGrid->OnEndPrinting(pDC, &info);

    m_pGrid->OnBeginPrinting(NULL, &info);
    m_pGrid->OnBeginPrinting(pDC, NULL);
    m_pGrid->OnPrint(NULL, &info);
    m_pGrid->OnPrint(pDC, NULL);
    pDC->m_bPrinting = FALSE;
}
