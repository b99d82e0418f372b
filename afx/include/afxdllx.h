// Included once by an extension DLL (in the file with its DllMain). AFX_EXTENSION_MODULE,
// CDynLinkLibrary, AfxInitExtensionModule and AfxTermExtensionModule are declared in afxwin.h
// (afxdll_.h); see there for the DllMain pattern. The layer needs no extra entry-point glue.
#pragma once

#include <afxwin.h>
