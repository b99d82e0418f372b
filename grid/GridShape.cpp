// CQGridCtrl: the shape of the grid. Row and column counts, fixed counts, insertion, deletion and
// sizes, and what they do to the focus cell and the scroll bars. Counts, fixed counts and sizes
// belong to the axes (m_pRows, m_pCols); the cells and row arrays to the cell store
// (GridStore.cpp), which makes cells through CreateCell and disposes of them through EmptyCell.
// None of these operations sends a notification of its own.
#include "grid/QGridCtrl.h"
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
        StoreDropRows(nRows);
    m_pRows->SetCount(nRows); // new rows get the default height
    StoreAddRows(nOldRows);

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

    if (m_idCurrentCell.col >= nCols)
        SetFocusCell(-1, -1);
    int nOldCols = m_pCols->GetCount();
    StoreSetColumnCount(nCols);

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

    if (nRow < 0)
        nRow = m_pRows->GetCount();
    StoreInsertRow(nRow, &strHeading, 1, false);
    m_pRows->SetSize(nRow, GetTextExtent(strHeading, TRUE).cy);

    if (m_idCurrentCell.row != -1 && nRow < m_idCurrentCell.row)
        m_idCurrentCell.row++;

    ScrollBarsGrew();
    return nRow;
}

// Appends a row as InsertRow(texts[0], -1) followed by SetItemText(row, col, texts[col]) for the
// other texts up to the column count would, for files read in bulk. With nothing selected and no
// focus cell, resetting the selection would change nothing, and is not done row by row.
int CQGridCtrl::InsertLoadedRow(LPCTSTR* ppszTexts, int nTexts)
{
    if (ppszTexts == NULL || nTexts < 1)
        return -1;
    if (!m_SelectedCellMap.IsEmpty() || !m_PrevSelectedCellMap.IsEmpty() || m_idCurrentCell.row != -1 ||
        m_idCurrentCell.col != -1)
        ResetSelectedRange();
    if (m_pCols->GetCount() < 1)
        SetColumnCount(1);

    const int nRow = m_pRows->GetCount();
    StoreInsertRow(nRow, ppszTexts, nTexts, true);
    m_pRows->SetSize(nRow, GetTextExtent(ppszTexts[0], TRUE).cy);
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
    if (nColumn < 0)
        nColumn = m_pCols->GetCount();
    if (!StoreInsertColumn(nColumn))
        return -1;

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
    if (nRow < 0 || nRow >= m_pRows->GetCount())
        return FALSE;
    ResetSelectedRange();
    if (!StoreDeleteRow(nRow))
        return FALSE;

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

    ResetSelectedRange();
    if (!StoreDeleteColumn(nColumn))
        return FALSE;

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

    StoreClear();
    m_idCurrentCell.row = m_idCurrentCell.col = -1;

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
