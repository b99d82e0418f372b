// Build switches and export macros of the framework layer.
#pragma once

#ifndef _UNICODE
#error "The framework layer is built for Unicode only: define UNICODE and _UNICODE."
#endif

// Classes and functions of the layer itself, exported from afx.dll.
#if defined(_AFX_CORE_BUILD)
#define AFX_CORE_CLASS __declspec(dllexport)
#define AFX_CORE_API __declspec(dllexport)
#define AFX_CORE_DATA __declspec(dllexport)
#else
#define AFX_CORE_CLASS __declspec(dllimport)
#define AFX_CORE_API __declspec(dllimport)
#define AFX_CORE_DATA __declspec(dllimport)
#endif

// Classes of an extension DLL: exported while it is built (_AFXEXT), imported by its callers.
#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_API_EXPORT __declspec(dllexport)
#define AFX_API_IMPORT __declspec(dllimport)
#define AFX_DATA_EXPORT __declspec(dllexport)
#define AFX_DATA_IMPORT __declspec(dllimport)
#if defined(_AFXEXT)
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#define AFX_EXT_API AFX_API_EXPORT
#define AFX_EXT_DATA AFX_DATA_EXPORT
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#define AFX_EXT_API AFX_API_IMPORT
#define AFX_EXT_DATA AFX_DATA_IMPORT
#endif

#define AFXAPI __stdcall
#define AFX_CDECL __cdecl
#define AFX_INLINE inline
