// Measuring and sizing on a real grid window: text and cell extents, rows and columns sized to their
// contents.
#include "geo.h"

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

} // namespace

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
                              L"0123456789,.;:-+*/",
                              L"caf\u00e9 na\u00efve \u00c5ngstr\u00f6m \u00df\u00e6\u00f8",
                              L"AVAWAy To Ta LT",
                              L"tab\there",
                              L"\u4e2d\u6587 text",
                              L"e\u0301 combining",
                              L"\u05e9\u05dc\u05d5\u05dd",
                              L"\u2014 dash \u20ac euro \u2122",
                              L"The quick brown fox jumps over the lazy dog"};
    struct
    {
        const wchar_t* face;
        int height, weight;
        BYTE italic;
    } fonts[] = {{L"Tahoma", -11, FW_NORMAL, 0},
                 {L"Tahoma", -27, FW_BOLD, 1},
                 {L"Courier New", -12, FW_NORMAL, 0},
                 {L"Times New Roman", -17, FW_NORMAL, 0}};
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
        CClientDC dc(m_pGrid.get());
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
    Make(3, 3, 1, 1, 20, 60, 400, 300, nullptr, WS_CHILD | WS_VISIBLE);
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

    CSize heading = Measure(Grid(), lf, L"Heading", true);
    CSize longer = Measure(Grid(), lf, L"a much longer text", false);

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
}
