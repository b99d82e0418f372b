// CQGridCtrl: rows appended by Load, kept compact. A cell object is several times the size of a
// short text, and a million-row file would otherwise cost gigabytes of fresh memory before the
// first row shows. Such a row keeps its texts in one block and makes a cell the first time the
// cell is asked for; reading a text, format, state or colour does not make it. The cells made
// later are exactly those the grid's own CreateCell and SetItemText would have made at load time,
// so only a grid that makes and empties its cells the grid's own way gets compact rows.
#include "grid/internal/QCompactRow.h"

#include <algorithm>
#include <new>
#include <typeinfo>

IMPLEMENT_DYNAMIC(CQCompactRow, CObArray)

// --- shared defaults ----------------------------------------------------------------------------

CQRowDefaults* CQRowDefaults::Make(int nCols, const UINT* pFormats, const LOGFONTW& lf)
{
    size_t nBytes = sizeof(CQRowDefaults) + (size_t)(nCols > 1 ? nCols - 1 : 0) * sizeof(UINT);
    CQRowDefaults* p = (CQRowDefaults*)::malloc(nBytes);
    if (p == NULL)
        ::AfxThrowMemoryException();
    p->nRefs = 1;
    p->nCols = nCols;
    p->lf = lf;
    memcpy(p->formats, pFormats, (size_t)nCols * sizeof(UINT));
    return p;
}

bool CQRowDefaults::Matches(int nCount, const UINT* pFormats, const LOGFONTW& font) const
{
    return nCount == nCols && memcmp(formats, pFormats, (size_t)nCols * sizeof(UINT)) == 0 &&
           memcmp(&lf, &font, sizeof(LOGFONTW)) == 0;
}

void CQRowDefaults::Release()
{
    if (::InterlockedDecrement(&nRefs) == 0)
        ::free(this);
}

// --- the compact row ----------------------------------------------------------------------------

namespace
{
// Compact rows are carved out of large blocks shared by every grid of the process: a heap
// allocation per row would cost more than the row's whole content. A block goes back to the heap
// when its last row goes. Every row is preceded by the block it lies in (NULL for a row too large
// for a block, which has an allocation of its own). Rows may be made and deleted on any thread.
struct CRowBlock
{
    LONG nLive; // rows in the block, plus one while the block is the one rows are taken from
};

class CRowBlocks
{
public:
    enum : size_t
    {
        kBlockSize = 256 * 1024,
        kHeader = 16,            // the block's header, keeping rows 8-byte aligned
        kLargestRow = 16 * 1024, // larger rows get an allocation of their own
    };

    CRowBlocks() { ::InitializeCriticalSection(&m_cs); }

    // Room for a row of nBytes (block pointer included).
    void* Allocate(size_t nBytes)
    {
        nBytes = (nBytes + 7) & ~(size_t)7;
        CRowBlock* pRetired = NULL;
        void* p = NULL;
        ::EnterCriticalSection(&m_cs);
        if (m_pCurrent == NULL || m_nUsed + nBytes > kBlockSize)
        {
            CRowBlock* pNew = (CRowBlock*)::malloc(kBlockSize);
            if (pNew != NULL)
            {
                pNew->nLive = 1;
                pRetired = m_pCurrent;
                m_pCurrent = pNew;
                m_nUsed = kHeader;
            }
        }
        if (m_pCurrent != NULL && m_nUsed + nBytes <= kBlockSize)
        {
            p = (BYTE*)m_pCurrent + m_nUsed;
            m_nUsed += nBytes;
            ::InterlockedIncrement(&m_pCurrent->nLive);
            *(CRowBlock**)p = m_pCurrent;
        }
        ::LeaveCriticalSection(&m_cs);
        Release(pRetired);
        if (p == NULL)
            ::AfxThrowMemoryException();
        return p;
    }

    static void Release(CRowBlock* pBlock)
    {
        if (pBlock != NULL && ::InterlockedDecrement(&pBlock->nLive) == 0)
            ::free(pBlock);
    }

private:
    CRITICAL_SECTION m_cs;
    CRowBlock* m_pCurrent = NULL;
    size_t m_nUsed = 0;
};

// Made once and kept for the life of the process, so that rows deleted during shutdown still
// find it.
CRowBlocks& RowBlocks()
{
    static CRowBlocks* s_pBlocks = new CRowBlocks;
    return *s_pBlocks;
}

const size_t kRowPrefix = sizeof(CRowBlock*);
} // namespace

void* CQCompactRow::operator new(size_t nSize, CExtra extra)
{
    size_t nBytes = kRowPrefix + nSize + extra.nBytes;
    BYTE* p;
    if (nBytes <= CRowBlocks::kLargestRow)
    {
        p = (BYTE*)RowBlocks().Allocate(nBytes);
    }
    else
    {
        p = (BYTE*)::malloc(nBytes);
        if (p == NULL)
            ::AfxThrowMemoryException();
        *(CRowBlock**)p = NULL;
    }
    return p + kRowPrefix;
}

void CQCompactRow::operator delete(void* p)
{
    if (p == NULL)
        return;
    BYTE* pStart = (BYTE*)p - kRowPrefix;
    if (CRowBlock* pBlock = *(CRowBlock**)pStart)
        CRowBlocks::Release(pBlock);
    else
        ::free(pStart);
}

CQCompactRow* CQCompactRow::Make(int nCols, const LPCWSTR* ppszTexts, int nTexts, CQRowDefaults* pDefaults)
{
    if (nCols < 1 || nCols > kMaxColumns || nTexts < 0 || pDefaults == NULL || pDefaults->nCols != nCols)
        return NULL;
    if (nTexts > nCols)
        nTexts = nCols;

    // Measure: the texts' lengths and whether every character fits a byte.
    size_t nChars = 0;
    bool bWide = false;
    for (int i = 0; i < nTexts; i++)
    {
        LPCWSTR psz = ppszTexts[i];
        if (psz == NULL || IS_INTRESOURCE(psz))
            continue;
        for (; *psz; psz++)
        {
            bWide |= *psz > 0xFF;
            if (++nChars > kMaxChars)
                return NULL;
        }
    }

    size_t nExtra = (size_t)(nTexts + 1) * sizeof(WORD) + nChars * (bWide ? sizeof(wchar_t) : 1);
    CQCompactRow* pRow = new (CExtra{nExtra}) CQCompactRow;
    pRow->m_nTexts = nTexts;
    pRow->m_bWide = bWide;
    WORD* pOffsets = pRow->Offsets();
    BYTE* pChars = (BYTE*)pRow->Chars();
    WORD nAt = 0;
    for (int i = 0; i < nTexts; i++)
    {
        pOffsets[i] = nAt;
        LPCWSTR psz = ppszTexts[i];
        if (psz == NULL || IS_INTRESOURCE(psz))
            continue;
        for (; *psz; psz++, nAt++)
        {
            if (bWide)
                ((wchar_t*)pChars)[nAt] = *psz;
            else
                pChars[nAt] = (BYTE)*psz;
        }
    }
    pOffsets[nTexts] = nAt;

    pDefaults->AddRef();
    pRow->m_pDefaults = pDefaults;
    pRow->m_nUnmade = nCols == kMaxColumns ? ~0ULL : ((1ULL << nCols) - 1);
    return pRow;
}

CQCompactRow::~CQCompactRow()
{
    if (m_pDefaults)
        m_pDefaults->Release();
}

int CQCompactRow::TextLength(int nCol) const
{
    if (nCol < 0 || nCol >= m_nTexts)
        return 0;
    return Offsets()[nCol + 1] - Offsets()[nCol];
}

CString CQCompactRow::Text(int nCol) const
{
    int nLength = TextLength(nCol);
    if (nLength == 0)
        return CString();
    int nStart = Offsets()[nCol];
    if (m_bWide)
        return CString((const wchar_t*)Chars() + nStart, nLength);
    CString str;
    LPWSTR p = str.GetBuffer(nLength);
    const BYTE* pFrom = Chars() + nStart;
    for (int i = 0; i < nLength; i++)
        p[i] = pFrom[i];
    str.ReleaseBuffer(nLength);
    return str;
}

UINT CQCompactRow::Format(int nCol) const
{
    return nCol >= 0 && nCol < m_pDefaults->nCols ? m_pDefaults->formats[nCol] : 0;
}

CQGridCell* CQCompactRow::MakeCell(int nCol)
{
    if (!IsUnmade(nCol))
        return nCol >= 0 && nCol < GetSize() ? GetAt(nCol) : NULL;
    EnsureSlots();
    CQGridCell* pCell = new CQGridCell;
    pCell->m_nFormat = Format(nCol);
    memcpy(&pCell->m_lfFont, &m_pDefaults->lf, sizeof(LOGFONTW));
    try
    {
        pCell->m_strText = Text(nCol);
    }
    catch (...)
    {
        delete pCell;
        throw;
    }
    SetAt(nCol, pCell);
    m_nUnmade &= ~(1ULL << nCol);
    return pCell;
}

void CQCompactRow::MakeAllCells()
{
    EnsureSlots();
    for (int col = 0; col < GetSize() && m_nUnmade != 0; col++)
        MakeCell(col);
    m_nUnmade = 0;
}

// --- the grid's side ----------------------------------------------------------------------------

// Appends a row as InsertRow(texts[0], -1) followed by SetItemText(row, col, texts[col]) for the
// other texts up to the column count would. A grid that makes its cells its own way gets a
// compact row; any other grid, or texts that do not fit one, get exactly those calls.
int CQGridCtrl::InsertLoadedRow(LPCTSTR* ppszTexts, int nTexts)
{
    if (ppszTexts == NULL || nTexts < 1)
        return -1;

    bool bCompact = m_nCols >= 1 && m_nCols <= CQCompactRow::kMaxColumns && CellsOnDemand();

    CQCompactRow* pRow = NULL;
    if (bCompact)
    {
        // The formats CreateCell would give the new row: column 0 none, the others the format of
        // the cell above (the row count has grown by then, so the row above is the last row).
        // Consecutive rows usually share their defaults: a compact row above whose cells are not
        // made yet (column 0 aside) hands on its own formats, column 0's being none as well.
        const int nRow = m_nRows;
        CQRowDefaults* pDefaults = NULL;
        CQCompactRow* pAboveRow =
            nRow > 0 && nRow - 1 < m_RowData.GetSize() ? CQCompactRow::From(m_RowData[nRow - 1]) : NULL;
        if (pAboveRow && pAboveRow->UnmadeBeyondColumn0() && pAboveRow->Defaults()->nCols == m_nCols &&
            memcmp(&pAboveRow->Defaults()->lf, &m_Logfont, sizeof(LOGFONTW)) == 0)
        {
            pDefaults = pAboveRow->Defaults();
            pDefaults->AddRef();
        }
        else
        {
            UINT formats[CQCompactRow::kMaxColumns];
            formats[0] = 0;
            for (int col = 1; col < m_nCols; col++)
            {
                CQCompactRow* pUnmade;
                CQGridCell* pAbove = nRow > 0 ? PeekCell(nRow - 1, col, &pUnmade) : NULL;
                formats[col] = pAbove ? pAbove->m_nFormat : (nRow > 0 && pUnmade ? pUnmade->Format(col) : 0);
            }
            if (pAboveRow && pAboveRow->Defaults()->Matches(m_nCols, formats, m_Logfont))
            {
                pDefaults = pAboveRow->Defaults();
                pDefaults->AddRef();
            }
            else
            {
                pDefaults = CQRowDefaults::Make(m_nCols, formats, m_Logfont);
            }
        }
        try
        {
            pRow = CQCompactRow::Make(m_nCols, ppszTexts, nTexts, pDefaults);
        }
        catch (...)
        {
            pDefaults->Release();
            throw;
        }
        pDefaults->Release();
    }

    if (pRow == NULL)
    {
        int nRow = InsertRow(ppszTexts[0], -1);
        if (nRow < 0)
            return nRow;
        int nLast = std::min(nTexts, GetColumnCount());
        for (int col = 1; col < nLast; col++)
            SetItemText(nRow, col, ppszTexts[col]);
        return nRow;
    }

    // What InsertRow does, with the cells kept compact. With nothing selected and no focus cell,
    // resetting the selection would change nothing.
    try
    {
        if (!m_SelectedCellMap.IsEmpty() || !m_PrevSelectedCellMap.IsEmpty() || m_idCurrentCell.row != -1 ||
            m_idCurrentCell.col != -1)
            ResetSelectedRange();
        m_arRowHeights.Add(0);
        try
        {
            m_RowData.Add(pRow);
        }
        catch (...)
        {
            m_arRowHeights.RemoveAt(m_arRowHeights.GetSize() - 1);
            throw;
        }
    }
    catch (...)
    {
        delete pRow;
        throw;
    }
    const int nRow = m_nRows++;

    CSize size = GetTextExtent(ppszTexts[0], TRUE);
    m_arRowHeights[nRow] = (UINT)size.cy;
    RowSizesChanged(nRow);

    if (m_idCurrentCell.row != -1 && nRow < m_idCurrentCell.row)
        m_idCurrentCell.row++;

    ResetScrollBars();
    return nRow;
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
