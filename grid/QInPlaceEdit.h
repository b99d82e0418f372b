// The grid's edit-based in-place editors: CQInPlaceEdit (text) and CQInPlaceNumEdit (numbers),
// and the end-of-edit record every in-place editor sends the grid.
//
// An editor is made with new by the grid (or a caller's grid), creates its window over the cell
// in its constructor, takes the keyboard focus and owns itself from then on. It ends when it
// loses the focus: the keys that end an edit (Escape, Tab, Return, and the navigation keys when
// the edit was started from the keyboard or Ctrl is held) give the focus to the parent. At the
// end it sends its owner (the parent when no owner was set) one end-of-edit record, posts
// itself a close message and frees itself after its window is gone.
#pragma once

#include <afxwin.h>

#include "dialogs/QNumEdit.h"

// Flag word of every end-of-edit record.
#define GV_ENDEDIT_FLAGS 5

// End-of-edit record: sent with WM_NOTIFY (code GVN_ENDLABELEDIT, -176) by an in-place editor to
// the grid. It lives on the editor's stack during the send; the receiver copies what it keeps.
typedef struct tagGV_DISPINFO
{
    NMHDR hdr; // the editor window, its control id, the code
    int iRow;  // the edited cell
    int iColumn;
    int nFlags;      // GV_ENDEDIT_FLAGS
    CString strText; // the final text (the initial text after Escape)
    UINT nLastKey;   // the key that ended the edit, 0 when a focus change did
} GV_DISPINFO;

// A single-line edit laid over a cell.
class AFX_EXT_CLASS CQInPlaceEdit : public CEdit
{
    DECLARE_DYNAMIC(CQInPlaceEdit)

    // Construction
public:
    // Creates the window (dwStyle plus child, visible, border and automatic horizontal scrolling)
    // with the parent's font and the text, takes the focus and places the caret by the key that
    // started the edit: 1 (the mouse) or Return: at the end; Backspace: at the end, then the
    // Backspace is typed; 32 to 40: the whole text selected; any other key: the whole text
    // selected, then the key is typed.
    CQInPlaceEdit(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                  CString sInitText, UINT nFirstChar);
    virtual ~CQInPlaceEdit();

    // Attributes
public:
    CString GetString() const { return m_sInitText; } // the text the edit started with
    void SetString(CString str) { m_sInitText = str; }

    // Operations
public:
    // Sends the end-of-edit record (once) and closes the window.
    void EndEdit();

    // Overridables
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual void PostNcDestroy(); // frees the object

    // Message map and handlers
protected:
    // void OnKillFocus(CWnd* pNewWnd)
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    int m_nRow; // the edited cell
    int m_nColumn;
    CString m_sInitText;  // put back by Escape
    UINT m_nLastChar;     // the key that ends the edit, 0 until one does
    BOOL m_bExitOnArrows; // navigation keys end the edit (a keyboard start)
    BOOL m_bEnded;        // the end-of-edit record went out
};

// The numeric cell editor: as CQInPlaceEdit, with the number filter of CQNumEdit for typed
// characters.
class AFX_EXT_CLASS CQInPlaceNumEdit : public CQNumEdit
{
    DECLARE_DYNAMIC(CQInPlaceNumEdit)

    // Construction
public:
    // nFlag goes to CQNumEdit's constructor.
    CQInPlaceNumEdit(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                     CString sInitText, UINT nFirstChar, int nFlag);
    virtual ~CQInPlaceNumEdit();

    // Attributes
public:
    CString GetString() const { return m_sInitText; }
    void SetString(CString str) { m_sInitText = str; }

    // Operations
public:
    void EndEdit();

    // Overridables
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual void PostNcDestroy();

    // Message map and handlers
protected:
    // void OnKillFocus(CWnd* pNewWnd)
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    int m_nRow;
    int m_nColumn;
    CString m_sInitText;
    UINT m_nLastChar;
    BOOL m_bExitOnArrows;
    BOOL m_bEnded;
};

// Helpers shared by the in-place editors.
namespace QInPlace
{
// Places the caret in an edit window that has the focus, by the key that started the edit
// (see CQInPlaceEdit); nFirstSelectAll is the first key that selects all instead of being typed
// (the keys up to 40 do). A typed key goes through the edit's own character handling.
AFX_EXT_API void PlaceCaret(CEdit* pEdit, UINT nFirstChar, UINT nFirstSelectAll);
// Widens an edit window to the right to fit its text (+ 5), not past the parent's client area.
AFX_EXT_API void GrowToText(CEdit* pEdit);
// Page Up, Page Down and the four arrows: the keys that can end an edit and move on.
AFX_EXT_API BOOL IsExitKey(UINT nChar);
// Sends the end-of-edit record from pEditor (its control id, GVN_ENDLABELEDIT) to its owner,
// or its parent when no owner was set; nothing when that window is gone.
AFX_EXT_API void SendEndEdit(CWnd* pEditor, int nRow, int nColumn, const CString& strText, UINT nLastKey);
// Ends an edit once (bEnded guards it): sends the record with the window's text, or with the
// starting text after Escape, and posts WM_CLOSE to the editor while its window exists.
AFX_EXT_API void FinishEdit(CWnd* pEditor, BOOL& bEnded, int nRow, int nColumn, const CString& sInitText,
                            UINT nLastKey);
// Key-down and key-up go straight to the editor (dialog navigation never sees them), Alt
// characters are swallowed. TRUE when the message was used up.
AFX_EXT_API BOOL PreTranslateEditorMessage(MSG* pMsg);
} // namespace QInPlace
