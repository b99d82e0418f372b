// The drawing preview: CQPreviewStatic::OpenImage over any drawing file, the thumbnail compared
// with a reference reading of the format: the image area named at offset 13 between its start
// sentinel and the complement of it S bytes further on, its entries read up to the first bitmap
// (code 2), whose 40-byte information header, 1024-byte colour table (zero where the file ends)
// and pixels (the entry's size, bounded by what follows the colour table) make the image; any
// other file leaves the pane without an image. The pane then draws what it holds.
//
// Input: the file's bytes.
#include "fuzz.h"

#include "image/QPreviewStatic.h"
#include "testwin.h"

#include <algorithm>
#include <cstring>

namespace
{
using qfuzz::Bytes;
using qfuzz::Mismatch;

const unsigned char kSentinel[16] = {0x1F, 0x25, 0x6D, 0x07, 0xD4, 0x36, 0x28, 0x28,
                                     0x9D, 0x57, 0xCA, 0x3F, 0x9D, 0x44, 0x10, 0x2B};
const size_t kInfo = 40, kTable = 1024;

uint32_t U32(const Bytes& b, size_t at)
{
    uint32_t v = 0;
    for (size_t i = 0; i < 4; i++)
        v |= (uint32_t)(at + i < b.size() ? (unsigned char)b[at + i] : 0) << (8 * i);
    return v;
}

// What the reference reading finds: no image, or the header block and the pixels.
struct Thumbnail
{
    bool bFound = false;
    Bytes header; // information header and colour table, zero where the file ends
    size_t nPixelStart = 0, nPixels = 0;
};

Thumbnail ReadThumbnail(const Bytes& b)
{
    Thumbnail t;
    const size_t n = b.size();
    if (n < 17)
        return t;
    const size_t nArea = U32(b, 13);
    if (nArea >= n || n - nArea < 20 || memcmp(b.data() + nArea, kSentinel, 16) != 0)
        return t;
    const size_t nStart = nArea + 20, nSize = U32(b, nArea + 16);
    if (nSize > n - nStart || n - nStart - nSize < 16)
        return t;
    for (size_t i = 0; i < 16; i++)
        if ((unsigned char)b[nStart + nSize + i] != (unsigned char)~kSentinel[i])
            return t;
    if (nStart >= n)
        return t;
    const size_t nEntries = (unsigned char)b[nStart];
    size_t nEntry = nStart + 1, nBitmap = 0, nBitmapSize = 0;
    bool bBitmap = false;
    for (size_t i = 0; i < nEntries && !bBitmap; i++, nEntry += 9)
    {
        if (nEntry + 9 > n)
            return t;
        if (b[nEntry] == 2)
        {
            bBitmap = true;
            nBitmap = U32(b, nEntry + 1);
            nBitmapSize = U32(b, nEntry + 5);
        }
    }
    if (!bBitmap || nBitmap >= n || U32(b, nBitmap) != kInfo)
        return t;
    t.bFound = true;
    const size_t nTable = nBitmap + std::min(kInfo, n - nBitmap); // where reading the header stopped
    t.header.assign(kInfo + kTable, '\0');
    memcpy(&t.header[0], b.data() + nBitmap, std::min(kInfo, n - nBitmap));
    if (nTable < n)
        memcpy(&t.header[kInfo], b.data() + nTable, std::min(kTable, n - nTable));
    t.nPixelStart = nTable + kTable;
    t.nPixels = std::min(nBitmapSize, t.nPixelStart < n ? n - t.nPixelStart : 0);
    return t;
}

class CDrawingReader : public qfuzz::Reader
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateTop(200, 160, L"drawing preview", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN));
        ASSERT_TRUE(
            m_pane.Create(L"", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(4, 4, 124, 94), &m_parent, 1001));
        m_path = qfuzz::TempPath(L"qctl fuzz drawing.dwg");
    }
    void TearDown() override
    {
        m_pane.DestroyWindow();
        ::DeleteFileW(m_path.c_str());
    }
    std::vector<Bytes> MoreCorpus() override { return qfuzz::SampleFiles("drawings", "*.dwg"); }

    std::string Run(const Bytes& input) override
    {
        if (!qfuzz::WriteBytes(m_path, input.data(), input.size()))
            return "cannot write the input file";
        m_pane.OpenImage(m_path.c_str());
        m_pane.ShowImage(m_pixels.GetDC(), RGB(255, 255, 255));

        const CQDIBitmap& image = m_pane.GetImage();
        Thumbnail t = ReadThumbnail(input);
        if ((image.DIBType() == DIBTYPE_DWG) != t.bFound)
            return Mismatch("a thumbnail found", t.bFound, image.DIBType() == DIBTYPE_DWG);
        if (!t.bFound)
            return image.GetHeaderPtr() == nullptr ? "" : "a file without a thumbnail left an image";
        if (memcmp(image.GetHeaderPtr(), t.header.data(), t.header.size()) != 0)
            return "header or colour table differ from the file";
        if (image.GetPixelBlockSize() != t.nPixels)
            return Mismatch("pixel block size", (long long)t.nPixels, image.GetPixelBlockSize());
        if (t.nPixels != 0 && memcmp(image.GetPixelPtr(), input.data() + t.nPixelStart, t.nPixels) != 0)
            return "pixels differ from the file";
        return "";
    }

    // The samples reach 1.4 MB.
    size_t MaxSize() const override { return 2 * 1024 * 1024; }

private:
    qtest::CRecordingWnd m_parent;
    CQPreviewStatic m_pane;
    qtest::CPixelBuffer m_pixels{64, 48};
    std::wstring m_path;
};

} // namespace

QFUZZ_READER(CDrawingReader, Drawing)
