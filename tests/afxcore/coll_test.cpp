// Arrays, lists and maps checked against standard containers with seeded random operations,
// plus the growth, hash-table and block-size guarantees the grid depends on.
#include "afxcore_test.h"
#include <afxtempl.h>
#include <algorithm>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace
{

// Random edits on ARRAY mirrored on a vector; value(rng) makes an element, T() is the value
// of new slots. Covers runs inserted past the end, SetSize both ways, SetAtGrow and adding an
// element of the array itself (its buffer may move while the argument is read).
template <class ARRAY, class T, class MAKE> void RunArrayModel(unsigned seed, int nSteps, MAKE value)
{
    std::mt19937 rng(seed);
    ARRAY a;
    std::vector<T> model;
    auto expectSame = [&]
    {
        ASSERT_EQ((INT_PTR)model.size(), a.GetSize());
        for (size_t i = 0; i < model.size(); i++)
            ASSERT_TRUE(model[i] == a.GetAt((INT_PTR)i)) << "index " << i;
    };
    for (int step = 0; step < nSteps; step++)
    {
        T v = value(rng);
        INT_PTR n = (INT_PTR)model.size(), at = n > 0 ? rng() % n : 0, pos = rng() % (n + 5),
                count = rng() % 4;
        switch (rng() % 8)
        {
        case 0: a.Add(v), model.push_back(v); break;
        case 1: // a run inside the array or past its end
            a.InsertAt(pos, v, count + 1);
            model.resize(std::max((size_t)pos, model.size()), T());
            model.insert(model.begin() + pos, (size_t)count + 1, v);
            break;
        case 2:
            count = n > 0 ? rng() % (n - at + 1) : 0;
            if (n > 0)
                a.RemoveAt(at, count), model.erase(model.begin() + at, model.begin() + at + count);
            break;
        case 3: a.SetSize(pos + count), model.resize((size_t)(pos + count), T()); break;
        case 4:
            if (n > 0)
                a[at] = v, model[at] = v;
            break;
        case 5:
            a.SetAtGrow(pos, v);
            model.resize(std::max((size_t)pos + 1, model.size()), T());
            model[pos] = v;
            break;
        case 6:
            if (n > 0)
                a.Add(a[at]), model.push_back(model[at]);
            break;
        case 7:
            if (rng() % 50 == 0)
                a.RemoveAll(), model.clear();
            else
                a.FreeExtra();
            break;
        }
        if (step % 97 == 0)
            expectSame();
    }
    expectSame();
    ARRAY b;
    b.Copy(a);
    b.Append(a);
    ASSERT_EQ(2 * a.GetSize(), b.GetSize());
    for (INT_PTR i = 0; i < b.GetSize(); i++)
        ASSERT_TRUE(b[i] == a[i % a.GetSize()]);
}

} // namespace

TEST(CollArrays, PointerAndStringArraysAgainstVectorModel)
{
    RunArrayModel<CPtrArray, void*>(12345, 20000, [](std::mt19937& r) { return (void*)(UINT_PTR)(r() | 1); });
    RunArrayModel<CStringArray, CString>(
        777, 5000, [](std::mt19937& r) { return CString(std::to_wstring(r() % 100000).c_str()); });
}

TEST(CollArrays, GrowthIsAmortisedAndBadIndexesThrow)
{
    CObArray rows;
    int reallocations = 0;
    const void* last = nullptr;
    for (INT_PTR i = 0; i < 1000000; i++)
    {
        rows.SetSize(i + 1);
        if (rows.GetData() != last)
            reallocations++, last = rows.GetData();
    }
    EXPECT_LT(reallocations, 60); // geometric growth: a few dozen moves for a million rows
    EXPECT_EQ(nullptr, rows[999999]);
    CArray<std::string> s;
    s.Add(std::string(40, 'x')); // not memmove-safe; the argument is an element of the array itself
    for (int i = 0; i < 50; i++)
        s.InsertAt(0, s[s.GetSize() - 1]);
    for (int i = 0; i < 51; i++)
        ASSERT_EQ(std::string(40, 'x'), s[i]);

    CDWordArray a;
    a.Add(1);
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { a.GetAt(1); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { a[-1] = 3; }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { a.RemoveAt(0, 2); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { a.InsertAt(-1, 5); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { a.SetSize(-1); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([] { CList<int, int>().GetHead(); }));
    EXPECT_EQ(1, a.GetSize());
}

TEST(CollLists, ListAgainstVectorModel)
{
    std::mt19937 rng(99);
    CList<int, int> list(4);
    std::vector<int> model;
    for (int step = 0; step < 5000; step++)
    {
        int v = (int)(rng() % 1000);
        switch (rng() % 6)
        {
        case 0:
            list.AddTail(v);
            model.push_back(v);
            break;
        case 1:
            list.AddHead(v);
            model.insert(model.begin(), v);
            break;
        case 2:
            if (!model.empty())
            {
                EXPECT_EQ(model.front(), list.RemoveHead());
                model.erase(model.begin());
            }
            break;
        case 3:
            if (!model.empty())
            {
                EXPECT_EQ(model.back(), list.RemoveTail());
                model.pop_back();
            }
            break;
        case 4:
            if (!model.empty())
            {
                size_t at = rng() % model.size();
                POSITION pos = list.FindIndex((INT_PTR)at);
                if (rng() % 2)
                {
                    list.InsertBefore(pos, v);
                    model.insert(model.begin() + at, v);
                }
                else
                {
                    list.InsertAfter(pos, v);
                    model.insert(model.begin() + at + 1, v);
                }
            }
            break;
        case 5:
        {
            POSITION pos = list.Find(v);
            auto it = std::find(model.begin(), model.end(), v);
            ASSERT_EQ(it == model.end(), pos == NULL);
            if (pos != NULL)
            {
                list.RemoveAt(pos);
                model.erase(it);
            }
            break;
        }
        }
    }
    ASSERT_EQ((INT_PTR)model.size(), list.GetCount());
    POSITION pos = list.GetHeadPosition();
    for (int v : model)
        ASSERT_EQ(v, list.GetNext(pos));
    EXPECT_EQ(NULL, pos);
    EXPECT_EQ(NULL, list.FindIndex(list.GetCount()));
}

TEST(CollMaps, ManyKeysAgainstUnorderedMapAndRemovalWhileIterating)
{
    std::mt19937 rng(4242);
    CMap<int, int, int, int> map;
    map.InitHashTable(65521);
    std::unordered_map<int, int> model;
    for (int i = 0; i < 100000; i++)
    {
        int k = (int)(rng() % 150000) - 20000, v = (int)rng();
        map[k] = model[k] = v;
    }
    for (int i = 0; i < 30000; i++)
    {
        int k = (int)(rng() % 150000) - 20000;
        EXPECT_EQ(model.erase(k) == 1, map.RemoveKey(k) != FALSE);
    }
    ASSERT_EQ((INT_PTR)model.size(), map.GetCount());
    for (auto& kv : model)
    {
        int v = 0;
        ASSERT_TRUE(map.Lookup(kv.first, v));
        ASSERT_EQ(kv.second, v);
    }
    // Iteration visits every association once, also while each visited entry leaves the map (the
    // grid clears its selection this way).
    std::unordered_map<int, int> seen;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        int k, v;
        map.GetNextAssoc(pos, k, v);
        ASSERT_TRUE(seen.emplace(k, v).second);
        ASSERT_TRUE(map.RemoveKey(k));
    }
    EXPECT_EQ(model, seen);
    EXPECT_TRUE(map.IsEmpty());
    map[7] = 7; // usable again after its blocks were freed
    EXPECT_EQ(1, map.GetCount());
}

TEST(CollMaps, HashTableSizeAndBlockSizeAreHonoured)
{
    CMap<unsigned long, unsigned long, int, int> small; // defaults: 17 buckets, blocks of 10
    EXPECT_EQ(17u, small.GetHashTableSize());
    small[1] = 1;
    small.InitHashTable(101); // redistributes existing associations
    EXPECT_EQ(1, small[1]);
    // Associations come from blocks: the first nBlockSize live in one contiguous block.
    const INT_PTR nBlock = 25;
    CMap<int, int, double, double> blocks(nBlock);
    std::vector<const char*> addrs;
    for (int i = 0; i < nBlock + 1; i++)
    {
        blocks[i] = i;
        addrs.push_back((const char*)blocks.PLookup(i));
    }
    const char* lo = *std::min_element(addrs.begin(), addrs.begin() + nBlock);
    const char* hi = *std::max_element(addrs.begin(), addrs.begin() + nBlock);
    size_t stride = (size_t)(hi - lo) / (nBlock - 1);
    EXPECT_EQ((size_t)(hi - lo), stride * (nBlock - 1));
    EXPECT_GE(stride, sizeof(int) + sizeof(double));
    EXPECT_TRUE(addrs[nBlock] < lo || addrs[nBlock] > hi); // the 26th opened a new block
}

TEST(CollMaps, StringKeysAreCaseSensitive)
{
    CMapStringToString m;
    CString v;
    m[L"alpha"] = L"1";
    m.SetAt(L"alpha", L"3");
    EXPECT_TRUE(m.Lookup(L"alpha", v) && v == L"3");
    EXPECT_FALSE(m.Lookup(L"ALPHA", v));
    m[L""] = L"empty key";
    EXPECT_TRUE(m.Lookup(L"", v));
    CMap<CString, const CString&, int, int> byString;
    for (int i = 0; i < 1000; i++)
        byString[CString(L'k', i % 50 + 1) + CString(L'x', i / 50)] = i;
    EXPECT_EQ(1000, byString.GetCount());
    EXPECT_EQ(999, byString[CString(L'k', 50) + CString(L'x', 19)]);
}
