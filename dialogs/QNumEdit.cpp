// CQNumEdit: the number filter and the value's text form.
#include "QNumEdit.h"
#include <cmath>
#include <cstdlib>
#include <cwchar>

IMPLEMENT_DYNAMIC(CQNumEdit, CEdit)

BEGIN_MESSAGE_MAP(CQNumEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

CQNumEdit::CQNumEdit(int) {}

CQNumEdit::~CQNumEdit() {}

// ---------------------------------------------------------------------------------------------
// Value

double CQNumEdit::GetValue() const
{
    if (!::IsWindow(m_hWnd))
        return 0;
    CString strText;
    GetWindowText(strText);
    return _wtof(strText);
}

void CQNumEdit::SetValue(double dValue)
{
    if (!::IsWindow(m_hWnd))
        return;
    SetWindowText(FormatValue(dValue));
}

CString CQNumEdit::FormatValue(double dValue)
{
    if (std::isnan(dValue))
        return CString(L"NAN");
    if (std::isinf(dValue))
        return CString(dValue < 0 ? L"-INF" : L"INF");
    wchar_t szText[64] = {};
    _snwprintf(szText, 63, L"%G", dValue);
    // The run-time may write three exponent digits ("1E+020"); the general format has two
    // unless more are needed.
    wchar_t* pExp = wcschr(szText, L'E');
    if (pExp != NULL && (pExp[1] == L'+' || pExp[1] == L'-'))
    {
        wchar_t* pDigits = pExp + 2;
        while (wcslen(pDigits) > 2 && pDigits[0] == L'0')
            wmemmove(pDigits, pDigits + 1, wcslen(pDigits));
    }
    return CString(szText);
}

// ---------------------------------------------------------------------------------------------
// Characters

BOOL CQNumEdit::IsNumberChar(UINT nChar, int nCaret, const CString& strText)
{
    int nLength = strText.GetLength();
    if (nChar >= L'0' && nChar <= L'9')
        return TRUE;
    const wchar_t* pExp = wcspbrk((LPCTSTR)strText, L"eE");
    int nExp = pExp != NULL ? (int)(pExp - (LPCTSTR)strText) : -1;
    switch (nChar)
    {
    case L'-':
        // A leading sign, or the exponent's sign right after the exponent letter.
        if (nCaret == 0)
            return nLength == 0 || strText[0] != L'-';
        if (nCaret > nLength)
            return FALSE;
        return strText[nCaret - 1] == L'e' || strText[nCaret - 1] == L'E';
    case L'e':
    case L'E':
        if (nCaret == 0)
            return FALSE;
        if (nCaret == 1 && nLength > 0 && strText[0] == L'-')
            return FALSE;
        return nExp < 0;
    case L'.':
        if (strText.Find(L'.') >= 0)
            return FALSE;
        return nExp < 0 || nExp >= nCaret;
    default: return FALSE;
    }
}

void CQNumEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_BACK)
    {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    POINT ptCaret = {0, 0};
    ::GetCaretPos(&ptCaret);
    int nCaret = LOWORD(CharFromPos(ptCaret));
    CString strText;
    GetWindowText(strText);
    if (IsNumberChar(nChar, nCaret, strText))
        CEdit::OnChar(nChar, nRepCnt, nFlags);
}
