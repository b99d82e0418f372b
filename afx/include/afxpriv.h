// Framework internals that extension code sometimes needs: the idle messages and the window
// creation hook. Most of it is declared in afxwin.h already.
#pragma once

#include <afxwin.h>
