// The framework's non-template collections: arrays, lists and maps of bytes, words, integers,
// pointers, CObject pointers and strings. Each is the matching template of afxtempl.h with
// run-time class information and the framework's string-friendly overloads.
#pragma once

#include <afxtempl.h>

// ---------------------------------------------------------------------------------------------
// Arrays

class AFX_CORE_CLASS CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_DYNAMIC(CByteArray)
public:
    CByteArray() = default;
};

class AFX_CORE_CLASS CWordArray : public CArray<WORD, WORD>
{
    DECLARE_DYNAMIC(CWordArray)
public:
    CWordArray() = default;
};

class AFX_CORE_CLASS CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_DYNAMIC(CDWordArray)
public:
    CDWordArray() = default;
};

class AFX_CORE_CLASS CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
public:
    CUIntArray() = default;
};

class AFX_CORE_CLASS CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() = default;
};

// An array of object pointers; the array does not own the objects.
class AFX_CORE_CLASS CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObArray)
public:
    CObArray() = default;
};

class AFX_CORE_CLASS CStringArray : public CArray<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringArray)
    typedef CArray<CString, const CString&> CBase;

public:
    CStringArray() = default;

    using CBase::Add;
    using CBase::InsertAt;
    using CBase::SetAt;
    using CBase::SetAtGrow;
    INT_PTR Add(LPCTSTR newElement) { return CBase::Add(CString(newElement)); }
    void SetAt(INT_PTR nIndex, LPCTSTR newElement) { CBase::SetAt(nIndex, CString(newElement)); }
    void SetAtGrow(INT_PTR nIndex, LPCTSTR newElement) { CBase::SetAtGrow(nIndex, CString(newElement)); }
    void InsertAt(INT_PTR nIndex, LPCTSTR newElement, INT_PTR nCount = 1)
    {
        CBase::InsertAt(nIndex, CString(newElement), nCount);
    }
};

// ---------------------------------------------------------------------------------------------
// Lists

class AFX_CORE_CLASS CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}
};

class AFX_CORE_CLASS CObList : public CList<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize) {}
};

class AFX_CORE_CLASS CStringList : public CList<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringList)
    typedef CList<CString, const CString&> CBase;

public:
    explicit CStringList(INT_PTR nBlockSize = 10) : CBase(nBlockSize) {}

    using CBase::AddHead;
    using CBase::AddTail;
    using CBase::Find;
    using CBase::InsertAfter;
    using CBase::InsertBefore;
    using CBase::SetAt;
    POSITION AddHead(LPCTSTR newElement) { return CBase::AddHead(CString(newElement)); }
    POSITION AddTail(LPCTSTR newElement) { return CBase::AddTail(CString(newElement)); }
    POSITION Find(LPCTSTR searchValue, POSITION startAfter = NULL) const
    {
        return CBase::Find(CString(searchValue), startAfter);
    }
    POSITION InsertBefore(POSITION position, LPCTSTR newElement)
    {
        return CBase::InsertBefore(position, CString(newElement));
    }
    POSITION InsertAfter(POSITION position, LPCTSTR newElement)
    {
        return CBase::InsertAfter(position, CString(newElement));
    }
    void SetAt(POSITION pos, LPCTSTR newElement) { CBase::SetAt(pos, CString(newElement)); }
};

// ---------------------------------------------------------------------------------------------
// Maps

class AFX_CORE_CLASS CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR>
{
    DECLARE_DYNAMIC(CMapStringToString)
public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class AFX_CORE_CLASS CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class AFX_CORE_CLASS CMapStringToOb : public CMap<CString, LPCTSTR, CObject*, CObject*>
{
    DECLARE_DYNAMIC(CMapStringToOb)
public:
    explicit CMapStringToOb(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class AFX_CORE_CLASS CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class AFX_CORE_CLASS CMapPtrToWord : public CMap<void*, void*, WORD, WORD>
{
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class AFX_CORE_CLASS CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class AFX_CORE_CLASS CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*>
{
    DECLARE_DYNAMIC(CMapWordToOb)
public:
    explicit CMapWordToOb(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};
