// Multi-column sort order of a report list view: an ordered list of sort columns with their
// directions, a text compare function per column, and the sort itself, which reorders the items
// of the attached list through the list's own item sort. The extended list view owns one and
// refills its order list from the header's sort marks before every sort.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

class CTsyslistviewex;

// Compares two item texts: negative, zero or positive as the first sorts before, equal to or
// after the second (wcscmp's contract).
typedef int (*PFNTCOMPARETEXT)(const wchar_t* lpszFirst, const wchar_t* lpszSecond);

// One sort column: the list column (sub-item index) and its direction, +1 ascending and -1
// descending. A column's comparison result is multiplied by the direction.
struct ColumnOrder
{
    int nColumn;
    short nDirection;
};

class AFX_EXT_CLASS CTSortColumns
{
public:
    CTSortColumns();
    virtual ~CTSortColumns();

    // Sets the column's compare function (not NULL), replacing an earlier one.
    void Add(int nColumn, PFNTCOMPARETEXT pfnCompare);
    // Appends a sort column; a column without a compare function gets wcscmp.
    void AddOrderColumn(int nColumn, short nDirection);
    // The list to sort (not owned); NULL detaches.
    void AttachControl(CTsyslistviewex* pList);
    // Removes the column's compare function; the order list is not touched.
    void Delete(int nColumn);
    int GetCountOrderColumn() const { return m_nCountOrder; }
    // Frees the order list; the compare functions stay.
    void ResetOrderColumn();
    // Sorts the attached list by the order list: one column without progress, several columns
    // with progress on lists of 256 items and more. Every item keeps its data value.
    void Sort();

protected:
    void SortUniColumn();
    void SortMultiColumn();

    // The column's compare function; wcscmp when it has none (the list view never lets that
    // happen, a direct caller might after Delete).
    PFNTCOMPARETEXT GetCompare(int nColumn) const;

    static void NoProgress(CTSortColumns* pSort);
    static void StepProgress(CTSortColumns* pSort);
    static int CALLBACK CompareUni(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    static int CALLBACK CompareMulti(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    int m_nExpectedCompares;               // estimate for progress: (n log2 n + n) / 2
    int m_nCompares;                       // comparisons made by the running multi-column sort
    void (*m_pfnProgress)(CTSortColumns*); // NoProgress or StepProgress
    CTsyslistviewex* m_pList;              // not owned
    CMap<int, int, PFNTCOMPARETEXT, PFNTCOMPARETEXT> m_mapCompare;
    CArray<ColumnOrder*, ColumnOrder*> m_arrOrder; // priority order, owned entries
    int m_nCountOrder;                             // entries in m_arrOrder

    // While a multi-column sort runs: the compare function of every order entry.
    CArray<PFNTCOMPARETEXT, PFNTCOMPARETEXT> m_arrSortCompare;

private:
    CTSortColumns(const CTSortColumns&) = delete;
    CTSortColumns& operator=(const CTSortColumns&) = delete;
};
