// CTsyslistviewex: an owner-drawn report list. Over the platform's list view it adds sorting by
// several columns (a header click sorts by that column, a Ctrl-click adds the column, Ctrl+S
// sorts when sorting on click is off), bold, italic and bold-italic rows, bitmaps in front of the
// text of whole columns or single cells, optional grid lines, "..." shortening of texts that do
// not fit, a progress bar centred in the list while a long sort runs, and the column layout and
// sort order kept in the application profile (section "ListControls").
//
// Attach it to an existing list window by subclassing (SubclassDlgItem, SubclassWindow): that
// makes the list a report list with fixed owner-drawn rows and takes the row fonts from the
// list's font. Row styles and cell bitmaps are keyed by the item's data value, not its index,
// so they follow their rows through sorts.
//
// A cell that has a bitmap holds "<image index>:<text shown>" (m_cImageTextSeparator).
//
// The class is split over four files: Tsyslistviewex.cpp (construction, attachment, bitmaps,
// row styles, geometry, selection, progress), TsyslistviewexDraw.cpp (painting),
// TsyslistviewexSort.cpp (header clicks, Ctrl+S and the sorts), TsyslistviewexProfile.cpp
// (the strings kept in the application profile).
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>

#include "THeaderCtrlEx.h"
#include "TSortColumns.h"
#include "ProgressCtrlEx.h"

class AFX_EXT_CLASS CTsyslistviewex : public CListCtrl
{
public:
    explicit CTsyslistviewex(int nExtraRowHeight = 4);
    virtual ~CTsyslistviewex();

    // Non-zero (the default): a header click re-sorts at once; zero: Ctrl+S sorts.
    int m_bSortOnClick;

    // Separator between the image index and the text shown in a cell with a bitmap.
    static wchar_t m_cImageTextSeparator;

    // Bitmaps: image nWidth x nHeight of strip row nRow of bitmap resource nIDResource, drawn in
    // front of the text of every cell of a column, or of one cell (row key = item data value).
    // A bitmap whose resource did not load is kept and draws nothing. Return 1 (0 when memory
    // for the object runs out).
    int AttachBitmap(int nColumn, UINT nIDResource, int nWidth, int nHeight, int nRow);
    int AttachBitmapCell(WORD wRowKey, WORD wColumn, UINT nIDResource, int nWidth, int nHeight, int nRow);
    static DWORD ComposeKeyForCell(WORD wRowKey, WORD wColumn);

    // Row styles by item data value; a row key of 0 stands for the focused item's data value.
    // Nothing happens before the fonts exist (the list had no font when it was attached).
    void SetBoldRow(LPARAM lRowKey, int bOn, int bRedraw);
    void SetItalicRow(LPARAM lRowKey, int bOn, int bRedraw);
    void ResetBoldLines();
    int GetCountRowsBold() const { return (int)m_mapBoldRows.GetCount(); }
    int GetCountRowsItalic() const { return (int)m_mapItalicRows.GetCount(); }

    virtual void EnableSort(int bOn);
    virtual void ViewGridLines(int bOn);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void DrawItemGrid(LPDRAWITEMSTRUCT lpDrawItemStruct);
    void DrawItemNoGrid(LPDRAWITEMSTRUCT lpDrawItemStruct);
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    // The column's compare function for sorting (wcscmp when none is set).
    void AddSortCallBack(int nColumn, PFNTCOMPARETEXT pfnCompare);
    // Sorts by the header's sort marks, then saves the layout.
    void SortAllItems();
    // Sets the sort marks from a sort string ("0,3D": column 0 ascending, then column 3
    // descending), then sorts. With saving enabled a saved sort string replaces the argument.
    void SortAllItems(const wchar_t* lpszSortString);

    // The cell rectangle of a column of an item: 1, or 0 for a bad item or column.
    int GetSubItemRect(int nItem, int nColumn, CRect& rect);
    int GetCountColumn() const;
    // Stretches the last column to the client width (narrowing earlier ones when needed).
    void ExpandHeader();
    void DeselectAll();
    void SelectItem(int nItem);
    // Shows the centred progress bar at nPercent; 100 removes it.
    void Progress(int nPercent);

    // The column layout and sort order in the application profile.
    void EnableSaveHeader(int bOn) { m_bSaveHeader = bOn; }
    int IsHeaderSaved() const { return m_bSaveHeader; }
    // "title:width:L|C|R" per column, joined by ','.
    CString GetHeaderString();
    // The sort marks in priority order, "column" or "columnD", joined by ','; empty while
    // sorting is off.
    CString GetHeaderSortString();
    // Rebuilds the columns of any list control from a header string.
    static int SetHeader(CListCtrl* pList, CString strHeader);

protected:
    void PreSubclassWindow() override;
    // Created with Create, the list is made a report list with fixed owner-drawn rows at once
    // (it has no font yet then: the row fonts need attachment by subclassing).
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Paints one cell: the bitmap (if any) at the left edge, the text after it.
    virtual void DrawCell(CDC* pDC, CRect& rcCell, DWORD dwColumnFormat, int nRow, int nColumn);
    // The text itself when it fits width - offset, else a static buffer holding its start and
    // "..." (at least the first character).
    static LPCTSTR MakeShortString(CDC* pDC, LPCTSTR lpszText, int nWidth, int nOffset);

    CTColumnBitmap* GetBitmapColumn(int nColumn);
    // The column's bitmap, else the cell's, else NULL.
    CTColumnBitmap* GetBitmapCell(DWORD dwRowKey, int nColumn);

    // The item under the point and, through nColumn, the column (-1 when none).
    int HitTestEx(CPoint point, int& nColumn);
    // Writes the header and sort strings when saving is enabled.
    void SaveHeader();

    // void OnLButtonDown(UINT nFlags, CPoint point)
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // void OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult);
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    // Both painters: bGrid frames every cell in gray.
    void PaintItem(LPDRAWITEMSTRUCT lpDrawItemStruct, BOOL bGrid);
    BOOL IsBoldRow(LONGLONG llKey) const;
    BOOL IsItalicRow(LONGLONG llKey) const;
    void SetRowStyle(CMap<LONGLONG, LONGLONG, BYTE, BYTE>& map, LPARAM lRowKey, int bOn, int bRedraw);
    static BOOL IsCtrlDown();
    // Subclasses the list's header with m_HeaderCtrl once the header exists (a list may make
    // its header only with its first column).
    void AttachHeader();

    CTSortColumns m_SortColumns;
    CTHeaderCtrlEx m_HeaderCtrl;
    int m_bSaveHeader;
    CFont m_fontBold;
    CFont m_fontItalic;
    CFont m_fontBoldItalic;
    CProgressCtrlEx m_ProgressCtrl;
    int m_nProgressShown; // the position last given to the bar while it exists
    int m_bSortEnabled;
    HWND m_hWndNativeHeader; // the list's header as found at attachment
    void (CTsyslistviewex::*m_pfnDrawItem)(LPDRAWITEMSTRUCT);
    int m_nExtraRowHeight;
    int m_nMeasuredHeight; // the row height last answered to WM_MEASUREITEM, 0 before
    CMap<int, int, CTColumnBitmap*, CTColumnBitmap*> m_mapColumnBitmaps;   // owned
    CMap<DWORD, DWORD, CTColumnBitmap*, CTColumnBitmap*> m_mapCellBitmaps; // owned
    CMap<LONGLONG, LONGLONG, BYTE, BYTE> m_mapBoldRows;
    CMap<LONGLONG, LONGLONG, BYTE, BYTE> m_mapItalicRows;

private:
    // Reads the saved sort string: TRUE and strSort filled when saving is on and one is saved.
    int GetRegisteredSort(CString& strSort);

    CTsyslistviewex(const CTsyslistviewex&) = delete;
    CTsyslistviewex& operator=(const CTsyslistviewex&) = delete;
};
