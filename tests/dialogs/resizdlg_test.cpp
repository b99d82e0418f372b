// The resizable dialog through real modeless dialogs from in-memory templates: the controls'
// rectangles after sequences of sizes, the minimum size, the grip, and the size kept in the
// application's profile in the registry (damaged values included).
#include <gtest/gtest.h>
#include "dlgtest.h"
#include "testwin.h"
#include "dialogs/QResizDlg.h"

using namespace dlgtest;

namespace
{

const UINT kTemplateId = 0x7A1; // profile section "7a1"
const LPCWSTR kRegistryKey = L"QCtl dialog tests";

enum Ctl
{
    kWide = 1001,
    kGrow,
    kCorner,
    kRight,
    kDown,
    kFixed,
    kTwice,
};

struct Rule
{
    WORD nID, nFlags;
    int dxLeft, dxRight, dyTop, dyBottom; // how far each edge follows a change of (dx, dy)
};
// Each control's edges as the rules move them: "0x0006" widens and moves down, "0x0005" only
// widens, a control listed twice moves twice, flags 0 and a missing control change nothing.
const Rule kRules[] = {
    {kWide, CQResizDlg::STRETCH_H | CQResizDlg::MOVE_V, 0, 1, 1, 1},
    {kGrow, CQResizDlg::MOVE_H | CQResizDlg::STRETCH_H, 0, 1, 0, 0},
    {kCorner, CQResizDlg::MOVE_H | CQResizDlg::MOVE_V, 1, 1, 1, 1},
    {kRight, CQResizDlg::MOVE_H, 1, 1, 0, 0},
    {kDown, CQResizDlg::STRETCH_H | CQResizDlg::STRETCH_V, 0, 1, 0, 1},
    {kFixed, 0, 0, 0, 0, 0},
    {kTwice, CQResizDlg::MOVE_V, 0, 0, 2, 2},
};

class CTestResizDlg : public CQResizDlg
{
public:
    CTestResizDlg() : CQResizDlg(kTemplateId) {}
    BOOL OnInitDialog() override
    {
        BOOL bResult = CQResizDlg::OnInitDialog();
        for (const Rule& rule : kRules)
            SetControlInfo(rule.nID, rule.nFlags);
        SetControlInfo(kTwice, CQResizDlg::MOVE_V);
        SetControlInfo(999, CQResizDlg::MOVE_H); // no such control
        return bResult;
    }
};

class ResizDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CWinApp* pApp = AfxGetApp();
        m_pOldKey = pApp->m_pszRegistryKey;
        m_pOldProfile = pApp->m_pszProfileName;
        pApp->m_pszRegistryKey = NULL;
        pApp->m_pszProfileName = NULL;
        pApp->SetRegistryKey(kRegistryKey);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, CString(L"Software\\") + kRegistryKey);
        m_section.Format(L"Software\\%s\\%s\\7a1", kRegistryKey, pApp->m_pszProfileName);

        m_template.reset(
            new CTemplate(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE, 200, 120, L"resize"));
        short y = 4;
        for (const Rule& rule : kRules)
        {
            m_template->Add(0x0082, rule.nID, SS_LEFT, 4, y, 60, 10, L"x");
            y += 14;
        }
    }
    void TearDown() override
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, CString(L"Software\\") + kRegistryKey);
        CWinApp* pApp = AfxGetApp();
        delete[] pApp->m_pszRegistryKey;
        delete[] pApp->m_pszProfileName;
        pApp->m_pszRegistryKey = m_pOldKey;
        pApp->m_pszProfileName = m_pOldProfile;
    }
    void Open(CTestResizDlg& dlg)
    {
        ASSERT_TRUE(dlg.CreateIndirect(m_template->Get()));
        Settle();
    }
    void Resize(CWnd& dlg, int cx, int cy)
    {
        dlg.SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
    }
    DWORD ReadValue(LPCWSTR lpszName, bool* pbFound)
    {
        DWORD dw = 0, cb = sizeof(dw);
        *pbFound = ::RegGetValueW(HKEY_CURRENT_USER, m_section, lpszName, RRF_RT_REG_DWORD, NULL, &dw, &cb) ==
                   ERROR_SUCCESS;
        return dw;
    }
    void WriteDword(LPCWSTR lpszName, DWORD dw)
    {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, m_section, lpszName, REG_DWORD, &dw, sizeof(dw));
    }

    std::unique_ptr<CTemplate> m_template;
    CString m_section;
    LPCTSTR m_pOldKey = NULL, m_pOldProfile = NULL;
};

// A sequence of sizes moves and stretches each control by the change since the previous size;
// minimising and restoring moves nothing.
TEST_F(ResizDlgTest, ControlsFollowEverySizeChange)
{
    CTestResizDlg dlg;
    Open(dlg);
    CRect rcStart[sizeof(kRules) / sizeof(kRules[0])];
    for (size_t i = 0; i < sizeof(kRules) / sizeof(kRules[0]); i++)
        rcStart[i] = ChildRect(&dlg, kRules[i].nID);
    CRect rcClient0;
    dlg.GetClientRect(&rcClient0);
    CRect rcWindow = WindowRect(&dlg);

    const CSize steps[] = {{60, 40}, {-30, 25}, {0, -50}, {17, 0}};
    CSize total(0, 0);
    for (const CSize& step : steps)
    {
        rcWindow.right += step.cx;
        rcWindow.bottom += step.cy;
        Resize(dlg, rcWindow.Width(), rcWindow.Height());
        CRect rcClient;
        dlg.GetClientRect(&rcClient);
        total = CSize(rcClient.Width() - rcClient0.Width(), rcClient.Height() - rcClient0.Height());
        for (size_t i = 0; i < sizeof(kRules) / sizeof(kRules[0]); i++)
        {
            const Rule& r = kRules[i];
            CRect rcExpected(rcStart[i].left + r.dxLeft * total.cx, rcStart[i].top + r.dyTop * total.cy,
                             rcStart[i].right + r.dxRight * total.cx,
                             rcStart[i].bottom + r.dyBottom * total.cy);
            EXPECT_EQ(rcExpected, ChildRect(&dlg, r.nID))
                << "control " << r.nID << " after " << total.cx << "," << total.cy;
        }
    }
    CRect rcCorner = ChildRect(&dlg, kCorner);
    dlg.ShowWindow(SW_MINIMIZE);
    dlg.ShowWindow(SW_RESTORE);
    Settle();
    EXPECT_EQ(rcCorner, ChildRect(&dlg, kCorner));
}

// The template's size is the smallest the dialog can be made (unless switched off); the grip
// answers the hit test as the lower-right frame and is drawn in the corner.
TEST_F(ResizDlgTest, MinimumSizeAndGrip)
{
    CTestResizDlg dlg;
    Open(dlg);
    CRect rcCreated = WindowRect(&dlg);
    MINMAXINFO mmi = {};
    dlg.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(rcCreated.Width(), mmi.ptMinTrackSize.x);
    EXPECT_EQ(rcCreated.Height(), mmi.ptMinTrackSize.y);
    Resize(dlg, 40, 30);
    EXPECT_EQ(rcCreated.Size(), WindowRect(&dlg).Size());

    dlg.SetMinSize(FALSE);
    MINMAXINFO mmiOff = {};
    dlg.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmiOff);
    EXPECT_EQ(0, mmiOff.ptMinTrackSize.x);

    CRect rc = WindowRect(&dlg);
    int cxGrip = ::GetSystemMetrics(SM_CXVSCROLL), cyGrip = ::GetSystemMetrics(SM_CYHSCROLL);
    struct
    {
        CPoint pt;
        LRESULT nHit;
    } hits[] = {
        {{rc.right - 2, rc.bottom - 2}, HTBOTTOMRIGHT},
        {{rc.right - cxGrip + 1, rc.bottom - cyGrip + 1}, HTBOTTOMRIGHT},
        {{rc.right - cxGrip - 12, rc.bottom - 12}, HTCLIENT},
        {rc.CenterPoint(), HTCLIENT},
    };
    CRect rcClientScreen;
    dlg.GetClientRect(&rcClientScreen);
    dlg.ClientToScreen(&rcClientScreen);
    for (auto& hit : hits)
    {
        if (!rcClientScreen.PtInRect(hit.pt))
            continue; // on the frame: the platform's own answer
        EXPECT_EQ(hit.nHit, dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(hit.pt.x, hit.pt.y)));
    }

    dlg.RedrawWindow();
    auto pixels = qtest::CaptureClient(&dlg);
    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    COLORREF clrFace = pixels->GetPixel(rcClient.right - cxGrip - 4, rcClient.bottom - 4);
    CRect rcGrip(rcClient.right - cxGrip, rcClient.bottom - cyGrip, rcClient.right, rcClient.bottom);
    CRect rcBeside(rcGrip);
    rcBeside.OffsetRect(-cxGrip - 2, 0);
    EXPECT_LT(pixels->CountColor(rcGrip, clrFace), rcGrip.Width() * rcGrip.Height());
    EXPECT_EQ(rcBeside.Width() * rcBeside.Height(), pixels->CountColor(rcBeside, clrFace));
}

// The outer size is written under the template's section when the user resized the dialog, and
// the next dialog opens at it; a dialog never resized, or with the switch off, writes nothing.
TEST_F(ResizDlgTest, SizeRoundTripThroughTheProfile)
{
    CRect rcSaved;
    {
        CTestResizDlg dlg;
        Open(dlg);
        CRect rc = WindowRect(&dlg);
        Resize(dlg, rc.Width() + 70, rc.Height() + 45);
        rcSaved = WindowRect(&dlg);
        dlg.DestroyWindow();
    }
    bool bFound = false;
    EXPECT_EQ((DWORD)rcSaved.Width(), ReadValue(L"CX", &bFound));
    EXPECT_TRUE(bFound);
    EXPECT_EQ((DWORD)rcSaved.Height(), ReadValue(L"CY", &bFound));
    {
        CTestResizDlg dlg;
        Open(dlg);
        EXPECT_EQ(rcSaved.Size(), WindowRect(&dlg).Size());
        // Switched off before closing: the profile stays as it was.
        Resize(dlg, rcSaved.Width() + 30, rcSaved.Height());
        dlg.SetRememberSize(FALSE);
    }
    EXPECT_EQ((DWORD)rcSaved.Width(), ReadValue(L"CX", &bFound));

    ::RegDeleteTreeW(HKEY_CURRENT_USER, m_section);
    {
        CTestResizDlg dlg; // opened and closed without a resize
        Open(dlg);
    }
    ReadValue(L"CX", &bFound);
    EXPECT_FALSE(bFound);
}

// Values written by other versions or by hand: the dialog opens at a usable size inside the
// work area, at the template's size when the values do not make a size.
TEST_F(ResizDlgTest, DamagedProfileValues)
{
    CRect rcTemplate;
    {
        CTestResizDlg dlg;
        Open(dlg);
        rcTemplate = WindowRect(&dlg);
    }
    RECT rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    const int kText = -1, kMissing = -2;
    struct
    {
        int cx, cy;
        bool bTemplateSize;
    } cases[] = {
        {500, kMissing, true},  {-400, 300, true}, {0, 300, true}, {kText, 300, true},
        {100000, 90000, false}, {1, 1, false},     {-1, -1, true}, {400, 2000000000, false},
    };
    for (auto& c : cases)
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_section);
        HKEY hKey = NULL;
        ::RegCreateKeyExW(HKEY_CURRENT_USER, m_section, 0, NULL, 0, KEY_WRITE, NULL, &hKey, NULL);
        ::RegCloseKey(hKey);
        if (c.cx == kText)
            ::RegSetKeyValueW(HKEY_CURRENT_USER, m_section, L"CX", REG_SZ, L"wide", 10);
        else
            WriteDword(L"CX", (DWORD)c.cx);
        if (c.cy != kMissing)
            WriteDword(L"CY", (DWORD)c.cy);
        CTestResizDlg dlg;
        dlg.SetRememberSize(TRUE);
        Open(dlg);
        CRect rc = WindowRect(&dlg);
        SCOPED_TRACE(testing::Message() << "CX " << c.cx << " CY " << c.cy);
        if (c.bTemplateSize)
        {
            EXPECT_EQ(rcTemplate.Size(), rc.Size());
        }
        EXPECT_GE(rc.Width(), rcTemplate.Width());
        EXPECT_GE(rc.Height(), rcTemplate.Height());
        EXPECT_GE(rc.left, rcWork.left);
        EXPECT_GE(rc.top, rcWork.top);
        EXPECT_LE(rc.right, rcWork.right);
        EXPECT_LE(rc.bottom, rcWork.bottom);
        dlg.SetRememberSize(FALSE);
    }
}

} // namespace
