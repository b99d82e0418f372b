// CString where the library relies on it: formatting, clamping of positions and counts,
// comparisons, editing, embedded NULs, buffer access, tokenizing and field extraction.
#include <gtest/gtest.h>
#include <afx.h>

TEST(CStringBasics, EmptyStringsShareOneBufferAndStayOnePointer) {
  static_assert(sizeof(CString) == sizeof(void*), "CString must stay one pointer");
  CString a, b, c(L""), d((LPCWSTR)NULL);
  EXPECT_EQ((LPCWSTR)a, (LPCWSTR)b);  // no allocation: the shared empty buffer
  EXPECT_EQ((LPCWSTR)a, (LPCWSTR)c);
  EXPECT_EQ((LPCWSTR)a, (LPCWSTR)d);
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ(0, a.GetLength());
  EXPECT_STREQ(L"", a);
}

TEST(CStringBasics, CopiesAreIndependentValues) {
  CString a(L"hello");
  CString b = a;
  b.SetAt(0, L'J');
  b += L"!";
  EXPECT_STREQ(L"hello", a);
  EXPECT_STREQ(L"Jello!", b);
  CString c;
  c = a;
  a.MakeUpper();
  EXPECT_STREQ(L"hello", c);
  EXPECT_STREQ(L"HELLO", a);
  a = a;  // self-assignment keeps the value
  EXPECT_STREQ(L"HELLO", a);
  a += a;  // appending itself
  EXPECT_STREQ(L"HELLOHELLO", a);
  a.Append(a.GetString() + 5, 3);
  EXPECT_STREQ(L"HELLOHELLOHEL", a);
}

TEST(CStringBasics, ConstructionForms) {
  EXPECT_STREQ(L"abc", CString("abc"));          // ANSI conversion
  EXPECT_STREQ(L"xxxx", CString(L'x', 4));
  EXPECT_STREQ(L"", CString(L'x', -3));
  EXPECT_STREQ(L"ab", CString(L"abcdef", 2));
  EXPECT_STREQ(L"", CString(L"abcdef", -1));
  EXPECT_EQ(3, CString("a\0b", 3).GetLength());
  CString s;
  s = "narrow";
  EXPECT_STREQ(L"narrow", s);
  s = L'q';
  EXPECT_STREQ(L"q", s);
  EXPECT_STREQ(L"ab", CString(L"a") + L"b");
  EXPECT_STREQ(L"ab", L"a" + CString(L"b"));
  EXPECT_STREQ(L"ab", CString(L"a") + L'b');
  EXPECT_STREQ(L"ab", L'a' + CString(L"b"));
  EXPECT_STREQ(L"ab", CString(L"a") + CString(L"b"));
  EXPECT_STREQ(L"a", CString(L"a") + CString());
}

TEST(CStringBasics, IndexOutOfRangeThrowsInvalidArg) {
  CString s(L"ab");
  EXPECT_EQ(L'b', s.GetAt(1));
  EXPECT_EQ(L'\0', s[2]);  // the terminator may be read through operator[]
  bool thrown = false;
  try {
    s.GetAt(2);
  } catch (CInvalidArgException* e) {
    thrown = true;
    e->Delete();
  }
  EXPECT_TRUE(thrown);
  thrown = false;
  try {
    s.SetAt(-1, L'x');
  } catch (CException* e) {
    thrown = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
    e->Delete();
  }
  EXPECT_TRUE(thrown);
  EXPECT_STREQ(L"ab", s);
}

TEST(CStringFormat, RuntimeWidePrintfSemantics) {
  CString s;
  s.Format(L"%s|%d|%5.2f|%-10s|%I64d|%G|%G|%%", L"wide", -42, 3.14159, L"left", (__int64)1 << 40, 0.25, 100000.0);
  EXPECT_STREQ(L"wide|-42| 3.14|left      |1099511627776|0.25|100000|%", s);
  s.Format(L"%hs and %c%c", "narrow", L'o', L'k');
  EXPECT_STREQ(L"narrow and ok", s);
  s.Format(L"%08.3f|%x|%X|%u|%5d|%-5d|", 2.5, 255, 255, 7u, 42, 42);
  EXPECT_STREQ(L"0002.500|ff|FF|7|   42|42   |", s);
  s.Format(L"%s", L"");
  EXPECT_TRUE(s.IsEmpty());
  CString name(L"cell"), empty;
  s.Format(L"%s[%d]=%s.", name, 3, empty);  // CString arguments go in as they are
  EXPECT_STREQ(L"cell[3]=.", s);
  s.Format(L"%s+%s", s, name);
  EXPECT_STREQ(L"cell[3]=.+cell", s);
  s.AppendFormat(L"%s", name);
  EXPECT_STREQ(L"cell[3]=.+cellcell", s);
  s.Format(L"no arguments %%");
  EXPECT_STREQ(L"no arguments %", s);
}

TEST(CStringFormat, LongOutputsAndSelfReference) {
  CString big(L'z', 3000);
  CString s;
  s.Format(L"[%s]-%d", (LPCTSTR)big, 12345);
  ASSERT_EQ(3000 + 2 + 6, s.GetLength());
  EXPECT_EQ(L'[', s[0]);
  EXPECT_EQ(L'z', s[2999]);
  EXPECT_STREQ(L"]-12345", s.Right(7));
  s.Format(L"<%s>", (LPCTSTR)s);  // the argument is the string being formatted
  EXPECT_EQ(3008 + 2, s.GetLength());
  EXPECT_STREQ(L">", s.Right(1));
  s.Format(L"%d", 1);
  s.AppendFormat(L"+%d=%s", 2, L"3");
  EXPECT_STREQ(L"1+2=3", s);
  CString wide;
  wide.Format(L"%2000d|", 7);
  EXPECT_EQ(2001, wide.GetLength());
}

TEST(CStringExtract, LeftMidRightClampLikeTheFramework) {
  CString s(L"abcdef");
  EXPECT_STREQ(L"", s.Left(-1));
  EXPECT_STREQ(L"", s.Left(0));
  EXPECT_STREQ(L"abc", s.Left(3));
  EXPECT_STREQ(L"abcdef", s.Left(100));
  EXPECT_STREQ(L"", s.Right(-5));
  EXPECT_STREQ(L"def", s.Right(3));
  EXPECT_STREQ(L"abcdef", s.Right(6));
  EXPECT_STREQ(L"abcdef", s.Right(7));
  EXPECT_STREQ(L"cd", s.Mid(2, 2));
  EXPECT_STREQ(L"cdef", s.Mid(2));
  EXPECT_STREQ(L"abcdef", s.Mid(-3));
  EXPECT_STREQ(L"ab", s.Mid(-3, 2));  // the start moves to 0, the count stays
  EXPECT_STREQ(L"", s.Mid(2, -1));
  EXPECT_STREQ(L"", s.Mid(6));
  EXPECT_STREQ(L"", s.Mid(100, 5));
  EXPECT_STREQ(L"ef", s.Mid(4, 0x7fffffff));
  EXPECT_STREQ(L"", CString().Mid(0, 3));
  EXPECT_STREQ(L"abc", s.SpanIncluding(L"cba"));
  EXPECT_STREQ(L"", s.SpanIncluding(L"xyz"));
  EXPECT_STREQ(L"abcd", s.SpanExcluding(L"fe"));
  EXPECT_STREQ(L"abcdef", s.SpanExcluding(L"xyz"));
}

TEST(CStringSearch, FindAndReverseFindAtTheEdges) {
  CString s(L"abcabc");
  EXPECT_EQ(0, s.Find(L'a'));
  EXPECT_EQ(3, s.Find(L'a', 1));
  EXPECT_EQ(5, s.Find(L'c', 5));
  EXPECT_EQ(-1, s.Find(L'c', 6));
  EXPECT_EQ(-1, s.Find(L'a', -1));
  EXPECT_EQ(-1, s.Find(L'z'));
  EXPECT_EQ(1, s.Find(L"bc"));
  EXPECT_EQ(4, s.Find(L"bc", 2));
  EXPECT_EQ(-1, s.Find(L"bc", 5));
  EXPECT_EQ(-1, s.Find(L"abcabcx"));
  EXPECT_EQ(6, s.Find(L"", 6));
  EXPECT_EQ(-1, s.Find(L"", 7));
  EXPECT_EQ(-1, s.Find((LPCWSTR)NULL));
  EXPECT_EQ(5, s.ReverseFind(L'c'));
  EXPECT_EQ(-1, s.ReverseFind(L'z'));
  EXPECT_EQ(-1, CString().ReverseFind(L'a'));
  EXPECT_EQ(-1, CString().Find(L'a'));
  EXPECT_EQ(2, s.FindOneOf(L"xc"));
  EXPECT_EQ(-1, s.FindOneOf(L"xyz"));
  EXPECT_EQ(-1, s.FindOneOf(L""));
}

TEST(CStringCompare, CaseSensitiveInsensitiveAndOperators) {
  CString s(L"Apple");
  EXPECT_EQ(0, s.Compare(L"Apple"));
  EXPECT_LT(s.Compare(L"apple"), 0);
  EXPECT_GT(s.Compare(L"Appl"), 0);
  EXPECT_EQ(0, s.CompareNoCase(L"aPPLE"));
  EXPECT_LT(s.CompareNoCase(L"banana"), 0);
  EXPECT_GT(s.Compare(NULL), 0);
  EXPECT_TRUE(s == L"Apple");
  EXPECT_TRUE(L"Apple" == s);
  EXPECT_TRUE(s != L"apple");
  EXPECT_TRUE(s < L"B");
  EXPECT_TRUE(L"B" > s);
  EXPECT_TRUE(s <= CString(L"Apple"));
  EXPECT_TRUE(s >= CString(L"Appl"));
  EXPECT_TRUE(CString(L"a") < CString(L"b"));
  EXPECT_FALSE(CString(L"b") < CString(L"a"));
  EXPECT_TRUE(CString() == L"");
  EXPECT_TRUE(CString() == (LPCWSTR)NULL);
  EXPECT_EQ(0, s.Collate(L"Apple"));
  EXPECT_EQ(0, s.CollateNoCase(L"APPLE"));
}

TEST(CStringEdit, ReplaceRemoveInsertDelete) {
  CString s(L"a,b,,c");
  EXPECT_EQ(3, s.Replace(L',', L';'));
  EXPECT_STREQ(L"a;b;;c", s);
  EXPECT_EQ(0, s.Replace(L'x', L'y'));
  EXPECT_EQ(1, s.Replace(L";;", L"--"));
  EXPECT_STREQ(L"a;b--c", s);
  EXPECT_EQ(2, s.Replace(L"-", L""));
  EXPECT_STREQ(L"a;bc", s);
  EXPECT_EQ(0, s.Replace(L"", L"x"));
  s = L"aaaa";
  EXPECT_EQ(2, s.Replace(L"aa", L"aaa"));  // non-overlapping, left to right
  EXPECT_STREQ(L"aaaaaa", s);
  EXPECT_EQ(6, s.Remove(L'a'));
  EXPECT_TRUE(s.IsEmpty());
  s = L"held";
  EXPECT_EQ(5, s.Insert(3, L'l'));
  EXPECT_STREQ(L"helld", s);
  EXPECT_EQ(6, s.Insert(100, L"!"));
  EXPECT_STREQ(L"helld!", s);
  EXPECT_EQ(7, s.Insert(-4, L">"));
  EXPECT_STREQ(L">helld!", s);
  EXPECT_EQ(5, s.Delete(0, 2));
  EXPECT_STREQ(L"elld!", s);
  EXPECT_EQ(4, s.Delete(4, 10));
  EXPECT_STREQ(L"elld", s);
  EXPECT_EQ(4, s.Delete(9, 1));
  EXPECT_EQ(4, s.Delete(1, -2));
  EXPECT_EQ(3, s.Delete(-1));
  EXPECT_STREQ(L"lld", s);
  s = L"abc";
  EXPECT_STREQ(L"cba", s.MakeReverse());
  EXPECT_STREQ(L"CBA", s.MakeUpper());
  EXPECT_STREQ(L"cba", s.MakeLower());
}

TEST(CStringEdit, TrimWhitespaceCharAndSet) {
  CString s(L" \t\r\n x y \n");
  EXPECT_STREQ(L"x y", s.Trim());
  s = L"xxabcxx";
  EXPECT_STREQ(L"abcxx", CString(s).TrimLeft(L'x'));
  EXPECT_STREQ(L"xxabc", CString(s).TrimRight(L'x'));
  EXPECT_STREQ(L"abc", CString(s).Trim(L'x'));
  EXPECT_STREQ(L"b", CString(L"[(b)]").Trim(L"[]()"));
  EXPECT_STREQ(L"", CString(L"    ").Trim());
  EXPECT_STREQ(L"", CString().Trim());
  EXPECT_STREQ(L"abc", CString(L"abc").TrimRight((LPCWSTR)NULL));
}

TEST(CStringEmbeddedNul, CountedEverywhere) {
  CString s(L"a\0b\0c", 5);
  EXPECT_EQ(5, s.GetLength());
  EXPECT_EQ(L'c', s.GetAt(4));
  EXPECT_EQ(2, s.Find(L'b'));
  EXPECT_EQ(3, s.Find(L'\0', 2));
  EXPECT_EQ(4, s.ReverseFind(L'c'));
  EXPECT_EQ(3, s.Mid(2).GetLength());
  CString t = s;
  EXPECT_TRUE(t == s);
  t.SetAt(4, L'd');
  EXPECT_FALSE(t == s);
  EXPECT_TRUE(s < t);
  EXPECT_FALSE(s == L"a");  // a plain string ends at its NUL
  EXPECT_EQ(2, s.Remove(L'\0'));
  EXPECT_STREQ(L"abc", s);
  CString u(L"xy");
  u.Insert(1, L'\0');
  EXPECT_EQ(3, u.GetLength());
  EXPECT_EQ(L'y', u[2]);
  u += CString(L"\0z", 2);
  EXPECT_EQ(5, u.GetLength());
}

TEST(CStringBuffer, GetBufferAndReleaseBuffer) {
  CString s(L"abc");
  CString shared = s;
  LPWSTR p = s.GetBuffer(10);
  ASSERT_GE(s.GetAllocLength(), 10);
  wcscpy(p, L"0123456789");
  s.ReleaseBuffer();
  EXPECT_STREQ(L"0123456789", s);
  EXPECT_STREQ(L"abc", shared);  // the copy was not touched
  p = s.GetBuffer(0);
  p[2] = 0;
  s.ReleaseBuffer();  // length up to the first NUL
  EXPECT_STREQ(L"01", s);
  p = s.GetBuffer(5);
  wmemcpy(p, L"a\0bcd", 5);
  s.ReleaseBuffer(5);  // explicit length keeps the NUL
  EXPECT_EQ(5, s.GetLength());
  p = s.GetBufferSetLength(3);
  EXPECT_EQ(3, s.GetLength());
  p[0] = L'Z';
  s.ReleaseBuffer(1);
  EXPECT_STREQ(L"Z", s);
  s.ReleaseBuffer(1000);  // more than the buffer holds: clamped
  EXPECT_LE(s.GetLength(), s.GetAllocLength());
  CString e;
  e.GetBuffer(20);
  e.ReleaseBuffer(0);
  EXPECT_EQ((LPCWSTR)CString(), (LPCWSTR)e);  // empty again without a buffer of its own
  s = L"abcdef";
  s.Truncate(2);
  EXPECT_STREQ(L"ab", s);
  EXPECT_FALSE(s.LoadString(::GetModuleHandleW(NULL), 1));  // no string table: unchanged
  EXPECT_STREQ(L"ab", s);
  BSTR b = s.AllocSysString();
  EXPECT_EQ(2u, SysStringLen(b));
  EXPECT_STREQ(L"ab", b);
  SysFreeString(b);
}

TEST(CStringTokenize, TokensDelimitersAndEnd) {
  CString s(L",,a,b;;c,");
  int pos = 0;
  EXPECT_STREQ(L"a", s.Tokenize(L",;", pos));
  EXPECT_STREQ(L"b", s.Tokenize(L",;", pos));
  EXPECT_STREQ(L"c", s.Tokenize(L",;", pos));
  EXPECT_STREQ(L"", s.Tokenize(L",;", pos));
  EXPECT_EQ(-1, pos);
  EXPECT_STREQ(L"", s.Tokenize(L",;", pos));  // stays at the end
  EXPECT_EQ(-1, pos);
  pos = 100;
  EXPECT_STREQ(L"", s.Tokenize(L",", pos));
  EXPECT_EQ(-1, pos);
  pos = 0;
  EXPECT_STREQ(L"", CString(L",,,").Tokenize(L",", pos));
  EXPECT_EQ(-1, pos);
  pos = 2;
  EXPECT_STREQ(L"a,b;;c,", s.Tokenize(L"", pos));  // no delimiters: the rest, then the end
  EXPECT_STREQ(L"", s.Tokenize(L"", pos));
  EXPECT_EQ(-1, pos);
}

TEST(CStringExtractSubString, FieldsAtTheEdges) {
  CString r(L"old");
  EXPECT_TRUE(AfxExtractSubString(r, L"a,,c", 0, L','));
  EXPECT_STREQ(L"a", r);
  EXPECT_TRUE(AfxExtractSubString(r, L"a,,c", 1, L','));
  EXPECT_STREQ(L"", r);
  EXPECT_TRUE(AfxExtractSubString(r, L"a,,c", 2, L','));
  EXPECT_STREQ(L"c", r);
  r = L"old";
  EXPECT_FALSE(AfxExtractSubString(r, L"a,,c", 3, L','));
  EXPECT_STREQ(L"", r);
  EXPECT_TRUE(AfxExtractSubString(r, L"line1\nline2", 1));
  EXPECT_STREQ(L"line2", r);
  EXPECT_TRUE(AfxExtractSubString(r, L"", 0, L','));
  EXPECT_STREQ(L"", r);
  EXPECT_TRUE(AfxExtractSubString(r, L"a,", 1, L','));
  EXPECT_STREQ(L"", r);
  EXPECT_FALSE(AfxExtractSubString(r, L"a", -1, L','));
  EXPECT_FALSE(AfxExtractSubString(r, NULL, 0, L','));
  EXPECT_TRUE(AfxExtractSubString(r, L"abc", 0, L'\0'));
  EXPECT_STREQ(L"abc", r);
  EXPECT_FALSE(AfxExtractSubString(r, L"abc", 1, L'\0'));
  r = L"x;y;z";
  EXPECT_TRUE(AfxExtractSubString(r, r, 1, L';'));  // source and target are the same string
  EXPECT_STREQ(L"y", r);
}
