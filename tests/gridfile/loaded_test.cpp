// Rows made by Load: a loaded grid must read in every respect like one built cell by cell, and what
// it saves loads back (later edits of grids whose cells are made on demand are checked against the
// seeded model).
#include "file.h"

#include <random>

namespace
{
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
                       << "cell " << row << "," << col << ": \"" << (LPCWSTR)ia.text << "\" / \""
                       << (LPCWSTR)ib.text << "\", format " << ia.format << " / " << ib.format << ", state "
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
    static const char* const kWords[] = {"",    "a", "bolt",           "Nut 12", "x y z",     "\xE9t\xE9\xFF",
                                         "9.5", "-", "long text here", "t\tab",  "q\"u'o;t:e"};
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

} // namespace

TEST_F(GridFileTest, ALoadedGridReadsLikeOneBuiltCellByCell)
{
    for (unsigned seed = 1; seed <= 60; seed++)
    {
        std::mt19937 rng(seed);
        CString strPath = m_dir.Path(L"random.csv");
        WriteBytes(strPath, RandomFile(rng));

        FileGrid loaded(2, 2), built; // built makes its cells one by one
        built.SetCellsOnDemand(FALSE);
        ASSERT_TRUE(loaded.Load(strPath));
        ASSERT_TRUE(built.Load(strPath));
        ASSERT_TRUE(SameGrids(loaded, built)) << "seed " << seed << " after the load";
        ASSERT_TRUE(loaded.Consistent());

        // reading makes no cell, asking for one makes it as the other grid has it
        const int nCreated = loaded.m_nCreated;
        loaded.GetItemText(1, 0);
        ASSERT_EQ(nCreated, loaded.m_nCreated);
        if (loaded.GetRowCount() > 1 && loaded.GetColumnCount() > 1)
        {
            loaded.GetCell(1, 1)->m_nFormat = DT_RIGHT;
            built.GetCell(1, 1)->m_nFormat = DT_RIGHT;
            loaded.InsertRow(L"new", 2);
            built.InsertRow(L"new", 2);
            ASSERT_TRUE(SameGrids(loaded, built)) << "seed " << seed << " after a row below a made cell";
        }
        // A second load replaces everything, made cells and kept texts alike.
        ASSERT_TRUE(loaded.Load(strPath));
        ASSERT_TRUE(built.Load(strPath));
        ASSERT_TRUE(SameGrids(loaded, built)) << "seed " << seed << " after the second load";
        ASSERT_TRUE(loaded.Save(m_dir.Path(L"a.csv")));
        ASSERT_TRUE(built.Save(m_dir.Path(L"b.csv")));
        EXPECT_EQ(ReadBytes(m_dir.Path(L"b.csv")), ReadBytes(m_dir.Path(L"a.csv"))) << seed;
        // loaded again, the saved grid comes back one row lower, below a headings line
        FileGrid again;
        ASSERT_TRUE(again.Load(m_dir.Path(L"a.csv")));
        ASSERT_EQ(loaded.GetRowCount() + 1, again.GetRowCount()) << seed;
        EXPECT_EQ(loaded.Row(0), again.Row(0)) << seed;
        for (int row = 0; row < loaded.GetRowCount(); row++)
            EXPECT_EQ(loaded.Row(row), again.Row(row + 1)) << seed << " row " << row;
    }
}
