// CQResizDlg: a base class for dialogs that the user can resize.
#pragma once

#include <afxwin.h>

// A derived dialog names, control by control, which edges follow the dialog's right and bottom
// edges (SetControlInfo, typically in its OnInitDialog after the base one); every size change
// then moves and stretches those controls by the change. The dialog draws a size grip in its
// lower-right corner, cannot be made smaller than its template, and remembers its last outer
// size in the application's profile under the section GetDialogProfileEntry names (by default
// the template id in lower-case hexadecimal), keys "CX" and "CY".
class AFX_EXT_CLASS CQResizDlg : public CDialog
{
    DECLARE_DYNAMIC(CQResizDlg)

public:
    // Edge rules of SetControlInfo; they combine. A stretch takes precedence over a move.
    enum
    {
        MOVE_H = 0x0001,    // the control moves right with the dialog's right edge
        MOVE_V = 0x0002,    // the control moves down with the dialog's bottom edge
        STRETCH_H = 0x0004, // the control's right edge follows the dialog's
        STRETCH_V = 0x0008, // the control's bottom edge follows the dialog's
    };

    CQResizDlg(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    ~CQResizDlg() override;

    // Appends a rule for control nID; flags 0 adds nothing. A control listed twice moves twice.
    void SetControlInfo(WORD nID, WORD nFlags);
    void SetRememberSize(BOOL bRemember) { m_bRememberSize = bRemember; }
    BOOL GetRememberSize() const { return m_bRememberSize; }
    // Whether the template's size is the smallest the user can drag the dialog to.
    void SetMinSize(BOOL bMinSize) { m_bMinSize = bMinSize; }

    // The profile section of this dialog's size.
    virtual void GetDialogProfileEntry(CString& strEntry);

    // Restores the remembered size; returns FALSE (the focus is left where it is).
    BOOL OnInitDialog() override;

protected:
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // void OnSize(UINT nType, int cx, int cy)
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // void OnPaint()
    afx_msg void OnPaint();
    // LRESULT OnNcHitTest(CPoint point)
    afx_msg LRESULT OnNcHitTest(CPoint point);
    // void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    // void OnDestroy()
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    BOOL m_bRememberSize;
    BOOL m_bMinSize;
    BOOL m_bGrip;
    int m_nMinWidth, m_nMinHeight;   // the window's size at creation
    int m_nLastWidth, m_nLastHeight; // client size of the previous size message
    BOOL m_bSized;                   // a size change after the first one was handled
    CDWordArray m_arControls;        // flags in the high word, control id in the low word
    UINT m_nTemplateID;
    CRect m_rcGrip; // client rectangle of the grip as last drawn
};
