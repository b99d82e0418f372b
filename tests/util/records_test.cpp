// Records and record tables: names, columns, tables read by field, variant values.
#include <gtest/gtest.h>

#include "util/QRecord.h"

namespace
{

CStringArray& Names(CStringArray& arr, std::initializer_list<const wchar_t*> names)
{
    arr.RemoveAll();
    for (const wchar_t* n : names)
        arr.Add(n);
    return arr;
}

} // namespace

// Names match without case, the first of equal ones winning; missing ones are added when asked.
TEST(Record, NamesAndColumns)
{
    CQRecord rec;
    EXPECT_EQ(-1, rec.SetValue(L"a", L"1", 0));
    EXPECT_EQ(0, rec.SetValue(L"a", L"1", 1));
    EXPECT_EQ(1, rec.SetValue(L"Name", L"2", 1));
    EXPECT_EQ(0, rec.SetValue(L"A", L"3", 0));
    EXPECT_EQ(1, rec.SetValue(L"NAME", L"4", 1));
    CString out = L"stale";
    EXPECT_EQ(-1, rec.GetValue(L"b", out));
    EXPECT_TRUE(out.IsEmpty());
    EXPECT_EQ(0, rec.RemoveField(L"A"));
    EXPECT_EQ(0, rec.GetValue(L"name", out));
    EXPECT_STREQ(L"4", out);
    CQRecord copy(rec);
    rec.RemoveAll();
    EXPECT_EQ(1, copy.Cols());
    EXPECT_STREQ(L"4", copy.GetValue(0));
    CStringArray arr;
    CQRecord dup(Names(arr, {L"x", L"X"}));
    EXPECT_EQ(0, dup.SetValue(L"X", L"first", 0));
    EXPECT_EQ(0, dup.RemoveField(L"x"));
    EXPECT_EQ(0, dup.RemoveField(L"x")); // the former second column
}

// Variant records match names with case; a variant that cannot be copied raises its COM error.
TEST(RecordX, VariantsAndComErrors)
{
    CStringArray names;
    CQRecordX rec(Names(names, {L"Name", L"Count"}));
    _variant_t v(L"stale");
    EXPECT_EQ(-1, rec.GetValue(L"name", v));
    EXPECT_EQ(VT_EMPTY, v.vt);
    EXPECT_EQ(1, rec.SetValue(L"Count", _variant_t(L"1234"), 0));
    EXPECT_EQ(2, rec.SetValue(L"When", _variant_t(45356.5, VT_DATE), 1));
    VARIANT raw;
    VariantInit(&raw);
    raw.vt = 0x7FF; // not a variant type
    _variant_t bad;
    bad.Attach(raw);
    HRESULT hr = S_OK;
    try
    {
        rec.SetValue(L"Count", bad, 1);
    }
    catch (const _com_error& e)
    {
        hr = e.Error();
    }
    EXPECT_EQ(DISP_E_BADVARTYPE, hr);
    bad.Detach();
    EXPECT_EQ(1, rec.GetValue(L"Count", v));
    EXPECT_STREQ(L"1234", v.bstrVal);
}

// Tables load only values that fill their rows; PickUpData reorders by name and fills gaps.
TEST(Records, LoadReadByFieldAndPickUp)
{
    CStringArray names, values;
    Names(names, {L"a", L"b", L"a"});
    for (int i = 0; i < 7; ++i)
        values.Add(CString(static_cast<wchar_t>(L'0' + i)));
    CQRecords t;
    t.Load(names, values, 2); // 7 values for 2 rows of 3
    EXPECT_EQ(0, t.GetCols());
    values.RemoveAt(6);
    t.Load(names, values, 2);
    CString v;
    EXPECT_TRUE(t.GetValuesByField(L"a", v, 1));
    EXPECT_STREQ(L"3", v);
    EXPECT_FALSE(t.GetValuesByField(L"a", v, 2) || t.GetValuesByField(L"A", v, 0));

    CArray<CQRecord, CQRecord&> in, out;
    CQRecord r1, r2;
    r1.SetValue(L"A", L"1", 1);
    r1.SetValue(L"B", L"2", 1);
    r2.SetValue(L"b", L"20", 1);
    in.Add(r1);
    in.Add(r2);
    ASSERT_TRUE(CQRecord::PickUpData(Names(names, {L"B", L"A", L"b"}), in, out));
    ASSERT_EQ(2, out.GetSize());
    EXPECT_EQ(2, out[0].Cols()); // B and b are one column
    EXPECT_STREQ(L"A", out[0].GetField(1));
    EXPECT_STREQ(L"1", out[0].GetValue(1));
    EXPECT_STREQ(L"", out[1].GetValue(1)); // the source has no A
}
