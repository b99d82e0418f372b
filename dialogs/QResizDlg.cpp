// CQResizDlg: control layout on size changes, the size grip, the minimum size and the size kept
// in the application's profile.
#include "QResizDlg.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CQResizDlg, CDialog)

BEGIN_MESSAGE_MAP(CQResizDlg, CDialog)
    // void OnSize(UINT nType, int cx, int cy)
    ON_WM_SIZE()
    // void OnPaint()
    ON_WM_PAINT()
    // LRESULT OnNcHitTest(CPoint point)
    ON_WM_NCHITTEST()
    // void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    ON_WM_GETMINMAXINFO()
    // void OnDestroy()
    ON_WM_DESTROY()
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace
{
const LPCWSTR kEntryWidth = L"CX";
const LPCWSTR kEntryHeight = L"CY";
} // namespace

CQResizDlg::CQResizDlg(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_bRememberSize(TRUE), m_bMinSize(TRUE), m_bGrip(TRUE),
      m_nMinWidth(0), m_nMinHeight(0), m_nLastWidth(0), m_nLastHeight(0), m_bSized(FALSE),
      m_nTemplateID(nIDTemplate)
{
}

CQResizDlg::~CQResizDlg()
{
    // Destroyed here, while OnDestroy is still this class's, so that the size is written.
    DestroyWindow();
}

void CQResizDlg::SetControlInfo(WORD nID, WORD nFlags)
{
    if (nFlags != 0)
        m_arControls.Add(MAKELONG(nID, nFlags));
}

void CQResizDlg::GetDialogProfileEntry(CString& strEntry)
{
    strEntry.Format(L"%x", m_nTemplateID);
}

int CQResizDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_nMinWidth = lpCreateStruct->cx;
    m_nMinHeight = lpCreateStruct->cy;
    return 0;
}

BOOL CQResizDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWinApp* pApp = AfxGetApp();
    if (!m_bRememberSize || pApp == NULL)
        return FALSE;
    CString strSection;
    GetDialogProfileEntry(strSection);
    // Values are read as signed: one written by hand may be negative, and anything up to zero
    // counts as missing.
    int cx = (int)pApp->GetProfileInt(strSection, kEntryWidth, 0);
    int cy = (int)pApp->GetProfileInt(strSection, kEntryHeight, 0);
    if (cx == 0 || cy == 0)
        return FALSE;
    if (cx < 0 || cy < 0)
        return FALSE;

    // A size that the work area cannot hold, or smaller than the template, is brought into range.
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    MONITORINFO mi = {sizeof(MONITORINFO)};
    HMONITOR hMonitor = ::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST);
    CRect rcWork(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (hMonitor != NULL && ::GetMonitorInfoW(hMonitor, &mi))
        rcWork = mi.rcWork;
    cx = std::min<int>(std::max(cx, m_nMinWidth), rcWork.Width());
    cy = std::min<int>(std::max(cy, m_nMinHeight), rcWork.Height());
    SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    // A top-level dialog that now reaches past the work area is moved back into it.
    if ((GetStyle() & WS_CHILD) == 0)
    {
        GetWindowRect(&rcWindow);
        int x = std::max<int>(std::min<int>(rcWindow.left, rcWork.right - rcWindow.Width()), rcWork.left);
        int y = std::max<int>(std::min<int>(rcWindow.top, rcWork.bottom - rcWindow.Height()), rcWork.top);
        if (x != rcWindow.left || y != rcWindow.top)
            SetWindowPos(NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return FALSE;
}

void CQResizDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED)
        return;
    if (m_nLastWidth != 0)
    {
        m_bSized = TRUE;
        int dx = cx - m_nLastWidth, dy = cy - m_nLastHeight;
        for (INT_PTR i = 0; i < m_arControls.GetSize(); i++)
        {
            DWORD dwEntry = m_arControls[i];
            WORD nFlags = HIWORD(dwEntry);
            CWnd* pControl = GetDlgItem(LOWORD(dwEntry));
            if (nFlags == 0 || pControl == NULL)
                continue;
            CRect rc;
            pControl->GetWindowRect(&rc);
            ScreenToClient(&rc);
            if (nFlags & STRETCH_H)
                rc.right += dx;
            else if (nFlags & MOVE_H)
                rc.OffsetRect(dx, 0);
            if (nFlags & STRETCH_V)
                rc.bottom += dy;
            else if (nFlags & MOVE_V)
                rc.OffsetRect(0, dy);
            pControl->MoveWindow(&rc, TRUE);
        }
    }
    m_nLastWidth = cx;
    m_nLastHeight = cy;
    if (m_bGrip)
        InvalidateRect(&m_rcGrip, TRUE);
}

void CQResizDlg::OnPaint()
{
    CDialog::OnPaint();
    if (!m_bGrip)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    m_rcGrip = rcClient;
    m_rcGrip.left = rcClient.right - ::GetSystemMetrics(SM_CXVSCROLL);
    m_rcGrip.top = rcClient.bottom - ::GetSystemMetrics(SM_CYHSCROLL);
    CClientDC dc(this);
    dc.DrawFrameControl(&m_rcGrip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

LRESULT CQResizDlg::OnNcHitTest(CPoint point)
{
    LRESULT nHit = CDialog::OnNcHitTest(point);
    if (nHit != HTCLIENT || !m_bGrip)
        return nHit;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    rcWindow.left = rcWindow.right - ::GetSystemMetrics(SM_CXVSCROLL);
    rcWindow.top = rcWindow.bottom - ::GetSystemMetrics(SM_CYHSCROLL);
    return rcWindow.PtInRect(point) ? HTBOTTOMRIGHT : nHit;
}

void CQResizDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (m_nMinWidth == 0)
    {
        CDialog::OnGetMinMaxInfo(lpMMI);
        return;
    }
    if (m_bMinSize)
    {
        lpMMI->ptMinTrackSize.x = m_nMinWidth;
        lpMMI->ptMinTrackSize.y = m_nMinHeight;
    }
}

void CQResizDlg::OnDestroy()
{
    CWinApp* pApp = AfxGetApp();
    if (m_bRememberSize && m_bSized && m_nLastWidth != 0 && m_nLastHeight != 0 && pApp != NULL)
    {
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        CString strSection;
        GetDialogProfileEntry(strSection);
        pApp->WriteProfileInt(strSection, kEntryWidth, rcWindow.Width());
        pApp->WriteProfileInt(strSection, kEntryHeight, rcWindow.Height());
    }
    m_nMinWidth = m_nMinHeight = 0;
    m_nLastWidth = m_nLastHeight = 0;
    m_bSized = FALSE;
    CDialog::OnDestroy();
}
