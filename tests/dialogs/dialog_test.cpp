// Modal dialogs of the layer from templates in memory: OnInitDialog runs, and the result of
// EndDialog or of the cancel command comes back from DoModal.
#include <gtest/gtest.h>
#include "dlgtest.h"

namespace
{

class CModalDlg : public CDialog
{
public:
    bool m_bCancel = false, m_bInitialized = false;
    BOOL OnInitDialog() override
    {
        m_bInitialized = true;
        if (m_bCancel)
            PostMessage(WM_COMMAND, IDCANCEL);
        else
            EndDialog(42);
        return TRUE;
    }
};

TEST(DialogTest, ModalFromTemplateInMemory)
{
    dlgtest::CTemplate tmpl(WS_POPUP | WS_CAPTION, 120, 60, L"modal");
    for (bool bCancel : {false, true})
    {
        CModalDlg dlg;
        dlg.m_bCancel = bCancel;
        ASSERT_TRUE(dlg.InitModalIndirect(tmpl.Get()));
        EXPECT_EQ(bCancel ? IDCANCEL : 42, dlg.DoModal());
        EXPECT_TRUE(dlg.m_bInitialized && dlg.GetSafeHwnd() == NULL);
    }
    CDialog none;
    EXPECT_FALSE(none.InitModalIndirect((LPCDLGTEMPLATE)NULL) || none.CreateIndirect((LPCDLGTEMPLATE)NULL));
    EXPECT_EQ(-1, none.DoModal());
}

} // namespace
