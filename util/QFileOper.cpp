// CQFileOper: path splitting, existence tests, copies and deletions over the platform's files.
#include "QFileOper.h"

#include <cwchar>
#include <vector>

namespace
{

bool IsEmptyPath(const wchar_t* psz)
{
    return psz == nullptr || *psz == L'\0';
}

// The process's current directory, whatever its length; empty when it cannot be read.
CString CurrentDirectory()
{
    std::vector<wchar_t> buf(1024);
    for (int i = 0; i < 4; ++i)
    {
        DWORD n = ::GetCurrentDirectoryW(static_cast<DWORD>(buf.size()), buf.data());
        if (n == 0)
            return CString();
        if (n < buf.size())
            return CString(buf.data(), static_cast<int>(n));
        buf.resize(n + 1);
    }
    return CString();
}

} // namespace

BOOL CQFileOper::FileToDirName(const wchar_t* pszPath, CString& strDir, CString& strName)
{
    if (IsEmptyPath(pszPath))
        return FALSE;
    CString strPath(pszPath);
    int i = strPath.ReverseFind(L'\\');
    if (i < 0)
        i = strPath.ReverseFind(L'/');
    if (i < 0)
        return FALSE;
    strDir = strPath.Left(i + 1);
    strName = strPath.Mid(i + 1);
    return !strDir.IsEmpty() && !strName.IsEmpty();
}

BOOL CQFileOper::IsExitedFile(const wchar_t* pszDir, const wchar_t* pszName)
{
    if (IsEmptyPath(pszDir) || IsEmptyPath(pszName))
        return FALSE;
    CString strOldDir = CurrentDirectory();
    if (!::SetCurrentDirectoryW(pszDir))
        return FALSE;
    BOOL bOnlyOne = FALSE;
    {
        CFileFind finder;
        if (finder.FindFile(pszName))
            bOnlyOne = !finder.FindNextFile();
        finder.Close();
    }
    if (!strOldDir.IsEmpty())
        ::SetCurrentDirectoryW(strOldDir);
    return bOnlyOne;
}

BOOL CQFileOper::IsExitedFile(const wchar_t* pszPath)
{
    CString strDir, strName;
    if (!FileToDirName(pszPath, strDir, strName))
        return FALSE;
    return IsExitedFile(strDir, strName);
}

BOOL CQFileOper::CopyFileTo(const wchar_t* pszSource, const wchar_t* pszDestDir, const wchar_t* pszDestName,
                            int bFailIfExists, CString& strDestPath)
{
    strDestPath.Empty();
    if (!IsExitedFile(pszSource))
        return FALSE;
    CString strDir, strName;
    FileToDirName(pszSource, strDir, strName);
    if (!IsEmptyPath(pszDestName))
        strName = pszDestName;
    strDestPath = CString(pszDestDir != nullptr ? pszDestDir : L"") + strName;
    return ::CopyFileW(pszSource, strDestPath, bFailIfExists);
}

BOOL CQFileOper::DeleteFileW(const wchar_t* pszPath)
{
    if (IsEmptyPath(pszPath))
        return FALSE;
    try
    {
        CFile::Remove(pszPath);
    }
    catch (CFileException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL CQFileOper::DeleteFileW(const wchar_t* pszDir, const wchar_t* pszName)
{
    if (IsEmptyPath(pszDir) || IsEmptyPath(pszName))
        return FALSE;
    return DeleteFileW(CString(pszDir) + pszName);
}
