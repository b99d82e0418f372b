// The geometry tests' window: a grid of 20 rows and 10 columns (one fixed row and column), the fixed
// row 25 pixels high and the others 20, the fixed column 50 wide and the others 60, whose client
// area is 400 x 300 with both scroll bars shown.
#pragma once

#include "gridprobe.h"

class GridWindow : public GridTest
{
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        Make(20, 10, 1, 1, 20, 60, 400 + ::GetSystemMetrics(SM_CXVSCROLL),
             300 + ::GetSystemMetrics(SM_CYHSCROLL), nullptr, WS_CHILD | WS_VISIBLE);
        m_pGrid->SetRowHeight(0, 25);
        m_pGrid->SetColumnWidth(0, 50);
        m_pGrid->ResetScrollBars();
        Parent()->Flush();
    }
    HWND Grid() const { return m_pGrid->GetSafeHwnd(); }
    CRect Client() const
    {
        CRect rc;
        ::GetClientRect(Grid(), &rc);
        return rc;
    }
    int HPos() const { return m_pGrid->GetScrollPos32(SB_HORZ); }
    // sets a scroll position as the scroll bar accepts it; returns the position it took
    int ScrollTo(int nBar, int nPos)
    {
        m_pGrid->SetScrollPos32(nBar, nPos, FALSE);
        return m_pGrid->GetScrollPos32(nBar);
    }
};

// The window's update region is exactly rc (an empty rc: no update region at all).
inline testing::AssertionResult UpdateRegionIs(HWND hWnd, const RECT& rc)
{
    HRGN hUpdate = ::CreateRectRgn(0, 0, 0, 0), hExpected = ::CreateRectRgnIndirect(&rc);
    const int type = ::GetUpdateRgn(hWnd, hUpdate, FALSE);
    const bool bOk =
        ::IsRectEmpty(&rc) ? type == NULLREGION : type != ERROR && ::EqualRgn(hUpdate, hExpected);
    RECT box = {0, 0, 0, 0};
    ::GetRgnBox(hUpdate, &box);
    ::DeleteObject(hUpdate);
    ::DeleteObject(hExpected);
    if (bOk)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "update region type " << type << " box (" << box.left << ", " << box.top << ", " << box.right
           << ", " << box.bottom << "), expected (" << rc.left << ", " << rc.top << ", " << rc.right << ", "
           << rc.bottom << ")";
}
