// CQTitleTip: the window class, showing and hiding, and the passing on of mouse moves, clicks and
// keys to the windows below the tip.
#include "grid/QTitleTip.h"

CQTitleTip::CQTitleTip() : m_pParentWnd(NULL), m_rectTitle(0, 0, 0, 0)
{
    WNDCLASSW wndcls;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (!::GetClassInfoW(hInst, QTITLETIP_CLASSNAME, &wndcls))
    {
        memset(&wndcls, 0, sizeof(wndcls));
        wndcls.style = CS_SAVEBITS;
        wndcls.lpfnWndProc = ::DefWindowProcW;
        wndcls.cbClsExtra = 0;
        wndcls.cbWndExtra = 0;
        wndcls.hInstance = hInst;
        wndcls.hIcon = NULL;
        wndcls.hCursor = ::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
        wndcls.hbrBackground = (HBRUSH)(COLOR_INFOBK + 1);
        wndcls.lpszMenuName = NULL;
        wndcls.lpszClassName = QTITLETIP_CLASSNAME;
        if (!AfxRegisterClass(&wndcls))
            AfxThrowResourceException();
    }
}

CQTitleTip::~CQTitleTip()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CQTitleTip::Create(CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, QTITLETIP_CLASSNAME, NULL, WS_BORDER | WS_POPUP, 0, 0,
                    0, 0, NULL, NULL);
}

// --- showing and hiding -------------------------------------------------------------------------

// The tip covers the cell and extends to the right as far as " text " needs; the text keeps the
// DC's default colour over the class's tooltip background.
void CQTitleTip::Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset)
{
    if (!::IsWindow(m_hWnd) || m_pParentWnd == NULL || IsWindowVisible() || ::GetFocus() == NULL)
        return;

    m_rectTitle.left = -xoffset - 1;
    m_rectTitle.top = -1;
    m_rectTitle.right = rectTitle.Width() - xoffset;
    m_rectTitle.bottom = rectTitle.Height() + 1;

    m_pParentWnd->ClientToScreen(rectTitle);

    CClientDC dc(this);
    CString strTitle = CString(L" ") + (lpszTitleText != NULL ? lpszTitleText : L"") + L" ";
    CFont* pFont = m_pParentWnd->GetFont();
    CFont* pFontDC = (pFont != NULL) ? dc.SelectObject(pFont) : NULL;
    CSize size = dc.GetTextExtent(strTitle);

    CRect rectDisplay = rectTitle;
    rectDisplay.left += xoffset;
    rectDisplay.right = rectDisplay.left + size.cx + xoffset;

    // Only a text that does not fit the cell gets a tip.
    if (rectDisplay.right > rectTitle.right - xoffset)
    {
        SetWindowPos(&wndTop, rectDisplay.left, rectDisplay.top, rectDisplay.Width(), rectDisplay.Height(),
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(0, 0, strTitle);
        SetCapture();
    }
    if (pFontDC != NULL)
        dc.SelectObject(pFontDC);
}

void CQTitleTip::Hide()
{
    if (!::IsWindow(m_hWnd))
        return;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    ShowWindow(SW_HIDE);
}

// --- passing input on ---------------------------------------------------------------------------

CWnd* CQTitleTip::TargetWindowAt(CPoint ptScreen) const
{
    CWnd* pWnd = WindowFromPoint(ptScreen);
    if (pWnd == NULL || pWnd->m_hWnd == m_hWnd)
        pWnd = m_pParentWnd;
    return pWnd;
}

BEGIN_MESSAGE_MAP(CQTitleTip, CWnd)
    // void OnMouseMove(UINT nFlags, CPoint point)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

// Leaving the title rectangle hides the tip; the move then goes to the window under the point,
// as a client or non-client move by its hit-test code.
void CQTitleTip::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_rectTitle.PtInRect(point))
        return;

    Hide();
    ClientToScreen(&point);
    CWnd* pWnd = TargetWindowAt(point);
    if (pWnd == NULL || !::IsWindow(pWnd->m_hWnd))
        return;

    int hittest = (int)pWnd->SendMessage(WM_NCHITTEST, 0, MAKELONG(point.x, point.y));
    if (hittest == HTCLIENT)
    {
        pWnd->ScreenToClient(&point);
        pWnd->PostMessage(WM_MOUSEMOVE, nFlags, MAKELONG(point.x, point.y));
    }
    else
    {
        pWnd->PostMessage(WM_NCMOUSEMOVE, hittest, MAKELONG(point.x, point.y));
    }
}

BOOL CQTitleTip::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    {
        POINTS pts = MAKEPOINTS(pMsg->lParam);
        CPoint point(pts.x, pts.y);
        ClientToScreen(&point);
        CWnd* pWnd = TargetWindowAt(point);
        if (pWnd == NULL || !::IsWindow(pWnd->m_hWnd))
            break;

        int hittest = (int)pWnd->SendMessage(WM_NCHITTEST, 0, MAKELONG(point.x, point.y));
        if (hittest == HTCLIENT)
        {
            pWnd->ScreenToClient(&point);
            pMsg->lParam = MAKELONG(point.x, point.y);
        }
        else
        {
            switch (pMsg->message)
            {
            case WM_LBUTTONDOWN: pMsg->message = WM_NCLBUTTONDOWN; break;
            case WM_RBUTTONDOWN: pMsg->message = WM_NCRBUTTONDOWN; break;
            case WM_MBUTTONDOWN: pMsg->message = WM_NCMBUTTONDOWN; break;
            }
            pMsg->wParam = hittest;
            pMsg->lParam = MAKELONG(point.x, point.y);
        }
        Hide();
        pWnd->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }

    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Hide();
        if (m_pParentWnd != NULL && ::IsWindow(m_pParentWnd->m_hWnd))
            m_pParentWnd->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }

    if (::GetFocus() == NULL)
    {
        Hide();
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}
