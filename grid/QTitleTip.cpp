#include "QTitleTip.h"

BEGIN_MESSAGE_MAP(CQTitleTip, CWnd)
  ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CQTitleTip::CQTitleTip() : m_pParentWnd(NULL), m_rectTitle(0, 0, 0, 0) {
  HINSTANCE hInst = AfxGetInstanceHandle();
  WNDCLASS wndcls;
  if (!::GetClassInfo(hInst, QTITLETIP_CLASSNAME, &wndcls)) {
    wndcls.style = CS_SAVEBITS;
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.cbClsExtra = wndcls.cbWndExtra = 0;
    wndcls.hInstance = hInst;
    wndcls.hIcon = NULL;
    wndcls.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wndcls.hbrBackground = (HBRUSH)(COLOR_INFOBK + 1);
    wndcls.lpszMenuName = NULL;
    wndcls.lpszClassName = QTITLETIP_CLASSNAME;
    if (!AfxRegisterClass(&wndcls)) AfxThrowResourceException();
  }
}

CQTitleTip::~CQTitleTip() {
  if (::IsWindow(m_hWnd)) DestroyWindow();
}

BOOL CQTitleTip::Create(CWnd* pParentWnd) {
  m_pParentWnd = pParentWnd;
  DWORD dwStyle = WS_BORDER | WS_POPUP;
  DWORD dwExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  return CreateEx(dwExStyle, QTITLETIP_CLASSNAME, NULL, dwStyle, 0, 0, 0, 0, NULL, NULL, NULL);
}

void CQTitleTip::Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset) {
  if (!::IsWindow(m_hWnd) || IsWindowVisible() || ::GetFocus() == NULL) return;

  m_rectTitle.top = -1;
  m_rectTitle.left = -xoffset - 1;
  m_rectTitle.right = rectTitle.Width() - xoffset;
  m_rectTitle.bottom = rectTitle.Height() + 1;

  m_pParentWnd->ClientToScreen(rectTitle);

  CClientDC dc(this);
  CString strTitle = CString(L" ") + lpszTitleText + L" ";
  CFont* pFont = m_pParentWnd->GetFont();
  CFont* pFontDC = dc.SelectObject(pFont);
  CSize size = dc.GetTextExtent(strTitle);

  CRect rectDisplay = rectTitle;
  rectDisplay.left += xoffset;
  rectDisplay.right = rectDisplay.left + size.cx + xoffset;

  // Only a text that does not fit the cell gets a tip.
  if (rectDisplay.right > rectTitle.right - xoffset) {
    SetWindowPos(&wndTop, rectDisplay.left, rectDisplay.top, rectDisplay.Width(), rectDisplay.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(0, 0, strTitle);
    SetCapture();
  }
  dc.SelectObject(pFontDC);
}

void CQTitleTip::Hide() {
  if (!::IsWindow(m_hWnd)) return;
  if (GetCapture() == this) ReleaseCapture();
  ShowWindow(SW_HIDE);
}

CWnd* CQTitleTip::TargetWindowAt(CPoint ptScreen) const {
  CWnd* pWnd = WindowFromPoint(ptScreen);
  if (pWnd == NULL || pWnd == this) pWnd = m_pParentWnd;
  return pWnd;
}

void CQTitleTip::OnMouseMove(UINT nFlags, CPoint point) {
  if (!m_rectTitle.PtInRect(point)) {
    Hide();
    ClientToScreen(&point);
    CWnd* pWnd = TargetWindowAt(point);
    if (pWnd == NULL) return;
    int hittest = (int)pWnd->SendMessage(WM_NCHITTEST, 0, MAKELONG(point.x, point.y));
    if (hittest == HTCLIENT) {
      pWnd->ScreenToClient(&point);
      pWnd->PostMessage(WM_MOUSEMOVE, nFlags, MAKELONG(point.x, point.y));
    } else {
      pWnd->PostMessage(WM_NCMOUSEMOVE, hittest, MAKELONG(point.x, point.y));
    }
  }
}

BOOL CQTitleTip::PreTranslateMessage(MSG* pMsg) {
  switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      POINTS pts = MAKEPOINTS(pMsg->lParam);
      POINT point = {pts.x, pts.y};
      ClientToScreen(&point);
      CWnd* pWnd = TargetWindowAt(point);
      if (pWnd == NULL) break;
      int hittest = (int)pWnd->SendMessage(WM_NCHITTEST, 0, MAKELONG(point.x, point.y));
      if (hittest == HTCLIENT) {
        pWnd->ScreenToClient(&point);
        pMsg->lParam = MAKELONG(point.x, point.y);
      } else {
        switch (pMsg->message) {
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
      m_pParentWnd->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
      return TRUE;
  }
  if (GetFocus() == NULL) {
    Hide();
    return TRUE;
  }
  return CWnd::PreTranslateMessage(pMsg);
}
