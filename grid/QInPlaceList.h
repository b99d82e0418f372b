// The grid's choice and button editors: CQInPlaceList (a drop-down list or combo box over a cell)
// with its edit field CQComboEdit, CQInplaceButton (a button face that reports at once), and
// CQComboGridCtrl, a grid whose text cells are edited with a combo box.
//
// Like the edit-based editors (QInPlaceEdit.h) they are made with new, create their window in
// the constructor, end on focus loss with one end-of-edit record to their owner (the grid), post
// themselves a close message and free themselves after their window is gone.
#pragma once

#include <afxwin.h>

#include "grid/QGridCtrl.h"
#include "grid/QInPlaceEdit.h"

// Control id of a combo box's own edit field.
#define IDC_COMBOEDIT 1001

// The edit field of a CQInPlaceList in the drop-down combo style: may take numbers only, hands
// the keys that end an edit to the combo box and ends the edit when it loses the focus.
class AFX_EXT_CLASS CQComboEdit : public CEdit
{
    DECLARE_DYNAMIC(CQComboEdit)

    // Construction
public:
    CQComboEdit();
    virtual ~CQComboEdit();

    // Attributes
public:
    // Numbers only: digits, one point, and a sign typed at the start of an unsigned text.
    BOOL m_bNumOnly;

    // Overridables
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Message map and handlers
protected:
    // void OnKillFocus(CWnd* pNewWnd)
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

// A drop-down list (CBS_DROPDOWNLIST: choice only) or drop-down combo (CBS_DROPDOWN: choice or
// typing) over a cell, showing four lines when dropped. It ends when it (list style) or its edit
// field (combo style) loses the focus; Escape, Tab and Return end it, the navigation keys only
// with Ctrl held.
class AFX_EXT_CLASS CQInPlaceList : public CComboBox
{
    DECLARE_DYNAMIC(CQInPlaceList)

    // Construction
public:
    // dwStyle is the combo style (CBS_DROPDOWNLIST or CBS_DROPDOWN); child, visible, border,
    // vertical scroll bar and automatic horizontal scrolling are added. The window is widened to
    // the widest choice. The choice equal to the text is selected; in the list style the first
    // choice is selected when none is. In the combo style the caret is placed by the first key
    // as in CQInPlaceEdit (keys 33 to 40 select all; a space is typed).
    CQInPlaceList(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                  CStringArray& Items, CString sInitText, UINT nFirstChar, BOOL bNumOnly);
    virtual ~CQInPlaceList();

    // Operations
public:
    // Sends the end-of-edit record (with the combo box's text) and closes the window.
    void EndEdit();

    // Overridables
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual void PostNcDestroy(); // frees the object

    // Message map and handlers
protected:
    // void OnKillFocus(CWnd* pNewWnd)
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    // Implementation
public:
    CQComboEdit m_edit;  // the edit field (combo style only)
    int m_nNumLines;     // lines shown when dropped (4)
    CString m_sInitText; // put back by Escape
    int m_nRow;          // the edited cell
    int m_nCol;
    UINT m_nLastChar;     // the key that ends the edit, 0 until one does
    BOOL m_bExitOnArrows; // always FALSE: the navigation keys end the edit only with Ctrl
protected:
    BOOL m_bEnded; // the end-of-edit record went out
};

// A button face ("...") over a cell. It reports the end of the edit right away, with the cell's
// text unchanged and key 0, so that the grid's parent learns of the click from the begin- and
// end-edit notifications; then it closes itself.
class AFX_EXT_CLASS CQInplaceButton : public CStatic
{
    DECLARE_DYNAMIC(CQInplaceButton)

    // Construction
public:
    CQInplaceButton(CQGridCtrl* pGrid, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                    CString sText, UINT nFirstChar);
    virtual ~CQInplaceButton();

    // Operations
public:
    // Sends the end-of-edit record (once) and closes the window.
    void EndSitic();
    // Three dots side by side in rect, each of size rect width / 10 (a pixel when smaller than 2).
    static void DrawDots(CDC* pDC, COLORREF crColour, const CRect& rect, int nOffset);

    // Overridables
protected:
    virtual void PostNcDestroy(); // frees the object

    // Message map and handlers
protected:
    // void OnLButtonDblClk(UINT nFlags, CPoint point)
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    // void OnKillFocus(CWnd* pNewWnd)
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    // void OnPaint()
    afx_msg void OnPaint();
    // void OnChange()
    afx_msg void OnChange();
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    CQGridCtrl* m_pGrid; // the grid, not owned
    int m_nRow;          // the edited cell
    int m_nCol;
    CString m_sText; // the cell's text when the editor was made
    BOOL m_bEnded;   // the end-of-edit record went out
};

// A grid whose text cells (editor style 0) are edited with a drop-down combo offering
// "Choice 1" to "Choice 5".
class AFX_EXT_CLASS CQComboGridCtrl : public CQGridCtrl
{
    DECLARE_DYNCREATE(CQComboGridCtrl)

public:
    CQComboGridCtrl();
    virtual ~CQComboGridCtrl();

    virtual void CreateInPlaceEditControl(CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nCol,
                                          LPCTSTR szText, int nChar);
};
