// CQMemDC: an off-screen device context for flicker-free painting. Made over a target DC at the
// start of a paint, it draws into a bitmap the size of the target's clip box, with the same
// coordinates as the target, and copies the bitmap to the target when it is destroyed.
// Over a printing DC it draws straight into the target instead (no bitmap, nothing copied).
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CQMemDC : public CDC
{
public:
    explicit CQMemDC(CDC* pDC); // pDC is not owned and must outlive this object
    virtual ~CQMemDC();         // copies the bitmap to the target

    // So that the object can stand where a device-context pointer is expected.
    CQMemDC* operator->() { return this; }
    operator CQMemDC*() { return this; }

private:
    CQMemDC(const CQMemDC&) = delete;
    CQMemDC& operator=(const CQMemDC&) = delete;

    CBitmap m_bitmap;      // the off-screen bitmap, owned
    CBitmap* m_pOldBitmap; // selected into the memory DC before m_bitmap
    CDC* m_pDC;            // the target, not owned
    CRect m_rect;          // the target's clip box when the object was made, logical units
    BOOL m_bMemDC;         // TRUE: drawing goes to the bitmap; FALSE: straight to the (printing) target
};
