// Records and closes the message boxes that the calling thread shows while a BoxWatch lives.
// A thread-local CBT hook sees each box as it is activated, reads its caption, text, owner and
// icon, and posts it the OK command, so the box's modal loop ends at once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ShownBox {
  std::wstring caption;
  std::wstring text;
  HWND owner = nullptr;
  HICON icon = nullptr;  // the icon shown, null when none
};

class BoxWatch {
public:
  BoxWatch();
  ~BoxWatch();
  const std::vector<ShownBox>& Boxes() const { return m_boxes; }

private:
  static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
  HHOOK m_hook = nullptr;
  std::vector<ShownBox> m_boxes;
};
