// OLE start-up per thread.
#include "afximpl.h"

BOOL AFXAPI AfxOleInit()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_bNeedTerm)
        return TRUE; // already started here
    HRESULT hr = ::OleInitialize(NULL);
    if (FAILED(hr))
        return FALSE;
    // S_FALSE (already initialised by someone else) still needs its OleUninitialize.
    pState->m_bNeedTerm = TRUE;
    return TRUE;
}

void AFXAPI AfxOleTerm(BOOL bJustRevoke)
{
    if (bJustRevoke)
        return;
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (!pState->m_bNeedTerm)
        return;
    ::OleUninitialize();
    pState->m_bNeedTerm = FALSE;
}
