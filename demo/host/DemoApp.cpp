// The main program. It plays the CAD host: it opens a drawing in the host's document manager,
// loads the gallery module (which brings the library with it) the way the host loads a module,
// and asks it for its main window.
//
//   qctl_demo                      the gallery, interactive
//   qctl_demo --screenshots DIR    one PNG per page of the gallery into DIR, then exit
#include "../GalleryApi.h"

#include <acdocman.h>
#include <afxwin.h>

#include <cstdio>

namespace
{

class CDemoApp : public CWinApp
{
public:
    CDemoApp() : CWinApp(L"QCtl gallery") {}
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    BOOL ParseArguments();
    void Unload();

    CString m_strScreenshots; // folder of the screenshots; empty when interactive
    HMODULE m_hGallery = NULL;
    AcApDocument* m_pDrawing = NULL;
    int m_nExitCode = 1;
};

CDemoApp theApp;

BOOL CDemoApp::ParseArguments()
{
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    BOOL bOk = TRUE;
    for (int i = 1; i < argc && bOk; i++)
    {
        if (wcscmp(argv[i], L"--screenshots") == 0 && i + 1 < argc)
            m_strScreenshots = argv[++i];
        else
            bOk = FALSE;
    }
    ::LocalFree(argv);
    if (!bOk)
        std::printf("usage: qctl_demo [--screenshots FOLDER]\n");
    return bOk;
}

BOOL CDemoApp::InitInstance()
{
    if (!ParseArguments())
        return FALSE;
    m_pDrawing = acDocManagerPtr()->openDocument(L"C:\\Projects\\plant\\piping.dwg");

    m_hGallery = ::LoadLibraryW(QGALLERY_MODULE_NAME);
    auto pfnCreate =
        m_hGallery ? (QGALLERYCREATEPROC)::GetProcAddress(m_hGallery, QGALLERY_CREATE_PROC) : NULL;
    auto pfnShots =
        m_hGallery ? (QGALLERYSCREENSHOTSPROC)::GetProcAddress(m_hGallery, QGALLERY_SCREENSHOTS_PROC) : NULL;
    if (pfnCreate == NULL || pfnShots == NULL)
    {
        std::printf("host: loading %ls failed (error %lu)\n", QGALLERY_MODULE_NAME, ::GetLastError());
        return FALSE;
    }
    bool bScreenshots = !m_strScreenshots.IsEmpty();
    HWND hMain = pfnCreate(bScreenshots ? SW_SHOWNOACTIVATE : m_nCmdShow);
    if (hMain == NULL)
    {
        std::printf("host: the gallery window could not be made\n");
        return FALSE;
    }
    if (!bScreenshots)
    {
        m_pMainWnd = CWnd::FromHandlePermanent(hMain);
        m_nExitCode = 0;
        return TRUE; // the message loop runs until the gallery window closes
    }

    ::CreateDirectoryW(m_strScreenshots, NULL);
    int nImages = pfnShots(hMain, m_strScreenshots);
    ::DestroyWindow(hMain);
    std::printf("host: %d screenshot(s) written to %ls\n", nImages, (LPCWSTR)m_strScreenshots);
    m_nExitCode = nImages > 0 ? 0 : 1;
    return FALSE;
}

void CDemoApp::Unload()
{
    if (m_hGallery != NULL)
        ::FreeLibrary(m_hGallery);
    m_hGallery = NULL;
    if (m_pDrawing != NULL)
        acDocManagerPtr()->closeDocument(m_pDrawing);
    m_pDrawing = NULL;
}

int CDemoApp::ExitInstance()
{
    Unload();
    CWinApp::ExitInstance();
    return m_nExitCode;
}

} // namespace

int main()
{
    return AfxWinMain(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL);
}
