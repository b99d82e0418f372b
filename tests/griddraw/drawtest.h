// Shared helpers of the grid drawing, sorting and title-tip tests: a grid that opens its protected
// members and records the input messages that reach its window, and a fixture that puts a grid of
// known geometry and colours into a visible parent window.
#pragma once

#include <gtest/gtest.h>

#include "qctl.h"
#include "grid/QMemDC.h"
#include "testwin.h"

#include <vector>

class DrawGrid : public CQGridCtrl
{
public:
    DrawGrid(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0)
        : CQGridCtrl(nRows, nCols, nFixedRows, nFixedCols)
    {
    }

    using CQGridCtrl::GetCell;
    using CQGridCtrl::OnFixedColumnClick;
    using CQGridCtrl::OnFixedRowClick;
    using CQGridCtrl::ResetSelectedRange;
    using CQGridCtrl::SetFocusCell;
    using CQGridCtrl::SortItems;
    using CQGridCtrl::SortTextItems;

    CQTitleTip& TitleTip() { return m_TitleTip; }
    int Margin() const { return m_nMargin; }
    const LOGFONTW& FontDescription() const { return m_Logfont; }
    int SortColumn() const { return m_SortColumn; }
    BOOL SortAscending() const { return m_bAscending; }
    // Pretends that the grid's defaults were taken from other system colours than the current ones.
    void SetRememberedSystemColours(COLORREF crWindowText, COLORREF crWindow, COLORREF cr3DFace,
                                    COLORREF crShadow)
    {
        m_crWindowText = crWindowText;
        m_crWindowColour = crWindow;
        m_cr3DFace = cr3DFace;
        m_crShadow = crShadow;
    }

    // The storage invariants of the cell store, checked from outside.
    ::testing::AssertionResult StoreIsConsistent()
    {
        const int nRows = GetRowCount(), nCols = GetColumnCount();
        if (m_RowData.GetSize() != nRows)
            return ::testing::AssertionFailure() << "row arrays differ from the count";
        if (GetFixedRowCount() > nRows || GetFixedColumnCount() > nCols)
            return ::testing::AssertionFailure() << "fixed counts above the counts";
        for (int row = 0; row < nRows; row++)
        {
            if (m_RowData[row] == NULL || m_RowData[row]->GetSize() != nCols)
                return ::testing::AssertionFailure() << "row " << row << " has a bad row array";
            for (int col = 0; col < nCols; col++)
                if (m_RowData[row]->GetAt(col) == NULL)
                    return ::testing::AssertionFailure() << "empty slot " << row << ", " << col;
        }
        return ::testing::AssertionSuccess();
    }

    // With m_bRecordDraws, every cell drawing call: fixed or not, row and column.
    struct DrawCall
    {
        bool bFixed;
        int row, col;
        bool operator==(const DrawCall& o) const
        {
            return bFixed == o.bFixed && row == o.row && col == o.col;
        }
    };
    bool m_bRecordDraws = false;
    std::vector<DrawCall> m_draws;
    BOOL DrawFixedCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk) override
    {
        if (m_bRecordDraws)
            m_draws.push_back({true, nRow, nCol});
        return CQGridCtrl::DrawFixedCell(pDC, nRow, nCol, rect, bEraseBk);
    }
    BOOL DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk) override
    {
        if (m_bRecordDraws)
            m_draws.push_back({false, nRow, nCol});
        return CQGridCtrl::DrawCell(pDC, nRow, nCol, rect, bEraseBk);
    }

    // Input messages that reached the grid's window: message, wParam, lParam.
    struct Received
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Received> m_received;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_KEYDOWN ||
            message == WM_SYSKEYDOWN || message == WM_NCMOUSEMOVE || message == WM_NCLBUTTONDOWN)
            m_received.push_back({message, wParam, lParam});
        return CQGridCtrl::WindowProc(message, wParam, lParam);
    }
};

// Dispatches pending messages like qtest::PumpMessages, but drops pointer moves addressed to
// hWndCapture: on a display shared with other test programs, moves of the real pointer (another
// program moving it, a window shown or hidden under it) go to the window that has the capture.
inline void PumpExceptMovesTo(HWND hWndCapture)
{
    MSG msg;
    for (int n = 0; n < 1000 && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE); n++)
    {
        CWinThread* pThread = AfxGetThread();
        if (msg.message == WM_QUIT || (msg.message == WM_MOUSEMOVE && msg.hwnd == hWndCapture))
            continue;
        if (pThread == NULL || !pThread->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

// Colours of the drawing tests, chosen so that none equals a system colour or another one.
const COLORREF kTextBk = RGB(255, 255, 225);
const COLORREF kBack = RGB(10, 20, 30);
const COLORREF kFixedBk = RGB(200, 180, 160);
const COLORREF kGridLine = RGB(255, 0, 0);
const COLORREF kText = RGB(0, 0, 160);
const COLORREF kFixedText = RGB(0, 100, 0);
const COLORREF kSentinel = RGB(1, 2, 3);

// A grid of 5 rows and 4 columns, one fixed row and column, every column 40 pixels wide and every
// row 20 high, in a 300 x 200 child window without border of a visible parent. The cells thus end
// at (160, 100); the ordinary cells are rows 1-4 and columns 1-3.
class GridDrawTest : public ::testing::Test
{
protected:
    static constexpr int kCx = 300, kCy = 200, kColWidth = 40, kRowHeight = 20;

    void SetUp() override { MakeGrid(5, 4, 1, 1); }

    void MakeGrid(int nRows, int nCols, int nFixedRows, int nFixedCols)
    {
        m_grid.reset();
        if (!::IsWindow(m_parent.m_hWnd))
        {
            ASSERT_TRUE(m_parent.CreateTop(kCx + 100, kCy + 100));
            // Away from where other test programs put their windows, and above them: the title-tip
            // tests find the grid by its place on the screen.
            m_parent.SetWindowPos(&CWnd::wndTopMost, 860, 660, 0, 0, SWP_NOSIZE);
        }
        m_grid.reset(new DrawGrid(nRows, nCols, nFixedRows, nFixedCols));
        ASSERT_TRUE(m_grid->Create(CRect(0, 0, kCx, kCy), &m_parent, 100, WS_CHILD | WS_VISIBLE));
        for (int row = 0; row < nRows; row++)
            m_grid->SetRowHeight(row, kRowHeight);
        for (int col = 0; col < nCols; col++)
            m_grid->SetColumnWidth(col, kColWidth);
        m_grid->ResetScrollBars();
        m_grid->SetTextBkColor(kTextBk);
        m_grid->SetBkColor(kBack);
        m_grid->SetFixedBkColor(kFixedBk);
        m_grid->SetGridColor(kGridLine);
        m_grid->SetTextColor(kText);
        m_grid->SetFixedTextColor(kFixedText);
    }

    // The grid drawn by OnDraw into a fresh buffer of the client's size.
    std::unique_ptr<qtest::CPixelBuffer> Draw(BOOL bPrinting = FALSE)
    {
        auto pBuffer = std::make_unique<qtest::CPixelBuffer>(kCx, kCy, kSentinel);
        pBuffer->GetDC()->m_bPrinting = bPrinting;
        m_grid->OnDraw(pBuffer->GetDC());
        pBuffer->GetDC()->m_bPrinting = FALSE;
        return pBuffer;
    }

    // A font description of the grid's face and height without smoothing, so that text pixels
    // have exactly the text colour. (The dialog face's bold draws like its regular face at some
    // larger heights, so the grid's own height is kept.)
    LOGFONTW SharpFont(LONG lfWeight = FW_NORMAL)
    {
        LOGFONTW lf = m_grid->FontDescription();
        lf.lfQuality = NONANTIALIASED_QUALITY;
        lf.lfWeight = lfWeight;
        return lf;
    }

    CRect CellRect(int row, int col)
    {
        CRect rect;
        EXPECT_TRUE(m_grid->GetCellRect(row, col, rect));
        return rect;
    }

    void TearDown() override
    {
        m_grid.reset();
        if (::IsWindow(m_parent.m_hWnd))
            m_parent.DestroyWindow();
    }

    qtest::CRecordingWnd m_parent;
    std::unique_ptr<DrawGrid> m_grid;
};
