// The host's document manager and its reactors (stand-in).
//
// Beyond the host's own interface the stand-in lets programs and tests drive it: open and close
// documents (which fires the reactor notifications in the host's order) and count the reactors.
#pragma once
#include "rxobject.h"
#include <vector>
#include <string>

namespace AcAp
{
enum DocLockMode
{
    kNone = 0x00,
    kAutoWrite = 0x01,
    kNotLocked = 0x02,
    kWrite = 0x04,
    kProtectedAutoWrite = 0x14,
    kRead = 0x20,
    kXWrite = 0x40
};
}

class ARX_API AcApDocument : public AcRxObject
{
public:
    explicit AcApDocument(const ACHAR* fileName);
    ~AcApDocument() override;
    const ACHAR* fileName() const { return m_fileName.c_str(); }
    const ACHAR* docTitle() const;
    AcAp::DocLockMode lockMode() const { return m_lockMode; }

private:
    friend class AcApDocManager;
    std::wstring m_fileName;
    AcAp::DocLockMode m_lockMode = AcAp::kNotLocked;
};

// Notifications of the document manager, in the host's slot order after AcRxObject's. Every
// notification does nothing by default.
class ARX_API AcApDocManagerReactor : public AcRxObject
{
public:
    virtual void documentCreateStarted(AcApDocument* pDocCreating);
    virtual void documentCreated(AcApDocument* pDocCreating);
    virtual void documentToBeDestroyed(AcApDocument* pDocToDestroy);
    virtual void documentDestroyed(const ACHAR* fileName);
    virtual void documentCreateCanceled(AcApDocument* pDocCreateCancelled);
    virtual void documentLockModeWillChange(AcApDocument* doc, AcAp::DocLockMode myCurrentMode,
                                            AcAp::DocLockMode myNewMode, AcAp::DocLockMode currentMode,
                                            const ACHAR* pGlobalCmdName);
    virtual void documentLockModeChangeVetoed(AcApDocument* doc, const ACHAR* pGlobalCmdName);
    virtual void documentLockModeChanged(AcApDocument* doc, AcAp::DocLockMode myPreviousMode,
                                         AcAp::DocLockMode myCurrentMode, AcAp::DocLockMode currentMode,
                                         const ACHAR* pGlobalCmdName);
    virtual void documentBecameCurrent(AcApDocument* doc);
    virtual void documentToBeActivated(AcApDocument* pActivatingDoc);
    virtual void documentToBeDeactivated(AcApDocument* pDeActivatedDoc);
    virtual void documentActivationModified(bool bActivation);
    virtual void documentActivated(AcApDocument* pActivatedDoc);

protected:
    AcApDocManagerReactor() = default;
};

class ARX_API AcApDocManager : public AcRxObject
{
public:
    AcApDocManager();
    ~AcApDocManager() override;

    // The host's interface.
    void addReactor(AcApDocManagerReactor* reactor);
    void removeReactor(AcApDocManagerReactor* reactor);
    AcApDocument* curDocument() const { return m_current; }
    AcApDocument* mdiActiveDocument() const { return m_current; }
    int documentCount() const { return static_cast<int>(m_documents.size()); }

    // Driving the stand-in.
    // Opens a document: create started, created, to be activated, activated, became current.
    AcApDocument* openDocument(const ACHAR* fileName);
    // Closes a document: to be deactivated (when current), to be destroyed, destroyed (with the file
    // name); the next open document becomes current. false for a document this manager does not hold.
    bool closeDocument(AcApDocument* doc);
    // Closes every open document, newest first.
    void closeAllDocuments();
    int reactorCount() const { return static_cast<int>(m_reactors.size()); }
    // How often a reactor was added and removed since start-up (adding one already present does not count).
    int reactorsAdded() const { return m_added; }
    int reactorsRemoved() const { return m_removed; }

private:
    template <class F> void notify(F f);
    std::vector<AcApDocManagerReactor*> m_reactors;
    std::vector<AcApDocument*> m_documents;
    AcApDocument* m_current = nullptr;
    int m_added = 0;
    int m_removed = 0;
};

ARX_API AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()
