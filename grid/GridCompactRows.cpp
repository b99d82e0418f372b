// CQCompactRow: a grid row that keeps its texts in one block and makes its cells when first asked
// for. A cell object is several times the size of a short text, and a million-row grid would
// otherwise cost gigabytes before the first row shows. The rows and their shared blocks are made
// here; the cell store (GridStore.cpp) decides when a grid uses them.
#include "grid/internal/QCompactRow.h"

#include <algorithm>
#include <new>

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
    if (extra.bShared && nBytes <= CRowBlocks::kLargestRow)
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

CQCompactRow* CQCompactRow::Make(int nCols, const LPCWSTR* ppszTexts, int nTexts, CQRowDefaults* pDefaults,
                                 bool bShared)
{
    if (nCols < 1 || nCols > kMaxColumns || nTexts < 0 || ppszTexts == NULL)
        return NULL;
    if (nTexts > nCols)
        nTexts = nCols;
    CTextView views[kMaxColumns];
    for (int i = 0; i < nTexts; i++)
    {
        LPCWSTR psz = ppszTexts[i];
        bool bText = psz != NULL && !IS_INTRESOURCE(psz);
        size_t nLength = bText ? wcslen(psz) : 0;
        if (nLength > kMaxChars)
            return NULL;
        views[i] = CTextView{psz, (int)nLength, true};
    }
    return Build(nCols, views, nTexts, pDefaults, bShared, -1);
}

CQCompactRow::CTextView CQCompactRow::View(int nCol) const
{
    const int nLength = TextLength(nCol);
    if (nLength == 0)
        return CTextView{NULL, 0, false};
    const int nStart = Offsets()[nCol];
    return m_bWide ? CTextView{(const wchar_t*)Chars() + nStart, nLength, true}
                   : CTextView{Chars() + nStart, nLength, false};
}

CQCompactRow* CQCompactRow::Build(int nCols, const CTextView* pTexts, int nTexts, CQRowDefaults* pDefaults,
                                  bool bShared, int nRoomHint)
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
        const CTextView& t = pTexts[i];
        nChars += (size_t)t.nLength;
        if (nChars > kMaxChars)
            return NULL;
        if (t.bWide)
            for (int k = 0; k < t.nLength && !bWide; k++)
                bWide = ((const wchar_t*)t.p)[k] > 0xFF;
    }
    // A row being edited (a hint given) gets half as much room again, or as much as hinted, so that
    // the texts written into it one by one rewrite it a few times only.
    size_t nRoom = nChars;
    if (nRoomHint >= 0)
        nRoom = std::min(std::max(nChars + nChars / 2 + 8, (size_t)nRoomHint), (size_t)kMaxChars);

    size_t nExtra = (size_t)(nCols + 1) * sizeof(WORD) + nRoom * (bWide ? sizeof(wchar_t) : 1);
    CQCompactRow* pRow = new (CExtra{nExtra, bShared}) CQCompactRow;
    pDefaults->AddRef();
    pRow->m_pDefaults = pDefaults;
    pRow->m_nUnmade = nCols == kMaxColumns ? ~0ULL : ((1ULL << nCols) - 1);
    pRow->m_nRoom = (int)nRoom;
    pRow->m_bWide = bWide;
    WORD* pOffsets = pRow->Offsets();
    BYTE* pChars = pRow->Chars();
    WORD nAt = 0;
    for (int i = 0; i < nCols; i++)
    {
        pOffsets[i] = nAt;
        if (i >= nTexts)
            continue;
        const CTextView& t = pTexts[i];
        for (int k = 0; k < t.nLength; k++, nAt++)
        {
            const wchar_t ch = t.bWide ? ((const wchar_t*)t.p)[k] : ((const BYTE*)t.p)[k];
            if (bWide)
                ((wchar_t*)pChars)[nAt] = ch;
            else
                pChars[nAt] = (BYTE)ch;
        }
    }
    pOffsets[nCols] = nAt;
    return pRow;
}

bool CQCompactRow::SetText(int nCol, LPCWSTR psz)
{
    const int nCols = m_pDefaults->nCols;
    if (!IsUnmade(nCol) || nCol >= nCols || (psz != NULL && IS_INTRESOURCE(psz)))
        return false;
    WORD* pOffsets = Offsets();
    const int nOld = pOffsets[nCol + 1] - pOffsets[nCol];
    int nNew = 0;
    for (; psz != NULL && psz[nNew] != 0; nNew++)
    {
        if (nNew >= m_nRoom || (!m_bWide && psz[nNew] > 0xFF))
            return false;
    }
    const int nTotal = pOffsets[nCols];
    if (nTotal - nOld + nNew > m_nRoom)
        return false;

    // The texts after column nCol move to make room (or close up), then the new text goes in.
    const size_t nCharSize = m_bWide ? sizeof(wchar_t) : 1;
    BYTE* pChars = Chars();
    const int nTail = nTotal - pOffsets[nCol + 1];
    if (nNew != nOld && nTail > 0)
        memmove(pChars + (pOffsets[nCol] + nNew) * nCharSize, pChars + pOffsets[nCol + 1] * nCharSize,
                (size_t)nTail * nCharSize);
    BYTE* pTo = pChars + pOffsets[nCol] * nCharSize;
    for (int k = 0; k < nNew; k++)
    {
        if (m_bWide)
            ((wchar_t*)pTo)[k] = psz[k];
        else
            pTo[k] = (BYTE)psz[k];
    }
    for (int i = nCol + 1; i <= nCols; i++)
        pOffsets[i] = (WORD)(pOffsets[i] + nNew - nOld);
    return true;
}

CQCompactRow* CQCompactRow::WithText(int nCol, LPCWSTR psz, int nRoomHint)
{
    const int nCols = m_pDefaults->nCols;
    if (!IsUnmade(nCol) || nCol >= nCols || (psz != NULL && IS_INTRESOURCE(psz)))
        return NULL;
    const size_t nLength = psz ? wcslen(psz) : 0;
    if (nLength > kMaxChars)
        return NULL;
    CTextView views[kMaxColumns];
    for (int i = 0; i < nCols; i++)
        views[i] = i == nCol ? CTextView{psz, (int)nLength, true} : View(i);
    // A row getting its first text (one made empty, with no room) is usually one of many being
    // filled in turn: it is carved from the shared blocks like the empty rows it replaces, whose
    // blocks go back as they empty. Rows growing later have an allocation of their own.
    const bool bFirst = m_nRoom == 0 && GetSize() == 0;
    CQCompactRow* pRow = Build(nCols, views, nCols, m_pDefaults, bFirst, std::max(nRoomHint, 0));
    if (pRow == NULL)
        return NULL;
    pRow->m_nUnmade = m_nUnmade;
    if (GetSize() > 0)
    {
        try
        {
            pRow->SetSize(GetSize());
        }
        catch (...)
        {
            delete pRow;
            throw;
        }
        for (INT_PTR i = 0; i < GetSize(); i++)
            pRow->SetAt(i, GetAt(i));
        RemoveAll();
    }
    return pRow;
}

CQCompactRow::~CQCompactRow()
{
    if (m_pDefaults)
        m_pDefaults->Release();
}

int CQCompactRow::TextLength(int nCol) const
{
    if (nCol < 0 || nCol >= m_pDefaults->nCols)
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
