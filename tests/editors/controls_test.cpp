// The layer's standard controls over real windows: the wrappers with logic of their own, the
// owner-draw virtuals reached through reflection, bad indexes giving the control's errors.
#include <gtest/gtest.h>
#include "editors_util.h"

using namespace edtest;

namespace
{

class ControlsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetHost();
        ASSERT_TRUE(::IsWindow(parent.GetSafeHwnd()));
    }
    void TearDown() override { PumpMessages(); }
    CWnd& parent = Host();
};

// The wrappers that do more than send one message: lines copied into a caller's buffer, packed
// selections and positions unpacked, list texts read into a CString (empty for a bad index).
TEST_F(ControlsTest, EditLinesSelectionAndPositions)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, CRect(0, 0, 300, 200),
                            &parent, 10));
    edit.SetWindowText(L"first\r\nsecond line\r\nthird");
    wchar_t buf[32] = {};
    EXPECT_EQ(6, edit.GetLine(1, buf, 6)); // not terminated, cut at the size given
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
}

TEST_F(ControlsTest, ComboAndListBoxTexts)
{
    CComboBox combo;
    ASSERT_TRUE(
        combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(0, 0, 200, 200), &parent, 12));
    combo.AddString(L"alpha");
    combo.AddString(L"beta");
    CString s;
    combo.GetLBText(1, s);
    EXPECT_STREQ(L"beta", (LPCTSTR)s);
    combo.GetLBText(7, s); // no such item: empty
    EXPECT_TRUE(s.IsEmpty());

    CListBox box;
    ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 150, 150), &parent, 14));
    box.AddString(L"one");
    box.AddString(L"two");
    s = L"stale";
    box.GetText(5, s);
    EXPECT_TRUE(s.IsEmpty());
    CRect rc;
    EXPECT_NE(LB_ERR, box.GetItemRect(1, &rc));
    BOOL outside = TRUE;
    EXPECT_EQ(1u, box.ItemFromPoint(rc.CenterPoint(), outside));
    EXPECT_FALSE(outside);
}

// An owner-drawn combo reaches its virtual members through the parent's reflection: measuring
// at creation, comparing when sorted items are added, drawing when painted, deleting items.
class RecordingCombo : public CComboBox
{
public:
    int measured = 0, drawn = 0, compared = 0, deleted = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override
    {
        ++measured;
        mis->itemHeight = 18;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
    int CompareItem(LPCOMPAREITEMSTRUCT cis) override
    {
        ++compared;
        return cis->itemData1 < cis->itemData2 ? -1 : cis->itemData1 > cis->itemData2 ? 1 : 0;
    }
    void DeleteItem(LPDELETEITEMSTRUCT) override { ++deleted; }
};

TEST_F(ControlsTest, OwnerDrawComboIsReflected)
{
    RecordingCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT,
                             CRect(0, 0, 200, 200), &parent, 13));
    EXPECT_GE(combo.measured, 1);
    EXPECT_EQ(18, combo.GetItemHeight(0));
    for (DWORD_PTR d : {30, 10, 20})
        combo.AddString((LPCTSTR)d);
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

} // namespace
