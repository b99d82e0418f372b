// Helpers of the dialog tests.
#include "dlgtest.h"
#include "testwin.h"

namespace dlgtest
{

CTemplate::CTemplate(DWORD dwStyle, short cx, short cy, LPCWSTR lpszTitle)
{
    Push(dwStyle | DS_SETFONT);
    Push(0);              // extended style
    m_words.push_back(0); // item count, counted by Add
    m_words.push_back(0);
    m_words.push_back(0);
    m_words.push_back((WORD)cx);
    m_words.push_back((WORD)cy);
    m_words.push_back(0); // no menu
    m_words.push_back(0); // the system's dialog class
    PushText(lpszTitle);
    m_words.push_back(8);
    PushText(L"MS Shell Dlg");
}

void CTemplate::Push(DWORD dw)
{
    m_words.push_back(LOWORD(dw));
    m_words.push_back(HIWORD(dw));
}

void CTemplate::PushText(LPCWSTR lpsz)
{
    for (; *lpsz; lpsz++)
        m_words.push_back((WORD)*lpsz);
    m_words.push_back(0);
}

void CTemplate::Align()
{
    if (m_words.size() % 2)
        m_words.push_back(0);
}

void CTemplate::Add(WORD nClassAtom, WORD nID, DWORD dwStyle, short x, short y, short cx, short cy,
                    LPCWSTR lpszText)
{
    Align();
    Push(dwStyle | WS_CHILD | WS_VISIBLE);
    Push(0);
    m_words.push_back((WORD)x);
    m_words.push_back((WORD)y);
    m_words.push_back((WORD)cx);
    m_words.push_back((WORD)cy);
    m_words.push_back(nID);
    m_words.push_back(0xFFFF);
    m_words.push_back(nClassAtom);
    PushText(lpszText);
    m_words.push_back(0); // no creation data
    m_words[4]++;         // DLGTEMPLATE::cdit
}

void Settle()
{
    for (int i = 0; i < 3; i++)
        qtest::PumpMessages();
}

CRect ChildRect(CWnd* pDlg, int nID)
{
    CRect rc;
    pDlg->GetDlgItem(nID)->GetWindowRect(&rc);
    pDlg->ScreenToClient(&rc);
    return rc;
}

CRect WindowRect(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}

} // namespace dlgtest
