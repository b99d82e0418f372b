// CTsyslistviewex, part three: sorting. Header clicks (with and without Ctrl) and sort strings
// set the header's sort marks; SortAllItems turns the marks into the sort engine's order list,
// sorts and saves the layout.
#include "Tsyslistviewex.h"

#include <algorithm>
#include <climits>

namespace
{

// The decimal value of a sort string piece's column part as _wtoi reads it (white space, sign,
// digits, 0 when there are none); a value beyond int comes back as INT_MAX or INT_MIN.
int ColumnValue(const CString& str)
{
    int i = 0, n = str.GetLength();
    while (i < n && (str[i] == L' ' || str[i] == L'\t'))
        ++i;
    bool bNegative = i < n && str[i] == L'-';
    if (i < n && (str[i] == L'-' || str[i] == L'+'))
        ++i;
    long long v = 0;
    for (; i < n && str[i] >= L'0' && str[i] <= L'9'; ++i)
        v = std::min(v * 10 + (str[i] - L'0'), (long long)INT_MAX + 1);
    v = bNegative ? -v : v;
    return (int)std::max(std::min(v, (long long)INT_MAX), (long long)INT_MIN);
}

} // namespace

BOOL CTsyslistviewex::IsCtrlDown()
{
    // The first reading may be stale after a focus change; the second counts.
    ::GetKeyState(VK_CONTROL);
    return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

void CTsyslistviewex::AttachHeader()
{
    if (m_HeaderCtrl.GetSafeHwnd() != NULL || !::IsWindow(m_hWnd))
        return;
    HWND hHeader = ::GetDlgItem(m_hWnd, 0);
    if (hHeader != NULL && CWnd::FromHandlePermanent(hHeader) == NULL)
        m_HeaderCtrl.SubclassWindow(hHeader);
}

void CTsyslistviewex::EnableSort(int bOn)
{
    if (bOn)
        AttachHeader();
    // Turned off, the header keeps its marks and its drawing; clicks no longer change them.
    m_bSortEnabled = bOn;
    m_SortColumns.AttachControl(bOn ? this : NULL);
}

void CTsyslistviewex::AddSortCallBack(int nColumn, PFNTCOMPARETEXT pfnCompare)
{
    m_SortColumns.Add(nColumn, pfnCompare);
}

void CTsyslistviewex::OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (!m_bSortEnabled)
        return;
    AttachHeader();
    const BOOL bCtrl = IsCtrlDown();
    const int nColumn = pNMHDR != NULL ? ((NMLISTVIEW*)pNMHDR)->iSubItem : -1;
    if (nColumn >= 0)
    {
        int bAscending = 1, nPosition = 0;
        if (!m_HeaderCtrl.GetColumnOrder(nColumn, bAscending, nPosition))
        {
            if (!bCtrl)
                m_HeaderCtrl.ResetSortColumns(TRUE);
            m_HeaderCtrl.SetColumnOrder(nColumn, 1);
        }
        else if (bAscending)
        {
            m_HeaderCtrl.SetColumnOrder(nColumn, 0);
        }
        else
        {
            m_HeaderCtrl.DeleteColumnOrder(nColumn);
        }
    }
    if (m_bSortOnClick)
        SortAllItems();
}

void CTsyslistviewex::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bSortOnClick && nChar == 19 && IsCtrlDown())
        SortAllItems();
    CListCtrl::OnChar(nChar, nRepCnt, nFlags);
}

void CTsyslistviewex::SortAllItems()
{
    m_SortColumns.ResetOrderColumn();
    // Positions are bytes: at most 255 sort columns.
    for (int nPosition = 1; nPosition <= 255; ++nPosition)
    {
        int bAscending = 1, nColumn = -1;
        if (!m_HeaderCtrl.GetPositionColumn(nPosition, bAscending, nColumn))
            break;
        m_SortColumns.AddOrderColumn(nColumn, bAscending ? 1 : -1);
    }
    if (m_SortColumns.GetCountOrderColumn() > 0)
    {
        CWaitCursor wait;
        m_SortColumns.Sort();
    }
    SaveHeader();
}

void CTsyslistviewex::SortAllItems(const wchar_t* lpszSortString)
{
    CString strSort = lpszSortString != NULL ? lpszSortString : L"";
    CString strSaved;
    if (GetRegisteredSort(strSaved))
        strSort = strSaved;
    if (m_bSortEnabled)
        AttachHeader();
    m_HeaderCtrl.ResetSortColumns(TRUE);

    // Pieces up to the first empty one. A column the list does not have is left out: a damaged
    // string sorts by the columns that exist.
    const int nColumns = GetCountColumn();
    const int nLength = strSort.GetLength();
    int nStart = 0;
    while (nStart < nLength)
    {
        int nComma = strSort.Find(L',', nStart);
        int nEnd = nComma < 0 ? nLength : nComma;
        if (nEnd == nStart)
            break;
        CString strPiece = strSort.Mid(nStart, nEnd - nStart);
        int bAscending = 1;
        wchar_t chLast = strPiece[strPiece.GetLength() - 1];
        if (chLast < L'0' || chLast > L'9')
        {
            bAscending = chLast != L'D';
            strPiece.Truncate(strPiece.GetLength() - 1);
        }
        int nColumn = ColumnValue(strPiece);
        if (nColumn >= 0 && nColumn < nColumns)
            m_HeaderCtrl.SetColumnOrder(nColumn, bAscending);
        if (nComma < 0)
            break;
        nStart = nComma + 1;
    }
    SortAllItems();
}
