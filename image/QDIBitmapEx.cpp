// CQDIBitmapEx: JPEG and PNG files and PNG drawing previews decoded by the imaging component.
#include "image/QDIBitmapEx.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstring>
#include <vector>

namespace
{

const DWORD kMaxEncodedBytes = 256u * 1024 * 1024;
const ULONGLONG kMaxPixels = 64ull * 1024 * 1024;
const BYTE kPngEntryCode = 6;

const BYTE kImageSentinel[16] = {0x1F, 0x25, 0x6D, 0x07, 0xD4, 0x36, 0x28, 0x28,
                                 0x9D, 0x57, 0xCA, 0x3F, 0x9D, 0x44, 0x10, 0x2B};

DWORD ReadU32(const BYTE* p)
{
    return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
}

// COM for the calling thread for the lifetime of the object (balanced only when it was started here).
class CComScope
{
public:
    CComScope() : m_hr(::CoInitializeEx(NULL, COINIT_APARTMENTTHREADED)) {}
    ~CComScope()
    {
        if (SUCCEEDED(m_hr))
            ::CoUninitialize();
    }

private:
    HRESULT m_hr;
};

template <class T> void SafeRelease(T*& p)
{
    if (p)
        p->Release();
    p = NULL;
}

// Where a drawing's image area holds an entry of the given code: its start and size. Checks the
// same sentinels as the base loader; FALSE when there is no such entry.
BOOL FindDwgEntry(CFile* pFile, BYTE nCode, DWORD& nStart, DWORD& nSize)
{
    BYTE buf[16];
    ULONGLONG nLength = pFile->GetLength();
    pFile->Seek(13, CFile::begin);
    if (pFile->Read(buf, 4) != 4)
        return FALSE;
    DWORD nArea = ReadU32(buf);
    if (nArea >= nLength)
        return FALSE;
    pFile->Seek(nArea, CFile::begin);
    if (pFile->Read(buf, 16) != 16 || memcmp(buf, kImageSentinel, 16) != 0 || pFile->Read(buf, 4) != 4)
        return FALSE;
    DWORD nAreaSize = ReadU32(buf);
    ULONGLONG nAreaStart = pFile->GetPosition();
    if (nAreaStart + nAreaSize + 16 > nLength)
        return FALSE;
    pFile->Seek((LONGLONG)(nAreaStart + nAreaSize), CFile::begin);
    if (pFile->Read(buf, 16) != 16)
        return FALSE;
    for (int i = 0; i < 16; i++)
    {
        if (buf[i] != (BYTE)~kImageSentinel[i])
            return FALSE;
    }
    pFile->Seek((LONGLONG)nAreaStart, CFile::begin);
    BYTE nEntries = 0;
    if (pFile->Read(&nEntries, 1) != 1)
        return FALSE;
    for (int i = 0; i < nEntries; i++)
    {
        BYTE entry[9];
        if (pFile->Read(entry, 9) != 9)
            return FALSE;
        if (entry[0] == nCode)
        {
            nStart = ReadU32(entry + 1);
            nSize = ReadU32(entry + 5);
            return nStart < nLength && nSize <= nLength - nStart;
        }
    }
    return FALSE;
}

} // namespace

BOOL CQDIBitmapEx::Load(LPCTSTR lpszPath)
{
    if (FileType(lpszPath) != DIBTYPE_NONE)
        return CQDIBitmap::Load(lpszPath);
    FreeDIB();
    CString strName(lpszPath ? lpszPath : L"");
    strName.MakeUpper();
    if (strName.Find(L".PNG") < 0)
        return FALSE;
    BOOL bResult = FALSE;
    try
    {
        CFile file(lpszPath, CFile::modeRead);
        bResult = LoadJpeg(&file);
        file.Close();
    }
    catch (CFileException* e)
    {
        e->Delete();
        bResult = FALSE;
    }
    if (bResult == TRUE)
        m_type = DIBTYPE_JPEG;
    else
        FreeDIB();
    return bResult;
}

BOOL CQDIBitmapEx::LoadDwg(CFile* pFile)
{
    if (CQDIBitmap::LoadDwg(pFile))
        return TRUE;
    DWORD nStart = 0, nSize = 0;
    if (!FindDwgEntry(pFile, kPngEntryCode, nStart, nSize) || nSize == 0 || nSize > kMaxEncodedBytes)
        return FALSE;
    std::vector<BYTE> data(nSize);
    pFile->Seek(nStart, CFile::begin);
    if (pFile->Read(data.data(), nSize) != nSize)
        return FALSE;
    return LoadEncoded(data.data(), nSize);
}

BOOL CQDIBitmapEx::LoadJpeg(CFile* pFile)
{
    ULONGLONG nPos = pFile->GetPosition();
    ULONGLONG nLength = pFile->GetLength();
    if (nPos >= nLength || nLength - nPos > kMaxEncodedBytes)
        return FALSE;
    DWORD nSize = (DWORD)(nLength - nPos);
    std::vector<BYTE> data(nSize);
    if (pFile->Read(data.data(), nSize) != nSize)
        return FALSE;
    return LoadEncoded(data.data(), nSize);
}

BOOL CQDIBitmapEx::LoadEncoded(const BYTE* pData, DWORD nSize)
{
    if (pData == NULL || nSize == 0)
        return FALSE;
    CComScope com;
    IWICImagingFactory* pFactory = NULL;
    IWICStream* pStream = NULL;
    IWICBitmapDecoder* pDecoder = NULL;
    IWICBitmapFrameDecode* pFrame = NULL;
    IWICFormatConverter* pConverter = NULL;
    BOOL bResult = FALSE;
    UINT cx = 0, cy = 0;
    HRESULT hr = ::CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, reinterpret_cast<void**>(&pFactory));
    if (SUCCEEDED(hr))
        hr = pFactory->CreateStream(&pStream);
    if (SUCCEEDED(hr))
        hr = pStream->InitializeFromMemory(const_cast<BYTE*>(pData), nSize);
    if (SUCCEEDED(hr))
        hr = pFactory->CreateDecoderFromStream(pStream, NULL, WICDecodeMetadataCacheOnDemand, &pDecoder);
    if (SUCCEEDED(hr))
        hr = pDecoder->GetFrame(0, &pFrame);
    if (SUCCEEDED(hr))
        hr = pFactory->CreateFormatConverter(&pConverter);
    if (SUCCEEDED(hr))
        hr = pConverter->Initialize(pFrame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, NULL, 0.0,
                                    WICBitmapPaletteTypeCustom);
    if (SUCCEEDED(hr))
        hr = pConverter->GetSize(&cx, &cy);
    if (SUCCEEDED(hr) && cx > 0 && cy > 0 && (ULONGLONG)cx * cy <= kMaxPixels)
    {
        UINT nStride = (cx * 3 + 3) & ~3u;
        BITMAPINFOHEADER info = {};
        info.biSize = sizeof(BITMAPINFOHEADER);
        info.biWidth = (LONG)cx;
        info.biHeight = (LONG)cy;
        info.biPlanes = 1;
        info.biBitCount = 24;
        info.biCompression = BI_RGB;
        info.biSizeImage = nStride * cy;
        // Decoded as 32-bit BGRA (the conversion every source format has), then laid on white.
        std::vector<BYTE> rows((size_t)cx * 4 * cy);
        hr = pConverter->CopyPixels(NULL, cx * 4, (UINT)rows.size(), rows.data());
        if (SUCCEEDED(hr))
        {
            AllocBlocks(info, info.biSizeImage);
            // The decoder gives rows top-down; the DIB keeps them bottom-up.
            for (UINT y = 0; y < cy; y++)
            {
                const BYTE* pSrc = rows.data() + (size_t)y * cx * 4;
                BYTE* pDst = m_pPixels + (size_t)(cy - 1 - y) * nStride;
                for (UINT x = 0; x < cx; x++, pSrc += 4, pDst += 3)
                {
                    UINT a = pSrc[3];
                    for (int c = 0; c < 3; c++)
                        pDst[c] = (BYTE)((pSrc[c] * a + 255 * (255 - a) + 127) / 255);
                }
            }
            bResult = TRUE;
        }
    }
    SafeRelease(pConverter);
    SafeRelease(pFrame);
    SafeRelease(pDecoder);
    SafeRelease(pStream);
    SafeRelease(pFactory);
    return bResult;
}
