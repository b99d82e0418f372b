// The print dialog and the print information record.
#include <afxwin.h>
#include <afxprint_.h>

IMPLEMENT_DYNAMIC(CPrintDialog, CWnd)

// ---------------------------------------------------------------------------------------------
// CPrintDialog

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) : m_pParentWnd(pParentWnd)
{
    memset(&m_pd, 0, sizeof(m_pd));
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
    m_pd.nFromPage = m_pd.nToPage = 1;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDevMode != NULL)
    {
        ::GlobalUnlock(m_pd.hDevMode); // balances GetDevMode's lock, harmless otherwise
        ::GlobalFree(m_pd.hDevMode);
    }
    if (m_pd.hDevNames != NULL)
        ::GlobalFree(m_pd.hDevNames);
}

INT_PTR CPrintDialog::DoModal()
{
    if (m_pd.hwndOwner == NULL)
    {
        CWnd* pOwner = CWnd::GetSafeOwner(m_pParentWnd);
        m_pd.hwndOwner = pOwner->GetSafeHwnd();
    }
    BOOL bOk = ::PrintDlgW(&m_pd);
    return bOk ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    DWORD dwFlags = m_pd.Flags;
    HWND hwndOwner = m_pd.hwndOwner;
    if (m_pd.hDevMode != NULL)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != NULL)
        ::GlobalFree(m_pd.hDevNames);
    m_pd.hDevMode = m_pd.hDevNames = NULL;
    m_pd.hwndOwner = NULL;
    m_pd.Flags = (dwFlags | PD_RETURNDEFAULT) & ~PD_PRINTSETUP;
    BOOL bOk = ::PrintDlgW(&m_pd);
    m_pd.Flags = dwFlags;
    m_pd.hwndOwner = hwndOwner;
    return bOk;
}

HDC CPrintDialog::CreatePrinterDC()
{
    LPCWSTR pszDriver = DevName(&DEVNAMES::wDriverOffset);
    LPCWSTR pszDevice = DevName(&DEVNAMES::wDeviceOffset);
    if (pszDevice == NULL)
        return NULL;
    m_pd.hDC = ::CreateDCW(pszDriver, pszDevice, NULL, GetDevMode());
    return m_pd.hDC;
}

LPDEVMODEW CPrintDialog::GetDevMode() const
{
    return m_pd.hDevMode == NULL ? NULL : (LPDEVMODEW)::GlobalLock(m_pd.hDevMode);
}

// A string of the device names block, NULL without one. The block stays locked while the
// dialog holds it (GlobalFree does not need it unlocked).
LPCWSTR CPrintDialog::DevName(WORD DEVNAMES::*pOffset) const
{
    if (m_pd.hDevNames == NULL)
        return NULL;
    LPDEVNAMES pNames = (LPDEVNAMES)::GlobalLock(m_pd.hDevNames);
    if (pNames == NULL)
        return NULL;
    LPCWSTR psz = (LPCWSTR)pNames + pNames->*pOffset;
    ::GlobalUnlock(m_pd.hDevNames); // movable blocks from the dialog keep their address
    return psz;
}

CString CPrintDialog::GetDriverName() const
{
    return CString(DevName(&DEVNAMES::wDriverOffset));
}
CString CPrintDialog::GetDeviceName() const
{
    return CString(DevName(&DEVNAMES::wDeviceOffset));
}
CString CPrintDialog::GetPortName() const
{
    return CString(DevName(&DEVNAMES::wOutputOffset));
}

int CPrintDialog::GetCopies() const
{
    if (m_pd.Flags & PD_USEDEVMODECOPIES)
    {
        LPDEVMODEW pDevMode = GetDevMode();
        int nCopies = pDevMode != NULL ? pDevMode->dmCopies : m_pd.nCopies;
        if (pDevMode != NULL)
            ::GlobalUnlock(m_pd.hDevMode);
        return nCopies;
    }
    return m_pd.nCopies;
}

// ---------------------------------------------------------------------------------------------
// CPrintInfo

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)), m_bDirect(FALSE),
      m_bPreview(FALSE), m_bContinuePrinting(TRUE), m_nCurPage(1), m_nNumPreviewPages(0), m_nJobNumber(0),
      m_lpUserData(NULL), m_rectDraw(0, 0, 0, 0)
{
    SetMinPage(1);
    SetMaxPage(0xFFFF);
}

CPrintInfo::~CPrintInfo()
{
    if (m_pPD->m_pd.hDC != NULL)
        ::DeleteDC(m_pPD->m_pd.hDC);
    delete m_pPD;
}
