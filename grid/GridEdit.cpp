// CQGridCtrl: in-place editing, grid side. Starting an edit and making the editor windows come with
// the in-place editing feature; until then OnEditCell opens no editor. The edited text is stored by
// OnEndEditCell, which a derived grid may replace.
#include "grid/QGridCtrl.h"

void CQGridCtrl::OnEndEditCell(int nRow, int nCol, CString str)
{
    SetItemText(nRow, nCol, str);
}

void CQGridCtrl::OnEditCell(int /*nRow*/, int /*nCol*/, UINT /*nChar*/)
{
}

void CQGridCtrl::CreateInPlaceEditControl(CRect& /*rect*/, DWORD /*dwStyle*/, UINT /*nID*/, int /*nRow*/,
                                          int /*nCol*/, LPCTSTR /*szText*/, int /*nChar*/)
{
}

void CQGridCtrl::CreateInPlaceNumEditControl(CRect& /*rect*/, DWORD /*dwStyle*/, UINT /*nID*/, int /*nRow*/,
                                             int /*nCol*/, LPCTSTR /*szText*/, int /*nChar*/, int /*nFlag*/)
{
}

void CQGridCtrl::CreateInPlaceListControl(CRect& /*rect*/, DWORD /*dwStyle*/, UINT /*nID*/, int /*nRow*/,
                                          int /*nCol*/, LPCTSTR /*szText*/, int /*nChar*/, int /*nFlag*/)
{
}

void CQGridCtrl::CreateInPlaceComControl(CRect& /*rect*/, DWORD /*dwStyle*/, UINT /*nID*/, int /*nRow*/,
                                         int /*nCol*/, LPCTSTR /*szText*/, int /*nChar*/, int /*nFlag*/)
{
}
