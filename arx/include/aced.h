// Editor services of the host (stand-in): the indexed colour look-up.
#pragma once
#include "adesk.h"

// The RGB colour of the host's indexed colour `color` (0..255) as 0x00BBGGRR, so that it can be used
// as a COLORREF. Indices outside 0..255 give black.
ARX_API Adesk::UInt32 acedGetRGB(int color);
