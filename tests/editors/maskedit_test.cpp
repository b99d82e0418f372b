// The masked edit through a real edit window: the mask stays whatever the user types or deletes.
#include <gtest/gtest.h>
#include "editors_util.h"
#include "dialogs/QMaskEdit.h"

using namespace edtest;

namespace
{

class MaskEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetHost();
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 300, 34),
                                &Host(), 101));
        h = edit.GetSafeHwnd();
        edit.SetFocus();
    }
    void Select(int start, int end) { ::SendMessageW(h, EM_SETSEL, start, end); }
    CString Text()
    {
        CString text;
        edit.GetText(text);
        return text;
    }

    CQMaskEdit edit;
    HWND h = NULL;
};

// The mask shows with the caret after it; text is written and read without it; an empty mask
// removes it and leaves the window text, all of it editable.
TEST_F(MaskEditTest, MaskAndTextAreKeptApart)
{
    CString mask;
    EXPECT_FALSE(edit.GetMaskText(mask));
    edit.SetMaskText(L"ABCD");
    EXPECT_EQ(L"ABCD", TextOf(h));
    EXPECT_EQ(std::make_pair(4, 4), SelOf(h));
    edit.SetText(L"12");
    EXPECT_EQ(L"ABCD12", TextOf(h));
    EXPECT_STREQ(L"12", Text());
    ::SetWindowTextW(h, L"AB"); // shorter than the mask (set behind its back): reads as empty
    EXPECT_STREQ(L"", Text());

    edit.SetMaskText(L"No.");
    edit.SetText(L"7");
    edit.SetMaskText(L"");
    EXPECT_FALSE(edit.GetMaskText(mask));
    EXPECT_TRUE(mask.IsEmpty());
    EXPECT_STREQ(L"No.7", Text());
    Select(0, 0);
    TypeChar(h, L'#');
    PressKey(h, VK_DELETE);
    EXPECT_EQ(L"#o.7", TextOf(h));
    edit.SetMaskText(NULL);
    edit.SetText(L"plain");
    EXPECT_EQ(L"plain", TextOf(h));
}

// Typing, Backspace and Delete with the caret or a selection inside, at the end of or across
// the mask "ABCD": only the part after the mask ever changes. '\b' is Backspace, 0x7F Delete.
TEST_F(MaskEditTest, EditingNeverChangesTheMask)
{
    edit.SetMaskText(L"ABCD");
    const struct
    {
        const wchar_t* text;
        int start, end;
        wchar_t key;
        const wchar_t* expected;
    } cases[] = {
        {L"12", 0, 0, L'x', L"ABCD12"},     {L"12", 3, 3, L'x', L"ABCD12"},
        {L"12", 1, 3, L'x', L"ABCD12"},     {L"12", 4, 4, L'0', L"ABCD012"},
        {L"12", 0, -1, L'9', L"ABCD9"},     {L"123456", 2, 7, L'z', L"ABCDz456"},
        {L"12", 6, 6, L'\b', L"ABCD1"},     {L"1", 5, 5, L'\b', L"ABCD"},
        {L"", 4, 4, L'\b', L"ABCD"},        {L"", 2, 2, L'\b', L"ABCD"},
        {L"1234", 1, 6, L'\b', L"ABCD34"},  {L"1234", 0, 0, 0x7F, L"ABCD1234"},
        {L"1234", 3, 3, 0x7F, L"ABCD1234"}, {L"1234", 0, 3, 0x7F, L"ABCD1234"},
        {L"1234", 4, 4, 0x7F, L"ABCD234"},  {L"234", 2, 5, 0x7F, L"ABCD34"},
        {L"34", 0, -1, 0x7F, L"ABCD"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "key " << (int)c.key << " at " << c.start << ".." << c.end);
        edit.SetText(c.text);
        Select(c.start, c.end);
        if (c.key == L'\b')
            PressCharKey(h, VK_BACK, L'\b');
        else if (c.key == 0x7F)
            PressKey(h, VK_DELETE);
        else
            TypeChar(h, c.key);
        EXPECT_EQ(c.expected, TextOf(h));
    }
    EXPECT_EQ(std::make_pair(4, 4), SelOf(h));
    edit.SetText(L"");
    Select(4, 4);
    TypeText(h, L"12");
    EXPECT_EQ(std::make_pair(6, 6), SelOf(h));
    // The Backspace flag is cleared by the next key: typing at the mask's end still works.
    Select(4, 4);
    PressCharKey(h, VK_BACK, L'\b');
    TypeChar(h, L'5');
    EXPECT_EQ(L"ABCD512", TextOf(h));
    PressKey(h, VK_HOME); // keys that do not edit still move the caret, also into the mask
    EXPECT_EQ(std::make_pair(0, 0), SelOf(h));
}

// Without a mask the field is an ordinary edit; a mask set before the window exists is kept.
TEST_F(MaskEditTest, WithoutMaskOrWindow)
{
    TypeText(h, L"abc");
    Select(0, 0);
    PressKey(h, VK_DELETE);
    EXPECT_STREQ(L"bc", Text());

    CQMaskEdit loose;
    loose.SetMaskText(L"P:");
    loose.SetText(L"1");
    CString text(L"junk"), mask;
    loose.GetText(text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_TRUE(loose.GetMaskText(mask));
    EXPECT_STREQ(L"P:", (LPCTSTR)mask);
}

} // namespace
