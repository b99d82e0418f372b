// COleDataObject and COleDropTarget: the receiving side of OLE data transfer.
#include <afxole.h>

// ---------------------------------------------------------------------------------------------
// COleDataObject

COleDataObject::COleDataObject() : m_lpDataObject(NULL), m_bAutoRelease(TRUE) {}

COleDataObject::~COleDataObject() { Release(); }

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease) {
  Release();
  m_lpDataObject = lpDataObject;
  m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach() {
  LPDATAOBJECT lpDataObject = m_lpDataObject;
  m_lpDataObject = NULL;
  return lpDataObject;
}

void COleDataObject::Release() {
  if (m_lpDataObject != NULL && m_bAutoRelease) m_lpDataObject->Release();
  m_lpDataObject = NULL;
}

BOOL COleDataObject::AttachClipboard() {
  LPDATAOBJECT lpDataObject = NULL;
  if (FAILED(::OleGetClipboard(&lpDataObject)) || lpDataObject == NULL) return FALSE;
  Attach(lpDataObject, TRUE);
  return TRUE;
}

static FORMATETC HGlobalFormat(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc) {
  if (lpFormatEtc != NULL) return *lpFormatEtc;
  FORMATETC fe = {cfFormat, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  return fe;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc) {
  if (m_lpDataObject == NULL) return FALSE;
  FORMATETC fe = HGlobalFormat(cfFormat, lpFormatEtc);
  return m_lpDataObject->QueryGetData(&fe) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc) {
  if (m_lpDataObject == NULL) return NULL;
  FORMATETC fe = HGlobalFormat(cfFormat, lpFormatEtc);
  STGMEDIUM stg;
  memset(&stg, 0, sizeof(stg));
  if (FAILED(m_lpDataObject->GetData(&fe, &stg))) return NULL;
  HGLOBAL hCopy = NULL;
  if (stg.tymed == TYMED_HGLOBAL && stg.hGlobal != NULL) {
    // The medium belongs to the source unless pUnkForRelease is NULL; the caller gets a copy.
    SIZE_T cb = ::GlobalSize(stg.hGlobal);
    hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, cb ? cb : 1);
    if (hCopy != NULL) {
      void* pDst = ::GlobalLock(hCopy);
      void* pSrc = ::GlobalLock(stg.hGlobal);
      if (pDst != NULL && pSrc != NULL) memcpy(pDst, pSrc, cb);
      if (pSrc != NULL) ::GlobalUnlock(stg.hGlobal);
      if (pDst != NULL) ::GlobalUnlock(hCopy);
    }
  }
  ::ReleaseStgMedium(&stg);
  return hCopy;
}

// ---------------------------------------------------------------------------------------------
// COleDropTarget

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

COleDropTarget::COleDropTarget() : m_hWnd(NULL) {
  m_xDropTarget.m_pOwner = this;
  m_xDropTarget.m_lpDataObject = NULL;
}

COleDropTarget::~COleDropTarget() {
  if (m_hWnd != NULL) COleDropTarget::Revoke();
  if (m_xDropTarget.m_lpDataObject != NULL) m_xDropTarget.m_lpDataObject->Release();
}

BOOL COleDropTarget::Register(CWnd* pWnd) {
  HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
  if (hWnd == NULL || m_hWnd != NULL) return FALSE;
  if (FAILED(::RegisterDragDrop(hWnd, &m_xDropTarget))) return FALSE;
  m_hWnd = hWnd;
  return TRUE;
}

void COleDropTarget::Revoke() {
  if (m_hWnd == NULL) return;
  ::RevokeDragDrop(m_hWnd);
  m_hWnd = NULL;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) {
  return OnDragOver(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }

void COleDropTarget::OnDragLeave(CWnd*) {}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint) { return DROPEFFECT_NONE; }

// The object lives as long as its owner; the platform's references do not free it.
STDMETHODIMP COleDropTarget::XDropTarget::QueryInterface(REFIID riid, void** ppv) {
  if (ppv == NULL) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
    *ppv = static_cast<IDropTarget*>(this);
    return S_OK;
  }
  *ppv = NULL;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::AddRef() { return 2; }
STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::Release() { return 1; }

namespace {
CPoint ClientPoint(HWND hWnd, POINTL pt) {
  POINT p = {pt.x, pt.y};
  ::ScreenToClient(hWnd, &p);
  return CPoint(p.x, p.y);
}
// Keeps the chosen effect within what the source allows (the scroll bit passes).
DWORD Allowed(DROPEFFECT effect, DWORD allowed) {
  return effect & (allowed | DROPEFFECT_SCROLL);
}
}  // namespace

STDMETHODIMP COleDropTarget::XDropTarget::DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                                    DWORD* pdwEffect) {
  if (pdwEffect == NULL) return E_INVALIDARG;
  HWND hWnd = m_pOwner->m_hWnd;
  if (m_lpDataObject != NULL) m_lpDataObject->Release();
  m_lpDataObject = pDataObj;
  if (m_lpDataObject != NULL) m_lpDataObject->AddRef();
  COleDataObject dataObject;
  dataObject.Attach(pDataObj, FALSE);
  DROPEFFECT effect = m_pOwner->OnDragEnter(CWnd::FromHandle(hWnd), &dataObject, grfKeyState, ClientPoint(hWnd, pt));
  *pdwEffect = Allowed(effect, *pdwEffect);
  return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) {
  if (pdwEffect == NULL) return E_INVALIDARG;
  HWND hWnd = m_pOwner->m_hWnd;
  CWnd* pWnd = CWnd::FromHandle(hWnd);
  CPoint point = ClientPoint(hWnd, pt);
  DROPEFFECT effect = m_pOwner->OnDragScroll(pWnd, grfKeyState, point);
  if (!(effect & DROPEFFECT_SCROLL)) {
    COleDataObject dataObject;
    dataObject.Attach(m_lpDataObject, FALSE);
    effect = m_pOwner->OnDragOver(pWnd, &dataObject, grfKeyState, point);
  }
  *pdwEffect = Allowed(effect, *pdwEffect);
  return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragLeave() {
  m_pOwner->OnDragLeave(CWnd::FromHandle(m_pOwner->m_hWnd));
  if (m_lpDataObject != NULL) m_lpDataObject->Release();
  m_lpDataObject = NULL;
  return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                               DWORD* pdwEffect) {
  if (pdwEffect == NULL) return E_INVALIDARG;
  HWND hWnd = m_pOwner->m_hWnd;
  CWnd* pWnd = CWnd::FromHandle(hWnd);
  CPoint point = ClientPoint(hWnd, pt);
  // The effect offered to OnDrop is the one OnDragOver would choose at the drop point.
  COleDataObject dataObject;
  dataObject.Attach(pDataObj, FALSE);
  DROPEFFECT effect = Allowed(m_pOwner->OnDragOver(pWnd, &dataObject, grfKeyState, point), *pdwEffect);
  effect &= ~DROPEFFECT_SCROLL;
  if (effect == DROPEFFECT_NONE || !m_pOwner->OnDrop(pWnd, &dataObject, effect, point)) {
    m_pOwner->OnDragLeave(pWnd);
    effect = DROPEFFECT_NONE;
  }
  if (m_lpDataObject != NULL) m_lpDataObject->Release();
  m_lpDataObject = NULL;
  *pdwEffect = effect;
  return S_OK;
}
