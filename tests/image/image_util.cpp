// Helpers of the image tests.
#include "image_test.h"

#include <algorithm>
#include <cstdlib>

namespace imgtest
{

CString SampleDir()
{
    static CString s_dir;
    static bool s_done = false;
    if (s_done)
        return s_dir;
    s_done = true;
    std::string unixPath;
    const char* pszEnv = getenv("QCTL_SAMPLES_DIR");
    if (pszEnv && *pszEnv)
        unixPath = pszEnv;
#ifdef QCTL_SAMPLES_DIR
    else
        unixPath = QCTL_SAMPLES_DIR;
#endif
    CString dir(unixPath.c_str());
    if (!dir.IsEmpty() && dir[0] == L'/')
        dir = L"Z:" + dir; // the Linux root is drive Z:
    dir.Replace(L'/', L'\\');
    DWORD attr = ::GetFileAttributesW(dir + L"\\bmp\\good");
    if (attr == INVALID_FILE_ATTRIBUTES || !(attr & FILE_ATTRIBUTE_DIRECTORY))
        dir.Empty();
    s_dir = dir;
    return s_dir;
}

std::vector<CString> ListFiles(const CString& dir, LPCTSTR pattern)
{
    std::vector<CString> v;
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW(dir + L"\\" + pattern, &fd);
    if (h == INVALID_HANDLE_VALUE)
        return v;
    do
    {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            v.push_back(dir + L"\\" + fd.cFileName);
    } while (::FindNextFileW(h, &fd));
    ::FindClose(h);
    std::sort(v.begin(), v.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    return v;
}

Bytes ReadBytes(const CString& path)
{
    Bytes data;
    HANDLE h = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return data;
    DWORD n = ::GetFileSize(h, NULL), nRead = 0;
    data.resize(n);
    if (n)
        ::ReadFile(h, data.data(), n, &nRead, NULL);
    data.resize(nRead);
    ::CloseHandle(h);
    return data;
}

bool WriteBytes(const CString& path, const Bytes& data)
{
    HANDLE h = ::CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD n = 0;
    BOOL ok = data.empty() || ::WriteFile(h, data.data(), (DWORD)data.size(), &n, NULL);
    ::CloseHandle(h);
    return ok && n == data.size();
}

CString TempPath(LPCTSTR name)
{
    wchar_t dir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    CString s;
    s.Format(L"%sqctl_img_%lu_%s", dir, ::GetCurrentProcessId(), name);
    return s;
}

Bytes MakeBmp(int cx, int cy, int nBits, const std::vector<RGBQUAD>& colors, const std::vector<BYTE>& rows,
              DWORD biSizeImage)
{
    BITMAPINFOHEADER bih = {};
    bih.biSize = 40;
    bih.biWidth = cx;
    bih.biHeight = cy;
    bih.biPlanes = 1;
    bih.biBitCount = (WORD)nBits;
    bih.biCompression = BI_RGB;
    bih.biSizeImage = biSizeImage == (DWORD)-1 ? (DWORD)rows.size() : biSizeImage;
    bih.biClrUsed = (DWORD)colors.size();
    DWORD off = 14 + 40 + (DWORD)colors.size() * 4;
    DWORD size = off + (DWORD)rows.size();
    Bytes b(14);
    b[0] = 'B';
    b[1] = 'M';
    memcpy(&b[2], &size, 4);
    memcpy(&b[10], &off, 4);
    const BYTE* p = reinterpret_cast<const BYTE*>(&bih);
    b.insert(b.end(), p, p + 40);
    for (const RGBQUAD& q : colors)
    {
        const BYTE* pq = reinterpret_cast<const BYTE*>(&q);
        b.insert(b.end(), pq, pq + 4);
    }
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
