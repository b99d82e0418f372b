// CQStringMgr: the element-list walk and the operations built on it.
//
// The walk keeps a position in the caller's buffer instead of cutting the remainder off at every
// step, so a pass over a list costs one search through the string. Searching a remainder with
// wcsstr from a position gives the same answer as CString::Find on a copy of that remainder: both
// stop at the first NUL, which never lies beyond the string's length.
#include "QStringMgr.h"

#include <cwchar>

namespace
{

// One walk over a list: Next() yields the elements of the text from the current position on.
class ElementWalk
{
public:
    ElementWalk(const CString& str, const CString& sep)
        : m_psz(str.GetString()), m_nLen(str.GetLength()), m_pszSep(sep.GetString()),
          m_nSepLen(static_cast<int>(wcslen(sep.GetString())))
    {
    }

    // The next element as [nStart, nStart + nCount); FALSE when the rest is empty.
    bool Next(int& nStart, int& nCount)
    {
        if (m_nPos >= m_nLen)
            return false;
        nStart = m_nPos;
        const wchar_t* pHit = m_nSepLen > 0 ? wcsstr(m_psz + m_nPos, m_pszSep) : nullptr;
        if (pHit == nullptr || pHit - m_psz >= m_nLen)
        {
            nCount = m_nLen - m_nPos;
            m_nPos = m_nLen;
        }
        else
        {
            int nHit = static_cast<int>(pHit - m_psz);
            nCount = nHit - m_nPos;
            m_nPos = nHit + m_nSepLen;
        }
        return true;
    }

    int Pos() const { return m_nPos; } // start of the unwalked rest
    const wchar_t* Text() const { return m_psz; }

private:
    const wchar_t* m_psz;    // the list's characters
    int m_nLen;              // its length in characters
    const wchar_t* m_pszSep; // the separator, matched up to its first NUL
    int m_nSepLen;           // characters matched by the separator
    int m_nPos = 0;          // where the rest begins
};

// CString::Compare of an element with item is 0: equal as NUL-terminated strings.
// Only the last element can hold a NUL (the search stops there), so lengths differ mostly.
bool ElementEquals(const wchar_t* pElem, int nCount, const wchar_t* pszItem, int nItemLen)
{
    if (nCount != nItemLen && (nCount < nItemLen || pElem[nItemLen] != L'\0'))
        return false;
    if (nItemLen == 0)
        return true;
    if (pElem[nItemLen - 1] != pszItem[nItemLen - 1])
        return false; // lists often share prefixes
    for (int i = 0; i < nItemLen - 1; ++i)
        if (pElem[i] != pszItem[i])
            return false;
    return true;
}

// Appends one element to a re-joined list: the separator only when the result is not empty.
void AppendJoined(CString& strResult, const wchar_t* pElem, int nCount, const CString& strSep)
{
    if (!strResult.IsEmpty())
        strResult += strSep;
    if (nCount > 0)
        strResult.Append(pElem, nCount);
}

CString Slice(const wchar_t* p, int nStart, int nCount)
{
    return CString(p + nStart, nCount);
}

CString Trimmed(CString str)
{
    str.Trim();
    return str;
}

// The message of a key without a following separator; rest is the list from that key on.
void ShowFormatError(const CString& strRest)
{
    CString strMsg(L"字符串格式出错! ");
    strMsg += strRest;
    ::MessageBoxW(nullptr, strMsg, L"提示", MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

void CQStringMgr::AddElementItem(CString& strSource, CString strItem, CString strSep)
{
    if (strSource.IsEmpty())
        strSource = strItem;
    else
        strSource += strSep + strItem;
}

void CQStringMgr::AddElementItem(CString& strSource, CString strKey, CString strValue, CString strSep)
{
    if (strSource.IsEmpty())
        strSource = strKey + strSep + strValue;
    else
        strSource += strSep + strKey + strSep + strValue;
}

BOOL CQStringMgr::GetElementItem(CString& strSource, CString& strItem, CString strSep)
{
    ElementWalk walk(strSource, strSep);
    int nStart, nCount;
    if (!walk.Next(nStart, nCount))
        return FALSE;
    CString strHead = Slice(walk.Text(), nStart, nCount);
    strSource = strSource.Mid(walk.Pos());
    strItem = strHead;
    return TRUE;
}

BOOL CQStringMgr::GetElementItem(CString& strSource, CString& strKey, CString& strValue, CString strSep)
{
    if (strSource.IsEmpty())
        return FALSE;
    const wchar_t* psz = strSource.GetString();
    int nLen = strSource.GetLength();
    int nSepLen = static_cast<int>(wcslen(strSep.GetString()));
    const wchar_t* pHit = nSepLen > 0 ? wcsstr(psz, strSep.GetString()) : nullptr;
    if (pHit == nullptr || pHit - psz >= nLen)
    {
        ShowFormatError(strSource);
        return FALSE;
    }
    int nKeyEnd = static_cast<int>(pHit - psz);
    CString strKeyPart(psz, nKeyEnd);
    int nValStart = nKeyEnd + nSepLen;
    pHit = wcsstr(psz + nValStart, strSep.GetString());
    CString strValuePart, strRest;
    if (pHit == nullptr || pHit - psz >= nLen)
    {
        strValuePart = Slice(psz, nValStart, nLen - nValStart);
    }
    else
    {
        int nValEnd = static_cast<int>(pHit - psz);
        strValuePart = Slice(psz, nValStart, nValEnd - nValStart);
        strRest = strSource.Mid(nValEnd + nSepLen);
    }
    strSource = strRest;
    strKey = Trimmed(strKeyPart);
    strValue = Trimmed(strValuePart);
    return TRUE;
}

int CQStringMgr::GetElementCount(CString strSource, CString strSep)
{
    ElementWalk walk(strSource, strSep);
    int nStart, nCount, n = 0;
    while (walk.Next(nStart, nCount))
        ++n;
    return n;
}

int CQStringMgr::GetElementIndex(CString strSource, CString strItem, CString strSep)
{
    ElementWalk walk(strSource, strSep);
    const wchar_t* pszItem = strItem.GetString();
    int nItemLen = static_cast<int>(wcslen(pszItem));
    int nStart, nCount;
    for (int i = 0; walk.Next(nStart, nCount); ++i)
        if (ElementEquals(walk.Text() + nStart, nCount, pszItem, nItemLen))
            return i;
    return -1;
}

BOOL CQStringMgr::GetElementItemByIndex(CString strSource, int nIndex, CString& strItem, CString strSep)
{
    strItem.Empty();
    if (nIndex < 0)
        return FALSE;
    ElementWalk walk(strSource, strSep);
    int nStart, nCount;
    for (int i = 0; walk.Next(nStart, nCount); ++i)
    {
        if (i == nIndex)
        {
            strItem = Slice(walk.Text(), nStart, nCount);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CQStringMgr::ExistElementItem(CString strSource, CString strItem, CString strSep)
{
    return GetElementIndex(strSource, strItem, strSep) >= 0;
}

// The pair walk of GetElementItem, kept as positions in the one string: taking every pair off a
// copy of the rest would cost a pass over the rest for each pair.
BOOL CQStringMgr::ExistElementItem(CString strSource, CString strKey, CString strValue, CString strSep)
{
    const wchar_t* psz = strSource.GetString();
    const int nLen = strSource.GetLength();
    const wchar_t* pszSep = strSep.GetString();
    const int nSepLen = static_cast<int>(wcslen(pszSep));
    int nPos = 0;
    while (nPos < nLen)
    {
        const wchar_t* pHit = nSepLen > 0 ? wcsstr(psz + nPos, pszSep) : nullptr;
        if (pHit == nullptr || pHit - psz >= nLen)
        {
            ShowFormatError(strSource.Mid(nPos));
            return FALSE;
        }
        const int nKeyEnd = static_cast<int>(pHit - psz);
        const int nValStart = nKeyEnd + nSepLen;
        pHit = wcsstr(psz + nValStart, pszSep);
        int nValEnd = nLen, nNext = nLen;
        if (pHit != nullptr && pHit - psz < nLen)
        {
            nValEnd = static_cast<int>(pHit - psz);
            nNext = nValEnd + nSepLen;
        }
        CString strK = Trimmed(Slice(psz, nPos, nKeyEnd - nPos));
        CString strV = Trimmed(Slice(psz, nValStart, nValEnd - nValStart));
        if ((strKey.IsEmpty() || strK.Compare(strKey) == 0) &&
            (strValue.IsEmpty() || strV.Compare(strValue) == 0))
            return TRUE;
        nPos = nNext;
    }
    return FALSE;
}

void CQStringMgr::DelElementItem(CString& strSource, CString strItem, CString strSep)
{
    if (strItem.IsEmpty())
        return;
    const wchar_t* pszItem = strItem.GetString();
    int nItemLen = static_cast<int>(wcslen(pszItem));
    ElementWalk walk(strSource, strSep);
    CString strJoined;
    int nStart, nCount;
    while (walk.Next(nStart, nCount))
    {
        if (ElementEquals(walk.Text() + nStart, nCount, pszItem, nItemLen))
        {
            CString strRest = strSource.Mid(walk.Pos());
            strSource = strJoined.IsEmpty() ? strRest : strJoined + strSep + strRest;
            return;
        }
        AppendJoined(strJoined, walk.Text() + nStart, nCount, strSep);
    }
    strSource = strJoined;
}

void CQStringMgr::SetElement(CString& strSource, int nIndex, CString strValue, CString strSep)
{
    if (nIndex < 0)
        return;
    ElementWalk walk(strSource, strSep);
    CString strJoined;
    int nStart, nCount, nElements = 0, nEnd = 0;
    while (walk.Next(nStart, nCount))
    {
        if (nElements == nIndex)
        {
            CString strRest = strSource.Mid(walk.Pos());
            if (strJoined.IsEmpty())
                strSource = strValue + strSep + strRest;
            else
                strSource = strJoined + strSep + strValue + strSep + strRest;
            return;
        }
        AppendJoined(strJoined, walk.Text() + nStart, nCount, strSep);
        nEnd = nStart + nCount;
        ++nElements;
    }
    // Beyond the last element: pad with empty elements so that the value lands at nIndex.
    CString strResult = strSource.Left(nEnd);
    if (nElements > 0)
        strResult += strSep;
    strResult += Repeat(strSep, nIndex - nElements);
    strResult += strValue;
    strSource = strResult;
}

void CQStringMgr::StringToArray(CString strSource, CStringArray& arr, CString strSep)
{
    arr.RemoveAll();
    ElementWalk walk(strSource, strSep);
    int nStart, nCount;
    while (walk.Next(nStart, nCount))
        arr.Add(Slice(walk.Text(), nStart, nCount));
}

void CQStringMgr::ArrayToString(CStringArray& arr, CString& strSource, CString strSep)
{
    CString strJoined;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        AppendJoined(strJoined, arr[i].GetString(), arr[i].GetLength(), strSep);
    strSource = strJoined;
}
