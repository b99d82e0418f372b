// String edits and decimal numbers of CQStringMgr.
#include <gtest/gtest.h>

#include <random>
#include <string>

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

// RemoveAll as defined: remove the first occurrence while there is one.
wstring ModelRemoveAll(wstring s, const wstring& sub)
{
    for (size_t i; (i = s.find(sub)) != wstring::npos;)
        s.erase(i, sub.size());
    return s;
}
} // namespace

TEST(StringEdit, InsertRemoveAndCutOutsideTheStringChangeNothing)
{
    CString s = L"abc", sub = L"XY";
    CQStringMgr::Insert(s, sub, 0);
    CQStringMgr::Insert(s, sub, 5);
    CQStringMgr::Insert(s, sub, 8);
    CQStringMgr::Insert(s, sub, -1);
    EXPECT_STREQ(L"XYabcXY", s);
    s = L"abcdef";
    CQStringMgr::Remove(s, 2, 4);
    const int outside[][2] = {{2, -1}, {3, 1}, {-1, 3}, {9, 12}};
    for (auto& r : outside)
        CQStringMgr::Remove(s, r[0], r[1]);
    EXPECT_STREQ(L"abef", s);
    CQStringMgr::Remove(s, 1, 100);
    EXPECT_STREQ(L"a", s);

    s = L"abcabc";
    CString bc = L"bc", none;
    CQStringMgr::Remove(s, bc); // the first occurrence only
    CQStringMgr::Remove(s, L'a');
    CQStringMgr::Remove(s, L'z');
    CQStringMgr::Remove(s, none);
    CQStringMgr::Remove(s, L'\0');
    EXPECT_STREQ(L"abc", s);

    s = L"abcdef";
    for (int n : {2, 0, -3})
        CQStringMgr::CutEndChar(s, n);
    EXPECT_STREQ(L"abcd", s);
    CQStringMgr::CutEndChar(s, 7);
    EXPECT_STREQ(L"", s);
}

// RemoveAll against the definition, on random strings where removals make new occurrences.
TEST(StringEdit, RemoveAllRepeatsUntilNoneIsLeft)
{
    const wchar_t* subs[] = {L"ab", L"aba", L"a", L"abab", L"ba"};
    for (unsigned seed = 1; seed <= 2000; ++seed)
    {
        std::mt19937 rng(seed);
        wstring str;
        for (int n = rng() % 20; n > 0; --n)
            str += L"abc"[rng() % 3];
        wstring sub = subs[rng() % 5];
        CString t = CS(str);
        CQStringMgr::RemoveAll(t, CS(sub));
        ASSERT_EQ(ModelRemoveAll(str, sub), WS(t)) << "seed " << seed << " " << testing::PrintToString(str);
        wchar_t ch = L"abc"[rng() % 3];
        CString u = CS(str);
        CQStringMgr::RemoveAll(u, ch);
        ASSERT_EQ(ModelRemoveAll(str, wstring(1, ch)), WS(u));
    }
}

// The cases that would never end: an empty string to remove does nothing; NUL removes only NULs
// inside the string; a NUL ends the search for anything else.
TEST(StringEdit, RemoveAllEnds)
{
    CString s = L"abc";
    CQStringMgr::RemoveAll(s, CString());
    CQStringMgr::RemoveAll(s, L'\0');
    EXPECT_STREQ(L"abc", s);
    CString n(L"a\0b\0c", 5), m = n;
    CQStringMgr::RemoveAll(n, L'\0');
    EXPECT_EQ(wstring(L"abc"), WS(n));
    CQStringMgr::Remove(m, L'\0');
    EXPECT_EQ(4, m.GetLength());
    CString k(L"xx\0xx", 5);
    CQStringMgr::RemoveAll(k, L"x");
    EXPECT_EQ(wstring(L"\0xx", 3), WS(k));
}

TEST(StringEdit, Repeat)
{
    EXPECT_STREQ(L"ababab", CQStringMgr::Repeat(CString(L"ab"), 3));
    EXPECT_STREQ(L"", CQStringMgr::Repeat(CString(L"ab"), -2));
    EXPECT_STREQ(L"---", CQStringMgr::Repeat(L'-', 3));
    EXPECT_STREQ(L"", CQStringMgr::Repeat(L'-', 0));
    EXPECT_STREQ(L"", CQStringMgr::Repeat(CString(), 1000000000));
    // A result longer than a string can hold is an allocation failure, not a crash.
    bool thrown = false;
    try
    {
        CQStringMgr::Repeat(CString(L"abcd"), 0x40000000);
    }
    catch (CMemoryException* e)
    {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

TEST(Numbers, IntegerAndNumberSyntax)
{
    for (const wchar_t* yes : {L"12", L"-5", L"0", L"2147483647", L"-2147483648"})
        EXPECT_TRUE(CQStringMgr::IsInteger(yes)) << yes;
    for (const wchar_t* no : {L"012", L"+1", L" 5", L"1.0", L"", L"-0", L"5 ", L"1e3", L"abc"})
        EXPECT_FALSE(CQStringMgr::IsInteger(no)) << no;
    for (const wchar_t* yes : {L"-12.5", L".5", L"0.5", L"-", L"0", L"10", L"00.5", L"-.5", L"-0"})
        EXPECT_TRUE(CQStringMgr::IsNumberVal(yes)) << yes;
    for (const wchar_t* no :
         {L"012", L"5.", L"1-2", L"1.2.3", L"", L".", L"0.", L"1e5", L" 1", L"+1", L"--1", L"00"})
        EXPECT_FALSE(CQStringMgr::IsNumberVal(no)) << no;
    EXPECT_FALSE(CQStringMgr::IsNumberVal(CString(L"1\0002", 3)));
}

TEST(Numbers, OptimizeAndPrecision)
{
    const struct
    {
        const wchar_t *in, *out;
    } cases[] = {{L"1.500", L"1.5"},  {L"2.000", L"2"}, {L"10.0", L"10"},
                 {L"100", L"100"},    {L".50", L".50"}, {L"0.0", L"0"},
                 {L"-3.10", L"-3.1"}, {L"7.", L"7"},    {L"", L""}};
    for (const auto& c : cases)
    {
        CString s = c.in;
        CQStringMgr::OptimizeByNum(s);
        EXPECT_STREQ(c.out, s) << c.in;
    }
    const struct
    {
        CString got;
        const wchar_t* expected;
    } precisions[] = {{CQStringMgr::PrecisionByNum(3.14159, 2, 0), L"3.14"},
                      {CQStringMgr::PrecisionByNum(3.14159, 2, 1), L"3.1"},
                      {CQStringMgr::PrecisionByNum(1234567.0, 2, 1), L"1.2e+006"},
                      {CQStringMgr::PrecisionByNum(3.14159, 0, 0), L"3"},
                      {CQStringMgr::PrecisionByNum(CString(L"2.50"), 3, 1), L"2.5"},
                      {CQStringMgr::PrecisionByNum(CString(L"2.50"), 3, 0), L"2.500"},
                      {CQStringMgr::PrecisionByNum(CString(L"abc"), 2, 0), L"0.00"},
                      {CQStringMgr::PrecisionByNum(CString(L" -12.0004xyz"), 2, 1), L"-12"},
                      {CQStringMgr::PrecisionByNum(3.14159, -1, 0), L"3.141590"}}; // default precision
    for (const auto& p : precisions)
        EXPECT_STREQ(p.expected, p.got);
    CString wide = CQStringMgr::PrecisionByNum(1e300, 400, 0);
    EXPECT_EQ(L'1', wide[0]);
    EXPECT_EQ(301 + 1 + 400, wide.GetLength());
    EXPECT_EQ(1 + 1 + 1100, CQStringMgr::PrecisionByNum(0.5, 0x7FFFFFFF, 0).GetLength());
}
