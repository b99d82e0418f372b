// CQDIBitmap: the blocks and their accessors, the loaders (BMP file, drawing thumbnail,
// resource), saving, drawing and copying; CQBmpPalette.
#include "image/QDIBitmap.h"
#include "image/internal/QScaleFit.h"

#include <cstring>

namespace
{

const WORD kBitmapFileType = 0x4D42; // "BM"
const DWORD kInfoHeaderSize = sizeof(BITMAPINFOHEADER);
const DWORD kColorTableSize = 256 * sizeof(RGBQUAD);
const ULONGLONG kMaxDrawPixels = 64ull * 1024 * 1024; // largest bitmap drawn

// Start sentinel of a drawing's image area; the end sentinel is its bitwise complement.
const BYTE kImageSentinel[16] = {0x1F, 0x25, 0x6D, 0x07, 0xD4, 0x36, 0x28, 0x28,
                                 0x9D, 0x57, 0xCA, 0x3F, 0x9D, 0x44, 0x10, 0x2B};

const wchar_t kErrNotDib[] = L"Error: Unexpected file type, not a DIB\n";
const wchar_t kErrFileHeader[] = L"Error: OSZ PM BMP Format not supported\n";
const wchar_t kErrResFind[] = L"Error: Can't find load resource.\n";
const wchar_t kErrResLock[] = L"Error: Can't find lock resource.\n";
const wchar_t kErrResHeader[] = L"Error: OS2 PM BMP Format not supported\n";

thread_local const wchar_t* t_pszLastError = L"";

DWORD ReadU32(const BYTE* p)
{
    return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
}

// Reads up to nCount bytes; a short read leaves the rest of the buffer as it was.
UINT ReadSome(CFile* pFile, void* pBuf, UINT nCount)
{
    return pFile->Read(pBuf, nCount);
}

// Bytes of the file from the current position to its end.
ULONGLONG Remaining(CFile* pFile)
{
    ULONGLONG nPos = pFile->GetPosition();
    ULONGLONG nLen = pFile->GetLength();
    return nPos < nLen ? nLen - nPos : 0;
}

// Bytes a bitmap's rows take: rows padded to four bytes; 0 when the header describes nothing
// drawable without compression. 64-bit so that no size field overflows.
ULONGLONG RowBytes(const BITMAPINFOHEADER& h)
{
    LONGLONG nBits = (LONGLONG)h.biWidth * h.biBitCount;
    if (nBits <= 0)
        return 0;
    return (ULONGLONG)((nBits + 31) / 32) * 4;
}

ULONGLONG AbsHeight(const BITMAPINFOHEADER& h)
{
    LONGLONG n = h.biHeight;
    return (ULONGLONG)(n < 0 ? -n : n);
}

bool IsRunLength(const BITMAPINFOHEADER& h)
{
    return h.biCompression == BI_RLE8 || h.biCompression == BI_RLE4;
}

// The pixel block's size by the header's own account: biSizeImage, or one byte a pixel.
ULONGLONG ModelPixelBytes(const BITMAPINFOHEADER& h)
{
    if (h.biSizeImage != 0)
        return h.biSizeImage;
    return (ULONGLONG)(h.biWidth < 0 ? 0 : h.biWidth) * AbsHeight(h);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Construction, copying, blocks

CQDIBitmap::CQDIBitmap() : m_pHeader(NULL), m_pPixels(NULL), m_type(DIBTYPE_NONE), m_dwPixelBytes(0) {}

CQDIBitmap::CQDIBitmap(const CQDIBitmap& src) : CQDIBitmap()
{
    *this = src;
}

CQDIBitmap::~CQDIBitmap()
{
    FreeDIB();
}

CQDIBitmap& CQDIBitmap::operator=(const CQDIBitmap& src)
{
    if (&src == this)
        return *this;
    FreeDIB();
    if (src.m_type == DIBTYPE_NONE || src.m_pHeader == NULL)
        return *this;
    // The whole source block is copied: the header's own account of the size can be smaller than
    // the rows it describes (biSizeImage 0), and larger than what the source holds.
    m_pHeader = new BYTE[HEADER_BLOCK_SIZE];
    memcpy(m_pHeader, src.m_pHeader, HEADER_BLOCK_SIZE);
    m_dwPixelBytes = src.m_dwPixelBytes;
    m_pPixels = new BYTE[m_dwPixelBytes ? m_dwPixelBytes : 1];
    if (src.m_pPixels != NULL && m_dwPixelBytes)
        memcpy(m_pPixels, src.m_pPixels, m_dwPixelBytes);
    m_type = src.m_type;
    return *this;
}

void CQDIBitmap::FreeDIB()
{
    // Blocks that a direct loader filled without setting the type are released too.
    delete[] m_pHeader;
    delete[] m_pPixels;
    m_pHeader = NULL;
    m_pPixels = NULL;
    m_dwPixelBytes = 0;
    m_type = DIBTYPE_NONE;
}

void CQDIBitmap::AllocBlocks(const BITMAPINFOHEADER& header, DWORD nPixelBytes)
{
    delete[] m_pHeader;
    delete[] m_pPixels;
    m_pHeader = NULL;
    m_pPixels = NULL;
    m_dwPixelBytes = 0;
    m_pHeader = new BYTE[HEADER_BLOCK_SIZE]();
    memcpy(m_pHeader, &header, kInfoHeaderSize);
    m_pPixels = new BYTE[nPixelBytes ? nPixelBytes : 1];
    m_dwPixelBytes = nPixelBytes;
}

void CQDIBitmap::ReadPixels(CFile* pFile)
{
    UINT nRead = pFile->Read(m_pPixels, m_dwPixelBytes);
    if (nRead < m_dwPixelBytes)
        memset(m_pPixels + nRead, 0, m_dwPixelBytes - nRead);
}

RGBQUAD* CQDIBitmap::GetColorTablePtr() const
{
    return m_pHeader ? reinterpret_cast<RGBQUAD*>(m_pHeader + kInfoHeaderSize) : NULL;
}

WORD CQDIBitmap::GetNumColors() const
{
    const BITMAPINFOHEADER& h = Header();
    if (h.biClrUsed != 0)
        return (WORD)h.biClrUsed;
    switch (h.biBitCount)
    {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

DWORD CQDIBitmap::GetPalEntries(BITMAPINFOHEADER& header) const
{
    if (header.biClrUsed != 0)
        return header.biClrUsed;
    switch (header.biBitCount)
    {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

DWORD CQDIBitmap::GetPixelCount() const
{
    const BITMAPINFOHEADER& h = Header();
    if (h.biSizeImage != 0)
        return h.biSizeImage;
    return (DWORD)((LONGLONG)h.biHeight * h.biWidth);
}

LPCTSTR CQDIBitmap::GetLastLoadError()
{
    return t_pszLastError;
}

void CQDIBitmap::SetLoadError(LPCTSTR lpszMessage)
{
    t_pszLastError = lpszMessage;
    ::OutputDebugStringW(lpszMessage);
}

// ---------------------------------------------------------------------------------------------
// Loading

QDIBType CQDIBitmap::FileType(LPCTSTR lpszPath)
{
    CString strName(lpszPath ? lpszPath : L"");
    strName.MakeUpper();
    static const struct
    {
        const wchar_t* pszText;
        QDIBType type;
    } kTypes[] = {{L".BMP", DIBTYPE_BMP},
                  {L".DIB", DIBTYPE_BMP},
                  {L".DWG", DIBTYPE_DWG},
                  {L".JPEG", DIBTYPE_JPEG},
                  {L".JPG", DIBTYPE_JPEG}};
    for (const auto& t : kTypes)
    {
        if (strName.Find(t.pszText) >= 0)
            return t.type;
    }
    return DIBTYPE_NONE;
}

BOOL CQDIBitmap::Load(LPCTSTR lpszPath)
{
    FreeDIB();
    QDIBType type = FileType(lpszPath);
    if (type == DIBTYPE_NONE)
        return FALSE;
    BOOL bResult = FALSE;
    try
    {
        CFile file(lpszPath, CFile::modeRead);
        switch (type)
        {
        case DIBTYPE_BMP: bResult = LoadBmp(&file); break;
        case DIBTYPE_DWG: bResult = LoadDwg(&file); break;
        default: bResult = LoadJpeg(&file); break;
        }
        file.Close();
    }
    catch (CFileException* e)
    {
        e->Delete();
        FreeDIB();
        return FALSE;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        FreeDIB();
        return FALSE;
    }
    if (bResult == TRUE)
        m_type = type;
    else
        FreeDIB(); // a loader that failed half-way keeps nothing
    return bResult;
}

BOOL CQDIBitmap::LoadBmp(CFile* pFile)
{
    try
    {
        ULONGLONG nStart = pFile->GetPosition();
        BYTE fileHeader[sizeof(BITMAPFILEHEADER)] = {};
        ReadSome(pFile, fileHeader, sizeof(fileHeader));
        if ((fileHeader[0] | (fileHeader[1] << 8)) != kBitmapFileType)
            throw kErrNotDib;
        BITMAPINFOHEADER info = {};
        ReadSome(pFile, &info, kInfoHeaderSize);
        if (info.biSize != kInfoHeaderSize)
            throw kErrFileHeader;
        DWORD bfSize = ReadU32(fileHeader + 2);
        DWORD bfOffBits = ReadU32(fileHeader + 10);
        // A file size below the pixels' offset leaves no pixels: an empty pixel block.
        ULONGLONG nPixelBytes = bfSize > bfOffBits ? bfSize - bfOffBits : 0;
        ULONGLONG nFileLength = pFile->GetLength();
        ULONGLONG nPixelStart = nStart + bfOffBits;
        ULONGLONG nAvailable = nPixelStart < nFileLength ? nFileLength - nPixelStart : 0;
        if (nPixelBytes > nAvailable)
            nPixelBytes = nAvailable;

        AllocBlocks(info, (DWORD)nPixelBytes);
        ReadSome(pFile, m_pHeader + kInfoHeaderSize, kColorTableSize);
        if (nPixelBytes)
        {
            pFile->Seek((LONGLONG)nPixelStart, CFile::begin);
            ReadPixels(pFile);
        }
        return TRUE;
    }
    catch (const wchar_t* pszMessage)
    {
        SetLoadError(pszMessage);
        return FALSE;
    }
}

BOOL CQDIBitmap::LoadDwg(CFile* pFile)
{
    try
    {
        BYTE buf[16];
        pFile->Seek(13, CFile::begin);
        memset(buf, 0, sizeof(buf));
        if (ReadSome(pFile, buf, 4) != 4)
            return FALSE;
        DWORD nAreaOffset = ReadU32(buf);
        if (nAreaOffset >= pFile->GetLength())
            return FALSE;
        pFile->Seek(nAreaOffset, CFile::begin);
        if (ReadSome(pFile, buf, 16) != 16 || memcmp(buf, kImageSentinel, 16) != 0)
            return FALSE;
        if (ReadSome(pFile, buf, 4) != 4)
            return FALSE;
        DWORD nAreaSize = ReadU32(buf);
        ULONGLONG nAreaStart = pFile->GetPosition();
        if (nAreaSize > Remaining(pFile))
            return FALSE; // the end sentinel would lie past the end of the file
        pFile->Seek((LONGLONG)(nAreaStart + nAreaSize), CFile::begin);
        if (ReadSome(pFile, buf, 16) != 16)
            return FALSE;
        for (int i = 0; i < 16; i++)
        {
            if (buf[i] != (BYTE)~kImageSentinel[i])
                return FALSE;
        }
        pFile->Seek((LONGLONG)nAreaStart, CFile::begin);

        BYTE nEntries = 0;
        if (ReadSome(pFile, &nEntries, 1) != 1)
            return FALSE;
        bool bFound = false;
        DWORD nEntryStart = 0, nEntrySize = 0;
        for (int i = 0; i < nEntries && !bFound; i++)
        {
            BYTE entry[9];
            if (ReadSome(pFile, entry, 9) != 9)
                return FALSE;
            if (entry[0] == 2)
            {
                bFound = true;
                nEntryStart = ReadU32(entry + 1);
                nEntrySize = ReadU32(entry + 5);
            }
        }
        if (!bFound || nEntryStart >= pFile->GetLength())
            return FALSE;

        pFile->Seek(nEntryStart, CFile::begin);
        BITMAPINFOHEADER info = {};
        ReadSome(pFile, &info, kInfoHeaderSize);
        if (info.biSize != kInfoHeaderSize)
            throw kErrFileHeader;
        // The entry's size counts the header and colour table too, so the block is larger than
        // the pixels; it is bounded by what the file holds after the colour table.
        ULONGLONG nAfterTable = pFile->GetPosition() + kColorTableSize;
        ULONGLONG nLength = pFile->GetLength();
        ULONGLONG nAvailable = nAfterTable < nLength ? nLength - nAfterTable : 0;
        ULONGLONG nPixelBytes = nEntrySize < nAvailable ? nEntrySize : nAvailable;

        AllocBlocks(info, (DWORD)nPixelBytes);
        ReadSome(pFile, m_pHeader + kInfoHeaderSize, kColorTableSize);
        if (nPixelBytes)
            ReadPixels(pFile);
        return TRUE;
    }
    catch (const wchar_t* pszMessage)
    {
        SetLoadError(pszMessage);
        return FALSE;
    }
}

BOOL CQDIBitmap::LoadJpeg(CFile* /*pFile*/)
{
    return FALSE;
}

BOOL CQDIBitmap::LoadBmp(HINSTANCE hInstance, UINT nIDResource)
{
    try
    {
        HRSRC hRes = ::FindResourceW(hInstance, MAKEINTRESOURCEW(nIDResource & 0xFFFF), RT_BITMAP);
        HGLOBAL hData = hRes ? ::LoadResource(hInstance, hRes) : NULL;
        if (hData == NULL)
            throw kErrResFind;
        const BYTE* pData = static_cast<const BYTE*>(::LockResource(hData));
        if (pData == NULL)
            throw kErrResLock;
        DWORD nSize = ::SizeofResource(hInstance, hRes);
        BITMAPINFOHEADER info = {};
        memcpy(&info, pData, nSize < kInfoHeaderSize ? nSize : kInfoHeaderSize);
        if (info.biSize != kInfoHeaderSize)
            throw kErrResHeader;

        // The pixels follow the colour entries the header uses (1064 for a full table); their size
        // is what the rows need, or the header's account for compressed data, bounded by the
        // resource.
        DWORD nColors = GetPalEntries(info);
        if (nColors > 256)
            nColors = 256;
        ULONGLONG nOffset = kInfoHeaderSize + 4ull * nColors;
        if (info.biCompression == BI_BITFIELDS && nColors == 0)
            nOffset += 12;
        ULONGLONG nPixelBytes = ModelPixelBytes(info);
        if (!IsRunLength(info) && info.biCompression <= BI_BITFIELDS)
        {
            ULONGLONG nRows = RowBytes(info) * AbsHeight(info);
            if (nRows > nPixelBytes)
                nPixelBytes = nRows;
        }
        ULONGLONG nAvailable = nOffset < nSize ? nSize - nOffset : 0;
        if (nPixelBytes > nAvailable)
            nPixelBytes = nAvailable;

        AllocBlocks(info, (DWORD)nPixelBytes);
        ULONGLONG nTable = nSize > kInfoHeaderSize ? nSize - kInfoHeaderSize : 0;
        memcpy(m_pHeader + kInfoHeaderSize, pData + kInfoHeaderSize,
               (size_t)(nTable < kColorTableSize ? nTable : kColorTableSize));
        if (nPixelBytes)
            memcpy(m_pPixels, pData + nOffset, (size_t)nPixelBytes);
        return TRUE;
    }
    catch (const wchar_t* pszMessage)
    {
        SetLoadError(pszMessage);
        return FALSE;
    }
}

// ---------------------------------------------------------------------------------------------
// Saving

DWORD CQDIBitmap::SaveBmp(CFile& file) const
{
    if (m_pHeader == NULL)
        return 0;
    BITMAPINFOHEADER& h = Header();
    if (!IsRunLength(h))
        h.biSizeImage = (DWORD)((((LONGLONG)h.biBitCount * h.biWidth + 31) / 32) * h.biHeight * 4);

    // At most the 256 colour entries the header block holds are written; the file's header then
    // says so.
    DWORD nColors = GetNumColors();
    BYTE info[HEADER_BLOCK_SIZE];
    memcpy(info, m_pHeader, HEADER_BLOCK_SIZE);
    if (nColors > 256)
    {
        nColors = 256;
        reinterpret_cast<BITMAPINFOHEADER*>(info)->biClrUsed = 256;
    }
    DWORD nPalette = nColors * 4;

    BYTE fileHeader[sizeof(BITMAPFILEHEADER)] = {};
    DWORD bfSize = h.biSizeImage + (DWORD)sizeof(BITMAPFILEHEADER) + nPalette + h.biSize;
    DWORD bfOffBits = h.biSize + (DWORD)sizeof(BITMAPFILEHEADER) + nPalette;
    fileHeader[0] = 'B';
    fileHeader[1] = 'M';
    memcpy(fileHeader + 2, &bfSize, 4);
    memcpy(fileHeader + 10, &bfOffBits, 4);
    file.Write(fileHeader, sizeof(fileHeader));
    file.Write(info, kInfoHeaderSize + nPalette);

    // Rows as the header describes them (a top-down bitmap by its row count), bounded by the block.
    ULONGLONG nRowBytes = (((ULONGLONG)(h.biWidth < 0 ? 0 : h.biWidth) * h.biBitCount + 7) / 8 + 3) / 4 * 4;
    ULONGLONG nPixels = nRowBytes * AbsHeight(h);
    if (nPixels > m_dwPixelBytes)
        nPixels = m_dwPixelBytes;
    if (nPixels)
        file.Write(m_pPixels, (UINT)nPixels);
    return (DWORD)(kInfoHeaderSize + nPalette + sizeof(BITMAPFILEHEADER) + nPixels);
}

// ---------------------------------------------------------------------------------------------
// Drawing

BOOL CQDIBitmap::PrepareDraw(BYTE (&header)[HEADER_BLOCK_SIZE]) const
{
    memcpy(header, m_pHeader, HEADER_BLOCK_SIZE);
    BITMAPINFOHEADER& h = *reinterpret_cast<BITMAPINFOHEADER*>(header);
    // The platform expands compressed bitmaps to full size, so a header claiming an enormous image
    // is not drawn at all.
    if (h.biWidth <= 0 || h.biHeight == 0 || (ULONGLONG)h.biWidth * AbsHeight(h) > kMaxDrawPixels)
        return FALSE;
    if (h.biClrUsed > 256)
        h.biClrUsed = 256;
    if (h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS)
    {
        ULONGLONG nNeeded = RowBytes(h) * AbsHeight(h);
        if (nNeeded == 0 || nNeeded > m_dwPixelBytes)
            return FALSE;
    }
    else
    {
        // Compressed data: the platform reads biSizeImage bytes, never more than the block.
        if (h.biSizeImage == 0 || h.biSizeImage > m_dwPixelBytes)
            h.biSizeImage = m_dwPixelBytes;
    }
    return TRUE;
}

void CQDIBitmap::DrawDIB(CDC* pDC, int x, int y, int cx, int cy) const
{
    StretchDIB(pDC, x, y, cx, cy, 0, 0, cx, cy);
}

void CQDIBitmap::StretchDIB(CDC* pDC, int x, int y, int cx, int cy, int xs, int ys, int cxs, int cys) const
{
    if (m_pHeader == NULL || m_pPixels == NULL || pDC == NULL || pDC->GetSafeHdc() == NULL)
        return;
    BYTE header[HEADER_BLOCK_SIZE];
    if (!PrepareDraw(header))
        return;
    ::StretchDIBits(pDC->GetSafeHdc(), x, y, cx, cy, xs, ys, cxs, cys, m_pPixels,
                    reinterpret_cast<BITMAPINFO*>(header), DIB_RGB_COLORS, SRCCOPY);
}

void CQDIBitmap::ScaleDIB(CDC* pDC, CRect rect, BOOL bCenter) const
{
    if (m_pHeader == NULL)
        return;
    int w = GetWidth(), h = GetHeight();
    if (w == 0 || h == 0)
        return;
    const CRect place = QScaleFit(w, h, rect, bCenter);
    StretchDIB(pDC, place.left, place.top, place.Width(), place.Height(), 0, 0, w, h);
}

// ---------------------------------------------------------------------------------------------
// CQBmpPalette

CQBmpPalette::CQBmpPalette(CQDIBitmap* pBitmap)
{
    DWORD n = 0;
    if (pBitmap != NULL && pBitmap->GetHeaderPtr() != NULL)
        n = pBitmap->GetPalEntries();
    if (n > 256)
        n = 256; // the colour table holds no more
    BYTE buffer[sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY)] = {};
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(buffer);
    pLog->palVersion = 0x300;
    pLog->palNumEntries = (WORD)n;
    const RGBQUAD* pTable = n ? pBitmap->GetColorTablePtr() : NULL;
    for (DWORD i = 0; i < n; i++)
    {
        pLog->palPalEntry[i].peRed = pTable[i].rgbRed;
        pLog->palPalEntry[i].peGreen = pTable[i].rgbGreen;
        pLog->palPalEntry[i].peBlue = pTable[i].rgbBlue;
        pLog->palPalEntry[i].peFlags = 0;
    }
    Attach(::CreatePalette(pLog));
}

CQBmpPalette::~CQBmpPalette()
{
    DeleteObject();
}
