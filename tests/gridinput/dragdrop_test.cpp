// Drag and drop: the drop target's enter, over, leave, drop and scroll calls with a real data
// object, and whole drags through the platform's drag loop between two grids and within one, as a
// move and as a copy.
#include "inputtest.h"

#include <afxole.h>

namespace
{
// A data source offering text as CF_TEXT and a data object reading it.
struct TextData
{
    explicit TextData(const char* text)
    {
        size_t n = strlen(text) + 1;
        HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, n);
        memcpy(::GlobalLock(h), text, n);
        ::GlobalUnlock(h);
        source.CacheGlobalData(CF_TEXT, h);
        object.Attach(source.GetInterface(), FALSE);
    }
    COleDataSource source;
    COleDataObject object;
};

UINT DropMark(CQGridCtrl* pGrid, int nRow, int nCol)
{
    return pGrid->GetItemState(nRow, nCol) & GV_STATE_DROPTARGET;
}
} // namespace

TEST_F(GridInputTest, DropTargetMarksTheCellUnderThePointerAndPastesOnDrop)
{
    m_pGrid->EnableDragAndDrop(TRUE);
    CQGridDropTarget& target = m_pGrid->DropTarget();
    CWnd* pWnd = CWnd::FromHandle(m_pGrid->GetSafeHwnd());
    TextData data("d1\td2");

    EXPECT_EQ(DROPEFFECT_COPY, target.OnDragEnter(pWnd, &data.object, MK_CONTROL, Mid(2, 2)));
    EXPECT_NE(0u, DropMark(m_pGrid, 2, 2));
    EXPECT_EQ(DROPEFFECT_MOVE, target.OnDragOver(pWnd, &data.object, 0, Mid(3, 3)));
    EXPECT_EQ(0u, DropMark(m_pGrid, 2, 2));
    EXPECT_NE(0u, DropMark(m_pGrid, 3, 3));
    EXPECT_EQ(DROPEFFECT_COPY, target.OnDragOver(pWnd, &data.object, MK_CONTROL, Mid(3, 3)));

    // a read-only cell refuses and the mark stays where it was
    m_pGrid->SetItemState(4, 4, GV_STATE_READONLY);
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragOver(pWnd, &data.object, 0, Mid(4, 4)));
    EXPECT_NE(0u, DropMark(m_pGrid, 3, 3));

    // over a header (fixed cells do not count) the mark goes
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragOver(pWnd, &data.object, 0, Mid(0, 3)));
    EXPECT_EQ(0u, DropMark(m_pGrid, 3, 3));
    EXPECT_FALSE(m_pGrid->IsValid(m_pGrid->LastDragOverCell()));

    // leaving clears the mark but remembers the cell
    EXPECT_EQ(DROPEFFECT_MOVE, target.OnDragOver(pWnd, &data.object, 0, Mid(3, 3)));
    target.OnDragLeave(pWnd);
    EXPECT_EQ(0u, DropMark(m_pGrid, 3, 3));
    EXPECT_TRUE(m_pGrid->LastDragOverCell() == CQCellID(3, 3));

    m_pGrid->SetMouseMode(MOUSE_DRAGGING);
    EXPECT_TRUE(target.OnDrop(pWnd, &data.object, DROPEFFECT_MOVE, Mid(3, 3)));
    EXPECT_EQ(MOUSE_NOTHING, m_pGrid->GetMouseMode());
    EXPECT_EQ(CString(L"d1"), m_pGrid->GetItemText(3, 3));
    EXPECT_EQ(CString(L"d2"), m_pGrid->GetItemText(3, 4));

    // scrolling is never asked for; the effect follows Ctrl
    EXPECT_EQ(DROPEFFECT_COPY, target.OnDragScroll(pWnd, MK_CONTROL, Mid(3, 3)));
    EXPECT_EQ(DROPEFFECT_MOVE, target.OnDragScroll(pWnd, 0, Mid(3, 3)));
}

TEST_F(GridInputTest, DropTargetRefusesOtherWindowsDataAndDisabledGrids)
{
    CQGridDropTarget& target = m_pGrid->DropTarget();
    CWnd* pWnd = CWnd::FromHandle(m_pGrid->GetSafeHwnd());
    CWnd* pOther = CWnd::FromHandle(s_hParent);
    TextData data("x");

    // drag-and-drop is off by default
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragEnter(pWnd, &data.object, 0, Mid(2, 2)));
    EXPECT_FALSE(target.OnDrop(pWnd, &data.object, DROPEFFECT_MOVE, Mid(2, 2)));

    m_pGrid->EnableDragAndDrop(TRUE);
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragEnter(pOther, &data.object, 0, Mid(2, 2)));
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragOver(pOther, &data.object, 0, Mid(2, 2)));
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragScroll(pOther, MK_CONTROL, Mid(2, 2)));
    EXPECT_FALSE(target.OnDrop(pOther, &data.object, DROPEFFECT_MOVE, Mid(2, 2)));
    EXPECT_EQ(CString(L""), m_pGrid->GetItemText(2, 2));

    // an object without text
    COleDataSource noText;
    COleDataObject noTextObject;
    noTextObject.Attach(noText.GetInterface(), FALSE);
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragEnter(pWnd, &noTextObject, 0, Mid(2, 2)));
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragOver(pWnd, &noTextObject, 0, Mid(2, 2)));

    // a read-only grid takes no drop
    m_pGrid->SetEditable(FALSE);
    EXPECT_EQ(DROPEFFECT_NONE, target.OnDragOver(pWnd, &data.object, 0, Mid(2, 2)));
    EXPECT_FALSE(target.OnDrop(pWnd, &data.object, DROPEFFECT_MOVE, Mid(2, 2)));

    // registration: once per grid
    EXPECT_TRUE(target.m_bRegistered);
    EXPECT_FALSE(target.Register(m_pGrid));
    target.Revoke();
    EXPECT_FALSE(target.m_bRegistered);
    EXPECT_FALSE(target.Register(NULL));
    EXPECT_TRUE(target.Register(m_pGrid));
}

class GridDragLoopTest : public GridInputTest
{
protected:
    // Selects row 2's cells 1 and 2 of the source grid and drags them by a press and a move; the
    // pointer waits over the target cell and the button is up, so the loop drops at once.
    void Drag(InputGrid* pSource, InputGrid* pTarget, CQCellID targetCell, bool ctrl)
    {
        pSource->SetItemText(2, 1, L"m1");
        pSource->SetItemText(2, 2, L"m2");
        pSource->SetSelectedRange(2, 1, 2, 2);
        pSource->SetFocusCell(2, 1);
        pSource->SetFocus();

        CRect cell;
        ASSERT_TRUE(pTarget->GetCellRect(targetCell.row, targetCell.col, cell));
        CPoint screen = cell.CenterPoint();
        pTarget->ClientToScreen(&screen);
        ::SetCursorPos(screen.x, screen.y);
        CPoint now;
        ::GetCursorPos(&now);
        if (now != screen)
            GTEST_SKIP() << "the pointer cannot be moved on this display";

        InputGrid* pSaved = m_pGrid;
        m_pGrid = pSource;
        CPoint from = Mid(2, 2);
        Down(from);
        EXPECT_EQ(MOUSE_PREPARE_DRAG, pSource->GetMouseMode());
        SetModifiers(false, ctrl);
        Move(CPoint(from.x + 5, from.y), MK_LBUTTON | (ctrl ? MK_CONTROL : 0));
        SetModifiers(false, false);
        m_pGrid = pSaved;
        Pump();
    }
};

TEST_F(GridDragLoopTest, MovingToAnotherGridEmptiesTheSourceAndCopyingWithCtrlKeepsIt)
{
    InputGrid* pTarget = MakeGrid(12, 6, 101, 320);
    ASSERT_NE(nullptr, pTarget);
    m_pGrid->EnableDragAndDrop(TRUE);
    pTarget->EnableDragAndDrop(TRUE);
    Notes();
    Drag(m_pGrid, pTarget, CQCellID(5, 2), false);
    if (IsSkipped())
        return;
    EXPECT_EQ(CString(L"m1"), pTarget->GetItemText(5, 2));
    EXPECT_EQ(CString(L"m2"), pTarget->GetItemText(5, 3));
    EXPECT_EQ(CString(L""), m_pGrid->GetItemText(2, 1));
    EXPECT_EQ(CString(L""), m_pGrid->GetItemText(2, 2));
    EXPECT_EQ(0u, DropMark(pTarget, 5, 2));
    // the press moves the focus to the pressed cell, then the drag starts with the top-left cell
    EXPECT_EQ(
        Log({{GVN_SELCHANGED, 2, 1}, {GVN_SELCHANGING, 2, 1}, {GVN_SELCHANGED, 2, 2}, {GVN_BEGINDRAG, 2, 1}}),
        Notes());

    Drag(m_pGrid, pTarget, CQCellID(7, 1), true);
    EXPECT_EQ(CString(L"m1"), pTarget->GetItemText(7, 1));
    EXPECT_EQ(CString(L"m2"), pTarget->GetItemText(7, 2));
    EXPECT_EQ(CString(L"m1"), m_pGrid->GetItemText(2, 1));
    EXPECT_EQ(CString(L"m2"), m_pGrid->GetItemText(2, 2));
}

TEST_F(GridDragLoopTest, MovingWithinOneGridEmptiesOnlyTheCellsNotOverwritten)
{
    m_pGrid->EnableDragAndDrop(TRUE);
    Drag(m_pGrid, m_pGrid, CQCellID(2, 2), false);
    if (IsSkipped())
        return;
    EXPECT_EQ(CString(L""), m_pGrid->GetItemText(2, 1));
    EXPECT_EQ(CString(L"m1"), m_pGrid->GetItemText(2, 2));
    EXPECT_EQ(CString(L"m2"), m_pGrid->GetItemText(2, 3));
}

TEST_F(GridDragLoopTest, AReleaseWithoutMovingClearsTheSelection)
{
    m_pGrid->EnableDragAndDrop(TRUE);
    m_pGrid->SetSelectedRange(2, 1, 2, 2);
    m_pGrid->SetFocusCell(2, 1);
    m_pGrid->SetFocus();
    Down(Mid(2, 2));
    EXPECT_EQ(MOUSE_PREPARE_DRAG, m_pGrid->GetMouseMode());
    Up(Mid(2, 2));
    EXPECT_EQ(0, m_pGrid->GetSelectedCount());
    EXPECT_FALSE(m_pGrid->IsValid(m_pGrid->GetFocusCell()));

    // the first press into a grid without the focus selects instead of dragging
    m_pGrid->SetSelectedRange(2, 1, 2, 2);
    ::SetFocus(s_hParent);
    Down(Mid(2, 2));
    EXPECT_EQ(MOUSE_SELECT_CELLS, m_pGrid->GetMouseMode());
    Up(Mid(2, 2));
}
