// CProgressCtrl: thin wrappers over comctl32's progress bar.
#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

CProgressCtrl::CProgressCtrl() {}
CProgressCtrl::~CProgressCtrl()
{
    DestroyWindow();
}

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    return CWnd::Create(PROGRESS_CLASSW, NULL, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange(short nLower, short nUpper)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}
void CProgressCtrl::SetRange32(int nLower, int nUpper)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, PBM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper);
}
void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    ASSERT(::IsWindow(m_hWnd));
    PBRANGE range = {};
    ::SendMessage(m_hWnd, PBM_GETRANGE, FALSE, (LPARAM)&range);
    nLower = range.iLow;
    nUpper = range.iHigh;
}
int CProgressCtrl::GetPos() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, PBM_GETPOS, 0, 0);
}
int CProgressCtrl::SetPos(int nPos)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, PBM_SETPOS, (WPARAM)nPos, 0);
}
int CProgressCtrl::OffsetPos(int nPos)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, PBM_DELTAPOS, (WPARAM)nPos, 0);
}
int CProgressCtrl::SetStep(int nStep)
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, PBM_SETSTEP, (WPARAM)nStep, 0);
}
int CProgressCtrl::StepIt()
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, PBM_STEPIT, 0, 0);
}
