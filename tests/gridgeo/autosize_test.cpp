// Measuring and sizing on a real grid window: the margin and default sizes from the grid font, text
// and cell extents, rows and columns sized to their contents, stretched to the window, and the
// desktop settings the grid follows.
#include "geotest.h"

#include <afxcmn.h>

namespace
{
// The text size in the font of the description, semi-bold on request, on the grid's own DC.
CSize Measure(HWND hWnd, LOGFONTW lf, const wchar_t* text, bool bBold)
{
    if (bBold)
        lf.lfWeight = 600;
    HDC hDC = ::GetDC(hWnd);
    HFONT hFont = ::CreateFontIndirectW(&lf);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(hDC, text, (int)wcslen(text), &size);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(hWnd, hDC);
    return CSize(size.cx, size.cy);
}

// Sets the registry value of the wheel setting (NULL removes it) and has the grid read it again.
void SetWheelSetting(HWND hGrid, const wchar_t* value)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, NULL, 0,
                                               KEY_ALL_ACCESS, NULL, &hKey, NULL));
    if (value)
        ::RegSetValueExW(hKey, L"WheelScrollLines", 0, REG_SZ, (const BYTE*)value,
                         (DWORD)((wcslen(value) + 1) * sizeof(wchar_t)));
    else
        ::RegDeleteValueW(hKey, L"WheelScrollLines");
    ::RegCloseKey(hKey);
    ::SendMessageW(hGrid, WM_SETTINGCHANGE, 0, 0);
}
} // namespace

TEST_F(GridWindow, FontGivesTheMarginAndTheDefaultSizes)
{
    LOGFONTW lf;
    memset(&lf, 0, sizeof(lf));
    lf.lfHeight = -20;
    wcscpy(lf.lfFaceName, L"Tahoma");
    HFONT hFont = ::CreateFontIndirectW(&lf);
    ::SendMessageW(Grid(), WM_SETFONT, (WPARAM)hFont, TRUE);

    // expected from the same font on the grid's DC
    HDC hDC = ::GetDC(Grid());
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    TEXTMETRICW tm;
    ::GetTextMetricsW(hDC, &tm);
    SIZE space;
    ::GetTextExtentPoint32W(hDC, L" ", 1, &space);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(Grid(), hDC);

    EXPECT_EQ(space.cx, m_pGrid->Margin());
    EXPECT_EQ(tm.tmHeight + tm.tmExternalLeading + 2 * space.cx, m_pGrid->DefaultRowHeight());
    EXPECT_EQ(2 * (space.cx + 6 * tm.tmAveCharWidth), m_pGrid->DefaultColumnWidth());
    EXPECT_EQ(-20, m_pGrid->FontDescription().lfHeight);
    EXPECT_EQ(-20, m_pGrid->GetItemFont(5, 5)->lfHeight); // every cell takes it
    EXPECT_EQ(20, m_pGrid->GetRowHeight(5));              // existing sizes stay
    // the grid answers its own font, not the one it was given
    HFONT hGridFont = (HFONT)::SendMessageW(Grid(), WM_GETFONT, 0, 0);
    EXPECT_EQ(m_pGrid->GridFont(), hGridFont);
    LOGFONTW got;
    ASSERT_EQ((int)sizeof(got), ::GetObjectW(hGridFont, sizeof(got), &got));
    EXPECT_EQ(-20, got.lfHeight);
    ::DeleteObject(hFont);

    // a new row takes the default height; text extents carry one margin on each side
    m_pGrid->SetRowCount(21);
    EXPECT_EQ(m_pGrid->DefaultRowHeight(), m_pGrid->GetRowHeight(20));
    CSize text = Measure(Grid(), lf, L"Extent", false);
    EXPECT_EQ(CSize(text.cx + 2 * space.cx, text.cy + 2 * space.cx),
              m_pGrid->GetTextExtent(L"Extent", FALSE));
    CSize bold = Measure(Grid(), lf, L"Extent", true);
    EXPECT_EQ(CSize(bold.cx + 2 * space.cx, bold.cy + 2 * space.cx), m_pGrid->GetTextExtent(L"Extent"));
    EXPECT_EQ(2 * space.cx, m_pGrid->GetTextExtent(NULL, FALSE).cx);
    // inserted rows and columns take the extent of their heading
    EXPECT_EQ(bold.cy + 2 * space.cx, m_pGrid->GetRowHeight(m_pGrid->InsertRow(L"Extent", -1)));
    EXPECT_EQ(bold.cx + 2 * space.cx, m_pGrid->GetColumnWidth(m_pGrid->InsertColumn(L"Extent", DT_LEFT, 2)));
}

// Texts are measured through cached character widths where these give the platform's extent, and
// by the platform elsewhere: over a corpus of texts and fonts, both measuring calls of the grid
// must equal the platform's own extent of the same text in the same font.
TEST_F(GridWindow, TextExtentsEqualThePlatformsOverACorpusOfFontsAndTexts)
{
    const wchar_t* texts[] = {L"",
                              L" ",
                              L"x",
                              L"Extent",
                              L"7919003 D",
                              L"  two  spaces  ",
                              L"WWWWiiiiMMMM1111",
                              L"0123456789,.;:-+*/",
                              L"caf\u00e9 na\u00efve \u00c5ngstr\u00f6m \u00df\u00e6\u00f8",
                              L"\u0141\u00f3d\u017a \u0160koda \u0218",
                              L"AVAWAy To Ta LT",
                              L"tab\there",
                              L"\u4e2d\u6587 text",
                              L"e\u0301 combining",
                              L"\u05e9\u05dc\u05d5\u05dd",
                              L"\x7f del and \x1f unit",
                              L"\u2014 dash \u20ac euro \u2122",
                              L"The quick brown fox jumps over the lazy dog"};
    struct
    {
        const wchar_t* face;
        int height, weight;
        BYTE italic;
    } fonts[] = {{L"Tahoma", -11, FW_NORMAL, 0}, {L"Tahoma", -13, 600, 0},
                 {L"Tahoma", -27, FW_BOLD, 1},   {L"Courier New", -12, FW_NORMAL, 0},
                 {L"Arial", -9, FW_NORMAL, 1},   {L"Times New Roman", -17, FW_NORMAL, 0}};
    m_pGrid->SetRowCount(2);
    m_pGrid->SetColumnCount(2);
    for (const auto& f : fonts)
    {
        LOGFONTW lf;
        memset(&lf, 0, sizeof(lf));
        lf.lfHeight = f.height;
        lf.lfWeight = f.weight;
        lf.lfItalic = f.italic;
        wcscpy(lf.lfFaceName, f.face);
        HFONT hFont = ::CreateFontIndirectW(&lf);
        ::SendMessageW(Grid(), WM_SETFONT, (WPARAM)hFont, TRUE);
        const int margin = m_pGrid->Margin();
        CClientDC dc(m_pGrid);
        for (size_t i = 0; i < sizeof(texts) / sizeof(texts[0]); i++)
        {
            const wchar_t* text = texts[i];
            SCOPED_TRACE(::testing::Message() << "font height " << f.height << ", text #" << i);
            CSize plain = Measure(Grid(), lf, text, false), bold = Measure(Grid(), lf, text, true);
            EXPECT_EQ(CSize(plain.cx + 2 * margin, plain.cy + 2 * margin),
                      m_pGrid->GetTextExtent(text, FALSE));
            EXPECT_EQ(CSize(bold.cx + 2 * margin, bold.cy + 2 * margin), m_pGrid->GetTextExtent(text));
            // a cell measures in its own font, semi-bold in a fixed cell
            m_pGrid->SetItemText(1, 1, text);
            EXPECT_EQ(CSize(plain.cx + 4 * margin, plain.cy + 2 * margin), m_pGrid->GetCellExtent(1, 1, &dc));
            m_pGrid->SetItemText(0, 1, text);
            EXPECT_EQ(CSize(bold.cx + 4 * margin, bold.cy + 2 * margin), m_pGrid->GetCellExtent(0, 1, &dc));
        }
        ::DeleteObject(hFont);
    }
}

TEST_F(GridWindow, AutoSizeTakesTheLargestCellExtentOfEachRowAndColumn)
{
    Rebuild(3, 3, 1, 1, 20, 60);
    const LOGFONTW lf = m_pGrid->FontDescription();
    const int m = m_pGrid->Margin();
    ASSERT_GT(m, 0);
    m_pGrid->SetItemText(0, 1, L"Heading");
    m_pGrid->SetItemText(1, 1, L"a much longer text");
    m_pGrid->SetItemText(2, 2, L"mid");
    m_pGrid->SetItemText(1, 0, L"Row");
    LOGFONTW big = lf;
    big.lfHeight = lf.lfHeight * 2;
    m_pGrid->SetItemFont(2, 2, &big);

    CDC* pDC = m_pGrid->GetDC();
    // a fixed cell measures semi-bold; width has two margins a side, height one
    CSize heading = Measure(Grid(), lf, L"Heading", true);
    EXPECT_EQ(CSize(heading.cx + 4 * m, heading.cy + 2 * m), m_pGrid->GetCellExtent(0, 1, pDC));
    CSize longer = Measure(Grid(), lf, L"a much longer text", false);
    EXPECT_EQ(CSize(longer.cx + 4 * m, longer.cy + 2 * m), m_pGrid->GetCellExtent(1, 1, pDC));

    // an image widens the cell by its rectangle's right - left + 1 and heightens it to bottom - top + 1
    // (the image rectangle's far edges are exclusive, so that is one pixel more than the image)
    CImageList images;
    ASSERT_TRUE(images.Create(16, 40, ILC_COLOR32, 1, 1));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.Attach(::CreateBitmap(16, 40, 1, 32, NULL)));
    ASSERT_NE(-1, images.Add(&bitmap, (CBitmap*)NULL));
    m_pGrid->SetImageList(&images);
    m_pGrid->SetItemImage(1, 1, 0);
    CSize withImage = m_pGrid->GetCellExtent(1, 1, pDC);
    EXPECT_EQ(longer.cx + 4 * m + 17, withImage.cx);
    EXPECT_EQ(std::max<int>(longer.cy + 2 * m, 41), withImage.cy);
    m_pGrid->SetItemImage(1, 1, 7); // no such image: text only
    EXPECT_EQ(CSize(longer.cx + 4 * m, longer.cy + 2 * m), m_pGrid->GetCellExtent(1, 1, pDC));
    m_pGrid->SetItemImage(1, 1, -1);
    m_pGrid->SetImageList(NULL);
    m_pGrid->ReleaseDC(pDC);

    // one column: the widest cell; no repaint, the bars follow
    ::ValidateRect(Grid(), NULL);
    EXPECT_TRUE(m_pGrid->AutoSizeColumn(1));
    EXPECT_EQ(longer.cx + 4 * m, m_pGrid->GetColumnWidth(1));
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
    EXPECT_FALSE(m_pGrid->AutoSizeColumn(3));
    EXPECT_FALSE(m_pGrid->AutoSizeRow(-1));
    // one row: the tallest cell (the big font in (2, 2))
    CSize mid = Measure(Grid(), big, L"mid", false);
    EXPECT_TRUE(m_pGrid->AutoSizeRow(2));
    EXPECT_EQ(mid.cy + 2 * m, m_pGrid->GetRowHeight(2));

    // everything: empty cells still get their margins, then the whole client area is repainted
    m_pGrid->AutoSize();
    CSize row = Measure(Grid(), lf, L"Row", true);
    EXPECT_EQ(row.cx + 4 * m, m_pGrid->GetColumnWidth(0));
    EXPECT_EQ(longer.cx + 4 * m, m_pGrid->GetColumnWidth(1));
    EXPECT_EQ(mid.cx + 4 * m, m_pGrid->GetColumnWidth(2));
    EXPECT_EQ(heading.cy + 2 * m, m_pGrid->GetRowHeight(0));
    EXPECT_EQ(std::max(longer.cy, row.cy) + 2 * m, m_pGrid->GetRowHeight(1));
    EXPECT_EQ(mid.cy + 2 * m, m_pGrid->GetRowHeight(2));
    EXPECT_TRUE(UpdateRegionIs(Grid(), Client()));

    // the loops over all rows and columns
    m_pGrid->SetColumnWidth(1, 5);
    m_pGrid->SetRowHeight(1, 5);
    m_pGrid->AutoSizeColumns();
    m_pGrid->AutoSizeRows();
    EXPECT_EQ(longer.cx + 4 * m, m_pGrid->GetColumnWidth(1));
    EXPECT_EQ(std::max(longer.cy, row.cy) + 2 * m, m_pGrid->GetRowHeight(1));

    // a grid without rows: columns of width 0
    Rebuild(0, 0, 0, 0, 20, 60);
    m_pGrid->SetColumnCount(2);
    EXPECT_EQ(0, m_pGrid->GetRowCount());
    EXPECT_TRUE(m_pGrid->AutoSizeColumn(1));
    EXPECT_EQ(0, m_pGrid->GetColumnWidth(1));
}

TEST_F(GridWindow, ExpandToFitSpreadsTheDifferenceFromTheFirstColumn)
{
    // four columns of 100 in a client 500 wide: 25 more each
    Rebuild(2, 4, 0, 0, 20, 100, 500, 200);
    ASSERT_EQ(500, Client().Width());
    m_pGrid->ExpandColumnsToFit();
    for (int col = 0; col < 4; col++)
        EXPECT_EQ(125, m_pGrid->GetColumnWidth(col));
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect(0, 0, 500, 200)));

    // three of 100 in 298: each loses 0, then the first two one more
    Rebuild(2, 3, 0, 0, 20, 100, 298, 200);
    ASSERT_EQ(298, Client().Width());
    m_pGrid->ExpandColumnsToFit();
    EXPECT_EQ(99, m_pGrid->GetColumnWidth(0));
    EXPECT_EQ(99, m_pGrid->GetColumnWidth(1));
    EXPECT_EQ(100, m_pGrid->GetColumnWidth(2));

    // three of 100 in 305: 1 each, then the first two one more
    Rebuild(2, 3, 0, 0, 20, 100, 305, 200);
    m_pGrid->ExpandColumnsToFit();
    EXPECT_EQ(102, m_pGrid->GetColumnWidth(0));
    EXPECT_EQ(102, m_pGrid->GetColumnWidth(1));
    EXPECT_EQ(101, m_pGrid->GetColumnWidth(2));
    EXPECT_EQ(305, m_pGrid->GetVirtualWidth());

    // rows the same with the client height; ExpandToFit does columns, rows, columns
    Rebuild(3, 2, 1, 0, 20, 100, 200, 100);
    m_pGrid->ExpandToFit();
    EXPECT_EQ(34, m_pGrid->GetRowHeight(0));
    EXPECT_EQ(33, m_pGrid->GetRowHeight(1));
    EXPECT_EQ(33, m_pGrid->GetRowHeight(2));
    EXPECT_EQ(100, m_pGrid->GetColumnWidth(1));
    EXPECT_EQ(100, m_pGrid->GetVirtualHeight());

    // drawing off: sizes change, nothing is repainted; no columns: nothing at all
    m_pGrid->SetColumnWidth(0, 10);
    ::ValidateRect(Grid(), NULL);
    m_pGrid->SetRedraw(FALSE);
    m_pGrid->ExpandColumnsToFit(); // 90 more: 45 each
    EXPECT_EQ(55, m_pGrid->GetColumnWidth(0));
    EXPECT_EQ(145, m_pGrid->GetColumnWidth(1));
    EXPECT_TRUE(UpdateRegionIs(Grid(), CRect()));
    m_pGrid->SetRedraw(TRUE);
    Rebuild(0, 0, 0, 0, 20, 100);
    m_pGrid->ExpandToFit();
    EXPECT_EQ(0, m_pGrid->GetVirtualWidth());
}

TEST_F(GridWindow, SettingChangesFollowTheSystemColoursAndTheWheelSetting)
{
    // (left removed at the end, which reads as the default of 3)
    SetWheelSetting(Grid(), L"7");
    EXPECT_EQ(7u, m_pGrid->RowsPerWheelNotch());
    SetWheelSetting(Grid(), L"4294967295"); // by pages
    EXPECT_EQ(0xFFFFFFFFu, m_pGrid->RowsPerWheelNotch());
    SetWheelSetting(Grid(), L"x");
    EXPECT_EQ(0u, m_pGrid->RowsPerWheelNotch());
    SetWheelSetting(Grid(), NULL);
    EXPECT_EQ(3u, m_pGrid->RowsPerWheelNotch());

    // colours still equal to the system colour they came from follow; others stay
    const COLORREF old = RGB(1, 2, 3);
    m_pGrid->ForgetSystemColours(old);
    m_pGrid->SetTextColor(old);
    m_pGrid->SetTextBkColor(old);
    m_pGrid->SetBkColor(RGB(9, 9, 9));
    m_pGrid->SetFixedTextColor(old);
    m_pGrid->SetFixedBkColor(old);
    ::SendMessageW(Grid(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), m_pGrid->GetTextColor());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), m_pGrid->GetTextBkColor());
    EXPECT_EQ(RGB(9, 9, 9), m_pGrid->GetBkColor());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), m_pGrid->GetFixedTextColor());
    EXPECT_EQ(::GetSysColor(COLOR_3DFACE), m_pGrid->GetFixedBkColor());
    // the stored system colours are the current ones now: a caller's colour is kept
    m_pGrid->SetTextColor(old);
    ::SendMessageW(Grid(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(old, m_pGrid->GetTextColor());
}
