// CQImage: one device-dependent bitmap and one icon, loaded from files or module resources and
// drawn one to one, stretched, scaled, or with one colour left out; and a window region of the
// bitmap without its transparent colour.
//
// The object owns the bitmap (deleted with it, and when another one replaces it) but not the icon,
// which the platform shares for resource icons; an icon loaded from a file is destroyed when
// another one replaces it or the object goes.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CQImage : public CObject
{
public:
    CQImage();
    virtual ~CQImage();

    // Loading; FALSE when the platform cannot load the image (what was held stays then).
    BOOL OpenBmpFile(LPCTSTR lpszPath);
    BOOL OpenBmpID(UINT nID);
    BOOL OpenIconFile(LPCTSTR lpszPath);
    BOOL OpenIconID(UINT nID);

    // 0 without a bitmap.
    int GetBmpWidth() const;
    int GetBmpHeight() const;
    HBITMAP GetBitmapHandle() const { return (HBITMAP)m_bitmap.GetSafeHandle(); }
    HICON GetIconHandle() const { return m_hIcon; }

    // Drawing; nothing without a bitmap (icon) or DC.
    void DrawBlt(CDC* pDC, int x, int y, int cx, int cy) const;
    void ShowBmp(CDC* pDC, int x, int y, int cx, int cy) const { DrawBlt(pDC, x, y, cx, cy); }
    void ShowBmp(CDC* pDC, int x, int y) const;
    // At (0, 0) in the size of the window rectangle of the DC's window (nothing for a DC of no window).
    void ShowBmp(CDC* pDC) const;
    void StretchBmp(CDC* pDC, int x, int y, int cx, int cy, int xs, int ys, int cxs, int cys) const;
    void StretchBmp(CDC* pDC) const;
    void ScaleBmp(CDC* pDC, CRect rect, BOOL bCenter) const;
    void ShowIcon(CDC* pDC) const;
    void DrawTransBlt(CDC* pDC, int x, int y, int cx, int cy, COLORREF clrTrans) const;
    void ShowTransBmp(CDC* pDC, int x, int y, int cx, int cy, COLORREF clrTrans) const
    {
        DrawTransBlt(pDC, x, y, cx, cy, clrTrans);
    }
    void ShowTransBmp(CDC* pDC, int x, int y, COLORREF clrTrans) const;
    void StretchTransBlt(CDC* pDC, int x, int y, int cx, int cy, int xs, int ys, int cxs, int cys,
                         COLORREF clrTrans) const;
    void StretchTransBmp(CDC* pDC, COLORREF clrTrans) const;

    // The bitmap's pixels that are not within 16 above clrTrans in every channel, as a region the
    // caller owns; NULL without a bitmap or when the working DC or bitmap cannot be made.
    HRGN GetBmpRgn(COLORREF clrTrans) const;

protected:
    // The size of the window rectangle of the DC's window; FALSE when the DC belongs to no window.
    static BOOL WindowSizeOf(CDC* pDC, CSize& size);
    void SetIcon(HICON hIcon, BOOL bOwned);

    CBitmap m_bitmap;
    HICON m_hIcon;
    UINT m_nBitmapID;
    BOOL m_bOwnIcon; // the icon came from a file and is destroyed with the object
};
