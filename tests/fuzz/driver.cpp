// The harness's driver: settings, corpus files, the mutators, guarded buffers, and the reports of
// mismatches, crashes and hangs with the input saved for replay.
#include "fuzz.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <sstream>
#include <thread>

namespace qfuzz
{

// ---------------------------------------------------------------------------------------------
// Random numbers, hashing, text

uint64_t Rng::Next()
{
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t Hash(const Bytes& input)
{
    uint64_t h = 1469598103934665603ull; // FNV-1a
    for (unsigned char c : input)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

std::wstring DecodeText(const Bytes& input, size_t nBegin, size_t nEnd)
{
    static const wchar_t kAwkward[] = {0x4E2D, 0x6587, 0x5B57, 0x7B26, 0x00A0, 0x3000, 0x2028, 0xFEFF,
                                       0xFFFF, 0xFFFE, 0xFFFD, 0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0x00E9,
                                       0x0085, 0x000B, 0x000C, 0x001A, 0x007F, 0x0080, 0x00FF, 0x0100,
                                       0x200B, 0x202E, 0x0301, 0x3002, 0xFF0C, 0x0009, 0x000D, 0x000A};
    const size_t nAwkward = sizeof(kAwkward) / sizeof(kAwkward[0]);
    std::wstring out;
    nEnd = std::min(nEnd, input.size());
    for (size_t i = nBegin; i < nEnd; i++)
    {
        unsigned char b = (unsigned char)input[i];
        if (b < 0x80)
            out += (wchar_t)b;
        else if (b < 0xF0)
            out += kAwkward[(b - 0x80) % nAwkward];
        else if (i + 2 < nEnd)
        {
            out += (wchar_t)(((unsigned char)input[i + 1] << 8) | (unsigned char)input[i + 2]);
            i += 2;
        }
        else
            out += (wchar_t)0xDFFF; // a raw unit cut short
    }
    return out;
}

std::string Mismatch(const char* pszWhat, const std::wstring& expected, const std::wstring& actual)
{
    auto Show = [](const std::wstring& s)
    {
        std::string out = "\"";
        for (size_t i = 0; i < s.size() && i < 200; i++)
        {
            wchar_t c = s[i];
            if (c >= 0x20 && c < 0x7F && c != L'\\' && c != L'"')
                out += (char)c;
            else
            {
                char sz[12];
                snprintf(sz, sizeof(sz), "\\u%04X", (unsigned)c);
                out += sz;
            }
        }
        if (s.size() > 200)
            out += "...(" + std::to_string(s.size()) + " characters)";
        return out + "\"";
    };
    return std::string(pszWhat) + ": expected " + Show(expected) + ", got " + Show(actual);
}

std::string Mismatch(const char* pszWhat, long long expected, long long actual)
{
    return std::string(pszWhat) + ": expected " + std::to_string(expected) + ", got " +
           std::to_string(actual);
}

// ---------------------------------------------------------------------------------------------
// Guarded buffers

namespace
{
const size_t kMaxLive = 256;
std::atomic<BYTE*> g_guards[kMaxLive]; // the no-access pages of live buffers

size_t PageSize()
{
    SYSTEM_INFO si;
    ::GetSystemInfo(&si);
    return si.dwPageSize;
}
} // namespace

GuardedBuffer::GuardedBuffer(const void* pData, size_t nBytes)
{
    Allocate(pData, nBytes);
}

GuardedBuffer::GuardedBuffer(const std::wstring& str)
{
    Allocate(str.c_str(), (str.size() + 1) * sizeof(wchar_t));
}

// Released regions kept for reuse, by their number of data pages: most inputs are small, and
// reserving, protecting and releasing pages for each of them costs more than the reader's work.
namespace
{
struct FreeRegion
{
    BYTE* pBase;
    size_t nDataPages;
};
const size_t kMaxCachedPages = 64, kMaxCached = 64;
FreeRegion g_free[kMaxCached];
size_t g_nFree = 0;
} // namespace

void GuardedBuffer::Allocate(const void* pData, size_t nBytes)
{
    static const size_t nPage = PageSize();
    size_t nDataPages = (nBytes + nPage - 1) / nPage;
    m_nReserved = (nDataPages + 1) * nPage;
    m_pBase = nullptr;
    for (size_t i = 0; i < g_nFree; i++)
        if (g_free[i].nDataPages == nDataPages)
        {
            m_pBase = g_free[i].pBase;
            g_free[i] = g_free[--g_nFree];
            break;
        }
    BYTE* pGuard;
    if (m_pBase != nullptr)
        pGuard = m_pBase + nDataPages * nPage; // still without access
    else
    {
        m_pBase = (BYTE*)::VirtualAlloc(NULL, m_nReserved, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (m_pBase == NULL)
            throw std::bad_alloc();
        pGuard = m_pBase + nDataPages * nPage;
        DWORD dwOld = 0;
        ::VirtualProtect(pGuard, nPage, PAGE_NOACCESS, &dwOld);
    }
    m_pData = pGuard - nBytes;
    m_nBytes = nBytes;
    if (nBytes != 0)
        memcpy(m_pData, pData, nBytes);
    for (auto& slot : g_guards)
    {
        BYTE* pExpected = nullptr;
        if (slot.compare_exchange_strong(pExpected, pGuard))
            break;
    }
}

GuardedBuffer::~GuardedBuffer()
{
    static const size_t nPage = PageSize();
    BYTE* pGuard = m_pData + m_nBytes;
    for (auto& slot : g_guards)
    {
        BYTE* pExpected = pGuard;
        if (slot.compare_exchange_strong(pExpected, nullptr))
            break;
    }
    size_t nDataPages = m_nReserved / nPage - 1;
    if (nDataPages <= kMaxCachedPages && g_nFree < kMaxCached)
        g_free[g_nFree++] = {m_pBase, nDataPages};
    else
        ::VirtualFree(m_pBase, 0, MEM_RELEASE);
}

bool GuardedBuffer::IsGuardAddress(const void* p)
{
    static const size_t nPage = PageSize();
    for (auto& slot : g_guards)
    {
        BYTE* pGuard = slot.load();
        if (pGuard != nullptr && (const BYTE*)p >= pGuard && (const BYTE*)p < pGuard + nPage)
            return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Settings and files

namespace
{
struct Settings
{
    long long nInputs = 2000;
    uint64_t nSeed = 1;
    std::string strReplay;
    std::string strOut = "fuzz-found";
    long long nSlowMs = 0; // inputs slower than this are saved too (0: none)
    double dSeconds = 30;  // time allowed to the mutated inputs of one reader (0: no limit)
};

Settings ReadSettings()
{
    Settings s;
    if (const char* p = getenv("QCTL_FUZZ_INPUTS"))
        s.nInputs = std::max(0LL, atoll(p));
    if (const char* p = getenv("QCTL_FUZZ_SEED"))
        s.nSeed = strtoull(p, nullptr, 0);
    if (const char* p = getenv("QCTL_FUZZ_REPLAY"))
        s.strReplay = p;
    if (const char* p = getenv("QCTL_FUZZ_OUT"))
        s.strOut = p;
    if (const char* p = getenv("QCTL_FUZZ_SLOW_MS"))
        s.nSlowMs = atoll(p);
    if (const char* p = getenv("QCTL_FUZZ_SECONDS"))
        s.dSeconds = atof(p);
    return s;
}

// The harness's folder in the source tree (a path of the build machine; under Wine a Unix path
// is reached through drive Z:).
std::string SourceDir()
{
    std::string dir = QCTL_FUZZ_DIR;
    if (!dir.empty() && dir[0] == '/')
        dir = "Z:" + dir;
    return dir;
}

bool ReadFile(const std::string& path, Bytes& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    out = ss.str();
    return true;
}

// Every file of a folder whose name matches the pattern, in name order.
std::vector<Bytes> ReadFolder(const std::string& dir, const char* pszPattern = "*")
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((dir + "\\" + pszPattern).c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(fd.cFileName);
        } while (::FindNextFileA(h, &fd));
        ::FindClose(h);
    }
    std::sort(names.begin(), names.end());
    std::vector<Bytes> out;
    for (const std::string& name : names)
    {
        Bytes b;
        if (ReadFile(dir + "\\" + name, b))
            out.push_back(b);
    }
    return out;
}

} // namespace

std::wstring TempPath(const wchar_t* pszName)
{
    wchar_t szDir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szDir);
    return std::wstring(szDir) + pszName;
}

bool WriteBytes(const std::wstring& path, const void* pData, size_t nBytes)
{
    HANDLE h =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD dw = 0;
    bool bOk = ::WriteFile(h, pData, (DWORD)nBytes, &dw, NULL) && dw == nBytes;
    ::CloseHandle(h);
    return bOk;
}

std::vector<Bytes> SampleFiles(const char* pszFolder, const char* pszPattern)
{
    std::string dir;
    if (const char* p = getenv("QCTL_SAMPLES_DIR"))
        dir = p;
#ifdef QCTL_SAMPLES_DIR
    if (dir.empty())
        dir = QCTL_SAMPLES_DIR;
#endif
    if (dir.empty())
        dir = "../shared/samples";
    if (dir[0] == '/')
        dir = "Z:" + dir;
    std::vector<Bytes> files = ReadFolder(dir + "\\" + pszFolder, pszPattern);
    if (files.empty())
        printf("fuzz: no sample files in %s\\%s (QCTL_SAMPLES_DIR): the reader's own corpus only\n",
               dir.c_str(), pszFolder);
    return files;
}

namespace
{
// Writes an input where it can be replayed from; returns the path.
std::string SaveInput(const char* pszReader, uint64_t nSeed, long long nIndex, const Bytes& input)
{
    Settings s = ReadSettings();
    ::CreateDirectoryA(s.strOut.c_str(), NULL);
    char szName[160];
    snprintf(szName, sizeof(szName), "%s\\%s-seed%llu-input%lld.bin", s.strOut.c_str(), pszReader,
             (unsigned long long)nSeed, nIndex);
    HANDLE h = ::CreateFileA(szName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h != INVALID_HANDLE_VALUE)
    {
        DWORD dw = 0;
        ::WriteFile(h, input.data(), (DWORD)input.size(), &dw, NULL);
        ::CloseHandle(h);
    }
    return szName;
}

// ---------------------------------------------------------------------------------------------
// Crash and hang reports: what the process is doing right now.

struct Current
{
    const char* pszReader = nullptr;
    uint64_t nSeed = 0;
    long long nIndex = -1;
    const Bytes* pInput = nullptr;
    std::atomic<long long> nStartedMs{0}; // 0 while no input runs
};
Current g_current;

long long NowMs()
{
    return (long long)::GetTickCount64();
}

[[noreturn]] void ReportAndDie(const char* pszWhat)
{
    std::string path = "(none)";
    if (g_current.pInput != nullptr)
        path = SaveInput(g_current.pszReader, g_current.nSeed, g_current.nIndex, *g_current.pInput);
    fprintf(stderr, "\nFUZZ FOUND: %s in reader %s, seed %llu, input %lld; input written to %s\n", pszWhat,
            g_current.pszReader ? g_current.pszReader : "?", (unsigned long long)g_current.nSeed,
            g_current.nIndex, path.c_str());
    fflush(stderr);
    fflush(stdout);
    ::TerminateProcess(::GetCurrentProcess(), 3);
    for (;;)
        ::Sleep(1000);
}

bool InOurModules(const void* pAddress)
{
    HMODULE hModule = NULL;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                  GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              (LPCWSTR)pAddress, &hModule))
        return false;
    return hModule == ::GetModuleHandleW(NULL) || hModule == ::GetModuleHandleW(L"qctl.dll") ||
           hModule == ::GetModuleHandleW(L"afx.dll");
}

// First chance: a fault in the no-access page after a guarded buffer, or any fault raised by the
// library, the framework layer or this program while an input runs. (The platform handles some
// faults of its own; those are left to it.)
LONG CALLBACK FirstChance(EXCEPTION_POINTERS* pInfo)
{
    if (g_current.pInput == nullptr)
        return EXCEPTION_CONTINUE_SEARCH;
    const EXCEPTION_RECORD* pRec = pInfo->ExceptionRecord;
    switch (pRec->ExceptionCode)
    {
    case EXCEPTION_ACCESS_VIOLATION:
        if (pRec->NumberParameters >= 2 &&
            GuardedBuffer::IsGuardAddress((void*)pRec->ExceptionInformation[1]))
            ReportAndDie("a read past the end of a guarded input buffer");
        if (InOurModules(pRec->ExceptionAddress))
            ReportAndDie("an access violation");
        break;
    case EXCEPTION_STACK_OVERFLOW: ReportAndDie("a stack overflow");
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
        if (InOurModules(pRec->ExceptionAddress))
            ReportAndDie("a processor exception");
        break;
    default: break;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

LONG WINAPI LastChance(EXCEPTION_POINTERS*)
{
    ReportAndDie("an unhandled exception");
}

// Watches for an input that runs too long (a hang): the limit is generous, so that only a
// reader that never ends trips it.
void StartWatchdog()
{
    static bool s_bStarted = false;
    if (s_bStarted)
        return;
    s_bStarted = true;
    ::AddVectoredExceptionHandler(1, FirstChance);
    ::SetUnhandledExceptionFilter(LastChance);
    std::thread(
        []
        {
            for (;;)
            {
                ::Sleep(1000);
                long long nStarted = g_current.nStartedMs.load();
                if (nStarted != 0 && NowMs() - nStarted > 60000)
                    ReportAndDie("an input that ran for more than a minute");
            }
        })
        .detach();
}

// ---------------------------------------------------------------------------------------------
// Mutators

// Replaces a digit run (with its sign) by a number at a boundary, or inserts one.
void BoundaryNumber(Rng& rng, Bytes& b)
{
    static const char* kNumbers[] = {"0",
                                     "-0",
                                     "1",
                                     "-1",
                                     "2147483647",
                                     "2147483648",
                                     "-2147483648",
                                     "-2147483649",
                                     "4294967295",
                                     "4294967296",
                                     "65535",
                                     "65536",
                                     "1023",
                                     "1024",
                                     "1e308",
                                     "1e-320",
                                     "1.7976931348623157e308",
                                     "nan",
                                     "-inf",
                                     "9223372036854775807",
                                     "00000000000000000001",
                                     ".",
                                     "-",
                                     "e"};
    const char* pszNumber = kNumbers[rng.Below(sizeof(kNumbers) / sizeof(kNumbers[0]))];
    size_t nPos = b.empty() ? 0 : rng.Below((uint32_t)b.size());
    size_t nStart = nPos;
    while (nStart < b.size() && !isdigit((unsigned char)b[nStart]))
        nStart++;
    if (nStart < b.size())
    {
        size_t nEnd = nStart;
        while (nEnd < b.size() && (isdigit((unsigned char)b[nEnd]) || b[nEnd] == '.'))
            nEnd++;
        if (nStart > 0 && b[nStart - 1] == '-')
            nStart--;
        b.replace(nStart, nEnd - nStart, pszNumber);
    }
    else
        b.insert(nPos, pszNumber);
}

// One unit (1 or 2 bytes, little-endian) that tends to upset readers.
Bytes SpecialUnit(Rng& rng, int nUnit)
{
    if (nUnit == 2)
    {
        static const unsigned kUnits[] = {0x0000, 0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xFFFF, 0xFFFE, 0xFEFF,
                                          0x000A, 0x000D, 0x0009, 0x002C, 0x4E2D, 0x3000, 0x00A0, 0x0085};
        unsigned u = kUnits[rng.Below(sizeof(kUnits) / sizeof(kUnits[0]))];
        return Bytes{(char)(u & 0xFF), (char)(u >> 8)};
    }
    static const unsigned char kBytes[] = {0x00, 0x0A, 0x0D, 0x09, 0x2C, 0x1A, 0x20, 0x7F, 0x80,
                                           0x81, 0xA1, 0xFE, 0xFF, 0xC0, 0xE0, 0xF0, 0x01, 0x22};
    Bytes b(1, (char)kBytes[rng.Below(sizeof(kBytes))]);
    if (rng.OneIn(3)) // a lead byte followed by something that cannot end it
        b = Bytes{(char)(0x81 + rng.Below(0x7E)), (char)"\n,0\0"[rng.Below(4)]};
    return b;
}

void Mutate(Rng& rng, Bytes& b, const std::vector<Bytes>& pool, int nUnit, size_t nMaxSize)
{
    auto Pos = [&](bool bAligned = true)
    {
        size_t n = b.empty() ? 0 : rng.Below((uint32_t)b.size() + 1);
        if (bAligned && nUnit == 2)
            n &= ~(size_t)1;
        return n;
    };
    switch (rng.Below(11))
    {
    case 0: // bit flips
        for (int i = 1 + (int)rng.Below(4); i > 0 && !b.empty(); i--)
            b[rng.Below((uint32_t)b.size())] ^= (char)(1u << rng.Below(8));
        break;
    case 1: // random bytes inserted
    {
        Bytes ins;
        for (int i = 1 + (int)rng.Below(8 * nUnit); i > 0; i--)
            ins += (char)rng.Below(256);
        b.insert(Pos(false), ins);
        break;
    }
    case 2: // a range deleted
        if (!b.empty())
        {
            size_t n = Pos(), len = 1 + rng.Below(rng.OneIn(4) ? 4096 : 16);
            if (nUnit == 2)
                len *= 2;
            b.erase(std::min(n, b.size()), len);
        }
        break;
    case 3: // splice: a piece of another input
        if (!pool.empty())
        {
            const Bytes& other = pool[rng.Below((uint32_t)pool.size())];
            if (!other.empty())
            {
                size_t s = rng.Below((uint32_t)other.size()),
                       len = 1 + rng.Below((uint32_t)(other.size() - s));
                if (nUnit == 2)
                    s &= ~(size_t)1;
                Bytes piece = other.substr(s, len);
                if (rng.OneIn(2))
                    b.insert(Pos(), piece);
                else
                    b = b.substr(0, Pos()) + piece;
            }
        }
        break;
    case 4: BoundaryNumber(rng, b); break;
    case 5: // a long run of one unit
    {
        Bytes unit = rng.OneIn(2) ? SpecialUnit(rng, nUnit) : Bytes(nUnit, (char)(0x20 + rng.Below(0x5F)));
        if (nUnit == 2)
            unit.resize(2, 0);
        size_t n = rng.OneIn(8) ? 20000 + rng.Below(50000) : 200 + rng.Below(3000);
        Bytes run;
        for (size_t i = 0; i < n; i++)
            run += unit;
        b.insert(Pos(), run);
        break;
    }
    case 6: // embedded NULs
        b.insert(Pos(), Bytes(nUnit, '\0'));
        break;
    case 7: // awkward units: surrogate halves, broken multibyte sequences, line ends, separators
        for (int i = 1 + (int)rng.Below(4); i > 0; i--)
            b.insert(Pos(), SpecialUnit(rng, nUnit));
        break;
    case 8: // a piece repeated
        if (!b.empty())
        {
            size_t s = Pos(), len = 1 + rng.Below(64);
            Bytes piece = b.substr(std::min(s, b.size()), len);
            for (int i = 1 + (int)rng.Below(16); i > 0; i--)
                b.insert(s, piece);
        }
        break;
    case 9: // cut short
        b.resize(Pos());
        break;
    default: // single bytes overwritten
        for (int i = 1 + (int)rng.Below(4); i > 0 && !b.empty(); i--)
            b[rng.Below((uint32_t)b.size())] = (char)rng.Below(256);
        break;
    }
    if (b.size() > nMaxSize)
        b.resize(nMaxSize);
}

// Input number nIndex of a run with the seed: a corpus input mutated one to five times (now and
// then a mutation of nothing at all).
Bytes MakeInput(uint64_t nSeed, long long nIndex, const std::vector<Bytes>& pool, int nUnit, size_t nMaxSize)
{
    Rng rng(nSeed * 0x100000001B3ull + (uint64_t)nIndex * 0x9E3779B97F4A7C15ull + 7);
    Bytes b;
    if (!pool.empty() && !rng.OneIn(20))
        b = pool[rng.Below((uint32_t)pool.size())];
    for (int i = 1 + (int)rng.Below(5); i > 0; i--)
        Mutate(rng, b, pool, nUnit, nMaxSize);
    return b;
}
} // namespace

// ---------------------------------------------------------------------------------------------
// Runs

Summary RunReader(Reader& reader, const char* pszName)
{
    StartWatchdog();
    Settings s = ReadSettings();
    Summary sum;
    auto t0 = std::chrono::steady_clock::now();

    std::vector<Bytes> corpus = ReadFolder(SourceDir() + "\\corpus\\" + pszName);
    std::vector<Bytes> regress = ReadFolder(SourceDir() + "\\regress\\" + pszName);
    for (Bytes& b : reader.MoreCorpus())
        corpus.push_back(std::move(b));

    auto RunOne = [&](const Bytes& input, long long nIndex)
    {
        g_current.pszReader = pszName;
        g_current.nSeed = s.nSeed;
        g_current.nIndex = nIndex;
        g_current.pInput = &input;
        g_current.nStartedMs = NowMs();
        std::string strWrong;
        try
        {
            strWrong = reader.Run(input);
        }
        catch (CException* e)
        {
            wchar_t sz[256] = L"";
            e->GetErrorMessage(sz, 256);
            e->Delete();
            char szA[256] = "";
            ::WideCharToMultiByte(CP_ACP, 0, sz, -1, szA, 256, NULL, NULL);
            strWrong = std::string("a framework exception escaped: ") + szA;
        }
        catch (const std::exception& e)
        {
            strWrong = std::string("an exception escaped: ") + e.what();
        }
        catch (...)
        {
            strWrong = "an exception escaped";
        }
        double dMs = (double)(NowMs() - g_current.nStartedMs);
        if (s.nSlowMs > 0 && dMs > s.nSlowMs)
            fprintf(stderr, "FUZZ SLOW: %s input %lld took %.0f ms; written to %s\n", pszName, nIndex, dMs,
                    SaveInput(pszName, s.nSeed, nIndex, input).c_str());
        if (dMs > sum.dSlowestMs)
        {
            sum.dSlowestMs = dMs;
            sum.nSlowest = nIndex;
        }
        g_current.nStartedMs = 0;
        g_current.pInput = nullptr;
        sum.nInputs++;
        if (!strWrong.empty())
        {
            std::string path = SaveInput(pszName, s.nSeed, nIndex, input);
            if (sum.nFindings++ == 0)
                sum.strFirst = strWrong + " (seed " + std::to_string(s.nSeed) + ", input " +
                               std::to_string(nIndex) + ", written to " + path + ")";
            fprintf(stderr, "FUZZ FOUND in %s, input %lld: %s\n", pszName, nIndex, strWrong.c_str());
        }
    };

    reader.SetUp();
    if (!s.strReplay.empty())
    {
        Bytes input;
        if (!ReadFile(s.strReplay, input))
            ADD_FAILURE() << "cannot read " << s.strReplay;
        else
            RunOne(input, -1);
    }
    else
    {
        // corpus inputs are numbered -1, -2, ... and regression inputs -1001, -1002, ...
        for (size_t i = 0; i < regress.size() && sum.nFindings < 20; i++)
            RunOne(regress[i], -1001 - (long long)i);
        for (size_t i = 0; i < corpus.size() && sum.nFindings < 20; i++)
            RunOne(corpus[i], -1 - (long long)i);
        // mutations start from the corpus: regression inputs run as they are (many are large)
        const std::vector<Bytes>& pool = corpus;
        // the same seed gives the same sequence; a time limit only cuts it shorter
        for (long long i = 0; i < s.nInputs && sum.nFindings < 20; i++)
        {
            RunOne(MakeInput(s.nSeed, i, pool, reader.Unit(), reader.MaxSize()), i);
            if (s.dSeconds == 0 && (i + 1) % 10000 == 0) // the long run tells how far it got
            {
                printf("fuzz %s: %lld inputs, %.0f s\n", pszName, i + 1,
                       std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
                fflush(stdout);
            }
            if (s.dSeconds > 0 &&
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() > s.dSeconds)
                break;
        }
    }
    reader.TearDown();
    sum.dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    return sum;
}

void RunAndExpect(Reader& reader, const char* pszName)
{
    Summary sum = RunReader(reader, pszName);
    printf("fuzz %-12s %8d inputs %8.1f s %9.0f inputs/s  %d found  (slowest: input %lld, %.0f ms)\n",
           pszName, sum.nInputs, sum.dSeconds, sum.dSeconds > 0 ? sum.nInputs / sum.dSeconds : 0.0,
           sum.nFindings, sum.nSlowest, sum.dSlowestMs);
    fflush(stdout);
    EXPECT_EQ(0, sum.nFindings) << "first: " << sum.strFirst;
}

} // namespace qfuzz
