// Advanced framework classes of the layer: CSharedFile, a growable file in movable global memory
// whose block can be handed to the clipboard or a data object.
#pragma once

#include <afx.h>

class AFX_CORE_CLASS CSharedFile : public CFile
{
    DECLARE_DYNAMIC(CSharedFile)
public:
    // The block is allocated with nAllocFlags and grows in steps of nGrowBytes.
    explicit CSharedFile(UINT nAllocFlags = GMEM_MOVEABLE | GMEM_SHARE, UINT nGrowBytes = 4096);
    virtual ~CSharedFile(); // frees a block still attached

    // Hands the block over to the caller (it may be larger than GetLength); the file is empty after.
    HGLOBAL Detach();
    // Attaches a block; with bAllowGrow the file may reallocate it.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);

    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    void SetLength(ULONGLONG dwNewLen) override;
    ULONGLONG GetLength() const override;
    UINT Read(void* lpBuf, UINT nCount) override;
    // Throws CMemoryException* when the block cannot grow.
    void Write(const void* lpBuf, UINT nCount) override;
    void Abort() override;
    void Flush() override;
    void Close() override;

protected:
    void GrowTo(SIZE_T nNewSize); // at least nNewSize bytes of block, in whole growth steps

    HGLOBAL m_hGlobalMemory;
    UINT m_nAllocFlags;
    UINT m_nGrowBytes;
    SIZE_T m_nBufferSize; // bytes of the block
    SIZE_T m_nFileSize;   // bytes written
    SIZE_T m_nPosition;
    BOOL m_bAllowGrow;
};
