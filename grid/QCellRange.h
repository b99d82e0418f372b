// Cell coordinates and rectangular blocks of cells of the grid control.
//
// CQCellID names one cell by row and column, CQCellRange an inclusive block of cells. Both are small
// value classes without virtual operations; -1 in a field means "no cell". Neither looks at a grid:
// CQGridCtrl::IsValid judges them against a grid's current size.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CQCellID
{
public:
    CQCellID(int nRow = -1, int nCol = -1) : row(nRow), col(nCol) {}

    int IsValid() const { return row >= 0 && col >= 0; }
    int operator==(const CQCellID& rhs) const { return row == rhs.row && col == rhs.col; }
    int operator!=(const CQCellID& rhs) const { return !operator==(rhs); }

    int row; // row index, fixed rows included; -1 = none
    int col; // column index, fixed columns included; -1 = none
};

class AFX_EXT_CLASS CQCellRange
{
public:
    CQCellRange(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1)
        : minRow(nMinRow), minCol(nMinCol), maxRow(nMaxRow), maxCol(nMaxCol)
    {
    }

    void Set(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1)
    {
        minRow = nMinRow;
        minCol = nMinCol;
        maxRow = nMaxRow;
        maxCol = nMaxCol;
    }

    int GetMinRow() const { return minRow; }
    int GetMinCol() const { return minCol; }
    int GetMaxRow() const { return maxRow; }
    int GetMaxCol() const { return maxCol; }
    void SetMinRow(int nMinRow) { minRow = nMinRow; }
    void SetMinCol(int nMinCol) { minCol = nMinCol; }
    void SetMaxRow(int nMaxRow) { maxRow = nMaxRow; }
    void SetMaxCol(int nMaxCol) { maxCol = nMaxCol; }

    // All bounds non-negative and not inverted; no grid is consulted.
    int IsValid() const
    {
        return minRow >= 0 && minCol >= 0 && maxRow >= 0 && maxCol >= 0 && minRow <= maxRow &&
               minCol <= maxCol;
    }
    // Bounds are inclusive and validity is not tested: the default range holds exactly (-1, -1).
    int InRange(int row, int col) const
    {
        return row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    int InRange(const CQCellID& cellID) const { return InRange(cellID.row, cellID.col); }

    CQCellID GetTopLeft() const { return CQCellID(minRow, minCol); }
    int GetRowSpan() const { return maxRow - minRow + 1; }
    int GetColSpan() const { return maxCol - minCol + 1; }
    // From the bounds alone: an inverted range may count 0, a negative or even a positive number.
    int Count() { return GetRowSpan() * GetColSpan(); }

    // Overlap of two ranges; disjoint ranges give an inverted range that IsValid rejects.
    CQCellRange Intersect(const CQCellRange& rhs) const
    {
        return CQCellRange(
            minRow > rhs.minRow ? minRow : rhs.minRow, minCol > rhs.minCol ? minCol : rhs.minCol,
            maxRow < rhs.maxRow ? maxRow : rhs.maxRow, maxCol < rhs.maxCol ? maxCol : rhs.maxCol);
    }

    int operator==(const CQCellRange& rhs) const
    {
        return minRow == rhs.minRow && minCol == rhs.minCol && maxRow == rhs.maxRow && maxCol == rhs.maxCol;
    }
    int operator!=(const CQCellRange& rhs) const { return !operator==(rhs); }

protected:
    int minRow; // first row
    int minCol; // first column
    int maxRow; // last row, inclusive
    int maxCol; // last column, inclusive
};
