// A progress bar that writes its position as a percentage in a small box in its middle each time
// the position is set. The box is painted right after the position change, not from WM_PAINT:
// a repaint for any other reason shows the bar without it until the next change.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

class AFX_EXT_CLASS CProgressCtrlEx : public CProgressCtrl
{
public:
    CProgressCtrlEx();
    virtual ~CProgressCtrlEx();

protected:
    // PBM_SETPOS with a position of at most 100 draws the box after the bar has handled it.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
