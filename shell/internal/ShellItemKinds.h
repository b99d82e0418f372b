// CQShellItemKinds: what the shell tree learns once per kind of item instead of asking the shell
// item by item (its icon and name look-ups cost up to milliseconds per item). Plain folders share
// one pair of icons and one way of naming; the files of one type share their type's icons and the
// way the shell names them (with or without the extension). Items that may look or be named otherwise are left to the
// shell one by one. What is learnt holds until Forget (the tree forgets when it is filled anew);
// whether a folder's files may be named by their type is decided for each fill.
#pragma once

#include <afxwin.h>
#include <shlobj.h>

#include <map>
#include <utility>

class CQShellItemKinds
{
public:
    CQShellItemKinds();
    // Starts a fill; lpifq: the full list of the folder being filled (null: names are asked item
    // by item).
    void BeginFill(LPCITEMIDLIST lpifq);
    // Forgets every kind learnt.
    void Forget();

    // Reads what an item's list says of it on disk (its name and attributes); the calls below are
    // about this item.
    void Read(LPSHELLFOLDER lpsf, LPCITEMIDLIST lpi, ULONG ulAttrs);
    // The icons noted for the item's kind; false when there are none (ask the shell, then Note).
    bool FindIcons(LPTVITEM lptvitem) const;
    void NoteIcons(const TVITEM& tvitem);
    // The item's display name (a buffer of MAX_PATH characters) from its type's way of naming;
    // false when that is not known (ask the shell, then NoteName).
    bool FindName(LPWSTR lpszName);
    void NoteName(LPCWSTR lpszName);
    // The item's file name (when it is plain ASCII) and whether it is a directory, from what Read
    // found on disk; NULL and false when Read found nothing.
    LPCWSTR FileName() const { return m_bRead && AsciiFileName() ? m_wfd.cFileName : NULL; }
    bool IsDirectory() const { return m_bRead && (m_wfd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

    // Whether the files of a type (an extension with its dot, lower case) each show an icon of
    // their own rather than their type's.
    static bool TypeHasOwnIcons(const CString& strExt);

private:
    enum Naming
    {
        NAMING_ASK,   // the shell names such files one by one
        NAMING_FULL,  // the file name as it is
        NAMING_NO_EXT // the file name without its extension
    };
    struct TypeFacts
    {
        bool bOwnIcons = false;
        bool bNamed = false;
        Naming naming = NAMING_ASK;
    };

    bool NamesByType();
    // Whether the current item's file name in m_wfd is plain ASCII, and so exactly its name.
    bool AsciiFileName() const;

    LPCITEMIDLIST m_lpifq;
    int m_nNamesByType;  // -1 not yet known; 0 or 1
    bool m_bRead;        // m_wfd holds the current item
    bool m_bNamedByKind; // a file, or a plain folder: named as its kind names its items
    WIN32_FIND_DATAW m_wfd;
    CString m_strKind; // the current item's icon kind; empty when its icons are its own
    CString m_strType; // the current file's type; a backslash for a plain folder
    std::map<CString, TypeFacts> m_types;
    std::map<CString, std::pair<int, int>> m_icons;
};
