// CQPreviewStatic: a static control that shows a bitmap file or a drawing's thumbnail scaled and
// centred, or a crossed-out frame when there is nothing to show. CPreviewFileDlg: the platform's
// file dialog with the library's child template 201 beside it: the preview pane (1001), a check
// box that turns the preview on and off (1002) and a group box.
//
// The pane loads files through its own CQDIBitmap unless a caller hands it another loader with
// SetLoader: any CQDIBitmap-derived object (e.g. CQDIBitmapEx, which also reads JPEG and PNG
// files and PNG drawing previews). The loader stays the caller's; it must outlive the pane or be
// taken back with SetLoader(NULL).
#pragma once

#include <afxdlgs.h>

#include "image/QDIBitmap.h"

class AFX_EXT_CLASS CQPreviewStatic : public CStatic
{
public:
    CQPreviewStatic();
    virtual ~CQPreviewStatic();

    // Loads the file; on success the palette is rebuilt. Always repaints the whole control.
    void OpenImage(LPCTSTR lpszPath);
    // Paints the client area white (the image stays loaded).
    void ClearImage();
    // Draws the pane: white, then the image scaled and centred, or the crossed-out frame.
    void ShowImage(CDC* pDC, COLORREF clrTrans);
    void SetTransColor(COLORREF clr) { m_clrTrans = clr; }
    BOOL DoRealizePalette(BOOL bForceBackground);

    // The loader used from now on (NULL: the pane's own). The image it holds is what shows.
    void SetLoader(CQDIBitmap* pLoader);
    const CQDIBitmap& GetImage() const { return *m_pImage; }

protected:
    afx_msg void OnPaint();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg BOOL OnQueryNewPalette();
    DECLARE_MESSAGE_MAP()

    CQDIBitmap m_image;
    CQBmpPalette* m_pPalette;
    COLORREF m_clrTrans;
    CQDIBitmap* m_pImage; // the loader in use: &m_image or the caller's
};

class AFX_EXT_CLASS CPreviewFileDlg : public CFileDialog
{
    DECLARE_DYNAMIC(CPreviewFileDlg)
public:
    CPreviewFileDlg(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
                    DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = NULL,
                    CWnd* pParentWnd = NULL);

    INT_PTR DoModal() override;
    CQPreviewStatic& GetPreview() { return m_wndPreview; }
    BOOL IsPreviewOn() const { return m_bPreview; }

protected:
    BOOL OnInitDialog() override;
    void OnFileNameChange() override;
    void OnFolderChange() override;
    afx_msg void OnPreview();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()

    BOOL m_bPreview;
    CQPreviewStatic m_wndPreview;
};
