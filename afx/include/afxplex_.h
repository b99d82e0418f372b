// Memory helpers of the collections: checked allocation and CPlex, the block allocator that
// lists and maps carve their nodes from.
#pragma once

#include <afx.h>
#include <stdlib.h>
#include <string.h>
#include <type_traits>

// malloc/realloc that raise CMemoryException* instead of returning NULL.
inline void* AFXAPI _AfxAllocOrThrow(size_t nBytes)
{
    void* p = ::malloc(nBytes ? nBytes : 1);
    if (p == NULL)
        ::AfxThrowMemoryException();
    return p;
}
inline void* AFXAPI _AfxReallocOrThrow(void* pOld, size_t nBytes)
{
    void* p = ::realloc(pOld, nBytes ? nBytes : 1);
    if (p == NULL)
        ::AfxThrowMemoryException();
    return p;
}
// n * cb, raising CMemoryException* when it does not fit in a size_t.
inline size_t AFXAPI _AfxCheckedBytes(size_t n, size_t cb)
{
    if (cb != 0 && n > ((size_t)-1) / cb)
        ::AfxThrowMemoryException();
    return n * cb;
}

// A chain of raw blocks; each block holds nMax elements of cbElement bytes after its header.
struct alignas(16) CPlex
{
    CPlex* pNext;

    void* data() { return this + 1; }

    // Allocates a block and puts it at the head of the chain.
    static CPlex* PASCAL Create(CPlex*& pHead, UINT_PTR nMax, UINT_PTR cbElement)
    {
        size_t nBytes = _AfxCheckedBytes(nMax, cbElement);
        if (nBytes > ((size_t)-1) - sizeof(CPlex))
            ::AfxThrowMemoryException();
        CPlex* p = (CPlex*)_AfxAllocOrThrow(sizeof(CPlex) + nBytes);
        p->pNext = pHead;
        pHead = p;
        return p;
    }

    // Frees this block and every block after it.
    void FreeDataChain()
    {
        CPlex* p = this;
        while (p != NULL)
        {
            CPlex* pNext = p->pNext;
            ::free(p);
            p = pNext;
        }
    }
};

class CString;

// Whether elements of a type may be moved around with memmove. CString is one pointer with no
// self-references, so it qualifies like any trivially copyable type.
template <class TYPE> struct _AfxIsRelocatable : std::is_trivially_copyable<TYPE>
{
};
template <> struct _AfxIsRelocatable<CString> : std::true_type
{
};
