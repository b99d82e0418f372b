// Modal dialogs of the layer from templates in memory: OnInitDialog runs, and the result of
// EndDialog or of the cancel command comes back from DoModal.
#include <gtest/gtest.h>
#include "dlgtest.h"

using namespace dlgtest;

namespace
{

class CModalDlg : public CDialog
{
public:
    explicit CModalDlg(bool bPostCancel) : m_bPostCancel(bPostCancel) {}
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_bInitialized = true;
        if (m_bPostCancel)
            PostMessage(WM_COMMAND, IDCANCEL);
        else
            EndDialog(42);
        return TRUE;
    }
    bool m_bPostCancel, m_bInitialized = false;
};

TEST(DialogTest, ModalFromTemplateInMemory)
{
    CTemplate tmpl(WS_POPUP | WS_CAPTION, 120, 60, L"modal");
    tmpl.Add(0x0080, IDCANCEL, BS_PUSHBUTTON, 60, 40, 50, 14, L"Cancel");
    for (bool bCancel : {false, true})
    {
        CModalDlg dlg(bCancel);
        ASSERT_TRUE(dlg.InitModalIndirect(tmpl.Get()));
        EXPECT_EQ(bCancel ? IDCANCEL : 42, dlg.DoModal());
        EXPECT_TRUE(dlg.m_bInitialized);
        EXPECT_EQ(NULL, dlg.GetSafeHwnd());
    }
    CDialog none;
    EXPECT_FALSE(none.InitModalIndirect((LPCDLGTEMPLATE)NULL));
    EXPECT_EQ(-1, none.DoModal());
    EXPECT_FALSE(none.CreateIndirect((LPCDLGTEMPLATE)NULL));
}

} // namespace
