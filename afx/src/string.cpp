// CString: buffer management, assignment, concatenation, comparison, searching, editing,
// formatting, resources, and AfxExtractSubString.
#include <afxwin.h>
#include <wchar.h>
#include <limits.h>
#include <wctype.h>
#include <utility>

// ---------------------------------------------------------------------------------------------
// Buffers

namespace
{
// The one buffer every empty string points to. Never written, never freed.
struct NilString
{
    CStringData hdr;
    wchar_t chars[2];
};
NilString s_nil = {{-1, 0, 0, 0}, {0, 0}};
inline CStringData* Nil()
{
    return &s_nil.hdr;
}
inline bool IsNil(const CStringData* p)
{
    return p == &s_nil.hdr;
}

// Longest string: keeps every byte count and length sum inside an int.
const int kMaxLength = (INT_MAX - 64) / 2;

// The capacity of the buffers a thread keeps for reuse (see _AFX_THREAD_STATE): most texts of
// cells and list items fit.
const int kKeptAlloc = 15;
} // namespace

CStringData* CString::Allocate(int nLength, int nAlloc)
{
    if (nLength < 0 || nAlloc < nLength || nAlloc > kMaxLength)
        ::AfxThrowMemoryException();
    // Round the character area up to 16 bytes: malloc hands out that much anyway.
    int nRounded = ((nAlloc + 1 + 7) & ~7) - 1;
    if (nRounded <= kMaxLength)
        nAlloc = nRounded;
    size_t nBytes = sizeof(CStringData) + (size_t)(nAlloc + 1) * sizeof(wchar_t);
    CStringData* p = NULL;
    if (nAlloc == kKeptAlloc)
    {
        _AFX_THREAD_STATE* pState = ::AfxPeekThreadState();
        if (pState != NULL && pState->m_nKeptStrings > 0)
            p = (CStringData*)pState->m_pKeptStrings[--pState->m_nKeptStrings];
    }
    if (p == NULL)
        p = (CStringData*)::malloc(nBytes);
    if (p == NULL)
        ::AfxThrowMemoryException();
    p->nRefs = 1;
    p->nDataLength = nLength;
    p->nAllocLength = nAlloc;
    p->nReserved = 0;
    p->data()[nLength] = 0;
    return p;
}

void CString::Release(CStringData* pData)
{
    if (IsNil(pData))
        return;
    // A count of one means no other string, and so no other thread, holds the buffer.
    if (pData->nRefs != 1 && ::InterlockedDecrement(&pData->nRefs) > 0)
        return;
    if (pData->nAllocLength == kKeptAlloc)
    {
        _AFX_THREAD_STATE* pState = ::AfxPeekThreadState();
        if (pState != NULL && pState->m_nKeptStrings < _AFX_THREAD_STATE::kKeptStrings)
        {
            pState->m_pKeptStrings[pState->m_nKeptStrings++] = pData;
            return;
        }
    }
    ::free(pData);
}

void CString::SetEmptyData()
{
    Release(GetData());
    m_pszData = Nil()->data();
}

void CString::ThrowIndexError()
{
    ::AfxThrowInvalidArgException();
}

LPWSTR CString::PrepareWrite(int nLength)
{
    if (nLength < 0 || nLength > kMaxLength)
        ::AfxThrowMemoryException();
    CStringData* pOld = GetData();
    if (IsNil(pOld) || pOld->nRefs > 1 || pOld->nAllocLength < nLength)
    {
        int nKeep = pOld->nDataLength < nLength ? pOld->nDataLength : nLength;
        CStringData* pNew = Allocate(nKeep, nLength);
        memcpy(pNew->data(), pOld->data(), (size_t)nKeep * sizeof(wchar_t));
        Release(pOld);
        Attach(pNew);
    }
    return m_pszData;
}

LPWSTR CString::PrepareWriteGrow(int nLength)
{
    if (nLength < 0 || nLength > kMaxLength)
        ::AfxThrowMemoryException();
    CStringData* pOld = GetData();
    if (!IsNil(pOld) && pOld->nRefs == 1 && pOld->nAllocLength < nLength)
    {
        // Appending to a string of our own: grow by half again, in place if the heap can.
        int nAlloc = pOld->nAllocLength + pOld->nAllocLength / 2;
        if (nAlloc < nLength || nAlloc > kMaxLength)
            nAlloc = nLength;
        nAlloc = ((nAlloc + 1 + 7) & ~7) - 1;
        if (nAlloc > kMaxLength)
            nAlloc = nLength;
        size_t nBytes = sizeof(CStringData) + (size_t)(nAlloc + 1) * sizeof(wchar_t);
        CStringData* pNew = (CStringData*)::realloc(pOld, nBytes);
        if (pNew == NULL)
            ::AfxThrowMemoryException();
        pNew->nAllocLength = nAlloc;
        Attach(pNew);
        return m_pszData;
    }
    return PrepareWrite(nLength);
}

void CString::SetLength(int nLength)
{
    CStringData* p = GetData();
    if (IsNil(p))
        return; // nothing was written: stays empty
    p->nDataLength = nLength;
    m_pszData[nLength] = 0;
}

void CString::AssignCopy(LPCWSTR pch, int nLength)
{
    if (pch == NULL || nLength <= 0)
    {
        SetEmptyData();
        return;
    }
    CStringData* pOld = GetData();
    if (!IsNil(pOld) && pOld->nRefs == 1 && pOld->nAllocLength >= nLength)
    {
        memmove(m_pszData, pch, (size_t)nLength * sizeof(wchar_t)); // pch may point into our buffer
        SetLength(nLength);
        return;
    }
    CStringData* pNew = Allocate(nLength, nLength);
    memcpy(pNew->data(), pch, (size_t)nLength * sizeof(wchar_t));
    Release(pOld);
    Attach(pNew);
}

void CString::AssignAnsi(LPCSTR pch, int nLength)
{
    if (pch == NULL || nLength == 0)
    {
        SetEmptyData();
        return;
    }
    int nWide = ::MultiByteToWideChar(CP_ACP, 0, pch, nLength, NULL, 0);
    if (nLength < 0 && nWide > 0)
        nWide--; // the count included the terminator
    if (nWide <= 0)
    {
        SetEmptyData();
        return;
    }
    CStringData* pNew = Allocate(nWide, nWide);
    ::MultiByteToWideChar(CP_ACP, 0, pch, nLength < 0 ? -1 : nLength, pNew->data(),
                          nWide + (nLength < 0 ? 1 : 0));
    pNew->data()[nWide] = 0;
    Release(GetData());
    Attach(pNew);
}

// ---------------------------------------------------------------------------------------------
// Construction and assignment

CString::CString() noexcept : m_pszData(Nil()->data()) {}

CString::CString(const CString& stringSrc) noexcept
{
    CStringData* p = stringSrc.GetData();
    if (!IsNil(p))
        ::InterlockedIncrement(&p->nRefs);
    m_pszData = stringSrc.m_pszData;
}

CString::CString(CString&& stringSrc) noexcept : m_pszData(stringSrc.m_pszData)
{
    stringSrc.m_pszData = Nil()->data();
}

CString::CString(LPCWSTR lpsz) : m_pszData(Nil()->data())
{
    if (lpsz != NULL && !IS_INTRESOURCE(lpsz))
        AssignCopy(lpsz, (int)wcsnlen(lpsz, kMaxLength));
}

CString::CString(LPCWSTR lpch, int nLength) : m_pszData(Nil()->data())
{
    if (lpch != NULL && nLength > 0)
        AssignCopy(lpch, nLength);
}

CString::CString(LPCSTR lpsz) : m_pszData(Nil()->data())
{
    if (lpsz != NULL && !IS_INTRESOURCE(lpsz))
        AssignAnsi(lpsz, -1);
}

CString::CString(LPCSTR lpch, int nLength) : m_pszData(Nil()->data())
{
    if (lpch != NULL && nLength > 0)
        AssignAnsi(lpch, nLength);
}

CString::CString(const unsigned char* lpsz) : CString((LPCSTR)lpsz) {}

CString::CString(wchar_t ch, int nRepeat) : m_pszData(Nil()->data())
{
    if (nRepeat > 0)
    {
        CStringData* p = Allocate(nRepeat, nRepeat);
        wmemset(p->data(), ch, nRepeat);
        Attach(p);
    }
}

CString::CString(char ch, int nRepeat) : m_pszData(Nil()->data())
{
    if (nRepeat > 0)
    {
        wchar_t wch = 0;
        ::MultiByteToWideChar(CP_ACP, 0, &ch, 1, &wch, 1);
        CStringData* p = Allocate(nRepeat, nRepeat);
        wmemset(p->data(), wch, nRepeat);
        Attach(p);
    }
}

CString::~CString()
{
    Release(GetData());
}

void CString::Empty()
{
    SetEmptyData();
}

CString& CString::operator=(const CString& stringSrc)
{
    if (m_pszData != stringSrc.m_pszData)
    {
        CStringData* pSrc = stringSrc.GetData();
        if (!IsNil(pSrc))
            ::InterlockedIncrement(&pSrc->nRefs);
        Release(GetData());
        m_pszData = stringSrc.m_pszData;
    }
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc)
    {
        Release(GetData());
        m_pszData = stringSrc.m_pszData;
        stringSrc.m_pszData = Nil()->data();
    }
    return *this;
}

CString& CString::operator=(LPCWSTR lpsz)
{
    if (lpsz == NULL || IS_INTRESOURCE(lpsz))
        SetEmptyData();
    else
        AssignCopy(lpsz, (int)wcsnlen(lpsz, kMaxLength));
    return *this;
}

CString& CString::operator=(LPCSTR lpsz)
{
    if (lpsz == NULL || IS_INTRESOURCE(lpsz))
        SetEmptyData();
    else
        AssignAnsi(lpsz, -1);
    return *this;
}

CString& CString::operator=(const unsigned char* lpsz)
{
    return *this = (LPCSTR)lpsz;
}

CString& CString::operator=(wchar_t ch)
{
    AssignCopy(&ch, 1);
    return *this;
}

CString& CString::operator=(char ch)
{
    *this = CString(ch, 1);
    return *this;
}

void CString::SetString(LPCWSTR psz)
{
    if (psz == NULL)
        SetEmptyData();
    else
        AssignCopy(psz, (int)wcsnlen(psz, kMaxLength));
}

void CString::SetString(LPCWSTR pch, int nLength)
{
    AssignCopy(pch, nLength);
}

// ---------------------------------------------------------------------------------------------
// Concatenation

void CString::Append(LPCWSTR pch, int nLength)
{
    if (pch == NULL || nLength <= 0)
        return;
    int nOld = GetLength();
    if (nLength > kMaxLength - nOld)
        ::AfxThrowMemoryException();
    bool bInside = pch >= m_pszData && pch <= m_pszData + nOld;
    ptrdiff_t nOffset = pch - m_pszData;
    PrepareWriteGrow(nOld + nLength);
    if (bInside)
        pch = m_pszData + nOffset; // appending a piece of ourselves: the buffer may have moved
    memcpy(m_pszData + nOld, pch, (size_t)nLength * sizeof(wchar_t));
    SetLength(nOld + nLength);
}

void CString::Append(LPCWSTR psz)
{
    if (psz != NULL)
        Append(psz, (int)wcsnlen(psz, kMaxLength));
}

void CString::Append(const CString& str)
{
    if (IsEmpty() && !str.IsEmpty())
    {
        *this = str; // share instead of copying
        return;
    }
    Append(str.m_pszData, str.GetLength());
}

void CString::AppendChar(wchar_t ch)
{
    Append(&ch, 1);
}

CString& CString::operator+=(const CString& string)
{
    Append(string);
    return *this;
}
CString& CString::operator+=(LPCWSTR lpsz)
{
    Append(lpsz);
    return *this;
}
CString& CString::operator+=(LPCSTR lpsz)
{
    Append(CString(lpsz));
    return *this;
}
CString& CString::operator+=(wchar_t ch)
{
    Append(&ch, 1);
    return *this;
}
CString& CString::operator+=(char ch)
{
    Append(CString(ch, 1));
    return *this;
}

static CString Concat(LPCWSTR p1, int n1, LPCWSTR p2, int n2)
{
    CString result;
    if (n1 + (long long)n2 == 0)
        return result;
    if (n1 > (INT_MAX - 64) / 2 - n2)
        ::AfxThrowMemoryException();
    LPWSTR p = result.GetBuffer(n1 + n2);
    if (n1 > 0)
        memcpy(p, p1, (size_t)n1 * sizeof(wchar_t));
    if (n2 > 0)
        memcpy(p + n1, p2, (size_t)n2 * sizeof(wchar_t));
    result.ReleaseBuffer(n1 + n2);
    return result;
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    if (string1.IsEmpty())
        return string2;
    if (string2.IsEmpty())
        return string1;
    return Concat(string1, string1.GetLength(), string2, string2.GetLength());
}
CString AFXAPI operator+(const CString& string, LPCWSTR lpsz)
{
    int n = lpsz == NULL ? 0 : (int)wcsnlen(lpsz, kMaxLength);
    return Concat(string, string.GetLength(), lpsz, n);
}
CString AFXAPI operator+(LPCWSTR lpsz, const CString& string)
{
    int n = lpsz == NULL ? 0 : (int)wcsnlen(lpsz, kMaxLength);
    return Concat(lpsz, n, string, string.GetLength());
}
CString AFXAPI operator+(const CString& string, wchar_t ch)
{
    return Concat(string, string.GetLength(), &ch, 1);
}
CString AFXAPI operator+(wchar_t ch, const CString& string)
{
    return Concat(&ch, 1, string, string.GetLength());
}

// ---------------------------------------------------------------------------------------------
// Comparison

int CString::Compare(LPCWSTR lpsz) const
{
    return wcscmp(m_pszData, lpsz ? lpsz : L"");
}
int CString::CompareNoCase(LPCWSTR lpsz) const
{
    return _wcsicmp(m_pszData, lpsz ? lpsz : L"");
}
int CString::Collate(LPCWSTR lpsz) const
{
    return wcscoll(m_pszData, lpsz ? lpsz : L"");
}
int CString::CollateNoCase(LPCWSTR lpsz) const
{
    return _wcsicoll(m_pszData, lpsz ? lpsz : L"");
}

int AFXAPI _AfxCompareOrdinal(const CString& s1, const CString& s2)
{
    int n1 = s1.GetLength(), n2 = s2.GetLength();
    LPCWSTR p1 = s1, p2 = s2;
    int n = n1 < n2 ? n1 : n2;
    for (int i = 0; i < n; i++)
    {
        if (p1[i] != p2[i])
            return (unsigned short)p1[i] < (unsigned short)p2[i] ? -1 : 1;
    }
    return n1 < n2 ? -1 : (n1 > n2 ? 1 : 0);
}

bool AFXAPI operator==(const CString& s1, const CString& s2)
{
    int n = s1.GetLength();
    if (n != s2.GetLength())
        return false;
    LPCWSTR p1 = s1, p2 = s2;
    return p1 == p2 || wmemcmp(p1, p2, n) == 0;
}

bool AFXAPI operator==(const CString& s1, LPCWSTR s2)
{
    if (s2 == NULL)
        return s1.IsEmpty();
    int n = s1.GetLength();
    LPCWSTR p1 = s1;
    for (int i = 0; i < n; i++)
        if (s2[i] == 0 || s2[i] != p1[i])
            return false;
    return s2[n] == 0;
}

bool AFXAPI operator==(LPCWSTR s1, const CString& s2)
{
    return s2 == s1;
}

// ---------------------------------------------------------------------------------------------
// Extraction

CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > nLength)
        nFirst = nLength;
    if (nCount > nLength - nFirst)
        nCount = nLength - nFirst;
    if (nFirst == 0 && nCount == nLength)
        return *this;
    return CString(m_pszData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const
{
    int nLength = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst > nLength)
        nFirst = nLength;
    return Mid(nFirst, nLength - nFirst);
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount >= GetLength())
        return *this;
    return CString(m_pszData, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    int nLength = GetLength();
    if (nCount >= nLength)
        return *this;
    return CString(m_pszData + nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCWSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return CString();
    return Left((int)wcsspn(m_pszData, lpszCharSet));
}

CString CString::SpanExcluding(LPCWSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return *this;
    return Left((int)wcscspn(m_pszData, lpszCharSet));
}

// ---------------------------------------------------------------------------------------------
// Searching (over the counted characters, embedded NULs included)

int CString::Find(wchar_t ch, int nStart) const
{
    int nLength = GetLength();
    if (nStart < 0 || nStart >= nLength)
        return -1;
    const wchar_t* p = wmemchr(m_pszData + nStart, ch, nLength - nStart);
    return p == NULL ? -1 : (int)(p - m_pszData);
}

int CString::Find(LPCWSTR lpszSub, int nStart) const
{
    int nLength = GetLength();
    if (lpszSub == NULL || nStart < 0 || nStart > nLength)
        return -1;
    int nSub = (int)wcsnlen(lpszSub, kMaxLength);
    if (nSub == 0)
        return nStart;
    for (int i = nStart; i <= nLength - nSub; i++)
    {
        if (m_pszData[i] == lpszSub[0] && wmemcmp(m_pszData + i, lpszSub, nSub) == 0)
            return i;
    }
    return -1;
}

int CString::ReverseFind(wchar_t ch) const
{
    for (int i = GetLength() - 1; i >= 0; i--)
        if (m_pszData[i] == ch)
            return i;
    return -1;
}

int CString::FindOneOf(LPCWSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return -1;
    int nLength = GetLength();
    for (int i = 0; i < nLength; i++)
        if (m_pszData[i] != 0 && wcschr(lpszCharSet, m_pszData[i]) != NULL)
            return i;
    return -1;
}

// ---------------------------------------------------------------------------------------------
// Direct buffer access

LPWSTR CString::GetBuffer()
{
    return PrepareWrite(GetLength());
}

LPWSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < GetLength())
        nMinBufLength = GetLength();
    return PrepareWrite(nMinBufLength);
}

LPWSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        ::AfxThrowInvalidArgException();
    PrepareWrite(nNewLength);
    SetLength(nNewLength);
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    CStringData* p = GetData();
    if (IsNil(p))
        return;
    if (p->nRefs > 1)
        PrepareWrite(p->nAllocLength); // released without GetBuffer: make it ours
    int nAlloc = GetData()->nAllocLength;
    if (nNewLength < 0)
        nNewLength = (int)wcsnlen(m_pszData, nAlloc);
    else if (nNewLength > nAlloc)
        nNewLength = nAlloc;
    if (nNewLength == 0)
        SetEmptyData(); // an empty string holds no buffer
    else
        SetLength(nNewLength);
}

void CString::ReleaseBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    ReleaseBuffer(nNewLength);
}

void CString::Preallocate(int nLength)
{
    if (nLength > GetAllocLength())
        PrepareWrite(nLength);
}

void CString::FreeExtra()
{
    int nLength = GetLength();
    if (nLength == 0)
    {
        SetEmptyData();
        return;
    }
    CStringData* p = GetData();
    if (p->nAllocLength > nLength)
    {
        CStringData* pNew = Allocate(nLength, nLength);
        memcpy(pNew->data(), m_pszData, (size_t)nLength * sizeof(wchar_t));
        Release(p);
        Attach(pNew);
    }
}

void CString::Truncate(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    if (nNewLength >= GetLength())
        return;
    if (nNewLength == 0)
    {
        SetEmptyData();
        return;
    }
    PrepareWrite(GetLength());
    SetLength(nNewLength);
}

void CString::SetAt(int nIndex, wchar_t ch)
{
    if ((unsigned)nIndex >= (unsigned)GetLength())
        ThrowIndexError();
    PrepareWrite(GetLength());
    m_pszData[nIndex] = ch;
}

// ---------------------------------------------------------------------------------------------
// Case and order

CString& CString::MakeUpper()
{
    int nLength = GetLength();
    if (nLength > 0)
        ::CharUpperBuffW(PrepareWrite(nLength), (DWORD)nLength);
    return *this;
}

CString& CString::MakeLower()
{
    int nLength = GetLength();
    if (nLength > 0)
        ::CharLowerBuffW(PrepareWrite(nLength), (DWORD)nLength);
    return *this;
}

CString& CString::MakeReverse()
{
    int nLength = GetLength();
    if (nLength > 1)
    {
        LPWSTR p = PrepareWrite(nLength);
        for (int i = 0, j = nLength - 1; i < j; i++, j--)
        {
            wchar_t t = p[i];
            p[i] = p[j];
            p[j] = t;
        }
    }
    return *this;
}

// ---------------------------------------------------------------------------------------------
// Trimming

namespace
{
inline bool InSet(wchar_t ch, LPCWSTR lpszSet)
{
    return ch != 0 && wcschr(lpszSet, ch) != NULL;
}
} // namespace

CString& CString::TrimRight()
{
    int n = GetLength();
    while (n > 0 && iswspace(m_pszData[n - 1]))
        n--;
    Truncate(n);
    return *this;
}

CString& CString::TrimRight(wchar_t chTarget)
{
    int n = GetLength();
    while (n > 0 && m_pszData[n - 1] == chTarget)
        n--;
    Truncate(n);
    return *this;
}

CString& CString::TrimRight(LPCWSTR lpszTargets)
{
    if (lpszTargets == NULL)
        return *this;
    int n = GetLength();
    while (n > 0 && InSet(m_pszData[n - 1], lpszTargets))
        n--;
    Truncate(n);
    return *this;
}

CString& CString::TrimLeft()
{
    int nLength = GetLength(), i = 0;
    while (i < nLength && iswspace(m_pszData[i]))
        i++;
    if (i > 0)
        Delete(0, i);
    return *this;
}

CString& CString::TrimLeft(wchar_t chTarget)
{
    int nLength = GetLength(), i = 0;
    while (i < nLength && m_pszData[i] == chTarget)
        i++;
    if (i > 0)
        Delete(0, i);
    return *this;
}

CString& CString::TrimLeft(LPCWSTR lpszTargets)
{
    if (lpszTargets == NULL)
        return *this;
    int nLength = GetLength(), i = 0;
    while (i < nLength && InSet(m_pszData[i], lpszTargets))
        i++;
    if (i > 0)
        Delete(0, i);
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}
CString& CString::Trim(wchar_t chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}
CString& CString::Trim(LPCWSTR lpszTargets)
{
    return TrimRight(lpszTargets).TrimLeft(lpszTargets);
}

// ---------------------------------------------------------------------------------------------
// Editing

int CString::Replace(wchar_t chOld, wchar_t chNew)
{
    int nLength = GetLength(), nCount = 0;
    if (chOld == chNew)
        return 0;
    for (int i = 0; i < nLength; i++)
        if (m_pszData[i] == chOld)
            nCount++;
    if (nCount == 0)
        return 0;
    LPWSTR p = PrepareWrite(nLength);
    for (int i = 0; i < nLength; i++)
        if (p[i] == chOld)
            p[i] = chNew;
    return nCount;
}

int CString::Replace(LPCWSTR lpszOld, LPCWSTR lpszNew)
{
    if (lpszOld == NULL)
        return 0;
    int nOld = (int)wcsnlen(lpszOld, kMaxLength);
    if (nOld == 0)
        return 0;
    int nNew = lpszNew == NULL ? 0 : (int)wcsnlen(lpszNew, kMaxLength);
    int nLength = GetLength(), nCount = 0;
    for (int i = Find(lpszOld, 0); i >= 0; i = Find(lpszOld, i + nOld))
        nCount++;
    if (nCount == 0)
        return 0;
    long long nResult = nLength + (long long)nCount * (nNew - nOld);
    if (nResult > kMaxLength)
        ::AfxThrowMemoryException();
    CString result;
    if (nResult > 0)
    {
        LPWSTR pDest = result.GetBuffer((int)nResult);
        int iSrc = 0;
        for (int i = Find(lpszOld, 0); i >= 0; i = Find(lpszOld, i + nOld))
        {
            memcpy(pDest, m_pszData + iSrc, (size_t)(i - iSrc) * sizeof(wchar_t));
            pDest += i - iSrc;
            memcpy(pDest, lpszNew, (size_t)nNew * sizeof(wchar_t));
            pDest += nNew;
            iSrc = i + nOld;
        }
        memcpy(pDest, m_pszData + iSrc, (size_t)(nLength - iSrc) * sizeof(wchar_t));
        result.ReleaseBuffer((int)nResult);
    }
    *this = std::move(result);
    return nCount;
}

int CString::Remove(wchar_t chRemove)
{
    int nLength = GetLength(), nCount = 0;
    for (int i = 0; i < nLength; i++)
        if (m_pszData[i] == chRemove)
            nCount++;
    if (nCount == 0)
        return 0;
    LPWSTR p = PrepareWrite(nLength);
    int j = 0;
    for (int i = 0; i < nLength; i++)
        if (p[i] != chRemove)
            p[j++] = p[i];
    if (j == 0)
        SetEmptyData();
    else
        SetLength(j);
    return nCount;
}

int CString::Insert(int nIndex, LPCWSTR pstr)
{
    int nLength = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > nLength)
        nIndex = nLength;
    int nInsert = pstr == NULL ? 0 : (int)wcsnlen(pstr, kMaxLength);
    if (nInsert == 0)
        return nLength;
    if (nInsert > kMaxLength - nLength)
        ::AfxThrowMemoryException();
    CString result;
    LPWSTR p = result.GetBuffer(nLength + nInsert);
    memcpy(p, m_pszData, (size_t)nIndex * sizeof(wchar_t));
    memcpy(p + nIndex, pstr, (size_t)nInsert * sizeof(wchar_t));
    memcpy(p + nIndex + nInsert, m_pszData + nIndex, (size_t)(nLength - nIndex) * sizeof(wchar_t));
    result.ReleaseBuffer(nLength + nInsert);
    *this = std::move(result);
    return GetLength();
}

int CString::Insert(int nIndex, wchar_t ch)
{
    wchar_t sz[2] = {ch, 0};
    if (ch == 0)
    { // a NUL character is inserted too
        int nLength = GetLength();
        if (nIndex < 0)
            nIndex = 0;
        if (nIndex > nLength)
            nIndex = nLength;
        CString result = Left(nIndex);
        result.Append(sz, 1);
        result.Append(m_pszData + nIndex, nLength - nIndex);
        *this = std::move(result);
        return GetLength();
    }
    return Insert(nIndex, sz);
}

int CString::Delete(int nIndex, int nCount)
{
    int nLength = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nCount < 0)
        nCount = 0;
    if (nIndex >= nLength)
        return nLength;
    if (nCount > nLength - nIndex)
        nCount = nLength - nIndex;
    if (nCount == 0)
        return nLength;
    if (nCount == nLength)
    {
        SetEmptyData();
        return 0;
    }
    LPWSTR p = PrepareWrite(nLength);
    memmove(p + nIndex, p + nIndex + nCount, (size_t)(nLength - nIndex - nCount) * sizeof(wchar_t));
    SetLength(nLength - nCount);
    return nLength - nCount;
}

CString CString::Tokenize(LPCWSTR pszTokens, int& iStart) const
{
    int nLength = GetLength();
    if (iStart < 0 || iStart >= nLength)
    {
        iStart = -1;
        return CString();
    }
    if (pszTokens == NULL || *pszTokens == 0)
    {
        // No delimiters: the rest is one token.
        CString result = Mid(iStart);
        iStart = nLength;
        return result;
    }
    int i = iStart;
    while (i < nLength && InSet(m_pszData[i], pszTokens))
        i++;
    if (i >= nLength)
    {
        iStart = -1;
        return CString();
    }
    int iFrom = i;
    while (i < nLength && !InSet(m_pszData[i], pszTokens))
        i++;
    iStart = i + 1;
    return Mid(iFrom, i - iFrom);
}

// ---------------------------------------------------------------------------------------------
// Formatting

void CString::FormatV(LPCWSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
    {
        Empty();
        return;
    }
    va_list argCount;
    va_copy(argCount, argList);
    int n = _vscwprintf(lpszFormat, argCount);
    va_end(argCount);
    if (n <= 0)
    {
        Empty();
        return;
    }
    CStringData* pNew = Allocate(n, n);
    int nWritten = _vsnwprintf(pNew->data(), (size_t)n + 1, lpszFormat, argList);
    if (nWritten < 0 || nWritten > n)
        nWritten = n;
    pNew->data()[nWritten] = 0;
    pNew->nDataLength = nWritten;
    Release(GetData());
    Attach(pNew);
}

void CString::AppendFormatV(LPCWSTR lpszFormat, va_list argList)
{
    CString formatted;
    formatted.FormatV(lpszFormat, argList);
    Append(formatted);
}

void AFX_CDECL CString::FormatArgs(LPCWSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::AppendFormatArgs(LPCWSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    AppendFormatV(lpszFormat, argList);
    va_end(argList);
}

// ---------------------------------------------------------------------------------------------
// Resources and COM

// Reads string nID from the string table of one module. Strings are stored in blocks of 16,
// each a count followed by that many UTF-16 units.
BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    HRSRC hRsrc = ::FindResourceW(hInstance, MAKEINTRESOURCEW((nID >> 4) + 1), (LPCWSTR)RT_STRING);
    if (hRsrc == NULL)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInstance, hRsrc);
    DWORD cbSize = ::SizeofResource(hInstance, hRsrc);
    const WORD* p = hGlobal == NULL ? NULL : (const WORD*)::LockResource(hGlobal);
    if (p == NULL)
        return FALSE;
    const WORD* pEnd = p + cbSize / sizeof(WORD);
    for (UINT i = 0; i < (nID & 15); i++)
    {
        if (p >= pEnd)
            return FALSE;
        p += 1 + *p;
    }
    if (p >= pEnd || *p == 0 || p + 1 + *p > pEnd)
        return FALSE;
    SetString((LPCWSTR)(p + 1), *p);
    return TRUE;
}

BSTR CString::AllocSysString() const
{
    BSTR bstr = ::SysAllocStringLen(m_pszData, (UINT)GetLength());
    if (bstr == NULL)
        ::AfxThrowMemoryException();
    return bstr;
}

// ---------------------------------------------------------------------------------------------

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep)
{
    if (lpszFullString == NULL || iSubString < 0)
    {
        rString.Empty();
        return FALSE;
    }
    if (chSep == 0)
    { // no separator can occur: the whole text is field 0
        if (iSubString != 0)
        {
            rString.Empty();
            return FALSE;
        }
        rString = lpszFullString;
        return TRUE;
    }
    while (iSubString--)
    {
        lpszFullString = wcschr(lpszFullString, chSep);
        if (lpszFullString == NULL)
        {
            rString.Empty();
            return FALSE;
        }
        lpszFullString++;
    }
    LPCTSTR lpchEnd = wcschr(lpszFullString, chSep);
    int nLen = (lpchEnd == NULL) ? (int)wcslen(lpszFullString) : (int)(lpchEnd - lpszFullString);
    rString.SetString(lpszFullString, nLen);
    return TRUE;
}
