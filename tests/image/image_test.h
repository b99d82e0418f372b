// Helpers of the image tests: sample files, temporary files, bitmap files made in memory, and the
// platform's own drawing of a file's bytes to compare with.
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

inline std::string Narrow(const wchar_t* psz)
{
    std::string s;
    for (; psz && *psz; psz++)
        s += *psz < 128 ? (char)*psz : '?';
    return s;
}

std::vector<CString> ListFiles(const CString& dir,
                               LPCTSTR pattern); // sorted full paths
Bytes ReadBytes(const CString& path);
bool WriteBytes(const CString& path, const Bytes& data);
CString TempPath(LPCTSTR name); // unique to this process
inline CString WriteTemp(LPCTSTR name, const Bytes& data)
{
    EXPECT_TRUE(WriteBytes(TempPath(name), data));
    return TempPath(name);
}
inline DWORD U32(const Bytes& b, size_t off)
{
    return off + 4 <= b.size() ? b[off] | (b[off + 1] << 8) | (b[off + 2] << 16) | ((DWORD)b[off + 3] << 24)
                               : 0;
}

// A BMP file with a 40-byte header, the colour entries given and the rows (bottom-up, padded).
Bytes MakeBmp(int cx, int cy, int nBits, const std::vector<RGBQUAD>& colors, const Bytes& rows,
              DWORD biSizeImage = (DWORD)-1);
// A 24-bit BMP file whose pixel (x, y), counted from the top, is pixel(x, y).
template <class F> Bytes MakeBmp24(int cx, int cy, F pixel)
{
    int stride = (cx * 3 + 3) & ~3;
    Bytes rows((size_t)stride * cy);
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
        {
            COLORREF c = pixel(x, y);
            BYTE* p = &rows[(size_t)(cy - 1 - y) * stride + x * 3];
            p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
        }
    return MakeBmp(cx, cy, 24, {}, rows);
}

// The platform's drawing of a packed DIB one to one into a white buffer of its size.
std::unique_ptr<qtest::CPixelBuffer> DrawPacked(const BYTE* pInfo, const BYTE* pBits, int cx, int cy);
int CountDifferent(const qtest::CPixelBuffer& a, const qtest::CPixelBuffer& b);

} // namespace imgtest
