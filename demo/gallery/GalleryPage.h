// A page of the gallery: a child window of the gallery's main window that holds one control of
// the library (or a few of one family) filled with data. A page is one small class: it creates
// its controls, fills them, and lays them out when the page changes size; one GALLERY_PAGE line
// registers it.
//
//   class CColourPage : public CGalleryPage {
//     BOOL CreateControls() override { return m_combo.Create(...); }
//     void Fill() override { ... }
//     void Layout(int cx, int cy) override { m_combo.MoveWindow(...); }
//     CQColourCombo m_combo;
//   };
//   GALLERY_PAGE(CColourPage, 40, L"colours", L"Colour picker")
#pragma once

#include "qctl.h"

#include <vector>

class CGalleryPage : public CWnd
{
public:
    CGalleryPage();

    // Makes the page window (hidden) over rect of the parent, then its controls, then fills them.
    // A page lives as long as its window: on failure the page is deleted.
    BOOL CreatePage(CWnd* pParent, const RECT& rect, UINT nID);

    // The folder of the data files shipped with the gallery (with a trailing backslash).
    static CString DataFolder();
    // The font of the gallery's labels and lists.
    static CFont* GetGuiFont();

protected:
    // The page's controls, as children of this window; FALSE when one cannot be made.
    virtual BOOL CreateControls() = 0;
    // Puts the data into the controls.
    virtual void Fill() = 0;
    // Places the controls in a client area of cx by cy pixels.
    virtual void Layout(int cx, int cy) = 0;

public:
    // In screenshot mode, after the page's own screenshot: further screenshots the page takes
    // (of a dialog it opens, say) below the folder; the number to count with the pages' own.
    virtual int WriteExtraScreenshots(LPCWSTR /*pszFolder*/) { return 0; }

protected:
    // A static text child with the gallery's font.
    BOOL CreateLabel(CStatic& label, LPCTSTR lpszText, UINT nID, DWORD dwStyle = SS_LEFT);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()
};

// The registry of pages, in the order of their keys.
struct GalleryPageInfo
{
    int nOrder;
    LPCWSTR lpszName;  // file name of its screenshot, without the extension
    LPCWSTR lpszTitle; // shown in the list of pages
    CGalleryPage* (*pfnCreate)();
};

class CGalleryPageRegistry
{
public:
    static const std::vector<GalleryPageInfo>& Pages();
    static void Add(const GalleryPageInfo& info);
};

struct CGalleryPageRegistrar
{
    explicit CGalleryPageRegistrar(const GalleryPageInfo& info) { CGalleryPageRegistry::Add(info); }
};

#define GALLERY_PAGE(cls, order, name, title)                                                                \
    static CGalleryPageRegistrar s_galleryPage_##cls(                                                        \
        GalleryPageInfo{order, name, title, []() -> CGalleryPage* { return new cls; }});
