// Element lists: every operation against a reference model of the walk that copies the remainder
// at each step, exactly as the lists are defined, over seeded random lists; then the fixed cases,
// pair lists and the format message.
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

// ---- the reference model: lists as std::wstring, the remainder copied at every step

// Walk step: the first element off S. An empty separator never matches.
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
    wstring item;
    while (ModelTake(S, item, P))
        v.push_back(item);
    return v;
}

void ModelAppendJoined(wstring& r, const wstring& e, const wstring& P)
{
    if (!r.empty())
        r += P;
    r += e;
}

int ModelIndex(const wstring& S, const wstring& item, const wstring& P)
{
    std::vector<wstring> v = ModelElements(S, P);
    auto it = std::find(v.begin(), v.end(), item);
    return it == v.end() ? -1 : static_cast<int>(it - v.begin());
}

wstring ModelDel(wstring S, const wstring& item, const wstring& P)
{
    if (item.empty())
        return S;
    wstring joined, e;
    while (ModelTake(S, e, P))
    {
        if (e == item)
            return joined.empty() ? S : joined + P + S;
        ModelAppendJoined(joined, e, P);
    }
    return joined;
}

// In range: re-join before the element, then value and the rest. Beyond: the elements joined as
// they stand, padded with empty elements up to the index, then the value.
wstring ModelSet(wstring S, int index, const wstring& value, const wstring& P)
{
    if (index < 0)
        return S;
    std::vector<wstring> all = ModelElements(S, P);
    if (index < static_cast<int>(all.size()))
    {
        wstring joined, e;
        for (int i = 0; i < index; ++i)
        {
            ModelTake(S, e, P);
            ModelAppendJoined(joined, e, P);
        }
        ModelTake(S, e, P);
        return joined.empty() ? value + P + S : joined + P + value + P + S;
    }
    wstring r;
    for (size_t i = 0; i < all.size(); ++i)
        r += (i ? P : wstring()) + all[i];
    if (!all.empty())
        r += P;
    for (int i = static_cast<int>(all.size()); i < index; ++i)
        r += P;
    return r + value;
}

// ---- random lists

struct ListCase
{
    wstring S, P;
};

wstring RandomText(std::mt19937& rng, const wstring& alphabet, int maxLen)
{
    std::uniform_int_distribution<int> len(0, maxLen);
    std::uniform_int_distribution<size_t> ch(0, alphabet.size() - 1);
    wstring s;
    for (int n = len(rng); n > 0; --n)
        s += alphabet[ch(rng)];
    return s;
}

// Either random characters over an alphabet that contains the separator's characters, or random
// elements (some empty) joined by the separator with optional leading and trailing separators.
ListCase RandomList(std::mt19937& rng)
{
    const wchar_t* const separators[] = {L",", L"::", L",,", L"ab", L"a", L":,", L"aa"};
    ListCase c;
    c.P = separators[std::uniform_int_distribution<int>(0, 6)(rng)];
    if (rng() % 2)
    {
        c.S = RandomText(rng, L"ab,: ", 24);
    }
    else
    {
        int n = std::uniform_int_distribution<int>(0, 6)(rng);
        if (rng() % 3 == 0)
            c.S += c.P;
        for (int i = 0; i < n; ++i)
        {
            if (i)
                c.S += c.P;
            if (rng() % 4)
                c.S += RandomText(rng, L"abxy ", 4);
        }
        if (rng() % 3 == 0)
            c.S += c.P;
    }
    return c;
}

// An element of S half of the time, else random text (possibly empty).
wstring PickItem(std::mt19937& rng, const ListCase& c)
{
    std::vector<wstring> v = ModelElements(c.S, c.P);
    if (!v.empty() && rng() % 2)
        return v[rng() % v.size()];
    return RandomText(rng, L"abxy", 2);
}

} // namespace

// Every list operation agrees with the model on random lists; the walk, search and re-joining
// rules are all exercised with empty elements, edge separators and overlapping separators.
TEST(ElementListModel, RandomListsAgreeWithTheModel)
{
    for (unsigned seed = 1; seed <= 3000; ++seed)
    {
        std::mt19937 rng(seed);
        ListCase c = RandomList(rng);
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        const CString S = CS(c.S), P = CS(c.P);
        std::vector<wstring> elems = ModelElements(c.S, c.P);
        int count = static_cast<int>(elems.size());

        ASSERT_EQ(count, CQStringMgr::GetElementCount(S, P));

        // Taking elements one by one.
        CString rest = S, item = L"unchanged";
        for (int i = 0; i < count; ++i)
        {
            ASSERT_TRUE(CQStringMgr::GetElementItem(rest, item, P));
            ASSERT_EQ(elems[i], WS(item));
        }
        ASSERT_TRUE(rest.IsEmpty());
        ASSERT_FALSE(CQStringMgr::GetElementItem(rest, item, P));
        ASSERT_EQ(count ? elems.back() : wstring(L"unchanged"), WS(item));

        // Access by index, including both ends and beyond.
        for (int i = -1; i <= count; ++i)
        {
            CString got = L"x";
            BOOL ok = CQStringMgr::GetElementItemByIndex(S, i, got, P);
            ASSERT_EQ(i >= 0 && i < count, ok != FALSE);
            ASSERT_EQ(ok ? elems[i] : wstring(), WS(got));
        }

        wstring probe = PickItem(rng, c);
        ASSERT_EQ(ModelIndex(c.S, probe, c.P), CQStringMgr::GetElementIndex(S, CS(probe), P));
        ASSERT_EQ(ModelIndex(c.S, probe, c.P) >= 0, CQStringMgr::ExistElementItem(S, CS(probe), P) != FALSE);

        CStringArray arr;
        arr.Add(L"stale");
        CQStringMgr::StringToArray(S, arr, P);
        ASSERT_EQ(count, arr.GetSize());
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(elems[i], WS(arr[i]));

        wstring rejoined;
        for (const wstring& e : elems)
            ModelAppendJoined(rejoined, e, c.P);
        CString joined = L"stale";
        CQStringMgr::ArrayToString(arr, joined, P);
        ASSERT_EQ(rejoined, WS(joined));

        CString del = S;
        CQStringMgr::DelElementItem(del, CS(probe), P);
        ASSERT_EQ(ModelDel(c.S, probe, c.P), WS(del)) << "item " << testing::PrintToString(probe);

        int index = std::uniform_int_distribution<int>(-1, count + 2)(rng);
        wstring value = RandomText(rng, L"xyz", 3);
        CString set = S;
        CQStringMgr::SetElement(set, index, CS(value), P);
        wstring expected = ModelSet(c.S, index, value, c.P);
        ASSERT_EQ(expected, WS(set)) << "index " << index;
        // Placed beyond the end, the value becomes element number index (when the separator is one
        // character, nothing can run into it).
        if (index >= count && !value.empty() && c.P.size() == 1)
        {
            CString back;
            ASSERT_TRUE(CQStringMgr::GetElementItemByIndex(set, index, back, P));
            ASSERT_EQ(value, WS(back));
        }

        CString added = S;
        CQStringMgr::AddElementItem(added, CS(value), P);
        ASSERT_EQ(c.S.empty() ? value : c.S + c.P + value, WS(added));
    }
}

// Fixed cases that spell out the walk: empty elements at the edges, overlapping separators
// matched from the left, exact case-sensitive search, an empty separator that never matches
// (every call ends and the string is one element), and a NUL that ends every search.
TEST(ElementList, FixedCasesOfTheWalk)
{
    const struct
    {
        const wchar_t *S, *P;
        int count;
    } counts[] = {{L"a,,b", L",", 3}, {L",a", L",", 2}, {L"a,", L",", 1},
                  {L",", L",", 1},    {L"a,b", L"", 1}, {L"", L"", 0}};
    for (const auto& c : counts)
        EXPECT_EQ(c.count, CQStringMgr::GetElementCount(c.S, c.P)) << c.S << " by " << c.P;
    EXPECT_EQ(-1, CQStringMgr::GetElementIndex(L"A,b", L"a", L","));
    EXPECT_EQ(-1, CQStringMgr::GetElementIndex(L"ab,b", L"a", L","));
    EXPECT_EQ(0, CQStringMgr::GetElementIndex(L"a,b", L"a,b", L""));

    CString s = L"a,b", item;
    EXPECT_TRUE(CQStringMgr::GetElementItem(s, item, L""));
    EXPECT_STREQ(L"a,b", item);
    EXPECT_TRUE(s.IsEmpty());
    s = L"a";
    CQStringMgr::AddElementItem(s, L"b", L"");
    EXPECT_STREQ(L"ab", s);
    CQStringMgr::SetElement(s, 0, L"x", L"");
    CQStringMgr::SetElement(s, 3, L"y", L"");
    EXPECT_STREQ(L"xy", s);
    CQStringMgr::DelElementItem(s = L"ab", L"ab", L"");
    EXPECT_TRUE(s.IsEmpty());

    CString nul(L"a,b\0c,d", 7);
    EXPECT_EQ(2, CQStringMgr::GetElementCount(nul, L","));
    EXPECT_TRUE(CQStringMgr::GetElementItemByIndex(nul, 1, item, L","));
    EXPECT_EQ(5, item.GetLength());
    EXPECT_EQ(1, CQStringMgr::GetElementIndex(nul, L"b", L",")); // compared up to the NUL
}

// A few results spelled out, so that the model itself is checked against the definition.
TEST(ElementList, AddDeleteSetAndJoinSpelledOut)
{
    CString s, p;
    CQStringMgr::AddElementItem(s, L"a", L",");
    CQStringMgr::AddElementItem(s, L"k", L"v", L"::");
    CQStringMgr::AddElementItem(p, L"k", L"v", L",");
    EXPECT_STREQ(L"a::k::v", s);
    EXPECT_STREQ(L"k,v", p);
    const struct
    {
        const wchar_t *S, *item;
        int index;
        const wchar_t *del, *set;
    } cases[] = {{L"a,b,c", L"c", 1, L"a,b,", L"a,x,c"}, {L",,a,b", L"a", 0, L"b", L"x,,a,b"},
                 {L"a,b", L"", 1, L"a,b", L"a,x,"},      {L",a", L"x", 1, L"a", L"x,"},
                 {L"a,b", L"b", 4, L"a,", L"a,b,,,x"},   {L"", L"", 2, L"", L",,x"}};
    for (const auto& c : cases)
    {
        CString d = c.S, t = c.S;
        CQStringMgr::DelElementItem(d, c.item, L",");
        CQStringMgr::SetElement(t, c.index, L"x", L",");
        EXPECT_STREQ(c.del, d) << c.S << " without " << c.item;
        EXPECT_STREQ(c.set, t) << c.S << " at " << c.index;
    }
    CStringArray arr;
    arr.Add(L"");
    arr.Add(L"b");
    CQStringMgr::ArrayToString(arr, s, L",");
    EXPECT_STREQ(L"b", s); // a leading empty element leaves no separator
}

// ---- pair lists

namespace
{
wstring TrimWs(const wstring& s)
{
    size_t b = s.find_first_not_of(L" \t"), e = s.find_last_not_of(L" \t");
    return b == wstring::npos ? wstring() : s.substr(b, e - b + 1);
}
} // namespace

// Random well-formed pair lists: pairs come back trimmed and in order; ExistElementItem finds each
// pair and honours empty wildcards.
TEST(PairListModel, RandomPairsComeBackTrimmed)
{
    for (unsigned seed = 1; seed <= 500; ++seed)
    {
        std::mt19937 rng(seed);
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        wstring P = (rng() % 2) ? L"," : L"||";
        int n = std::uniform_int_distribution<int>(0, 5)(rng);
        std::vector<std::pair<wstring, wstring>> pairs;
        wstring S;
        for (int i = 0; i < n; ++i)
        {
            wstring k = RandomText(rng, L"kK \t", 4), v = RandomText(rng, L"vV \t", 4);
            pairs.emplace_back(TrimWs(k), TrimWs(v));
            S += (i ? P : wstring()) + k + P + v;
        }
        bool trailing = n > 0 && rng() % 3 == 0;
        if (trailing)
            S += P;
        // A leading empty key (S starting with P) is still a pair.
        CString rest = CS(S), key, value;
        for (int i = 0; i < n; ++i)
        {
            ASSERT_TRUE(CQStringMgr::GetElementItem(rest, key, value, CS(P)));
            ASSERT_EQ(pairs[i].first, WS(key));
            ASSERT_EQ(pairs[i].second, WS(value));
        }
        ASSERT_TRUE(rest.IsEmpty());
        ASSERT_FALSE(CQStringMgr::GetElementItem(rest, key, value, CS(P)));
        for (const auto& kv : pairs)
        {
            ASSERT_TRUE(CQStringMgr::ExistElementItem(CS(S), CS(kv.first), CS(kv.second), CS(P)));
            ASSERT_TRUE(CQStringMgr::ExistElementItem(CS(S), CS(kv.first), L"", CS(P)));
            ASSERT_TRUE(CQStringMgr::ExistElementItem(CS(S), L"", CS(kv.second), CS(P)));
        }
        ASSERT_EQ(n > 0, CQStringMgr::ExistElementItem(CS(S), L"", L"", CS(P)) != FALSE);
        ASSERT_FALSE(CQStringMgr::ExistElementItem(CS(S), L"none", L"", CS(P)));
    }
}

// The format message: exact text and caption; the list is left as it was. Each box costs real
// time, so only the three ways of meeting a key without a separator are shown.
TEST(PairList, FormatErrorShowsTheMessage)
{
    qtest::CMessageBoxWatcher watch;
    CString t = L" k1 , v1 ,k2,", key, value; // a key with its separator but no value is a pair
    ASSERT_TRUE(CQStringMgr::GetElementItem(t, key, value, L","));
    EXPECT_STREQ(L"v1", value);
    ASSERT_TRUE(CQStringMgr::GetElementItem(t, key, value, L","));
    EXPECT_STREQ(L"k2", key);
    EXPECT_STREQ(L"", value);

    CString s = L"key1,value1,key2", k = L"k", v = L"v";
    ASSERT_TRUE(CQStringMgr::GetElementItem(s, k, v, L","));
    EXPECT_STREQ(L"key1", k);
    EXPECT_STREQ(L"value1", v);
    EXPECT_EQ(0, watch.Count());
    EXPECT_FALSE(CQStringMgr::GetElementItem(s, k, v, L","));
    EXPECT_STREQ(L"key2", s);
    EXPECT_STREQ(L"key1", k);

    EXPECT_FALSE(CQStringMgr::ExistElementItem(L"a,1, b ,2,c", L"zz", L"", L","));
    EXPECT_TRUE(CQStringMgr::ExistElementItem(L"a,1, b ,2,c", L"b", L"2", L",")); // found first

    CString e = L"ab";
    EXPECT_FALSE(CQStringMgr::GetElementItem(e, k, v, L"")); // an empty separator never matches
    CString empty;
    EXPECT_FALSE(CQStringMgr::GetElementItem(empty, k, v, L",")); // empty list: no message

    ASSERT_EQ(3, watch.Count());
    EXPECT_STREQ(L"字符串格式出错! key2", watch.Texts()[0]);
    EXPECT_STREQ(L"字符串格式出错! c", watch.Texts()[1]);
    EXPECT_STREQ(L"字符串格式出错! ab", watch.Texts()[2]);
    for (const CString& caption : watch.Captions())
        EXPECT_STREQ(L"提示", caption);
}
