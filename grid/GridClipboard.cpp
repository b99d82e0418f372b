// CQGridCtrl: clipboard and drag-and-drop. Cutting empties the selected editable cells; the text
// transfer through OLE data objects (copy, paste, drag and drop) comes with the clipboard feature:
// until then no data source is made, nothing is pasted and drops are refused.
#include "grid/QGridCtrl.h"

#include <afxole.h>

// Empties every selected editable cell (EmptyCell also takes it out of the selection); read-only
// cells keep their text and stay selected.
void CQGridCtrl::CutSelectedText()
{
    if (!IsEditable())
        return;

    CArray<CQCellID, CQCellID&> cells;
    POSITION pos = m_SelectedCellMap.GetStartPosition();
    while (pos != NULL)
    {
        unsigned long key;
        CQCellID cell;
        m_SelectedCellMap.GetNextAssoc(pos, key, cell);
        cells.Add(cell);
    }
    for (INT_PTR i = 0; i < cells.GetSize(); i++)
    {
        CQCellID cell = cells[i];
        if (!IsCellEditable(cell))
            continue;
        CQGridCell* pCell = GetCell(cell.row, cell.col);
        if (pCell == NULL)
            continue;
        EmptyCell(pCell, cell.row, cell.col);
        SetModified(TRUE);
    }
    if (::IsWindow(m_hWnd))
        Invalidate();
}

COleDataSource* CQGridCtrl::CopyTextFromGrid()
{
    return NULL;
}

BOOL CQGridCtrl::PasteTextToGrid(CQCellID /*cell*/, COleDataObject* /*pDataObject*/)
{
    return FALSE;
}

void CQGridCtrl::OnEditCut()
{
}

void CQGridCtrl::OnEditCopy()
{
}

void CQGridCtrl::OnEditPaste()
{
}

CImageList* CQGridCtrl::CreateDragImage(CPoint* /*pHotSpot*/)
{
    return NULL;
}

DROPEFFECT CQGridCtrl::OnDragEnter(COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/, CPoint /*point*/)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT CQGridCtrl::OnDragOver(COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/, CPoint /*point*/)
{
    return DROPEFFECT_NONE;
}

void CQGridCtrl::OnDragLeave()
{
}

BOOL CQGridCtrl::OnDrop(COleDataObject* /*pDataObject*/, DROPEFFECT /*dropEffect*/, CPoint /*point*/)
{
    return FALSE;
}
