// CQSHFileInfo: the parts, shell information, display texts and existence of one path, and the
// folder-browsing dialog.
#include "QSHFileInfo.h"
#include "internal/ShellParse.h"

#include <shlobj.h>

#include <cwchar>

namespace
{

inline bool IsSeparator(wchar_t ch)
{
    return ch == L'\\' || ch == L'/';
}

// Copies a part into a field of cch characters; FALSE when it does not fit.
bool CopyPart(wchar_t* pField, size_t cch, const CString& strPart)
{
    if ((size_t)strPart.GetLength() >= cch)
        return false;
    wcscpy(pField, strPart);
    return true;
}

// What the shell reports for a path. Paths of MAX_PATH characters or more are not passed on: the
// shell's own buffers are that long, and such a path has no shell information here.
bool AskShell(const CString& strPath, UINT uFlags, SHFILEINFOW* pInfo)
{
    *pInfo = SHFILEINFOW();
    if (strPath.IsEmpty() || strPath.GetLength() >= MAX_PATH)
        return false;
    return ::SHGetFileInfoW(strPath, 0, pInfo, sizeof(*pInfo), uFlags) != 0;
}

} // namespace

CQSHFileInfo::CQSHFileInfo() : m_nImage(0), m_pFind(NULL)
{
    Split();
}

CQSHFileInfo::CQSHFileInfo(LPCTSTR lpszPath) : m_nImage(0), m_pFind(NULL), m_strPath(lpszPath)
{
    Split();
}

CQSHFileInfo::CQSHFileInfo(CFileFind* pFind) : m_nImage(0), m_pFind(pFind)
{
    if (pFind != NULL)
        m_strPath = pFind->GetFilePath();
    Split();
}

CQSHFileInfo::CQSHFileInfo(const CQSHFileInfo& other)
{
    *this = other;
}

CQSHFileInfo& CQSHFileInfo::operator=(const CQSHFileInfo& other)
{
    if (this == &other)
        return *this;
    m_nImage = other.m_nImage;
    m_strFolder = other.m_strFolder;
    m_strRoot = other.m_strRoot;
    m_strSelect = other.m_strSelect;
    m_strTitle = other.m_strTitle;
    m_pFind = other.m_pFind;
    m_strPath = other.m_strPath;
    wcscpy(m_szDrive, other.m_szDrive);
    wcscpy(m_szDir, other.m_szDir);
    wcscpy(m_szFname, other.m_szFname);
    wcscpy(m_szExt, other.m_szExt);
    return *this;
}

CQSHFileInfo::~CQSHFileInfo() {}

void CQSHFileInfo::SplitPath(LPCWSTR lpszPath, CString* pDrive, CString* pDir, CString* pFname, CString* pExt)
{
    CString strDrive, strDir, strFname, strExt;
    if (lpszPath != NULL)
    {
        const wchar_t* p = lpszPath;
        if (p[0] != 0 && p[1] == L':')
        {
            strDrive = CString(p, 2);
            p += 2;
        }
        const wchar_t* pName = p; // after the last separator
        const wchar_t* pDot = NULL;
        for (const wchar_t* q = p; *q != 0; q++)
        {
            if (IsSeparator(*q))
            {
                pName = q + 1;
                pDot = NULL;
            }
            else if (*q == L'.')
                pDot = q;
        }
        strDir = CString(p, (int)(pName - p));
        if (pDot != NULL)
        {
            strFname = CString(pName, (int)(pDot - pName));
            strExt = pDot;
        }
        else
            strFname = pName;
    }
    if (pDrive != NULL)
        *pDrive = strDrive;
    if (pDir != NULL)
        *pDir = strDir;
    if (pFname != NULL)
        *pFname = strFname;
    if (pExt != NULL)
        *pExt = strExt;
}

void CQSHFileInfo::Split()
{
    CString strDrive, strDir, strFname, strExt;
    SplitPath(m_strPath, &strDrive, &strDir, &strFname, &strExt);
    if (!CopyPart(m_szDrive, 3, strDrive) || !CopyPart(m_szDir, 256, strDir) ||
        !CopyPart(m_szFname, 256, strFname) || !CopyPart(m_szExt, 256, strExt))
        m_szDrive[0] = m_szDir[0] = m_szFname[0] = m_szExt[0] = 0;
}

CString CQSHFileInfo::GetRoot()
{
    CString str;
    str.Format(L"%s%s", m_szDrive, m_szDir);
    return str;
}

CString CQSHFileInfo::GetFileName()
{
    CString str;
    str.Format(L"%s%s", m_szFname, m_szExt);
    return str;
}

CString CQSHFileInfo::GetFileTitle()
{
    return CString(m_szFname);
}

CString CQSHFileInfo::GetFileExt()
{
    return CString(m_szExt);
}

CString CQSHFileInfo::GetDisplayName()
{
    SHFILEINFOW sfi;
    AskShell(m_strPath, SHGFI_DISPLAYNAME, &sfi);
    return CString(sfi.szDisplayName);
}

CString CQSHFileInfo::GetDescription()
{
    SHFILEINFOW sfi;
    AskShell(m_strPath, SHGFI_TYPENAME, &sfi);
    return CString(sfi.szTypeName);
}

int CQSHFileInfo::GetIconIndex()
{
    SHFILEINFOW sfi;
    AskShell(m_strPath, SHGFI_SYSICONINDEX | SHGFI_SMALLICON, &sfi);
    return sfi.iIcon;
}

void CQSHFileInfo::GetSystemImageList(CImageList* pSmallList, CImageList* pLargeList)
{
    SHFILEINFOW sfi = {};
    if (pSmallList != NULL && pSmallList->m_hImageList == NULL)
    {
        HIMAGELIST hList =
            (HIMAGELIST)::SHGetFileInfoW(L"C:\\", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        if (hList != NULL)
            pSmallList->Attach(hList);
    }
    if (pLargeList != NULL && pLargeList->m_hImageList == NULL)
    {
        sfi = SHFILEINFOW();
        HIMAGELIST hList =
            (HIMAGELIST)::SHGetFileInfoW(L"C:\\", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_ICON);
        if (sfi.hIcon != NULL)
            ::DestroyIcon(sfi.hIcon); // only the list is wanted
        if (hList != NULL)
            pLargeList->Attach(hList);
    }
}

CString CQSHFileInfo::GetFileSize()
{
    if (m_pFind == NULL)
        return CString();
    CString strNumber;
    strNumber.Format(L"%d", (int)(DWORD)m_pFind->GetLength());
    // Walk from the last digit to the first, a comma after every third one that has more
    // before it, then turn the result round.
    CString strReversed;
    int nCopied = 0;
    for (int i = strNumber.GetLength() - 1; i >= 0; i--)
    {
        strReversed += strNumber[i];
        if (++nCopied % 3 == 0 && i != 0)
            strReversed += L',';
    }
    strReversed.MakeReverse();
    return strReversed;
}

CString CQSHFileInfo::GetLastWriteTime()
{
    FILETIME ft, ftLocal;
    SYSTEMTIME st;
    if (m_pFind == NULL || !m_pFind->GetLastWriteTime(&ft) || !::FileTimeToLocalFileTime(&ft, &ftLocal) ||
        !::FileTimeToSystemTime(&ftLocal, &st))
        return CString();
    CString str;
    str.Format(L"%.2d/%.2d/%d %.2d:%.2d", st.wMonth, st.wDay, st.wYear, st.wHour, st.wMinute);
    return str;
}

bool CQSHFileInfo::Exist()
{
    CString strPath = m_strPath;
    int nLength = strPath.GetLength();
    if (nLength > 0 && strPath.ReverseFind(L'\\') == nLength - 1 && nLength == 3)
    {
        if (strPath[1] == L':')
            return true; // a drive root
        strPath.Truncate(nLength - 1);
    }
    WIN32_FIND_DATAW fd;
    HANDLE hFind = ::FindFirstFileW(strPath, &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(hFind);
    return true;
}

int CALLBACK CQSHFileInfo::BrowseCallbackProc(HWND hwnd, UINT uMsg, LPARAM, LPARAM lpData)
{
    CQSHFileInfo* pThis = (CQSHFileInfo*)lpData;
    if (uMsg == BFFM_INITIALIZED && pThis != NULL && !pThis->m_strSelect.IsEmpty())
        ::SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, (LPARAM)(LPCWSTR)pThis->m_strSelect);
    return 0;
}

BOOL CQSHFileInfo::BrowseForFolder(CWnd* pParentWnd)
{
    LPMALLOC lpMalloc = NULL;
    if (::SHGetMalloc(&lpMalloc) != S_OK || lpMalloc == NULL)
        return FALSE;
    LPITEMIDLIST pidlRoot = NULL;
    if (!m_strRoot.IsEmpty())
    {
        LPSHELLFOLDER lpsfDesktop = NULL;
        HRESULT hr = IsDesktopParseName(m_strRoot) ? ::SHGetDesktopFolder(&lpsfDesktop) : E_INVALIDARG;
        if (SUCCEEDED(hr) && lpsfDesktop != NULL)
        {
            ULONG ulEaten = 0;
            CString strRoot = m_strRoot;
            hr = lpsfDesktop->ParseDisplayName(NULL, NULL, strRoot.GetBuffer(), &ulEaten, &pidlRoot, NULL);
            strRoot.ReleaseBuffer();
            lpsfDesktop->Release();
        }
        if (FAILED(hr) || pidlRoot == NULL)
        {
            if (pidlRoot != NULL)
                lpMalloc->Free(pidlRoot);
            lpMalloc->Release();
            return FALSE;
        }
    }
    wchar_t szDisplayName[MAX_PATH] = L"";
    BROWSEINFOW bi = {};
    bi.hwndOwner = pParentWnd->GetSafeHwnd();
    bi.pidlRoot = pidlRoot;
    bi.pszDisplayName = szDisplayName;
    bi.lpszTitle = m_strTitle.IsEmpty() ? L"Open" : (LPCWSTR)m_strTitle;
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    bi.lpfn = BrowseCallbackProc;
    bi.lParam = (LPARAM)this;
    LPITEMIDLIST pidlChosen = ::SHBrowseForFolderW(&bi);
    m_strFolder = szDisplayName;
    if (pidlRoot != NULL)
        lpMalloc->Free(pidlRoot);
    if (pidlChosen == NULL)
    {
        lpMalloc->Release();
        return FALSE;
    }
    m_nImage = bi.iImage;
    wchar_t szPath[MAX_PATH] = L"";
    BOOL bPath = ::SHGetPathFromIDListW(pidlChosen, szPath);
    m_strFolder = bPath ? szPath : L"";
    lpMalloc->Free(pidlChosen);
    lpMalloc->Release();
    return bPath;
}
