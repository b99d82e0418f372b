#include "editors_util.h"
#include <gtest/gtest.h>

namespace edtest {

namespace {

const wchar_t kHostClass[] = L"QEditorsTestHost";

LPARAM KeyParam(UINT vk, bool up) {
  UINT scan = ::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
  LPARAM l = 1 | (scan << 16);
  if (up) l |= 0xC0000000;
  return l;
}

BOOL CALLBACK CountOne(HWND hWnd, LPARAM lParam) {
  ++*(int*)lParam;
  ::EnumChildWindows(hWnd, [](HWND, LPARAM p) -> BOOL { ++*(int*)p; return TRUE; }, lParam);
  return TRUE;
}

}  // namespace

HostWindow::HostWindow(int cx, int cy) {
  WNDCLASSW wc = {0, WndProc, 0, 0, ::GetModuleHandleW(NULL), NULL, ::LoadCursorW(NULL, IDC_ARROW),
                  (HBRUSH)(COLOR_WINDOW + 1), NULL, kHostClass};
  ::RegisterClassW(&wc);  // fails harmlessly when already registered
  m_hWnd = ::CreateWindowExW(0, kHostClass, L"editors", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                             20, 20, cx, cy, NULL, NULL, wc.hInstance, this);
  ::ShowWindow(m_hWnd, SW_SHOW);
  ::SetForegroundWindow(m_hWnd);
  ::SetFocus(m_hWnd);
  PumpMessages();
}

HostWindow::~HostWindow() {
  if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
  PumpMessages();
}

LRESULT CALLBACK HostWindow::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, (LONG_PTR)((CREATESTRUCTW*)lParam)->lpCreateParams);
  HostWindow* self = (HostWindow*)::GetWindowLongPtrW(hWnd, GWLP_USERDATA);
  if (msg == WM_NOTIFY && self != nullptr) {
    const NMHDR* hdr = (const NMHDR*)lParam;
    NotifyRecord r = {wParam, hdr->hwndFrom, hdr->idFrom, (int)hdr->code, 0, -1, -1, false, L"", 0};
    if (hdr->code == LVN_ENDLABELEDITW) {
      const NMLVDISPINFOW* info = (const NMLVDISPINFOW*)lParam;
      r.mask = info->item.mask;
      r.iItem = info->item.iItem;
      r.iSubItem = info->item.iSubItem;
      r.hasText = info->item.pszText != NULL;
      if (r.hasText) r.text = info->item.pszText;
      r.cchTextMax = info->item.cchTextMax;
    }
    self->notifications.push_back(r);
    if (self->onNotify != nullptr && hdr->code == LVN_ENDLABELEDITW) self->onNotify(r, self->context);
    return 0;
  }
  return ::DefWindowProcW(hWnd, msg, wParam, lParam);
}

std::vector<NotifyRecord> HostWindow::EndEdits() const {
  std::vector<NotifyRecord> ends;
  for (const NotifyRecord& r : notifications)
    if (r.code == LVN_ENDLABELEDITW) ends.push_back(r);
  return ends;
}

namespace {

HostWindow* g_host = nullptr;
CWnd* g_frameworkHost = nullptr;

class HostEnvironment : public ::testing::Environment {
 public:
  void TearDown() override {
    delete g_host;
    g_host = nullptr;
    if (g_frameworkHost != nullptr) g_frameworkHost->DestroyWindow();
    delete g_frameworkHost;
    g_frameworkHost = nullptr;
    PumpMessages();
  }
};
::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new HostEnvironment);

}  // namespace

HostWindow& Host() {
  if (g_host == nullptr) g_host = new HostWindow;
  return *g_host;
}

CWnd& FrameworkHost() {
  if (g_frameworkHost == nullptr) {
    g_frameworkHost = new CWnd;
    g_frameworkHost->CreateEx(0, AfxRegisterWndClass(0), L"controls", WS_POPUP | WS_VISIBLE,
                              CRect(40, 40, 640, 440), NULL, 0);
  }
  return *g_frameworkHost;
}

void ResetHosts() {
  Host().notifications.clear();
  Host().onNotify = nullptr;
  Host().context = nullptr;
  FrameworkHost();
  ::SetForegroundWindow(Host().hwnd());
  ::SetFocus(Host().hwnd());
  PumpMessages();
}

void TypeChar(HWND hWnd, wchar_t ch) {
  SHORT vk = ::VkKeyScanW(ch);
  UINT key = vk == -1 ? 0 : LOBYTE(vk);
  ::SendMessageW(hWnd, WM_KEYDOWN, key, KeyParam(key, false));
  ::SendMessageW(hWnd, WM_CHAR, ch, KeyParam(key, false));
  ::SendMessageW(hWnd, WM_KEYUP, key, KeyParam(key, true));
}

void TypeText(HWND hWnd, const wchar_t* text) {
  for (; *text != 0; ++text) TypeChar(hWnd, *text);
}

void PressKey(HWND hWnd, UINT vk) {
  ::SendMessageW(hWnd, WM_KEYDOWN, vk, KeyParam(vk, false));
  ::SendMessageW(hWnd, WM_KEYUP, vk, KeyParam(vk, true));
}

void PressCharKey(HWND hWnd, UINT vk, wchar_t ch) {
  ::SendMessageW(hWnd, WM_KEYDOWN, vk, KeyParam(vk, false));
  if (::IsWindow(hWnd)) ::SendMessageW(hWnd, WM_CHAR, ch, KeyParam(vk, false));
  if (::IsWindow(hWnd)) ::SendMessageW(hWnd, WM_KEYUP, vk, KeyParam(vk, true));
}

void PumpMessages() {
  MSG msg;
  for (int i = 0; i < 1000 && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE); ++i) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

std::wstring TextOf(HWND hWnd) {
  std::wstring s(::GetWindowTextLengthW(hWnd) + 1, L'\0');
  s.resize(::GetWindowTextW(hWnd, &s[0], (int)s.size()));
  return s;
}

std::pair<int, int> SelOf(HWND hWnd) {
  DWORD start = 0, end = 0;
  ::SendMessageW(hWnd, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
  return {(int)start, (int)end};
}

int CountThreadWindows() {
  int n = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), CountOne, (LPARAM)&n);
  return n;
}

}  // namespace edtest
