// CDialog: modeless and modal dialogs from template resources or templates in memory.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    // void OnOK()
    ON_COMMAND(IDOK, OnOK)
    // void OnCancel()
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT nMessage, WPARAM, LPARAM)
{
    if (nMessage != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
    return pDlg != NULL ? pDlg->OnInitDialog() : TRUE;
}

CDialog::CDialog()
    : m_lpszTemplateName(NULL), m_lpDialogTemplate(NULL), m_hDialogTemplate(NULL), m_lpDialogInit(NULL),
      m_pParentWnd(NULL), m_nIDHelp(0)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = MAKEINTRESOURCEW(nIDTemplate);
    m_nIDHelp = nIDTemplate;
    m_pParentWnd = pParentWnd;
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    // A name is copied only as a pointer: callers pass literals or MAKEINTRESOURCE values.
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
    m_pParentWnd = pParentWnd;
}

CDialog::~CDialog()
{
    DestroyWindow();
}

LPCDLGTEMPLATE PASCAL CDialog::LoadTemplate(LPCTSTR lpszTemplateName)
{
    if (lpszTemplateName == NULL)
        return NULL;
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceW(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    return hTemplate != NULL ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : NULL;
}

// ---------------------------------------------------------------------------------------------
// Modeless

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(lpszTemplateName);
    return lpTemplate != NULL && CreateIndirect(lpTemplate, pParentWnd);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    if (m_hWnd != NULL || lpDialogTemplate == NULL)
        return FALSE;
    AfxInitCommonControls();
    m_lpDialogInit = lpDialogInit;
    if (pParentWnd == NULL)
        pParentWnd = m_pParentWnd;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamW(AfxGetInstanceHandle(), lpDialogTemplate,
                                             pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    // The window may have been made and destroyed during creation (OnInitDialog or a control).
    if (hWnd == NULL || !::IsWindow(hWnd))
    {
        if (m_hWnd != NULL && !::IsWindow(m_hWnd))
            Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    if (hDialogTemplate == NULL)
        return FALSE;
    LPCDLGTEMPLATE lpTemplate = (LPCDLGTEMPLATE)::GlobalLock(hDialogTemplate);
    BOOL bResult = CreateIndirect(lpTemplate, pParentWnd);
    ::GlobalUnlock(hDialogTemplate);
    return bResult;
}

// ---------------------------------------------------------------------------------------------
// Modal

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    if (lpDialogTemplate == NULL)
        return FALSE;
    m_lpDialogTemplate = lpDialogTemplate;
    m_hDialogTemplate = NULL;
    m_lpDialogInit = lpDialogInit;
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    return TRUE;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    if (hDialogTemplate == NULL)
        return FALSE;
    m_hDialogTemplate = hDialogTemplate;
    m_lpDialogTemplate = NULL;
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd != NULL)
        return -1;
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    if (m_hDialogTemplate != NULL)
        lpTemplate = (LPCDLGTEMPLATE)::GlobalLock(m_hDialogTemplate);
    else if (lpTemplate == NULL)
        lpTemplate = LoadTemplate(m_lpszTemplateName);
    if (lpTemplate == NULL)
        return -1;
    AfxInitCommonControls();
    HWND hWndParent = m_pParentWnd != NULL ? m_pParentWnd->GetSafeHwnd() : AfxGetMainWnd()->GetSafeHwnd();
    AfxHookWindowCreate(this);
    INT_PTR nResult =
        ::DialogBoxIndirectParamW(AfxGetInstanceHandle(), lpTemplate, hWndParent, AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    if (m_hDialogTemplate != NULL)
        ::GlobalUnlock(m_hDialogTemplate);
    if (m_hWnd != NULL && !::IsWindow(m_hWnd))
        Detach();
    return nResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_hWnd != NULL)
        ::EndDialog(m_hWnd, nResult);
}

// ---------------------------------------------------------------------------------------------
// Operations

void CDialog::NextDlgCtrl() const
{
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl->GetSafeHwnd() != NULL)
        ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->m_hWnd, 1);
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessageW(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    return (DWORD)::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// Overridables

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == NULL || m_hWnd == NULL)
        return FALSE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::IsDialogMessageW(m_hWnd, pMsg);
    return FALSE;
}
