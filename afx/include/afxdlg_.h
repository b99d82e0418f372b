// CDialog: dialog boxes made from templates, modeless (Create, CreateIndirect) or modal
// (DoModal after construction from a resource or InitModalIndirect). Included by afxwin.h.
//
// The dialog window is bound to its object by the creation hook before its first message, so
// WM_CREATE, WM_SIZE and the rest go through the message map; the system's dialog procedure
// stays the window's default handling. WM_INITDIALOG reaches OnInitDialog through the dialog
// procedure the layer hands to the system. A modal dialog runs the system's own modal loop.
#pragma once

class CDataExchange;

class AFX_CORE_CLASS CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog();
    // A dialog from the template resource nIDTemplate (or named lpszTemplateName), for DoModal
    // or Create.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    ~CDialog() override;

    // ----- Modeless: the window is made now and the call returns. FALSE when the template
    // cannot be found or the window cannot be made.
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    // From a template in memory (DLGTEMPLATE or DLGTEMPLATEEX followed by its items).
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                                void* lpDialogInit = NULL);
    virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

    // ----- Modal: remembers the template in memory for the next DoModal; the caller keeps it.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                           void* lpDialogInit = NULL);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);
    // Shows the dialog and returns the EndDialog result; -1 when it could not be shown.
    virtual INT_PTR DoModal();
    // Ends a modal dialog with nResult; a modeless dialog is hidden.
    void EndDialog(int nResult);

    // ----- Operations
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    // Runs DoDataExchange in the direction asked; FALSE when a validation failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // ----- Overridables
    // WM_INITDIALOG: TRUE lets the system put the focus on the first control. The default
    // exchanges data into the controls and returns TRUE.
    virtual BOOL OnInitDialog();
    virtual void OnOK();     // IDOK: data from the controls, then EndDialog(IDOK)
    virtual void OnCancel(); // IDCANCEL: EndDialog(IDCANCEL)
    // Keyboard navigation of a modeless dialog (the system's dialog message handling).
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    LPCTSTR m_lpszTemplateName;        // resource name or MAKEINTRESOURCE(id)
    LPCDLGTEMPLATE m_lpDialogTemplate; // template in memory (InitModalIndirect)
    HGLOBAL m_hDialogTemplate;         // template in a global block (InitModalIndirect)
    void* m_lpDialogInit;              // not used by the layer; kept for callers
    CWnd* m_pParentWnd;                // the parent or owner given at construction
    UINT m_nIDHelp;                    // the template's id when made from one

    // The template of a resource from the resource chain; NULL when there is none.
    static LPCDLGTEMPLATE PASCAL LoadTemplate(LPCTSTR lpszTemplateName);

    DECLARE_MESSAGE_MAP()
};

// The dialog procedure of every CDialog: calls OnInitDialog for WM_INITDIALOG.
AFX_CORE_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
