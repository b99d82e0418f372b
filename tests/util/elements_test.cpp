// Element lists against a reference model over seeded random lists; fixed cases; pair lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "testwin.h"
#include "util/QStringMgr.h"

using std::wstring;

namespace
{

CString CS(const wstring& s)
{
    return CString(s.c_str(), static_cast<int>(s.size()));
}
wstring WS(const CString& s)
{
    return wstring(s.GetString(), s.GetLength());
}

// The model: the first element taken off S at every step; an empty separator never matches.
bool ModelTake(wstring& S, wstring& item, const wstring& P)
{
    if (S.empty())
        return false;
    size_t i = P.empty() ? wstring::npos : S.find(P);
    item = S.substr(0, i);
    S = i == wstring::npos ? wstring() : S.substr(i + P.size());
    return true;
}

std::vector<wstring> ModelElements(wstring S, const wstring& P)
{
    std::vector<wstring> v;
    for (wstring item; ModelTake(S, item, P);)
        v.push_back(item);
    return v;
}

// Elements joined; an empty result takes no separator before the next one.
void Join(wstring& r, const wstring& e, const wstring& P)
{
    r += (r.empty() ? wstring() : P) + e;
}

wstring ModelDel(wstring S, const wstring& item, const wstring& P)
{
    wstring joined, e;
    while (!item.empty() && ModelTake(S, e, P))
    {
        if (e == item)
            return joined.empty() ? S : joined + P + S;
        Join(joined, e, P);
    }
    return item.empty() ? S : joined;
}

// In range: re-joined before the element, value, rest. Beyond: padded with empty elements.
wstring ModelSet(wstring S, int index, const wstring& value, const wstring& P)
{
    std::vector<wstring> all = ModelElements(S, P);
    if (index < 0)
        return S;
    wstring r, e;
    if (index < static_cast<int>(all.size()))
    {
        for (int i = 0; i < index && ModelTake(S, e, P); ++i)
            Join(r, e, P);
        ModelTake(S, e, P);
        return r.empty() ? value + P + S : r + P + value + P + S;
    }
    for (size_t i = 0; i < all.size(); ++i)
        r += (i ? P : wstring()) + all[i];
    if (!all.empty())
        r += P;
    for (int i = static_cast<int>(all.size()); i < index; ++i)
        r += P;
    return r + value;
}

wstring RandomText(std::mt19937& rng, const wstring& alphabet, int maxLen)
{
    wstring s;
    for (int n = rng() % (maxLen + 1); n > 0; --n)
        s += alphabet[rng() % alphabet.size()];
    return s;
}

} // namespace

// Random characters or random (some empty) elements, separators at the edges and overlapping.
TEST(ElementListModel, RandomListsAgreeWithTheModel)
{
    const wchar_t* const separators[] = {L",", L"::", L",,", L"ab", L"a", L":,", L"aa"};
    for (unsigned seed = 1; seed <= 3000; ++seed)
    {
        std::mt19937 rng(seed);
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        wstring sS, sP = separators[rng() % 7];
        const bool bText = rng() % 2;
        for (int i = 0, n = bText ? 0 : rng() % 7; i < n; ++i)
            sS += (i ? sP : wstring()) + (rng() % 4 ? RandomText(rng, L"abxy ", 4) : wstring());
        if (bText)
            sS = RandomText(rng, L"ab,: ", 24);
        sS = (rng() % 3 ? L"" : sP) + sS + (rng() % 3 ? L"" : sP);
        const CString S = CS(sS), P = CS(sP);
        std::vector<wstring> elems = ModelElements(sS, sP);
        int count = static_cast<int>(elems.size());
        ASSERT_EQ(count, CQStringMgr::GetElementCount(S, P));

        CString rest = S, item = L"unchanged";
        for (int i = 0; i < count; ++i)
        {
            ASSERT_TRUE(CQStringMgr::GetElementItem(rest, item, P));
            ASSERT_EQ(elems[i], WS(item));
        }
        ASSERT_TRUE(rest.IsEmpty());
        ASSERT_FALSE(CQStringMgr::GetElementItem(rest, item, P));
        for (int i = -1; i <= count; ++i)
        {
            CString got = L"x";
            BOOL ok = CQStringMgr::GetElementItemByIndex(S, i, got, P);
            ASSERT_EQ(i >= 0 && i < count, ok != FALSE);
            ASSERT_EQ(ok ? elems[i] : wstring(), WS(got));
        }

        wstring probe = count && rng() % 2 ? elems[rng() % count] : RandomText(rng, L"abxy", 2);
        auto it = std::find(elems.begin(), elems.end(), probe);
        int index = it == elems.end() ? -1 : static_cast<int>(it - elems.begin());
        ASSERT_EQ(index, CQStringMgr::GetElementIndex(S, CS(probe), P));

        CStringArray arr;
        arr.Add(L"stale");
        CQStringMgr::StringToArray(S, arr, P);
        ASSERT_EQ(count, arr.GetSize());
        wstring rejoined;
        for (int i = 0; i < count; ++i)
        {
            ASSERT_EQ(elems[i], WS(arr[i]));
            Join(rejoined, elems[i], sP);
        }
        CString joined = L"stale", del = S, set = S;
        CQStringMgr::ArrayToString(arr, joined, P);
        ASSERT_EQ(rejoined, WS(joined));
        CQStringMgr::DelElementItem(del, CS(probe), P);
        ASSERT_EQ(ModelDel(sS, probe, sP), WS(del)) << "item " << testing::PrintToString(probe);
        int at = static_cast<int>(rng() % (count + 4)) - 1;
        wstring value = RandomText(rng, L"xyz", 3);
        CQStringMgr::SetElement(set, at, CS(value), P);
        ASSERT_EQ(ModelSet(sS, at, value, sP), WS(set)) << "index " << at;
    }
}

// Exact case-sensitive search; a NUL ends every search.
TEST(ElementList, FixedCases)
{
    EXPECT_EQ(1, CQStringMgr::GetElementCount(L"a,", L","));
    EXPECT_EQ(-1, CQStringMgr::GetElementIndex(L"A,b", L"a", L","));
    EXPECT_EQ(-1, CQStringMgr::GetElementIndex(L"ab,b", L"a", L","));
    CString nul(L"a,b\0c,d", 7);
    EXPECT_EQ(2, CQStringMgr::GetElementCount(nul, L","));
    EXPECT_EQ(1, CQStringMgr::GetElementIndex(nul, L"b",
                                              L",")); // compared up to the NUL
}

// Pairs come back trimmed; a key without its separator is a format error shown in a message box.
TEST(PairList, PairsAndTheFormatMessage)
{
    qtest::CMessageBoxWatcher watch;
    CString t = L" k1 , v1 ,k2,", key, value;
    ASSERT_TRUE(CQStringMgr::GetElementItem(t, key, value, L","));
    EXPECT_STREQ(L"k1", key);
    EXPECT_STREQ(L"v1", value);
    ASSERT_TRUE(CQStringMgr::GetElementItem(t, key, value, L","));
    EXPECT_STREQ(L"k2", key);
    EXPECT_STREQ(L"", value);
    EXPECT_EQ(0, watch.Count());

    CString s = L"key2", k = L"k", v = L"v";
    EXPECT_FALSE(CQStringMgr::GetElementItem(s, k, v, L","));
    EXPECT_STREQ(L"key2", s);
    EXPECT_STREQ(L"k", k);
    EXPECT_FALSE(CQStringMgr::ExistElementItem(L"a,1, b ,2,c", L"zz", L"", L","));

    ASSERT_EQ(2, watch.Count());
    EXPECT_STREQ(L"字符串格式出错! key2", watch.Texts()[0]);
    EXPECT_STREQ(L"字符串格式出错! c", watch.Texts()[1]);
    EXPECT_STREQ(L"提示", watch.Captions()[0]);
}
