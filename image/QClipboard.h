// CQClipboard: plain 8-bit text (CF_TEXT) on the clipboard and off it again. Static operations only.
//
// SetText stores each character's low 8 bits, one byte per character; GetText widens each byte to
// the character of the same value (Latin-1), so text of those characters makes a round trip. GetText
// stops at the first zero byte of the block.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CQClipboard
{
public:
    // Appends the clipboard's text to str: the whole block when it is smaller than nLimit bytes,
    // else its first nLimit - 1 bytes. FALSE when the clipboard holds no text.
    static BOOL GetText(CString& str, int nLimit, HWND hWnd);
    // The text block's size in bytes (the terminating zero counted). FALSE when there is none.
    static BOOL GetTextLength(DWORD& dwLength, HWND hWnd);
    // Empties the clipboard and puts the text on it (nothing for an empty text). FALSE when the
    // memory for it cannot be had.
    static BOOL SetText(CString str, HWND hWnd);
};
