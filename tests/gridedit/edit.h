// The in-place editing tests' window: a grid of 8 rows and 5 columns (one fixed row and column)
// whose cells (1..7, 1..4) hold "r<row>c<col>", columns 70 wide and rows 20 high, and one log of
// what happens in order: the parent's begin and end notifications, the end-of-edit records the
// grid receives from its editors ("begin r,c", "end r,c", "record r,c key text", flagged when its
// flags are not the editors' usual ones) and the texts it stores ("store r,c text").
#pragma once

#include "gridprobe.h"

#include <string>
#include <vector>

using Log = std::vector<std::string>;

class EditGrid : public CGridProbe
{
public:
    void OnEndEditCell(int nRow, int nCol, CString str) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class GridEditTest : public GridTest
{
protected:
    void SetUp() override;

    // A key as a user presses it on whatever window has the focus: key down, its character (to the
    // same window, as translation posts it), pending messages, key up to the focus window then.
    static void Press(UINT vk, wchar_t ch = 0);
    static void Type(const wchar_t* text);
    // the grid takes the focus back, which ends any edit
    void Refocus();
    // the in-place editor window over the grid, NULL when none
    HWND Editor() const { return ::GetDlgItem(m_pGrid->GetSafeHwnd(), IDC_INPLACE_CONTROL); }
    static std::wstring Text(HWND hWnd);

    // log entries since the last call
    static Log TakeLog();
    // the log of an edit ended with a key: "record", "store", "end", after "begin" when begun
    static Log Ended(int r, int c, UINT key, const char* text, bool begun = true);
};
