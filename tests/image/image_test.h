// Helpers of the image tests: the sample files, temporary files, bitmap files built in memory,
// and the platform's own drawing of a bitmap file's bytes for comparison.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testwin.h"

namespace imgtest
{

typedef std::vector<BYTE> Bytes;

// The samples folder as a Windows path ("" when it is not there).
CString SampleDir();
#define IMG_REQUIRE_SAMPLES()                                                                                \
    if (imgtest::SampleDir().IsEmpty())                                                                      \
    GTEST_SKIP() << "sample files not found (../shared/samples or QCTL_SAMPLES_DIR)"

// A path or name for test messages.
inline std::string Narrow(const wchar_t* psz)
{
    std::string s;
    for (; psz && *psz; psz++)
        s += *psz < 128 ? (char)*psz : '?';
    return s;
}

// The files of a samples sub-folder matching a pattern, sorted by name.
std::vector<CString> ListFiles(const CString& dir, LPCTSTR pattern);
Bytes ReadBytes(const CString& path);
bool WriteBytes(const CString& path, const Bytes& data);
// A path in the temporary folder, unique to this process.
CString TempPath(LPCTSTR name);

// A BMP file of the given size and bit count with a 40-byte header; the colour table (nColors
// entries) and pixel rows come from the callbacks (rows bottom-up, padded to 4 bytes).
Bytes MakeBmp(int cx, int cy, int nBits, const std::vector<RGBQUAD>& colors, const std::vector<BYTE>& rows,
              DWORD biSizeImage = (DWORD)-1);
// A 24-bit BMP whose pixel (x, y) (top-down coordinates) is pixel(x, y).
template <class F> Bytes MakeBmp24(int cx, int cy, F pixel)
{
    int stride = (cx * 3 + 3) & ~3;
    std::vector<BYTE> rows((size_t)stride * cy);
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
        {
            COLORREF c = pixel(x, y);
            BYTE* p = &rows[(size_t)(cy - 1 - y) * stride + x * 3];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    return MakeBmp(cx, cy, 24, {}, rows);
}

// The platform's drawing of a packed DIB (header, colours, then bits at nBitsOffset) one to one
// into a white buffer of its size.
std::unique_ptr<qtest::CPixelBuffer> DrawPacked(const BYTE* pInfo, const BYTE* pBits, int cx, int cy);
// Number of pixels that differ between two buffers of the same size.
int CountDifferent(const qtest::CPixelBuffer& a, const qtest::CPixelBuffer& b);

} // namespace imgtest
