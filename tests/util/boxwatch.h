// Records and closes the message boxes that the calling thread shows while a BoxWatch lives.
// A thread-local CBT hook sees each box as it is activated, reads its caption, text, owner and
// icon, and posts it the OK command, so the box's modal loop ends at once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ShownBox {
  std::wstring caption, text;
  HWND owner = nullptr;
  HICON icon = nullptr;  // the icon shown, null when none
};

class BoxWatch {
public:
  BoxWatch() : m_hook(SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId())) { Current() = &m_boxes; }
  ~BoxWatch() {
    UnhookWindowsHookEx(m_hook);
    Current() = nullptr;
  }
  const std::vector<ShownBox>& Boxes() const { return m_boxes; }

private:
  static std::vector<ShownBox>*& Current() {
    static thread_local std::vector<ShownBox>* p = nullptr;
    return p;
  }
  static std::wstring Text(HWND hwnd) {
    wchar_t sz[512] = L"";
    GetWindowTextW(hwnd, sz, 512);
    return sz;
  }
  static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    wchar_t cls[32] = {};
    if (nCode == HCBT_ACTIVATE && Current() && GetClassNameW(hwnd, cls, 32) && lstrcmpW(cls, L"#32770") == 0) {
      ShownBox box{Text(hwnd), Text(GetDlgItem(hwnd, 0xFFFF)), GetWindow(hwnd, GW_OWNER)};
      for (HWND h = GetWindow(hwnd, GW_CHILD); h && !box.icon; h = GetWindow(h, GW_HWNDNEXT))
        if ((GetWindowLongW(h, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
          box.icon = reinterpret_cast<HICON>(SendMessageW(h, STM_GETICON, 0, 0));
      Current()->push_back(box);
      PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
  }
  HHOOK m_hook;
  std::vector<ShownBox> m_boxes;
};
