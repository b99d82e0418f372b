// CFileDialog: the explorer-style open and save dialogs with a hook that binds the object to the
// child dialog and turns the dialog's notifications into virtual calls.
#include <afxdlgs.h>

IMPLEMENT_DYNAMIC(CFileDialog, CWnd)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD /*dwSize*/, BOOL /*bVistaStyle*/)
    : m_bOpenFileDialog(bOpenFileDialog), m_pParentWnd(pParentWnd)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    m_szFileName[0] = 0;
    m_szFileTitle[0] = 0;
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = 64;
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLEHOOK;
    m_ofn.lpstrDefExt = lpszDefExt;
    if (lpszFileName != NULL)
        lstrcpynW(m_szFileName, lpszFileName, MAX_PATH);
    if (lpszFilter != NULL)
    {
        m_strFilter = lpszFilter;
        // "a|b|" becomes "a\0b\0" with the final double NUL of the buffer
        int nLen = m_strFilter.GetLength();
        wchar_t* p = m_strFilter.GetBuffer(nLen + 1);
        for (int i = 0; i < nLen; i++)
        {
            if (p[i] == L'|')
                p[i] = 0;
        }
        p[nLen] = 0;
        m_strFilter.ReleaseBuffer(nLen + 1);
        m_ofn.lpstrFilter = m_strFilter;
    }
}

CFileDialog::~CFileDialog() {}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK;
    m_ofn.lpfnHook = &CFileDialog::HookProc;
    m_ofn.lCustData = (LPARAM)this;
    if (m_ofn.hwndOwner == NULL)
        m_ofn.hwndOwner = CWnd::GetSafeOwner(m_pParentWnd)->GetSafeHwnd();
    if ((m_ofn.Flags & OFN_ENABLETEMPLATE) && m_ofn.hInstance == NULL)
        m_ofn.hInstance = AfxFindResourceHandle(m_ofn.lpTemplateName, RT_DIALOG);
    BOOL bOk = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    if (m_hWnd != NULL)
        UnsubclassWindow(); // normally done when the child dialog went
    return bOk ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hWnd, UINT message, WPARAM /*wParam*/, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return 0;
    const OPENFILENAMEW* pOfn = reinterpret_cast<const OPENFILENAMEW*>(lParam);
    CFileDialog* pDlg = pOfn ? reinterpret_cast<CFileDialog*>(pOfn->lCustData) : NULL;
    if (pDlg == NULL || pDlg->m_hWnd != NULL || !pDlg->SubclassWindow(hWnd))
        return 0;
    return (UINT_PTR)pDlg->OnInitDialog();
}

BOOL CFileDialog::OnInitDialog()
{
    return TRUE;
}

void CFileDialog::OnFileNameChange() {}
void CFileDialog::OnFolderChange() {}
void CFileDialog::OnTypeChange() {}

BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    switch (pNMHDR->code)
    {
    case CDN_SELCHANGE: OnFileNameChange(); break;
    case CDN_FOLDERCHANGE: OnFolderChange(); break;
    case CDN_TYPECHANGE: OnTypeChange(); break;
    default: return CWnd::OnNotify(wParam, lParam, pResult);
    }
    return FALSE; // the dialog's own handling goes on
}

CString CFileDialog::AskDialog(UINT nMessage) const
{
    CString str;
    HWND hDialog = ::GetParent(m_hWnd);
    int nLen = (int)::SendMessageW(hDialog, nMessage, 0, 0);
    if (nLen > 0)
    {
        ::SendMessageW(hDialog, nMessage, (WPARAM)nLen + 1, (LPARAM)str.GetBuffer(nLen + 1));
        str.ReleaseBuffer();
    }
    return str;
}

CString CFileDialog::GetPathName() const
{
    if (m_hWnd != NULL)
        return AskDialog(CDM_GETFILEPATH);
    return CString(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileName() const
{
    if (m_hWnd != NULL)
        return AskDialog(CDM_GETSPEC);
    return m_ofn.lpstrFileTitle ? CString(m_ofn.lpstrFileTitle) : CString();
}

CString CFileDialog::GetFolderPath() const
{
    return m_hWnd != NULL ? AskDialog(CDM_GETFOLDERPATH) : CString();
}
