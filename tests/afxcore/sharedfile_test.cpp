// The growable shared memory file behind clipboard and drag-and-drop data.
#include "afxcore_test.h"

#include <afxadv.h>

#include <string>

TEST(SharedFile, GrowsInStepsAndHandsItsBlockOver)
{
    CSharedFile sf(GMEM_MOVEABLE | GMEM_SHARE, 4096);
    std::string chunk(1000, 'q');
    for (int i = 0; i < 10; i++)
    {
        chunk[0] = (char)('0' + i);
        sf.Write(chunk.data(), (UINT)chunk.size());
    }
    EXPECT_EQ(10000u, sf.GetLength());
    EXPECT_EQ(10000u, sf.GetPosition());

    sf.Seek(5000, CFile::begin);
    char buf[4] = {0};
    EXPECT_EQ(3u, sf.Read(buf, 3));
    EXPECT_STREQ("5qq", buf);
    sf.Seek(-2, CFile::end);
    EXPECT_EQ(2u, sf.Read(buf, 3)); // only what was written

    HGLOBAL h = sf.Detach();
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(12288u, ::GlobalSize(h)); // three steps of 4096
    const char* p = (const char*)::GlobalLock(h);
    EXPECT_EQ('9', p[9000]);
    EXPECT_EQ(0, p[10000]); // beyond the written bytes the block is zero
    ::GlobalUnlock(h);
    ::GlobalFree(h);
    EXPECT_EQ(0u, sf.GetLength());
    EXPECT_EQ(0u, sf.Read(buf, 3));
}
