// The grid's input state machine: the mouse modes that GetMouseMode and SetMouseMode carry, the
// state of a mouse or keyboard gesture under way (CQGridInputState, owned by the grid and changed
// by GridMouse.cpp, GridKeys.cpp, GridInput.cpp and GridDrag.cpp), the id of the auto-scroll timer,
// and the message a grid posts to itself to set its scroll bars after rows or columns were added.
// Internal to the grid control.
#pragma once

#include <afxwin.h>

#include "grid/QCellRange.h"

// Registered when the grid module starts (GridScroll.cpp).
extern const UINT g_nGridScrollBarsMessage;

// Id of the auto-scroll timer.
#define GV_TIMER_ID 513

// Mouse modes of the input state machine (5 is not used).
enum
{
    MOUSE_NOTHING = 0,
    MOUSE_SELECT_ALL = 1,
    MOUSE_SELECT_COL = 2,
    MOUSE_SELECT_ROW = 3,
    MOUSE_SELECT_CELLS = 4,
    MOUSE_OVER_ROW_DIVIDE = 6,
    MOUSE_SIZING_ROW = 7,
    MOUSE_OVER_COL_DIVIDE = 8,
    MOUSE_SIZING_COL = 9,
    MOUSE_PREPARE_EDIT = 10,
    MOUSE_PREPARE_DRAG = 11,
    MOUSE_DRAGGING = 12
};

// Where a gesture started and where it is, and how the grid answers the mouse.
struct CQGridInputState
{
    int m_MouseMode = MOUSE_NOTHING;
    CPoint m_LeftClickDownPoint = CPoint(0, 0);
    CPoint m_LastMousePoint = CPoint(0, 0);
    CQCellID m_LeftClickDownCell;
    UINT_PTR m_nTimerID = 0;       // auto-scroll timer, 0 when none runs
    int m_nTimerInterval = 25;     // milliseconds
    int m_nResizeCaptureRange = 3; // pixels around a boundary that count as on it
    UINT m_nRowsPerWheelNotch = 3; // 0xFFFFFFFF = scroll by pages
};
