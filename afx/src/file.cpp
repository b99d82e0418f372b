// CFile over Win32 handles, CStdioFile over C run-time streams, and CFileFind.
#include <afx.h>
#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <limits.h>
#include <stdlib.h>
#include <wchar.h>

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CStdioFile, CFile)
IMPLEMENT_DYNAMIC(CFileFind, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace
{
// The full path of a file name, or the name itself when the system cannot make one.
CString FullPath(LPCTSTR lpszFileName)
{
    DWORD n = ::GetFullPathNameW(lpszFileName, 0, NULL, NULL);
    if (n == 0)
        return CString(lpszFileName);
    CString strPath;
    DWORD nGot = ::GetFullPathNameW(lpszFileName, n, strPath.GetBuffer((int)n), NULL);
    strPath.ReleaseBuffer(nGot < n ? (int)nGot : 0);
    return strPath.IsEmpty() ? CString(lpszFileName) : strPath;
}

// The part after the last path separator.
CString NamePart(const CString& strPath)
{
    int i = strPath.GetLength();
    while (i > 0 && strPath[i - 1] != L'\\' && strPath[i - 1] != L'/' && strPath[i - 1] != L':')
        i--;
    return strPath.Mid(i);
}

CString WithoutExtension(const CString& strName)
{
    int iDot = strName.ReverseFind(L'.');
    return iDot > 0 ? strName.Left(iDot) : strName;
}
} // namespace

// ---------------------------------------------------------------------------------------------
// CFile

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        ::AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        ::CloseHandle(m_hFile);
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != hFileNull)
        Abort();
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (pError != NULL)
        pError->Clear();

    if (lpszFileName == NULL || *lpszFileName == 0)
    {
        if (pError != NULL)
        {
            pError->m_cause = CFileException::badPath;
            pError->m_lOsError = ERROR_INVALID_NAME;
        }
        return FALSE;
    }

    DWORD dwAccess;
    switch (nOpenFlags & 3)
    {
    case modeRead: dwAccess = GENERIC_READ; break;
    case modeWrite: dwAccess = GENERIC_WRITE; break;
    case modeReadWrite: dwAccess = GENERIC_READ | GENERIC_WRITE; break;
    default:
        if (pError != NULL)
        {
            pError->m_cause = CFileException::genericException;
            pError->m_lOsError = ERROR_INVALID_PARAMETER;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }

    DWORD dwShareMode = 0;
    switch (nOpenFlags & 0x70)
    {
    case shareDenyWrite: dwShareMode = FILE_SHARE_READ; break;
    case shareDenyRead: dwShareMode = FILE_SHARE_WRITE; break;
    case shareDenyNone: dwShareMode = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: dwShareMode = 0; break; // shareCompat, shareExclusive
    }

    SECURITY_ATTRIBUTES sa = {sizeof(sa), NULL, (nOpenFlags & modeNoInherit) == 0};

    DWORD dwCreateFlag;
    if (nOpenFlags & modeCreate)
        dwCreateFlag = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    else
        dwCreateFlag = OPEN_EXISTING;

    DWORD dwFlags = FILE_ATTRIBUTE_NORMAL;
    if (nOpenFlags & osNoBuffer)
        dwFlags |= FILE_FLAG_NO_BUFFERING;
    if (nOpenFlags & osWriteThrough)
        dwFlags |= FILE_FLAG_WRITE_THROUGH;
    if (nOpenFlags & osRandomAccess)
        dwFlags |= FILE_FLAG_RANDOM_ACCESS;
    if (nOpenFlags & osSequentialScan)
        dwFlags |= FILE_FLAG_SEQUENTIAL_SCAN;

    HANDLE hFile = ::CreateFileW(lpszFileName, dwAccess, dwShareMode, &sa, dwCreateFlag, dwFlags, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        DWORD dwError = ::GetLastError();
        if (pError != NULL)
        {
            pError->m_lOsError = (LONG)dwError;
            pError->m_cause = CFileException::OsErrorToException((LONG)dwError);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = FullPath(lpszFileName);
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (lpBuf == NULL)
        ::AfxThrowInvalidArgException();
    DWORD dwRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &dwRead, NULL))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (UINT)dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == NULL)
        ::AfxThrowInvalidArgException();
    DWORD dwWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &dwWritten, NULL))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    if (dwWritten != nCount)
        ::AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (nFrom > end)
        ::AfxThrowInvalidArgException();
    LARGE_INTEGER liOff, liNew;
    liOff.QuadPart = lOff;
    if (!::SetFilePointerEx(m_hFile, liOff, &liNew, nFrom))
    {
        DWORD dwError = ::GetLastError();
        if (dwError == ERROR_NEGATIVE_SEEK || dwError == ERROR_INVALID_PARAMETER)
            ::AfxThrowFileException(CFileException::badSeek, (LONG)dwError, m_strFileName);
        CFileException::ThrowOsError((LONG)dwError, m_strFileName);
    }
    return (ULONGLONG)liNew.QuadPart;
}

ULONGLONG CFile::SeekToEnd()
{
    return Seek(0, end);
}
void CFile::SeekToBegin()
{
    Seek(0, begin);
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER liZero, liPos;
    liZero.QuadPart = 0;
    if (!::SetFilePointerEx(m_hFile, liZero, &liPos, FILE_CURRENT))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (ULONGLONG)liPos.QuadPart;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER liSize;
    if (!::GetFileSizeEx(m_hFile, &liSize))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (ULONGLONG)liSize.QuadPart;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    Seek((LONGLONG)dwNewLen, begin);
    if (!::SetEndOfFile(m_hFile))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    if (!::FlushFileBuffers(m_hFile))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::Close()
{
    BOOL bError = FALSE;
    DWORD dwError = 0;
    if (m_hFile != hFileNull)
    {
        bError = !::CloseHandle(m_hFile);
        if (bError)
            dwError = ::GetLastError();
    }
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString strName = m_strFileName;
    m_strFileName.Empty();
    if (bError)
        CFileException::ThrowOsError((LONG)dwError, strName);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CString CFile::GetFileName() const
{
    return NamePart(m_strFileName);
}
CString CFile::GetFileTitle() const
{
    return WithoutExtension(GetFileName());
}
CString CFile::GetFilePath() const
{
    return m_strFileName;
}
void CFile::SetFilePath(LPCTSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (lpszOldName == NULL || lpszNewName == NULL)
        ::AfxThrowInvalidArgException();
    if (!::MoveFileW(lpszOldName, lpszNewName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszOldName);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName)
{
    if (lpszFileName == NULL)
        ::AfxThrowInvalidArgException();
    if (!::DeleteFileW(lpszFileName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
}

// ---------------------------------------------------------------------------------------------
// CStdioFile

CStdioFile::CStdioFile() : m_pStream(NULL), m_bText(TRUE) {}

CStdioFile::CStdioFile(FILE* pOpenStream) : m_pStream(pOpenStream), m_bText(TRUE)
{
    if (pOpenStream == NULL)
        ::AfxThrowInvalidArgException();
    m_hFile = (HANDLE)_get_osfhandle(_fileno(pOpenStream));
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_pStream(NULL), m_bText(TRUE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        ::AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        Abort();
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_pStream != NULL)
        Abort();
    m_pStream = NULL;
    if (!CFile::Open(lpszFileName, nOpenFlags & ~(UINT)(typeText | typeBinary), pError))
        return FALSE;

    // The stream's mode follows the open flags: w truncates, a appends, r reads; + when both.
    char szMode[4];
    int nMode = 0;
    if (nOpenFlags & modeCreate)
        szMode[nMode++] = (nOpenFlags & modeNoTruncate) ? 'a' : 'w';
    else if (nOpenFlags & modeWrite)
        szMode[nMode++] = 'a';
    else
        szMode[nMode++] = 'r';
    if ((szMode[0] == 'r' && (nOpenFlags & modeReadWrite)) || (szMode[0] != 'r' && !(nOpenFlags & modeWrite)))
        szMode[nMode++] = '+';
    int nFlags = _O_RDONLY | _O_TEXT;
    if (nOpenFlags & (modeWrite | modeReadWrite))
        nFlags ^= _O_RDONLY;
    if (nOpenFlags & typeBinary)
    {
        szMode[nMode++] = 'b';
        nFlags ^= _O_TEXT;
        nFlags |= _O_BINARY;
    }
    else
    {
        szMode[nMode++] = 't';
    }
    szMode[nMode] = 0;

    int fd = _open_osfhandle((intptr_t)m_hFile, nFlags);
    if (fd != -1)
        m_pStream = _fdopen(fd, szMode);
    if (m_pStream == NULL)
    {
        int nErrno = errno;
        if (pError != NULL)
        {
            pError->m_lOsError = _doserrno;
            pError->m_cause = CFileException::ErrnoToException(nErrno);
            pError->m_strFileName = lpszFileName;
        }
        if (fd != -1)
        {
            _close(fd); // closes the handle too
            m_hFile = hFileNull;
            m_bCloseOnDelete = FALSE;
            m_strFileName.Empty();
        }
        else
        {
            CFile::Abort();
        }
        return FALSE;
    }
    m_bText = (nOpenFlags & typeBinary) == 0;
    return TRUE;
}

namespace
{
// Holds a stream's lock for a scope, so that the characters of a line are taken without locking
// the stream for each byte.
class CStreamLock
{
public:
    explicit CStreamLock(FILE* pStream) : m_pStream(pStream)
    {
        if (m_pStream != NULL)
            _lock_file(m_pStream);
    }
    ~CStreamLock()
    {
        if (m_pStream != NULL)
            _unlock_file(m_pStream);
    }
    CStreamLock(const CStreamLock&) = delete;
    CStreamLock& operator=(const CStreamLock&) = delete;

private:
    FILE* m_pStream;
};
} // namespace

// Decodes one character. Text mode: the C run-time locale's multibyte encoding, bytes that do
// not form a character become U+FFFD. Binary mode: one UTF-16 unit. The caller holds the
// stream's lock (CStreamLock).
int CStdioFile::ReadChar(wchar_t& ch)
{
    if (m_pStream == NULL)
        ::AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    int b = _getc_nolock(m_pStream);
    if (b == EOF)
    {
        if (ferror(m_pStream))
        {
            clearerr(m_pStream);
            ::AfxThrowFileException(CFileException::genericException, _doserrno, m_strFileName);
        }
        return 0;
    }
    if (!m_bText)
    {
        int b2 = _getc_nolock(m_pStream);
        ch = (b2 == EOF) ? (wchar_t)0xFFFD : (wchar_t)(b | (b2 << 8));
        return 1;
    }
    if (b < 0x80)
    {
        ch = (wchar_t)b;
        return 1;
    }
    char buf[2] = {(char)b, 0};
    int nBytes = 1;
    if (MB_CUR_MAX > 1 && isleadbyte(b))
    {
        int b2 = _getc_nolock(m_pStream);
        if (b2 == EOF)
        {
            ch = 0xFFFD;
            return 1;
        }
        if (b2 < 0x40)
        {
            // No double-byte code page has trail bytes below 0x40: a line feed, comma or digit
            // after a lone lead byte is a character of its own.
            ungetc(b2, m_pStream);
            ch = 0xFFFD;
            return 1;
        }
        buf[1] = (char)b2;
        nBytes = 2;
    }
    wchar_t wc = 0;
    if (mbtowc(&wc, buf, nBytes) <= 0)
    {
        if (nBytes == 2)
            ungetc((unsigned char)buf[1], m_pStream); // the second byte may start a character
        wc = 0xFFFD;
    }
    ch = wc;
    return 1;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    CStreamLock lock(m_pStream);
    wchar_t chunk[256];
    int n = 0;
    BOOL bAny = FALSE;
    wchar_t ch;
    while (ReadChar(ch))
    {
        bAny = TRUE;
        if (ch == L'\n')
            break;
        chunk[n++] = ch;
        if (n == (int)_countof(chunk))
        {
            rString.Append(chunk, n);
            n = 0;
        }
    }
    rString.Append(chunk, n);
    return bAny;
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax)
{
    if (lpsz == NULL || nMax == 0)
        ::AfxThrowInvalidArgException();
    CStreamLock lock(m_pStream);
    UINT n = 0;
    wchar_t ch;
    while (n + 1 < nMax)
    {
        // Text mode: a run of single-byte characters is taken straight from the stream's buffer
        // (what ReadChar does for each of them); everything else goes through ReadChar.
        if (m_bText && m_pStream != NULL && m_pStream->_cnt > 0)
        {
            const unsigned char* p = (const unsigned char*)m_pStream->_ptr;
            UINT nRun = nMax - 1 - n;
            if ((UINT)m_pStream->_cnt < nRun)
                nRun = (UINT)m_pStream->_cnt;
            UINT i = 0;
            bool bLineEnd = false;
            while (i < nRun && p[i] < 0x80)
            {
                wchar_t c = p[i++];
                lpsz[n++] = c;
                if (c == L'\n')
                {
                    bLineEnd = true;
                    break;
                }
            }
            m_pStream->_ptr += i;
            m_pStream->_cnt -= (int)i;
            if (bLineEnd)
                break;
            if (i > 0)
                continue;
        }
        if (!ReadChar(ch))
            break;
        lpsz[n++] = ch;
        if (ch == L'\n')
            break;
    }
    lpsz[n] = 0;
    return n == 0 ? NULL : lpsz;
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    if (lpsz == NULL)
        ::AfxThrowInvalidArgException();
    if (m_pStream == NULL)
        ::AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    size_t nLength = wcslen(lpsz);
    if (!m_bText)
    {
        if (fwrite(lpsz, sizeof(wchar_t), nLength, m_pStream) != nLength)
            ::AfxThrowFileException(CFileException::diskFull, _doserrno, m_strFileName);
        return;
    }
    // Characters the locale cannot encode are written as '?'.
    char buf[1024];
    size_t nBuf = 0;
    for (size_t i = 0; i <= nLength; i++)
    {
        if (nBuf + MB_LEN_MAX > sizeof(buf) || (i == nLength && nBuf > 0))
        {
            if (fwrite(buf, 1, nBuf, m_pStream) != nBuf)
                ::AfxThrowFileException(CFileException::diskFull, _doserrno, m_strFileName);
            nBuf = 0;
        }
        if (i == nLength)
            break;
        wchar_t wc = lpsz[i];
        if (wc < 0x80)
        {
            buf[nBuf++] = (char)wc;
        }
        else
        {
            int nBytes = wctomb(buf + nBuf, wc);
            if (nBytes <= 0)
                buf[nBuf++] = '?';
            else
                nBuf += (size_t)nBytes;
        }
    }
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (lpBuf == NULL)
        ::AfxThrowInvalidArgException();
    if (m_pStream == NULL)
        ::AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    size_t nRead = fread(lpBuf, 1, nCount, m_pStream);
    if (nRead == 0 && !feof(m_pStream) && ferror(m_pStream))
    {
        clearerr(m_pStream);
        ::AfxThrowFileException(CFileException::genericException, _doserrno, m_strFileName);
    }
    return (UINT)nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == NULL)
        ::AfxThrowInvalidArgException();
    if (m_pStream == NULL)
        ::AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        ::AfxThrowFileException(CFileException::diskFull, _doserrno, m_strFileName);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (nFrom > end)
        ::AfxThrowInvalidArgException();
    if (m_pStream == NULL || _fseeki64(m_pStream, lOff, (int)nFrom) != 0)
        ::AfxThrowFileException(CFileException::badSeek, _doserrno, m_strFileName);
    return (ULONGLONG)_ftelli64(m_pStream);
}

ULONGLONG CStdioFile::GetPosition() const
{
    __int64 nPos = m_pStream == NULL ? -1 : _ftelli64(m_pStream);
    if (nPos < 0)
        ::AfxThrowFileException(CFileException::invalidFile, _doserrno, m_strFileName);
    return (ULONGLONG)nPos;
}

ULONGLONG CStdioFile::GetLength() const
{
    if (m_pStream == NULL)
        ::AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    __int64 nPos = _ftelli64(m_pStream);
    if (nPos < 0 || _fseeki64(m_pStream, 0, SEEK_END) != 0)
        ::AfxThrowFileException(CFileException::badSeek, _doserrno, m_strFileName);
    __int64 nLength = _ftelli64(m_pStream);
    _fseeki64(m_pStream, nPos, SEEK_SET);
    return nLength < 0 ? 0 : (ULONGLONG)nLength;
}

void CStdioFile::Flush()
{
    if (m_pStream != NULL && fflush(m_pStream) != 0)
        ::AfxThrowFileException(CFileException::diskFull, _doserrno, m_strFileName);
}

void CStdioFile::Close()
{
    int nErr = 0;
    if (m_pStream != NULL)
        nErr = fclose(m_pStream);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_pStream = NULL;
    CString strName = m_strFileName;
    m_strFileName.Empty();
    if (nErr != 0)
        ::AfxThrowFileException(CFileException::diskFull, _doserrno, strName);
}

void CStdioFile::Abort()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        fclose(m_pStream);
    m_hFile = hFileNull;
    m_pStream = NULL;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

// ---------------------------------------------------------------------------------------------
// CFileFind

CFileFind::CFileFind()
    : m_pFoundInfo(NULL), m_pNextInfo(NULL), m_hContext(NULL), m_chDirSeparator(L'\\'), m_bGotLast(FALSE)
{
}

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    delete m_pFoundInfo;
    delete m_pNextInfo;
    m_pFoundInfo = m_pNextInfo = NULL;
    if (m_hContext != NULL && m_hContext != INVALID_HANDLE_VALUE)
        ::FindClose(m_hContext);
    m_hContext = NULL;
    m_bGotLast = FALSE;
}

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD dwUnused)
{
    (void)dwUnused;
    Close();
    if (pstrName == NULL)
        pstrName = L"*.*";
    if (*pstrName == 0)
    {
        ::SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    m_pNextInfo = new (std::nothrow) WIN32_FIND_DATAW;
    if (m_pNextInfo == NULL)
        ::AfxThrowMemoryException();
    m_hContext = ::FindFirstFileW(pstrName, m_pNextInfo);
    if (m_hContext == INVALID_HANDLE_VALUE)
    {
        DWORD dwError = ::GetLastError();
        Close();
        ::SetLastError(dwError);
        return FALSE;
    }
    // The root is the searched folder: the full path up to the last separator.
    m_strRoot = FullPath(pstrName);
    int iBack = m_strRoot.ReverseFind(L'\\'), iFront = m_strRoot.ReverseFind(L'/');
    int iLast = iBack > iFront ? iBack : iFront;
    if (iLast >= 0)
        m_strRoot.Truncate(iLast);
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (m_hContext == NULL || m_bGotLast)
        return FALSE;
    if (m_pFoundInfo == NULL)
    {
        m_pFoundInfo = new (std::nothrow) WIN32_FIND_DATAW;
        if (m_pFoundInfo == NULL)
            ::AfxThrowMemoryException();
    }
    WIN32_FIND_DATAW* pTemp = m_pFoundInfo;
    m_pFoundInfo = m_pNextInfo;
    m_pNextInfo = pTemp;
    if (!::FindNextFileW(m_hContext, m_pNextInfo))
        m_bGotLast = TRUE;
    return !m_bGotLast;
}

CString CFileFind::GetFileName() const
{
    return m_pFoundInfo == NULL ? CString() : CString(m_pFoundInfo->cFileName);
}

CString CFileFind::GetFilePath() const
{
    if (m_pFoundInfo == NULL)
        return CString();
    CString strResult = m_strRoot;
    int n = strResult.GetLength();
    if (n == 0 || (strResult[n - 1] != L'\\' && strResult[n - 1] != L'/'))
        strResult += m_chDirSeparator;
    strResult += GetFileName();
    return strResult;
}

CString CFileFind::GetFileTitle() const
{
    return WithoutExtension(GetFileName());
}

CString CFileFind::GetRoot() const
{
    return m_strRoot;
}

ULONGLONG CFileFind::GetLength() const
{
    if (m_pFoundInfo == NULL)
        return 0;
    return ((ULONGLONG)m_pFoundInfo->nFileSizeHigh << 32) | m_pFoundInfo->nFileSizeLow;
}

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const
{
    if (m_pFoundInfo == NULL || pTimeStamp == NULL)
        return FALSE;
    *pTimeStamp = m_pFoundInfo->ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(FILETIME* pTimeStamp) const
{
    if (m_pFoundInfo == NULL || pTimeStamp == NULL)
        return FALSE;
    *pTimeStamp = m_pFoundInfo->ftLastAccessTime;
    return TRUE;
}

BOOL CFileFind::GetCreationTime(FILETIME* pTimeStamp) const
{
    if (m_pFoundInfo == NULL || pTimeStamp == NULL)
        return FALSE;
    *pTimeStamp = m_pFoundInfo->ftCreationTime;
    return TRUE;
}

BOOL CFileFind::IsDots() const
{
    if (m_pFoundInfo == NULL || !IsDirectory())
        return FALSE;
    const wchar_t* p = m_pFoundInfo->cFileName;
    return p[0] == L'.' && (p[1] == 0 || (p[1] == L'.' && p[2] == 0));
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const
{
    return m_pFoundInfo != NULL && (m_pFoundInfo->dwFileAttributes & dwMask) != 0;
}
