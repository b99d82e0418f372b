// CQGridCtrl: the keyboard. Keys move the focus cell (Tab wraps to the next or previous row, pages
// follow the scrolled rows), select the new cell (Shift extends from the anchor), and start edits,
// deletions and the clipboard commands.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridAxis.h"
#include "grid/internal/QGridInput.h"

#include <algorithm>

namespace
{
bool IsShiftPressed()
{
    return (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

bool IsCtrlPressed()
{
    return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}
} // namespace

UINT CQGridCtrl::OnGetDlgCode()
{
    UINT nCode = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_bHandleTabKey && !IsCtrlPressed())
        nCode |= DLGC_WANTTAB;
    return nCode;
}

void CQGridCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsCtrlPressed() && m_MouseMode == MOUSE_NOTHING)
    {
        if (!(m_bHandleTabKey && nChar == VK_TAB))
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, nChar);
    }
    CWnd::OnChar(nChar, nRepCnt, nFlags);
}

void CQGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsValid(m_idCurrentCell))
    {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }

    CQCellID next = m_idCurrentCell;
    BOOL bChangeLine = FALSE; // Tab wrapped to another row
    const BOOL bShift = IsShiftPressed();

    if (IsCtrlPressed())
    {
        switch (nChar)
        {
        case 'A': OnEditSelectAll(); break;
        case 'C': OnEditCopy(); break;
        case 'V': OnEditPaste(); break;
        case 'X': OnEditCut(); break;
        default: break;
        }
    }

    const int nLastRow = m_pRows->GetCount() - 1;
    const int nLastCol = m_pCols->GetCount() - 1;
    switch (nChar)
    {
    case VK_DELETE:
        if (IsCellEditable(m_idCurrentCell.row, m_idCurrentCell.col))
        {
            SetItemText(m_idCurrentCell.row, m_idCurrentCell.col, L"");
            RedrawCell(m_idCurrentCell);
            SetModified(TRUE);
        }
        break;

    case VK_TAB:
        if (bShift)
        {
            if (next.col > m_pCols->GetFixed())
                next.col--;
            else if (next.col == m_pCols->GetFixed() && next.row > m_pRows->GetFixed())
            {
                next.row--;
                next.col = nLastCol;
                bChangeLine = TRUE;
            }
            else
                CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        }
        else
        {
            if (next.col < nLastCol)
                next.col++;
            else if (next.col == nLastCol && next.row < nLastRow)
            {
                next.row++;
                next.col = m_pCols->GetFixed();
                bChangeLine = TRUE;
            }
            else
                CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        }
        break;

    case VK_DOWN:
        if (next.row < nLastRow)
            next.row++;
        break;
    case VK_UP:
        if (next.row > m_pRows->GetFixed())
            next.row--;
        break;
    case VK_RIGHT:
        if (next.col < nLastCol)
            next.col++;
        break;
    case VK_LEFT:
        if (next.col > m_pCols->GetFixed())
            next.col--;
        break;

    case VK_NEXT:
    {
        CQCellID idOldTopLeft = GetTopleftNonFixedCell();
        SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
        int increment = GetTopleftNonFixedCell().row - idOldTopLeft.row;
        if (increment)
            next.row = std::min(next.row + increment, nLastRow);
        else
            next.row = nLastRow;
        break;
    }
    case VK_PRIOR:
    {
        CQCellID idOldTopLeft = GetTopleftNonFixedCell();
        SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
        int increment = GetTopleftNonFixedCell().row - idOldTopLeft.row;
        if (increment)
            next.row = std::max(next.row + increment, m_pRows->GetFixed());
        else
            next.row = m_pRows->GetFixed();
        break;
    }
    case VK_HOME:
        SendMessage(WM_VSCROLL, SB_TOP, 0);
        next.row = m_pRows->GetFixed();
        break;
    case VK_END:
        SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
        next.row = nLastRow;
        break;

    default: CWnd::OnKeyDown(nChar, nRepCnt, nFlags); break;
    }

    if (next == m_idCurrentCell)
        return;

    // Plain keys select the new cell (or row in list mode); Shift extends from the anchor. A key
    // during a mouse gesture (the auto-scroll's) only moves the focus.
    if (m_MouseMode == MOUSE_NOTHING)
    {
        m_PrevSelectedCellMap.RemoveAll();
        m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
        if (!bShift || nChar == VK_TAB)
            m_SelectionStartCell = next;
        OnSelecting(next);
        m_MouseMode = MOUSE_NOTHING;
    }

    SetFocusCell(next);

    if (!IsCellVisible(next))
    {
        EnsureVisible(next);
        switch (nChar)
        {
        case VK_RIGHT: SendMessage(WM_HSCROLL, SB_LINERIGHT, 0); break;
        case VK_LEFT: SendMessage(WM_HSCROLL, SB_LINELEFT, 0); break;
        case VK_DOWN: SendMessage(WM_VSCROLL, SB_LINEDOWN, 0); break;
        case VK_UP: SendMessage(WM_VSCROLL, SB_LINEUP, 0); break;
        case VK_TAB:
            if (bShift)
            {
                if (bChangeLine)
                {
                    SendMessage(WM_VSCROLL, SB_LINEUP, 0);
                    SetScrollPos32(SB_HORZ, m_pCols->GetScrollMax());
                }
                else
                    SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
            }
            else
            {
                if (bChangeLine)
                {
                    SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
                    SetScrollPos32(SB_HORZ, 0);
                }
                else
                    SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
            }
            break;
        default: break;
        }
        Invalidate();
    }
}
