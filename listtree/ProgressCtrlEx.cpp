// CProgressCtrlEx: the percentage box drawn over the bar on every position change.
#include "ProgressCtrlEx.h"

BEGIN_MESSAGE_MAP(CProgressCtrlEx, CProgressCtrl)
END_MESSAGE_MAP()

CProgressCtrlEx::CProgressCtrlEx() {}

CProgressCtrlEx::~CProgressCtrlEx() {}

LRESULT CProgressCtrlEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CProgressCtrl::WindowProc(message, wParam, lParam);
    if (message != PBM_SETPOS || (int)wParam > 100 || !::IsWindow(m_hWnd))
        return lResult;

    CString strText;
    strText.Format(L"%i%%", (int)wParam);
    CRect rc;
    GetClientRect(&rc);
    CDC* pDC = GetDC();
    if (pDC == NULL)
        return lResult;
    CFont* pOldFont = NULL;
    CWnd* pParent = GetParent();
    HFONT hFont = pParent != NULL ? (HFONT)pParent->SendMessage(WM_GETFONT) : NULL;
    if (hFont != NULL)
        pOldFont = pDC->SelectObject(CFont::FromHandle(hFont));

    CSize size = pDC->GetTextExtent(strText);
    int x0 = rc.left + (rc.right - size.cx - rc.left) / 2;
    int y0 = rc.top + (rc.bottom - size.cy - rc.top) / 2;
    CRect box(x0 - 2, y0, x0 + size.cx + 6, y0 + size.cy);
    CBrush brush(::GetSysColor(COLOR_3DFACE));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->Rectangle(box);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    pDC->SetBkMode(nOldMode);

    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldBrush);
    ReleaseDC(pDC);
    return lResult;
}
