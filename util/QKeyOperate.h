// CQKeyOperate: one open key of the Windows registry, with reads and writes of its values.
//
// The object holds a key handle, null when no key is open. Copies share the handle, and the
// destructor does not close it: the caller calls Close once. Opening a key (Open, Create,
// VerifyKey) replaces the stored handle without closing the previous one; when the opening fails,
// the stored handle stays as it was. Every BOOL result is TRUE exactly when the registry call
// reports success.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CQKeyOperate
{
public:
    CQKeyOperate();
    CQKeyOperate(const CQKeyOperate& src);
    CQKeyOperate& operator=(const CQKeyOperate& src);
    virtual ~CQKeyOperate();

    BOOL Open(HKEY hParent, const wchar_t* pszSubKey);      // RegOpenKeyW
    BOOL Create(HKEY hParent, const wchar_t* pszSubKey);    // RegCreateKeyW: opens or creates
    BOOL VerifyKey(HKEY hParent, const wchar_t* pszSubKey); // RegOpenKeyExW, full access
    BOOL VerifyKey(const wchar_t* pszSubKey);               // the same below the object's own key
    BOOL VerifyValue(const wchar_t* pszName);               // the value exists

    // Reads into a 4-byte buffer; out is set only on success (a longer value fails).
    BOOL GetDWordValue(const wchar_t* pszName, DWORD& dwOut);
    BOOL GetIntValue(const wchar_t* pszName, int& nOut);
    // out is emptied, then receives the value up to its first NUL; the value's type is not tested.
    BOOL GetStringValue(const wchar_t* pszName, CString& strOut);

    BOOL SetDWordValue(const wchar_t* pszName, DWORD dwValue);     // REG_DWORD
    BOOL SetIntValue(const wchar_t* pszName, int nValue);          // REG_DWORD
    BOOL SetStringValue(const wchar_t* pszName, CString strValue); // REG_SZ, its NUL included

    void Close(); // closes the key if one is open; then no key

    HKEY GetKey() const { return m_hKey; }

protected:
    HKEY m_hKey; // the open key, null when none
};
