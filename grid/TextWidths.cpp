// QTextWidths: the cached advance widths of the fonts the grids of the process measure with. The
// cache owns every font's pages of widths; one lock guards it, for grids may live on several threads.
#include "grid/internal/QTextWidths.h"

#include <new>

namespace
{
enum
{
    kFonts = 16,
    kPages = 6,    // characters 0x000-0x5FF, 256 a page
    kUnserved = -1 // a page entry the platform measures
};

struct CFontWidths
{
    LOGFONTW lf;
    int cyText;  // the height of a measured text
    int cyEmpty; // the height of an empty text
    int* pages[kPages];
    bool tried[kPages]; // a page that could not be filled is not tried again
};

// Runs f(hDC) on a screen context with the font selected; false when either cannot be had.
template <class F> bool WithScreenFont(const LOGFONTW& lf, F f)
{
    HDC hDC = ::GetDC(NULL);
    if (hDC == NULL)
        return false;
    HFONT hFont = ::CreateFontIndirectW(&lf);
    bool bOk = false;
    if (hFont != NULL)
    {
        HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        bOk = f(hDC);
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hFont);
    }
    ::ReleaseDC(NULL, hDC);
    return bOk;
}

class CWidthCache
{
public:
    CWidthCache() { ::InitializeCriticalSection(&m_cs); }

    bool Extent(const LOGFONTW& lf, LPCWSTR psz, int nLength, SIZE& size)
    {
        ::EnterCriticalSection(&m_cs);
        bool bOk = false;
        if (CFontWidths* pFont = Find(lf))
        {
            long long cx = 0;
            bOk = true;
            for (int i = 0; i < nLength && bOk; i++)
            {
                const wchar_t ch = psz[i];
                const int nPage = ch >> 8;
                if (pFont->pages[nPage] == NULL && !FillPage(*pFont, nPage))
                    bOk = false;
                else if (pFont->pages[nPage][ch & 0xFF] == kUnserved)
                    bOk = false;
                else
                    cx += pFont->pages[nPage][ch & 0xFF];
            }
            if (bOk && cx > 0x7FFFFFFF)
                bOk = false;
            if (bOk)
            {
                size.cx = (LONG)cx;
                size.cy = nLength > 0 ? pFont->cyText : pFont->cyEmpty;
            }
        }
        ::LeaveCriticalSection(&m_cs);
        return bOk;
    }

private:
    static void Free(CFontWidths*& pFont)
    {
        for (int* p : pFont->pages)
            delete[] p;
        delete pFont;
        pFont = NULL;
    }

    CFontWidths* Find(const LOGFONTW& lf)
    {
        for (int i = 0; i < m_nFonts; i++)
            if (memcmp(&m_fonts[i]->lf, &lf, sizeof(LOGFONTW)) == 0)
                return m_fonts[i];

        CFontWidths* pFont = new (std::nothrow) CFontWidths;
        if (pFont == NULL)
            return NULL;
        memset(pFont, 0, sizeof(CFontWidths));
        pFont->lf = lf;
        bool bOk = WithScreenFont(lf,
                                  [pFont](HDC hDC)
                                  {
                                      SIZE text = {0, 0}, empty = {0, 0};
                                      if (!::GetTextExtentPoint32W(hDC, L"x", 1, &text) ||
                                          !::GetTextExtentPoint32W(hDC, L"", 0, &empty))
                                          return false;
                                      pFont->cyText = text.cy;
                                      pFont->cyEmpty = empty.cy;
                                      return true;
                                  });
        if (!bOk)
        {
            delete pFont;
            return NULL;
        }
        int i = m_nFonts;
        if (m_nFonts < kFonts)
            m_nFonts++;
        else
        {
            // The oldest font makes room.
            i = m_nNext;
            m_nNext = (m_nNext + 1) % kFonts;
            Free(m_fonts[i]);
        }
        m_fonts[i] = pFont;
        return pFont;
    }

    // The page's widths, each one checked against the platform's extent of the character alone and
    // the served ones together against the extent of all of them in one text.
    static bool FillPage(CFontWidths& font, int nPage)
    {
        if (font.tried[nPage])
            return false;
        font.tried[nPage] = true;
        int* pWidths = new (std::nothrow) int[256];
        if (pWidths == NULL)
            return false;
        bool bOk = WithScreenFont(font.lf,
                                  [&](HDC hDC)
                                  {
                                      const UINT nFirst = (UINT)nPage * 256;
                                      if (!::GetCharWidth32W(hDC, nFirst, nFirst + 255, pWidths))
                                          return false;
                                      wchar_t text[256];
                                      int nText = 0;
                                      long long nSum = 0;
                                      for (int i = 0; i < 256; i++)
                                      {
                                          const wchar_t ch = (wchar_t)(nFirst + i);
                                          SIZE one = {0, 0};
                                          if (!QTextWidths::Simple(ch) || pWidths[i] < 0 ||
                                              !::GetTextExtentPoint32W(hDC, &ch, 1, &one) ||
                                              one.cx != pWidths[i] || one.cy != font.cyText)
                                          {
                                              pWidths[i] = kUnserved;
                                              continue;
                                          }
                                          text[nText++] = ch;
                                          nSum += pWidths[i];
                                      }
                                      SIZE all = {0, 0};
                                      return nText == 0 || (::GetTextExtentPoint32W(hDC, text, nText, &all) &&
                                                            all.cx == nSum && all.cy == font.cyText);
                                  });
        if (!bOk)
        {
            delete[] pWidths;
            return false;
        }
        font.pages[nPage] = pWidths;
        return true;
    }

    CRITICAL_SECTION m_cs;
    CFontWidths* m_fonts[kFonts] = {};
    int m_nFonts = 0;
    int m_nNext = 0; // the font replaced when all places are taken
};

// Made once and kept for the life of the process.
CWidthCache& Cache()
{
    static CWidthCache* s_pCache = new CWidthCache;
    return *s_pCache;
}

// The widths serve this device context: a screen context of the screen's resolution, text mapping
// mode, no character extra spacing.
bool ServesDC(HDC hDC)
{
    if (hDC == NULL)
        return true;
    if (::GetDeviceCaps(hDC, TECHNOLOGY) != DT_RASDISPLAY || ::GetMapMode(hDC) != MM_TEXT ||
        ::GetTextCharacterExtra(hDC) != 0)
        return false;
    static int s_nScreenX = 0, s_nScreenY = 0;
    if (s_nScreenY == 0)
    {
        HDC hScreen = ::GetDC(NULL);
        if (hScreen == NULL)
            return false;
        s_nScreenX = ::GetDeviceCaps(hScreen, LOGPIXELSX);
        s_nScreenY = ::GetDeviceCaps(hScreen, LOGPIXELSY);
        ::ReleaseDC(NULL, hScreen);
    }
    return ::GetDeviceCaps(hDC, LOGPIXELSX) == s_nScreenX && ::GetDeviceCaps(hDC, LOGPIXELSY) == s_nScreenY;
}
} // namespace

bool QTextWidths::Extent(const LOGFONTW& lf, LPCWSTR psz, int nLength, HDC hDC, SIZE& size)
{
    if (psz == NULL || nLength < 0)
        nLength = 0;
    for (int i = 0; i < nLength; i++)
        if (!Simple(psz[i]))
            return false;
    if (!ServesDC(hDC))
        return false;
    return Cache().Extent(lf, psz, nLength, size);
}
