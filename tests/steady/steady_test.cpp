// Long-run steadiness: many cycles of the grid's paint, scroll, edit, sort, copy and paste and load,
// and of the masked, numeric and list label editors, must leave the process's GDI objects, USER
// objects and heap in use where they were, within a small fixed allowance.
//
// The test runs QCTL_STEADY_CYCLES cycles (100 by default, to keep the test run short under Wine;
// scripts/fuzz --steady runs 10,000) after a warm-up that fills the caches every run shares.
#include <gtest/gtest.h>

#include "dialogs/QMaskEdit.h"
#include "dialogs/QNumEdit.h"
#include "grid/QInPlaceListEdit.h"
#include "qctl.h"
#include "resources.h"
#include "testwin.h"

#include <commctrl.h>
#include <afxole.h>

#include <cstdlib>
#include <string>

namespace
{

// The helper counts what it should: objects made show up and go again.
TEST(Resources, CountsFollowWhatIsMadeAndFreed)
{
    // a window kept for the whole test: the thread's first window brings the platform's helper
    // windows with it, which go again with the last one
    HWND hHost = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    qtest::ResourceCounts before = qtest::CountResources();
    ASSERT_GT(before.nGdi, 0) << "no GDI objects counted (the stock objects at least exist)";
    HPEN pens[10];
    for (HPEN& h : pens)
        h = ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    HWND hChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, hWnd, NULL, NULL, NULL);
    void* pBlock = ::HeapAlloc(::GetProcessHeap(), 0, 1 << 20);
    qtest::ResourceCounts during = qtest::CountResources();
    EXPECT_EQ(before.nGdi + 10, during.nGdi);
    EXPECT_EQ(before.nUser + 2, during.nUser);
    EXPECT_GE(during.nHeap - before.nHeap, 1 << 20);

    ::HeapFree(::GetProcessHeap(), 0, pBlock);
    ::DestroyWindow(hWnd);
    for (HPEN h : pens)
        ::DeleteObject(h);
    qtest::ResourceCounts after = qtest::CountResources();
    EXPECT_EQ(before.nGdi, after.nGdi);
    EXPECT_EQ(before.nUser, after.nUser);
    EXPECT_LT(after.nHeap - before.nHeap, 1 << 16);
    (void)hChild;
    ::DestroyWindow(hHost);
}

// Key down, character, key up to the focus window, then whatever that posted.
void Press(UINT vk, wchar_t ch = 0)
{
    HWND hWnd = ::GetFocus();
    ::SendMessageW(hWnd, WM_KEYDOWN, vk, 1);
    if (ch != 0 && ::IsWindow(hWnd))
        ::SendMessageW(hWnd, WM_CHAR, ch, 1);
    if (::IsWindow(hWnd))
        ::SendMessageW(hWnd, WM_KEYUP, vk, 0xC0000001);
    qtest::PumpMessages();
}

void TypeText(const wchar_t* psz)
{
    for (; *psz; psz++)
        Press(::VkKeyScanW(*psz) & 0xFF, *psz);
}

class SteadyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxOleInit();
        ASSERT_TRUE(m_parent.CreateTop(640, 480));
        m_grid.SetRowCount(40);
        m_grid.SetColumnCount(8);
        m_grid.SetFixedRowCount(1);
        m_grid.SetFixedColumnCount(1);
        ASSERT_TRUE(m_grid.Create(CRect(0, 0, 400, 300), &m_parent, 1));
        m_grid.SetEditable(TRUE);
        for (int r = 0; r < 40; r++)
            for (int c = 0; c < 8; c++)
                m_grid.SetItemText(
                    r, c, (std::to_wstring((r * 37 + c * 11) % 97) + L"." + std::to_wstring(c)).c_str());
        m_grid.SetCellStyle(5, 2, 1); // a numeric editor
        wchar_t szDir[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szDir);
        m_file = std::wstring(szDir) + L"qctl steady grid.csv";
        ASSERT_TRUE(m_grid.Save(m_file.c_str()));
        ASSERT_TRUE(m_list.CreateEx(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT,
                                    CRect(410, 0, 630, 200), &m_parent, 2));
    }
    void TearDown() override
    {
        m_list.DestroyWindow();
        m_grid.DestroyWindow();
        ::DeleteFileW(m_file.c_str());
    }

    void GridCycle(int i)
    {
        // paint and scroll
        m_grid.Invalidate();
        m_grid.UpdateWindow();
        m_grid.SendMessage(WM_VSCROLL, i % 3 == 0 ? SB_PAGEDOWN : SB_LINEDOWN, 0);
        m_grid.SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
        m_grid.UpdateWindow();
        m_grid.SendMessage(WM_VSCROLL, SB_TOP, 0);
        m_grid.SendMessage(WM_HSCROLL, SB_LEFT, 0);

        // edit: open an editor, type, end with Return (the text editor, or the numeric one)
        const bool bNumeric = i % 2 == 1;
        m_grid.OnEditCell(bNumeric ? 5 : 2, bNumeric ? 2 : 1, VK_LBUTTON);
        TypeText(bNumeric ? L"12.5" : L"ab");
        Press(VK_RETURN, L'\r');
        m_parent.SetFocus();
        qtest::PumpMessages();

        // sort, copy and paste
        m_grid.SortTextItems(1 + i % 3, i % 2 == 0);
        CRect rc;
        m_grid.GetCellRect(6, 4, &rc);
        qtest::SendClick(m_grid.GetSafeHwnd(), rc.CenterPoint()); // the focus cell: where the paste goes
        m_grid.SetSelectedRange(1, 1, 3, 3);
        PasteCopy();

        // load (every fourth cycle: loading sizes every column)
        if (i % 4 == 0)
        {
            m_grid.Load(m_file.c_str());
            m_grid.SetFixedRowCount(1);
            m_grid.SetFixedColumnCount(1);
            m_grid.SetCellStyle(5, 2, 1);
        }
        qtest::PumpMessages();
        m_parent.Flush();
    }

    // The selection's text block pasted at the focus cell. The block goes through a data object of
    // its own rather than the system clipboard: under Wine each read of the OLE clipboard keeps
    // about a kilobyte, and each write some bytes, of the platform's own.
    void PasteCopy()
    {
        COleDataSource* pSource = m_grid.CopyTextFromGrid();
        ASSERT_NE(nullptr, pSource);
        COleDataObject data;
        data.Attach(pSource->GetInterface(), FALSE);
        m_grid.PasteTextToGrid(m_grid.GetFocusCell(), &data);
        data.Release();
        delete pSource;
    }

    void EditorCycle(int i)
    {
        CQMaskEdit mask;
        mask.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(410, 210, 630, 234), &m_parent,
                    11);
        mask.SetMaskText(L"No.");
        mask.SetFocus();
        TypeText(L"12x");
        Press(VK_BACK, 8);
        mask.DestroyWindow();

        CQNumEdit num(0);
        num.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(410, 240, 630, 264), &m_parent,
                   12);
        num.SetFocus();
        TypeText(L"-1.5e3");
        num.SetValue(i * 0.5);
        num.DestroyWindow();

        CQInPlaceLIstEdit list(i % 3, 1, L"7", i % 3);
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER |
                        (i % 2 ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL),
                    CRect(10, 20, 100, 40), &m_list, 13);
        TypeText(L"45 and more text");
        Press(i % 2 ? VK_ESCAPE : VK_RETURN, i % 2 ? 27 : L'\r');
        list.DestroyWindow();
        qtest::PumpMessages();
        m_parent.Flush(); // the parent's record of notifications would grow otherwise
    }

    qtest::CRecordingWnd m_parent;
    CQGridCtrl m_grid;
    CWnd m_list;
    std::wstring m_file;
};

// The cycles end where they started: every object made is freed again.
TEST_F(SteadyTest, ObjectsAndHeapEndWhereTheyStarted)
{
    int nCycles = 100;
    if (const char* p = getenv("QCTL_STEADY_CYCLES"))
        nCycles = atoi(p);
    for (int i = 0; i < 8; i++) // warm-up: caches, the clipboard, first-use allocations
    {
        GridCycle(i);
        EditorCycle(i);
    }
    qtest::RunIdle();
    qtest::ResourceCounts start = qtest::CountResources();
    for (int i = 0; i < nCycles; i++)
    {
        GridCycle(i);
        EditorCycle(i);
        if (i % 100 == 99)
            qtest::RunIdle();                   // as the application's loop would now and then
        if (i % 1000 == 999 && i + 1 < nCycles) // a long run tells how far it got
        {
            qtest::ResourceCounts now = qtest::CountResources();
            printf("steady: %d cycles so far; GDI %d -> %d, USER %d -> %d, heap %lld -> %lld bytes\n", i + 1,
                   start.nGdi, now.nGdi, start.nUser, now.nUser, start.nHeap, now.nHeap);
            fflush(stdout);
        }
    }
    qtest::RunIdle();
    qtest::ResourceCounts end = qtest::CountResources();
    printf("steady: %d cycles; GDI %d -> %d, USER %d -> %d, heap %lld -> %lld bytes\n", nCycles, start.nGdi,
           end.nGdi, start.nUser, end.nUser, start.nHeap, end.nHeap);
    EXPECT_LE(std::abs(end.nGdi - start.nGdi), 2);
    EXPECT_EQ(start.nUser, end.nUser);
    EXPECT_LT(end.nHeap - start.nHeap, 96 * 1024) << "heap in use grew";
}

} // namespace
