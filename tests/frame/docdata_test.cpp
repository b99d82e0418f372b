// The per-document data manager and the host stand-in it talks to.
#include <gtest/gtest.h>
#include <aced.h>
#include "frame/QDocData.h"

namespace
{

struct Tagged
{
    int value = 0;
};

// Records which notifications a reactor received, in order.
class RecordingReactor : public AcApDocManagerReactor
{
public:
    std::vector<std::wstring> log;
    void documentCreateStarted(AcApDocument* d) override { log.push_back(L"createStarted " + name(d)); }
    void documentCreated(AcApDocument* d) override { log.push_back(L"created " + name(d)); }
    void documentToBeDestroyed(AcApDocument* d) override { log.push_back(L"toBeDestroyed " + name(d)); }
    void documentDestroyed(const ACHAR* f) override { log.push_back(std::wstring(L"destroyed ") + f); }
    void documentToBeActivated(AcApDocument* d) override { log.push_back(L"toBeActivated " + name(d)); }
    void documentToBeDeactivated(AcApDocument* d) override { log.push_back(L"toBeDeactivated " + name(d)); }
    void documentActivated(AcApDocument* d) override { log.push_back(L"activated " + name(d)); }
    void documentBecameCurrent(AcApDocument* d) override { log.push_back(L"current " + name(d)); }

private:
    static std::wstring name(AcApDocument* d) { return d->docTitle(); }
};

TEST(DataManager, RegistersOnceForItsLifetime)
{
    AcApDocManager* dm = acDocManagerPtr();
    int before = dm->reactorCount(), added = dm->reactorsAdded(), removed = dm->reactorsRemoved();
    {
        AsdkDataManager<Tagged> mgr;
        EXPECT_EQ(before + 1, dm->reactorCount());
        EXPECT_EQ(added + 1, dm->reactorsAdded());
        EXPECT_EQ(0u, mgr.count());
    }
    EXPECT_EQ(before, dm->reactorCount());
    EXPECT_EQ(removed + 1, dm->reactorsRemoved());
}

TEST(DataManager, DestroyedDocumentErasesOnlyItsOwnEntry)
{
    AcApDocManager* dm = acDocManagerPtr();
    AsdkDataManager<Tagged> mgr;
    AcApDocument* a = dm->openDocument(L"C:\\drawings\\a.dwg");
    AcApDocument* b = dm->openDocument(L"C:\\drawings\\b.dwg");
    AcApDocument* c = dm->openDocument(L"C:\\drawings\\c.dwg");
    mgr.docData(a).value = 1;
    mgr.docData(c).value = 3;
    ASSERT_EQ(2u, mgr.count());

    // A document without an entry leaves the map as it is.
    ASSERT_TRUE(dm->closeDocument(b));
    EXPECT_EQ(2u, mgr.count());
    EXPECT_TRUE(mgr.hasData(a));
    EXPECT_TRUE(mgr.hasData(c));

    ASSERT_TRUE(dm->closeDocument(a));
    EXPECT_EQ(1u, mgr.count());
    EXPECT_FALSE(mgr.hasData(a));
    ASSERT_TRUE(mgr.hasData(c));
    EXPECT_EQ(3, mgr.docData(c).value);
    dm->closeAllDocuments();
    EXPECT_EQ(0u, mgr.count());
    EXPECT_EQ(0, dm->documentCount());
}

TEST(DataManager, CurrentDocumentDataFollowsActivation)
{
    AcApDocManager* dm = acDocManagerPtr();
    AsdkDataManager<Tagged> mgr;
    AcApDocument* a = dm->openDocument(L"a.dwg");
    mgr.docData().value = 7;
    AcApDocument* b = dm->openDocument(L"b.dwg");
    EXPECT_EQ(b, dm->curDocument());
    EXPECT_EQ(0, mgr.docData().value);
    dm->closeDocument(b);
    EXPECT_EQ(a, dm->curDocument());
    EXPECT_EQ(7, mgr.docData().value);
    dm->closeAllDocuments();
}

TEST(HostStandIn, NotificationOrderOfOpenAndClose)
{
    AcApDocManager* dm = acDocManagerPtr();
    RecordingReactor r;
    dm->addReactor(&r);
    dm->addReactor(&r); // a second add of the same reactor is ignored
    AcApDocument* a = dm->openDocument(L"x\\a.dwg");
    dm->openDocument(L"x\\b.dwg");
    dm->closeDocument(dm->curDocument());
    EXPECT_FALSE(dm->closeDocument(reinterpret_cast<AcApDocument*>(&r)));
    dm->closeDocument(a);
    dm->removeReactor(&r);
    dm->removeReactor(&r);
    std::vector<std::wstring> expected = {
        L"createStarted a.dwg", L"created a.dwg",         L"toBeActivated a.dwg", L"activated a.dwg",
        L"current a.dwg",       L"createStarted b.dwg",   L"created b.dwg",       L"toBeDeactivated a.dwg",
        L"toBeActivated b.dwg", L"activated b.dwg",       L"current b.dwg",       L"toBeDeactivated b.dwg",
        L"toBeDestroyed b.dwg", L"destroyed x\\b.dwg",    L"toBeActivated a.dwg", L"activated a.dwg",
        L"current a.dwg",       L"toBeDeactivated a.dwg", L"toBeDestroyed a.dwg", L"destroyed x\\a.dwg"};
    EXPECT_EQ(expected, r.log);
}

// A reactor that unregisters itself while being notified must not disturb the others.
TEST(HostStandIn, ReactorMayRemoveItselfDuringNotification)
{
    struct SelfRemoving : AcApDocManagerReactor
    {
        int calls = 0;
        void documentCreated(AcApDocument*) override
        {
            ++calls;
            acDocManagerPtr()->removeReactor(this);
        }
    } first;
    RecordingReactor second;
    AcApDocManager* dm = acDocManagerPtr();
    dm->addReactor(&first);
    dm->addReactor(&second);
    dm->openDocument(L"d.dwg");
    dm->openDocument(L"e.dwg");
    dm->closeAllDocuments();
    dm->removeReactor(&second);
    EXPECT_EQ(1, first.calls);
    EXPECT_EQ(L"created d.dwg", second.log[1]);
}

TEST(HostStandIn, IndexedColours)
{
    struct Case
    {
        int index;
        unsigned r, g, b;
    };
    const Case cases[] = {
        {1, 255, 0, 0},      {2, 255, 255, 0},   {3, 0, 255, 0},     {4, 0, 255, 255},    {5, 0, 0, 255},
        {6, 255, 0, 255},    {7, 255, 255, 255}, {8, 128, 128, 128}, {9, 192, 192, 192},  {10, 255, 0, 0},
        {11, 255, 127, 127}, {12, 165, 0, 0},    {13, 165, 82, 82},  {18, 38, 0, 0},      {19, 38, 19, 19},
        {20, 255, 63, 0},    {30, 255, 127, 0},  {40, 255, 191, 0},  {50, 255, 255, 0},   {60, 191, 255, 0},
        {90, 0, 255, 0},     {130, 0, 255, 255}, {150, 0, 127, 255}, {170, 0, 0, 255},    {190, 127, 0, 255},
        {210, 255, 0, 255},  {240, 255, 0, 63},  {250, 51, 51, 51},  {255, 255, 255, 255}};
    for (const Case& c : cases)
    {
        Adesk::UInt32 v = acedGetRGB(c.index);
        EXPECT_EQ(c.r | (c.g << 8) | (c.b << 16), v) << "index " << c.index;
    }
    EXPECT_EQ(0u, acedGetRGB(-1));
    EXPECT_EQ(0u, acedGetRGB(256));
    // Every odd entry of a hue is lighter than the even entry before it.
    for (int i = 10; i < 250; i += 2)
    {
        Adesk::UInt32 even = acedGetRGB(i), odd = acedGetRGB(i + 1);
        unsigned se = (even & 255) + ((even >> 8) & 255) + ((even >> 16) & 255);
        unsigned so = (odd & 255) + ((odd >> 8) & 255) + ((odd >> 16) & 255);
        EXPECT_GT(so, se) << i;
    }
}

} // namespace
