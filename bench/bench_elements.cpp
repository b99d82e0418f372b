// Element-list walk on a list of 100,000 elements: time per call of GetElementCount,
// GetElementIndex and GetElementItemByIndex, and the ratio to a hand-written single pass over the
// same string with wcsstr (the least any walk can cost).
#include "bench/benchclock.h"
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>

#include "util/QStringMgr.h"

namespace
{

// Seconds per call of f over one round of calls.
template <class F> double TimeRound(F f, int calls)
{
    double t0 = Now();
    for (int i = 0; i < calls; ++i)
        f();
    return (Now() - t0) / calls;
}

volatile int g_sink;

// The baseline: count the elements with one wcsstr pass, no copies.
int HandCount(const wchar_t* psz, int nLen, const wchar_t* pszSep)
{
    int nSep = static_cast<int>(wcslen(pszSep)), n = 0;
    const wchar_t* p = psz;
    const wchar_t* pEnd = psz + nLen;
    while (p < pEnd)
    {
        ++n;
        const wchar_t* hit = wcsstr(p, pszSep);
        if (hit == nullptr)
            break;
        p = hit + nSep;
    }
    return n;
}

} // namespace

int main()
{
    const int kElements = 100000;
    CString list;
    CString item;
    for (int i = 0; i < kElements; ++i)
    {
        item.Format(L"item%d", i);
        CQStringMgr::AddElementItem(list, item, L",");
    }
    CString last;
    last.Format(L"item%d", kElements - 1);
    const CString sep = L",";

    if (CQStringMgr::GetElementCount(list, sep) != kElements ||
        CQStringMgr::GetElementIndex(list, last, sep) != kElements - 1 ||
        HandCount(list, list.GetLength(), sep) != kElements)
    {
        std::printf("wrong results\n");
        return 1;
    }

    // Rounds take turns between the four walks and each keeps its best round, so that a load
    // shared with other programs hits all of them alike.
    const int kCalls = 10, kRounds = 15;
    CString out;
    double tHand = 1e30, tCount = 1e30, tIndex = 1e30, tByIndex = 1e30;
    for (int round = 0; round < kRounds; ++round)
    {
        tHand = std::min(tHand, TimeRound([&] { g_sink = HandCount(list, list.GetLength(), sep); }, kCalls));
        tCount =
            std::min(tCount, TimeRound([&] { g_sink = CQStringMgr::GetElementCount(list, sep); }, kCalls));
        tIndex = std::min(tIndex,
                          TimeRound([&] { g_sink = CQStringMgr::GetElementIndex(list, last, sep); }, kCalls));
        tByIndex = std::min(
            tByIndex,
            TimeRound([&] { g_sink = CQStringMgr::GetElementItemByIndex(list, kElements - 1, out, sep); },
                      kCalls));
    }

    std::printf("list of %d elements, %d characters\n", kElements, list.GetLength());
    std::printf("%-34s %10.1f us/call\n", "hand-written wcsstr pass", tHand * 1e6);
    std::printf("%-34s %10.1f us/call  ratio %.2f\n", "GetElementCount", tCount * 1e6, tCount / tHand);
    std::printf("%-34s %10.1f us/call  ratio %.2f\n", "GetElementIndex (last element)", tIndex * 1e6,
                tIndex / tHand);
    std::printf("%-34s %10.1f us/call  ratio %.2f\n", "GetElementItemByIndex (last index)", tByIndex * 1e6,
                tByIndex / tHand);
    return 0;
}
