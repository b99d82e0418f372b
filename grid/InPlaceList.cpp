// CQInPlaceList with its edit field CQComboEdit, and CQComboGridCtrl.
#include "grid/QInPlaceList.h"

#include <algorithm>

namespace
{
void GiveFocusTo(CWnd* pWnd)
{
    if (pWnd != NULL && ::IsWindow(pWnd->GetSafeHwnd()))
        pWnd->SetFocus();
}

BOOL StartsWithSign(const CString& str)
{
    return !str.IsEmpty() && (str[0] == L'+' || str[0] == L'-');
}
} // namespace

// --- CQComboEdit --------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CQComboEdit, CEdit)

BEGIN_MESSAGE_MAP(CQComboEdit, CEdit)
    // void OnKillFocus(CWnd* pNewWnd)
    ON_WM_KILLFOCUS()
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_CHAR()
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
    // void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYUP()
END_MESSAGE_MAP()

CQComboEdit::CQComboEdit() : m_bNumOnly(FALSE) {}

CQComboEdit::~CQComboEdit() {}

BOOL CQComboEdit::PreTranslateMessage(MSG* pMsg)
{
    if (QInPlace::PreTranslateEditorMessage(pMsg))
        return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}

void CQComboEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    CQInPlaceList* pList = DYNAMIC_DOWNCAST(CQInPlaceList, GetParent());
    if (pList != NULL)
        pList->EndEdit();
}

void CQComboEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bNumOnly || nChar == VK_BACK)
    {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
        return;
    }

    CString str;
    GetWindowText(str);
    BOOL bAccept = FALSE;
    if (nChar >= L'0' && nChar <= L'9')
        bAccept = TRUE;
    else if (nChar == L'.')
        bAccept = str.Find(L'.') < 0;
    else if (nChar == L'+' || nChar == L'-')
    {
        POINT ptCaret = {0, 0};
        ::GetCaretPos(&ptCaret);
        const int nCaret = LOWORD(CharFromPos(ptCaret));
        bAccept = nCaret == 0 && !StartsWithSign(str);
    }
    if (bAccept)
        CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CQComboEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (QInPlace::IsExitKey(nChar) && ::GetKeyState(VK_CONTROL) < 0 && GetDlgCtrlID() == IDC_COMBOEDIT)
    {
        CWnd* pOwner = GetOwner();
        if (pOwner != NULL)
            pOwner->SendMessage(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CQComboEdit::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE || nChar == VK_TAB || nChar == VK_RETURN)
    {
        CWnd* pOwner = GetOwner();
        if (pOwner != NULL)
            pOwner->SendMessage(WM_KEYUP, nChar, MAKELPARAM(nRepCnt, nFlags));
        return;
    }
    CEdit::OnKeyUp(nChar, nRepCnt, nFlags);
}

// --- CQInPlaceList ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CQInPlaceList, CComboBox)

BEGIN_MESSAGE_MAP(CQInPlaceList, CComboBox)
    // void OnKillFocus(CWnd* pNewWnd)
    ON_WM_KILLFOCUS()
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
    // void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYUP()
END_MESSAGE_MAP()

CQInPlaceList::CQInPlaceList(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                             CStringArray& Items, CString sInitText, UINT nFirstChar, BOOL bNumOnly)
    : m_nNumLines(4), m_sInitText(sInitText), m_nRow(nRow), m_nCol(nColumn), m_nLastChar(0),
      m_bExitOnArrows(FALSE), m_bEnded(FALSE)
{
    m_edit.m_bNumOnly = bNumOnly;
    if (pParent == NULL || !::IsWindow(pParent->GetSafeHwnd()))
        return;

    // Room for the selection field and m_nNumLines lines when dropped.
    const int nHeight = rect.Height();
    rect.bottom = rect.bottom + ::GetSystemMetrics(SM_CYHSCROLL) + m_nNumLines * nHeight;
    if (!Create(dwStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_AUTOHSCROLL, rect, pParent,
                nID))
        return;

    int nWidth = 0;
    {
        CClientDC dc(pParent);
        CFont* pFont = pParent->GetFont();
        CFont* pOldFont = pFont != NULL ? dc.SelectObject(pFont) : NULL;
        int nWidest = 0;
        for (int i = 0; i < Items.GetSize(); i++)
        {
            AddString(Items[i]);
            nWidest = std::max<int>(nWidest, dc.GetTextExtent(Items[i]).cx);
        }
        nWidth = nWidest + ::GetSystemMetrics(SM_CXVSCROLL) + 2 * dc.GetTextExtent(L" ").cx;
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
    }
    if (nWidth > rect.Width())
        rect.right = rect.left + nWidth;
    MoveWindow(rect);

    SetFont(pParent->GetFont());
    SetItemHeight(-1, nHeight);
    SetDroppedWidth(nWidth);
    SetHorizontalExtent(0);

    const int nMatch = FindStringExact(-1, m_sInitText);
    if (nMatch != CB_ERR)
        SetCurSel(nMatch);
    else
        SetWindowText(m_sInitText);

    if ((dwStyle & 0x3) == CBS_DROPDOWNLIST)
    {
        SetFocus();
        if (GetCurSel() == CB_ERR)
            SetCurSel(0);
        return;
    }

    // Combo style: the edit field gets the keys; the caret is placed as in a text editor.
    CWnd* pEditWnd = GetDlgItem(IDC_COMBOEDIT);
    if (pEditWnd != NULL)
        m_edit.SubclassWindow(pEditWnd->GetSafeHwnd());
    SetFocus();
    if (m_edit.GetSafeHwnd() != NULL)
        QInPlace::PlaceCaret(&m_edit, nFirstChar, 33);
}

CQInPlaceList::~CQInPlaceList() {}

void CQInPlaceList::EndEdit()
{
    QInPlace::FinishEdit(this, m_bEnded, m_nRow, m_nCol, m_sInitText, m_nLastChar);
}

BOOL CQInPlaceList::PreTranslateMessage(MSG* pMsg)
{
    if (QInPlace::PreTranslateEditorMessage(pMsg))
        return TRUE;
    return CComboBox::PreTranslateMessage(pMsg);
}

void CQInPlaceList::PostNcDestroy()
{
    CComboBox::PostNcDestroy();
    delete this;
}

void CQInPlaceList::OnKillFocus(CWnd* pNewWnd)
{
    CComboBox::OnKillFocus(pNewWnd);
    if ((GetStyle() & 0x3) != CBS_DROPDOWNLIST)
        return; // the edit field ends the edit
    if (pNewWnd != NULL && (pNewWnd->GetSafeHwnd() == m_hWnd || ::IsChild(m_hWnd, pNewWnd->GetSafeHwnd())))
        return;
    EndEdit();
}

void CQInPlaceList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (QInPlace::IsExitKey(nChar) && (m_bExitOnArrows || ::GetKeyState(VK_CONTROL) < 0))
    {
        m_nLastChar = nChar;
        GiveFocusTo(GetParent());
        return;
    }
    CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CQInPlaceList::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE || nChar == VK_TAB || nChar == VK_RETURN)
    {
        if (nChar == VK_ESCAPE)
        {
            const int nMatch = FindStringExact(-1, m_sInitText);
            if (nMatch != CB_ERR)
                SetCurSel(nMatch);
            else
                SetWindowText(m_sInitText);
        }
        m_nLastChar = nChar;
        GiveFocusTo(GetParent());
        return;
    }
    CComboBox::OnKeyUp(nChar, nRepCnt, nFlags);
}

// --- CQComboGridCtrl ----------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CQComboGridCtrl, CQGridCtrl)

CQComboGridCtrl::CQComboGridCtrl() : CQGridCtrl(0, 0, 0, 0) {}

CQComboGridCtrl::~CQComboGridCtrl() {}

void CQComboGridCtrl::CreateInPlaceEditControl(CRect& rect, DWORD /*dwStyle*/, UINT nID, int nRow, int nCol,
                                               LPCTSTR szText, int nChar)
{
    CStringArray Items;
    Items.Add(L"Choice 1");
    Items.Add(L"Choice 2");
    Items.Add(L"Choice 3");
    Items.Add(L"Choice 4");
    Items.Add(L"Choice 5");
    CQInPlaceList* pList =
        new CQInPlaceList(this, rect, CBS_DROPDOWN, nID, nRow, nCol, Items, szText, (UINT)nChar, FALSE);
    if (pList->GetSafeHwnd() == NULL)
        delete pList;
}
