// The gallery's main window.
#include "GalleryFrame.h"

namespace
{
const int kListWidth = 200;
const int kMargin = 8;
} // namespace

BEGIN_MESSAGE_MAP(CGalleryFrame, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_LBN_SELCHANGE(IDC_PAGE_LIST, OnPageListChange)
END_MESSAGE_MAP()

CGalleryFrame::CGalleryFrame() : m_nCurrent(-1) {}

BOOL CGalleryFrame::CreateFrame(BOOL bLookOnly)
{
    LPCTSTR lpszClass =
        AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW),
                            (HBRUSH)(COLOR_BTNFACE + 1), ::LoadIconW(NULL, (LPCWSTR)IDI_APPLICATION));
    CRect rc(0, 0, 1040, 680);
    ::AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, FALSE, 0);
    DWORD dwStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (bLookOnly ? WS_DISABLED : 0);
    return CreateEx(0, lpszClass, L"QCtl gallery", dwStyle, 0, 0, rc.Width(), rc.Height(), NULL, NULL);
}

int CGalleryFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_list.CreateEx(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                         WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                         kMargin, kMargin, kListWidth, 100, m_hWnd, (HMENU)(UINT_PTR)IDC_PAGE_LIST))
        return -1;
    m_list.SetFont(CGalleryPage::GetGuiFont());
    for (const GalleryPageInfo& info : CGalleryPageRegistry::Pages())
        m_list.AddString(info.lpszTitle);
    m_pages.assign(CGalleryPageRegistry::Pages().size(), NULL);
    return 0;
}

CRect CGalleryFrame::PageRect() const
{
    CRect rc;
    GetClientRect(rc);
    rc.DeflateRect(kMargin, kMargin);
    rc.left += kListWidth + kMargin;
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
    return rc;
}

void CGalleryFrame::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_list.GetSafeHwnd() == NULL)
        return;
    m_list.MoveWindow(kMargin, kMargin, kListWidth, std::max(cy - 2 * kMargin, 0));
    CRect rc = PageRect();
    for (CGalleryPage* pPage : m_pages)
        if (pPage != NULL)
            pPage->MoveWindow(rc);
}

void CGalleryFrame::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    lpMMI->ptMinTrackSize.x = 640;
    lpMMI->ptMinTrackSize.y = 420;
}

BOOL CGalleryFrame::ShowPage(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetPageCount())
        return FALSE;
    if (m_pages[nIndex] == NULL)
    {
        CGalleryPage* pPage = CGalleryPageRegistry::Pages()[nIndex].pfnCreate();
        if (!pPage->CreatePage(this, PageRect(), IDC_FIRST_PAGE + nIndex))
            return FALSE;
        m_pages[nIndex] = pPage;
    }
    if (m_nCurrent != nIndex && m_nCurrent >= 0 && m_pages[m_nCurrent] != NULL)
        m_pages[m_nCurrent]->ShowWindow(SW_HIDE);
    m_nCurrent = nIndex;
    m_pages[nIndex]->ShowWindow(SW_SHOW);
    if (m_list.GetCurSel() != nIndex)
        m_list.SetCurSel(nIndex);
    return TRUE;
}

void CGalleryFrame::OnPageListChange()
{
    ShowPage(m_list.GetCurSel());
}

int CGalleryFrame::WriteScreenshots(LPCWSTR pszFolder)
{
    int nWritten = 0;
    for (int i = 0; i < GetPageCount(); i++)
    {
        if (!ShowPage(i))
            continue;
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        CString strPath;
        strPath.Format(L"%s\\%s.png", pszFolder, CGalleryPageRegistry::Pages()[i].lpszName);
        if (WriteWindowPng(this, strPath))
            nWritten++;
        if (CGalleryPage* pPage = GetPage(i))
            nWritten += pPage->WriteExtraScreenshots(pszFolder);
    }
    return nWritten;
}

void CGalleryFrame::PostNcDestroy()
{
    delete this;
}
