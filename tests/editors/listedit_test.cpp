// The list label editor over a real list view: what it shows, what it accepts, how it grows and
// what the list view's parent hears when the edit ends.
#include <gtest/gtest.h>
#include <afxcmn.h>
#include "editors_util.h"
#include <algorithm>
#include <initializer_list>
#include "grid/QInPlaceListEdit.h"

using namespace edtest;

namespace
{

const UINT kListId = 300;
const UINT kEditId = 1001;

// An editor that counts its living instances and frees itself after its window is gone, as a
// caller that hands the editor's lifetime to its window would write it.
class CountedListEdit : public CQInPlaceLIstEdit
{
public:
    CountedListEdit(int iItem, int iSubItem, LPCTSTR lpszText, UINT nKind)
        : CQInPlaceLIstEdit(iItem, iSubItem, lpszText, nKind)
    {
        ++live;
    }
    ~CountedListEdit() override { --live; }
    static int live;

protected:
    void PostNcDestroy() override { delete this; }
};
int CountedListEdit::live = 0;

class ListEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetHost();
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
                                CRect(10, 10, 410, 310), &Host(), kListId));
        list.InsertColumn(0, L"Name", LVCFMT_LEFT, 120);
        list.InsertColumn(1, L"Value", LVCFMT_LEFT, 80);
        for (int i = 0; i < 5; ++i)
        {
            CString s;
            s.Format(L"item %d", i);
            list.InsertItem(i, s);
            list.SetItemText(i, 1, L"42");
        }
    }
    void TearDown() override
    {
        // An owned editor frees itself with its window; the others are deleted here.
        if (::IsWindow(editorWindow))
            ::DestroyWindow(editorWindow);
        if (editor != nullptr && !owned)
            delete editor;
        editor = nullptr;
        PumpMessages();
    }
    // Creates the editor over a sub-item's rectangle.
    HWND Open(int item, int subItem, const wchar_t* text, UINT kind, DWORD style = 0, bool counted = false)
    {
        CRect rc;
        list.GetSubItemRect(item, subItem, LVIR_LABEL, rc);
        editor = counted ? new CountedListEdit(item, subItem, text, kind)
                         : new CQInPlaceLIstEdit(item, subItem, text, kind);
        owned = counted;
        EXPECT_TRUE(editor->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | style, rc, &list, kEditId));
        editorWindow = editor->GetSafeHwnd();
        return editorWindow;
    }
    CRect RectInList(HWND h)
    {
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

// The widest of the words in the list's font.
CSize WidestWord(CListCtrl& list, std::initializer_list<const wchar_t*> words)
{
    CClientDC dc(&list);
    CFont* pOld = dc.SelectObject(list.GetFont());
    CSize widest(0, 0);
    for (const wchar_t* w : words)
        widest.cx = std::max(widest.cx, dc.GetTextExtent(w).cx);
    dc.SelectObject(pOld);
    return widest;
}

// Expects one end-of-label-edit notification from the list for item/subItem; text NULL means
// none was reported (the edit was cancelled).
void ExpectOneEndEdit(const CListCtrl& list, int item, int subItem, const wchar_t* text)
{
    ASSERT_EQ(1u, Host().endEdits.size());
    const NotifyRecord r = Host().endEdits[0];
    EXPECT_EQ(kListId, r.wParam);
    EXPECT_EQ(list.GetSafeHwnd(), r.hwndFrom);
    EXPECT_EQ(kEditId, r.idFrom);
    EXPECT_EQ(-176, r.code);
    EXPECT_EQ((UINT)LVIF_TEXT, r.mask);
    EXPECT_EQ(item, r.iItem);
    EXPECT_EQ(subItem, r.iSubItem);
    EXPECT_EQ(text != nullptr, r.hasText);
    EXPECT_EQ(text != nullptr ? text : L"", r.text);
    EXPECT_EQ(text != nullptr ? (int)wcslen(text) : 0, r.cchTextMax);
    EXPECT_EQ(list.GetSafeHwnd(), ::GetFocus());
}

// On creation: the initial text, all of it selected, the focus, the list's font. Return ends
// the edit with the text (Return is not inserted, the editor does not close itself).
TEST_F(ListEditTest, OpensSelectedAndReturnReportsTheText)
{
    HWND h = Open(3, 1, L"42", 0, ES_AUTOHSCROLL);
    EXPECT_EQ(L"42", TextOf(h));
    EXPECT_EQ(std::make_pair(0, 2), SelOf(h));
    EXPECT_EQ(h, ::GetFocus());
    EXPECT_EQ(::SendMessageW(list.GetSafeHwnd(), WM_GETFONT, 0, 0), ::SendMessageW(h, WM_GETFONT, 0, 0));
    EXPECT_TRUE(Host().endEdits.empty());
    TypeText(h, L"x9");
    PressCharKey(h, VK_RETURN, L'\r');
    EXPECT_EQ(L"x9", TextOf(h));
    ExpectOneEndEdit(list, 3, 1, L"x9");
    EXPECT_TRUE(::IsWindow(h));
}

// Escape reports no text, so that the list keeps its label; losing the focus any other way
// reports the text.
TEST_F(ListEditTest, EscapeReportsNoTextFocusLossTheText)
{
    HWND h = Open(1, 0, L"item 1", 0, ES_AUTOHSCROLL);
    TypeText(h, L"changed");
    PressCharKey(h, VK_ESCAPE, 0x1b);
    ExpectOneEndEdit(list, 1, 0, nullptr);
    TearDown();

    Host().endEdits.clear();
    h = Open(0, 0, L"item 0", 0, ES_AUTOHSCROLL);
    PressKey(h, VK_END);
    TypeText(h, L"!");
    ::SetFocus(list.GetSafeHwnd());
    ExpectOneEndEdit(list, 0, 0, L"item 0!");
}

// A whole-number editor refuses the point, a decimal one takes exactly one; signs only first;
// any kind beyond the known ones takes no character at all, and Return still ends the edit.
TEST_F(ListEditTest, NumberKindsFilterCharacters)
{
    const struct
    {
        UINT kind;
        const wchar_t *typed, *expected;
    } cases[] = {{2, L"-1.5a+-", L"-15"}, {1, L"+2.5.0x", L"+2.50"}, {9, L"1a.-", L""}};
    for (const auto& c : cases)
    {
        HWND h = Open(0, 1, L"", c.kind, ES_AUTOHSCROLL);
        TypeText(h, c.typed);
        EXPECT_EQ(c.expected, TextOf(h)) << "kind " << c.kind;
        PressKey(h, VK_HOME);
        TypeText(h, L"+-");
        EXPECT_EQ(c.expected, TextOf(h)) << "kind " << c.kind;
        if (c.kind == 1)
        {
            ::SetWindowTextW(h, L"7");
            TypeText(h, L"-"); // at the start
            PressKey(h, VK_END);
            TypeText(h, L"-");
            EXPECT_EQ(L"-7", TextOf(h));
        }
        Host().endEdits.clear();
        PressCharKey(h, VK_RETURN, L'\r');
        ASSERT_EQ(1u, Host().endEdits.size());
        TearDown();
    }
}

// A single-line editor widens with its text up to two pixels inside the list's right edge, its
// height kept. A multi-line editor is fitted at creation and grows down to two pixels above the
// list's bottom, then shows its vertical scroll bar.
TEST_F(ListEditTest, GrowsUpToTheListsEdges)
{
    CRect client;
    list.GetClientRect(&client);
    HWND h = Open(1, 1, L"", 0, ES_AUTOHSCROLL);
    CRect start = RectInList(h);
    for (int i = 0; i < 8; ++i)
        TypeText(h, L"more text ");
    CRect widest = RectInList(h);
    EXPECT_EQ(client.right - 2, widest.right);
    EXPECT_EQ(start.left, widest.left);
    EXPECT_EQ(start.Height(), widest.Height());
    TearDown();

    CString words;
    for (int i = 0; i < 20; ++i)
        words += L"lorem ipsum dolor sit amet ";
    CRect row;
    list.GetSubItemRect(0, 0, LVIR_LABEL, row);
    h = Open(0, 0, words, 0, ES_MULTILINE | ES_AUTOVSCROLL);
    // Fitted at creation: as wide as the list allows (the wrapped lines leave less room than one
    // more word at their ends), several lines tall, above the bottom.
    CRect opened = RectInList(h);
    CSize word = WidestWord(list, {L" lorem", L" ipsum", L" dolor", L" sit", L" amet"});
    EXPECT_LE(opened.right, client.right - 2);
    EXPECT_GT(opened.right, client.right - 2 - word.cx - 5);
    EXPECT_GT(opened.Height(), 3 * row.Height());
    EXPECT_LT(opened.bottom, client.bottom - 2);
    EXPECT_FALSE(::GetWindowLongW(h, GWL_STYLE) & WS_VSCROLL);

    // More text than the list can show: two pixels above its bottom, with a scroll bar.
    for (int i = 0; i < 4; ++i)
        words += words;
    ::SetWindowTextW(h, words);
    PressKey(h, VK_END);
    TypeText(h, L"x");
    EXPECT_EQ(client.bottom - 2, RectInList(h).bottom);
    EXPECT_TRUE(::GetWindowLongW(h, GWL_STYLE) & WS_VSCROLL);
}

// PreTranslateMessage keeps Return, Escape, Delete and Ctrl combinations for the editor;
// other keys go the usual way. A multi-line editor swallows the Escape key-down itself; its
// character still cancels.
TEST_F(ListEditTest, PreTranslateKeepsEditingKeys)
{
    for (bool multiLine : {false, true})
    {
        SCOPED_TRACE(multiLine ? "multi-line" : "single line");
        Host().endEdits.clear();
        HWND h = Open(2, 0, L"item 2", 0, multiLine ? ES_MULTILINE : ES_AUTOHSCROLL);
        MSG msg = {h, WM_KEYDOWN, 'A', 1};
        EXPECT_FALSE(editor->PreTranslateMessage(&msg));
        msg = {h, WM_KEYDOWN, VK_DELETE, 1};
        EXPECT_TRUE(editor->PreTranslateMessage(&msg)); // dispatched: deletes the selection
        EXPECT_EQ(L"", TextOf(h));
        UINT vk = multiLine ? VK_ESCAPE : VK_RETURN;
        msg = {h, WM_KEYDOWN, vk, 1 | (::MapVirtualKeyW(vk, 0) << 16)};
        EXPECT_TRUE(editor->PreTranslateMessage(&msg));
        PumpMessages(); // the translated character ends the edit
        ASSERT_EQ(1u, Host().endEdits.size());
        EXPECT_EQ(!multiLine, Host().endEdits[0].hasText);
        TearDown();
    }
}

// Many edits, ended with Return or Escape and then closed, leave no editor object, no window and
// no GDI object behind.
TEST_F(ListEditTest, ManyEditsLeaveNothingBehind)
{
    int windows = CountThreadWindows();
    DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    for (int i = 0; i < 120; ++i)
    {
        HWND current = Open(i % 5, i % 2, L"text", i % 3, (i % 4 == 0) ? ES_MULTILINE : ES_AUTOHSCROLL, true);
        TypeText(current, L"12.5 wider");
        PressCharKey(current, (i % 2) ? VK_RETURN : VK_ESCAPE, (i % 2) ? L'\r' : 0x1b);
        ::PostMessageW(current, WM_CLOSE, 0, 0); // as the parent does when it hears the end
        PumpMessages();
        ASSERT_FALSE(::IsWindow(current)) << "edit " << i;
        ASSERT_EQ(nullptr, CWnd::FromHandlePermanent(current));
    }
    EXPECT_EQ(0, CountedListEdit::live);
    EXPECT_EQ(120u, Host().endEdits.size());
    EXPECT_EQ(windows, CountThreadWindows());
    EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdi + 2);
    EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), user + 2);
}

} // namespace
