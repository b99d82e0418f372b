// CQDIBitmap::Load over any BMP file, compared with a reference reading of the format: "BM" and a
// 40-byte information header or nothing (the object left empty); otherwise the information
// header and a 1024-byte colour table as the file holds them (zero where it ends), and a pixel
// block of bfSize - bfOffBits bytes from bfOffBits, bounded by what the file holds. The loaded
// bitmap is then drawn one to one, stretched and scaled, copied (the copy equal), made a palette
// of, and saved (the count returned is the file written).
//
// Input: the file's bytes. The drawing rectangles come from the input's hash.
#include "fuzz.h"

#include "image/QDIBitmap.h"
#include "testwin.h"

#include <algorithm>
#include <cstring>

namespace
{
using qfuzz::Mismatch;

const size_t kInfo = 40, kTable = 1024, kFileHeader = 14;

uint32_t U32(const qfuzz::Bytes& b, size_t at)
{
    uint32_t v = 0;
    for (size_t i = 0; i < 4; i++)
        v |= (uint32_t)(at + i < b.size() ? (unsigned char)b[at + i] : 0) << (8 * i);
    return v;
}

// n bytes of b from at, zero where b ends.
qfuzz::Bytes Slice(const qfuzz::Bytes& b, size_t at, size_t n)
{
    qfuzz::Bytes out(n, '\0');
    if (at < b.size())
        memcpy(&out[0], b.data() + at, std::min(n, b.size() - at));
    return out;
}

class CBitmapReader : public qfuzz::Reader
{
public:
    void SetUp() override
    {
        m_path = qfuzz::TempPath(L"qctl fuzz bitmap.bmp");
        m_out = qfuzz::TempPath(L"qctl fuzz bitmap out.bmp");
    }
    void TearDown() override
    {
        ::DeleteFileW(m_path.c_str());
        ::DeleteFileW(m_out.c_str());
    }
    std::vector<qfuzz::Bytes> MoreCorpus() override
    {
        std::vector<qfuzz::Bytes> v = qfuzz::SampleFiles("bmp\\good", "*.bmp");
        for (qfuzz::Bytes& b : qfuzz::SampleFiles("bmp\\bad", "*.bmp"))
            v.push_back(b);
        return v;
    }

    std::string Run(const qfuzz::Bytes& input) override
    {
        if (!qfuzz::WriteBytes(m_path, input.data(), input.size()))
            return "cannot write the input file";
        CQDIBitmap dib;
        BOOL bLoaded = dib.Load(m_path.c_str());

        const bool bValid =
            input.size() >= 2 && input[0] == 'B' && input[1] == 'M' && U32(input, 14) == kInfo;
        if (!!bLoaded != bValid)
            return Mismatch("Load", bValid, bLoaded);
        if (!bValid)
            return dib.GetHeaderPtr() == nullptr && dib.DIBType() == DIBTYPE_NONE
                       ? ""
                       : "a refused file left a bitmap";
        if (dib.DIBType() != DIBTYPE_BMP || dib.GetHeaderPtr() == nullptr)
            return "a loaded file gave no bitmap";
        const BYTE* pHeader = reinterpret_cast<const BYTE*>(dib.GetHeaderPtr());
        if (memcmp(pHeader, Slice(input, kFileHeader, kInfo + kTable).data(), kInfo + kTable) != 0)
            return "header or colour table differ from the file";
        const uint32_t bfSize = U32(input, 2), bfOffBits = U32(input, 10);
        size_t nPixels = bfSize > bfOffBits ? bfSize - bfOffBits : 0;
        nPixels = std::min<size_t>(nPixels, bfOffBits < input.size() ? input.size() - bfOffBits : 0);
        if (dib.GetPixelBlockSize() != nPixels)
            return Mismatch("pixel block size", (long long)nPixels, dib.GetPixelBlockSize());
        if (nPixels != 0 && memcmp(dib.GetPixelPtr(), input.data() + bfOffBits, nPixels) != 0)
            return "pixels differ from the file";
        return Use(dib, qfuzz::Hash(input));
    }

    size_t MaxSize() const override { return 128 * 1024; }

private:
    // Draws, copies, makes a palette of and saves a loaded bitmap.
    std::string Use(const CQDIBitmap& dib, uint64_t h)
    {
        CDC* pDC = m_pixels.GetDC();
        int x = (int)(h % 9) - 4, cx = (int)((h >> 8) % 40), cy = (int)((h >> 16) % 40);
        dib.DrawDIB(pDC, x, x, cx, cy);
        dib.StretchDIB(pDC, 0, 0, 20, 20, x, -x, cx - 3, cy + 3);
        dib.ScaleDIB(pDC, CRect(0, 0, 1 + cx, 1 + cy), (h >> 24) & 1);

        CQDIBitmap copy(dib);
        if (copy.DIBType() != dib.DIBType() || copy.GetPixelBlockSize() > dib.GetPixelBlockSize() ||
            memcmp(copy.GetHeaderPtr(), dib.GetHeaderPtr(), kInfo + kTable) != 0 ||
            memcmp(copy.GetPixelPtr(), dib.GetPixelPtr(), copy.GetPixelBlockSize()) != 0)
            return "the copy differs from the bitmap";
        copy.ScaleDIB(pDC, CRect(0, 0, 24, 24), TRUE);

        CQBmpPalette palette(const_cast<CQDIBitmap*>(&dib));
        int nEntries = palette.GetSafeHandle() != NULL ? palette.GetEntryCount() : 0;
        if (nEntries > 256 || (DWORD)nEntries > dib.GetPalEntries())
            return Mismatch("palette entries", (long long)std::min<DWORD>(dib.GetPalEntries(), 256),
                            nEntries);

        CFile file;
        if (!file.Open(m_out.c_str(), CFile::modeCreate | CFile::modeWrite))
            return "cannot open the output file";
        DWORD nWritten = dib.SaveBmp(file);
        ULONGLONG nLength = file.GetLength();
        file.Close();
        if (nWritten != nLength)
            return Mismatch("SaveBmp count against the file written", (long long)nLength, nWritten);
        return "";
    }

    qtest::CPixelBuffer m_pixels{24, 24};
    std::wstring m_path, m_out;
};

} // namespace

QFUZZ_READER(CBitmapReader, Bitmap)
