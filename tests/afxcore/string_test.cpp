// CString where the library relies on it: formatting, clamping of positions and counts,
// comparisons, editing, embedded NULs, buffer access, tokenizing and field extraction.
#include "afxcore_test.h"
#include "resources.h"

#include <afxwin.h>

#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

namespace
{

struct StrCase
{
    CString got;
    LPCWSTR expected;
};
struct IntCase
{
    int got, expected;
};

// The cases are evaluated left to right, so a list may go on editing one string.
void ExpectStrings(std::initializer_list<StrCase> cases)
{
    int i = 0;
    for (const StrCase& c : cases)
        EXPECT_STREQ(c.expected, c.got) << "case " << i++;
}
void ExpectInts(std::initializer_list<IntCase> cases)
{
    int i = 0;
    for (const IntCase& c : cases)
        EXPECT_EQ(c.expected, c.got) << "case " << i++;
}

} // namespace

TEST(CStringBasics, EmptyValuesCopiesConstructionAndBadIndexes)
{
    static_assert(sizeof(CString) == sizeof(void*), "CString must stay one pointer");
    CString a, c(L""), d((LPCWSTR)NULL);
    EXPECT_TRUE((LPCWSTR)a == (LPCWSTR)c && (LPCWSTR)a == (LPCWSTR)d); // the shared empty buffer
    CString h(L"hello"), j = h;                                        // copies are independent values
    j.SetAt(0, L'J');
    EXPECT_STREQ(L"hello", h);
    h = h; // self-assignment, appending itself and a piece of itself
    h += h;
    h.Append(h.GetString() + 5, 3);
    EXPECT_STREQ(L"hellohellohel", h);
    ExpectStrings({{CString("abc"), L"abc"},
                   {CString(L'x', 4), L"xxxx"},
                   {CString(L'x', -3), L""},
                   {CString(L"abcdef", 2), L"ab"},
                   {CString(L"abcdef", -1), L""},
                   {L"a" + CString(L"b"), L"ab"},
                   {L'a' + CString(L"b"), L"ab"},
                   {CString(L"a") + CString(), L"a"}});
    EXPECT_EQ(3, CString("a\0b", 3).GetLength());
    EXPECT_EQ(L'\0', h[13]); // the terminator may be read through operator[]
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { h.GetAt(13); }));
    EXPECT_TRUE(Throws<CException>([&] { h.SetAt(-1, L'x'); }, [](CException* e)
                                   { return e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)); }));
}

TEST(CStringFormat, RuntimeWidePrintfSemanticsAndSelfReference)
{
    CString s;
    s.Format(L"%s|%d|%5.2f|%-10s|%I64d|%G|%G|%%", L"wide", -42, 3.14159, L"left", (__int64)1 << 40, 0.25,
             100000.0);
    EXPECT_STREQ(L"wide|-42| 3.14|left      |1099511627776|0.25|100000|%", s);
    s.Format(L"%hs and %c%c", "narrow", L'o', L'k');
    EXPECT_STREQ(L"narrow and ok", s);
    s.Format(L"%08.3f|%x|%X|%u|%5d|%-5d|", 2.5, 255, 255, 7u, 42, 42);
    EXPECT_STREQ(L"0002.500|ff|FF|7|   42|42   |", s);
    s.Format(L"%s", L"");
    EXPECT_TRUE(s.IsEmpty());
    CString name(L"cell"), empty;
    s.Format(L"%s[%d]=%s.", name, 3, empty); // CString arguments go in as they are
    EXPECT_STREQ(L"cell[3]=.", s);
    s.Format(L"%s+%s", s, name); // the argument is the string being formatted
    s.AppendFormat(L"%s", name);
    EXPECT_STREQ(L"cell[3]=.+cellcell", s);

    CString big(L'z', 3000);
    s.Format(L"[%s]-%d", (LPCTSTR)big, 12345);
    ASSERT_EQ(3000 + 2 + 6, s.GetLength());
    EXPECT_EQ(L'z', s[2999]);
    EXPECT_STREQ(L"]-12345", s.Right(7));
    s.Format(L"<%s>", (LPCTSTR)s);
    EXPECT_EQ(3008 + 2, s.GetLength());
    EXPECT_STREQ(L">", s.Right(1));
    s.Format(L"%2000d|", 7);
    EXPECT_EQ(2001, s.GetLength());
}

TEST(CStringExtract, LeftMidRightSpanClampLikeTheFramework)
{
    const CString s(L"abcdef");
    ExpectStrings({{s.Left(-1), L""},
                   {s.Left(0), L""},
                   {s.Left(3), L"abc"},
                   {s.Left(100), L"abcdef"},
                   {s.Right(-5), L""},
                   {s.Right(3), L"def"},
                   {s.Right(6), L"abcdef"},
                   {s.Right(7), L"abcdef"},
                   {s.Mid(2, 2), L"cd"},
                   {s.Mid(2), L"cdef"},
                   {s.Mid(-3), L"abcdef"},
                   {s.Mid(-3, 2), L"ab"}, // the start moves to 0, the count stays
                   {s.Mid(2, -1), L""},
                   {s.Mid(6), L""},
                   {s.Mid(100, 5), L""},
                   {s.Mid(4, 0x7fffffff), L"ef"},
                   {CString().Mid(0, 3), L""},
                   {s.SpanIncluding(L"cba"), L"abc"},
                   {s.SpanIncluding(L"xyz"), L""},
                   {s.SpanExcluding(L"fe"), L"abcd"},
                   {s.SpanExcluding(L"xyz"), L"abcdef"}});
}

TEST(CStringSearch, FindAndCompareAtTheEdges)
{
    const CString s(L"abcabc"), apple(L"Apple");
    ExpectInts({{s.Find(L'a'), 0},
                {s.Find(L'a', 1), 3},
                {s.Find(L'c', 5), 5},
                {s.Find(L'c', 6), -1},
                {s.Find(L'a', -1), -1},
                {s.Find(L'z'), -1},
                {s.Find(L"bc"), 1},
                {s.Find(L"bc", 2), 4},
                {s.Find(L"bc", 5), -1},
                {s.Find(L"abcabcx"), -1},
                {s.Find(L"", 6), 6},
                {s.Find(L"", 7), -1},
                {s.Find((LPCWSTR)NULL), -1},
                {s.ReverseFind(L'c'), 5},
                {s.ReverseFind(L'z'), -1},
                {CString().ReverseFind(L'a'), -1},
                {CString().Find(L'a'), -1},
                {s.FindOneOf(L"xc"), 2},
                {s.FindOneOf(L"xyz"), -1},
                {apple.FindOneOf(L"e"), 4}, // only the last character matches
                {s.FindOneOf(L""), -1},
                {apple.Compare(L"Apple"), 0},
                {apple.Compare(L"apple") < 0, true},
                {apple.Compare(L"Appl") > 0, true},
                {apple.Compare(NULL) > 0, true},
                {apple.CompareNoCase(L"aPPLE"), 0},
                {apple.CompareNoCase(L"banana") < 0, true},
                {apple.Collate(L"Apple"), 0},
                {apple.CollateNoCase(L"APPLE"), 0},
                {apple == L"Apple", true},
                {L"Apple" == apple, true},
                {apple != L"apple", true},
                {apple < L"B", true},
                {L"B" > apple, true},
                {apple <= CString(L"Apple"), true},
                {apple >= CString(L"Appl"), true},
                {CString(L"b") < CString(L"a"), false},
                {CString() == L"", true},
                {CString() == (LPCWSTR)NULL, true}});
}

TEST(CStringEdit, ReplaceRemoveInsertDeleteTrim)
{
    CString s(L"a,b,,c");
    EXPECT_EQ(3, s.Replace(L',', L';'));
    EXPECT_EQ(0, s.Replace(L'x', L'y'));
    EXPECT_EQ(1, s.Replace(L";;", L"--"));
    EXPECT_STREQ(L"a;b--c", s);
    EXPECT_EQ(2, s.Replace(L"-", L""));
    EXPECT_EQ(0, s.Replace(L"", L"x"));
    EXPECT_STREQ(L"a;bc", s);
    s = L"aaaa";
    EXPECT_EQ(2, s.Replace(L"aa", L"aaa")); // non-overlapping, left to right
    EXPECT_STREQ(L"aaaaaa", s);
    EXPECT_EQ(6, s.Remove(L'a'));
    EXPECT_TRUE(s.IsEmpty());
    s = L"held";
    ExpectInts({{s.Insert(3, L'l'), 5}, {s.Insert(100, L"!"), 6}, {s.Insert(-4, L">"), 7}});
    EXPECT_STREQ(L">helld!", s);
    ExpectInts({{s.Delete(0, 2), 5},
                {s.Delete(4, 10), 4},
                {s.Delete(9, 1), 4},
                {s.Delete(1, -2), 4},
                {s.Delete(-1), 3}});
    EXPECT_STREQ(L"lld", s);
    s = L"abc";
    EXPECT_STREQ(L"cba", s.MakeReverse());
    EXPECT_STREQ(L"CBA", s.MakeUpper());
    EXPECT_STREQ(L"cba", s.MakeLower());

    s = L"xxabcxx";
    ExpectStrings({{CString(L" \t\r\n x y \n").Trim(), L"x y"},
                   {CString(s).TrimLeft(L'x'), L"abcxx"},
                   {CString(s).TrimRight(L'x'), L"xxabc"},
                   {CString(s).Trim(L'x'), L"abc"},
                   {CString(L"[(b)]").Trim(L"[]()"), L"b"},
                   {CString(L"    ").Trim(), L""},
                   {CString().Trim(), L""},
                   {CString(L"abc").TrimRight((LPCWSTR)NULL), L"abc"}});
}

TEST(CStringBuffer, EmbeddedNulsAndBufferAccess)
{
    CString s(L"a\0b\0c", 5), t = s;
    EXPECT_EQ(3, s.Find(L'\0', 2));
    EXPECT_EQ(4, s.ReverseFind(L'c'));
    EXPECT_EQ(3, s.Mid(2).GetLength());
    t.SetAt(4, L'd');
    EXPECT_TRUE(s < t);
    EXPECT_FALSE(s == L"a"); // a plain string ends at its NUL
    EXPECT_EQ(2, s.Remove(L'\0'));
    EXPECT_STREQ(L"abc", s);
    t += CString(L"\0z", 2);
    EXPECT_EQ(7, t.GetLength());

    CString shared = s;
    wcscpy(s.GetBuffer(10), L"0123456789");
    ASSERT_GE(s.GetAllocLength(), 10);
    s.ReleaseBuffer();
    EXPECT_STREQ(L"0123456789", s);
    EXPECT_STREQ(L"abc", shared); // the copy was not touched
    s.GetBuffer(0)[2] = 0;
    s.ReleaseBuffer(); // length up to the first NUL
    EXPECT_STREQ(L"01", s);
    wmemcpy(s.GetBuffer(5), L"a\0bcd", 5);
    s.ReleaseBuffer(5); // explicit length keeps the NUL
    EXPECT_EQ(5, s.GetLength());
    s.GetBufferSetLength(3)[0] = L'Z';
    s.ReleaseBuffer(1);
    EXPECT_STREQ(L"Z", s);
    s.ReleaseBuffer(1000); // more than the buffer holds: clamped
    EXPECT_LE(s.GetLength(), s.GetAllocLength());
    s.GetBuffer(20);
    s.ReleaseBuffer(0);
    EXPECT_EQ((LPCWSTR)CString(), (LPCWSTR)s); // empty again without a buffer of its own
    s = L"abcdef";
    s.Truncate(2);
    EXPECT_FALSE(s.LoadString(::GetModuleHandleW(NULL), 1)); // no string table: unchanged
    BSTR b = s.AllocSysString();
    EXPECT_EQ(2u, SysStringLen(b));
    EXPECT_STREQ(L"ab", b);
    SysFreeString(b);
}

TEST(CStringFields, TokenizeAndExtractSubStringAtTheEdges)
{
    CString s(L",,a,b;;c,");
    int pos = 0;
    for (LPCWSTR expected : {L"a", L"b", L"c", L"", L""})
        EXPECT_STREQ(expected, s.Tokenize(L",;", pos));
    EXPECT_EQ(-1, pos); // and it stays at the end
    pos = 100;
    EXPECT_STREQ(L"", s.Tokenize(L",", pos));
    EXPECT_EQ(-1, pos);
    pos = 0;
    EXPECT_STREQ(L"", CString(L",,,").Tokenize(L",", pos));
    EXPECT_EQ(-1, pos);
    pos = 2;
    EXPECT_STREQ(L"a,b;;c,", s.Tokenize(L"", pos)); // no delimiters: the rest, then the end
    EXPECT_STREQ(L"", s.Tokenize(L"", pos));
    EXPECT_EQ(-1, pos);

    struct
    {
        LPCWSTR source;
        int index;
        wchar_t sep;
        BOOL found;
        LPCWSTR expected;
    } cases[] = {{L"a,,c", 0, L',', TRUE, L"a"},
                 {L"a,,c", 1, L',', TRUE, L""},
                 {L"a,,c", 2, L',', TRUE, L"c"},
                 {L"a,,c", 3, L',', FALSE, L""},
                 {L"line1\nline2", 1, L'\n', TRUE, L"line2"},
                 {L"", 0, L',', TRUE, L""},
                 {L"a,", 1, L',', TRUE, L""},
                 {L"a", -1, L',', FALSE, nullptr},
                 {NULL, 0, L',', FALSE, nullptr},
                 {L"abc", 0, L'\0', TRUE, L"abc"},
                 {L"abc", 1, L'\0', FALSE, nullptr}};
    for (auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << (c.source ? c.source : L"(null)") << " #" << c.index);
        CString r(L"old");
        EXPECT_EQ(c.found, AfxExtractSubString(r, c.source, c.index, c.sep));
        if (c.expected)
        {
            EXPECT_STREQ(c.expected, r);
        }
    }
    EXPECT_TRUE(AfxExtractSubString(s, L"line1\nline2", 1)); // the default separator
    EXPECT_STREQ(L"line2", s);
    s = L"x;y;z";
    EXPECT_TRUE(AfxExtractSubString(s, s, 1, L';')); // source and target are the same string
    EXPECT_STREQ(L"y", s);
}

// Short strings' buffers are kept by the thread that frees them and taken again by its next short
// string; copies shared between threads are released once, whichever thread lets go last; and
// what a thread keeps goes back to the heap when the thread ends.
TEST(CStringBuffer, ShortBuffersAreReusedAndSharedCopiesOutliveOtherThreads)
{
    AfxGetThreadState(); // this thread keeps buffers
    LPCWSTR pFreed;
    {
        CString a(L"short text");
        pFreed = a;
    }
    CString b(L"other text");
    EXPECT_EQ(pFreed, (LPCWSTR)b) << "the buffer just freed is taken again";

    // Both threads let go of the same 500 buffers at once; the one that lets go last frees them.
    auto round = []
    {
        std::vector<CString> mine(500), theirs;
        for (int i = 0; i < 500; i++)
            mine[i].Format(L"text %d", i);
        theirs = mine;
        bool bIntact = true;
        std::thread other(
            [&theirs, &bIntact]
            {
                AfxGetThreadState();
                for (int i = 0; i < 500; i++)
                {
                    bIntact = bIntact && theirs[i] == CString(L"text ") + std::to_wstring(i).c_str();
                    theirs[i].Empty();
                }
            });
        mine.clear();
        other.join();
        EXPECT_TRUE(bIntact);
    };
    round();
    round();
    const long long nBefore = qtest::HeapInUse();
    round();
    EXPECT_LT(qtest::HeapInUse() - nBefore, 1024) << "buffers kept by an ended thread";
}
