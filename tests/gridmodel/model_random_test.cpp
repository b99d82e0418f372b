// Long seeded random sequences of shape, item and selection operations, checked after every step
// against a plain reference model of the grid, on grids that make every cell and on grids that make
// their cells only when asked for.
#include "gridprobe.h"

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
    std::vector<std::vector<ModelCell>> cells; // [row][col]
    std::vector<int> heights, widths;
    int fixedRows = 0, fixedCols = 0;
    CQCellID focus;
    int defWidth = 0;

    int rows() const { return (int)heights.size(); }
    int cols() const { return (int)widths.size(); }
    bool valid(int r, int c) const { return r >= 0 && r < rows() && c >= 0 && c < cols(); }
    UINT& state(CQCellID cell) { return cells[cell.row][cell.col].state; }

    ModelCell made(int r, int c) const // the CreateCell rule, cells above already in place
    {
        return ModelCell{L"", r >= 1 && c >= 1 && c < cols() ? cells[r - 1][c].format : 0u, 0u};
    }
    void setFocus(CQCellID cell)
    {
        if (cell != focus && valid(focus.row, focus.col))
            state(focus) &= ~GV_STATE_FOCUSED;
        if (cell != focus && valid(cell.row, cell.col))
            state(cell) |= GV_STATE_FOCUSED;
        focus = cell;
    }
    void select(int r1, int c1, int r2, int c2)
    {
        bool ok = r1 >= 0 && c1 >= 0 && r2 < rows() && c2 < cols();
        for (int r = 0; r < rows(); r++)
            for (int c = 0; c < cols(); c++)
            {
                bool in = ok && r >= r1 && r <= r2 && c >= c1 && c <= c2;
                cells[r][c].state = (cells[r][c].state & ~GV_STATE_SELECTED) | (in ? GV_STATE_SELECTED : 0);
            }
    }
    void resetSelection()
    {
        select(-1, -1, -1, -1);
        setFocus(CQCellID());
    }
    // SetRowCount (bRows) or SetColumnCount
    void setCount(bool bRows, int n)
    {
        const int old = bRows ? rows() : cols();
        if (n == old)
            return;
        (bRows ? fixedRows : fixedCols) = std::min(bRows ? fixedRows : fixedCols, n);
        if ((bRows ? focus.row : focus.col) >= n)
            setFocus(CQCellID());
        if (bRows)
        {
            cells.resize(std::min(old, n));
            heights.resize(n, 30);
        }
        else
            widths.resize(n, defWidth);
        for (int r = bRows ? old : 0; r < rows(); r++)
        {
            if (bRows)
                cells.emplace_back();
            cells[r].resize(bRows ? 0 : std::min(old, n));
            for (int c = (int)cells[r].size(); c < cols(); c++)
                cells[r].push_back(made(r, c));
        }
    }
    void setFixed(int n, bool bRows)
    {
        if (n > (bRows ? rows() : cols()))
            setCount(bRows, n);
        if ((bRows ? focus.row : focus.col) < n)
            setFocus(CQCellID());
        (bRows ? fixedRows : fixedCols) = n;
    }
    // InsertRow (format < 0) or InsertColumn
    int insert(bool bRow, const std::wstring& heading, int format, int at)
    {
        if (at >= (bRow ? rows() : cols()))
            return -1;
        resetSelection();
        if ((bRow ? cols() : rows()) < 1)
            setCount(!bRow, 1);
        if (at < 0)
            at = bRow ? rows() : cols();
        (bRow ? heights : widths).insert((bRow ? heights : widths).begin() + at, 0); // no window: no extent
        if (bRow)
        {
            cells.insert(cells.begin() + at, std::vector<ModelCell>());
            for (int c = 0; c < cols(); c++)
                cells[at].push_back(made(at, c));
        }
        else
            for (auto& row : cells)
                row.insert(row.begin() + at, ModelCell{L"", (UINT)format, 0});
        (bRow ? cells[at][0] : cells[0][at]).text = heading;
        return at;
    }
    bool erase(bool bRow, int i)
    {
        if (i < 0 || i >= (bRow ? rows() : cols()))
            return false;
        resetSelection();
        if (bRow)
            cells.erase(cells.begin() + i);
        else
            for (auto& row : cells)
                row.erase(row.begin() + i);
        (bRow ? heights : widths).erase((bRow ? heights : widths).begin() + i);
        (bRow ? fixedRows : fixedCols) -= i < (bRow ? fixedRows : fixedCols);
        return true;
    }
};

void ExpectSame(CGridProbe& grid, const Model& model)
{
    ASSERT_EQ(model.rows(), grid.GetRowCount());
    ASSERT_EQ(model.cols(), grid.GetColumnCount());
    ASSERT_EQ(model.fixedRows, grid.GetFixedRowCount());
    ASSERT_EQ(model.fixedCols, grid.GetFixedColumnCount());
    ASSERT_TRUE(grid.GetFocusCell() == model.focus);
    // a grid that makes every cell has exactly one per slot; one that makes them on demand has made
    // no more than that, and reading them makes none
    if (grid.CellsOnDemand())
        ASSERT_LE(grid.m_nCreated - grid.m_nEmptied, model.rows() * model.cols());
    else
        ASSERT_EQ(model.rows() * model.cols(), grid.m_nCreated - grid.m_nEmptied)
            << "cells made less emptied";
    ASSERT_TRUE(grid.Consistent());
    const int nCreated = grid.m_nCreated;
    for (int r = 0; r < model.rows(); r++)
        ASSERT_EQ(model.heights[r], grid.GetRowHeight(r)) << "row " << r;
    for (int c = 0; c < model.cols(); c++)
        ASSERT_EQ(model.widths[c], grid.GetColumnWidth(c)) << "column " << c;
    int nSelected = 0;
    for (int r = 0; r < model.rows(); r++)
        for (int c = 0; c < model.cols(); c++)
        {
            const ModelCell& cell = model.cells[r][c];
            bool selected = (cell.state & GV_STATE_SELECTED) != 0;
            ASSERT_STREQ(cell.text.c_str(), (LPCWSTR)grid.GetItemText(r, c)) << r << "," << c;
            ASSERT_EQ(cell.format, grid.GetItemFormat(r, c)) << r << "," << c;
            ASSERT_EQ(cell.state, grid.GetItemState(r, c)) << r << "," << c;
            ASSERT_EQ(selected, grid.InSelectedSet(r, c)) << r << "," << c;
            nSelected += selected;
        }
    ASSERT_EQ(nSelected, grid.GetSelectedCount());
    ASSERT_EQ(nCreated, grid.m_nCreated) << "reading made cells";
}

void RunSequence(unsigned seed, int steps, bool bOnDemand)
{
    std::mt19937 rng(seed);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    {
        CGridProbe grid;
        grid.SetCellsOnDemand(bOnDemand);
        Model model;
        model.defWidth = grid.DefaultColumnWidth();
        for (int step = 0; step < steps; step++)
        {
            int rows = model.rows(), cols = model.cols();
            int r = pick(-1, rows), c = pick(-1, cols); // one step outside on either side
            // Texts shrink, grow past the room a compact row keeps, and mix in characters beyond
            // one byte, so that kept texts are rewritten in place, moved and widened.
            std::wstring text = L"t" + std::to_wstring(step);
            if (step % 3 == 0)
                text = std::wstring((size_t)pick(0, 40), L"x\u00e9\u4e2d"[pick(0, 2)]) + text;
            int op = pick(0, 17), n = 0;
            SCOPED_TRACE(testing::Message() << "step " << step << ": operation " << op);
            switch (op)
            {
            case 0:
            case 1:
                n = op == 0 ? pick(0, 14) : pick(0, 9);
                ASSERT_TRUE(op == 0 ? grid.SetRowCount(n) : grid.SetColumnCount(n));
                model.setCount(op == 0, n);
                break;
            case 2:
            case 3:
                n = op == 2 ? pick(0, std::min(rows + 1, 4)) : pick(0, std::min(cols + 1, 3));
                ASSERT_TRUE(op == 2 ? grid.SetFixedRowCount(n) : grid.SetFixedColumnCount(n));
                model.setFixed(n, op == 2);
                break;
            case 4: ASSERT_EQ(model.insert(true, text, -1, r), grid.InsertRow(text.c_str(), r)); break;
            case 5:
                n = pick(0, 0x3F);
                ASSERT_EQ(model.insert(false, text, n, c), grid.InsertColumn(text.c_str(), n, c));
                break;
            case 6: ASSERT_EQ(model.erase(true, r), !!grid.DeleteRow(r)); break;
            case 7: ASSERT_EQ(model.erase(false, c), !!grid.DeleteColumn(c)); break;
            case 8:
                if (pick(0, 3) == 0)
                {
                    ASSERT_TRUE(grid.DeleteNonFixedRows());
                    for (int row = model.rows() - 1; row >= model.fixedRows; row--)
                        model.erase(true, row);
                }
                break;
            case 9:
            case 10:
                ASSERT_EQ(model.valid(r, c), !!grid.SetItemText(r, c, text.c_str()));
                if (model.valid(r, c))
                    model.cells[r][c].text = text;
                break;
            case 11:
            case 12:
                n = op == 11 ? pick(0, 0xFFFF) : pick(0, 0x1F);
                ASSERT_EQ(model.valid(r, c),
                          !!(op == 11 ? grid.SetItemFormat(r, c, n) : grid.SetItemState(r, c, n)));
                if (model.valid(r, c))
                    (op == 11 ? model.cells[r][c].format : model.cells[r][c].state) = n;
                break;
            case 13:
            case 14:
            {
                const int i = op == 13 ? r : c;
                std::vector<int>& sizes = op == 13 ? model.heights : model.widths;
                const bool bValid = i >= 0 && i < (int)sizes.size() && (n = pick(-2, 90)) >= 0;
                ASSERT_EQ(bValid, !!(op == 13 ? grid.SetRowHeight(i, n) : grid.SetColumnWidth(i, n)));
                if (bValid)
                    sizes[i] = n;
                break;
            }
            case 15:
            {
                int r2 = pick(-1, rows), c2 = pick(-1, cols);
                grid.SetSelectedRange(r, c, r2, c2);
                model.select(r, c, r2, c2);
                break;
            }
            case 16:
                grid.SetFocusCell(r, c);
                model.setFocus(CQCellID(r, c));
                break;
            case 17:
                if (pick(0, 9) == 0)
                {
                    ASSERT_TRUE(grid.DeleteAllItems());
                    model = Model();
                    model.defWidth = grid.DefaultColumnWidth();
                }
                break;
            }
            ExpectSame(grid, model);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}
} // namespace

TEST(GridModelRandom, SeededSequencesMatchTheReferenceModel)
{
    for (unsigned seed = 1; seed <= 12; seed++)
    {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        RunSequence(seed, 1500, seed % 2 == 0);
        if (HasFatalFailure())
            return;
    }
}
