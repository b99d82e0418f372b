// Bad input for the loaders: seeded mutations of the sample bitmaps and drawings through Load
// in this process, every result checked for its bounds and drawn; and the damaged samples loaded
// in child processes, so that a crash fails the test instead of ending the program.
#include "image/QDIBitmap.h"
#include "image_test.h"

#include <random>

using namespace imgtest;

namespace
{

const DWORD kValues[] = {0,     1,      2,       12,         40,         0x7F,       0xFF,
                         0x400, 0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFF0};

// One corpus file on disk, changed in place and restored after each mutation.
struct CorpusFile
{
    CString path;
    Bytes data;
    size_t hot; // where the interesting structure starts (0, or a drawing's image area)
};

bool Patch(const CString& path, size_t offset, const BYTE* p, size_t n, size_t newLength)
{
    HANDLE h = ::CreateFileW(path, GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    if (n)
    {
        ::SetFilePointer(h, (LONG)offset, NULL, FILE_BEGIN);
        ::WriteFile(h, p, (DWORD)n, &written, NULL);
    }
    if (newLength != (size_t)-1)
    {
        ::SetFilePointer(h, (LONG)newLength, NULL, FILE_BEGIN);
        ::SetEndOfFile(h);
    }
    ::CloseHandle(h);
    return true;
}

// Loads, checks what is held against the file, draws and copies it.
void CheckLoad(const CString& path, ULONGLONG nFileLength, int& nLoaded, qtest::CPixelBuffer& buf)
{
    CQDIBitmap dib;
    BOOL b = dib.Load(path);
    ASSERT_TRUE(b == TRUE || b == FALSE);
    if (!b)
    {
        ASSERT_EQ(nullptr, dib.GetHeaderPtr());
        ASSERT_EQ(DIBTYPE_NONE, dib.DIBType());
        return;
    }
    nLoaded++;
    ASSERT_NE(nullptr, dib.GetHeaderPtr());
    ASSERT_LE(dib.GetPixelBlockSize(), nFileLength);
    dib.DrawDIB(buf.GetDC(), 0, 0, 24, 24);
    dib.ScaleDIB(buf.GetDC(), CRect(0, 0, 24, 24), TRUE);
    CQDIBitmap copy(dib);
    copy.StretchDIB(buf.GetDC(), 0, 0, 24, 24, 3, 3, 10, 10);
}

} // namespace

TEST(DIBitmapMutation, SeededMutationsOfTheSamples)
{
    IMG_REQUIRE_SAMPLES();
    std::vector<CorpusFile> corpus;
    std::vector<CString> sources = ListFiles(SampleDir() + L"\\bmp\\good", L"*.bmp");
    for (const CString& s : ListFiles(SampleDir() + L"\\bmp\\bad", L"*.bmp"))
        sources.push_back(s);
    for (const CString& s : ListFiles(SampleDir() + L"\\drawings", L"*.dwg"))
        sources.push_back(s);
    for (size_t i = 0; i < sources.size(); i++)
    {
        CorpusFile f;
        f.data = ReadBytes(sources[i]);
        bool bDwg = sources[i].Right(4).CompareNoCase(L".dwg") == 0;
        CString name;
        name.Format(L"m%u.%s", (unsigned)i, bDwg ? L"dwg" : L"bmp");
        f.path = TempPath(name);
        f.hot = 0;
        if (bDwg && f.data.size() > 17)
        {
            DWORD area;
            memcpy(&area, &f.data[13], 4);
            f.hot = area < f.data.size() ? area : 0;
        }
        ASSERT_TRUE(WriteBytes(f.path, f.data));
        corpus.push_back(f);
    }

    std::mt19937 rng(20261206);
    const int kMutations = 20000;
    int nLoaded = 0;
    qtest::CPixelBuffer buf(24, 24);
    DWORD t0 = ::GetTickCount();
    for (int m = 0; m < kMutations; m++)
    {
        CorpusFile& f = corpus[rng() % corpus.size()];
        size_t len = f.data.size();
        if (len < 8)
            continue;
        // Most changes go to the headers: the first 64 bytes, or the image area's first 64.
        auto pos = [&](size_t width)
        {
            size_t base = (f.hot && rng() % 4) ? f.hot : 0;
            if (rng() % 8 == 0)
                return (size_t)(rng() % (len - 4));
            size_t p = base + rng() % width;
            return p + 4 <= len ? p : len - 4;
        };
        Bytes patch;
        size_t offset = 0, newLength = (size_t)-1;
        switch (rng() % 4)
        {
        case 0: // bit flips
        case 1:
        {
            offset = pos(64);
            patch.assign(f.data.begin() + offset, f.data.begin() + offset + 4);
            int n = 1 + rng() % 4;
            for (int i = 0; i < n; i++)
                patch[rng() % 4] ^= (BYTE)(1u << (rng() % 8));
            break;
        }
        case 2: // a size, count or offset field set to an edge value
        {
            offset = pos(64);
            DWORD v = kValues[rng() % (sizeof(kValues) / sizeof(kValues[0]))];
            if (rng() % 3 == 0)
                v = (DWORD)len + (DWORD)(rng() % 9) - 4;
            patch.resize(4);
            memcpy(patch.data(), &v, 4);
            break;
        }
        default: // cut short
            newLength = rng() % 2 ? rng() % len : (f.hot ? f.hot + rng() % 2200 : rng() % 1200);
            if (newLength > len)
                newLength = len;
            break;
        }
        ASSERT_TRUE(Patch(f.path, offset, patch.data(), patch.size(), newLength));
        CheckLoad(f.path, newLength != (size_t)-1 ? newLength : len, nLoaded, buf);
        if (::testing::Test::HasFatalFailure())
        {
            ADD_FAILURE() << "mutation " << m << " of " << Narrow(f.path).c_str();
            return;
        }
        // Restore.
        if (newLength != (size_t)-1)
            Patch(f.path, newLength, f.data.data() + newLength, len - newLength, (size_t)-1);
        else
            Patch(f.path, offset, f.data.data() + offset, patch.size(), (size_t)-1);
    }
    printf("%d mutations, %d loaded, %lu ms\n", kMutations, nLoaded, ::GetTickCount() - t0);
    EXPECT_GT(nLoaded, kMutations / 10);
    for (const CorpusFile& f : corpus)
        ::DeleteFileW(f.path);
}

// Run by the test below in a child process: loads the file named by QCTL_IMAGE_CHILD_FILE, draws,
// copies and saves it.
TEST(DIBitmapChild, LoadOneFile)
{
    wchar_t path[MAX_PATH] = L"";
    if (!::GetEnvironmentVariableW(L"QCTL_IMAGE_CHILD_FILE", path, MAX_PATH))
        GTEST_SKIP() << "run by DIBitmapBadFiles in a child process";
    int nLoaded = 0;
    qtest::CPixelBuffer buf(24, 24);
    CheckLoad(path, ReadBytes(path).size(), nLoaded, buf);
    CQDIBitmap dib;
    if (dib.Load(path))
    {
        CFile out(TempPath(L"child.bmp"), CFile::modeCreate | CFile::modeWrite);
        ULONGLONG n = dib.SaveBmp(out);
        EXPECT_EQ(n, out.GetLength());
        EXPECT_LE(n, 54u + 1024u + dib.GetPixelBlockSize());
    }
}

TEST(DIBitmapBadFiles, EachInAChildProcess)
{
    IMG_REQUIRE_SAMPLES();
    std::vector<CString> files = ListFiles(SampleDir() + L"\\bmp\\bad", L"*.bmp");
    ASSERT_EQ(10u, files.size());
    // And a few of this test's own: empty, a lone "BM", a header that claims a huge image.
    Bytes huge = MakeBmp24(2, 2, [](int, int) { return RGB(1, 1, 1); });
    LONG big = 0x7FFFFFFF;
    memcpy(&huge[18], &big, 4);
    memcpy(&huge[22], &big, 4);
    huge[34] = 0xFF; // biSizeImage
    const std::pair<const wchar_t*, Bytes> own[] = {
        {L"empty.bmp", Bytes()}, {L"bm.bmp", Bytes{'B', 'M'}}, {L"huge.dib", huge}};
    for (const auto& o : own)
    {
        files.push_back(TempPath(o.first));
        ASSERT_TRUE(WriteBytes(files.back(), o.second));
    }
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(NULL, exe, MAX_PATH);
    UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    for (const CString& file : files)
    {
        SCOPED_TRACE(Narrow(file).c_str());
        ::SetEnvironmentVariableW(L"QCTL_IMAGE_CHILD_FILE", file);
        CString cmd;
        cmd.Format(L"\"%s\" --gtest_filter=DIBitmapChild.LoadOneFile", exe);
        STARTUPINFOW si = {sizeof(si)};
        PROCESS_INFORMATION pi = {};
        ASSERT_TRUE(::CreateProcessW(exe, cmd.GetBuffer(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi));
        cmd.ReleaseBuffer();
        DWORD wait = ::WaitForSingleObject(pi.hProcess, 60000);
        if (wait != WAIT_OBJECT_0)
            ::TerminateProcess(pi.hProcess, 99);
        DWORD code = 1;
        ::GetExitCodeProcess(pi.hProcess, &code);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        EXPECT_EQ(WAIT_OBJECT_0, wait);
        EXPECT_EQ(0u, code);
    }
    ::SetEnvironmentVariableW(L"QCTL_IMAGE_CHILD_FILE", NULL);
    ::SetErrorMode(oldMode);
    for (const auto& o : own)
        ::DeleteFileW(TempPath(o.first));
}
