// CQPreviewStatic: loading and drawing the pane, its palette; CPreviewFileDlg: the file dialog
// that feeds the pane with the current selection.
#include "image/QPreviewStatic.h"

namespace
{
const UINT kTemplateID = 201;
const UINT kPreviewPaneID = 1001;
const UINT kPreviewCheckID = 1002;
} // namespace

// ---------------------------------------------------------------------------------------------
// CQPreviewStatic

BEGIN_MESSAGE_MAP(CQPreviewStatic, CStatic)
    // void OnPaint()
    ON_WM_PAINT()
    // void OnPaletteChanged(CWnd* pFocusWnd)
    ON_WM_PALETTECHANGED()
    // HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    ON_WM_CTLCOLOR_REFLECT()
    // BOOL OnQueryNewPalette()
    ON_WM_QUERYNEWPALETTE()
END_MESSAGE_MAP()

CQPreviewStatic::CQPreviewStatic() : m_pPalette(NULL), m_clrTrans(RGB(192, 192, 192)), m_pImage(&m_image) {}

CQPreviewStatic::~CQPreviewStatic()
{
    delete m_pPalette;
}

void CQPreviewStatic::SetLoader(CQDIBitmap* pLoader)
{
    m_pImage = pLoader != NULL ? pLoader : &m_image;
}

void CQPreviewStatic::OpenImage(LPCTSTR lpszPath)
{
    if (m_pImage->Load(lpszPath))
    {
        delete m_pPalette;
        m_pPalette = new CQBmpPalette(m_pImage);
    }
    if (m_hWnd != NULL)
        InvalidateRect(NULL, TRUE);
}

void CQPreviewStatic::ClearImage()
{
    if (m_hWnd == NULL)
        return;
    CClientDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillRect(&rc, CBrush::FromHandle((HBRUSH)::GetStockObject(WHITE_BRUSH)));
}

void CQPreviewStatic::ShowImage(CDC* pDC, COLORREF /*clrTrans*/)
{
    if (pDC == NULL || m_hWnd == NULL)
        return;
    ClearImage();
    CRect rc;
    GetClientRect(&rc);
    switch (m_pImage->DIBType())
    {
    case DIBTYPE_NONE:
        pDC->Rectangle(&rc);
        pDC->MoveTo(rc.left, rc.top);
        pDC->LineTo(rc.right, rc.bottom);
        pDC->MoveTo(rc.right, rc.top);
        pDC->LineTo(rc.left, rc.bottom);
        break;
    case DIBTYPE_BMP:
    case DIBTYPE_DWG:
    case DIBTYPE_JPEG:
    {
        CPalette* pOld = NULL;
        bool bPalette = m_pPalette != NULL && m_pPalette->GetSafeHandle() != NULL;
        if (bPalette)
        {
            pOld = pDC->SelectPalette(m_pPalette, FALSE);
            pDC->RealizePalette();
        }
        m_pImage->ScaleDIB(pDC, rc, TRUE);
        if (bPalette && pOld != NULL)
            pDC->SelectPalette(pOld, FALSE);
        break;
    }
    default: break;
    }
}

BOOL CQPreviewStatic::DoRealizePalette(BOOL bForceBackground)
{
    if (m_pImage->DIBType() == DIBTYPE_NONE)
        return TRUE;
    if (m_pPalette == NULL || m_pPalette->GetSafeHandle() == NULL || m_hWnd == NULL)
        return FALSE;
    CClientDC dc(this);
    CPalette* pOld = dc.SelectPalette(m_pPalette, bForceBackground);
    UINT nChanged = dc.RealizePalette();
    if (pOld != NULL)
        dc.SelectPalette(pOld, TRUE);
    if (nChanged == 0)
        return FALSE;
    ShowImage(&dc, m_clrTrans);
    return TRUE;
}

void CQPreviewStatic::OnPaint()
{
    CPaintDC dc(this);
    ShowImage(&dc, m_clrTrans);
}

HBRUSH CQPreviewStatic::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    ShowImage(pDC, m_clrTrans);
    return (HBRUSH)::GetStockObject(NULL_BRUSH);
}

void CQPreviewStatic::OnPaletteChanged(CWnd* /*pFocusWnd*/)
{
    DoRealizePalette(TRUE);
}

BOOL CQPreviewStatic::OnQueryNewPalette()
{
    return DoRealizePalette(FALSE);
}

// ---------------------------------------------------------------------------------------------
// CPreviewFileDlg

IMPLEMENT_DYNAMIC(CPreviewFileDlg, CFileDialog)

BEGIN_MESSAGE_MAP(CPreviewFileDlg, CFileDialog)
    // void OnPreview()
    ON_BN_CLICKED(kPreviewCheckID, OnPreview)
    // BOOL OnQueryNewPalette()
    ON_WM_QUERYNEWPALETTE()
    // void OnPaletteChanged(CWnd* pFocusWnd)
    ON_WM_PALETTECHANGED()
    // void OnSetFocus(CWnd* pOldWnd)
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CPreviewFileDlg::CPreviewFileDlg(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                                 DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd, 0, TRUE),
      m_bPreview(TRUE)
{
    m_ofn.Flags |= OFN_EXPLORER | OFN_ENABLETEMPLATE;
    m_ofn.lpTemplateName = MAKEINTRESOURCEW(kTemplateID);
}

INT_PTR CPreviewFileDlg::DoModal()
{
    return CFileDialog::DoModal();
}

BOOL CPreviewFileDlg::OnInitDialog()
{
    CFileDialog::OnInitDialog();
    m_wndPreview.SubclassDlgItem(kPreviewPaneID, this);
    SendDlgItemMessage(kPreviewCheckID, BM_SETCHECK, m_bPreview ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

void CPreviewFileDlg::OnFileNameChange()
{
    CFileDialog::OnFileNameChange();
    if (m_bPreview)
        m_wndPreview.OpenImage(GetPathName());
}

void CPreviewFileDlg::OnFolderChange()
{
    CFileDialog::OnFolderChange();
    m_wndPreview.ClearImage();
}

void CPreviewFileDlg::OnPreview()
{
    m_bPreview = !m_bPreview;
    if (m_bPreview)
        m_wndPreview.OpenImage(GetPathName());
    else
        m_wndPreview.ClearImage();
}

void CPreviewFileDlg::OnPaletteChanged(CWnd* pFocusWnd)
{
    CFileDialog::OnPaletteChanged(pFocusWnd);
    if (m_wndPreview.m_hWnd != NULL)
        m_wndPreview.SendMessage(WM_PALETTECHANGED, (WPARAM)pFocusWnd->GetSafeHwnd(), 0);
}

BOOL CPreviewFileDlg::OnQueryNewPalette()
{
    if (m_wndPreview.m_hWnd != NULL)
        m_wndPreview.SendMessage(WM_QUERYNEWPALETTE, 0, 0);
    return CFileDialog::OnQueryNewPalette();
}

void CPreviewFileDlg::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (m_wndPreview.m_hWnd != NULL)
        m_wndPreview.SendMessage(WM_QUERYNEWPALETTE, 0, 0);
}
