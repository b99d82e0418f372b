#include "util/QStringMgr.h"
#include "util/QRecord.h"
#include "util/QKeyOperate.h"
#include "util/QFileOper.h"
