// The sortable list's sort and header strings. SortAllItems(sort string) against a reference
// reading: pieces up to the first empty one, a last character other than a digit taken off ('D'
// descending, anything else ascending), the rest a column index; columns the list has are marked
// in order of their first piece (a later piece only changes the direction). The sort string read
// back lists those marks, and the rows are in that order. SetHeader(header string) on a second
// list: pieces up to the first empty one, each title:width:alignment (width 128 when empty,
// alignment by the first letter of L, C, R; a piece read up to its first NUL), read back column
// by column and as a header string.
//
// Input: text (see DecodeText) cut at U+0001 into the sort string and the header string.
#include "fuzz.h"

#include "listtree/Tsyslistviewex.h"
#include "testwin.h"

#include <commctrl.h>
#include <cwchar>

namespace
{
using qfuzz::C;
using qfuzz::Mismatch;
using qfuzz::W;

const int kRows = 7, kColumns = 4;
const wchar_t* const kTexts[kRows][kColumns] = {
    {L"b", L"2", L"x", L""},  {L"a", L"10", L"x", L"q"}, {L"c", L"1", L"y", L""},  {L"a", L"2", L"", L"q"},
    {L"b", L"x", L"y", L"r"}, {L"a", L"", L"x", L"q"},   {L"c", L"1", L"x", L"r"},
};

std::vector<std::wstring> Pieces(const std::wstring& s)
{
    std::vector<std::wstring> out;
    for (size_t start = 0; start < s.size();)
    {
        size_t comma = s.find(L',', start);
        size_t end = comma == std::wstring::npos ? s.size() : comma;
        if (end == start)
            break;
        out.push_back(s.substr(start, end - start));
        if (comma == std::wstring::npos)
            break;
        start = comma + 1;
    }
    return out;
}

// A column index as the sort string gives it: blanks, a sign, digits; out of int's range is far
// out of the list's range either way.
long long ColumnOf(const std::wstring& s)
{
    size_t i = 0;
    while (i < s.size() && (s[i] == L' ' || s[i] == L'\t'))
        i++;
    bool bNegative = i < s.size() && s[i] == L'-';
    if (i < s.size() && (s[i] == L'-' || s[i] == L'+'))
        i++;
    long long v = 0;
    for (; i < s.size() && s[i] >= L'0' && s[i] <= L'9'; i++)
        v = std::min(v * 10 + (s[i] - L'0'), 1LL << 40);
    return bNegative ? -v : v;
}

class CSortStringsReader : public qfuzz::Reader
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateTop(500, 400, L"sort strings", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN));
        ASSERT_TRUE(Make(m_list, 401, 0));
        ASSERT_TRUE(Make(m_head, 402, 200));
        for (int c = 0; c < kColumns; c++)
            m_list.InsertColumn(c, (L"c" + std::to_wstring(c)).c_str(), LVCFMT_LEFT, 60, c);
        for (int r = 0; r < kRows; r++)
        {
            m_list.InsertItem(r, kTexts[r][0]);
            for (int c = 1; c < kColumns; c++)
                m_list.SetItemText(r, c, kTexts[r][c]);
        }
        m_list.EnableSort(TRUE);
    }
    void TearDown() override
    {
        m_list.DestroyWindow();
        m_head.DestroyWindow();
    }
    size_t MaxSize() const override { return 400; }

    std::string Run(const qfuzz::Bytes& input) override
    {
        std::wstring text = qfuzz::DecodeText(input, 0, input.size());
        size_t cut = text.find(L'\x01');
        std::wstring sort = text.substr(0, cut),
                     header = cut == std::wstring::npos ? L"" : text.substr(cut + 1);
        std::string strWrong = Sort(sort);
        return strWrong.empty() ? Header(header) : strWrong;
    }

private:
    bool Make(CTsyslistviewex& list, UINT nID, int y)
    {
        HWND h = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, y, 480, 190,
                                   m_host.GetSafeHwnd(), (HMENU)(UINT_PTR)nID, NULL, NULL);
        return h != NULL && list.SubclassWindow(h);
    }

    std::string Sort(const std::wstring& sort)
    {
        qfuzz::GuardedBuffer g(sort);
        m_list.SortAllItems(g.Str());
        std::vector<std::pair<int, bool>> marks; // column, ascending
        for (std::wstring piece : Pieces(sort.c_str()))
        {
            bool bAscending = true;
            wchar_t last = piece.back();
            if (last < L'0' || last > L'9')
            {
                bAscending = last != L'D';
                piece.pop_back();
            }
            long long nColumn = ColumnOf(piece);
            if (nColumn < 0 || nColumn >= kColumns)
                continue;
            bool bSeen = false;
            for (auto& m : marks)
                if (m.first == (int)nColumn)
                    m.second = bAscending, bSeen = true;
            if (!bSeen)
                marks.push_back({(int)nColumn, bAscending});
        }
        std::wstring expected;
        for (auto& m : marks)
            expected += (expected.empty() ? L"" : L",") + std::to_wstring(m.first) + (m.second ? L"" : L"D");
        if (W(m_list.GetHeaderSortString()) != expected)
            return Mismatch("sort string read back", expected, W(m_list.GetHeaderSortString()));
        if (m_list.GetItemCount() != kRows)
            return Mismatch("rows after sorting", kRows, m_list.GetItemCount());
        for (int r = 0; r + 1 < kRows; r++)
            for (auto& m : marks)
            {
                int n = wcscmp(m_list.GetItemText(r, m.first), m_list.GetItemText(r + 1, m.first));
                if (n == 0)
                    continue;
                if ((n < 0) != m.second)
                    return "rows " + std::to_string(r) + " and " + std::to_string(r + 1) + " out of order";
                break;
            }
        return "";
    }

    std::string Header(const std::wstring& header)
    {
        if (!CTsyslistviewex::SetHeader(&m_head, C(header)))
            return "SetHeader failed";
        std::vector<std::wstring> pieces = Pieces(header);
        std::wstring expected;
        int c = 0;
        for (; c < (int)pieces.size(); c++)
        {
            // a piece is split into its fields as a C string: up to its first NUL
            const std::wstring piece = pieces[c].c_str();
            std::wstring parts[3];
            size_t start = 0;
            for (int k = 0; k < 3 && start <= piece.size(); k++)
            {
                size_t colon = piece.find(L':', start);
                parts[k] = piece.substr(start, colon == std::wstring::npos ? colon : colon - start);
                start = colon == std::wstring::npos ? piece.size() + 1 : colon + 1;
            }
            const std::wstring& title = parts[0];
            wchar_t align = parts[2].empty() ? L'L' : parts[2][0];
            if (align != L'C' && align != L'R')
                align = L'L';
            wchar_t szTitle[260] = L"";
            LVCOLUMNW col = {};
            col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
            col.pszText = szTitle;
            col.cchTextMax = 260;
            if (!m_head.GetColumn(c, &col))
                return Mismatch("columns", (long long)pieces.size(), c);
            if (title.size() < 259 && szTitle != title)
                return Mismatch(("title of column " + std::to_string(c)).c_str(), title, szTitle);
            const std::wstring& width = parts[1];
            bool bPlain = width.size() <= 4 && width.find_first_not_of(L"0123456789") == std::wstring::npos;
            int nWidth = width.empty() ? 128 : bPlain ? std::stoi(width) : col.cx;
            if (col.cx != nWidth)
                return Mismatch(("width of column " + std::to_string(c)).c_str(), nWidth, col.cx);
            if (c > 0 && (wchar_t)L"LRC"[col.fmt & 3] != align)
                return Mismatch(("alignment of column " + std::to_string(c)).c_str(), std::wstring(1, align),
                                std::wstring(1, L"LRC"[col.fmt & 3]));
            expected +=
                std::wstring(szTitle) + L":" + std::to_wstring(col.cx) + L":" + L"LRC"[col.fmt & 3] + L",";
        }
        if (m_head.GetHeaderCtrl() != nullptr && m_head.GetHeaderCtrl()->GetItemCount() != c)
            return Mismatch("columns", c, m_head.GetHeaderCtrl()->GetItemCount());
        if (!expected.empty())
            expected.pop_back();
        if (W(m_head.GetHeaderString()) != expected)
            return Mismatch("header string read back", expected, W(m_head.GetHeaderString()));
        return "";
    }

    qtest::CRecordingWnd m_host;
    CTsyslistviewex m_list, m_head;
};

} // namespace

QFUZZ_READER(CSortStringsReader, SortStrings)
