// CQKeyOperate: thin wrappers over the registry calls, one open key per object.
#include "QKeyOperate.h"

#include <cstring>

CQKeyOperate::CQKeyOperate() : m_hKey(nullptr) {}

CQKeyOperate::CQKeyOperate(const CQKeyOperate& src) : m_hKey(src.m_hKey) {}

CQKeyOperate& CQKeyOperate::operator=(const CQKeyOperate& src)
{
    m_hKey = src.m_hKey;
    return *this;
}

CQKeyOperate::~CQKeyOperate() {}

BOOL CQKeyOperate::Open(HKEY hParent, const wchar_t* pszSubKey)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyW(hParent, pszSubKey, &hKey) != ERROR_SUCCESS)
        return FALSE;
    m_hKey = hKey;
    return TRUE;
}

BOOL CQKeyOperate::Create(HKEY hParent, const wchar_t* pszSubKey)
{
    HKEY hKey = nullptr;
    if (::RegCreateKeyW(hParent, pszSubKey, &hKey) != ERROR_SUCCESS)
        return FALSE;
    m_hKey = hKey;
    return TRUE;
}

BOOL CQKeyOperate::VerifyKey(HKEY hParent, const wchar_t* pszSubKey)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(hParent, pszSubKey, 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS)
        return FALSE;
    m_hKey = hKey;
    return TRUE;
}

BOOL CQKeyOperate::VerifyKey(const wchar_t* pszSubKey)
{
    return VerifyKey(m_hKey, pszSubKey);
}

BOOL CQKeyOperate::VerifyValue(const wchar_t* pszName)
{
    return ::RegQueryValueExW(m_hKey, pszName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

BOOL CQKeyOperate::GetDWordValue(const wchar_t* pszName, DWORD& dwOut)
{
    DWORD dwValue = 0, cb = sizeof(dwValue);
    if (::RegQueryValueExW(m_hKey, pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&dwValue), &cb) !=
        ERROR_SUCCESS)
        return FALSE;
    dwOut = dwValue;
    return TRUE;
}

BOOL CQKeyOperate::GetIntValue(const wchar_t* pszName, int& nOut)
{
    DWORD dwValue = 0;
    if (!GetDWordValue(pszName, dwValue))
        return FALSE;
    nOut = static_cast<int>(dwValue);
    return TRUE;
}

BOOL CQKeyOperate::GetStringValue(const wchar_t* pszName, CString& strOut)
{
    strOut.Empty();
    DWORD dwType = 0, cb = 0;
    if (::RegQueryValueExW(m_hKey, pszName, nullptr, &dwType, nullptr, &cb) != ERROR_SUCCESS)
        return FALSE;
    if (cb / sizeof(wchar_t) > 0x3FFFFFFF)
        return FALSE; // more than a string can hold
    // Room for the value and one NUL more, zero-filled: the text ends at the first NUL even when
    // the stored value has no terminator or an odd size.
    int nChars = static_cast<int>(cb / sizeof(wchar_t)) + 2;
    wchar_t* p = strOut.GetBuffer(nChars);
    memset(p, 0, nChars * sizeof(wchar_t));
    DWORD cbBuf = static_cast<DWORD>((nChars - 1) * sizeof(wchar_t));
    if (::RegQueryValueExW(m_hKey, pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(p), &cbBuf) !=
        ERROR_SUCCESS)
        p[0] = L'\0';
    strOut.ReleaseBuffer(-1);
    return TRUE;
}

BOOL CQKeyOperate::SetDWordValue(const wchar_t* pszName, DWORD dwValue)
{
    return ::RegSetValueExW(m_hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                            sizeof(dwValue)) == ERROR_SUCCESS;
}

BOOL CQKeyOperate::SetIntValue(const wchar_t* pszName, int nValue)
{
    return SetDWordValue(pszName, static_cast<DWORD>(nValue));
}

BOOL CQKeyOperate::SetStringValue(const wchar_t* pszName, CString strValue)
{
    DWORD cb = static_cast<DWORD>((strValue.GetLength() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(m_hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.GetString()),
                            cb) == ERROR_SUCCESS;
}

void CQKeyOperate::Close()
{
    if (m_hKey != nullptr)
        ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
}
