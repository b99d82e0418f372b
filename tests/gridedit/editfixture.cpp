#include "editfixture.h"

#include <cstdio>
#include <utility>

namespace
{
std::vector<std::string> g_log;

std::string Cell(int r, int c)
{
    return std::to_string(r) + "," + std::to_string(c);
}

// The grid's parent: logs the grid's notifications. Key messages that reach its
// PreTranslateMessage are counted (a dialog would use them for navigation) and swallowed.
class HostWnd : public CWnd
{
public:
    int keysSeen = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP)
        {
            keysSeen++;
            return TRUE;
        }
        return CWnd::PreTranslateMessage(pMsg);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY)
        {
            const NM_GRIDVIEW* pNM = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
            if ((int)pNM->hdr.code == GVN_BEGINLABELEDIT)
                g_log.push_back("begin " + Cell(pNM->iRow, pNM->iColumn));
            else if ((int)pNM->hdr.code == GVN_ENDLABELEDIT)
                g_log.push_back("end " + Cell(pNM->iRow, pNM->iColumn));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

HostWnd* Host()
{
    // Closing a top-level window is slow without a window manager: one for the whole program.
    static HostWnd* s_pHost = nullptr;
    if (s_pHost == nullptr)
    {
        s_pHost = new HostWnd;
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, NULL, (HBRUSH)(COLOR_WINDOW + 1));
        s_pHost->CreateEx(0, lpszClass, L"grid edit", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, 500, 300,
                          NULL, NULL);
    }
    return s_pHost;
}

template <class Base>
class Counted : public Base
{
public:
    template <class... Args>
    explicit Counted(Args&&... args) : Base(std::forward<Args>(args)...)
    {
        EditGrid::live++;
    }
    ~Counted() override { EditGrid::live--; }
};

template <class T>
void KeepIfWindow(T* p)
{
    if (p->GetSafeHwnd() == NULL)
        delete p;
}
}  // namespace

int EditGrid::live = 0;

std::string Utf8(const CString& str)
{
    char buf[1024] = {0};
    ::WideCharToMultiByte(CP_UTF8, 0, (LPCWSTR)str, -1, buf, sizeof(buf) - 1, NULL, NULL);
    return buf;
}

void EditGrid::OnEndEditCell(int nRow, int nCol, CString str)
{
    g_log.push_back("store " + Cell(nRow, nCol) + " " + Utf8(str));
    CQGridCtrl::OnEndEditCell(nRow, nCol, str);
}

LRESULT EditGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY)
    {
        const GV_DISPINFO* p = reinterpret_cast<const GV_DISPINFO*>(lParam);
        if ((int)p->hdr.code == GVN_ENDLABELEDIT && p->hdr.idFrom == IDC_INPLACE_CONTROL)
        {
            records.push_back({p->iRow, p->iColumn, p->nFlags, p->strText, p->nLastKey, p->hdr.hwndFrom,
                               p->hdr.idFrom});
            g_log.push_back("record " + Cell(p->iRow, p->iColumn) + " " + std::to_string(p->nLastKey) + " " +
                            Utf8(p->strText));
        }
    }
    return CQGridCtrl::WindowProc(message, wParam, lParam);
}

void EditGrid::CreateInPlaceEditControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                        LPCTSTR szText, int nChar)
{
    if (!counted)
        return CQGridCtrl::CreateInPlaceEditControl(rect, dwStyle, nID, nRow, nCol, szText, nChar);
    KeepIfWindow(new Counted<CQInPlaceEdit>(this, rect, dwStyle, nID, nRow, nCol, szText, (UINT)nChar));
}

void EditGrid::CreateInPlaceNumEditControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                           LPCTSTR szText, int nChar, int nFlag)
{
    if (!counted)
        return CQGridCtrl::CreateInPlaceNumEditControl(rect, dwStyle, nID, nRow, nCol, szText, nChar, nFlag);
    KeepIfWindow(new Counted<CQInPlaceNumEdit>(this, rect, dwStyle, nID, nRow, nCol, szText, (UINT)nChar, nFlag));
}

void EditGrid::CreateInPlaceListControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                        LPCTSTR szText, int nChar, int nFlag)
{
    if (!counted)
        return CQGridCtrl::CreateInPlaceListControl(rect, dwStyle, nID, nRow, nCol, szText, nChar, nFlag);
    CStringArray items;
    GetCellListArray(nRow, nCol, items);
    KeepIfWindow(new Counted<CQInPlaceList>(this, rect, (DWORD)CBS_DROPDOWNLIST, nID, nRow, nCol, items,
                                            CString(szText), (UINT)nChar, FALSE));
}

void EditGrid::CreateInPlaceComControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                       LPCTSTR szText, int nChar, int nFlag)
{
    if (!counted)
        return CQGridCtrl::CreateInPlaceComControl(rect, dwStyle, nID, nRow, nCol, szText, nChar, nFlag);
    CStringArray items;
    GetCellListArray(nRow, nCol, items);
    KeepIfWindow(new Counted<CQInPlaceList>(this, rect, (DWORD)CBS_DROPDOWN, nID, nRow, nCol, items,
                                            CString(szText), (UINT)nChar, (BOOL)nFlag));
}

// --- fixture ------------------------------------------------------------------------------------

void GridEditTest::SetUp()
{
    ASSERT_TRUE(::IsWindow(Host()->GetSafeHwnd()));
    SetCtrl(false);
    m_pGrid = MakeGrid();
    ASSERT_NE(nullptr, m_pGrid);
    m_pGrid->SetFocus();
    Pump();
    g_log.clear();
}

void GridEditTest::TearDown()
{
    SetCtrl(false);
    Host()->SetFocus();
    Pump();
    delete m_pGrid;
    Pump();
    EXPECT_EQ(0, EditGrid::live);
    g_log.clear();
}

EditGrid* GridEditTest::MakeGrid()
{
    EditGrid* pGrid = new EditGrid;
    if (!pGrid->Create(CRect(0, 0, 400, 200), Host(), 100, WS_CHILD | WS_VISIBLE | WS_TABSTOP))
    {
        delete pGrid;
        return nullptr;
    }
    for (int c = 0; c < pGrid->GetColumnCount(); c++)
        pGrid->SetColumnWidth(c, 70);
    for (int r = 0; r < pGrid->GetRowCount(); r++)
    {
        pGrid->SetRowHeight(r, 20);
        for (int c = 1; c < pGrid->GetColumnCount(); c++)
        {
            CString s;
            s.Format(L"r%dc%d", r, c);
            pGrid->SetItemText(r, c, s);
        }
    }
    pGrid->ResetScrollBars();
    return pGrid;
}

void GridEditTest::SetCtrl(bool down)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

void GridEditTest::Press(UINT vk, wchar_t ch, bool ctrl)
{
    SetCtrl(ctrl);
    const LPARAM lScan = (LPARAM)::MapVirtualKeyW(vk, 0) << 16;
    HWND hWnd = ::GetFocus();
    ::SendMessageW(hWnd, WM_KEYDOWN, vk, 1 | lScan);
    if (ch != 0 && ::IsWindow(hWnd))
        ::SendMessageW(hWnd, WM_CHAR, ch, 1 | lScan);
    Pump();
    ::SendMessageW(::GetFocus(), WM_KEYUP, vk, 0xC0000001 | lScan);
    Pump();
    SetCtrl(false);
}

void GridEditTest::Type(const wchar_t* text)
{
    for (const wchar_t* p = text; *p; p++)
        Press(::VkKeyScanW(*p) & 0xFF, *p);
}

void GridEditTest::Pump()
{
    MSG msg;
    for (int n = 0; n < 1000 && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE); n++)
    {
        if (msg.message == WM_QUIT)
            continue;
        CWinThread* pThread = AfxGetThread();
        if (pThread == NULL || !pThread->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

HWND GridEditTest::Editor() const
{
    return ::GetDlgItem(m_pGrid->GetSafeHwnd(), IDC_INPLACE_CONTROL);
}

std::wstring GridEditTest::Text(HWND hWnd)
{
    wchar_t buf[512] = {0};
    ::GetWindowTextW(hWnd, buf, 511);
    return buf;
}

std::pair<int, int> GridEditTest::Sel(HWND hWnd)
{
    DWORD nStart = 0, nEnd = 0;
    ::SendMessageW(hWnd, EM_GETSEL, (WPARAM)&nStart, (LPARAM)&nEnd);
    return {(int)nStart, (int)nEnd};
}

int GridEditTest::ChildCount() const
{
    int n = 0;
    for (HWND h = ::GetWindow(m_pGrid->GetSafeHwnd(), GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
        n++;
    return n;
}

CWnd* GridEditTest::HostWindow()
{
    return Host();
}

int& GridEditTest::HostKeysSeen()
{
    return Host()->keysSeen;
}

std::vector<std::string> GridEditTest::TakeLog()
{
    std::vector<std::string> log;
    log.swap(g_log);
    return log;
}
