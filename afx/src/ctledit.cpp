// CEdit: a thin wrapper over the EDIT class.
#include <afxwin.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::CEdit() {}
CEdit::~CEdit()
{
    DestroyWindow();
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"EDIT", NULL, dwStyle, rect, pParentWnd, nID);
}

// ---------------------------------------------------------------------------------------------
// Attributes

BOOL CEdit::CanUndo() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, EM_CANUNDO, 0, 0);
}
int CEdit::GetLineCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, EM_GETLINECOUNT, 0, 0);
}
BOOL CEdit::GetModify() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0);
}
void CEdit::SetModify(BOOL bModified)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETMODIFY, bModified, 0);
}
void CEdit::GetRect(LPRECT lpRect) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpRect != NULL)
        ::SendMessage(m_hWnd, EM_GETRECT, 0, (LPARAM)lpRect);
}
DWORD CEdit::GetSel() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (DWORD)::SendMessage(m_hWnd, EM_GETSEL, 0, 0);
}
void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    ASSERT(::IsWindow(m_hWnd));
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessage(m_hWnd, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    nStartChar = (int)dwStart;
    nEndChar = (int)dwEnd;
}
void CEdit::SetMargins(UINT nLeft, UINT nRight)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
}
DWORD CEdit::GetMargins() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (DWORD)::SendMessage(m_hWnd, EM_GETMARGINS, 0, 0);
}
void CEdit::SetLimitText(UINT nMax)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETLIMITTEXT, nMax, 0);
}
UINT CEdit::GetLimitText() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (UINT)::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0);
}
CPoint CEdit::PosFromChar(UINT nChar) const
{
    ASSERT(::IsWindow(m_hWnd));
    DWORD dw = (DWORD)::SendMessage(m_hWnd, EM_POSFROMCHAR, nChar, 0);
    return CPoint((short)LOWORD(dw), (short)HIWORD(dw));
}
int CEdit::CharFromPos(CPoint pt) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y));
}
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszBuffer == NULL)
        return 0;
    return (int)::SendMessage(m_hWnd, EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
}
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszBuffer == NULL || nMaxLength < 1)
        return 0;
    // The control reads the buffer's size from its first character.
    *(LPWORD)lpszBuffer = (WORD)std::min(nMaxLength, 0xffff);
    return (int)::SendMessage(m_hWnd, EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
}
int CEdit::GetFirstVisibleLine() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0);
}
TCHAR CEdit::GetPasswordChar() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (TCHAR)::SendMessage(m_hWnd, EM_GETPASSWORDCHAR, 0, 0);
}

// ---------------------------------------------------------------------------------------------
// Operations

void CEdit::EmptyUndoBuffer()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0);
}
BOOL CEdit::FmtLines(BOOL bAddEOL)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, EM_FMTLINES, bAddEOL, 0);
}
void CEdit::LimitText(int nChars)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_LIMITTEXT, nChars, 0);
}
int CEdit::LineFromChar(int nIndex) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, EM_LINEFROMCHAR, nIndex, 0);
}
int CEdit::LineIndex(int nLine) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, EM_LINEINDEX, nLine, 0);
}
int CEdit::LineLength(int nLine) const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, EM_LINELENGTH, nLine, 0);
}
void CEdit::LineScroll(int nLines, int nChars)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_LINESCROLL, nChars, nLines);
}
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_REPLACESEL, bCanUndo, (LPARAM)(lpszNewText != NULL ? lpszNewText : L""));
}
void CEdit::SetPasswordChar(TCHAR ch)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETPASSWORDCHAR, ch, 0);
}
void CEdit::SetRect(LPCRECT lpRect)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETRECT, 0, (LPARAM)lpRect);
}
void CEdit::SetRectNP(LPCRECT lpRect)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETRECTNP, 0, (LPARAM)lpRect);
}
void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel((int)LOWORD(dwSelection), (int)HIWORD(dwSelection), bNoScroll);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll)
        ::SendMessage(m_hWnd, EM_SCROLLCARET, 0, 0);
}
BOOL CEdit::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    ASSERT(::IsWindow(m_hWnd));
    if (nTabStops > 0 && rgTabStops == NULL)
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, EM_SETTABSTOPS, nTabStops, (LPARAM)rgTabStops);
}
void CEdit::SetTabStops()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETTABSTOPS, 0, 0);
}
BOOL CEdit::SetTabStops(const int& cxEachStop)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, EM_SETTABSTOPS, 1, (LPARAM)&cxEachStop);
}
BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, EM_SETREADONLY, bReadOnly, 0);
}

// ---------------------------------------------------------------------------------------------
// Clipboard and undo

BOOL CEdit::Undo()
{
    ASSERT(::IsWindow(m_hWnd));
    return (BOOL)::SendMessage(m_hWnd, EM_UNDO, 0, 0);
}
void CEdit::Clear()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_CLEAR, 0, 0);
}
void CEdit::Copy()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_COPY, 0, 0);
}
void CEdit::Cut()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_CUT, 0, 0);
}
void CEdit::Paste()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_PASTE, 0, 0);
}
