#include "acdocman.h"
#include <algorithm>

AcApDocument::AcApDocument(const ACHAR* fileName) : m_fileName(fileName ? fileName : L"") {}
AcApDocument::~AcApDocument() = default;

const ACHAR* AcApDocument::docTitle() const
{
    size_t slash = m_fileName.find_last_of(L"\\/");
    return m_fileName.c_str() + (slash == std::wstring::npos ? 0 : slash + 1);
}

void AcApDocManagerReactor::documentCreateStarted(AcApDocument*) {}
void AcApDocManagerReactor::documentCreated(AcApDocument*) {}
void AcApDocManagerReactor::documentToBeDestroyed(AcApDocument*) {}
void AcApDocManagerReactor::documentDestroyed(const ACHAR*) {}
void AcApDocManagerReactor::documentCreateCanceled(AcApDocument*) {}
void AcApDocManagerReactor::documentLockModeWillChange(AcApDocument*, AcAp::DocLockMode, AcAp::DocLockMode,
                                                       AcAp::DocLockMode, const ACHAR*)
{
}
void AcApDocManagerReactor::documentLockModeChangeVetoed(AcApDocument*, const ACHAR*) {}
void AcApDocManagerReactor::documentLockModeChanged(AcApDocument*, AcAp::DocLockMode, AcAp::DocLockMode,
                                                    AcAp::DocLockMode, const ACHAR*)
{
}
void AcApDocManagerReactor::documentBecameCurrent(AcApDocument*) {}
void AcApDocManagerReactor::documentToBeActivated(AcApDocument*) {}
void AcApDocManagerReactor::documentToBeDeactivated(AcApDocument*) {}
void AcApDocManagerReactor::documentActivationModified(bool) {}
void AcApDocManagerReactor::documentActivated(AcApDocument*) {}

AcApDocManager::AcApDocManager() = default;

AcApDocManager::~AcApDocManager()
{
    for (AcApDocument* d : m_documents)
        delete d;
}

void AcApDocManager::addReactor(AcApDocManagerReactor* reactor)
{
    if (!reactor || std::find(m_reactors.begin(), m_reactors.end(), reactor) != m_reactors.end())
        return;
    m_reactors.push_back(reactor);
    ++m_added;
}

void AcApDocManager::removeReactor(AcApDocManagerReactor* reactor)
{
    auto it = std::find(m_reactors.begin(), m_reactors.end(), reactor);
    if (it == m_reactors.end())
        return;
    m_reactors.erase(it);
    ++m_removed;
}

// Reactors may remove themselves (or others) while being notified: walk a snapshot and skip any
// reactor that has gone in the meantime.
template <class F> void AcApDocManager::notify(F f)
{
    std::vector<AcApDocManagerReactor*> snapshot = m_reactors;
    for (AcApDocManagerReactor* r : snapshot)
        if (std::find(m_reactors.begin(), m_reactors.end(), r) != m_reactors.end())
            f(r);
}

AcApDocument* AcApDocManager::openDocument(const ACHAR* fileName)
{
    AcApDocument* doc = new AcApDocument(fileName);
    notify([&](AcApDocManagerReactor* r) { r->documentCreateStarted(doc); });
    m_documents.push_back(doc);
    notify([&](AcApDocManagerReactor* r) { r->documentCreated(doc); });
    if (m_current)
        notify([&](AcApDocManagerReactor* r) { r->documentToBeDeactivated(m_current); });
    notify([&](AcApDocManagerReactor* r) { r->documentToBeActivated(doc); });
    m_current = doc;
    notify([&](AcApDocManagerReactor* r) { r->documentActivated(doc); });
    notify([&](AcApDocManagerReactor* r) { r->documentBecameCurrent(doc); });
    return doc;
}

bool AcApDocManager::closeDocument(AcApDocument* doc)
{
    auto it = std::find(m_documents.begin(), m_documents.end(), doc);
    if (it == m_documents.end())
        return false;
    if (doc == m_current)
        notify([&](AcApDocManagerReactor* r) { r->documentToBeDeactivated(doc); });
    notify([&](AcApDocManagerReactor* r) { r->documentToBeDestroyed(doc); });
    m_documents.erase(std::find(m_documents.begin(), m_documents.end(), doc));
    std::wstring name = doc->fileName();
    if (doc == m_current)
        m_current = nullptr;
    delete doc;
    notify([&](AcApDocManagerReactor* r) { r->documentDestroyed(name.c_str()); });
    if (!m_current && !m_documents.empty())
    {
        AcApDocument* next = m_documents.back();
        notify([&](AcApDocManagerReactor* r) { r->documentToBeActivated(next); });
        m_current = next;
        notify([&](AcApDocManagerReactor* r) { r->documentActivated(next); });
        notify([&](AcApDocManagerReactor* r) { r->documentBecameCurrent(next); });
    }
    return true;
}

void AcApDocManager::closeAllDocuments()
{
    while (!m_documents.empty())
        closeDocument(m_documents.back());
}

// The document manager exists before any module that registers reactors is loaded: it is built on
// first use and never destroyed, so that modules unloading at process exit can still unregister.
AcApDocManager* acDocManagerPtr()
{
    static AcApDocManager* manager = new AcApDocManager;
    return manager;
}
