// CQColorPickerCB: an owner-drawn combo box of the host's indexed colours.
#pragma once

#include <afxwin.h>

// Each item is a host colour index (its item data) with a name (its text), drawn as a swatch
// followed by the name. The list starts with a fixed table of 22 host colours; callers add and
// remove colours and read or set the selection by index or by name. A swatch's colour is asked
// from the host each time the item is drawn, so it follows the host's colour settings.
//
// The window needs CBS_OWNERDRAWFIXED and CBS_HASSTRINGS, given by the dialog template or the
// creator; the class sets no styles itself.
class AFX_EXT_CLASS CQColorPickerCB : public CComboBox
{
    DECLARE_DYNAMIC(CQColorPickerCB)

public:
    CQColorPickerCB();
    ~CQColorPickerCB() override;

    // Appends a colour at the end (also in a sorting combo); its position, -1 when it failed.
    int AddColor(LPCTSTR lpszName, int nColorIndex);
    // Deletes the first item with that colour index; false when there is none.
    bool RemoveColor(int nColorIndex);
    // Deletes the first item with that name, case ignored; false when there is none.
    bool RemoveColor(LPCTSTR lpszName);
    // The selected item's colour index; 255 when nothing is selected.
    int GetSelectedColorValue();
    // The selected item's name; "" when nothing is selected.
    CString GetSelectedColorName();
    // Selects the last item with that colour index (or name, case ignored); nothing changes when
    // none matches.
    void SetSelectedColorValue(int nColorIndex);
    void SetSelectedColorName(LPCTSTR lpszName);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

    BYTE m_bInitialized;     // the table has been loaded
    CString m_strSelectName; // what GetSelectedColorName returned last

private:
    void Initialize();
};
