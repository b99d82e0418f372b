// CString: the framework's counted UTF-16 string with value semantics.
//
// The object is one pointer to the characters; a header before them holds the reference count,
// the length and the capacity. Copies share the buffer until one of them is written to. Every
// empty string points to one shared static buffer, so an empty CString never allocates.
// The characters are always followed by a terminating NUL; embedded NULs are counted in the length.
//
// Format takes CString arguments as they are; other printf-style functions need (LPCTSTR)s or
// s.GetString(): the object itself cannot travel through "...".
#pragma once

#include <windows.h>
#include <stdarg.h>
#include <afxver_.h>

struct CStringData
{
    long nRefs;       // users of this buffer; -1 for the shared empty buffer
    int nDataLength;  // characters, not counting the terminator
    int nAllocLength; // capacity in characters, not counting the terminator
    int nReserved;
    wchar_t* data() { return reinterpret_cast<wchar_t*>(this + 1); }
};

class AFX_CORE_CLASS CString
{
public:
    typedef wchar_t XCHAR;
    typedef LPWSTR PXSTR;
    typedef LPCWSTR PCXSTR;

    // Constructors
    CString() noexcept;
    CString(const CString& stringSrc) noexcept;
    CString(CString&& stringSrc) noexcept;
    CString(LPCWSTR lpsz);
    CString(LPCWSTR lpch, int nLength);
    CString(LPCSTR lpsz); // converted from the ANSI code page
    CString(LPCSTR lpch, int nLength);
    CString(const unsigned char* lpsz);
    explicit CString(wchar_t ch, int nRepeat = 1);
    explicit CString(char ch, int nRepeat = 1);
    ~CString();

    // Attributes
    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();
    int GetAllocLength() const { return GetData()->nAllocLength; }

    operator LPCWSTR() const { return m_pszData; }
    LPCWSTR GetString() const { return m_pszData; }

    // Characters; an index outside [0, length) throws CInvalidArgException*.
    wchar_t GetAt(int nIndex) const
    {
        if ((unsigned)nIndex >= (unsigned)GetLength())
            ThrowIndexError();
        return m_pszData[nIndex];
    }
    // operator[] also accepts the index of the terminator, like the framework's.
    wchar_t operator[](int nIndex) const
    {
        if ((unsigned)nIndex > (unsigned)GetLength())
            ThrowIndexError();
        return m_pszData[nIndex];
    }
    void SetAt(int nIndex, wchar_t ch);

    // Assignment and concatenation
    CString& operator=(const CString& stringSrc);
    CString& operator=(CString&& stringSrc) noexcept;
    CString& operator=(LPCWSTR lpsz);
    CString& operator=(LPCSTR lpsz);
    CString& operator=(const unsigned char* lpsz);
    CString& operator=(wchar_t ch);
    CString& operator=(char ch);

    CString& operator+=(const CString& string);
    CString& operator+=(LPCWSTR lpsz);
    CString& operator+=(LPCSTR lpsz);
    CString& operator+=(wchar_t ch);
    CString& operator+=(char ch);

    void SetString(LPCWSTR psz);
    void SetString(LPCWSTR pch, int nLength);
    void Append(LPCWSTR psz);
    void Append(LPCWSTR pch, int nLength);
    void Append(const CString& str);
    void AppendChar(wchar_t ch);

    friend AFX_CORE_API CString AFXAPI operator+(const CString& string1, const CString& string2);
    friend AFX_CORE_API CString AFXAPI operator+(const CString& string, LPCWSTR lpsz);
    friend AFX_CORE_API CString AFXAPI operator+(LPCWSTR lpsz, const CString& string);
    friend AFX_CORE_API CString AFXAPI operator+(const CString& string, wchar_t ch);
    friend AFX_CORE_API CString AFXAPI operator+(wchar_t ch, const CString& string);

    // Comparison: ordinal, case-sensitive (Compare) or ASCII case-insensitive (CompareNoCase);
    // Collate* use the C run-time's locale. Results are <0, 0, >0.
    int Compare(LPCWSTR lpsz) const;
    int CompareNoCase(LPCWSTR lpsz) const;
    int Collate(LPCWSTR lpsz) const;
    int CollateNoCase(LPCWSTR lpsz) const;

    // Extraction; counts and positions out of range are clamped.
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCWSTR lpszCharSet) const;
    CString SpanExcluding(LPCWSTR lpszCharSet) const;
    // Returns the next token after position iStart, skipping leading delimiters, and moves iStart
    // past it; returns an empty string and sets iStart to -1 when no token is left.
    CString Tokenize(LPCWSTR pszTokens, int& iStart) const;

    // Upper/lower case conversion and reversing, in place
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Trimming: white space, one character, or any of a set
    CString& Trim();
    CString& Trim(wchar_t chTarget);
    CString& Trim(LPCWSTR lpszTargets);
    CString& TrimRight();
    CString& TrimRight(wchar_t chTarget);
    CString& TrimRight(LPCWSTR lpszTargets);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t chTarget);
    CString& TrimLeft(LPCWSTR lpszTargets);

    // Editing; each returns a count (replacements, removals) or the new length.
    int Replace(wchar_t chOld, wchar_t chNew);
    int Replace(LPCWSTR lpszOld, LPCWSTR lpszNew);
    int Remove(wchar_t chRemove);
    int Insert(int nIndex, wchar_t ch);
    int Insert(int nIndex, LPCWSTR pstr);
    int Delete(int nIndex, int nCount = 1);
    void Truncate(int nNewLength);

    // Searching; -1 when not found or when nStart is out of range.
    int Find(wchar_t ch, int nStart = 0) const;
    int Find(LPCWSTR lpszSub, int nStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(LPCWSTR lpszCharSet) const;

    // Formatting with the Windows C run-time's wide printf: %s is a wide string, %hs a narrow one.
    // A CString argument is passed on as its characters, so Format(L"%s", str) works.
    template <class... Args> void Format(LPCWSTR lpszFormat, Args... args)
    {
        FormatArgs(lpszFormat, FormatArg(args)...);
    }
    template <class... Args> void AppendFormat(LPCWSTR lpszFormat, Args... args)
    {
        AppendFormatArgs(lpszFormat, FormatArg(args)...);
    }
    void FormatV(LPCWSTR lpszFormat, va_list argList);
    void AppendFormatV(LPCWSTR lpszFormat, va_list argList);

    // Resources. LoadString(UINT) looks through the application's resource chain.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // A BSTR copy for COM; free it with SysFreeString.
    BSTR AllocSysString() const;

    // Direct buffer access: GetBuffer returns a writable buffer of at least nMinBufLength
    // characters plus a terminator; ReleaseBuffer sets the new length (-1: up to the first NUL).
    LPWSTR GetBuffer();
    LPWSTR GetBuffer(int nMinBufLength);
    LPWSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength);
    void Preallocate(int nLength);
    void FreeExtra();
    LPWSTR LockBuffer() { return GetBuffer(); }
    void UnlockBuffer() {}

private:
    LPWSTR m_pszData;

    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pszData) - 1; }
    static CStringData* Allocate(int nLength, int nAlloc);
    static void Release(CStringData* pData);
    void Attach(CStringData* pData) { m_pszData = pData->data(); }
    void SetEmptyData();
    void AssignCopy(LPCWSTR pch, int nLength);
    void AssignAnsi(LPCSTR pch, int nLength);
    // Makes the buffer writable by this object only, with room for nLength characters,
    // keeping the first min(current, nLength) characters.
    LPWSTR PrepareWrite(int nLength);
    LPWSTR PrepareWriteGrow(int nLength);
    void SetLength(int nLength);
    static void ThrowIndexError();

    void AFX_CDECL FormatArgs(LPCWSTR lpszFormat, ...);
    void AFX_CDECL AppendFormatArgs(LPCWSTR lpszFormat, ...);
    template <class T> static T FormatArg(T arg) { return arg; }
    static LPCWSTR FormatArg(const CString& str) { return str.m_pszData; }
};

typedef CString CStringW;

// Equality compares every counted character; ordering is ordinal on the UTF-16 code units.
AFX_CORE_API bool AFXAPI operator==(const CString& s1, const CString& s2);
AFX_CORE_API bool AFXAPI operator==(const CString& s1, LPCWSTR s2);
AFX_CORE_API bool AFXAPI operator==(LPCWSTR s1, const CString& s2);
AFX_CORE_API int AFXAPI _AfxCompareOrdinal(const CString& s1, const CString& s2);

inline bool operator!=(const CString& s1, const CString& s2)
{
    return !(s1 == s2);
}
inline bool operator!=(const CString& s1, LPCWSTR s2)
{
    return !(s1 == s2);
}
inline bool operator!=(LPCWSTR s1, const CString& s2)
{
    return !(s1 == s2);
}
inline bool operator<(const CString& s1, const CString& s2)
{
    return _AfxCompareOrdinal(s1, s2) < 0;
}
inline bool operator<(const CString& s1, LPCWSTR s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(LPCWSTR s1, const CString& s2)
{
    return s2.Compare(s1) > 0;
}
inline bool operator>(const CString& s1, const CString& s2)
{
    return _AfxCompareOrdinal(s1, s2) > 0;
}
inline bool operator>(const CString& s1, LPCWSTR s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(LPCWSTR s1, const CString& s2)
{
    return s2.Compare(s1) < 0;
}
inline bool operator<=(const CString& s1, const CString& s2)
{
    return _AfxCompareOrdinal(s1, s2) <= 0;
}
inline bool operator<=(const CString& s1, LPCWSTR s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(LPCWSTR s1, const CString& s2)
{
    return s2.Compare(s1) >= 0;
}
inline bool operator>=(const CString& s1, const CString& s2)
{
    return _AfxCompareOrdinal(s1, s2) >= 0;
}
inline bool operator>=(const CString& s1, LPCWSTR s2)
{
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(LPCWSTR s1, const CString& s2)
{
    return s2.Compare(s1) <= 0;
}

// Copies field iSubString (0-based) of lpszFullString, fields separated by chSep, into rString.
// FALSE (and rString empty) when there are fewer fields.
AFX_CORE_API BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString,
                                             TCHAR chSep = '\n');
