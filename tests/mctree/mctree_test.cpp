// The multi-column tree through real windows: Fill on hand-made texts, shown rows after seeded
// random expand/collapse/delete sequences against a model of the tree, the item store and the
// shown rows in step after the list's own item messages, the boxes and lines by pixels, and
// clicks and keys that open and close branches.
#include <gtest/gtest.h>

#include "listtree/TreeMultiColumnCtrl.h"
#include "testwin.h"

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace
{

qtest::CRecordingWnd& Host()
{
    static qtest::CRecordingWnd* pHost = nullptr;
    if (pHost == nullptr)
    {
        pHost = new qtest::CRecordingWnd;
        pHost->CreateTop(640, 480, L"multi-column tree");
        for (UINT m = WM_USER + 1; m <= WM_USER + 3; m++)
            pHost->LogMessage(m);
    }
    return *pHost;
}

class TreeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HWND hList =
            ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0,
                              0, 600, 440, Host().GetSafeHwnd(), (HMENU)400, NULL, NULL);
        ASSERT_TRUE(hList != NULL);
        ASSERT_TRUE(tree.SubclassWindow(hList));
        tree.InsertColumn(0, L"Tag", LVCFMT_LEFT, 200);
        tree.InsertColumn(1, L"Description", LVCFMT_LEFT, 150, 1);
        tree.InsertColumn(2, L"Size", LVCFMT_LEFT, 100, 2);
        store = (CListCtrl*)CWnd::FromHandle(::GetDlgItem(tree.GetSafeHwnd(), 0x1111));
        Host().Flush();
    }
    void TearDown() override { tree.DestroyWindow(); }

    // Ids of the shown rows, top down.
    std::vector<int> Shown()
    {
        std::vector<int> ids;
        LVITEMW item = {};
        item.mask = LVIF_PARAM;
        for (item.iItem = 0; tree.GetItem(&item); item.iItem++)
            ids.push_back((int)item.lParam);
        return ids;
    }
    // Every shown row shows its item's texts from the store, each item once.
    ::testing::AssertionResult InStep()
    {
        std::vector<int> ids = Shown();
        std::set<int> seen;
        for (size_t r = 0; r < ids.size(); r++)
        {
            if (ids[r] < 0 || ids[r] >= store->GetItemCount() || !seen.insert(ids[r]).second)
                return ::testing::AssertionFailure() << "row " << r << " carries id " << ids[r];
            for (int c = 0; c < 3; c++)
                if (tree.GetItemText((int)r, c) != store->GetItemText(ids[r], c))
                    return ::testing::AssertionFailure()
                           << "row " << r << " column " << c << ": " << (LPCTSTR)tree.GetItemText((int)r, c);
        }
        return ::testing::AssertionSuccess();
    }
    std::vector<CString> ShownTexts()
    {
        std::vector<CString> v;
        for (size_t r = 0; r < Shown().size(); r++)
            v.push_back(tree.GetItemText((int)r, 0));
        return v;
    }
    std::vector<int> Parents()
    {
        std::vector<int> v;
        for (int i = 0; i < store->GetItemCount(); i++)
            v.push_back(tree.GetItemParent(i));
        return v;
    }
    int RowOf(int nId)
    {
        std::vector<int> ids = Shown();
        for (size_t r = 0; r < ids.size(); r++)
            if (ids[r] == nId)
                return (int)r;
        return -1;
    }

    CTreeMultiColumnCtrl tree;
    CListCtrl* store = nullptr;
};

} // namespace

// Hand-made texts: the bracket grammar, unbalanced brackets, empty pieces, missing and extra
// fields, text cut at a NUL, unpaired surrogates kept as they are, no text at all.
TEST_F(TreeTest, FillReadsBracketedTexts)
{
    static const wchar_t kNul[] = L"A,B\0C";
    struct Case
    {
        const wchar_t* text;
        int result;
        std::vector<CString> shown;
        std::vector<int> parents; // by id
        const wchar_t* cells;     // the store's columns 1 and 2 of item 0, joined by '|'
    };
    const Case cases[] = {
        {L"A%1%x(B%2%y,C(D)),E", 1, {L"A", L"E"}, {-1, 0, 0, 2, -1}, L"1|x"},
        {L"A)),B", 1, {L"A", L"B"}, {-1, -1}, L"|"},
        {L"A,,B,", 1, {L"A", L"B"}, {-1, -1}, L"|"},
        {L"(((A", 1, {L"A"}, {-1}, L"|"},
        {L"A(B(C", 1, {L"A"}, {-1, 0, 1}, L"|"},
        {L"A((B))", 1, {L"A"}, {-1, 0}, L"|"},
        {L"A(B(C),D)", 1, {L"A"}, {-1, 0, 1, 0}, L"|"},
        {L"A%1%2%3%4", 1, {L"A"}, {-1}, L"1|2"},
        {L"A%%z", 1, {L"A"}, {-1}, L"|z"},
        {kNul, 1, {L"A", L"B"}, {-1, -1}, L"|"},
        {L"\xD800X(\xDC00)", 1, {L"\xD800X"}, {-1, 0}, L"|"},
        {L"", 1, {}, {}, nullptr},
        {nullptr, 0, {}, {}, nullptr},
    };
    for (const Case& tc : cases)
    {
        SCOPED_TRACE(testing::Message() << "text " << (tc.text ? tc.text : L"(null)"));
        tree.Fill(L"old(items)");
        EXPECT_EQ(tc.result, tree.Fill(tc.text));
        EXPECT_EQ(tc.shown, ShownTexts());
        EXPECT_EQ(tc.parents, Parents());
        EXPECT_EQ((int)tc.parents.size(), tree.GetItemCount()) << "the count is the store's";
        if (tc.cells != nullptr)
        {
            EXPECT_EQ(CString(tc.cells), store->GetItemText(0, 1) + L"|" + store->GetItemText(0, 2));
        }
        EXPECT_TRUE(InStep());
    }
}

// The worked example: opening and closing branches, the whole subtree, notifications to the
// parent, and Delete of a leaf row (refused for an item with children).
TEST_F(TreeTest, ExpandCollapseAndDelete)
{
    ASSERT_EQ(1, tree.Fill(L"A%1%x(B%2%y,C(D)),E"));
    EXPECT_EQ(3u, Host().Count(WM_USER + 1)) << "one per parent set";
    Host().Flush();
    tree.ExpandItem(0);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 4}), Shown());
    tree.ExpandItem(2);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), Shown());
    tree.CollapseItem(0);
    EXPECT_EQ((std::vector<int>{0, 4}), Shown());
    EXPECT_FALSE(tree.ItemIsExpanded(2)) << "C is forgotten as open";
    std::vector<std::pair<UINT, WPARAM>> notes;
    for (const qtest::LoggedMsg& m : Host().Log())
        if (m.message == WM_USER + 2 || m.message == WM_USER + 3)
            notes.push_back({m.message, m.wParam});
    EXPECT_EQ((std::vector<std::pair<UINT, WPARAM>>{{WM_USER + 2, 0}, {WM_USER + 2, 2}, {WM_USER + 3, 0}}),
              notes);

    tree.RecExpandItems(0);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), Shown());
    EXPECT_EQ(2, tree.GetItemLevel(3));
    CArray<int, int> path;
    EXPECT_EQ(2, tree.GetItemPath(3, path));
    EXPECT_TRUE(path.GetSize() == 2 && path[0] == 0 && path[1] == 2);

    EXPECT_EQ(0, tree.Delete(RowOf(2))) << "C has a child";
    EXPECT_FALSE(tree.IsLastChildren(1));
    EXPECT_EQ(1, tree.Delete(RowOf(3)));
    EXPECT_FALSE(tree.ItemHasChildren(2));
    EXPECT_TRUE(tree.IsLastChildren(2));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 4}), Shown());
    EXPECT_EQ(1, tree.Delete(RowOf(1)));
    EXPECT_EQ(2, tree.GetFirstItemChild(0));
    EXPECT_EQ(-1, tree.GetNextItemChild());
    EXPECT_EQ(0, tree.Delete(99));
    EXPECT_TRUE(InStep());
}

// The list's own messages on the tree: inserts always append to the store (the id is the store
// index) and show top-level rows; text changes reach the shown row; deleting by id marks the
// item; columns go to both lists. Parents that would make a cycle are refused.
TEST_F(TreeTest, ListMessagesKeepStoreAndRowsInStep)
{
    EXPECT_EQ(0, tree.InsertItem(0, L"P-101"));
    EXPECT_EQ(1, tree.InsertItem(0, L"inlet")) << "appended, whatever the index";
    EXPECT_EQ(2, tree.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, L"outlet", 0, 0, 0, 77));
    tree.SetItemText(1, 1, L"DN 50");
    tree.SetItem(2, 2, LVIF_TEXT, L"PN 16", 0, 0, 0, 0);
    EXPECT_EQ(3, tree.GetItemCount());
    EXPECT_EQ(1, tree.SetItemParent(1, 0));
    EXPECT_EQ(1, tree.SetItemParent(2, 0));
    EXPECT_EQ(0, tree.SetItemParent(0, 2)) << "a cycle";
    EXPECT_EQ(0, tree.SetItemParent(1, 1));
    EXPECT_EQ(0, tree.SetItemParent(5, -1));
    EXPECT_EQ((std::vector<int>{0}), Shown());
    tree.ExpandItem(0);
    EXPECT_EQ((std::vector<int>{0, 1, 2}), Shown());
    tree.SetItemText(2, 1, L"DN 40");
    EXPECT_TRUE(InStep());

    // A new child of an open item shows below it; a child made top-level moves to the end.
    EXPECT_EQ(3, tree.InsertItem(3, L"drain"));
    EXPECT_EQ(1, tree.SetItemParent(3, 0));
    EXPECT_EQ((std::vector<int>{0, 3, 1, 2}), Shown());
    EXPECT_EQ(1, tree.SetItemParent(1, -1));
    EXPECT_EQ((std::vector<int>{0, 3, 2, 1}), Shown());

    EXPECT_FALSE(tree.DeleteItem(0)) << "has children";
    EXPECT_TRUE(tree.DeleteItem(2));
    EXPECT_FALSE(tree.DeleteItem(2)) << "already deleted";
    EXPECT_EQ((std::vector<int>{0, 3, 1}), Shown());
    EXPECT_EQ(4, tree.GetItemCount()) << "ids do not move";
    EXPECT_TRUE(InStep());

    tree.InsertColumn(3, L"Rating", LVCFMT_LEFT, 60, 3);
    EXPECT_EQ(4, store->GetHeaderCtrl()->GetItemCount());
    tree.DeleteColumn(3);
    EXPECT_EQ(3, store->GetHeaderCtrl()->GetItemCount());
    tree.DeleteAllItems();
    EXPECT_EQ(0, tree.GetItemCount());
    EXPECT_TRUE(Shown().empty());
}

namespace
{
// A model of the tree: parents by id, expanded and deleted marks; the rows it should show are the
// visible items in depth-first order by id.
struct Model
{
    std::vector<int> parent;
    std::set<int> expanded, deleted;

    bool HasChildren(int id) const
    {
        if (deleted.count(id))
            return false;
        for (size_t c = 0; c < parent.size(); c++)
            if (parent[c] == id && !deleted.count((int)c))
                return true;
        return false;
    }
    void Walk(int p, std::vector<int>& out) const
    {
        for (size_t c = 0; c < parent.size(); c++)
            if (parent[c] == p && !deleted.count((int)c))
            {
                out.push_back((int)c);
                if (expanded.count((int)c))
                    Walk((int)c, out);
            }
    }
    std::vector<int> Rows() const
    {
        std::vector<int> out;
        Walk(-1, out);
        return out;
    }
    void CloseSubtree(int id)
    {
        expanded.erase(id);
        for (size_t c = 0; c < parent.size(); c++)
            if (parent[c] == id)
                CloseSubtree((int)c);
    }
    void Expand(int id)
    {
        std::vector<int> rows = Rows();
        if (HasChildren(id) && std::count(rows.begin(), rows.end(), id))
            expanded.insert(id);
    }
    void RecExpand(int id)
    {
        Expand(id);
        for (size_t c = 0; c < parent.size(); c++)
            if (parent[c] == id && !deleted.count((int)c))
                RecExpand((int)c);
    }
};

// A random tree written as a bracketed text; parents[i] is the parent of the i-th item written.
std::wstring RandomTreeText(std::mt19937& rng, int nItems, std::vector<int>& parents)
{
    parents.clear();
    std::wstring text;
    std::vector<int> open; // the items whose children are being written
    for (int i = 0; i < nItems; i++)
    {
        if (i > 0)
        {
            int r = (int)(rng() % 10);
            if (r < 3)
            {
                text += L'(';
                open.push_back(i - 1);
            }
            else if (r < 5 && !open.empty())
            {
                int up = 1 + (int)(rng() % open.size());
                for (int k = 0; k < up; k++)
                {
                    text += L')';
                    open.pop_back();
                }
                text += L',';
            }
            else
                text += L',';
        }
        parents.push_back(open.empty() ? -1 : open.back());
        text += L"n" + std::to_wstring(i) + L"%d" + std::to_wstring(i) + L"%" + std::to_wstring(i % 7);
    }
    return text;
}
} // namespace

// Seeded random trees and operation sequences (expand, collapse, open a subtree, delete a row,
// keys on the selected row): the shown rows always match the model's.
TEST_F(TreeTest, RandomOperationsMatchModel)
{
    std::mt19937 rng(2026);
    for (int round = 0; round < 12; round++)
    {
        Model model;
        std::wstring text = RandomTreeText(rng, 10 + (int)(rng() % 40), model.parent);
        Host().Flush();
        ASSERT_EQ(1, tree.Fill(text.c_str()));
        ASSERT_EQ(model.parent, Parents());
        for (int step = 0; step < 40; step++)
        {
            int n = (int)model.parent.size(), id = (int)(rng() % n), op = (int)(rng() % 6);
            SCOPED_TRACE(testing::Message()
                         << "round " << round << " step " << step << " op " << op << " id " << id);
            int row = RowOf(id);
            switch (op)
            {
            case 0:
                tree.ExpandItem(id);
                model.Expand(id);
                break;
            case 1:
                tree.CollapseItem(id);
                if (model.expanded.count(id) && model.HasChildren(id))
                    model.CloseSubtree(id);
                break;
            case 2:
                tree.RecExpandItems(id);
                model.RecExpand(id);
                break;
            case 3:
                if (row >= 0 && tree.Delete(row))
                    model.deleted.insert(id);
                else
                    EXPECT_TRUE(row < 0 || model.HasChildren(id));
                break;
            case 4:
            case 5:
            {
                if (row < 0)
                    break;
                const UINT keys[] = {VK_RIGHT, VK_LEFT, VK_ADD, VK_SUBTRACT, VK_MULTIPLY};
                UINT key = keys[rng() % 5];
                tree.SetItemState(-1, 0, LVIS_SELECTED);
                tree.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                qtest::SendKey(tree.GetSafeHwnd(), key);
                if (key == VK_RIGHT || key == VK_ADD)
                    model.Expand(id);
                else if (key == VK_MULTIPLY)
                    model.RecExpand(id);
                else if (model.expanded.count(id) && model.HasChildren(id))
                    model.CloseSubtree(id);
                break;
            }
            }
            ASSERT_EQ(model.Rows(), Shown());
            for (int i = 0; i < n; i++)
                ASSERT_EQ(model.expanded.count(i) > 0, tree.ItemIsExpanded(i) != 0) << "item " << i;
        }
        ASSERT_TRUE(InStep());
    }
}

// 10,000 levels of nesting read, opened, painted and closed without a deep call chain.
TEST_F(TreeTest, DeepNesting)
{
    std::wstring deep;
    for (int i = 0; i < 10000; i++)
        deep += L"x(";
    ASSERT_EQ(1, tree.Fill(deep.c_str()));
    Host().Flush();
    EXPECT_EQ(10000, tree.GetItemCount());
    EXPECT_EQ(9999, tree.GetItemLevel(9999));
    tree.RecExpandItems(0);
    EXPECT_EQ(10000u, Shown().size());
    tree.EnsureVisible(9999, FALSE);
    tree.UpdateWindow();
    tree.CollapseItem(0);
    EXPECT_EQ((std::vector<int>{0}), Shown());
}

namespace
{
const COLORREF kGray = RGB(128, 128, 128), kBlack = RGB(0, 0, 0);

// The plus/minus box of a row: the leftmost column of at least 9 gray pixels one above the other
// inside the band [x0, x1) x [top, bottom). Its left edge and middle row, or x = -1.
CPoint FindBox(const qtest::CPixelBuffer& buf, int x0, int x1, int top, int bottom)
{
    for (int x = x0; x < x1; x++)
    {
        int run = 0;
        for (int y = top; y < bottom; y++)
        {
            run = buf.GetPixel(x, y) == kGray ? run + 1 : 0;
            if (run == 9 && buf.GetPixel(x + 8, y) == kGray && buf.GetPixel(x + 4, y) == kGray)
                return CPoint(x, y - 4);
        }
    }
    return CPoint(-1, -1);
}
} // namespace

// Boxes, signs and lines by pixels: a closed item shows a plus, an open one a minus; a child that
// is not the last has a line through its whole row, the last one stops at its middle; the first
// item has no line above its box. The root column can move.
TEST_F(TreeTest, BoxesAndLinesByPixels)
{
    ASSERT_EQ(1, tree.Fill(L"A(B,C(D)),E"));
    tree.ExpandItem(0);
    tree.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    auto band = [&](int row, CRect& rc) { tree.GetItemRect(row, rc, LVIR_BOUNDS); };
    CRect rcA, rcB, rcC, rcE;
    band(0, rcA);
    band(1, rcB);
    band(2, rcC);
    band(3, rcE);
    auto buf = qtest::CaptureClient(&tree);
    CPoint boxA = FindBox(*buf, rcA.left, rcA.left + 60, rcA.top, rcA.bottom);
    CPoint boxC = FindBox(*buf, rcC.left, rcC.left + 80, rcC.top, rcC.bottom);
    ASSERT_GE(boxA.x, 0) << "A has a box";
    ASSERT_GE(boxC.x, 0) << "C has a box";
    EXPECT_EQ(20, boxC.x - boxA.x) << "one level further right";
    EXPECT_EQ(kBlack, buf->GetPixel(boxA.x + 4, boxA.y)) << "the minus of open A";
    EXPECT_NE(kBlack, buf->GetPixel(boxA.x + 4, boxA.y - 2)) << "no plus bar on open A";
    EXPECT_EQ(kBlack, buf->GetPixel(boxC.x + 4, boxC.y - 2)) << "the plus of closed C";
    EXPECT_EQ(-1, FindBox(*buf, rcB.left, rcB.left + 80, rcB.top, rcB.bottom).x) << "B has no children";

    const int xLine = boxA.x + 4; // the line of A's children and of A and E
    EXPECT_NE(kGray, buf->GetPixel(xLine, rcA.top + 1)) << "nothing above the first item's box";
    EXPECT_EQ(kGray, buf->GetPixel(xLine, rcA.bottom - 1)) << "A goes on to E";
    const int xChild = boxC.x + 4;
    EXPECT_EQ(kGray, buf->GetPixel(xChild, rcB.top + 1));
    EXPECT_EQ(kGray, buf->GetPixel(xChild, rcB.bottom - 1)) << "B is not the last child";
    EXPECT_EQ(kGray, buf->GetPixel(xChild, rcC.top + 1));
    EXPECT_NE(kGray, buf->GetPixel(xChild, rcC.bottom - 1)) << "C is the last child";
    EXPECT_EQ(kGray, buf->GetPixel(xLine, rcB.CenterPoint().y)) << "A's line passes B";
    EXPECT_EQ(kGray, buf->GetPixel(xChild + 6, rcB.CenterPoint().y)) << "B's horizontal line";

    // Clicks: on the box toggles, in another column at the same offset does not.
    qtest::SendClick(tree.GetSafeHwnd(), CPoint(boxC.x + 2, boxC.y));
    EXPECT_TRUE(tree.ItemIsExpanded(2));
    qtest::SendClick(tree.GetSafeHwnd(), CPoint(200 + boxC.x + 2, boxC.y));
    EXPECT_TRUE(tree.ItemIsExpanded(2));
    qtest::SendClick(tree.GetSafeHwnd(), CPoint(boxC.x + 12, boxC.y));
    EXPECT_TRUE(tree.ItemIsExpanded(2)) << "right of the box";

    EXPECT_EQ(0, tree.SetRootColumn(1));
    buf = qtest::CaptureClient(&tree);
    EXPECT_EQ(-1, FindBox(*buf, rcA.left, rcA.left + 60, rcA.top, rcA.bottom).x);
    EXPECT_GE(FindBox(*buf, rcA.left + 200, rcA.left + 260, rcA.top, rcA.bottom).x, 0) << "box in column 1";
}
