// Records and record tables: name matching, adding and removing columns, index errors, tables
// loaded and read by field, and variant values with the platform's conversions and COM errors.
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

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

// Runs f and tells whether it threw the framework's invalid-argument exception.
template <class F> bool ThrowsInvalidArg(F f)
{
    try
    {
        f();
    }
    catch (CInvalidArgException* e)
    {
        e->Delete();
        return true;
    }
    return false;
}

// The code of the _com_error f raised, S_OK when none.
template <class F> HRESULT ComError(F f)
{
    try
    {
        f();
    }
    catch (const _com_error& e)
    {
        return e.Error();
    }
    return S_OK;
}

} // namespace

// Random edits against a model: columns in order, names matched without case, the first of
// equal names wins, indexes outside the record throw; copies taken on the way keep their values.
TEST(Record, RandomEditsAgainstAModel)
{
    typedef std::vector<std::pair<CString, CString>> Model;
    auto find = [](const Model& m, const CString& name)
    {
        for (size_t i = 0; i < m.size(); ++i)
            if (m[i].first.CompareNoCase(name) == 0)
                return static_cast<int>(i);
        return -1;
    };
    auto expectSame = [](CQRecord& rec, const Model& m)
    {
        ASSERT_EQ(static_cast<int>(m.size()), rec.Cols());
        ASSERT_TRUE(
            ThrowsInvalidArg([&] { rec.GetValue(static_cast<int>(m.size())); })); // outside the record
        ASSERT_TRUE(ThrowsInvalidArg([&] { rec.GetField(-1); }));
        CStringArray f, v;
        rec.Fields(f);
        rec.Values(v);
        for (size_t i = 0; i < m.size(); ++i)
        {
            ASSERT_STREQ(m[i].first, f[i]);
            ASSERT_STREQ(m[i].second, v[i]);
            ASSERT_STREQ(m[i].second, rec.GetValue(static_cast<int>(i)));
        }
    };
    std::mt19937 rng(31);
    CQRecord rec;
    Model model;
    CQRecord copy;
    Model copied;
    const wchar_t* names[] = {L"a", L"A", L"b", L"Name", L"NAME", L"c"};
    for (int step = 0; step < 3000; ++step)
    {
        CString name = names[rng() % 6], value;
        value.Format(L"%u", rng() % 100);
        int at = find(model, name);
        switch (rng() % 6)
        {
        case 0:
        case 1:
        {
            BOOL bAdd = rng() % 2;
            if (at < 0 && bAdd)
                model.emplace_back(name, value), at = static_cast<int>(model.size()) - 1;
            else if (at >= 0)
                model[at].second = value;
            ASSERT_EQ(at, rec.SetValue(name, value, bAdd));
            break;
        }
        case 2:
            if (at >= 0)
                model.erase(model.begin() + at);
            ASSERT_EQ(at, rec.RemoveField(name));
            break;
        case 3:
        {
            CString out = L"stale";
            ASSERT_EQ(at, rec.GetValue(name, out));
            ASSERT_STREQ(at >= 0 ? model[at].second : CString(), out);
            break;
        }
        case 4:
            if (rng() % 20 == 0)
            {
                rec.ResetValues();
                for (auto& kv : model)
                    kv.second.Empty();
            }
            else if (rng() % 40 == 0)
            {
                rec.RemoveAll();
                model.clear();
            }
            break;
        case 5:
            if (rng() % 2)
                copy = rec;
            else
                copy = CQRecord(rec);
            copied = model;
            break;
        }
        if (step % 50 == 0)
            expectSame(rec, model);
    }
    expectSame(rec, model);
    expectSame(copy, copied);

    CStringArray arr;
    CQRecord dup(Names(arr, {L"x", L"X", L"y"})); // names given at construction may repeat
    EXPECT_EQ(0, dup.SetValue(L"X", L"first", 0));
    EXPECT_STREQ(L"", dup.GetValue(1));
    EXPECT_EQ(0, dup.RemoveField(L"x"));
    EXPECT_EQ(0, dup.RemoveField(L"x")); // the former second column
    EXPECT_EQ(1, dup.Cols());
}

TEST(Record, PickUpDataReordersAndFills)
{
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
    EXPECT_EQ(2, out[0].Cols()); // B and b are one column
    EXPECT_STREQ(L"B", out[0].GetField(0));
    EXPECT_STREQ(L"2", out[0].GetValue(0));
    EXPECT_STREQ(L"A", out[0].GetField(1));
    EXPECT_STREQ(L"1", out[0].GetValue(1));
    EXPECT_STREQ(L"20", out[1].GetValue(0));
    EXPECT_STREQ(L"", out[1].GetValue(1)); // the source has no A
}

TEST(RecordX, NamesMatchWithCaseAndValuesAreVariants)
{
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
    CQRecordX copy = rec;
    rec.ResetValues(); // empty strings, not empty variants
    CQRecordX::CVariantArray vals;
    rec.Values(vals);
    ASSERT_EQ(3, vals.GetSize());
    EXPECT_EQ(VT_BSTR, vals[2].vt);
    EXPECT_EQ(0u, SysStringLen(vals[2].bstrVal));
    EXPECT_EQ(1, copy.RemoveField(L"Count"));
    copy.GetValue(L"When", v);
    EXPECT_EQ(VT_DATE, v.vt);
}

// A conversion that cannot be made raises _com_error with the platform's code, and so does a
// variant the services cannot copy or clear (the record stays as it was).
TEST(RecordX, ComErrors)
{
    CQRecordX rec;
    rec.SetValue(L"s", _variant_t(L"1234"), 1);
    _variant_t v;
    rec.SetValue(L"bad", _variant_t(L"not a number"), 1);
    rec.GetValue(L"bad", v);
    EXPECT_EQ(DISP_E_TYPEMISMATCH, ComError([&] { v.ChangeType(VT_R8); }));
    VARIANT raw;
    VariantInit(&raw);
    raw.vt = 0x7FF; // not a variant type
    _variant_t bad;
    bad.Attach(raw);
    EXPECT_EQ(DISP_E_BADVARTYPE, ComError([&] { rec.SetValue(L"s", bad, 1); }));
    EXPECT_EQ(DISP_E_BADVARTYPE,
              ComError([&] { rec.GetValue(L"s", bad); })); // the out variant cannot be cleared
    bad.Detach();
    EXPECT_EQ(0, rec.GetValue(L"s", v));
    EXPECT_STREQ(L"1234", v.bstrVal);
    EXPECT_EQ(2, rec.Cols());
}

TEST(Records, LoadChecksTheSizesAndReadsByField)
{
    CStringArray names, values;
    Names(names, {L"a", L"b", L"c"});
    for (int i = 0; i < 7; ++i)
        values.Add(CString(static_cast<wchar_t>(L'0' + i)));
    CQRecords t;
    t.Load(names, values, 2); // 7 values for 2 rows of 3: not loaded
    EXPECT_EQ(0, t.GetCols());
    values.RemoveAt(6);
    t.Load(names, values, 2);
    EXPECT_EQ(2L, t.GetRows());
    CString v;
    EXPECT_TRUE(t.GetValuesByField(L"c", v, 1));
    EXPECT_STREQ(L"5", v);
    EXPECT_FALSE(t.GetValuesByField(L"c", v, 2));
    EXPECT_TRUE(v.IsEmpty());
    EXPECT_FALSE(t.GetValuesByField(L"c", v, -1) || t.GetValuesByField(L"C", v, 0)); // case matters
    EXPECT_EQ(-1, t.FindIndex(L"A"));
    EXPECT_EQ(-1, t.FindIndex(nullptr));
    CStringArray col;
    col.Add(L"stale");
    EXPECT_FALSE(t.GetValuesByField(L"z", col));
    EXPECT_EQ(0, col.GetSize());
    t.Load(names, values, -2); // a negative row count never loads
    EXPECT_EQ(2L, t.GetRows());

    CQRecords copy(t), assigned;
    assigned = t;
    values.Add(L"z");
    t.LoadValues(values, 2); // 7 values for 3 columns: ignored
    EXPECT_EQ(2L, t.GetRows());
    t.UnLoadValues();
    EXPECT_EQ(3, t.GetCols());
    EXPECT_TRUE(t.GetValuesByField(L"a", col)); // a field without rows
    EXPECT_EQ(0, col.GetSize());
    t.UnLoad();
    EXPECT_FALSE(t.GetValuesByField(L"a", col));
    EXPECT_TRUE(copy.GetValuesByField(L"c", v, 1)); // copies keep their own values
    EXPECT_STREQ(L"5", v);
    assigned.GetValues(col);
    EXPECT_EQ(6, col.GetSize());

    Names(names, {L"a", L"a"});
    Names(values, {L"x", L"y", L"z", L"w"});
    t.Load(names, values, 2);
    EXPECT_TRUE(t.GetValuesByField(L"a", v, 1));
    EXPECT_STREQ(L"z", v); // the first of two equal names
}
