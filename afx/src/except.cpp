// The exception classes and the AfxThrow helpers.
#include <afx.h>
#include <errno.h>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CFileException, CException)

namespace
{
// Copies text into a caller's buffer, truncating; FALSE when there is no room at all.
BOOL CopyMessage(LPCTSTR lpszText, LPTSTR lpszError, UINT nMaxError)
{
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    lstrcpynW(lpszError, lpszText, (int)(nMaxError > INT_MAX ? INT_MAX : nMaxError));
    return TRUE;
}
} // namespace

// ---------------------------------------------------------------------------------------------
// CException

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete), m_bReadyForDelete(FALSE) {}

CException::~CException() {}

void CException::Delete()
{
    if (m_bAutoDelete > 0)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError > 0)
        *lpszError = 0;
    return FALSE;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return static_cast<const CException*>(this)->GetErrorMessage(lpszError, nMaxError, pnHelpContext);
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    TCHAR szMessage[512];
    if (GetErrorMessage(szMessage, _countof(szMessage), NULL) && szMessage[0] != 0)
        return ::AfxMessageBox(szMessage, nType);
    // No message of our own: the caller's string resource, else a plain statement.
    CString strMessage;
    if (nMessageID == 0 || !strMessage.LoadString(::GetModuleHandleW(NULL), nMessageID))
        strMessage = L"No error message is available.";
    return ::AfxMessageBox(strMessage, nType);
}

// ---------------------------------------------------------------------------------------------
// Exceptions with a fixed message

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return CopyMessage(GetMessageText(), lpszError, nMaxError);
}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return static_cast<const CSimpleException*>(this)->GetErrorMessage(lpszError, nMaxError, pnHelpContext);
}

LPCTSTR CSimpleException::GetMessageText() const
{
    return L"An unexpected error occurred.";
}
LPCTSTR CMemoryException::GetMessageText() const
{
    return L"Out of memory.";
}
LPCTSTR CNotSupportedException::GetMessageText() const
{
    return L"An unsupported operation was attempted.";
}
LPCTSTR CInvalidArgException::GetMessageText() const
{
    return L"Encountered an improper argument.";
}
LPCTSTR CResourceException::GetMessageText() const
{
    return L"A required resource was unavailable.";
}

// ---------------------------------------------------------------------------------------------
// CFileException

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

CFileException::~CFileException() {}

void CFileException::Clear()
{
    m_cause = none;
    m_lOsError = -1;
    m_strFileName.Empty();
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const LPCTSTR s_messages[] = {
        L"No error occurred while accessing %1.",                         // none
        L"An unexpected error occurred while accessing %1.",              // genericException
        L"%1 was not found.",                                             // fileNotFound
        L"%1 contains an incorrect path.",                                // badPath
        L"%1 could not be opened because there are too many open files.", // tooManyOpenFiles
        L"Access to %1 was denied.",                                      // accessDenied
        L"An incorrect file handle was associated with %1.",              // invalidFile
        L"%1 could not be removed because it is the current directory.",  // removeCurrentDir
        L"%1 could not be created because the directory is full.",        // directoryFull
        L"Seek failed on %1.",                                            // badSeek
        L"A hardware I/O error was reported while accessing %1.",         // hardIO
        L"A sharing violation occurred while accessing %1.",              // sharingViolation
        L"A locking violation occurred while accessing %1.",              // lockViolation
        L"Disk full while accessing %1.",                                 // diskFull
        L"An attempt was made to access %1 past its end.",                // endOfFile
    };
    if (pnHelpContext != NULL)
        *pnHelpContext = (UINT)m_cause;
    int cause = (m_cause >= 0 && m_cause < (int)_countof(s_messages)) ? m_cause : genericException;
    CString strName = m_strFileName.IsEmpty() ? CString(L"an unnamed file") : m_strFileName;
    CString strMessage = s_messages[cause];
    strMessage.Replace(L"%1", strName);
    return CopyMessage(strMessage, lpszError, nMaxError);
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return static_cast<const CFileException*>(this)->GetErrorMessage(lpszError, nMaxError, pnHelpContext);
}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError)
    {
    case NO_ERROR: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_CANNOT_MAKE: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_NO_MORE_FILES: return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE: return badSeek;
    case ERROR_BAD_UNIT:
    case ERROR_NOT_READY:
    case ERROR_BAD_COMMAND:
    case ERROR_CRC:
    case ERROR_BAD_LENGTH:
    case ERROR_NOT_DOS_DISK:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE: return hardIO;
    case ERROR_SHARING_VIOLATION:
    case ERROR_SHARING_BUFFER_EXCEEDED: return sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_DRIVE_LOCKED:
    case ERROR_LOCK_FAILED: return lockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
    }
}

int PASCAL CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno)
    {
    case 0: return none;
    case EPERM:
    case EACCES: return accessDenied;
    case EBADF: return invalidFile;
    case EDEADLOCK: return sharingViolation;
    case EMFILE: return tooManyOpenFiles;
    case ENOENT:
    case ENFILE: return fileNotFound;
    case ENOSPC: return diskFull;
    case EINVAL:
    case EIO: return hardIO;
    default: return genericException;
    }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    if (lOsError != 0)
        ::AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName)
{
    if (nErrno != 0)
        ::AfxThrowFileException(ErrnoToException(nErrno), _doserrno, lpszFileName);
}

// ---------------------------------------------------------------------------------------------
// Throwing

void AFXAPI AfxThrowMemoryException()
{
    // Allocating an exception for a failed allocation could fail itself: throw a static one.
    static CMemoryException s_memoryException(FALSE);
    throw static_cast<CMemoryException*>(&s_memoryException);
}

void AFXAPI AfxThrowInvalidArgException()
{
    CInvalidArgException* e = new (std::nothrow) CInvalidArgException;
    if (e == NULL)
        AfxThrowMemoryException();
    throw e;
}

void AFXAPI AfxThrowResourceException()
{
    CResourceException* e = new (std::nothrow) CResourceException;
    if (e == NULL)
        AfxThrowMemoryException();
    throw e;
}

void AFXAPI AfxThrowNotSupportedException()
{
    CNotSupportedException* e = new (std::nothrow) CNotSupportedException;
    if (e == NULL)
        AfxThrowMemoryException();
    throw e;
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    CFileException* e = new (std::nothrow) CFileException(cause, lOsError, lpszFileName);
    if (e == NULL)
        AfxThrowMemoryException();
    throw e;
}
