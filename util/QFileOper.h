// CQFileOper: static file operations: split a path, test that a file exists, copy, delete.
//
// A path is split at its last backslash or, when it has none, at its last slash. Directory and
// name are joined without adding a separator: a directory given separately must end in one.
// Null paths count as empty ones.
//
// IsExitedFile(dir, name) makes dir the process's current directory for the duration of the
// search, so it must not run while another thread depends on the current directory.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CQFileOper
{
public:
    // dir = the path up to and including its last separator, name = the rest. FALSE for an empty
    // path or one without a separator; TRUE only when both parts are non-empty (they are set anyway).
    static BOOL FileToDirName(const wchar_t* pszPath, CString& strDir, CString& strName);
    // TRUE when name (wildcards allowed) matches exactly one entry, file or directory, in dir.
    static BOOL IsExitedFile(const wchar_t* pszDir, const wchar_t* pszName);
    static BOOL IsExitedFile(const wchar_t* pszPath);
    // Copies an existing source to destDir + (destName, or the source's name when empty); destPath
    // receives that target (emptied first). With bFailIfExists non-zero an existing target is kept
    // and the copy fails.
    static BOOL CopyFileTo(const wchar_t* pszSource, const wchar_t* pszDestDir, const wchar_t* pszDestName,
                           int bFailIfExists, CString& strDestPath);
    // Removes the file; FALSE (nothing shown) when it cannot be removed.
    static BOOL DeleteFileW(const wchar_t* pszPath);
    static BOOL DeleteFileW(const wchar_t* pszDir, const wchar_t* pszName);
};
