// CQRecord, CQRecordX and CQRecords driven by a script of operations read from the input, each
// followed by a comparison of the whole object with a model kept in plain vectors. Names and
// values reach the records through guarded buffers.
//
// Input: one byte picks an operation, the following bytes its arguments: a name (from a small pool
// with case variants, or a text of the input), a value, a flag, an index or a row count (boundary
// numbers among them).
#include "fuzz.h"

#include "util/QRecord.h"

#include <climits>
#include <cwchar>

namespace
{
using qfuzz::C;
using qfuzz::GuardedBuffer;
using qfuzz::Mismatch;
using qfuzz::W;

// The input read from the front; past its end every read gives zeros.
class Script
{
public:
    explicit Script(const qfuzz::Bytes& b) : m_b(b) {}
    bool More() const { return m_pos < m_b.size(); }
    unsigned Byte() { return m_pos < m_b.size() ? (unsigned char)m_b[m_pos++] : 0; }
    std::wstring Text()
    {
        size_t n = Byte() % 24;
        size_t begin = m_pos;
        m_pos = std::min(m_b.size(), m_pos + n);
        return qfuzz::DecodeText(m_b, begin, m_pos);
    }
    std::wstring Name()
    {
        static const wchar_t* kNames[] = {L"Name", L"NAME", L"name", L"Id", L"id",
                                          L"X",    L"",     L"长度", L"a b"};
        unsigned b = Byte();
        return b < 200 ? kNames[b % 9] : Text();
    }
    long Number()
    {
        static const long kBounds[] = {-1, 0, 1, 2, 3, LONG_MAX, LONG_MIN, 0x40000000, 65536};
        unsigned b = Byte();
        return b < 180 ? (long)(b % 6) : kBounds[b % 9];
    }

private:
    const qfuzz::Bytes& m_b;
    size_t m_pos = 0;
};

bool NoCaseEqual(const std::wstring& a, const std::wstring& b)
{
    return _wcsicmp(a.c_str(), b.c_str()) == 0;
}
bool CaseEqual(const std::wstring& a, const std::wstring& b)
{
    return wcscmp(a.c_str(), b.c_str()) == 0;
}

template <class Eq> int FindName(const std::vector<std::wstring>& names, const std::wstring& name, Eq eq)
{
    for (size_t i = 0; i < names.size(); i++)
        if (eq(names[i], name))
            return (int)i;
    return -1;
}

std::vector<std::wstring> ToVector(const CStringArray& arr)
{
    std::vector<std::wstring> out;
    for (INT_PTR i = 0; i < arr.GetSize(); i++)
        out.push_back(W(arr[i]));
    return out;
}

void ToArray(const std::vector<std::wstring>& v, CStringArray& arr)
{
    arr.RemoveAll();
    for (const std::wstring& s : v)
        arr.Add(C(s));
}

// A variant as text: its type and its value.
std::wstring Describe(const _variant_t& v)
{
    if (v.vt == VT_BSTR)
        return L"s:" + std::wstring(v.bstrVal ? v.bstrVal : L"", v.bstrVal ? ::SysStringLen(v.bstrVal) : 0);
    if (v.vt == VT_I4)
        return L"i:" + std::to_wstring(v.lVal);
    return L"t:" + std::to_wstring(v.vt);
}

struct RecordModel
{
    std::vector<std::wstring> names, values;
};

class CRecordsReader : public qfuzz::Reader
{
public:
    std::string Run(const qfuzz::Bytes& input) override
    {
        Script in(input);
        CQRecord rec;
        RecordModel mrec;
        CQRecordX recx;
        RecordModel mrecx; // values as Describe() gives them
        CQRecords table;
        std::vector<std::wstring> tnames, tvalues;
        long nRows = 0;

        for (int nOp = 0; in.More() && nOp < 400; nOp++)
        {
            unsigned op = in.Byte() % 16;
            std::wstring name = in.Name();
            GuardedBuffer gName(name);
            switch (op)
            {
            case 0: // CQRecord::SetValue
            {
                std::wstring value = in.Text();
                int bAdd = (int)(in.Byte() % 3) - 1;
                GuardedBuffer gValue(value);
                int nGot = rec.SetValue(gName.Str(), gValue.Str(), bAdd);
                int i = FindName(mrec.names, name, NoCaseEqual);
                if (i >= 0)
                    mrec.values[i] = value.c_str();
                else if (bAdd != 0)
                {
                    mrec.names.push_back(name.c_str());
                    mrec.values.push_back(value.c_str());
                    i = (int)mrec.names.size() - 1;
                }
                if (nGot != i)
                    return Mismatch("CQRecord::SetValue", i, nGot);
                break;
            }
            case 1: // CQRecord::GetValue by name
            {
                CString out = L"stale";
                int nGot = rec.GetValue(gName.Str(), out);
                int i = FindName(mrec.names, name, NoCaseEqual);
                if (nGot != i)
                    return Mismatch("CQRecord::GetValue index", i, nGot);
                if (W(out) != (i >= 0 ? mrec.values[i] : L""))
                    return Mismatch("CQRecord::GetValue", i >= 0 ? mrec.values[i] : L"", W(out));
                break;
            }
            case 2: // RemoveField of both records
            {
                int i = FindName(mrec.names, name, NoCaseEqual), nGot = rec.RemoveField(gName.Str());
                if (nGot != i)
                    return Mismatch("CQRecord::RemoveField", i, nGot);
                if (i >= 0)
                {
                    mrec.names.erase(mrec.names.begin() + i);
                    mrec.values.erase(mrec.values.begin() + i);
                }
                int j = FindName(mrecx.names, name, CaseEqual);
                nGot = recx.RemoveField(gName.Str());
                if (nGot != j)
                    return Mismatch("CQRecordX::RemoveField", j, nGot);
                if (j >= 0)
                {
                    mrecx.names.erase(mrecx.names.begin() + j);
                    mrecx.values.erase(mrecx.values.begin() + j);
                }
                break;
            }
            case 3: // index look-ups, inside and outside
            {
                long k = in.Number();
                bool bInside = k >= 0 && k < (long)mrec.names.size();
                bool bThrew = false;
                CString f, v;
                try
                {
                    f = rec.GetField((int)k);
                    v = rec.GetValue((int)k);
                }
                catch (CInvalidArgException* e)
                {
                    e->Delete();
                    bThrew = true;
                }
                if (bThrew == bInside)
                    return Mismatch("CQRecord index look-up threw", !bInside, bThrew);
                if (bInside && (W(f) != mrec.names[k] || W(v) != mrec.values[k]))
                    return Mismatch("CQRecord::GetField/GetValue", mrec.names[k] + L"=" + mrec.values[k],
                                    W(f) + L"=" + W(v));
                break;
            }
            case 4: // reset, remove all, rebuild from names, copies
            {
                unsigned how = in.Byte() % 4;
                if (how == 0)
                {
                    rec.ResetValues();
                    for (auto& v : mrec.values)
                        v.clear();
                    recx.ResetValues();
                    for (auto& v : mrecx.values)
                        v = L"s:";
                }
                else if (how == 1)
                {
                    rec.RemoveAll();
                    mrec = RecordModel();
                }
                else if (how == 2)
                {
                    CStringArray names;
                    ToArray(tnames, names);
                    rec = CQRecord(names);
                    recx = CQRecordX(names);
                    mrec.names = mrecx.names = tnames;
                    mrec.values.assign(tnames.size(), L"");
                    mrecx.values.assign(tnames.size(), L"t:0");
                }
                else
                {
                    CQRecord copy(rec);
                    rec = copy;
                    CQRecordX copyx(recx);
                    recx = copyx;
                    CQRecords copyt(table);
                    table = copyt;
                }
                break;
            }
            case 5: // PickUpData over two records
            {
                std::vector<std::wstring> pick = {name, in.Name(), in.Name()};
                pick.resize(in.Byte() % 4);
                CStringArray names;
                ToArray(pick, names);
                CArray<CQRecord, CQRecord&> src, out;
                src.Add(rec);
                if (in.Byte() & 1)
                    src.Add(rec);
                BOOL bOk = CQRecord::PickUpData(names, src, out);
                if (!!bOk != !pick.empty())
                    return Mismatch("PickUpData result", !pick.empty(), !!bOk);
                if (out.GetSize() != (bOk ? src.GetSize() : 0))
                    return Mismatch("PickUpData records", bOk ? src.GetSize() : 0, out.GetSize());
                for (INT_PTR r = 0; r < out.GetSize(); r++)
                {
                    std::vector<std::wstring> en, ev;
                    for (const std::wstring& p : pick)
                    {
                        if (FindName(en, p, NoCaseEqual) >= 0)
                            continue;
                        en.push_back(p.c_str());
                        int i = FindName(mrec.names, p, NoCaseEqual);
                        ev.push_back(i >= 0 ? mrec.values[i] : L"");
                    }
                    CStringArray gn, gv;
                    out[r].Fields(gn);
                    out[r].Values(gv);
                    if (ToVector(gn) != en || ToVector(gv) != ev)
                        return "PickUpData: names or values differ from the model";
                }
                break;
            }
            case 6: // CQRecordX::SetValue with a string or a number
            {
                _variant_t var;
                std::wstring value = in.Text();
                if (in.Byte() & 1)
                    var = (long)in.Number();
                else
                    var = _bstr_t(C(value).GetString());
                int bAdd = (int)(in.Byte() % 2);
                int nGot = recx.SetValue(gName.Str(), var, bAdd);
                int i = FindName(mrecx.names, name, CaseEqual);
                if (i >= 0)
                    mrecx.values[i] = Describe(var);
                else if (bAdd)
                {
                    mrecx.names.push_back(name.c_str());
                    mrecx.values.push_back(Describe(var));
                    i = (int)mrecx.names.size() - 1;
                }
                if (nGot != i)
                    return Mismatch("CQRecordX::SetValue", i, nGot);
                break;
            }
            case 7: // CQRecordX::GetValue
            {
                _variant_t out(L"stale");
                int nGot = recx.GetValue(gName.Str(), out);
                int i = FindName(mrecx.names, name, CaseEqual);
                if (nGot != i)
                    return Mismatch("CQRecordX::GetValue index", i, nGot);
                std::wstring expected = i >= 0 ? mrecx.values[i] : L"t:0";
                if (Describe(out) != expected)
                    return Mismatch("CQRecordX::GetValue", expected, Describe(out));
                break;
            }
            case 8: // CQRecords::Load, sizes matching or not
            case 9:
            {
                std::vector<std::wstring> names;
                for (unsigned n = in.Byte() % 5; n > 0; n--)
                    names.push_back(in.Name());
                if (op == 8 && names.empty())
                    names.push_back(name);
                long rows = in.Number();
                long long nValues =
                    (long long)(op == 8 ? names.size() : tnames.size()) * (rows > 0 ? rows : 0);
                if (nValues > 64 || (in.Byte() & 3) == 0)
                    nValues = in.Byte() % 8; // mostly a size that does not match
                std::vector<std::wstring> values;
                for (long long v = 0; v < nValues; v++)
                    values.push_back(in.Text());
                CStringArray an, av;
                ToArray(names, an);
                ToArray(values, av);
                if (op == 8)
                {
                    table.Load(an, av, rows);
                    if (rows >= 0 && (long long)values.size() == (long long)names.size() * rows)
                    {
                        tnames = names;
                        tvalues = values;
                        nRows = rows;
                    }
                }
                else
                {
                    table.LoadValues(av, rows);
                    if (rows >= 0 && (long long)values.size() == (long long)tnames.size() * rows)
                    {
                        tvalues = values;
                        nRows = rows;
                    }
                }
                break;
            }
            case 10: // CQRecords::GetValuesByField for one row
            {
                long row = in.Number();
                CString out = L"stale";
                BOOL bOk = table.GetValuesByField(gName.Str(), out, (int)row);
                int i = FindName(tnames, name, CaseEqual);
                bool bExpected = i >= 0 && row >= 0 && row < nRows;
                std::wstring expected = bExpected ? tvalues[(size_t)row * tnames.size() + i] : L"";
                if (!!bOk != bExpected || W(out) != expected)
                    return Mismatch("CQRecords::GetValuesByField(row)", expected, W(out));
                break;
            }
            case 11: // CQRecords::GetValuesByField for every row, FindIndex
            {
                CStringArray out;
                out.Add(L"stale");
                BOOL bOk = table.GetValuesByField(gName.Str(), out);
                int i = FindName(tnames, name, CaseEqual);
                if (table.FindIndex(gName.Str()) != i)
                    return Mismatch("CQRecords::FindIndex", i, table.FindIndex(gName.Str()));
                std::vector<std::wstring> expected;
                for (long r = 0; i >= 0 && r < nRows; r++)
                    expected.push_back(tvalues[(size_t)r * tnames.size() + i]);
                if (!!bOk != (i >= 0) || ToVector(out) != expected)
                    return Mismatch("CQRecords::GetValuesByField(all rows) count", (long long)expected.size(),
                                    out.GetSize());
                break;
            }
            case 12:
                if (in.Byte() & 1)
                {
                    table.UnLoad();
                    tnames.clear();
                }
                else
                    table.UnLoadValues();
                tvalues.clear();
                nRows = 0;
                break;
            default: // a name used only to be looked up
            {
                CString out;
                if (rec.GetValue(gName.Str(), out) != FindName(mrec.names, name, NoCaseEqual))
                    return "CQRecord::GetValue of a looked-up name";
                break;
            }
            }
            std::string strState = Compare(rec, mrec, recx, mrecx, table, tnames, tvalues, nRows);
            if (!strState.empty())
                return strState + " (after operation " + std::to_string(nOp) + ")";
        }
        return "";
    }

    size_t MaxSize() const override { return 1024; }

private:
    static std::string Compare(const CQRecord& rec, const RecordModel& mrec, const CQRecordX& recx,
                               const RecordModel& mrecx, const CQRecords& table,
                               const std::vector<std::wstring>& tnames,
                               const std::vector<std::wstring>& tvalues, long nRows)
    {
        CStringArray n, v;
        rec.Fields(n);
        rec.Values(v);
        if (rec.Cols() != (int)mrec.names.size() || ToVector(n) != mrec.names || ToVector(v) != mrec.values)
            return Mismatch("CQRecord columns", (long long)mrec.names.size(), rec.Cols());
        CQRecordX::CVariantArray xv;
        recx.Fields(n);
        recx.Values(xv);
        if (recx.Cols() != (int)mrecx.names.size() || ToVector(n) != mrecx.names ||
            xv.GetSize() != (INT_PTR)mrecx.values.size())
            return Mismatch("CQRecordX columns", (long long)mrecx.names.size(), recx.Cols());
        for (INT_PTR i = 0; i < xv.GetSize(); i++)
            if (Describe(xv[i]) != mrecx.values[i])
                return Mismatch("CQRecordX value", mrecx.values[i], Describe(xv[i]));
        table.GetFields(n);
        table.GetValues(v);
        if (table.GetCols() != (int)tnames.size() || table.GetRows() != nRows || ToVector(n) != tnames ||
            ToVector(v) != tvalues)
            return Mismatch("CQRecords shape (rows)", nRows, table.GetRows());
        return "";
    }
};

} // namespace

QFUZZ_READER(CRecordsReader, Records)
