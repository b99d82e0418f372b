// CQTitleTip: a pop-up that shows the whole text of a grid cell whose text does not fit, laid over
// the cell while the mouse rests on it. Clicks and keys go on to the window below, so the tip never
// gets in the user's way. The grid owns one as a member.
#pragma once
#include <afxwin.h>

#define QTITLETIP_CLASSNAME L"QTitleTip"

class AFX_EXT_CLASS CQTitleTip : public CWnd {
public:
  CQTitleTip();
  ~CQTitleTip() override;

  // Creates the pop-up window (tool window, topmost, pop-up with a border, no owner).
  virtual BOOL Create(CWnd* pParentWnd);

  // Shows `lpszTitleText` over `rectTitle` (parent client coordinates) when it does not fit there.
  void Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset = 0);
  void Hide();

  BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
  // void OnMouseMove(UINT nFlags, CPoint point)
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

private:
  // The window under a screen point, with the parent standing in for the tip itself.
  CWnd* TargetWindowAt(CPoint ptScreen) const;

  CWnd* m_pParentWnd;  // the grid; not owned
  CRect m_rectTitle;   // where the mouse may move without hiding the tip, tip client coordinates
};
