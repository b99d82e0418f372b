// Names the desktop folder parses by itself: a drive path ("C:\..."), a network path ("\\...")
// or a namespace name ("::{...}"). Other names would be taken relative to the desktop's own
// folder, which some shells do not have (parsing them there faults), so they are not passed on.
#pragma once

#include <windows.h>

inline bool IsDesktopParseName(LPCWSTR lpszName)
{
    if (lpszName == NULL || lpszName[0] == 0)
        return false;
    if (lpszName[1] == L':')
        return (lpszName[0] >= L'A' && lpszName[0] <= L'Z') || (lpszName[0] >= L'a' && lpszName[0] <= L'z') ||
               lpszName[0] == L':';
    return lpszName[0] == L'\\' && lpszName[1] == L'\\';
}
