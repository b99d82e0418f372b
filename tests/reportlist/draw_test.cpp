// Painting through the real list window (WM_PRINTCLIENT makes the list paint its rows, which
// come back to the painter as WM_DRAWITEM): row fonts, "..." shortening and alignment, grid
// lines, bitmaps in columns and cells; and the shortening routine on its own.
#include "rltest.h"

#include <algorithm>

using namespace rltest;

namespace
{

// Ink of a rectangle: pixel count, mean x of the upper and of the lower half (italics lean
// right), leftmost and rightmost x, and pixels of a strong colour (text is black or gray).
struct Ink
{
    int n = 0, left = -1, right = -1, colourful = 0;
    double lean = 0;
    Ink(const qtest::CPixelBuffer& buf, const CRect& rc)
    {
        const COLORREF back = ::GetSysColor(COLOR_WINDOW);
        double sum[2] = {0, 0};
        int count[2] = {0, 0};
        for (int y = std::max(0L, rc.top); y < rc.bottom && y < buf.Height(); ++y)
            for (int x = std::max(0L, rc.left); x < rc.right && x < buf.Width(); ++x)
            {
                COLORREF c = buf.GetPixel(x, y);
                int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
                colourful += std::max({r, g, b}) - std::min({r, g, b}) > 100;
                if (c == back)
                    continue;
                ++n;
                left = left < 0 ? x : std::min(left, x);
                right = std::max(right, x);
                int half = y >= (rc.top + rc.bottom) / 2;
                sum[half] += x;
                ++count[half];
            }
        if (count[0] > 0 && count[1] > 0)
            lean = sum[0] / count[0] - sum[1] / count[1];
    }
};

class DrawTest : public ListTest
{
protected:
    // The span the painter gives a column: the label's left edge moved 2 left, widths on.
    CRect Span(int nItem, int nColumn)
    {
        CRect rc;
        EXPECT_TRUE(list.GetSubItemRect(nItem, nColumn, rc));
        rc.OffsetRect(-2, 0);
        return rc;
    }
};

} // namespace

// Bold rows carry more ink, italic rows lean right, a bold and italic row is both.
TEST_F(DrawTest, RowFonts)
{
    AddColumns(1, 200);
    AddRows(Table(4, {L"lllllHHHlll"}), 10);
    list.SetBoldRow(11, TRUE, TRUE);
    list.SetItalicRow(12, TRUE, TRUE);
    list.SetBoldRow(13, TRUE, TRUE);
    list.SetItalicRow(13, TRUE, TRUE);
    auto buf = qtest::CapturePrint(&list);
    Ink plain(*buf, Span(0, 0)), bold(*buf, Span(1, 0)), italic(*buf, Span(2, 0)), both(*buf, Span(3, 0));
    EXPECT_GT(plain.n, 20);
    // Bold rows are not compared by ink: with the list's default face at its default size the
    // platform may draw the bold face pixel for pixel like the plain one.
    EXPECT_GT(italic.lean, plain.lean + 0.5);
    EXPECT_GT(both.lean, bold.lean + 0.5);
    // Row key 0 is the focused row's data value.
    list.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
    list.SetBoldRow(0, TRUE, FALSE);
    EXPECT_EQ(3, list.GetCountRowsBold());
    list.ResetBoldLines();
    EXPECT_EQ(0, list.GetCountRowsBold());
    EXPECT_EQ(2, list.GetCountRowsItalic());
}

// A text that fits keeps its column's alignment; one that does not (also one longer than the
// shortening buffer) is cut to end in "..." inside its cell, drawn from the left even in a
// right-aligned column. Grid lines frame cells in gray.
TEST_F(DrawTest, ShorteningAlignmentAndGridLines)
{
    list.InsertColumn(0, L"c0", LVCFMT_LEFT, 60);
    list.InsertColumn(1, L"c1", LVCFMT_RIGHT, 120, 1);
    list.InsertColumn(2, L"c2", LVCFMT_CENTER, 120, 2);
    // A text longer than the shortening buffer too.
    AddRows({{L"a", L"ab", L"ab"},
             {L"a", L"a long text that will never fit", L"x"},
             {L"a", std::wstring(600, L'w'), L"x"}});
    auto buf = qtest::CapturePrint(&list);
    CRect right = Span(0, 1), centre = Span(0, 2), shortened = Span(1, 1);
    Ink inkRight(*buf, right), inkCentre(*buf, centre);
    EXPECT_GT(inkRight.left, right.left + right.Width() * 2 / 3);
    EXPECT_LT(std::abs((inkCentre.left + inkCentre.right) / 2 - centre.CenterPoint().x), 8);
    for (int nItem : {1, 2})
    {
        Ink inkShort(*buf, Span(nItem, 1));
        EXPECT_LT(inkShort.left, shortened.left + 12);
        EXPECT_LT(inkShort.right, shortened.right);
        EXPECT_GT(inkShort.right, shortened.right - 20);
    }
    const COLORREF gray = RGB(0x80, 0x80, 0x80);
    EXPECT_EQ(0, buf->CountColor(right, gray));
    list.ViewGridLines(TRUE);
    buf = qtest::CapturePrint(&list);
    EXPECT_EQ(gray, buf->GetPixel(right.left + 1, right.CenterPoint().y));
    EXPECT_EQ(gray, buf->GetPixel(right.right - 2, right.CenterPoint().y));
    EXPECT_EQ(gray, buf->GetPixel(right.CenterPoint().x, right.top + 1));
}

// Bitmaps: "2:Valve" shows image 2 and the word, "5" image 5 alone; a cell bitmap follows its
// row's data value through a sort; green is transparent; a bitmap that did not load, geometry
// beyond the strip and indexes outside it draw no image.
TEST_F(DrawTest, ColumnAndCellBitmaps)
{
    AddColumns(3, 120);
    AddRows({{L"zeta", L"0:one", L"2:Valve"},
             {L"alpha", L"plain", L"5"},
             {L"beta", L"1:x", L"99999999999:lost"},
             {L"gamma", L"3:y", L"-1:neg"}},
            100);
    list.AttachBitmap(2, IDB_QCTL_LISTICONS, 16, 16, 0);
    list.AttachBitmapCell(100, 1, IDB_QCTL_LISTICONS, 16, 16, 1);
    list.AttachBitmapCell(102, 1, 1 /* no such bitmap */, 16, 16, 0);
    list.AttachBitmapCell(103, 1, IDB_QCTL_LISTICONS, 16, 64, 0);
    EXPECT_FALSE(list.GetBitmapCell(102, 1)->IsLoad());
    EXPECT_EQ(NULL, list.GetBitmapCell(101, 1));
    list.SortAllItems(L"0"); // alpha(101), beta(102), gamma(103), zeta(100)
    auto buf = qtest::CapturePrint(&list);
    struct
    {
        int item, column;
        COLORREF image; // of the strip (res/make_list_bitmaps.py); CLR_INVALID: none
        bool bText;
    } expects[] = {{3, 2, RGB(230, 180, 0), true}, {0, 2, RGB(0, 140, 140), false},
                   {3, 1, RGB(255, 128, 0), true}, {0, 1, CLR_INVALID, true},
                   {1, 1, CLR_INVALID, true},      {2, 1, CLR_INVALID, true},
                   {1, 2, CLR_INVALID, true},      {2, 2, CLR_INVALID, true}};
    for (auto& e : expects)
    {
        SCOPED_TRACE(testing::Message() << "item " << e.item << ", column " << e.column);
        CRect span = Span(e.item, e.column), text(span);
        EXPECT_EQ(0, buf->CountColor(span, RGB(0, 255, 0)));
        // The image at the cell's left edge (7 pixels into the span), the text 2 pixels after it.
        text.DeflateRect(0, 2);
        text.left += e.image != CLR_INVALID ? 24 : 2;
        if (e.image != CLR_INVALID)
            EXPECT_GT(buf->CountColor(CRect(span.left, span.top, span.left + 24, span.bottom), e.image), 20);
        else
            EXPECT_EQ(0, Ink(*buf, span).colourful);
        EXPECT_EQ(e.bText, Ink(*buf, text).n > 5);
    }
}
