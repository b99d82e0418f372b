// CQTipCtr: a small pop-up with several lines of text beside a point of a parent window.
#pragma once

#include <afxwin.h>

// The caller sets m_ptPos (in the parent's client coordinates) on an object of its own and calls
// ShowWindowCtr, which shows the lines in a new tip object: a pop-up in the tip's font and
// colours, sized to the longest line and kept inside the parent's client area. A click in it, a
// loss of focus or a mouse move past its edge closes it, and the tip object deletes itself when
// its window is gone. The tip shown last is m_pTip (NULL once it is gone).
class AFX_EXT_CLASS CQTipCtr : public CWnd
{
    DECLARE_DYNAMIC(CQTipCtr)

public:
    CQTipCtr();
    ~CQTipCtr() override;

    // Shows the lines in a new tip beside this object's position (turned into screen
    // coordinates and kept here); the new tip, or NULL when its window could not be made.
    CQTipCtr* ShowWindowCtr(CWnd* pParent, CStringArray& arLines);
    // Sizes the window to the lines and makes it, owned by pParent.
    BOOL CreateWin(CWnd* pParent);
    // The longest line (the first of equally long ones); "" without lines.
    CString GetLongSize();
    // Destroys the window (and so the object) and repaints the application's main window at once.
    void HideWindow();
    void SetTipBkColor(COLORREF clrBack);
    void SetTipTextColor(COLORREF clrText);

    // A click in the tip closes it and goes no further.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    static CQTipCtr* m_pTip;

    CStringArray m_arLines; // the text, one element a line
    CWnd* m_pParent;
    CPoint m_ptPos; // the caller's point in the parent; in screen coordinates once shown

protected:
    void PostNcDestroy() override;

    // void OnPaint()
    afx_msg void OnPaint();
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // void OnTimer(UINT_PTR nIDEvent)
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    // void OnMouseMove(UINT nFlags, CPoint point)
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    // void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    // void OnKillFocus(CWnd* pNewWnd)
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

    CFont m_font;
    COLORREF m_clrText;
    COLORREF m_clrBack;

private:
    // The size of the longest line in the tip's font on pDC.
    CSize MeasureLongest(CDC* pDC);
    BOOL m_bClosing; // HideWindow has started destroying the window
};
