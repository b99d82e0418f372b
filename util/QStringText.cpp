// CQStringMgr: string edits (insert, remove, repeat, cut) and decimal number tests and formatting.
//
// Numbers are formatted with the C run-time's own wide printf (_snwprintf, _scwprintf), whatever
// printf flavour other headers select.
#include "QStringMgr.h"

#include <climits>
#include <cstdlib>
#include <cwchar>
#include <vector>

namespace
{

// Position of the first occurrence of ch as CString::Find finds it, -1 when there is none below the
// length (searching for NUL finds the first embedded NUL, never the terminator).
int FindChar(const CString& str, wchar_t ch)
{
    const wchar_t* psz = str.GetString();
    const wchar_t* p = wcschr(psz, ch);
    if (p == nullptr || p - psz >= str.GetLength())
        return -1;
    return static_cast<int>(p - psz);
}

// A double has at most 1074 decimals that are not zero; larger precisions only add zeros.
const int kMaxDigits = 1100;

// printf-style formatting of one double with a precision, through the run-time's wide printf.
CString FormatDouble(const wchar_t* pszFormat, int nDigits, double dValue)
{
    if (nDigits > kMaxDigits)
        nDigits = kMaxDigits;
    // A negative precision means the default one; said here rather than left to the run-time,
    // some of which take far too long over a precision such as INT_MIN.
    if (nDigits < 0)
        nDigits = 6;
    int n = _scwprintf(pszFormat, nDigits, dValue);
    if (n <= 0)
        return CString();
    CString str;
    wchar_t* p = str.GetBuffer(n + 1);
    _snwprintf(p, n + 1, pszFormat, nDigits, dValue);
    p[n] = L'\0';
    str.ReleaseBuffer(n);
    return str;
}

} // namespace

void CQStringMgr::Insert(CString& str, CString& strSub, int nPos)
{
    if (nPos < 0 || nPos > str.GetLength())
        return;
    str = str.Left(nPos) + strSub + str.Mid(nPos);
}

void CQStringMgr::Remove(CString& str, CString& strSub)
{
    int nSubLen = static_cast<int>(wcslen(strSub.GetString()));
    if (nSubLen == 0)
        return;
    const wchar_t* psz = str.GetString();
    const wchar_t* p = wcsstr(psz, strSub.GetString());
    if (p != nullptr)
        str.Delete(static_cast<int>(p - psz), nSubLen);
}

void CQStringMgr::Remove(CString& str, wchar_t ch)
{
    int i = FindChar(str, ch);
    if (i >= 0)
        str.Delete(i, 1);
}

void CQStringMgr::Remove(CString& str, int nStart, int nEnd)
{
    if (nStart < 0)
        return;
    if (nEnd < 0)
        nEnd = nStart;
    int nLen = str.GetLength();
    if (nEnd > nLen)
        nEnd = nLen;
    if (nStart >= nEnd)
        return;
    str.Delete(nStart, nEnd - nStart);
}

// Repeating "remove the first occurrence" equals one pass that appends the characters to the
// result and drops sub whenever the result ends with it: the result never holds an occurrence,
// so the first one completed is always the first one of the whole string. Searches stop at the
// first NUL, so the characters from there on stay as they are.
void CQStringMgr::RemoveAll(CString& str, CString strSub)
{
    const wchar_t* pszSub = strSub.GetString();
    size_t nSubLen = wcslen(pszSub);
    if (nSubLen == 0)
        return;
    const wchar_t* psz = str.GetString();
    int nLen = str.GetLength();
    size_t nScan = wcslen(psz);
    std::vector<wchar_t> out;
    out.reserve(nLen);
    bool bRemoved = false;
    for (size_t i = 0; i < nScan; ++i)
    {
        out.push_back(psz[i]);
        if (out.size() >= nSubLen && out.back() == pszSub[nSubLen - 1] &&
            wmemcmp(out.data() + out.size() - nSubLen, pszSub, nSubLen) == 0)
        {
            out.resize(out.size() - nSubLen);
            bRemoved = true;
        }
    }
    if (!bRemoved)
        return;
    out.insert(out.end(), psz + nScan, psz + nLen);
    str = CString(out.data(), static_cast<int>(out.size()));
}

void CQStringMgr::RemoveAll(CString& str, wchar_t ch)
{
    const wchar_t* psz = str.GetString();
    int nLen = str.GetLength();
    // Removing a character other than NUL never moves the first NUL, where the search stops.
    int nScan = ch == L'\0' ? nLen : static_cast<int>(wcslen(psz));
    std::vector<wchar_t> out;
    out.reserve(nLen);
    for (int i = 0; i < nScan; ++i)
        if (psz[i] != ch)
            out.push_back(psz[i]);
    if (static_cast<int>(out.size()) == nScan)
        return;
    out.insert(out.end(), psz + nScan, psz + nLen);
    str = CString(out.data(), static_cast<int>(out.size()));
}

CString CQStringMgr::Repeat(CString str, int nCount)
{
    CString strResult;
    int nLen = str.GetLength();
    if (nCount <= 0 || nLen == 0)
        return strResult;
    if (static_cast<long long>(nLen) * nCount >= INT_MAX)
        AfxThrowMemoryException();
    int nTotal = nLen * nCount;
    wchar_t* p = strResult.GetBufferSetLength(nTotal);
    for (int i = 0; i < nCount; ++i)
        wmemcpy(p + static_cast<size_t>(i) * nLen, str.GetString(), nLen);
    strResult.ReleaseBuffer(nTotal);
    return strResult;
}

CString CQStringMgr::Repeat(wchar_t ch, int nCount)
{
    if (nCount < 1)
        return CString();
    return CString(ch, nCount);
}

void CQStringMgr::CutEndChar(CString& str, int nCount)
{
    int nLen = str.GetLength();
    if (nCount >= nLen)
        str.Empty();
    else if (nCount > 0)
        str = str.Left(nLen - nCount);
}

BOOL CQStringMgr::IsInteger(CString str)
{
    int nValue = _wtoi(str.GetString());
    wchar_t buf[32];
    int n = _snwprintf(buf, 32, L"%d", nValue);
    return n == str.GetLength() && wmemcmp(buf, str.GetString(), n) == 0;
}

BOOL CQStringMgr::IsNumberVal(CString str)
{
    int nLen = str.GetLength();
    if (nLen == 0)
        return FALSE;
    const wchar_t* psz = str.GetString();
    bool bDot = false;
    for (int i = 0; i < nLen; ++i)
    {
        wchar_t c = psz[i];
        if (c >= L'0' && c <= L'9')
            continue;
        if (c == L'-' && i == 0)
            continue;
        if (c == L'.' && !bDot)
        {
            bDot = true;
            continue;
        }
        return FALSE;
    }
    if (nLen == 1 && psz[0] == L'0')
        return TRUE;
    if (psz[0] == L'0' && !bDot)
        return FALSE;
    if (psz[nLen - 1] == L'.')
        return FALSE;
    return TRUE;
}

void CQStringMgr::OptimizeByNum(CString& str)
{
    if (FindChar(str, L'.') < 1)
        return;
    const wchar_t* psz = str.GetString();
    int n = str.GetLength();
    while (n > 0 && psz[n - 1] == L'0')
        --n;
    if (n > 0 && psz[n - 1] == L'.')
        --n;
    if (n < str.GetLength())
        str = str.Left(n);
}

CString CQStringMgr::PrecisionByNum(double dValue, int nDigits, int bGeneral)
{
    return FormatDouble(bGeneral ? L"%.*g" : L"%.*f", nDigits, dValue);
}

CString CQStringMgr::PrecisionByNum(CString str, int nDigits, int bOptimize)
{
    CString strResult = FormatDouble(L"%.*f", nDigits, _wtof(str.GetString()));
    if (bOptimize)
        OptimizeByNum(strResult);
    return strResult;
}
