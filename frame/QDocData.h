// Per-document data kept by the library while it is loaded in the host.
//
// AsdkDataManager<T> is a document-manager reactor that owns one T per open document. It registers
// itself with the host's document manager when it is constructed and unregisters when it is destroyed;
// when the host is about to destroy a document, the document's entry goes with it. The library keeps
// one manager for CDocData, which holds nothing yet: it is the home for future per-document state.
#pragma once
#include <acdocman.h>
#include <map>

class CDocData
{
public:
    CDocData() = default;
};

// Orders documents by their address taken as an unsigned 64-bit number.
struct QDocPtrLess
{
    bool operator()(const AcApDocument* a, const AcApDocument* b) const
    {
        return reinterpret_cast<unsigned long long>(a) < reinterpret_cast<unsigned long long>(b);
    }
};

template <class T> class AsdkDataManager : public AcApDocManagerReactor
{
public:
    AsdkDataManager() { acDocManagerPtr()->addReactor(this); }

    ~AsdkDataManager() override
    {
        acDocManagerPtr()->removeReactor(this);
        m_dataMap.clear();
    }

    void documentToBeDestroyed(AcApDocument* pDoc) override
    {
        auto it = m_dataMap.find(pDoc);
        if (it != m_dataMap.end())
            m_dataMap.erase(it);
    }

    // The record of a document, made on first use.
    T& docData(AcApDocument* pDoc) { return m_dataMap[pDoc]; }
    // The record of the current document.
    T& docData() { return docData(acDocManagerPtr()->curDocument()); }
    bool hasData(const AcApDocument* pDoc) const
    {
        return m_dataMap.find(const_cast<AcApDocument*>(pDoc)) != m_dataMap.end();
    }
    size_t count() const { return m_dataMap.size(); }

private:
    std::map<AcApDocument*, T, QDocPtrLess> m_dataMap;
};
