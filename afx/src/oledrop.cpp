// OLE data transfer: COleDataObject and COleDropTarget (receiving), COleDataSource and
// COleDropSource (sending).
#include <afxole.h>
#include <shlobj.h>

// ---------------------------------------------------------------------------------------------
// COleDataObject

COleDataObject::COleDataObject() : m_lpDataObject(NULL), m_bAutoRelease(TRUE) {}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = NULL;
    return lpDataObject;
}

void COleDataObject::Release()
{
    if (m_lpDataObject != NULL && m_bAutoRelease)
        m_lpDataObject->Release();
    m_lpDataObject = NULL;
}

BOOL COleDataObject::AttachClipboard()
{
    LPDATAOBJECT lpDataObject = NULL;
    if (FAILED(::OleGetClipboard(&lpDataObject)) || lpDataObject == NULL)
        return FALSE;
    Attach(lpDataObject, TRUE);
    return TRUE;
}

static FORMATETC HGlobalFormat(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (lpFormatEtc != NULL)
        return *lpFormatEtc;
    FORMATETC fe = {cfFormat, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return fe;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return FALSE;
    FORMATETC fe = HGlobalFormat(cfFormat, lpFormatEtc);
    return m_lpDataObject->QueryGetData(&fe) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return NULL;
    FORMATETC fe = HGlobalFormat(cfFormat, lpFormatEtc);
    STGMEDIUM stg;
    memset(&stg, 0, sizeof(stg));
    if (FAILED(m_lpDataObject->GetData(&fe, &stg)))
        return NULL;
    HGLOBAL hCopy = NULL;
    if (stg.tymed == TYMED_HGLOBAL && stg.hGlobal != NULL)
    {
        // The medium belongs to the source unless pUnkForRelease is NULL; the caller gets a copy.
        SIZE_T cb = ::GlobalSize(stg.hGlobal);
        hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, cb ? cb : 1);
        if (hCopy != NULL)
        {
            void* pDst = ::GlobalLock(hCopy);
            void* pSrc = ::GlobalLock(stg.hGlobal);
            if (pDst != NULL && pSrc != NULL)
                memcpy(pDst, pSrc, cb);
            if (pSrc != NULL)
                ::GlobalUnlock(stg.hGlobal);
            if (pDst != NULL)
                ::GlobalUnlock(hCopy);
        }
    }
    ::ReleaseStgMedium(&stg);
    return hCopy;
}

// ---------------------------------------------------------------------------------------------
// COleDropTarget

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

COleDropTarget::COleDropTarget() : m_hWnd(NULL)
{
    m_xDropTarget.m_pOwner = this;
    m_xDropTarget.m_lpDataObject = NULL;
}

COleDropTarget::~COleDropTarget()
{
    if (m_hWnd != NULL)
        COleDropTarget::Revoke();
    if (m_xDropTarget.m_lpDataObject != NULL)
        m_xDropTarget.m_lpDataObject->Release();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL || m_hWnd != NULL)
        return FALSE;
    if (FAILED(::RegisterDragDrop(hWnd, &m_xDropTarget)))
        return FALSE;
    m_hWnd = hWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == NULL)
        return;
    ::RevokeDragDrop(m_hWnd);
    m_hWnd = NULL;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                       CPoint point)
{
    return OnDragOver(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

void COleDropTarget::OnDragLeave(CWnd*) {}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

// The object lives as long as its owner; the platform's references do not free it.
STDMETHODIMP COleDropTarget::XDropTarget::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget))
    {
        *ppv = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::AddRef()
{
    return 2;
}
STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::Release()
{
    return 1;
}

namespace
{
CPoint ClientPoint(HWND hWnd, POINTL pt)
{
    POINT p = {pt.x, pt.y};
    ::ScreenToClient(hWnd, &p);
    return CPoint(p.x, p.y);
}
// Keeps the chosen effect within what the source allows (the scroll bit passes).
DWORD Allowed(DROPEFFECT effect, DWORD allowed)
{
    return effect & (allowed | DROPEFFECT_SCROLL);
}
} // namespace

STDMETHODIMP COleDropTarget::XDropTarget::DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                                    DWORD* pdwEffect)
{
    if (pdwEffect == NULL)
        return E_INVALIDARG;
    HWND hWnd = m_pOwner->m_hWnd;
    if (m_lpDataObject != NULL)
        m_lpDataObject->Release();
    m_lpDataObject = pDataObj;
    if (m_lpDataObject != NULL)
        m_lpDataObject->AddRef();
    COleDataObject dataObject;
    dataObject.Attach(pDataObj, FALSE);
    DROPEFFECT effect =
        m_pOwner->OnDragEnter(CWnd::FromHandle(hWnd), &dataObject, grfKeyState, ClientPoint(hWnd, pt));
    *pdwEffect = Allowed(effect, *pdwEffect);
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    if (pdwEffect == NULL)
        return E_INVALIDARG;
    HWND hWnd = m_pOwner->m_hWnd;
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    CPoint point = ClientPoint(hWnd, pt);
    DROPEFFECT effect = m_pOwner->OnDragScroll(pWnd, grfKeyState, point);
    if (!(effect & DROPEFFECT_SCROLL))
    {
        COleDataObject dataObject;
        dataObject.Attach(m_lpDataObject, FALSE);
        effect = m_pOwner->OnDragOver(pWnd, &dataObject, grfKeyState, point);
    }
    *pdwEffect = Allowed(effect, *pdwEffect);
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragLeave()
{
    m_pOwner->OnDragLeave(CWnd::FromHandle(m_pOwner->m_hWnd));
    if (m_lpDataObject != NULL)
        m_lpDataObject->Release();
    m_lpDataObject = NULL;
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                               DWORD* pdwEffect)
{
    if (pdwEffect == NULL)
        return E_INVALIDARG;
    HWND hWnd = m_pOwner->m_hWnd;
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    CPoint point = ClientPoint(hWnd, pt);
    // The effect offered to OnDrop is the one OnDragOver would choose at the drop point.
    COleDataObject dataObject;
    dataObject.Attach(pDataObj, FALSE);
    DROPEFFECT effect = Allowed(m_pOwner->OnDragOver(pWnd, &dataObject, grfKeyState, point), *pdwEffect);
    effect &= ~DROPEFFECT_SCROLL;
    if (effect == DROPEFFECT_NONE || !m_pOwner->OnDrop(pWnd, &dataObject, effect, point))
    {
        m_pOwner->OnDragLeave(pWnd);
        effect = DROPEFFECT_NONE;
    }
    if (m_lpDataObject != NULL)
        m_lpDataObject->Release();
    m_lpDataObject = NULL;
    *pdwEffect = effect;
    return S_OK;
}

// ---------------------------------------------------------------------------------------------
// COleDataSource

namespace
{
HGLOBAL CopyGlobal(HGLOBAL hSrc)
{
    SIZE_T cb = ::GlobalSize(hSrc);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, cb ? cb : 1);
    if (hCopy == NULL)
        return NULL;
    void* pDst = ::GlobalLock(hCopy);
    void* pSrc = ::GlobalLock(hSrc);
    if (pDst != NULL && pSrc != NULL)
        memcpy(pDst, pSrc, cb);
    if (pSrc != NULL)
        ::GlobalUnlock(hSrc);
    if (pDst != NULL)
        ::GlobalUnlock(hCopy);
    if (pDst == NULL || (pSrc == NULL && cb != 0))
    {
        ::GlobalFree(hCopy);
        return NULL;
    }
    return hCopy;
}
} // namespace

COleDataSource::COleDataSource() : m_pEntries(NULL), m_nEntries(0), m_dwRef(1)
{
    m_xDataObject.m_pOwner = this;
}

COleDataSource::~COleDataSource()
{
    Empty();
}

void COleDataSource::Empty()
{
    for (int i = 0; i < m_nEntries; i++)
        if (m_pEntries[i].hGlobal != NULL)
            ::GlobalFree(m_pEntries[i].hGlobal);
    delete[] m_pEntries;
    m_pEntries = NULL;
    m_nEntries = 0;
}

int COleDataSource::Find(CLIPFORMAT cfFormat, DWORD tymed) const
{
    for (int i = 0; i < m_nEntries; i++)
        if (m_pEntries[i].fe.cfFormat == cfFormat && (m_pEntries[i].fe.tymed & tymed) != 0)
            return i;
    return -1;
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    FORMATETC fe = {cfFormat, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (lpFormatEtc != NULL)
    {
        fe = *lpFormatEtc;
        fe.cfFormat = cfFormat;
        fe.ptd = NULL;
        fe.tymed = TYMED_HGLOBAL;
    }
    int i = Find(cfFormat, TYMED_HGLOBAL);
    if (i >= 0)
    {
        if (m_pEntries[i].hGlobal != NULL && m_pEntries[i].hGlobal != hGlobal)
            ::GlobalFree(m_pEntries[i].hGlobal);
        m_pEntries[i].fe = fe;
        m_pEntries[i].hGlobal = hGlobal;
        return;
    }
    Entry* pNew = new Entry[m_nEntries + 1];
    for (int k = 0; k < m_nEntries; k++)
        pNew[k] = m_pEntries[k];
    pNew[m_nEntries].fe = fe;
    pNew[m_nEntries].hGlobal = hGlobal;
    delete[] m_pEntries;
    m_pEntries = pNew;
    m_nEntries++;
}

void COleDataSource::SetClipboard()
{
    // On success the clipboard holds a reference of its own; the owner's goes either way, so a
    // refused object is deleted here.
    ::OleSetClipboard(&m_xDataObject);
    m_xDataObject.Release();
}

void PASCAL COleDataSource::FlushClipboard()
{
    ::OleFlushClipboard();
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT /*lpRectStartDrag*/,
                                      COleDropSource* pDropSource)
{
    COleDropSource defaultSource;
    if (pDropSource == NULL)
        pDropSource = &defaultSource;
    DWORD dwResult = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(&m_xDataObject, &pDropSource->m_xDropSource, dwEffects, &dwResult);
    if (hr != DRAGDROP_S_DROP)
        return DROPEFFECT_NONE;
    return dwResult;
}

STDMETHODIMP COleDataSource::XDataObject::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject))
    {
        *ppv = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_pOwner->m_dwRef);
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::Release()
{
    LONG n = ::InterlockedDecrement(&m_pOwner->m_dwRef);
    if (n == 0)
        delete m_pOwner;
    return (ULONG)(n < 0 ? 0 : n);
}

STDMETHODIMP COleDataSource::XDataObject::GetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium)
{
    if (pFormatEtc == NULL || pMedium == NULL)
        return E_INVALIDARG;
    memset(pMedium, 0, sizeof(*pMedium));
    if (!(pFormatEtc->tymed & TYMED_HGLOBAL))
        return DV_E_TYMED;
    int i = m_pOwner->Find(pFormatEtc->cfFormat, TYMED_HGLOBAL);
    if (i < 0)
        return DV_E_FORMATETC;
    // The receiver owns the medium it gets: a copy of the cached block.
    HGLOBAL hCopy = CopyGlobal(m_pOwner->m_pEntries[i].hGlobal);
    if (hCopy == NULL)
        return E_OUTOFMEMORY;
    pMedium->tymed = TYMED_HGLOBAL;
    pMedium->hGlobal = hCopy;
    pMedium->pUnkForRelease = NULL;
    return S_OK;
}

STDMETHODIMP COleDataSource::XDataObject::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::QueryGetData(FORMATETC* pFormatEtc)
{
    if (pFormatEtc == NULL)
        return E_INVALIDARG;
    if (!(pFormatEtc->tymed & TYMED_HGLOBAL))
        return DV_E_TYMED;
    return m_pOwner->Find(pFormatEtc->cfFormat, TYMED_HGLOBAL) >= 0 ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pFormatEtcOut)
{
    if (pFormatEtcOut != NULL)
        pFormatEtcOut->ptd = NULL;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum)
{
    if (ppEnum == NULL)
        return E_INVALIDARG;
    *ppEnum = NULL;
    if (dwDirection != DATADIR_GET)
        return E_NOTIMPL;
    int n = m_pOwner->m_nEntries;
    FORMATETC* pFormats = new FORMATETC[n > 0 ? n : 1];
    for (int i = 0; i < n; i++)
        pFormats[i] = m_pOwner->m_pEntries[i].fe;
    HRESULT hr = ::SHCreateStdEnumFmtEtc((UINT)n, pFormats, ppEnum);
    delete[] pFormats;
    return hr;
}

STDMETHODIMP COleDataSource::XDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
STDMETHODIMP COleDataSource::XDataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
STDMETHODIMP COleDataSource::XDataObject::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

// ---------------------------------------------------------------------------------------------
// COleDropSource

COleDropSource::COleDropSource()
{
    m_xDropSource.m_pOwner = this;
}

COleDropSource::~COleDropSource() {}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed)
        return DRAGDROP_S_CANCEL;
    if (!(dwKeyState & (MK_LBUTTON | MK_RBUTTON)))
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// The object lives as long as its owner; the platform's references do not free it.
STDMETHODIMP COleDropSource::XDropSource::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource))
    {
        *ppv = static_cast<IDropSource*>(this);
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}
STDMETHODIMP_(ULONG) COleDropSource::XDropSource::AddRef()
{
    return 2;
}
STDMETHODIMP_(ULONG) COleDropSource::XDropSource::Release()
{
    return 1;
}
STDMETHODIMP COleDropSource::XDropSource::QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
{
    return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState);
}
STDMETHODIMP COleDropSource::XDropSource::GiveFeedback(DWORD dwEffect)
{
    return m_pOwner->GiveFeedback(dwEffect);
}
