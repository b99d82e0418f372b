// The arrange dialogs through real modeless pop-up dialogs moved as a drag moves them (each
// position change sends the move messages): snapping at the tolerance on every edge, connected
// chains moving with the major, and the group's membership rules.
#include <gtest/gtest.h>
#include "dlgtest.h"
#include "testwin.h"
#include "dialogs/QArrangeDlg.h"

using namespace dlgtest;

namespace
{

class CTestArrangeDlg : public CQArrangeDlg
{
public:
    CTestArrangeDlg() : CQArrangeDlg(0x7A2) {}
    void OnCancel() override { DestroyWindow(); }
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
    void SetUp() override
    {
        // 200 by 150 pixels whatever the dialog font: the size is set after creation.
        m_template.reset(new CTemplate(WS_POPUP | WS_BORDER | WS_VISIBLE, 100, 60));
    }
    void Open(CTestArrangeDlg& dlg, int x, int y, int cx = 200, int cy = 150)
    {
        ASSERT_TRUE(dlg.CreateIndirect(m_template->Get()));
        dlg.SetWindowPos(NULL, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Moves a dialog as a drag does: the window moves, its move message follows.
    void Drag(CWnd& dlg, int x, int y)
    {
        dlg.SetWindowPos(NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    std::unique_ptr<CTemplate> m_template;
};

// A minor dragged to 39 pixels from any edge of the major snaps onto it; at 40 and 41 it stays
// where it was dropped.
TEST_F(ArrangeDlgTest, SnapsWithinFortyPixelsOnEveryEdge)
{
    CTestArrangeDlg major, minor;
    Open(major, 400, 300);
    Open(minor, 0, 0, 120, 100);
    major.SetRelatedState(CQArrangeDlg::RELATED_MAJOR);
    ASSERT_EQ(0, major.AttachDlg(&minor));
    const CRect M(400, 300, 600, 450);
    ASSERT_EQ(M, WindowRect(&major));

    struct Edge
    {
        const char* name;
        int x, y;   // the minor's top-left at gap 0
        int dx, dy; // direction of a growing gap
    } edges[] = {
        {"left", M.left - 120, M.top + 20, -1, 0},
        {"right", M.right, M.top + 20, 1, 0},
        {"top", M.left + 30, M.top - 100, 0, -1},
        {"bottom", M.left + 30, M.bottom, 0, 1},
    };
    for (const Edge& e : edges)
        for (int gap : {39, 40, 41, 1})
        {
            Drag(minor, -1000, -1000); // far away first, so the next move starts clean
            int x = e.x + e.dx * gap, y = e.y + e.dy * gap;
            Drag(minor, x, y);
            CPoint ptExpected = gap < 40 ? CPoint(e.x, e.y) : CPoint(x, y);
            EXPECT_EQ(ptExpected, WindowRect(&minor).TopLeft()) << e.name << " edge, gap " << gap;
            EXPECT_EQ(M, WindowRect(&major));
        }
}

// Minors touching the major directly or through a chain move with it; a minor apart stays; the
// connections are worked out at the next press on a frame.
TEST_F(ArrangeDlgTest, ConnectedChainsMoveWithTheMajor)
{
    CTestArrangeDlg major, a, b, apart;
    Open(major, 300, 300);
    Open(a, 0, 0, 100, 150);
    Open(b, 0, 0, 100, 150);
    Open(apart, 0, 0, 100, 100);
    major.SetRelatedState(CQArrangeDlg::RELATED_MAJOR);
    for (CTestArrangeDlg* p : {&a, &b, &apart})
        ASSERT_GE(major.AttachDlg(p), 0);
    Drag(a, 500, 300);     // touches the major's right edge
    Drag(b, 600, 300);     // touches a, not the major
    Drag(apart, 900, 700); // far from everything
    EXPECT_EQ(CPoint(600, 300), WindowRect(&b).TopLeft());

    major.PressFrame();
    EXPECT_TRUE(a.Connected());
    EXPECT_TRUE(b.Connected());
    EXPECT_FALSE(apart.Connected());

    Drag(major, 250, 320);
    EXPECT_EQ(CPoint(450, 320), WindowRect(&a).TopLeft());
    EXPECT_EQ(CPoint(550, 320), WindowRect(&b).TopLeft());
    EXPECT_EQ(CPoint(900, 700), WindowRect(&apart).TopLeft());

    // b dragged away, then a press on any frame of the group: b no longer follows.
    Drag(b, 50, 700);
    a.PressFrame();
    EXPECT_FALSE(b.Connected());
    Drag(major, 260, 330);
    EXPECT_EQ(CPoint(460, 330), WindowRect(&a).TopLeft());
    EXPECT_EQ(CPoint(50, 700), WindowRect(&b).TopLeft());

    // The group dragged far off the screen and back stays together and ends.
    Drag(major, -30000, -30000);
    Drag(major, 260, 330);
    EXPECT_EQ(CPoint(460, 330), WindowRect(&a).TopLeft());
}

// A dragged major snaps onto a free minor itself, or moves so that a connected minor snaps onto
// it; the connected minors follow each of its moves.
TEST_F(ArrangeDlgTest, MajorSnapsThroughItsConnectedMinors)
{
    CTestArrangeDlg major, a, c, d;
    Open(major, 300, 300);
    Open(a, 0, 0, 100, 150);
    Open(c, 0, 0, 100, 100);
    Open(d, 0, 0, 100, 80);
    major.SetRelatedState(CQArrangeDlg::RELATED_MAJOR);
    for (CTestArrangeDlg* p : {&a, &c, &d})
        ASSERT_GE(major.AttachDlg(p), 0);
    Drag(a, 500, 300); // touches the major
    Drag(c, 700, 300); // 100 pixels right of a
    Drag(d, 320, 520); // 70 pixels below the major
    major.PressFrame();

    // a comes within 30 pixels of c: the major moves on until a touches c.
    Drag(major, 370, 300);
    EXPECT_EQ(CPoint(400, 300), WindowRect(&major).TopLeft());
    EXPECT_EQ(CPoint(600, 300), WindowRect(&a).TopLeft());
    EXPECT_EQ(CPoint(700, 300), WindowRect(&c).TopLeft());

    // c now belongs to the chain; the major comes within 20 pixels of d and snaps onto it.
    major.PressFrame();
    Drag(major, 400, 350);
    EXPECT_EQ(CPoint(400, 370), WindowRect(&major).TopLeft());
    EXPECT_EQ(CPoint(600, 370), WindowRect(&a).TopLeft());
    EXPECT_EQ(CPoint(700, 370), WindowRect(&c).TopLeft());
    EXPECT_EQ(CPoint(320, 520), WindowRect(&d).TopLeft());
}

// Membership: only a major takes minors, only free dialogs join, detaching leaves the rest as
// the rules say, and a dialog destroyed while in a group takes itself out.
TEST_F(ArrangeDlgTest, GroupMembership)
{
    CTestArrangeDlg major, other;
    CTestArrangeDlg* pMinor = new CTestArrangeDlg;
    Open(major, 100, 100);
    Open(other, 700, 100);
    Open(*pMinor, 400, 600);
    EXPECT_EQ(-1, major.AttachDlg(pMinor)); // not a major yet
    major.SetRelatedState(CQArrangeDlg::RELATED_MAJOR);
    EXPECT_EQ(-1, major.AttachDlg(NULL));
    EXPECT_EQ(-1, major.AttachDlg(&major));
    EXPECT_EQ(0, major.AttachDlg(pMinor));
    EXPECT_EQ(-1, major.AttachDlg(pMinor)); // attached twice
    EXPECT_EQ(1, major.AttachDlg(&other));
    EXPECT_EQ(2, major.GetDlgsCount());
    EXPECT_EQ(-1, other.AttachDlg(pMinor)); // a minor is no major
    EXPECT_EQ(nullptr, major.DetachDlg(5L));
    EXPECT_EQ(-1, other.DetachDlg(pMinor));

    EXPECT_EQ(1, major.DetachDlg(&other));
    EXPECT_EQ(CQArrangeDlg::RELATED_MINOR, other.State()); // keeps its state and major
    EXPECT_EQ(&major, other.Major());
    other.DetachDlgAll();
    EXPECT_EQ(CQArrangeDlg::RELATED_NONE, other.State());

    delete pMinor; // destroyed while attached
    EXPECT_EQ(0, major.GetDlgsCount());
    CQArrangeDlg::CDlgArray* pArray = NULL;
    major.GetDlgsArray(pArray);
    EXPECT_EQ(0, pArray->GetSize());

    EXPECT_EQ(0, major.AttachDlg(&other));
    major.DetachDlgAll();
    EXPECT_FALSE(major.IsRelatedDlg());
    EXPECT_EQ(CQArrangeDlg::RELATED_MINOR, other.State()); // former minors are left as they were
    {
        CTestArrangeDlg major2;
        Open(major2, 100, 600);
        major2.SetRelatedState(CQArrangeDlg::RELATED_MAJOR);
        other.SetRelatedState(CQArrangeDlg::RELATED_NONE, FALSE);
        EXPECT_EQ(0, major2.AttachDlg(&other));
    } // the major goes first: its minor forgets it
    EXPECT_EQ(CQArrangeDlg::RELATED_NONE, other.State());
    EXPECT_EQ(nullptr, other.Major());
    Drag(other, 120, 120); // moves without a group
    EXPECT_EQ(CPoint(120, 120), WindowRect(&other).TopLeft());
}

} // namespace
