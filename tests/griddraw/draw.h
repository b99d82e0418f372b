// The drawing tests' window: a grid of 5 rows and 4 columns, one fixed row and column, every column
// 40 pixels wide and every row 20 high, in a 300 x 200 child window without border, in colours
// that equal no system colour nor each other. The cells end at (160, 100).
#pragma once

#include "gridprobe.h"

const COLORREF kTextBk = RGB(255, 255, 225);
const COLORREF kBack = RGB(10, 20, 30);
const COLORREF kFixedBk = RGB(200, 180, 160);
const COLORREF kGridLine = RGB(255, 0, 0);
const COLORREF kText = RGB(0, 0, 160);
const COLORREF kFixedText = RGB(0, 100, 0);
const COLORREF kSentinel = RGB(1, 2, 3);

class GridDrawTest : public GridTest
{
protected:
    static constexpr int kCx = 300, kCy = 200;

    void SetUp() override
    {
        GridTest::SetUp();
        MakeGrid(5, 4, 1, 1);
    }
    void MakeGrid(int nRows, int nCols, int nFixedRows, int nFixedCols)
    {
        Make(nRows, nCols, nFixedRows, nFixedCols, 20, 40, kCx, kCy, nullptr, WS_CHILD | WS_VISIBLE);
        m_pGrid->SetTextBkColor(kTextBk);
        m_pGrid->SetBkColor(kBack);
        m_pGrid->SetFixedBkColor(kFixedBk);
        m_pGrid->SetGridColor(kGridLine);
        m_pGrid->SetTextColor(kText);
        m_pGrid->SetFixedTextColor(kFixedText);
    }
    // the grid drawn by OnDraw into a fresh buffer of the client's size
    std::unique_ptr<qtest::CPixelBuffer> Draw(BOOL bPrinting = FALSE)
    {
        auto pBuffer = std::make_unique<qtest::CPixelBuffer>(kCx, kCy, kSentinel);
        pBuffer->GetDC()->m_bPrinting = bPrinting;
        m_pGrid->OnDraw(pBuffer->GetDC());
        pBuffer->GetDC()->m_bPrinting = FALSE;
        return pBuffer;
    }
    // the grid's face and height without smoothing, so that text pixels have exactly the text colour
    LOGFONTW SharpFont()
    {
        LOGFONTW lf = m_pGrid->FontDescription();
        lf.lfQuality = NONANTIALIASED_QUALITY;
        return lf;
    }
    CRect CellRect(int row, int col)
    {
        CRect rect;
        EXPECT_TRUE(m_pGrid->GetCellRect(row, col, rect));
        return rect;
    }
};
