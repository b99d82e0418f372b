// The list label editor over a real list view: what it shows, what it accepts, how it grows and
// what the list view's parent hears when the edit ends.
#include <gtest/gtest.h>
#include <afxcmn.h>
#include "editors_util.h"
#include "grid/QInPlaceListEdit.h"

using namespace edtest;

namespace {

const UINT kListId = 300;
const UINT kEditId = 1001;

// An editor that counts its living instances and frees itself after its window is gone, as a
// caller that hands the editor's lifetime to its window would write it.
class CountedListEdit : public CQInPlaceLIstEdit {
 public:
  CountedListEdit(int iItem, int iSubItem, LPCTSTR lpszText, UINT nKind)
      : CQInPlaceLIstEdit(iItem, iSubItem, lpszText, nKind) {
    ++live;
  }
  ~CountedListEdit() override { --live; }
  static int live;

 protected:
  void PostNcDestroy() override { delete this; }
};
int CountedListEdit::live = 0;

class ListEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetHosts();
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
                            CRect(10, 10, 410, 310), Host().wnd(), kListId));
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 120);
    list.InsertColumn(1, L"Value", LVCFMT_LEFT, 80);
    for (int i = 0; i < 5; ++i) {
      CString s;
      s.Format(L"item %d", i);
      list.InsertItem(i, s);
      list.SetItemText(i, 1, L"42");
    }
  }
  void TearDown() override {
    // An owned editor frees itself with its window; the others are deleted here.
    if (::IsWindow(editorWindow)) ::DestroyWindow(editorWindow);
    if (editor != nullptr && !owned) delete editor;
    PumpMessages();
  }
  // Creates the editor over a sub-item's rectangle.
  HWND Open(int item, int subItem, const wchar_t* text, UINT kind, DWORD style = 0,
            bool counted = false) {
    CRect rc;
    list.GetSubItemRect(item, subItem, LVIR_LABEL, rc);
    editor = counted ? new CountedListEdit(item, subItem, text, kind)
                     : new CQInPlaceLIstEdit(item, subItem, text, kind);
    owned = counted;
    EXPECT_TRUE(editor->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | style, rc, &list, kEditId));
    editorWindow = editor->GetSafeHwnd();
    return editorWindow;
  }
  CRect RectInList(HWND h) {
    CRect rc;
    ::GetWindowRect(h, &rc);
    ::MapWindowPoints(NULL, list.GetSafeHwnd(), (POINT*)&rc, 2);
    return rc;
  }

  CListCtrl list;
  CQInPlaceLIstEdit* editor = nullptr;
  HWND editorWindow = NULL;
  bool owned = false;
};

// On creation: the initial text, all of it selected, the focus, the list's font.
TEST_F(ListEditTest, OpensWithTheTextSelectedAndFocused) {
  HWND h = Open(2, 1, L"42", 0, ES_AUTOHSCROLL);
  EXPECT_EQ(L"42", TextOf(h));
  EXPECT_EQ(std::make_pair(0, 2), SelOf(h));
  EXPECT_EQ(h, ::GetFocus());
  EXPECT_EQ(::SendMessageW(list.GetSafeHwnd(), WM_GETFONT, 0, 0), ::SendMessageW(h, WM_GETFONT, 0, 0));
  EXPECT_TRUE(Host().EndEdits().empty());
}

// Return ends the edit: the focus goes to the list and its parent gets one end-of-label-edit
// notification with the text.
TEST_F(ListEditTest, ReturnReportsTheText) {
  HWND h = Open(3, 1, L"42", 0, ES_AUTOHSCROLL);
  TypeText(h, L"x9");
  EXPECT_EQ(L"x9", TextOf(h));
  PressCharKey(h, VK_RETURN, L'\r');
  EXPECT_EQ(list.GetSafeHwnd(), ::GetFocus());
  EXPECT_EQ(L"x9", TextOf(h));  // Return is not inserted
  ASSERT_EQ(1u, Host().EndEdits().size());
  const NotifyRecord r = Host().EndEdits()[0];
  EXPECT_EQ(kListId, r.wParam);
  EXPECT_EQ(list.GetSafeHwnd(), r.hwndFrom);
  EXPECT_EQ(kEditId, r.idFrom);
  EXPECT_EQ(-176, r.code);
  EXPECT_EQ((UINT)LVIF_TEXT, r.mask);
  EXPECT_EQ(3, r.iItem);
  EXPECT_EQ(1, r.iSubItem);
  EXPECT_TRUE(r.hasText);
  EXPECT_EQ(L"x9", r.text);
  EXPECT_EQ(2, r.cchTextMax);
  EXPECT_TRUE(::IsWindow(h));  // the editor does not close itself
}

// Escape reports no text, so that the list keeps its label.
TEST_F(ListEditTest, EscapeReportsNoText) {
  HWND h = Open(1, 0, L"item 1", 0, ES_AUTOHSCROLL);
  TypeText(h, L"changed");
  PressCharKey(h, VK_ESCAPE, 0x1b);
  EXPECT_EQ(list.GetSafeHwnd(), ::GetFocus());
  ASSERT_EQ(1u, Host().EndEdits().size());
  const NotifyRecord r = Host().EndEdits()[0];
  EXPECT_EQ(-176, r.code);
  EXPECT_EQ(1, r.iItem);
  EXPECT_EQ(0, r.iSubItem);
  EXPECT_FALSE(r.hasText);
  EXPECT_EQ(0, r.cchTextMax);
}

// Losing the focus any other way ends the edit with the text as well.
TEST_F(ListEditTest, FocusLossReportsTheText) {
  HWND h = Open(0, 0, L"item 0", 0, ES_AUTOHSCROLL);
  PressKey(h, VK_END);
  TypeText(h, L"!");
  ::SetFocus(Host().hwnd());
  ASSERT_EQ(1u, Host().EndEdits().size());
  EXPECT_EQ(L"item 0!", Host().EndEdits()[0].text);
  EXPECT_EQ(7, Host().EndEdits()[0].cchTextMax);
}

// A whole-number editor refuses the point, a decimal one takes exactly one; signs only first.
TEST_F(ListEditTest, NumberKindsFilterCharacters) {
  HWND h = Open(0, 1, L"", 2, ES_AUTOHSCROLL);
  TypeText(h, L"-1.5a+-");
  EXPECT_EQ(L"-15", TextOf(h));
  PressKey(h, VK_HOME);
  TypeText(h, L"+");
  EXPECT_EQ(L"-15", TextOf(h));
  editor->DestroyWindow();
  delete editor;
  editor = nullptr;

  h = Open(0, 1, L"", 1, ES_AUTOHSCROLL);
  TypeText(h, L"+2.5.0x");
  EXPECT_EQ(L"+2.50", TextOf(h));
  ::SetWindowTextW(h, L"7");
  PressKey(h, VK_HOME);
  TypeText(h, L"-");
  EXPECT_EQ(L"-7", TextOf(h));
  PressKey(h, VK_END);
  TypeText(h, L"-");
  EXPECT_EQ(L"-7", TextOf(h));
}

// Any kind beyond the known ones takes no character at all; Return still ends the edit.
TEST_F(ListEditTest, UnknownKindRefusesEverything) {
  HWND h = Open(4, 0, L"", 9, ES_AUTOHSCROLL);
  TypeText(h, L"1a.-");
  EXPECT_EQ(L"", TextOf(h));
  PressCharKey(h, VK_RETURN, L'\r');
  ASSERT_EQ(1u, Host().EndEdits().size());
  EXPECT_EQ(L"", Host().EndEdits()[0].text);
}

// A single-line editor widens with its text, up to two pixels inside the list's right edge;
// its height stays.
TEST_F(ListEditTest, SingleLineGrowsToTheRight) {
  HWND h = Open(1, 1, L"", 0, ES_AUTOHSCROLL);
  CRect start = RectInList(h);
  TypeText(h, L"abcdefghijklmnop");
  CRect wider = RectInList(h);
  EXPECT_GT(wider.right, start.right);
  EXPECT_EQ(start.left, wider.left);
  EXPECT_EQ(start.Height(), wider.Height());
  for (int i = 0; i < 8; ++i) TypeText(h, L"more text ");
  CRect client;
  list.GetClientRect(&client);
  CRect widest = RectInList(h);
  EXPECT_EQ(client.right - 2, widest.right);
  EXPECT_EQ(start.Height(), widest.Height());
}

// A multi-line editor grows down to two pixels above the list's bottom and then shows its
// vertical scroll bar.
TEST_F(ListEditTest, MultiLineGrowsDownThenScrolls) {
  CString words;
  for (int i = 0; i < 20; ++i) words += L"lorem ipsum dolor sit amet ";
  CRect row;
  list.GetSubItemRect(0, 0, LVIR_LABEL, row);
  HWND h = Open(0, 0, words, 0, ES_MULTILINE | ES_AUTOVSCROLL);
  CRect client;
  list.GetClientRect(&client);
  // Fitted at creation: as wide as the list allows, several lines tall, above the bottom.
  CRect opened = RectInList(h);
  EXPECT_EQ(client.right - 2, opened.right);
  EXPECT_GT(opened.Height(), 3 * row.Height());
  EXPECT_LT(opened.bottom, client.bottom - 2);
  EXPECT_FALSE(::GetWindowLongW(h, GWL_STYLE) & WS_VSCROLL);

  // Typing at the end adds lines and the editor follows them down.
  PressKey(h, VK_END);
  CRect typed = opened;
  for (int i = 0; i < 6; ++i) TypeText(h, L"consectetur ");
  typed = RectInList(h);
  EXPECT_GT(typed.bottom, opened.bottom);
  EXPECT_EQ(opened.top, typed.top);

  // More text than the list can show: two pixels above its bottom, with a scroll bar.
  for (int i = 0; i < 4; ++i) words += words;
  ::SetWindowTextW(h, words);
  PressKey(h, VK_END);
  TypeText(h, L"x");
  EXPECT_EQ(client.bottom - 2, RectInList(h).bottom);
  EXPECT_TRUE(::GetWindowLongW(h, GWL_STYLE) & WS_VSCROLL);
}

// PreTranslateMessage keeps Return, Escape, Delete and Ctrl combinations for the editor;
// other keys go the usual way.
TEST_F(ListEditTest, PreTranslateKeepsEditingKeys) {
  HWND h = Open(2, 0, L"item 2", 0, ES_AUTOHSCROLL);
  MSG msg = {h, WM_KEYDOWN, 'A', 1};
  EXPECT_FALSE(editor->PreTranslateMessage(&msg));
  msg = {h, WM_KEYDOWN, VK_DELETE, 1};
  EXPECT_TRUE(editor->PreTranslateMessage(&msg));  // dispatched: deletes the selection
  EXPECT_EQ(L"", TextOf(h));
  msg = {h, WM_KEYDOWN, VK_RETURN, 1 | (::MapVirtualKeyW(VK_RETURN, 0) << 16)};
  EXPECT_TRUE(editor->PreTranslateMessage(&msg));
  PumpMessages();  // the translated Return character ends the edit
  ASSERT_EQ(1u, Host().EndEdits().size());
  EXPECT_TRUE(Host().EndEdits()[0].hasText);
}

// A multi-line editor swallows the Escape key-down itself; its character still cancels.
TEST_F(ListEditTest, MultiLineSwallowsEscapeKeyDown) {
  HWND h = Open(2, 0, L"item 2", 0, ES_MULTILINE);
  MSG msg = {h, WM_KEYDOWN, VK_ESCAPE, 1 | (::MapVirtualKeyW(VK_ESCAPE, 0) << 16)};
  EXPECT_TRUE(editor->PreTranslateMessage(&msg));
  PumpMessages();
  ASSERT_EQ(1u, Host().EndEdits().size());
  EXPECT_FALSE(Host().EndEdits()[0].hasText);
}

// Many edits, ended with Return or Escape and destroyed when the parent hears the end, leave
// no editor object, no window and no GDI object behind.
TEST_F(ListEditTest, ManyEditsLeaveNothingBehind) {
  // The parent destroys the editor on the notification, as a list view does with its own.
  Host().onNotify = [](const NotifyRecord&, void* context) {
    HWND* editorWindow = (HWND*)context;
    ::PostMessageW(*editorWindow, WM_CLOSE, 0, 0);
  };
  HWND current = NULL;
  Host().context = &current;
  int windows = CountThreadWindows();
  DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  DWORD user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 0; i < 120; ++i) {
    current = Open(i % 5, i % 2, L"text", i % 3, (i % 4 == 0) ? ES_MULTILINE : ES_AUTOHSCROLL, true);
    TypeText(current, L"12.5 wider");
    PressCharKey(current, (i % 2) ? VK_RETURN : VK_ESCAPE, (i % 2) ? L'\r' : 0x1b);
    PumpMessages();
    ASSERT_FALSE(::IsWindow(current)) << "edit " << i;
    ASSERT_EQ(nullptr, CWnd::FromHandlePermanent(current));
  }
  editor = nullptr;
  EXPECT_EQ(0, CountedListEdit::live);
  EXPECT_EQ(120u, Host().EndEdits().size());
  EXPECT_EQ(windows, CountThreadWindows());
  EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdi + 2);
  EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), user + 2);
}

}  // namespace
