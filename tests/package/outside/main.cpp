// A caller's module: includes the umbrella header and uses the library, the layer and the host.
#include <qctl.h>
#include <acdocman.h>
#include <aced.h>
#include <cstdio>

int main()
{
    CString s;
    s.Format(L"%s-%d", L"qctl", 7);
    // The library registered its per-document data manager when it was loaded.
    int reactors = acDocManagerPtr()->reactorCount();
    int elements = CQStringMgr::GetElementCount(L"M10,M12,M16", L",");
    bool ok = s == L"qctl-7" && elements == 3 && reactors == 1 && acedGetRGB(1) == RGB(255, 0, 0) &&
              GetModuleHandleW(L"qctl.dll") != nullptr;
    std::printf("outside: %s (reactors %d)\n", ok ? "ok" : "FAILED", reactors);
    return ok ? 0 : 1;
}
