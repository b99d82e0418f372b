// CQInPlaceLIstEdit: creation, fitting to the text, the input filter and the end notification.
#include "QInPlaceListEdit.h"
#include <commctrl.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CQInPlaceLIstEdit, CEdit)

BEGIN_MESSAGE_MAP(CQInPlaceLIstEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CQInPlaceLIstEdit::CQInPlaceLIstEdit(int iItem, int iSubItem, LPCTSTR lpszInitText, UINT nInputKind)
    : m_nInputKind(nInputKind), m_iItem(iItem), m_iSubItem(iSubItem),
      m_sInitText(lpszInitText != NULL ? lpszInitText : L""), m_bEscape(FALSE)
{
}

CQInPlaceLIstEdit::~CQInPlaceLIstEdit() {}

int CQInPlaceLIstEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        SetFont(pParent->GetFont());
    SetWindowText(m_sInitText);
    SetFocus();
    CalculateSize();
    SetSel(0, -1);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Fitting

void CQInPlaceLIstEdit::CalculateSize()
{
    CWnd* pParent = GetParent();
    if (pParent == NULL || !::IsWindow(m_hWnd))
        return;
    CString strText;
    GetWindowText(strText);

    CWindowDC dc(this);
    CFont* pFont = pParent->GetFont();
    CFont* pOldFont = pFont != NULL ? dc.SelectObject(pFont) : NULL;

    CRect rcWnd;
    GetWindowRect(&rcWnd);
    pParent->ScreenToClient(&rcWnd);
    CRect rcParent;
    pParent->GetClientRect(&rcParent);

    CSize szNeeded;
    if (GetStyle() & ES_MULTILINE)
    {
        // Word-wrapped in the current width and in the width up to the list's right edge: the
        // fewer lines win, the wider rectangle on a tie.
        const UINT nFormat = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
        CRect rcNarrow = rcWnd;
        dc.DrawText(strText, &rcNarrow, nFormat);
        CRect rcWide = rcWnd;
        rcWide.right = rcParent.right;
        dc.DrawText(strText, &rcWide, nFormat);
        const CRect& rcText = rcNarrow.Height() < rcWide.Height() ? rcNarrow : rcWide;
        szNeeded = CSize(rcText.Width() + 5, rcText.Height() + 5);
    }
    else
    {
        CSize szText = dc.GetTextExtent(strText);
        szNeeded = CSize(szText.cx + 5, szText.cy);
    }
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);

    CRect rcNew = rcWnd;
    if (szNeeded.cx > rcWnd.Width())
        rcNew.right = std::min(rcWnd.left + szNeeded.cx, rcParent.right - 2);
    if (szNeeded.cy > rcWnd.Height())
    {
        rcNew.bottom = rcWnd.top + szNeeded.cy;
        if (rcNew.bottom >= rcParent.bottom - 2)
        {
            rcNew.bottom = rcParent.bottom - 2;
            ShowScrollBar(SB_VERT);
        }
    }
    if (rcNew.right != rcWnd.right || rcNew.bottom != rcWnd.bottom)
        MoveWindow(&rcNew);
}

// ---------------------------------------------------------------------------------------------
// Keys and characters

BOOL CQInPlaceLIstEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE ||
                                        pMsg->wParam == VK_DELETE || ::GetKeyState(VK_CONTROL) < 0))
    {
        // Kept from the dialog's navigation: the edit gets these keys itself.
        ::TranslateMessage(pMsg);
        if (pMsg->wParam == VK_ESCAPE && (GetStyle() & ES_MULTILINE))
            return TRUE;
        ::DispatchMessage(pMsg);
        return TRUE;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CQInPlaceLIstEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE || nChar == VK_RETURN)
    {
        // The focus change ends the edit; the parent may destroy this editor meanwhile.
        if (nChar == VK_ESCAPE)
            m_bEscape = TRUE;
        CWnd* pParent = GetParent();
        if (pParent != NULL)
            pParent->SetFocus();
        return;
    }
    if (m_nInputKind == 0)
    {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
        CalculateSize();
        return;
    }
    if (m_nInputKind == 1 || m_nInputKind == 2)
    {
        POINT ptCaret = {0, 0};
        ::GetCaretPos(&ptCaret);
        int nCaret = LOWORD(CharFromPos(ptCaret));
        CString strText;
        GetWindowText(strText);
        if (nChar == L'.' && m_nInputKind == 1)
        {
            if (strText.Find(L'.') < 0)
                CEdit::OnChar(nChar, nRepCnt, nFlags);
        }
        else if (nChar >= L'0' && nChar <= L'9')
        {
            CEdit::OnChar(nChar, nRepCnt, nFlags);
        }
        else if (nChar == L'+' || nChar == L'-')
        {
            BOOL bSigned = !strText.IsEmpty() && (strText[0] == L'+' || strText[0] == L'-');
            if (nCaret == 0 && !bSigned)
                CEdit::OnChar(nChar, nRepCnt, nFlags);
        }
        else
        {
            return; // not part of a number at all
        }
    }
    CalculateSize();
}

// ---------------------------------------------------------------------------------------------
// Ending

void CQInPlaceLIstEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);

    CWnd* pList = GetParent();
    if (pList == NULL)
        return;
    CWnd* pOwner = pList->GetParent();
    if (pOwner == NULL)
        return;

    CString strText;
    GetWindowText(strText);
    NMLVDISPINFO dispinfo = {};
    dispinfo.hdr.hwndFrom = pList->m_hWnd;
    dispinfo.hdr.idFrom = GetDlgCtrlID();
    dispinfo.hdr.code = LVN_ENDLABELEDIT;
    dispinfo.item.mask = LVIF_TEXT;
    dispinfo.item.iItem = m_iItem;
    dispinfo.item.iSubItem = m_iSubItem;
    dispinfo.item.pszText = m_bEscape ? NULL : (LPTSTR)(LPCTSTR)strText;
    dispinfo.item.cchTextMax = m_bEscape ? 0 : strText.GetLength();
    pOwner->SendMessage(WM_NOTIFY, pList->GetDlgCtrlID(), (LPARAM)&dispinfo);
}
