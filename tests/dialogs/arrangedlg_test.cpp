// The arrange dialogs through real modeless pop-up dialogs moved as a drag moves them (each
// position change sends the move messages): snapping at the tolerance on every edge, connected
// chains moving with the major, and the group's membership rules.
#include <gtest/gtest.h>
#include "dlgtest.h"
#include "dialogs/QArrangeDlg.h"

using namespace dlgtest;

namespace
{

class CTestDlg : public CQArrangeDlg
{
public:
    CTestDlg() : CQArrangeDlg(0x7A2) {}
    // A press on the frame, as the pump hands it over before a drag starts.
    void PressFrame()
    {
        MSG msg = {m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, 0};
        PreTranslateMessage(&msg);
    }
    BOOL Connected() { return IsConnectedMajor(); }
    DlgRelatedState State() const { return m_nRelatedState; }
    CQArrangeDlg* Major() const { return m_pMajor; }
};

class ArrangeDlgTest : public ::testing::Test
{
protected:
    // A dialog of cx by cy pixels at (x, y).
    void Open(CTestDlg& dlg, int x, int y, int cx, int cy)
    {
        ASSERT_TRUE(dlg.CreateIndirect(m_tmpl.Get()));
        dlg.SetWindowPos(NULL, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A group: the major at (300, 300), 200 by 150, and its minors, all at (0, 0).
    void Group(CTestDlg& major, std::initializer_list<CTestDlg*> minors, int cyMinor = 150)
    {
        Open(major, 300, 300, 200, 150);
        major.SetRelatedState(CQArrangeDlg::RELATED_MAJOR);
        for (CTestDlg* p : minors)
        {
            Open(*p, 0, 0, 100, cyMinor);
            ASSERT_GE(major.AttachDlg(p), 0);
        }
    }
    // Moves a dialog as a drag does; where it ends.
    static CPoint Drag(CWnd& dlg, int x, int y)
    {
        dlg.SetWindowPos(NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return WindowRect(&dlg).TopLeft();
    }
    CTemplate m_tmpl{WS_POPUP | WS_BORDER | WS_VISIBLE, 100, 60};
};

// A minor dropped 39 pixels or less from an edge of the major snaps onto it; at 40 or 41 it stays.
TEST_F(ArrangeDlgTest, SnapsWithinFortyPixelsOnEveryEdge)
{
    CTestDlg major, minor;
    Group(major, {&minor}, 100);
    struct
    {
        const char* edge;
        int x, y, dx, dy; // the minor's place touching the edge, and the way a gap grows
    } edges[] = {{"left", 200, 320, -1, 0},
                 {"right", 500, 320, 1, 0},
                 {"top", 330, 200, 0, -1},
                 {"bottom", 330, 450, 0, 1}};
    for (auto& e : edges)
        for (int gap : {1, 39, 40, 41})
        {
            Drag(minor, -1000, -1000);
            CPoint pt(e.x + e.dx * gap, e.y + e.dy * gap);
            EXPECT_EQ(gap < 40 ? CPoint(e.x, e.y) : pt, Drag(minor, pt.x, pt.y))
                << e.edge << " edge, gap " << gap;
        }
    EXPECT_EQ(CRect(300, 300, 500, 450), WindowRect(&major));
}

// Minors touching the major directly or through a chain move with it, worked out at the next press
// on a frame; a minor apart stays. A dragged major snaps onto a free minor itself or moves so that
// a connected minor snaps onto it.
TEST_F(ArrangeDlgTest, ConnectedChainsMoveAndSnapWithTheMajor)
{
    CTestDlg major, a, b, c, d;
    Group(major, {&a, &b, &c, &d});
    Drag(a, 500, 300); // touches the major's right edge
    Drag(b, 600, 300); // touches a only
    Drag(c, 800, 300); // 100 pixels right of b
    Drag(d, 320, 520); // 70 pixels below the major
    major.PressFrame();
    EXPECT_TRUE(a.Connected() && b.Connected());
    EXPECT_FALSE(c.Connected() || d.Connected());

    EXPECT_EQ(CPoint(400, 300), Drag(major, 370, 300)); // b comes 30 from c: snaps on
    EXPECT_EQ(CPoint(600, 300), WindowRect(&a).TopLeft());
    EXPECT_EQ(CPoint(700, 300), WindowRect(&b).TopLeft());
    EXPECT_EQ(CPoint(800, 300), WindowRect(&c).TopLeft());

    b.PressFrame();                                     // c touches b now
    EXPECT_EQ(CPoint(400, 370), Drag(major, 400, 350)); // 20 pixels above d: snaps onto it
    EXPECT_EQ(CPoint(800, 370), WindowRect(&c).TopLeft());
    EXPECT_EQ(CPoint(320, 520), WindowRect(&d).TopLeft());

    Drag(b, 50, 800); // out of the chain: c no longer connects
    a.PressFrame();
    EXPECT_FALSE(b.Connected() || c.Connected());
    Drag(major, 400, 250);
    EXPECT_EQ(CPoint(600, 250), WindowRect(&a).TopLeft());
    EXPECT_EQ(CPoint(800, 370), WindowRect(&c).TopLeft());

    // Dragged far off the screen and back, the group ends where it should.
    Drag(major, -30000, -30000);
    Drag(major, 400, 250);
    EXPECT_EQ(CPoint(600, 250), WindowRect(&a).TopLeft());
}

// Only a major takes minors and only free dialogs join; detaching leaves the others as they were;
// a dialog destroyed while in a group takes itself out, and its minors forget it.
TEST_F(ArrangeDlgTest, GroupMembership)
{
    CTestDlg major, other, *pMinor = new CTestDlg;
    Open(major, 100, 100, 100, 100);
    Open(other, 700, 100, 100, 100);
    Open(*pMinor, 400, 600, 100, 100);
    EXPECT_EQ(-1, major.AttachDlg(pMinor)); // not a major yet
    major.SetRelatedState(CQArrangeDlg::RELATED_MAJOR);
    for (CQArrangeDlg* p : {(CQArrangeDlg*)NULL, (CQArrangeDlg*)&major})
        EXPECT_EQ(-1, major.AttachDlg(p));
    EXPECT_EQ(0, major.AttachDlg(pMinor));
    EXPECT_EQ(-1, major.AttachDlg(pMinor)); // twice
    EXPECT_EQ(1, major.AttachDlg(&other));
    EXPECT_EQ(-1, other.AttachDlg(pMinor)); // a minor is no major
    EXPECT_EQ(nullptr, major.DetachDlg(5L));
    EXPECT_EQ(1, major.DetachDlg(&other));
    EXPECT_TRUE(other.State() == CQArrangeDlg::RELATED_MINOR && other.Major() == &major);
    other.DetachDlgAll();
    EXPECT_EQ(CQArrangeDlg::RELATED_NONE, other.State());

    delete pMinor;
    EXPECT_EQ(0, major.GetDlgsCount());
    EXPECT_EQ(0, major.AttachDlg(&other));
    major.DetachDlgAll();
    EXPECT_EQ(CQArrangeDlg::RELATED_MINOR, other.State()); // former minors are left as they were
    {
        CTestDlg major2;
        Open(major2, 100, 600, 100, 100);
        major2.SetRelatedState(CQArrangeDlg::RELATED_MAJOR);
        other.SetRelatedState(CQArrangeDlg::RELATED_NONE, FALSE);
        EXPECT_EQ(0, major2.AttachDlg(&other));
    }
    EXPECT_TRUE(other.State() == CQArrangeDlg::RELATED_NONE && other.Major() == nullptr);
    EXPECT_EQ(CPoint(120, 120), Drag(other, 120, 120));
}

} // namespace
