// The registry reads of CQKeyOperate over values as a user or another program may leave them: of
// the wrong type, without terminators, of odd byte lengths, empty, or a megabyte long. Each input
// writes one value under a key of this run and reads it back through every read.
//
// Input: byte 0 the type, byte 1 the value's name, byte 2 the size (from 250 on the data repeated
// to 64 KB, or to a megabyte for one such input in 16 by its hash), the rest the data.
#include "fuzz.h"

#include "util/QKeyOperate.h"

#include <cstring>

namespace
{
using qfuzz::GuardedBuffer;
using qfuzz::Mismatch;

const wchar_t kKey[] = L"Software\\QCtl fuzz registry reader";

class CRegistryReader : public qfuzz::Reader
{
public:
    void SetUp() override
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        ASSERT_TRUE(m_key.Create(HKEY_CURRENT_USER, kKey));
    }
    void TearDown() override
    {
        m_key.Close();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    }

    std::string Run(const qfuzz::Bytes& input) override
    {
        static const DWORD kTypes[] = {REG_SZ,    REG_EXPAND_SZ, REG_MULTI_SZ, REG_BINARY,
                                       REG_DWORD, REG_QWORD,     REG_NONE,     REG_DWORD_BIG_ENDIAN,
                                       REG_LINK,  0x7FFF1234};
        unsigned b0 = input.size() > 0 ? (unsigned char)input[0] : 0;
        unsigned b1 = input.size() > 1 ? (unsigned char)input[1] : 0;
        unsigned b2 = input.size() > 2 ? (unsigned char)input[2] : 0;
        DWORD dwType = kTypes[b0 % 10];
        qfuzz::Bytes data = input.size() > 3 ? input.substr(3) : qfuzz::Bytes();
        if (b2 >= 250 && !data.empty())
        {
            // a megabyte takes some milliseconds for each read: most long values are shorter
            const size_t nBig = qfuzz::Hash(input) % 16 == 0 ? (1u << 20) : (1u << 16);
            qfuzz::Bytes big;
            big.reserve(nBig + 1);
            while (big.size() < nBig)
                big += data;
            big.resize(nBig + (b2 & 1));
            data.swap(big);
        }

        // the value's name: the default value, short names, a long one, or text of the input
        std::wstring name;
        switch (b1 % 6)
        {
        case 0: name = L""; break;
        case 1: name = L"v"; break;
        case 2: name = std::wstring(300 + b1, L'n'); break;
        case 3: name = std::wstring(16384, L'x'); break; // longer than a value name may be
        default: name = qfuzz::DecodeText(data, 0, std::min<size_t>(data.size(), 40)); break;
        }
        name = name.c_str();
        GuardedBuffer gName(name);
        // Written from a plain buffer with room after it: for the string types the platform looks
        // at the character after the given size, to count a terminator the writer forgot.
        std::vector<BYTE> written(data.begin(), data.end());
        written.resize(data.size() + 4, 0);
        bool bWritten = ::RegSetValueExW(m_key.GetKey(), gName.Str(), 0, dwType, written.data(),
                                         (DWORD)data.size()) == ERROR_SUCCESS;

        // what the platform stores: for the string types a missing terminator is counted in
        qfuzz::Bytes stored = data;
        bool bString = dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ;
        size_t n = data.size() / 2;
        auto Unit = [&](size_t i) { return written[2 * i] | (written[2 * i + 1] << 8); };
        if (bString && n > 0 && Unit(n - 1) != 0 && Unit(n) == 0)
            stored.append(2, '\0');
        std::string strWrong = Check(gName.Str(), bWritten, stored);
        ::RegDeleteValueW(m_key.GetKey(), gName.Str());
        if (!strWrong.empty())
            return strWrong;

        // a string written by the class comes back up to its first NUL; a number as written
        std::wstring text = qfuzz::DecodeText(data, 0, std::min<size_t>(data.size(), 512));
        if (m_key.SetStringValue(gName.Str(), qfuzz::C(text)))
        {
            CString out;
            if (!m_key.GetStringValue(gName.Str(), out) || qfuzz::W(out) != text.c_str())
                return Mismatch("SetStringValue then GetStringValue", text.c_str(), qfuzz::W(out));
        }
        DWORD dwNumber = (DWORD)qfuzz::Hash(input), dwOut = 0;
        if (m_key.SetDWordValue(gName.Str(), dwNumber) &&
            (!m_key.GetDWordValue(gName.Str(), dwOut) || dwOut != dwNumber))
            return Mismatch("SetDWordValue then GetDWordValue", dwNumber, dwOut);
        ::RegDeleteValueW(m_key.GetKey(), gName.Str());
        return "";
    }

    size_t MaxSize() const override { return 16 * 1024; }

private:
    std::string Check(const wchar_t* pszName, bool bWritten, const qfuzz::Bytes& data)
    {
        if (!!m_key.VerifyValue(pszName) != bWritten)
            return Mismatch("VerifyValue", bWritten, !bWritten);

        // numbers: only a value of at most four bytes fits; otherwise out stays as it was
        DWORD dw = 0xDEADBEEF;
        int n = 0x5A5A5A5A;
        bool bFits = bWritten && data.size() <= 4;
        DWORD dwExpected = 0;
        memcpy(&dwExpected, data.data(), std::min<size_t>(data.size(), 4));
        if (!bFits)
            dwExpected = 0xDEADBEEF;
        if (!!m_key.GetDWordValue(pszName, dw) != bFits || dw != dwExpected)
            return Mismatch("GetDWordValue", dwExpected, dw);
        if (!!m_key.GetIntValue(pszName, n) != bFits || n != (bFits ? (int)dwExpected : 0x5A5A5A5A))
            return Mismatch("GetIntValue", bFits ? (int)dwExpected : 0x5A5A5A5A, n);

        // text: the bytes as UTF-16 (an odd last byte on its own), up to the first NUL; any type
        std::wstring expected;
        for (size_t i = 0; i < data.size(); i += 2)
        {
            wchar_t c = (wchar_t)((unsigned char)data[i] |
                                  (i + 1 < data.size() ? (unsigned char)data[i + 1] << 8 : 0));
            if (c == 0)
                break;
            expected += c;
        }
        CString out = L"stale";
        BOOL bOk = m_key.GetStringValue(pszName, out);
        if (!!bOk != bWritten)
            return Mismatch("GetStringValue result", bWritten, !!bOk);
        if (!bWritten)
            expected.clear();
        if (qfuzz::W(out) != expected)
            return Mismatch("GetStringValue", expected, qfuzz::W(out));
        return "";
    }

    CQKeyOperate m_key;
};

} // namespace

QFUZZ_READER(CRegistryReader, Registry)
