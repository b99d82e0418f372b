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
#include "grid/QGridSizeIndex.h"
#include "grid/QGridCtrl.h"
#include "grid/QMemDC.h"
#include "grid/QInPlaceListEdit.h"
#include "grid/QInPlaceEdit.h"
#include "grid/QInPlaceList.h"
#include "dialogs/QMaskEdit.h"
#include "dialogs/QNumEdit.h"
#include "dialogs/QResizDlg.h"
#include "dialogs/QArrangeDlg.h"
#include "dialogs/QColorPickerCB.h"
#include "dialogs/QTipCtr.h"
#include "image/QDIBitmap.h"
#include "image/QDIBitmapEx.h"
#include "image/QClipboard.h"
#include "image/QImage.h"
#include "image/QPreviewStatic.h"
#include "shell/QShellPidl.h"
#include "shell/QSHFileInfo.h"
#include "shell/QShellTree.h"
