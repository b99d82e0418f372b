// CTreeMultiColumnCtrl, the view side: painting the tree in the root column (indentation,
// connecting lines, plus/minus boxes), the box hit test, and the mouse and keys that open and
// close branches. (The model side: TreeMultiColumnCtrl.cpp.)
#include "TreeMultiColumnCtrl.h"

BEGIN_MESSAGE_MAP(CTreeMultiColumnCtrl, CTsyslistviewex)
    // void OnLButtonDown(UINT nFlags, CPoint point)
    ON_WM_LBUTTONDOWN()
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

namespace
{
const int kIndent = 20; // pixels per level
const COLORREF kLineColour = RGB(128, 128, 128);
} // namespace

void CTreeMultiColumnCtrl::DrawCell(CDC* pDC, CRect& rcCell, DWORD dwColumnFormat, int nRow, int nColumn)
{
    if (nColumn != m_nRootColumn)
    {
        CTsyslistviewex::DrawCell(pDC, rcCell, dwColumnFormat, nRow, nColumn);
        return;
    }
    int nId = RowItem(nRow);
    CArray<int, int> path;
    GetItemPath(nId, path);

    int nSaved = pDC->SaveDC();
    CRect rcClip(rcCell.left, rcCell.top - 2, rcCell.right, rcCell.bottom + 2);
    CRgn rgn;
    rgn.CreateRectRgnIndirect(&rcClip);
    pDC->SelectClipRgn(&rgn);
    CPen penGray(PS_SOLID, 1, kLineColour), penBlack(PS_SOLID, 1, RGB(0, 0, 0));
    pDC->SelectObject(&penGray);

    int x = rcCell.left;
    const int midY = (rcCell.top + rcCell.bottom) / 2;
    // The ancestors' lines, as far as they fall inside the cell: a deep item draws only what
    // can be seen.
    for (INT_PTR i = 0; i < path.GetSize() && x <= rcCell.right; i++, x += kIndent)
    {
        if (!IsLastChildren(path[i]))
        {
            pDC->MoveTo(x + 10, rcCell.top - 1);
            pDC->LineTo(x + 10, rcCell.bottom + 1);
        }
    }
    if (path.GetSize() > 0 && x <= rcCell.right)
        x = rcCell.left + kIndent * (int)path.GetSize();

    if (x <= rcCell.right)
    {
        int nUpperEnd = midY, nLowerStart = midY, xHorizontal = x + 10;
        if (ItemHasChildren(nId))
        {
            CBrush brGray(kLineColour);
            pDC->FrameRect(CRect(x + 6, midY - 4, x + 15, midY + 5), &brGray);
            pDC->SelectObject(&penBlack);
            pDC->MoveTo(x + 8, midY);
            pDC->LineTo(x + 13, midY);
            if (!ItemIsExpanded(nId))
            {
                pDC->MoveTo(x + 10, midY - 2);
                pDC->LineTo(x + 10, midY + 3);
            }
            pDC->SelectObject(&penGray);
            nUpperEnd = midY - 4;
            nLowerStart = midY + 4;
            xHorizontal = x + 14;
        }
        if (nId != 0)
        {
            pDC->MoveTo(x + 10, rcCell.top - 1);
            pDC->LineTo(x + 10, nUpperEnd);
        }
        if (!IsLastChildren(nId))
        {
            pDC->MoveTo(x + 10, nLowerStart);
            pDC->LineTo(x + 10, rcCell.bottom + 1);
        }
        pDC->MoveTo(xHorizontal, midY);
        pDC->LineTo(x + 20, midY);
    }
    pDC->RestoreDC(nSaved);

    // The item's own cell (bitmap and text) after the tree.
    if (x + 22 < rcCell.right)
    {
        CRect rcText(rcCell);
        rcText.left = x + 22;
        CTsyslistviewex::DrawCell(pDC, rcText, dwColumnFormat, nRow, nColumn);
    }
}

int CTreeMultiColumnCtrl::IsPtnInSquareRect(CPoint point)
{
    int nColumn = -1;
    int nRow = HitTestEx(point, nColumn);
    if (nRow < 0 || nColumn != m_nRootColumn)
        return 0;
    int nId;
    {
        CInternal internal(this);
        nId = RowItem(nRow);
    }
    if (!ItemHasChildren(nId))
        return 0;
    CRect rcCell;
    if (!GetSubItemRect(nRow, nColumn, rcCell))
        return 0;
    int nLeft = rcCell.left + 5 + kIndent * GetItemLevel(nId);
    int nTop = (rcCell.top + rcCell.bottom) / 2 - 4;
    CRect rcBox(nLeft, nTop, nLeft + 9, nTop + 9);
    return rcBox.PtInRect(CPoint(point.x - 2, point.y)) ? 1 : 0;
}

void CTreeMultiColumnCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    int nColumn = -1;
    int nRow = HitTestEx(point, nColumn);
    if (nRow >= 0 && IsPtnInSquareRect(point))
    {
        int nId;
        {
            CInternal internal(this);
            nId = RowItem(nRow);
        }
        if (ItemHasChildren(nId))
        {
            if (ItemIsExpanded(nId))
                CollapseItem(nId);
            else
                ExpandItem(nId);
        }
    }
    CTsyslistviewex::OnLButtonDown(nFlags, point);
}

void CTreeMultiColumnCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    {
        CInternal internal(this);
        int nCount = GetItemCount();
        // Each selected row once, top down; rows that open below a row are not selected.
        for (int nRow = GetNextItem(-1, LVNI_SELECTED), nTurns = 0; nRow >= 0 && nTurns <= nCount;
             nRow = GetNextItem(nRow, LVNI_SELECTED), nTurns++)
        {
            int nId = RowItem(nRow);
            switch (nChar)
            {
            case VK_LEFT:
            case VK_SUBTRACT: CollapseItem(nId); break;
            case VK_RIGHT:
            case VK_ADD: ExpandItem(nId); break;
            case VK_MULTIPLY: RecExpandItems(nId); break;
            }
            nCount = GetItemCount();
        }
    }
    if (nChar != VK_LEFT && nChar != VK_RIGHT)
        CTsyslistviewex::OnKeyDown(nChar, nRepCnt, nFlags);
}
