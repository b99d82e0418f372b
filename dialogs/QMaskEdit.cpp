// CQMaskEdit: the mask prefix and the key and character rules that protect it.
#include "QMaskEdit.h"

IMPLEMENT_DYNAMIC(CQMaskEdit, CEdit)

BEGIN_MESSAGE_MAP(CQMaskEdit, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
END_MESSAGE_MAP()

CQMaskEdit::CQMaskEdit() : m_bHasMask(FALSE), m_nMaskLength(0), m_bBackspace(FALSE) {}

CQMaskEdit::~CQMaskEdit() {}

// ---------------------------------------------------------------------------------------------
// Mask and text

void CQMaskEdit::SetMaskText(LPCTSTR lpszMask)
{
    m_bHasMask = FALSE;
    m_strMask.Empty();
    m_nMaskLength = 0;
    if (lpszMask == NULL || *lpszMask == 0)
        return;
    m_strMask = lpszMask;
    m_bHasMask = TRUE;
    m_nMaskLength = m_strMask.GetLength();
    if (!::IsWindow(m_hWnd))
        return;
    CEdit::SetWindowText(m_strMask);
    // One past the end: the control puts the caret at the end of the text.
    SetSel(m_nMaskLength + 1, m_nMaskLength + 1);
}

BOOL CQMaskEdit::GetMaskText(CString& strMask) const
{
    strMask.Empty();
    if (!m_bHasMask)
        return FALSE;
    strMask = m_strMask;
    return TRUE;
}

void CQMaskEdit::SetText(LPCTSTR lpszText)
{
    SetWindowText(lpszText);
}

void CQMaskEdit::SetWindowText(LPCTSTR lpszString)
{
    if (!::IsWindow(m_hWnd))
        return;
    CString strText;
    if (m_bHasMask)
        strText = m_strMask;
    if (lpszString != NULL)
        strText += lpszString;
    CEdit::SetWindowText(strText);
}

void CQMaskEdit::GetText(CString& strText) const
{
    strText.Empty();
    if (!::IsWindow(m_hWnd))
        return;
    CString strWindow;
    GetWindowText(strWindow);
    if (!m_bHasMask)
    {
        strText = strWindow;
    }
    else if (strWindow.GetLength() > m_nMaskLength)
    {
        strText = strWindow.Mid(m_nMaskLength);
    }
}

// ---------------------------------------------------------------------------------------------
// Keys and characters

BOOL CQMaskEdit::ClipSelectionToMask(BOOL bCharacter)
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (nEnd == -1)
    {
        // A selection to the end of the text: keep the mask out of it.
        if (nStart == 0)
            SetSel(m_nMaskLength, LineLength(0), TRUE);
        return TRUE;
    }
    if (nEnd < m_nMaskLength)
        return FALSE;
    // Backspace at the end of the mask would eat its last character.
    if (bCharacter && nEnd == m_nMaskLength && m_bBackspace)
        return FALSE;
    if (nStart >= m_nMaskLength)
        return TRUE;
    SetSel(m_nMaskLength, nEnd);
    return TRUE;
}

void CQMaskEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_bBackspace = FALSE;
    if (m_bHasMask)
    {
        if (nChar == VK_BACK)
        {
            m_bBackspace = TRUE;
        }
        else if (nChar == VK_INSERT || nChar == VK_DELETE)
        {
            if (!ClipSelectionToMask(FALSE))
                return;
        }
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CQMaskEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bHasMask && !ClipSelectionToMask(TRUE))
        return;
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}
