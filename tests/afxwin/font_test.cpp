// The fonts every test and screenshot draws with: Wine's own Tahoma behind the default GUI font
// and the dialog faces, at the height asked for, so that text checks and pictures are the same on
// every machine.
#include <gtest/gtest.h>

#include <vector>

#include "testwin.h"

namespace
{

struct FontFacts
{
    CString face;   // what GetTextFace reports
    CString family; // the family named inside the font file
    CString full;   // the face named inside the font file ("Tahoma Bold")
    int em = 0;     // tmHeight - tmInternalLeading
};

FontFacts Inspect(HFONT hFont)
{
    FontFacts facts;
    qtest::CPixelBuffer buf(4, 4);
    HDC hdc = buf.GetDC()->GetSafeHdc();
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    wchar_t face[LF_FACESIZE] = L"";
    ::GetTextFaceW(hdc, LF_FACESIZE, face);
    facts.face = face;
    TEXTMETRICW tm;
    if (::GetTextMetricsW(hdc, &tm))
        facts.em = tm.tmHeight - tm.tmInternalLeading;
    UINT cb = ::GetOutlineTextMetricsW(hdc, 0, NULL);
    if (cb >= sizeof(OUTLINETEXTMETRICW))
    {
        std::vector<BYTE> data(cb);
        auto* pOtm = reinterpret_cast<OUTLINETEXTMETRICW*>(data.data());
        if (::GetOutlineTextMetricsW(hdc, cb, pOtm))
        {
            facts.family = reinterpret_cast<const wchar_t*>(data.data() + (size_t)pOtm->otmpFamilyName);
            facts.full = reinterpret_cast<const wchar_t*>(data.data() + (size_t)pOtm->otmpFaceName);
        }
    }
    ::SelectObject(hdc, hOld);
    return facts;
}

} // namespace

TEST(FontTest, DefaultGuiFontIsTahomaOfEightPoints)
{
    HFONT hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTW lf;
    ASSERT_EQ((int)sizeof(lf), ::GetObjectW(hFont, sizeof(lf), &lf));
    CClientDC screen(NULL);
    EXPECT_EQ(-::MulDiv(8, screen.GetDeviceCaps(LOGPIXELSY), 72), lf.lfHeight);
    FontFacts facts = Inspect(hFont);
    EXPECT_STREQ(L"Tahoma", facts.family) << "face " << (LPCTSTR)facts.face;
    EXPECT_EQ(-lf.lfHeight, facts.em);
}

// Asked by name, the dialog faces and Tahoma itself are Wine's Tahoma at the requested em height,
// bold from its own bold face (not a thickened regular one); MS Sans Serif is a font of its own.
TEST(FontTest, DialogFacesResolveToTahoma)
{
    const struct
    {
        const wchar_t* request;
        int weight;
        const wchar_t* family;
        const wchar_t* full;
    } cases[] = {
        {L"Tahoma", FW_NORMAL, L"Tahoma", L"Tahoma"},
        {L"Tahoma", FW_BOLD, L"Tahoma", L"Tahoma Bold"},
        {L"MS Shell Dlg", FW_NORMAL, L"Tahoma", L"Tahoma"},
        {L"MS Shell Dlg", FW_BOLD, L"Tahoma", L"Tahoma Bold"},
        {L"MS Shell Dlg 2", FW_NORMAL, L"Tahoma", L"Tahoma"},
    };
    for (const auto& c : cases)
    {
        for (int height : {-11, -16})
        {
            CFont font;
            ASSERT_TRUE(
                font.CreateFont(height, 0, 0, 0, c.weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, c.request));
            FontFacts facts = Inspect(font);
            SCOPED_TRACE(testing::Message() << (LPCTSTR)c.request << " " << c.weight << " " << height
                                            << " (face " << (LPCTSTR)facts.face << ")");
            EXPECT_STREQ(c.family, facts.family);
            EXPECT_STREQ(c.full, facts.full);
            EXPECT_EQ(-height, facts.em);
        }
    }
    CFont sans;
    ASSERT_TRUE(sans.CreatePointFont(80, L"MS Sans Serif"));
    EXPECT_STREQ(L"MS Sans Serif", Inspect(sans).face);
}
