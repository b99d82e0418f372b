// Bad input for the loaders: seeded mutations of the sample bitmaps and drawings through Load in
// this process, each result checked against the file's size and drawn; and the damaged samples
// loaded in child processes, so that a crash fails the test instead of ending the program.
#include "image/QDIBitmap.h"
#include "image_test.h"

#include <random>

using namespace imgtest;

namespace
{

// Puts back what the previous mutation of the file changed (the restore bytes at restoreAt, the
// length when it was cut), then writes the patch at offset and, unless cut is -1, cuts the file
// there; one opening of the file for both.
void Patch(const CString& path, const Bytes& original, size_t restoreAt, size_t restoreLen, size_t offset,
           const Bytes& patch, size_t cut)
{
    HANDLE h = ::CreateFileW(path, GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    DWORD written = 0;
    ::SetFilePointer(h, (LONG)restoreAt, NULL, FILE_BEGIN);
    ::WriteFile(h, original.data() + restoreAt, (DWORD)restoreLen, &written, NULL);
    ::SetFilePointer(h, (LONG)offset, NULL, FILE_BEGIN);
    ::WriteFile(h, patch.data(), (DWORD)patch.size(), &written, NULL);
    if (cut != (size_t)-1)
    {
        ::SetFilePointer(h, (LONG)cut, NULL, FILE_BEGIN);
        ::SetEndOfFile(h);
    }
    ::CloseHandle(h);
}

// Loads; a result is empty or holds no more pixel bytes than the file; a copy of it draws.
bool CheckLoad(const CString& path, ULONGLONG nFileLength, qtest::CPixelBuffer& buf)
{
    CQDIBitmap dib;
    BOOL b = dib.Load(path);
    EXPECT_TRUE(b == TRUE || b == FALSE);
    if (!b)
        return dib.GetHeaderPtr() == nullptr && dib.DIBType() == DIBTYPE_NONE;
    CQDIBitmap copy(dib);
    copy.StretchDIB(buf.GetDC(), 0, 0, 24, 24, 3, 3, 10, 10);
    return dib.GetHeaderPtr() != nullptr && dib.GetPixelBlockSize() <= nFileLength;
}

} // namespace

TEST(DIBitmapMutation, SeededMutationsOfTheSamples)
{
    IMG_REQUIRE_SAMPLES();
    struct Corpus
    {
        CString path;
        Bytes data;
        size_t hot;                   // 0, or a drawing's image area: where mutations mostly go
        size_t restoreAt, restoreLen; // what the last mutation changed
    };
    std::vector<Corpus> corpus;
    std::vector<CString> sources = ListFiles(SampleDir() + L"\\bmp\\good", L"*.bmp");
    for (const wchar_t* sub : {L"\\bmp\\bad", L"\\drawings"})
        for (const CString& s : ListFiles(SampleDir() + sub, sub[1] == L'b' ? L"*.bmp" : L"*.dwg"))
            sources.push_back(s);
    for (size_t i = 0; i < sources.size(); i++)
    {
        CString name;
        name.Format(L"m%u%s", (unsigned)i, (LPCWSTR)sources[i].Right(4));
        Bytes data = ReadBytes(sources[i]);
        size_t area = sources[i].Right(4) == L".dwg" ? U32(data, 13) : 0;
        corpus.push_back({WriteTemp(name, data), data, area < data.size() ? area : 0, 0, 0});
    }
    const DWORD kValues[] = {0,      1,          12,         40,         0xFF,      0x400,
                             0xFFFF, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFF0};
    std::mt19937 rng(20261206);
    qtest::CPixelBuffer buf(24, 24);
    DWORD t0 = ::GetTickCount();
    for (int m = 0; m < 20000; m++)
    {
        Corpus& f = corpus[rng() % corpus.size()];
        size_t len = f.data.size(), cut = (size_t)-1;
        // Mostly the first 64 bytes of the file or of the image area; sometimes anywhere.
        size_t at = rng() % 8 == 0 ? rng() % (len - 4)
                                   : std::min(((f.hot && rng() % 4) ? f.hot : 0) + rng() % 64, len - 4);
        Bytes patch(f.data.begin() + at, f.data.begin() + at + 4);
        switch (rng() % 4)
        {
        case 0: // bit flips
        case 1:
            for (int i = 1 + rng() % 4; i > 0; i--)
                patch[rng() % 4] ^= (BYTE)(1u << (rng() % 8));
            break;
        case 2: // a size, count or offset set to an edge value or near the file's length
        {
            DWORD v = rng() % 3 ? kValues[rng() % (sizeof(kValues) / 4)] : (DWORD)len + rng() % 9 - 4;
            memcpy(patch.data(), &v, 4);
            break;
        }
        default: // cut short
            cut = std::min(len, rng() % 2 ? rng() % len : f.hot + rng() % 2200);
            patch.clear();
        }
        Patch(f.path, f.data, f.restoreAt, f.restoreLen, at, patch, cut);
        f.restoreAt = cut != (size_t)-1 ? cut : at;
        f.restoreLen = cut != (size_t)-1 ? len - cut : 4;
        ASSERT_TRUE(CheckLoad(f.path, cut != (size_t)-1 ? cut : len, buf))
            << "mutation " << m << " of " << Narrow(f.path);
    }
    printf("20000 mutations in %lu ms\n", ::GetTickCount() - t0);
    for (const Corpus& f : corpus)
        ::DeleteFileW(f.path);
}

// Run by the test below in a child process: loads the file named by QCTL_IMAGE_CHILD_FILE, draws,
// copies and saves it.
TEST(DIBitmapChild, LoadOneFile)
{
    wchar_t path[MAX_PATH] = L"";
    if (!::GetEnvironmentVariableW(L"QCTL_IMAGE_CHILD_FILE", path, MAX_PATH))
        GTEST_SKIP() << "run by DIBitmapBadFiles in a child process";
    qtest::CPixelBuffer buf(24, 24);
    EXPECT_TRUE(CheckLoad(path, ReadBytes(path).size(), buf));
    CQDIBitmap dib;
    if (dib.Load(path))
    {
        CFile out(TempPath(L"child.bmp"), CFile::modeCreate | CFile::modeWrite);
        EXPECT_LE(dib.SaveBmp(out), 54u + 1024u + dib.GetPixelBlockSize());
    }
}

TEST(DIBitmapBadFiles, EachInAChildProcess)
{
    IMG_REQUIRE_SAMPLES();
    std::vector<CString> files = ListFiles(SampleDir() + L"\\bmp\\bad", L"*.bmp");
    ASSERT_EQ(10u, files.size());
    Bytes huge = MakeBmp24(2, 2, [](int, int) { return RGB(1, 1, 1); }); // claims 2^31 x 2^31 pixels
    memset(&huge[18], 0xFF, 8);
    huge[21] = huge[25] = 0x7F;
    files.push_back(WriteTemp(L"empty.bmp", Bytes()));
    files.push_back(WriteTemp(L"bm.bmp", Bytes{'B', 'M'}));
    files.push_back(WriteTemp(L"huge.dib", huge));
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(NULL, exe, MAX_PATH);
    UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    for (const CString& file : files)
    {
        ::SetEnvironmentVariableW(L"QCTL_IMAGE_CHILD_FILE", file);
        CString cmd;
        cmd.Format(L"\"%s\" --gtest_filter=DIBitmapChild.LoadOneFile", exe);
        STARTUPINFOW si = {sizeof(si)};
        PROCESS_INFORMATION pi = {};
        ASSERT_TRUE(::CreateProcessW(exe, cmd.GetBuffer(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi));
        DWORD wait = ::WaitForSingleObject(pi.hProcess, 60000), code = 1;
        if (wait != WAIT_OBJECT_0)
            ::TerminateProcess(pi.hProcess, 99);
        ::GetExitCodeProcess(pi.hProcess, &code);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        EXPECT_EQ(0u, code) << Narrow(file) << (wait != WAIT_OBJECT_0 ? " (hung)" : "");
    }
    ::SetEnvironmentVariableW(L"QCTL_IMAGE_CHILD_FILE", NULL);
    ::SetErrorMode(oldMode);
}
