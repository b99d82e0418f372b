// CQTitleTip: the window class and the tip window. Showing the tip over a clipped cell text and
// passing clicks and keys on to the window below come with the title-tip feature; until then Show
// leaves the tip hidden.
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
        wndcls.hInstance = hInst;
        wndcls.hCursor = ::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
        wndcls.hbrBackground = (HBRUSH)(COLOR_INFOBK + 1);
        wndcls.lpszClassName = QTITLETIP_CLASSNAME;
        if (!AfxRegisterClass(&wndcls))
            AfxThrowResourceException();
    }
}

CQTitleTip::~CQTitleTip()
{
}

BOOL CQTitleTip::Create(CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, QTITLETIP_CLASSNAME, NULL, WS_BORDER | WS_POPUP, 0, 0, 0,
                    0, NULL, NULL);
}

void CQTitleTip::Show(CRect /*rectTitle*/, LPCTSTR /*lpszTitleText*/, int /*xoffset*/)
{
}

void CQTitleTip::Hide()
{
    if (!::IsWindow(m_hWnd))
        return;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    ShowWindow(SW_HIDE);
}

BOOL CQTitleTip::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg);
}

BEGIN_MESSAGE_MAP(CQTitleTip, CWnd)
END_MESSAGE_MAP()

void CQTitleTip::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
}
