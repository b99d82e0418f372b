// The grid's paste and drop text reader over any CF_TEXT block (terminated or not, NULs inside,
// bytes that are no character of the code page), compared with the documented paste: the text up
// to its first NUL in the ANSI code page, lines at line feeds (an empty line with more text after
// it counts as a space), tokens at runs of tab, comma and line feed, trimmed; only the start cell
// must be editable and nothing beyond the grid is written.
//
// Input: the block's bytes. The start cell, a read-only start cell and paste or drop are chosen
// from the input's hash.
#include "fuzz.h"

#include "qctl.h"
#include "testwin.h"

#include <afxole.h>

#include <cwctype>

namespace
{
using qfuzz::Mismatch;
using qfuzz::W;

const int kRows = 9, kCols = 7;

std::wstring Trim(const std::wstring& s)
{
    size_t b = 0, e = s.size();
    while (b < e && iswspace(s[b]))
        b++;
    while (e > b && iswspace(s[e - 1]))
        e--;
    return s.substr(b, e - b);
}

bool IsDelimiter(wchar_t c)
{
    return c == L'\t' || c == L',' || c == L'\n';
}

class CGridPasteReader : public qfuzz::Reader
{
public:
    void SetUp() override
    {
        AfxOleInit();
        ASSERT_TRUE(m_parent.CreateTop(700, 400, L"grid paste", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN));
        m_grid.SetRowCount(kRows);
        m_grid.SetColumnCount(kCols);
        m_grid.SetFixedRowCount(1);
        m_grid.SetFixedColumnCount(1);
        ASSERT_TRUE(m_grid.Create(CRect(0, 0, 680, 380), &m_parent, 1));
        m_grid.SetEditable(TRUE);
        m_grid.EnableDragAndDrop(TRUE);
    }
    void TearDown() override { m_grid.DestroyWindow(); }

    std::string Run(const qfuzz::Bytes& input) override
    {
        // the grid before: known texts, a selection, perhaps a read-only start cell
        std::wstring before[kRows][kCols];
        m_grid.SetRedraw(FALSE); // the reset is bulk work: one repaint after it, not one a cell
        for (int r = 0; r < kRows; r++)
            for (int c = 0; c < kCols; c++)
            {
                before[r][c] = std::to_wstring(r) + L"." + std::to_wstring(c);
                m_grid.SetItemText(r, c, before[r][c].c_str());
                m_grid.SetItemState(r, c, 0);
            }
        m_grid.SetSelectedRange(1, 1, kRows - 1, kCols - 1);
        m_grid.SetRedraw(TRUE);
        uint64_t h = qfuzz::Hash(input);
        const bool bDrop = (h >> 8) % 3 == 0;
        int nRow = (int)((h >> 16) % (kRows + 1)) - (bDrop ? 0 : 1);
        int nCol = (int)((h >> 24) % (kCols + 1)) - (bDrop ? 0 : 1);
        if (bDrop)
        { // a drop lands on a non-fixed cell under the pointer
            nRow = std::max(1, std::min(nRow, kRows - 1));
            nCol = std::max(1, std::min(nCol, kCols - 1));
        }
        const bool bReadOnly = (h >> 32) % 5 == 0 && m_grid.IsValid(nRow, nCol);
        if (bReadOnly)
            m_grid.SetItemState(nRow, nCol, m_grid.GetItemState(nRow, nCol) | GV_STATE_READONLY);

        // the block, exactly as long as the input (an empty input gives one NUL byte)
        HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, input.empty() ? 1 : input.size());
        if (hBlock == NULL)
            return "no memory for the block";
        memcpy(::GlobalLock(hBlock), input.data(), input.size());
        ::GlobalUnlock(hBlock);
        COleDataSource source;
        source.CacheGlobalData(CF_TEXT, hBlock);
        COleDataObject object;
        object.Attach(source.GetInterface(), FALSE);

        BOOL bDone;
        if (bDrop)
        {
            CRect rc;
            m_grid.GetCellRect(nRow, nCol, &rc);
            CPoint pt = rc.CenterPoint();
            DROPEFFECT effect = m_grid.OnDragEnter(&object, 0, pt);
            bDone = effect != DROPEFFECT_NONE && m_grid.OnDrop(&object, effect, pt);
            if ((m_grid.GetItemState(nRow, nCol) & GV_STATE_DROPTARGET) != 0)
                return "the drop mark stayed";
            if (effect == DROPEFFECT_NONE && !bReadOnly)
                return "an editable cell refused the drop";
        }
        else
            bDone = m_grid.PasteTextToGrid(CQCellID(nRow, nCol), &object);

        // the expected grid
        const bool bAccepted = m_grid.IsValid(nRow, nCol) && !bReadOnly;
        if (!!bDone != bAccepted)
            return Mismatch("paste result", bAccepted, !!bDone);
        std::wstring after[kRows][kCols];
        bool written[kRows][kCols] = {};
        for (int r = 0; r < kRows; r++)
            for (int c = 0; c < kCols; c++)
                after[r][c] = before[r][c];
        if (bAccepted)
        {
            size_t nText = input.find('\0');
            std::string bytes = input.substr(0, nText);
            std::wstring text;
            if (!bytes.empty())
            {
                int n = ::MultiByteToWideChar(CP_THREAD_ACP, 0, bytes.data(), (int)bytes.size(), NULL, 0);
                text.resize(n);
                ::MultiByteToWideChar(CP_THREAD_ACP, 0, bytes.data(), (int)bytes.size(), &text[0], n);
            }
            size_t start = 0;
            for (int nLine = 0; nRow + nLine < kRows; nLine++)
            {
                size_t lf = text.find(L'\n', start);
                std::wstring line = text.substr(start, lf == std::wstring::npos ? lf : lf - start);
                if (line.empty() && lf != std::wstring::npos)
                    line = L" ";
                int nToken = 0;
                for (size_t i = 0;;)
                {
                    while (i < line.size() && IsDelimiter(line[i]))
                        i++;
                    if (i >= line.size())
                        break;
                    size_t t = i;
                    while (i < line.size() && !IsDelimiter(line[i]))
                        i++;
                    int c = nCol + nToken++;
                    if (c < kCols)
                    {
                        after[nRow + nLine][c] = Trim(line.substr(t, i - t));
                        written[nRow + nLine][c] = true;
                    }
                }
                if (lf == std::wstring::npos)
                    break;
                start = lf + 1;
            }
        }
        if (m_grid.GetRowCount() != kRows || m_grid.GetColumnCount() != kCols)
            return "the paste changed the grid's shape";
        for (int r = 0; r < kRows; r++)
            for (int c = 0; c < kCols; c++)
            {
                std::wstring got = W(m_grid.GetItemText(r, c));
                if (got != after[r][c])
                    return Mismatch(("cell " + std::to_string(r) + "," + std::to_string(c)).c_str(),
                                    after[r][c], got);
                if (written[r][c] && (m_grid.GetItemState(r, c) & GV_STATE_SELECTED))
                    return "a written cell stayed selected";
            }
        return "";
    }

private:
    qtest::CRecordingWnd m_parent;
    CQGridCtrl m_grid;
};

} // namespace

QFUZZ_READER(CGridPasteReader, GridPaste)
