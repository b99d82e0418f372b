// The masked edit through a real edit window: the mask stays whatever the user types or deletes.
#include <gtest/gtest.h>
#include "editors_util.h"
#include "dialogs/QMaskEdit.h"

using namespace edtest;

namespace {

class MaskEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetHosts();
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                            CRect(10, 10, 300, 34), Host().wnd(), 101));
    h = edit.GetSafeHwnd();
    edit.SetFocus();
  }
  void Select(int start, int end) { ::SendMessageW(h, EM_SETSEL, start, end); }

  CQMaskEdit edit;
  HWND h = NULL;
};

// The mask shows with the caret after it; text is written and read without it.
TEST_F(MaskEditTest, MaskAndTextAreKeptApart) {
  CString mask;
  EXPECT_FALSE(edit.GetMaskText(mask));
  edit.SetMaskText(L"ABCD");
  EXPECT_EQ(L"ABCD", TextOf(h));
  EXPECT_EQ(std::make_pair(4, 4), SelOf(h));
  EXPECT_TRUE(edit.GetMaskText(mask));
  EXPECT_STREQ(L"ABCD", (LPCTSTR)mask);

  edit.SetText(L"12");
  EXPECT_EQ(L"ABCD12", TextOf(h));
  CString text;
  edit.GetText(text);
  EXPECT_STREQ(L"12", (LPCTSTR)text);

  edit.SetWindowText(L"xyz");
  EXPECT_EQ(L"ABCDxyz", TextOf(h));
  edit.GetText(text);
  EXPECT_STREQ(L"xyz", (LPCTSTR)text);

  // A window text shorter than the mask (set behind the mask's back) reads as empty.
  ::SetWindowTextW(h, L"AB");
  edit.GetText(text);
  EXPECT_STREQ(L"", (LPCTSTR)text);
}

// Removing the mask leaves the window text; the whole text is then editable and readable.
TEST_F(MaskEditTest, EmptyMaskRemovesTheMask) {
  edit.SetMaskText(L"No.");
  edit.SetText(L"7");
  edit.SetMaskText(L"");
  CString mask;
  EXPECT_FALSE(edit.GetMaskText(mask));
  EXPECT_TRUE(mask.IsEmpty());
  EXPECT_EQ(L"No.7", TextOf(h));
  CString text;
  edit.GetText(text);
  EXPECT_STREQ(L"No.7", (LPCTSTR)text);

  Select(0, 0);
  TypeChar(h, L'#');
  PressKey(h, VK_DELETE);
  EXPECT_EQ(L"#o.7", TextOf(h));
  edit.SetMaskText(NULL);
  edit.SetText(L"plain");
  EXPECT_EQ(L"plain", TextOf(h));
}

// Typing after the mask inserts; typing with the caret or the whole selection inside the mask
// is dropped; a selection that starts in the mask replaces only the part after it.
TEST_F(MaskEditTest, TypingNeverChangesTheMask) {
  edit.SetMaskText(L"ABCD");
  TypeText(h, L"12");
  EXPECT_EQ(L"ABCD12", TextOf(h));
  EXPECT_EQ(std::make_pair(6, 6), SelOf(h));

  for (int pos = 0; pos < 4; ++pos) {
    Select(pos, pos);
    TypeChar(h, L'x');
    EXPECT_EQ(L"ABCD12", TextOf(h)) << "caret at " << pos;
  }
  Select(1, 3);
  TypeChar(h, L'x');
  EXPECT_EQ(L"ABCD12", TextOf(h));

  Select(4, 4);  // right at the end of the mask: typing is allowed there
  TypeChar(h, L'0');
  EXPECT_EQ(L"ABCD012", TextOf(h));

  Select(0, -1);  // everything: the mask survives, the rest is replaced
  TypeChar(h, L'9');
  EXPECT_EQ(L"ABCD9", TextOf(h));
  EXPECT_EQ(std::make_pair(5, 5), SelOf(h));

  edit.SetText(L"123456");
  Select(2, 7);
  TypeChar(h, L'z');
  EXPECT_EQ(L"ABCDz456", TextOf(h));
}

// Backspace deletes after the mask and stops at its end.
TEST_F(MaskEditTest, BackspaceStopsAtTheMask) {
  edit.SetMaskText(L"ABCD");
  edit.SetText(L"12");
  Select(6, 6);
  PressCharKey(h, VK_BACK, L'\b');
  EXPECT_EQ(L"ABCD1", TextOf(h));
  PressCharKey(h, VK_BACK, L'\b');
  EXPECT_EQ(L"ABCD", TextOf(h));
  for (int i = 0; i < 3; ++i) PressCharKey(h, VK_BACK, L'\b');
  EXPECT_EQ(L"ABCD", TextOf(h));
  EXPECT_EQ(std::make_pair(4, 4), SelOf(h));

  Select(2, 2);
  PressCharKey(h, VK_BACK, L'\b');
  EXPECT_EQ(L"ABCD", TextOf(h));

  // A selection reaching into the mask loses only its part after the mask.
  edit.SetText(L"1234");
  Select(1, 6);
  PressCharKey(h, VK_BACK, L'\b');
  EXPECT_EQ(L"ABCD34", TextOf(h));

  // The Backspace flag is cleared by the next key: typing at the mask's end still works.
  Select(4, 4);
  PressCharKey(h, VK_BACK, L'\b');
  TypeChar(h, L'5');
  EXPECT_EQ(L"ABCD534", TextOf(h));
}

// Delete inside the mask is dropped; a selection across the mask's end deletes after it only.
TEST_F(MaskEditTest, DeleteNeverChangesTheMask) {
  edit.SetMaskText(L"ABCD");
  edit.SetText(L"1234");
  for (int pos = 0; pos < 4; ++pos) {
    Select(pos, pos);
    PressKey(h, VK_DELETE);
    EXPECT_EQ(L"ABCD1234", TextOf(h)) << "caret at " << pos;
  }
  Select(0, 3);
  PressKey(h, VK_DELETE);
  EXPECT_EQ(L"ABCD1234", TextOf(h));

  Select(4, 4);
  PressKey(h, VK_DELETE);
  EXPECT_EQ(L"ABCD234", TextOf(h));

  Select(2, 5);
  PressKey(h, VK_DELETE);
  EXPECT_EQ(L"ABCD34", TextOf(h));

  Select(0, -1);
  PressKey(h, VK_DELETE);
  EXPECT_EQ(L"ABCD", TextOf(h));

  // Keys that do not edit still move the caret, also into the mask.
  PressKey(h, VK_HOME);
  EXPECT_EQ(std::make_pair(0, 0), SelOf(h));
}

// Without a mask the field is an ordinary edit.
TEST_F(MaskEditTest, WithoutMaskEverythingIsEditable) {
  TypeText(h, L"abc");
  Select(0, 0);
  PressKey(h, VK_DELETE);
  PressKey(h, VK_END);
  PressCharKey(h, VK_BACK, L'\b');
  EXPECT_EQ(L"b", TextOf(h));
  CString text;
  edit.GetText(text);
  EXPECT_STREQ(L"b", (LPCTSTR)text);
}

// Setting the mask before the window exists keeps it for the text calls afterwards.
TEST(MaskEditNoWindow, CallsWithoutWindowAreHarmless) {
  CQMaskEdit edit;
  edit.SetMaskText(L"P:");
  edit.SetText(L"1");
  CString text(L"junk");
  edit.GetText(text);
  EXPECT_TRUE(text.IsEmpty());
  CString mask;
  EXPECT_TRUE(edit.GetMaskText(mask));
  EXPECT_STREQ(L"P:", (LPCTSTR)mask);
}

}  // namespace
