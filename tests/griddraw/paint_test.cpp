// Painting, read back pixel by pixel: the background areas, the selection highlight, grid lines and
// the headers in line with the focus cell.
#include "draw.h"

namespace
{
// Pixels of clr inside the cell's rectangle less its one-pixel edges.
int InkInCell(qtest::CPixelBuffer& buf, const CRect& cell, COLORREF clr)
{
    return buf.CountColor(CRect(cell.left + 1, cell.top + 1, cell.right, cell.bottom), clr);
}

// Every listed pixel has its colour.
struct Px
{
    int x, y;
    COLORREF clr;
};
::testing::AssertionResult Pixels(const qtest::CPixelBuffer& buf, std::initializer_list<Px> pixels)
{
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    for (const Px& p : pixels)
        if (buf.GetPixel(p.x, p.y) != p.clr)
        {
            if (result)
                result = ::testing::AssertionFailure();
            result << "pixel (" << p.x << ", " << p.y << ") is " << std::hex << buf.GetPixel(p.x, p.y)
                   << " instead of " << p.clr << std::dec << "; ";
        }
    return result;
}
const COLORREF kBlack = RGB(0, 0, 0);
} // namespace

// The five background areas: fixed bands, the cell area, the margins right of and below the cells.
TEST_F(GridDrawTest, BackgroundAreasAroundTheCells)
{
    auto buf = Draw();
    EXPECT_EQ(0, buf->CountColor(CRect(0, 0, kCx, kCy), kSentinel)) << "every pixel of the client is painted";
    EXPECT_TRUE(Pixels(*buf, {
                                 {60, 30, kTextBk},
                                 {140, 90, kTextBk}, // cells (1, 1) and (4, 3)
                                 {20, 30, kFixedBk},
                                 {100, 10, kFixedBk},
                                 {20, 10, kFixedBk}, // fixed column, fixed row, corner
                                 {160, 10, kBack},
                                 {299, 199, kBack}, // right margin from top to bottom
                                 {20, 100, kBack},
                                 {159, 150, kBack}, // bottom margin
                             }));
    EXPECT_EQ(140 * 200, buf->CountColor(CRect(160, 0, kCx, kCy), kBack));

    // rows running past the window reach the client's bottom: no bottom margin is left
    MakeGrid(30, 4, 1, 1);
    buf = Draw();
    EXPECT_EQ(0, buf->CountColor(CRect(0, 0, kCx, kCy), kSentinel));
    // the line under the last visible row
    EXPECT_TRUE(
        Pixels(*buf, {{60, 198, kTextBk}, {60, 199, kGridLine}, {20, 190, kFixedBk}, {200, 199, kBack}}));
    EXPECT_EQ(0, buf->CountColor(CRect(0, 100, 160, kCy), kBack));
}

// A selected cell is filled with the highlight colour, whatever its own colour, and its text takes
// the highlight-text colour; on a printing DC it shows its own colours.
TEST_F(GridDrawTest, SelectedCellsAreHighlightedExceptWhenPrinting)
{
    LOGFONTW lf = SharpFont();
    m_pGrid->SetItemFont(2, 2, &lf);
    m_pGrid->SetItemText(2, 2, L"ll");
    m_pGrid->SetItemBkColour(2, 3, RGB(0, 128, 0));
    m_pGrid->SetSelectedRange(2, 2, 2, 3);

    auto buf = Draw();
    // grid lines are drawn over the highlight
    EXPECT_TRUE(Pixels(*buf, {{115, 55, ::GetSysColor(COLOR_HIGHLIGHT)},
                              {155, 55, ::GetSysColor(COLOR_HIGHLIGHT)},
                              {119, 50, kGridLine},
                              {115, 35, kTextBk}}));
    EXPECT_GT(InkInCell(*buf, CellRect(2, 2), ::GetSysColor(COLOR_HIGHLIGHTTEXT)), 0);
    EXPECT_EQ(0, InkInCell(*buf, CellRect(2, 2), kText));

    auto printed = Draw(TRUE);
    EXPECT_TRUE(Pixels(*printed, {{115, 55, kTextBk}, {155, 55, RGB(0, 128, 0)}}));
    EXPECT_GT(InkInCell(*printed, CellRect(2, 2), kText), 0);
    EXPECT_EQ(0, printed->CountColor(CRect(0, 0, kCx, kCy), ::GetSysColor(COLOR_HIGHLIGHT)));
}

// Lines between the ordinary cells only, one pixel left of and above each cell's end, as far as the
// visible cells reach.
TEST_F(GridDrawTest, GridLinesForEachSetting)
{
    struct
    {
        int nSetting;
        bool bVert, bHorz;
    } cases[] = {
        {GVL_NONE, false, false}, {GVL_HORZ, false, true}, {GVL_VERT, true, false}, {GVL_BOTH, true, true}};
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.nSetting);
        m_pGrid->SetGridLines(c.nSetting);
        auto buf = Draw();
        const COLORREF vert = c.bVert ? kGridLine : kTextBk, horz = c.bHorz ? kGridLine : kTextBk;
        // not into the fixed cells nor past the visible cells
        EXPECT_TRUE(Pixels(*buf, {{79, 30, vert},
                                  {159, 95, vert},
                                  {60, 39, horz},
                                  {150, 99, horz},
                                  {80, 30, kTextBk},
                                  {60, 40, kTextBk},
                                  {79, 100, kBack},
                                  {160, 39, kBack}}));
        EXPECT_NE(kGridLine, buf->GetPixel(79, 10));
        EXPECT_NE(kGridLine, buf->GetPixel(20, 39));
        if (!c.bVert && !c.bHorz)
        {
            EXPECT_EQ(0, buf->CountColor(CRect(0, 0, kCx, kCy), kGridLine));
        }
    }
}

// Fixed cells have a flat 3-D frame; those in the focus cell's row and column are raised and drawn
// in the semi-bold font.
TEST_F(GridDrawTest, FixedCellsInLineWithTheFocusAreRaisedAndBold)
{
    LOGFONTW lf = SharpFont();
    for (int col = 1; col < 4; col++)
    {
        m_pGrid->SetItemFont(0, col, &lf);
        m_pGrid->SetItemText(0, col, L"ll");
    }

    auto flat = Draw(); // header (0, 1): (40, 0)-(79, 19)
    EXPECT_TRUE(Pixels(*flat, {{60, 0, ::GetSysColor(COLOR_3DHIGHLIGHT)},
                               {40, 10, ::GetSysColor(COLOR_3DHIGHLIGHT)},
                               {79, 10, ::GetSysColor(COLOR_3DDKSHADOW)},
                               {60, 19, ::GetSysColor(COLOR_3DDKSHADOW)},
                               {60, 1, kFixedBk},
                               {78, 10, kFixedBk}}));
    const int nNormalInk = InkInCell(*flat, CellRect(0, 1), kFixedText);
    EXPECT_GT(nNormalInk, 0);

    m_pGrid->SetFocusCell(3, 1);
    auto raised = Draw();
    for (CRect cell : {CellRect(0, 1), CellRect(3, 0)})
    {
        SCOPED_TRACE(testing::Message() << cell.left << "," << cell.top);
        const int xMid = (cell.left + cell.right) / 2, yMid = (cell.top + cell.bottom) / 2;
        EXPECT_TRUE(Pixels(*raised, {{xMid, cell.top + 1, ::GetSysColor(COLOR_3DHILIGHT)},
                                     {cell.right - 1, yMid, ::GetSysColor(COLOR_3DSHADOW)},
                                     {cell.right, yMid, ::GetSysColor(COLOR_3DDKSHADOW)},
                                     {xMid, cell.bottom, ::GetSysColor(COLOR_3DDKSHADOW)}}));
    }
    EXPECT_GT(InkInCell(*raised, CellRect(0, 1), kFixedText), nNormalInk) << "semi-bold";
    // the others stay flat and normal
    EXPECT_TRUE(Pixels(*raised, {{100, 1, kFixedBk}, {118, 10, kFixedBk}, {20, 41, kFixedBk}}));
    EXPECT_EQ(InkInCell(*flat, CellRect(0, 2), kFixedText), InkInCell(*raised, CellRect(0, 2), kFixedText));
}
