// A grid row whose cells are made when first asked for. A grid of a million rows would otherwise
// hold tens of millions of cell objects, each far larger than its text; such a row keeps the texts
// of its cells in one block together with what every cell of the row was given when the row was
// made (format and font), and makes a cell object only when something needs more than its text.
// Internal to the grid control.
#pragma once

#include "grid/QGridCtrl.h"

// What the cells of one or more compact rows were made with: the format of each column and the
// font description. Shared, with a count of its users.
struct CQRowDefaults
{
    LONG nRefs;
    int nCols;
    LOGFONTW lf;
    UINT formats[1]; // nCols entries

    static CQRowDefaults* Make(int nCols, const UINT* pFormats, const LOGFONTW& lf);
    bool Matches(int nCols, const UINT* pFormats, const LOGFONTW& lf) const;
    void AddRef() { ::InterlockedIncrement(&nRefs); }
    void Release();
};

// The row array of a compact row. It has no slots until its first cell is made (then it gets one
// empty slot per column); a slot is filled with a cell made from the kept text, format and font
// the first time the cell is asked for (IsUnmade tells which are still to be made). The grid turns
// every unmade cell into a cell before it changes the columns, so that slots and kept texts never
// part; a row without unmade cells always has its slots.
class CQCompactRow : public GRID_ROW
{
    DECLARE_DYNAMIC(CQCompactRow)

public:
    enum
    {
        kMaxColumns = 64,
        kMaxChars = 0xFFFF
    };

    // A row of nCols empty slots keeping the texts (nTexts of them, the rest empty); NULL when
    // the texts do not fit a compact row (too many columns or characters). Rows made in bulk
    // (bShared: loaded, added by a row count, or given their first text) are carved from large
    // blocks shared with other rows, a block going back when its last row goes; the others have an
    // allocation of their own, which a row replaced by an edit gives back at once.
    static CQCompactRow* Make(int nCols, const LPCWSTR* ppszTexts, int nTexts, CQRowDefaults* pDefaults,
                              bool bShared);
    // Replaces the kept text of column nCol (a cell still to be made) where the row stands, when
    // the new text fits the room the row has; false when it does not (WithText then makes a row).
    bool SetText(int nCol, LPCWSTR psz);
    // The same row with the kept text of column nCol replaced and room to spare for later texts (at
    // least nRoomHint characters: rows filled one text at a time end much like the row above); the
    // cells made so far move into the new row's slots. NULL when the texts no longer fit.
    CQCompactRow* WithText(int nCol, LPCWSTR psz, int nRoomHint);
    // Characters of all the kept texts.
    int TotalLength() const { return Offsets()[m_pDefaults->nCols]; }
    // The row and its kept texts are one allocation.
    struct CExtra
    {
        size_t nBytes;
        bool bShared;
    };
    static void* operator new(size_t nSize, CExtra extra);
    static void operator delete(void* p);
    virtual ~CQCompactRow();

    static CQCompactRow* From(GRID_ROW* pRow)
    {
        return pRow != NULL && pRow->GetRuntimeClass() == RUNTIME_CLASS(CQCompactRow) ? (CQCompactRow*)pRow
                                                                                      : NULL;
    }

    bool IsUnmade(int nCol) const { return nCol >= 0 && nCol < kMaxColumns && (m_nUnmade >> nCol) & 1; }
    bool HasUnmade() const { return m_nUnmade != 0; }
    // Every cell but column 0's is still to be made.
    bool UnmadeBeyondColumn0() const
    {
        int nCols = m_pDefaults->nCols;
        unsigned long long nAll = nCols >= kMaxColumns ? ~0ULL : ((1ULL << nCols) - 1);
        return (m_nUnmade | 1ULL) == nAll;
    }
    CString Text(int nCol) const;
    int TextLength(int nCol) const;
    UINT Format(int nCol) const;
    const LOGFONTW& Font() const { return m_pDefaults->lf; }
    CQRowDefaults* Defaults() const { return m_pDefaults; }

    // Makes the cell of column nCol as the grid's own CreateCell and SetItemText would have made
    // it, and stores it in its slot.
    CQGridCell* MakeCell(int nCol);
    void MakeAllCells();
    // The cell of column nCol is not to be made: its slot is taken by a cell from elsewhere.
    void Forget(int nCol)
    {
        EnsureSlots();
        if (IsUnmade(nCol))
            m_nUnmade &= ~(1ULL << nCol);
    }
    // One slot per column, empty ones for the cells not made yet.
    void EnsureSlots()
    {
        if (GetSize() == 0)
            SetSize(m_pDefaults->nCols);
    }

    // One kept text: characters as single bytes or as UTF-16.
    struct CTextView
    {
        const void* p;
        int nLength;
        bool bWide;
    };
    CTextView View(int nCol) const;

private:
    CQCompactRow() = default;

    static CQCompactRow* Build(int nCols, const CTextView* pTexts, int nTexts, CQRowDefaults* pDefaults,
                               bool bShared, int nRoomHint);

    CQRowDefaults* m_pDefaults = NULL;
    unsigned long long m_nUnmade = 0; // bit c: the cell of column c is still to be made
    int m_nRoom = 0;                  // characters the row has room for
    bool m_bWide = false;             // characters kept as UTF-16, else as single bytes
    // Followed in the same allocation by one WORD offset per column and one for the end, then room
    // for m_nRoom characters: the text of column c is [offset c, offset c + 1).
    WORD* Offsets() const { return (WORD*)(this + 1); }
    BYTE* Chars() const { return (BYTE*)(Offsets() + m_pDefaults->nCols + 1); }
};
