// CQInPlaceEdit and CQInPlaceNumEdit, the edit-based cell editors, and the helpers all in-place
// editors share (caret placement, growth, the end-of-edit record, key routing).
#include "grid/QInPlaceEdit.h"
#include "grid/QGridCtrl.h"

#include <algorithm>

// --- shared helpers -----------------------------------------------------------------------------

namespace QInPlace
{
void PlaceCaret(CEdit* pEdit, UINT nFirstChar, UINT nFirstSelectAll)
{
    if (pEdit == NULL || !::IsWindow(pEdit->GetSafeHwnd()))
        return;
    const int nLength = pEdit->GetWindowTextLength();
    if (nFirstChar == VK_LBUTTON || nFirstChar == VK_RETURN)
    {
        pEdit->SetSel(nLength, nLength);
    }
    else if (nFirstChar == VK_BACK)
    {
        pEdit->SetSel(nLength, nLength);
        pEdit->SendMessage(WM_CHAR, VK_BACK, 1);
    }
    else if (nFirstChar >= nFirstSelectAll && nFirstChar <= VK_DOWN)
    {
        pEdit->SetSel(0, -1);
    }
    else
    {
        pEdit->SetSel(0, -1);
        pEdit->SendMessage(WM_CHAR, nFirstChar, 1);
    }
    if (::IsWindow(pEdit->GetSafeHwnd()))
        pEdit->SendMessage(EM_SCROLLCARET, 0, 0);
}

void GrowToText(CEdit* pEdit)
{
    if (pEdit == NULL || !::IsWindow(pEdit->GetSafeHwnd()))
        return;
    CWnd* pParent = pEdit->GetParent();
    if (pParent == NULL)
        return;

    CString str;
    pEdit->GetWindowText(str);
    CSize size;
    {
        CWindowDC dc(pEdit);
        CFont* pFont = pEdit->GetFont();
        CFont* pOldFont = pFont != NULL ? dc.SelectObject(pFont) : NULL;
        size = dc.GetTextExtent(str);
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
    }

    CRect rect;
    pEdit->GetWindowRect(rect);
    pParent->ScreenToClient(rect);
    if (size.cx + 5 <= rect.Width())
        return;
    CRect rectParent;
    pParent->GetClientRect(rectParent);
    const int nRight = std::min<int>(rect.left + size.cx + 5, rectParent.right);
    if (nRight > rect.right)
    {
        rect.right = nRight;
        pEdit->MoveWindow(rect);
    }
}

BOOL IsExitKey(UINT nChar)
{
    return nChar == VK_PRIOR || nChar == VK_NEXT || (nChar >= VK_LEFT && nChar <= VK_DOWN);
}

void SendEndEdit(CWnd* pEditor, int nRow, int nColumn, const CString& strText, UINT nLastKey)
{
    if (pEditor == NULL || !::IsWindow(pEditor->GetSafeHwnd()))
        return;
    CWnd* pOwner = pEditor->GetOwner();
    if (pOwner == NULL || !::IsWindow(pOwner->GetSafeHwnd()))
        return;

    GV_DISPINFO dispinfo;
    dispinfo.hdr.hwndFrom = pEditor->GetSafeHwnd();
    dispinfo.hdr.idFrom = (UINT_PTR)pEditor->GetDlgCtrlID();
    dispinfo.hdr.code = (UINT)GVN_ENDLABELEDIT;
    dispinfo.iRow = nRow;
    dispinfo.iColumn = nColumn;
    dispinfo.nFlags = GV_ENDEDIT_FLAGS;
    dispinfo.strText = strText;
    dispinfo.nLastKey = nLastKey;
    pOwner->SendMessage(WM_NOTIFY, dispinfo.hdr.idFrom, (LPARAM)&dispinfo);
}

void FinishEdit(CWnd* pEditor, BOOL& bEnded, int nRow, int nColumn, const CString& sInitText, UINT nLastKey)
{
    if (bEnded)
        return;
    bEnded = TRUE;
    CString str;
    if (nLastKey == VK_ESCAPE)
        str = sInitText;
    else
        pEditor->GetWindowText(str);
    SendEndEdit(pEditor, nRow, nColumn, str, nLastKey);
    if (::IsWindow(pEditor->GetSafeHwnd()))
        pEditor->PostMessage(WM_CLOSE, 0, 0);
}

BOOL PreTranslateEditorMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP)
    {
        ::TranslateMessage(pMsg);
        ::DispatchMessage(pMsg);
        return TRUE;
    }
    return pMsg->message == WM_SYSCHAR;
}
} // namespace QInPlace

namespace
{
// Whether a key ends an edit in the edit-based editors (the caller then gives the focus away).
BOOL EndsEditOnKeyDown(UINT nChar, BOOL bExitOnArrows)
{
    if (QInPlace::IsExitKey(nChar))
        return bExitOnArrows || ::GetKeyState(VK_CONTROL) < 0;
    return nChar == VK_ESCAPE;
}

BOOL EndsEditOnKeyUp(UINT nChar)
{
    return nChar == VK_TAB || nChar == VK_RETURN || nChar == VK_ESCAPE;
}

void GiveFocusToParent(CWnd* pEditor)
{
    CWnd* pParent = pEditor->GetParent();
    if (pParent != NULL)
        pParent->SetFocus();
}

void OpenEditor(CEdit* pEdit, CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, const CString& sText,
                UINT nFirstChar)
{
    if (pParent == NULL || !::IsWindow(pParent->GetSafeHwnd()))
        return;
    if (!pEdit->Create(dwStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, pParent, nID))
        return;
    pEdit->SetFont(pParent->GetFont());
    pEdit->SetWindowText(sText);
    pEdit->SetFocus();
    QInPlace::PlaceCaret(pEdit, nFirstChar, 32);
}
} // namespace

// --- CQInPlaceEdit ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CQInPlaceEdit, CEdit)

BEGIN_MESSAGE_MAP(CQInPlaceEdit, CEdit)
    // void OnKillFocus(CWnd* pNewWnd)
    ON_WM_KILLFOCUS()
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_CHAR()
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
    // void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYUP()
END_MESSAGE_MAP()

CQInPlaceEdit::CQInPlaceEdit(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                             CString sInitText, UINT nFirstChar)
    : m_nRow(nRow), m_nColumn(nColumn), m_sInitText(sInitText), m_nLastChar(0),
      m_bExitOnArrows(nFirstChar != VK_LBUTTON), m_bEnded(FALSE)
{
    OpenEditor(this, pParent, rect, dwStyle, nID, m_sInitText, nFirstChar);
}

CQInPlaceEdit::~CQInPlaceEdit() {}

void CQInPlaceEdit::EndEdit()
{
    QInPlace::FinishEdit(this, m_bEnded, m_nRow, m_nColumn, m_sInitText, m_nLastChar);
}

BOOL CQInPlaceEdit::PreTranslateMessage(MSG* pMsg)
{
    if (QInPlace::PreTranslateEditorMessage(pMsg))
        return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}

void CQInPlaceEdit::PostNcDestroy()
{
    CEdit::PostNcDestroy();
    delete this;
}

void CQInPlaceEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    EndEdit();
}

void CQInPlaceEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CEdit::OnChar(nChar, nRepCnt, nFlags);
    QInPlace::GrowToText(this);
}

void CQInPlaceEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!EndsEditOnKeyDown(nChar, m_bExitOnArrows))
    {
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    if (nChar == VK_ESCAPE)
        SetWindowText(m_sInitText);
    m_nLastChar = nChar;
    GiveFocusToParent(this);
}

void CQInPlaceEdit::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!EndsEditOnKeyUp(nChar))
    {
        CEdit::OnKeyUp(nChar, nRepCnt, nFlags);
        return;
    }
    m_nLastChar = nChar;
    GiveFocusToParent(this);
}

// --- CQInPlaceNumEdit ---------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CQInPlaceNumEdit, CQNumEdit)

BEGIN_MESSAGE_MAP(CQInPlaceNumEdit, CQNumEdit)
    // void OnKillFocus(CWnd* pNewWnd)
    ON_WM_KILLFOCUS()
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_CHAR()
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
    // void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYUP()
END_MESSAGE_MAP()

CQInPlaceNumEdit::CQInPlaceNumEdit(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                                   CString sInitText, UINT nFirstChar, int nFlag)
    : CQNumEdit(nFlag), m_nRow(nRow), m_nColumn(nColumn), m_sInitText(sInitText), m_nLastChar(0),
      m_bExitOnArrows(nFirstChar != VK_LBUTTON), m_bEnded(FALSE)
{
    OpenEditor(this, pParent, rect, dwStyle, nID, m_sInitText, nFirstChar);
}

CQInPlaceNumEdit::~CQInPlaceNumEdit() {}

void CQInPlaceNumEdit::EndEdit()
{
    QInPlace::FinishEdit(this, m_bEnded, m_nRow, m_nColumn, m_sInitText, m_nLastChar);
}

BOOL CQInPlaceNumEdit::PreTranslateMessage(MSG* pMsg)
{
    if (QInPlace::PreTranslateEditorMessage(pMsg))
        return TRUE;
    return CQNumEdit::PreTranslateMessage(pMsg);
}

void CQInPlaceNumEdit::PostNcDestroy()
{
    CQNumEdit::PostNcDestroy();
    delete this;
}

void CQInPlaceNumEdit::OnKillFocus(CWnd* pNewWnd)
{
    CQNumEdit::OnKillFocus(pNewWnd);
    EndEdit();
}

void CQInPlaceNumEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CQNumEdit::OnChar(nChar, nRepCnt, nFlags);
    QInPlace::GrowToText(this);
}

void CQInPlaceNumEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!EndsEditOnKeyDown(nChar, m_bExitOnArrows))
    {
        CQNumEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    if (nChar == VK_ESCAPE)
        SetWindowText(m_sInitText);
    m_nLastChar = nChar;
    GiveFocusToParent(this);
}

void CQInPlaceNumEdit::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!EndsEditOnKeyUp(nChar))
    {
        CQNumEdit::OnKeyUp(nChar, nRepCnt, nFlags);
        return;
    }
    m_nLastChar = nChar;
    GiveFocusToParent(this);
}
