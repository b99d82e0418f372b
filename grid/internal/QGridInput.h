// The grid's input state machine: the mouse modes that GetMouseMode and SetMouseMode carry, the
// id of the auto-scroll timer, and the message a grid posts to itself to set its scroll bars after
// rows or columns were added. Internal to the grid control.
#pragma once

#include <windows.h>

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
