// The report list tests' fixture.
#include "rltest.h"

namespace rltest
{

CKeyState::CKeyState(int nVirtKey, bool bDown)
{
    ::GetKeyboardState(m_saved);
    BYTE state[256];
    memcpy(state, m_saved, sizeof(state));
    state[nVirtKey] = bDown ? 0x80 : 0;
    if (nVirtKey == VK_CONTROL)
        state[VK_LCONTROL] = state[VK_CONTROL];
    ::SetKeyboardState(state);
}

CKeyState::~CKeyState()
{
    ::SetKeyboardState(m_saved);
}

void ListTest::SetUp()
{
    ASSERT_TRUE(parent.CreateTop(640, 420));
    HWND hList =
        ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, 10, 10, 600,
                          380, parent.m_hWnd, (HMENU)(UINT_PTR)kListId, ::GetModuleHandleW(NULL), NULL);
    ASSERT_TRUE(hList != NULL);
    LOGFONTW lf = {};
    lf.lfHeight = -13;
    wcscpy(lf.lfFaceName, L"Tahoma");
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    ::SendMessageW(hList, WM_SETFONT, (WPARAM)font.GetSafeHandle(), TRUE);
    ASSERT_TRUE(list.SubclassWindow(hList));
    // A size change makes the list measure its owner-drawn rows again.
    list.SetWindowPos(NULL, 0, 0, 601, 380, SWP_NOMOVE | SWP_NOZORDER);
    list.SetWindowPos(NULL, 0, 0, 600, 380, SWP_NOMOVE | SWP_NOZORDER);
    list.EnableSort(TRUE);
}

void ListTest::TearDown()
{
    list.DestroyWindow();
    parent.DestroyWindow();
    qtest::PumpMessages();
}

void ListTest::AddColumns(int nColumns, int nFirstWidth)
{
    for (int c = 0; c < nColumns; ++c)
    {
        CString strTitle;
        strTitle.Format(L"c%d", c);
        list.InsertColumn(c, strTitle, LVCFMT_LEFT, c == 0 ? nFirstWidth : 90, c);
    }
}

void ListTest::AddRows(const std::vector<std::vector<std::wstring>>& rows, DWORD_PTR dwFirstData)
{
    list.SetRedraw(FALSE);
    int nBase = list.GetItemCount();
    for (size_t r = 0; r < rows.size(); ++r)
    {
        int nItem = list.InsertItem(nBase + (int)r, rows[r].empty() ? L"" : rows[r][0].c_str());
        for (size_t c = 1; c < rows[r].size(); ++c)
            list.SetItemText(nItem, (int)c, rows[r][c].c_str());
        list.SetItemData(nItem, dwFirstData + r);
    }
    list.SetRedraw(TRUE);
}

std::vector<std::vector<std::wstring>> ListTest::Rows(int nColumns) const
{
    std::vector<std::vector<std::wstring>> rows;
    for (int i = 0; i < list.GetItemCount(); ++i)
    {
        std::vector<std::wstring> row;
        for (int c = 0; c < nColumns; ++c)
            row.push_back((LPCWSTR)list.GetItemText(i, c));
        rows.push_back(row);
    }
    return rows;
}

void ListTest::ClickHeader(int nColumn, bool bCtrl)
{
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    ASSERT_TRUE(pHeader != NULL);
    CRect rc;
    ASSERT_TRUE(pHeader->GetItemRect(nColumn, &rc));
    CKeyState ctrl(VK_CONTROL, bCtrl);
    qtest::SendClick(pHeader->m_hWnd, rc.CenterPoint(), bCtrl ? MK_CONTROL : 0);
    qtest::PumpMessages();
}

} // namespace rltest
