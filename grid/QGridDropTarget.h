// The grid's OLE drop target: passes drag-and-drop calls for its grid's window on to the grid.
#pragma once

#include <afxwin.h>
#include <afxole.h>

class CQGridCtrl;

class AFX_EXT_CLASS CQGridDropTarget : public COleDropTarget
{
public:
    CQGridDropTarget();
    virtual ~CQGridDropTarget();

    // FALSE when registered already, for a null grid or an object that is not a grid
    BOOL Register(CQGridCtrl* pGridCtrl);

    virtual void Revoke();
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

    CQGridCtrl* m_pGridCtrl; // the grid served, not owned; null until registered
    BOOL m_bRegistered;      // registered with the platform

protected:
    DECLARE_MESSAGE_MAP()
};
