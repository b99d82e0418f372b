// The in-place editing tests' window: a grid of 8 rows and 5 columns (one fixed row and column)
// whose cells (1..7, 1..4) hold "r<row>c<col>", columns 70 wide and rows 20 high; one log of what
// happens in order (the parent's begin and end notifications, the end-of-edit records the grid
// receives from its editors, the texts it stores), and the keyboard as a user drives it.
#pragma once

#include "gridprobe.h"

#include <initializer_list>
#include <string>
#include <vector>

// Log entries: "begin r,c", "end r,c", "record r,c key text", "store r,c text".
using Log = std::vector<std::string>;

inline Log operator+(Log a, const Log& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A grid that logs its editors' records and the texts it stores.
class EditGrid : public CGridProbe
{
public:
    void OnEndEditCell(int nRow, int nCol, CString str) override;
    std::vector<int> m_recordFlags; // the flags of each end-of-edit record

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class GridEditTest : public GridTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    EditGrid* Grid() { return static_cast<EditGrid*>(m_pGrid.get()); }

    // A key as a user presses it on whatever window has the focus: key down, its character (to the
    // same window, as translation posts it), pending messages, key up to the focus window then.
    static void Press(UINT vk, wchar_t ch = 0, bool ctrl = false);
    static void Type(const wchar_t* text);
    // a left click on a cell (and a double click when bDouble)
    void Click(int r, int c, bool bDouble = false)
    {
        CRect rc;
        m_pGrid->GetCellRect(r, c, rc);
        qtest::SendClick(m_pGrid->GetSafeHwnd(), CPoint(rc.left + 5, rc.top + 5));
        if (bDouble)
            Mouse(WM_LBUTTONDBLCLK, CPoint(rc.left + 5, rc.top + 5));
    }
    // the grid takes the focus back, which ends any edit
    void Refocus();
    // the in-place editor window over the grid, NULL when none
    HWND Editor() const;
    static std::wstring Text(HWND hWnd);
    static std::pair<int, int> Sel(HWND hWnd);
    int ChildCount() const;

    // log entries since the last call
    static Log TakeLog();
    // the log of an edit ended with a key: "record", "store", "end", after "begin" when begun
    static Log Ended(int r, int c, UINT key, const char* text, bool begun = true);
    static CStringArray& Items(std::initializer_list<const wchar_t*> list);
};
