// CImageList: a thin owner of a common-controls image list.
#include <afxcmn.h>

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::CImageList() : m_hImageList(NULL) {}

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
  DeleteImageList();
  m_hImageList = ::ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
  return m_hImageList != NULL;
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
  if (hImageList == NULL || m_hImageList != NULL) return FALSE;
  m_hImageList = hImageList;
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST hImageList = m_hImageList;
  m_hImageList = NULL;
  return hImageList;
}

BOOL CImageList::DeleteImageList() {
  if (m_hImageList == NULL) return FALSE;
  BOOL bResult = ::ImageList_Destroy(Detach());
  return bResult;
}

int CImageList::GetImageCount() const {
  return m_hImageList != NULL ? ::ImageList_GetImageCount(m_hImageList) : 0;
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
  if (m_hImageList == NULL || pImageInfo == NULL) return FALSE;
  return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
  if (m_hImageList == NULL || pbmImage == NULL) return -1;
  return ::ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(),
                         pbmMask != NULL ? (HBITMAP)pbmMask->GetSafeHandle() : NULL);
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
  if (m_hImageList == NULL || pbmImage == NULL) return -1;
  return ::ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}

int CImageList::Add(HICON hIcon) {
  if (m_hImageList == NULL) return -1;
  return ::ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
  if (m_hImageList == NULL || pDC == NULL) return FALSE;
  return ::ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
