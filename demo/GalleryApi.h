// The gallery module's entry points, as the host program (and the gallery tests) find them with
// GetProcAddress after LoadLibrary of the module.
#pragma once

#include <windows.h>

#define QGALLERY_MODULE_NAME L"qctl_gallery.dll"

// Builds the gallery's main window (hidden unless nCmdShow shows it) with its first page open.
// With SW_SHOWNOACTIVATE the window is only for looking at (screenshots, tests): it is disabled,
// so that neither it nor its controls take the activation or the keyboard focus from other
// programs (a grid takes the focus whenever it is sized). Returns NULL when the window cannot be
// made. The window deletes itself when destroyed, and the
// application's message loop ends with it when it is the application's main window.
typedef HWND(__cdecl* QGALLERYCREATEPROC)(int nCmdShow);
#define QGALLERY_CREATE_PROC "QGalleryCreate"

// Shows every page of the gallery window in turn, renders it and writes it as a PNG file named
// after the page into the existing folder pszFolder. Returns the number of images written, -1
// when the window is not a gallery window.
typedef int(__cdecl* QGALLERYSCREENSHOTSPROC)(HWND hGallery, LPCWSTR pszFolder);
#define QGALLERY_SCREENSHOTS_PROC "QGalleryScreenshots"
