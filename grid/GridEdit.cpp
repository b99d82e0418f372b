// CQGridCtrl: in-place editing, grid side. OnEditCell lays the editor named by the cell's editor
// style over the cell; the editor owns itself and reports back with the end-of-edit record, which
// OnEndInPlaceEdit turns into the stored text, the modified flag, the parent's notifications and,
// for the navigation keys, an edit of the neighbouring cell. The grid keeps no pointer to an
// editor.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridSelection.h"
#include "grid/QInPlaceEdit.h"
#include "grid/QInPlaceList.h"

namespace
{
// Editor styles of a cell.
enum
{
    EDITOR_TEXT = 0,
    EDITOR_NUMBER = 1,
    EDITOR_NUMBER_2 = 2,
    EDITOR_LIST = 3,
    EDITOR_COMBO = 4,
    EDITOR_COMBO_NUMBER = 5,
    EDITOR_LIST_2 = 6,
    EDITOR_NONE = 7,
    EDITOR_BUTTON = 8
};

// An editor whose window could not be made never frees itself.
template <class T> void DiscardWithoutWindow(T* pEditor)
{
    if (pEditor->GetSafeHwnd() == NULL)
        delete pEditor;
}
} // namespace

void CQGridCtrl::OnEndEditCell(int nRow, int nCol, CString str)
{
    SetItemText(nRow, nCol, str);
}

void CQGridCtrl::OnEditCell(int nRow, int nCol, UINT nChar)
{
    EnsureVisible(nRow, nCol);

    if (!::IsWindow(m_hWnd) || !IsValid(nRow, nCol) || !IsCellEditable(nRow, nCol) ||
        !IsCellVisible(nRow, nCol))
        return;
    CRect rect;
    if (!GetCellRect(nRow, nCol, rect))
        return;

    // The parent is told; it cannot refuse, but it may take the grid's window away.
    HWND hWnd = m_hWnd;
    SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT);
    if (!::IsWindow(hWnd))
        return;

    GV_ITEM Item;
    Item.mask = GV_MASK_TEXT | GV_MASK_FORMAT;
    Item.row = nRow;
    Item.col = nCol;
    if (!GetItem(&Item))
        return;

    DWORD dwStyle = ES_LEFT;
    if (Item.format & DT_RIGHT)
        dwStyle = ES_RIGHT;
    else if (Item.format & DT_CENTER)
        dwStyle = ES_CENTER;

    switch (GetCellStyle(nRow, nCol))
    {
    case EDITOR_TEXT:
        CreateInPlaceEditControl(rect, dwStyle, IDC_INPLACE_CONTROL, nRow, nCol, Item.text, (int)nChar);
        break;
    case EDITOR_NUMBER:
        CreateInPlaceNumEditControl(rect, dwStyle, IDC_INPLACE_CONTROL, nRow, nCol, Item.text, (int)nChar, 0);
        break;
    case EDITOR_NUMBER_2:
        CreateInPlaceNumEditControl(rect, dwStyle, IDC_INPLACE_CONTROL, nRow, nCol, Item.text, (int)nChar, 1);
        break;
    case EDITOR_LIST:
        CreateInPlaceListControl(rect, dwStyle, IDC_INPLACE_CONTROL, nRow, nCol, Item.text, (int)nChar, 0);
        break;
    case EDITOR_COMBO:
        CreateInPlaceComControl(rect, dwStyle, IDC_INPLACE_CONTROL, nRow, nCol, Item.text, (int)nChar, 0);
        break;
    case EDITOR_COMBO_NUMBER:
        CreateInPlaceComControl(rect, dwStyle, IDC_INPLACE_CONTROL, nRow, nCol, Item.text, (int)nChar, 1);
        break;
    case EDITOR_LIST_2:
        CreateInPlaceListControl(rect, dwStyle, IDC_INPLACE_CONTROL, nRow, nCol, Item.text, (int)nChar, 1);
        break;
    case EDITOR_BUTTON:
        CreateInPlaceButton(rect, dwStyle, IDC_INPLACE_CONTROL, nRow, nCol, Item.text, (int)nChar, 1);
        break;
    case EDITOR_NONE:
    default: break;
    }
}

// --- making the editors -------------------------------------------------------------------------

void CQGridCtrl::CreateInPlaceEditControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                          LPCTSTR szText, int nChar)
{
    DiscardWithoutWindow(new CQInPlaceEdit(this, rect, dwStyle, nID, nRow, nCol, szText, (UINT)nChar));
}

void CQGridCtrl::CreateInPlaceNumEditControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                             LPCTSTR szText, int nChar, int nFlag)
{
    DiscardWithoutWindow(
        new CQInPlaceNumEdit(this, rect, dwStyle, nID, nRow, nCol, szText, (UINT)nChar, nFlag));
}

void CQGridCtrl::CreateInPlaceListControl(CRect& rect, DWORD /*dwStyle*/, UINT nID, int nRow, int nCol,
                                          LPCTSTR szText, int nChar, int /*nFlag*/)
{
    CStringArray Items;
    GetCellListArray(nRow, nCol, Items);
    DiscardWithoutWindow(
        new CQInPlaceList(this, rect, CBS_DROPDOWNLIST, nID, nRow, nCol, Items, szText, (UINT)nChar, FALSE));
}

void CQGridCtrl::CreateInPlaceComControl(CRect& rect, DWORD /*dwStyle*/, UINT nID, int nRow, int nCol,
                                         LPCTSTR szText, int nChar, int nFlag)
{
    CStringArray Items;
    GetCellListArray(nRow, nCol, Items);
    DiscardWithoutWindow(new CQInPlaceList(this, rect, CBS_DROPDOWN, nID, nRow, nCol, Items, szText,
                                           (UINT)nChar, (BOOL)nFlag));
}

void CQGridCtrl::CreateInPlaceButton(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol, LPCTSTR szText,
                                     int nChar, int /*nFlag*/)
{
    DiscardWithoutWindow(new CQInplaceButton(this, rect, dwStyle, nID, nRow, nCol, szText, (UINT)nChar));
}

// --- the end of an edit -------------------------------------------------------------------------

void CQGridCtrl::OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pResult != NULL)
        *pResult = 0;
    if (!::IsWindow(m_hWnd) || pNMHDR == NULL)
        return;
    // Only the editors laid over this grid send the record.
    if (pNMHDR->hwndFrom == NULL || ::GetParent(pNMHDR->hwndFrom) != m_hWnd)
        return;

    const GV_DISPINFO* pDispInfo = reinterpret_cast<const GV_DISPINFO*>(pNMHDR);
    const int nRow = pDispInfo->iRow;
    const int nCol = pDispInfo->iColumn;
    const UINT nKey = pDispInfo->nLastKey;
    const CString str = pDispInfo->strText;
    if (!IsValid(nRow, nCol))
        return;

    if (nKey != VK_ESCAPE && GetItemText(nRow, nCol) != str)
        SetModified(TRUE);
    OnEndEditCell(nRow, nCol, str);
    InvalidateCellRect(CQCellID(nRow, nCol));

    HWND hWnd = m_hWnd;
    SendMessageToParent(nRow, nCol, GVN_ENDLABELEDIT);
    if (!::IsWindow(hWnd))
        return;

    switch (nKey)
    {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        OnKeyDown(nKey, 0, 0);
        OnEditCell(m_pSelection->m_idCurrentCell.row, m_pSelection->m_idCurrentCell.col, nKey);
        break;
    default: break;
    }
}
