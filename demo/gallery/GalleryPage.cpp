// The page base class and the registry of pages.
#include "GalleryPage.h"

#include <algorithm>

namespace
{

std::vector<GalleryPageInfo>& PageList()
{
    static std::vector<GalleryPageInfo> pages;
    return pages;
}

HMODULE ThisModule()
{
    HMODULE hModule = NULL;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&PageList), &hModule);
    return hModule;
}

} // namespace

const std::vector<GalleryPageInfo>& CGalleryPageRegistry::Pages()
{
    return PageList();
}

void CGalleryPageRegistry::Add(const GalleryPageInfo& info)
{
    std::vector<GalleryPageInfo>& pages = PageList();
    auto at = std::upper_bound(pages.begin(), pages.end(), info.nOrder,
                               [](int nOrder, const GalleryPageInfo& page) { return nOrder < page.nOrder; });
    pages.insert(at, info);
}

BEGIN_MESSAGE_MAP(CGalleryPage, CWnd)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CGalleryPage::CGalleryPage() {}

BOOL CGalleryPage::CreatePage(CWnd* pParent, const RECT& rect, UINT nID)
{
    LPCTSTR lpszClass =
        AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW), NULL);
    if (!CreateEx(WS_EX_CONTROLPARENT, lpszClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, pParent->GetSafeHwnd(),
                  (HMENU)(UINT_PTR)nID))
    {
        delete this;
        return FALSE;
    }
    if (!CreateControls())
    {
        DestroyWindow(); // deletes the page
        return FALSE;
    }
    Fill();
    CRect client;
    GetClientRect(client);
    Layout(client.Width(), client.Height());
    return TRUE;
}

CString CGalleryPage::DataFolder()
{
    wchar_t szPath[MAX_PATH] = L"";
    DWORD n = ::GetModuleFileNameW(ThisModule(), szPath, MAX_PATH);
    CString strFolder(szPath, (int)n);
    int nSlash = strFolder.ReverseFind(L'\\');
    strFolder = strFolder.Left(nSlash + 1);
    return strFolder + L"gallery\\";
}

CFont* CGalleryPage::GetGuiFont()
{
    return CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
}

BOOL CGalleryPage::CreateLabel(CStatic& label, LPCTSTR lpszText, UINT nID, DWORD dwStyle)
{
    if (!label.Create(lpszText, WS_CHILD | WS_VISIBLE | dwStyle, CRect(0, 0, 10, 10), this, nID))
        return FALSE;
    label.SetFont(GetGuiFont());
    return TRUE;
}

void CGalleryPage::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (cx > 0 && cy > 0)
        Layout(cx, cy);
}

BOOL CGalleryPage::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(rc);
    pDC->FillSolidRect(rc, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CGalleryPage::PostNcDestroy()
{
    delete this;
}
