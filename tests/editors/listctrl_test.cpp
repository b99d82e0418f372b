// The layer's list view, header and image list wrappers over real comctl32 windows.
#include <gtest/gtest.h>
#include <afxcmn.h>
#include "editors_util.h"

using namespace edtest;

namespace
{

class ListCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetHost();
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_EDITLABELS, CRect(0, 0, 400, 300),
                                &Host(), 200));
        list.InsertColumn(0, L"Name", LVCFMT_LEFT, 150);
        list.InsertColumn(1, L"Size", LVCFMT_RIGHT, 100, 1);
        const wchar_t* names[] = {L"delta", L"alpha", L"charlie", L"bravo"};
        for (int i = 0; i < 4; ++i)
        {
            list.InsertItem(i, names[i]);
            CString size;
            size.Format(L"%d", (i + 1) * 10);
            list.SetItemText(i, 1, size);
            list.SetItemData(i, 100 + i);
        }
    }
    CListCtrl list;
};

// Texts read into a CString (any length, empty for a bad index) or cut to a caller's buffer;
// the selected-item positions walk the selection.
TEST_F(ListCtrlTest, TextsColumnsSelectionAndHitTests)
{
    EXPECT_STREQ(L"30", (LPCTSTR)list.GetItemText(2, 1));
    EXPECT_STREQ(L"", (LPCTSTR)list.GetItemText(9, 0));
    wchar_t buf[4];
    EXPECT_EQ(3, list.GetItemText(0, 0, buf, 4)); // cut to the buffer
    EXPECT_STREQ(L"del", buf);
    EXPECT_EQ(0, list.GetItemText(0, 0, NULL, 4));
    CString longText;
    for (int i = 0; i < 100; ++i)
        longText += L"0123456789";
    list.SetItemText(3, 1, longText);
    EXPECT_EQ(1000, list.GetItemText(3, 1).GetLength());

    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != NULL;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ((std::vector<int>{1, 3}), selected);
}

// Image lists: attach and detach, the handle maps, and a list view that does not destroy an image
// list its CImageList object owns.
TEST_F(ListCtrlTest, ImageListsAndTheirOwners)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 0, 4));
    EXPECT_EQ(&images, CImageList::FromHandle(images.GetSafeHandle()));
    images.Add(::LoadIconW(NULL, IDI_APPLICATION));
    images.Add(::LoadIconW(NULL, IDI_WARNING));

    // The list view hands back the same object; after the list view is gone the image list lives.
    EXPECT_EQ(nullptr, list.SetImageList(&images, LVSIL_SMALL));
    EXPECT_EQ(&images, list.GetImageList(LVSIL_SMALL));
    list.DestroyWindow();
    EXPECT_EQ(2, images.GetImageCount());

    // A handle nobody owns gets a temporary wrapper that does not destroy it.
    HIMAGELIST loose = ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
    CImageList* temp = CImageList::FromHandle(loose);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(loose));
    EXPECT_EQ(temp, CImageList::FromHandle(loose));
    CImageList::DeleteTempMap();
    EXPECT_EQ(0, ImageList_GetImageCount(loose)); // still a valid, empty image list
    EXPECT_EQ(nullptr, CImageList::FromHandle(NULL));

    // Attach and Detach move ownership.
    CImageList owner;
    EXPECT_TRUE(owner.Attach(loose));
    EXPECT_FALSE(owner.Attach(loose));
    EXPECT_EQ(loose, owner.Detach());
    EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(loose));
    EXPECT_TRUE(ImageList_Destroy(loose));

    EXPECT_TRUE(images.DeleteImageList());
    EXPECT_FALSE(images.DeleteImageList());
}

} // namespace
