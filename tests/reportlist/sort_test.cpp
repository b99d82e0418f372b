// Sorting: the sort engine on a real list, header clicks with and without Ctrl against a model
// of the sort marks, Ctrl+S, and the progress bar of long multi-column sorts.
#include "rltest.h"

#include <algorithm>
#include <random>

using namespace rltest;

namespace
{

int CompareReversed(const wchar_t* a, const wchar_t* b)
{
    return -wcscmp(a, b);
}
int CompareFive(const wchar_t* a, const wchar_t* b)
{
    int r = wcscmp(a, b);
    return r < 0 ? -5 : r > 0 ? 5 : 0;
}

// What the thread's hooks saw of progress bars while they were installed.
struct ProgressLog
{
    int nCreated = 0;
    CRect rcCreated;
    HWND hParent = NULL;
    UINT nId = 0;
    std::vector<int> positions;
};
ProgressLog* g_pProgressLog = NULL;

WNDPROC g_pfnBarProc = NULL;

// Sits under the bar's own subclassing and records the positions it is given.
LRESULT CALLBACK BarProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PBM_SETPOS && g_pProgressLog != NULL)
        g_pProgressLog->positions.push_back((int)wParam);
    return ::CallWindowProcW(g_pfnBarProc, hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CbtHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && g_pProgressLog != NULL)
    {
        const CREATESTRUCTW* pcs = ((CBT_CREATEWNDW*)lParam)->lpcs;
        if (pcs->lpszClass != NULL && !IS_INTRESOURCE(pcs->lpszClass) &&
            _wcsicmp(pcs->lpszClass, PROGRESS_CLASSW) == 0)
        {
            ++g_pProgressLog->nCreated;
            g_pProgressLog->rcCreated = CRect(pcs->x, pcs->y, pcs->x + pcs->cx, pcs->y + pcs->cy);
            g_pProgressLog->hParent = pcs->hwndParent;
            g_pProgressLog->nId = (UINT)(UINT_PTR)pcs->hMenu;
            g_pfnBarProc = (WNDPROC)::SetWindowLongPtrW((HWND)wParam, GWLP_WNDPROC, (LONG_PTR)BarProc);
        }
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// Watches the creation of progress bars (a message hook would slow every message down).
class CProgressHooks
{
public:
    explicit CProgressHooks(ProgressLog& log)
    {
        g_pProgressLog = &log;
        m_hCbt = ::SetWindowsHookExW(WH_CBT, CbtHook, NULL, ::GetCurrentThreadId());
    }
    ~CProgressHooks()
    {
        ::UnhookWindowsHookEx(m_hCbt);
        g_pProgressLog = NULL;
    }

private:
    HHOOK m_hCbt;
};

std::wstring Pick(std::mt19937& rng, const std::vector<std::wstring>& from)
{
    return from[rng() % from.size()];
}

// Texts from small alphabets, so that every column has many ties.
std::vector<std::vector<std::wstring>> RandomRows(std::mt19937& rng, int nRows, int nColumns)
{
    static const std::vector<std::wstring> words = {L"a", L"b", L"B", L"ab", L"", L"c", L"A"};
    std::vector<std::vector<std::wstring>> rows((size_t)nRows);
    for (auto& row : rows)
        for (int c = 0; c < nColumns; ++c)
            row.push_back(Pick(rng, words));
    return rows;
}

} // namespace

// The engine on its own, attached to the list: ties fall to the next order column, directions
// reverse, unregistered columns compare ordinally, Delete brings wcscmp back, and every item
// keeps its full-width data value.
TEST_F(ListTest, SortEngineOrderAndCompareFunctions)
{
    AddColumns(3);
    const std::vector<std::vector<std::wstring>> rows = {
        {L"b", L"2", L"x"}, {L"a", L"2", L"y"}, {L"B", L"1", L"z"}, {L"a", L"1", L"w"}, {L"b", L"1", L"v"}};
    const DWORD_PTR dwBase = (DWORD_PTR)0x123456789ULL << 8; // does not fit in 32 bits
    AddRows(rows, dwBase);

    struct Case
    {
        const char* name;
        std::vector<std::pair<int, short>> order;
        bool bReverseColumn0; // column 0 registered with a reversing function
        bool bDeleteColumn0;  // ... and then deleted again
        std::vector<std::wstring> expectedColumn2;
    } cases[] = {
        {"primary then secondary", {{0, 1}, {1, 1}}, false, false, {L"z", L"w", L"y", L"v", L"x"}},
        {"secondary descending", {{0, 1}, {1, -1}}, false, false, {L"z", L"y", L"w", L"x", L"v"}},
        {"one column, ordinal", {{1, 1}, {2, 1}}, false, false, {L"v", L"w", L"z", L"x", L"y"}},
        {"registered function", {{0, 1}, {2, 1}}, true, false, {L"v", L"x", L"w", L"y", L"z"}},
        {"deleted function is wcscmp again", {{0, 1}, {2, 1}}, true, true, {L"z", L"w", L"y", L"v", L"x"}},
        {"single column descending", {{2, -1}}, false, false, {L"z", L"y", L"x", L"w", L"v"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTSortColumns sort;
        sort.AttachControl(&list);
        if (c.bReverseColumn0)
            sort.Add(0, &CompareReversed);
        if (c.bDeleteColumn0)
            sort.Delete(0);
        for (auto& o : c.order)
            sort.AddOrderColumn(o.first, o.second);
        EXPECT_EQ((int)c.order.size(), sort.GetCountOrderColumn());
        sort.Sort();
        std::vector<std::wstring> column2;
        for (int i = 0; i < list.GetItemCount(); ++i)
        {
            column2.push_back((LPCWSTR)list.GetItemText(i, 2));
            // The data value still names the row it was given to.
            DWORD_PTR dw = list.GetItemData(i);
            ASSERT_GE(dw, dwBase);
            ASSERT_LT(dw, dwBase + rows.size());
            EXPECT_EQ(rows[dw - dwBase][2], column2.back());
        }
        EXPECT_EQ(c.expectedColumn2, column2);
    }

    // ResetOrderColumn empties the order but keeps the registered functions.
    CTSortColumns sort;
    sort.AttachControl(&list);
    sort.Add(2, &CompareFive);
    sort.AddOrderColumn(1, 1);
    sort.ResetOrderColumn();
    EXPECT_EQ(0, sort.GetCountOrderColumn());
    sort.AddOrderColumn(2, -1);
    sort.Sort();
    EXPECT_EQ(L"z", std::wstring(list.GetItemText(0, 2)));
    // Detached, or with nothing to sort by, the list keeps its order.
    sort.AttachControl(NULL);
    sort.ResetOrderColumn();
    sort.AddOrderColumn(2, 1);
    sort.Sort();
    EXPECT_EQ(L"z", std::wstring(list.GetItemText(0, 2)));
}

// Progress: only the multi-column path on 256 items and more shows the bar, centred in the
// list with the list's ID, starting at 0 and removed at the end; one column never shows it.
TEST_F(ListTest, ProgressBarOfLongMultiColumnSorts)
{
    AddColumns(2);
    std::mt19937 rng(7);
    struct Case
    {
        int nColumns;
        int nRows;
        bool bBar;
    } cases[] = {{2, 255, false}, {2, 256, true}, {1, 10000, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.nColumns << " columns, " << c.nRows << " rows");
        list.DeleteAllItems();
        std::vector<std::vector<std::wstring>> rows;
        for (int i = 0; i < c.nRows; ++i)
            rows.push_back({std::to_wstring(rng() % 1000), std::to_wstring(rng() % 7)});
        AddRows(rows);
        ProgressLog log;
        {
            CProgressHooks hooks(log);
            list.SortAllItems(c.nColumns == 2 ? L"1,0D" : L"0");
        }
        EXPECT_EQ(c.bBar, log.nCreated > 0);
        EXPECT_EQ(NULL, ::FindWindowExW(list.m_hWnd, NULL, PROGRESS_CLASSW, NULL));
        if (c.bBar)
        {
            CRect rcList;
            list.GetWindowRect(&rcList);
            list.ScreenToClient(&rcList);
            int w = rcList.Width(), h = rcList.Height();
            EXPECT_EQ(CRect(rcList.left + (w - 3 * w / 4) / 2, rcList.top + (h - 20) / 2,
                            rcList.left + (w - 3 * w / 4) / 2 + 3 * w / 4, rcList.top + (h - 20) / 2 + 20),
                      log.rcCreated);
            EXPECT_EQ(list.m_hWnd, log.hParent);
            EXPECT_EQ(kListId, log.nId);
            ASSERT_GE(log.positions.size(), 3u);
            EXPECT_EQ(0, log.positions.front());
            EXPECT_EQ(100, log.positions.back());
            // Each comparison reports its share of the estimate: the estimate is short of what the
            // list's sort needs, so the reports pass 100 (a 100 on the way removes the bar, the
            // next report makes it again) and the closing 100 removes it for good.
            EXPECT_TRUE(std::is_sorted(log.positions.begin(), log.positions.end() - 1));
        }
        else
        {
            EXPECT_TRUE(log.positions.empty());
        }
        // Sorted all the same.
        auto sorted = Rows(2);
        for (size_t i = 1; i < sorted.size(); ++i)
        {
            if (c.nColumns == 1)
                ASSERT_LE(sorted[i - 1][0], sorted[i][0]);
            else
                ASSERT_TRUE(sorted[i - 1][1] < sorted[i][1] ||
                            (sorted[i - 1][1] == sorted[i][1] && sorted[i - 1][0] >= sorted[i][0]));
        }
    }
}

// Header clicks, with and without Ctrl, over 250 random rows with ties: after every
// click the header's marks and the list's order match a model of the marks; the parent hears
// one LVN_COLUMNCLICK per click; the rows keep their data values.
TEST_F(ListTest, HeaderClicksAgainstModel)
{
    const int nColumns = 4;
    AddColumns(nColumns);
    std::mt19937 rng(20261206);
    // Below 256 rows: the progress bar (tested above) would only slow the clicks down.
    auto original = RandomRows(rng, 250, nColumns);
    AddRows(original);

    std::vector<std::pair<int, bool>> marks; // model: (column, ascending) in priority order
    for (int step = 0; step < 40; ++step)
    {
        int nColumn = (int)(rng() % nColumns);
        bool bCtrl = rng() % 3 != 0;
        SCOPED_TRACE(testing::Message()
                     << "step " << step << ": column " << nColumn << (bCtrl ? " with Ctrl" : ""));
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
            if (m.message == WM_NOTIFY && m.code == LVN_COLUMNCLICK)
            {
                ASSERT_TRUE(m.As<NMLISTVIEW>() != nullptr);
                EXPECT_EQ(nColumn, m.As<NMLISTVIEW>()->iSubItem);
                EXPECT_EQ(kListId, m.id);
            }

        // The header's marks.
        for (int c = 0; c < nColumns; ++c)
        {
            int bAscending = -1, nPosition = -1;
            auto m = std::find_if(marks.begin(), marks.end(), [&](auto& x) { return x.first == c; });
            ASSERT_EQ(m != marks.end(), list.Header().GetColumnOrder(c, bAscending, nPosition) != 0);
            if (m != marks.end())
            {
                EXPECT_EQ(m - marks.begin() + 1, nPosition);
                EXPECT_EQ(m->second, bAscending != 0);
            }
        }
        // The list's order: the model's keys, or unchanged when nothing is marked.
        auto after = Rows(nColumns);
        if (marks.empty())
        {
            EXPECT_EQ(before, after);
            continue;
        }
        auto expected = before;
        std::stable_sort(expected.begin(), expected.end(),
                         [&](const auto& a, const auto& b)
                         {
                             for (auto& m : marks)
                             {
                                 int r = wcscmp(a[m.first].c_str(), b[m.first].c_str());
                                 if (r != 0)
                                     return m.second ? r < 0 : r > 0;
                             }
                             return false;
                         });
        for (size_t i = 0; i < after.size(); ++i)
            for (auto& m : marks)
                ASSERT_EQ(expected[i][m.first], after[i][m.first]) << "row " << i;
        for (int i = 0; i < list.GetItemCount(); ++i)
            ASSERT_EQ(original[list.GetItemData(i) - 1], after[i]) << "row " << i;
    }
}

// With sorting on click off, clicks only change the marks; Ctrl+S sorts, S alone does not. With
// sorting disabled, clicks change nothing.
TEST_F(ListTest, CtrlSAndDisabledSorting)
{
    AddColumns(2);
    AddRows({{L"c", L"1"}, {L"a", L"3"}, {L"b", L"2"}});
    auto initial = Rows(2);
    list.m_bSortOnClick = FALSE;
    ClickHeader(0);
    ClickHeader(1, true);
    EXPECT_EQ(initial, Rows(2));
    EXPECT_STREQ(L"0,1", list.GetHeaderSortString());
    {
        CKeyState ctrl(VK_CONTROL, false);
        qtest::SendChar(list.m_hWnd, 19);
    }
    EXPECT_EQ(initial, Rows(2));
    {
        CKeyState ctrl(VK_CONTROL, true);
        qtest::SendChar(list.m_hWnd, 19);
    }
    EXPECT_EQ(L"a", Rows(2)[0][0]);

    list.m_bSortOnClick = TRUE;
    list.EnableSort(FALSE);
    ClickHeader(0);
    EXPECT_EQ(L"a", Rows(2)[0][0]);
    EXPECT_STREQ(L"", list.GetHeaderSortString());
    list.EnableSort(TRUE);
    ClickHeader(0); // column 0 was ascending: now descending
    EXPECT_EQ(L"c", Rows(2)[0][0]);
    EXPECT_STREQ(L"0D,1", list.GetHeaderSortString());
}
