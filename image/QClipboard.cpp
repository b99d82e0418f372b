// CQClipboard: the clipboard text functions.
#include "image/QClipboard.h"

namespace
{

// Opens the clipboard and takes its CF_TEXT handle; the clipboard is closed again before return.
HGLOBAL TakeTextHandle(HWND hWnd)
{
    if (!::OpenClipboard(hWnd))
        return NULL;
    HGLOBAL hData = ::GetClipboardData(CF_TEXT);
    ::CloseClipboard();
    return hData;
}

} // namespace

BOOL CQClipboard::GetText(CString& str, int nLimit, HWND hWnd)
{
    HGLOBAL hData = TakeTextHandle(hWnd);
    if (hData == NULL)
        return FALSE;
    const BYTE* p = static_cast<const BYTE*>(::GlobalLock(hData));
    if (p == NULL)
        return FALSE;
    SIZE_T n = ::GlobalSize(hData);
    if (nLimit < 1)
        nLimit = 1;
    SIZE_T nTake = n < (SIZE_T)nLimit ? n : (SIZE_T)nLimit - 1;
    SIZE_T nLen = 0;
    while (nLen < nTake && p[nLen] != 0)
        nLen++;
    if (nLen)
    {
        int nOld = str.GetLength();
        wchar_t* pDest = str.GetBuffer(nOld + (int)nLen) + nOld;
        for (SIZE_T i = 0; i < nLen; i++)
            pDest[i] = (wchar_t)p[i];
        str.ReleaseBuffer(nOld + (int)nLen);
    }
    ::GlobalUnlock(hData);
    return TRUE;
}

BOOL CQClipboard::GetTextLength(DWORD& dwLength, HWND hWnd)
{
    HGLOBAL hData = TakeTextHandle(hWnd);
    if (hData == NULL)
        return FALSE;
    dwLength = (DWORD)::GlobalSize(hData);
    return TRUE;
}

BOOL CQClipboard::SetText(CString str, HWND hWnd)
{
    if (!::OpenClipboard(hWnd))
        return FALSE;
    ::EmptyClipboard();
    int nLen = str.GetLength();
    if (nLen > 0)
    {
        HGLOBAL hData = ::GlobalAlloc(GMEM_ZEROINIT, (SIZE_T)nLen + 1);
        if (hData == NULL)
        {
            ::CloseClipboard();
            return FALSE;
        }
        BYTE* p = static_cast<BYTE*>(::GlobalLock(hData));
        LPCWSTR psz = str;
        for (int i = 0; i < nLen; i++)
            p[i] = (BYTE)(psz[i] & 0xFF);
        p[nLen] = 0;
        ::GlobalUnlock(hData);
        if (::SetClipboardData(CF_TEXT, hData) == NULL)
            ::GlobalFree(hData);
    }
    ::CloseClipboard();
    return TRUE;
}
