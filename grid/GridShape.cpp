// CQGridCtrl: the shape of the grid. Row and column counts, fixed counts, insertion, deletion and
// sizes. Cells are made only by CreateCell (or, in a grid that keeps rows compact, when first asked
// for) and disposed of only through EmptyCell; none of these operations sends a notification of its
// own. Counts, fixed counts and sizes belong to the axes (m_pRows, m_pCols); the row arrays to the
// cell store.
#include "grid/QGridCtrl.h"
#include "grid/internal/QCompactRow.h"
#include "grid/internal/QGridAxis.h"

int CQGridCtrl::GetRowCount() const
{
    return m_pRows->GetCount();
}

int CQGridCtrl::GetColumnCount() const
{
    return m_pCols->GetCount();
}

int CQGridCtrl::GetFixedRowCount() const
{
    return m_pRows->GetFixed();
}

int CQGridCtrl::GetFixedColumnCount() const
{
    return m_pCols->GetFixed();
}

BOOL CQGridCtrl::SetRowCount(int nRows)
{
    if (nRows == m_pRows->GetCount())
        return TRUE;
    if (nRows < 0)
        return FALSE;

    if (m_idCurrentCell.row >= nRows)
        SetFocusCell(-1, -1);

    int nOldRows = m_pRows->GetCount();
    if (nRows < nOldRows)
    {
        for (int row = nRows; row < nOldRows; row++)
        {
            for (int col = 0; col < m_pCols->GetCount(); col++)
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

    m_pRows->SetCount(nRows); // new rows get the default height
    m_RowData.SetSize(nRows);

    for (int row = nOldRows; row < nRows; row++)
    {
        if (CQCompactRow* pCompact = MakeCompactRow(row, NULL, 0, false))
        {
            m_RowData[row] = pCompact;
            continue;
        }
        GRID_ROW* pRow = new GRID_ROW;
        m_RowData[row] = pRow;
        pRow->SetSize(m_pCols->GetCount());
        for (int col = 0; col < m_pCols->GetCount(); col++)
            pRow->SetAt(col, CreateCell(row, col));
    }

    if (::IsWindow(m_hWnd) && m_bAllowDraw)
    {
        nRows > nOldRows ? ScrollBarsGrew() : ResetScrollBars();
        Invalidate();
    }
    return TRUE;
}

BOOL CQGridCtrl::SetColumnCount(int nCols)
{
    if (nCols == m_pCols->GetCount())
        return TRUE;
    if (nCols < 0)
        return FALSE;

    MakeUnmadeCells();
    if (m_idCurrentCell.col >= nCols)
        SetFocusCell(-1, -1);

    int nOldCols = m_pCols->GetCount();
    if (nCols < nOldCols)
    {
        for (int row = 0; row < m_pRows->GetCount(); row++)
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
    m_pCols->SetCount(nCols); // new columns get the default width
    for (int row = 0; row < m_pRows->GetCount(); row++)
    {
        if (GRID_ROW* pRow = m_RowData[row])
            pRow->SetSize(nCols);
    }
    if (nCols > nOldCols)
    {
        for (int row = 0; row < m_pRows->GetCount(); row++)
        {
            GRID_ROW* pRow = m_RowData[row];
            if (pRow == NULL)
                continue;
            for (int col = nOldCols; col < nCols; col++)
                pRow->SetAt(col, CreateCell(row, col));
        }
    }

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
    if (nFixedRows > m_pRows->GetCount())
        SetRowCount(nFixedRows);
    // The focus cell would become a fixed cell.
    if (m_idCurrentCell.row < nFixedRows)
        SetFocusCell(-1, -1);
    m_pRows->SetFixed(nFixedRows);
    if (::IsWindow(m_hWnd) && m_bAllowDraw)
        Invalidate();
    return TRUE;
}

BOOL CQGridCtrl::SetFixedColumnCount(int nFixedCols)
{
    if (nFixedCols < 0)
        return FALSE;
    if (nFixedCols > m_pCols->GetCount())
        SetColumnCount(nFixedCols);
    if (m_idCurrentCell.col < nFixedCols)
        SetFocusCell(-1, -1);
    m_pCols->SetFixed(nFixedCols);
    if (::IsWindow(m_hWnd) && m_bAllowDraw)
        Invalidate();
    return TRUE;
}

// A row goes before an existing row, or at the end with nRow -1; never past the end.
int CQGridCtrl::InsertRow(LPCTSTR strHeading, int nRow)
{
    if (nRow >= 0 && nRow >= m_pRows->GetCount())
        return -1;

    ResetSelectedRange();
    if (m_pCols->GetCount() < 1)
        SetColumnCount(1);

    // A grid that makes its cells its own way keeps the new row compact, with the heading.
    const bool bAppend = nRow < 0;
    if (bAppend)
        nRow = m_pRows->GetCount();
    CQCompactRow* pCompact = MakeCompactRow(nRow, &strHeading, 1, false);
    if (bAppend)
        m_RowData.Add(pCompact ? pCompact : new GRID_ROW);
    else
        m_RowData.InsertAt(nRow, pCompact ? pCompact : new GRID_ROW);
    m_pRows->Insert(nRow, 0);

    if (pCompact == NULL)
    {
        GRID_ROW* pRow = m_RowData[nRow];
        if (pRow == NULL)
            return -1;
        pRow->SetSize(m_pCols->GetCount());
        for (int col = 0; col < m_pCols->GetCount(); col++)
            pRow->SetAt(col, CreateCell(nRow, col));
        SetItemText(nRow, 0, strHeading);
    }
    m_pRows->SetSize(nRow, GetTextExtent(strHeading, TRUE).cy);

    if (m_idCurrentCell.row != -1 && nRow < m_idCurrentCell.row)
        m_idCurrentCell.row++;

    ScrollBarsGrew();
    return nRow;
}

int CQGridCtrl::InsertColumn(LPCTSTR strHeading, UINT nFormat, int nColumn)
{
    if (nColumn >= 0 && nColumn >= m_pCols->GetCount())
        return -1;

    ResetSelectedRange();
    if (m_pRows->GetCount() < 1)
        SetRowCount(1);
    MakeUnmadeCells(); // the new column's slots go beside made cells only

    // The new cells are made before the count grows.
    if (nColumn < 0)
    {
        nColumn = m_pCols->GetCount();
        for (int row = 0; row < m_pRows->GetCount(); row++)
        {
            GRID_ROW* pRow = m_RowData[row];
            if (pRow == NULL)
                return -1;
            pRow->Add(CreateCell(row, nColumn));
        }
    }
    else
    {
        for (int row = 0; row < m_pRows->GetCount(); row++)
        {
            GRID_ROW* pRow = m_RowData[row];
            if (pRow == NULL)
                return -1;
            pRow->InsertAt(nColumn, CreateCell(row, nColumn));
        }
    }
    m_pCols->Insert(nColumn, 0);

    SetItemText(0, nColumn, strHeading);
    for (int row = 0; row < m_pRows->GetCount(); row++)
        SetItemFormat(row, nColumn, nFormat);
    m_pCols->SetSize(nColumn, GetTextExtent(strHeading, TRUE).cx);

    if (m_idCurrentCell.col != -1 && nColumn < m_idCurrentCell.col)
        m_idCurrentCell.col++;

    ScrollBarsGrew();
    return nColumn;
}

BOOL CQGridCtrl::DeleteRow(int nRow)
{
    if (nRow < 0 || nRow >= m_pRows->GetCount() || nRow >= m_RowData.GetSize())
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
    m_pRows->Remove(nRow); // a fixed row lowers the fixed count

    if (nRow == m_idCurrentCell.row)
        m_idCurrentCell.row = m_idCurrentCell.col = -1;
    else if (nRow < m_idCurrentCell.row)
        m_idCurrentCell.row--;

    ResetScrollBars();
    return TRUE;
}

BOOL CQGridCtrl::DeleteColumn(int nColumn)
{
    if (nColumn < 0 || nColumn >= m_pCols->GetCount())
        return FALSE;

    MakeUnmadeCells();
    ResetSelectedRange();

    for (int row = 0; row < m_pRows->GetCount(); row++)
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
    m_pCols->Remove(nColumn); // a fixed column lowers the fixed count

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
    m_pRows->SetCount(0); // and the fixed counts
    m_pCols->SetCount(0);

    ResetScrollBars();
    return TRUE;
}

// Deletes the rows from the last one down to the first non-fixed one.
BOOL CQGridCtrl::DeleteNonFixedRows()
{
    for (int nRow = m_pRows->GetCount() - 1; nRow >= m_pRows->GetFixed(); nRow--)
        DeleteRow(nRow);
    return TRUE;
}

// --- sizes: stored only, no repaint and no scroll-bar upkeep ------------------------------------

int CQGridCtrl::GetRowHeight(int nRow) const
{
    return m_pRows->GetSize(nRow);
}

int CQGridCtrl::GetColumnWidth(int nCol) const
{
    return m_pCols->GetSize(nCol);
}

BOOL CQGridCtrl::SetRowHeight(int nRow, int height)
{
    return m_pRows->SetSize(nRow, height);
}

BOOL CQGridCtrl::SetColumnWidth(int nCol, int width)
{
    return m_pCols->SetSize(nCol, width);
}
