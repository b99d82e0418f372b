// CQGridCtrl: item access. Every property is one cell of the store away (GridStore.cpp: two array
// look-ups), so every single-property access takes constant time; getters read without making a
// cell, setters make it. Outside the grid the getters return 0 (GetItemImage -1), the setters
// FALSE; none of them repaints. Also the grid's own CreateCell and EmptyCell.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridAxis.h"

namespace
{
// One property of a cell, or the value outside the grid.
template <class T> T Read(const CQGridCell* pCell, T CQGridCell::*pField, T outside)
{
    return pCell ? pCell->*pField : outside;
}

// One property written into a cell; FALSE outside the grid.
template <class T> BOOL Write(CQGridCell* pCell, T CQGridCell::*pField, const T& value)
{
    if (pCell == NULL)
        return FALSE;
    pCell->*pField = value;
    return TRUE;
}
} // namespace

// A new cell copies the format of the cell above it, except in row 0 and column 0, and takes the
// grid's font description.
CQGridCell* CQGridCtrl::CreateCell(int nRow, int nCol)
{
    CQGridCell* pCell = new CQGridCell;
    UINT nFormat;
    if (nRow > 0 && nCol > 0 && nCol < m_pCols->GetCount() && CellFormat(nRow - 1, nCol, &nFormat))
        pCell->m_nFormat = nFormat;
    memcpy(&pCell->m_lfFont, &m_Logfont, sizeof(LOGFONTW));
    return pCell;
}

// Called on every cell just before it is deleted: it leaves the selected set and drops its text.
void CQGridCtrl::EmptyCell(CQGridCell* cell, int nRow, int nCol)
{
    SetItemState(nRow, nCol, 0);
    if (cell)
        cell->m_strText.Empty();
}

// --- the item record ----------------------------------------------------------------------------

BOOL CQGridCtrl::GetItem(GV_ITEM* pItem)
{
    if (pItem == NULL)
        return FALSE;
    const CQGridCell* pCell = CellToRead(pItem->row, pItem->col);
    if (pCell == NULL)
        return FALSE;

    // The text goes through the virtual accessor so that a derived grid can supply it.
    if (pItem->mask & GV_MASK_TEXT)
        pItem->text = GetItemText(pItem->row, pItem->col);
    if (pItem->mask & GV_MASK_DATA)
        pItem->data = pCell->m_lParam;
    if (pItem->mask & GV_MASK_IMAGE)
        pItem->image = pCell->m_nImage;
    if (pItem->mask & GV_MASK_STATE)
        pItem->state = pCell->m_nState;
    if (pItem->mask & GV_MASK_FORMAT)
        CellFormat(pItem->row, pItem->col, &pItem->format);
    if (pItem->mask & GV_MASK_BKCOLOUR)
        pItem->bkColour = pCell->m_crBkClr;
    if (pItem->mask & GV_MASK_FGCOLOUR)
        pItem->fgColour = pCell->m_crFgClr;
    if (pItem->mask & GV_MASK_FONT)
        memcpy(&pItem->font, CellFont(pItem->row, pItem->col), sizeof(LOGFONTW));
    return TRUE;
}

// The state is written as it is, without the selected-set upkeep of SetItemState.
BOOL CQGridCtrl::SetItem(const GV_ITEM* pItem)
{
    if (pItem == NULL)
        return FALSE;
    CQGridCell* pCell = GetCell(pItem->row, pItem->col);
    if (pCell == NULL)
        return FALSE;

    if (pItem->mask & GV_MASK_TEXT)
        pCell->m_strText = pItem->text;
    if (pItem->mask & GV_MASK_DATA)
        pCell->m_lParam = pItem->data;
    if (pItem->mask & GV_MASK_IMAGE)
        pCell->m_nImage = pItem->image;
    if (pItem->mask & GV_MASK_STATE)
        pCell->m_nState = pItem->state;
    if (pItem->mask & GV_MASK_FORMAT)
        pCell->m_nFormat = pItem->format;
    if (pItem->mask & GV_MASK_BKCOLOUR)
        pCell->m_crBkClr = pItem->bkColour;
    if (pItem->mask & GV_MASK_FGCOLOUR)
        pCell->m_crFgClr = pItem->fgColour;
    if (pItem->mask & GV_MASK_FONT)
        memcpy(&pCell->m_lfFont, &pItem->font, sizeof(LOGFONTW));
    return TRUE;
}

// --- single properties --------------------------------------------------------------------------
// Getters read a cell not made yet without making it; setters make it.

CString CQGridCtrl::GetItemText(int nRow, int nCol) const
{
    return CellText(nRow, nCol);
}

BOOL CQGridCtrl::SetItemText(int nRow, int nCol, LPCTSTR str)
{
    return SetCellText(nRow, nCol, str);
}

BOOL CQGridCtrl::SetItemData(int nRow, int nCol, LPARAM lParam)
{
    return Write(GetCell(nRow, nCol), &CQGridCell::m_lParam, lParam);
}

LPARAM CQGridCtrl::GetItemData(int nRow, int nCol) const
{
    return Read(CellToRead(nRow, nCol), &CQGridCell::m_lParam, (LPARAM)0);
}

BOOL CQGridCtrl::SetItemImage(int nRow, int nCol, int iImage)
{
    return Write(GetCell(nRow, nCol), &CQGridCell::m_nImage, iImage);
}

int CQGridCtrl::GetItemImage(int nRow, int nCol) const
{
    return Read(CellToRead(nRow, nCol), &CQGridCell::m_nImage, -1);
}

// Keeps the selected set equal to the cells whose state has GV_STATE_SELECTED.
BOOL CQGridCtrl::SetItemState(int nRow, int nCol, UINT state)
{
    CQGridCell* pCell = GetCell(nRow, nCol);
    if (pCell == NULL)
        return FALSE;

    if ((pCell->m_nState & GV_STATE_SELECTED) && !(state & GV_STATE_SELECTED))
    {
        m_SelectedCellMap.RemoveKey(GridCellKey(nRow, nCol));
    }
    else if (!(pCell->m_nState & GV_STATE_SELECTED) && (state & GV_STATE_SELECTED))
    {
        CQCellID cell(nRow, nCol);
        m_SelectedCellMap.SetAt(GridCellKey(nRow, nCol), cell);
    }
    pCell->m_nState = state;
    return TRUE;
}

UINT CQGridCtrl::GetItemState(int nRow, int nCol) const
{
    return Read(CellToRead(nRow, nCol), &CQGridCell::m_nState, 0u);
}

BOOL CQGridCtrl::SetItemFormat(int nRow, int nCol, UINT nFormat)
{
    return Write(GetCell(nRow, nCol), &CQGridCell::m_nFormat, nFormat);
}

UINT CQGridCtrl::GetItemFormat(int nRow, int nCol) const
{
    UINT nFormat = 0;
    CellFormat(nRow, nCol, &nFormat);
    return nFormat;
}

BOOL CQGridCtrl::SetItemBkColour(int nRow, int nCol, COLORREF cr)
{
    return Write(GetCell(nRow, nCol), &CQGridCell::m_crBkClr, cr);
}

COLORREF CQGridCtrl::GetItemBkColour(int nRow, int nCol) const
{
    return Read(CellToRead(nRow, nCol), &CQGridCell::m_crBkClr, (COLORREF)0);
}

BOOL CQGridCtrl::SetItemFgColour(int nRow, int nCol, COLORREF cr)
{
    return Write(GetCell(nRow, nCol), &CQGridCell::m_crFgClr, cr);
}

COLORREF CQGridCtrl::GetItemFgColour(int nRow, int nCol) const
{
    return Read(CellToRead(nRow, nCol), &CQGridCell::m_crFgClr, (COLORREF)0);
}

BOOL CQGridCtrl::SetItemFont(int nRow, int nCol, LOGFONTW* lf)
{
    if (lf == NULL)
        return FALSE;
    return Write(GetCell(nRow, nCol), &CQGridCell::m_lfFont, *lf);
}

LOGFONTW* CQGridCtrl::GetItemFont(int nRow, int nCol)
{
    CQGridCell* pCell = GetCell(nRow, nCol);
    return pCell ? &pCell->m_lfFont : NULL;
}

// --- editor style and choices -------------------------------------------------------------------

void CQGridCtrl::SetCellStyle(int nRow, int nCol, UINT nStyle)
{
    Write(GetCell(nRow, nCol), &CQGridCell::m_nStyle, nStyle > 8 ? 0u : nStyle);
}

UINT CQGridCtrl::GetCellStyle(int nRow, int nCol) const
{
    return Read(CellToRead(nRow, nCol), &CQGridCell::m_nStyle, 0u);
}

void CQGridCtrl::SetCellListType(int nRow, int nCol, CString strType)
{
    Write(GetCell(nRow, nCol), &CQGridCell::m_strListType, strType);
}

CString CQGridCtrl::GetCellListType(int nRow, int nCol) const
{
    return Read(CellToRead(nRow, nCol), &CQGridCell::m_strListType, CString());
}

void CQGridCtrl::SetCellListArray(int nRow, int nCol, CStringArray& arItems)
{
    CQGridCell* pCell = GetCell(nRow, nCol);
    if (pCell == NULL)
        return;
    if (&pCell->m_arListItems != &arItems)
        pCell->m_arListItems.Copy(arItems);
    if (pCell->m_arListItems.GetSize() > 0)
        pCell->m_strText = pCell->m_arListItems[0];
    else
        pCell->m_strText.Empty();
}

void CQGridCtrl::GetCellListArray(int nRow, int nCol, CStringArray& arItems) const
{
    const CQGridCell* pCell = CellToRead(nRow, nCol);
    if (pCell == NULL)
        return;
    if (&pCell->m_arListItems == &arItems)
        return;
    arItems.RemoveAll();
    arItems.Copy(pCell->m_arListItems);
}

BOOL CQGridCtrl::IsCellEditable(int nRow, int nCol) const
{
    return m_bEditable && !(GetItemState(nRow, nCol) & GV_STATE_READONLY);
}

BOOL CQGridCtrl::IsCellEditable(CQCellID& cell) const
{
    return IsCellEditable(cell.row, cell.col);
}
