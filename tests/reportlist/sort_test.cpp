// Sorting: the sort engine on a real list, header clicks with and without Ctrl against a model
// of the sort marks, Ctrl+S, and the progress bar of long multi-column sorts.
#include "rltest.h"

#include <algorithm>
#include <random>

using namespace rltest;

namespace
{

// What the creation hook saw of progress bars; each bar is subclassed to log its positions.
struct ProgressLog
{
    int nCreated = 0;
    CRect rcCreated;
    HWND hParent = NULL;
    UINT nId = 0;
    std::vector<int> positions;
} * g_pLog;
WNDPROC g_pfnBarProc;

LRESULT CALLBACK BarProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PBM_SETPOS && g_pLog != NULL)
        g_pLog->positions.push_back((int)wParam);
    return ::CallWindowProcW(g_pfnBarProc, hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CbtHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CREATESTRUCTW* pcs = nCode == HCBT_CREATEWND ? ((CBT_CREATEWNDW*)lParam)->lpcs : NULL;
    if (pcs != NULL && g_pLog != NULL && !IS_INTRESOURCE(pcs->lpszClass) &&
        _wcsicmp(pcs->lpszClass, PROGRESS_CLASSW) == 0)
    {
        ++g_pLog->nCreated;
        g_pLog->rcCreated = CRect(pcs->x, pcs->y, pcs->x + pcs->cx, pcs->y + pcs->cy);
        g_pLog->hParent = pcs->hwndParent;
        g_pLog->nId = (UINT)(UINT_PTR)pcs->hMenu;
        g_pfnBarProc = (WNDPROC)::SetWindowLongPtrW((HWND)wParam, GWLP_WNDPROC, (LONG_PTR)BarProc);
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

int CompareReversed(const wchar_t* a, const wchar_t* b)
{
    return -wcscmp(a, b);
}

} // namespace

// The engine attached to the list: ties fall to the next order column, directions reverse,
// unregistered columns compare ordinally ("B" before "a"), Delete brings wcscmp back, and every
// item keeps its data value, also beyond 32 bits.
TEST_F(ListTest, SortEngineOrderAndCompareFunctions)
{
    AddColumns(3);
    const Table rows = {
        {L"b", L"2", L"x"}, {L"a", L"2", L"y"}, {L"B", L"1", L"z"}, {L"a", L"1", L"w"}, {L"b", L"1", L"v"}};
    const DWORD_PTR dwBase = (DWORD_PTR)0x123456789ULL << 8;
    AddRows(rows, dwBase);
    struct Case
    {
        std::vector<std::pair<int, short>> order;
        int nFunctions; // 1: column 0 reversed; 2: ... and then deleted again
        const wchar_t* column2;
    } cases[] = {{{{0, 1}, {1, 1}}, 0, L"zwyvx"}, {{{0, 1}, {1, -1}}, 0, L"zywxv"},
                 {{{1, 1}, {2, 1}}, 0, L"vwzxy"}, {{{0, 1}, {2, 1}}, 1, L"vxwyz"},
                 {{{0, 1}, {2, 1}}, 2, L"zwyvx"}, {{{2, -1}}, 0, L"zyxwv"}};
    for (const Case& c : cases)
    {
        CTSortColumns sort;
        sort.AttachControl(&list);
        if (c.nFunctions > 0)
            sort.Add(0, &CompareReversed);
        if (c.nFunctions > 1)
            sort.Delete(0);
        for (auto& o : c.order)
            sort.AddOrderColumn(o.first, o.second);
        sort.Sort();
        std::wstring column2;
        for (int i = 0; i < list.GetItemCount(); ++i)
        {
            column2 += (LPCWSTR)list.GetItemText(i, 2);
            DWORD_PTR dw = list.GetItemData(i);
            ASSERT_TRUE(dw >= dwBase && dw < dwBase + rows.size());
            EXPECT_EQ(rows[dw - dwBase][2], (LPCWSTR)list.GetItemText(i, 2));
        }
        EXPECT_EQ(c.column2, column2);
    }
}

// Progress only on the multi-column path with 256 items and more: the bar is centred in the
// list with the list's ID, its reports start at 0 and grow (past 100 when the estimate falls
// short) and the closing 100 removes it; one column never shows it.
TEST_F(ListTest, ProgressBarOfLongMultiColumnSorts)
{
    AddColumns(2);
    std::mt19937 rng(7);
    struct
    {
        const wchar_t* sort;
        int nRows;
        bool bBar;
    } cases[] = {{L"1,0D", 255, false}, {L"1,0D", 256, true}, {L"0", 10000, false}};
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.nRows);
        list.DeleteAllItems();
        Table rows;
        for (int i = 0; i < c.nRows; ++i)
            rows.push_back({std::to_wstring(rng() % 1000), std::to_wstring(rng() % 7)});
        AddRows(rows);
        ProgressLog log;
        g_pLog = &log;
        HHOOK hHook = ::SetWindowsHookExW(WH_CBT, CbtHook, NULL, ::GetCurrentThreadId());
        list.SortAllItems(c.sort);
        ::UnhookWindowsHookEx(hHook);
        g_pLog = NULL;
        EXPECT_EQ(c.bBar, log.nCreated > 0);
        EXPECT_EQ(NULL, ::FindWindowExW(list.m_hWnd, NULL, PROGRESS_CLASSW, NULL));
        if (c.bBar)
        {
            CRect rc;
            list.GetWindowRect(&rc);
            list.ScreenToClient(&rc);
            int w = rc.Width(), h = rc.Height(), left = rc.left + (w - 3 * w / 4) / 2,
                top = rc.top + (h - 20) / 2;
            EXPECT_EQ(CRect(left, top, left + 3 * w / 4, top + 20), log.rcCreated);
            EXPECT_EQ(list.m_hWnd, log.hParent);
            EXPECT_EQ(kListId, log.nId);
            ASSERT_GE(log.positions.size(), 3u);
            EXPECT_EQ(0, log.positions.front());
            EXPECT_EQ(100, log.positions.back());
            EXPECT_TRUE(std::is_sorted(log.positions.begin(), log.positions.end() - 1));
        }
        auto sorted = Rows(2);
        for (size_t i = 1; i < sorted.size(); ++i)
            ASSERT_TRUE(c.nRows > 256
                            ? sorted[i - 1][0] <= sorted[i][0]
                            : sorted[i - 1][1] < sorted[i][1] ||
                                  (sorted[i - 1][1] == sorted[i][1] && sorted[i - 1][0] >= sorted[i][0]));
    }
}

// Header clicks, with and without Ctrl, over 250 random rows full of ties: after each click the
// parent has heard one LVN_COLUMNCLICK, and the marks and the list's order match a model (the
// third click on a column unmarks it and leaves the order as it was).
TEST_F(ListTest, HeaderClicksAgainstModel)
{
    const int nColumns = 4;
    AddColumns(nColumns);
    std::mt19937 rng(20261206);
    static const wchar_t* words[] = {L"a", L"b", L"B", L"ab", L"", L"c", L"A"};
    Table original(250); // below 256: no progress bar to slow the clicks down
    for (auto& row : original)
        for (int c = 0; c < nColumns; ++c)
            row.push_back(words[rng() % 7]);
    AddRows(original);

    std::vector<std::pair<int, bool>> marks; // (column, ascending) by priority
    for (int step = 0; step < 40; ++step)
    {
        int nColumn = (int)(rng() % nColumns);
        bool bCtrl = rng() % 3 != 0;
        SCOPED_TRACE(testing::Message()
                     << "step " << step << ", column " << nColumn << (bCtrl ? " + Ctrl" : ""));
        auto it = std::find_if(marks.begin(), marks.end(), [&](auto& m) { return m.first == nColumn; });
        if (it == marks.end())
        {
            if (!bCtrl)
                marks.clear();
            marks.push_back({nColumn, true});
        }
        else if (it->second)
            it->second = false;
        else
            marks.erase(it);

        auto before = Rows(nColumns);
        parent.Flush();
        ClickHeader(nColumn, bCtrl);
        ASSERT_EQ(1u, parent.Count(WM_NOTIFY, LVN_COLUMNCLICK));
        for (auto& m : parent.Log())
            if (m.code == LVN_COLUMNCLICK)
            {
                EXPECT_EQ(nColumn, m.As<NMLISTVIEW>()->iSubItem);
            }
        CString strExpected;
        for (auto& m : marks)
            strExpected.AppendFormat(L"%s%d%s", strExpected.IsEmpty() ? L"" : L",", m.first,
                                     m.second ? L"" : L"D");
        EXPECT_STREQ(strExpected, list.GetHeaderSortString());

        auto expected = before;
        std::stable_sort(expected.begin(), expected.end(),
                         [&](const auto& a, const auto& b)
                         {
                             for (auto& m : marks)
                                 if (int r = wcscmp(a[m.first].c_str(), b[m.first].c_str()))
                                     return m.second ? r < 0 : r > 0;
                             return false;
                         });
        auto after = Rows(nColumns);
        if (marks.empty())
        {
            EXPECT_EQ(before, after);
        }
        for (size_t i = 0; i < after.size(); ++i)
        {
            for (auto& m : marks)
                ASSERT_EQ(expected[i][m.first], after[i][m.first]) << "row " << i;
            ASSERT_EQ(original[list.GetItemData((int)i) - 1], after[i]) << "row " << i;
        }
    }
}

// With sorting on click off, clicks only mark; Ctrl+S sorts, S alone does not. With sorting
// disabled, clicks change nothing.
TEST_F(ListTest, CtrlSAndDisabledSorting)
{
    AddColumns(2);
    AddRows({{L"c", L"1"}, {L"a", L"3"}, {L"b", L"2"}});
    list.m_bSortOnClick = FALSE;
    ClickHeader(0);
    ClickHeader(1, true);
    EXPECT_STREQ(L"0,1", list.GetHeaderSortString());
    for (bool bCtrl : {false, true})
    {
        CCtrlKey ctrl(bCtrl);
        qtest::SendChar(list.m_hWnd, 19);
        EXPECT_STREQ(bCtrl ? L"a" : L"c", list.GetItemText(0, 0));
    }
    list.m_bSortOnClick = TRUE;
    list.EnableSort(FALSE);
    ClickHeader(0);
    EXPECT_STREQ(L"a", list.GetItemText(0, 0));
    EXPECT_STREQ(L"", list.GetHeaderSortString());
    list.EnableSort(TRUE);
    ClickHeader(0);
    EXPECT_STREQ(L"c", list.GetItemText(0, 0));
    EXPECT_STREQ(L"0D,1", list.GetHeaderSortString());
}
