// Rows made by Load: a loaded grid must behave in every respect like one built cell by cell through
// any later edit or shape change.
#include "file.h"

#include <random>

namespace
{
// Builds its cells one by one.
class CellByCellGrid : public FileGrid
{
public:
    CellByCellGrid() { SetCellsOnDemand(FALSE); }
};

class LoadedRowsTest : public testing::Test
{
protected:
    CTempDir m_dir;
};

std::string Narrow(const CString& str)
{
    std::string s;
    for (int i = 0; i < str.GetLength(); i++)
        s += (str[i] >= 0x20 && str[i] < 0x7F) ? (char)str[i] : '?';
    return s;
}

// Everything a caller can read about the two grids, cell by cell.
::testing::AssertionResult SameGrids(CQGridCtrl& a, CQGridCtrl& b)
{
    if (a.GetRowCount() != b.GetRowCount() || a.GetColumnCount() != b.GetColumnCount())
        return ::testing::AssertionFailure() << "shapes " << a.GetRowCount() << "x" << a.GetColumnCount()
                                             << " and " << b.GetRowCount() << "x" << b.GetColumnCount();
    if (a.GetFixedRowCount() != b.GetFixedRowCount() || a.GetFixedColumnCount() != b.GetFixedColumnCount())
        return ::testing::AssertionFailure() << "fixed counts";
    if (a.GetSelectedCount() != b.GetSelectedCount())
        return ::testing::AssertionFailure()
               << "selected counts " << a.GetSelectedCount() << " and " << b.GetSelectedCount();
    if (a.GetFocusCell().row != b.GetFocusCell().row || a.GetFocusCell().col != b.GetFocusCell().col)
        return ::testing::AssertionFailure() << "focus cells";
    for (int row = 0; row < a.GetRowCount(); row++)
    {
        if (a.GetRowHeight(row) != b.GetRowHeight(row))
            return ::testing::AssertionFailure() << "height of row " << row;
        for (int col = 0; col < a.GetColumnCount(); col++)
        {
            GV_ITEM ia, ib;
            ia.row = ib.row = row;
            ia.col = ib.col = col;
            ia.mask = ib.mask = GV_MASK_TEXT | GV_MASK_IMAGE | GV_MASK_DATA | GV_MASK_STATE |
                                GV_MASK_BKCOLOUR | GV_MASK_FGCOLOUR | GV_MASK_FORMAT | GV_MASK_FONT;
            if (!a.GetItem(&ia) || !b.GetItem(&ib))
                return ::testing::AssertionFailure() << "no item at " << row << "," << col;
            CStringArray la, lb;
            a.GetCellListArray(row, col, la);
            b.GetCellListArray(row, col, lb);
            if (ia.text != ib.text || ia.image != ib.image || ia.data != ib.data || ia.state != ib.state ||
                ia.bkColour != ib.bkColour || ia.fgColour != ib.fgColour || ia.format != ib.format ||
                memcmp(&ia.font, &ib.font, sizeof(LOGFONTW)) != 0 || a.GetItemText(row, col) != ib.text ||
                a.GetItemFormat(row, col) != ib.format || a.GetItemState(row, col) != ib.state ||
                a.GetCellStyle(row, col) != b.GetCellStyle(row, col) ||
                a.GetCellListType(row, col) != b.GetCellListType(row, col) || la.GetSize() != lb.GetSize())
                return ::testing::AssertionFailure()
                       << "cell " << row << "," << col << ": \"" << Narrow(ia.text) << "\" / \""
                       << Narrow(ib.text) << "\", format " << ia.format << " / " << ib.format << ", state "
                       << ia.state << " / " << ib.state;
        }
    }
    for (int col = 0; col < a.GetColumnCount(); col++)
        if (a.GetColumnWidth(col) != b.GetColumnWidth(col))
            return ::testing::AssertionFailure() << "width of column " << col;
    return ::testing::AssertionSuccess();
}
// A random file: lines of random fields, some longer or shorter than the first, texts with
// characters beyond Latin-1 in some lines (the Chinese code page is not needed: those become '?').
std::string RandomFile(std::mt19937& rng)
{
    static const char* const kWords[] = {"",          "a",   "bolt", "Nut 12",        "x y z",
                                         "\xE9t\xE9", "9.5", "-",    "long text here"};
    std::string bytes;
    int nCols = 1 + (int)(rng() % 7);
    int nLines = 1 + (int)(rng() % 25);
    for (int line = 0; line < nLines; line++)
    {
        int nFields = line == 0 ? nCols : 1 + (int)(rng() % (nCols + 2));
        for (int f = 0; f < nFields; f++)
        {
            if (f > 0)
                bytes += ',';
            bytes += kWords[rng() % _countof(kWords)];
        }
        if (line + 1 < nLines || rng() % 2)
            bytes += "\r\n";
    }
    return bytes;
}

CString RandomText(std::mt19937& rng)
{
    static const wchar_t* const kTexts[] = {L"", L"q", L"new text", L"\u4E2D\u6587", L"zz top", L"B"};
    return kTexts[rng() % _countof(kTexts)];
}

// One random edit, done to both grids alike; what it was is appended to what.
void RandomEdit(std::mt19937& rng, CQGridCtrl& a, CQGridCtrl& b, std::string& what)
{
    const int nRows = a.GetRowCount(), nCols = a.GetColumnCount();
    const int row = nRows > 0 ? (int)(rng() % nRows) : 0, col = nCols > 0 ? (int)(rng() % nCols) : 0;
    const int op = (int)(rng() % 16), r2 = nRows > 0 ? (int)(rng() % nRows) : 0,
              c2 = nCols > 0 ? (int)(rng() % nCols) : 0;
    const unsigned n = rng();
    const CString text = RandomText(rng);
    CStringArray items;
    items.Add(L"first choice");
    items.Add(L"second");
    for (CQGridCtrl* g : {&a, &b})
        switch (op)
        {
        case 0: g->SetItemText(row, col, text); break;
        case 1: g->SetItemFormat(row, col, DT_LEFT | (n % 3) * DT_CENTER); break;
        case 2:
            g->SetItemState(row, col, (n % 2 ? GV_STATE_SELECTED : 0) | (n % 4 > 1 ? GV_STATE_READONLY : 0));
            break;
        case 3:
            g->SetItemBkColour(row, col, RGB(row, col, 7));
            g->SetItemData(row, col, row * 100 + col);
            break;
        case 4: // written through the pointer the grid hands out
            if (LOGFONTW* pFont = g->GetItemFont(row, col))
                pFont->lfHeight = -(LONG)(8 + n % 9);
            break;
        case 5: g->InsertRow(text, n % 3 == 0 ? -1 : row); break;
        case 6: g->DeleteRow(row); break;
        case 7: g->InsertColumn(L"col", DT_RIGHT, n % 3 == 0 ? -1 : col); break;
        case 8: g->DeleteColumn(col); break;
        case 9: g->SetRowCount((int)(n % (nRows + 3))); break;
        case 10: g->SetColumnCount(std::max(0, nCols + (int)(n % 3) - 1)); break;
        case 11: g->SortTextItems(col, n % 2); break;
        case 12:
            g->SetSelectedRange(std::min(row, r2), std::min(col, c2), std::max(row, r2), std::max(col, c2));
            break;
        case 13:
            g->SetCellListArray(row, col, items);
            g->SetCellStyle(row, col, 3);
            g->SetCellListType(row, col, L"kind");
            break;
        case 14:
            g->SetFixedRowCount((int)(n % 3));
            g->SetFixedColumnCount((int)(n % 3) % 2);
            break;
        default: // reading never changes anything, whatever was made already
        {
            CQCellID cell(row, col);
            a.GetItemText(row, col);
            a.GetNextItem(cell, GV_NEXT_BELOW | GV_STATE_SELECTED);
            break;
        }
        }
    what += "op " + std::to_string(op) + " at " + std::to_string(row) + "," + std::to_string(col) + " n " +
            std::to_string(n) + "; ";
}
} // namespace

TEST_F(LoadedRowsTest, ALoadedGridBehavesLikeOneBuiltCellByCellThroughAnyEdits)
{
    for (unsigned seed = 1; seed <= 60; seed++)
    {
        std::mt19937 rng(seed);
        CString strPath = m_dir.Path(L"random.csv");
        WriteBytes(strPath, RandomFile(rng));

        FileGrid loaded(2, 2);
        CellByCellGrid built;
        ASSERT_TRUE(loaded.Load(strPath));
        ASSERT_TRUE(built.Load(strPath));
        ASSERT_TRUE(SameGrids(loaded, built)) << "seed " << seed << " after the load";
        ASSERT_TRUE(loaded.Consistent());

        std::string what;
        for (int step = 0; step < 40; step++)
        {
            RandomEdit(rng, loaded, built, what);
            ASSERT_TRUE(SameGrids(loaded, built)) << "seed " << seed << ": " << what;
            ASSERT_TRUE(loaded.Consistent()) << "seed " << seed << ": " << what;
        }
        // A second load replaces everything, made cells and kept texts alike.
        ASSERT_TRUE(loaded.Load(strPath));
        ASSERT_TRUE(built.Load(strPath));
        ASSERT_TRUE(SameGrids(loaded, built)) << "seed " << seed << " after the second load";
        ASSERT_TRUE(loaded.Save(m_dir.Path(L"a.csv")));
        ASSERT_TRUE(built.Save(m_dir.Path(L"b.csv")));
        EXPECT_EQ(ReadBytes(m_dir.Path(L"b.csv")), ReadBytes(m_dir.Path(L"a.csv"))) << seed;
    }
}
