// Helpers of the image tests.
#include "image_test.h"

#include <algorithm>
#include <cstdlib>

namespace imgtest
{

CString SampleDir()
{
    const char* psz = getenv("QCTL_SAMPLES_DIR");
#ifdef QCTL_SAMPLES_DIR
    if (!psz || !*psz)
        psz = QCTL_SAMPLES_DIR;
#endif
    CString dir(psz ? psz : "");
    if (!dir.IsEmpty() && dir[0] == L'/')
        dir = L"Z:" + dir; // the Linux root is drive Z:
    dir.Replace(L'/', L'\\');
    // The folder as the file dialog names it: full, with no "." or ".." parts.
    wchar_t szFull[MAX_PATH * 4];
    const DWORD nFull = dir.IsEmpty() ? 0 : ::GetFullPathNameW(dir, MAX_PATH * 4, szFull, NULL);
    if (nFull > 0 && nFull < MAX_PATH * 4)
        dir = szFull;
    DWORD attr = ::GetFileAttributesW(dir + L"\\bmp\\good");
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) ? dir : CString();
}

std::vector<CString> ListFiles(const CString& dir, LPCTSTR pattern)
{
    std::vector<CString> v;
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW(dir + L"\\" + pattern, &fd);
    for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(h, &fd))
        v.push_back(dir + L"\\" + fd.cFileName);
    if (h != INVALID_HANDLE_VALUE)
        ::FindClose(h);
    std::sort(v.begin(), v.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    return v;
}

Bytes ReadBytes(const CString& path)
{
    CFile f;
    if (!f.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return Bytes();
    Bytes data((size_t)f.GetLength());
    data.resize(data.empty() ? 0 : f.Read(data.data(), (UINT)data.size()));
    return data;
}

bool WriteBytes(const CString& path, const Bytes& data)
{
    CFile f;
    if (!f.Open(path, CFile::modeCreate | CFile::modeWrite))
        return false;
    if (!data.empty())
        f.Write(data.data(), (UINT)data.size());
    return true;
}

CString TempPath(LPCTSTR name)
{
    wchar_t dir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    CString s;
    s.Format(L"%sqctl_img_%lu_%s", dir, ::GetCurrentProcessId(), name);
    return s;
}

Bytes MakeBmp(int cx, int cy, int nBits, const std::vector<RGBQUAD>& colors, const Bytes& rows,
              DWORD biSizeImage)
{
    BITMAPINFOHEADER bih = {40, cx, cy, 1, (WORD)nBits, BI_RGB};
    bih.biSizeImage = biSizeImage == (DWORD)-1 ? (DWORD)rows.size() : biSizeImage;
    bih.biClrUsed = (DWORD)colors.size();
    DWORD off = 54 + (DWORD)colors.size() * 4, size = off + (DWORD)rows.size();
    Bytes b{'B', 'M'};
    b.resize(14);
    memcpy(&b[2], &size, 4);
    memcpy(&b[10], &off, 4);
    b.insert(b.end(), (const BYTE*)&bih, (const BYTE*)&bih + 40);
    b.insert(b.end(), (const BYTE*)colors.data(), (const BYTE*)(colors.data() + colors.size()));
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

std::unique_ptr<qtest::CPixelBuffer> DrawPacked(const BYTE* pInfo, const BYTE* pBits, int cx, int cy)
{
    auto buf = std::make_unique<qtest::CPixelBuffer>(cx, cy);
    ::StretchDIBits(buf->GetDC()->GetSafeHdc(), 0, 0, cx, cy, 0, 0, cx, cy, pBits,
                    reinterpret_cast<const BITMAPINFO*>(pInfo), DIB_RGB_COLORS, SRCCOPY);
    return buf;
}

int CountDifferent(const qtest::CPixelBuffer& a, const qtest::CPixelBuffer& b)
{
    int n = 0;
    for (int y = 0; y < a.Height(); y++)
        for (int x = 0; x < a.Width(); x++)
            n += a.GetPixel(x, y) != b.GetPixel(x, y);
    return n;
}

} // namespace imgtest
