// The framework layer's core: diagnostics macros, CObject with run-time class information,
// the exception classes, files, and the message box helpers. Windowing lives in afxwin.h.
//
// What this layer does not do: serialization (CArchive), CDumpContext dumps, debug memory
// tracking, MBCS builds. Exceptions are thrown as pointers, as the framework always did:
//     try { ... } catch (CException* e) { e->Delete(); }
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif

#include <windows.h>
#include <tchar.h>
#include <new>
#include <stdio.h>
#include <afxver_.h>

#ifndef PASCAL
#define PASCAL __stdcall
#endif

// ---------------------------------------------------------------------------------------------
// Diagnostics. ASSERT is active in _DEBUG builds only; VERIFY always evaluates its argument.

#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : ::AfxAssertFailedLine(__FILE__, __LINE__))
#else
#define ASSERT(f) ((void)0)
#endif
#define VERIFY(f) ((f) ? (void)0 : ASSERT(FALSE))
#define ASSERT_VALID(pOb) ((void)0)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define ASSERT_POINTER(p, type) ASSERT((p) != NULL)
#define ASSERT_NULL_OR_POINTER(p, type) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
#define UNUSED(x) ((void)(x))
#define UNUSED_ALWAYS(x) ((void)(x))
#define DEBUG_NEW new
#define THIS_FILE __FILE__
#define AFX_COMDAT
#define AFX_STATIC static
#define AFX_STATIC_DATA static

// Tracing is compiled out; the arguments are not evaluated.
inline void AFX_CDECL AfxTrace(LPCWSTR, ...) {}
inline void AFX_CDECL AfxTrace(LPCSTR, ...) {}
#define TRACE(...) ((void)0)
#define TRACE0(sz) ((void)0)
#define TRACE1(sz, p1) ((void)0)
#define TRACE2(sz, p1, p2) ((void)0)
#define TRACE3(sz, p1, p2, p3) ((void)0)

// Checks that throw the layer's invalid-argument exception instead of crashing.
#define ENSURE_THROW(cond, exception)                                                                        \
    do                                                                                                       \
    {                                                                                                        \
        if (!(cond))                                                                                         \
        {                                                                                                    \
            exception;                                                                                       \
        }                                                                                                    \
    } while (0)
#define ENSURE(cond) ENSURE_THROW(cond, ::AfxThrowInvalidArgException())
#define ENSURE_ARG(cond) ENSURE_THROW(cond, ::AfxThrowInvalidArgException())
#define ENSURE_VALID(pOb) ENSURE((pOb) != NULL)

AFX_CORE_API void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);

inline BOOL AFXAPI AfxIsValidAddress(const void* p, UINT_PTR nBytes, BOOL bReadWrite = TRUE)
{
    (void)bReadWrite;
    return p != NULL || nBytes == 0;
}
inline BOOL AFXAPI AfxIsValidString(LPCWSTR psz, int nLength = -1)
{
    (void)nLength;
    return psz != NULL;
}
inline BOOL AFXAPI AfxIsValidString(LPCSTR psz, int nLength = -1)
{
    (void)nLength;
    return psz != NULL;
}

// Iteration cookie of the collections.
#ifndef _AFX_POSITION_DEFINED
#define _AFX_POSITION_DEFINED
struct __POSITION
{
};
typedef __POSITION* POSITION;
#endif
#define BEFORE_START_POSITION ((POSITION)-1L)

class CObject;
class CException;
class CFileException;

// Allocation failure and argument errors, raised as CException-derived pointers.
AFX_CORE_API void AFXAPI AfxThrowMemoryException();
AFX_CORE_API void AFXAPI AfxThrowInvalidArgException();
AFX_CORE_API void AFXAPI AfxThrowResourceException();
AFX_CORE_API void AFXAPI AfxThrowNotSupportedException();
AFX_CORE_API void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = NULL);

#include <afxstr.h>
#include <atltypes.h>

// ---------------------------------------------------------------------------------------------
// Run-time class information.
//
// Every class declared with DECLARE_DYNAMIC owns one static record `class<Name>` (a static data
// member, so it is exported together with an exported class). The record names its base through
// a function rather than a pointer: the base's record may live in another DLL, and its address
// is known only at run time there.

struct AFX_CORE_CLASS CRuntimeClass
{
    LPCSTR m_lpszClassName;                      // the class name, as written in the source
    int m_nObjectSize;                           // sizeof the class
    UINT m_wSchema;                              // 0xFFFF: not serializable
    CObject*(PASCAL* m_pfnCreateObject)();       // NULL unless DECLARE_DYNCREATE
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)(); // the base's record, NULL for CObject
    CRuntimeClass* m_pBaseClass;                 // used when m_pfnGetBaseClass is NULL
    CRuntimeClass* m_pNextClass;                 // unused: no class registry

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    CRuntimeClass* GetBaseClass() const;
};

#define _RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))
#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                          \
protected:                                                                                                   \
    static CRuntimeClass* PASCAL _GetBaseClass();                                                            \
                                                                                                             \
public:                                                                                                      \
    static const CRuntimeClass class##class_name;                                                            \
    static CRuntimeClass* PASCAL GetThisClass();                                                             \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                 \
    CRuntimeClass* PASCAL class_name::_GetBaseClass()                                                        \
    {                                                                                                        \
        return RUNTIME_CLASS(base_class_name);                                                               \
    }                                                                                                        \
    const CRuntimeClass class_name::class##class_name =                                                      \
        {                                                                                                    \
            #class_name, (int)sizeof(class class_name), wSchema, pfnNew, &class_name::_GetBaseClass, NULL,   \
            NULL};                                                                                           \
    CRuntimeClass* PASCAL class_name::GetThisClass()                                                         \
    {                                                                                                        \
        return _RUNTIME_CLASS(class_name);                                                                   \
    }                                                                                                        \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                       \
    {                                                                                                        \
        return _RUNTIME_CLASS(class_name);                                                                   \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* PASCAL class_name::CreateObject()                                                               \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                               \
    IMPLEMENT_DYNCREATE(class_name, base_class_name)

// The root of the framework's class tree: run-time type information and a virtual destructor.
// Objects are not copyable unless a derived class says so.
class AFX_CORE_CLASS CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    void operator=(const CObject&) = delete;

public:
    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    virtual void AssertValid() const;

    static const CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();

protected:
    static CRuntimeClass* PASCAL _GetBaseClass();
};

// Checked down-casts: DYNAMIC_DOWNCAST gives NULL for an object of another class.
AFX_CORE_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object)                                                                 \
    ((class_name*)::AfxDynamicDownCast(RUNTIME_CLASS(class_name), (CObject*)(object)))
#define STATIC_DOWNCAST(class_name, object) ((class_name*)(object))

// ---------------------------------------------------------------------------------------------
// Exceptions

class AFX_CORE_CLASS CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE);
    virtual ~CException();

    // Frees the exception if it was allocated by its thrower (the usual case).
    void Delete();

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
    // Shows the error message in a message box; returns the box's result.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

public:
    BOOL m_bAutoDelete; // TRUE: Delete() frees the object
    BOOL m_bReadyForDelete;
};

// Exceptions that carry nothing but their kind; the message is fixed.
class AFX_CORE_CLASS CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    explicit CSimpleException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;

protected:
    virtual LPCTSTR GetMessageText() const;
};

class AFX_CORE_CLASS CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

protected:
    LPCTSTR GetMessageText() const override;
};

class AFX_CORE_CLASS CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

protected:
    LPCTSTR GetMessageText() const override;
};

class AFX_CORE_CLASS CInvalidArgException : public CSimpleException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    explicit CInvalidArgException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

protected:
    LPCTSTR GetMessageText() const override;
};

class AFX_CORE_CLASS CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    explicit CResourceException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

protected:
    LPCTSTR GetMessageText() const override;
};

class AFX_CORE_CLASS CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = CFileException::none, LONG lOsError = -1,
                            LPCTSTR lpszArchiveName = NULL);
    virtual ~CFileException();

    // Maps a Win32 error code (GetLastError) to a cause.
    static int PASCAL OsErrorToException(LONG lOsError);
    // Maps a C run-time errno to a cause.
    static int PASCAL ErrnoToException(int nErrno);
    static void PASCAL ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = NULL);
    static void PASCAL ThrowErrno(int nErrno, LPCTSTR lpszFileName = NULL);

    void Clear();
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;

public:
    int m_cause;           // one of the causes above
    LONG m_lOsError;       // the system's error code, -1 when unknown
    CString m_strFileName; // the file the error concerns, may be empty
};

// The framework's TRY/CATCH macros on top of C++ exceptions. As in the framework, the caught
// exception is deleted when its CATCH block ends, unless THROW_LAST passes it on.
struct _AfxCatchScope
{
    CException* m_pException;
    explicit _AfxCatchScope(CException* p) : m_pException(p) {}
    ~_AfxCatchScope()
    {
        if (m_pException != NULL)
            m_pException->Delete();
    }
};
#define TRY                                                                                                  \
    try                                                                                                      \
    {
#define CATCH(class_name, e)                                                                                 \
    }                                                                                                        \
    catch (class_name * e)                                                                                   \
    {                                                                                                        \
        _AfxCatchScope _afxCatchScope(e);
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL }
#define END_TRY }
#define THROW(e) throw e
#define THROW_LAST()                                                                                         \
    do                                                                                                       \
    {                                                                                                        \
        _afxCatchScope.m_pException = NULL;                                                                  \
        throw;                                                                                               \
    } while (0)

// ---------------------------------------------------------------------------------------------
// Messages to the user and the application's name

// The application's name as set by the application object; NULL until it is set.
extern "C" AFX_CORE_DATA LPCTSTR afxCurrentAppName;
// afxCurrentAppName when set, else the executable's file name without its extension.
AFX_CORE_API LPCTSTR AFXAPI AfxGetAppName();
// A message box owned by this thread's active window, captioned with AfxGetAppName().
AFX_CORE_API int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

// ---------------------------------------------------------------------------------------------
// Files

// A binary file over a Win32 file handle. Errors raise CFileException* unless the call has an
// error record to fill (Open).
class AFX_CORE_CLASS CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
        osNoBuffer = 0x10000,
        osWriteThrough = 0x20000,
        osRandomAccess = 0x40000,
        osSequentialScan = 0x80000,
    };
    enum SeekPosition
    {
        begin = 0x0,
        current = 0x1,
        end = 0x2
    };

    static const HANDLE hFileNull;

    CFile();
    explicit CFile(HANDLE hFile);
    // Opens the file; throws CFileException* on failure.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    virtual ~CFile();

    // Attributes
    operator HANDLE() const { return m_hFile; }
    virtual ULONGLONG GetPosition() const;
    virtual CString GetFileName() const;  // the name part: "a.txt"
    virtual CString GetFileTitle() const; // the name without extension: "a"
    virtual CString GetFilePath() const;  // the full path
    virtual void SetFilePath(LPCTSTR lpszNewName);

    // Operations
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
    static void PASCAL Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static void PASCAL Remove(LPCTSTR lpszFileName);

    ULONGLONG SeekToEnd();
    void SeekToBegin();

    // Overridables
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual ULONGLONG GetLength() const;
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Abort(); // closes without throwing
    virtual void Flush();
    virtual void Close();

public:
    HANDLE m_hFile;

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName; // full path of the open file
};

// A buffered file through the C run-time's streams. In text mode (the default) lines end in
// CR LF on disk and text is stored in the multibyte encoding of the C run-time's locale; in
// binary mode (typeBinary) strings are stored as UTF-16 code units.
class AFX_CORE_CLASS CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    explicit CStdioFile(FILE* pOpenStream);
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    virtual ~CStdioFile();

    // Writes the text; "\n" becomes CR LF in text mode. Throws CFileException* on failure.
    virtual void WriteString(LPCTSTR lpsz);
    // Reads up to nMax - 1 characters, stopping after a line feed (which is kept).
    // Returns NULL at the end of the file.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    // Reads one line without its line end; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Abort() override;
    void Flush() override;
    void Close() override;

public:
    FILE* m_pStream;

protected:
    BOOL m_bText; // text mode: locale multibyte conversion

private:
    int ReadChar(wchar_t& ch); // 1: a character, 0: end of file
};

// Directory search over FindFirstFile/FindNextFile.
//     CFileFind ff; BOOL more = ff.FindFile(L"C:\\dir\\*.txt");
//     while (more) { more = ff.FindNextFile(); use(ff.GetFilePath()); }
class AFX_CORE_CLASS CFileFind : public CObject
{
    DECLARE_DYNAMIC(CFileFind)
public:
    CFileFind();
    virtual ~CFileFind();

    // Attributes of the current file (valid after FindNextFile)
    ULONGLONG GetLength() const;
    virtual CString GetFileName() const;
    virtual CString GetFilePath() const;
    virtual CString GetFileTitle() const;
    virtual CString GetRoot() const; // the searched folder, without a trailing separator

    BOOL GetLastWriteTime(FILETIME* pTimeStamp) const;
    BOOL GetLastAccessTime(FILETIME* pTimeStamp) const;
    BOOL GetCreationTime(FILETIME* pTimeStamp) const;

    BOOL IsDots() const;
    virtual BOOL MatchesMask(DWORD dwMask) const;
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsCompressed() const { return MatchesMask(FILE_ATTRIBUTE_COMPRESSED); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsTemporary() const { return MatchesMask(FILE_ATTRIBUTE_TEMPORARY); }
    BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }

    // Operations
    void Close();
    // Starts a search; pstrName NULL means "*.*" in the current folder. TRUE when anything matched.
    virtual BOOL FindFile(LPCTSTR pstrName = NULL, DWORD dwUnused = 0);
    // Moves to the next match; FALSE when the match it moved to is the last one.
    virtual BOOL FindNextFile();

protected:
    WIN32_FIND_DATAW* m_pFoundInfo; // the current file, NULL before the first FindNextFile
    WIN32_FIND_DATAW* m_pNextInfo;  // the one after it, read ahead
    HANDLE m_hContext;              // the search, NULL when none is open
    CString m_strRoot;              // full path of the searched folder
    TCHAR m_chDirSeparator;         // put between the root and a file name
    BOOL m_bGotLast;                // the current file is the last match
};

// The collections (CStringArray, CObArray, CMap...), as the framework's core header always offered.
#include <afxtempl.h>
