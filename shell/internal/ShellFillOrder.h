// The order in which one fill of the shell tree inserts its items. Sorting the children of an item
// with the shell's comparison asks the shell about n log n pairs, each costing about a microsecond;
// most of that is saved by sorting on a guess of the shell's order and asking the shell only about
// neighbours, to confirm the guess.
#pragma once

#include <afxwin.h>
#include <commctrl.h>

#include <vector>

// One item of a fill, made before it is inserted.
struct CQShellFillItem
{
    LPARAM lParam;       // the item's record
    CString strText;     // the display name
    CString strSortName; // the name the guess sorts on (the file name when known)
    bool bFolder;        // folders come first in the guess
    int iImage, iSelectedImage;
    int cChildren; // 1: a children mark; 0: none
};

// Puts the items into the order the comparison gives, when a guess (folders first, then names in
// the user's collation with case ignored) is confirmed by the comparison for every pair of
// neighbours, a tie keeping the order of enumeration; answers true then. Otherwise leaves the items
// in enumeration order and answers false: the caller sorts them with the comparison itself.
bool OrderByConfirmedGuess(std::vector<CQShellFillItem>& items, PFNTVCOMPARE pfnCompare);
