// CQGridCtrl: the cell store. This file owns the row arrays (m_RowData) and is the only part of
// the grid that knows how a row keeps its cells: every other file reads and writes cells through
// the functions here (PeekCell, CellToRead, CellText, CellFormat, CellFont, GetCell, SetCell,
// SetCellText) and changes the shape through the Store... functions, in step with the axes.
//
// In a grid that makes its cells the grid's own way (CellsOnDemand), rows are compact (see
// internal/QCompactRow.h): they keep their texts in one block and make a cell the first time
// something needs more than its text. Reading a text, format, state or colour does not make it;
// writing the text of a cell not made yet rewrites the row's block. The cells made later are
// exactly those the grid's own CreateCell and SetItemText would have made, so nothing outside can
// tell the difference. Any other grid gets every cell from CreateCell when its row or column is
// made, in the documented order.
#include "grid/QGridCtrl.h"
#include "grid/internal/QCompactRow.h"
#include "grid/internal/QGridAxis.h"

#include <algorithm>
#include <typeinfo>

namespace
{
// What a cell reads as before it is made: a fresh cell. Text, format and font come from the row.
const CQGridCell& UnmadeCell()
{
    static const CQGridCell s_cell;
    return s_cell;
}
} // namespace

// --- one cell -----------------------------------------------------------------------------------

// The slot as it is: a made cell, or NULL; a cell not made yet gives NULL and its compact row in
// *ppUnmade.
CQGridCell* CQGridCtrl::Slot(int nRow, int nCol, CQCompactRow** ppUnmade) const
{
    *ppUnmade = NULL;
    if (nRow < 0 || nRow >= m_pRows->GetCount() || nCol < 0 || nCol >= m_pCols->GetCount())
        return NULL;
    // An allocation failure in the middle of a shape change may leave rows without arrays.
    if (nRow >= m_RowData.GetSize())
        return NULL;
    GRID_ROW* pRow = m_RowData[nRow];
    if (pRow == NULL)
        return NULL;
    CQGridCell* pCell = nCol < pRow->GetSize() ? pRow->GetAt(nCol) : NULL;
    // An empty slot, or no slots yet, may be a compact row's cell not made yet.
    if (pCell == NULL)
    {
        CQCompactRow* pCompact = CQCompactRow::From(pRow);
        if (pCompact && pCompact->IsUnmade(nCol))
            *ppUnmade = pCompact;
    }
    return pCell;
}

CQGridCell* CQGridCtrl::PeekCell(int nRow, int nCol) const
{
    CQCompactRow* pUnmade;
    return Slot(nRow, nCol, &pUnmade);
}

const CQGridCell* CQGridCtrl::CellToRead(int nRow, int nCol) const
{
    CQCompactRow* pUnmade;
    const CQGridCell* pCell = Slot(nRow, nCol, &pUnmade);
    return pUnmade ? &UnmadeCell() : pCell;
}

CString CQGridCtrl::CellText(int nRow, int nCol) const
{
    CQCompactRow* pUnmade;
    CQGridCell* pCell = Slot(nRow, nCol, &pUnmade);
    if (pUnmade)
        return pUnmade->Text(nCol);
    return pCell ? pCell->m_strText : CString();
}

CQGridCtrl::CKeptText CQGridCtrl::KeptText(int nRow, int nCol) const
{
    CQCompactRow* pUnmade;
    CQGridCell* pCell = Slot(nRow, nCol, &pUnmade);
    if (pUnmade)
    {
        CQCompactRow::CTextView view = pUnmade->View(nCol);
        return CKeptText{view.p, view.nLength, view.bWide};
    }
    if (pCell)
        return CKeptText{(LPCWSTR)pCell->m_strText, pCell->m_strText.GetLength(), true};
    return CKeptText{NULL, 0, false};
}

BOOL CQGridCtrl::CellFormat(int nRow, int nCol, UINT* pFormat) const
{
    CQCompactRow* pUnmade;
    CQGridCell* pCell = Slot(nRow, nCol, &pUnmade);
    if (pUnmade)
        *pFormat = pUnmade->Format(nCol);
    else if (pCell)
        *pFormat = pCell->m_nFormat;
    return pUnmade || pCell;
}

const LOGFONTW* CQGridCtrl::CellFont(int nRow, int nCol) const
{
    CQCompactRow* pUnmade;
    CQGridCell* pCell = Slot(nRow, nCol, &pUnmade);
    if (pUnmade)
        return &pUnmade->Font();
    return pCell ? &pCell->m_lfFont : NULL;
}

// A cell not made yet is made here, the first time anything asks for it; so this accessor is not
// const, and every reading accessor goes through PeekCell, CellToRead and the like instead.
CQGridCell* CQGridCtrl::GetCell(int nRow, int nCol)
{
    CQCompactRow* pUnmade;
    CQGridCell* pCell = Slot(nRow, nCol, &pUnmade);
    return pUnmade ? pUnmade->MakeCell(nCol) : pCell;
}

BOOL CQGridCtrl::SetCell(int nRow, int nCol, CQGridCell* pCell)
{
    if (nRow < 0 || nRow >= m_pRows->GetCount() || nCol < 0 || nCol >= m_pCols->GetCount() ||
        nRow >= m_RowData.GetSize())
        return FALSE;
    GRID_ROW* pRow = m_RowData[nRow];
    if (pRow == NULL)
        return FALSE;
    // A cell still to be made is not made any more: the slot holds what the caller gives.
    if (CQCompactRow* pCompact = CQCompactRow::From(pRow))
        pCompact->Forget(nCol);
    if (nCol >= pRow->GetSize())
        return FALSE;
    pRow->SetAt(nCol, pCell);
    return TRUE;
}

// The text of a cell not made yet goes into its row's kept texts, where the row stands when it has
// room, else into a new row with room to spare; a made cell (or one whose text no longer fits a
// compact row, which is made now) takes it itself.
BOOL CQGridCtrl::SetCellText(int nRow, int nCol, LPCTSTR psz)
{
    CQCompactRow* pUnmade;
    if (Slot(nRow, nCol, &pUnmade) == NULL && pUnmade != NULL)
    {
        if (pUnmade->SetText(nCol, psz))
            return TRUE;
        // Rows filled one text at a time usually end as long as the row above.
        CQCompactRow* pAbove = nRow > 0 ? CQCompactRow::From(m_RowData[nRow - 1]) : NULL;
        const int nHint = pAbove ? pAbove->TotalLength() + pAbove->TotalLength() / 8 + 8 : 0;
        if (CQCompactRow* pNew = pUnmade->WithText(nCol, psz, nHint))
        {
            m_RowData[nRow] = pNew;
            delete pUnmade;
            return TRUE;
        }
    }
    CQGridCell* pCell = GetCell(nRow, nCol);
    if (pCell == NULL)
        return FALSE;
    pCell->m_strText = psz;
    return TRUE;
}

// --- when cells are made ------------------------------------------------------------------------

// Cells may be made when first asked for when nothing can tell the difference: the grid is exactly
// a CQGridCtrl, or a derived grid said that its CreateCell and EmptyCell make and empty cells the
// grid's own way.
bool CQGridCtrl::CellsOnDemand() const
{
    return m_bCellsOnDemand || typeid(*this) == typeid(CQGridCtrl);
}

void CQGridCtrl::SetCellsOnDemand(BOOL bOnDemand)
{
    m_bCellsOnDemand = bOnDemand != FALSE;
}

// A made cell leaves the grid: the grid's EmptyCell sees it, then it is deleted.
void CQGridCtrl::DisposeCell(CQGridCell* pCell, int nRow, int nCol)
{
    if (pCell)
    {
        EmptyCell(pCell, nRow, nCol);
        delete pCell;
    }
}

// A compact row to go in at nRow (the rows from nRow on move down), keeping the texts: what
// CreateCell would give its cells (column 0 no format, the others the format of the cell above,
// every cell the grid's font description). NULL when the grid makes its cells another way or the
// texts do not fit a compact row. Consecutive rows usually share their defaults: a compact row
// above whose cells are not made yet (column 0 aside) hands on its own.
CQCompactRow* CQGridCtrl::MakeCompactRow(int nRow, const LPCTSTR* ppszTexts, int nTexts, bool bShared)
{
    const int nCols = m_pCols->GetCount();
    if (nCols < 1 || nCols > CQCompactRow::kMaxColumns || !CellsOnDemand())
        return NULL;
    CQRowDefaults* pDefaults = NULL;
    CQCompactRow* pAboveRow =
        nRow > 0 && nRow - 1 < m_RowData.GetSize() ? CQCompactRow::From(m_RowData[nRow - 1]) : NULL;
    if (pAboveRow && pAboveRow->UnmadeBeyondColumn0() && pAboveRow->Defaults()->nCols == nCols &&
        memcmp(&pAboveRow->Defaults()->lf, &m_Logfont, sizeof(LOGFONTW)) == 0)
    {
        pDefaults = pAboveRow->Defaults();
        pDefaults->AddRef();
    }
    else
    {
        UINT formats[CQCompactRow::kMaxColumns];
        formats[0] = 0;
        for (int col = 1; col < nCols; col++)
        {
            formats[col] = 0;
            if (nRow > 0)
                CellFormat(nRow - 1, col, &formats[col]);
        }
        if (pAboveRow && pAboveRow->Defaults()->Matches(nCols, formats, m_Logfont))
        {
            pDefaults = pAboveRow->Defaults();
            pDefaults->AddRef();
        }
        else
        {
            pDefaults = CQRowDefaults::Make(nCols, formats, m_Logfont);
        }
    }
    CQCompactRow* pRow = NULL;
    try
    {
        LPCTSTR empty = NULL;
        pRow = CQCompactRow::Make(nCols, nTexts > 0 ? ppszTexts : &empty, nTexts > 0 ? nTexts : 0, pDefaults,
                                  bShared);
    }
    catch (...)
    {
        pDefaults->Release();
        throw;
    }
    pDefaults->Release();
    return pRow;
}

// Column changes move slots; every cell still to be made is made first.
void CQGridCtrl::MakeUnmadeCells()
{
    for (int row = 0; row < m_RowData.GetSize(); row++)
    {
        CQCompactRow* pRow = CQCompactRow::From(m_RowData[row]);
        if (pRow && pRow->HasUnmade())
            pRow->MakeAllCells();
    }
}

// --- rows ---------------------------------------------------------------------------------------

// A row goes in at nRow (nRow == count appends) with its axis entry (height 0): a compact row
// keeping the texts, or a row of cells from CreateCell (made after the count has grown) whose
// texts SetItemText writes. Texts beyond the column count are dropped.
void CQGridCtrl::StoreInsertRow(int nRow, const LPCTSTR* ppszTexts, int nTexts, bool bBulk)
{
    CQCompactRow* pCompact = MakeCompactRow(nRow, ppszTexts, nTexts, bBulk);
    try
    {
        if (nRow == m_RowData.GetSize())
            m_RowData.Add(pCompact ? pCompact : new GRID_ROW);
        else
            m_RowData.InsertAt(nRow, pCompact ? pCompact : new GRID_ROW);
    }
    catch (...)
    {
        delete pCompact;
        throw;
    }
    m_pRows->Insert(nRow, 0);
    if (pCompact)
        return;

    GRID_ROW* pRow = m_RowData[nRow];
    const int nCols = m_pCols->GetCount();
    pRow->SetSize(nCols);
    for (int col = 0; col < nCols; col++)
        pRow->SetAt(col, CreateCell(nRow, col));
    for (int col = 0; col < std::min(nTexts, nCols); col++)
        SetItemText(nRow, col, ppszTexts[col]);
}

// Rows [nFrom, count) emptied and deleted, while the axis still counts them.
void CQGridCtrl::StoreDropRows(int nFrom)
{
    const int nRows = m_pRows->GetCount(), nCols = m_pCols->GetCount();
    for (int row = nFrom; row < nRows; row++)
    {
        for (int col = 0; col < nCols; col++)
            DisposeCell(PeekCell(row, col), row, col); // a cell not made yet needs no emptying
        if (row < m_RowData.GetSize())
        {
            delete m_RowData[row];
            m_RowData[row] = NULL;
        }
    }
}

// Rows [nFrom, count) made after the axis has grown: compact and empty, or of cells from
// CreateCell.
void CQGridCtrl::StoreAddRows(int nFrom)
{
    const int nRows = m_pRows->GetCount(), nCols = m_pCols->GetCount();
    m_RowData.SetSize(nRows);
    for (int row = nFrom; row < nRows; row++)
    {
        if (CQCompactRow* pCompact = MakeCompactRow(row, NULL, 0, true))
        {
            m_RowData[row] = pCompact;
            continue;
        }
        GRID_ROW* pRow = new GRID_ROW;
        m_RowData[row] = pRow;
        pRow->SetSize(nCols);
        for (int col = 0; col < nCols; col++)
            pRow->SetAt(col, CreateCell(row, col));
    }
}

// Row nRow emptied and deleted with its axis entry; FALSE when it has no row array.
BOOL CQGridCtrl::StoreDeleteRow(int nRow)
{
    if (nRow >= m_RowData.GetSize() || m_RowData[nRow] == NULL)
        return FALSE;
    GRID_ROW* pRow = m_RowData[nRow];
    for (int col = 0; col < pRow->GetSize(); col++)
        DisposeCell(pRow->GetAt(col), nRow, col);
    delete pRow;
    m_RowData.RemoveAt(nRow);
    m_pRows->Remove(nRow); // a fixed row lowers the fixed count
    return TRUE;
}

// Every cell emptied and deleted, every row array and axis entry gone.
void CQGridCtrl::StoreClear()
{
    for (int row = 0; row < m_RowData.GetSize(); row++)
    {
        GRID_ROW* pRow = m_RowData[row];
        if (pRow == NULL)
            continue;
        for (int col = 0; col < pRow->GetSize(); col++)
            DisposeCell(pRow->GetAt(col), row, col);
        delete pRow;
    }
    m_RowData.RemoveAll();
    m_pRows->SetCount(0); // and the fixed counts
    m_pCols->SetCount(0);
}

// Exchanges two rows: their row arrays (every cell, fixed columns included) and their heights.
void CQGridCtrl::SwapRows(int nRow1, int nRow2)
{
    if (nRow1 == nRow2 || nRow1 < 0 || nRow2 < 0 || nRow1 >= m_pRows->GetCount() ||
        nRow2 >= m_pRows->GetCount() || nRow1 >= m_RowData.GetSize() || nRow2 >= m_RowData.GetSize())
        return;
    GRID_ROW* pRow = m_RowData[nRow1];
    m_RowData[nRow1] = m_RowData[nRow2];
    m_RowData[nRow2] = pRow;
    m_pRows->Swap(nRow1, nRow2);
}

// --- columns: every cell still to be made is made first ----------------------------------------

// Columns from nCols on emptied and deleted, then the axis and every row hold nCols; new columns
// get cells from CreateCell after the count has grown, so that they take the format from above.
void CQGridCtrl::StoreSetColumnCount(int nCols)
{
    MakeUnmadeCells();
    const int nOldCols = m_pCols->GetCount(), nRows = m_pRows->GetCount();
    for (int row = 0; row < nRows; row++)
        for (int col = nCols; col < nOldCols; col++)
            DisposeCell(GetCell(row, col), row, col);

    m_pCols->SetCount(nCols); // new columns get the default width
    for (int row = 0; row < nRows; row++)
    {
        if (GRID_ROW* pRow = m_RowData[row])
            pRow->SetSize(nCols);
    }
    for (int row = 0; row < nRows; row++)
    {
        GRID_ROW* pRow = m_RowData[row];
        for (int col = nOldCols; pRow != NULL && col < nCols; col++)
            pRow->SetAt(col, CreateCell(row, col));
    }
}

// A column at nCol (count: appended) with its axis entry (width 0): its cells are made before the
// count grows. FALSE when a row has no array.
BOOL CQGridCtrl::StoreInsertColumn(int nCol)
{
    MakeUnmadeCells(); // the new column's slots go beside made cells only
    const bool bAppend = nCol == m_pCols->GetCount();
    for (int row = 0; row < m_pRows->GetCount(); row++)
    {
        GRID_ROW* pRow = m_RowData[row];
        if (pRow == NULL)
            return FALSE;
        if (bAppend)
            pRow->Add(CreateCell(row, nCol));
        else
            pRow->InsertAt(nCol, CreateCell(row, nCol));
    }
    m_pCols->Insert(nCol, 0);
    return TRUE;
}

// Column nCol emptied and deleted with its axis entry; FALSE when a row has no array.
BOOL CQGridCtrl::StoreDeleteColumn(int nCol)
{
    MakeUnmadeCells();
    for (int row = 0; row < m_pRows->GetCount(); row++)
    {
        GRID_ROW* pRow = m_RowData[row];
        if (pRow == NULL)
            return FALSE;
        DisposeCell(GetCell(row, nCol), row, nCol);
        pRow->RemoveAt(nCol);
    }
    m_pCols->Remove(nCol); // a fixed column lowers the fixed count
    return TRUE;
}
