// Common controls of the framework layer. So far: CImageList, the image list wrapper.
#pragma once

#include <afxwin.h>
#include <commctrl.h>

// Owns the image list it creates or attaches and destroys it with itself.
class AFX_CORE_CLASS CImageList : public CObject {
  DECLARE_DYNCREATE(CImageList)
 public:
  CImageList();
  virtual ~CImageList();

  HIMAGELIST m_hImageList;

  operator HIMAGELIST() const { return m_hImageList; }
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }

  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  BOOL Attach(HIMAGELIST hImageList);
  HIMAGELIST Detach();
  BOOL DeleteImageList();

  int GetImageCount() const;
  BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(CBitmap* pbmImage, COLORREF crMask);
  int Add(HICON hIcon);
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);

 private:
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;
};
