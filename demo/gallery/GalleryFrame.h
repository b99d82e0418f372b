// The gallery's main window: the list of pages on the left, the open page on the right.
#pragma once

#include "GalleryPage.h"

#include <vector>

class CGalleryFrame : public CWnd
{
public:
    CGalleryFrame();

    // A frame for looking only is disabled: no activation, no keyboard focus.
    BOOL CreateFrame(BOOL bLookOnly);
    // Opens page nIndex of the registry (made on first use); FALSE for an index out of range or a
    // page that cannot be made.
    BOOL ShowPage(int nIndex);
    int GetPageCount() const { return (int)m_pages.size(); }
    CGalleryPage* GetPage(int nIndex) const { return m_pages[nIndex]; }
    // Renders every page in turn into a PNG file in pszFolder; returns the number written.
    int WriteScreenshots(LPCWSTR pszFolder);

    enum
    {
        IDC_PAGE_LIST = 100,
        IDC_FIRST_PAGE = 200
    };

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnPageListChange();
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

    CRect PageRect() const;

    CListBox m_list;
    std::vector<CGalleryPage*> m_pages; // NULL until first shown; each page deletes itself
    int m_nCurrent;
};

// Renders the client area of a window with its children (as it shows) and writes it as a PNG
// file. FALSE when the image cannot be made or written.
BOOL WriteWindowPng(CWnd* pWnd, LPCWSTR pszPath);
