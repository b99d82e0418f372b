// Screenshots of the gallery: the client area of a window as it shows, children included, copied
// from the window's DC after it has painted, and written as PNG through GDI+.
#include "GalleryFrame.h"

#include <vector>

// The few GDI+ entry points used here (gdiplus.dll's flat interface).
extern "C"
{
    struct QGdiplusStartupInput
    {
        UINT32 GdiplusVersion;
        void* DebugEventCallback;
        BOOL SuppressBackgroundThread;
        BOOL SuppressExternalCodecs;
    };
    int WINAPI GdiplusStartup(ULONG_PTR* token, const QGdiplusStartupInput* input, void* output);
    void WINAPI GdiplusShutdown(ULONG_PTR token);
    int WINAPI GdipCreateBitmapFromHBITMAP(HBITMAP hbm, HPALETTE hpal, void** bitmap);
    int WINAPI GdipSaveImageToFile(void* image, const WCHAR* filename, const CLSID* encoder,
                                   const void* params);
    int WINAPI GdipDisposeImage(void* image);
}

namespace
{

// The PNG encoder of GDI+.
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

BOOL SaveBitmapPng(HBITMAP hBitmap, LPCWSTR pszPath)
{
    QGdiplusStartupInput input = {1, NULL, FALSE, FALSE};
    ULONG_PTR token = 0;
    if (GdiplusStartup(&token, &input, NULL) != 0)
        return FALSE;
    BOOL bOk = FALSE;
    void* pImage = NULL;
    if (GdipCreateBitmapFromHBITMAP(hBitmap, NULL, &pImage) == 0)
    {
        bOk = GdipSaveImageToFile(pImage, pszPath, &kPngEncoder, NULL) == 0;
        GdipDisposeImage(pImage);
    }
    GdiplusShutdown(token);
    return bOk;
}

// Lets pending paint and posted messages through, so that the window shows its final state.
void Settle(CWnd* pWnd)
{
    pWnd->UpdateWindow();
    MSG msg;
    for (int i = 0; i < 200 && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE); i++)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::GdiFlush();
}

} // namespace

BOOL WriteWindowPng(CWnd* pWnd, LPCWSTR pszPath)
{
    Settle(pWnd);
    CRect rc;
    pWnd->GetClientRect(rc);
    if (rc.IsRectEmpty())
        return FALSE;

    HDC hdcWindow = ::GetDC(pWnd->m_hWnd);
    HDC hdcMem = ::CreateCompatibleDC(hdcWindow);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hdcWindow, rc.Width(), rc.Height());
    HGDIOBJ hOld = ::SelectObject(hdcMem, hBitmap);
    BOOL bCopied = ::BitBlt(hdcMem, 0, 0, rc.Width(), rc.Height(), hdcWindow, 0, 0, SRCCOPY);
    // Pop-ups the window owns (tips, drop-down lists) show over it on the screen but paint into
    // windows of their own: each is copied over the picture at its place, bottom-most first.
    std::vector<HWND> popups;
    for (HWND h = ::GetWindow(pWnd->m_hWnd, GW_HWNDFIRST); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
        if (h != pWnd->m_hWnd && ::IsWindowVisible(h) && ::GetAncestor(h, GA_ROOTOWNER) == pWnd->m_hWnd)
            popups.push_back(h);
    for (auto it = popups.rbegin(); it != popups.rend(); ++it)
    {
        CRect rcPopup;
        ::GetWindowRect(*it, &rcPopup);
        pWnd->ScreenToClient(&rcPopup);
        HDC hdcPopup = ::GetWindowDC(*it);
        ::BitBlt(hdcMem, rcPopup.left, rcPopup.top, rcPopup.Width(), rcPopup.Height(), hdcPopup, 0, 0,
                 SRCCOPY);
        ::ReleaseDC(*it, hdcPopup);
    }
    ::SelectObject(hdcMem, hOld);
    ::DeleteDC(hdcMem);
    ::ReleaseDC(pWnd->m_hWnd, hdcWindow);

    BOOL bOk = bCopied && SaveBitmapPng(hBitmap, pszPath);
    ::DeleteObject(hBitmap);
    return bOk;
}
