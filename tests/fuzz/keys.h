// Key sequences for the editor readers: every input is a sequence of user actions (typing,
// Backspace, Delete, caret moves, selections, clipboard keys, Return, Escape) and of calls that set
// the editor's text, sent as the messages the keyboard and TranslateMessage produce.
#pragma once

#include "fuzz.h"

#include <afxwin.h>

#include <string>
#include <utility>
#include <vector>

namespace qfuzz
{

struct KeyAction
{
    enum Kind
    {
        Type,      // a character: key down, WM_CHAR, key up
        Back,      // Backspace
        Delete,    // the Delete key
        Move,      // Left, Right, Home or End (vk), Shift held when shift is set
        Select,    // EM_SETSEL(a, b)
        Control,   // a control character typed with Ctrl: copy, paste, cut, undo, select all
        Return,    // Return
        Escape,    // Escape
        SetText,   // the editor's own text setter with text
        SetMask,   // the masked edit's mask
        Clipboard, // text put on the clipboard
    };
    Kind kind;
    wchar_t ch = 0;
    UINT vk = 0;
    bool shift = false;
    int a = 0, b = 0;
    std::wstring text;
};

// One action per byte (some take the following bytes as their arguments): printable bytes and
// 0x80 to 0xEF type characters (see DecodeText), control bytes pick the other actions.
std::vector<KeyAction> DecodeKeys(const Bytes& input);

// Sends the messages of a key action that goes to the window (not SetText, SetMask, Clipboard).
// Shift stays down after a Shift move until an action without it: call ReleaseModifiers when done.
void SendAction(HWND hWnd, const KeyAction& action);
void ReleaseModifiers();

std::wstring TextOf(HWND hWnd);
std::pair<int, int> SelOf(HWND hWnd);
void PutOnClipboard(HWND hOwner, const std::wstring& text);

// Whether the edit control inserts the character on WM_CHAR.
inline bool Inserts(wchar_t c)
{
    return c >= 0x20 && c != 0x7F;
}

} // namespace qfuzz
