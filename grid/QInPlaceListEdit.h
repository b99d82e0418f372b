// CQInPlaceLIstEdit: an edit window for changing one item or sub-item label of a list view.
#pragma once

#include <afxwin.h>

// The caller constructs it and creates its window (single-line or multi-line) as a child of the
// list view over the cell. It grows with its text, may accept numbers only, and when it loses
// the focus tells the list view's parent the result with the list view's end-of-label-edit
// notification (no text after Escape). It does not close itself: the list view or the caller
// destroys the window and the object.
class AFX_EXT_CLASS CQInPlaceLIstEdit : public CEdit
{
    DECLARE_DYNAMIC(CQInPlaceLIstEdit)

public:
    // nInputKind: 0 any text, 1 a decimal number, 2 a whole number; any other value refuses
    // every character.
    CQInPlaceLIstEdit(int iItem, int iSubItem, LPCTSTR lpszInitText, UINT nInputKind);
    virtual ~CQInPlaceLIstEdit();

    // Widens (and, multi-line, lengthens) the window to its text, within the list view.
    void CalculateSize();

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    // void OnKillFocus(CWnd* pNewWnd)
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

    UINT m_nInputKind;   // 0 text, 1 decimal number, 2 whole number, other: nothing
    int m_iItem;         // the list item's index
    int m_iSubItem;      // the sub-item's index
    CString m_sInitText; // the text the edit starts with
    BOOL m_bEscape;      // the edit was cancelled with Escape
};
