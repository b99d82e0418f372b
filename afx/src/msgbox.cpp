// AfxMessageBox (the text form) and the application's name.
#include <afx.h>
#include <algorithm>

LPCTSTR afxCurrentAppName = NULL;

namespace
{
// The executable's file name without folder and extension, computed once.
const CString& ModuleTitle()
{
    static const CString s_title = []
    {
        WCHAR szPath[MAX_PATH * 2];
        DWORD n = ::GetModuleFileNameW(NULL, szPath, _countof(szPath));
        if (n == 0 || n >= _countof(szPath))
            return CString();
        szPath[n] = 0;
        CString strName(szPath);
        int iSlash = (std::max)(strName.ReverseFind('\\'), strName.ReverseFind('/'));
        strName = strName.Mid(iSlash + 1);
        int iDot = strName.ReverseFind('.');
        if (iDot > 0)
            strName.Truncate(iDot);
        return strName;
    }();
    return s_title;
}
} // namespace

LPCTSTR AFXAPI AfxGetAppName()
{
    if (afxCurrentAppName != NULL)
        return afxCurrentAppName;
    return ModuleTitle();
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    (void)nIDHelp;
    HWND hWndOwner = ::GetActiveWindow();
    return ::MessageBoxW(hWndOwner, lpszText != NULL ? lpszText : L"", AfxGetAppName(), nType);
}
