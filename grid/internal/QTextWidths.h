// Text extents from cached character advance widths. Loading rows and sizing to the contents measure
// every cell of a large grid; asking the platform for each text costs far more than adding up widths
// asked for once per font and character. The widths are kept as numbers only, for the whole process
// (no font or device context stays open between measurements), and filled 256 characters at a time
// from the platform's own width call on a screen device context.
//
// The sum of advance widths equals the platform's text extent only where characters neither combine
// nor shape, and where the font itself has the character (a character drawn from a linked fallback
// font has that font's width). So a page of widths is checked against the platform's extent of each
// character and of the whole page when it is filled; characters that disagree, characters outside
// the simple ranges, and device contexts other than screen contexts in text mapping mode without
// extra spacing are left to the platform. Internal to the grid control.
#pragma once

#include <afxwin.h>

namespace QTextWidths
{
// The extent of the text in the font as GetTextExtentPoint32W gives it on hDC (NULL: a screen
// context) with that font selected; false when the cached widths cannot serve the text or the
// context, and the caller asks the platform.
bool Extent(const LOGFONTW& lf, LPCWSTR psz, int nLength, HDC hDC, SIZE& size);

// The characters that may be served: printable Latin, Greek and Cyrillic, without combining marks.
inline bool Simple(wchar_t ch)
{
    return ch >= 0x20 && ch < 0x530 && !(ch >= 0x7F && ch < 0xA0) && !(ch >= 0x300 && ch < 0x370) &&
           !(ch >= 0x483 && ch < 0x48A);
}
} // namespace QTextWidths
