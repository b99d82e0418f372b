// CQListCtrlEx: typed sorting on header clicks, column dragging, check-box state images and
// painting of the selection over the whole row.
#include "QListCtrlEx.h"

#include <stdlib.h>

namespace
{

// What a row carries as its data value while a sort runs: its own data value, its text in the
// sort column and the base time. The value the text reads as is worked out on the first
// comparison and kept, so that each text is parsed once per sort, not once per comparison.
struct SortRecord
{
    LPARAM lParam = 0;
    CString strText;
    COleDateTime timeBase;

    int nParsedAs = -1; // column type of the cached value, -1 before the first comparison
    bool bDateValid = false;
    long nValue = 0;
    double dValue = 0;
    COleDateTime date;

    void Parse(int nType)
    {
        if (nParsedAs == nType)
            return;
        nParsedAs = nType;
        switch (nType)
        {
        case CQListCtrlEx::ColumnInteger: nValue = _wtol(strText); break;
        case CQListCtrlEx::ColumnReal: dValue = _wtof(strText); break;
        case CQListCtrlEx::ColumnDateTime:
        case CQListCtrlEx::ColumnTimeOfDay:
            bDateValid = date.ParseDateTime(strText, 0, LANG_USER_DEFAULT);
            break;
        }
    }
};

} // namespace

CQListCtrlEx::CQListCtrlEx()
    : m_nHighlight(0), m_bSortEnabled(false), m_pColumnTypes(NULL), m_nColumnTypes(0), m_nSortColumn(-1),
      m_bSortAscending(1)
{
    m_timeBase.SetStatus(COleDateTime::invalid);
    m_header.SetCallback(this, static_cast<QHEADERDROPPROC>(&CQListCtrlEx::DragColumn));
}

CQListCtrlEx::~CQListCtrlEx()
{
    delete[] m_pColumnTypes;
}

BEGIN_MESSAGE_MAP(CQListCtrlEx, CListCtrl)
    // void OnPaint()
    ON_WM_PAINT()
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    ON_WM_CREATE()
    // void OnSetFocus(CWnd* pOldWnd)
    ON_WM_SETFOCUS()
    // void OnKillFocus(CWnd* pNewWnd)
    ON_WM_KILLFOCUS()
    // void OnLButtonDown(UINT nFlags, CPoint point)
    ON_WM_LBUTTONDOWN()
    // void OnHeaderClicked(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(HDN_ITEMCLICKA, 0, OnHeaderClicked)
    // void OnHeaderClicked(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(HDN_ITEMCLICKW, 0, OnHeaderClicked)
    // LRESULT OnInsertColumn(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(LVM_INSERTCOLUMNA, OnInsertColumn)
    // LRESULT OnInsertColumn(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(LVM_INSERTCOLUMNW, OnInsertColumn)
END_MESSAGE_MAP()

void CQListCtrlEx::SubclassHeader()
{
    if (m_header.GetSafeHwnd() != NULL)
        return;
    HWND hHeader = ::GetDlgItem(m_hWnd, 0);
    if (hHeader != NULL)
        m_header.SubclassWindow(hHeader);
}

void CQListCtrlEx::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    // A list made from a dialog template has its header by now; one being created gets it in
    // its creation (OnCreate) or with its first column (OnInsertColumn).
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
        SubclassHeader();
}

LRESULT CQListCtrlEx::OnInsertColumn(WPARAM, LPARAM)
{
    // A list may make its header only with its first column.
    LRESULT lResult = Default();
    SubclassHeader();
    return lResult;
}

int CQListCtrlEx::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    int nResult = CListCtrl::OnCreate(lpCreateStruct);
    if (nResult != -1)
        SubclassHeader();
    return nResult;
}

bool CQListCtrlEx::EnableSort(bool bEnable)
{
    bool bOld = m_bSortEnabled;
    m_bSortEnabled = bEnable;
    return bOld;
}

bool CQListCtrlEx::EnableHeaderDrag(bool bEnable)
{
    return m_header.EnableDrag(bEnable);
}

bool CQListCtrlEx::SetColumnTypes(BYTE* pTypes, UINT nCount)
{
    delete[] m_pColumnTypes;
    m_pColumnTypes = NULL;
    m_nColumnTypes = 0;
    if (nCount == 0)
        return true;
    if (pTypes == NULL)
        return false;
    BYTE* pTable = new (std::nothrow) BYTE[nCount];
    if (pTable == NULL)
        return false;
    for (UINT i = 0; i < nCount; i++)
    {
        if (pTypes[i] > ColumnTimeOfDay)
        {
            delete[] pTable;
            return false;
        }
        pTable[i] = pTypes[i];
    }
    m_pColumnTypes = pTable;
    m_nColumnTypes = nCount;
    return true;
}

bool CQListCtrlEx::SetBaseTime(CString strTime)
{
    COleDateTime time;
    if (!time.ParseDateTime(strTime, 0, LANG_USER_DEFAULT))
        return false;
    m_timeBase = time;
    return true;
}

int CQListCtrlEx::SetHighlightType(int nType)
{
    int nOld = m_nHighlight;
    if (nType > 2)
        return nOld;
    m_nHighlight = nType;
    if (nType > 0)
        ModifyStyle(0, LVS_OWNERDRAWFIXED);
    Invalidate(TRUE);
    return nOld;
}

int CALLBACK CQListCtrlEx::Compare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    SortRecord* a = reinterpret_cast<SortRecord*>(lParam1);
    SortRecord* b = reinterpret_cast<SortRecord*>(lParam2);
    int d = (lParamSort & 0xFF) ? 1 : -1;
    int t = (int)((lParamSort >> 8) & 0xFF);
    switch (t)
    {
    case ColumnText: return a->strText.Compare(b->strText) * d;
    case ColumnTextNoCase: return a->strText.CompareNoCase(b->strText) * d;
    case ColumnInteger:
    {
        a->Parse(t);
        b->Parse(t);
        // The sign of the difference, worked out without overflowing.
        return (a->nValue > b->nValue ? 1 : a->nValue < b->nValue ? -1 : 0) * d;
    }
    case ColumnReal:
        a->Parse(t);
        b->Parse(t);
        return b->dValue > a->dValue ? -d : d;
    case ColumnDateTime:
    case ColumnTimeOfDay:
    {
        a->Parse(t);
        b->Parse(t);
        if (!a->bDateValid || !b->bDateValid)
            return 0;
        COleDateTime da = a->date, db = b->date;
        if (t == ColumnTimeOfDay && a->timeBase.GetStatus() == COleDateTime::valid)
        {
            // Times before the base time belong to the following day.
            if (da < a->timeBase)
                da += COleDateTimeSpan(1, 0, 0, 0);
            if (db < a->timeBase)
                db += COleDateTimeSpan(1, 0, 0, 0);
        }
        return db > da ? -d : d;
    }
    default: return 0;
    }
}

void CQListCtrlEx::OnHeaderClicked(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMHEADER* pHeader = reinterpret_cast<const NMHEADER*>(pNMHDR);
    if (pHeader->iButton != 0 || !m_bSortEnabled || pHeader->iItem < 0)
        return;
    int nColumn = pHeader->iItem;
    m_bSortAscending = nColumn == m_nSortColumn ? !m_bSortAscending : 1;
    m_nSortColumn = nColumn;

    // A column without a type compares as case-sensitive text.
    int nType = (UINT)nColumn < m_nColumnTypes ? m_pColumnTypes[nColumn] : ColumnText;

    int nCount = GetItemCount();
    SetRedraw(FALSE);
    SortRecord* pRecords = new SortRecord[nCount > 0 ? nCount : 1];
    for (int i = 0; i < nCount; i++)
    {
        pRecords[i].lParam = (LPARAM)GetItemData(i);
        pRecords[i].strText = GetItemText(i, nColumn);
        pRecords[i].timeBase = m_timeBase;
        SetItemData(i, (DWORD_PTR)&pRecords[i]);
    }
    SortItems(Compare, (DWORD_PTR)((nType << 8) | m_bSortAscending));
    for (int i = 0; i < nCount; i++)
    {
        const SortRecord* pRecord = reinterpret_cast<const SortRecord*>(GetItemData(i));
        SetItemData(i, (DWORD_PTR)pRecord->lParam);
    }
    delete[] pRecords;
    SetRedraw(TRUE);
}

void CQListCtrlEx::DragColumn(int nSource, int nTarget)
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    int nColumns = pHeader != NULL ? pHeader->GetItemCount() : 0;
    if (nSource < 0 || nSource >= nColumns || nTarget < 0 || nTarget > nColumns || nTarget == nSource ||
        nTarget == nSource + 1)
        return;

    WCHAR szText[159];
    LVCOLUMN lvc = {};
    lvc.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    lvc.pszText = szText;
    lvc.cchTextMax = 159;
    szText[0] = 0;
    if (!GetColumn(nSource, &lvc))
        return;

    // The texts are read before the column goes in: inserting a column may change what the
    // list answers for its existing cells.
    int nRows = GetItemCount();
    CStringArray moved, first;
    moved.SetSize(nRows);
    for (int row = 0; row < nRows; row++)
        moved[row] = GetItemText(row, nSource);
    if (nTarget == 0)
    {
        first.SetSize(nRows);
        for (int row = 0; row < nRows; row++)
            first[row] = GetItemText(row, 0);
    }

    SetRedraw(FALSE);
    lvc.iSubItem = nTarget;
    InsertColumn(nTarget, &lvc);
    // The first column holds the item's own text: the column that was first moves to the second.
    if (nTarget == 0)
        for (int row = nRows - 1; row >= 0; row--)
            SetItemText(row, 1, first[row]);
    int s = nSource > nTarget ? nSource + 1 : nSource; // where the moved column stands now
    for (int row = nRows - 1; row >= 0; row--)
        SetItemText(row, nTarget, moved[row]);
    if (s == 0)
    {
        lvc.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        lvc.pszText = szText;
        lvc.cchTextMax = 159;
        szText[0] = 0;
        GetColumn(1, &lvc);
        lvc.mask |= LVCF_SUBITEM;
        lvc.iSubItem = 0;
        SetColumn(0, &lvc);
        for (int row = nRows - 1; row >= 0; row--)
            SetItemText(row, 0, GetItemText(row, 1));
        DeleteColumn(1);
    }
    else
        DeleteColumn(s);
    SetRedraw(TRUE);
    Invalidate(TRUE);
}

void CQListCtrlEx::InvalidateRowFromLabel(int nItem)
{
    CRect rcBounds, rcLabel;
    if (!GetItemRect(nItem, rcBounds, LVIR_BOUNDS) || !GetItemRect(nItem, rcLabel, LVIR_LABEL))
        return;
    rcBounds.left = rcLabel.left;
    InvalidateRect(rcBounds, FALSE);
}

void CQListCtrlEx::RepaintSelectedItems()
{
    int nFocused = GetNextItem(-1, LVNI_FOCUSED);
    if (nFocused != -1)
        InvalidateRowFromLabel(nFocused);
    if (!(GetStyle() & LVS_SHOWSELALWAYS))
        for (int i = GetNextItem(-1, LVNI_SELECTED); i != -1; i = GetNextItem(i, LVNI_SELECTED))
            InvalidateRowFromLabel(i);
    UpdateWindow();
}

void CQListCtrlEx::OnSetFocus(CWnd* pOldWnd)
{
    CListCtrl::OnSetFocus(pOldWnd);
    // An in-place editor of this list handing the focus back changes nothing.
    if (pOldWnd != NULL && ::IsWindow(pOldWnd->m_hWnd) && ::GetParent(pOldWnd->m_hWnd) == m_hWnd)
        return;
    if ((GetStyle() & LVS_TYPEMASK) == LVS_REPORT)
        RepaintSelectedItems();
}

void CQListCtrlEx::OnKillFocus(CWnd* pNewWnd)
{
    CListCtrl::OnKillFocus(pNewWnd);
    if (pNewWnd != NULL && ::IsWindow(pNewWnd->m_hWnd) && ::GetParent(pNewWnd->m_hWnd) == m_hWnd)
        return;
    if ((GetStyle() & LVS_TYPEMASK) == LVS_REPORT)
        RepaintSelectedItems();
}

void CQListCtrlEx::OnLButtonDown(UINT nFlags, CPoint point)
{
    LVHITTESTINFO hti = {};
    hti.pt = point;
    int nItem = HitTest(&hti);
    if (nItem != -1 && (hti.flags & LVHT_ONITEMSTATEICON))
    {
        UINT nState = GetItemState(nItem, LVIS_STATEIMAGEMASK);
        SetItemState(nItem,
                     nState == INDEXTOSTATEIMAGEMASK(1) ? INDEXTOSTATEIMAGEMASK(2) : INDEXTOSTATEIMAGEMASK(1),
                     LVIS_STATEIMAGEMASK);
    }
    CListCtrl::OnLButtonDown(nFlags, point);
}

void CQListCtrlEx::OnPaint()
{
    // With the highlight reaching the window's right edge, the part right of the items is painted
    // with them, so that the highlight does not stop where the columns end.
    if (m_nHighlight == 2 && (GetStyle() & LVS_TYPEMASK) == LVS_REPORT)
    {
        CRect rcBounds, rcClient;
        GetClientRect(&rcClient);
        if (GetItemRect(0, rcBounds, LVIR_BOUNDS) && rcBounds.right < rcClient.right)
        {
            CRect rcClip;
            if (GetUpdateRect(&rcClip, FALSE))
            {
                rcClip.left = rcClip.left < rcBounds.right - 1 ? rcClip.left : rcBounds.right - 1;
                rcClip.right = rcClient.right;
                InvalidateRect(rcClip, FALSE);
            }
        }
    }
    Default();
}

void CQListCtrlEx::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    int nItem = (int)lpDIS->itemID;
    int nSavedDC = pDC->SaveDC();
    CBrush brWindow(::GetSysColor(COLOR_WINDOW));
    CBrush brHighlight(::GetSysColor(COLOR_HIGHLIGHT));

    LVITEM lvi = {};
    lvi.mask = LVIF_IMAGE | LVIF_STATE;
    lvi.iItem = nItem;
    lvi.stateMask = 0xFFFF;
    GetItem(&lvi);

    bool bFocus = GetFocus() == this;
    bool bHighlight = (lvi.state & LVIS_DROPHILITED) ||
                      ((lvi.state & LVIS_SELECTED) && (bFocus || (GetStyle() & LVS_SHOWSELALWAYS)));

    CRect rcBounds, rcLabel, rcIcon;
    GetItemRect(nItem, rcBounds, LVIR_BOUNDS);
    GetItemRect(nItem, rcLabel, LVIR_LABEL);
    GetItemRect(nItem, rcIcon, LVIR_ICON);
    CRect rcColumn(rcBounds);
    CString strLabel = GetItemText(nItem, 0);
    int nOffset = pDC->GetTextExtent(L" ", 1).cx * 2;

    CRect rcHighlight;
    switch (m_nHighlight)
    {
    case 0:
    {
        rcHighlight = rcLabel;
        int nRight = rcLabel.left + pDC->GetTextExtent(strLabel).cx + nOffset;
        if (nRight < rcHighlight.right)
            rcHighlight.right = nRight;
        break;
    }
    case 1:
        rcHighlight = rcBounds;
        rcHighlight.left = rcLabel.left;
        break;
    case 2:
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        rcHighlight = rcBounds;
        rcHighlight.left = rcLabel.left;
        rcHighlight.right = rcClient.right;
        break;
    }
    default: rcHighlight = rcLabel; break;
    }

    if (bHighlight)
    {
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        pDC->SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
    }
    pDC->FillRect(rcHighlight, bHighlight ? &brHighlight : &brWindow);

    // The first column: state image, small image and the item's text.
    rcColumn.right = rcColumn.left + GetColumnWidth(0);
    CRgn rgn;
    rgn.CreateRectRgnIndirect(&rcColumn);
    pDC->SelectClipRgn(&rgn);
    rgn.DeleteObject();

    if (lvi.state & LVIS_STATEIMAGEMASK)
    {
        int nImage = (int)((lvi.state & LVIS_STATEIMAGEMASK) >> 12) - 1;
        CImageList* pStates = GetImageList(LVSIL_STATE);
        if (pStates != NULL)
            pStates->Draw(pDC, nImage, CPoint(rcColumn.left, rcColumn.top), ILD_TRANSPARENT);
    }
    CImageList* pImages = GetImageList(LVSIL_SMALL);
    if (pImages != NULL)
    {
        UINT nStyle = ILD_TRANSPARENT | (lvi.state & LVIS_OVERLAYMASK) | (bHighlight ? ILD_BLEND50 : 0);
        pImages->Draw(pDC, lvi.iImage, CPoint(rcIcon.left, rcIcon.top), nStyle);
    }

    CRect rcText(rcLabel);
    rcText.left += nOffset / 2;
    rcText.right -= nOffset;
    pDC->DrawText(strLabel, -1, rcText,
                  DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER | DT_END_ELLIPSIS);

    // The other columns; in highlight type 0 they are never highlighted.
    if (m_nHighlight == 0)
    {
        pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    }
    CRect rcClip(rcBounds);
    if (rcHighlight.right > rcClip.right)
        rcClip.right = rcHighlight.right;
    rgn.CreateRectRgnIndirect(&rcClip);
    pDC->SelectClipRgn(&rgn);
    rgn.DeleteObject();

    LVCOLUMN lvc = {};
    lvc.mask = LVCF_FMT | LVCF_WIDTH;
    for (int nColumn = 1; GetColumn(nColumn, &lvc); nColumn++)
    {
        rcColumn.left = rcColumn.right;
        rcColumn.right += lvc.cx;
        if (m_nHighlight == 0)
            pDC->FillRect(rcColumn, &brWindow);
        CString strText = GetItemText(nItem, nColumn);
        if (strText.IsEmpty())
            continue;
        UINT nJustify = DT_LEFT;
        switch (lvc.fmt & LVCFMT_JUSTIFYMASK)
        {
        case LVCFMT_RIGHT: nJustify = DT_RIGHT; break;
        case LVCFMT_CENTER: nJustify = DT_CENTER; break;
        }
        rcText = rcColumn;
        rcText.left += nOffset;
        rcText.right -= nOffset;
        pDC->DrawText(strText, -1, rcText,
                      nJustify | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_END_ELLIPSIS);
    }

    if ((lvi.state & LVIS_FOCUSED) && bFocus)
        pDC->DrawFocusRect(rcHighlight);
    pDC->RestoreDC(nSavedDC);
}
