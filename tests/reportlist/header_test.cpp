// The header's sort marks and their drawing, the bitmap strip's geometry, the progress bar's
// percentage box, and the list's geometry helpers, through real windows.
#include "rltest.h"

#include <algorithm>
#include <set>

using namespace rltest;

namespace
{

// Marks: positions are handed out in order, deleting one closes the gap, re-marking only turns
// the direction, and a marked column is owner-drawn exactly while it is marked.
TEST_F(ListTest, HeaderSortMarks)
{
    AddColumns(8);
    CTHeaderCtrlEx& header = list.Header();
    auto format = [&](int c)
    {
        HDITEM hdi = {};
        hdi.mask = HDI_FORMAT;
        header.GetItem(c, &hdi);
        return hdi.fmt;
    };
    for (int c : {4, 1, 7})
        EXPECT_EQ(1, header.SetColumnOrder(c, 1));
    header.SetColumnOrder(1, 0); // already marked: direction only
    struct
    {
        int column, ascending, position;
    } expected[] = {{4, 1, 1}, {1, 0, 2}, {7, 1, 3}};
    for (auto& e : expected)
    {
        int bAscending = -1, nPosition = -1, nColumn = -1;
        ASSERT_TRUE(header.GetColumnOrder(e.column, bAscending, nPosition));
        EXPECT_EQ(e.ascending, bAscending);
        EXPECT_EQ(e.position, nPosition);
        ASSERT_TRUE(header.GetPositionColumn(e.position, bAscending, nColumn));
        EXPECT_EQ(e.column, nColumn);
        EXPECT_TRUE(format(e.column) & HDF_OWNERDRAW);
    }
    int bAscending = 7, nPosition = 7, nColumn = 7;
    EXPECT_FALSE(header.GetColumnOrder(2, bAscending, nPosition));
    EXPECT_EQ(7, bAscending + nPosition - 7); // untouched
    EXPECT_FALSE(header.GetPositionColumn(4, bAscending, nColumn));
    EXPECT_FALSE(format(2) & HDF_OWNERDRAW);

    header.DeleteColumnOrder(1);
    header.DeleteColumnOrder(3); // not marked: nothing
    EXPECT_FALSE(format(1) & HDF_OWNERDRAW);
    ASSERT_TRUE(header.GetColumnOrder(4, bAscending, nPosition));
    EXPECT_EQ(1, nPosition);
    ASSERT_TRUE(header.GetColumnOrder(7, bAscending, nPosition));
    EXPECT_EQ(2, nPosition);
    header.SetColumnOrder(0, 1);
    ASSERT_TRUE(header.GetColumnOrder(0, bAscending, nPosition));
    EXPECT_EQ(3, nPosition); // the next free position after the gap closed
    EXPECT_STREQ(L"4,7,0", list.GetHeaderSortString());

    header.ResetSortColumns(TRUE);
    EXPECT_EQ(0, header.GetCountSortColumns());
    for (int c = 0; c < 8; ++c)
        EXPECT_FALSE(format(c) & HDF_OWNERDRAW);
    header.SetColumnOrder(5, 0);
    ASSERT_TRUE(header.GetColumnOrder(5, bAscending, nPosition));
    EXPECT_EQ(1, nPosition);
}

// The pixels of one header item: the arrow in the 3-D shadow colour points down when ascending
// and up when descending; with several marks, positions 1 to 3 show as many black ticks under
// the arrow, position 4 none; a lone mark has no ticks; a narrow item drops title, then arrow.
TEST_F(ListTest, HeaderArrowAndTicks)
{
    for (int c = 0; c < 5; ++c)
        list.InsertColumn(c, L"a", LVCFMT_LEFT, 70, c);
    CTHeaderCtrlEx& header = list.Header();
    CClientDC dc(&header);
    CFont* pOld = dc.SelectObject(CFont::FromHandle((HFONT)header.SendMessage(WM_GETFONT)));
    const int x = dc.GetTextExtent(L"X", 1).cx;
    dc.SelectObject(pOld);
    const COLORREF shadow = ::GetSysColor(COLOR_3DSHADOW);

    struct Result
    {
        int shadowPixels = 0;
        int widestRow = -1, narrowestRow = -1; // rows of the arrow with most and fewest pixels
        int ticks = 0;                         // x columns with black pixels right of the title
    };
    auto measure = [&](int nColumn)
    {
        auto buf = qtest::CapturePrint(&header);
        CRect rc;
        header.GetItemRect(nColumn, &rc);
        Result r;
        CRect area(rc.right - 4 * x, rc.top, rc.right, rc.bottom);
        int most = 0, fewest = INT_MAX;
        for (int yy = area.top; yy < area.bottom; ++yy)
        {
            int n = 0;
            for (int xx = area.left; xx < area.right; ++xx)
                n += buf->GetPixel(xx, yy) == shadow;
            r.shadowPixels += n;
            if (n > most)
                most = n, r.widestRow = yy;
            if (n > 0 && n < fewest)
                fewest = n, r.narrowestRow = yy;
        }
        std::set<int> tickColumns;
        for (int xx = area.left; xx < area.right; ++xx)
            for (int yy = area.top; yy < area.bottom; ++yy)
                if (buf->GetPixel(xx, yy) == RGB(0, 0, 0))
                    tickColumns.insert(xx);
        r.ticks = (int)tickColumns.size();
        return r;
    };

    Result plain = measure(0);
    EXPECT_EQ(0, plain.shadowPixels > 6);
    header.SetColumnOrder(0, 1);
    Result lone = measure(0);
    EXPECT_GT(lone.shadowPixels, 6);
    EXPECT_LT(lone.widestRow, lone.narrowestRow); // pointing down
    EXPECT_EQ(0, lone.ticks);
    header.SetColumnOrder(0, 0);
    Result up = measure(0);
    EXPECT_GT(up.widestRow, up.narrowestRow); // pointing up

    for (int c = 1; c < 4; ++c)
        header.SetColumnOrder(c, 1);
    for (int c = 0; c < 4; ++c)
    {
        SCOPED_TRACE(testing::Message() << "position " << c + 1);
        EXPECT_EQ(c < 3 ? c + 1 : 0, measure(c).ticks);
    }

    // Narrow: the arrow needs 2x of the item's width right of x.
    list.SetColumnWidth(0, 3 * x + 3);
    EXPECT_GT(measure(0).shadowPixels, 6);
    list.SetColumnWidth(0, x + 1);
    EXPECT_LE(measure(0).shadowPixels, 6);
}

// A strip image's rectangle; a strip that did not load stays empty.
TEST(ColumnBitmap, GeometryAndLoading)
{
    CTColumnBitmap bitmap(IDB_QCTL_LISTICONS, 16, 15, 2);
    EXPECT_TRUE(bitmap.IsLoad());
    EXPECT_EQ(CRect(48, 30, 64, 45), bitmap.GetRectImage(3));
    CTColumnBitmap missing(1, 16, 15, 2);
    EXPECT_FALSE(missing.IsLoad());
    EXPECT_EQ(0, missing.GetWidth());
    EXPECT_EQ(CRect(0, 0, 0, 0), missing.GetRectImage(3));
    // Drawing: green shows what is below, the rest is the image; beyond the strip nothing.
    CTColumnBitmap strip(IDB_QCTL_LISTICONS, 16, 16, 0);
    qtest::CPixelBuffer buf(64, 20, RGB(255, 255, 255));
    strip.Put(1, buf.GetDC(), 0, 0, 16);  // a blue square inset 3 pixels
    strip.Put(1, buf.GetDC(), 20, 0, 8);  // clipped to 8 pixels
    strip.Put(8, buf.GetDC(), 40, 0, 16); // beyond the strip
    strip.Put(-1, buf.GetDC(), 40, 0, 16);
    EXPECT_EQ(RGB(255, 255, 255), buf.GetPixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 200), buf.GetPixel(8, 8));
    EXPECT_EQ(100, buf.CountColor(CRect(0, 0, 16, 16), RGB(0, 0, 200)));
    EXPECT_EQ(50, buf.CountColor(CRect(20, 0, 40, 20), RGB(0, 0, 200)));
    EXPECT_EQ(0, buf.CountColor(CRect(0, 0, 64, 20), RGB(0, 255, 0)));
    EXPECT_EQ(64 * 20 - 150, buf.CountColor(CRect(0, 0, 64, 20), RGB(255, 255, 255)));
}

// The percentage box: drawn in the middle on PBM_SETPOS up to 100 (negative too), as tall as
// the text and 8 pixels wider, with the parent's font; other messages and positions above 100
// draw none.
TEST_F(ListTest, ProgressBox)
{
    CProgressCtrlEx bar;
    // A child of the list, as during a sort: the box is written in the list's font.
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(20, 60, 320, 90), &list, 5));
    bar.UpdateWindow();
    CRect rc;
    bar.GetClientRect(&rc);
    CClientDC dc(&bar);
    CFont* pOld = dc.SelectObject(&font);
    auto screen = [&]()
    {
        auto buf = std::make_unique<qtest::CPixelBuffer>(rc.Width(), rc.Height());
        buf->CopyFrom(dc.m_hDC, 0, 0);
        return buf;
    };
    auto black = [&](int nPos)
    {
        // A repaint for any other reason shows the bar without a box.
        bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        auto before = screen();
        EXPECT_EQ(0, before->CountColor(rc, RGB(0, 0, 0)));
        bar.SendMessage(PBM_SETPOS, (WPARAM)nPos);
        auto after = screen();
        return after;
    };
    struct Case
    {
        int pos;
        const wchar_t* text; // NULL: no box
    } cases[] = {{42, L"42%"}, {100, L"100%"}, {-5, L"-5%"}, {101, NULL}, {250, NULL}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pos);
        auto buf = black(c.pos);
        if (c.text == NULL)
        {
            EXPECT_EQ(0, buf->CountColor(rc, RGB(0, 0, 0)));
            continue;
        }
        CSize size = dc.GetTextExtent(c.text);
        int x0 = (rc.Width() - size.cx) / 2, y0 = (rc.Height() - size.cy) / 2;
        // The frame: left edge at x0 - 2, right edge at x0 + w + 5, as tall as the text.
        EXPECT_EQ(RGB(0, 0, 0), buf->GetPixel(x0 - 2, y0 + size.cy / 2));
        EXPECT_EQ(RGB(0, 0, 0), buf->GetPixel(x0 + size.cx + 5, y0 + size.cy / 2));
        EXPECT_EQ(RGB(0, 0, 0), buf->GetPixel(x0, y0));
        EXPECT_EQ(RGB(0, 0, 0), buf->GetPixel(x0, y0 + size.cy - 1));
        EXPECT_NE(RGB(0, 0, 0), buf->GetPixel(x0 - 3, y0 + size.cy / 2));
        EXPECT_NE(RGB(0, 0, 0), buf->GetPixel(x0 + size.cx + 6, y0 + size.cy / 2));
        EXPECT_NE(RGB(0, 0, 0), buf->GetPixel(x0, y0 - 1));
        // The text inside.
        CRect inside(x0 - 1, y0 + 1, x0 + size.cx + 5, y0 + size.cy - 1);
        int ink = inside.Width() * inside.Height() - buf->CountColor(inside, ::GetSysColor(COLOR_3DFACE));
        EXPECT_GT(ink, 10);
    }
    // Range, step and step-it draw no box.
    bar.SetRange(0, 200);
    bar.SetStep(10);
    bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    bar.StepIt();
    bar.UpdateWindow();
    EXPECT_EQ(0, screen()->CountColor(rc, RGB(0, 0, 0)));
    dc.SelectObject(pOld);
}

// Hit tests and cell rectangles agree with the columns; ExpandHeader fills the client width or
// narrows the last columns to 4 pixels; SelectItem leaves exactly one selected, focused item.
TEST_F(ListTest, GeometryAndSelection)
{
    list.InsertColumn(0, L"a", LVCFMT_LEFT, 100);
    list.InsertColumn(1, L"b", LVCFMT_LEFT, 150, 1);
    list.InsertColumn(2, L"c", LVCFMT_LEFT, 80, 2);
    std::vector<std::vector<std::wstring>> rows;
    for (int i = 0; i < 60; ++i)
        rows.push_back({L"r", L"s", L"t"});
    AddRows(rows);

    CRect cell;
    EXPECT_FALSE(list.GetSubItemRect(1, -1, cell));
    EXPECT_FALSE(list.GetSubItemRect(1, 3, cell));
    EXPECT_FALSE(list.GetSubItemRect(500, 0, cell));
    for (int c = 0; c < 3; ++c)
    {
        SCOPED_TRACE(c);
        ASSERT_TRUE(list.GetSubItemRect(2, c, cell));
        EXPECT_EQ(list.GetColumnWidth(c), cell.Width());
        int nColumn = -2;
        EXPECT_EQ(2, list.HitTestEx(CPoint(cell.left + 1, cell.CenterPoint().y), nColumn));
        EXPECT_EQ(c, nColumn);
        EXPECT_EQ(2, list.HitTestEx(CPoint(cell.right - 1, cell.CenterPoint().y), nColumn));
        EXPECT_EQ(c, nColumn);
    }
    int nColumn = -2;
    EXPECT_EQ(-1, list.HitTestEx(CPoint(cell.right + 5, cell.CenterPoint().y), nColumn));
    EXPECT_EQ(-1, nColumn);

    CRect client;
    list.GetClientRect(&client);
    list.ExpandHeader();
    EXPECT_EQ(client.Width() - 2 - 250, list.GetColumnWidth(2));
    list.SetColumnWidth(0, client.Width() + 50);
    list.ExpandHeader();
    EXPECT_EQ(4, list.GetColumnWidth(2));
    EXPECT_EQ(4, list.GetColumnWidth(1));
    // Column 0 gets what is left beside the two 4-pixel columns.
    EXPECT_EQ(client.Width() - 2 - 8, list.GetColumnWidth(0));

    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(7, LVIS_SELECTED, LVIS_SELECTED);
    list.SelectItem(55);
    EXPECT_EQ(1u, list.GetSelectedCount());
    EXPECT_EQ(55, list.GetNextItem(-1, LVNI_SELECTED | LVNI_FOCUSED));
    EXPECT_LE(list.GetTopIndex(), 55);
    EXPECT_GE(list.GetTopIndex() + list.GetCountPerPage(), 56);
    list.DeselectAll();
    EXPECT_EQ(0u, list.GetSelectedCount());
}

} // namespace
