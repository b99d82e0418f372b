// CSharedFile: a file in a movable global memory block that grows in fixed steps.
#include <afxadv.h>

#include <string.h>

IMPLEMENT_DYNAMIC(CSharedFile, CFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : m_hGlobalMemory(NULL), m_nAllocFlags(nAllocFlags), m_nGrowBytes(nGrowBytes ? nGrowBytes : 4096),
      m_nBufferSize(0), m_nFileSize(0), m_nPosition(0), m_bAllowGrow(TRUE)
{
}

CSharedFile::~CSharedFile()
{
    Close();
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMem = m_hGlobalMemory;
    m_hGlobalMemory = NULL;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    return hMem;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    Close();
    m_hGlobalMemory = hGlobalMemory;
    m_nBufferSize = m_nFileSize = hGlobalMemory ? ::GlobalSize(hGlobalMemory) : 0;
    m_nPosition = 0;
    m_bAllowGrow = bAllowGrow;
}

void CSharedFile::GrowTo(SIZE_T nNewSize)
{
    if (nNewSize <= m_nBufferSize)
        return;
    if (!m_bAllowGrow)
        AfxThrowMemoryException();
    SIZE_T steps = (nNewSize + m_nGrowBytes - 1) / m_nGrowBytes;
    SIZE_T nAlloc = steps * m_nGrowBytes;
    if (nAlloc < nNewSize)
        AfxThrowMemoryException(); // overflow
    HGLOBAL hNew = m_hGlobalMemory == NULL ? ::GlobalAlloc(m_nAllocFlags, nAlloc)
                                           : ::GlobalReAlloc(m_hGlobalMemory, nAlloc, m_nAllocFlags);
    if (hNew == NULL)
        AfxThrowMemoryException();
    // A reallocation does not zero the new part unless asked to.
    if (!(m_nAllocFlags & GMEM_ZEROINIT))
    {
        char* p = (char*)::GlobalLock(hNew);
        if (p != NULL)
        {
            memset(p + m_nBufferSize, 0, nAlloc - m_nBufferSize);
            ::GlobalUnlock(hNew);
        }
    }
    m_hGlobalMemory = hNew;
    m_nBufferSize = nAlloc;
}

ULONGLONG CSharedFile::GetPosition() const
{
    return m_nPosition;
}

ULONGLONG CSharedFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base = nFrom == CFile::begin     ? 0
                    : nFrom == CFile::current ? (LONGLONG)m_nPosition
                                              : (LONGLONG)m_nFileSize;
    LONGLONG pos = base + lOff;
    if (pos < 0)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = (SIZE_T)pos;
    return m_nPosition;
}

void CSharedFile::SetLength(ULONGLONG dwNewLen)
{
    GrowTo((SIZE_T)dwNewLen);
    m_nFileSize = (SIZE_T)dwNewLen;
    if (m_nPosition > m_nFileSize)
        m_nPosition = m_nFileSize;
}

ULONGLONG CSharedFile::GetLength() const
{
    return m_nFileSize;
}

UINT CSharedFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize || lpBuf == NULL)
        return 0;
    SIZE_T n = m_nFileSize - m_nPosition;
    if (n > nCount)
        n = nCount;
    const char* p = (const char*)::GlobalLock(m_hGlobalMemory);
    if (p == NULL)
        return 0;
    memcpy(lpBuf, p + m_nPosition, n);
    ::GlobalUnlock(m_hGlobalMemory);
    m_nPosition += n;
    return (UINT)n;
}

void CSharedFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == NULL)
        AfxThrowInvalidArgException();
    GrowTo(m_nPosition + nCount);
    char* p = (char*)::GlobalLock(m_hGlobalMemory);
    if (p == NULL)
        AfxThrowMemoryException();
    memcpy(p + m_nPosition, lpBuf, nCount);
    ::GlobalUnlock(m_hGlobalMemory);
    m_nPosition += nCount;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

void CSharedFile::Abort()
{
    Close();
}

void CSharedFile::Flush() {}

void CSharedFile::Close()
{
    if (m_hGlobalMemory != NULL)
        ::GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = NULL;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
}
