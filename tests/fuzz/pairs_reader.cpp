// Key/value pair lists of CQStringMgr against a reference pair walk: a key runs to the first
// separator (a key without one is the format error, shown once in a message box), the value to
// the next separator or the end; both are trimmed.
//
// Input: text (see DecodeText) cut at U+0001 into the list, the separator, a key and a value.
#include "fuzz.h"

#include "testwin.h"
#include "util/QStringMgr.h"

#include <cwctype>

namespace
{
using qfuzz::C;
using qfuzz::Mismatch;
using qfuzz::W;

struct RefPairs
{
    std::vector<std::pair<std::wstring, std::wstring>> pairs;
    std::vector<size_t> rests; // where the list left after each pair begins
    bool bFormatError = false; // the walk ended at a key without a separator
};

// The first occurrence of p in s from pos on, searched as C strings do (up to the next NUL); the
// next NUL is kept between calls, so that a walk stays one pass.
size_t FindSep(const std::wstring& s, size_t pos, const std::wstring& p, size_t& nLimit)
{
    if (p.empty())
        return std::wstring::npos;
    if (nLimit < pos || nLimit == std::wstring::npos)
        nLimit = std::min(s.find(L'\0', pos), s.size());
    size_t hit = s.find(p, pos);
    return hit == std::wstring::npos || hit + p.size() > nLimit ? std::wstring::npos : hit;
}

std::wstring Trim(const std::wstring& s)
{
    size_t b = 0, e = s.size();
    while (b < e && iswspace(s[b]))
        b++;
    while (e > b && iswspace(s[e - 1]))
        e--;
    return s.substr(b, e - b);
}

RefPairs RefWalk(const std::wstring& s, const std::wstring& sep)
{
    std::wstring p = sep.substr(0, sep.find(L'\0'));
    RefPairs ref;
    size_t pos = 0, nLimit = std::wstring::npos;
    while (pos < s.size())
    {
        size_t k = FindSep(s, pos, p, nLimit);
        if (k == std::wstring::npos)
        {
            ref.bFormatError = true;
            break;
        }
        size_t v = k + p.size(), e = FindSep(s, v, p, nLimit);
        size_t end = e == std::wstring::npos ? s.size() : e;
        ref.pairs.push_back({Trim(s.substr(pos, k - pos)), Trim(s.substr(v, end - v))});
        pos = e == std::wstring::npos ? s.size() : e + p.size();
        ref.rests.push_back(pos);
    }
    return ref;
}

// Stops the message boxes this thread would show before their windows are made, counting them: a
// shown box costs tens of milliseconds under a virtual display, a stopped one nothing, and the
// reader sees the box fail as a user's dismissal would look to it. The hook stays in place for
// the whole run (setting it costs more than most inputs); it acts only while a stopper is current.
class CBoxStopper
{
public:
    CBoxStopper() { s_pThis = this; }
    ~CBoxStopper() { s_pThis = nullptr; }
    int Count() const { return m_nCount; }

    static void Install() { s_hHook = ::SetWindowsHookExW(WH_CBT, HookProc, NULL, ::GetCurrentThreadId()); }
    static void Remove()
    {
        ::UnhookWindowsHookEx(s_hHook);
        s_hHook = NULL;
    }

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_CREATEWND && s_pThis != nullptr)
        {
            const CREATESTRUCTW* pcs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
            bool bDialog = IS_INTRESOURCE(pcs->lpszClass) ? LOWORD((ULONG_PTR)pcs->lpszClass) == 0x8002
                                                          : wcscmp(pcs->lpszClass, L"#32770") == 0;
            if (bDialog && pcs->hwndParent == NULL)
            {
                s_pThis->m_nCount++;
                return 1; // not made
            }
        }
        return ::CallNextHookEx(NULL, nCode, wParam, lParam);
    }
    static CBoxStopper* s_pThis;
    static HHOOK s_hHook;
    int m_nCount = 0;
};
HHOOK CBoxStopper::s_hHook = NULL;
CBoxStopper* CBoxStopper::s_pThis = nullptr;

class CPairsReader : public qfuzz::Reader
{
public:
    void SetUp() override { CBoxStopper::Install(); }
    void TearDown() override { CBoxStopper::Remove(); }
    std::string Run(const qfuzz::Bytes& input) override
    {
        // The first short inputs (the corpus) show their boxes, whose texts are checked; the others
        // are stopped.
        if (m_nRuns++ < m_nShown && input.size() < 256)
        {
            qtest::CMessageBoxWatcher watcher;
            std::string strWrong = RunWith(input, watcher);
            for (const CString& strText : watcher.Texts())
                if (strText.Left(9) != L"字符串格式出错! ")
                    return Mismatch("format message", L"字符串格式出错! ...", W(strText));
            for (const CString& strCaption : watcher.Captions())
                if (strCaption != L"提示")
                    return Mismatch("format message caption", L"提示", W(strCaption));
            return strWrong;
        }
        CBoxStopper stopper;
        return RunWith(input, stopper);
    }

private:
    int m_nRuns = 0;
    const int m_nShown = 8;

    template <class Boxes> std::string RunWith(const qfuzz::Bytes& input, Boxes& watcher)
    {
        std::wstring text = qfuzz::DecodeText(input, 0, input.size());
        std::vector<std::wstring> parts;
        for (size_t start = 0;;)
        {
            size_t cut = text.find(L'\x01', start);
            parts.push_back(text.substr(start, cut == std::wstring::npos ? cut : cut - start));
            if (cut == std::wstring::npos)
                break;
            start = cut + 1;
        }
        parts.resize(std::max<size_t>(parts.size(), 4));
        std::wstring sep = text.find(L'\x01') == std::wstring::npos ? std::wstring(L",") : parts[1];
        const std::wstring& s = parts[0];
        RefPairs ref = RefWalk(s, sep);
        const CString P = C(sep);

        // Taking pairs off one by one copies the rest each time: long lists are checked on their
        // first pairs only (the searches below walk them whole).
        const size_t nTaken = std::min<size_t>(ref.pairs.size(), 200);
        CString rest = C(s), key, value;
        for (size_t i = 0; i < nTaken; i++)
        {
            if (!CQStringMgr::GetElementItem(rest, key, value, P))
                return Mismatch("GetElementItem(pair) failed at pair", (long long)i, -1);
            if (W(key) != ref.pairs[i].first)
                return Mismatch("pair key", ref.pairs[i].first, W(key));
            if (W(value) != ref.pairs[i].second)
                return Mismatch("pair value", ref.pairs[i].second, W(value));
            if (W(rest) != s.substr(ref.rests[i]))
                return Mismatch("pair rest", s.substr(ref.rests[i]), W(rest));
        }
        if (nTaken == ref.pairs.size())
        {
            if (CQStringMgr::GetElementItem(rest, key, value, P))
                return "GetElementItem(pair) took a pair beyond the reference walk";
            if (watcher.Count() != (ref.bFormatError ? 1 : 0))
                return Mismatch("format messages after the walk", ref.bFormatError ? 1 : 0, watcher.Count());
        }

        // searching: the first matching pair wins; a malformed pair met first ends it with the message
        std::vector<std::pair<std::wstring, std::wstring>> queries = {{parts[2], parts[3]}, {L"", L""}};
        if (!ref.pairs.empty())
        {
            const auto& last = ref.pairs.back();
            queries.push_back(last);
            queries.push_back({last.first, L""});
            queries.push_back({L"", last.second});
        }
        for (const auto& q : queries)
        {
            bool bExpected = false;
            size_t i = 0;
            for (; i < ref.pairs.size() && !bExpected; i++)
                bExpected = (q.first.empty() || wcscmp(ref.pairs[i].first.c_str(), q.first.c_str()) == 0) &&
                            (q.second.empty() || wcscmp(ref.pairs[i].second.c_str(), q.second.c_str()) == 0);
            int nBoxes = watcher.Count();
            BOOL bFound = CQStringMgr::ExistElementItem(C(s), C(q.first), C(q.second), P);
            if (!!bFound != bExpected)
                return Mismatch("ExistElementItem(pair)", bExpected, !!bFound);
            int nExpectedBoxes = !bExpected && ref.bFormatError ? 1 : 0;
            if (watcher.Count() - nBoxes != nExpectedBoxes)
                return Mismatch("format messages of ExistElementItem", nExpectedBoxes,
                                watcher.Count() - nBoxes);
        }
        return "";
    }
};

} // namespace

QFUZZ_READER(CPairsReader, Pairs)
