// CQGridCtrl: mouse and keyboard. Header clicks (selection by header, sorting in list mode) come
// with the input feature together with the mouse and key handlers; until then a header click does
// nothing.
#include "grid/QGridCtrl.h"

void CQGridCtrl::OnFixedColumnClick(CQCellID& /*cell*/)
{
}

void CQGridCtrl::OnFixedRowClick(CQCellID& /*cell*/)
{
}
