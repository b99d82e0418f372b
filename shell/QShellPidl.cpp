// CQShellPidl: identifier-list arithmetic, display names, icons and the item context menu.
#include "QShellPidl.h"
#include "internal/ShellParse.h"

#include <cstring>

namespace
{

// The byte count that opens the item at p (items need not be aligned).
inline USHORT ItemCount(const void* p)
{
    USHORT cb;
    std::memcpy(&cb, p, sizeof(cb));
    return cb;
}

// Copies a name into a buffer of cchName characters, cutting it to cchName - 1 characters
// without splitting a surrogate pair.
void CopyName(LPWSTR lpDest, int cchName, LPCWSTR lpSrc)
{
    int n = 0;
    while (n < cchName - 1 && lpSrc[n] != 0)
        n++;
    if (lpSrc[n] != 0 && n > 0 && lpSrc[n - 1] >= 0xD800 && lpSrc[n - 1] <= 0xDBFF)
        n--;
    std::memcpy(lpDest, lpSrc, n * sizeof(WCHAR));
    lpDest[n] = 0;
}

// Widens an 8-bit name of the system code page into the buffer, cut as CopyName cuts.
BOOL WidenName(LPWSTR lpDest, int cchName, LPCSTR lpSrc)
{
    int nWide = ::MultiByteToWideChar(CP_ACP, 0, lpSrc, -1, NULL, 0);
    if (nWide <= 0)
        return FALSE;
    CString str;
    int nGot = ::MultiByteToWideChar(CP_ACP, 0, lpSrc, -1, str.GetBuffer(nWide), nWide);
    str.ReleaseBuffer(nGot > 0 ? nGot - 1 : 0);
    CopyName(lpDest, cchName, str);
    return TRUE;
}

} // namespace

UINT CQShellPidl::GetSize(LPCITEMIDLIST pidl)
{
    if (pidl == NULL)
        return 0;
    UINT cbTotal = sizeof(USHORT);
    const BYTE* p = (const BYTE*)pidl;
    for (USHORT cb = ItemCount(p); cb >= sizeof(USHORT); cb = ItemCount(p))
    {
        cbTotal += cb;
        p += cb;
    }
    return cbTotal;
}

LPITEMIDLIST CQShellPidl::Next(LPCITEMIDLIST pidl)
{
    if (pidl == NULL)
        return NULL;
    USHORT cb = ItemCount(pidl);
    if (cb < sizeof(USHORT))
        cb = 0;
    return (LPITEMIDLIST)((const BYTE*)pidl + cb);
}

LPITEMIDLIST CQShellPidl::CreatePidl(UINT cbSize)
{
    LPMALLOC lpMalloc = NULL;
    if (FAILED(::SHGetMalloc(&lpMalloc)) || lpMalloc == NULL)
        return NULL;
    LPITEMIDLIST pidl = (LPITEMIDLIST)lpMalloc->Alloc(cbSize);
    if (pidl != NULL)
        std::memset(pidl, 0, cbSize);
    lpMalloc->Release();
    return pidl;
}

LPITEMIDLIST CQShellPidl::ConcatPidls(LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2)
{
    if (pidl2 == NULL)
        return NULL;
    UINT cb1 = pidl1 != NULL ? GetSize(pidl1) - sizeof(USHORT) : 0;
    UINT cb2 = GetSize(pidl2);
    LPITEMIDLIST pidlNew = CreatePidl(cb1 + cb2);
    if (pidlNew == NULL)
        return NULL;
    // The items of both lists; the zero-filled last two bytes end the new list.
    if (cb1 != 0)
        std::memcpy(pidlNew, pidl1, cb1);
    std::memcpy((BYTE*)pidlNew + cb1, pidl2, cb2 - sizeof(USHORT));
    return pidlNew;
}

LPITEMIDLIST CQShellPidl::CopyITEMID(LPMALLOC lpMalloc, LPITEMIDLIST lpi)
{
    if (lpMalloc == NULL || lpi == NULL)
        return NULL;
    USHORT cb = ItemCount(lpi);
    if (cb < sizeof(USHORT))
        cb = 0;
    LPITEMIDLIST lpiTemp = (LPITEMIDLIST)lpMalloc->Alloc(cb + sizeof(USHORT));
    if (lpiTemp == NULL)
        return NULL;
    // The first item, then a zero count: the one-item list ends even when lpi goes on.
    std::memcpy(lpiTemp, lpi, cb);
    std::memset((BYTE*)lpiTemp + cb, 0, sizeof(USHORT));
    return lpiTemp;
}

BOOL CQShellPidl::GetName(LPSHELLFOLDER lpsf, LPITEMIDLIST lpi, DWORD dwFlags, LPWSTR lpFriendlyName)
{
    return GetNameBuffer(lpsf, lpi, dwFlags, lpFriendlyName, 256);
}

BOOL CQShellPidl::GetNameBuffer(LPSHELLFOLDER lpsf, LPCITEMIDLIST lpi, DWORD dwFlags, LPWSTR lpName,
                                int cchName)
{
    if (lpsf == NULL || lpi == NULL || lpName == NULL || cchName < 1)
        return FALSE;
    STRRET str = {};
    str.uType = STRRET_WSTR;
    if (lpsf->GetDisplayNameOf(lpi, dwFlags, &str) != S_OK)
        return FALSE;
    switch (str.uType)
    {
    case STRRET_WSTR:
        if (str.pOleStr == NULL)
            return FALSE;
        CopyName(lpName, cchName, str.pOleStr);
        ::CoTaskMemFree(str.pOleStr);
        return TRUE;
    case STRRET_OFFSET: return WidenName(lpName, cchName, (LPCSTR)lpi + str.uOffset);
    case STRRET_CSTR:
        str.cStr[MAX_PATH - 1] = 0; // a folder that fills the record ends it here
        return WidenName(lpName, cchName, str.cStr);
    default: return FALSE;
    }
}

LPITEMIDLIST CQShellPidl::GetFullyQualPidl(LPSHELLFOLDER lpsf, LPITEMIDLIST lpi)
{
    // Parsing names of deep folders can be long: the buffer holds the longest path there is.
    const int cchName = 32768;
    CString strName;
    BOOL bNamed = GetNameBuffer(lpsf, lpi, SHGDN_FORPARSING, strName.GetBuffer(cchName), cchName);
    strName.ReleaseBuffer(bNamed ? -1 : 0);
    if (!bNamed || !IsDesktopParseName(strName))
        return NULL;
    LPSHELLFOLDER lpsfDesktop = NULL;
    if (FAILED(::SHGetDesktopFolder(&lpsfDesktop)) || lpsfDesktop == NULL)
        return NULL;
    ULONG ulEaten = 0;
    LPITEMIDLIST lpifq = NULL;
    HRESULT hr = lpsfDesktop->ParseDisplayName(NULL, NULL, strName.GetBuffer(), &ulEaten, &lpifq, NULL);
    strName.ReleaseBuffer();
    lpsfDesktop->Release();
    if (FAILED(hr))
    {
        if (lpifq != NULL)
            ::CoTaskMemFree(lpifq);
        return NULL;
    }
    return lpifq;
}

int CQShellPidl::GetItemIcon(LPITEMIDLIST lpi, UINT uFlags)
{
    if (lpi == NULL)
        return 0;
    SHFILEINFOW sfi = {};
    ::SHGetFileInfoW((LPCWSTR)lpi, 0, &sfi, sizeof(sfi), uFlags);
    if ((uFlags & SHGFI_ICON) != 0 && sfi.hIcon != NULL)
        ::DestroyIcon(sfi.hIcon); // only the index is wanted
    return sfi.iIcon;
}

BOOL CQShellPidl::DoTheMenuThing(HWND hwnd, LPSHELLFOLDER lpsfParent, LPITEMIDLIST lpi, LPPOINT lppt)
{
    if (lpsfParent == NULL || lpi == NULL || lppt == NULL)
        return FALSE;
    LPCONTEXTMENU lpcm = NULL;
    LPCITEMIDLIST apidl[1] = {lpi};
    HRESULT hr = lpsfParent->GetUIObjectOf(hwnd, 1, apidl, IID_IContextMenu, NULL, (void**)&lpcm);
    if (FAILED(hr) || lpcm == NULL)
    {
        CString strMessage;
        strMessage.Format(L"GetUIObjectOf failed! hr=%lx", (unsigned long)hr);
        AfxMessageBox(strMessage);
        return FALSE;
    }
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == NULL)
    {
        lpcm->Release();
        return FALSE;
    }
    if (FAILED(lpcm->QueryContextMenu(hMenu, 0, 1, 0x7FFF, CMF_EXPLORE)))
    {
        ::DestroyMenu(hMenu);
        lpcm->Release();
        return FALSE;
    }
    int idCmd =
        (int)::TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON, lppt->x, lppt->y, 0, hwnd, NULL);
    if (idCmd != 0)
    {
        CMINVOKECOMMANDINFO cmi = {};
        cmi.cbSize = sizeof(cmi);
        cmi.fMask = 0;
        cmi.hwnd = hwnd;
        cmi.lpVerb = MAKEINTRESOURCEA(idCmd - 1);
        cmi.nShow = SW_SHOWNORMAL;
        hr = lpcm->InvokeCommand(&cmi);
        if (FAILED(hr))
        {
            CString strMessage;
            strMessage.Format(L"InvokeCommand failed. hr=%lx", (unsigned long)hr);
            AfxMessageBox(strMessage);
        }
    }
    ::DestroyMenu(hMenu);
    lpcm->Release();
    return TRUE;
}
