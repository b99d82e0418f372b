// The layer's standard controls over real windows: each wrapper reaches its control, the
// owner-draw virtuals are reached through reflection, bad indexes give the control's errors.
#include <gtest/gtest.h>
#include "editors_util.h"

using namespace edtest;

namespace {

// The edit field of a drop-down combo.
HWND info_edit(CComboBox& combo) {
  COMBOBOXINFO info;
  return combo.GetComboBoxInfo(&info) ? info.hwndItem : NULL;
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetHosts();
    ASSERT_TRUE(::IsWindow(parent.GetSafeHwnd()));
  }
  void TearDown() override { PumpMessages(); }
  CWnd& parent = FrameworkHost();
};

// Selection (both forms), replacing, limits, lines, characters and positions, read-only, undo.
TEST_F(ControlsTest, EditOperations) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL,
                          CRect(0, 0, 300, 200), &parent, 10));
  edit.SetWindowText(L"first\r\nsecond line\r\nthird");
  EXPECT_EQ(3, edit.GetLineCount());
  EXPECT_EQ(11, edit.LineLength(edit.LineIndex(1)));
  EXPECT_EQ(2, edit.LineFromChar(20));

  wchar_t buf[32] = {};
  EXPECT_EQ(6, edit.GetLine(1, buf, 6));  // not terminated, cut at the size given
  EXPECT_EQ(0, wcsncmp(buf, L"second", 6));
  wmemset(buf, 0, 32);
  *(WORD*)buf = 31;
  EXPECT_EQ(5, edit.GetLine(2, buf));
  EXPECT_STREQ(L"third", buf);
  EXPECT_EQ(0, edit.GetLine(0, buf, 0));
  EXPECT_EQ(0, edit.GetLine(0, NULL, 10));

  edit.SetSel(MAKELONG(7, 13));
  int start = -1, end = -1;
  edit.GetSel(start, end);
  EXPECT_EQ(MAKELONG(7, 13), MAKELONG(start, end));
  edit.ReplaceSel(L"2nd", TRUE);
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ(L"first\r\n2nd line\r\nthird", (LPCTSTR)text);
  EXPECT_TRUE(edit.CanUndo());
  EXPECT_TRUE(edit.Undo());
  edit.GetWindowText(text);
  EXPECT_STREQ(L"first\r\nsecond line\r\nthird", (LPCTSTR)text);
  edit.SetSel(0, 5);
  EXPECT_EQ(MAKELONG(0, 5), (LONG)edit.GetSel());
  edit.Clear();
  edit.GetWindowText(text);
  EXPECT_STREQ(L"\r\nsecond line\r\nthird", (LPCTSTR)text);

  // A character's position and the character at that position agree.
  CPoint pt = edit.PosFromChar(9);
  int hit = edit.CharFromPos(pt);
  EXPECT_EQ(9, LOWORD(hit));
  EXPECT_EQ(1, HIWORD(hit));

  edit.LimitText(0);
  EXPECT_GT(edit.GetLimitText(), 0xFFFFu);
  EXPECT_TRUE(edit.SetReadOnly(TRUE));
  EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
}

// Cut, copy and paste through the clipboard.
TEST_F(ControlsTest, EditClipboard) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 200, 24), &parent, 11));
  edit.SetWindowText(L"cut me");
  edit.SetSel(0, 4);
  edit.Cut();
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ(L"me", (LPCTSTR)text);
  edit.SetSel(2, 2);
  edit.Paste();
  edit.GetWindowText(text);
  EXPECT_STREQ(L"mecut ", (LPCTSTR)text);
  edit.SetSel(0, -1);
  edit.Copy();
  edit.SetSel(6, 6);
  edit.Paste();
  edit.GetWindowText(text);
  EXPECT_STREQ(L"mecut mecut ", (LPCTSTR)text);
}

// Strings, selection, item data, look-ups and the edit field of a drop-down combo.
TEST_F(ControlsTest, ComboBoxOperations) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL,
                           CRect(0, 0, 200, 200), &parent, 12));
  EXPECT_EQ(1, combo.AddString(L"alpha") + combo.AddString(L"beta"));
  EXPECT_EQ(0, combo.InsertString(0, L"zero"));
  EXPECT_EQ(CB_ERR, combo.GetCurSel());
  CString s;
  combo.GetLBText(2, s);
  EXPECT_STREQ(L"beta", (LPCTSTR)s);
  combo.GetLBText(7, s);  // no such item: empty
  EXPECT_TRUE(s.IsEmpty());
  wchar_t buf[16];
  EXPECT_EQ(5, combo.GetLBText(1, buf));
  EXPECT_STREQ(L"alpha", buf);
  EXPECT_EQ(4, combo.GetLBTextLen(2));
  EXPECT_EQ(CB_ERR, combo.GetLBTextLen(9));
  EXPECT_EQ(2, combo.FindString(-1, L"be"));
  EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, L"be"));
  EXPECT_EQ(1, combo.FindStringExact(-1, L"ALPHA"));
  EXPECT_EQ(CB_ERR, combo.FindString(-1, NULL));
  EXPECT_EQ(0, combo.SelectString(-1, L"ze"));
  EXPECT_EQ(2, combo.DeleteString(0));
  EXPECT_EQ(CB_ERR, combo.DeleteString(10));

  combo.SetWindowText(L"typed text");
  EXPECT_TRUE(combo.SetEditSel(2, 5));
  EXPECT_EQ((DWORD)MAKELONG(2, 5), combo.GetEditSel());
  combo.LimitText(4);
  combo.SetWindowText(L"");
  TypeText(info_edit(combo), L"123456");
  CString typed;
  combo.GetWindowText(typed);
  EXPECT_STREQ(L"1234", (LPCTSTR)typed);
  combo.ShowDropDown(TRUE);
  EXPECT_TRUE(combo.GetDroppedState());
  combo.ShowDropDown(FALSE);
}

// An owner-drawn combo reaches its virtual members through the parent's reflection: measuring
// at creation, comparing when sorted items are added, drawing when painted, deleting items.
class RecordingCombo : public CComboBox {
 public:
  int measured = 0, drawn = 0, compared = 0, deleted = 0;
  void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
    ++measured;
    mis->itemHeight = 18;
  }
  void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
  int CompareItem(LPCOMPAREITEMSTRUCT cis) override {
    ++compared;
    return cis->itemData1 < cis->itemData2 ? -1 : cis->itemData1 > cis->itemData2 ? 1 : 0;
  }
  void DeleteItem(LPDELETEITEMSTRUCT) override { ++deleted; }
};

TEST_F(ControlsTest, OwnerDrawComboIsReflected) {
  RecordingCombo combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT,
                           CRect(0, 0, 200, 200), &parent, 13));
  EXPECT_GE(combo.measured, 1);
  EXPECT_EQ(18, combo.GetItemHeight(0));
  for (DWORD_PTR d : {30, 10, 20}) combo.AddString((LPCTSTR)d);
  EXPECT_GE(combo.compared, 2);
  EXPECT_EQ(10u, combo.GetItemData(0));
  EXPECT_EQ(30u, combo.GetItemData(2));
  combo.SetCurSel(0);
  combo.Invalidate();
  combo.UpdateWindow();
  EXPECT_GE(combo.drawn, 1);
  combo.ResetContent();
  EXPECT_EQ(3, combo.deleted);
}

// List box selection and hit test, bad indexes; static and button images and the check state.
TEST_F(ControlsTest, ListBoxStaticAndButton) {
  CListBox box;
  ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_EXTENDEDSEL, CRect(0, 0, 150, 150), &parent, 14));
  box.AddString(L"one");
  box.AddString(L"two");
  box.InsertString(1, L"one and a half");
  CString s = L"stale";
  box.GetText(5, s);
  EXPECT_TRUE(s.IsEmpty());
  box.SetSel(0);
  box.SetSel(2);
  int sel[4] = {};
  EXPECT_EQ(2, box.GetSelItems(4, sel));
  EXPECT_EQ(2, sel[1]);
  CRect rc;
  EXPECT_NE(LB_ERR, box.GetItemRect(1, &rc));
  BOOL outside = TRUE;
  EXPECT_EQ(1u, box.ItemFromPoint(rc.CenterPoint(), outside));
  EXPECT_FALSE(outside);

  CStatic picture;
  ASSERT_TRUE(picture.Create(L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, CRect(0, 0, 32, 32), &parent));
  HBITMAP bmp = ::CreateBitmap(8, 8, 1, 32, NULL);
  EXPECT_EQ(NULL, picture.SetBitmap(bmp));
  EXPECT_EQ(bmp, picture.GetBitmap());
  CButton check, push;
  ASSERT_TRUE(check.Create(L"check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 40, 100, 60), &parent, 16));
  check.SetCheck(BST_CHECKED);
  check.Click();
  EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
  EXPECT_EQ((UINT)BS_AUTOCHECKBOX, check.GetButtonStyle() & 0x0f);
  ASSERT_TRUE(push.Create(L"", WS_CHILD | WS_VISIBLE | BS_BITMAP, CRect(0, 70, 40, 100), &parent, 17));
  push.SetBitmap(bmp);
  EXPECT_EQ(bmp, push.GetBitmap());
  push.DestroyWindow();
  picture.DestroyWindow();
  ::DeleteObject(bmp);
}

}  // namespace
