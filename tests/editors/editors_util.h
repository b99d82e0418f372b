// Helpers of the editor tests: a top-level host window that records the notifications its
// children send, and the key messages a user's key presses produce.
#pragma once

#include <afxwin.h>
#include <commctrl.h>
#include <string>
#include <vector>

namespace edtest {

// One WM_NOTIFY the host received, with the list-view display information copied out (the
// text pointer is valid only during the send).
struct NotifyRecord {
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

// A visible top-level window with a plain window procedure. It records every WM_NOTIFY and
// may run a callback for each (e.g. to destroy an editor as a list view would).
class HostWindow {
 public:
  HostWindow(int cx = 600, int cy = 400);
  ~HostWindow();
  HWND hwnd() const { return m_hWnd; }
  CWnd* wnd() const { return CWnd::FromHandle(m_hWnd); }
  std::vector<NotifyRecord> notifications;
  // The end-of-label-edit notifications among them.
  std::vector<NotifyRecord> EndEdits() const;
  // Called for each end-of-label-edit notification.
  void (*onNotify)(const NotifyRecord&, void* context) = nullptr;
  void* context = nullptr;

 private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  HWND m_hWnd = NULL;
};

// The top-level windows the tests share: closing a visible top-level window costs seconds under
// a display without a window manager, so they live for the whole program. Host() is a plain
// recording window, FrameworkHost() a window of the framework (its children's owner-draw and
// notification messages are reflected to them). Both are reset for each test: no
// notifications, no callback, the focus on them.
HostWindow& Host();
CWnd& FrameworkHost();
void ResetHosts();

// Key down, the character and key up, as the keyboard and TranslateMessage deliver them.
void TypeChar(HWND hWnd, wchar_t ch);
void TypeText(HWND hWnd, const wchar_t* text);
// A key without a character (Delete, Insert, the arrows): key down and key up only.
void PressKey(HWND hWnd, UINT vk);
// Backspace, Return and Escape: key down, their control character, key up.
void PressCharKey(HWND hWnd, UINT vk, wchar_t ch);
// Dispatches whatever is posted to this thread.
void PumpMessages();

// Window text and selection of an edit window.
std::wstring TextOf(HWND hWnd);
std::pair<int, int> SelOf(HWND hWnd);

// Windows of this thread (top-level and children), to find leaked ones.
int CountThreadWindows();

}  // namespace edtest
