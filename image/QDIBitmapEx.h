// CQDIBitmapEx: a CQDIBitmap that also reads what the base class cannot, through the platform's
// imaging component (Windows Imaging Component): JPEG files (LoadJpeg), PNG files (Load of a name
// containing ".PNG" that no other type claims; the type is then DIBTYPE_JPEG, "decoded by the
// imaging component"), and the PNG preview (entry code 6) that drawings of newer releases hold
// instead of a bitmap (LoadDwg, after the base loader found no bitmap entry).
//
// Decoded images become 24-bit bottom-up DIBs with no colour table in use; transparent pixels
// are laid on white. Decoding stops, and the
// load fails, for an encoded image of more than 256 MB or a decoded one of more than 64 million
// pixels.
#pragma once

#include "image/QDIBitmap.h"

class AFX_EXT_CLASS CQDIBitmapEx : public CQDIBitmap
{
public:
    CQDIBitmapEx() {}
    CQDIBitmapEx(const CQDIBitmapEx& src) : CQDIBitmap(src) {}
    CQDIBitmapEx& operator=(const CQDIBitmapEx& src)
    {
        CQDIBitmap::operator=(src);
        return *this;
    }

    BOOL Load(LPCTSTR lpszPath) override;
    BOOL LoadDwg(CFile* pFile) override;
    BOOL LoadJpeg(CFile* pFile) override;

    // Decodes an encoded image (any format the imaging component knows) held in memory into the
    // blocks; the type is left as it was. FALSE when it cannot be decoded.
    BOOL LoadEncoded(const BYTE* pData, DWORD nSize);
};
