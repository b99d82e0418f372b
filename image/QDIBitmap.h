// CQDIBitmap: one device-independent bitmap in memory (a 1064-byte header block holding the
// information header and a 256-entry colour table, and a block of pixel rows), loaded from a
// BMP/DIB file, from the thumbnail inside a drawing file or from a bitmap resource, drawn one to
// one, stretched or scaled, and saved as a BMP file. CQBmpPalette makes a logical palette of its
// colour table.
//
// Every block the loaders allocate is bounded by what the file or resource actually holds: a size
// field larger than the bytes that follow gives a block of the bytes that are there (zero-filled
// where a read stops early). The object remembers the pixel block's real size, and drawing and
// saving never reach past it: a bitmap whose rows need more bytes than its block holds draws
// nothing and saves only the bytes it has. A bitmap of more than 64 million pixels is not drawn
// (the platform would expand it in memory).
#pragma once

#include <afxwin.h>

enum QDIBType : int
{
    DIBTYPE_NONE = 0,
    DIBTYPE_BMP = 1,  // a .BMP or .DIB file
    DIBTYPE_DWG = 3,  // the bitmap thumbnail of a drawing file
    DIBTYPE_JPEG = 4, // a .JPEG or .JPG file (read only by a derived loader)
};

class AFX_EXT_CLASS CQDIBitmap : public CObject
{
public:
    // Size of the header block: the information header and 256 colour entries.
    enum
    {
        HEADER_BLOCK_SIZE = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD)
    };

    CQDIBitmap();
    CQDIBitmap(const CQDIBitmap& src);
    virtual ~CQDIBitmap();
    CQDIBitmap& operator=(const CQDIBitmap& src);

    // Drawing: nothing without a header block or a device context.
    // The source rectangle (0, 0, cx, cy) at (x, y), one to one.
    virtual void DrawDIB(CDC* pDC, int x, int y, int cx, int cy) const;
    // The source rectangle (xs, ys, cxs, cys) stretched into (x, y, cx, cy).
    virtual void StretchDIB(CDC* pDC, int x, int y, int cx, int cy, int xs, int ys, int cxs, int cys) const;
    // The whole bitmap scaled to the rectangle's size: a bitmap that fits both ways grows by the
    // larger ratio, any other shrinks by the smaller one; placed at the DC's origin, centred in
    // the rectangle's size when bCenter is set.
    virtual void ScaleDIB(CDC* pDC, CRect rect, BOOL bCenter) const;

    // Empties the object, then loads the file by the type its name implies. TRUE on success;
    // FALSE (object empty) for an unknown name, a file that cannot be opened or read, or a
    // loader's refusal.
    virtual BOOL Load(LPCTSTR lpszPath);
    // Releases both blocks (when the type is not DIBTYPE_NONE) and empties the object.
    virtual void FreeDIB();
    // A bitmap resource with a 40-byte header of the given module. The type is left as it was.
    virtual BOOL LoadBmp(HINSTANCE hInstance, UINT nIDResource);
    // A BMP file from the file's current position. The type is left as it was.
    virtual BOOL LoadBmp(CFile* pFile);
    // The bitmap thumbnail of a drawing file. The type is left as it was.
    virtual BOOL LoadDwg(CFile* pFile);
    // The base class reads no JPEG: FALSE. A derived class may read one here.
    virtual BOOL LoadJpeg(CFile* pFile);
    // Writes a BMP file; the number of bytes written, 0 without a bitmap.
    virtual DWORD SaveBmp(CFile& file) const;

    QDIBType DIBType() const { return m_type; }
    // The type a path's name implies: the first of ".BMP", ".DIB", ".DWG", ".JPEG", ".JPG" found
    // anywhere in the upper-cased name.
    static QDIBType FileType(LPCTSTR lpszPath);

    BITMAPINFO* GetHeaderPtr() const { return reinterpret_cast<BITMAPINFO*>(m_pHeader); }
    RGBQUAD* GetColorTablePtr() const;
    BYTE* GetPixelPtr() const { return m_pPixels; }
    // The pixel block's size in bytes (0 without one).
    DWORD GetPixelBlockSize() const { return m_dwPixelBytes; }

    // These require a header block.
    LONG GetWidth() const { return Header().biWidth; }
    LONG GetHeight() const { return Header().biHeight; }
    WORD GetNumColors() const;
    WORD GetPaletteSize() const { return (WORD)(GetNumColors() * 4); }
    DWORD GetPalEntries(BITMAPINFOHEADER& header) const;
    DWORD GetPalEntries() const { return GetPalEntries(Header()); }
    DWORD GetPixelCount() const;

    // The message of the last refused load on this thread ("" when none was refused yet).
    static LPCTSTR GetLastLoadError();

protected:
    BITMAPINFOHEADER& Header() const { return *reinterpret_cast<BITMAPINFOHEADER*>(m_pHeader); }
    // Allocates the blocks of a loader: a zero-filled header block with the 40-byte header, and a
    // pixel block of nPixelBytes for the loader to fill. Blocks held before are released first.
    void AllocBlocks(const BITMAPINFOHEADER& header, DWORD nPixelBytes);
    // Fills the pixel block from the file's position; what the file does not hold becomes zero.
    void ReadPixels(CFile* pFile);
    // The header with its colour table bounded for drawing; FALSE when the pixel block is too
    // small for the rows the header describes.
    BOOL PrepareDraw(BYTE (&header)[HEADER_BLOCK_SIZE]) const;
    // Records a refused load's message (and shows it to a debugger).
    static void SetLoadError(LPCTSTR lpszMessage);

    BYTE* m_pHeader;      // HEADER_BLOCK_SIZE bytes, owned; NULL when empty
    BYTE* m_pPixels;      // m_dwPixelBytes bytes, owned; NULL when empty
    QDIBType m_type;      // how the bitmap was last loaded
    DWORD m_dwPixelBytes; // size of the pixel block
};

// A logical palette of a bitmap's colour table (at most 256 entries).
class AFX_EXT_CLASS CQBmpPalette : public CPalette
{
public:
    explicit CQBmpPalette(CQDIBitmap* pBitmap);
    virtual ~CQBmpPalette();
};
