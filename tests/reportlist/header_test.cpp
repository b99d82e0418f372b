// The header's sort marks and their drawing, the bitmap strip, the progress bar's percentage
// box and the list's geometry helpers, through real windows.
#include "rltest.h"

#include <memory>
#include <set>

using namespace rltest;

// A marked item's pixels: the arrow in the 3-D shadow colour points down ascending and up
// descending; with several marks, positions 1 to 3 show as many black ticks, position 4 none;
// a narrow item drops the arrow.
TEST_F(ListTest, HeaderArrowAndTicks)
{
    AddColumns(5, 70);
    CTHeaderCtrlEx& header = list.Header();
    CClientDC dc(&header);
    dc.SelectObject(CFont::FromHandle((HFONT)header.SendMessage(WM_GETFONT)));
    const int x = dc.GetTextExtent(L"X", 1).cx;
    const COLORREF shadow = ::GetSysColor(COLOR_3DSHADOW);
    struct Result
    {
        int shadowPixels = 0, widestRow = -1, narrowestRow = -1, ticks = 0;
    };
    auto measure = [&](int nColumn)
    {
        auto buf = qtest::CapturePrint(&header);
        CRect rc;
        header.GetItemRect(nColumn, &rc);
        rc.left = rc.right - 4 * x; // right of the (short) title
        Result r;
        int most = 0, fewest = INT_MAX;
        std::set<int> tickColumns;
        for (int yy = rc.top; yy < rc.bottom; ++yy)
        {
            int n = 0;
            for (int xx = rc.left; xx < rc.right; ++xx)
            {
                n += buf->GetPixel(xx, yy) == shadow;
                if (buf->GetPixel(xx, yy) == RGB(0, 0, 0))
                    tickColumns.insert(xx);
            }
            r.shadowPixels += n;
            if (n > most)
                most = n, r.widestRow = yy;
            if (n > 0 && n < fewest)
                fewest = n, r.narrowestRow = yy;
        }
        r.ticks = (int)tickColumns.size();
        return r;
    };
    EXPECT_LE(measure(0).shadowPixels, 6);
    header.SetColumnOrder(0, 1);
    Result down = measure(0);
    EXPECT_GT(down.shadowPixels, 6);
    EXPECT_LT(down.widestRow, down.narrowestRow);
    EXPECT_EQ(0, down.ticks);
    header.SetColumnOrder(0, 0);
    Result up = measure(0);
    EXPECT_GT(up.widestRow, up.narrowestRow);
    for (int c = 1; c < 4; ++c)
        header.SetColumnOrder(c, 1);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(c < 3 ? c + 1 : 0, measure(c).ticks) << "position " << c + 1;
    list.SetColumnWidth(0, 3 * x + 3);
    EXPECT_GT(measure(0).shadowPixels, 6);
    list.SetColumnWidth(0, x + 1);
    EXPECT_LE(measure(0).shadowPixels, 6);
}

// Strip geometry; green shows what is below; a narrower maximum clips; images beyond the strip
// and strips that did not load draw nothing.
TEST(ColumnBitmap, GeometryAndTransparentCopy)
{
    CTColumnBitmap bitmap(IDB_QCTL_LISTICONS, 16, 15, 2), missing(1, 16, 15, 2);
    EXPECT_EQ(CRect(48, 30, 64, 45), bitmap.GetRectImage(3));
    EXPECT_TRUE(bitmap.IsLoad() && !missing.IsLoad());
    EXPECT_EQ(0, missing.GetWidth());
    CTColumnBitmap strip(IDB_QCTL_LISTICONS, 16, 16, 0);
    qtest::CPixelBuffer buf(64, 20, RGB(255, 255, 255));
    strip.Put(1, buf.GetDC(), 0, 0, 16); // a blue square inset 3 pixels
    strip.Put(1, buf.GetDC(), 20, 0, 8);
    strip.Put(8, buf.GetDC(), 40, 0, 16);
    strip.Put(-1, buf.GetDC(), 40, 0, 16);
    missing.Put(0, buf.GetDC(), 40, 0, 16);
    EXPECT_EQ(100, buf.CountColor(CRect(0, 0, 16, 16), RGB(0, 0, 200)));
    EXPECT_EQ(50, buf.CountColor(CRect(20, 0, 40, 20), RGB(0, 0, 200)));
    EXPECT_EQ(64 * 20 - 150, buf.CountColor(CRect(0, 0, 64, 20), RGB(255, 255, 255)));
}

// The percentage box: on PBM_SETPOS up to 100 (negative too), in the middle, as tall as the text
// and 8 pixels wider, in the parent's font; none above 100 or for other messages.
TEST_F(ListTest, ProgressBox)
{
    CProgressCtrlEx bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(20, 60, 320, 90), &list, 5));
    CRect rc;
    bar.GetClientRect(&rc);
    CClientDC dc(&bar);
    dc.SelectObject(&font); // the list's font
    auto screen = [&]()
    {
        auto buf = std::make_unique<qtest::CPixelBuffer>(rc.Width(), rc.Height());
        buf->CopyFrom(dc.m_hDC, 0, 0);
        return buf;
    };
    const COLORREF black = RGB(0, 0, 0);
    for (int nPos : {42, 100, -5, 101})
    {
        SCOPED_TRACE(nPos);
        bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); // no box
        EXPECT_EQ(0, screen()->CountColor(rc, black));
        bar.SendMessage(PBM_SETPOS, (WPARAM)nPos);
        auto buf = screen();
        if (nPos > 100)
        {
            EXPECT_EQ(0, buf->CountColor(rc, black));
            continue;
        }
        CString strText;
        strText.Format(L"%d%%", nPos);
        CSize size = dc.GetTextExtent(strText);
        int x0 = (rc.Width() - size.cx) / 2, y0 = (rc.Height() - size.cy) / 2, yMid = y0 + size.cy / 2;
        EXPECT_EQ(black, buf->GetPixel(x0 - 2, yMid));
        EXPECT_EQ(black, buf->GetPixel(x0 + size.cx + 5, yMid));
        EXPECT_EQ(black, buf->GetPixel(x0, y0 + size.cy - 1));
        EXPECT_NE(black, buf->GetPixel(x0, y0 - 1));
        CRect inside(x0 - 1, y0 + 1, x0 + size.cx + 5, y0 + size.cy - 1);
        EXPECT_GT(inside.Width() * inside.Height() - buf->CountColor(inside, ::GetSysColor(COLOR_3DFACE)),
                  10);
    }
    bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    bar.SetRange(0, 200);
    bar.SetStep(10);
    bar.StepIt();
    bar.UpdateWindow();
    EXPECT_EQ(0, screen()->CountColor(rc, black));
}

// ExpandHeader fills the client width, or narrows the last columns to 4 pixels when the columns
// are wider than the list; rows are as tall as a plain list's plus the extra height.
TEST_F(ListTest, ExpandHeaderAndRowHeight)
{
    AddColumns(3, 100);
    AddRows(Table(60, {L"r", L"s", L"t"}));
    CRect client;
    list.GetClientRect(&client);
    list.ExpandHeader();
    EXPECT_EQ(client.Width() - 2 - 190, list.GetColumnWidth(2));
    list.SetColumnWidth(0, client.Width() + 50);
    list.ExpandHeader();
    EXPECT_EQ(4, list.GetColumnWidth(2));
    EXPECT_EQ(4, list.GetColumnWidth(1));
    EXPECT_EQ(client.Width() - 2 - 8, list.GetColumnWidth(0));

    CListCtrl plain;
    ASSERT_TRUE(plain.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 200), &parent, 9));
    plain.SetFont(&font);
    plain.InsertColumn(0, L"x");
    plain.InsertItem(0, L"x");
    CRect rcPlain, rcList;
    plain.GetItemRect(0, &rcPlain, LVIR_BOUNDS);
    list.GetItemRect(0, &rcList, LVIR_BOUNDS);
    EXPECT_EQ(rcPlain.Height() + 4, rcList.Height());
}
