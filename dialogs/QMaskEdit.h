// CQMaskEdit: an edit field that starts with a fixed, non-editable prefix (the mask text).
#pragma once

#include <afxwin.h>

// The user types and deletes only after the mask; the caller reads and writes the text without
// it (SetText/GetText). Attach it to an edit window by creating it or by subclassing a dialog
// control; SetMaskText then puts the mask into the window.
class AFX_EXT_CLASS CQMaskEdit : public CEdit
{
    DECLARE_DYNAMIC(CQMaskEdit)

public:
    CQMaskEdit();
    virtual ~CQMaskEdit();

    // Sets the mask and shows it with the caret after it; an empty or NULL text removes the mask
    // and leaves the window text as it is.
    void SetMaskText(LPCTSTR lpszMask);
    // FALSE (and an empty text) without a mask.
    BOOL GetMaskText(CString& strMask) const;
    // The window text becomes the mask followed by lpszText.
    void SetText(LPCTSTR lpszText);
    void SetWindowText(LPCTSTR lpszString);
    // The window text without the mask.
    void GetText(CString& strText) const;

protected:
    // Returns FALSE when a key or character that edits the selection must be dropped because the
    // selection ends inside the mask; otherwise moves a selection start inside the mask to its end.
    BOOL ClipSelectionToMask(BOOL bCharacter);

    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    CString m_strMask; // the fixed prefix
    BOOL m_bHasMask;   // TRUE while a non-empty mask is set
    int m_nMaskLength; // characters of the mask
    BOOL m_bBackspace; // the last key down was Backspace
};
