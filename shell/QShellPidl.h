// CQShellPidl: operations on shell item identifier lists (measuring, walking, joining, copying),
// an item's display name and icon, and an item's shell context menu. It holds no data; the
// folder tree derives from it.
//
// Lists are the platform's ITEMIDLIST: a run of items, each opened by a 16-bit byte count that
// includes the count itself, ended by a zero count. Lists that these operations make come from
// the shell allocator (SHGetMalloc) and are freed with it. A count below 2 (a zero count, or a
// count of 1 that could not even hold itself) ends a list wherever it stands.
#pragma once

#include <afxwin.h>
#include <shlobj.h>

class AFX_EXT_CLASS CQShellPidl
{
public:
    // The record a folder tree attaches to each of its items; allocated with the shell allocator.
    struct tagID
    {
        LPSHELLFOLDER lpsfParent; // the folder that contains the item; holds one reference
        LPITEMIDLIST lpi;         // the item's one-item list relative to lpsfParent
        LPITEMIDLIST lpifq;       // the item's full list, from the root of the enumeration that made it
    };

    // 0 for a null list; otherwise 2 (the terminator) plus the byte counts of all items.
    UINT GetSize(LPCITEMIDLIST pidl);
    // The list advanced by its first item's byte count; null for a null list, the list itself at
    // its end (an empty list has no item to step over).
    LPITEMIDLIST Next(LPCITEMIDLIST pidl);
    // cbSize zero-filled bytes from the shell allocator; null when that fails.
    LPITEMIDLIST CreatePidl(UINT cbSize);
    // A new list: the items of pidl1 (none when it is null) followed by the whole of pidl2; null
    // when pidl2 is null or the allocation fails.
    LPITEMIDLIST ConcatPidls(LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2);
    // A one-item list holding the first item of lpi, allocated from lpMalloc.
    LPITEMIDLIST CopyITEMID(LPMALLOC lpMalloc, LPITEMIDLIST lpi);

    // The item's display name (IShellFolder::GetDisplayNameOf with the SHGDN flags) into
    // lpFriendlyName, which must hold 256 characters: longer names are cut to 255. FALSE when the
    // folder does not answer S_OK or answers in an unknown form.
    BOOL GetName(LPSHELLFOLDER lpsf, LPITEMIDLIST lpi, DWORD dwFlags, LPWSTR lpFriendlyName);
    // The item's parsing name parsed again by the desktop: a list that starts at the desktop, or
    // null.
    LPITEMIDLIST GetFullyQualPidl(LPSHELLFOLDER lpsf, LPITEMIDLIST lpi);
    // The icon index SHGetFileInfoW reports for the list with the SHGFI flags (which include
    // SHGFI_PIDL).
    int GetItemIcon(LPITEMIDLIST lpi, UINT uFlags);
    // The item's context menu at the screen point; a chosen command is carried out. FALSE when the
    // menu could not be made.
    BOOL DoTheMenuThing(HWND hwnd, LPSHELLFOLDER lpsfParent, LPITEMIDLIST lpi, LPPOINT lppt);

protected:
    // GetName with the buffer's size in characters (at least 1).
    BOOL GetNameBuffer(LPSHELLFOLDER lpsf, LPCITEMIDLIST lpi, DWORD dwFlags, LPWSTR lpName, int cchName);
};
