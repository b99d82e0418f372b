// QCtl: the umbrella header. Including it reaches every public header of the library.
#pragma once

#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>

#include "util/QStringMgr.h"
#include "util/QRecord.h"
#include "util/QKeyOperate.h"
#include "util/QFileOper.h"
#include "grid/QCellRange.h"
#include "grid/QGridCell.h"
#include "grid/QTitleTip.h"
#include "grid/QGridDropTarget.h"
#include "grid/QGridCtrl.h"
#include "grid/QMemDC.h"
#include "grid/QInPlaceListEdit.h"
#include "grid/QInPlaceEdit.h"
#include "grid/QInPlaceList.h"
#include "dialogs/QMaskEdit.h"
#include "dialogs/QNumEdit.h"
