// The fonts of one measuring or drawing pass of the grid control. Measuring every cell of a column
// or painting a screenful of cells would otherwise create and delete a font for every cell; within
// a pass each distinct font description is created once, and the window's device context is taken
// once. Internal to the grid control.
#pragma once

#include <afxwin.h>

class CQFontCache
{
public:
    // Becomes the grid's current pass when none is open (pSlot is the grid's pointer to it);
    // a pass opened inside another one uses the outer one and does nothing itself.
    CQFontCache(CQFontCache*& pSlot, HWND hWnd);
    ~CQFontCache();
    CQFontCache(const CQFontCache&) = delete;
    CQFontCache& operator=(const CQFontCache&) = delete;

    // A font for the description; NULL when it cannot be created. It stays valid until the pass
    // ends or until a later Get needs its place, so callers deselect it before they ask again.
    HFONT Get(const LOGFONTW& lf);
    // Keeps hFont (one of this pass's fonts) from making room for others until Pin is called
    // again, so that it may stay selected while other fonts are asked for; returns the font pinned
    // before. NULL pins none.
    HFONT Pin(HFONT hFont);
    // The window's device context, taken the first time and released when the pass ends.
    HDC WindowDC();
    // Whether hDC is that context: a screen context in its default state, as nothing in a pass
    // changes more than the selected font.
    bool IsWindowDC(HDC hDC) const;

private:
    enum
    {
        kFonts = 8
    };
    struct CEntry
    {
        LOGFONTW lf;
        HFONT hFont;
    };

    CQFontCache*& m_pSlot;
    bool m_bOwner;
    HWND m_hWnd;
    HDC m_hDC = NULL;
    CEntry m_entries[kFonts];
    int m_nEntries = 0;
    int m_nNext = 0; // the entry replaced when all are in use
    HFONT m_hPinned = NULL;
};
