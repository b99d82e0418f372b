// CQGridCtrl: printing. Page layout, header, headings, rows and footer come with the printing
// feature; until then these steps print nothing.
#include "grid/QGridCtrl.h"

void CQGridCtrl::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
}

void CQGridCtrl::OnPrint(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
}

void CQGridCtrl::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
    m_PrinterFont.DeleteObject();
}

void CQGridCtrl::PrintColumnHeadings(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
}

void CQGridCtrl::PrintHeader(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
}

void CQGridCtrl::PrintFooter(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
}
