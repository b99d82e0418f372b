// The framework's collection templates: CArray, CList, CMap and the typed pointer wrappers
// CTypedPtrArray, CTypedPtrList and CTypedPtrMap. Header-only.
//
// Arrays grow geometrically unless the caller set a grow-by; inserting and removing move
// elements with memmove when the element type allows it (see _AfxIsRelocatable). Lists and
// maps carve their nodes from blocks of nBlockSize nodes. Out-of-range indexes and NULL
// positions raise CInvalidArgException*, failed allocations CMemoryException*.
#pragma once

#include <afx.h>
#include <afxplex_.h>
#include <utility>

// ---------------------------------------------------------------------------------------------
// Element helpers

template <class TYPE> inline void AFXAPI ConstructElements(TYPE* pElements, INT_PTR nCount)
{
    if (nCount <= 0)
        return;
    memset((void*)pElements, 0, (size_t)nCount * sizeof(TYPE));
    for (; nCount--; pElements++)
        ::new ((void*)pElements) TYPE;
}

template <class TYPE> inline void AFXAPI DestructElements(TYPE* pElements, INT_PTR nCount)
{
    if constexpr (!std::is_trivially_destructible<TYPE>::value)
    {
        for (; nCount-- > 0; pElements++)
            pElements->~TYPE();
    }
    else
    {
        (void)pElements;
        (void)nCount;
    }
}

template <class TYPE> inline void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, INT_PTR nCount)
{
    while (nCount-- > 0)
        *pDest++ = *pSrc++;
}

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Moves nCount constructed elements from pSrc to pDest (ranges may overlap); afterwards the
// source slots that are not part of the destination hold no live objects.
template <class TYPE> inline void AFXAPI _AfxRelocateElements(TYPE* pDest, TYPE* pSrc, INT_PTR nCount)
{
    if (nCount <= 0 || pDest == pSrc)
        return;
    if constexpr (_AfxIsRelocatable<TYPE>::value)
    {
        memmove((void*)pDest, (const void*)pSrc, (size_t)nCount * sizeof(TYPE));
    }
    else if (pDest > pSrc)
    {
        for (INT_PTR i = nCount - 1; i >= 0; i--)
        {
            ::new ((void*)(pDest + i)) TYPE(std::move(pSrc[i]));
            pSrc[i].~TYPE();
        }
    }
    else
    {
        for (INT_PTR i = 0; i < nCount; i++)
        {
            ::new ((void*)(pDest + i)) TYPE(std::move(pSrc[i]));
            pSrc[i].~TYPE();
        }
    }
}

// String hashing shared by HashKey.
inline UINT AFXAPI _AfxHashString(LPCWSTR key)
{
    UINT nHash = 0;
    if (key != NULL)
        while (*key)
            nHash = (nHash << 5) + nHash + *key++;
    return nHash;
}
inline UINT AFXAPI _AfxHashString(LPCSTR key)
{
    UINT nHash = 0;
    if (key != NULL)
        while (*key)
            nHash = (nHash << 5) + nHash + (unsigned char)*key++;
    return nHash;
}
inline UINT AFXAPI _AfxHashCounted(LPCWSTR key, int nLength)
{
    UINT nHash = 0;
    for (int i = 0; i < nLength; i++)
        nHash = (nHash << 5) + nHash + key[i];
    return nHash;
}

// The hash of a map key. Integers hash to themselves (folded to 32 bits), strings by their
// characters, other pointers by their address. Specialise it for key types of your own:
//     template <> UINT AFXAPI HashKey<CMyKey&>(CMyKey& key) { ... }
template <class ARG_KEY> inline UINT AFXAPI HashKey(ARG_KEY key)
{
    typedef typename std::remove_cv<typename std::remove_reference<ARG_KEY>::type>::type K;
    if constexpr (std::is_integral<K>::value || std::is_enum<K>::value)
    {
        ULONGLONG v = (ULONGLONG)key;
        return (UINT)(v ^ (v >> 32));
    }
    else if constexpr (std::is_same<K, LPCWSTR>::value || std::is_same<K, LPWSTR>::value)
    {
        return _AfxHashString((LPCWSTR)key);
    }
    else if constexpr (std::is_same<K, LPCSTR>::value || std::is_same<K, LPSTR>::value)
    {
        return _AfxHashString((LPCSTR)key);
    }
    else if constexpr (std::is_same<K, CString>::value)
    {
        return _AfxHashCounted(key.GetString(), key.GetLength());
    }
    else if constexpr (std::is_pointer<K>::value)
    {
        UINT_PTR v = (UINT_PTR)key >> 4;
        return (UINT)(v ^ (v >> 32));
    }
    else
    {
        return (UINT)(((DWORD_PTR)key) >> 4);
    }
}

// ---------------------------------------------------------------------------------------------
// CArray

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject
{
public:
    CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    ~CArray() { Clear(); }

    // Attributes
    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    // Sets the number of elements, constructing or destroying the difference. nGrowBy (when
    // not -1) is the least number of slots added when the array has to grow; 0 lets it grow
    // geometrically.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);

    // Operations
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(INT_PTR nIndex) const
    {
        CheckIndex(nIndex);
        return m_pData[nIndex];
    }
    TYPE& GetAt(INT_PTR nIndex)
    {
        CheckIndex(nIndex);
        return m_pData[nIndex];
    }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement)
    {
        CheckIndex(nIndex);
        m_pData[nIndex] = newElement;
    }
    const TYPE& ElementAt(INT_PTR nIndex) const
    {
        CheckIndex(nIndex);
        return m_pData[nIndex];
    }
    TYPE& ElementAt(INT_PTR nIndex)
    {
        CheckIndex(nIndex);
        return m_pData[nIndex];
    }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement);
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray);

protected:
    TYPE* m_pData;      // the elements; NULL when nothing is allocated
    INT_PTR m_nSize;    // elements in use
    INT_PTR m_nMaxSize; // elements allocated
    INT_PTR m_nGrowBy;  // least growth step; 0 = geometric

    void CheckIndex(INT_PTR nIndex) const
    {
        if ((UINT_PTR)nIndex >= (UINT_PTR)m_nSize)
            ::AfxThrowInvalidArgException();
    }
    void Clear()
    {
        if (m_pData != NULL)
        {
            DestructElements<TYPE>(m_pData, m_nSize);
            ::free(m_pData);
        }
        m_pData = NULL;
        m_nSize = m_nMaxSize = 0;
    }
    // Makes room for at least nNewMax elements; the constructed ones stay where they are.
    void Reserve(INT_PTR nNewMax);
    INT_PTR GrowTarget(INT_PTR nNewSize) const
    {
        INT_PTR nGrow = m_nGrowBy;
        if (nGrow <= 0)
        {
            nGrow = m_nMaxSize / 2;
            if (nGrow < 4)
                nGrow = 4;
        }
        else if (nGrow < m_nMaxSize / 8)
        {
            nGrow = m_nMaxSize / 8; // keeps a tiny grow-by from turning growth quadratic
        }
        INT_PTR nNewMax = m_nMaxSize + nGrow;
        return nNewSize > nNewMax ? nNewSize : nNewMax;
    }
};

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Reserve(INT_PTR nNewMax)
{
    if (nNewMax <= m_nMaxSize)
        return;
    size_t nBytes = _AfxCheckedBytes((size_t)nNewMax, sizeof(TYPE));
    if constexpr (_AfxIsRelocatable<TYPE>::value)
    {
        m_pData = (TYPE*)_AfxReallocOrThrow((void*)m_pData, nBytes);
    }
    else
    {
        TYPE* pNewData = (TYPE*)_AfxAllocOrThrow(nBytes);
        _AfxRelocateElements<TYPE>(pNewData, m_pData, m_nSize);
        ::free(m_pData);
        m_pData = pNewData;
    }
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0)
        ::AfxThrowInvalidArgException();
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize == 0)
    {
        Clear();
        return;
    }
    if (nNewSize > m_nMaxSize)
        Reserve(m_pData == NULL ? nNewSize : GrowTarget(nNewSize));
    if (nNewSize > m_nSize)
        ConstructElements<TYPE>(m_pData + m_nSize, nNewSize - m_nSize);
    else if (nNewSize < m_nSize)
        DestructElements<TYPE>(m_pData + nNewSize, m_nSize - nNewSize);
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    if (m_nSize == 0)
    {
        Clear();
        return;
    }
    size_t nBytes = (size_t)m_nSize * sizeof(TYPE);
    if constexpr (_AfxIsRelocatable<TYPE>::value)
    {
        m_pData = (TYPE*)_AfxReallocOrThrow((void*)m_pData, nBytes);
    }
    else
    {
        TYPE* pNewData = (TYPE*)_AfxAllocOrThrow(nBytes);
        _AfxRelocateElements<TYPE>(pNewData, m_pData, m_nSize);
        ::free(m_pData);
        m_pData = pNewData;
    }
    m_nMaxSize = m_nSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0)
        ::AfxThrowInvalidArgException();
    if (nIndex >= m_nSize)
    {
        if (nIndex >= m_nMaxSize)
        {
            TYPE temp(newElement); // newElement may live inside this array
            SetSize(nIndex + 1, -1);
            m_pData[nIndex] = std::move(temp);
            return;
        }
        SetSize(nIndex + 1, -1);
    }
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE> INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

template <class TYPE, class ARG_TYPE> INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = m_nSize;
    if (this == &src)
    {
        INT_PTR n = m_nSize;
        SetSize(m_nSize + n);
        CopyElements<TYPE>(m_pData + nOldSize, m_pData, n);
        return nOldSize;
    }
    SetSize(m_nSize + src.m_nSize);
    CopyElements<TYPE>(m_pData + nOldSize, src.m_pData, src.m_nSize);
    return nOldSize;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize);
    CopyElements<TYPE>(m_pData, src.m_pData, src.m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0)
        ::AfxThrowInvalidArgException();
    TYPE temp(newElement); // newElement may live inside this array
    if (nIndex >= m_nSize)
    {
        SetSize(nIndex + nCount, -1);
    }
    else
    {
        if (nCount > ((INT_PTR)(~(UINT_PTR)0 >> 1)) - m_nSize)
            ::AfxThrowMemoryException();
        INT_PTR nOldSize = m_nSize;
        if (nOldSize + nCount > m_nMaxSize)
            Reserve(GrowTarget(nOldSize + nCount));
        _AfxRelocateElements<TYPE>(m_pData + nIndex + nCount, m_pData + nIndex, nOldSize - nIndex);
        ConstructElements<TYPE>(m_pData + nIndex, nCount);
        m_nSize = nOldSize + nCount;
    }
    while (nCount--)
        m_pData[nIndex++] = temp;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0 || nIndex > m_nSize || nCount > m_nSize - nIndex)
        ::AfxThrowInvalidArgException();
    if (nCount == 0)
        return;
    DestructElements<TYPE>(m_pData + nIndex, nCount);
    INT_PTR nMoveCount = m_nSize - (nIndex + nCount);
    _AfxRelocateElements<TYPE>(m_pData + nIndex, m_pData + nIndex + nCount, nMoveCount);
    m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
{
    if (pNewArray == NULL || nStartIndex < 0)
        ::AfxThrowInvalidArgException();
    INT_PTR n = pNewArray->GetSize();
    if (n <= 0)
        return;
    if (pNewArray == this)
    {
        CArray<TYPE, ARG_TYPE> copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    InsertAt(nStartIndex, pNewArray->GetAt(0), n);
    for (INT_PTR i = 1; i < n; i++)
        m_pData[nStartIndex + i] = pNewArray->m_pData[i];
}

// ---------------------------------------------------------------------------------------------
// CList: a doubly linked list; POSITION is a node.

template <class TYPE, class ARG_TYPE = const TYPE&> class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10)
        : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0), m_pNodeFree(NULL), m_pBlocks(NULL),
          m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10)
    {
    }
    ~CList() { RemoveAll(); }

    // Attributes
    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead()
    {
        ENSURE(m_pNodeHead != NULL);
        return m_pNodeHead->data;
    }
    const TYPE& GetHead() const
    {
        ENSURE(m_pNodeHead != NULL);
        return m_pNodeHead->data;
    }
    TYPE& GetTail()
    {
        ENSURE(m_pNodeTail != NULL);
        return m_pNodeTail->data;
    }
    const TYPE& GetTail() const
    {
        ENSURE(m_pNodeTail != NULL);
        return m_pNodeTail->data;
    }

    // Operations
    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement);
    POSITION AddTail(ARG_TYPE newElement);
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* pNode = Node(rPosition);
        rPosition = (POSITION)pNode->pNext;
        return pNode->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* pNode = Node(rPosition);
        rPosition = (POSITION)pNode->pNext;
        return pNode->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* pNode = Node(rPosition);
        rPosition = (POSITION)pNode->pPrev;
        return pNode->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* pNode = Node(rPosition);
        rPosition = (POSITION)pNode->pPrev;
        return pNode->data;
    }
    TYPE& GetAt(POSITION position) { return Node(position)->data; }
    const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
    void RemoveAt(POSITION position);

    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // The first element equal to searchValue after startAfter (NULL: from the head).
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    // The position of the element at a 0-based index, NULL when out of range.
    POSITION FindIndex(INT_PTR nIndex) const;

protected:
    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;
    CNode* m_pNodeFree;   // unused nodes, chained through pNext
    CPlex* m_pBlocks;     // every block of nodes
    INT_PTR m_nBlockSize; // nodes per block

    static CNode* Node(POSITION position)
    {
        ENSURE(position != NULL && position != BEFORE_START_POSITION);
        return (CNode*)position;
    }
    CNode* NewNode(CNode* pPrev, CNode* pNext);
    void FreeNode(CNode* pNode);
};

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::NewNode(CNode* pPrev, CNode* pNext)
{
    if (m_pNodeFree == NULL)
    {
        CPlex* pNewBlock = CPlex::Create(m_pBlocks, (UINT_PTR)m_nBlockSize, sizeof(CNode));
        CNode* pNode = (CNode*)pNewBlock->data() + (m_nBlockSize - 1);
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; i--, pNode--)
        {
            pNode->pNext = m_pNodeFree;
            m_pNodeFree = pNode;
        }
    }
    CNode* pNode = m_pNodeFree;
    m_pNodeFree = m_pNodeFree->pNext;
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    ConstructElements<TYPE>(&pNode->data, 1);
    m_nCount++;
    return pNode;
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::FreeNode(CNode* pNode)
{
    DestructElements<TYPE>(&pNode->data, 1);
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    m_nCount--;
    if (m_nCount == 0)
        RemoveAll();
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
        DestructElements<TYPE>(&pNode->data, 1);
    m_nCount = 0;
    m_pNodeHead = m_pNodeTail = m_pNodeFree = NULL;
    if (m_pBlocks != NULL)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
}

template <class TYPE, class ARG_TYPE> POSITION CList<TYPE, ARG_TYPE>::AddHead(ARG_TYPE newElement)
{
    TYPE temp(newElement);
    CNode* pNewNode = NewNode(NULL, m_pNodeHead);
    pNewNode->data = std::move(temp);
    if (m_pNodeHead != NULL)
        m_pNodeHead->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    m_pNodeHead = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE> POSITION CList<TYPE, ARG_TYPE>::AddTail(ARG_TYPE newElement)
{
    TYPE temp(newElement);
    CNode* pNewNode = NewNode(m_pNodeTail, NULL);
    pNewNode->data = std::move(temp);
    if (m_pNodeTail != NULL)
        m_pNodeTail->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    m_pNodeTail = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList)
{
    ENSURE(pNewList != NULL);
    if (pNewList == this)
    {
        CList copy;
        copy.AddTail(this);
        AddHead(&copy);
        return;
    }
    POSITION pos = pNewList->GetTailPosition();
    while (pos != NULL)
        AddHead(pNewList->GetPrev(pos));
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList)
{
    ENSURE(pNewList != NULL);
    INT_PTR n = pNewList->m_nCount; // stable when adding a list to itself
    POSITION pos = pNewList->GetHeadPosition();
    while (n-- > 0 && pos != NULL)
        AddTail(pNewList->GetNext(pos));
}

template <class TYPE, class ARG_TYPE> TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    ENSURE(m_pNodeHead != NULL);
    CNode* pOldNode = m_pNodeHead;
    TYPE returnValue = std::move(pOldNode->data);
    m_pNodeHead = pOldNode->pNext;
    if (m_pNodeHead != NULL)
        m_pNodeHead->pPrev = NULL;
    else
        m_pNodeTail = NULL;
    FreeNode(pOldNode);
    return returnValue;
}

template <class TYPE, class ARG_TYPE> TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    ENSURE(m_pNodeTail != NULL);
    CNode* pOldNode = m_pNodeTail;
    TYPE returnValue = std::move(pOldNode->data);
    m_pNodeTail = pOldNode->pPrev;
    if (m_pNodeTail != NULL)
        m_pNodeTail->pNext = NULL;
    else
        m_pNodeHead = NULL;
    FreeNode(pOldNode);
    return returnValue;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
        return AddHead(newElement);
    TYPE temp(newElement);
    CNode* pOldNode = Node(position);
    CNode* pNewNode = NewNode(pOldNode->pPrev, pOldNode);
    pNewNode->data = std::move(temp);
    if (pOldNode->pPrev != NULL)
        pOldNode->pPrev->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    pOldNode->pPrev = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
        return AddTail(newElement);
    TYPE temp(newElement);
    CNode* pOldNode = Node(position);
    CNode* pNewNode = NewNode(pOldNode, pOldNode->pNext);
    pNewNode->data = std::move(temp);
    if (pOldNode->pNext != NULL)
        pOldNode->pNext->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    pOldNode->pNext = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pOldNode = Node(position);
    if (pOldNode == m_pNodeHead)
        m_pNodeHead = pOldNode->pNext;
    else
        pOldNode->pPrev->pNext = pOldNode->pNext;
    if (pOldNode == m_pNodeTail)
        m_pNodeTail = pOldNode->pPrev;
    else
        pOldNode->pNext->pPrev = pOldNode->pPrev;
    FreeNode(pOldNode);
}

template <class TYPE, class ARG_TYPE> POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex--)
        pNode = pNode->pNext;
    return (POSITION)pNode;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = (startAfter == NULL) ? m_pNodeHead : Node(startAfter)->pNext;
    for (; pNode != NULL; pNode = pNode->pNext)
        if (CompareElements(&pNode->data, &searchValue))
            return (POSITION)pNode;
    return NULL;
}

// ---------------------------------------------------------------------------------------------
// CMap: a hash table with a fixed number of buckets (InitHashTable, default 17) whose
// associations come from blocks of nBlockSize. Iteration goes bucket by bucket.

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CMap : public CObject
{
public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    class CPair
    {
    public:
        const KEY key;
        VALUE value;

    protected:
        explicit CPair(ARG_KEY keyval) : key(keyval), value() {}
    };

protected:
    class CAssoc : public CPair
    {
        friend class CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>;
        CAssoc* pNext;
        UINT nHashValue;

    public:
        explicit CAssoc(ARG_KEY key) : CPair(key), pNext(NULL), nHashValue(0) {}
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10)
        : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0), m_pFreeList(NULL), m_pBlocks(NULL),
          m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10)
    {
    }
    ~CMap() { RemoveAll(); }

    // Attributes
    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        UINT nBucket, nHash;
        CAssoc* pAssoc = GetAssocAt(key, nBucket, nHash);
        if (pAssoc == NULL)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }
    const CPair* PLookup(ARG_KEY key) const
    {
        UINT nBucket, nHash;
        return GetAssocAt(key, nBucket, nHash);
    }
    CPair* PLookup(ARG_KEY key)
    {
        UINT nBucket, nHash;
        return GetAssocAt(key, nBucket, nHash);
    }

    // Operations
    // The value for key, added (value-initialised) when the key is new.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return (m_nCount == 0) ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;
    const CPair* PGetFirstAssoc() const;
    CPair* PGetFirstAssoc();
    const CPair* PGetNextAssoc(const CPair* pAssocRet) const;
    CPair* PGetNextAssoc(const CPair* pAssocRet);

    // Sets the number of buckets. Existing associations are redistributed.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

protected:
    CAssoc** m_pHashTable; // m_nHashTableSize chains; NULL until the first insertion
    UINT m_nHashTableSize;
    INT_PTR m_nCount;
    CAssoc* m_pFreeList;  // unused associations (raw memory), chained through their first word
    CPlex* m_pBlocks;     // every block of associations
    INT_PTR m_nBlockSize; // associations per block

    static CAssoc*& FreeLink(CAssoc* p) { return *reinterpret_cast<CAssoc**>(p); }
    CAssoc* NewAssoc(ARG_KEY key);
    void FreeAssoc(CAssoc* pAssoc);
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHashBucket, UINT& nHashValue) const;
    CAssoc* NextAssoc(const CAssoc* pAssoc) const;
    CAssoc* FirstAssoc() const;
    static CAssoc** AllocTable(UINT nSize)
    {
        size_t nBytes = _AfxCheckedBytes(nSize, sizeof(CAssoc*));
        CAssoc** p = (CAssoc**)_AfxAllocOrThrow(nBytes);
        memset(p, 0, nBytes);
        return p;
    }
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize, BOOL bAllocNow)
{
    if (nHashSize == 0)
        nHashSize = 1;
    if (m_nCount != 0)
    {
        CAssoc** pNewTable = AllocTable(nHashSize);
        for (UINT i = 0; i < m_nHashTableSize; i++)
        {
            CAssoc* pAssoc = m_pHashTable[i];
            while (pAssoc != NULL)
            {
                CAssoc* pNext = pAssoc->pNext;
                UINT nBucket = pAssoc->nHashValue % nHashSize;
                pAssoc->pNext = pNewTable[nBucket];
                pNewTable[nBucket] = pAssoc;
                pAssoc = pNext;
            }
        }
        ::free(m_pHashTable);
        m_pHashTable = pNewTable;
        m_nHashTableSize = nHashSize;
        return;
    }
    ::free(m_pHashTable);
    m_pHashTable = NULL;
    if (bAllocNow)
        m_pHashTable = AllocTable(nHashSize);
    m_nHashTableSize = nHashSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable != NULL)
    {
        for (UINT i = 0; i < m_nHashTableSize; i++)
        {
            for (CAssoc* pAssoc = m_pHashTable[i]; pAssoc != NULL;)
            {
                CAssoc* pNext = pAssoc->pNext;
                pAssoc->CAssoc::~CAssoc();
                pAssoc = pNext;
            }
        }
        ::free(m_pHashTable);
        m_pHashTable = NULL;
    }
    m_nCount = 0;
    m_pFreeList = NULL;
    if (m_pBlocks != NULL)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewAssoc(
    ARG_KEY key)
{
    if (m_pFreeList == NULL)
    {
        CPlex* pNewBlock = CPlex::Create(m_pBlocks, (UINT_PTR)m_nBlockSize, sizeof(CAssoc));
        CAssoc* pAssoc = (CAssoc*)pNewBlock->data() + (m_nBlockSize - 1);
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; i--, pAssoc--)
        {
            FreeLink(pAssoc) = m_pFreeList;
            m_pFreeList = pAssoc;
        }
    }
    CAssoc* pAssoc = m_pFreeList;
    CAssoc* pNextFree = FreeLink(pAssoc);
    ::new ((void*)pAssoc) CAssoc(key); // may throw; the free list is still intact then
    m_pFreeList = pNextFree;
    m_nCount++;
    return pAssoc;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FreeAssoc(CAssoc* pAssoc)
{
    pAssoc->CAssoc::~CAssoc();
    FreeLink(pAssoc) = m_pFreeList;
    m_pFreeList = pAssoc;
    m_nCount--;
    if (m_nCount == 0)
        RemoveAll();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(
    ARG_KEY key, UINT& nHashBucket, UINT& nHashValue) const
{
    nHashValue = HashKey<ARG_KEY>(key);
    nHashBucket = nHashValue % m_nHashTableSize;
    if (m_pHashTable == NULL)
        return NULL;
    for (CAssoc* pAssoc = m_pHashTable[nHashBucket]; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key))
            return pAssoc;
    }
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHashBucket, nHashValue;
    CAssoc* pAssoc = GetAssocAt(key, nHashBucket, nHashValue);
    if (pAssoc == NULL)
    {
        if (m_pHashTable == NULL)
            InitHashTable(m_nHashTableSize, TRUE);
        pAssoc = NewAssoc(key);
        pAssoc->nHashValue = nHashValue;
        pAssoc->pNext = m_pHashTable[nHashBucket];
        m_pHashTable[nHashBucket] = pAssoc;
    }
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == NULL)
        return FALSE;
    UINT nHashValue = HashKey<ARG_KEY>(key);
    CAssoc** ppAssocPrev = &m_pHashTable[nHashValue % m_nHashTableSize];
    for (CAssoc* pAssoc = *ppAssocPrev; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key))
        {
            *ppAssocPrev = pAssoc->pNext;
            FreeAssoc(pAssoc);
            return TRUE;
        }
        ppAssocPrev = &pAssoc->pNext;
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FirstAssoc()
    const
{
    if (m_pHashTable == NULL)
        return NULL;
    for (UINT i = 0; i < m_nHashTableSize; i++)
        if (m_pHashTable[i] != NULL)
            return m_pHashTable[i];
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NextAssoc(
    const CAssoc* pAssoc) const
{
    if (pAssoc->pNext != NULL)
        return pAssoc->pNext;
    for (UINT i = pAssoc->nHashValue % m_nHashTableSize + 1; i < m_nHashTableSize; i++)
        if (m_pHashTable[i] != NULL)
            return m_pHashTable[i];
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                        VALUE& rValue) const
{
    ENSURE(rNextPosition != NULL && m_pHashTable != NULL);
    CAssoc* pAssocRet = (CAssoc*)rNextPosition;
    if (pAssocRet == (CAssoc*)BEFORE_START_POSITION)
    {
        pAssocRet = FirstAssoc();
        ENSURE(pAssocRet != NULL);
    }
    rNextPosition = (POSITION)NextAssoc(pAssocRet);
    rKey = pAssocRet->key;
    rValue = pAssocRet->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
const typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE,
                                                                 ARG_VALUE>::PGetFirstAssoc() const
{
    return FirstAssoc();
}
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PGetFirstAssoc()
{
    return FirstAssoc();
}
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
const typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<
    KEY, ARG_KEY, VALUE, ARG_VALUE>::PGetNextAssoc(const CPair* pAssocRet) const
{
    return pAssocRet == NULL ? NULL : NextAssoc(static_cast<const CAssoc*>(pAssocRet));
}
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PGetNextAssoc(
    const CPair* pAssocRet)
{
    return pAssocRet == NULL ? NULL : NextAssoc(static_cast<const CAssoc*>(pAssocRet));
}

// ---------------------------------------------------------------------------------------------
// Typed pointer collections over CObArray/CPtrArray, CObList/CPtrList and the pointer maps.

template <class BASE_CLASS, class TYPE> class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(INT_PTR nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return (TYPE&)BASE_CLASS::ElementAt(nIndex); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray<BASE_CLASS, TYPE>& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray<BASE_CLASS, TYPE>& src) { BASE_CLASS::Copy(src); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1)
    {
        BASE_CLASS::InsertAt(nIndex, newElement, nCount);
    }
    void InsertAt(INT_PTR nStartIndex, CTypedPtrArray<BASE_CLASS, TYPE>* pNewArray)
    {
        BASE_CLASS::InsertAt(nStartIndex, pNewArray);
    }
    TYPE operator[](INT_PTR nIndex) const { return (TYPE)BASE_CLASS::operator[](nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return (TYPE&)BASE_CLASS::operator[](nIndex); }
};

template <class BASE_CLASS, class TYPE> class CTypedPtrList : public BASE_CLASS
{
public:
    explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return (TYPE&)BASE_CLASS::GetHead(); }
    TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
    TYPE& GetTail() { return (TYPE&)BASE_CLASS::GetTail(); }
    TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
    TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(CTypedPtrList<BASE_CLASS, TYPE>* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(CTypedPtrList<BASE_CLASS, TYPE>* pNewList) { BASE_CLASS::AddTail(pNewList); }
    TYPE& GetNext(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetNext(rPosition); }
    TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetPrev(rPosition); }
    TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return (TYPE&)BASE_CLASS::GetAt(position); }
    TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
    POSITION InsertBefore(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertBefore(position, newElement);
    }
    POSITION InsertAfter(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertAfter(position, newElement);
    }
};

template <class BASE_CLASS, class KEY, class VALUE> class CTypedPtrMap : public BASE_CLASS
{
public:
    explicit CTypedPtrMap(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_VALUE v;
        if (!BASE_CLASS::Lookup(key, v))
            return FALSE;
        rValue = (VALUE)v;
        return TRUE;
    }
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key) { return (VALUE&)BASE_CLASS::operator[](key); }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_KEY k;
        typename BASE_CLASS::BASE_VALUE v;
        BASE_CLASS::GetNextAssoc(rPosition, k, v);
        rKey = (KEY)k;
        rValue = (VALUE)v;
    }
};

#include <afxcoll.h>
