// One cell of the grid control and the item record through which callers read and write cells.
#pragma once

#include <afxwin.h>
#include <afxcoll.h>
#include <afxtempl.h>

// Which fields of a GV_ITEM are read or written.
#define GV_MASK_TEXT 0x00000001
#define GV_MASK_IMAGE 0x00000002
#define GV_MASK_DATA 0x00000004
#define GV_MASK_STATE 0x00000008
#define GV_MASK_BKCOLOUR 0x00000010
#define GV_MASK_FGCOLOUR 0x00000020
#define GV_MASK_FORMAT 0x00000040
#define GV_MASK_FONT 0x00000080

// Cell state flags; other bits are kept and returned unchanged.
#define GV_STATE_FOCUSED 0x0001
#define GV_STATE_SELECTED 0x0002
#define GV_STATE_DROPTARGET 0x0004
#define GV_STATE_READONLY 0x0008

// A cell colour of this value means "use the grid's colour".
#define GV_CLR_DEFAULT ((COLORREF)0xFF000000)

// One cell's properties on their way in or out of the grid; mask says which fields count.
typedef struct AFX_EXT_CLASS _GV_ITEM
{
    int row;           // row of the cell
    int col;           // column of the cell
    UINT mask;         // GV_MASK_... bits
    UINT state;        // GV_STATE_... bits
    UINT format;       // text-drawing flags (DT_...)
    CString text;      // text
    int image;         // image list index, -1 = none
    COLORREF bkColour; // background colour
    COLORREF fgColour; // text colour
    LPARAM data;       // caller's value
    LOGFONTW font;     // font description
} GV_ITEM;

// A grid cell. The grid owns its cells: it makes them with CreateCell and deletes them when their
// row, column or the grid goes away. A cell owns its strings and its list of editor choices.
// An empty CString does not allocate, so a fresh cell costs one allocation.
class AFX_EXT_CLASS CQGridCell : public CObject
{
public:
    CQGridCell()
        : m_nState(0), m_nFormat(0), m_nImage(-1), m_crBkClr(GV_CLR_DEFAULT), m_crFgClr(GV_CLR_DEFAULT),
          m_lParam(0), m_nStyle(0)
    {
        memset(&m_lfFont, 0, sizeof(m_lfFont));
    }
    virtual ~CQGridCell() {}

    UINT m_nState;              // GV_STATE_... bits
    UINT m_nFormat;             // text-drawing flags, passed unchanged to the text drawing call
    CString m_strText;          // the cell's text
    int m_nImage;               // index into the grid's image list, -1 = no image
    COLORREF m_crBkClr;         // background colour, GV_CLR_DEFAULT = the grid's
    COLORREF m_crFgClr;         // text colour, GV_CLR_DEFAULT = the grid's
    LPARAM m_lParam;            // caller's value, never interpreted
    LOGFONTW m_lfFont;          // font of the text
    UINT m_nStyle;              // in-place editor style, 0 to 8
    CString m_strListType;      // editor list kind, not interpreted by the grid
    CStringArray m_arListItems; // the list and combo editors' choices
};
