// Extension modules: DLLs that share the application's framework state and join its resource
// look-up. Included by afxwin.h.
//
// An extension DLL's DllMain, at process attach:
//     static AFX_EXTENSION_MODULE myDLL;
//     if (!AfxInitExtensionModule(myDLL, hInstance)) return 0;
//     new CDynLinkLibrary(myDLL);
// and at process detach: AfxTermExtensionModule(myDLL);
#pragma once

class COleObjectFactory;

// One per extension module, owned by the module; filled by AfxInitExtensionModule.
struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;                      // TRUE after AfxInitExtensionModule
    HMODULE hModule;                        // the module
    HMODULE hResource;                      // where its resources are looked up
    CRuntimeClass* pFirstSharedClass;       // unused: no class registry
    COleObjectFactory* pFirstSharedFactory; // unused
};

// A module in the application's chain of extension modules. The constructor adds the object
// at the head of the chain, the destructor removes it.
class AFX_CORE_CLASS CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;
    HMODULE m_hResource;         // searched by AfxFindResourceHandle
    BOOL m_bSystem;              // system modules are searched after every other one
    CDynLinkLibrary* m_pNextDLL; // the next module in the chain, NULL at the end

private:
    void AddToChain();
};

// Records hModule in state; TRUE. A second call for an initialised record changes nothing.
AFX_CORE_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the CDynLinkLibrary objects of state's module (of every module with bAll) and marks
// the record uninitialised.
AFX_CORE_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
// The first module of the chain (follow m_pNextDLL), NULL when empty.
AFX_CORE_API CDynLinkLibrary* AFXAPI AfxGetModuleChainHead();
