// CFileDialog: the platform's explorer-style open and save dialogs (GetOpenFileNameW,
// GetSaveFileNameW). Included by afxdlgs.h.
//
// The layer has no CDialog, so CFileDialog derives from CWnd, as CPrintDialog does. DoModal always
// installs a hook: the object is bound to the child dialog the hook receives (the caller's child
// template, or the platform's empty child), OnInitDialog runs on its WM_INITDIALOG, and the
// dialog's notifications reach OnFileNameChange (CDN_SELCHANGE), OnFolderChange
// (CDN_FOLDERCHANGE) and OnTypeChange (CDN_TYPECHANGE). The Vista-style dialog is not used: the
// old explorer style is the one that takes a child template.
#pragma once

class AFX_CORE_CLASS CFileDialog : public CWnd
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter: pairs of "text|pattern|", as the framework takes them. dwSize and bVistaStyle
    // are accepted for the framework's signature; the structure's size is always the platform's.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = NULL,
                         CWnd* pParentWnd = NULL, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);
    ~CFileDialog() override;

    OPENFILENAMEW m_ofn; // handed to the platform; callers may set fields before DoModal

    // IDOK or IDCANCEL (also when the dialog could not be shown: CommDlgExtendedError says why).
    virtual INT_PTR DoModal();

    // While the dialog is open, the current selection's full path (asked of the dialog); after it
    // closed, the chosen file.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFolderPath() const; // only while the dialog is open

protected:
    // The child dialog is bound; the result goes back to the platform (TRUE: default focus).
    virtual BOOL OnInitDialog();
    virtual void OnFileNameChange();
    virtual void OnFolderChange();
    virtual void OnTypeChange();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    BOOL m_bOpenFileDialog;
    CWnd* m_pParentWnd;
    CString m_strFilter; // the filter with '|' turned into NULs
    wchar_t m_szFileName[MAX_PATH];
    wchar_t m_szFileTitle[64];

private:
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    CString AskDialog(UINT nMessage) const;
};
