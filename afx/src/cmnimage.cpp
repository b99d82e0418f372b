// CImageList: an owning wrapper over HIMAGELIST, with the handle maps behind FromHandle.
#include <afxcmn.h>
#include <map>

namespace
{

// Objects that own their image list (Attach/Create) and the temporary wrappers FromHandle made
// for image lists nobody owns. The user-interface thread is the only one that uses them.
std::map<HIMAGELIST, CImageList*>& PermanentMap()
{
    static std::map<HIMAGELIST, CImageList*> map;
    return map;
}
std::map<HIMAGELIST, CImageList*>& TemporaryMap()
{
    static std::map<HIMAGELIST, CImageList*> map;
    return map;
}

void InitCommonControlsOnce()
{
    static bool bDone = false;
    if (bDone)
        return;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    bDone = true;
}

HBITMAP BitmapOf(CBitmap* pBitmap)
{
    return pBitmap != NULL ? (HBITMAP)pBitmap->GetSafeHandle() : NULL;
}
HDC DcOf(CDC* pDC)
{
    return pDC != NULL ? pDC->GetSafeHdc() : NULL;
}

} // namespace

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::CImageList() : m_hImageList(NULL) {}

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    InitCommonControlsOnce();
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}
BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}
BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    InitCommonControlsOnce();
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    return Attach(ImageList_LoadBitmap(hInst, lpszBitmapID, cx, nGrow, crMask));
}
BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx,
                        int dy)
{
    InitCommonControlsOnce();
    return Attach(
        ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList, nImage2, dx, dy));
}
BOOL CImageList::Create(CImageList* pImageList)
{
    if (pImageList == NULL || pImageList->m_hImageList == NULL)
        return FALSE;
    InitCommonControlsOnce();
    return Attach(ImageList_Duplicate(pImageList->m_hImageList));
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    if (hImageList == NULL)
        return NULL;
    CImageList* pList = FromHandlePermanent(hImageList);
    if (pList != NULL)
        return pList;
    CImageList*& pTemp = TemporaryMap()[hImageList];
    if (pTemp == NULL)
    {
        pTemp = new CImageList;
        pTemp->m_hImageList = hImageList; // not entered in the permanent map: it does not own it
    }
    return pTemp;
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList)
{
    auto it = PermanentMap().find(hImageList);
    return it != PermanentMap().end() ? it->second : NULL;
}

void PASCAL CImageList::DeleteTempMap()
{
    std::map<HIMAGELIST, CImageList*> temp;
    temp.swap(TemporaryMap());
    for (auto& entry : temp)
    {
        entry.second->m_hImageList = NULL;
        delete entry.second;
    }
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    ASSERT(m_hImageList == NULL);
    if (hImageList == NULL || m_hImageList != NULL)
        return FALSE;
    m_hImageList = hImageList;
    PermanentMap()[hImageList] = this;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != NULL)
    {
        auto it = PermanentMap().find(hImageList);
        if (it != PermanentMap().end() && it->second == this)
            PermanentMap().erase(it);
    }
    m_hImageList = NULL;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == NULL)
        return FALSE;
    // A temporary wrapper does not own its image list.
    if (FromHandlePermanent(m_hImageList) != this)
    {
        m_hImageList = NULL;
        return FALSE;
    }
    return ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const
{
    ASSERT(m_hImageList != NULL);
    return ImageList_GetImageCount(m_hImageList);
}
BOOL CImageList::SetImageCount(UINT uNewCount)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_SetImageCount(m_hImageList, uNewCount);
}
COLORREF CImageList::SetBkColor(COLORREF cr)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_SetBkColor(m_hImageList, cr);
}
COLORREF CImageList::GetBkColor() const
{
    ASSERT(m_hImageList != NULL);
    return ImageList_GetBkColor(m_hImageList);
}
BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    ASSERT(m_hImageList != NULL);
    if (pImageInfo == NULL)
        return FALSE;
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}
BOOL CImageList::GetIconSize(int* cx, int* cy) const
{
    ASSERT(m_hImageList != NULL);
    if (cx == NULL || cy == NULL)
        return FALSE;
    return ImageList_GetIconSize(m_hImageList, cx, cy);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_Add(m_hImageList, BitmapOf(pbmImage), BitmapOf(pbmMask));
}
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask);
}
int CImageList::Add(HICON hIcon)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}
BOOL CImageList::Remove(int nImage)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_Remove(m_hImageList, nImage);
}
BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage), BitmapOf(pbmMask));
}
int CImageList::Replace(int nImage, HICON hIcon)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}
HICON CImageList::ExtractIcon(int nImage)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}
BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    ASSERT(m_hImageList != NULL);
    if (DcOf(pDC) == NULL)
        return FALSE;
    return ImageList_Draw(m_hImageList, nImage, DcOf(pDC), pt.x, pt.y, nStyle);
}
BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle)
{
    ASSERT(m_hImageList != NULL);
    if (DcOf(pDC) == NULL)
        return FALSE;
    return ImageList_DrawEx(m_hImageList, nImage, DcOf(pDC), pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg, nStyle);
}
BOOL CImageList::SetOverlayImage(int nImage, int nOverlay)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
}
void PASCAL CImageList::EndDrag()
{
    ImageList_EndDrag();
}
BOOL PASCAL CImageList::DragMove(CPoint pt)
{
    return ImageList_DragMove(pt.x, pt.y);
}
BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ImageList_DragEnter(pWndLock->GetSafeHwnd(), point.x, point.y);
}
BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock)
{
    return ImageList_DragLeave(pWndLock->GetSafeHwnd());
}
BOOL PASCAL CImageList::DragShowNolock(BOOL bShow)
{
    return ImageList_DragShowNolock(bShow);
}
