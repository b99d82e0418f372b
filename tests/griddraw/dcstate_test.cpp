// Drawing one cell leaves the device context as it found it, whatever the cell's kind: the cell
// routines put back only what they change, and a paint keeps the grid's font selected throughout.
#include "draw.h"

namespace
{
struct DCState
{
    COLORREF crText, crBk;
    int nBkMode;
    HGDIOBJ hFont, hPen, hBrush;
    POINT at;
    bool operator==(const DCState& o) const
    {
        return crText == o.crText && crBk == o.crBk && nBkMode == o.nBkMode && hFont == o.hFont &&
               hPen == o.hPen && hBrush == o.hBrush && at.x == o.at.x && at.y == o.at.y;
    }
};

DCState StateOf(HDC hDC)
{
    DCState s{::GetTextColor(hDC),
              ::GetBkColor(hDC),
              ::GetBkMode(hDC),
              ::GetCurrentObject(hDC, OBJ_FONT),
              ::GetCurrentObject(hDC, OBJ_PEN),
              ::GetCurrentObject(hDC, OBJ_BRUSH),
              {0, 0}};
    ::GetCurrentPositionEx(hDC, &s.at);
    return s;
}
} // namespace

TEST_F(GridDrawTest, DrawingACellLeavesTheContextAsItWas)
{
    m_pGrid->SetItemState(2, 2, GV_STATE_SELECTED);
    m_pGrid->SetItemState(3, 3, GV_STATE_DROPTARGET);
    LOGFONTW lf = m_pGrid->FontDescription();
    lf.lfHeight *= 2;
    m_pGrid->SetItemFont(4, 2, &lf);
    m_pGrid->SetFocusCell(1, 1); // row 1 and column 1 of the fixed cells show raised and bold

    qtest::CPixelBuffer buffer(kCx, kCy, kSentinel);
    HDC hDC = buffer.GetDC()->m_hDC;
    HFONT hFont = (HFONT)::GetStockObject(ANSI_FIXED_FONT);
    HPEN hPen = ::CreatePen(PS_SOLID, 1, RGB(9, 8, 7));
    HBRUSH hBrush = ::CreateSolidBrush(RGB(7, 8, 9));
    ::SelectObject(hDC, hFont);
    ::SelectObject(hDC, hPen);
    ::SelectObject(hDC, hBrush);
    ::SetTextColor(hDC, RGB(1, 1, 1));
    ::SetBkColor(hDC, RGB(2, 2, 2));
    ::SetBkMode(hDC, OPAQUE);
    ::MoveToEx(hDC, 17, 19, NULL);
    const DCState before = StateOf(hDC);

    const struct
    {
        int row, col;
    } cells[] = {{1, 1}, {2, 2}, {3, 3}, {4, 2}, {0, 0}, {0, 1}, {1, 0}, {0, 2}};
    for (const auto& c : cells)
    {
        CRect rect = CellRect(c.row, c.col);
        if (c.row == 0 || c.col == 0)
            m_pGrid->DrawFixedCell(buffer.GetDC(), c.row, c.col, rect, TRUE);
        else
            m_pGrid->DrawCell(buffer.GetDC(), c.row, c.col, rect, TRUE);
        EXPECT_TRUE(StateOf(hDC) == before) << "cell " << c.row << "," << c.col;
    }
    m_pGrid->OnDraw(buffer.GetDC());
    EXPECT_EQ(before.hFont, ::GetCurrentObject(hDC, OBJ_FONT)) << "a paint gives the font back";

    ::SelectObject(hDC, ::GetStockObject(BLACK_PEN));
    ::SelectObject(hDC, ::GetStockObject(WHITE_BRUSH));
    ::DeleteObject(hPen);
    ::DeleteObject(hBrush);
}
