// The colour picker through real owner-drawn combo boxes (a dialog's control subclassed, one the
// library creates): the table, adding, removing and selecting, and the swatches' pixels.
#include "dialogs/QColorPickerCB.h"
#include "dlgtest.h"
#include <gtest/gtest.h>

#include <aced.h>

using namespace dlgtest;

namespace
{

const DWORD kStyle = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL;

class ColorPickerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTemplate tmpl(WS_POPUP | WS_BORDER | WS_VISIBLE, 200, 150);
        tmpl.Add(0x85, 300, kStyle, 5, 5, 120, 100);
        tmpl.Add(0x85, 301, kStyle | CBS_SORT, 5, 30, 120, 100);
        ASSERT_TRUE(m_dlg.CreateIndirect(tmpl.Get()));
        ASSERT_TRUE(m_combo.SubclassDlgItem(300, &m_dlg) && m_sorted.SubclassDlgItem(301, &m_dlg));
    }
    CString Text(int i)
    {
        CString str;
        m_combo.GetLBText(i, str);
        return str;
    }
    // Item i drawn into a 200 by 20 buffer as the owner-draw message asks.
    std::unique_ptr<qtest::CPixelBuffer> Draw(int i, UINT nState)
    {
        std::unique_ptr<qtest::CPixelBuffer> pixels(new qtest::CPixelBuffer(200, 20, RGB(1, 2, 3)));
        DRAWITEMSTRUCT dis = {ODT_COMBOBOX,
                              300,
                              (UINT)i,
                              ODA_DRAWENTIRE,
                              nState,
                              m_combo.m_hWnd,
                              pixels->GetDC()->m_hDC,
                              {0, 0, 200, 20},
                              i >= 0 ? m_combo.GetItemData(i) : 0};
        m_combo.DrawItem(&dis);
        return pixels;
    }
    CDialog m_dlg;
    CQColorPickerCB m_combo, m_sorted;
};

// Subclassed or created, a control holds the table once, in order, with the first colour selected;
// then adding, removing and selecting by index and by name, odd names and indices included.
TEST_F(ColorPickerTest, TableAddRemoveAndSelect)
{
    CQColorPickerCB created;
    ASSERT_TRUE(created.Create(WS_CHILD | kStyle, CRect(150, 5, 300, 200), &m_dlg, 400));
    EXPECT_EQ(22, m_sorted.GetCount());
    for (CQColorPickerCB* pCombo : {&m_combo, &created})
    {
        EXPECT_EQ(22, pCombo->GetCount());
        EXPECT_EQ(1, pCombo->GetSelectedColorValue());
        EXPECT_STREQ(L"  红色", pCombo->GetSelectedColorName());
    }
    const std::pair<int, LPCWSTR> probes[] = {{8, L"color 9"}, {9, L"color10"}, {21, L"color241"}};
    for (auto& p : probes)
        EXPECT_STREQ(p.second, Text(p.first));
    EXPECT_EQ(241u, m_combo.GetItemData(21));

    m_combo.SetCurSel(-1);
    EXPECT_EQ(255, m_combo.GetSelectedColorValue());
    EXPECT_STREQ(L"", m_combo.GetSelectedColorName());
    EXPECT_EQ(22, m_sorted.AddColor(L"aaa", 30)); // at the end even when sorting
    m_sorted.SetSelectedColorValue(30);
    EXPECT_EQ(22, m_sorted.GetCurSel());

    EXPECT_EQ(22, m_combo.AddColor(L"seven again", 7));
    m_combo.SetSelectedColorValue(7);
    EXPECT_EQ(22, m_combo.GetCurSel());  // the later one is selected
    EXPECT_TRUE(m_combo.RemoveColor(7)); // the earlier one goes
    EXPECT_STREQ(L"  灰色", Text(6));
    EXPECT_TRUE(m_combo.RemoveColor(L"COLOR10"));
    EXPECT_FALSE(m_combo.RemoveColor(10) || m_combo.RemoveColor(L"none") ||
                 m_combo.RemoveColor((LPCTSTR)NULL));

    CString strLong(L'x', 10000);
    int nEmpty = m_combo.AddColor(L"", -7), nLong = m_combo.AddColor(strLong, 300);
    int nDup = m_combo.AddColor(L"Color11", 256);
    m_combo.SetSelectedColorName(L"COLOR11");
    EXPECT_EQ(nDup, m_combo.GetCurSel()); // the last match
    m_combo.SetSelectedColorName(strLong);
    EXPECT_EQ(strLong, m_combo.GetSelectedColorName());
    m_combo.SetSelectedColorValue(12345);
    EXPECT_EQ(nLong, m_combo.GetCurSel()); // no such index: the selection stays
    m_combo.SetSelectedColorName(L"");
    EXPECT_EQ(-7, m_combo.GetSelectedColorValue());
    EXPECT_EQ(nEmpty, m_combo.GetCurSel());
    EXPECT_EQ(RGB(0, 0, 0), Draw(nLong, 0)->GetPixel(25, 10)); // an index the host does not know
}

// The swatch takes the host's colour at each paint, ends at a quarter of the width and is framed;
// selection, focus and disabled states colour the background, the swatch and the name's ink.
TEST_F(ColorPickerTest, SwatchPixels)
{
    const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW), clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    auto pixels = Draw(0, 0);
    EXPECT_EQ((COLORREF)acedGetRGB(1), pixels->GetPixel(25, 10));
    EXPECT_EQ(RGB(0, 0, 0), pixels->GetPixel(2, 10));
    EXPECT_EQ(RGB(0, 0, 0), pixels->GetPixel(49, 10));
    EXPECT_EQ(clrWindow, pixels->GetPixel(51, 1));
    CSize ext = pixels->GetDC()->GetTextExtent(Text(0));
    CRect rcText(52, 2, 52 + ext.cx, 20), rcAfter(rcText.right + 2, 0, 200, 20);
    EXPECT_GT(pixels->CountColor(rcText, clrText), 0);
    EXPECT_EQ(rcAfter.Width() * rcAfter.Height(), pixels->CountColor(rcAfter, clrWindow));

    m_combo.SetItemData(0, 3); // the host's colour for the item changes
    EXPECT_EQ((COLORREF)acedGetRGB(3), Draw(0, 0)->GetPixel(25, 10));
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), Draw(2, ODS_SELECTED | ODS_FOCUS)->GetPixel(195, 10));
    auto disabled = Draw(2, ODS_DISABLED);
    EXPECT_EQ(::GetSysColor(COLOR_GRAYTEXT), disabled->GetPixel(25, 10));
    EXPECT_EQ(0, disabled->CountColor(rcText, clrText));
    EXPECT_EQ(clrWindow, Draw(-1, 0)->GetPixel(25, 10)); // the empty edit part: background only
}

} // namespace
