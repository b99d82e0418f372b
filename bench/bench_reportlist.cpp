// The report list (CTsyslistviewex) with N rows (100,000 by default) x 6 columns in a list that
// fills a 1000 x 700 client area:
//   (a) sorting by 3 columns, chosen by a click and two Ctrl-clicks on the headings, against
//       sorting by the first of them alone (goal: ratio <= 2, the sort records and comparisons
//       must not dominate); both start from the same shuffled order;
//   (b) one full repaint scrolled to the top and to the last page (goal: ratio <= 1.2);
//   (c) SetBoldRow on 10,000 rows, then one repaint, against a repaint without bold rows
//       (goal: ratio <= 1.2: row styles are hash look-ups, never scans).
// Usage: bench_reportlist [--rows N]. Times are the best of several turns.
#include "bench/benchclock.h"
#include <afxwin.h>
#include <afxcmn.h>

#include "listtree/Tsyslistviewex.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace
{

class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp(NULL) {}
};
CBenchApp theApp;

class CBenchList : public CTsyslistviewex
{
public:
    CTHeaderCtrlEx& Header() { return m_HeaderCtrl; }
};

// A left click on a heading, with Ctrl held when asked (through the thread's key state).
void ClickHeading(CBenchList& list, int nColumn, bool bCtrl)
{
    BYTE saved[256], keys[256];
    ::GetKeyboardState(saved);
    memcpy(keys, saved, sizeof(keys));
    keys[VK_CONTROL] = keys[VK_LCONTROL] = bCtrl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    CRect rc;
    pHeader->GetItemRect(nColumn, &rc);
    LPARAM lPoint = MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y);
    pHeader->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | (bCtrl ? MK_CONTROL : 0), lPoint);
    pHeader->SendMessage(WM_LBUTTONUP, bCtrl ? MK_CONTROL : 0, lPoint);
    ::SetKeyboardState(saved);
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// One full repaint of the list's client area, in seconds.
double Repaint(CWnd& list)
{
    Pump();
    double t0 = Now();
    list.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return Now() - t0;
}

double BestRepaint(CWnd& list, int nTurns = 5, int nRepaints = 10)
{
    double best = 1e9;
    for (int t = 0; t < nTurns; ++t)
    {
        double sum = 0;
        for (int i = 0; i < nRepaints; ++i)
            sum += Repaint(list);
        best = std::min(best, sum / nRepaints);
    }
    return best;
}

struct Figure
{
    const char* name;
    double value, goal;
};

} // namespace

int main(int argc, char** argv)
{
    int nRows = 100000;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc)
            nRows = std::max(1000, std::atoi(argv[++i]));
    if (!AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL))
        return 2;

    CWnd frame;
    CRect rcFrame(0, 0, 1000, 700);
    ::AdjustWindowRectEx(&rcFrame, WS_POPUP | WS_BORDER, FALSE, 0);
    frame.CreateEx(0, AfxRegisterWndClass(0), L"report list bench", WS_POPUP | WS_BORDER | WS_VISIBLE, 10, 10,
                   rcFrame.Width(), rcFrame.Height(), NULL, NULL);
    HWND hList = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 1000, 700,
                                   frame.m_hWnd, (HMENU)1, NULL, NULL);
    ::SendMessageW(hList, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    CBenchList list;
    list.SubclassWindow(hList);
    list.SetWindowPos(NULL, 0, 0, 1000, 699, SWP_NOMOVE | SWP_NOZORDER);
    list.SetWindowPos(NULL, 0, 0, 1000, 700, SWP_NOMOVE | SWP_NOZORDER);
    const wchar_t* titles[] = {L"family", L"group", L"code", L"name", L"note", L"shuffle"};
    for (int c = 0; c < 6; ++c)
        list.InsertColumn(c, titles[c], LVCFMT_LEFT, 160, c);
    list.EnableSort(TRUE);

    // Column 0 has 40 values and column 1 has 100, so a sort by 0, 1, 2 walks into the second and
    // third column often; column 5 is a unique shuffle key.
    std::mt19937 rng(42);
    double t0 = Now();
    list.SetRedraw(FALSE);
    wchar_t sz[64];
    for (int i = 0; i < nRows; ++i)
    {
        swprintf(sz, 64, L"family %02u", (unsigned)(rng() % 40));
        int nItem = list.InsertItem(i, sz);
        swprintf(sz, 64, L"group %03u", (unsigned)(rng() % 100));
        list.SetItemText(nItem, 1, sz);
        swprintf(sz, 64, L"%08u", (unsigned)(rng() % 100000000));
        list.SetItemText(nItem, 2, sz);
        swprintf(sz, 64, L"part %u", (unsigned)rng());
        list.SetItemText(nItem, 3, sz);
        list.SetItemText(nItem, 4, L"stock item");
        swprintf(sz, 64, L"%010u", (unsigned)rng());
        list.SetItemText(nItem, 5, sz);
        list.SetItemData(nItem, (DWORD_PTR)(i + 1));
    }
    list.SetRedraw(TRUE);
    Pump();
    std::printf("report list: %d rows x 6 columns, filled in %.2f s\n", nRows, Now() - t0);

    // (a) Sorts from the same shuffled order: the marks are set by clicks while sorting on click
    // is off, then SortAllItems runs as Ctrl+S would.
    auto shuffle = [&]()
    {
        list.m_bSortOnClick = FALSE;
        ClickHeading(list, 5, false);
        list.SortAllItems();
    };
    auto timedSort = [&](int nColumns)
    {
        double best = 1e9;
        for (int turn = 0; turn < 3; ++turn)
        {
            shuffle();
            ClickHeading(list, 0, false);
            for (int c = 1; c < nColumns; ++c)
                ClickHeading(list, c, true);
            double t = Now();
            list.SortAllItems();
            best = std::min(best, Now() - t);
        }
        return best;
    };
    double dOne = timedSort(1);
    double dThree = timedSort(3);
    std::printf("(a) sort by column 0: %.3f s; by columns 0, 1, 2: %.3f s (sort string \"%ls\")\n", dOne,
                dThree, (LPCWSTR)list.GetHeaderSortString());

    // (b) Repaint at the top and on the last page.
    list.EnsureVisible(0, FALSE);
    double dTop = BestRepaint(list);
    list.EnsureVisible(nRows - 1, FALSE);
    double dLast = BestRepaint(list);
    std::printf("(b) full repaint: top (first row %d) %.3f ms, last page (first row %d) %.3f ms\n", 0,
                dTop * 1000, list.GetTopIndex(), dLast * 1000);

    // (c) Bold rows: 10,000 row keys spread over the list (every tenth visible row is bold).
    list.EnsureVisible(0, FALSE);
    double dPlain = BestRepaint(list);
    t0 = Now();
    for (int i = 0; i < 10000; ++i)
        list.SetBoldRow((LPARAM)(1 + (LONGLONG)i * nRows / 10000), TRUE, FALSE);
    double dSet = Now() - t0;
    double dBold = BestRepaint(list);
    std::printf("(c) SetBoldRow x 10000: %.3f ms (%.2f us each); repaint without bold rows %.3f ms, "
                "with %d bold row keys %.3f ms\n",
                dSet * 1000, dSet * 1e6 / 10000, dPlain * 1000, list.GetCountRowsBold(), dBold * 1000);

    const Figure figures[] = {{"(a) sort 3 columns / 1 column", dThree / dOne, 2.0},
                              {"(b) repaint last page / top", dLast / dTop, 1.2},
                              {"(c) repaint with bold rows / without", dBold / dPlain, 1.2}};
    std::printf("\n");
    for (const Figure& f : figures)
        std::printf("%-40s %6.2f  goal <= %.1f  %s\n", f.name, f.value, f.goal,
                    f.value <= f.goal ? "met" : "NOT MET");
    list.DestroyWindow();
    frame.DestroyWindow();
    AfxWinTerm();
    return 0;
}
