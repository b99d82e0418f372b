// Loading and unloading the library inside the host stand-in, as the host loads a module's dependency.
#include <gtest/gtest.h>
#include <afxwin.h>
#include <afxdllx.h>
#include <acdocman.h>

namespace
{

// How many modules of the framework's chain belong to hModule.
int ChainEntriesOf(HMODULE hModule)
{
    int n = 0;
    for (CDynLinkLibrary* p = AfxGetModuleChainHead(); p; p = p->m_pNextDLL)
        if (p->m_hModule == hModule)
            ++n;
    return n;
}

TEST(ModuleLoad, RegistersAndUnregistersTheDataManagerOnce)
{
    AcApDocManager* dm = acDocManagerPtr();
    ASSERT_EQ(nullptr, GetModuleHandleW(L"qctl.dll")) << "this program must not link the library";
    int count = dm->reactorCount(), added = dm->reactorsAdded(), removed = dm->reactorsRemoved();

    HMODULE lib = LoadLibraryW(L"qctl.dll");
    ASSERT_NE(nullptr, lib) << "load failed, error " << GetLastError();
    EXPECT_EQ(count + 1, dm->reactorCount());
    EXPECT_EQ(added + 1, dm->reactorsAdded());
    EXPECT_EQ(removed, dm->reactorsRemoved());
    // The module joined the framework's chain, so its resources are found.
    EXPECT_EQ(1, ChainEntriesOf(lib));

    // Documents opened and closed while the module is loaded reach its reactor without harm.
    AcApDocument* a = dm->openDocument(L"C:\\work\\plan.dwg");
    dm->openDocument(L"C:\\work\\section.dwg");
    dm->closeDocument(a);
    dm->closeAllDocuments();
    EXPECT_EQ(count + 1, dm->reactorCount());

    ASSERT_TRUE(FreeLibrary(lib));
    EXPECT_EQ(nullptr, GetModuleHandleW(L"qctl.dll"));
    EXPECT_EQ(0, ChainEntriesOf(lib));
    EXPECT_EQ(count, dm->reactorCount());
    EXPECT_EQ(added + 1, dm->reactorsAdded());
    EXPECT_EQ(removed + 1, dm->reactorsRemoved());
}

TEST(ModuleLoad, ReloadRegistersAgain)
{
    AcApDocManager* dm = acDocManagerPtr();
    int added = dm->reactorsAdded(), removed = dm->reactorsRemoved();
    for (int i = 0; i < 3; ++i)
    {
        HMODULE lib = LoadLibraryW(L"qctl.dll");
        ASSERT_NE(nullptr, lib);
        dm->openDocument(L"r.dwg");
        dm->closeAllDocuments();
        ASSERT_TRUE(FreeLibrary(lib));
    }
    EXPECT_EQ(added + 3, dm->reactorsAdded());
    EXPECT_EQ(removed + 3, dm->reactorsRemoved());
}

} // namespace
