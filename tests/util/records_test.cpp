// Records and record tables: name matching, adding and removing columns, index errors, tables
// loaded and read by field, and variant values with the platform's conversions and COM errors.
#include <gtest/gtest.h>

#include "util/QRecord.h"

namespace {

CStringArray& Names(CStringArray& arr, std::initializer_list<const wchar_t*> names) {
  arr.RemoveAll();
  for (const wchar_t* n : names) arr.Add(n);
  return arr;
}

// Runs f and tells whether it threw the framework's invalid-argument exception.
template <class F>
bool ThrowsInvalidArg(F f) {
  try {
    f();
  } catch (CInvalidArgException* e) {
    e->Delete();
    return true;
  }
  return false;
}

}  // namespace

TEST(Record, NamesMatchWithoutCase) {
  CStringArray names;
  CQRecord rec(Names(names, {L"Name", L"Age"}));
  EXPECT_EQ(2, rec.Cols());
  CString v = L"stale";
  EXPECT_EQ(0, rec.GetValue(L"name", v));
  EXPECT_TRUE(v.IsEmpty());
  EXPECT_EQ(0, rec.SetValue(L"NAME", L"Li", 0));
  EXPECT_EQ(0, rec.GetValue(L"Name", v));
  EXPECT_STREQ(L"Li", v);
  EXPECT_EQ(-1, rec.GetValue(L"Nam", v));
  EXPECT_TRUE(v.IsEmpty());
  EXPECT_STREQ(L"Name", rec.GetField(0));  // the first spelling stays
}

TEST(Record, AddRemoveAndReset) {
  CQRecord rec;
  EXPECT_EQ(-1, rec.SetValue(L"a", L"1", 0));
  EXPECT_EQ(0, rec.Cols());
  EXPECT_EQ(0, rec.SetValue(L"a", L"1", 1));
  EXPECT_EQ(1, rec.SetValue(L"b", L"2", 1));
  EXPECT_EQ(2, rec.SetValue(L"c", L"3", 1));
  EXPECT_EQ(1, rec.SetValue(L"B", L"22", 1));  // present: replaced, not added
  EXPECT_EQ(3, rec.Cols());

  EXPECT_EQ(1, rec.RemoveField(L"b"));
  EXPECT_EQ(-1, rec.RemoveField(L"b"));
  CStringArray f, v;
  rec.Fields(f);
  rec.Values(v);
  ASSERT_EQ(2, f.GetSize());
  EXPECT_STREQ(L"a", f[0]);
  EXPECT_STREQ(L"c", f[1]);
  EXPECT_STREQ(L"1", v[0]);
  EXPECT_STREQ(L"3", v[1]);

  CQRecord copy(rec), assigned;
  assigned = rec;
  rec.ResetValues();
  EXPECT_EQ(2, rec.Cols());
  EXPECT_STREQ(L"", rec.GetValue(1));
  EXPECT_STREQ(L"3", copy.GetValue(1));
  EXPECT_STREQ(L"c", assigned.GetField(1));
  rec.RemoveAll();
  EXPECT_EQ(0, rec.Cols());
  CString out;
  EXPECT_EQ(-1, rec.GetValue(L"a", out));
}

TEST(Record, DuplicateNamesFirstWins) {
  CStringArray names;
  CQRecord rec(Names(names, {L"x", L"X", L"y"}));
  EXPECT_EQ(0, rec.SetValue(L"X", L"first", 0));
  EXPECT_STREQ(L"", rec.GetValue(1));
  EXPECT_EQ(0, rec.RemoveField(L"x"));
  EXPECT_EQ(0, rec.RemoveField(L"x"));  // the former second column
  EXPECT_EQ(1, rec.Cols());
}

TEST(Record, IndexOutsideThrowsInvalidArgument) {
  CStringArray names;
  CQRecord rec(Names(names, {L"a", L"b"}));
  EXPECT_FALSE(ThrowsInvalidArg([&] { rec.GetField(1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { rec.GetField(2); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { rec.GetField(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { rec.GetValue(2); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { rec.GetValue(-5); }));
  CQRecord empty;
  EXPECT_TRUE(ThrowsInvalidArg([&] { empty.GetValue(0); }));
}

TEST(Record, PickUpDataReordersAndFills) {
  CArray<CQRecord, CQRecord&> in, out;
  CQRecord r1, r2;
  r1.SetValue(L"A", L"1", 1);
  r1.SetValue(L"B", L"2", 1);
  r2.SetValue(L"b", L"20", 1);
  in.Add(r1);
  in.Add(r2);
  CStringArray names;
  out.Add(r1);
  EXPECT_FALSE(CQRecord::PickUpData(names, in, out));
  EXPECT_EQ(0, out.GetSize());
  CArray<CQRecord, CQRecord&> none;
  EXPECT_FALSE(CQRecord::PickUpData(Names(names, {L"B"}), none, out));

  ASSERT_TRUE(CQRecord::PickUpData(Names(names, {L"B", L"A", L"b"}), in, out));
  ASSERT_EQ(2, out.GetSize());
  EXPECT_EQ(2, out[0].Cols());  // B and b are one column
  EXPECT_STREQ(L"B", out[0].GetField(0));
  EXPECT_STREQ(L"2", out[0].GetValue(0));
  EXPECT_STREQ(L"A", out[0].GetField(1));
  EXPECT_STREQ(L"1", out[0].GetValue(1));
  EXPECT_STREQ(L"20", out[1].GetValue(0));
  EXPECT_STREQ(L"", out[1].GetValue(1));  // the source has no A
}

TEST(RecordX, NamesMatchWithCaseAndValuesAreVariants) {
  CStringArray names;
  CQRecordX rec(Names(names, {L"Name", L"Count"}));
  _variant_t v(L"stale");
  EXPECT_EQ(0, rec.GetValue(L"Name", v));
  EXPECT_EQ(VT_EMPTY, v.vt);
  v = L"stale";
  EXPECT_EQ(-1, rec.GetValue(L"name", v));
  EXPECT_EQ(VT_EMPTY, v.vt);
  EXPECT_EQ(-1, rec.SetValue(L"NAME", _variant_t(L"x"), 0));
  EXPECT_EQ(1, rec.SetValue(L"Count", _variant_t(42L), 0));
  EXPECT_EQ(2, rec.SetValue(L"When", _variant_t(45356.5, VT_DATE), 1));
  EXPECT_EQ(1, rec.GetValue(L"Count", v));
  EXPECT_EQ(VT_I4, v.vt);
  EXPECT_EQ(42L, static_cast<long>(v));

  CQRecordX copy = rec;
  rec.ResetValues();
  CQRecordX::CVariantArray vals;
  rec.Values(vals);
  ASSERT_EQ(3, vals.GetSize());
  for (INT_PTR i = 0; i < vals.GetSize(); ++i) {
    EXPECT_EQ(VT_BSTR, vals[i].vt);
    EXPECT_EQ(0u, SysStringLen(vals[i].bstrVal));
  }
  copy.GetValue(L"When", v);
  EXPECT_EQ(VT_DATE, v.vt);
  EXPECT_EQ(1, copy.RemoveField(L"Count"));
  EXPECT_EQ(2, copy.Cols());
  copy.RemoveAll();
  EXPECT_EQ(-1, copy.GetValue(L"Name", v));
}

// Values move between strings, numbers and dates through the variant services; a conversion that
// cannot be made raises _com_error with the platform's code.
TEST(RecordX, VariantConversions) {
  CQRecordX rec;
  rec.SetValue(L"s", _variant_t(L"1234"), 1);
  rec.SetValue(L"n", _variant_t(2.5), 1);
  rec.SetValue(L"d", _variant_t(L"2024-03-05"), 1);
  _variant_t v;

  rec.GetValue(L"s", v);
  v.ChangeType(VT_I4);
  EXPECT_EQ(1234L, v.lVal);
  v.ChangeType(VT_BSTR);
  EXPECT_STREQ(L"1234", v.bstrVal);

  rec.GetValue(L"n", v);
  _variant_t text = v;
  text.ChangeType(VT_BSTR);
  text.ChangeType(VT_R8);
  EXPECT_DOUBLE_EQ(2.5, text.dblVal);
  EXPECT_EQ(3L, static_cast<long>(_variant_t(3.0)));

  rec.GetValue(L"d", v);
  v.ChangeType(VT_DATE);
  SYSTEMTIME st = {};
  ASSERT_TRUE(VariantTimeToSystemTime(v.date, &st));
  EXPECT_EQ(2024, st.wYear);
  EXPECT_EQ(3, st.wMonth);
  EXPECT_EQ(5, st.wDay);
  double expected = 0;
  SYSTEMTIME want = {2024, 3, 0, 5, 0, 0, 0, 0};
  SystemTimeToVariantTime(&want, &expected);
  EXPECT_DOUBLE_EQ(expected, v.date);

  _bstr_t narrow("abc");  // through the narrow-string support functions
  EXPECT_STREQ(L"abc", static_cast<const wchar_t*>(narrow));
  EXPECT_STREQ("abc", static_cast<const char*>(narrow));
  EXPECT_EQ(VT_ERROR, vtMissing.vt);  // the shared "argument left out" value
  EXPECT_EQ(DISP_E_PARAMNOTFOUND, vtMissing.scode);

  rec.SetValue(L"bad", _variant_t(L"not a number"), 1);
  rec.GetValue(L"bad", v);
  HRESULT hr = S_OK;
  try {
    v.ChangeType(VT_R8);
  } catch (const _com_error& e) {
    hr = e.Error();
  }
  EXPECT_EQ(DISP_E_TYPEMISMATCH, hr);
}

// Variants the services cannot copy or clear: the COM error reaches the caller, the record stays.
TEST(RecordX, FailedCopyOrClearRaisesComError) {
  CQRecordX rec;
  rec.SetValue(L"a", _variant_t(1L), 1);
  VARIANT raw;
  VariantInit(&raw);
  raw.vt = 0x7FF;  // not a variant type

  HRESULT hr = S_OK;
  _variant_t bad;
  bad.Attach(raw);
  try {
    rec.SetValue(L"a", bad, 1);
  } catch (const _com_error& e) {
    hr = e.Error();
  }
  EXPECT_EQ(DISP_E_BADVARTYPE, hr);

  hr = S_OK;
  try {
    rec.GetValue(L"a", bad);  // the out variant cannot be cleared
  } catch (const _com_error& e) {
    hr = e.Error();
  }
  EXPECT_EQ(DISP_E_BADVARTYPE, hr);
  bad.Detach();

  _variant_t v;
  EXPECT_EQ(0, rec.GetValue(L"a", v));
  EXPECT_EQ(1L, static_cast<long>(v));
  EXPECT_EQ(1, rec.Cols());
}

TEST(Records, LoadChecksTheSizes) {
  CStringArray names, values;
  Names(names, {L"a", L"b", L"c"});
  for (int i = 0; i < 7; ++i) values.Add(CString(static_cast<wchar_t>(L'0' + i)));
  CQRecords t;
  t.Load(names, values, 2);
  EXPECT_EQ(0, t.GetCols());
  EXPECT_EQ(0L, t.GetRows());
  values.RemoveAt(6);
  t.Load(names, values, 2);
  EXPECT_EQ(3, t.GetCols());
  EXPECT_EQ(2L, t.GetRows());
  CString v;
  EXPECT_TRUE(t.GetValuesByField(L"c", v, 1));
  EXPECT_STREQ(L"5", v);
  EXPECT_FALSE(t.GetValuesByField(L"c", v, 2));
  EXPECT_TRUE(v.IsEmpty());
  EXPECT_FALSE(t.GetValuesByField(L"c", v, -1));
  EXPECT_FALSE(t.GetValuesByField(L"C", v, 0));  // case matters
  EXPECT_EQ(-1, t.FindIndex(L"A"));
  EXPECT_EQ(1, t.FindIndex(L"b"));
  EXPECT_EQ(-1, t.FindIndex(nullptr));

  CStringArray col;
  col.Add(L"stale");
  EXPECT_TRUE(t.GetValuesByField(L"b", col));
  ASSERT_EQ(2, col.GetSize());
  EXPECT_STREQ(L"1", col[0]);
  EXPECT_STREQ(L"4", col[1]);
  EXPECT_FALSE(t.GetValuesByField(L"z", col));
  EXPECT_EQ(0, col.GetSize());

  t.Load(names, values, -2);  // a negative row count never loads
  EXPECT_EQ(2L, t.GetRows());
}

TEST(Records, ValuesReloadAndCopies) {
  CStringArray names, values;
  Names(names, {L"a", L"a"});
  values.Add(L"x");
  values.Add(L"y");
  CQRecords t;
  t.Load(names, values, 1);
  CString v;
  EXPECT_TRUE(t.GetValuesByField(L"a", v, 0));
  EXPECT_STREQ(L"x", v);  // the first of two equal names

  CQRecords copy(t), assigned;
  assigned = t;
  values.Add(L"z");
  t.LoadValues(values, 2);  // 3 values for 2 columns: ignored
  EXPECT_EQ(1L, t.GetRows());
  values.Add(L"w");
  t.LoadValues(values, 2);
  EXPECT_EQ(2L, t.GetRows());
  EXPECT_TRUE(t.GetValuesByField(L"a", v, 1));
  EXPECT_STREQ(L"z", v);

  t.UnLoadValues();
  EXPECT_EQ(2, t.GetCols());
  EXPECT_EQ(0L, t.GetRows());
  CStringArray col;
  EXPECT_TRUE(t.GetValuesByField(L"a", col));  // a field without rows
  EXPECT_EQ(0, col.GetSize());
  t.UnLoad();
  EXPECT_EQ(0, t.GetCols());
  EXPECT_FALSE(t.GetValuesByField(L"a", col));

  EXPECT_EQ(1L, copy.GetRows());
  CStringArray all;
  assigned.GetValues(all);
  ASSERT_EQ(2, all.GetSize());
  EXPECT_STREQ(L"y", all[1]);
  assigned.GetFields(all);
  EXPECT_EQ(2, all.GetSize());
}
