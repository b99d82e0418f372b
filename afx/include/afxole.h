// OLE data transfer of the framework layer: the receiving side of drag-and-drop.
// COleDataObject reads an IDataObject (a drop's or the clipboard's); COleDropTarget registers a
// window with the platform's drag-and-drop and turns the platform's calls into its overridables.
// (The sending side, COleDataSource, and the rest of the framework's OLE are not part of the layer
// yet.)
#pragma once

#include <afxwin.h>
#include <afxdisp.h>
#include <ole2.h>

typedef DWORD DROPEFFECT;

class AFX_CORE_CLASS COleDataObject {
 public:
  COleDataObject();
  ~COleDataObject();

  // Wraps lpDataObject; with bAutoRelease the wrapper releases it when it lets go.
  void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
  LPDATAOBJECT Detach();
  void Release();
  // Wraps the clipboard's data object. FALSE when the clipboard cannot be had.
  BOOL AttachClipboard();

  BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
  // A copy of the data in global memory, owned by the caller; NULL when there is none.
  HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);

 protected:
  LPDATAOBJECT m_lpDataObject;  // the wrapped object, or NULL
  BOOL m_bAutoRelease;          // release m_lpDataObject when letting go

 private:
  COleDataObject(const COleDataObject&) = delete;
  COleDataObject& operator=(const COleDataObject&) = delete;
};

class AFX_CORE_CLASS COleDropTarget : public CCmdTarget {
  DECLARE_DYNAMIC(COleDropTarget)
 public:
  COleDropTarget();
  virtual ~COleDropTarget();  // revokes a registration still in force

  // Registers pWnd's window as a drop target; FALSE when the platform refuses.
  BOOL Register(CWnd* pWnd);
  virtual void Revoke();

  // Overridables, called for the registered window with points in its client coordinates.
  virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
  virtual void OnDragLeave(CWnd* pWnd);
  // Asked before every OnDragOver; an answer with DROPEFFECT_SCROLL set replaces OnDragOver.
  virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

 protected:
  HWND m_hWnd;  // the registered window, or NULL

 private:
  // The platform's view of this object.
  struct XDropTarget : public IDropTarget {
    COleDropTarget* m_pOwner;
    LPDATAOBJECT m_lpDataObject;  // the object being dragged over, held between enter and leave
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(DragEnter)(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    STDMETHOD(DragOver)(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    STDMETHOD(DragLeave)() override;
    STDMETHOD(Drop)(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
  } m_xDropTarget;
  friend struct XDropTarget;
};
