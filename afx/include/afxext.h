// Framework extensions. The layer has no control bars, splitters or bitmap buttons; this header
// exists so that code written for the framework finds it, and brings in the windowing core and
// the print information record (with the print dialog).
#pragma once

#include <afxwin.h>
#include <afxprint_.h>
