// Resource IDs of the report list's bitmap strip (res/listicons.bmp, made by
// make_list_bitmaps.py): two rows of eight 16 x 16 images on pure green, the transparent colour.
#pragma once

#define IDB_QCTL_LISTICONS 30100
// Image size and layout of the strip.
#define QCTL_LISTICONS_CX 16
#define QCTL_LISTICONS_CY 16
#define QCTL_LISTICONS_COUNT 8
#define QCTL_LISTICONS_ROWS 2
