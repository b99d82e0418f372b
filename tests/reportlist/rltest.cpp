// The report list tests' fixture.
#include "rltest.h"

namespace rltest
{

CCtrlKey::CCtrlKey(bool bDown)
{
    ::GetKeyboardState(m_saved);
    BYTE state[256];
    memcpy(state, m_saved, sizeof(state));
    state[VK_CONTROL] = state[VK_LCONTROL] = bDown ? 0x80 : 0;
    ::SetKeyboardState(state);
}

void ListTest::SetUp()
{
    ASSERT_TRUE(parent.CreateTop(640, 420));
    HWND hList = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, 10,
                                   10, 600, 380, parent.m_hWnd, (HMENU)(UINT_PTR)kListId, NULL, NULL);
    ASSERT_TRUE(hList != NULL);
    LOGFONTW lf = {};
    lf.lfHeight = -13;
    wcscpy(lf.lfFaceName, L"Tahoma");
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    ::SendMessageW(hList, WM_SETFONT, (WPARAM)font.GetSafeHandle(), TRUE);
    ASSERT_TRUE(list.SubclassWindow(hList));
    // A size change makes the list measure its owner-drawn rows.
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
        list.InsertColumn(c, CString(L"c") + (wchar_t)(L'0' + c), LVCFMT_LEFT, c == 0 ? nFirstWidth : 90, c);
}

void ListTest::AddRows(const Table& rows, DWORD_PTR dwFirstData)
{
    list.SetRedraw(FALSE);
    for (size_t r = 0; r < rows.size(); ++r)
    {
        int nItem = list.InsertItem(list.GetItemCount(), rows[r][0].c_str());
        for (size_t c = 1; c < rows[r].size(); ++c)
            list.SetItemText(nItem, (int)c, rows[r][c].c_str());
        list.SetItemData(nItem, dwFirstData + r);
    }
    list.SetRedraw(TRUE);
}

Table ListTest::Rows(int nColumns) const
{
    Table rows((size_t)list.GetItemCount());
    for (size_t i = 0; i < rows.size(); ++i)
        for (int c = 0; c < nColumns; ++c)
            rows[i].push_back((LPCWSTR)list.GetItemText((int)i, c));
    return rows;
}

void ListTest::ClickHeader(int nColumn, bool bCtrl)
{
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    CRect rc;
    ASSERT_TRUE(pHeader->GetItemRect(nColumn, &rc));
    CCtrlKey ctrl(bCtrl);
    qtest::SendClick(pHeader->m_hWnd, rc.CenterPoint(), bCtrl ? MK_CONTROL : 0);
    qtest::PumpMessages();
}

} // namespace rltest
