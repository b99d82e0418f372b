// The placement that ScaleDIB and ScaleBmp give a picture of w by h pixels in a rectangle's size:
// a picture that fits is enlarged until one side fills the rectangle, a larger one shrunk until
// both fit; the aspect is kept, and the result is centred on request (else at the origin).
#pragma once

#include <afxwin.h>

inline CRect QScaleFit(int w, int h, const CRect& rect, BOOL bCenter)
{
    const int W = rect.Width(), H = rect.Height();
    const bool bFits = W >= w && H >= h;
    const float sx = (float)W / (float)w;
    const float sy = (float)H / (float)h;
    const float s = bFits ? (sx > sy ? sx : sy) : (sx < sy ? sx : sy);
    const int dw = (int)(w * s);
    const int dh = (int)(h * s);
    const int x = bCenter ? (W - dw) / 2 : 0;
    const int y = bCenter ? (H - dh) / 2 : 0;
    return CRect(x, y, x + dw, y + dh);
}
