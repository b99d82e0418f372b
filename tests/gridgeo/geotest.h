// Shared helpers of the grid geometry and selection tests: a grid that opens its protected members,
// a parent window that records the grid's notifications, and a fixture that puts a grid of known
// sizes into a window of known client size.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "qctl.h"
#include "grid/internal/QGridSelection.h"
#include "grid/internal/QGridAxis.h"
#include "grid/internal/QGridInput.h"

// A grid whose protected operations and members the tests reach.
class GeoGrid : public CQGridCtrl
{
public:
    GeoGrid(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0)
        : CQGridCtrl(nRows, nCols, nFixedRows, nFixedCols)
    {
    }

    using CQGridCtrl::OnSelecting;
    using CQGridCtrl::ResetSelectedRange;
    using CQGridCtrl::SelectAllCells;
    using CQGridCtrl::SelectCells;
    using CQGridCtrl::SelectColumns;
    using CQGridCtrl::SelectRows;
    using CQGridCtrl::SetFocusCell;

    void SetSelectionStart(int nRow, int nCol) { m_pSelection->m_SelectionStartCell = CQCellID(nRow, nCol); }
    void AddPrevSelected(int nRow, int nCol)
    {
        CQCellID cell(nRow, nCol);
        m_pSelection->m_PrevSelectedCellMap.SetAt(GridCellKey(nRow, nCol), cell);
    }
    void ClearPrevSelected() { m_pSelection->m_PrevSelectedCellMap.RemoveAll(); }
    // the selected set holds exactly the cell (row, col) under its key
    bool InSelectedSet(int nRow, int nCol) const
    {
        CQCellID cell;
        return m_pSelection->m_SelectedCellMap.Lookup(GridCellKey(nRow, nCol), cell) && cell.row == nRow &&
               cell.col == nCol;
    }
    int Margin() const { return m_nMargin; }
    int DefaultRowHeight() const { return m_pRows->GetDefaultSize(); }
    int DefaultColumnWidth() const { return m_pCols->GetDefaultSize(); }
    int VScrollLimit() const { return m_pRows->GetScrollMax(); }
    int HScrollLimit() const { return m_pCols->GetScrollMax(); }
    UINT RowsPerWheelNotch() const { return m_pInput->m_nRowsPerWheelNotch; }
    void SetRowsPerWheelNotch(UINT n) { m_pInput->m_nRowsPerWheelNotch = n; }
    const LOGFONTW& FontDescription() const { return m_Logfont; }
    HFONT GridFont() const { return (HFONT)m_Font.GetSafeHandle(); }
    CQTitleTip& TitleTip() { return m_TitleTip; }
    void ForgetSystemColours(COLORREF cr)
    {
        m_crWindowText = m_crWindowColour = m_cr3DFace = m_crShadow = cr;
    }

    // every cell drawing call, in order: (row, col, fixed?)
    struct Drawn
    {
        int row, col;
        bool fixed;
    };
    std::vector<Drawn> m_drawn;
    BOOL DrawFixedCell(CDC*, int nRow, int nCol, CRect, BOOL) override
    {
        m_drawn.push_back({nRow, nCol, true});
        return TRUE;
    }
    BOOL DrawCell(CDC*, int nRow, int nCol, CRect, BOOL) override
    {
        m_drawn.push_back({nRow, nCol, false});
        return TRUE;
    }
};

// One notification as the parent saw it.
struct Notice
{
    int code, row, col;
    CQCellID focusWhileHandled; // what GetFocusCell answered inside the notification
    UINT focusedStateOfOld;     // GV_STATE_FOCUSED of the notified cell while handled
    WPARAM wParam;              // the control's id
    UINT_PTR idFrom;
    HWND hwndFrom;
};

// A top-level window at the screen origin that records WM_NOTIFY records of NM_GRIDVIEW.
class RecordingParent
{
public:
    explicit RecordingParent(int cx = 700, int cy = 600);
    ~RecordingParent();
    static RecordingParent* Shared(); // made on first use, kept for the whole program
    HWND Handle() const { return m_hWnd; }
    CWnd* Wnd() const { return CWnd::FromHandle(m_hWnd); }

    void Watch(CQGridCtrl* pGrid) { m_pGrid = pGrid; }
    std::vector<Notice> Take();
    void Clear() { m_log.clear(); }

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND m_hWnd = NULL;
    CQGridCtrl* m_pGrid = nullptr;
    std::vector<Notice> m_log;
};

// A grid of 20 rows and 10 columns (one fixed row, one fixed column) with the fixed row 25 pixels
// high, the other rows 20, the fixed column 50 wide and the others 60, in a child window without
// border at the parent's origin whose client area is 400 x 300 with both scroll bars shown.
class GridWindow : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes a fresh grid of the given shape in the same window size, all rows nHeight high and all
    // columns nWidth wide (fixed ones included), scroll bars reset.
    void Rebuild(int nRows, int nCols, int nFixedRows, int nFixedCols, int nHeight, int nWidth, int cx = 400,
                 int cy = 300);

    HWND Grid() const { return m_pGrid->GetSafeHwnd(); }
    CRect Client() const
    {
        CRect rc;
        ::GetClientRect(Grid(), &rc);
        return rc;
    }
    int VPos() const { return m_pGrid->GetScrollPos32(SB_VERT); }
    int HPos() const { return m_pGrid->GetScrollPos32(SB_HORZ); }
    // sets a scroll position as the scroll bar accepts it; returns the position it took
    int ScrollTo(int nBar, int nPos);

    RecordingParent* m_pParent = nullptr;
    GeoGrid* m_pGrid = nullptr;
};

// Messages of one kind waiting in this thread's queue for hWnd, removed from the queue: their wParam.
std::vector<WPARAM> TakePosted(HWND hWnd, UINT message);

// The window's update region is exactly rc (an empty rc: no update region at all).
testing::AssertionResult UpdateRegionIs(HWND hWnd, const RECT& rc);
