// CTsyslistviewex, part one: construction, attachment to the list window, the bitmaps, the row
// styles, geometry (hit test, cell rectangles, header stretch), selection and the progress bar.
#include "Tsyslistviewex.h"

#include <vector>

wchar_t CTsyslistviewex::m_cImageTextSeparator = L':';

namespace
{

// Keeps a map's look-ups near constant time as it grows: once it holds as many keys as it has
// buckets, it is rebuilt with four times as many. (Rebuilt rather than re-hashed in place, which
// the framework's InitHashTable does only for empty maps.)
template <class KEY, class VALUE> void GrowHashTable(CMap<KEY, KEY, VALUE, VALUE>& map)
{
    if ((UINT)map.GetCount() < map.GetHashTableSize())
        return;
    std::vector<std::pair<KEY, VALUE>> pairs;
    pairs.reserve((size_t)map.GetCount());
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        KEY key;
        VALUE value;
        map.GetNextAssoc(pos, key, value);
        pairs.emplace_back(key, value);
    }
    UINT nSize = map.GetHashTableSize() * 4 + 1;
    map.RemoveAll();
    map.InitHashTable(nSize);
    for (const auto& pair : pairs)
        map.SetAt(pair.first, pair.second);
}

} // namespace

BEGIN_MESSAGE_MAP(CTsyslistviewex, CListCtrl)
    // void OnLButtonDown(UINT nFlags, CPoint point)
    ON_WM_LBUTTONDOWN()
    // void OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnclick)
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_CHAR()
    // void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

CTsyslistviewex::CTsyslistviewex(int nExtraRowHeight)
    : m_bSortOnClick(TRUE), m_bSaveHeader(FALSE), m_nProgressShown(-1), m_bSortEnabled(FALSE),
      m_hWndNativeHeader(NULL), m_pfnDrawItem(&CTsyslistviewex::DrawItemNoGrid),
      m_nExtraRowHeight(nExtraRowHeight), m_nMeasuredHeight(0)
{
    m_mapBoldRows.RemoveAll();
}

CTsyslistviewex::~CTsyslistviewex()
{
    // The list goes before its members: the header and the progress bar are its children.
    DestroyWindow();
    for (POSITION pos = m_mapColumnBitmaps.GetStartPosition(); pos != NULL;)
    {
        int nKey;
        CTColumnBitmap* pBitmap;
        m_mapColumnBitmaps.GetNextAssoc(pos, nKey, pBitmap);
        delete pBitmap;
    }
    for (POSITION pos = m_mapCellBitmaps.GetStartPosition(); pos != NULL;)
    {
        DWORD dwKey;
        CTColumnBitmap* pBitmap;
        m_mapCellBitmaps.GetNextAssoc(pos, dwKey, pBitmap);
        delete pBitmap;
    }
    m_mapColumnBitmaps.RemoveAll();
    m_mapCellBitmaps.RemoveAll();
    m_mapBoldRows.RemoveAll();
    m_mapItalicRows.RemoveAll();
}

void CTsyslistviewex::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    LONG_PTR lStyle = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE,
                        (lStyle & ~(LONG_PTR)LVS_TYPEMASK) | LVS_REPORT | LVS_OWNERDRAWFIXED);
    m_hWndNativeHeader = ::GetDlgItem(m_hWnd, 0);

    HFONT hFont = (HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0);
    LOGFONTW lf = {};
    if (hFont != NULL && ::GetObjectW(hFont, sizeof(lf), &lf) == sizeof(lf))
    {
        m_fontBold.DeleteObject();
        m_fontItalic.DeleteObject();
        m_fontBoldItalic.DeleteObject();
        lf.lfWeight = FW_BOLD;
        lf.lfItalic = FALSE;
        m_fontBold.CreateFontIndirect(&lf);
        lf.lfWeight = FW_NORMAL;
        lf.lfItalic = TRUE;
        m_fontItalic.CreateFontIndirect(&lf);
        lf.lfWeight = FW_BOLD;
        m_fontBoldItalic.CreateFontIndirect(&lf);
    }
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 1);
}

BOOL CTsyslistviewex::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style = (cs.style & ~(LONG)LVS_TYPEMASK) | LVS_REPORT | LVS_OWNERDRAWFIXED;
    return CListCtrl::PreCreateWindow(cs);
}

// ---------------------------------------------------------------------------------------------
// Bitmaps

DWORD CTsyslistviewex::ComposeKeyForCell(WORD wRowKey, WORD wColumn)
{
    return ((DWORD)(wRowKey & 0xFFFF) << 16) | (DWORD)(wColumn & 0xFFFF);
}

int CTsyslistviewex::AttachBitmap(int nColumn, UINT nIDResource, int nWidth, int nHeight, int nRow)
{
    CTColumnBitmap* pBitmap = new (std::nothrow) CTColumnBitmap(nIDResource, nWidth, nHeight, nRow);
    if (pBitmap == NULL)
        return 0;
    CTColumnBitmap* pOld = NULL;
    if (m_mapColumnBitmaps.Lookup(nColumn, pOld))
        delete pOld;
    m_mapColumnBitmaps.SetAt(nColumn, pBitmap);
    return 1;
}

int CTsyslistviewex::AttachBitmapCell(WORD wRowKey, WORD wColumn, UINT nIDResource, int nWidth, int nHeight,
                                      int nRow)
{
    CTColumnBitmap* pBitmap = new (std::nothrow) CTColumnBitmap(nIDResource, nWidth, nHeight, nRow);
    if (pBitmap == NULL)
        return 0;
    DWORD dwKey = ComposeKeyForCell(wRowKey, wColumn);
    CTColumnBitmap* pOld = NULL;
    if (m_mapCellBitmaps.Lookup(dwKey, pOld))
        delete pOld;
    m_mapCellBitmaps.SetAt(dwKey, pBitmap);
    GrowHashTable(m_mapCellBitmaps);
    return 1;
}

CTColumnBitmap* CTsyslistviewex::GetBitmapColumn(int nColumn)
{
    CTColumnBitmap* pBitmap = NULL;
    if (m_mapColumnBitmaps.IsEmpty() || !m_mapColumnBitmaps.Lookup(nColumn, pBitmap))
        return NULL;
    return pBitmap;
}

CTColumnBitmap* CTsyslistviewex::GetBitmapCell(DWORD dwRowKey, int nColumn)
{
    if (CTColumnBitmap* pBitmap = GetBitmapColumn(nColumn))
        return pBitmap;
    CTColumnBitmap* pBitmap = NULL;
    if (m_mapCellBitmaps.IsEmpty() ||
        !m_mapCellBitmaps.Lookup(ComposeKeyForCell((WORD)dwRowKey, (WORD)nColumn), pBitmap))
        return NULL;
    return pBitmap;
}

// ---------------------------------------------------------------------------------------------
// Row styles

void CTsyslistviewex::SetRowStyle(CMap<LONGLONG, LONGLONG, BYTE, BYTE>& map, LPARAM lRowKey, int bOn,
                                  int bRedraw)
{
    if (lRowKey == 0)
    {
        int nFocused = ::IsWindow(m_hWnd) ? GetNextItem(-1, LVNI_FOCUSED) : -1;
        lRowKey = nFocused >= 0 ? (LPARAM)GetItemData(nFocused) : 0;
    }
    if (bOn)
    {
        map.SetAt((LONGLONG)lRowKey, 1);
        GrowHashTable(map);
    }
    else
    {
        map.RemoveKey((LONGLONG)lRowKey);
    }
    if (bRedraw && ::IsWindow(m_hWnd))
        Invalidate(FALSE);
}

void CTsyslistviewex::SetBoldRow(LPARAM lRowKey, int bOn, int bRedraw)
{
    if (m_fontBold.GetSafeHandle() != NULL)
        SetRowStyle(m_mapBoldRows, lRowKey, bOn, bRedraw);
}

void CTsyslistviewex::SetItalicRow(LPARAM lRowKey, int bOn, int bRedraw)
{
    if (m_fontItalic.GetSafeHandle() != NULL)
        SetRowStyle(m_mapItalicRows, lRowKey, bOn, bRedraw);
}

void CTsyslistviewex::ResetBoldLines()
{
    m_mapBoldRows.RemoveAll();
}

BOOL CTsyslistviewex::IsBoldRow(LONGLONG llKey) const
{
    return !m_mapBoldRows.IsEmpty() && m_mapBoldRows.PLookup(llKey) != NULL;
}

BOOL CTsyslistviewex::IsItalicRow(LONGLONG llKey) const
{
    return !m_mapItalicRows.IsEmpty() && m_mapItalicRows.PLookup(llKey) != NULL;
}

// ---------------------------------------------------------------------------------------------
// Geometry and selection

int CTsyslistviewex::GetCountColumn() const
{
    HWND hHeader = (HWND)::SendMessageW(m_hWnd, LVM_GETHEADER, 0, 0);
    return hHeader != NULL ? (int)::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0) : 0;
}

int CTsyslistviewex::HitTestEx(CPoint point, int& nColumn)
{
    nColumn = -1;
    CRect rcLabel;
    if (!GetItemRect(0, &rcLabel, LVIR_LABEL))
        return -1;
    int x = rcLabel.left + (rcLabel.right - rcLabel.left) / 2;
    if (rcLabel.left < 0)
        x -= rcLabel.left;
    int nItem = HitTest(CPoint(x, point.y));
    if (nItem < 0)
        return -1;
    int nLeft = rcLabel.left;
    LVCOLUMN col = {};
    col.mask = LVCF_WIDTH;
    for (int c = 0; GetColumn(c, &col); ++c)
    {
        if (point.x >= nLeft && point.x < nLeft + col.cx)
        {
            nColumn = c;
            return nItem;
        }
        nLeft += col.cx;
    }
    return -1;
}

int CTsyslistviewex::GetSubItemRect(int nItem, int nColumn, CRect& rect)
{
    CRect rcLabel;
    if (nColumn < 0 || !GetItemRect(nItem, &rcLabel, LVIR_LABEL))
        return 0;
    int nLeft = rcLabel.left;
    LVCOLUMN col = {};
    col.mask = LVCF_WIDTH;
    for (int c = 0; c < nColumn; ++c)
    {
        if (!GetColumn(c, &col))
            return 0;
        nLeft += col.cx;
    }
    if (!GetColumn(nColumn, &col))
        return 0;
    rect.SetRect(nLeft, rcLabel.top, nLeft + col.cx, rcLabel.bottom);
    return 1;
}

void CTsyslistviewex::ExpandHeader()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int W = rcClient.Width();
    const int nLast = GetCountColumn() - 1;
    if (nLast < 0)
        return;
    int nSum = 0;
    for (int c = 0; c < nLast; ++c)
        nSum += GetColumnWidth(c);
    for (int i = nLast; i >= 0; --i)
    {
        int nWidth = W - 2 - nSum;
        if (nWidth >= 0)
        {
            SetColumnWidth(i, nWidth);
            return;
        }
        SetColumnWidth(i, 4);
        if (i > 0)
            nSum = nSum + 4 - GetColumnWidth(i - 1);
    }
}

void CTsyslistviewex::DeselectAll()
{
    for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED))
        SetItemState(i, 0, LVIS_SELECTED);
}

void CTsyslistviewex::SelectItem(int nItem)
{
    DeselectAll();
    SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EnsureVisible(nItem, FALSE);
}

void CTsyslistviewex::Progress(int nPercent)
{
    if (!::IsWindow(m_hWnd))
        return;
    // Without a bar, 100 would make one only to remove it again: nothing to show.
    if (!::IsWindow(m_ProgressCtrl.m_hWnd) && nPercent == 100)
        return;
    if (!::IsWindow(m_ProgressCtrl.m_hWnd))
    {
        CRect rc;
        GetWindowRect(&rc);
        ScreenToClient(&rc);
        int w = rc.Width(), h = rc.Height();
        int cx = 3 * w / 4;
        CRect rcBar(rc.left + (w - cx) / 2, rc.top + (h - 20) / 2, 0, 0);
        rcBar.right = rcBar.left + cx;
        rcBar.bottom = rcBar.top + 20;
        if (!m_ProgressCtrl.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rcBar, this, GetDlgCtrlID()))
            return;
        m_nProgressShown = -1;
    }
    // A sort reports every comparison; the bar only hears of a change.
    if (nPercent != m_nProgressShown)
    {
        m_nProgressShown = nPercent;
        m_ProgressCtrl.SetPos(nPercent);
    }
    if (nPercent == 100)
        m_ProgressCtrl.DestroyWindow();
}

void CTsyslistviewex::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    CListCtrl::OnLButtonDown(nFlags, point);
}
