// Shell identifier lists and path names. Lists made from the input (items of any content, each
// opened by its byte count, ended by a zero count) are measured, walked, joined and copied by
// CQShellPidl, each in a buffer that ends at its terminator, so that reading one byte past the
// list faults: sizes, walks and the bytes made are compared with the list as built. The input's
// text is then split into drive, folder, name and extension by CQSHFileInfo and compared with a
// reference split ('\' and '/' separate, the last '.' of the name starts the extension; a part
// that does not fit its field empties them all).
//
// Input: byte 0 how many items go to the first list; then items, each one byte of length (0 to
// 63, or 200 to 455 from 0xC0 on) and that many bytes of content; the rest is the path's text.
#include "fuzz.h"

#include "shell/QSHFileInfo.h"
#include "shell/QShellPidl.h"

#include <cstring>
#include <objbase.h>

namespace
{
using qfuzz::Bytes;
using qfuzz::Mismatch;
using qfuzz::W;

// A list with the items' contents, and the sizes of its items.
struct List
{
    Bytes bytes;
    std::vector<size_t> sizes;
    void Add(const Bytes& content)
    {
        size_t cb = content.size() + 2;
        bytes += (char)(cb & 0xFF);
        bytes += (char)(cb >> 8);
        bytes += content;
        sizes.push_back(cb);
    }
    Bytes Terminated() const { return bytes + Bytes(2, '\0'); }
};

class CShellIdsReader : public qfuzz::Reader
{
public:
    void SetUp() override { ASSERT_EQ(S_OK, ::CoGetMalloc(1, &m_pMalloc)); }
    void TearDown() override { m_pMalloc->Release(); }

    std::string Run(const Bytes& input) override
    {
        size_t pos = 0;
        auto Byte = [&]() -> unsigned { return pos < input.size() ? (unsigned char)input[pos++] : 0; };
        const unsigned nFirst = Byte() % 8;
        List lists[2];
        for (unsigned i = 0; pos < input.size() && i < 12; i++)
        {
            unsigned b = Byte();
            size_t n = b >= 0xC0 ? 200 + (b - 0xC0) * 4 : b % 64;
            n = std::min(n, input.size() - pos);
            lists[i < nFirst ? 0 : 1].Add(input.substr(pos, n));
            pos += n;
        }
        for (const List& list : lists)
        {
            std::string strWrong = Measure(list);
            if (!strWrong.empty())
                return strWrong;
        }
        std::string strWrong = Join(lists[0], lists[1]);
        if (!strWrong.empty())
            return strWrong;
        return Path(qfuzz::DecodeText(input, pos, input.size()));
    }

    size_t MaxSize() const override { return 4096; }

private:
    std::string Measure(const List& list)
    {
        qfuzz::GuardedBuffer g(list.Terminated().data(), list.bytes.size() + 2);
        LPCITEMIDLIST pidl = (LPCITEMIDLIST)g.Data();
        if (m_pidl.GetSize(pidl) != list.bytes.size() + 2)
            return Mismatch("GetSize", (long long)list.bytes.size() + 2, m_pidl.GetSize(pidl));
        const BYTE* p = g.Data();
        for (size_t cb : list.sizes)
        {
            const BYTE* pNext = (const BYTE*)m_pidl.Next((LPCITEMIDLIST)p);
            if (pNext != p + cb)
                return Mismatch("Next", (long long)cb, (long long)(pNext - p));
            p = pNext;
        }
        LPITEMIDLIST pCopy = m_pidl.CopyITEMID(m_pMalloc, (LPITEMIDLIST)pidl);
        size_t cbFirst = list.sizes.empty() ? 0 : list.sizes[0];
        bool bSame = pCopy != NULL && memcmp(pCopy, g.Data(), cbFirst) == 0 &&
                     ((const BYTE*)pCopy)[cbFirst] == 0 && ((const BYTE*)pCopy)[cbFirst + 1] == 0;
        if (pCopy != NULL)
            m_pMalloc->Free(pCopy);
        return bSame ? "" : "CopyITEMID: not the first item alone";
    }

    std::string Join(const List& a, const List& b)
    {
        qfuzz::GuardedBuffer ga(a.Terminated().data(), a.bytes.size() + 2);
        qfuzz::GuardedBuffer gb(b.Terminated().data(), b.bytes.size() + 2);
        for (int nFirst = 0; nFirst < 2; nFirst++)
        {
            LPCITEMIDLIST pFirst = nFirst ? (LPCITEMIDLIST)ga.Data() : NULL;
            Bytes expected = (nFirst ? a.bytes : Bytes()) + b.Terminated();
            LPITEMIDLIST pJoined = m_pidl.ConcatPidls(pFirst, (LPCITEMIDLIST)gb.Data());
            bool bSame = pJoined != NULL && memcmp(pJoined, expected.data(), expected.size()) == 0 &&
                         m_pidl.GetSize(pJoined) == expected.size();
            if (pJoined != NULL)
                m_pMalloc->Free(pJoined);
            if (!bSame)
                return nFirst ? "ConcatPidls: not the two lists one after the other"
                              : "ConcatPidls without a first list: not a copy of the second";
        }
        return "";
    }

    std::string Path(const std::wstring& text)
    {
        qfuzz::GuardedBuffer g(text);
        std::wstring path = text.c_str();
        std::wstring drive, dir, name, ext;
        size_t p = 0;
        if (path.size() >= 2 && path[1] == L':')
            drive = path.substr(0, 2), p = 2;
        size_t slash = path.find_last_of(L"\\/");
        size_t nameAt = slash == std::wstring::npos || slash < p ? p : slash + 1;
        dir = path.substr(p, nameAt - p);
        size_t dot = path.find_last_of(L'.');
        if (dot != std::wstring::npos && dot >= nameAt)
            name = path.substr(nameAt, dot - nameAt), ext = path.substr(dot);
        else
            name = path.substr(nameAt);

        CString d, f, n, e;
        CQSHFileInfo::SplitPath(g.Str(), &d, &f, &n, &e);
        if (W(d) + L"|" + W(f) + L"|" + W(n) + L"|" + W(e) != drive + L"|" + dir + L"|" + name + L"|" + ext)
            return Mismatch("SplitPath", drive + L"|" + dir + L"|" + name + L"|" + ext,
                            W(d) + L"|" + W(f) + L"|" + W(n) + L"|" + W(e));
        CQSHFileInfo info(g.Str());
        if (dir.size() >= 256 || name.size() >= 256 || ext.size() >= 256)
            drive = dir = name = ext = L"";
        if (W(info.GetRoot()) != drive + dir || W(info.GetFileName()) != name + ext ||
            W(info.GetFileTitle()) != name || W(info.GetFileExt()) != ext)
            return Mismatch("the parts of the path", drive + dir + L"|" + name + ext,
                            W(info.GetRoot()) + L"|" + W(info.GetFileName()));
        return "";
    }

    CQShellPidl m_pidl;
    IMalloc* m_pMalloc = nullptr;
};

} // namespace

QFUZZ_READER(CShellIdsReader, ShellIds)
