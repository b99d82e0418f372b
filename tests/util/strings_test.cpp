// String edits and decimal numbers of CQStringMgr.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "util/QStringMgr.h"

using std::wstring;

// Insert, Remove and CutEndChar change nothing outside the string; removals take the first match.
TEST(StringEdit, EditsInsideTheStringOnly)
{
    CString s = L"abc", sub = L"XY", bc = L"bc", none;
    for (int pos : {0, 5, 8, -1})
        CQStringMgr::Insert(s, sub, pos);
    EXPECT_STREQ(L"XYabcXY", s);
    s = L"abcdef";
    const int ranges[][2] = {{2, 4}, {2, -1}, {3, 1}, {-1, 3}, {9, 12}};
    for (auto& r : ranges)
        CQStringMgr::Remove(s, r[0], r[1]);
    EXPECT_STREQ(L"abef", s);
    s = L"abcabc";
    CQStringMgr::Remove(s, bc);
    for (wchar_t ch : {L'a', L'z', L'\0'})
        CQStringMgr::Remove(s, ch);
    CQStringMgr::Remove(s, none);
    EXPECT_STREQ(L"abc", s);
    for (int n : {1, 0, -3})
        CQStringMgr::CutEndChar(s, n);
    EXPECT_STREQ(L"ab", s);
    CQStringMgr::CutEndChar(s, 2);
    EXPECT_STREQ(L"", s);
}

// RemoveAll removes the first occurrence while there is one (removals make new ones).
TEST(StringEdit, RemoveAllRepeatsUntilNoneIsLeft)
{
    const wchar_t* subs[] = {L"ab", L"aba", L"a", L"abab", L"ba"};
    for (unsigned seed = 1; seed <= 2000; ++seed)
    {
        std::mt19937 rng(seed);
        wstring str, sub = subs[rng() % 5];
        for (int n = rng() % 20; n > 0; --n)
            str += L"abc"[rng() % 3];
        CString t(str.c_str());
        CQStringMgr::RemoveAll(t, CString(sub.c_str()));
        for (size_t i; (i = str.find(sub)) != wstring::npos;)
            str.erase(i, sub.size());
        ASSERT_STREQ(str.c_str(), t) << "seed " << seed;
    }
    CString s = L"abc", n(L"a\0b\0c", 5);
    CQStringMgr::RemoveAll(s, CString());
    EXPECT_STREQ(L"abc", s);
    CQStringMgr::RemoveAll(n, L'\0');
    EXPECT_EQ(wstring(L"abc"), wstring(n.GetString(), n.GetLength()));
    EXPECT_STREQ(L"ababab", CQStringMgr::Repeat(CString(L"ab"), 3));
    // longer than a string can hold: an allocation failure, not a crash
    EXPECT_THROW(CQStringMgr::Repeat(CString(L"abcd"), 0x40000000), CMemoryException*);
}

TEST(Numbers, SyntaxOptimizeAndPrecision)
{
    for (const wchar_t* yes : {L"-5", L"0", L"2147483647", L"-2147483648"})
        EXPECT_TRUE(CQStringMgr::IsInteger(yes)) << yes;
    for (const wchar_t* no : {L"012", L"+1", L" 5", L"1.0", L"", L"-0"})
        EXPECT_FALSE(CQStringMgr::IsInteger(no)) << no;
    for (const wchar_t* yes : {L"-12.5", L".5", L"-", L"00.5"})
        EXPECT_TRUE(CQStringMgr::IsNumberVal(yes)) << yes;
    for (const wchar_t* no : {L"012", L"5.", L"1-2", L"1.2.3", L"", L"1e5", L"00"})
        EXPECT_FALSE(CQStringMgr::IsNumberVal(no)) << no;
    CString opt = L"-3.10", whole = L"2.000";
    CQStringMgr::OptimizeByNum(opt);
    CQStringMgr::OptimizeByNum(whole);
    EXPECT_TRUE(opt == L"-3.1" && whole == L"2");
    EXPECT_STREQ(L"3.14", CQStringMgr::PrecisionByNum(3.14159, 2, 0));
    EXPECT_STREQ(L"1.2e+006", CQStringMgr::PrecisionByNum(1234567.0, 2, 1));
    EXPECT_STREQ(L"-12", CQStringMgr::PrecisionByNum(CString(L" -12.0004xyz"), 2, 1));
    EXPECT_EQ(1 + 1 + 1100, CQStringMgr::PrecisionByNum(0.5, 0x7FFFFFFF, 0).GetLength());
}
