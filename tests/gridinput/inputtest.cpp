#include "inputtest.h"

#include <sstream>

namespace
{
std::vector<Record> g_records;

LRESULT CALLBACK RecordingProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY)
    {
        const NM_GRIDVIEW* pNM = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        g_records.push_back({msg, (int)pNM->hdr.code, pNM->iRow, pNM->iColumn, wParam, 0});
        return 0;
    }
    if (msg == WM_COMMAND)
    {
        g_records.push_back({msg, (int)HIWORD(wParam), -1, -1, wParam, lParam});
        return 0;
    }
    return ::DefWindowProcW(hWnd, msg, wParam, lParam);
}
} // namespace

HWND GridInputTest::s_hParent = NULL;

std::string InputGrid::SelectedCells() const
{
    std::ostringstream out;
    for (int r = 0; r < GetRowCount(); r++)
        for (int c = 0; c < GetColumnCount(); c++)
            if (Selected(r, c))
                out << (out.tellp() > 0 ? " " : "") << r << "," << c;
    return out.str();
}

void GridInputTest::SetUpTestSuite()
{
    WNDCLASSW wc;
    memset(&wc, 0, sizeof(wc));
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = ::GetModuleHandleW(NULL);
    wc.lpszClassName = L"GridInputRecordingParent";
    ::RegisterClassW(&wc);
    s_hParent = ::CreateWindowExW(0, wc.lpszClassName, L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700,
                                  400, NULL, NULL, wc.hInstance, NULL);
}

void GridInputTest::TearDownTestSuite()
{
    ::DestroyWindow(s_hParent);
}

void GridInputTest::SetUp()
{
    ASSERT_TRUE(::IsWindow(s_hParent));
    m_pGrid = MakeGrid();
    ASSERT_NE(nullptr, m_pGrid);
    SetModifiers(false, false);
    Pump();
    g_records.clear();
}

void GridInputTest::TearDown()
{
    SetModifiers(false, false);
    for (InputGrid* p : m_grids)
        delete p;
    m_grids.clear();
    Pump();
    g_records.clear();
}

InputGrid* GridInputTest::MakeGrid(int nRows, int nCols, UINT nID, int x)
{
    InputGrid* pGrid = new InputGrid(nRows, nCols, 1, 1);
    if (!pGrid->Create(CRect(x, 0, x + 300, 200), CWnd::FromHandle(s_hParent), nID,
                       WS_CHILD | WS_VISIBLE | WS_TABSTOP))
    {
        delete pGrid;
        return nullptr;
    }
    // exact sizes: the client area keeps its 300 x 200 when no scroll bar shows
    for (int c = 0; c < nCols; c++)
        pGrid->SetColumnWidth(c, 60);
    for (int r = 0; r < nRows; r++)
        pGrid->SetRowHeight(r, 20);
    pGrid->ResetScrollBars();
    m_grids.push_back(pGrid);
    return pGrid;
}

CPoint GridInputTest::Mid(int nRow, int nCol) const
{
    CRect rect;
    EXPECT_TRUE(m_pGrid->GetCellRect(nRow, nCol, rect)) << nRow << "," << nCol;
    return rect.CenterPoint();
}

CPoint GridInputTest::At(int nRow, int nCol, int dx, int dy) const
{
    CPoint origin;
    EXPECT_TRUE(m_pGrid->GetCellOrigin(nRow, nCol, &origin));
    return CPoint(origin.x + dx, origin.y + dy);
}

void GridInputTest::Down(CPoint pt, UINT extra)
{
    m_pGrid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | extra, MAKELPARAM(pt.x, pt.y));
}

void GridInputTest::Move(CPoint pt, UINT buttons)
{
    m_pGrid->SendMessage(WM_MOUSEMOVE, buttons, MAKELPARAM(pt.x, pt.y));
}

void GridInputTest::Up(CPoint pt, UINT extra)
{
    m_pGrid->SendMessage(WM_LBUTTONUP, extra, MAKELPARAM(pt.x, pt.y));
}

void GridInputTest::SetModifiers(bool shift, bool ctrl)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_LSHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_LCONTROL] = ctrl ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

void GridInputTest::Key(UINT vk, bool shift, bool ctrl)
{
    SetModifiers(shift, ctrl);
    m_pGrid->SendMessage(WM_KEYDOWN, vk, 1);
    SetModifiers(false, false);
}

void GridInputTest::Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

std::vector<std::vector<int>> GridInputTest::Notes()
{
    std::vector<std::vector<int>> out;
    std::vector<Record> rest;
    for (const Record& r : g_records)
    {
        if (r.msg == WM_NOTIFY)
            out.push_back({r.code, r.row, r.col});
        else
            rest.push_back(r);
    }
    g_records = rest;
    return out;
}

std::vector<Record> GridInputTest::Commands()
{
    Pump();
    std::vector<Record> out;
    std::vector<Record> rest;
    for (const Record& r : g_records)
        (r.msg == WM_COMMAND ? out : rest).push_back(r);
    g_records = rest;
    return out;
}
