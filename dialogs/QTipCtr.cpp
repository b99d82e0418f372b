// CQTipCtr: showing, sizing, painting and closing the tip window.
#include "QTipCtr.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CQTipCtr, CWnd)

BEGIN_MESSAGE_MAP(CQTipCtr, CWnd)
    // void OnPaint()
    ON_WM_PAINT()
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    ON_WM_CREATE()
    // void OnTimer(UINT_PTR nIDEvent)
    ON_WM_TIMER()
    // void OnMouseMove(UINT nFlags, CPoint point)
    ON_WM_MOUSEMOVE()
    // void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
    ON_WM_ACTIVATE()
    // void OnKillFocus(CWnd* pNewWnd)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CQTipCtr* CQTipCtr::m_pTip = NULL;

namespace
{
// The largest window side the tip asks for: thousands of lines must not overflow the
// coordinates of the window system.
const LONGLONG kMaxSide = 30000;
} // namespace

CQTipCtr::CQTipCtr()
    : m_pParent(NULL), m_ptPos(0, 0), m_clrText(RGB(0, 0, 0)), m_clrBack(RGB(255, 255, 255)),
      m_bClosing(FALSE)
{
    if (!m_font.CreateFont(13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, L"宋体"))
        m_font.CreateFont(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, L"仿宋体");
}

CQTipCtr::~CQTipCtr()
{
    // Only the tip that is current lets go of the pointer: the caller's own object, or an older
    // tip, leaves a newer one in place.
    if (m_pTip == this)
        m_pTip = NULL;
    DestroyWindow();
}

CString CQTipCtr::GetLongSize()
{
    CString strLongest;
    for (INT_PTR i = 0; i < m_arLines.GetSize(); i++)
        if (m_arLines[i].GetLength() > strLongest.GetLength())
            strLongest = m_arLines[i];
    return strLongest;
}

CSize CQTipCtr::MeasureLongest(CDC* pDC)
{
    CString strLongest = GetLongSize();
    CFont* pOldFont = pDC->SelectObject(&m_font);
    CSize size(0, 0);
    ::GetTextExtentPoint32W(pDC->m_hDC, strLongest, strLongest.GetLength(), &size);
    pDC->SelectObject(pOldFont);
    return size;
}

CQTipCtr* CQTipCtr::ShowWindowCtr(CWnd* pParent, CStringArray& arLines)
{
    CQTipCtr* pTip = new CQTipCtr;
    m_pTip = pTip;
    pTip->m_pParent = pParent;
    pTip->m_arLines.Copy(arLines);
    if (pParent->GetSafeHwnd() != NULL)
        pParent->ClientToScreen(&m_ptPos);
    pTip->m_ptPos = m_ptPos;
    if (&arLines != &m_arLines)
        m_arLines.Copy(arLines);
    if (!pTip->CreateWin(pParent))
    {
        // A window that failed after it was bound took its object with it (which cleared
        // m_pTip); otherwise the object is still here.
        if (m_pTip == pTip)
            delete pTip;
        return NULL;
    }
    pTip->UpdateWindow();
    return pTip;
}

BOOL CQTipCtr::CreateWin(CWnd* pParent)
{
    if (pParent->GetSafeHwnd() == NULL)
        return FALSE;
    CDC* pDC = pParent->GetDC();
    if (pDC == NULL)
        return FALSE;
    CSize size = MeasureLongest(pDC);
    pParent->ReleaseDC(pDC);

    LONGLONG cx = std::min<LONGLONG>((LONGLONG)size.cx + 2, kMaxSide);
    LONGLONG cy = std::min<LONGLONG>(((LONGLONG)size.cy + 2) * m_arLines.GetSize() + 2, kMaxSide);
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), NULL, NULL);
    return CreateEx(0, lpszClass, NULL, WS_POPUP | WS_VISIBLE, m_ptPos.x, m_ptPos.y, (int)cx, (int)cy,
                    pParent->GetSafeHwnd(), NULL);
}

int CQTipCtr::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    ShowWindow(SW_SHOW);
    return 0;
}

void CQTipCtr::HideWindow()
{
    // Hiding the window moves the focus away from it, which asks for hiding again: once is enough.
    if (m_bClosing)
        return;
    m_bClosing = TRUE;
    // The object may be gone after DestroyWindow: nothing of it is touched afterwards.
    DestroyWindow();
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd->GetSafeHwnd() != NULL)
        pMainWnd->UpdateWindow();
}

void CQTipCtr::PostNcDestroy()
{
    delete this;
}

void CQTipCtr::SetTipBkColor(COLORREF clrBack)
{
    m_clrBack = clrBack;
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

void CQTipCtr::SetTipTextColor(COLORREF clrText)
{
    m_clrText = clrText;
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

BOOL CQTipCtr::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg != NULL && pMsg->message == WM_LBUTTONDOWN)
    {
        HideWindow();
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CQTipCtr::OnPaint()
{
    CPaintDC dc(this);
    int nLineHeight = MeasureLongest(&dc).cy;

    CRect rcClient;
    GetClientRect(&rcClient);
    POINT corners[4] = {{rcClient.left, rcClient.top},
                        {rcClient.right, rcClient.top},
                        {rcClient.right, rcClient.bottom},
                        {rcClient.left, rcClient.bottom}};
    CRgn rgn;
    CBrush brush(m_clrBack);
    if (rgn.CreatePolygonRgn(corners, 4, ALTERNATE))
        dc.FillRgn(&rgn, &brush);

    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(m_clrBack);
    dc.SetTextColor(m_clrText);
    CFont* pOldFont = dc.SelectObject(&m_font);
    // Only the lines that meet the area being painted are drawn.
    CRect rcClip;
    dc.GetClipBox(&rcClip);
    INT_PTR nFirst = 0, nCount = m_arLines.GetSize();
    if (nLineHeight > 0)
        nFirst = std::max<INT_PTR>(0, (rcClip.top - 2) / nLineHeight - 1);
    for (INT_PTR i = nFirst; i < nCount; i++)
    {
        LONGLONG y = 2 + (LONGLONG)i * nLineHeight;
        if (y > rcClip.bottom)
            break;
        dc.TextOut(0, (int)y, m_arLines[i]);
    }
    dc.SelectObject(pOldFont);

    // Kept inside the parent's client area: pulled left or up so that its right or bottom edge
    // meets the parent's, but never past the parent's left or top edge.
    if (m_pParent->GetSafeHwnd() == NULL)
        return;
    CRect rcParent;
    m_pParent->GetClientRect(&rcParent);
    CPoint pt = m_ptPos;
    m_pParent->ScreenToClient(&pt);
    if (pt.x + rcClient.Width() > rcParent.Width())
        pt.x = rcParent.Width() - rcClient.Width();
    if (pt.y + rcClient.Height() > rcParent.Height())
        pt.y = rcParent.Height() - rcClient.Height();
    pt.x = std::max<LONG>(pt.x, 0);
    pt.y = std::max<LONG>(pt.y, 0);
    m_pParent->ClientToScreen(&pt);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (pt != rcWindow.TopLeft())
    {
        m_ptPos = pt;
        MoveWindow(pt.x, pt.y, rcWindow.Width(), rcWindow.Height(), TRUE);
    }
}

void CQTipCtr::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (point.x >= rcClient.Width() || point.y >= rcClient.Height())
    {
        HideWindow();
        return;
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CQTipCtr::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    HideWindow();
}

void CQTipCtr::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
}

void CQTipCtr::OnTimer(UINT_PTR nIDEvent)
{
    CWnd::OnTimer(nIDEvent);
}
