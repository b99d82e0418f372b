// Long seeded random sequences of shape, item and selection operations, checked after every step
// against a plain reference model of the grid.
#include "gridtest.h"

#include <random>
#include <string>
#include <vector>

namespace
{
struct ModelCell
{
    std::wstring text;
    UINT format = 0;
    UINT state = 0;
};

// What the grid should hold, kept with the simplest possible structures.
struct Model
{
    std::vector<std::vector<ModelCell>> cells;   // [row][col]
    std::vector<int> heights, widths;
    int fixedRows = 0, fixedCols = 0;
    CQCellID focus;
    int defWidth = 0;

    int rows() const { return (int)heights.size(); }
    int cols() const { return (int)widths.size(); }
    bool valid(int r, int c) const { return r >= 0 && r < rows() && c >= 0 && c < cols(); }

    ModelCell made(int r, int c) const   // the CreateCell rule, cells above already in place
    {
        ModelCell cell;
        if (r >= 1 && c >= 1 && c < cols())
            cell.format = cells[r - 1][c].format;
        return cell;
    }
    void setFocus(CQCellID cell)
    {
        if (cell == focus)
            return;
        if (valid(focus.row, focus.col))
            cells[focus.row][focus.col].state &= ~GV_STATE_FOCUSED;
        focus = cell;
        if (valid(focus.row, focus.col))
            cells[focus.row][focus.col].state |= GV_STATE_FOCUSED;
    }
    void select(int r1, int c1, int r2, int c2)
    {
        for (auto& row : cells)
            for (auto& cell : row)
                cell.state &= ~GV_STATE_SELECTED;
        if (r1 >= 0 && c1 >= 0 && r2 < rows() && c2 < cols() && r1 <= r2 && c1 <= c2)
            for (int r = r1; r <= r2; r++)
                for (int c = c1; c <= c2; c++)
                    cells[r][c].state |= GV_STATE_SELECTED;
    }
    void resetSelection()
    {
        select(-1, -1, -1, -1);
        setFocus(CQCellID());
    }
    void setRows(int n)
    {
        if (n == rows())
            return;
        if (n < fixedRows)
            fixedRows = n;
        if (focus.row >= n)
            setFocus(CQCellID());
        int old = rows();
        cells.resize(std::min(old, n));
        heights.resize(n, 30);
        for (int r = old; r < n; r++)
        {
            cells.emplace_back();
            for (int c = 0; c < cols(); c++)
                cells[r].push_back(made(r, c));
        }
    }
    void setCols(int n)
    {
        if (n == cols())
            return;
        if (n < fixedCols)
            fixedCols = n;
        if (focus.col >= n)
            setFocus(CQCellID());
        int old = cols();
        widths.resize(n, defWidth);
        for (int r = 0; r < rows(); r++)
        {
            cells[r].resize(std::min(old, n));
            for (int c = old; c < n; c++)
                cells[r].push_back(made(r, c));
        }
    }
    void setFixedRows(int n)
    {
        if (n > rows())
            setRows(n);
        if (focus.row < n)
            setFocus(CQCellID());
        fixedRows = n;
    }
    void setFixedCols(int n)
    {
        if (n > cols())
            setCols(n);
        if (focus.col < n)
            setFocus(CQCellID());
        fixedCols = n;
    }
    int insertRow(const std::wstring& heading, int at)
    {
        if (at >= 0 && at >= rows())
            return -1;
        resetSelection();
        if (cols() < 1)
            setCols(1);
        if (at < 0)
            at = rows();
        heights.insert(heights.begin() + at, 0);   // no window: the heading has no extent
        cells.insert(cells.begin() + at, std::vector<ModelCell>());
        for (int c = 0; c < cols(); c++)
            cells[at].push_back(made(at, c));
        cells[at][0].text = heading;
        return at;
    }
    int insertCol(const std::wstring& heading, UINT format, int at)
    {
        if (at >= 0 && at >= cols())
            return -1;
        resetSelection();
        if (rows() < 1)
            setRows(1);
        if (at < 0)
            at = cols();
        widths.insert(widths.begin() + at, 0);
        for (int r = 0; r < rows(); r++)
        {
            ModelCell cell;
            cell.format = format;
            cells[r].insert(cells[r].begin() + at, cell);
        }
        cells[0][at].text = heading;
        return at;
    }
    bool deleteRow(int r)
    {
        if (r < 0 || r >= rows())
            return false;
        resetSelection();
        cells.erase(cells.begin() + r);
        heights.erase(heights.begin() + r);
        if (r < fixedRows)
            fixedRows--;
        return true;
    }
    bool deleteCol(int c)
    {
        if (c < 0 || c >= cols())
            return false;
        resetSelection();
        for (auto& row : cells)
            row.erase(row.begin() + c);
        widths.erase(widths.begin() + c);
        if (c < fixedCols)
            fixedCols--;
        return true;
    }
};

void ExpectSame(TestGrid& grid, const Model& model, int nLiveBefore, const char* op, int step)
{
    SCOPED_TRACE(testing::Message() << "step " << step << " after " << op);
    ASSERT_EQ(model.rows(), grid.GetRowCount());
    ASSERT_EQ(model.cols(), grid.GetColumnCount());
    ASSERT_EQ(model.fixedRows, grid.GetFixedRowCount());
    ASSERT_EQ(model.fixedCols, grid.GetFixedColumnCount());
    ASSERT_LE(grid.GetFixedRowCount(), grid.GetRowCount());
    ASSERT_LE(grid.GetFixedColumnCount(), grid.GetColumnCount());
    ASSERT_TRUE(grid.GetFocusCell() == model.focus);
    ASSERT_EQ(nLiveBefore + model.rows() * model.cols(), CountedCell::s_nLive);
    for (int r = 0; r < model.rows(); r++)
        ASSERT_EQ(model.heights[r], grid.GetRowHeight(r)) << "row " << r;
    for (int c = 0; c < model.cols(); c++)
        ASSERT_EQ(model.widths[c], grid.GetColumnWidth(c)) << "column " << c;
    int nSelected = 0;
    for (int r = 0; r < model.rows(); r++)
        for (int c = 0; c < model.cols(); c++)
        {
            const ModelCell& cell = model.cells[r][c];
            ASSERT_NE(nullptr, grid.GetCell(r, c)) << r << "," << c;
            ASSERT_STREQ(cell.text.c_str(), (LPCWSTR)grid.GetItemText(r, c)) << r << "," << c;
            ASSERT_EQ(cell.format, grid.GetItemFormat(r, c)) << r << "," << c;
            ASSERT_EQ(cell.state, grid.GetItemState(r, c)) << r << "," << c;
            bool selected = (cell.state & GV_STATE_SELECTED) != 0;
            ASSERT_EQ(selected, grid.InSelectedSet(r, c)) << r << "," << c;
            nSelected += selected;
        }
    ASSERT_EQ(nSelected, grid.GetSelectedCount());
}

void RunSequence(unsigned seed, int steps)
{
    std::mt19937 rng(seed);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int nLiveBefore = CountedCell::s_nLive;
    {
        TestGrid grid;
        Model model;
        model.defWidth = grid.DefaultColumnWidth();
        for (int step = 0; step < steps; step++)
        {
            int rows = model.rows(), cols = model.cols();
            int r = pick(-1, rows), c = pick(-1, cols);   // one step outside on either side
            std::wstring text = L"t" + std::to_wstring(step);
            const char* op = "";
            switch (pick(0, 17))
            {
            case 0:
                op = "SetRowCount";
                {
                    int n = pick(0, 14);
                    ASSERT_TRUE(grid.SetRowCount(n));
                    model.setRows(n);
                }
                break;
            case 1:
                op = "SetColumnCount";
                {
                    int n = pick(0, 9);
                    ASSERT_TRUE(grid.SetColumnCount(n));
                    model.setCols(n);
                }
                break;
            case 2:
                op = "SetFixedRowCount";
                {
                    int n = pick(0, std::min(rows + 1, 4));
                    ASSERT_TRUE(grid.SetFixedRowCount(n));
                    model.setFixedRows(n);
                }
                break;
            case 3:
                op = "SetFixedColumnCount";
                {
                    int n = pick(0, std::min(cols + 1, 3));
                    ASSERT_TRUE(grid.SetFixedColumnCount(n));
                    model.setFixedCols(n);
                }
                break;
            case 4:
                op = "InsertRow";
                ASSERT_EQ(model.insertRow(text, r), grid.InsertRow(text.c_str(), r));
                break;
            case 5:
                op = "InsertColumn";
                {
                    UINT format = (UINT)pick(0, 0x3F);
                    ASSERT_EQ(model.insertCol(text, format, c), grid.InsertColumn(text.c_str(), format, c));
                }
                break;
            case 6:
                op = "DeleteRow";
                ASSERT_EQ(model.deleteRow(r), !!grid.DeleteRow(r));
                break;
            case 7:
                op = "DeleteColumn";
                ASSERT_EQ(model.deleteCol(c), !!grid.DeleteColumn(c));
                break;
            case 8:
                op = "DeleteNonFixedRows";
                if (pick(0, 3) == 0)
                {
                    ASSERT_TRUE(grid.DeleteNonFixedRows());
                    for (int row = model.rows() - 1; row >= model.fixedRows; row--)
                        model.deleteRow(row);
                }
                break;
            case 9:
            case 10:
                op = "SetItemText";
                ASSERT_EQ(model.valid(r, c), !!grid.SetItemText(r, c, text.c_str()));
                if (model.valid(r, c))
                    model.cells[r][c].text = text;
                break;
            case 11:
                op = "SetItemFormat";
                {
                    UINT format = (UINT)pick(0, 0xFFFF);
                    ASSERT_EQ(model.valid(r, c), !!grid.SetItemFormat(r, c, format));
                    if (model.valid(r, c))
                        model.cells[r][c].format = format;
                }
                break;
            case 12:
                op = "SetItemState";
                {
                    UINT state = (UINT)pick(0, 0x1F);
                    ASSERT_EQ(model.valid(r, c), !!grid.SetItemState(r, c, state));
                    if (model.valid(r, c))
                        model.cells[r][c].state = state;
                }
                break;
            case 13:
                op = "SetRowHeight";
                {
                    int h = pick(-2, 60);
                    bool ok = r >= 0 && r < rows && h >= 0;
                    ASSERT_EQ(ok, !!grid.SetRowHeight(r, h));
                    if (ok)
                        model.heights[r] = h;
                }
                break;
            case 14:
                op = "SetColumnWidth";
                {
                    int w = pick(-2, 120);
                    bool ok = c >= 0 && c < cols && w >= 0;
                    ASSERT_EQ(ok, !!grid.SetColumnWidth(c, w));
                    if (ok)
                        model.widths[c] = w;
                }
                break;
            case 15:
                op = "SetSelectedRange";
                {
                    int r2 = pick(-1, rows), c2 = pick(-1, cols);
                    grid.SetSelectedRange(r, c, r2, c2);
                    model.select(r, c, r2, c2);
                }
                break;
            case 16:
                op = "SetFocusCell";
                grid.SetFocusCell(r, c);
                model.setFocus(CQCellID(r, c));
                break;
            case 17:
                op = "DeleteAllItems";
                if (pick(0, 9) == 0)
                {
                    ASSERT_TRUE(grid.DeleteAllItems());
                    model = Model();
                    model.defWidth = grid.DefaultColumnWidth();
                }
                break;
            }
            ExpectSame(grid, model, nLiveBefore, op, step);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
    EXPECT_EQ(nLiveBefore, CountedCell::s_nLive) << "cells leaked by the grid's destructor";
}
}  // namespace

TEST(GridModelRandom, SeededSequencesMatchTheReferenceModel)
{
    for (unsigned seed = 1; seed <= 12; seed++)
    {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        RunSequence(seed, 1500);
        if (HasFatalFailure())
            return;
    }
}
