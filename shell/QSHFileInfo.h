// CQSHFileInfo: one file or folder, given by path or by a CFileFind: its parts (drive, directory,
// name, extension), the shell's display name, type and icon, its size and last-write time as
// display texts, whether it exists, and the platform's folder-browsing dialog.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

class AFX_EXT_CLASS CQSHFileInfo
{
public:
    CQSHFileInfo();
    explicit CQSHFileInfo(LPCTSTR lpszPath);
    explicit CQSHFileInfo(CFileFind* pFind);
    CQSHFileInfo(const CQSHFileInfo& other);
    CQSHFileInfo& operator=(const CQSHFileInfo& other);
    virtual ~CQSHFileInfo();

    CString GetRoot();      // drive and directory
    CString GetFileName();  // name and extension
    CString GetFileTitle(); // name without extension
    CString GetFileExt();   // extension with its dot

    CString GetDisplayName(); // the shell's display name of the path
    CString GetDescription(); // the shell's type name of the path
    int GetIconIndex();       // index of its small icon in the system image list
    // Attaches the system's small and large image lists (either may be NULL). The lists belong to
    // the system: detach them before the objects go.
    void GetSystemImageList(CImageList* pSmallList, CImageList* pLargeList);

    // The finder's length as grouped digits ("1,234,567"); empty without a finder.
    CString GetFileSize();
    // The finder's last-write time in local time as "MM/DD/YYYY hh:mm"; empty without a finder
    // or a current file.
    CString GetLastWriteTime();

    // Whether the path exists; a drive root such as "C:\" exists without a look at the disk.
    bool Exist();

    // The folder-browsing dialog: in m_strRoot, m_strSelect, m_strTitle; out m_strFolder and
    // m_nImage. FALSE when cancelled or when the chosen item has no path.
    BOOL BrowseForFolder(CWnd* pParentWnd);

    // Splits a path as the C run-time's _wsplitpath does (drive "X:", directory up to and with the
    // last separator, extension from the last dot of the rest), into strings of any length.
    static void SplitPath(LPCWSTR lpszPath, CString* pDrive, CString* pDir, CString* pFname, CString* pExt);

public:
    int m_nImage;        // out: the system image index of the chosen folder
    CString m_strFolder; // out: the chosen folder's path
    CString m_strRoot;   // in: the folder at the top of the dialog; empty for the whole namespace
    CString m_strSelect; // in: the folder selected when the dialog opens; empty for none
    CString m_strTitle;  // in: the text above the folder list; empty for "Open"

protected:
    CFileFind* m_pFind; // not owned; NULL for an object built from a path

public:
    CString m_strPath; // the full path the object describes

protected:
    // The parts of m_strPath; all four are empty when one of them does not fit its field.
    wchar_t m_szDrive[3];
    wchar_t m_szDir[256];
    wchar_t m_szFname[256];
    wchar_t m_szExt[256];

private:
    void Split();
    static int CALLBACK BrowseCallbackProc(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);
};
