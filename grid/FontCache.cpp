// CQFontCache: the fonts of one measuring or drawing pass.
#include "grid/internal/QFontCache.h"

CQFontCache::CQFontCache(CQFontCache*& pSlot, HWND hWnd)
    : m_pSlot(pSlot), m_bOwner(pSlot == NULL), m_hWnd(hWnd)
{
    if (m_bOwner)
        m_pSlot = this;
}

CQFontCache::~CQFontCache()
{
    if (!m_bOwner)
        return;
    m_pSlot = NULL;
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
    for (int i = 0; i < m_nEntries; i++)
        if (m_entries[i].hFont)
            ::DeleteObject(m_entries[i].hFont);
}

HFONT CQFontCache::Get(const LOGFONTW& lf)
{
    if (!m_bOwner)
        return m_pSlot ? m_pSlot->Get(lf) : ::CreateFontIndirectW(&lf);
    for (int i = 0; i < m_nEntries; i++)
        if (memcmp(&m_entries[i].lf, &lf, sizeof(LOGFONTW)) == 0)
            return m_entries[i].hFont;

    HFONT hFont = ::CreateFontIndirectW(&lf);
    if (hFont == NULL)
        return NULL;
    int i = m_nEntries;
    if (m_nEntries < kFonts)
        m_nEntries++;
    else
    {
        // The oldest entry makes room (the pinned one aside); callers have deselected it by now.
        if (m_entries[m_nNext].hFont == m_hPinned)
            m_nNext = (m_nNext + 1) % kFonts;
        i = m_nNext;
        m_nNext = (m_nNext + 1) % kFonts;
        ::DeleteObject(m_entries[i].hFont);
    }
    m_entries[i].lf = lf;
    m_entries[i].hFont = hFont;
    return hFont;
}

HFONT CQFontCache::Pin(HFONT hFont)
{
    if (!m_bOwner)
        return m_pSlot ? m_pSlot->Pin(hFont) : NULL;
    HFONT hOld = m_hPinned;
    m_hPinned = hFont;
    return hOld;
}

HDC CQFontCache::WindowDC()
{
    if (!m_bOwner)
        return m_pSlot ? m_pSlot->WindowDC() : NULL;
    if (m_hDC == NULL && ::IsWindow(m_hWnd))
        m_hDC = ::GetDC(m_hWnd);
    return m_hDC;
}

bool CQFontCache::IsWindowDC(HDC hDC) const
{
    if (!m_bOwner)
        return m_pSlot != NULL && m_pSlot->IsWindowDC(hDC);
    return hDC != NULL && hDC == m_hDC;
}
