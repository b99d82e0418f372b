// Grid files: the bytes Save writes, what Load makes of them, and bad input (missing files, folders,
// stray bytes, long lines). Random files and round trips are in loaded_test.cpp.
#include "file.h"

#include <stdio.h>
#include <stdlib.h>

namespace
{
// One saved line per row as the file holds it.
std::string Lines(std::initializer_list<const char*> lines)
{
    std::string s;
    for (const char* p : lines)
        (s += p) += "\r\n";
    return s;
}
} // namespace

// The headings line (row 0) and then every row from row 0: fixed rows are rows like the others,
// empty texts give empty fields, a one-column grid has no commas, a grid without columns empties
// the file, and one without rows writes the headings line of texts outside the grid.
TEST_F(GridFileTest, SaveWritesTheHeadingsLineThenEveryRowFromRowZero)
{
    FileGrid two(2, 2), fixed(3, 3, 1, 1), single(2, 1), noCols(5, 0), noRows(0, 3);
    two.SetItemText(0, 0, L"A");
    two.SetItemText(0, 1, L"B");
    two.SetItemText(1, 0, L"c");
    two.SetItemText(1, 1, L"d");
    fixed.SetItemText(0, 1, L"x");
    fixed.SetItemText(2, 2, L"z z");
    single.SetItemText(1, 0, L"only");
    const struct
    {
        FileGrid* grid;
        std::string expected;
    } cases[] = {{&two, Lines({"A,B", "A,B", "c,d"})},
                 {&fixed, Lines({",x,", ",x,", ",,", ",,z z"})},
                 {&single, Lines({"", "", "only"})},
                 {&noCols, ""},
                 {&noRows, Lines({",,"})}};
    for (const auto& c : cases)
    {
        WriteBytes(m_dir.Path(L"out.csv"), "old contents\r\n");
        ASSERT_TRUE(c.grid->Save(m_dir.Path(L"out.csv")));
        EXPECT_EQ(c.expected, ReadBytes(m_dir.Path(L"out.csv")));
    }
}

// The grid itself reads the texts where it keeps them (made cells and texts kept by their rows
// alike); a derived grid reads them through GetItemText. Both write the same bytes.
TEST_F(GridFileTest, SaveWritesTextsAsTheyAreInTheLocaleEncoding)
{
    FileGrid grid(2, 4);
    CQGridCtrl plain; // rows added after the columns keep their texts in the row
    plain.SetColumnCount(4);
    plain.SetRowCount(2);
    for (CQGridCtrl* pGrid : {(CQGridCtrl*)&grid, &plain})
    {
        pGrid->SetItemText(0, 0, L"caf\u00E9");            // Latin-1: one byte in the C locale
        pGrid->SetItemText(0, 1, L"\u8868\u683C");         // not in the C locale: '?'
        pGrid->SetItemText(0, 2, L"a,b");                  // a comma is written as it is
        pGrid->SetItemText(0, 3, L"\uD55C");               // in neither locale
        pGrid->SetItemText(1, 0, CString(L"be\0fore", 7)); // a text ends at an embedded NUL
        pGrid->SetItemText(1, 2, L"line\nfeed");           // so does a line feed, on loading
        pGrid->SetItemBkColour(1, 2, RGB(1, 2, 3));        // a made cell
        pGrid->SetItemText(1, 3, L"\u00E9t\u00E9");        // Latin-1 in a row of single bytes
    }
    for (CQGridCtrl* pGrid : {(CQGridCtrl*)&grid, &plain})
    {
        ASSERT_TRUE(pGrid->Save(m_dir.Path(L"c.csv")));
        EXPECT_EQ(Lines({"caf\xE9,??,a,b,?", "caf\xE9,??,a,b,?", "be,,line", "feed,\xE9t\xE9"}),
                  ReadBytes(m_dir.Path(L"c.csv")));
    }

    CLocaleScope chinese(".936");
    ASSERT_TRUE(chinese.Ok());
    ASSERT_TRUE(plain.Save(m_dir.Path(L"936.csv")));
    const std::string plainBytes = ReadBytes(m_dir.Path(L"936.csv"));
    ASSERT_TRUE(grid.Save(m_dir.Path(L"936.csv")));
    std::string bytes = ReadBytes(m_dir.Path(L"936.csv"));
    EXPECT_EQ(0u, bytes.find("caf\xA8\xA6,\xB1\xED\xB8\xF1,a,b,?\r\n")) << bytes;
    EXPECT_EQ(bytes, plainBytes);
}

// A file that cannot be opened is reported, naming it, and the grid keeps what it held; a load
// replaces everything: shape, fixed counts, selection, focus and every cell property.
TEST_F(GridFileTest, FailedLoadsKeepTheGridAndLoadsReplaceEverything)
{
    ASSERT_TRUE(::CreateDirectoryW(m_dir.Path(L"folder.csv"), NULL));
    FileGrid grid(6, 5, 2, 1);
    grid.SetItemText(5, 4, L"kept");
    grid.SetItemBkColour(3, 3, RGB(1, 2, 3));
    grid.SetItemData(2, 1, 77);
    grid.SetSelectedRange(2, 1, 4, 3);
    grid.SetFocusCell(2, 1);

    qtest::CMessageBoxWatcher watcher;
    EXPECT_FALSE(grid.Load(m_dir.Path(L"missing.csv")));
    EXPECT_FALSE(grid.Load(m_dir.Path(L"folder.csv")));
    EXPECT_FALSE(grid.Save(m_dir.Path(L"no such folder\\out.csv")));
    ASSERT_EQ(3, watcher.Count());
    // The platform's description of the failure, naming the file.
    EXPECT_NE(-1, watcher.Texts()[0].Find(L"missing.csv")) << (LPCWSTR)watcher.Texts()[0];
    EXPECT_NE(-1, watcher.Texts()[1].Find(L"folder.csv")) << (LPCWSTR)watcher.Texts()[1];
    EXPECT_NE(-1, watcher.Texts()[2].Find(L"out.csv")) << (LPCWSTR)watcher.Texts()[2];
    EXPECT_TRUE(grid.GetRowCount() == 6 && grid.GetFixedRowCount() == 2 && grid.GetSelectedCount() == 9);
    EXPECT_EQ(CString(L"kept"), grid.GetItemText(5, 4));

    WriteBytes(m_dir.Path(L"new.csv"), Lines({"h1,h2,h3,h4", "a,b,c,d", "e,f,g,h", "i,j,k,l"}));
    ASSERT_TRUE(grid.Load(m_dir.Path(L"new.csv")));
    EXPECT_TRUE(grid.GetRowCount() == 4 && grid.GetColumnCount() == 4);
    EXPECT_TRUE(grid.GetFixedRowCount() == 0 && grid.GetFixedColumnCount() == 0);
    EXPECT_TRUE(grid.GetSelectedCount() == 0 && !grid.GetFocusCell().IsValid());
    EXPECT_TRUE(grid.GetItemBkColour(3, 3) == GV_CLR_DEFAULT && grid.GetItemData(2, 1) == 0);
    EXPECT_EQ((Row{L"e", L"f", L"g", L"h"}), grid.Row(2));
    EXPECT_TRUE(grid.Consistent());

    // an empty file gives an empty grid
    WriteBytes(m_dir.Path(L"empty.csv"), "");
    EXPECT_TRUE(grid.Load(m_dir.Path(L"empty.csv")));
    EXPECT_TRUE(grid.GetRowCount() == 0 && grid.GetColumnCount() == 0 && grid.Consistent());
}

// In a double-byte code page, bytes that form no character become U+FFFD; a lead byte before a
// line end or comma does not swallow it. (Stray bytes in the C locale are checked against a
// reference reading by the grid file reader of test_fuzz.)
TEST_F(GridFileTest, StrayBytesNeverBreakALoad)
{
    FileGrid grid;
    CLocaleScope chinese(".936");
    ASSERT_TRUE(chinese.Ok());
    WriteBytes(m_dir.Path(L"gbk.csv"), "ok,\xB1\xED\r\n"
                                       "\xB1\r\n"
                                       "\xB1,\x81\x7F\r\n"
                                       "\x80x\r\n"
                                       "tail\xB1");
    ASSERT_TRUE(grid.Load(m_dir.Path(L"gbk.csv")));
    ASSERT_EQ(2, grid.GetColumnCount());
    ASSERT_EQ(5, grid.GetRowCount());
    EXPECT_EQ((Row{L"ok", L"\u8868"}), grid.Row(0));
    EXPECT_EQ((Row{L"\uFFFD", L""}), grid.Row(1));
    EXPECT_EQ(CString(L"\uFFFD"), grid.GetItemText(2, 0));
    wchar_t pair = 0; // no character of the code page: what the run-time makes of it
    if (mbtowc(&pair, "\x81\x7F", 2) <= 0)
        pair = 0xFFFD;
    EXPECT_EQ(CString(pair), grid.GetItemText(2, 1).Left(1));
    wchar_t euro[2] = L"";
    ::MultiByteToWideChar(936, 0, "\x80", 1, euro, 1); // a single byte of the code page's own
    EXPECT_EQ(CString(euro) + L"x", grid.GetItemText(3, 0));
    EXPECT_EQ(CString(L"tail\uFFFD"), grid.GetItemText(4, 0));
    EXPECT_TRUE(grid.Consistent());
}

TEST_F(GridFileTest, LinesAreReadInPiecesOf1023Characters)
{
    // A data line whose first piece ends with a comma: the piece has an empty last field, and the
    // rest of the line is a row of its own.
    WriteBytes(m_dir.Path(L"long.csv"), "h\r\n" + std::string(1022, 'x') + ",yz,w\r\n");
    FileGrid grid;
    ASSERT_TRUE(grid.Load(m_dir.Path(L"long.csv")));
    ASSERT_EQ(1, grid.GetColumnCount());
    EXPECT_EQ((Row{L"h"}), grid.Row(0));
    ASSERT_EQ(3, grid.GetRowCount());
    EXPECT_EQ(CString(L'x', 1022), grid.GetItemText(1, 0));
    EXPECT_EQ(CString(L"yz"), grid.GetItemText(2, 0));
    EXPECT_TRUE(grid.Consistent());

    // Pieces count characters, not bytes: 1023 double-byte characters fill one piece.
    CLocaleScope chinese(".936");
    ASSERT_TRUE(chinese.Ok());
    std::string wide;
    for (int i = 0; i < 1100; i++)
        wide += "\xB1\xED";
    WriteBytes(m_dir.Path(L"wide.csv"), "k\r\n" + wide + "\r\n");
    ASSERT_TRUE(grid.Load(m_dir.Path(L"wide.csv")));
    ASSERT_EQ(3, grid.GetRowCount());
    EXPECT_EQ(CString(L'\u8868', 1023), grid.GetItemText(1, 0));
    EXPECT_EQ(CString(L'\u8868', 77), grid.GetItemText(2, 0));
}
