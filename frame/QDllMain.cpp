// The library's module entry point and its module-wide per-document data manager.
#include <afxwin.h>
#include <afxdllx.h>
#include <new>
#include "QDocData.h"

namespace
{
AFX_EXTENSION_MODULE qctlExtensionModule = {FALSE, NULL};
}

// Constructed before DllMain runs for the process attach and destroyed after it has run for the
// detach: the host's document manager sees it registered exactly while the module is loaded.
AsdkDataManager<CDocData> qctlDocDataManager;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(qctlExtensionModule, hInstance))
            return 0;
        // Joining the module chain lets the framework find this module's resources. A failed
        // allocation leaves the module out of the chain but does not fail the load.
        try
        {
            new CDynLinkLibrary(qctlExtensionModule);
        }
        catch (CException* e)
        {
            e->Delete();
        }
        catch (std::bad_alloc&)
        {
        }
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(qctlExtensionModule);
    }
    return 1;
}
