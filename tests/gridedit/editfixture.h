// Shared set-up of the in-place editing tests: a grid in a framework parent window, one log of
// what happens in order (the parent's begin/end notifications, the end-of-edit records the grid
// receives from its editors, the texts it stores), and the keyboard as a user drives it.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "qctl.h"
#include "testwin.h"

// Log entries: "begin r,c", "end r,c", "record r,c key text", "store r,c text".
using Log = std::vector<std::string>;

inline Log operator+(Log a, const Log& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Key messages the parent window saw in its PreTranslateMessage (a dialog would navigate).
extern int g_hostKeysSeen;

// A grid that logs its editors' records and stored texts; in counted mode it makes editors of
// the same classes that count their living objects.
class EditGrid : public CQGridCtrl
{
public:
    EditGrid() : CQGridCtrl(8, 5, 1, 1) {}

    void OnEndEditCell(int nRow, int nCol, CString str) override;
    void CreateInPlaceEditControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol, LPCTSTR szText,
                                  int nChar) override;
    void CreateInPlaceNumEditControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol, LPCTSTR szText,
                                     int nChar, int nFlag) override;
    void CreateInPlaceListControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol, LPCTSTR szText,
                                  int nChar, int nFlag) override;
    void CreateInPlaceComControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol, LPCTSTR szText,
                                 int nChar, int nFlag) override;

    using CQGridCtrl::SetFocusCell;

    // What of an end-of-edit record the log does not show.
    struct Record
    {
        int flags;
        HWND from;
    };
    std::vector<Record> records;
    bool counted = false;
    static int live; // counted editors alive

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class GridEditTest : public testing::Test
{
protected:
    // The grid: (1..7, 1..4) ordinary cells "r<row>c<col>", columns 70 wide, rows 20 high.
    void SetUp() override;
    void TearDown() override;

    // A key as a user presses it on whatever window has the focus: key down, its character
    // (to the same window, as translation posts it), pending messages, key up to the window that
    // has the focus then.
    static void Press(UINT vk, wchar_t ch = 0, bool ctrl = false);
    static void Type(const wchar_t* text);
    static void Pump() { qtest::PumpMessages(); }
    // A left click on a cell (a double click when dbl).
    void Click(int r, int c, bool dbl = false);
    // The grid takes the focus back, which ends any edit.
    void Refocus();

    // The in-place editor window over the grid (id 8), NULL when none.
    HWND Editor() const;
    static std::wstring Text(HWND hWnd);
    static std::pair<int, int> Sel(HWND hWnd);
    int ChildCount() const;

    // Log entries since the last call.
    static Log TakeLog();
    // The log of an edit ended with a key: "record", "store", "end", after "begin" when begun.
    static Log Ended(int r, int c, UINT key, const char* text, bool begun = true);
    static CStringArray& Items(std::initializer_list<const wchar_t*> list);
    static CWnd* HostWindow();

    EditGrid* m_pGrid = nullptr;
};
