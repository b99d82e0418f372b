// The grid control: a window of cells with fixed header rows and columns, selection, sorting,
// clipboard and drag-and-drop, in-place editing, file save and load, and printing. Row 0 is the
// first fixed row, column 0 the first fixed column.
//
// The state has one owner per part; the parts are internal (grid/internal/):
// - two axes, m_pRows and m_pCols (QGridAxis.h, GridAxis.cpp): count, fixed count, sizes,
//   default size, scroll limit, and the running sums and searches over the sizes;
// - the cell store, m_RowData (GridStore.cpp, with the compact rows of GridCompactRows.cpp): one
//   row array per row, the cells, and when a cell is made; no other file knows how rows keep them;
// - the selection, m_pSelection (QGridSelection.h, GridSelect.cpp): selected and kept sets, focus
//   cell, anchor;
// - the input state, m_pInput (QGridInput.h, GridMouse.cpp, GridKeys.cpp, GridInput.cpp,
//   GridDrag.cpp): the mouse mode and the gesture under way;
// - settings, colours and fonts stay plain members, set by their accessors.
// Every operation keeps: the store has one row array per row of the row axis, each with one slot
// per column (or, for a row whose cells are not made yet, what the store needs to make them); the
// fixed counts are not above the counts.
//
// The operations are split by concern: GridWindow.cpp (construction, window class, creation,
// message map), GridCells.cpp (item access), GridShape.cpp (rows and columns), GridGeometry.cpp
// (pixels, invalidation), GridScroll.cpp (scroll bars, scrolling, the wheel), GridAutoSize.cpp
// (fonts, measuring, sizing to contents or window), GridDraw.cpp (painting), GridSort.cpp
// (sorting), GridClipboard.cpp and GridDropTarget.cpp (clipboard and drag-and-drop), GridDDX.cpp
// (dialog data exchange), GridEdit.cpp (in-place editing), GridPrint.cpp (printing) and
// GridFile.cpp (save and load).
#pragma once

#include <afxwin.h>
#include <afxtempl.h>
#include <afxcmn.h>

#include "grid/QCellRange.h"
#include "grid/QGridCell.h"
#include "grid/QTitleTip.h"
#include "grid/QGridDropTarget.h"

class COleDataSource;
class COleDataObject;
class CImageList;
class CDataExchange;
struct CPrintInfo;
class CQCompactRow;
class CQFontCache;
class CQGridAxis;
struct CQGridInputState;
struct CQGridSelection;

#define GRIDCTRL_CLASSNAME L"MFCQGridCtrl"

// Directions of GetNextItem; its low four bits are GV_STATE_... flags.
#define GV_NEXT_ABOVE 0x0100
#define GV_NEXT_BELOW 0x0200
#define GV_NEXT_TOLEFT 0x0400
#define GV_NEXT_TORIGHT 0x0800
#define GV_NEXT_ALL 0x0A00

// Grid-lines setting.
#define GVL_NONE 0
#define GVL_HORZ 1
#define GVL_VERT 2
#define GVL_BOTH 3

// Notification codes sent to the parent with an NM_GRIDVIEW record.
#define GVN_BEGINDRAG (-109)      // drag start, top-left cell of the selection
#define GVN_SELCHANGED (-173)     // the focus cell changed, new cell
#define GVN_SELCHANGING (-174)    // the focus is about to leave the cell
#define GVN_BEGINLABELEDIT (-175) // an edit starts in the cell
#define GVN_ENDLABELEDIT (-176)   // an edit of the cell ended

// Control id of the in-place editor window.
#define IDC_INPLACE_CONTROL 8

// Notification record: the standard header, then the cell.
typedef struct tagNM_GRIDVIEW
{
    NMHDR hdr;
    int iRow;
    int iColumn;
} NM_GRIDVIEW;

typedef CTypedPtrArray<CObArray, CQGridCell*> GRID_ROW;
typedef CTypedPtrArray<CObArray, GRID_ROW*> GRID_ROWS;
typedef CMap<unsigned long, unsigned long, CQCellID, CQCellID&> GRID_CELLMAP;

class AFX_EXT_CLASS CQGridCtrl : public CWnd
{
    DECLARE_DYNCREATE(CQGridCtrl)

    // Construction
public:
    CQGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    virtual ~CQGridCtrl();

    BOOL Create(const RECT& rect, CWnd* parent, UINT nID,
                DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
    BOOL SubclassWindow(HWND hWnd);

    // Attributes: settings (plain getters and setters repaint nothing unless said otherwise)
public:
    void SetTextColor(COLORREF clr) { m_crTextColour = clr; }
    COLORREF GetTextColor() const { return m_crTextColour; }
    void SetTextBkColor(COLORREF clr) { m_crTextBkColour = clr; }
    COLORREF GetTextBkColor() const { return m_crTextBkColour; }
    void SetBkColor(COLORREF clr) { m_crBkColour = clr; }
    COLORREF GetBkColor() const { return m_crBkColour; }
    void SetFixedTextColor(COLORREF clr) { m_crFixedTextColour = clr; }
    COLORREF GetFixedTextColor() const { return m_crFixedTextColour; }
    void SetFixedBkColor(COLORREF clr) { m_crFixedBkColour = clr; }
    COLORREF GetFixedBkColor() const { return m_crFixedBkColour; }
    void SetGridColor(COLORREF clr) { m_crGridColour = clr; }
    COLORREF GetGridColor() const { return m_crGridColour; }

    void SetGridLines(int nWhichLines = GVL_BOTH); // invalidates the client area when a window exists
    int GetGridLines() const { return m_nGridLines; }

    void SetEditable(BOOL bEditable = TRUE) { m_bEditable = bEditable; }
    BOOL IsEditable() const { return m_bEditable; }
    void SetModified(BOOL bModified = TRUE) { m_bModified = bModified; }
    BOOL GetModified() const { return m_bModified; }
    void EnableDragAndDrop(BOOL bAllow = TRUE) { m_bAllowDragAndDrop = bAllow; }
    BOOL GetDragAndDrop() const { return m_bAllowDragAndDrop; }
    void SetListMode(BOOL bEnableListMode = TRUE) { m_bListMode = bEnableListMode; }
    BOOL GetListMode() const { return m_bListMode; }
    void EnableSelection(BOOL bEnable = TRUE); // resets the selection before and after
    BOOL IsSelectable() const { return m_bEnableSelection; }
    void SetHeaderSort(BOOL bSortOnClick = TRUE) { m_bSortOnClick = bSortOnClick; }
    BOOL GetHeaderSort() const { return m_bSortOnClick; }
    void SetHandleTabKey(BOOL bHandleTab = TRUE) { m_bHandleTabKey = bHandleTab; }
    BOOL GetHandleTabKey() const { return m_bHandleTabKey; }
    void SetDoubleBuffering(BOOL bBuffer = TRUE) { m_bDoubleBuffer = bBuffer; }
    BOOL GetDoubleBuffering() const { return m_bDoubleBuffer; }
    void EnableTitleTips(BOOL bEnable = TRUE) { m_bTitleTips = bEnable; }
    BOOL GetTitleTips() const { return m_bTitleTips; }
    void SetRowResize(BOOL bResize = TRUE) { m_bAllowRowResize = bResize; }
    BOOL GetRowResize() const { return m_bAllowRowResize; }
    void SetColumnResize(BOOL bResize = TRUE) { m_bAllowColumnResize = bResize; }
    BOOL GetColumnResize() const { return m_bAllowColumnResize; }

    void SetImageList(CImageList* pList) { m_pImageList = pList; } // not owned
    CImageList* GetImageList() const { return m_pImageList; }

    int SetMouseMode(int nMode);
    int GetMouseMode() const;

    // Rows and columns
public:
    int GetRowCount() const;
    int GetColumnCount() const;
    int GetFixedRowCount() const;
    int GetFixedColumnCount() const;
    BOOL SetRowCount(int nRows = 10);
    BOOL SetColumnCount(int nCols = 10);
    BOOL SetFixedRowCount(int nFixedRows = 1);
    BOOL SetFixedColumnCount(int nFixedCols = 1);

    int GetRowHeight(int nRow) const;       // -1 outside the grid
    BOOL SetRowHeight(int row, int height); // FALSE outside the grid or for a negative size
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int col, int width);

    int InsertColumn(LPCTSTR strHeading, UINT nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                     int nColumn = -1); // index of the new column or -1
    int InsertRow(LPCTSTR strHeading, int nRow = -1);
    BOOL DeleteColumn(int nColumn);
    BOOL DeleteRow(int nRow);
    BOOL DeleteNonFixedRows();
    BOOL DeleteAllItems();

    // Coordinates judged against the grid's current size
public:
    BOOL IsValid(int nRow, int nCol) const;
    BOOL IsValid(const CQCellID& cell) const;
    BOOL IsValid(const CQCellRange& range) const;
    CQCellRange GetCellRange() const; // (0, 0, rows - 1, cols - 1)

    // Cells and items
public:
    BOOL GetItem(GV_ITEM* pItem);
    BOOL SetItem(const GV_ITEM* pItem);
    BOOL SetItemText(int nRow, int nCol, LPCTSTR str);
    BOOL SetItemData(int nRow, int nCol, LPARAM lParam);
    LPARAM GetItemData(int nRow, int nCol) const;
    BOOL SetItemImage(int nRow, int nCol, int iImage);
    int GetItemImage(int nRow, int nCol) const; // -1 outside the grid
    BOOL SetItemState(int nRow, int nCol, UINT state);
    UINT GetItemState(int nRow, int nCol) const;
    BOOL SetItemFormat(int nRow, int nCol, UINT nFormat);
    UINT GetItemFormat(int nRow, int nCol) const;
    BOOL SetItemBkColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
    COLORREF GetItemBkColour(int nRow, int nCol) const;
    BOOL SetItemFgColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
    COLORREF GetItemFgColour(int nRow, int nCol) const;
    BOOL SetItemFont(int nRow, int nCol, LOGFONTW* lf); // copies the whole description
    LOGFONTW* GetItemFont(int nRow, int nCol);          // the cell's own, valid while it lives

    void SetCellStyle(int nRow, int nCol, UINT nStyle); // editor style; above 8 stored as 0
    UINT GetCellStyle(int nRow, int nCol) const;
    void SetCellListType(int nRow, int nCol, CString strType);
    CString GetCellListType(int nRow, int nCol) const;
    void SetCellListArray(int nRow, int nCol, CStringArray& arItems); // text = first item
    void GetCellListArray(int nRow, int nCol, CStringArray& arItems) const;

    BOOL IsCellEditable(int nRow, int nCol) const;
    BOOL IsCellEditable(CQCellID& cell) const;

    // Selection and focus
public:
    void SetSelectedRange(const CQCellRange& Range, BOOL bForceRepaint = FALSE);
    void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint = FALSE);
    int GetSelectedCount() const;
    CQCellRange GetSelectedCellRange() const;
    CQCellID GetFocusCell() const;
    void SetFocusRow(int nRow);
    CQCellID GetNextItem(CQCellID& cell, int nFlags) const;
    afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);

    // Sorting
public:
    BOOL SortTextItems(int nCol, BOOL bAscending);
    BOOL SortItems(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data = 0);

    // Clipboard and drag-and-drop
public:
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnBeginDrag();
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    void OnDragLeave();
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);

    // File
public:
    BOOL Save(LPCTSTR filename);
    BOOL Load(LPCTSTR filename);

    // Geometry, scrolling and auto-sizing
public:
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    long GetVirtualWidth() const;
    long GetVirtualHeight() const;
    CQCellID GetTopleftNonFixedCell() const;
    BOOL GetCellOrigin(int nRow, int nCol, LPPOINT p) const;
    BOOL GetCellOrigin(const CQCellID& cell, LPPOINT p) const;
    BOOL GetCellRect(int nRow, int nCol, LPRECT pRect) const;
    BOOL GetCellRect(const CQCellID& cell, LPRECT pRect) const;
    BOOL GetCellRangeRect(const CQCellRange& range, LPRECT lpRect) const;
    CQCellID GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck = TRUE) const;
    CQCellRange GetVisibleNonFixedCellRange(LPRECT pRect = NULL) const;
    CQCellRange GetUnobstructedNonFixedCellRange() const;
    BOOL IsCellVisible(int nRow, int nCol) const;
    BOOL IsCellVisible(CQCellID cell) const;
    void EnsureVisible(int nRow, int nCol);
    void EnsureVisible(CQCellID& cell) { EnsureVisible(cell.row, cell.col); }
    // Sets the bars' pages and ranges at once. Rows and columns added by InsertRow, InsertColumn,
    // Load or a growing SetRowCount/SetColumnCount update the scroll limits at once and the bars
    // when the grid next dispatches its messages (a message it posts to itself), so that a grid
    // filled row by row does not repaint its bars for every row.
    void ResetScrollBars();
    int GetScrollPos32(int nBar, BOOL bGetTrackPos = FALSE) const;
    BOOL SetScrollPos32(int nBar, int nPos, BOOL bRedraw = TRUE);
    void SetRedraw(BOOL bAllowDraw, BOOL bResetScrollBars = FALSE);

    void AutoSize();
    void AutoSizeColumns();
    void AutoSizeRows();
    BOOL AutoSizeColumn(int nCol);
    BOOL AutoSizeRow(int nRow);
    void ExpandColumnsToFit();
    void ExpandRowsToFit();
    void ExpandToFit();

    CSize GetTextExtent(LPCTSTR str, BOOL bUseSelectedFont = TRUE);
    BOOL InvalidateCellRect(const CQCellID& cell);
    BOOL InvalidateCellRect(const CQCellRange& range);
    BOOL RedrawCell(int nRow, int nCol, CDC* pDC = NULL);
    BOOL RedrawCell(const CQCellID& cell, CDC* pDC = NULL);
    BOOL RedrawRow(int row);
    BOOL RedrawColumn(int col);

    // Drawing
public:
    void EraseBkgnd(CDC* pDC);

    // Input and notifications
public:
    BOOL RegisterWindowClass();
    LRESULT SendMessageToParent(int nRow, int nCol, int nMessage);

    // In-place editing
public:
    void CreateInPlaceButton(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol, LPCTSTR szText,
                             int nChar, int nFlag);

    // Printing
public:
    void Print();

    // Overridables, in this order (their Parts: text and clipboard, printing, drag image, header clicks,
    // cell extent, editing, drawing, cell creation)
public:
    virtual CString GetItemText(int nRow, int nCol) const; // empty outside the grid
    virtual void CutSelectedText();
    virtual COleDataSource* CopyTextFromGrid();
    virtual BOOL PasteTextToGrid(CQCellID cell, COleDataObject* pDataObject);
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    virtual void OnEditSelectAll();
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);

protected:
    virtual void PrintColumnHeadings(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintHeader(CDC* pDC, CPrintInfo* pInfo);
    virtual void PrintFooter(CDC* pDC, CPrintInfo* pInfo);

public:
    virtual CImageList* CreateDragImage(CPoint* pHotSpot);

protected:
    virtual void OnFixedColumnClick(CQCellID& cell);
    virtual void OnFixedRowClick(CQCellID& cell);

public:
    virtual CSize GetCellExtent(int nRow, int nCol, CDC* pDC);
    virtual void OnEndEditCell(int nRow, int nCol, CString str);
    virtual void OnEditCell(int nRow, int nCol, UINT nChar);
    virtual void CreateInPlaceEditControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                          LPCTSTR szText, int nChar);
    virtual void CreateInPlaceNumEditControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                             LPCTSTR szText, int nChar, int nFlag);
    virtual void CreateInPlaceListControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                          LPCTSTR szText, int nChar, int nFlag);
    virtual void CreateInPlaceComControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                         LPCTSTR szText, int nChar, int nFlag);
    virtual void OnDraw(CDC* pDC);
    virtual BOOL DrawFixedCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk = FALSE);
    virtual BOOL DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBk = FALSE);

protected:
    virtual CQGridCell* CreateCell(int nRow, int nCol);           // makes a cell, does not store it
    virtual void EmptyCell(CQGridCell* cell, int nRow, int nCol); // called just before deletion

    // A grid of exactly this class makes its cells only when they are asked for (nothing can tell
    // the difference). A derived grid whose CreateCell and EmptyCell
    // make and empty cells the grid's own way, or are not overridden, may turn the same on.
    void SetCellsOnDemand(BOOL bOnDemand = TRUE);

    // Implementation
protected:
    virtual void PreSubclassWindow();

    CQGridCell* GetCell(int nRow, int nCol);             // null outside the grid; makes a kept cell
    BOOL SetCell(int nRow, int nCol, CQGridCell* pCell); // the old cell is not deleted

    void ResetSelectedRange();
    void SelectAllCells();
    void SelectCells(CQCellID currentCell);
    void SelectRows(CQCellID currentCell);
    void SelectColumns(CQCellID currentCell);
    void OnSelecting(const CQCellID& currentCell);
    CQCellID SetFocusCell(CQCellID cell);
    CQCellID SetFocusCell(int nRow, int nCol);

    BOOL SortTextItems(int nCol, BOOL bAscending, int low, int high);
    BOOL SortItems(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data, int low, int high);
    void SwapRows(int nRow1, int nRow2); // row arrays and heights; nothing outside the grid

    // The cell store (GridStore.cpp): the only part that knows how rows keep their cells. Reading
    // never makes a cell: PeekCell gives a made cell or NULL, CellToRead what the cell reads as
    // (a fresh cell for one not made yet), CellText, CellFormat (FALSE when there is no cell) and
    // CellFont one property. The Store... functions change the row arrays in step with the axes.
    CQGridCell* PeekCell(int nRow, int nCol) const;
    const CQGridCell* CellToRead(int nRow, int nCol) const;
    CString CellText(int nRow, int nCol) const;
    BOOL CellFormat(int nRow, int nCol, UINT* pFormat) const;
    const LOGFONTW* CellFont(int nRow, int nCol) const;
    BOOL SetCellText(int nRow, int nCol, LPCTSTR psz);
    int InsertLoadedRow(LPCTSTR* ppszTexts, int nTexts); // InsertRow(texts[0]) + SetItemText
    void StoreInsertRow(int nRow, const LPCTSTR* ppszTexts, int nTexts, bool bBulk);
    void StoreDropRows(int nFrom);
    void StoreAddRows(int nFrom);
    BOOL StoreDeleteRow(int nRow);
    void StoreClear();
    void StoreSetColumnCount(int nCols);
    BOOL StoreInsertColumn(int nCol);
    BOOL StoreDeleteColumn(int nCol);

private:
    // A cell's text where it is kept, without a copy (valid until the cell or its row changes):
    // single bytes, each a character code below 256, or UTF-16.
    struct CKeptText
    {
        const void* p;
        int nLength;
        bool bWide;
    };
    CKeptText KeptText(int nRow, int nCol) const;
    CQGridCell* Slot(int nRow, int nCol, CQCompactRow** ppUnmade) const;
    CQCompactRow* MakeCompactRow(int nRow, const LPCTSTR* ppszTexts, int nTexts, bool bShared);
    void MakeUnmadeCells();
    bool CellsOnDemand() const;
    void DisposeCell(CQGridCell* pCell, int nRow, int nCol);

protected:
    bool ScrollLimits(UINT& nVPage, UINT& nHPage);           // limits and pages of the bars
    void ScrollBarsGrew();                                   // rows or columns added: the bars follow
    static UINT GetMouseScrollLines();                       // rows per wheel notch from the desktop settings
    void ScrollAlong(int nBar, UINT nSBCode);                // one scroll message of either bar
    BOOL AutoSizeAlong(bool bRow, int nIndex);               // one row or column sized to its contents
    BOOL EdgeBefore(bool bRow, int nIndex, int* pPos) const; // mouse resizing of a row or column
    BOOL OnBoundary(bool bRow, CPoint point, bool* pbOn) const;
    void BeginResize(bool bRow, CPoint point);
    BOOL EndResize(bool bRow, CPoint point);

    // Drawing helpers: a cell's image and text inside rect; the grid colours that still equal the
    // system colours they were taken from follow the current system colours.
    void DrawCellContent(CDC* pDC, CRect& rect, const GV_ITEM& Item);
    void FollowSystemColours();

    // Message handlers
    afx_msg void OnPaint();
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSysColorChange();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnSetFont(WPARAM hFont, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM hFont, LPARAM lParam);
    afx_msg void OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnScrollBarsGrew(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    // Members, grouped by concern; lengths in device pixels
protected:
    // colours
    COLORREF m_crTextColour;      // text of ordinary cells
    COLORREF m_crTextBkColour;    // background of ordinary cells
    COLORREF m_crBkColour;        // client area beyond the last cell
    COLORREF m_crFixedTextColour; // text of fixed cells
    COLORREF m_crFixedBkColour;   // background of fixed cells
    COLORREF m_crGridColour;      // grid lines
    COLORREF m_crWindowText;      // system colours the defaults were taken from
    COLORREF m_crWindowColour;
    COLORREF m_cr3DFace;
    COLORREF m_crShadow;

    // flags
    int m_nGridLines; // GVL_...
    BOOL m_bEditable;
    BOOL m_bModified;
    BOOL m_bAllowDragAndDrop;
    BOOL m_bListMode;  // whole-row selection, header clicks sort
    BOOL m_bAllowDraw; // off: no scroll-bar upkeep, no repaint
    BOOL m_bEnableSelection;
    BOOL m_bSortOnClick; // header sort
    BOOL m_bHandleTabKey;
    BOOL m_bDoubleBuffer;
    BOOL m_bTitleTips;

    // shape: each axis owns its count, fixed count, sizes, default size, scroll limit and the
    // running sums of its sizes (internal/QGridAxis.h)
    CQGridAxis* m_pRows;
    CQGridAxis* m_pCols;
    int m_nMargin; // width of a space of the grid font; 0 before a font is applied

    // fonts and images
    LOGFONTW m_Logfont;              // the grid's font description, given to every new cell
    CFont m_PrinterFont;             // per print job
    CFont m_Font;                    // the grid font
    CImageList* m_pImageList;        // not owned
    CQFontCache* m_pFontPass = NULL; // the fonts of the measuring or drawing pass under way

    // cells
    GRID_ROWS m_RowData; // one row array per row, owned

    // the state of a mouse or keyboard gesture under way (internal/QGridInput.h)
    CQGridInputState* m_pInput;
    BOOL m_bAllowRowResize;
    BOOL m_bAllowColumnResize;

    // the selected and kept sets, the focus cell, the anchor (internal/QGridSelection.h)
    CQGridSelection* m_pSelection;

    CQTitleTip m_TitleTip;

    BOOL m_bMustUninitOLE;         // the constructor started OLE
    bool m_bCellsOnDemand = false; // SetCellsOnDemand
    bool m_bBarsPending = false;   // the bars are to be set when the posted message arrives

    // drag-and-drop
    CQCellID m_LastDragOverCell;
    CQGridDropTarget m_DropTarget;

    // printing
    CSize m_CharSize;  // printer font: average character width, text height
    int m_nPageHeight; // room for ordinary rows on one page, logical units
    CSize m_LogicalPageSize;
    CSize m_PaperSize;

    // sorting by header clicks
    BOOL m_bAscending;
    int m_SortColumn;

    friend class CQGridDropTarget;
};

// Attaches a grid object to a dialog's control.
AFX_EXT_API void AFXAPI DDX_GridControl(CDataExchange* pDX, int nIDC, CQGridCtrl& rControl);

// Key of a cell in the selection sets; only the low 16 bits of each index take part.
inline unsigned long GridCellKey(int nRow, int nCol)
{
    return ((unsigned long)(nCol & 0xFFFF) << 16) | (unsigned long)(nRow & 0xFFFF);
}
