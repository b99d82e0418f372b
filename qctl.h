// Umbrella header of the library.
#pragma once

#include "grid/QCellRange.h"
#include "grid/QGridCell.h"
#include "grid/QTitleTip.h"
#include "grid/QGridDropTarget.h"
#include "grid/QGridSizeIndex.h"
#include "grid/QGridCtrl.h"
