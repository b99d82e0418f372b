// CQShellItemKinds: icons and names the shell tree learns once per kind of item.
#include "internal/ShellItemKinds.h"

#include <shlwapi.h>

#include <cwchar>

CQShellItemKinds::CQShellItemKinds()
    : m_lpifq(NULL), m_nNamesByType(0), m_bRead(false), m_bNamedByKind(false), m_wfd()
{
}

void CQShellItemKinds::BeginFill(LPCITEMIDLIST lpifq)
{
    m_lpifq = lpifq;
    m_nNamesByType = -1;
    m_bRead = m_bNamedByKind = false;
}

void CQShellItemKinds::Forget()
{
    m_types.clear();
    m_icons.clear();
}

bool CQShellItemKinds::TypeHasOwnIcons(const CString& strExt)
{
    // Programs, icons, cursors and shortcuts; and every type whose default icon is the file itself
    // ("%1") or that names an icon handler.
    static const LPCWSTR s_ownTypes[] = {L".exe", L".ico", L".cur", L".ani",
                                         L".lnk", L".url", L".scr", L".pif"};
    for (LPCWSTR lpszType : s_ownTypes)
        if (strExt == lpszType)
            return true;
    wchar_t szClass[MAX_PATH] = L"";
    DWORD cb = sizeof(szClass) - sizeof(wchar_t);
    if (::SHGetValueW(HKEY_CLASSES_ROOT, strExt, NULL, NULL, szClass, &cb) != ERROR_SUCCESS ||
        szClass[0] == 0)
        return false;
    CString strClass = szClass;
    wchar_t szIcon[MAX_PATH] = L"";
    cb = sizeof(szIcon) - sizeof(wchar_t);
    if (::SHGetValueW(HKEY_CLASSES_ROOT, strClass + L"\\DefaultIcon", NULL, NULL, szIcon, &cb) ==
        ERROR_SUCCESS)
    {
        CString strIcon = szIcon;
        strIcon.Trim(L"\" ");
        if (strIcon.Left(2) == L"%1")
            return true;
    }
    HKEY hKey = NULL;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, strClass + L"\\shellex\\IconHandler", 0, KEY_READ, &hKey) ==
        ERROR_SUCCESS)
    {
        ::RegCloseKey(hKey);
        return true;
    }
    return false;
}

void CQShellItemKinds::Read(LPSHELLFOLDER lpsf, LPCITEMIDLIST lpi, ULONG ulAttrs)
{
    m_strKind.Empty();
    m_strType.Empty();
    m_bNamedByKind = false;
    m_bRead = (ulAttrs & SFGAO_FILESYSTEM) != 0 &&
              SUCCEEDED(::SHGetDataFromIDListW(lpsf, lpi, SHGDFIL_FINDDATA, &m_wfd, sizeof(m_wfd)));
    if (!m_bRead)
        return;
    bool bDirectory = (m_wfd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if ((ulAttrs & SFGAO_FOLDER) != 0)
    {
        // A folder that is read-only or system may have a desktop.ini with an icon of its own.
        const DWORD dwCustom = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_REPARSE_POINT;
        if (bDirectory && (m_wfd.dwFileAttributes & dwCustom) == 0)
        {
            // Plain folders are one kind, with one way of naming; no extension holds a backslash.
            m_strKind = m_strType = L"\\";
            m_bNamedByKind = true;
        }
        return;
    }
    if (bDirectory)
        return; // a folder the shell shows as a file
    m_bNamedByKind = true;
    m_strType = ::PathFindExtensionW(m_wfd.cFileName);
    m_strType.MakeLower();
    if (m_strType.IsEmpty())
        m_strType = L"."; // the files without extension are one type
    auto it = m_types.find(m_strType);
    if (it == m_types.end())
    {
        it = m_types.insert(std::make_pair(m_strType, TypeFacts())).first;
        it->second.bOwnIcons = TypeHasOwnIcons(m_strType);
    }
    if (!it->second.bOwnIcons)
        m_strKind = m_strType;
}

bool CQShellItemKinds::FindIcons(LPTVITEM lptvitem) const
{
    auto it = m_strKind.IsEmpty() ? m_icons.end() : m_icons.find(m_strKind);
    if (it == m_icons.end())
        return false;
    lptvitem->iImage = it->second.first;
    lptvitem->iSelectedImage = it->second.second;
    return true;
}

void CQShellItemKinds::NoteIcons(const TVITEM& tvitem)
{
    if (!m_strKind.IsEmpty())
        m_icons[m_strKind] = std::make_pair(tvitem.iImage, tvitem.iSelectedImage);
}

bool CQShellItemKinds::NamesByType()
{
    // A folder with a desktop.ini may give its files names of their own.
    if (m_nNamesByType < 0)
    {
        wchar_t szPath[MAX_PATH] = L"";
        m_nNamesByType = m_lpifq != NULL && ::SHGetPathFromIDListW(m_lpifq, szPath) && szPath[0] != 0 &&
                                 ::PathAppendW(szPath, L"desktop.ini") &&
                                 ::GetFileAttributesW(szPath) == INVALID_FILE_ATTRIBUTES
                             ? 1
                             : 0;
    }
    return m_nNamesByType == 1;
}

bool CQShellItemKinds::AsciiFileName() const
{
    // The find data the shell gives back may carry the name through an 8-bit code page, which turns
    // other characters into question marks: only names in plain ASCII are taken from it.
    for (const wchar_t* p = m_wfd.cFileName; *p != 0; p++)
        if (*p < 0x20 || *p > 0x7E || *p == L'?')
            return false;
    return true;
}

bool CQShellItemKinds::FindName(LPWSTR lpszName)
{
    if (!m_bNamedByKind || !AsciiFileName())
        return false;
    const TypeFacts& facts = m_types[m_strType];
    if (!facts.bNamed || facts.naming == NAMING_ASK || !NamesByType())
        return false;
    CString strName = m_wfd.cFileName;
    if (facts.naming == NAMING_NO_EXT)
        strName = strName.Left((int)(::PathFindExtensionW(m_wfd.cFileName) - m_wfd.cFileName));
    // A name the shell's answer would have been cut to fit the caller's buffer is asked.
    if (strName.IsEmpty() || strName.GetLength() >= 256)
        return false;
    wcscpy(lpszName, strName);
    return true;
}

void CQShellItemKinds::NoteName(LPCWSTR lpszName)
{
    if (!m_bNamedByKind || !AsciiFileName())
        return;
    TypeFacts& facts = m_types[m_strType];
    if (facts.bNamed)
        return;
    facts.bNamed = true;
    CString strStem =
        CString(m_wfd.cFileName).Left((int)(::PathFindExtensionW(m_wfd.cFileName) - m_wfd.cFileName));
    if (wcscmp(lpszName, m_wfd.cFileName) == 0)
        facts.naming = NAMING_FULL;
    else if (strStem == lpszName)
        facts.naming = NAMING_NO_EXT;
    else
        facts.naming = NAMING_ASK;
}
