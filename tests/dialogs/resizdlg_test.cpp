// The resizable dialog through real modeless dialogs from templates in memory: the controls after a
// sequence of sizes, the minimum size, the grip, and the size kept in the profile in the registry.
#include "dialogs/QResizDlg.h"
#include "dlgtest.h"
#include <gtest/gtest.h>

using namespace dlgtest;

namespace
{

const LPCWSTR kKey = L"QCtl dialog tests";
// A control's rule and how far its left, top, right and bottom edges follow the change (dx, dy):
// 0x0006 widens and moves down, 0x0005 only widens, flags 0 stay, a control listed twice moves
// twice.
struct Rule
{
    WORD nID, nFlags;
    int l, t, r, b;
};
const Rule kRules[] = {
    {101, CQResizDlg::STRETCH_H | CQResizDlg::MOVE_V, 0, 1, 1, 1},
    {102, 0x0005, 0, 0, 1, 0},
    {103, CQResizDlg::MOVE_H | CQResizDlg::MOVE_V, 1, 1, 1, 1},
    {104, 0x000C, 0, 0, 1, 1},
    {105, 0, 0, 0, 0, 0},
    {106, CQResizDlg::MOVE_V, 0, 2, 0, 2},
};

class CTestDlg : public CQResizDlg
{
public:
    CTestDlg() : CQResizDlg(0x7A1) {}
    BOOL OnInitDialog() override
    {
        BOOL bResult = CQResizDlg::OnInitDialog();
        for (const Rule& r : kRules)
            SetControlInfo(r.nID, r.nFlags);
        SetControlInfo(106, MOVE_V);
        SetControlInfo(999, MOVE_H); // no such control
        return bResult;
    }
};

class ResizDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CWinApp* pApp = AfxGetApp();
        std::swap(m_pKey, pApp->m_pszRegistryKey);
        std::swap(m_pProfile, pApp->m_pszProfileName);
        pApp->SetRegistryKey(kKey);
        m_strSection.Format(L"Software\\%s\\%s\\7a1", kKey, pApp->m_pszProfileName);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, CString(L"Software\\") + kKey);
        for (const Rule& r : kRules)
            m_tmpl.Add(0x82, r.nID, SS_LEFT, 4, (short)(4 + 14 * (r.nID - 101)), 60, 10, L"x");
    }
    void TearDown() override
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, CString(L"Software\\") + kKey);
        CWinApp* pApp = AfxGetApp();
        delete[] pApp->m_pszRegistryKey;
        delete[] pApp->m_pszProfileName;
        pApp->m_pszRegistryKey = m_pKey;
        pApp->m_pszProfileName = m_pProfile;
    }
    CSize Open(CTestDlg& dlg)
    {
        EXPECT_TRUE(dlg.CreateIndirect(m_tmpl.Get()));
        return WindowRect(&dlg).Size();
    }
    static void Resize(CWnd& dlg, CSize size)
    {
        dlg.SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    }
    // A profile value of the dialog's section; -1 when there is none.
    static int Read(LPCWSTR lpszName) { return (int)AfxGetApp()->GetProfileInt(L"7a1", lpszName, -1); }

    CTemplate m_tmpl{WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE, 200, 120};
    CString m_strSection;
    LPCTSTR m_pKey = NULL, m_pProfile = NULL;
};

// Each size change moves and stretches the controls by the change since the previous one; the
// template's size is the smallest the dialog gets; minimising and restoring moves nothing. The grip
// is drawn in the lower-right corner and answers the hit test as the frame there.
TEST_F(ResizDlgTest, ControlsFollowEverySizeChangeAndTheGrip)
{
    CTestDlg dlg;
    CSize sizeTemplate = Open(dlg);
    std::vector<CRect> start;
    for (const Rule& r : kRules)
        start.push_back(ChildRect(&dlg, r.nID));
    CRect rcClient0, rc;
    dlg.GetClientRect(&rcClient0);
    for (CSize d : {CSize(60, 40), CSize(-30, 25), CSize(17, -50), CSize(-300, -300)})
    {
        Resize(dlg, WindowRect(&dlg).Size() + d);
        dlg.GetClientRect(&rc);
        int dx = rc.Width() - rcClient0.Width(), dy = rc.Height() - rcClient0.Height();
        for (size_t i = 0; i < start.size(); i++)
        {
            const Rule& r = kRules[i];
            CRect rcWanted(start[i].left + r.l * dx, start[i].top + r.t * dy, start[i].right + r.r * dx,
                           start[i].bottom + r.b * dy);
            EXPECT_EQ(rcWanted, ChildRect(&dlg, r.nID))
                << "control " << r.nID << ", change " << dx << "," << dy;
        }
    }
    EXPECT_EQ(sizeTemplate, WindowRect(&dlg).Size());
    Resize(dlg, sizeTemplate + CSize(40, 40));
    CRect rcCorner = ChildRect(&dlg, 103);
    dlg.ShowWindow(SW_MINIMIZE);
    dlg.ShowWindow(SW_RESTORE);
    EXPECT_EQ(rcCorner, ChildRect(&dlg, 103));

    rc = WindowRect(&dlg);
    int cx = ::GetSystemMetrics(SM_CXVSCROLL), cy = ::GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(HTBOTTOMRIGHT, dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.right - cx, rc.bottom - cy)));
    EXPECT_EQ(HTCLIENT, dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.right - cx - 12, rc.bottom - 12)));
    dlg.RedrawWindow();
    auto pixels = qtest::CaptureClient(&dlg);
    dlg.GetClientRect(&rc);
    CRect rcGrip(rc.right - cx, rc.bottom - cy, rc.right, rc.bottom), rcBeside(rcGrip - CPoint(cx + 2, 0));
    COLORREF clrFace = pixels->GetPixel(rcBeside.left, rcBeside.top);
    EXPECT_LT(pixels->CountColor(rcGrip, clrFace), rcGrip.Width() * rcGrip.Height() * 9 / 10);
    EXPECT_EQ(rcBeside.Width() * rcBeside.Height(), pixels->CountColor(rcBeside, clrFace));
}

// The outer size is written when the user resized the dialog and the next one opens at it; a dialog
// not resized, or with the switch turned off, writes nothing. Values written by other versions or
// by hand open the dialog at a usable size inside the work area, at the template's size when they
// do not make a size.
TEST_F(ResizDlgTest, SizeKeptInTheProfile)
{
    CSize sizeTemplate, sizeSaved;
    {
        CTestDlg dlg;
        sizeTemplate = Open(dlg);
    }
    EXPECT_EQ(-1, Read(L"CX"));
    {
        CTestDlg dlg;
        sizeSaved = Open(dlg) + CSize(70, 45);
        Resize(dlg, sizeSaved);
    }
    EXPECT_EQ(sizeSaved, CSize(Read(L"CX"), Read(L"CY")));
    {
        CTestDlg dlg;
        EXPECT_EQ(sizeSaved, Open(dlg));
        Resize(dlg, sizeSaved + CSize(30, 0));
        dlg.SetRememberSize(FALSE);
    }
    EXPECT_EQ(sizeSaved.cx, Read(L"CX"));

    CRect rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    const struct
    {
        LPCWSTR cx,
            cy; // NULL: no value; text other than digits is written as a string
        bool bTemplate;
    } cases[] = {{L"500", NULL, true},          {L"-400", L"300", true}, {L"0", L"300", true},
                 {L"wide", L"300", true},       {L"1", L"1", true},      {L"100000", L"90000", false},
                 {L"400", L"2000000000", false}};
    for (auto& c : cases)
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_strSection);
        CWinApp* pApp = AfxGetApp();
        for (auto value : {std::make_pair(L"CX", c.cx), std::make_pair(L"CY", c.cy)})
            if (value.second && iswalpha(value.second[0]))
                pApp->WriteProfileString(L"7a1", value.first, value.second);
            else if (value.second)
                pApp->WriteProfileInt(L"7a1", value.first, _wtoi(value.second));
        CTestDlg dlg;
        Open(dlg);
        CRect rc = WindowRect(&dlg);
        SCOPED_TRACE(testing::Message() << "CX " << c.cx << " CY " << (c.cy ? c.cy : L"-"));
        if (c.bTemplate)
        {
            EXPECT_EQ(sizeTemplate, rc.Size());
        }
        EXPECT_TRUE(rc.Width() >= sizeTemplate.cx && rc.Height() >= sizeTemplate.cy);
        EXPECT_TRUE(rc.left >= rcWork.left && rc.top >= rcWork.top && rc.right <= rcWork.right &&
                    rc.bottom <= rcWork.bottom);
    }
}

} // namespace
