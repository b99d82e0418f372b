// The title tip: a small pop-up laid over a grid cell whose text does not fit, showing the whole text.
// The grid owns one as a member and creates its window when title tips are enabled.
#pragma once

#include <afxwin.h>

#define QTITLETIP_CLASSNAME L"QTitleTip"

class AFX_EXT_CLASS CQTitleTip : public CWnd
{
public:
    CQTitleTip();                   // registers the window class "QTitleTip"
    virtual ~CQTitleTip();

    virtual BOOL Create(CWnd* pParentWnd);

    // rectTitle in the parent's client coordinates; shown only when the text does not fit it
    void Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset = 0);
    void Hide();

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    CWnd* m_pParentWnd;   // set by Create, not owned
    CRect m_rectTitle;    // where the mouse may move without hiding the tip, tip client coordinates

    // void OnMouseMove(UINT nFlags, CPoint point)
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
