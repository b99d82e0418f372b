// CTSortColumns: the order list, the compare-function table and the two sort paths. While a sort
// runs, every item's data value is the address of its sort record (the item's key texts and its
// own data value); the data values are put back, at full pointer width, before Sort returns.
#include "TSortColumns.h"
#include "Tsyslistviewex.h"

#include <climits>
#include <cmath>
#include <cwchar>
#include <vector>

namespace
{

// Lists of more items than this have redraw turned off while every item's data value changes.
const int kBulkItems = 64;

// Turns the list's redraw off (bOff) or back on, for lists of many items only.
void SuspendRedraw(CTsyslistviewex* pList, int nItems, BOOL bOff)
{
    if (nItems > kBulkItems)
        pList->SetRedraw(!bOff);
}

// The record of one item while the single-column sort runs.
struct UniRecord
{
    CString strText;
    DWORD_PTR dwData;
};

// The record of one item while the multi-column sort runs: its texts of the order columns, in
// priority order, point into one block shared by all records.
struct MultiRecord
{
    const CString* pTexts;
    DWORD_PTR dwData;
};

// The column's result times its direction, kept inside int.
int Directed(int nResult, short nDirection)
{
    long long r = (long long)nResult * nDirection;
    if (r > INT_MAX)
        return INT_MAX;
    if (r < INT_MIN)
        return INT_MIN;
    return (int)r;
}

// The state of a running single-column sort, passed as the sort's context.
struct UniContext
{
    PFNTCOMPARETEXT pfnCompare;
    short nDirection;
};

// Gives every item its own data value back from the records in [pFirst, pEnd). An item whose
// data is not one of those records (nothing should change items while the sort runs) keeps it.
template <class REC> void RestoreData(CTsyslistviewex* pList, int nItems, const REC* pFirst, const REC* pEnd)
{
    for (int i = 0; i < nItems; ++i)
    {
        const REC* pRec = reinterpret_cast<const REC*>(pList->GetItemData(i));
        if (pRec >= pFirst && pRec < pEnd)
            pList->SetItemData(i, pRec->dwData);
    }
}

} // namespace

CTSortColumns::CTSortColumns()
    : m_nExpectedCompares(0), m_nCompares(0), m_pfnProgress(&CTSortColumns::NoProgress), m_pList(NULL),
      m_nCountOrder(0)
{
}

CTSortColumns::~CTSortColumns()
{
    m_mapCompare.RemoveAll();
    ResetOrderColumn();
}

void CTSortColumns::Add(int nColumn, PFNTCOMPARETEXT pfnCompare)
{
    ASSERT(pfnCompare != NULL);
    m_mapCompare.SetAt(nColumn, pfnCompare != NULL ? pfnCompare : &wcscmp);
}

void CTSortColumns::AddOrderColumn(int nColumn, short nDirection)
{
    ColumnOrder* pOrder = new ColumnOrder;
    pOrder->nColumn = nColumn;
    pOrder->nDirection = nDirection;
    m_arrOrder.Add(pOrder);
    ++m_nCountOrder;
    PFNTCOMPARETEXT pfn;
    if (!m_mapCompare.Lookup(nColumn, pfn))
        m_mapCompare.SetAt(nColumn, &wcscmp);
}

void CTSortColumns::AttachControl(CTsyslistviewex* pList)
{
    m_pList = pList;
}

void CTSortColumns::Delete(int nColumn)
{
    m_mapCompare.RemoveKey(nColumn);
}

void CTSortColumns::ResetOrderColumn()
{
    for (INT_PTR i = 0; i < m_arrOrder.GetSize(); ++i)
        delete m_arrOrder[i];
    m_arrOrder.RemoveAll();
    m_nCountOrder = 0;
}

PFNTCOMPARETEXT CTSortColumns::GetCompare(int nColumn) const
{
    PFNTCOMPARETEXT pfn = NULL;
    if (!m_mapCompare.Lookup(nColumn, pfn) || pfn == NULL)
        pfn = &wcscmp;
    return pfn;
}

void CTSortColumns::Sort()
{
    // Nothing to sort by or nothing to sort: the list keeps its order.
    if (m_pList == NULL || m_pList->GetSafeHwnd() == NULL || m_nCountOrder <= 0)
        return;
    if (m_nCountOrder == 1)
    {
        SortUniColumn();
        return;
    }
    int n = m_pList->GetItemCount();
    double e = n > 1 ? (double)n * std::log((double)n) / std::log(2.0) + n : (double)n;
    m_nExpectedCompares = (int)e / 2;
    m_nCompares = 0;
    m_pfnProgress = n >= 256 ? &CTSortColumns::StepProgress : &CTSortColumns::NoProgress;
    SortMultiColumn();
    m_pfnProgress = &CTSortColumns::NoProgress;
    if (n >= 256)
        m_pList->Progress(100);
}

void CTSortColumns::NoProgress(CTSortColumns*) {}

void CTSortColumns::StepProgress(CTSortColumns* pSort)
{
    int nPercent = (int)((double)pSort->m_nCompares / pSort->m_nExpectedCompares * 100.0);
    ++pSort->m_nCompares;
    pSort->m_pList->Progress(nPercent);
}

int CALLBACK CTSortColumns::CompareUni(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const UniContext* pContext = reinterpret_cast<const UniContext*>(lParamSort);
    const UniRecord* pA = reinterpret_cast<const UniRecord*>(lParam1);
    const UniRecord* pB = reinterpret_cast<const UniRecord*>(lParam2);
    return Directed(pContext->pfnCompare(pA->strText, pB->strText), pContext->nDirection);
}

int CALLBACK CTSortColumns::CompareMulti(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    CTSortColumns* pSort = reinterpret_cast<CTSortColumns*>(lParamSort);
    pSort->m_pfnProgress(pSort);
    const MultiRecord* pA = reinterpret_cast<const MultiRecord*>(lParam1);
    const MultiRecord* pB = reinterpret_cast<const MultiRecord*>(lParam2);
    int r = 0;
    for (int k = 0; k < pSort->m_nCountOrder && r == 0; ++k)
        r = Directed(pSort->m_arrSortCompare[k](pA->pTexts[k], pB->pTexts[k]),
                     pSort->m_arrOrder[k]->nDirection);
    return r;
}

void CTSortColumns::SortUniColumn()
{
    const int nColumn = m_arrOrder[0]->nColumn;
    const int n = m_pList->GetItemCount();
    std::vector<UniRecord> records((size_t)n);
    // The items' data values change one by one: without redraw, so nothing paints in between.
    SuspendRedraw(m_pList, n, TRUE);
    for (int i = 0; i < n; ++i)
    {
        records[i].strText = m_pList->GetItemText(i, nColumn);
        records[i].dwData = m_pList->GetItemData(i);
        m_pList->SetItemData(i, (DWORD_PTR)&records[i]);
    }
    SuspendRedraw(m_pList, n, FALSE);
    UniContext context = {GetCompare(nColumn), m_arrOrder[0]->nDirection};
    m_pList->SortItems(&CTSortColumns::CompareUni, (DWORD_PTR)&context);
    SuspendRedraw(m_pList, n, TRUE);
    RestoreData(m_pList, n, records.data(), records.data() + n);
    SuspendRedraw(m_pList, n, FALSE);
    m_pList->Invalidate();
}

void CTSortColumns::SortMultiColumn()
{
    const int nKeys = m_nCountOrder;
    const int n = m_pList->GetItemCount();
    m_arrSortCompare.SetSize(nKeys);
    for (int k = 0; k < nKeys; ++k)
        m_arrSortCompare[k] = GetCompare(m_arrOrder[k]->nColumn);

    std::vector<CString> texts((size_t)n * nKeys);
    std::vector<MultiRecord> records((size_t)n);
    SuspendRedraw(m_pList, n, TRUE);
    for (int i = 0; i < n; ++i)
    {
        CString* pTexts = texts.data() + (size_t)i * nKeys;
        for (int k = 0; k < nKeys; ++k)
            pTexts[k] = m_pList->GetItemText(i, m_arrOrder[k]->nColumn);
        records[i].pTexts = pTexts;
        records[i].dwData = m_pList->GetItemData(i);
        m_pList->SetItemData(i, (DWORD_PTR)&records[i]);
    }
    // Redraw is back on while the list sorts, so that the progress bar shows.
    SuspendRedraw(m_pList, n, FALSE);
    m_pList->SortItems(&CTSortColumns::CompareMulti, (DWORD_PTR)this);
    SuspendRedraw(m_pList, n, TRUE);
    RestoreData(m_pList, n, records.data(), records.data() + n);
    SuspendRedraw(m_pList, n, FALSE);
    m_pList->Invalidate();
    m_arrSortCompare.RemoveAll();
}
