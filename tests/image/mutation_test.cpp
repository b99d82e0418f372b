// Bad input for the loaders: the damaged samples and hostile files each loaded, drawn, copied and
// saved in a child process, so that a crash or a hang fails the test instead of ending the program.
// (Seeded mutations of every sample, checked against a reference reading, are the mutation
// harness's Bitmap and Drawing readers.)
#include "image/QDIBitmap.h"
#include "image_test.h"

using namespace imgtest;

// Run by the test below in a child process: the file named by QCTL_IMAGE_CHILD_FILE loads into an
// empty object or one holding no more pixel bytes than the file; it draws, copies and saves.
TEST(DIBitmapChild, LoadOneFile)
{
    wchar_t path[MAX_PATH] = L"";
    if (!::GetEnvironmentVariableW(L"QCTL_IMAGE_CHILD_FILE", path, MAX_PATH))
        GTEST_SKIP() << "run by DIBitmapBadFiles in a child process";
    CQDIBitmap dib;
    if (!dib.Load(path))
    {
        EXPECT_TRUE(dib.GetHeaderPtr() == nullptr && dib.DIBType() == DIBTYPE_NONE);
        return;
    }
    EXPECT_LE(dib.GetPixelBlockSize(), ReadBytes(path).size());
    CQDIBitmap copy(dib);
    qtest::CPixelBuffer buf(24, 24);
    copy.StretchDIB(buf.GetDC(), 0, 0, 24, 24, 3, 3, 10, 10);
    CFile out(TempPath(L"child.bmp"), CFile::modeCreate | CFile::modeWrite);
    EXPECT_LE(dib.SaveBmp(out), 54u + 1024u + dib.GetPixelBlockSize());
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
    Bytes big = MakeBmp24(1024, 1024, [](int, int) { return RGB(1, 1, 1); }); // 3 MB of rows, 16 held
    files.push_back(WriteTemp(L"cut.bmp", Bytes(big.begin(), big.begin() + 70)));
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
