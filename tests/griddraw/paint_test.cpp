// Painting, read back pixel by pixel: the background areas, cell colours and their fallbacks, the
// selection highlight, the focus and drop-target frames, grid lines, the headers in line with the
// focus cell, printing, images, the clip box, and the off-screen buffer against direct drawing.
#include "drawtest.h"

#include <afxcmn.h>

namespace
{
COLORREF Sys(int nIndex)
{
    return ::GetSysColor(nIndex);
}

// Pixels of clr inside the cell's rectangle less its one-pixel edges.
int InkInCell(qtest::CPixelBuffer& buf, const CRect& cell, COLORREF clr)
{
    return buf.CountColor(CRect(cell.left + 1, cell.top + 1, cell.right, cell.bottom), clr);
}

::testing::AssertionResult SamePixels(qtest::CPixelBuffer& a, qtest::CPixelBuffer& b, const CRect& area)
{
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++)
            if (a.GetPixel(x, y) != b.GetPixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") differs: " << std::hex << a.GetPixel(x, y)
                       << " and " << b.GetPixel(x, y);
    return ::testing::AssertionSuccess();
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

    // without fixed cells there are no fixed bands; lines start from the top
    MakeGrid(3, 3, 0, 0);
    buf = Draw();
    EXPECT_EQ(0, buf->CountColor(CRect(0, 0, kCx, kCy), kFixedBk));
    EXPECT_TRUE(Pixels(
        *buf,
        {{0, 0, kTextBk}, {20, 10, kTextBk}, {39, 10, kGridLine}, {20, 19, kGridLine}, {130, 30, kBack}}));
}

// Cell colours: a cell's own background is used, else the grid's; text likewise; fixed cells take
// the fixed colours and are filled when they have a colour of their own even without erasing.
TEST_F(GridDrawTest, CellColoursAndTheirFallbacks)
{
    const COLORREF kOwnBk = RGB(0, 128, 0), kOwnText = RGB(128, 0, 128), kOwnFixedBk = RGB(0, 0, 255);
    LOGFONTW lf = SharpFont();
    for (int row = 0; row < 5; row++)
        for (int col = 0; col < 4; col++)
        {
            m_grid->SetItemFont(row, col, &lf);
            m_grid->SetItemText(row, col, L"ll");
        }
    m_grid->SetItemBkColour(1, 1, kOwnBk);
    m_grid->SetItemFgColour(2, 1, kOwnText);
    m_grid->SetItemBkColour(0, 3, kOwnFixedBk);

    auto buf = Draw();
    EXPECT_TRUE(
        Pixels(*buf, {{75, 35, kOwnBk}, {115, 35, kTextBk}, {155, 15, kOwnFixedBk}, {115, 15, kFixedBk}}));
    EXPECT_GT(InkInCell(*buf, CellRect(2, 1), kOwnText), 0);
    EXPECT_EQ(0, InkInCell(*buf, CellRect(2, 1), kText));
    EXPECT_GT(InkInCell(*buf, CellRect(2, 2), kText), 0);
    EXPECT_GT(InkInCell(*buf, CellRect(0, 2), kFixedText), 0);
    EXPECT_EQ(0, InkInCell(*buf, CellRect(0, 2), kText));

    // the grid's colours are read at drawing time
    m_grid->SetTextBkColor(RGB(250, 240, 230));
    EXPECT_TRUE(Pixels(*Draw(), {{115, 35, RGB(250, 240, 230)}, {75, 35, kOwnBk}}));
}

// A selected cell is filled with the highlight colour, whatever its own colour, and its text takes
// the highlight-text colour; on a printing DC it shows its own colours.
TEST_F(GridDrawTest, SelectedCellsAreHighlightedExceptWhenPrinting)
{
    LOGFONTW lf = SharpFont();
    m_grid->SetItemFont(2, 2, &lf);
    m_grid->SetItemText(2, 2, L"ll");
    m_grid->SetItemBkColour(2, 3, RGB(0, 128, 0));
    m_grid->SetSelectedRange(2, 2, 2, 3);

    auto buf = Draw();
    // grid lines are drawn over the highlight
    EXPECT_TRUE(Pixels(*buf, {{115, 55, Sys(COLOR_HIGHLIGHT)},
                              {155, 55, Sys(COLOR_HIGHLIGHT)},
                              {119, 50, kGridLine},
                              {115, 35, kTextBk}}));
    EXPECT_GT(InkInCell(*buf, CellRect(2, 2), Sys(COLOR_HIGHLIGHTTEXT)), 0);
    EXPECT_EQ(0, InkInCell(*buf, CellRect(2, 2), kText));

    auto printed = Draw(TRUE);
    EXPECT_TRUE(Pixels(*printed, {{115, 55, kTextBk}, {155, 55, RGB(0, 128, 0)}}));
    EXPECT_GT(InkInCell(*printed, CellRect(2, 2), kText), 0);
    EXPECT_EQ(0, printed->CountColor(CRect(0, 0, kCx, kCy), Sys(COLOR_HIGHLIGHT)));
}

// The focus cell keeps its colours inside a black frame one pixel inside its grid lines; printing
// shows no frame. A drop-target cell gets the same frame.
TEST_F(GridDrawTest, FocusAndDropTargetFrames)
{
    m_grid->SetFocusCell(3, 1);                      // cell (40, 60)-(79, 79)
    m_grid->SetItemState(4, 3, GV_STATE_DROPTARGET); // cell (120, 80)-(159, 99)
    auto buf = Draw();
    EXPECT_TRUE(Pixels(*buf, {
                                 {40, 70, kBlack},
                                 {78, 70, kBlack},
                                 {60, 60, kBlack},
                                 {60, 78, kBlack},
                                 {41, 70, kTextBk},
                                 {60, 77, kTextBk},
                                 {79, 70, kGridLine},
                                 {60, 79, kGridLine},
                                 {120, 90, kBlack},
                                 {158, 90, kBlack},
                                 {140, 80, kBlack},
                                 {140, 98, kBlack},
                                 {121, 90, kTextBk},
                             }));

    // a cell that is focused and selected shows the focus frame, not the highlight
    m_grid->SetSelectedRange(3, 1, 3, 1);
    EXPECT_TRUE(Pixels(*Draw(), {{60, 70, kTextBk}, {40, 70, kBlack}}));
    auto printed = Draw(TRUE);
    EXPECT_TRUE(Pixels(*printed, {{40, 70, kTextBk}, {120, 90, kTextBk}}));
    EXPECT_EQ(0, printed->CountColor(CRect(40, 20, 160, 100), kBlack));
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
        m_grid->SetGridLines(c.nSetting);
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
            EXPECT_EQ(0, buf->CountColor(CRect(0, 0, kCx, kCy), kGridLine));
    }
}

// Fixed cells have a flat 3-D frame; those in the focus cell's row and column are raised and drawn
// in the semi-bold font.
TEST_F(GridDrawTest, FixedCellsInLineWithTheFocusAreRaisedAndBold)
{
    LOGFONTW lf = SharpFont();
    for (int col = 1; col < 4; col++)
    {
        m_grid->SetItemFont(0, col, &lf);
        m_grid->SetItemText(0, col, L"ll");
    }

    auto flat = Draw(); // header (0, 1): (40, 0)-(79, 19)
    EXPECT_TRUE(Pixels(*flat, {{60, 0, Sys(COLOR_3DHIGHLIGHT)},
                               {40, 10, Sys(COLOR_3DHIGHLIGHT)},
                               {79, 10, Sys(COLOR_3DDKSHADOW)},
                               {60, 19, Sys(COLOR_3DDKSHADOW)},
                               {60, 1, kFixedBk},
                               {78, 10, kFixedBk}}));
    const int nNormalInk = InkInCell(*flat, CellRect(0, 1), kFixedText);
    EXPECT_GT(nNormalInk, 0);

    m_grid->SetFocusCell(3, 1);
    auto raised = Draw();
    for (CRect cell : {CellRect(0, 1), CellRect(3, 0)})
    {
        SCOPED_TRACE(testing::Message() << cell.left << "," << cell.top);
        const int xMid = (cell.left + cell.right) / 2, yMid = (cell.top + cell.bottom) / 2;
        EXPECT_TRUE(Pixels(*raised, {{xMid, cell.top + 1, Sys(COLOR_3DHILIGHT)},
                                     {cell.right - 1, yMid, Sys(COLOR_3DSHADOW)},
                                     {cell.right, yMid, Sys(COLOR_3DDKSHADOW)},
                                     {xMid, cell.bottom, Sys(COLOR_3DDKSHADOW)}}));
    }
    EXPECT_GT(InkInCell(*raised, CellRect(0, 1), kFixedText), nNormalInk) << "semi-bold";
    // the others stay flat and normal
    EXPECT_TRUE(Pixels(*raised, {{100, 1, kFixedBk}, {118, 10, kFixedBk}, {20, 41, kFixedBk}}));
    EXPECT_EQ(InkInCell(*flat, CellRect(0, 2), kFixedText), InkInCell(*raised, CellRect(0, 2), kFixedText));
}

// Only the cells that meet the clip box are drawn (the corner always); nothing is painted outside it.
TEST_F(GridDrawTest, OnlyWhatMeetsTheClipBoxIsDrawn)
{
    qtest::CPixelBuffer buf(kCx, kCy, kSentinel);
    buf.GetDC()->IntersectClipRect(90, 45, 130, 65); // cells (2, 2), (2, 3), (3, 2), (3, 3)
    m_grid->m_bRecordDraws = true;
    m_grid->OnDraw(buf.GetDC());

    std::vector<DrawGrid::DrawCall> expected = {
        {true, 0, 0}, {false, 2, 2}, {false, 2, 3}, {false, 3, 2}, {false, 3, 3}};
    EXPECT_EQ(expected, m_grid->m_draws);
    EXPECT_EQ(kCx * kCy - 40 * 20, buf.CountColor(CRect(0, 0, kCx, kCy), kSentinel));
    EXPECT_EQ(kTextBk, buf.GetPixel(100, 50));

    // a clip box over the headers and the left band
    m_grid->m_draws.clear();
    qtest::CPixelBuffer buf2(kCx, kCy, kSentinel);
    buf2.GetDC()->IntersectClipRect(0, 0, 50, 50);
    m_grid->OnDraw(buf2.GetDC());
    expected = {{true, 0, 0}, {true, 1, 0}, {true, 2, 0}, {true, 0, 1}, {false, 1, 1}, {false, 2, 1}};
    EXPECT_EQ(expected, m_grid->m_draws);
}

TEST_F(GridDrawTest, CellImagesFromTheImageList)
{
    const COLORREF kImage = RGB(0, 0, 255);
    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24, 1, 1));
    {
        CClientDC screen(NULL);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 8, 8);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 8, 8, kImage);
        dc.SelectObject(pOld);
        ASSERT_EQ(0, images.Add(&bitmap, (CBitmap*)NULL));
    }
    m_grid->SetItemImage(1, 1, 0);
    m_grid->SetItemImage(0, 2, 0);
    m_grid->SetItemImage(2, 2, 5); // no such image: nothing drawn

    auto noList = Draw();
    EXPECT_EQ(0, noList->CountColor(CRect(0, 0, kCx, kCy), kImage))
        << "an image index without a list draws nothing";

    m_grid->SetImageList(&images);
    auto buf = Draw();
    const int m = m_grid->Margin(); // the header's image lies inside its frame
    EXPECT_TRUE(Pixels(*buf, {{40 + m, 20, kImage},
                              {40 + m + 7, 27, kImage},
                              {40 + m + 8, 28, kTextBk},
                              {80 + 1 + m, 1, kImage}}));
    EXPECT_EQ(64 * 2, buf->CountColor(CRect(0, 0, kCx, kCy), kImage));
    m_grid->SetImageList(NULL);
}

// Direct drawing and drawing through the off-screen buffer give the same pixels, also for a clip
// box that does not start at the origin, and the screen shows the same with double buffering on
// and off.
TEST_F(GridDrawTest, DoubleBufferingGivesTheSamePixels)
{
    LOGFONTW lf = SharpFont();
    m_grid->SetItemFont(1, 1, &lf);
    m_grid->SetItemText(1, 1, L"text");
    m_grid->SetItemText(0, 2, L"head");
    m_grid->SetFocusCell(2, 2);
    m_grid->SetSelectedRange(3, 1, 4, 2);
    auto direct = Draw();

    qtest::CPixelBuffer whole(kCx, kCy, kSentinel);
    {
        CQMemDC memDC(whole.GetDC());
        m_grid->OnDraw(memDC);
        EXPECT_EQ(kSentinel, whole.GetPixel(60, 30)) << "nothing reaches the target before the copy";
    }
    EXPECT_TRUE(SamePixels(*direct, whole, CRect(0, 0, kCx, kCy)));

    qtest::CPixelBuffer part(kCx, kCy, kSentinel);
    part.GetDC()->IntersectClipRect(30, 10, 130, 90);
    {
        CQMemDC memDC(part.GetDC());
        m_grid->OnDraw(memDC);
    }
    EXPECT_TRUE(SamePixels(*direct, part, CRect(30, 10, 130, 90)));
    EXPECT_EQ(kCx * kCy - 100 * 80, part.CountColor(CRect(0, 0, kCx, kCy), kSentinel));

    for (BOOL bBuffer : {TRUE, FALSE})
    {
        SCOPED_TRACE(bBuffer);
        m_grid->SetDoubleBuffering(bBuffer);
        m_grid->Invalidate();
        auto screen = qtest::CaptureClient(m_grid.get());
        EXPECT_TRUE(SamePixels(*direct, *screen, CRect(0, 0, kCx, kCy)));
    }
}

// Over a printing DC the memory DC draws straight into the target and copies nothing at the end.
TEST_F(GridDrawTest, MemoryDCOverAPrintingDCDrawsStraightThrough)
{
    qtest::CPixelBuffer target(50, 50, kSentinel);
    target.GetDC()->m_bPrinting = TRUE;
    {
        CQMemDC memDC(target.GetDC());
        EXPECT_TRUE(memDC->IsPrinting());
        EXPECT_EQ(target.GetDC()->m_hDC, memDC->m_hDC);
        memDC->FillSolidRect(0, 0, 10, 10, RGB(9, 9, 9));
        EXPECT_EQ(RGB(9, 9, 9), target.GetPixel(5, 5));
    }
    // the target's handle is still alive and usable
    target.GetDC()->FillSolidRect(20, 20, 5, 5, RGB(7, 7, 7));
    EXPECT_EQ(RGB(7, 7, 7), target.GetPixel(22, 22));
    EXPECT_EQ(kSentinel, target.GetPixel(40, 40));
    target.GetDC()->m_bPrinting = FALSE;
}

// A cell routine reports FALSE for a cell it cannot read and while drawing is off; erasing the
// background erases nothing.
TEST_F(GridDrawTest, CellRoutinesRefuseUnreadableCellsAndDrawingOff)
{
    qtest::CPixelBuffer buf(kCx, kCy, kSentinel);
    EXPECT_NE(0, m_grid->SendMessage(WM_ERASEBKGND, (WPARAM)buf.GetDC()->m_hDC));
    CRect rect(0, 0, 39, 19);
    EXPECT_FALSE(m_grid->DrawCell(buf.GetDC(), 9, 9, rect, TRUE));
    EXPECT_FALSE(m_grid->DrawFixedCell(buf.GetDC(), -1, 0, rect, TRUE));
    EXPECT_EQ(kCx * kCy, buf.CountColor(CRect(0, 0, kCx, kCy), kSentinel));
    EXPECT_TRUE(m_grid->DrawCell(buf.GetDC(), 1, 1, rect, TRUE));
    EXPECT_EQ(kTextBk, buf.GetPixel(10, 10));

    m_grid->SetRedraw(FALSE);
    EXPECT_FALSE(m_grid->DrawCell(buf.GetDC(), 1, 1, rect, TRUE));
    EXPECT_FALSE(m_grid->DrawFixedCell(buf.GetDC(), 0, 0, rect, TRUE));
    m_grid->SetRedraw(TRUE);
}

// System colour changes: grid colours still equal to the system colour they came from follow it;
// colours set by the caller stay.
TEST_F(GridDrawTest, SystemColourChangeFollowsOnlyUnchangedColours)
{
    const COLORREF kOldText = RGB(1, 1, 1), kOldWindow = RGB(2, 2, 2), kOldFace = RGB(3, 3, 3),
                   kOldShadow = RGB(4, 4, 4);
    m_grid->SetRememberedSystemColours(kOldText, kOldWindow, kOldFace, kOldShadow);
    m_grid->SetTextColor(kOldText);
    m_grid->SetTextBkColor(kOldWindow);
    m_grid->SetBkColor(RGB(50, 60, 70)); // the caller's
    m_grid->SetFixedTextColor(kOldText);
    m_grid->SetFixedBkColor(kOldFace);
    m_grid->SetGridColor(RGB(9, 9, 9));

    m_grid->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(Sys(COLOR_WINDOWTEXT), m_grid->GetTextColor());
    EXPECT_EQ(Sys(COLOR_WINDOW), m_grid->GetTextBkColor());
    EXPECT_EQ(RGB(50, 60, 70), m_grid->GetBkColor());
    EXPECT_EQ(Sys(COLOR_WINDOWTEXT), m_grid->GetFixedTextColor());
    EXPECT_EQ(Sys(COLOR_3DFACE), m_grid->GetFixedBkColor());
    EXPECT_EQ(RGB(9, 9, 9), m_grid->GetGridColor());

    // the current system colours are remembered: a caller's colour set now stays through the next change
    m_grid->SetTextBkColor(RGB(11, 12, 13));
    m_grid->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(RGB(11, 12, 13), m_grid->GetTextBkColor());
    EXPECT_EQ(Sys(COLOR_WINDOWTEXT), m_grid->GetTextColor());
}
