// Element lists and the string helpers of CQStringMgr, against a reference walk written from the
// documented rules: the first occurrence of the separator (searched as a C string, so up to the
// next NUL) ends an element, the rest of the text is the last one; re-joining drops leading
// empty elements and the trailing separator.
//
// Input: text (see DecodeText) cut at U+0001 into the list, the separator, an item and a number.
#include "fuzz.h"

#include "util/QStringMgr.h"

#include <cwchar>

namespace
{
using qfuzz::C;
using qfuzz::Mismatch;
using qfuzz::W;

struct RefElement
{
    size_t nStart, nLen, nRest; // the element, and where the unwalked rest begins after it
};

// The separator as the walk matches it: up to its first NUL.
std::wstring Matched(const std::wstring& sep)
{
    return sep.substr(0, sep.find(L'\0'));
}

std::vector<RefElement> RefWalk(const std::wstring& s, const std::wstring& sep)
{
    std::wstring p = Matched(sep);
    std::vector<RefElement> out;
    size_t pos = 0, nLimit = 0;
    while (pos < s.size())
    {
        if (nLimit < pos || pos == 0)
            nLimit = std::min(s.find(L'\0', pos), s.size()); // the search stops at a NUL
        size_t hit = p.empty() ? std::wstring::npos : s.find(p, pos);
        if (hit == std::wstring::npos || hit + p.size() > nLimit)
        {
            out.push_back({pos, s.size() - pos, s.size()});
            break;
        }
        out.push_back({pos, hit - pos, hit + p.size()});
        pos = hit + p.size();
    }
    return out;
}

// CString::Compare equality: as C strings.
bool CEqual(const std::wstring& a, const std::wstring& b)
{
    return wcscmp(a.c_str(), b.c_str()) == 0;
}

// Re-joining: the separator goes before an element only when the result is not empty.
void AppendJoined(std::wstring& out, const std::wstring& elem, const std::wstring& sep)
{
    if (!out.empty())
        out += sep;
    out += elem;
}

// The number part as _wtoi reads it (boundary texts clamp).
int NumberOf(const std::wstring& s)
{
    return _wtoi(s.c_str());
}

class CElementsReader : public qfuzz::Reader
{
public:
    std::string Run(const qfuzz::Bytes& input) override
    {
        std::wstring text = qfuzz::DecodeText(input, 0, input.size());
        std::vector<std::wstring> parts;
        size_t start = 0;
        for (;;)
        {
            size_t cut = text.find(L'\x01', start);
            parts.push_back(text.substr(start, cut == std::wstring::npos ? std::wstring::npos : cut - start));
            if (cut == std::wstring::npos)
                break;
            start = cut + 1;
        }
        parts.resize(std::max<size_t>(parts.size(), 4));
        const std::wstring& s = parts[0];
        // without any U+0001 the whole text is the list, with a comma as the separator
        std::wstring sep = text.find(L'\x01') == std::wstring::npos ? std::wstring(L",") : parts[1];
        const std::wstring& item = parts[2];
        const int nNumber = NumberOf(parts[3]);

        std::vector<RefElement> ref = RefWalk(s, sep);
        std::vector<std::wstring> elems;
        for (const RefElement& e : ref)
            elems.push_back(s.substr(e.nStart, e.nLen));
        const CString S = C(s), P = C(sep), I = C(item);

        // counting, splitting, taking elements off one by one
        int nCount = CQStringMgr::GetElementCount(S, P);
        if (nCount != (int)elems.size())
            return Mismatch("GetElementCount", (long long)elems.size(), nCount);
        CStringArray arr;
        CQStringMgr::StringToArray(S, arr, P);
        if (arr.GetSize() != (INT_PTR)elems.size())
            return Mismatch("StringToArray size", (long long)elems.size(), arr.GetSize());
        for (size_t i = 0; i < elems.size(); i++)
            if (W(arr[i]) != elems[i])
                return Mismatch("StringToArray element", elems[i], W(arr[i]));
        // taking elements off one by one copies the rest each time: long lists on their first ones
        const size_t nTaken = std::min<size_t>(elems.size(), 200);
        CString rest = S, got;
        for (size_t i = 0; i < nTaken; i++)
        {
            if (!CQStringMgr::GetElementItem(rest, got, P) || W(got) != elems[i])
                return Mismatch("GetElementItem", elems[i], W(got));
            if (W(rest) != s.substr(ref[i].nRest))
                return Mismatch("GetElementItem rest", s.substr(ref[i].nRest), W(rest));
        }
        got = L"unchanged";
        if (nTaken == elems.size() && (CQStringMgr::GetElementItem(rest, got, P) || got != L"unchanged"))
            return "GetElementItem on an empty list took something";

        // look-ups by value and by index, the boundary indices among them
        int nIndex = -1;
        for (size_t i = 0; i < elems.size() && nIndex < 0; i++)
            if (CEqual(elems[i], item))
                nIndex = (int)i;
        if (CQStringMgr::GetElementIndex(S, I, P) != nIndex)
            return Mismatch("GetElementIndex", nIndex, CQStringMgr::GetElementIndex(S, I, P));
        if (!!CQStringMgr::ExistElementItem(S, I, P) != (nIndex >= 0))
            return Mismatch("ExistElementItem", nIndex >= 0, !(nIndex >= 0));
        const int indices[] = {-1, 0, nCount - 1, nCount, nNumber, INT_MIN, INT_MAX};
        for (int k : indices)
        {
            CString strItem = L"old";
            BOOL bOk = CQStringMgr::GetElementItemByIndex(S, k, strItem, P);
            bool bIn = k >= 0 && k < nCount;
            if (!!bOk != bIn || W(strItem) != (bIn ? elems[k] : std::wstring()))
                return Mismatch("GetElementItemByIndex", bIn ? elems[k] : L"", W(strItem));
        }

        // deleting: the elements before the match re-joined, then the unwalked rest
        {
            std::wstring expected = s;
            if (!item.empty())
            {
                std::wstring joined;
                bool bFound = false;
                for (size_t i = 0; i < elems.size() && !bFound; i++)
                {
                    if (CEqual(elems[i], item))
                    {
                        std::wstring tail = s.substr(ref[i].nRest);
                        expected = joined.empty() ? tail : joined + sep + tail;
                        bFound = true;
                    }
                    else
                        AppendJoined(joined, elems[i], sep);
                }
                if (!bFound)
                    expected = joined;
            }
            CString strDel = S;
            CQStringMgr::DelElementItem(strDel, I, P);
            if (W(strDel) != expected)
                return Mismatch("DelElementItem", expected, W(strDel));
        }

        // replacing: inside the list as documented; beyond it the value must land at the index
        for (int k : {0, nCount - 1, nCount, nCount + 2, nNumber % 64})
        {
            if (k < 0)
                continue;
            CString strSet = S;
            CQStringMgr::SetElement(strSet, k, I, P);
            if (k < nCount)
            {
                std::wstring joined, tail = s.substr(ref[k].nRest);
                for (int i = 0; i < k; i++)
                    AppendJoined(joined, elems[i], sep);
                std::wstring expected = joined.empty() ? item + sep + tail : joined + sep + item + sep + tail;
                if (W(strSet) != expected)
                    return Mismatch("SetElement", expected, W(strSet));
            }
            else if (sep.size() == 1 && sep[0] != 0 && s.find(L'\0') == std::wstring::npos && !item.empty() &&
                     item.find(sep[0]) == std::wstring::npos && item.find(L'\0') == std::wstring::npos)
            {
                CString strAt;
                CQStringMgr::GetElementItemByIndex(strSet, k, strAt, P);
                if (W(strAt) != item)
                    return Mismatch("SetElement beyond the end, then the element at the index", item,
                                    W(strAt));
            }
        }

        // re-joining an array
        {
            CStringArray arrParts;
            std::wstring expected;
            for (const std::wstring& e : elems)
            {
                arrParts.Add(C(e));
                AppendJoined(expected, e, sep);
            }
            CString joined;
            CQStringMgr::ArrayToString(arrParts, joined, P);
            if (W(joined) != expected)
                return Mismatch("ArrayToString", expected, W(joined));
        }
        return RunEdits(s, item, nNumber);
    }

    int Unit() const override { return 1; }

private:
    // Insert, Remove, CutEndChar, Repeat and the number helpers with the input's number as an
    // index or count: never more than documented, never outside the string.
    std::string RunEdits(const std::wstring& s, const std::wstring& sub, int n)
    {
        const CString S = C(s);
        for (int k : {n, -1, 0, (int)s.size(), (int)s.size() + 1, INT_MAX, INT_MIN})
        {
            CString str = S, strSub = C(sub);
            CQStringMgr::Insert(str, strSub, k);
            std::wstring expected = k >= 0 && k <= (int)s.size() ? s.substr(0, k) + sub + s.substr(k) : s;
            if (W(str) != expected)
                return Mismatch("Insert", expected, W(str));

            str = S;
            CQStringMgr::Remove(str, k, n);
            int nEnd = n < 0 ? k : std::min(n, (int)s.size());
            expected = k < 0 || k >= nEnd ? s : s.substr(0, k) + s.substr(nEnd);
            if (W(str) != expected)
                return Mismatch("Remove(start, end)", expected, W(str));

            str = S;
            CQStringMgr::CutEndChar(str, k);
            expected = k >= (int)s.size() ? std::wstring() : k <= 0 ? s : s.substr(0, s.size() - k);
            if (W(str) != expected)
                return Mismatch("CutEndChar", expected, W(str));

            int nRepeat = k % 50;
            CString rep = CQStringMgr::Repeat(C(sub), nRepeat);
            if ((int)rep.GetLength() != (nRepeat > 0 ? nRepeat * (int)sub.size() : 0))
                return Mismatch("Repeat length", nRepeat > 0 ? nRepeat * (long long)sub.size() : 0,
                                rep.GetLength());
        }
        if (s.size() < 4096 && !sub.empty() && sub.find(L'\0') == std::wstring::npos)
        {
            CString str = S;
            CQStringMgr::RemoveAll(str, C(sub));
            if (wcsstr(str.GetString(), sub.c_str()) != nullptr)
                return Mismatch("RemoveAll left an occurrence", L"", W(str));
        }

        // numbers: the documented character rules, and formatting that stays bounded
        BOOL bNumber = CQStringMgr::IsNumberVal(S);
        bool bExpected = !s.empty();
        int nPoints = 0;
        for (size_t i = 0; i < s.size() && bExpected; i++)
        {
            wchar_t c = s[i];
            if (c == L'.')
                bExpected = ++nPoints == 1;
            else if (c == L'-')
                bExpected = i == 0;
            else
                bExpected = c >= L'0' && c <= L'9';
        }
        if (bExpected && s != L"0")
            bExpected = !(s[0] == L'0' && nPoints == 0) && s.back() != L'.';
        if (!!bNumber != bExpected)
            return Mismatch(("IsNumberVal of " + std::string(CW2CT(s))).c_str(), bExpected, !!bNumber);
        CString strPrec = CQStringMgr::PrecisionByNum(S, n, n & 1);
        if (n < 0 && strPrec != CQStringMgr::PrecisionByNum(S, 6, n & 1))
            return Mismatch("PrecisionByNum with a negative digit count (the default, 6)",
                            W(CQStringMgr::PrecisionByNum(S, 6, n & 1)), W(strPrec));
        if (strPrec.GetLength() > 1500)
            return Mismatch("PrecisionByNum length", 1500, strPrec.GetLength());
        CString strGen = CQStringMgr::PrecisionByNum(_wtof(s.c_str()), n, n & 2);
        if (strGen.GetLength() > 1500)
            return Mismatch("PrecisionByNum(double) length", 1500, strGen.GetLength());
        CString strOpt = S;
        CQStringMgr::OptimizeByNum(strOpt);
        CQStringMgr::IsInteger(S);
        return "";
    }

    // A short, printable form of a text for messages.
    struct CW2CT
    {
        explicit CW2CT(const std::wstring& s)
        {
            for (wchar_t c : s.substr(0, 40))
                str += c >= 0x20 && c < 0x7F ? (char)c : '?';
        }
        operator std::string() const { return str; }
        std::string str;
    };
};

} // namespace

QFUZZ_READER(CElementsReader, Elements)
