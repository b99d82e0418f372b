// CStatic and CButton: thin wrappers over the STATIC and BUTTON classes.
#include <afxwin.h>

// ---------------------------------------------------------------------------------------------
// CStatic

IMPLEMENT_DYNAMIC(CStatic, CWnd)

CStatic::CStatic() {}
CStatic::~CStatic()
{
    DestroyWindow();
}

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon)
{
    ASSERT(::IsWindow(m_hWnd));
    return (HICON)::SendMessage(m_hWnd, STM_SETICON, (WPARAM)hIcon, 0);
}
HICON CStatic::GetIcon() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (HICON)::SendMessage(m_hWnd, STM_GETICON, 0, 0);
}
HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
    ASSERT(::IsWindow(m_hWnd));
    return (HBITMAP)::SendMessage(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
}
HBITMAP CStatic::GetBitmap() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (HBITMAP)::SendMessage(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0);
}
HCURSOR CStatic::SetCursor(HCURSOR hCursor)
{
    ASSERT(::IsWindow(m_hWnd));
    return (HCURSOR)::SendMessage(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor);
}
HCURSOR CStatic::GetCursor()
{
    ASSERT(::IsWindow(m_hWnd));
    return (HCURSOR)::SendMessage(m_hWnd, STM_GETIMAGE, IMAGE_CURSOR, 0);
}
HENHMETAFILE CStatic::SetEnhMetaFile(HENHMETAFILE hMetaFile)
{
    ASSERT(::IsWindow(m_hWnd));
    return (HENHMETAFILE)::SendMessage(m_hWnd, STM_SETIMAGE, IMAGE_ENHMETAFILE, (LPARAM)hMetaFile);
}
HENHMETAFILE CStatic::GetEnhMetaFile() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (HENHMETAFILE)::SendMessage(m_hWnd, STM_GETIMAGE, IMAGE_ENHMETAFILE, 0);
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// CButton

IMPLEMENT_DYNAMIC(CButton, CWnd)

CButton::CButton() {}
CButton::~CButton()
{
    DestroyWindow();
}

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (UINT)::SendMessage(m_hWnd, BM_GETSTATE, 0, 0);
}
void CButton::SetState(BOOL bHighlight)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, BM_SETSTATE, bHighlight, 0);
}
int CButton::GetCheck() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, BM_GETCHECK, 0, 0);
}
void CButton::SetCheck(int nCheck)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, BM_SETCHECK, nCheck, 0);
}
UINT CButton::GetButtonStyle() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (UINT)::GetWindowLongPtr(m_hWnd, GWL_STYLE) & 0xffff;
}
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, BM_SETSTYLE, nStyle, (LPARAM)bRedraw);
}
HICON CButton::SetIcon(HICON hIcon)
{
    ASSERT(::IsWindow(m_hWnd));
    return (HICON)::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon);
}
HICON CButton::GetIcon() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (HICON)::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0);
}
HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    ASSERT(::IsWindow(m_hWnd));
    return (HBITMAP)::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
}
HBITMAP CButton::GetBitmap() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (HBITMAP)::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0);
}
HCURSOR CButton::SetCursor(HCURSOR hCursor)
{
    ASSERT(::IsWindow(m_hWnd));
    return (HCURSOR)::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor);
}
HCURSOR CButton::GetCursor()
{
    ASSERT(::IsWindow(m_hWnd));
    return (HCURSOR)::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_CURSOR, 0);
}
void CButton::Click()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, BM_CLICK, 0, 0);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}
