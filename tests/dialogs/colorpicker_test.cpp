// The colour picker through real owner-drawn combo boxes: a dialog's control subclassed and one
// the library creates; items, names, selection, and the swatches' pixels with the host's colours.
#include <gtest/gtest.h>
#include "dlgtest.h"
#include "testwin.h"
#include "dialogs/QColorPickerCB.h"

#include <aced.h>

using namespace dlgtest;

namespace
{

const int kComboId = 300;
const DWORD kComboStyle = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL;

struct Entry
{
    int nIndex;
    LPCWSTR lpszName;
};
const Entry kTable[] = {
    {1, L"  红色"},     {2, L"  黄色"},     {3, L"  绿色"},   {4, L"  青色"},   {5, L"  兰色"},
    {6, L"  深红色"},   {7, L"  白色"},     {8, L"  灰色"},   {9, L"color 9"},  {10, L"color10"},
    {11, L"color11"},   {12, L"color12"},   {13, L"color13"}, {14, L"color14"}, {15, L"color15"},
    {16, L"color16"},   {40, L"color40"},   {51, L"color51"}, {85, L"color85"}, {117, L"color117"},
    {182, L"color182"}, {241, L"color241"},
};

class ColorPickerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTemplate tmpl(WS_POPUP | WS_BORDER | WS_VISIBLE, 200, 150);
        tmpl.Add(0x0085, kComboId, kComboStyle, 5, 5, 120, 100);
        tmpl.Add(0x0085, kComboId + 1, kComboStyle | CBS_SORT, 5, 30, 120, 100);
        ASSERT_TRUE(m_dlg.CreateIndirect(tmpl.Get()));
        ASSERT_TRUE(m_combo.SubclassDlgItem(kComboId, &m_dlg));
        ASSERT_TRUE(m_sorted.SubclassDlgItem(kComboId + 1, &m_dlg));
    }
    CString Text(CComboBox& combo, int i)
    {
        CString str;
        combo.GetLBText(i, str);
        return str;
    }
    // Draws item i into a fresh buffer as the combo's owner-draw message does.
    std::unique_ptr<qtest::CPixelBuffer> Draw(int i, UINT nState, int cx = 200, int cy = 20)
    {
        std::unique_ptr<qtest::CPixelBuffer> pixels(new qtest::CPixelBuffer(cx, cy, RGB(1, 2, 3)));
        DRAWITEMSTRUCT dis = {ODT_COMBOBOX,           kComboId,       (UINT)i,
                              ODA_DRAWENTIRE,         nState,         m_combo.m_hWnd,
                              pixels->GetDC()->m_hDC, {0, 0, cx, cy}, i >= 0 ? m_combo.GetItemData(i) : 0};
        m_combo.DrawItem(&dis);
        return pixels;
    }

    CDialog m_dlg;
    CQColorPickerCB m_combo, m_sorted;
};

// A control from a template and one the library creates both hold the table once, in order,
// with the first colour selected.
TEST_F(ColorPickerTest, FreshControlsHoldTheTable)
{
    CQColorPickerCB created;
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE | kComboStyle, CRect(150, 5, 300, 200), &m_dlg, 400));
    for (CQColorPickerCB* pCombo : {&m_combo, &created})
    {
        ASSERT_EQ(22, pCombo->GetCount());
        for (int i = 0; i < 22; i++)
        {
            EXPECT_STREQ(kTable[i].lpszName, Text(*pCombo, i));
            EXPECT_EQ((DWORD_PTR)kTable[i].nIndex, pCombo->GetItemData(i));
        }
        EXPECT_EQ(0, pCombo->GetCurSel());
        EXPECT_EQ(1, pCombo->GetSelectedColorValue());
        EXPECT_STREQ(L"  红色", pCombo->GetSelectedColorName());
    }
    EXPECT_EQ(22, m_sorted.GetCount());
}

// Adding, removing and selecting by index and by name, with odd names and indices.
TEST_F(ColorPickerTest, AddRemoveAndSelect)
{
    m_combo.SetCurSel(-1);
    EXPECT_EQ(255, m_combo.GetSelectedColorValue());
    EXPECT_STREQ(L"", m_combo.GetSelectedColorName());

    EXPECT_EQ(22, m_sorted.AddColor(L"aaa first by name", 30)); // appended even when sorting
    m_sorted.SetSelectedColorValue(30);
    EXPECT_EQ(22, m_sorted.GetCurSel());

    EXPECT_EQ(22, m_combo.AddColor(L"second seven", 7));
    m_combo.SetSelectedColorValue(7);
    EXPECT_EQ(22, m_combo.GetCurSel());  // the later of two
    EXPECT_TRUE(m_combo.RemoveColor(7)); // the earlier one goes
    EXPECT_STREQ(L"  灰色", Text(m_combo, 6));
    EXPECT_TRUE(m_combo.RemoveColor(L"COLOR10"));
    EXPECT_EQ(-1, m_combo.FindStringExact(-1, L"color10"));
    EXPECT_FALSE(m_combo.RemoveColor(10));
    EXPECT_FALSE(m_combo.RemoveColor(L"no such colour"));
    EXPECT_FALSE(m_combo.RemoveColor((LPCTSTR)NULL));

    CString strLong(L'x', 10000);
    int nEmpty = m_combo.AddColor(L"", -7);
    int nLong = m_combo.AddColor(strLong, 300);
    int nDup = m_combo.AddColor(L"Color11", 256);
    m_combo.SetSelectedColorName(L"COLOR11"); // the last match
    EXPECT_EQ(nDup, m_combo.GetCurSel());
    m_combo.SetSelectedColorName(strLong);
    EXPECT_EQ(nLong, m_combo.GetCurSel());
    EXPECT_EQ(strLong, m_combo.GetSelectedColorName());
    m_combo.SetSelectedColorName(L"");
    EXPECT_EQ(nEmpty, m_combo.GetCurSel());
    EXPECT_EQ(-7, m_combo.GetSelectedColorValue());
    m_combo.SetSelectedColorValue(12345); // no match: unchanged
    EXPECT_EQ(nEmpty, m_combo.GetCurSel());
    EXPECT_TRUE(m_combo.RemoveColor(L""));
    m_combo.ResetContent();
    EXPECT_FALSE(m_combo.RemoveColor(1));

    // Indices the host does not know draw a black swatch; drawing the list paints them all.
    m_combo.AddColor(L"out of range", 5000);
    m_combo.ShowDropDown(TRUE);
    Settle();
    m_combo.ShowDropDown(FALSE);
}

// The swatch takes the host's colour at each paint; selection and disabled states change the
// background, the text and the swatch as drawn; the name's ink stays right of the swatch.
TEST_F(ColorPickerTest, SwatchPixels)
{
    const int cx = 200, cy = 20, w = cx / 4;
    auto pixels = Draw(0, 0);
    EXPECT_EQ((COLORREF)acedGetRGB(1), pixels->GetPixel(w / 2, cy / 2));
    EXPECT_EQ(RGB(0, 0, 0), pixels->GetPixel(2, cy / 2));     // the frame
    EXPECT_EQ(RGB(0, 0, 0), pixels->GetPixel(w - 1, cy / 2)); // ends at the absolute w
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), pixels->GetPixel(w + 1, 1));
    CSize ext = pixels->GetDC()->GetTextExtent(Text(m_combo, 0));
    CRect rcRight(w + 2 + ext.cx + 2, 0, cx, cy);
    EXPECT_EQ(rcRight.Width() * rcRight.Height(),
              pixels->CountColor(rcRight, ::GetSysColor(COLOR_WINDOW))); // no ink past the name
    CRect rcText(w + 2, 2, w + 2 + ext.cx, cy);
    EXPECT_GT(pixels->CountColor(rcText, ::GetSysColor(COLOR_WINDOWTEXT)), 0);

    m_combo.SetItemData(0, 3); // the host's colour for the item changes
    EXPECT_EQ((COLORREF)acedGetRGB(3), Draw(0, 0)->GetPixel(w / 2, cy / 2));

    auto selected = Draw(2, ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), selected->GetPixel(cx - 5, cy / 2));
    EXPECT_EQ((COLORREF)acedGetRGB(3), selected->GetPixel(w / 2, cy / 2));

    auto disabled = Draw(2, ODS_DISABLED);
    EXPECT_EQ(::GetSysColor(COLOR_GRAYTEXT), disabled->GetPixel(w / 2, cy / 2));
    EXPECT_EQ(0, disabled->CountColor(rcText, ::GetSysColor(COLOR_WINDOWTEXT)));

    auto empty = Draw(-1, ODS_FOCUS);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), empty->GetPixel(w / 2, cy / 2)); // background only
}

} // namespace
