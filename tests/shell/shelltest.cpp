// Shared helpers of the shell tests.
#include "shelltest.h"

#include <afxdisp.h>
#include <objidl.h>

#include <set>

namespace shelltest
{

// ---------------------------------------------------------------------------------------------
// CTempTree

CTempTree::CTempTree()
{
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    // The long form: the shell names folders by their long names.
    wchar_t szLong[MAX_PATH];
    if (::GetLongPathNameW(szTemp, szLong, MAX_PATH) == 0)
        wcscpy(szLong, szTemp);
    static int s_nCount = 0;
    m_strRoot.Format(L"%sqshell%lu_%d", szLong, ::GetCurrentProcessId(), ++s_nCount);
    RemoveAll(m_strRoot); // left by an earlier run that did not finish
    ::CreateDirectoryW(m_strRoot, NULL);
}

CTempTree::~CTempTree()
{
    RemoveAll(m_strRoot);
}

CString CTempTree::Path(LPCWSTR lpszRelative) const
{
    return m_strRoot + L"\\" + lpszRelative;
}

bool CTempTree::MakeFolder(LPCWSTR lpszRelative) const
{
    return ::CreateDirectoryW(Path(lpszRelative), NULL) != FALSE;
}

bool CTempTree::MakeFile(LPCWSTR lpszRelative, DWORD cbSize) const
{
    HANDLE h = ::CreateFileW(Path(lpszRelative), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> bytes(cbSize, 'x');
    DWORD cbWritten = 0;
    bool bOK = cbSize == 0 || (::WriteFile(h, bytes.data(), cbSize, &cbWritten, NULL) && cbWritten == cbSize);
    ::CloseHandle(h);
    return bOK;
}

void CTempTree::RemoveAll(const CString& strPath)
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
            CString strChild = strPath + L"\\" + strName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveAll(strChild);
            else
                ::DeleteFileW(strChild);
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryW(strPath);
}

// ---------------------------------------------------------------------------------------------
// CAllocCounter: an IMallocSpy that keeps the set of blocks it saw allocated.

namespace
{

class CCountingSpy : public IMallocSpy
{
public:
    std::set<void*> m_blocks;
    SIZE_T m_cbPending = 0;
    void* m_pPendingFree = NULL;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IMallocSpy)
        {
            *ppv = this;
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
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

CCountingSpy g_spy;

} // namespace

CAllocCounter::CAllocCounter()
{
    g_spy.m_blocks.clear();
    m_bRegistered = SUCCEEDED(::CoRegisterMallocSpy(&g_spy));
}

CAllocCounter::~CAllocCounter()
{
    if (m_bRegistered)
        ::CoRevokeMallocSpy();
}

long CAllocCounter::Outstanding() const
{
    return (long)g_spy.m_blocks.size();
}

// ---------------------------------------------------------------------------------------------
// CMenuCloser

namespace
{

int g_nMenusSeen = 0;
int g_nLastItemCount = -1;

void CALLBACK CloseMenuTimer(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hMenuWnd = ::FindWindowW(L"#32768", NULL);
    if (hMenuWnd == NULL || !::IsWindowVisible(hMenuWnd))
        return;
    HMENU hMenu = (HMENU)::SendMessageW(hMenuWnd, MN_GETHMENU, 0, 0);
    g_nLastItemCount = hMenu != NULL ? ::GetMenuItemCount(hMenu) : -1;
    g_nMenusSeen++;
    ::EndMenu();
}

} // namespace

CMenuCloser::CMenuCloser()
{
    g_nMenusSeen = 0;
    g_nLastItemCount = -1;
    m_nTimer = ::SetTimer(NULL, 0, 50, CloseMenuTimer);
}

CMenuCloser::~CMenuCloser()
{
    ::KillTimer(NULL, m_nTimer);
}

int CMenuCloser::MenusSeen() const
{
    return g_nMenusSeen;
}

int CMenuCloser::LastItemCount() const
{
    return g_nLastItemCount;
}

std::string Narrow(const CString& str)
{
    int n = ::WideCharToMultiByte(CP_UTF8, 0, str, str.GetLength(), NULL, 0, NULL, NULL);
    std::string s(n > 0 ? n : 0, '\0');
    if (n > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, str, str.GetLength(), &s[0], n, NULL, NULL);
    return s;
}

LPITEMIDLIST ParsePath(LPCWSTR lpszPath)
{
    LPITEMIDLIST pidl = NULL;
    SFGAOF sfgao = 0;
    if (FAILED(::SHParseDisplayName(lpszPath, NULL, &pidl, 0, &sfgao)))
        return NULL;
    return pidl;
}

} // namespace shelltest

namespace
{

// The shell's folders and the allocator spy need COM on the test thread.
class CShellEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { ASSERT_TRUE(AfxOleInit()); }
    void TearDown() override { AfxOleTerm(FALSE); }
};

::testing::Environment* const g_pShellEnvironment =
    ::testing::AddGlobalTestEnvironment(new CShellEnvironment);

} // namespace
