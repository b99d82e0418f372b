// The title tip: a small pop-up laid over a grid cell whose text does not fit, showing the whole
// text. The grid owns one as a member and creates its window when title tips are enabled; it
// shows the tip from mouse moves and hides it when it scrolls. While shown, the tip holds the
// mouse capture and passes every move, click and key on to the window below it, so that it
// never gets in the user's way.
#pragma once

#include <afxwin.h>

#define QTITLETIP_CLASSNAME L"QTitleTip"

class AFX_EXT_CLASS CQTitleTip : public CWnd
{
    // Construction
public:
    CQTitleTip(); // registers the window class "QTitleTip"
    virtual ~CQTitleTip();

    // A pop-up tool window, topmost, hidden, without owner; pParentWnd gets the passed-on input.
    virtual BOOL Create(CWnd* pParentWnd);

    // Operations
public:
    // rectTitle in the parent's client coordinates; shown only when the text does not fit it.
    // Nothing happens while the tip is visible or no window of the application has the focus.
    void Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset = 0);
    void Hide();

    // Overridables
public:
    // Button presses go to the window under the tip, keys to the parent; both hide the tip.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Implementation
protected:
    CWnd* m_pParentWnd; // set by Create, not owned
    CRect m_rectTitle;  // where the mouse may move without hiding the tip, tip client coordinates

    // The window under a screen point that should get passed-on input: the parent when that is
    // the tip itself.
    CWnd* TargetWindowAt(CPoint ptScreen) const;

    // void OnMouseMove(UINT nFlags, CPoint point)
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
