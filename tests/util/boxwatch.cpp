#include "boxwatch.h"

namespace {
thread_local std::vector<ShownBox>* t_pBoxes = nullptr;

std::wstring WindowText(HWND hwnd) {
  int n = GetWindowTextLengthW(hwnd);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  n = GetWindowTextW(hwnd, &s[0], n + 1);
  s.resize(n > 0 ? n : 0);
  return s;
}

BOOL CALLBACK FindIconChild(HWND hwnd, LPARAM lParam) {
  LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  if ((style & SS_TYPEMASK) == SS_ICON) {
    HICON h = reinterpret_cast<HICON>(SendMessageW(hwnd, STM_GETICON, 0, 0));
    if (h != nullptr) {
      *reinterpret_cast<HICON*>(lParam) = h;
      return FALSE;
    }
  }
  return TRUE;
}
}  // namespace

BoxWatch::BoxWatch() {
  t_pBoxes = &m_boxes;
  m_hook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

BoxWatch::~BoxWatch() {
  if (m_hook) UnhookWindowsHookEx(m_hook);
  t_pBoxes = nullptr;
}

LRESULT CALLBACK BoxWatch::CbtProc(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode == HCBT_ACTIVATE && t_pBoxes != nullptr) {
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    if (lstrcmpW(cls, L"#32770") == 0) {
      ShownBox box;
      box.caption = WindowText(hwnd);
      HWND hText = GetDlgItem(hwnd, 0xFFFF);
      if (hText) box.text = WindowText(hText);
      box.owner = GetWindow(hwnd, GW_OWNER);
      EnumChildWindows(hwnd, FindIconChild, reinterpret_cast<LPARAM>(&box.icon));
      t_pBoxes->push_back(box);
      PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(nullptr, nCode, wParam, lParam);
}
