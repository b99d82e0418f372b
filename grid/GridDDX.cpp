// DDX_GridControl: binds a grid object to a dialog's control, which must be a window of the grid's
// class "MFCQGridCtrl" (or any window the grid may subclass).
#include "grid/QGridCtrl.h"

void AFXAPI DDX_GridControl(CDataExchange* pDX, int nIDC, CQGridCtrl& rControl)
{
    if (pDX == NULL || rControl.GetSafeHwnd() != NULL)
        return;

    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
    // The layer has no control containers, so a control whose parent is not the dialog has no
    // control site to attach.
}
