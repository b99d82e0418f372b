// The mutation harness: one shared driver, one small reader entry per file.
//
// Adding a reader takes one file, tests/fuzz/<name>_reader.cpp:
//
//     class CMyReader : public qfuzz::Reader
//     {
//         void SetUp() override { ... }            // once per run: windows, keys (optional)
//         void TearDown() override { ... }         // (optional)
//         std::string Run(const qfuzz::Bytes& input) override
//         {
//             ... hand the input to the reader (raw buffers through qfuzz::GuardedBuffer) ...
//             return qfuzz::Mismatch("what differs", ...) or "" when the result is as documented;
//         }
//     };
//     QFUZZ_READER(CMyReader, MyReader)
//
// plus a few valid inputs in tests/fuzz/corpus/MyReader/ (any file names). Run must depend on the
// input bytes only, so that a saved input replays exactly. Inputs that once found a fault are kept
// in tests/fuzz/regress/MyReader/ and run first, every time.
//
// The driver (driver.cpp) runs the corpus and the regression inputs, then a seeded stream of
// mutated inputs (bit flips, insertions and deletions, splices of corpus inputs, boundary numbers,
// long runs of one character, NULs, unpaired surrogates, broken multibyte sequences). A mismatch,
// an exception that escapes, an access violation (a read into the no-access page after a guarded
// buffer among them) or an input that runs for too long is reported with the reader, the seed and
// the input's index, and the input is written to a file for replay.
//
// Settings come from the environment (scripts/fuzz sets them): QCTL_FUZZ_INPUTS (mutated inputs
// per reader, 2000 by default), QCTL_FUZZ_SECONDS (time allowed to one reader's mutated inputs, 3
// by default, 0 for no limit: on a slow or busy machine the short run stops early in the same
// sequence), QCTL_FUZZ_SEED (1 by default), QCTL_FUZZ_REPLAY (a saved input to run instead),
// QCTL_FUZZ_OUT (where found inputs go, ./fuzz-found by default), QCTL_FUZZ_SLOW_MS (inputs
// slower than this are saved and listed too).
#pragma once

#include <afx.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qfuzz
{

typedef std::string Bytes;

// A small, fast generator (splitmix64): the same seed gives the same stream everywhere.
class Rng
{
public:
    explicit Rng(uint64_t seed) : m_state(seed) {}
    uint64_t Next();
    uint32_t Below(uint32_t n) { return n == 0 ? 0 : (uint32_t)(Next() % n); }
    bool OneIn(uint32_t n) { return Below(n) == 0; }

private:
    uint64_t m_state;
};

// A copy of some bytes that ends exactly at a page boundary, followed by a page without access:
// reading one byte past the end faults at once and is reported as an over-read.
class GuardedBuffer
{
public:
    GuardedBuffer(const void* pData, size_t nBytes);
    // A wide string with its terminating NUL as the buffer's last character.
    explicit GuardedBuffer(const std::wstring& str);
    ~GuardedBuffer();
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    const BYTE* Data() const { return m_pData; }
    size_t Size() const { return m_nBytes; }
    const wchar_t* Str() const { return reinterpret_cast<const wchar_t*>(m_pData); }

    // Whether an address lies in the no-access page of a live guarded buffer.
    static bool IsGuardAddress(const void* p);

private:
    void Allocate(const void* pData, size_t nBytes);
    BYTE* m_pBase = nullptr;
    size_t m_nReserved = 0;
    BYTE* m_pData = nullptr;
    size_t m_nBytes = 0;
};

// One reader of outside input.
class Reader
{
public:
    virtual ~Reader() {}
    virtual void SetUp() {}
    virtual void TearDown() {}
    // Hands the input to the reader and checks the result: "" when it is as documented, otherwise
    // what differs.
    virtual std::string Run(const Bytes& input) = 0;
    // The text unit of the reader's inputs for the mutators: 1 for bytes, 2 for UTF-16.
    virtual int Unit() const { return 1; }
    // Largest input the mutators make (long runs may reach it).
    virtual size_t MaxSize() const { return 64 * 1024; }
    // Valid inputs kept outside the harness's corpus folder (sample files), added to the corpus.
    virtual std::vector<Bytes> MoreCorpus() { return std::vector<Bytes>(); }
};

// The files of a folder of the shared samples (e.g. "bmp\\good") whose names match the pattern,
// in name order; none when the samples are not there (QCTL_SAMPLES_DIR overrides where they are).
std::vector<Bytes> SampleFiles(const char* pszFolder, const char* pszPattern);

// Formats a mismatch: what, then the expected and actual values.
std::string Mismatch(const char* pszWhat, const std::wstring& expected, const std::wstring& actual);
std::string Mismatch(const char* pszWhat, long long expected, long long actual);

// The text that the structured readers take from input bytes: bytes below 0x80 are themselves,
// 0x80 to 0xEF pick awkward characters (CJK, spaces, surrogate halves, noncharacters), and
// 0xF0 to 0xFF take the next two bytes as one raw UTF-16 unit.
std::wstring DecodeText(const Bytes& input, size_t nBegin, size_t nEnd);
// A CString's characters (embedded NULs included) and back.
inline std::wstring W(const CString& s)
{
    return std::wstring(s.GetString(), (size_t)s.GetLength());
}
inline CString C(const std::wstring& s)
{
    return CString(s.c_str(), (int)s.size());
}

// A path in the temporary folder, and writing bytes to a file (FALSE when it cannot be written).
std::wstring TempPath(const wchar_t* pszName);
bool WriteBytes(const std::wstring& path, const void* pData, size_t nBytes);

// A stable hash of the input, for choices a reader derives from it.
uint64_t Hash(const Bytes& input);

// What a run did.
struct Summary
{
    int nInputs = 0;       // inputs run, corpus and regression inputs included
    int nFindings = 0;     // inputs whose result differed (crashes end the process)
    double dSeconds = 0;   // time taken
    std::string strFirst;  // the first finding, with the file its input was written to
    double dSlowestMs = 0; // the slowest input and its number
    long long nSlowest = 0;
};

// Runs the reader over its corpus, its regression inputs and the mutated inputs of the settings.
Summary RunReader(Reader& reader, const char* pszName);
// RunReader, then the summary as gtest failures and a line on stdout.
void RunAndExpect(Reader& reader, const char* pszName);

} // namespace qfuzz

#define QFUZZ_READER(ReaderClass, Name)                                                                      \
    TEST(Fuzz, Name)                                                                                         \
    {                                                                                                        \
        ReaderClass reader;                                                                                  \
        ::qfuzz::RunAndExpect(reader, #Name);                                                                \
    }
