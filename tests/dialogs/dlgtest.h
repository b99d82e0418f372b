// Helpers of the dialog tests: dialog templates built in memory, and window rectangles.
#pragma once

#include <afxwin.h>
#include <ostream>
#include <vector>
#include "testwin.h"

namespace dlgtest
{

// A DLGTEMPLATE (with DS_SETFONT) and its DWORD-aligned items, as the system reads them; sizes are
// dialog units.
class CTemplate
{
public:
    CTemplate(DWORD dwStyle, short cx, short cy, LPCWSTR lpszTitle = L"")
    {
        dwStyle |= DS_SETFONT;
        Words({LOWORD(dwStyle), HIWORD(dwStyle), 0, 0, 0, 0, 0, (WORD)cx, (WORD)cy, 0, 0});
        Text(lpszTitle);
        Words({8});
        Text(L"MS Shell Dlg");
    }
    // An item of a predefined class (0x80 button, 0x81 edit, 0x82 static, 0x85 combo box).
    void Add(WORD nClass, WORD nID, DWORD dwStyle, short x, short y, short cx, short cy,
             LPCWSTR lpszText = L"")
    {
        if (m_w.size() % 2)
            Words({0});
        dwStyle |= WS_CHILD | WS_VISIBLE;
        Words({LOWORD(dwStyle), HIWORD(dwStyle), 0, 0, (WORD)x, (WORD)y, (WORD)cx, (WORD)cy, nID, 0xFFFF,
               nClass});
        Text(lpszText);
        Words({0});
        m_w[4]++; // the item count
    }
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_w.data()); }

private:
    void Words(std::initializer_list<WORD> words) { m_w.insert(m_w.end(), words); }
    void Text(LPCWSTR p)
    {
        do
            m_w.push_back((WORD)*p);
        while (*p++);
    }
    std::vector<WORD> m_w;
};

inline CRect WindowRect(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}
// A control's rectangle in its dialog's client coordinates.
inline CRect ChildRect(CWnd* pDlg, int nID)
{
    CRect rc = WindowRect(pDlg->GetDlgItem(nID));
    pDlg->ScreenToClient(&rc);
    return rc;
}
inline void Settle()
{
    for (int i = 0; i < 3; i++)
        qtest::PumpMessages();
}

} // namespace dlgtest

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << "," << rc.top << ")-(" << rc.right << "," << rc.bottom << ")";
}
inline void PrintTo(const CPoint& pt, std::ostream* os)
{
    *os << "(" << pt.x << "," << pt.y << ")";
}
