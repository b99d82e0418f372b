// Helpers of the editor tests: a top-level host window that records the end-of-label-edit
// notifications its children send, and the key messages a user's key presses produce.
#pragma once

#include <afxwin.h>
#include <commctrl.h>
#include <string>
#include <vector>

#include "testwin.h"

namespace edtest
{

// One end-of-label-edit notification the host received, with the display information copied
// out (the text pointer is valid only during the send).
struct NotifyRecord
{
    WPARAM wParam;
    HWND hwndFrom;
    UINT_PTR idFrom;
    int code;
    UINT mask;
    int iItem;
    int iSubItem;
    bool hasText;
    std::wstring text;
    int cchTextMax;
};

// A visible framework window (its children's owner-draw and notification messages are
// reflected to them) that records the end-of-label-edit notifications.
class HostWnd : public CWnd
{
public:
    std::vector<NotifyRecord> endEdits;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The host the tests share: closing a visible top-level window costs seconds under a display
// without a window manager, so it lives for the whole program. ResetHost() clears its records
// and gives it the focus.
HostWnd& Host();
void ResetHost();

// Key down, the character and key up, as the keyboard and TranslateMessage deliver them.
void TypeChar(HWND hWnd, wchar_t ch);
void TypeText(HWND hWnd, const wchar_t* text);
// A key without a character (Delete, Insert, the arrows): key down and key up only.
inline void PressKey(HWND hWnd, UINT vk)
{
    qtest::SendKey(hWnd, vk);
}
// Backspace, Return and Escape: key down, their control character, key up.
void PressCharKey(HWND hWnd, UINT vk, wchar_t ch);
using qtest::PumpMessages;

// Window text and selection of an edit window.
std::wstring TextOf(HWND hWnd);
std::pair<int, int> SelOf(HWND hWnd);

// Windows of this thread (top-level and children), to find leaked ones.
int CountThreadWindows();

} // namespace edtest
