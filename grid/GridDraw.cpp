// CQGridCtrl: painting. The background is filled once per paint (EraseBkgnd), then the corner,
// the fixed columns, the fixed rows, the ordinary cells and the grid lines are drawn, only as far
// as they meet the clip box, through an off-screen buffer when double buffering is on. The same
// cell routines serve RedrawCell and printing; a printing DC shows no focus, selection or
// drop-target marks.
//
// Cost: the rows and columns walked are those on screen (the visible non-fixed range), so a paint
// costs what is visible plus the geometry look-ups that find the first row and column on screen.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridAxis.h"
#include "grid/QMemDC.h"
#include "grid/internal/QFontCache.h"

#include <afxcmn.h>
#include <algorithm>

namespace
{

// Fills a rectangle given with exclusive right and bottom edges; an empty or inverted one fills
// nothing (the DC's own fill would fill an inverted rectangle mirrored).
void FillArea(CDC* pDC, const CRect& rect, COLORREF clr)
{
    if (rect.right > rect.left && rect.bottom > rect.top)
        pDC->FillSolidRect(&rect, clr);
}

void FillArea(CDC* pDC, const CRect& rect, CBrush* pBrush)
{
    if (rect.right > rect.left && rect.bottom > rect.top)
        pDC->FillRect(&rect, pBrush);
}

// What drawing one cell changes in the DC, put back when the cell is done: the text and background
// colours, the background mode, the pen and brush, the current position, and the font. The font is
// selected only when the cell's font is not the one already in the DC: a paint selects the grid's
// font once for all its cells, and selecting a font costs far more than drawing a cell's text. A
// cell with an image, or a DC whose output and attribute contexts differ, saves the whole DC
// instead, since the image list may change more than the cell itself does.
class CCellDrawState
{
public:
    CCellDrawState(CDC* pDC, bool bWhole)
        : m_hDC(pDC->m_hDC), m_nSaved(0), m_crText(0), m_crBk(0), m_nBkMode(0), m_hOldFont(NULL),
          m_hOldPen(NULL), m_hOldBrush(NULL), m_bPosition(false)
    {
        if (bWhole || pDC->m_hDC != pDC->m_hAttribDC)
        {
            m_nSaved = pDC->SaveDC();
            m_pDC = pDC;
            return;
        }
        m_crText = ::GetTextColor(m_hDC);
        m_crBk = ::GetBkColor(m_hDC);
        m_nBkMode = ::GetBkMode(m_hDC);
    }
    ~CCellDrawState()
    {
        if (m_nSaved != 0)
        {
            m_pDC->RestoreDC(m_nSaved);
            return;
        }
        if (m_hOldFont)
            ::SelectObject(m_hDC, m_hOldFont);
        if (m_hOldPen)
            ::SelectObject(m_hDC, m_hOldPen);
        if (m_hOldBrush)
            ::SelectObject(m_hDC, m_hOldBrush);
        if (m_bPosition)
            ::MoveToEx(m_hDC, m_ptAt.x, m_ptAt.y, NULL);
        ::SetTextColor(m_hDC, m_crText);
        ::SetBkColor(m_hDC, m_crBk);
        ::SetBkMode(m_hDC, m_nBkMode);
    }
    CCellDrawState(const CCellDrawState&) = delete;
    CCellDrawState& operator=(const CCellDrawState&) = delete;

    // With the whole DC saved, objects go through the DC object, into both of its contexts.
    void SelectFont(HFONT hFont)
    {
        if (hFont == NULL)
            return;
        if (m_nSaved != 0)
        {
            m_pDC->SelectObject(CFont::FromHandle(hFont));
            return;
        }
        if (hFont == (HFONT)::GetCurrentObject(m_hDC, OBJ_FONT))
            return;
        HGDIOBJ hOld = ::SelectObject(m_hDC, hFont);
        if (m_hOldFont == NULL)
            m_hOldFont = hOld;
    }
    void SelectStock(int nObject)
    {
        if (m_nSaved != 0)
        {
            m_pDC->SelectStockObject(nObject);
            return;
        }
        HGDIOBJ hOld = ::SelectObject(m_hDC, ::GetStockObject(nObject));
        HGDIOBJ& hKeep = ::GetObjectType(hOld) == OBJ_PEN ? m_hOldPen : m_hOldBrush;
        if (hKeep == NULL)
            hKeep = hOld;
    }
    // The current position is about to move.
    void KeepPosition()
    {
        if (!m_bPosition)
            m_bPosition = ::GetCurrentPositionEx(m_hDC, &m_ptAt) != FALSE;
    }

private:
    HDC m_hDC;
    CDC* m_pDC = NULL;
    int m_nSaved;
    COLORREF m_crText, m_crBk;
    int m_nBkMode;
    HGDIOBJ m_hOldFont, m_hOldPen, m_hOldBrush;
    bool m_bPosition;
    POINT m_ptAt = {0, 0};
};

} // namespace

// --- paint and erase ----------------------------------------------------------------------------

// void OnPaint()
void CQGridCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (m_bDoubleBuffer)
    {
        CQMemDC MemDC(&dc); // copied to the screen when it goes out of scope
        OnDraw(&MemDC);
    }
    else
    {
        OnDraw(&dc);
    }
}

// All erasing is done by EraseBkgnd while drawing.
BOOL CQGridCtrl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

// Fills what no cell paints over: the fixed bands left of the visible rows and above the visible
// columns, the cell area, and the margins right of and below the last visible cell.
void CQGridCtrl::EraseBkgnd(CDC* pDC)
{
    if (pDC == NULL)
        return;

    CBrush FixedBack(GetFixedBkColor()), TextBack(GetTextBkColor()), Back(GetBkColor());

    CRect clipRect;
    if (pDC->GetClipBox(&clipRect) == ERROR)
        return;

    CRect VisRect;
    GetVisibleNonFixedCellRange(VisRect);
    const int nFixedColumnWidth = GetFixedColumnWidth();
    const int nFixedRowHeight = GetFixedRowHeight();

    // left band
    if (clipRect.left < nFixedColumnWidth && clipRect.top < VisRect.bottom)
        FillArea(pDC, CRect(clipRect.left, clipRect.top, nFixedColumnWidth, VisRect.bottom), &FixedBack);

    // top band
    if (clipRect.top < nFixedRowHeight && clipRect.right > nFixedColumnWidth && clipRect.left < VisRect.right)
        FillArea(pDC, CRect(nFixedColumnWidth - 1, clipRect.top, VisRect.right, nFixedRowHeight), &FixedBack);

    // cell area
    CRect rect;
    if (rect.IntersectRect(VisRect, clipRect))
    {
        rect.left = std::max<int>(nFixedColumnWidth, rect.left);
        rect.top = std::max<int>(nFixedRowHeight, rect.top);
        FillArea(pDC, rect, &TextBack);
    }

    // right margin
    if (VisRect.right < clipRect.right)
        FillArea(pDC, CRect(VisRect.right, clipRect.top, clipRect.right, clipRect.bottom), &Back);

    // bottom margin
    if (VisRect.bottom < clipRect.bottom && clipRect.left < VisRect.right)
        FillArea(pDC, CRect(clipRect.left, VisRect.bottom, VisRect.right, clipRect.bottom), &Back);
}

// --- the whole grid -----------------------------------------------------------------------------

namespace
{
// Draws the cells of rows minRow..maxRow and columns minCol..maxCol, the first row's top at top
// and the first column's left at left. Rectangles are built by running edges: each top is the
// previous bottom + 1, each bottom top + height - 1 (inclusive), and likewise for columns. With a
// clip box, cells outside it are skipped and the run stops past its far edges.
template <class DrawOne>
void DrawRun(const CQGridCtrl& grid, const CRect* pClip, int minRow, int maxRow, int top, int minCol,
             int maxCol, int left, DrawOne drawOne)
{
    CRect rect;
    rect.bottom = top - 1;
    for (int row = minRow; row <= maxRow; row++)
    {
        rect.top = rect.bottom + 1;
        rect.bottom = rect.top + grid.GetRowHeight(row) - 1;
        if (pClip && rect.top > pClip->bottom)
            break;
        if (pClip && rect.bottom < pClip->top)
            continue;

        rect.right = left - 1;
        for (int col = minCol; col <= maxCol; col++)
        {
            rect.left = rect.right + 1;
            rect.right = rect.left + grid.GetColumnWidth(col) - 1;
            if (pClip && rect.left > pClip->right)
                break;
            if (pClip && rect.right < pClip->left)
                continue;
            drawOne(row, col, rect);
        }
    }
}
} // namespace

// Paints everything that meets pDC's clip box: the corner, the fixed columns and rows beside the
// visible cells, the visible cells, then the grid lines.
void CQGridCtrl::OnDraw(CDC* pDC)
{
    if (pDC == NULL)
        return;

    CRect clipRect;
    if (pDC->GetClipBox(&clipRect) == ERROR)
        return;

    EraseBkgnd(pDC);
    CQFontCache pass(m_pFontPass, m_hWnd); // one font per description for all the cells
    // The grid's font stays selected for the whole paint: cells in it need not select a font.
    HFONT hGridFont = m_pFontPass->Get(m_Logfont);
    HFONT hOldPinned = m_pFontPass->Pin(hGridFont);
    HGDIOBJ hOldFont = hGridFont ? ::SelectObject(pDC->m_hDC, hGridFont) : NULL;

    const int nFixedRowHeight = GetFixedRowHeight();
    const int nFixedColWidth = GetFixedColumnWidth();

    // The visible range starts at the top-left non-fixed cell.
    CRect VisRect;
    CQCellRange VisCellRange = GetVisibleNonFixedCellRange(VisRect);
    const int minVisibleRow = VisCellRange.GetMinRow(), minVisibleCol = VisCellRange.GetMinCol();
    const int maxVisibleRow = VisCellRange.GetMaxRow();
    const int maxVisibleCol = VisCellRange.GetMaxCol();

    auto drawFixed = [this, pDC](int row, int col, const CRect& rect) { DrawFixedCell(pDC, row, col, rect); };
    auto drawOrdinary = [this, pDC](int row, int col, const CRect& rect) { DrawCell(pDC, row, col, rect); };
    // corner: fixed rows and fixed columns, no clip test
    DrawRun(*this, NULL, 0, m_pRows->GetFixed() - 1, 0, 0, m_pCols->GetFixed() - 1, 0, drawFixed);
    // fixed columns beside the visible rows
    DrawRun(*this, &clipRect, minVisibleRow, maxVisibleRow, nFixedRowHeight, 0, m_pCols->GetFixed() - 1, 0,
            drawFixed);
    // fixed rows above the visible columns
    DrawRun(*this, &clipRect, 0, m_pRows->GetFixed() - 1, 0, minVisibleCol, maxVisibleCol, nFixedColWidth,
            drawFixed);
    // ordinary cells
    DrawRun(*this, &clipRect, minVisibleRow, maxVisibleRow, nFixedRowHeight, minVisibleCol, maxVisibleCol,
            nFixedColWidth, drawOrdinary);

    int row, col;
    // grid lines between the ordinary cells; the fixed cells draw their own edges
    CPen pen;
    if (pen.CreatePen(PS_SOLID, 0, m_crGridColour))
    {
        CPen* pOldPen = pDC->SelectObject(&pen);
        if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT)
        {
            int x = nFixedColWidth;
            for (col = minVisibleCol; col <= maxVisibleCol; col++)
            {
                x += GetColumnWidth(col);
                pDC->MoveTo(x - 1, nFixedRowHeight);
                pDC->LineTo(x - 1, VisRect.bottom);
            }
        }
        if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ)
        {
            int y = nFixedRowHeight;
            for (row = minVisibleRow; row <= maxVisibleRow; row++)
            {
                y += GetRowHeight(row);
                pDC->MoveTo(nFixedColWidth, y - 1);
                pDC->LineTo(VisRect.right, y - 1);
            }
        }
        if (pOldPen != NULL)
            pDC->SelectObject(pOldPen);
    }
    pDC->SelectStockObject(NULL_PEN);
    if (hOldFont != NULL)
        ::SelectObject(pDC->m_hDC, hOldFont);
    m_pFontPass->Pin(hOldPinned);
}

// --- one cell -----------------------------------------------------------------------------------

// rect is the cell's inclusive rectangle. A focused cell keeps its own colours and gets a black
// frame; a selected one shows the system highlight colours; a printing DC shows neither, nor the
// drop-target frame.
BOOL CQGridCtrl::DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk)
{
    if (!m_bAllowDraw || pDC == NULL)
        return FALSE;

    GV_ITEM Item;
    Item.mask =
        GV_MASK_TEXT | GV_MASK_IMAGE | GV_MASK_STATE | GV_MASK_BKCOLOUR | GV_MASK_FGCOLOUR | GV_MASK_FORMAT;
    Item.row = nRow;
    Item.col = nCol;
    if (!GetItem(&Item))
        return FALSE;

    COLORREF TextBkClr = (Item.bkColour == GV_CLR_DEFAULT) ? GetTextBkColor() : Item.bkColour;
    COLORREF TextClr = (Item.fgColour == GV_CLR_DEFAULT) ? GetTextColor() : Item.fgColour;
    // The grid's own colour of GV_CLR_DEFAULT means "no colour": then only an erase fills.
    const BOOL bFill = (TextBkClr != GV_CLR_DEFAULT) || bEraseBk;
    const BOOL bPrinting = pDC->IsPrinting();

    CQFontCache pass(m_pFontPass, m_hWnd); // outlives the saved state, which deselects the font
    CCellDrawState state(pDC, m_pImageList != NULL && Item.image >= 0);
    pDC->SetBkMode(TRANSPARENT);

    if ((Item.state & GV_STATE_FOCUSED) && !bPrinting)
    {
        rect.right++;
        rect.bottom++;
        if (bFill)
            FillArea(pDC, rect, TextBkClr);
        rect.right--;
        rect.bottom--;
        state.SelectStock(BLACK_PEN);
        state.SelectStock(NULL_BRUSH);
        pDC->Rectangle(rect);
        pDC->SetTextColor(TextClr);
        rect.DeflateRect(1, 1);
    }
    else if ((Item.state & GV_STATE_SELECTED) && !bPrinting)
    {
        rect.right++;
        rect.bottom++;
        FillArea(pDC, rect, ::GetSysColor(COLOR_HIGHLIGHT));
        rect.right--;
        rect.bottom--;
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    else
    {
        rect.right++;
        rect.bottom++;
        if (bFill)
            FillArea(pDC, rect, TextBkClr);
        rect.right--;
        rect.bottom--;
        pDC->SetTextColor(TextClr);
    }

    if ((Item.state & GV_STATE_DROPTARGET) && !bPrinting)
    {
        state.SelectStock(BLACK_PEN);
        state.SelectStock(NULL_BRUSH);
        pDC->Rectangle(rect);
    }

    const LOGFONTW* pLF = CellFont(nRow, nCol);
    state.SelectFont(m_pFontPass->Get(pLF != NULL ? *pLF : m_Logfont));

    rect.DeflateRect(m_nMargin, 0);

    DrawCellContent(pDC, rect, Item);
    return TRUE;
}

// Fixed (header) cells: flat 3-D framed, or raised and semi-bold when the focus cell lies in their
// row or column. A printing DC never fills them.
BOOL CQGridCtrl::DrawFixedCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk)
{
    if (!m_bAllowDraw || pDC == NULL)
        return FALSE;

    GV_ITEM Item;
    Item.mask = GV_MASK_TEXT | GV_MASK_IMAGE | GV_MASK_BKCOLOUR | GV_MASK_FGCOLOUR | GV_MASK_FORMAT;
    Item.row = nRow;
    Item.col = nCol;
    if (!GetItem(&Item))
        return FALSE;

    CQFontCache pass(m_pFontPass, m_hWnd); // outlives the saved state, which deselects the font
    CCellDrawState state(pDC, m_pImageList != NULL && Item.image >= 0);

    if (!pDC->IsPrinting() && (Item.bkColour != GV_CLR_DEFAULT || bEraseBk))
    {
        COLORREF clr = (Item.bkColour == GV_CLR_DEFAULT) ? GetFixedBkColor() : Item.bkColour;
        FillArea(pDC, rect, clr);
    }
    pDC->SetTextColor((Item.fgColour == GV_CLR_DEFAULT) ? GetFixedTextColor() : Item.fgColour);

    const CQCellID FocusCell = GetFocusCell();
    const BOOL bInLineWithFocus = (FocusCell.row == nRow || FocusCell.col == nCol);

    const LOGFONTW* pLF = CellFont(nRow, nCol);
    LOGFONTW lf = (pLF != NULL) ? *pLF : m_Logfont;
    if (bInLineWithFocus)
        lf.lfWeight = 600;
    state.SelectFont(m_pFontPass->Get(lf));
    state.KeepPosition(); // the edges are drawn with lines

    if (IsValid(FocusCell) && bInLineWithFocus)
    {
        rect.right++;
        rect.bottom++;
        pDC->DrawEdge(rect, BDR_RAISEDINNER | BDR_RAISEDOUTER, BF_RECT);
        rect.DeflateRect(1, 1);
    }
    else
    {
        CPen lightpen, darkpen;
        lightpen.CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_3DHIGHLIGHT));
        darkpen.CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_3DDKSHADOW));

        CPen* pOldPen = pDC->SelectObject(&lightpen);
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(rect.left, rect.top);
        pDC->LineTo(rect.left, rect.bottom);

        pDC->SelectObject(&darkpen);
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(rect.right, rect.bottom);
        pDC->LineTo(rect.left, rect.bottom);

        if (pOldPen != NULL)
            pDC->SelectObject(pOldPen);
        rect.DeflateRect(1, 1);
    }

    pDC->SetBkMode(TRANSPARENT);
    rect.DeflateRect(m_nMargin, 0);

    DrawCellContent(pDC, rect, Item);
    return TRUE;
}

// The image (when an image list is set and the image can be read) at the top-left corner, then
// the text with the cell's format flags in what is left of rect.
void CQGridCtrl::DrawCellContent(CDC* pDC, CRect& rect, const GV_ITEM& Item)
{
    if (m_pImageList != NULL && Item.image >= 0)
    {
        IMAGEINFO Info;
        if (m_pImageList->GetImageInfo(Item.image, &Info))
        {
            int nImageWidth = Info.rcImage.right - Info.rcImage.left + 1;
            m_pImageList->Draw(pDC, Item.image, rect.TopLeft(), ILD_NORMAL);
            rect.left += nImageWidth + m_nMargin;
        }
    }
    pDC->DrawText(Item.text, -1, rect, Item.format);
}

// --- system colours -----------------------------------------------------------------------------

// Each grid colour that still equals the system colour it was taken from follows the new one;
// colours a caller has set are left alone.
void CQGridCtrl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    FollowSystemColours();
}

void CQGridCtrl::FollowSystemColours()
{
    const COLORREF crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    const COLORREF cr3DFace = ::GetSysColor(COLOR_3DFACE);
    const COLORREF crShadow = ::GetSysColor(COLOR_3DSHADOW);

    if (GetTextColor() == m_crWindowText)
        SetTextColor(crWindowText);
    if (GetTextBkColor() == m_crWindowColour)
        SetTextBkColor(crWindow);
    if (GetBkColor() == m_crShadow)
        SetBkColor(crShadow);
    if (GetFixedTextColor() == m_crWindowText)
        SetFixedTextColor(crWindowText);
    if (GetFixedBkColor() == m_cr3DFace)
        SetFixedBkColor(cr3DFace);

    m_crWindowText = crWindowText;
    m_crWindowColour = crWindow;
    m_cr3DFace = cr3DFace;
    m_crShadow = crShadow;
}
