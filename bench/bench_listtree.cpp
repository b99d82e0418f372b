// List and tree controls. Usage:
//   bench_listtree [--rows N] [--turns N] [sortlist] [fill] [expand]
// sortlist: CQListCtrlEx sorting N rows (100,000 by default) on a header click by a date column
//   and by a text column; figure: date sort / text sort, goal <= 3. Each sort starts from the
//   other column's order, which is unrelated to its own.
// fill: CTreeMultiColumnCtrl::Fill of N items in five levels and of N / 10; figure: time ratio,
//   goal <= 12 (linear), with items per second.
// expand: expanding one node with N / 10 children and collapsing it again, against inserting the
//   same rows into a plain list control and deleting them; goals <= 1.5.
// Times are the best of three turns (--turns).
#include "bench/benchclock.h"
#include "qctl.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace
{

class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp(NULL) {}
};
CBenchApp theApp;

int g_nTurns = 3; // --turns

struct Figure
{
    std::string name;
    double value, goal;
};
std::vector<Figure> g_figures;

// A visible top-level window for the controls.
CWnd* MakeHost()
{
    CWnd* pHost = new CWnd;
    pHost->CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), L"bench",
                    WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 800, 600), NULL, 0);
    return pHost;
}

// Sends the list the click notification of its header for a column.
void ClickHeader(CListCtrl& list, int nColumn)
{
    NMHEADER nmh = {};
    nmh.hdr.hwndFrom = list.GetHeaderCtrl()->GetSafeHwnd();
    nmh.hdr.idFrom = 0;
    nmh.hdr.code = HDN_ITEMCLICKW;
    nmh.iItem = nColumn;
    nmh.iButton = 0;
    list.SendMessage(WM_NOTIFY, 0, (LPARAM)&nmh);
}

void SortListWorkload(int nRows)
{
    std::printf("sortlist: CQListCtrlEx with %d rows, a text and a date column\n", nRows);
    CWnd* pHost = MakeHost();
    CQListCtrlEx list;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 780, 580), pHost, 100);
    list.InsertColumn(0, L"Tag", LVCFMT_LEFT, 200);
    list.InsertColumn(1, L"Inspected", LVCFMT_LEFT, 200, 1);
    BYTE types[] = {CQListCtrlEx::ColumnText, CQListCtrlEx::ColumnDateTime};
    list.SetColumnTypes(types, 2);
    list.EnableSort(true);

    std::mt19937 rng(42);
    double t0 = Now();
    list.SetRedraw(FALSE);
    for (int i = 0; i < nRows; i++)
    {
        CString tag;
        tag.Format(L"P-%06u-%u", (unsigned)(rng() % 1000000), (unsigned)i);
        int n = list.InsertItem(i, tag);
        COleDateTime date(1990 + (int)(rng() % 40), 1 + (int)(rng() % 12), 1 + (int)(rng() % 28),
                          (int)(rng() % 24), (int)(rng() % 60), 0);
        list.SetItemText(n, 1, date.Format());
        list.SetItemData(n, i);
    }
    list.SetRedraw(TRUE);
    std::printf("  filled in %.3f s; a date reads like %ls\n", Now() - t0, (LPCTSTR)list.GetItemText(0, 1));

    double bestText = 1e9, bestDate = 1e9;
    for (int turn = 0; turn < g_nTurns; turn++)
    {
        // The sort column alternates, so each click sorts ascending a column that is in the
        // other column's order.
        t0 = Now();
        ClickHeader(list, 0);
        double t = Now() - t0;
        bestText = t < bestText ? t : bestText;
        t0 = Now();
        ClickHeader(list, 1);
        t = Now() - t0;
        bestDate = t < bestDate ? t : bestDate;
        std::printf("  turn %d: text %.3f s, date %.3f s\n", turn + 1, bestText, t);
    }
    std::printf("  sort by text: %.3f s; by date: %.3f s (%.0f rows/s)\n", bestText, bestDate,
                nRows / bestDate);
    g_figures.push_back({"sortlist: date sort / text sort", bestDate / bestText, 3});
    list.DestroyWindow();
    pHost->DestroyWindow();
    delete pHost;
}

// A bracketed text of nItems items in five levels: trees of ten children per item, written depth
// first and cut off after nItems items.
std::wstring FiveLevelText(int nItems)
{
    std::wstring text;
    int nWritten = 0;
    // Depth-first over a full tree of branching 10, with an explicit stack of children left.
    std::vector<int> left;
    while (nWritten < nItems)
    {
        if (!text.empty() && text.back() != L'(')
            text += L',';
        text += L"T-" + std::to_wstring(nWritten) + L"%Equipment item " + std::to_wstring(nWritten) +
                L"%DN " + std::to_wstring(25 * (1 + nWritten % 12));
        nWritten++;
        if (left.size() < 4)
        {
            text += L'(';
            left.push_back(10);
            continue;
        }
        // A leaf: the siblings left at this level, else back up.
        while (!left.empty() && --left.back() == 0)
        {
            left.pop_back();
            text += L')';
        }
        if (left.empty())
            continue;
    }
    return text;
}

CTreeMultiColumnCtrl* MakeTree(CWnd* pHost, int nColumns)
{
    HWND hList = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 780, 580,
                                   pHost->GetSafeHwnd(), (HMENU)101, NULL, NULL);
    CTreeMultiColumnCtrl* pTree = new CTreeMultiColumnCtrl;
    pTree->SubclassWindow(hList);
    for (int c = 0; c < nColumns; c++)
        pTree->InsertColumn(c, L"column", LVCFMT_LEFT, 150, c);
    return pTree;
}

void FillWorkload(int nLarge)
{
    int nSmall = nLarge / 10;
    std::printf("fill: Fill of %d and of %d items in five levels, 3 columns\n", nLarge, nSmall);
    CWnd* pHost = MakeHost();
    CTreeMultiColumnCtrl* pTree = MakeTree(pHost, 3);
    std::wstring small = FiveLevelText(nSmall), large = FiveLevelText(nLarge);
    double bestSmall = 1e9, bestLarge = 1e9;
    for (int turn = 0; turn < g_nTurns; turn++)
    {
        double t0 = Now();
        pTree->Fill(small.c_str());
        double t = Now() - t0;
        bestSmall = t < bestSmall ? t : bestSmall;
        t0 = Now();
        pTree->Fill(large.c_str());
        t = Now() - t0;
        bestLarge = t < bestLarge ? t : bestLarge;
        std::printf("  turn %d: %d items %.3f s, %d items %.3f s (%d in the store)\n", turn + 1, nSmall,
                    bestSmall, nLarge, t, pTree->GetItemCount());
    }
    std::printf("  %d items: %.0f items/s; %d items: %.0f items/s\n", nSmall, nSmall / bestSmall, nLarge,
                nLarge / bestLarge);
    g_figures.push_back({"fill: 10x items / 1x items (time)", bestLarge / bestSmall, 12});
    pTree->DestroyWindow();
    delete pTree;
    pHost->DestroyWindow();
    delete pHost;
}

void ExpandWorkload(int nChildren)
{
    std::printf("expand: one node with %d children, 3 columns, against a plain list control\n", nChildren);
    CWnd* pHost = MakeHost();
    CTreeMultiColumnCtrl* pTree = MakeTree(pHost, 3);
    std::wstring text = L"P-100%Header%DN 600(";
    std::vector<CString> texts[3];
    for (int i = 0; i < nChildren; i++)
    {
        CString t0, t1, t2;
        t0.Format(L"N%d", i);
        t1.Format(L"Nozzle %d", i);
        t2.Format(L"DN %d", 25 * (1 + i % 12));
        texts[0].push_back(t0);
        texts[1].push_back(t1);
        texts[2].push_back(t2);
        text += (i ? L"," : L"") + std::wstring((LPCTSTR)t0) + L"%" + (LPCTSTR)t1 + L"%" + (LPCTSTR)t2;
    }
    text += L")";
    pTree->Fill(text.c_str());

    CListCtrl plain;
    plain.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 780, 580), pHost, 102);
    for (int c = 0; c < 3; c++)
        plain.InsertColumn(c, L"column", LVCFMT_LEFT, 150, c);
    plain.InsertItem(0, L"P-100");

    double bestExpand = 1e9, bestCollapse = 1e9, bestInsert = 1e9, bestDelete = 1e9;
    for (int turn = 0; turn < g_nTurns; turn++)
    {
        double t0 = Now();
        pTree->ExpandItem(0);
        double tExpand = Now() - t0;
        t0 = Now();
        pTree->CollapseItem(0);
        double tCollapse = Now() - t0;

        t0 = Now();
        plain.SetRedraw(FALSE);
        for (int i = 0; i < nChildren; i++)
        {
            int n = plain.InsertItem(i + 1, texts[0][i]);
            plain.SetItemText(n, 1, texts[1][i]);
            plain.SetItemText(n, 2, texts[2][i]);
        }
        plain.SetRedraw(TRUE);
        double tInsert = Now() - t0;
        t0 = Now();
        plain.SetRedraw(FALSE);
        for (int r = nChildren; r >= 1; r--)
            plain.DeleteItem(r);
        plain.SetRedraw(TRUE);
        double tDelete = Now() - t0;
        std::printf("  turn %d: expand %.3f s, insert into a plain list %.3f s; collapse %.3f s, delete from "
                    "it %.3f s\n",
                    turn + 1, tExpand, tInsert, tCollapse, tDelete);
        bestExpand = tExpand < bestExpand ? tExpand : bestExpand;
        bestCollapse = tCollapse < bestCollapse ? tCollapse : bestCollapse;
        bestInsert = tInsert < bestInsert ? tInsert : bestInsert;
        bestDelete = tDelete < bestDelete ? tDelete : bestDelete;
    }
    g_figures.push_back({"expand / plain insert", bestExpand / bestInsert, 1.5});
    g_figures.push_back({"collapse / plain delete", bestCollapse / bestDelete, 1.5});
    plain.DestroyWindow();
    pTree->DestroyWindow();
    delete pTree;
    pHost->DestroyWindow();
    delete pHost;
}

int Usage()
{
    std::printf("usage: bench_listtree [--rows N] [--turns N] [sortlist] [fill] [expand]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    int nRows = 100000;
    bool bSortList = false, bFill = false, bExpand = false, bAny = false;
    for (int i = 1; i < argc; i++)
    {
        if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc)
        {
            nRows = std::atoi(argv[++i]);
            if (nRows < 100)
                return Usage();
        }
        else if (std::strcmp(argv[i], "--turns") == 0 && i + 1 < argc)
        {
            g_nTurns = std::atoi(argv[++i]);
            if (g_nTurns < 1)
                return Usage();
        }
        else if (std::strcmp(argv[i], "sortlist") == 0)
            bSortList = bAny = true;
        else if (std::strcmp(argv[i], "fill") == 0)
            bFill = bAny = true;
        else if (std::strcmp(argv[i], "expand") == 0)
            bExpand = bAny = true;
        else
            return Usage();
    }
    if (!bAny)
        bSortList = bFill = bExpand = true;
    if (!AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL))
        return 2;
    theApp.InitApplication();
    theApp.InitInstance();
    if (bSortList)
        SortListWorkload(nRows);
    if (bFill)
        FillWorkload(nRows);
    if (bExpand)
        ExpandWorkload(nRows / 10);
    theApp.ExitInstance();
    AfxWinTerm();
    std::printf("\nfigure                                      value   goal\n");
    for (const Figure& f : g_figures)
        std::printf("%-40s %8.2f  <= %.1f  %s\n", f.name.c_str(), f.value, f.goal,
                    f.value <= f.goal ? "met" : "NOT met");
    return 0;
}
