// What the process holds, to find leaks over long runs: GDI objects, USER objects and heap in use.
//
// GetGuiResources answers with the counts on Windows; where it answers 0 (under Wine) the GDI
// objects are counted by walking the process's GDI handle table (each entry in use whose handle
// the platform accepts, GetObjectType), and the USER objects as the windows of this process (top
// level, message-only and every child). Heap in use is the sum of the busy blocks of every heap of
// the process (HeapWalk). The counts are meant for comparing a process with itself: take them
// before and after some work, after the same idle clean-up both times.
#pragma once

#include <windows.h>

namespace qtest
{

struct ResourceCounts
{
    int nGdi = 0;        // GDI objects, stock objects included
    int nUser = 0;       // USER objects (windows where the platform does not count)
    long long nHeap = 0; // bytes in busy heap blocks
};

int CountGdiObjects();
int CountUserObjects();
long long HeapInUse();
ResourceCounts CountResources();

} // namespace qtest
