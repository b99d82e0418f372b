// Real folders for the shell tests and the shell benchmark (header only; it needs neither the
// test framework nor a window):
//   CTempFolder          a fresh folder under the temporary folder, with everything in it removed
//                        at the end; folders and files of given sizes made below it;
//   CShellAllocCounter   counts the blocks of the COM task allocator (which SHGetMalloc answers)
//                        allocated while it lives and not yet freed (an IMallocSpy).
#pragma once

#include <afxwin.h>
#include <objidl.h>

#include <set>
#include <vector>

namespace qtest
{

class CTempFolder
{
public:
    // prefix names the folder: <temp>\<prefix><process id>_<n>, in its long form, as the shell names it.
    explicit CTempFolder(LPCWSTR lpszPrefix = L"qshell")
    {
        wchar_t szTemp[MAX_PATH], szLong[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szTemp);
        if (::GetLongPathNameW(szTemp, szLong, MAX_PATH) == 0)
            wcscpy(szLong, szTemp);
        static int s_nCount = 0;
        m_strRoot.Format(L"%s%s%lu_%d", szLong, lpszPrefix, ::GetCurrentProcessId(), ++s_nCount);
        RemoveAll(m_strRoot); // left by an earlier run that did not finish
        ::CreateDirectoryW(m_strRoot, NULL);
    }
    ~CTempFolder() { RemoveAll(m_strRoot); }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const CString& Root() const { return m_strRoot; }
    // The path of a name below the root ("a\\b").
    CString Path(LPCWSTR lpszRelative) const { return m_strRoot + L"\\" + lpszRelative; }
    bool MakeFolder(LPCWSTR lpszRelative) const
    {
        return ::CreateDirectoryW(Path(lpszRelative), NULL) != FALSE;
    }
    bool MakeFile(LPCWSTR lpszRelative, DWORD cbSize = 0) const
    {
        HANDLE h = ::CreateFileW(Path(lpszRelative), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (h == INVALID_HANDLE_VALUE)
            return false;
        std::vector<char> bytes(cbSize, 'x');
        DWORD cbWritten = 0;
        bool bOK =
            cbSize == 0 || (::WriteFile(h, bytes.data(), cbSize, &cbWritten, NULL) && cbWritten == cbSize);
        ::CloseHandle(h);
        return bOK;
    }
    static void RemoveAll(const CString& strPath)
    {
        WIN32_FIND_DATAW fd;
        HANDLE h = ::FindFirstFileW(strPath + L"\\*", &fd);
        if (h != INVALID_HANDLE_VALUE)
        {
            do
            {
                CString strName = fd.cFileName;
                if (strName == L"." || strName == L"..")
                    continue;
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveAll(strPath + L"\\" + strName);
                else
                    ::DeleteFileW(strPath + L"\\" + strName);
            } while (::FindNextFileW(h, &fd));
            ::FindClose(h);
        }
        ::RemoveDirectoryW(strPath);
    }

private:
    CString m_strRoot;
};

class CShellAllocCounter
{
public:
    CShellAllocCounter()
    {
        Spy().m_blocks.clear();
        m_bRegistered = SUCCEEDED(::CoRegisterMallocSpy(&Spy()));
    }
    ~CShellAllocCounter()
    {
        if (m_bRegistered)
            ::CoRevokeMallocSpy();
    }
    CShellAllocCounter(const CShellAllocCounter&) = delete;
    CShellAllocCounter& operator=(const CShellAllocCounter&) = delete;
    bool Registered() const { return m_bRegistered; }
    long Outstanding() const { return (long)Spy().m_blocks.size(); }

private:
    // Keeps the set of blocks it saw allocated; a reallocated block is taken out and put back.
    class CSpy : public IMallocSpy
    {
    public:
        std::set<void*> m_blocks;
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
        {
            *ppv = riid == IID_IUnknown || riid == IID_IMallocSpy ? this : NULL;
            return *ppv != NULL ? S_OK : E_NOINTERFACE;
        }
        STDMETHODIMP_(ULONG) AddRef() override { return 2; }
        STDMETHODIMP_(ULONG) Release() override { return 1; }
        STDMETHODIMP_(SIZE_T) PreAlloc(SIZE_T cbRequest) override { return cbRequest; }
        STDMETHODIMP_(void*) PostAlloc(void* pActual) override
        {
            if (pActual != NULL)
                m_blocks.insert(pActual);
            return pActual;
        }
        STDMETHODIMP_(void*) PreFree(void* pRequest, BOOL) override
        {
            m_blocks.erase(pRequest);
            return pRequest;
        }
        STDMETHODIMP_(void) PostFree(BOOL) override {}
        STDMETHODIMP_(SIZE_T) PreRealloc(void* pRequest, SIZE_T cbRequest, void** ppNewRequest, BOOL) override
        {
            m_blocks.erase(pRequest);
            *ppNewRequest = pRequest;
            return cbRequest;
        }
        STDMETHODIMP_(void*) PostRealloc(void* pActual, BOOL) override
        {
            if (pActual != NULL)
                m_blocks.insert(pActual);
            return pActual;
        }
        STDMETHODIMP_(void*) PreGetSize(void* pRequest, BOOL) override { return pRequest; }
        STDMETHODIMP_(SIZE_T) PostGetSize(SIZE_T cbActual, BOOL) override { return cbActual; }
        STDMETHODIMP_(void*) PreDidAlloc(void* pRequest, BOOL) override { return pRequest; }
        STDMETHODIMP_(int) PostDidAlloc(void*, BOOL, int fActual) override { return fActual; }
        STDMETHODIMP_(void) PreHeapMinimize() override {}
        STDMETHODIMP_(void) PostHeapMinimize() override {}
    };
    static CSpy& Spy()
    {
        static CSpy s_spy;
        return s_spy;
    }
    bool m_bRegistered;
};

} // namespace qtest
