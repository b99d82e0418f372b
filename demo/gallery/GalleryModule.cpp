// The gallery module's entry points (see GalleryApi.h).
#include "GalleryApi.h"
#include "GalleryFrame.h"

extern "C" __declspec(dllexport) HWND __cdecl QGalleryCreate(int nCmdShow)
{
    CGalleryFrame* pFrame = new CGalleryFrame;
    if (!pFrame->CreateFrame(nCmdShow == SW_SHOWNOACTIVATE))
    {
        delete pFrame;
        return NULL;
    }
    pFrame->ShowPage(0);
    pFrame->ShowWindow(nCmdShow);
    pFrame->UpdateWindow();
    return pFrame->m_hWnd;
}

extern "C" __declspec(dllexport) int __cdecl QGalleryScreenshots(HWND hGallery, LPCWSTR pszFolder)
{
    CGalleryFrame* pFrame = dynamic_cast<CGalleryFrame*>(CWnd::FromHandlePermanent(hGallery));
    if (pFrame == NULL || pszFolder == NULL)
        return -1;
    return pFrame->WriteScreenshots(pszFolder);
}
