// Shared helpers of the shell tests: a temporary folder tree on disk, an allocation counter on
// the shell allocator, and a timer that closes context menus so that a test never blocks in one.
#pragma once

#include "qctl.h"
#include "testwin.h"

#include <string>
#include <vector>

namespace shelltest
{

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class CTempTree
{
public:
    CTempTree();
    ~CTempTree();
    const CString& Root() const { return m_strRoot; }
    // Path of a relative name below the root ("a\\b").
    CString Path(LPCWSTR lpszRelative) const;
    bool MakeFolder(LPCWSTR lpszRelative) const;
    bool MakeFile(LPCWSTR lpszRelative, DWORD cbSize = 0) const;
    static void RemoveAll(const CString& strPath);

private:
    CString m_strRoot;
};

// Counts the blocks of the COM task allocator (which SHGetMalloc answers) that were allocated
// while it was registered and are not yet freed.
class CAllocCounter
{
public:
    CAllocCounter();
    ~CAllocCounter();
    bool Registered() const { return m_bRegistered; }
    long Outstanding() const;

private:
    bool m_bRegistered;
};

// While it lives, a pop-up menu that this thread tracks is noted (its item count) and closed
// at once.
class CMenuCloser
{
public:
    CMenuCloser();
    ~CMenuCloser();
    int MenusSeen() const;
    int LastItemCount() const;

private:
    UINT_PTR m_nTimer;
};

// UTF-8 of a text, for test messages.
std::string Narrow(const CString& str);

// An identifier list parsed by the desktop from a path (ILFree it), NULL on failure.
LPITEMIDLIST ParsePath(LPCWSTR lpszPath);

} // namespace shelltest
