// The input tests' window: a grid of 12 rows and 6 columns (one fixed row and column), columns 60
// wide and rows 20 high, in a 300 x 200 window, that starts no editors; and the mouse as a user's
// presses, moves and releases reach it.
#pragma once

#include "gridprobe.h"

using Log = std::vector<std::vector<int>>;

class GridInputTest : public GridTest
{
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        Make(12, 6, 1, 1, 20, 60, 300, 200);
        m_pGrid->m_bNoEditors = true;
    }
    // a point dx, dy from a cell's top-left corner
    CPoint At(int nRow, int nCol, int dx, int dy) const
    {
        CPoint origin;
        EXPECT_TRUE(m_pGrid->GetCellOrigin(nRow, nCol, &origin));
        return CPoint(origin.x + dx, origin.y + dy);
    }
    void Down(CPoint pt, UINT extra = 0) { Mouse(WM_LBUTTONDOWN, pt, extra); }
    void Move(CPoint pt, UINT buttons = MK_LBUTTON) { Mouse(WM_MOUSEMOVE, pt, buttons); }
    void Up(CPoint pt, UINT extra = 0) { Mouse(WM_LBUTTONUP, pt, extra); }
    void Click(CPoint pt, UINT extra = 0)
    {
        Down(pt, extra);
        Up(pt, extra);
    }
};
