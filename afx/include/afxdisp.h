// OLE start-up for the framework layer's threads and the variant date (atlcomtime.h). (Automation
// and the rest of the framework's OLE dispatch support are not part of the layer.)
#pragma once

#include <afxwin.h>
#include <ole2.h>

#include "atlcomtime.h"

// Starts OLE (OleInitialize) on this thread unless the layer already did, and records it in
// AfxGetThreadState()->m_bNeedTerm. FALSE when OLE could not be started.
AFX_CORE_API BOOL AFXAPI AfxOleInit();
// Stops OLE on this thread if AfxOleInit started it (also done by AfxWinTerm).
AFX_CORE_API void AFXAPI AfxOleTerm(BOOL bJustRevoke = FALSE);
