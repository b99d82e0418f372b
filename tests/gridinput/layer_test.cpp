// The layer pieces the grid's input needs: the growable shared memory file and binding a grid to
// a dialog's control through dialog data exchange.
#include "inputtest.h"

#include <afxadv.h>

TEST(SharedFile, GrowsInStepsAndHandsItsBlockOver)
{
    CSharedFile sf(GMEM_MOVEABLE | GMEM_SHARE, 4096);
    std::string chunk(1000, 'q');
    for (int i = 0; i < 10; i++)
    {
        chunk[0] = (char)('0' + i);
        sf.Write(chunk.data(), (UINT)chunk.size());
    }
    EXPECT_EQ(10000u, sf.GetLength());
    EXPECT_EQ(10000u, sf.GetPosition());

    sf.Seek(5000, CFile::begin);
    char buf[4] = {0};
    EXPECT_EQ(3u, sf.Read(buf, 3));
    EXPECT_STREQ("5qq", buf);
    sf.Seek(-2, CFile::end);
    EXPECT_EQ(2u, sf.Read(buf, 3)); // only what was written

    HGLOBAL h = sf.Detach();
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(12288u, ::GlobalSize(h)); // three steps of 4096
    const char* p = (const char*)::GlobalLock(h);
    EXPECT_EQ('9', p[9000]);
    EXPECT_EQ(0, p[10000]); // beyond the written bytes the block is zero
    ::GlobalUnlock(h);
    ::GlobalFree(h);
    EXPECT_EQ(0u, sf.GetLength());
    EXPECT_EQ(0u, sf.Read(buf, 3));
}

TEST_F(GridInputTest, DataExchangeBindsTheGridToTheDialogControlOnce)
{
    HWND hCtrl = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 210, 200, 100, s_hParent,
                                   (HMENU)300, ::GetModuleHandleW(NULL), NULL);
    ASSERT_NE(nullptr, hCtrl);
    CDataExchange dx(CWnd::FromHandle(s_hParent), FALSE);
    InputGrid* pGrid = new InputGrid(5, 4, 1, 1);
    DDX_GridControl(&dx, 300, *pGrid);
    EXPECT_EQ(hCtrl, pGrid->GetSafeHwnd());
    // the control's messages reach the grid now
    EXPECT_EQ((LRESULT)(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB),
              ::SendMessageW(hCtrl, WM_GETDLGCODE, 0, 0));
    EXPECT_TRUE(pGrid->DropTarget().m_bRegistered);
    // a second exchange leaves the binding alone
    DDX_GridControl(&dx, 300, *pGrid);
    EXPECT_EQ(hCtrl, pGrid->GetSafeHwnd());

    // a missing control raises the "not supported" error
    InputGrid* pOther = new InputGrid(2, 2, 0, 0);
    bool bThrown = false;
    try
    {
        DDX_GridControl(&dx, 301, *pOther);
    }
    catch (CNotSupportedException* e)
    {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(nullptr, pOther->GetSafeHwnd());
    delete pOther;
    delete pGrid; // destroys the window it was bound to
    EXPECT_FALSE(::IsWindow(hCtrl));
}

TEST_F(GridInputTest, DragImageHasTheFocusCellsSizeAndItsHotSpotAtTheCorner)
{
    CPoint hot(-1, -1);
    EXPECT_EQ(nullptr, m_pGrid->CreateDragImage(&hot)); // no focus cell
    m_pGrid->SetFocusCell(2, 2);
    CImageList* pList = m_pGrid->CreateDragImage(&hot);
    ASSERT_NE(nullptr, pList);
    EXPECT_EQ(1, pList->GetImageCount());
    CRect cell;
    ASSERT_TRUE(m_pGrid->GetCellRect(2, 2, cell));
    EXPECT_EQ(cell.Width(), hot.x);
    EXPECT_EQ(cell.Height(), hot.y);
    int cx = 0, cy = 0;
    EXPECT_TRUE(::ImageList_GetIconSize(pList->GetSafeHandle(), &cx, &cy));
    EXPECT_EQ(cell.Width(), cx);
    EXPECT_EQ(cell.Height(), cy);
    delete pList;
}
