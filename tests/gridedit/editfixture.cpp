#include "editfixture.h"

#include <utility>

namespace
{
Log g_log;

std::string Cell(int r, int c)
{
    return std::to_string(r) + "," + std::to_string(c);
}

// The test texts are plain ASCII.
std::string Narrow(const CString& str)
{
    return std::string(str.GetString(), str.GetString() + str.GetLength());
}

// The grid's parent: logs the grid's notifications. Key messages that reach its
// PreTranslateMessage are counted (a dialog would use them for navigation) and swallowed.
class HostWnd : public CWnd
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP)
        {
            g_hostKeysSeen++;
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
        s_pHost->CreateEx(0, lpszClass, L"grid edit", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, 500,
                          300, NULL, NULL);
    }
    return s_pHost;
}

void SetCtrl(bool down)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

template <class Base> class Counted : public Base
{
public:
    template <class... Args> explicit Counted(Args&&... args) : Base(std::forward<Args>(args)...)
    {
        EditGrid::live++;
    }
    ~Counted() override { EditGrid::live--; }
};

// An editor deletes itself with its window; one that made none is deleted here.
template <class T> void KeepIfWindow(T* p)
{
    if (p->GetSafeHwnd() == NULL)
        delete p;
}

void NewCountedList(EditGrid* pGrid, CRect& rect, DWORD dwKind, UINT nID, int nRow, int nCol, LPCTSTR szText,
                    int nChar, BOOL bNumbers)
{
    CStringArray items;
    pGrid->GetCellListArray(nRow, nCol, items);
    KeepIfWindow(new Counted<CQInPlaceList>(pGrid, rect, dwKind, nID, nRow, nCol, items, CString(szText),
                                            (UINT)nChar, bNumbers));
}
} // namespace

int EditGrid::live = 0;
int g_hostKeysSeen = 0;

void EditGrid::OnEndEditCell(int nRow, int nCol, CString str)
{
    g_log.push_back("store " + Cell(nRow, nCol) + " " + Narrow(str));
    CQGridCtrl::OnEndEditCell(nRow, nCol, str);
}

LRESULT EditGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY)
    {
        const GV_DISPINFO* p = reinterpret_cast<const GV_DISPINFO*>(lParam);
        if ((int)p->hdr.code == GVN_ENDLABELEDIT && p->hdr.idFrom == IDC_INPLACE_CONTROL)
        {
            records.push_back({p->nFlags, p->hdr.hwndFrom});
            g_log.push_back("record " + Cell(p->iRow, p->iColumn) + " " + std::to_string(p->nLastKey) + " " +
                            Narrow(p->strText));
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
    KeepIfWindow(
        new Counted<CQInPlaceNumEdit>(this, rect, dwStyle, nID, nRow, nCol, szText, (UINT)nChar, nFlag));
}

void EditGrid::CreateInPlaceListControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                        LPCTSTR szText, int nChar, int nFlag)
{
    if (!counted)
        return CQGridCtrl::CreateInPlaceListControl(rect, dwStyle, nID, nRow, nCol, szText, nChar, nFlag);
    NewCountedList(this, rect, CBS_DROPDOWNLIST, nID, nRow, nCol, szText, nChar, FALSE);
}

void EditGrid::CreateInPlaceComControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                       LPCTSTR szText, int nChar, int nFlag)
{
    if (!counted)
        return CQGridCtrl::CreateInPlaceComControl(rect, dwStyle, nID, nRow, nCol, szText, nChar, nFlag);
    NewCountedList(this, rect, CBS_DROPDOWN, nID, nRow, nCol, szText, nChar, (BOOL)nFlag);
}

// --- fixture ------------------------------------------------------------------------------------

void GridEditTest::SetUp()
{
    ASSERT_TRUE(::IsWindow(Host()->GetSafeHwnd()));
    SetCtrl(false);
    m_pGrid = new EditGrid;
    ASSERT_TRUE(m_pGrid->Create(CRect(0, 0, 400, 200), Host(), 100, WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    for (int c = 0; c < m_pGrid->GetColumnCount(); c++)
        m_pGrid->SetColumnWidth(c, 70);
    for (int r = 0; r < m_pGrid->GetRowCount(); r++)
    {
        m_pGrid->SetRowHeight(r, 20);
        for (int c = 1; c < m_pGrid->GetColumnCount(); c++)
        {
            CString s;
            s.Format(L"r%dc%d", r, c);
            m_pGrid->SetItemText(r, c, s);
        }
    }
    m_pGrid->ResetScrollBars();
    Refocus();
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

void GridEditTest::Click(int r, int c, bool dbl)
{
    CRect rc;
    m_pGrid->GetCellRect(r, c, rc);
    qtest::SendClick(m_pGrid->GetSafeHwnd(), CPoint(rc.left + 5, rc.top + 5));
    if (dbl)
        m_pGrid->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rc.left + 5, rc.top + 5));
}

void GridEditTest::Refocus()
{
    m_pGrid->SetFocus();
    Pump();
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

Log GridEditTest::TakeLog()
{
    Log log;
    log.swap(g_log);
    return log;
}

Log GridEditTest::Ended(int r, int c, UINT key, const char* text, bool begun)
{
    Log log;
    if (begun)
        log.push_back("begin " + Cell(r, c));
    log.push_back("record " + Cell(r, c) + " " + std::to_string(key) + " " + text);
    log.push_back("store " + Cell(r, c) + " " + text);
    log.push_back("end " + Cell(r, c));
    return log;
}

CStringArray& GridEditTest::Items(std::initializer_list<const wchar_t*> list)
{
    static CStringArray items;
    items.RemoveAll();
    for (const wchar_t* p : list)
        items.Add(p);
    return items;
}

CWnd* GridEditTest::HostWindow()
{
    return Host();
}
