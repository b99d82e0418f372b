// The print information that a print loop hands to the code that prints: the page range, the
// current page and the rectangle to draw in. Included by afxext.h.
#pragma once

#include <afxwin.h>
#include <afxdlgs.h>

// The page range lives in the print dialog's record (m_pPD->m_pd), as the dialog shows it; a new
// record has the range 1 to 0xFFFF and is on page 1. The record owns its dialog and deletes a
// printer DC the dialog still holds.
struct AFX_CORE_CLASS CPrintInfo
{
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    CPrintDialog* m_pPD;      // the dialog of this job, owned
    BOOL m_bDirect;           // print without showing the dialog
    BOOL m_bPreview;          // always FALSE: the layer has no print preview
    BOOL m_bContinuePrinting; // a print loop stops when this turns FALSE
    UINT m_nCurPage;          // the page being printed
    UINT m_nNumPreviewPages;
    UINT m_nJobNumber; // the result of StartDoc
    CString m_strPageDesc;
    LPVOID m_lpUserData;
    CRect m_rectDraw; // where to draw on the page, in the DC's current units

    void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = (WORD)nMinPage; }
    void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = (WORD)nMaxPage; }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    UINT GetFromPage() const { return m_pPD->m_pd.nFromPage; }
    UINT GetToPage() const { return m_pPD->m_pd.nToPage; }
};
