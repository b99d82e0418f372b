// The numeric edit through a real edit window: the filter character by character, the caret
// position it reads, and the value's text form.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <random>
#include <regex>
#include "editors_util.h"
#include "dialogs/QNumEdit.h"

using namespace edtest;

namespace
{

class NumEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetHost();
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 300, 34),
                                &Host(), 102));
        h = edit.GetSafeHwnd();
        edit.SetFocus();
    }
    // Puts text and caret, types ch, and tells whether the character went in.
    bool Accepts(const wchar_t* text, int caret, wchar_t ch)
    {
        ::SetWindowTextW(h, text);
        ::SendMessageW(h, EM_SETSEL, caret, caret);
        std::wstring before = TextOf(h);
        TypeChar(h, ch);
        std::wstring after = TextOf(h);
        if (after == before)
            return false;
        std::wstring expected = before;
        expected.insert(caret, 1, ch);
        EXPECT_EQ(expected, after) << "typed '" << (char)ch << "' into \""
                                   << std::string(before.begin(), before.end()) << "\"";
        return true;
    }

    CQNumEdit edit{7};
    HWND h = NULL;
};

// Each rule at the caret positions where it matters: text, caret, characters that go in there and
// characters that are refused. Digits anywhere; minus leading once or right after the exponent
// letter; the exponent letter not first, not after a lone sign, once; the point once and never
// after the exponent letter; nothing else.
TEST_F(NumEditTest, FilterRulesAtTheCaret)
{
    const struct
    {
        const wchar_t* text;
        int caret;
        const wchar_t *accepted, *refused;
    } cases[] = {{L"", 0, L"0-.", L"eE+"}, {L"12", 0, L"-", L""},     {L"12", 1, L"9.", L"-+ x,\x4E00"},
                 {L"12", 2, L"", L"-"},    {L"-12", 0, L"", L"-"},    {L"1e", 2, L"-", L""},
                 {L"1E", 2, L"-", L""},    {L"1e5", 3, L"7", L"-.e"}, {L"1e5", 1, L".", L"-"},
                 {L"1e5", 2, L"", L"."},   {L"5", 0, L"", L"E"},      {L"5", 1, L"eE", L""},
                 {L"-", 1, L"3.", L"e"},   {L"-5", 1, L"", L"e"},     {L"-5", 2, L"e", L""},
                 {L"5E1", 1, L"", L"e"},   {L"5.", 2, L"E", L""},     {L"1.2", 3, L"", L"."}};
    for (const auto& c : cases)
        for (bool bAccepted : {true, false})
            for (const wchar_t* ch = bAccepted ? c.accepted : c.refused; *ch != 0; ++ch)
                EXPECT_EQ(bAccepted, Accepts(c.text, c.caret, *ch))
                    << "'" << (char)*ch << "' at " << c.caret << " in \""
                    << std::string(c.text, c.text + wcslen(c.text)) << "\"";
}

// Random typing, with random caret moves in half of the rounds: typed at the end the text is
// always a prefix of a number; anywhere, it holds at most one point and one exponent letter, never
// starts with the exponent letter and holds nothing but number characters. Backspace is never
// filtered, also where its removal leaves text the filter would refuse.
TEST_F(NumEditTest, RandomTypingKeepsANumber)
{
    std::mt19937 rng(20240611);
    const wchar_t alphabet[] = L"0123456789..eE--+x ";
    const UINT moves[] = {VK_HOME, VK_END, VK_LEFT, VK_RIGHT};
    const std::wregex number(L"-?[0-9]*\\.?[0-9]*([eE]-?[0-9]*)?");
    for (int round = 0; round < 80; ++round)
    {
        bool moving = round % 2 == 1;
        ::SetWindowTextW(h, L"");
        for (int step = 0; step < 25; ++step)
        {
            if (moving && rng() % 3 == 0)
                PressKey(h, moves[rng() % 4]);
            else
                TypeChar(h, alphabet[rng() % (sizeof(alphabet) / sizeof(wchar_t) - 1)]);
            std::wstring t = TextOf(h);
            SCOPED_TRACE(testing::Message() << "round " << round << " step " << step);
            ASSERT_TRUE(moving || std::regex_match(t, number));
            ASSERT_LE(std::count(t.begin(), t.end(), L'.'), 1);
            ASSERT_LE(std::count(t.begin(), t.end(), L'e') + std::count(t.begin(), t.end(), L'E'), 1);
            ASSERT_EQ(std::wstring::npos, t.find_first_not_of(L"0123456789.eE-"));
            ASSERT_TRUE(t.empty() || (t[0] != L'e' && t[0] != L'E'));
        }
    }
    ::SetWindowTextW(h, L"");
    TypeText(h, L"-1e-5");
    for (int i = 0; i < 6; ++i)
        PressCharKey(h, VK_BACK, L'\b');
    EXPECT_EQ(L"", TextOf(h));
}

// The general format: six significant digits, trailing zeros dropped, E with a sign and two
// digits for large and small magnitudes.
TEST_F(NumEditTest, SetValueFormatsLikeGeneralFormat)
{
    const struct
    {
        double value;
        const wchar_t* text;
    } cases[] = {{0.5, L"0.5"},
                 {1e20, L"1E+20"},
                 {-0.0001, L"-0.0001"},
                 {1e-5, L"1E-05"},
                 {100000, L"100000"},
                 {1e6, L"1E+06"},
                 {123456789, L"1.23457E+08"},
                 {12.0, L"12"},
                 {-2.5e-300, L"-2.5E-300"},
                 {1.7976931348623157e308, L"1.79769E+308"}};
    for (const auto& c : cases)
    {
        edit.SetValue(c.value);
        EXPECT_EQ(std::wstring(c.text), TextOf(h)) << c.value;
    }
}

// GetValue reads the run-time's conversion of the text (0 for text that is no number); six
// significant digits survive the round trip.
TEST_F(NumEditTest, GetValueReadsTheText)
{
    struct
    {
        const wchar_t* text;
        double value;
    } cases[] = {{L"1.5e-3", 0.0015}, {L"", 0}, {L"abc", 0}, {L"-", 0}, {L"12abc", 12}, {L".5", 0.5}};
    for (const auto& c : cases)
    {
        ::SetWindowTextW(h, c.text);
        EXPECT_DOUBLE_EQ(c.value, edit.GetValue()) << std::string(c.text, c.text + wcslen(c.text));
    }
    edit.SetValue(-123.4567);
    EXPECT_NEAR(-123.4567, edit.GetValue(), 123.4567 * 5e-6);
}

TEST(NumEditNoWindow, ValueWithoutWindowIsZero)
{
    CQNumEdit edit;
    edit.SetValue(4);
    EXPECT_EQ(0, edit.GetValue());
    EXPECT_STREQ(L"INF", (LPCTSTR)CQNumEdit::FormatValue(HUGE_VAL));
    EXPECT_STREQ(L"-INF", (LPCTSTR)CQNumEdit::FormatValue(-HUGE_VAL));
}

} // namespace
