// Shared set-up of the in-place editing tests: a grid in a framework parent window, one log of
// what happens in order (the parent's begin/end notifications, the end-of-edit records the grid
// receives from its editors, the texts it stores), and the keyboard as a user drives it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qctl.h"

// One end-of-edit record as the grid received it.
struct EndRecord
{
    int row, col, flags;
    CString text;
    UINT key;
    HWND from;
    UINT_PTR id;
};

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

    std::vector<EndRecord> records;
    bool counted = false;
    static int live;   // counted editors alive

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class GridEditTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // (1..7, 1..4) ordinary cells "r<row>c<col>", columns 70 wide, rows 20 high.
    static EditGrid* MakeGrid();

    // A key as a user presses it on whatever window has the focus: key down, its character
    // (to the same window, as translation posts it), pending messages, key up to the window that
    // has the focus then.
    static void Press(UINT vk, wchar_t ch = 0, bool ctrl = false);
    static void Type(const wchar_t* text);
    static void SetCtrl(bool down);
    static void Pump();

    // The in-place editor window over the grid (id 8), NULL when none.
    HWND Editor() const;
    static std::wstring Text(HWND hWnd);
    static std::pair<int, int> Sel(HWND hWnd);
    int ChildCount() const;

    // Log entries since the last call: "begin r,c", "end r,c", "record r,c key text",
    // "store r,c text".
    static std::vector<std::string> TakeLog();
    // Key messages the parent window saw in its PreTranslateMessage (a dialog would navigate).
    static int& HostKeysSeen();
    static CWnd* HostWindow();

    EditGrid* m_pGrid = nullptr;
};

// Texts as UTF-8 for the log.
std::string Utf8(const CString& str);
