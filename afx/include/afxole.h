// OLE data transfer of the framework layer.
// COleDataObject reads an IDataObject (a drop's or the clipboard's); COleDropTarget registers a
// window with the platform's drag-and-drop and turns the platform's calls into its overridables;
// COleDataSource offers data in global memory to the clipboard or to the platform's drag loop.
// (The rest of the framework's OLE is not part of the layer.)
#pragma once

#include <afxwin.h>
#include <afxdisp.h>
#include <ole2.h>

typedef DWORD DROPEFFECT;

class AFX_CORE_CLASS COleDataObject
{
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
    LPDATAOBJECT m_lpDataObject; // the wrapped object, or NULL
    BOOL m_bAutoRelease;         // release m_lpDataObject when letting go

private:
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;
};

class AFX_CORE_CLASS COleDropTarget : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropTarget)
public:
    COleDropTarget();
    virtual ~COleDropTarget(); // revokes a registration still in force

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
    HWND m_hWnd; // the registered window, or NULL

private:
    // The platform's view of this object.
    struct XDropTarget : public IDropTarget
    {
        COleDropTarget* m_pOwner;
        LPDATAOBJECT m_lpDataObject; // the object being dragged over, held between enter and leave
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

class COleDropSource;

// Data offered to others: global-memory blocks, one per clipboard format. The object is counted:
// it starts with one reference, its owner's. SetClipboard hands that reference to the clipboard,
// which deletes the object when it lets go of it; otherwise the owner deletes it.
class AFX_CORE_CLASS COleDataSource : public CCmdTarget
{
public:
    COleDataSource();
    virtual ~COleDataSource(); // frees the cached blocks

    // Takes hGlobal over (freed by Empty or the destructor); replaces an earlier block of the format.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = NULL);
    void Empty();

    // Runs the platform's modal drag loop; returns the effect the drop target chose (none when the
    // drag was cancelled or refused).
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = NULL, COleDropSource* pDropSource = NULL);
    // Puts the object on the clipboard; the clipboard owns it from now on (and deletes it at once
    // when the platform refuses it).
    void SetClipboard();
    // Renders the clipboard's data and lets go of the object that offered it.
    static void PASCAL FlushClipboard();

    // The platform's view of the object (not referenced for the caller).
    LPDATAOBJECT GetInterface() { return &m_xDataObject; }

protected:
    struct Entry
    {
        FORMATETC fe;
        HGLOBAL hGlobal;
    };
    Entry* m_pEntries; // m_nEntries blocks, new[]
    int m_nEntries;
    LONG m_dwRef;

private:
    struct XDataObject : public IDataObject
    {
        COleDataSource* m_pOwner;
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(GetData)(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override;
        STDMETHOD(GetDataHere)(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override;
        STDMETHOD(QueryGetData)(FORMATETC* pFormatEtc) override;
        STDMETHOD(GetCanonicalFormatEtc)(FORMATETC* pFormatEtcIn, FORMATETC* pFormatEtcOut) override;
        STDMETHOD(SetData)(FORMATETC* pFormatEtc, STGMEDIUM* pMedium, BOOL fRelease) override;
        STDMETHOD(EnumFormatEtc)(DWORD dwDirection, IEnumFORMATETC** ppEnum) override;
        STDMETHOD(DAdvise)
        (FORMATETC* pFormatEtc, DWORD advf, IAdviseSink* pSink, DWORD* pdwConnection) override;
        STDMETHOD(DUnadvise)(DWORD dwConnection) override;
        STDMETHOD(EnumDAdvise)(IEnumSTATDATA** ppEnum) override;
    } m_xDataObject;
    int Find(CLIPFORMAT cfFormat, DWORD tymed) const;
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;
    friend struct XDataObject;
};

// The dragging side's answers to the drag loop: drop when the left button is up, cancel on Escape.
class AFX_CORE_CLASS COleDropSource : public CCmdTarget
{
public:
    COleDropSource();
    virtual ~COleDropSource();
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);

    struct XDropSource : public IDropSource
    {
        COleDropSource* m_pOwner;
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(QueryContinueDrag)(BOOL fEscapePressed, DWORD grfKeyState) override;
        STDMETHOD(GiveFeedback)(DWORD dwEffect) override;
    } m_xDropSource;
};
