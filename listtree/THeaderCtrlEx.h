// The report list's header with sort marks, and the bitmap strips drawn in list cells.
//
// CTHeaderCtrlEx keeps which columns sort, at which priority and in which direction, and draws a
// marked column's title with a sort arrow and, when several columns sort, one to three ticks
// under the arrow for the column's priority. Marked columns carry HDF_OWNERDRAW exactly while
// they are marked, so the header asks this class to draw those only.
//
// CTColumnBitmap is a strip of equally sized images loaded from a bitmap resource of the
// module chain (AfxFindResourceHandle); image i of the strip's row r is drawn with pure green
// (m_crMaskedColor) transparent.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>

class AFX_EXT_CLASS CTHeaderCtrlEx : public CHeaderCtrl
{
public:
    CTHeaderCtrlEx();
    virtual ~CTHeaderCtrlEx();

    // Marks the column: a column that is already marked keeps its position and only changes its
    // direction; a new one takes the next free position. Returns 1.
    int SetColumnOrder(int nColumn, int bAscending);
    // Non-zero when the column is marked; then fills both outputs, else leaves them.
    int GetColumnOrder(int nColumn, int& bAscending, int& nPosition) const;
    // The column marked with that position (1 = primary): 1 and both outputs filled, else 0.
    int GetPositionColumn(int nPosition, int& bAscending, int& nColumn) const;
    // Unmarks the column; later positions move up by one.
    void DeleteColumnOrder(int nColumn);
    // Unmarks every column; redraws when bRedraw is non-zero.
    void ResetSortColumns(int bRedraw);
    // Number of marked columns.
    int GetCountSortColumns() const { return (int)m_mapSortMarks.GetCount(); }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

private:
    void SetColumnFormat(int nColumn, int nFlags, int bSet);
    void SignMoreSortColumns(CDC& dc, int nPosition, CRect& rcArea);

protected:
    // Column -> (position << 8) | ascending flag.
    CMap<int, int, WORD, WORD> m_mapSortMarks;
    int m_nLastPosition; // positions handed out: the marks hold 1..m_nLastPosition

    DECLARE_MESSAGE_MAP()
};

class AFX_EXT_CLASS CTColumnBitmap
{
public:
    CTColumnBitmap();
    // Loads the bitmap resource; when it does not load, width, height and row stay 0.
    CTColumnBitmap(UINT nIDResource, int nWidth, int nHeight, int nRow);
    virtual ~CTColumnBitmap();

    void Init(int nWidth, int nHeight, int nRow);
    int IsLoad() const { return m_bLoaded; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    CBitmap* GetBitmap() { return &m_bitmap; }
    // Image nIndex of the strip row: (width * index, height * row) and one image in size.
    CRect GetRectImage(int nIndex) const;
    // Draws image nIndex at (x, y), at most nMaxWidth pixels wide, with m_crMaskedColor
    // transparent. Draws nothing when the image lies outside the loaded bitmap.
    void Put(int nIndex, CDC* pDC, int x, int y, int nMaxWidth);

    static COLORREF m_crMaskedColor;

protected:
    int m_nWidth;
    int m_nHeight;
    int m_nRow;
    int m_bLoaded;
    CBitmap m_bitmap;

private:
    CTColumnBitmap(const CTColumnBitmap&) = delete;
    CTColumnBitmap& operator=(const CTColumnBitmap&) = delete;
};
