// Support functions of the compiler's COM helper classes (_bstr_t, _variant_t, _com_error) that
// its headers declare but leave to a support library: the narrow-string conversions, raising an
// error with its error information, and the "missing argument" variant. Exported from afx.dll so
// that the library and its callers share them.
#include <windows.h>
#include <comdef.h>

#include <new>

namespace _com_util
{

// A new BSTR holding the ANSI string converted to UTF-16; null for a null string.
__declspec(dllexport) BSTR WINAPI ConvertStringToBSTR(const char* pSrc)
{
    if (pSrc == nullptr)
        return nullptr;
    int n = ::MultiByteToWideChar(CP_ACP, 0, pSrc, -1, nullptr, 0);
    if (n <= 0)
    {
        _com_issue_error(HRESULT_FROM_WIN32(::GetLastError()));
        return nullptr;
    }
    BSTR bstr = ::SysAllocStringLen(nullptr, static_cast<UINT>(n - 1));
    if (bstr == nullptr)
    {
        _com_issue_error(E_OUTOFMEMORY);
        return nullptr;
    }
    ::MultiByteToWideChar(CP_ACP, 0, pSrc, -1, bstr, n);
    return bstr;
}

// A new[]-allocated ANSI copy of the BSTR (the caller frees it with delete[]); null for null.
__declspec(dllexport) char* WINAPI ConvertBSTRToString(BSTR pSrc)
{
    if (pSrc == nullptr)
        return nullptr;
    int nLen = static_cast<int>(::SysStringLen(pSrc));
    int n = ::WideCharToMultiByte(CP_ACP, 0, pSrc, nLen, nullptr, 0, nullptr, nullptr);
    if (n < 0 || (n == 0 && nLen > 0))
    {
        _com_issue_error(HRESULT_FROM_WIN32(::GetLastError()));
        return nullptr;
    }
    char* psz = new (std::nothrow) char[static_cast<size_t>(n) + 1];
    if (psz == nullptr)
    {
        _com_issue_error(E_OUTOFMEMORY);
        return nullptr;
    }
    if (n > 0)
        ::WideCharToMultiByte(CP_ACP, 0, pSrc, nLen, psz, n, nullptr, nullptr);
    psz[n] = '\0';
    return psz;
}

} // namespace _com_util

// Raises hr with the error information of the object, when it says it has some for riid.
__declspec(dllexport) void WINAPI _com_issue_errorex(HRESULT hr, IUnknown* punk, REFIID riid)
{
    IErrorInfo* pErrorInfo = nullptr;
    if (punk != nullptr)
    {
        ISupportErrorInfo* pSupport = nullptr;
        if (SUCCEEDED(punk->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&pSupport))))
        {
            if (pSupport->InterfaceSupportsErrorInfo(riid) == S_OK && ::GetErrorInfo(0, &pErrorInfo) != S_OK)
                pErrorInfo = nullptr;
            pSupport->Release();
        }
    }
    __mingw_com_error_handler(hr, pErrorInfo);
}

// The value passed for an optional argument that is left out.
__declspec(dllexport) _variant_t vtMissing(static_cast<long>(DISP_E_PARAMNOTFOUND), VT_ERROR);
