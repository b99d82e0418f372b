// CQGridCtrl: drawing. The painting of cells, fixed cells, grid lines, selection and focus marks
// through an off-screen buffer comes with the drawing feature; until then no cell is painted and
// the drawing calls say so in their results.
#include "grid/QGridCtrl.h"

void CQGridCtrl::OnDraw(CDC* /*pDC*/)
{
}

BOOL CQGridCtrl::DrawFixedCell(CDC* /*pDC*/, int /*nRow*/, int /*nCol*/, CRect /*rect*/, BOOL /*bEraseBk*/)
{
    return FALSE;
}

BOOL CQGridCtrl::DrawCell(CDC* /*pDC*/, int /*nRow*/, int /*nCol*/, CRect /*rect*/, BOOL /*bEraseBk*/)
{
    return FALSE;
}
