// The sortable list control through real windows: typed sorting on header clicks against orders
// worked out here, direction toggling, unparsable cells, column dragging in the header, check-box
// state images and the selection painted over the first column, the row or the whole width.
#include <gtest/gtest.h>

#include "listtree/QListCtrlEx.h"
#include "testwin.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{

qtest::CRecordingWnd& Host()
{
    // One parent for the whole program: closing a visible top-level window is slow without a
    // window manager.
    static qtest::CRecordingWnd* pHost = nullptr;
    if (pHost == nullptr)
    {
        pHost = new qtest::CRecordingWnd;
        pHost->CreateTop(600, 400, L"sortable list");
    }
    return *pHost;
}

// A date as the user's locale writes it.
CString DateText(int y, int mo, int d, int h, int mi, int s = 0)
{
    return COleDateTime(y, mo, d, h, mi, s).Format();
}
CString TimeText(int h, int mi)
{
    return COleDateTime(1899, 12, 30, h, mi, 0).Format(VAR_TIMEVALUEONLY);
}

class SortListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 560, 300),
                                &Host(), 300));
    }
    void TearDown() override { list.DestroyWindow(); }

    void AddColumns(int nCount, int nWidth = 100)
    {
        for (int c = 0; c < nCount; c++)
        {
            CString title;
            title.Format(L"%c", L'A' + c);
            list.InsertColumn(c, title, LVCFMT_LEFT, nWidth, c);
        }
    }
    // Rows with the given texts in column c; row i carries data 1000 + i and, when c is not 0,
    // the text r<i> in column 0, so that sorting column 0 keeps the rows in their first order.
    void AddRows(int c, const std::vector<CString>& texts)
    {
        for (size_t i = 0; i < texts.size(); i++)
        {
            CString first;
            first.Format(L"r%03d", (int)i);
            int n = list.InsertItem((int)i, c == 0 ? texts[i] : first);
            list.SetItemText(n, c, texts[i]);
            list.SetItemData(n, 1000 + i);
        }
    }
    std::vector<CString> ColumnTexts(int c)
    {
        std::vector<CString> v;
        for (int i = 0; i < list.GetItemCount(); i++)
            v.push_back(list.GetItemText(i, c));
        return v;
    }
    // A left click on the header item, as the user makes it.
    void ClickHeader(int c)
    {
        CRect rc;
        ASSERT_TRUE(list.GetHeaderCtrl()->GetItemRect(c, &rc));
        qtest::SendClick(list.GetHeaderCtrl()->GetSafeHwnd(), rc.CenterPoint());
    }
    void SetTypes(std::vector<BYTE> types)
    {
        ASSERT_TRUE(list.SetColumnTypes(types.data(), (UINT)types.size()));
    }

    CQListCtrlEx list;
};

std::vector<CString> Reversed(std::vector<CString> v)
{
    std::reverse(v.begin(), v.end());
    return v;
}

} // namespace

// Each type orders its texts its own way: ordinal text, text without case, whole numbers (texts
// that are no number count as 0, extremes do not overflow), decimals, dates (before the date origin
// the time of day counts forward) and times of day counted from a base time. A first click sorts
// ascending, a second descending; the rows keep their data values.
TEST_F(SortListTest, TypedColumnsSortByTheirValues)
{
    struct Case
    {
        BYTE type;
        std::vector<CString> texts, ascending;
    };
    const Case cases[] = {
        {0, {L"b", L"a", L"B", L"10", L"9"}, {L"10", L"9", L"B", L"a", L"b"}},
        {1, {L"b", L"A", L"c", L"B2"}, {L"A", L"b", L"B2", L"c"}},
        {2,
         {L"10", L"-2000000000", L"9", L"-3", L"x", L"2147483647", L"2000000000", L"-2147483647"},
         {L"-2147483647", L"-2000000000", L"-3", L"x", L"9", L"10", L"2000000000", L"2147483647"}},
        {5, {L"2.5", L"1e1", L"-0.5", L"abc", L"3"}, {L"-0.5", L"abc", L"2.5", L"3", L"1e1"}},
        {3,
         {DateText(2026, 3, 14, 8, 0), DateText(1899, 12, 29, 6, 0), DateText(2025, 12, 31, 23, 59),
          DateText(1899, 12, 29, 0, 0), DateText(1800, 1, 1, 12, 0)},
         {DateText(1800, 1, 1, 12, 0), DateText(1899, 12, 29, 0, 0), DateText(1899, 12, 29, 6, 0),
          DateText(2025, 12, 31, 23, 59), DateText(2026, 3, 14, 8, 0)}},
        {6,
         {TimeText(7, 30), TimeText(9, 0), TimeText(23, 0)},
         {TimeText(9, 0), TimeText(23, 0), TimeText(7, 30)}},
    };
    ASSERT_TRUE(list.SetBaseTime(TimeText(8, 0)));
    ASSERT_FALSE(list.SetBaseTime(L"no time")) << "a text that does not parse keeps the base time";
    list.EnableSort(true);
    AddColumns(3);
    for (const Case& tc : cases)
    {
        SCOPED_TRACE(testing::Message() << "column type " << (int)tc.type);
        list.DeleteAllItems();
        SetTypes({0, tc.type, 0});
        AddRows(1, tc.texts);
        ClickHeader(0); // another column first, so that column 1 starts ascending
        ClickHeader(1);
        EXPECT_EQ(tc.ascending, ColumnTexts(1));
        for (int i = 0; i < list.GetItemCount(); i++)
            EXPECT_EQ(list.GetItemText(i, 1), tc.texts[list.GetItemData(i) - 1000]) << "row " << i;
        ClickHeader(1);
        EXPECT_EQ(Reversed(tc.ascending), ColumnTexts(1));
    }
}

// Clicks that do not sort: before sorting is enabled, with the right button, after it is
// disabled.
TEST_F(SortListTest, ClicksThatDoNotSort)
{
    AddColumns(1);
    AddRows(0, {L"b", L"c", L"a"});
    ClickHeader(0);
    EXPECT_EQ((std::vector<CString>{L"b", L"c", L"a"}), ColumnTexts(0)) << "off after construction";
    EXPECT_FALSE(list.EnableSort(true));
    NMHEADER nmh = {{list.GetHeaderCtrl()->GetSafeHwnd(), 0, HDN_ITEMCLICKW}, 0, 1, NULL};
    list.SendMessage(WM_NOTIFY, 0, (LPARAM)&nmh);
    EXPECT_EQ((std::vector<CString>{L"b", L"c", L"a"}), ColumnTexts(0)) << "right button";
    EXPECT_TRUE(list.EnableSort(false));
    ClickHeader(0);
    EXPECT_EQ((std::vector<CString>{L"b", L"c", L"a"}), ColumnTexts(0)) << "sorting off";
}

// Cells that compare equal keep their places: date cells that do not parse and the type that
// compares nothing. A table with a type above 6 is refused and leaves no table: numbers then sort
// as text.
TEST_F(SortListTest, UnparsableCellsAndRefusedTypeTables)
{
    AddColumns(2);
    list.EnableSort(true);
    struct Case
    {
        BYTE type;
        std::vector<CString> texts;
    };
    const Case cases[] = {
        {3, {DateText(2026, 1, 2, 0, 0), L"32.13.2026"}},
        {3, {L"not a date", DateText(2020, 1, 2, 3, 4)}},
        {6, {L"", TimeText(12, 0)}},
        {4, {L"b", L"a"}},
    };
    for (const Case& tc : cases)
    {
        SCOPED_TRACE(testing::Message() << "type " << (int)tc.type << ", first " << (LPCTSTR)tc.texts[0]);
        list.DeleteAllItems();
        SetTypes({0, tc.type});
        AddRows(1, tc.texts);
        ClickHeader(0);
        ClickHeader(1);
        EXPECT_EQ(tc.texts, ColumnTexts(1)) << "ascending";
        ClickHeader(1);
        EXPECT_EQ(tc.texts, ColumnTexts(1)) << "descending";
    }

    list.DeleteAllItems();
    SetTypes({2, 2});
    BYTE bad[] = {2, 7};
    EXPECT_FALSE(list.SetColumnTypes(bad, 2));
    AddRows(0, {L"9", L"10"});
    ClickHeader(1);
    ClickHeader(0);
    EXPECT_EQ((std::vector<CString>{L"10", L"9"}), ColumnTexts(0));
}

// Dragging a header item moves its column, header and cells, to stand before the item it is
// dropped on; dropping on itself or on its right neighbour changes nothing.
TEST_F(SortListTest, HeaderDragMovesColumns)
{
    struct Case
    {
        int source;
        int dropColumn; // the drop lands in the left quarter of this column; 4: right of the last
        const wchar_t* order;
    };
    EXPECT_FALSE(list.EnableHeaderDrag(true)) << "off after construction";
    const Case cases[] = {
        {2, 0, L"CABD"}, {0, 2, L"BACD"}, {1, 2, L"ABCD"}, {1, 1, L"ABCD"},
        {0, 4, L"BCDA"}, {3, 1, L"ADBC"}, {3, 0, L"DABC"},
    };
    for (const Case& tc : cases)
    {
        SCOPED_TRACE(testing::Message() << "column " << tc.source << " onto " << tc.dropColumn);
        list.DestroyWindow();
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 560, 300), &Host(), 300));
        AddColumns(4, 80);
        for (int r = 0; r < 3; r++)
        {
            list.InsertItem(r, CString(L"A") + (wchar_t)(L'0' + r));
            for (int c = 1; c < 4; c++)
                list.SetItemText(r, c, CString((wchar_t)(L'A' + c)) + (wchar_t)(L'0' + r));
        }
        list.EnableHeaderDrag(true);
        HWND hHeader = list.GetHeaderCtrl()->GetSafeHwnd();
        CRect rc;
        list.GetHeaderCtrl()->GetItemRect(tc.source, &rc);
        CPoint down = rc.CenterPoint();
        CPoint drop(tc.dropColumn * 80 + 20, down.y);
        ::SendMessageW(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
        ::SendMessageW(hHeader, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(down.x + 3, down.y));
        ::SendMessageW(hHeader, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(drop.x, drop.y));
        ::SendMessageW(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
        EXPECT_NE(hHeader, ::GetCapture());

        ASSERT_EQ(4, list.GetHeaderCtrl()->GetItemCount());
        for (int c = 0; c < 4; c++)
        {
            wchar_t title[16] = {};
            LVCOLUMN lvc = {};
            lvc.mask = LVCF_TEXT | LVCF_WIDTH;
            lvc.pszText = title;
            lvc.cchTextMax = 16;
            ASSERT_TRUE(list.GetColumn(c, &lvc));
            EXPECT_EQ(tc.order[c], title[0]) << "title of column " << c;
            EXPECT_EQ(80, lvc.cx);
            for (int r = 0; r < 3; r++)
                EXPECT_EQ(CString(tc.order[c]) + (wchar_t)(L'0' + r), list.GetItemText(r, c))
                    << "row " << r << ", column " << c;
        }
    }
    list.EnableHeaderDrag(false);
}

// A click on an item's state image switches image 1 to 2 and any other to 1; a click on the text
// changes nothing.
TEST_F(SortListTest, StateImageClickTogglesCheckBox)
{
    CImageList states;
    ASSERT_TRUE(states.Create(16, 16, ILC_COLOR32, 3, 0));
    for (int i = 0; i < 3; i++)
    {
        CBitmap bmp;
        CClientDC dc(&Host());
        bmp.CreateCompatibleBitmap(&dc, 16, 16);
        states.Add(&bmp, (CBitmap*)NULL);
    }
    AddColumns(2, 150);
    list.SetImageList(&states, LVSIL_STATE);
    const UINT initial[] = {1, 2, 3, 1};
    for (int i = 0; i < 4; i++)
    {
        list.InsertItem(i, L"item");
        list.SetItemState(i, INDEXTOSTATEIMAGEMASK(initial[i]), LVIS_STATEIMAGEMASK);
    }
    // The state image's place: the first point of the row that the list's hit test puts on it.
    CRect rcRow;
    ASSERT_TRUE(list.GetItemRect(0, rcRow, LVIR_BOUNDS));
    int xState = -1;
    for (int x = rcRow.left; x < rcRow.left + 40 && xState < 0; x++)
    {
        LVHITTESTINFO hti = {};
        hti.pt = CPoint(x, rcRow.CenterPoint().y);
        if (list.HitTest(&hti) == 0 && (hti.flags & LVHT_ONITEMSTATEICON))
            xState = x + 2;
    }
    ASSERT_GE(xState, 0) << "no state image in the row";
    const UINT expected[] = {2, 1, 1, 2};
    for (int i = 0; i < 4; i++)
    {
        CRect rc;
        list.GetItemRect(i, rc, LVIR_BOUNDS);
        qtest::SendClick(list.GetSafeHwnd(), CPoint(xState, rc.CenterPoint().y));
        EXPECT_EQ(INDEXTOSTATEIMAGEMASK(expected[i]), list.GetItemState(i, LVIS_STATEIMAGEMASK))
            << "item " << i;
    }
    CRect rcLabel;
    list.GetItemRect(3, rcLabel, LVIR_LABEL);
    qtest::SendClick(list.GetSafeHwnd(), rcLabel.CenterPoint());
    EXPECT_EQ(INDEXTOSTATEIMAGEMASK(2), list.GetItemState(3, LVIS_STATEIMAGEMASK));
    list.SetImageList(NULL, LVSIL_STATE);
}

// The highlight of a selected row: type 0 covers the first column's text only, type 1 the row's
// columns, type 2 the row up to the window's right edge.
TEST_F(SortListTest, HighlightCoversFirstColumnRowOrWidth)
{
    list.DestroyWindow();
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
                            CRect(0, 0, 500, 200), &Host(), 300));
    AddColumns(2, 150);
    list.InsertItem(0, L"Pump");
    list.SetItemText(0, 1, L"P-101");
    list.InsertItem(1, L"Valve");
    list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    const COLORREF hl = ::GetSysColor(COLOR_HIGHLIGHT), window = ::GetSysColor(COLOR_WINDOW);

    CRect rcRow, rcLabel;
    ASSERT_TRUE(list.GetItemRect(0, rcRow, LVIR_BOUNDS));
    ASSERT_TRUE(list.GetItemRect(0, rcLabel, LVIR_LABEL));
    CClientDC dc(&list);
    CFont* pOld = dc.SelectObject(list.GetFont());
    int xAfterText = rcLabel.left + dc.GetTextExtent(L"Pump  ").cx + 8; // right of the text's highlight
    dc.SelectObject(pOld);
    ASSERT_LT(xAfterText, 140);
    const int y = rcRow.top + 2;
    struct Case
    {
        int type;
        bool afterText, column1, beyond;
    };
    const Case cases[] = {{0, false, false, false}, {1, true, true, false}, {2, true, true, true}};
    for (const Case& tc : cases)
    {
        SCOPED_TRACE(testing::Message() << "highlight type " << tc.type);
        list.SetHighlightType(tc.type);
        auto buf = qtest::CaptureClient(&list);
        EXPECT_EQ(hl, buf->GetPixel(rcLabel.left + 1, y)) << "start of the first column";
        EXPECT_EQ(tc.afterText ? hl : window, buf->GetPixel(xAfterText, y));
        EXPECT_EQ(tc.column1 ? hl : window, buf->GetPixel(295, y)) << "second column";
        EXPECT_EQ(tc.beyond ? hl : window, buf->GetPixel(400, y)) << "right of the columns";
        EXPECT_EQ(window, buf->GetPixel(400, rcRow.bottom + 2)) << "the next row";
    }
}
