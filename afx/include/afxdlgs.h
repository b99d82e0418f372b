// Standard dialogs of the platform. The layer has the print dialog only; it has no CDialog or
// CCommonDialog, so CPrintDialog derives from CWnd and runs the system's dialog itself.
#pragma once

#include <afxwin.h>
#include <commdlg.h>

// The system's print dialog (PrintDlgW). m_pd is handed to the system as it is: callers may set
// any of its fields before DoModal. The object frees the device mode and device names it holds;
// the printer DC that the dialog returns (PD_RETURNDC) belongs to the caller.
class AFX_CORE_CLASS CPrintDialog : public CWnd
{
    DECLARE_DYNAMIC(CPrintDialog)
public:
    // Print (bPrintSetupOnly FALSE: the dialog returns a printer DC) or print set-up.
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = NULL);
    ~CPrintDialog() override;

    // Attributes
    PRINTDLGW m_pd;

    // Operations
    // Shows the dialog: IDOK when the user confirmed, IDCANCEL when he cancelled or the dialog
    // could not be shown (CommDlgExtendedError tells which; PDERR_NODEFAULTPRN: no printer).
    virtual INT_PTR DoModal();
    // Fills the device mode and names of the default printer without showing anything (and a DC
    // when PD_RETURNDC is set); FALSE when there is no printer.
    BOOL GetDefaults();
    // The DC the dialog returned (PD_RETURNDC); the caller deletes it. NULL when there is none.
    HDC GetPrinterDC() const { return m_pd.hDC; }
    // A new DC for the chosen printer made from the device names and mode; it is also stored in
    // m_pd.hDC, and the caller deletes it.
    HDC CreatePrinterDC();

    LPDEVMODEW GetDevMode() const; // locked for the object's life; NULL without one
    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;
    int GetCopies() const;
    BOOL PrintCollate() const { return (m_pd.Flags & PD_COLLATE) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    int GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
    int GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }

protected:
    CWnd* m_pParentWnd;

private:
    LPCWSTR DevName(WORD DEVNAMES::*pOffset) const;
};

#include "afxfiledlg_.h"
