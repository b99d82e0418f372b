// Rows made by Load: a loaded grid must behave in every respect like one built cell by cell with
// InsertColumn, InsertRow and SetItemText, through any later edit or shape change; loading and
// deleting grids must not leak; measuring and painting with many fonts must give the sizes of
// single measurements.
#include "gridfiletest.h"

#include <malloc.h>

#include <random>

using namespace gridfile;

namespace
{
// Builds its cells one by one.
class CellByCellGrid : public FileGrid
{
public:
    CellByCellGrid() { SetCellsOnDemand(FALSE); }

protected:
    CQGridCell* CreateCell(int nRow, int nCol) override { return CQGridCtrl::CreateCell(nRow, nCol); }
};

class LoadedRowsTest : public testing::Test
{
protected:
    CTempDir m_dir;
};

// Bytes of the C run-time heap in use; -1 when the heap cannot be walked.
long long HeapBytesInUse()
{
    _HEAPINFO info;
    info._pentry = NULL;
    long long nBytes = 0;
    int status;
    while ((status = _heapwalk(&info)) == _HEAPOK)
        if (info._useflag == _USEDENTRY)
            nBytes += (long long)info._size;
    return status == _HEAPEND ? nBytes : -1;
}

std::string Narrow(const CString& str)
{
    std::string s;
    for (int i = 0; i < str.GetLength(); i++)
        s += (str[i] >= 0x20 && str[i] < 0x7F) ? (char)str[i] : '?';
    return s;
}

bool SameFont(const LOGFONTW& a, const LOGFONTW& b)
{
    return memcmp(&a, &b, sizeof(LOGFONTW)) == 0;
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
                !SameFont(ia.font, ib.font) || a.GetItemText(row, col) != ib.text ||
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
} // namespace

namespace
{
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

// One random edit, done to both grids alike.
void RandomEdit(std::mt19937& rng, CQGridCtrl& a, CQGridCtrl& b, std::string& what)
{
    int nRows = a.GetRowCount(), nCols = a.GetColumnCount();
    int row = nRows > 0 ? (int)(rng() % nRows) : 0, col = nCols > 0 ? (int)(rng() % nCols) : 0;
    char buf[96];
    switch (rng() % 16)
    {
    case 0:
    {
        CString str = RandomText(rng);
        a.SetItemText(row, col, str);
        b.SetItemText(row, col, str);
        snprintf(buf, sizeof(buf), "SetItemText(%d,%d)", row, col);
        break;
    }
    case 1:
    {
        UINT nFormat = DT_LEFT | (UINT)(rng() % 3) * DT_CENTER;
        a.SetItemFormat(row, col, nFormat);
        b.SetItemFormat(row, col, nFormat);
        snprintf(buf, sizeof(buf), "SetItemFormat(%d,%d)", row, col);
        break;
    }
    case 2:
    {
        UINT state = (rng() % 2 ? GV_STATE_SELECTED : 0) | (rng() % 2 ? GV_STATE_READONLY : 0);
        a.SetItemState(row, col, state);
        b.SetItemState(row, col, state);
        snprintf(buf, sizeof(buf), "SetItemState(%d,%d,%u)", row, col, state);
        break;
    }
    case 3:
        a.SetItemBkColour(row, col, RGB(row, col, 7));
        b.SetItemBkColour(row, col, RGB(row, col, 7));
        a.SetItemData(row, col, row * 100 + col);
        b.SetItemData(row, col, row * 100 + col);
        snprintf(buf, sizeof(buf), "SetItemBkColour/Data(%d,%d)", row, col);
        break;
    case 4:
    {
        // Written through the pointer the grid hands out.
        LOGFONTW* pa = a.GetItemFont(row, col);
        LOGFONTW* pb = b.GetItemFont(row, col);
        if (pa && pb)
            pa->lfHeight = pb->lfHeight = -(LONG)(8 + rng() % 9);
        snprintf(buf, sizeof(buf), "GetItemFont(%d,%d) written", row, col);
        break;
    }
    case 5:
    {
        int nAt = rng() % 3 == 0 ? -1 : row;
        CString str = RandomText(rng);
        a.InsertRow(str, nAt);
        b.InsertRow(str, nAt);
        snprintf(buf, sizeof(buf), "InsertRow(%d)", nAt);
        break;
    }
    case 6:
        a.DeleteRow(row);
        b.DeleteRow(row);
        snprintf(buf, sizeof(buf), "DeleteRow(%d)", row);
        break;
    case 7:
    {
        int nAt = rng() % 3 == 0 ? -1 : col;
        a.InsertColumn(L"col", DT_RIGHT, nAt);
        b.InsertColumn(L"col", DT_RIGHT, nAt);
        snprintf(buf, sizeof(buf), "InsertColumn(%d)", nAt);
        break;
    }
    case 8:
        a.DeleteColumn(col);
        b.DeleteColumn(col);
        snprintf(buf, sizeof(buf), "DeleteColumn(%d)", col);
        break;
    case 9:
    {
        int n = (int)(rng() % (nRows + 3));
        a.SetRowCount(n);
        b.SetRowCount(n);
        snprintf(buf, sizeof(buf), "SetRowCount(%d)", n);
        break;
    }
    case 10:
    {
        int n = std::max(0, nCols + (int)(rng() % 3) - 1);
        a.SetColumnCount(n);
        b.SetColumnCount(n);
        snprintf(buf, sizeof(buf), "SetColumnCount(%d)", n);
        break;
    }
    case 11:
    {
        BOOL bAscending = rng() % 2;
        a.SortTextItems(col, bAscending);
        b.SortTextItems(col, bAscending);
        snprintf(buf, sizeof(buf), "SortTextItems(%d,%d)", col, bAscending);
        break;
    }
    case 12:
    {
        int r2 = nRows > 0 ? (int)(rng() % nRows) : 0, c2 = nCols > 0 ? (int)(rng() % nCols) : 0;
        a.SetSelectedRange(std::min(row, r2), std::min(col, c2), std::max(row, r2), std::max(col, c2));
        b.SetSelectedRange(std::min(row, r2), std::min(col, c2), std::max(row, r2), std::max(col, c2));
        snprintf(buf, sizeof(buf), "SetSelectedRange(%d,%d,%d,%d)", row, col, r2, c2);
        break;
    }
    case 13:
    {
        CStringArray items;
        items.Add(L"first choice");
        items.Add(L"second");
        a.SetCellListArray(row, col, items);
        b.SetCellListArray(row, col, items);
        a.SetCellStyle(row, col, 3);
        b.SetCellStyle(row, col, 3);
        a.SetCellListType(row, col, L"kind");
        b.SetCellListType(row, col, L"kind");
        snprintf(buf, sizeof(buf), "list editor (%d,%d)", row, col);
        break;
    }
    case 14:
    {
        int n = (int)(rng() % 3);
        a.SetFixedRowCount(n);
        b.SetFixedRowCount(n);
        a.SetFixedColumnCount(n % 2);
        b.SetFixedColumnCount(n % 2);
        snprintf(buf, sizeof(buf), "fixed %d,%d", n, n % 2);
        break;
    }
    default:
    {
        // Reading never changes anything, whatever was made already.
        a.GetItemText(row, col);
        a.GetItemState(row, col);
        CQCellID cell(row, col);
        a.GetNextItem(cell, GV_NEXT_BELOW | GV_STATE_SELECTED);
        snprintf(buf, sizeof(buf), "reads (%d,%d)", row, col);
        break;
    }
    }
    what += buf;
    what += "; ";
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

TEST_F(LoadedRowsTest, CellsComeFromTheGridsFontAndTheFormatsAboveWhenTheRowsWereLoaded)
{
    WriteBytes(m_dir.Path(L"f.csv"), "h1,h2,h3\r\na,b,c\r\nd,e\r\n");
    qtest::CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateTop(400, 300));
    FileGrid grid;
    ASSERT_TRUE(grid.Create(CRect(0, 0, 380, 280), &parent, 100));
    ASSERT_TRUE(grid.Load(m_dir.Path(L"f.csv")));
    // Column 0 of every row has no format; the other columns inherit the headings' format.
    const UINT kHeading = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    EXPECT_EQ(0u, grid.GetItemFormat(1, 0));
    EXPECT_EQ(kHeading, grid.GetItemFormat(1, 1));
    EXPECT_EQ(kHeading, grid.GetItemFormat(2, 2));
    EXPECT_EQ(CString(L""), grid.GetItemText(2, 2));

    // A row inserted later below a loaded row takes the loaded row's formats.
    grid.SetItemFormat(2, 2, DT_RIGHT);
    EXPECT_EQ(3, grid.InsertRow(L"later", -1));
    EXPECT_EQ((UINT)DT_RIGHT, grid.GetItemFormat(3, 2));
    EXPECT_EQ(kHeading, grid.GetItemFormat(3, 1));
    EXPECT_EQ(0u, grid.GetItemFormat(3, 0));

    // A font set afterwards reaches loaded cells too, and the cell handed out is the cell kept.
    LOGFONTW lf = *grid.GetItemFont(0, 0);
    lf.lfHeight = -23;
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    grid.SendMessage(WM_SETFONT, (WPARAM)font.GetSafeHandle(), 0);
    for (int row = 0; row < grid.GetRowCount(); row++)
        for (int col = 0; col < grid.GetColumnCount(); col++)
            ASSERT_EQ(-23, grid.GetItemFont(row, col)->lfHeight) << row << "," << col;
    ASSERT_NE(nullptr, grid.GetCell(2, 1));
    EXPECT_EQ(grid.GetCell(2, 1), grid.GetCell(2, 1));
    EXPECT_EQ(&grid.GetCell(2, 1)->m_lfFont, grid.GetItemFont(2, 1));
}

TEST_F(LoadedRowsTest, LoadingAndDeletingGridsGivesBackEveryByte)
{
    std::string bytes = "name,size,kind,where\r\n";
    for (int i = 0; i < 3000; i++)
    {
        char line[96];
        snprintf(line, sizeof(line), "part %d,%d.%d,%s,shelf \xE9%d\r\n", i, i * 7, i % 10,
                 i % 3 ? "bolt" : "nut", i % 40);
        bytes += line;
    }
    CString strPath = m_dir.Path(L"leak.csv");
    WriteBytes(strPath, bytes);

    // Warm up the run-time's own allocations (stream buffers, locale data).
    {
        FileGrid grid;
        ASSERT_TRUE(grid.Load(strPath));
    }
    long long nBefore = HeapBytesInUse();
    if (nBefore < 0)
        GTEST_SKIP() << "the C run-time heap cannot be walked here";

    for (int round = 0; round < 6; round++)
    {
        FileGrid grid;
        ASSERT_TRUE(grid.Load(strPath));
        ASSERT_EQ(3001, grid.GetRowCount());
        switch (round)
        {
        case 0: // nothing made
            break;
        case 1: // some cells made, then rows and columns deleted one by one
            for (int row = 1; row < 3001; row += 7)
                grid.SetItemBkColour(row, row % 4, RGB(1, 2, 3));
            for (int row = grid.GetRowCount() - 1; row >= 1000; row -= 3)
                grid.DeleteRow(row);
            grid.DeleteColumn(1);
            break;
        case 2: // everything made through the selection, then all deleted
            grid.SetSelectedRange(1, 0, 3000, 3);
            grid.DeleteAllItems();
            break;
        case 3: // shrunk by counts
            grid.SetRowCount(17);
            grid.SetColumnCount(2);
            break;
        case 4: // sorted, then loaded over
            grid.SortTextItems(1, FALSE);
            ASSERT_TRUE(grid.Load(strPath));
            break;
        default: // texts replaced in made and unmade cells
            for (int row = 0; row < 3001; row += 2)
                grid.SetItemText(row, 3, L"replaced text of some length");
            break;
        }
    }
    long long nAfter = HeapBytesInUse();
    EXPECT_LE(nAfter, nBefore + 16 * 1024) << "before " << nBefore << ", after " << nAfter;
}

TEST_F(LoadedRowsTest, GridsAreSmallUntilTheirCellsAreAskedFor)
{
    std::string bytes = "a,b,c,d,e,f,g,h\r\n";
    for (int i = 0; i < 4000; i++)
        bytes += "some text,more text,12.5,x,y,z,last one,end\r\n";
    CString strPath = m_dir.Path(L"small.csv");
    WriteBytes(strPath, bytes);
    long long nBefore = HeapBytesInUse();
    if (nBefore < 0)
        GTEST_SKIP() << "the C run-time heap cannot be walked here";

    // A grid class of the caller's that makes its cells the grid's way, and the grid itself.
    FileGrid derived;
    ASSERT_TRUE(derived.Load(strPath));
    long long nDerived = HeapBytesInUse() - nBefore;
    CQGridCtrl* pPlain = new CQGridCtrl;
    ASSERT_TRUE(pPlain->Load(strPath));
    long long nPlain = HeapBytesInUse() - nBefore - nDerived;
    const long long nCells = 4001LL * 8;
    EXPECT_LT(nDerived / nCells, 100) << nDerived;
    EXPECT_LT(nPlain / nCells, 100) << nPlain;

    // Made cells cost what cells cost; the texts stay.
    CellByCellGrid built;
    ASSERT_TRUE(built.Load(strPath));
    EXPECT_TRUE(SameGrids(*pPlain, built));
    delete pPlain;

    // Grids built row by row or from a row count keep their texts as compactly, and read back
    // exactly as the grid that made every cell.
    const wchar_t* texts[] = {L"some text", L"more text", L"12.5", L"x", L"y", L"z", L"last one", L"end"};
    for (int bByCount = 0; bByCount < 2; bByCount++)
    {
        SCOPED_TRACE(bByCount ? "SetRowCount" : "InsertRow");
        long long nStart = HeapBytesInUse();
        CQGridCtrl* pGrid = new CQGridCtrl;
        CellByCellGrid reference;
        for (CQGridCtrl* p : {pGrid, (CQGridCtrl*)&reference})
        {
            p->SetColumnCount(8);
            p->SetRowCount(bByCount ? 4001 : 1);
            p->SetFixedRowCount(1);
            p->SetFixedColumnCount(1);
            for (int row = 1; row <= 4000; row++)
            {
                if (!bByCount)
                    p->InsertRow(texts[0]);
                for (int col = bByCount ? 0 : 1; col < 8; col++)
                    p->SetItemText(row, col, texts[col]);
            }
            if (p == pGrid)
                EXPECT_LT((HeapBytesInUse() - nStart) / nCells, 100);
        }
        EXPECT_TRUE(SameGrids(*pGrid, reference));
        delete pGrid;
    }
}

TEST_F(LoadedRowsTest, MeasuringWithManyFontsGivesTheSizesOfSingleMeasurements)
{
    qtest::CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateTop(500, 400));
    FileGrid grid(14, 3, 1, 1);
    ASSERT_TRUE(grid.Create(CRect(0, 0, 480, 380), &parent, 100));
    // More distinct fonts than a pass keeps at once, in an order that comes back to earlier ones.
    for (int row = 0; row < 14; row++)
    {
        LOGFONTW lf = *grid.GetItemFont(row, 1);
        lf.lfHeight = -(8 + (row * 5) % 13);
        lf.lfWeight = row % 2 ? FW_BOLD : FW_NORMAL;
        grid.SetItemFont(row, 1, &lf);
        CString str;
        str.Format(L"text %d of width %s", row, (LPCWSTR)CString(L'W', row));
        grid.SetItemText(row, 1, str);
    }
    int nGdiBefore = (int)::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);

    // The widest and tallest single measurements, each with its own font.
    CClientDC dc(&grid);
    int nWidest = 0;
    std::vector<int> heights;
    for (int row = 0; row < 14; row++)
    {
        CSize size = grid.GetCellExtent(row, 1, &dc);
        nWidest = std::max(nWidest, (int)size.cx);
        int nTallest = 0;
        for (int col = 0; col < 3; col++)
            nTallest = std::max(nTallest, (int)grid.GetCellExtent(row, col, &dc).cy);
        heights.push_back(nTallest);
    }
    ASSERT_TRUE(grid.AutoSizeColumn(1));
    EXPECT_EQ(nWidest, grid.GetColumnWidth(1));
    grid.AutoSizeRows();
    for (int row = 0; row < 14; row++)
        EXPECT_EQ(heights[row], grid.GetRowHeight(row)) << row;
    grid.AutoSize();
    EXPECT_EQ(nWidest, grid.GetColumnWidth(1));
    grid.RedrawWindow();
    qtest::PumpMessages();
    // Every font of the passes is gone again.
    if (nGdiBefore > 0)
        EXPECT_LE((int)::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), nGdiBefore);
}
