// CQGridCtrl::Load over any file: the grid it builds is compared with a reference reading of the
// documented format (text mode: CR LF is one line feed, Ctrl-Z ends the file; pieces of at most
// 1023 characters; a piece's fields run to the next comma, and the piece ends at a line feed or a
// NUL). One input in four is read in the Chinese code page, where only the grid's consistency is
// checked.
//
// Input: the file's bytes.
#include "fuzz.h"

#include "qctl.h"
#include "testwin.h"

#include <clocale>

namespace
{
using qfuzz::Mismatch;

// The file as the C locale's text mode reads it, one character per byte.
std::wstring TextModeRead(const qfuzz::Bytes& b)
{
    std::wstring out;
    for (size_t i = 0; i < b.size(); i++)
    {
        unsigned char c = (unsigned char)b[i];
        if (c == 0x1A)
            break;
        if (c == '\r' && i + 1 < b.size() && b[i + 1] == '\n')
            continue;
        out += (wchar_t)c;
    }
    return out;
}

// The fields of each piece the loader reads, pieces without a field left out; the first entry is
// the headings piece (empty when it has none).
std::vector<std::vector<std::wstring>> RefPieces(const std::wstring& text)
{
    std::vector<std::vector<std::wstring>> out;
    size_t pos = 0;
    bool bFirst = true;
    while (pos < text.size())
    {
        size_t end = pos;
        while (end < text.size() && end - pos < 1023 && text[end] != L'\n')
            end++;
        if (end < text.size() && end - pos < 1023)
            end++; // the line feed belongs to the piece
        std::wstring piece = text.substr(pos, end - pos);
        pos = end;
        piece = piece.substr(0, piece.find(L'\0'));
        std::vector<std::wstring> fields;
        if (!piece.empty())
        {
            piece = piece.substr(0, piece.find(L'\n'));
            size_t start = 0;
            for (;;)
            {
                size_t comma = piece.find(L',', start);
                fields.push_back(piece.substr(start, comma == std::wstring::npos ? comma : comma - start));
                if (comma == std::wstring::npos)
                    break;
                start = comma + 1;
            }
        }
        if (bFirst || !fields.empty())
            out.push_back(fields);
        bFirst = false;
    }
    return out;
}

class CGridLoadReader : public qfuzz::Reader
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateTop(500, 400, L"grid load", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN));
        ASSERT_TRUE(m_grid.Create(CRect(0, 0, 480, 380), &m_parent, 1));
        wchar_t szDir[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szDir);
        m_path = std::wstring(szDir) + L"qctl fuzz grid load.csv";
    }
    void TearDown() override
    {
        m_grid.DestroyWindow();
        ::DeleteFileW(m_path.c_str());
    }

    std::string Run(const qfuzz::Bytes& input) override
    {
        qfuzz::GuardedBuffer data(input.data(), input.size());
        HANDLE h =
            ::CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (h == INVALID_HANDLE_VALUE)
            return "cannot write the input file";
        DWORD dw = 0;
        ::WriteFile(h, data.Data(), (DWORD)data.Size(), &dw, NULL);
        ::CloseHandle(h);

        const bool bChinese = qfuzz::Hash(input) % 4 == 0;
        if (bChinese)
            setlocale(LC_ALL, ".936");
        qfuzz::GuardedBuffer name(m_path);
        qtest::CMessageBoxWatcher boxes;
        BOOL bLoaded = m_grid.Load(name.Str());
        if (bChinese)
            setlocale(LC_ALL, "C");
        if (!bLoaded || boxes.Count() != 0)
            return "Load failed on a readable file";

        std::string strWrong = Consistent();
        if (!strWrong.empty() || bChinese)
            return strWrong;

        std::vector<std::vector<std::wstring>> pieces = RefPieces(TextModeRead(input));
        int nCols = pieces.empty() ? 0 : (int)pieces[0].size();
        int nRows = nCols > 0 ? 1 : 0;
        for (size_t i = 1; i < pieces.size(); i++)
            nRows++;
        if (nCols == 0 && pieces.size() > 1)
            nCols = 1; // the first row makes one column
        if (m_grid.GetColumnCount() != nCols)
            return Mismatch("columns", nCols, m_grid.GetColumnCount());
        if (m_grid.GetRowCount() != nRows)
            return Mismatch("rows", nRows, m_grid.GetRowCount());
        int nRow = pieces.empty() || pieces[0].empty() ? 0 : 1;
        if (nRow == 1)
            for (int c = 0; c < nCols; c++)
                if (qfuzz::W(m_grid.GetItemText(0, c)) != pieces[0][c])
                    return Mismatch("heading", pieces[0][c], qfuzz::W(m_grid.GetItemText(0, c)));
        for (size_t i = 1; i < pieces.size(); i++, nRow++)
            for (int c = 0; c < nCols; c++)
            {
                std::wstring expected = c < (int)pieces[i].size() ? pieces[i][c] : L"";
                if (qfuzz::W(m_grid.GetItemText(nRow, c)) != expected)
                    return Mismatch(("cell of row " + std::to_string(nRow)).c_str(), expected,
                                    qfuzz::W(m_grid.GetItemText(nRow, c)));
            }
        return "";
    }

    // Loading sizes every column to its texts, some tens of microseconds a cell under Wine: inputs
    // stay a little longer than one piece (1023 characters), enough for a line read in pieces.
    size_t MaxSize() const override { return 1100; }

private:
    // Every row and column has a size, the fixed counts fit, nothing answers beyond the counts.
    std::string Consistent()
    {
        const int nRows = m_grid.GetRowCount(), nCols = m_grid.GetColumnCount();
        if (nRows < 0 || nCols < 0 || m_grid.GetFixedRowCount() > nRows ||
            m_grid.GetFixedColumnCount() > nCols)
            return "counts out of range";
        for (int r = 0; r < nRows; r++)
            if (m_grid.GetRowHeight(r) < 0)
                return Mismatch("a row without a height", r, m_grid.GetRowHeight(r));
        for (int c = 0; c < nCols; c++)
            if (m_grid.GetColumnWidth(c) < 0)
                return Mismatch("a column without a width", c, m_grid.GetColumnWidth(c));
        if (m_grid.GetRowHeight(nRows) != -1 || m_grid.GetColumnWidth(nCols) != -1 ||
            !m_grid.GetItemText(nRows, 0).IsEmpty() || m_grid.IsValid(nRows, 0))
            return "the grid answers beyond its counts";
        long nHeight = 0;
        for (int r = 0; r < nRows; r++)
            nHeight += m_grid.GetRowHeight(r);
        if (m_grid.GetVirtualHeight() != nHeight)
            return Mismatch("virtual height", nHeight, m_grid.GetVirtualHeight());
        return "";
    }

    qtest::CRecordingWnd m_parent;
    CQGridCtrl m_grid;
    std::wstring m_path;
};

} // namespace

QFUZZ_READER(CGridLoadReader, GridLoad)
