// CQGridCtrl: the shape of the grid. Row and column counts, fixed counts, insertion, deletion and
// sizes. Cells are made only by CreateCell (or, in a grid that keeps rows compact, when first asked
// for) and disposed of only through EmptyCell; none of these operations sends a notification of its
// own. Every change of the size arrays ends in one call of RowSizesChanged or ColumnSizesChanged.
#include "grid/QGridCtrl.h"
#include "grid/internal/QCompactRow.h"

BOOL CQGridCtrl::SetRowCount(int nRows)
{
    if (nRows == m_nRows)
        return TRUE;
    if (nRows < 0)
        return FALSE;

    if (nRows < m_nFixedRows)
        m_nFixedRows = nRows;
    if (m_idCurrentCell.row >= nRows)
        SetFocusCell(-1, -1);

    int nOldRows = m_nRows;
    if (nRows < nOldRows)
    {
        for (int row = nRows; row < nOldRows; row++)
        {
            for (int col = 0; col < m_nCols; col++)
            {
                CQGridCell* pCell = PeekCell(row, col); // a cell not made yet needs no emptying
                if (pCell)
                {
                    EmptyCell(pCell, row, col);
                    delete pCell;
                }
            }
            if (row < m_RowData.GetSize())
            {
                delete m_RowData[row];
                m_RowData[row] = NULL;
            }
        }
    }

    m_nRows = nRows;
    m_RowData.SetSize(nRows);
    m_arRowHeights.SetSize(nRows);

    for (int row = nOldRows; row < nRows; row++)
    {
        m_arRowHeights[row] = m_nDefCellHeight;
        if (CQCompactRow* pCompact = MakeCompactRow(row, NULL, 0, false))
        {
            m_RowData[row] = pCompact;
            continue;
        }
        GRID_ROW* pRow = new GRID_ROW;
        m_RowData[row] = pRow;
        pRow->SetSize(m_nCols);
        for (int col = 0; col < m_nCols; col++)
            pRow->SetAt(col, CreateCell(row, col));
    }
    RowSizesChanged(nOldRows < nRows ? nOldRows : nRows);

    if (::IsWindow(m_hWnd) && m_bAllowDraw)
    {
        nRows > nOldRows ? ScrollBarsGrew() : ResetScrollBars();
        Invalidate();
    }
    return TRUE;
}

BOOL CQGridCtrl::SetColumnCount(int nCols)
{
    if (nCols == m_nCols)
        return TRUE;
    if (nCols < 0)
        return FALSE;

    MakeUnmadeCells();
    if (nCols < m_nFixedCols)
        m_nFixedCols = nCols;
    if (m_idCurrentCell.col >= nCols)
        SetFocusCell(-1, -1);

    int nOldCols = m_nCols;
    if (nCols < nOldCols)
    {
        for (int row = 0; row < m_nRows; row++)
        {
            for (int col = nCols; col < nOldCols; col++)
            {
                CQGridCell* pCell = GetCell(row, col);
                if (pCell)
                {
                    EmptyCell(pCell, row, col);
                    delete pCell;
                }
            }
        }
    }

    // The count changes first, so that new cells in column > 0 inherit the format from above.
    m_nCols = nCols;
    for (int row = 0; row < m_nRows; row++)
    {
        if (GRID_ROW* pRow = m_RowData[row])
            pRow->SetSize(nCols);
    }
    m_arColWidths.SetSize(nCols);

    for (int col = nOldCols; col < nCols; col++)
        m_arColWidths[col] = m_nDefCellWidth;
    if (nCols > nOldCols)
    {
        for (int row = 0; row < m_nRows; row++)
        {
            GRID_ROW* pRow = m_RowData[row];
            if (pRow == NULL)
                continue;
            for (int col = nOldCols; col < nCols; col++)
                pRow->SetAt(col, CreateCell(row, col));
        }
    }
    ColumnSizesChanged(nOldCols < nCols ? nOldCols : nCols);

    if (::IsWindow(m_hWnd) && m_bAllowDraw)
    {
        nCols > nOldCols ? ScrollBarsGrew() : ResetScrollBars();
        Invalidate();
    }
    return TRUE;
}

BOOL CQGridCtrl::SetFixedRowCount(int nFixedRows)
{
    if (nFixedRows < 0)
        return FALSE;
    if (nFixedRows > m_nRows)
        SetRowCount(nFixedRows);
    // The focus cell would become a fixed cell.
    if (m_idCurrentCell.row < nFixedRows)
        SetFocusCell(-1, -1);
    m_nFixedRows = nFixedRows;
    if (::IsWindow(m_hWnd) && m_bAllowDraw)
        Invalidate();
    return TRUE;
}

BOOL CQGridCtrl::SetFixedColumnCount(int nFixedCols)
{
    if (nFixedCols < 0)
        return FALSE;
    if (nFixedCols > m_nCols)
        SetColumnCount(nFixedCols);
    if (m_idCurrentCell.col < nFixedCols)
        SetFocusCell(-1, -1);
    m_nFixedCols = nFixedCols;
    if (::IsWindow(m_hWnd) && m_bAllowDraw)
        Invalidate();
    return TRUE;
}

// A row goes before an existing row, or at the end with nRow -1; never past the end.
int CQGridCtrl::InsertRow(LPCTSTR strHeading, int nRow)
{
    if (nRow >= 0 && nRow >= m_nRows)
        return -1;

    ResetSelectedRange();
    if (m_nCols < 1)
        SetColumnCount(1);

    // A grid that makes its cells its own way keeps the new row compact, with the heading.
    const bool bAppend = nRow < 0;
    if (bAppend)
        nRow = m_nRows;
    CQCompactRow* pCompact = MakeCompactRow(nRow, &strHeading, 1, false);
    if (bAppend)
    {
        m_arRowHeights.Add(0);
        m_RowData.Add(pCompact ? pCompact : new GRID_ROW);
    }
    else
    {
        m_arRowHeights.InsertAt(nRow, (UINT)0);
        m_RowData.InsertAt(nRow, pCompact ? pCompact : new GRID_ROW);
    }
    m_nRows++;

    if (pCompact == NULL)
    {
        GRID_ROW* pRow = m_RowData[nRow];
        if (pRow == NULL)
            return -1;
        pRow->SetSize(m_nCols);
        for (int col = 0; col < m_nCols; col++)
            pRow->SetAt(col, CreateCell(nRow, col));
        SetItemText(nRow, 0, strHeading);
    }
    CSize size = GetTextExtent(strHeading, TRUE);
    m_arRowHeights[nRow] = (UINT)size.cy;
    RowSizesChanged(nRow);

    if (m_idCurrentCell.row != -1 && nRow < m_idCurrentCell.row)
        m_idCurrentCell.row++;

    ScrollBarsGrew();
    return nRow;
}

int CQGridCtrl::InsertColumn(LPCTSTR strHeading, UINT nFormat, int nColumn)
{
    if (nColumn >= 0 && nColumn >= m_nCols)
        return -1;

    ResetSelectedRange();
    if (m_nRows < 1)
        SetRowCount(1);
    MakeUnmadeCells(); // the new column's slots go beside made cells only

    // The new cells are made before the count grows.
    if (nColumn < 0)
    {
        nColumn = m_nCols;
        m_arColWidths.Add(0);
        for (int row = 0; row < m_nRows; row++)
        {
            GRID_ROW* pRow = m_RowData[row];
            if (pRow == NULL)
                return -1;
            pRow->Add(CreateCell(row, nColumn));
        }
    }
    else
    {
        m_arColWidths.InsertAt(nColumn, (UINT)0);
        for (int row = 0; row < m_nRows; row++)
        {
            GRID_ROW* pRow = m_RowData[row];
            if (pRow == NULL)
                return -1;
            pRow->InsertAt(nColumn, CreateCell(row, nColumn));
        }
    }
    m_nCols++;

    SetItemText(0, nColumn, strHeading);
    for (int row = 0; row < m_nRows; row++)
        SetItemFormat(row, nColumn, nFormat);
    CSize size = GetTextExtent(strHeading, TRUE);
    m_arColWidths[nColumn] = (UINT)size.cx;
    ColumnSizesChanged(nColumn);

    if (m_idCurrentCell.col != -1 && nColumn < m_idCurrentCell.col)
        m_idCurrentCell.col++;

    ScrollBarsGrew();
    return nColumn;
}

BOOL CQGridCtrl::DeleteRow(int nRow)
{
    if (nRow < 0 || nRow >= m_nRows || nRow >= m_RowData.GetSize())
        return FALSE;
    GRID_ROW* pRow = m_RowData[nRow];
    if (pRow == NULL)
        return FALSE;

    ResetSelectedRange();

    for (int col = 0; col < pRow->GetSize(); col++)
    {
        CQGridCell* pCell = pRow->GetAt(col);
        if (pCell)
        {
            EmptyCell(pCell, nRow, col);
            delete pCell;
        }
    }
    delete pRow;
    m_RowData.RemoveAt(nRow);
    m_arRowHeights.RemoveAt(nRow);
    m_nRows--;
    if (nRow < m_nFixedRows)
        m_nFixedRows--;
    RowSizesChanged(nRow);

    if (nRow == m_idCurrentCell.row)
        m_idCurrentCell.row = m_idCurrentCell.col = -1;
    else if (nRow < m_idCurrentCell.row)
        m_idCurrentCell.row--;

    ResetScrollBars();
    return TRUE;
}

BOOL CQGridCtrl::DeleteColumn(int nColumn)
{
    if (nColumn < 0 || nColumn >= m_nCols)
        return FALSE;

    MakeUnmadeCells();
    ResetSelectedRange();

    for (int row = 0; row < m_nRows; row++)
    {
        GRID_ROW* pRow = m_RowData[row];
        if (pRow == NULL)
            return FALSE;
        CQGridCell* pCell = GetCell(row, nColumn);
        if (pCell)
        {
            EmptyCell(pCell, row, nColumn);
            delete pCell;
        }
        pRow->RemoveAt(nColumn);
    }
    m_arColWidths.RemoveAt(nColumn);
    m_nCols--;
    if (nColumn < m_nFixedCols)
        m_nFixedCols--;
    ColumnSizesChanged(nColumn);

    if (nColumn == m_idCurrentCell.col)
        m_idCurrentCell.row = m_idCurrentCell.col = -1;
    else if (nColumn < m_idCurrentCell.col)
        m_idCurrentCell.col--;

    ResetScrollBars();
    return TRUE;
}

BOOL CQGridCtrl::DeleteAllItems()
{
    ResetSelectedRange();

    m_arColWidths.RemoveAll();
    m_arRowHeights.RemoveAll();

    for (int row = 0; row < m_RowData.GetSize(); row++)
    {
        GRID_ROW* pRow = m_RowData[row];
        if (pRow == NULL)
            continue;
        for (int col = 0; col < pRow->GetSize(); col++)
        {
            CQGridCell* pCell = pRow->GetAt(col);
            if (pCell)
            {
                EmptyCell(pCell, row, col);
                delete pCell;
            }
        }
        delete pRow;
    }
    m_RowData.RemoveAll();

    m_idCurrentCell.row = m_idCurrentCell.col = -1;
    m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
    RowSizesChanged(0);
    ColumnSizesChanged(0);

    ResetScrollBars();
    return TRUE;
}

// Deletes the rows from the last one down to the first non-fixed one.
BOOL CQGridCtrl::DeleteNonFixedRows()
{
    for (int nRow = m_nRows - 1; nRow >= m_nFixedRows; nRow--)
        DeleteRow(nRow);
    return TRUE;
}

// --- sizes: stored only, no repaint and no scroll-bar upkeep ------------------------------------

int CQGridCtrl::GetRowHeight(int nRow) const
{
    if (nRow < 0 || nRow >= m_nRows)
        return -1;
    return (int)m_arRowHeights[nRow];
}

int CQGridCtrl::GetColumnWidth(int nCol) const
{
    if (nCol < 0 || nCol >= m_nCols)
        return -1;
    return (int)m_arColWidths[nCol];
}

BOOL CQGridCtrl::SetRowHeight(int nRow, int height)
{
    if (nRow < 0 || nRow >= m_nRows || height < 0)
        return FALSE;
    m_arRowHeights[nRow] = (UINT)height;
    RowSizesChanged(nRow);
    return TRUE;
}

BOOL CQGridCtrl::SetColumnWidth(int nCol, int width)
{
    if (nCol < 0 || nCol >= m_nCols || width < 0)
        return FALSE;
    m_arColWidths[nCol] = (UINT)width;
    ColumnSizesChanged(nCol);
    return TRUE;
}
