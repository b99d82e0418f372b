// CQInplaceButton: a button face over a cell that ends its edit as soon as it is made.
#include "grid/QInPlaceList.h"

IMPLEMENT_DYNAMIC(CQInplaceButton, CStatic)

BEGIN_MESSAGE_MAP(CQInplaceButton, CStatic)
    // void OnLButtonDblClk(UINT nFlags, CPoint point)
    ON_WM_LBUTTONDBLCLK()
    // void OnKillFocus(CWnd* pNewWnd)
    ON_WM_KILLFOCUS()
    // void OnPaint()
    ON_WM_PAINT()
    // void OnChange()
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

CQInplaceButton::CQInplaceButton(CQGridCtrl* pGrid, CRect& rect, DWORD dwStyle, UINT nID, int nRow,
                                 int nColumn, CString sText, UINT nFirstChar)
    : m_pGrid(pGrid), m_nRow(nRow), m_nCol(nColumn), m_bEnded(FALSE)
{
    if (pGrid == NULL || !::IsWindow(pGrid->GetSafeHwnd()))
        return;
    m_sText = pGrid->GetItemText(nRow, nColumn);
    if (!Create(m_sText, dwStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | SS_NOPREFIX, rect, pGrid, nID))
        return;
    SetFont(pGrid->GetFont());
    SetWindowText(sText);
    SetFocus();
    // The simulated click reports the end right away.
    SendMessage(WM_LBUTTONDBLCLK, nFirstChar, 0);
}

CQInplaceButton::~CQInplaceButton() {}

void CQInplaceButton::EndSitic()
{
    // The click reports, and so would the focus loss when the window goes: one record only.
    if (m_bEnded)
        return;
    m_bEnded = TRUE;
    CString str;
    GetWindowText(str);
    QInPlace::SendEndEdit(this, m_nRow, m_nCol, str, 0);
    if (::IsWindow(m_hWnd))
        PostMessage(WM_CLOSE, 0, 0);
}

void CQInplaceButton::PostNcDestroy()
{
    CStatic::PostNcDestroy();
    delete this;
}

void CQInplaceButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CStatic::OnLButtonDblClk(nFlags, point);
    EndSitic();
    if (m_pGrid != NULL && ::IsWindow(m_pGrid->GetSafeHwnd()))
    {
        m_pGrid->RedrawCell(m_nRow, m_nCol);
        m_pGrid->Invalidate();
    }
}

void CQInplaceButton::OnKillFocus(CWnd* pNewWnd)
{
    CStatic::OnKillFocus(pNewWnd);
    EndSitic();
}

void CQInplaceButton::OnChange() {}

void CQInplaceButton::DrawDots(CDC* pDC, COLORREF crColour, const CRect& rect, int nOffset)
{
    if (pDC == NULL)
        return;
    const int nWidth = rect.Width();
    const int nDot = nWidth / 10;
    const int nSpacing = nWidth / 4;
    int nLeft = rect.left + nWidth / 2 - nSpacing + nOffset;
    if (nWidth % 4 == 0)
        nLeft--;
    const int nTop = rect.top + nOffset + 1 + (rect.Height() / 2 - nDot / 2);

    CBrush brush(crColour);
    CPen pen(PS_SOLID, 1, crColour);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&pen);
    for (int i = 0; i < 3; i++)
    {
        const int x = nLeft + i * nSpacing;
        if (nDot < 2)
            pDC->SetPixel(x, nTop, crColour);
        else
            pDC->Ellipse(x, nTop, x + nDot, nTop + nDot);
    }
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}

void CQInplaceButton::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(rect);

    const COLORREF crFace = ::GetSysColor(COLOR_3DFACE);
    CBrush brush(crFace);
    CPen pen(PS_SOLID, 1, crFace);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.Rectangle(rect);
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);

    DrawDots(&dc, ::GetSysColor(COLOR_3DHIGHLIGHT), rect, 1);
    DrawDots(&dc, ::GetSysColor(COLOR_3DSHADOW), rect, 0);
}
