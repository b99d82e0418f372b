// Shared helpers of the grid geometry and selection tests.
#include "geotest.h"

// --- recording parent ---------------------------------------------------------------------------

RecordingParent::RecordingParent(int cx, int cy)
{
    static bool s_bRegistered = false;
    HINSTANCE hInst = ::GetModuleHandleW(NULL);
    if (!s_bRegistered)
    {
        WNDCLASSW wc;
        memset(&wc, 0, sizeof(wc));
        wc.lpfnWndProc = WndProc;
        wc.hInstance = hInst;
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.lpszClassName = L"GridGeoRecordingParent";
        s_bRegistered = ::RegisterClassW(&wc) != 0;
    }
    m_hWnd =
        ::CreateWindowExW(0, L"GridGeoRecordingParent", L"parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                          0, cx, cy, NULL, NULL, hInst, this);
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
}

RecordingParent::~RecordingParent()
{
    if (::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

std::vector<Notice> RecordingParent::Take()
{
    std::vector<Notice> out;
    out.swap(m_log);
    return out;
}

LRESULT CALLBACK RecordingParent::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    RecordingParent* pThis = (RecordingParent*)::GetWindowLongPtrW(hWnd, GWLP_USERDATA);
    if (msg == WM_NOTIFY && pThis != nullptr)
    {
        const NM_GRIDVIEW* pNM = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        Notice n;
        n.code = (int)pNM->hdr.code;
        n.row = pNM->iRow;
        n.col = pNM->iColumn;
        n.focusWhileHandled = pThis->m_pGrid ? pThis->m_pGrid->GetFocusCell() : CQCellID();
        n.focusedStateOfOld =
            pThis->m_pGrid ? (pThis->m_pGrid->GetItemState(n.row, n.col) & GV_STATE_FOCUSED) : 0;
        n.wParam = wParam;
        n.idFrom = pNM->hdr.idFrom;
        n.hwndFrom = pNM->hdr.hwndFrom;
        pThis->m_log.push_back(n);
        return 0;
    }
    return ::DefWindowProcW(hWnd, msg, wParam, lParam);
}

// --- the window fixture -------------------------------------------------------------------------

// One parent for the whole program: hiding or destroying a visible top-level window costs Wine about
// two seconds.
RecordingParent* RecordingParent::Shared()
{
    static RecordingParent* s_pParent = nullptr;
    if (s_pParent == nullptr || !::IsWindow(s_pParent->Handle()))
        s_pParent = new RecordingParent;
    return s_pParent;
}

void GridWindow::SetUp()
{
    m_pParent = RecordingParent::Shared();
    m_pParent->Clear();
    ASSERT_TRUE(::IsWindow(m_pParent->Handle()));
    m_pGrid = new GeoGrid(20, 10, 1, 1);
    // both scroll bars show, so the client area is 400 x 300
    const int cx = 400 + ::GetSystemMetrics(SM_CXVSCROLL), cy = 300 + ::GetSystemMetrics(SM_CYHSCROLL);
    ASSERT_TRUE(m_pGrid->Create(CRect(0, 0, cx, cy), m_pParent->Wnd(), 77, WS_CHILD | WS_VISIBLE));
    m_pParent->Watch(m_pGrid);
    m_pGrid->SetRowHeight(0, 25);
    for (int row = 1; row < 20; row++)
        m_pGrid->SetRowHeight(row, 20);
    m_pGrid->SetColumnWidth(0, 50);
    for (int col = 1; col < 10; col++)
        m_pGrid->SetColumnWidth(col, 60);
    m_pGrid->ResetScrollBars();
    m_pParent->Clear();
}

void GridWindow::TearDown()
{
    if (m_pParent)
        m_pParent->Watch(nullptr);
    delete m_pGrid;
    m_pGrid = nullptr;
    m_pParent = nullptr;
}

void GridWindow::Rebuild(int nRows, int nCols, int nFixedRows, int nFixedCols, int nHeight, int nWidth,
                         int cx, int cy)
{
    m_pParent->Watch(nullptr);
    delete m_pGrid;
    m_pGrid = new GeoGrid(nRows, nCols, nFixedRows, nFixedCols);
    ASSERT_TRUE(m_pGrid->Create(CRect(0, 0, cx, cy), m_pParent->Wnd(), 77, WS_CHILD | WS_VISIBLE));
    m_pParent->Watch(m_pGrid);
    for (int row = 0; row < nRows; row++)
        m_pGrid->SetRowHeight(row, nHeight);
    for (int col = 0; col < nCols; col++)
        m_pGrid->SetColumnWidth(col, nWidth);
    m_pGrid->ResetScrollBars();
    m_pParent->Clear();
}

int GridWindow::ScrollTo(int nBar, int nPos)
{
    m_pGrid->SetScrollPos32(nBar, nPos, FALSE);
    return m_pGrid->GetScrollPos32(nBar);
}

std::vector<WPARAM> TakePosted(HWND hWnd, UINT message)
{
    std::vector<WPARAM> out;
    MSG msg;
    while (::PeekMessageW(&msg, hWnd, message, message, PM_REMOVE))
        out.push_back(msg.wParam);
    return out;
}

testing::AssertionResult UpdateRegionIs(HWND hWnd, const RECT& rc)
{
    HRGN hUpdate = ::CreateRectRgn(0, 0, 0, 0);
    int type = ::GetUpdateRgn(hWnd, hUpdate, FALSE);
    RECT box = {0, 0, 0, 0};
    ::GetRgnBox(hUpdate, &box);
    bool bOk;
    if (::IsRectEmpty(&rc))
        bOk = type == NULLREGION;
    else
    {
        HRGN hExpected = ::CreateRectRgnIndirect(&rc);
        bOk = type != ERROR && ::EqualRgn(hUpdate, hExpected);
        ::DeleteObject(hExpected);
    }
    ::DeleteObject(hUpdate);
    if (bOk)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "update region "
           << (type == NULLREGION ? "empty" : (type == SIMPLEREGION ? "simple" : "complex")) << " with box ("
           << box.left << ", " << box.top << ", " << box.right << ", " << box.bottom << "), expected ("
           << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace
{
// OLE stays started for the whole program, so that the grids' own start and stop are cheap.
class OleEnvironment : public testing::Environment
{
public:
    void SetUp() override { m_hr = ::OleInitialize(NULL); }
    void TearDown() override
    {
        if (SUCCEEDED(m_hr))
            ::OleUninitialize();
    }

private:
    HRESULT m_hr = E_FAIL;
};

testing::Environment* const g_pOle = testing::AddGlobalTestEnvironment(new OleEnvironment);
} // namespace
