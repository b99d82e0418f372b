// CQNumEdit: an edit field that accepts only what can form a decimal floating-point number.
#pragma once

#include <afxwin.h>

// Typed characters pass a filter (digits, one point before any exponent, one exponent letter,
// a leading minus and a minus right after the exponent letter); the value is read and written
// as a double. The grid's numeric cell editor builds on it.
class AFX_EXT_CLASS CQNumEdit : public CEdit
{
    DECLARE_DYNAMIC(CQNumEdit)

public:
    // The argument is not used.
    explicit CQNumEdit(int nUnused = 0);
    virtual ~CQNumEdit();

    // The window text as a number; 0 for text that is not one.
    double GetValue() const;
    // The window text becomes the value in the C library's general format ("%G").
    void SetValue(double dValue);

    // The filter itself: whether nChar may be typed with the caret at character nCaret of strText.
    // Backspace is not a question for it (always handled normally).
    static BOOL IsNumberChar(UINT nChar, int nCaret, const CString& strText);
    // The "%G" text of a value, with at least two exponent digits and INF/NAN spelled as such.
    static CString FormatValue(double dValue);

protected:
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};
