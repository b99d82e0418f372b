// Dialog data exchange: the context a dialog's DoDataExchange passes to the DDX_ functions, and
// DDX_Control, which binds a window object to a dialog control by subclassing it.
#pragma once

#include <afxwin.h>

class AFX_CORE_CLASS CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;         // the dialog (or any parent window of the controls)

    // The dialog's control nIDC, remembered as the last control prepared; throws the "not supported"
    // exception when the dialog has no such control.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends a failed validation: puts the focus back on the last control prepared and throws.
    void Fail();

    HWND m_idLastControl;    // the last control prepared
    BOOL m_bEditLastControl; // it was prepared as an edit control
};

// Binds rControl to the dialog's control nIDC unless it is bound already; a window that cannot be
// subclassed raises the "not supported" exception.
AFX_CORE_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
