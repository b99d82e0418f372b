// Painting through the real list window (WM_PRINTCLIENT makes the list paint its rows, which
// come back to the painter as WM_DRAWITEM): row fonts, "..." shortening and alignment, grid
// lines, bitmaps in columns and cells; and the shortening routine on its own.
#include "rltest.h"

#include <algorithm>
#include <memory>

using namespace rltest;

namespace
{

const COLORREF kGreen = RGB(0, 255, 0);

// Pixels inside rc that differ from clrBack.
int Ink(const qtest::CPixelBuffer& buf, const CRect& rc, COLORREF clrBack)
{
    int n = 0;
    for (int y = std::max(0L, rc.top); y < rc.bottom && y < buf.Height(); ++y)
        for (int x = std::max(0L, rc.left); x < rc.right && x < buf.Width(); ++x)
            n += buf.GetPixel(x, y) != clrBack;
    return n;
}

// Pixels inside rc of a strong colour (text is black or gray, the strip's images are not).
int Colourful(const qtest::CPixelBuffer& buf, const CRect& rc)
{
    int n = 0;
    for (int y = std::max(0L, rc.top); y < rc.bottom && y < buf.Height(); ++y)
        for (int x = std::max(0L, rc.left); x < rc.right && x < buf.Width(); ++x)
        {
            COLORREF c = buf.GetPixel(x, y);
            int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            n += std::max({r, g, b}) - std::min({r, g, b}) > 100;
        }
    return n;
}

// Mean x of the ink in the upper and the lower half of rc: italics lean right.
double MeanInkX(const qtest::CPixelBuffer& buf, const CRect& rc, COLORREF clrBack)
{
    double sum = 0;
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (buf.GetPixel(x, y) != clrBack)
            {
                sum += x;
                ++n;
            }
    return n > 0 ? sum / n : 0;
}

// The leftmost and rightmost x with ink in rc (-1 when none).
std::pair<int, int> InkSpan(const qtest::CPixelBuffer& buf, const CRect& rc, COLORREF clrBack)
{
    int l = -1, r = -1;
    for (int x = rc.left; x < rc.right; ++x)
        for (int y = rc.top; y < rc.bottom; ++y)
            if (buf.GetPixel(x, y) != clrBack)
            {
                if (l < 0)
                    l = x;
                r = x;
                break;
            }
    return {l, r};
}

class DrawTest : public ListTest
{
protected:
    std::unique_ptr<qtest::CPixelBuffer> Paint() { return qtest::CapturePrint(&list); }
    // The span of a column in a row: from the label's left edge moved 2 left, column widths on.
    CRect Span(int nItem, int nColumn)
    {
        CRect rc;
        EXPECT_TRUE(list.GetSubItemRect(nItem, nColumn, rc));
        rc.OffsetRect(-2, 0);
        return rc;
    }
    COLORREF Back() const { return ::GetSysColor(COLOR_WINDOW); }
};

} // namespace

// Bold rows carry more ink than plain ones, italic rows lean right, a bold and italic row is both;
// styles follow the data value through a sort; nothing is styled before fonts exist.
TEST_F(DrawTest, RowFonts)
{
    AddColumns(1, 200);
    AddRows({{L"lllllHHHlll"}, {L"lllllHHHlll"}, {L"lllllHHHlll"}, {L"lllllHHHlll"}}, 10);
    list.SetBoldRow(11, TRUE, TRUE);
    list.SetItalicRow(12, TRUE, TRUE);
    list.SetBoldRow(13, TRUE, TRUE);
    list.SetItalicRow(13, TRUE, TRUE);
    EXPECT_EQ(2, list.GetCountRowsBold());
    EXPECT_EQ(2, list.GetCountRowsItalic());
    auto buf = Paint();
    int ink[4];
    double lean[4];
    for (int i = 0; i < 4; ++i)
    {
        CRect rc = Span(i, 0);
        ink[i] = Ink(*buf, rc, Back());
        CRect upper(rc.left, rc.top, rc.right, rc.CenterPoint().y);
        CRect lower(rc.left, rc.CenterPoint().y, rc.right, rc.bottom);
        lean[i] = MeanInkX(*buf, upper, Back()) - MeanInkX(*buf, lower, Back());
    }
    EXPECT_GT(ink[0], 20);
    EXPECT_GT(ink[1], ink[0] * 11 / 10); // bold
    EXPECT_GT(ink[3], ink[2] * 11 / 10); // bold italic over italic
    EXPECT_GT(lean[2], lean[0] + 0.5);   // italic leans
    EXPECT_GT(lean[3], lean[1] + 0.5);

    // Row key 0 is the focused row's data value; switching off removes it.
    list.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
    list.SetBoldRow(0, TRUE, FALSE);
    EXPECT_EQ(3, list.GetCountRowsBold());
    list.SetBoldRow(10, FALSE, FALSE);
    list.ResetBoldLines();
    EXPECT_EQ(0, list.GetCountRowsBold());
    EXPECT_EQ(2, list.GetCountRowsItalic());
}

// A text that fits keeps its column's alignment; one that does not ends in "..." inside its
// cell and is drawn from the left even in a right-aligned column. Grid lines frame every cell
// in gray.
TEST_F(DrawTest, ShorteningAlignmentAndGridLines)
{
    list.InsertColumn(0, L"c0", LVCFMT_LEFT, 60);
    list.InsertColumn(1, L"c1", LVCFMT_RIGHT, 120, 1);
    list.InsertColumn(2, L"c2", LVCFMT_CENTER, 120, 2);
    AddRows({{L"a", L"ab", L"ab"}, {L"a", L"a long text that will never fit", L"x"}});
    EXPECT_EQ(3, list.GetCountColumn());

    for (int bGrid = 0; bGrid < 2; ++bGrid)
    {
        SCOPED_TRACE(bGrid ? "grid lines" : "no grid lines");
        list.ViewGridLines(bGrid);
        auto buf = Paint();
        CRect right = Span(0, 1), centre = Span(0, 2), shortened = Span(1, 1);
        right.DeflateRect(2, 2);
        centre.DeflateRect(2, 2);
        shortened.DeflateRect(2, 2);
        auto inkRight = InkSpan(*buf, right, Back());
        auto inkCentre = InkSpan(*buf, centre, Back());
        auto inkShort = InkSpan(*buf, shortened, Back());
        if (!bGrid)
        {
            // Right-aligned: ink in the right third; centred: around the middle.
            EXPECT_GT(inkRight.first, right.left + right.Width() * 2 / 3);
            EXPECT_LT(std::abs((inkCentre.first + inkCentre.second) / 2 - centre.CenterPoint().x), 8);
            // Shortened: starts at the left and stays inside the cell.
            EXPECT_LT(inkShort.first, shortened.left + 10);
            EXPECT_LT(inkShort.second, shortened.right);
            EXPECT_EQ(0, buf->CountColor(Span(0, 1), RGB(0x80, 0x80, 0x80)));
        }
        else
        {
            // The frame of a cell: one pixel in from its span.
            CRect span = Span(0, 1);
            EXPECT_EQ(RGB(0x80, 0x80, 0x80), buf->GetPixel(span.left + 1, span.CenterPoint().y));
            EXPECT_EQ(RGB(0x80, 0x80, 0x80), buf->GetPixel(span.right - 2, span.CenterPoint().y));
            EXPECT_EQ(RGB(0x80, 0x80, 0x80), buf->GetPixel(span.CenterPoint().x, span.top + 1));
        }
    }
}

// The shortening routine: texts that fit come back as they are; others keep their longest start
// that fits with "..." (one character at least), also when they are longer than the buffer.
TEST_F(DrawTest, MakeShortString)
{
    CClientDC dc(&list);
    CFont* pOld = dc.SelectObject(&font);
    const int nDots = dc.GetTextExtent(L"...").cx;
    CString strLong;
    for (int i = 0; i < 100; ++i)
        strLong += L"0123456789";
    struct Case
    {
        const wchar_t* text;
        int width;
    } cases[] = {{L"", 0},     {L"abc", 1000}, {L"abcdefghij", 40}, {L"W", 2},
                 {L"WWWW", 3}, {strLong, 120}, {strLong, 100000},   {strLong, 5000}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "width " << c.width << ", length " << wcslen(c.text));
        const int nLength = (int)wcslen(c.text);
        LPCTSTR pszResult = CTestList::MakeShortString(&dc, c.text, c.width, 2);
        if (nLength == 0 || dc.GetTextExtent(c.text, nLength).cx + 2 <= c.width)
        {
            EXPECT_EQ(c.text, pszResult);
            continue;
        }
        CString strResult(pszResult);
        ASSERT_GE(strResult.GetLength(), 4);
        ASSERT_LT(strResult.GetLength(), 260);
        EXPECT_EQ(L"...", strResult.Right(3));
        int nKeep = strResult.GetLength() - 3;
        EXPECT_EQ(0, wcsncmp(c.text, strResult, nKeep));
        if (nKeep > 1)
        {
            EXPECT_LE(dc.GetTextExtent(c.text, nKeep).cx + nDots + 2, c.width);
        }
        if (nKeep < nLength - 1 && nKeep < 256)
        {
            EXPECT_GT(dc.GetTextExtent(c.text, nKeep + 1).cx + nDots + 2, c.width);
        }
    }
    dc.SelectObject(pOld);
}

// Bitmaps: a column bitmap shows image <index> in front of the text after ':', a cell bitmap is
// keyed by the row's data value and follows it through a sort; green is transparent; bitmaps
// that did not load, images outside the strip and a strip row beyond the bitmap draw no image.
TEST_F(DrawTest, ColumnAndCellBitmaps)
{
    AddColumns(3, 120);
    AddRows({{L"zeta", L"0:one", L"2:Valve"},
             {L"alpha", L"plain", L"5"},
             {L"beta", L"1:x", L"99999999999:lost"},
             {L"gamma", L"3:y", L"-1:neg"}},
            100);
    ASSERT_EQ(1, list.AttachBitmap(2, IDB_QCTL_LISTICONS, 16, 16, 0));
    ASSERT_EQ(1, list.AttachBitmapCell(100, 1, IDB_QCTL_LISTICONS, 16, 16, 1));
    ASSERT_EQ(1, list.AttachBitmapCell(102, 1, 1 /* no such bitmap */, 16, 16, 0));
    ASSERT_EQ(1, list.AttachBitmapCell(103, 1, IDB_QCTL_LISTICONS, 16, 64, 0)); // taller than the strip
    ASSERT_TRUE(list.GetBitmapCell(102, 1) != NULL);
    EXPECT_FALSE(list.GetBitmapCell(102, 1)->IsLoad());
    EXPECT_EQ(list.GetBitmapCell(101, 2), list.GetBitmapCell(7, 2)); // the column's bitmap
    EXPECT_EQ(NULL, list.GetBitmapCell(101, 1));

    // Image colours of the strip (res/make_list_bitmaps.py).
    const COLORREF yellow = RGB(230, 180, 0), teal = RGB(0, 140, 140), orange = RGB(255, 128, 0);
    list.SortAllItems(L"0"); // alpha(101), beta(102), gamma(103), zeta(100)
    auto buf = Paint();
    // The image stands at the cell's left edge (7 pixels into the column's span), the text 2
    // pixels after it.
    auto image = [&](int nItem, int nColumn)
    {
        CRect rc = Span(nItem, nColumn);
        return CRect(rc.left, rc.top, rc.left + 24, rc.bottom);
    };
    auto text = [&](int nItem, int nColumn, bool bImage)
    {
        CRect rc = Span(nItem, nColumn);
        rc.left += bImage ? 24 : 2;
        rc.DeflateRect(0, 2);
        return rc;
    };
    struct Expect
    {
        int item, column;
        COLORREF image; // CLR_INVALID: no image
        bool bText;
    } expects[] = {
        {3, 2, yellow, true},      // zeta "2:Valve": image 2 and the word
        {0, 2, teal, false},       // alpha "5": image 5, no text
        {3, 1, orange, true},      // zeta's cell bitmap, strip row 1, moved with its row
        {0, 1, CLR_INVALID, true}, // alpha "plain": no bitmap, whole text
        {1, 1, CLR_INVALID, true}, // beta: bitmap did not load, text after ':'
        {2, 1, CLR_INVALID, true}, // gamma: geometry beyond the strip
        {1, 2, CLR_INVALID, true}, // index beyond the strip
        {2, 2, CLR_INVALID, true}, // negative index
    };
    for (const Expect& e : expects)
    {
        SCOPED_TRACE(testing::Message() << "item " << e.item << ", column " << e.column);
        EXPECT_EQ(0, buf->CountColor(Span(e.item, e.column), kGreen));
        if (e.image != CLR_INVALID)
            EXPECT_GT(buf->CountColor(image(e.item, e.column), e.image), 20);
        else
            EXPECT_EQ(0, Colourful(*buf, Span(e.item, e.column)));
        EXPECT_EQ(e.bText, Ink(*buf, text(e.item, e.column, e.image != CLR_INVALID), Back()) > 5);
    }

    // A column narrower than the image clips it on the right.
    list.SetColumnWidth(2, 20); // a cell 10 pixels wide
    buf = Paint();
    CRect narrow = Span(3, 2);
    EXPECT_GT(buf->CountColor(narrow, yellow), 0);
    EXPECT_EQ(0, buf->CountColor(CRect(narrow.right, narrow.top, narrow.right + 20, narrow.bottom), yellow));
}
