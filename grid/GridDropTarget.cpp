// CQGridDropTarget: registers a grid window as an OLE drop target and passes the calls made for
// that window on to the grid; calls for any other window get no effect.
#include "grid/QGridCtrl.h"

CQGridDropTarget::CQGridDropTarget() : m_pGridCtrl(NULL), m_bRegistered(FALSE) {}

CQGridDropTarget::~CQGridDropTarget() {}

BOOL CQGridDropTarget::Register(CQGridCtrl* pGridCtrl)
{
    if (m_bRegistered)
        return FALSE;
    if (pGridCtrl == NULL || !pGridCtrl->IsKindOf(RUNTIME_CLASS(CQGridCtrl)))
        return FALSE;
    m_pGridCtrl = pGridCtrl;
    m_bRegistered = COleDropTarget::Register(pGridCtrl);
    return m_bRegistered;
}

void CQGridDropTarget::Revoke()
{
    m_bRegistered = FALSE;
    COleDropTarget::Revoke();
}

BEGIN_MESSAGE_MAP(CQGridDropTarget, COleDropTarget)
END_MESSAGE_MAP()

static BOOL IsGridWindow(CQGridCtrl* pGrid, CWnd* pWnd)
{
    return pGrid != NULL && pWnd != NULL && pWnd->GetSafeHwnd() == pGrid->GetSafeHwnd();
}

DROPEFFECT CQGridDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                         CPoint point)
{
    if (!IsGridWindow(m_pGridCtrl, pWnd))
        return DROPEFFECT_NONE;
    return m_pGridCtrl->OnDragEnter(pDataObject, dwKeyState, point);
}

DROPEFFECT CQGridDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                        CPoint point)
{
    if (!IsGridWindow(m_pGridCtrl, pWnd))
        return DROPEFFECT_NONE;
    return m_pGridCtrl->OnDragOver(pDataObject, dwKeyState, point);
}

BOOL CQGridDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    if (!IsGridWindow(m_pGridCtrl, pWnd))
        return FALSE;
    return m_pGridCtrl->OnDrop(pDataObject, dropEffect, point);
}

void CQGridDropTarget::OnDragLeave(CWnd* pWnd)
{
    if (IsGridWindow(m_pGridCtrl, pWnd))
        m_pGridCtrl->OnDragLeave();
}

DROPEFFECT CQGridDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint /*point*/)
{
    if (!IsGridWindow(m_pGridCtrl, pWnd))
        return DROPEFFECT_NONE;
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
