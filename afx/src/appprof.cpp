// The application profile: settings in the registry under
// HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>, or, without a registry key,
// in the initialisation file named by the profile name.
#include "afximpl.h"

#include <vector>

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    if (lpszRegistryKey == NULL || *lpszRegistryKey == 0)
        return;
    delete[] m_pszRegistryKey;
    m_pszRegistryKey = AfxStrDup(lpszRegistryKey);
    // Under a registry key the profile is named after the application.
    delete[] m_pszProfileName;
    m_pszProfileName = AfxStrDup(m_pszAppName != NULL ? m_pszAppName : AfxGetAppName());
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    if (strKey.LoadString(nIDRegistryKey))
        SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    HKEY hSoftKey = NULL, hCompanyKey = NULL, hAppKey = NULL;
    DWORD dw;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) == ERROR_SUCCESS)
    {
        if (::RegCreateKeyExW(hSoftKey, m_pszRegistryKey, 0, NULL, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE | KEY_READ, NULL, &hCompanyKey, &dw) == ERROR_SUCCESS)
        {
            ::RegCreateKeyExW(hCompanyKey, m_pszProfileName, 0, NULL, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE | KEY_READ, NULL, &hAppKey, &dw);
            ::RegCloseKey(hCompanyKey);
        }
        ::RegCloseKey(hSoftKey);
    }
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    if (lpszSection == NULL)
        return NULL;
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == NULL)
        return NULL;
    HKEY hSectionKey = NULL;
    DWORD dw;
    ::RegCreateKeyExW(hAppKey, lpszSection, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, NULL,
                      &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (lpszSection == NULL || lpszEntry == NULL)
        return (UINT)nDefault;
    if (m_pszRegistryKey == NULL)
        return ::GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return (UINT)nDefault;
    DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
    LONG lResult = ::RegQueryValueExW(hSecKey, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &dwCount);
    ::RegCloseKey(hSecKey);
    if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
        return (UINT)dwValue;
    return (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (lpszSection == NULL || lpszEntry == NULL)
        return FALSE;
    if (m_pszRegistryKey == NULL)
    {
        wchar_t szT[16];
        _snwprintf(szT, 16, L"%d", nValue);
        szT[15] = 0;
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, szT, m_pszProfileName);
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    DWORD dwValue = (DWORD)nValue;
    LONG lResult = ::RegSetValueExW(hSecKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue));
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString strDefault(lpszDefault != NULL ? lpszDefault : L"");
    if (lpszSection == NULL || lpszEntry == NULL)
        return strDefault;
    if (m_pszRegistryKey == NULL)
    {
        // Grow the buffer until the value fits (the function fills it to size - 1 when cut).
        std::vector<wchar_t> buf(256);
        for (;;)
        {
            DWORD n = ::GetPrivateProfileStringW(lpszSection, lpszEntry, strDefault, buf.data(),
                                                 (DWORD)buf.size(), m_pszProfileName);
            if (n < buf.size() - 1 || buf.size() >= (1u << 20))
                return CString(buf.data(), (int)n);
            buf.resize(buf.size() * 2);
        }
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return strDefault;
    CString strValue;
    DWORD dwType = 0, dwCount = 0;
    LONG lResult = ::RegQueryValueExW(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
    if (lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ))
    {
        int nChars = (int)(dwCount / sizeof(wchar_t));
        std::vector<wchar_t> buf((size_t)nChars + 1, 0);
        lResult = ::RegQueryValueExW(hSecKey, lpszEntry, NULL, &dwType, (LPBYTE)buf.data(), &dwCount);
        if (lResult == ERROR_SUCCESS)
            strValue = buf.data(); // stops at the terminator, if stored
    }
    else
    {
        lResult = ERROR_FILE_NOT_FOUND;
    }
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS ? strValue : strDefault;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (lpszSection == NULL)
        return FALSE;
    if (m_pszRegistryKey == NULL)
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszEntry == NULL)
    {
        // Delete the whole section.
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == NULL)
            return FALSE;
        LONG lResult = ::RegDeleteTreeW(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    LONG lResult;
    if (lpszValue == NULL)
    {
        lResult = ::RegDeleteValueW(hSecKey, lpszEntry);
        if (lResult == ERROR_FILE_NOT_FOUND)
            lResult = ERROR_SUCCESS;
    }
    else
    {
        lResult = ::RegSetValueExW(hSecKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                   (DWORD)((wcslen(lpszValue) + 1) * sizeof(wchar_t)));
    }
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

// In an initialisation file binary data is stored as text: each byte as two letters 'A'..'P',
// the low half first.
BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    if (ppData == NULL || pBytes == NULL)
        return FALSE;
    *ppData = NULL;
    *pBytes = 0;
    if (lpszSection == NULL || lpszEntry == NULL)
        return FALSE;
    if (m_pszRegistryKey == NULL)
    {
        CString str = GetProfileString(lpszSection, lpszEntry, NULL);
        int nLen = str.GetLength();
        if (nLen == 0 || nLen % 2 != 0)
            return FALSE;
        UINT nBytes = (UINT)nLen / 2;
        LPBYTE pData = new BYTE[nBytes];
        for (UINT i = 0; i < nBytes; i++)
        {
            wchar_t lo = str[(int)(2 * i)], hi = str[(int)(2 * i + 1)];
            if (lo < L'A' || lo > L'P' || hi < L'A' || hi > L'P')
            {
                delete[] pData;
                return FALSE;
            }
            pData[i] = (BYTE)((lo - L'A') | ((hi - L'A') << 4));
        }
        *ppData = pData;
        *pBytes = nBytes;
        return TRUE;
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    DWORD dwType = 0, dwCount = 0;
    LONG lResult = ::RegQueryValueExW(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
    if (lResult == ERROR_SUCCESS && dwType == REG_BINARY)
    {
        LPBYTE pData = new BYTE[dwCount != 0 ? dwCount : 1];
        lResult = ::RegQueryValueExW(hSecKey, lpszEntry, NULL, &dwType, pData, &dwCount);
        if (lResult == ERROR_SUCCESS)
        {
            *ppData = pData;
            *pBytes = dwCount;
        }
        else
        {
            delete[] pData;
        }
    }
    else if (lResult == ERROR_SUCCESS)
    {
        lResult = ERROR_INVALID_DATA;
    }
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (lpszSection == NULL || lpszEntry == NULL || (pData == NULL && nBytes != 0))
        return FALSE;
    if (m_pszRegistryKey == NULL)
    {
        CString str;
        LPTSTR p = str.GetBuffer((int)nBytes * 2);
        for (UINT i = 0; i < nBytes; i++)
        {
            p[2 * i] = (wchar_t)((pData[i] & 0x0F) + L'A');
            p[2 * i + 1] = (wchar_t)(((pData[i] >> 4) & 0x0F) + L'A');
        }
        str.ReleaseBuffer((int)nBytes * 2);
        return WriteProfileString(lpszSection, lpszEntry, str);
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    LONG lResult = ::RegSetValueExW(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

LONG CWinApp::DelRegTree(HKEY hParentKey, const CString& strKeyName)
{
    if (hParentKey == NULL || strKeyName.IsEmpty())
        return ERROR_INVALID_PARAMETER;
    return ::RegDeleteTreeW(hParentKey, strKeyName);
}
