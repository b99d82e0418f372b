// Helpers of the dialog tests: dialog templates built in memory, item by item.
#pragma once

#include <afxwin.h>
#include <vector>

namespace dlgtest
{

// A DLGTEMPLATE with its items, laid out as the system reads it (DWORD-aligned records, the
// font given with DS_SETFONT). Sizes are dialog units.
class CTemplate
{
public:
    CTemplate(DWORD dwStyle, short cx, short cy, LPCWSTR lpszTitle = L"");
    // An item of a predefined class (0x0080 button, 0x0081 edit, 0x0082 static, 0x0085 combo).
    void Add(WORD nClassAtom, WORD nID, DWORD dwStyle, short x, short y, short cx, short cy,
             LPCWSTR lpszText = L"");
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    void Push(DWORD dw);
    void PushText(LPCWSTR lpsz);
    void Align();
    std::vector<WORD> m_words;
};

// Pumps messages until none is pending, a few times, so that posted work and painting is done.
void Settle();
// The client rectangle of a dialog's control, in the dialog's client coordinates.
CRect ChildRect(CWnd* pDlg, int nID);
CRect WindowRect(CWnd* pWnd);

} // namespace dlgtest
