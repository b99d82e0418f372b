// CQGridCtrl: dragging cells out and dropping text in. A drag carries the same text block as the
// clipboard; Ctrl chooses a copy, otherwise the cells move (the source cells that the drop did not
// overwrite are emptied afterwards). The cell under the pointer is marked as the drop target.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridInput.h"

#include <afxole.h>

namespace
{
DROPEFFECT EffectOfKeys(DWORD dwKeyState)
{
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
} // namespace

void CQGridCtrl::OnBeginDrag()
{
    if (!m_bAllowDragAndDrop)
        return;

    COleDataSource* pSource = CopyTextFromGrid();
    if (pSource == NULL)
        return;

    CQCellID topLeft = GetSelectedCellRange().GetTopLeft();
    SendMessageToParent(topLeft.row, topLeft.col, GVN_BEGINDRAG);

    m_pInput->m_MouseMode = MOUSE_DRAGGING;
    DROPEFFECT dropEffect = pSource->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
    if (dropEffect & DROPEFFECT_MOVE)
        CutSelectedText();
    delete pSource;
}

DROPEFFECT CQGridCtrl::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_bAllowDragAndDrop || pDataObject == NULL || !pDataObject->IsDataAvailable(CF_TEXT))
        return DROPEFFECT_NONE;

    m_LastDragOverCell = GetCellFromPt(point, FALSE);
    if (!IsValid(m_LastDragOverCell) || !IsCellEditable(m_LastDragOverCell))
        return DROPEFFECT_NONE;

    SetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col,
                 GetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col) | GV_STATE_DROPTARGET);
    RedrawCell(m_LastDragOverCell);
    return EffectOfKeys(dwKeyState);
}

DROPEFFECT CQGridCtrl::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_bAllowDragAndDrop || !IsEditable() || pDataObject == NULL ||
        !pDataObject->IsDataAvailable(CF_TEXT))
        return DROPEFFECT_NONE;

    CQCellID cell = GetCellFromPt(point, FALSE);
    if (!IsValid(cell))
    {
        OnDragLeave();
        m_LastDragOverCell = CQCellID(-1, -1);
        return DROPEFFECT_NONE;
    }
    if (!IsCellEditable(cell))
        return DROPEFFECT_NONE; // the mark stays where it was

    DROPEFFECT effect = EffectOfKeys(dwKeyState);
    if (cell == m_LastDragOverCell)
        return effect;

    if (IsValid(m_LastDragOverCell))
    {
        SetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col,
                     GetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col) & ~GV_STATE_DROPTARGET);
        RedrawCell(m_LastDragOverCell);
    }
    m_LastDragOverCell = cell;
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GV_STATE_DROPTARGET);
    RedrawCell(cell);
    return effect;
}

void CQGridCtrl::OnDragLeave()
{
    if (!IsValid(m_LastDragOverCell))
        return;
    SetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col,
                 GetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col) & ~GV_STATE_DROPTARGET);
    RedrawCell(m_LastDragOverCell);
}

BOOL CQGridCtrl::OnDrop(COleDataObject* pDataObject, DROPEFFECT /*dropEffect*/, CPoint /*point*/)
{
    if (!m_bAllowDragAndDrop || !IsValid(m_LastDragOverCell) || !IsCellEditable(m_LastDragOverCell))
        return FALSE;

    m_pInput->m_MouseMode = MOUSE_NOTHING;
    OnDragLeave();
    return PasteTextToGrid(m_LastDragOverCell, pDataObject);
}

// An image of the focus cell for derived grids that show one while dragging; the hot spot is the
// image's bottom-right corner.
CImageList* CQGridCtrl::CreateDragImage(CPoint* pHotSpot)
{
    CDC* pDC = GetDC();
    if (pDC == NULL)
        return NULL;

    CRect rect;
    CQCellID cell = GetFocusCell();
    if (!GetCellRect(cell.row, cell.col, rect))
    {
        ReleaseDC(pDC);
        return NULL;
    }
    rect.OffsetRect(-rect.left, -rect.top);

    CImageList* pList = new CImageList;
    if (!pList->Create(rect.Width(), rect.Height(), ILC_MASK, 1, 1))
    {
        delete pList;
        ReleaseDC(pDC);
        return NULL;
    }

    CDC memDC;
    CBitmap bitmap;
    if (memDC.CreateCompatibleDC(pDC) && bitmap.CreateCompatibleBitmap(pDC, rect.Width(), rect.Height()))
    {
        CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
        DrawCell(&memDC, cell.row, cell.col, rect, TRUE);
        memDC.SelectObject(pOldBitmap);
        pList->Add(&bitmap, GetTextBkColor());
    }
    ReleaseDC(pDC);

    if (pHotSpot != NULL)
    {
        pHotSpot->x = rect.Width();
        pHotSpot->y = rect.Height();
    }
    return pList;
}
