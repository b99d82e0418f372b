// Counting GDI objects, USER objects and heap in use (see resources.h).
#include "resources.h"

#include <winternl.h>

#include <vector>

namespace qtest
{
namespace
{
// One entry of the GDI handle table that the platform maps into every process (24 bytes on 64-bit
// Windows and under Wine): the handle of entry i is i | unique << 16.
struct GdiEntry
{
    ULONGLONG object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    ULONGLONG user;
};
static_assert(sizeof(GdiEntry) == 24, "GDI handle table entries are 24 bytes");
const size_t kGdiEntries = 0x10000;
const size_t kGdiTableOffset = 0xF8; // GdiSharedHandleTable in the 64-bit process environment block

const GdiEntry* GdiTable()
{
    const BYTE* pPeb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const GdiEntry* pTable = *reinterpret_cast<const GdiEntry* const*>(pPeb + kGdiTableOffset);
    if (pTable == nullptr)
        return nullptr;
    // the whole table must be readable
    MEMORY_BASIC_INFORMATION mbi;
    const BYTE* p = reinterpret_cast<const BYTE*>(pTable);
    const BYTE* pEnd = p + kGdiEntries * sizeof(GdiEntry);
    while (p < pEnd)
    {
        if (::VirtualQuery(p, &mbi, sizeof(mbi)) == 0 || mbi.State != MEM_COMMIT ||
            (mbi.Protect & (PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ)) == 0 ||
            (mbi.Protect & PAGE_GUARD) != 0)
            return nullptr;
        p = static_cast<const BYTE*>(mbi.BaseAddress) + mbi.RegionSize;
    }
    return pTable;
}

BOOL CALLBACK CountChild(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

void CountWindowAndChildren(HWND hWnd, int& nCount)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != ::GetCurrentProcessId())
        return;
    nCount++;
    ::EnumChildWindows(hWnd, CountChild, reinterpret_cast<LPARAM>(&nCount));
}

BOOL CALLBACK CountTop(HWND hWnd, LPARAM lParam)
{
    CountWindowAndChildren(hWnd, *reinterpret_cast<int*>(lParam));
    return TRUE;
}
} // namespace

int CountGdiObjects()
{
    if (DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return (int)n;
    const GdiEntry* pTable = GdiTable();
    if (pTable == nullptr)
        return 0;
    int nCount = 0;
    for (size_t i = 0; i < kGdiEntries; i++)
    {
        if (pTable[i].type == 0)
            continue;
        HGDIOBJ h = reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(i | (ULONG)pTable[i].unique << 16));
        if (::GetObjectType(h) != 0)
            nCount++;
    }
    return nCount;
}

int CountUserObjects()
{
    if (DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS))
        return (int)n;
    int nCount = 0;
    ::EnumWindows(CountTop, reinterpret_cast<LPARAM>(&nCount));
    HWND hWnd = NULL;
    while ((hWnd = ::FindWindowExW(HWND_MESSAGE, hWnd, NULL, NULL)) != NULL)
        CountWindowAndChildren(hWnd, nCount);
    return nCount;
}

long long HeapInUse()
{
    DWORD nHeaps = ::GetProcessHeaps(0, NULL);
    std::vector<HANDLE> heaps(nHeaps + 16);
    nHeaps = ::GetProcessHeaps((DWORD)heaps.size(), heaps.data());
    long long nBytes = 0;
    for (DWORD i = 0; i < nHeaps && i < heaps.size(); i++)
    {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                nBytes += entry.cbData;
        ::HeapUnlock(heaps[i]);
    }
    return nBytes;
}

ResourceCounts CountResources()
{
    ResourceCounts counts;
    counts.nGdi = CountGdiObjects();
    counts.nUser = CountUserObjects();
    counts.nHeap = HeapInUse();
    return counts;
}

} // namespace qtest
