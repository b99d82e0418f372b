// CTsyslistviewex, part four: the column layout and sort order as text, and their entries in the
// application profile, section "ListControls", "Header:%08X" and "Sort:%08X" after the list's
// dialog control ID.
#include "Tsyslistviewex.h"

#include <algorithm>
#include <climits>

namespace
{

const wchar_t s_szSection[] = L"ListControls";

CString EntryName(LPCTSTR lpszFormat, int nID)
{
    CString strEntry;
    strEntry.Format(lpszFormat, (unsigned int)nID);
    return strEntry;
}

// A saved width as _wtoi reads it, kept to what a column can sensibly be (0 to 32767 pixels).
int WidthValue(const CString& str)
{
    int i = 0, n = str.GetLength();
    while (i < n && (str[i] == L' ' || str[i] == L'\t'))
        ++i;
    bool bNegative = i < n && str[i] == L'-';
    if (i < n && (str[i] == L'-' || str[i] == L'+'))
        ++i;
    long long v = 0;
    for (; i < n && str[i] >= L'0' && str[i] <= L'9'; ++i)
        v = std::min(v * 10 + (str[i] - L'0'), 0x7FFFLL);
    return bNegative ? 0 : (int)v;
}

} // namespace

CString CTsyslistviewex::GetHeaderString()
{
    CString strHeader;
    if (!::IsWindow(m_hWnd))
        return strHeader;
    wchar_t szTitle[260];
    const HWND hHeader = (HWND)::SendMessageW(m_hWnd, LVM_GETHEADER, 0, 0);
    LVCOLUMN col = {};
    for (int c = 0;; ++c)
    {
        szTitle[0] = 0;
        col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        col.pszText = szTitle;
        col.cchTextMax = 260;
        if (!GetColumn(c, &col))
            break;
        szTitle[259] = 0;
        // The width as the header holds it: while the header reports a change, the list itself
        // may not have taken it yet.
        HDITEM hdi = {};
        hdi.mask = HDI_WIDTH;
        if (hHeader != NULL && ::SendMessageW(hHeader, HDM_GETITEMW, c, (LPARAM)&hdi))
            col.cx = hdi.cxy;
        wchar_t chAlign = L'L';
        if ((col.fmt & 3) == LVCFMT_RIGHT)
            chAlign = L'R';
        else if ((col.fmt & 3) == LVCFMT_CENTER)
            chAlign = L'C';
        strHeader.AppendFormat(L"%s:%i:%c,", szTitle, col.cx, chAlign);
    }
    if (!strHeader.IsEmpty())
        strHeader.Truncate(strHeader.GetLength() - 1);
    return strHeader;
}

CString CTsyslistviewex::GetHeaderSortString()
{
    CString strSort;
    if (!m_bSortEnabled)
        return strSort;
    for (int nPosition = 1; nPosition <= 255; ++nPosition)
    {
        int bAscending = 1, nColumn = -1;
        if (!m_HeaderCtrl.GetPositionColumn(nPosition, bAscending, nColumn))
            break;
        strSort.AppendFormat(L"%i%s,", nColumn, bAscending ? L"" : L"D");
    }
    if (!strSort.IsEmpty())
        strSort.Truncate(strSort.GetLength() - 1);
    return strSort;
}

void CTsyslistviewex::SaveHeader()
{
    CWinApp* pApp = AfxGetApp();
    if (!m_bSaveHeader || pApp == NULL || !::IsWindow(m_hWnd))
        return;
    const int nID = GetDlgCtrlID();
    pApp->WriteProfileString(s_szSection, EntryName(L"Header:%08X", nID), GetHeaderString());
    pApp->WriteProfileString(s_szSection, EntryName(L"Sort:%08X", nID), GetHeaderSortString());
}

int CTsyslistviewex::GetRegisteredSort(CString& strSort)
{
    CWinApp* pApp = AfxGetApp();
    if (!m_bSaveHeader || pApp == NULL || !::IsWindow(m_hWnd))
        return FALSE;
    CString strValue =
        pApp->GetProfileString(s_szSection, EntryName(L"Sort:%08X", GetDlgCtrlID()), L"Default");
    if (strValue == L"Default")
        return FALSE;
    strSort = strValue;
    return TRUE;
}

int CTsyslistviewex::SetHeader(CListCtrl* pList, CString strHeader)
{
    if (pList == NULL || !::IsWindow(pList->GetSafeHwnd()))
        return FALSE;
    HWND hHeader = ::GetDlgItem(pList->GetSafeHwnd(), 0);
    if (hHeader == NULL)
        return FALSE;
    // The columns go through the list, so that the list and its header agree; whatever header
    // items are left over go one at a time. The list is redrawn once, at the end.
    pList->SetRedraw(FALSE);
    while (pList->DeleteColumn(0))
        ;
    while (::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0) > 0)
        if (!::SendMessageW(hHeader, HDM_DELETEITEM, 0, 0))
            break;

    const int nLength = strHeader.GetLength();
    int nStart = 0;
    for (int i = 0; nStart < nLength; ++i)
    {
        int nComma = strHeader.Find(L',', nStart);
        int nEnd = nComma < 0 ? nLength : nComma;
        if (nEnd == nStart)
            break;
        CString strPiece = strHeader.Mid(nStart, nEnd - nStart);
        CString strTitle, strWidth, strAlign;
        AfxExtractSubString(strTitle, strPiece, 0, L':');
        AfxExtractSubString(strWidth, strPiece, 1, L':');
        AfxExtractSubString(strAlign, strPiece, 2, L':');
        if (strWidth.IsEmpty())
            strWidth = L"128";
        int nFormat = LVCFMT_LEFT;
        if (!strAlign.IsEmpty())
        {
            if (strAlign[0] == L'C')
                nFormat = LVCFMT_CENTER;
            else if (strAlign[0] == L'R')
                nFormat = LVCFMT_RIGHT;
        }
        pList->InsertColumn(i, strTitle, nFormat, WidthValue(strWidth), -1);
        if (nComma < 0)
            break;
        nStart = nComma + 1;
    }
    pList->SetRedraw(TRUE);
    pList->Invalidate();
    return TRUE;
}

BOOL CTsyslistviewex::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = (const NMHDR*)lParam;
    if (pNMHDR != NULL && pNMHDR->idFrom == 0 && ::IsWindowVisible(pNMHDR->hwndFrom) &&
        (pNMHDR->code == HDN_ITEMCHANGEDW || pNMHDR->code == HDN_ITEMCHANGEDA))
        SaveHeader();
    return CListCtrl::OnNotify(wParam, lParam, pResult);
}
