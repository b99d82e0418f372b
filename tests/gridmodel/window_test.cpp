// The grid model on a real window: focus notifications to a recording parent, sizes from the grid
// font, the window class, scroll-bar ranges and invalidation.
#include "gridtest.h"

#include <vector>

namespace
{
struct Notification
{
    UINT code;
    int row, col;
    WPARAM wParam;
    UINT_PTR idFrom;
    HWND hwndFrom;
    CQCellID focusWhileHandled;   // what the grid answered inside the notification
};

std::vector<Notification> g_log;
CQGridCtrl* g_pGrid = nullptr;

LRESULT CALLBACK RecordingParentProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY)
    {
        const NM_GRIDVIEW* pNM = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        g_log.push_back({pNM->hdr.code, pNM->iRow, pNM->iColumn, wParam, pNM->hdr.idFrom, pNM->hdr.hwndFrom,
                         g_pGrid ? g_pGrid->GetFocusCell() : CQCellID()});
        return 0;
    }
    return ::DefWindowProcW(hWnd, msg, wParam, lParam);
}

// Leaves nothing to repaint, frame included.
void Validate(HWND hWnd)
{
    ::RedrawWindow(hWnd, NULL, NULL, RDW_VALIDATE | RDW_NOERASE | RDW_FRAME | RDW_UPDATENOW);
}

class GridWindowTest : public testing::Test
{
protected:
    // One parent for all tests: destroying a visible top-level window is slow on a display
    // without a window manager.
    static void SetUpTestSuite()
    {
        WNDCLASSW wc;
        memset(&wc, 0, sizeof(wc));
        wc.lpfnWndProc = RecordingParentProc;
        wc.hInstance = ::GetModuleHandleW(NULL);
        wc.lpszClassName = L"GridModelRecordingParent";
        ::RegisterClassW(&wc);
        m_hParent = ::CreateWindowExW(0, wc.lpszClassName, L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                                      400, NULL, NULL, wc.hInstance, NULL);
    }
    static void TearDownTestSuite() { ::DestroyWindow(m_hParent); }

    void SetUp() override
    {
        ASSERT_TRUE(::IsWindow(m_hParent));
        m_pGrid = new TestGrid(10, 6, 1, 1);
        ASSERT_TRUE(m_pGrid->Create(CRect(0, 0, 300, 200), CWnd::FromHandle(m_hParent), 1234));
        g_pGrid = m_pGrid;
        g_log.clear();
    }
    void TearDown() override
    {
        g_pGrid = nullptr;
        delete m_pGrid;
    }
    // code, row and column of every notification, then the log is emptied
    std::vector<std::vector<int>> Take()
    {
        std::vector<std::vector<int>> out;
        for (auto& n : g_log)
            out.push_back({(int)n.code, n.row, n.col});
        g_log.clear();
        return out;
    }
    using Log = std::vector<std::vector<int>>;

    static HWND m_hParent;
    TestGrid* m_pGrid = nullptr;
};
HWND GridWindowTest::m_hParent = NULL;
}  // namespace

TEST_F(GridWindowTest, FocusChangesTellTheParentBeforeAndAfter)
{
    m_pGrid->SetFocusCell(2, 3);
    ASSERT_EQ(1u, g_log.size());
    EXPECT_EQ(1234u, g_log[0].wParam);
    EXPECT_EQ(1234u, g_log[0].idFrom);
    EXPECT_EQ(m_pGrid->GetSafeHwnd(), g_log[0].hwndFrom);
    EXPECT_EQ(Log({{GVN_SELCHANGED, 2, 3}}), Take());

    m_pGrid->SetFocusCell(CQCellID(2, 4));
    ASSERT_EQ(2u, g_log.size());
    EXPECT_TRUE(g_log[0].focusWhileHandled == CQCellID(2, 4));   // already the new cell
    EXPECT_TRUE(g_log[1].focusWhileHandled == CQCellID(2, 4));
    EXPECT_EQ(Log({{GVN_SELCHANGING, 2, 3}, {GVN_SELCHANGED, 2, 4}}), Take());

    m_pGrid->SetFocusCell(2, 4);
    EXPECT_EQ(Log(), Take());

    m_pGrid->SetFocusCell(-1, -1);
    EXPECT_EQ(Log({{GVN_SELCHANGING, 2, 4}}), Take());
    EXPECT_EQ(0u, m_pGrid->GetItemState(2, 4));

    // a cell outside the grid is stored but neither announced nor marked
    m_pGrid->SetFocusCell(20, 1);
    EXPECT_EQ(Log(), Take());
    m_pGrid->SetFocusCell(3, 1);
    EXPECT_EQ(Log({{GVN_SELCHANGED, 3, 1}}), Take());
}

TEST_F(GridWindowTest, ShapeChangesLoseTheFocusThroughSetFocusCell)
{
    m_pGrid->SetFocusCell(8, 2);
    Take();
    m_pGrid->SetRowCount(8);   // the focus row goes away
    EXPECT_EQ(Log({{GVN_SELCHANGING, 8, 2}}), Take());
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID());

    // insertion and deletion reset the selection and the focus first
    m_pGrid->SetFocusCell(2, 2);
    Take();
    EXPECT_EQ(0, m_pGrid->InsertRow(L"top", 0));
    EXPECT_EQ(Log({{GVN_SELCHANGING, 2, 2}}), Take());

    m_pGrid->SetFocusCell(3, 3);
    Take();
    EXPECT_TRUE(m_pGrid->DeleteRow(3));
    EXPECT_EQ(Log({{GVN_SELCHANGING, 3, 3}}), Take());
    EXPECT_TRUE(m_pGrid->GetFocusCell() == CQCellID());

    // count changes that keep the focus cell send nothing
    m_pGrid->SetFocusCell(2, 2);
    Take();
    m_pGrid->SetRowCount(20);
    m_pGrid->SetColumnCount(3);
    m_pGrid->SetFixedRowCount(2);
    EXPECT_EQ(Log(), Take());
}

TEST_F(GridWindowTest, CreateGivesEveryRowAndColumnTheSizesOfTheGridFont)
{
    const int nRowHeight = m_pGrid->DefaultRowHeight();
    const int nColWidth = m_pGrid->DefaultColumnWidth();
    EXPECT_GT(nRowHeight, 0);
    EXPECT_GT(nColWidth, 0);
    for (int row = 0; row < m_pGrid->GetRowCount(); row++)
        EXPECT_EQ(nRowHeight, m_pGrid->GetRowHeight(row));
    for (int col = 0; col < m_pGrid->GetColumnCount(); col++)
        EXPECT_EQ(nColWidth, m_pGrid->GetColumnWidth(col));
    EXPECT_NE(nullptr, (HFONT)m_pGrid->SendMessage(WM_GETFONT));

    // later rows and columns get the default sizes; inserted ones the extent of their heading
    m_pGrid->SetRowCount(12);
    EXPECT_EQ(nRowHeight, m_pGrid->GetRowHeight(11));
    CSize extent = m_pGrid->GetTextExtent(L"A long heading", TRUE);
    EXPECT_GT(extent.cx, 0);
    EXPECT_GT(extent.cy, 0);
    EXPECT_LT(m_pGrid->GetTextExtent(L"A long heading", FALSE).cx, extent.cx + 1);
    int row = m_pGrid->InsertRow(L"A long heading", -1);
    EXPECT_EQ(extent.cy, m_pGrid->GetRowHeight(row));
    int col = m_pGrid->InsertColumn(L"A long heading", DT_LEFT, 2);
    EXPECT_EQ(extent.cx, m_pGrid->GetColumnWidth(col));
    EXPECT_GT(m_pGrid->GetTextExtent(L"WWWW", TRUE).cx, m_pGrid->GetTextExtent(L"W", TRUE).cx);
}

TEST_F(GridWindowTest, WindowClassIsRegisteredOnceWithItsStyles)
{
    WNDCLASSW wc;
    ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), GRIDCTRL_CLASSNAME, &wc));
    EXPECT_EQ((UINT)(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW), wc.style);
    EXPECT_EQ((HBRUSH)(COLOR_3DFACE + 1), wc.hbrBackground);
    EXPECT_EQ(NULL, wc.hCursor);
    EXPECT_EQ(NULL, wc.hIcon);
    EXPECT_EQ(0, wc.cbWndExtra);
    wchar_t name[64];
    ::GetClassNameW(m_pGrid->GetSafeHwnd(), name, 64);
    EXPECT_STREQ(GRIDCTRL_CLASSNAME, name);

    TestGrid second(2, 2);   // a second grid finds the class registered
    EXPECT_TRUE(second.Create(CRect(0, 210, 100, 300), CWnd::FromHandle(m_hParent), 2));
}

TEST_F(GridWindowTest, ScrollRangesFollowTheVirtualSize)
{
    for (int row = 0; row < m_pGrid->GetRowCount(); row++)
        m_pGrid->SetRowHeight(row, 40);
    for (int col = 0; col < m_pGrid->GetColumnCount(); col++)
        m_pGrid->SetColumnWidth(col, 100);
    m_pGrid->ResetScrollBars();

    CRect client;
    m_pGrid->GetClientRect(&client);
    int vMin = -1, vMax = -1, hMin = -1, hMax = -1;
    ::GetScrollRange(m_pGrid->GetSafeHwnd(), SB_VERT, &vMin, &vMax);
    ::GetScrollRange(m_pGrid->GetSafeHwnd(), SB_HORZ, &hMin, &hMax);
    EXPECT_EQ(0, vMin);
    EXPECT_EQ(0, hMin);
    // 10 rows of 40 with one fixed row, 6 columns of 100 with one fixed column
    EXPECT_EQ(client.bottom - 40 >= 360 ? 0 : 359, vMax);
    EXPECT_EQ(client.right - 100 >= 500 ? 0 : 499, hMax);
    EXPECT_LT(client.bottom, 400);

    // with drawing off nothing is reset until it is turned on again with a reset
    m_pGrid->SetRedraw(FALSE);
    m_pGrid->SetRowCount(3);
    ::GetScrollRange(m_pGrid->GetSafeHwnd(), SB_VERT, &vMin, &vMax);
    EXPECT_EQ(359, vMax);
    m_pGrid->SetRedraw(TRUE, TRUE);
    ::GetScrollRange(m_pGrid->GetSafeHwnd(), SB_VERT, &vMin, &vMax);
    EXPECT_EQ(0, vMax);
}

TEST_F(GridWindowTest, CountChangesAndGridLinesInvalidateTheClientArea)
{
    HWND hGrid = m_pGrid->GetSafeHwnd();
    Validate(hGrid);
    RECT update;
    m_pGrid->SetItemText(1, 1, L"no repaint");
    m_pGrid->SetRowHeight(1, 50);
    EXPECT_FALSE(::GetUpdateRect(hGrid, &update, FALSE));
    m_pGrid->SetGridLines(GVL_HORZ);
    EXPECT_TRUE(::GetUpdateRect(hGrid, &update, FALSE));
    Validate(hGrid);
    m_pGrid->SetColumnCount(7);
    EXPECT_TRUE(::GetUpdateRect(hGrid, &update, FALSE));
    Validate(hGrid);
    EXPECT_TRUE(m_pGrid->InvalidateCellRect(CQCellID(1, 1)));
    EXPECT_TRUE(::GetUpdateRect(hGrid, &update, FALSE));
    CRect cell;
    ASSERT_TRUE(m_pGrid->GetCellRect(1, 1, &cell));
    EXPECT_EQ(cell.right + 1, update.right);
    EXPECT_EQ(cell.bottom + 1, update.bottom);
}

TEST_F(GridWindowTest, DestructionDestroysTheWindow)
{
    HWND hGrid = m_pGrid->GetSafeHwnd();
    const int nLive = CountedCell::s_nLive;
    g_pGrid = nullptr;
    delete m_pGrid;
    m_pGrid = nullptr;
    EXPECT_FALSE(::IsWindow(hGrid));
    EXPECT_EQ(nLive - 60, CountedCell::s_nLive);
}

TEST_F(GridWindowTest, TheWindowIsADropTargetOnce)
{
    EXPECT_TRUE(m_pGrid->DropTarget().m_bRegistered);
    EXPECT_EQ(m_pGrid, m_pGrid->DropTarget().m_pGridCtrl);
    EXPECT_FALSE(m_pGrid->DropTarget().Register(m_pGrid));
    struct Dummy : IDropTarget
    {
        STDMETHOD(QueryInterface)(REFIID, void** ppv) override { *ppv = this; return S_OK; }
        STDMETHOD_(ULONG, AddRef)() override { return 1; }
        STDMETHOD_(ULONG, Release)() override { return 1; }
        STDMETHOD(DragEnter)(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
        STDMETHOD(DragOver)(DWORD, POINTL, DWORD*) override { return S_OK; }
        STDMETHOD(DragLeave)() override { return S_OK; }
        STDMETHOD(Drop)(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
    } dummy;
    EXPECT_EQ(DRAGDROP_E_ALREADYREGISTERED, ::RegisterDragDrop(m_pGrid->GetSafeHwnd(), &dummy));

    // a grid without a window cannot be registered; after Revoke the platform forgets the window
    TestGrid windowless(1, 1);
    EXPECT_FALSE(windowless.DropTarget().Register(&windowless));
    EXPECT_FALSE(windowless.DropTarget().Register(NULL));
    m_pGrid->DropTarget().Revoke();
    EXPECT_FALSE(m_pGrid->DropTarget().m_bRegistered);
    EXPECT_EQ(DRAGDROP_E_NOTREGISTERED, ::RevokeDragDrop(m_pGrid->GetSafeHwnd()));
}

TEST_F(GridWindowTest, CellExtentCountsTextMarginsBoldFixedCellsAndImages)
{
    m_pGrid->SetItemText(0, 2, L"Header");
    m_pGrid->SetItemText(2, 2, L"Header");
    CDC* pDC = m_pGrid->GetDC();
    ASSERT_NE(nullptr, pDC);
    CSize plain = m_pGrid->GetCellExtent(2, 2, pDC);
    CSize fixed = m_pGrid->GetCellExtent(0, 2, pDC);   // fixed cells are measured semi-bold
    EXPECT_GE(fixed.cx, plain.cx);
    EXPECT_EQ(plain.cy, fixed.cy);
    CSize empty = m_pGrid->GetCellExtent(2, 3, pDC);
    EXPECT_GT(plain.cx, empty.cx);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 40, ILC_COLOR24, 1, 1));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(pDC, 16, 40));
    ASSERT_EQ(0, images.Add(&bitmap, (CBitmap*)NULL));
    m_pGrid->SetImageList(&images);
    m_pGrid->SetItemImage(2, 2, 0);
    CSize withImage = m_pGrid->GetCellExtent(2, 2, pDC);
    // the image rectangle's right - left + 1 (and bottom - top + 1): one more than the image
    EXPECT_EQ(plain.cx + 17, withImage.cx);
    EXPECT_EQ(std::max<LONG>(plain.cy, 41), withImage.cy);
    m_pGrid->SetItemImage(2, 2, 5);   // no such image: text only
    EXPECT_EQ(plain.cx, m_pGrid->GetCellExtent(2, 2, pDC).cx);
    m_pGrid->SetImageList(NULL);
    m_pGrid->ReleaseDC(pDC);
}
