// CQListCtrlEx: a report list that sorts by one column when its header is clicked, comparing the
// column's texts by a per-column type (text, number, date, time of day); that lets the user
// reorder columns by dragging header items; that switches check-box state images on click; and
// that can paint the selection over the whole row.
#pragma once

#include <afxcmn.h>
#include <afxdisp.h>

#include "QHeaderCtrlEx.h"

class AFX_EXT_CLASS CQListCtrlEx : public CListCtrl
{
public:
    // Column types: how a column's texts compare.
    enum
    {
        ColumnText = 0,       // ordinal, case-sensitive
        ColumnTextNoCase = 1, // ignoring case
        ColumnInteger = 2,    // decimal whole numbers
        ColumnDateTime = 3,   // date and time in the user's locale
        ColumnNone = 4,       // all equal
        ColumnReal = 5,       // decimal floating-point numbers
        ColumnTimeOfDay = 6,  // time of day counted from the base time
    };

    CQListCtrlEx();
    virtual ~CQListCtrlEx();

    // Each returns the previous setting.
    bool EnableSort(bool bEnable = true);
    bool EnableHeaderDrag(bool bEnable = true);

    // One type per column (values above); false, and no table, when a type is above 6.
    bool SetColumnTypes(BYTE* pTypes, UINT nCount);
    // The time from which times of day count (type 6): times before it belong to the next day.
    // False, and no change, when the text does not parse as a date and time.
    bool SetBaseTime(CString strTime);
    // 0: the first column's text is highlighted; 1: the whole row; 2: the row to the right edge of
    // the window. Above 2: no change. Returns the previous type.
    int SetHighlightType(int nType);

    // The sort comparison: lParam1 and lParam2 are the sort records made for the sort, lParamSort
    // is (column type << 8) | ascending.
    static int CALLBACK Compare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    void RepaintSelectedItems();
    // Moves column nSource so that it stands before the column that was at nTarget.
    void DragColumn(int nSource, int nTarget);
    // The header window of the list is subclassed once it exists.
    void SubclassHeader();
    void InvalidateRowFromLabel(int nItem);

    int m_nHighlight;        // highlight type
    bool m_bSortEnabled;     // header clicks sort
    BYTE* m_pColumnTypes;    // owned, one type per column
    UINT m_nColumnTypes;     // entries in m_pColumnTypes
    COleDateTime m_timeBase; // invalid until SetBaseTime
    int m_nSortColumn;       // -1 before the first sort
    int m_bSortAscending;    // direction of the last sort
    CQHeaderCtrlEx m_header; // the list's header, with column dragging

    // void OnPaint()
    afx_msg void OnPaint();
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // void OnSetFocus(CWnd* pOldWnd)
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    // void OnKillFocus(CWnd* pNewWnd)
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    // void OnLButtonDown(UINT nFlags, CPoint point)
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // void OnHeaderClicked(NMHDR* pNMHDR, LRESULT* pResult)
    afx_msg void OnHeaderClicked(NMHDR* pNMHDR, LRESULT* pResult);
    // LRESULT OnInsertColumn(WPARAM wParam, LPARAM lParam)
    afx_msg LRESULT OnInsertColumn(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
