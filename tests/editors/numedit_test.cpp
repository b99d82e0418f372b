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

struct FilterCase
{
    const wchar_t* text;
    int caret;
    wchar_t ch;
    bool accepted;
};

// Each rule, at the caret positions where it matters.
TEST_F(NumEditTest, FilterRulesAtTheCaret)
{
    const FilterCase cases[] = {
        // digits anywhere
        {L"", 0, L'0', true},
        {L"12", 1, L'9', true},
        {L"1e5", 3, L'7', true},
        {L"-", 0, L'3', true},
        // minus: leading once, or right after the exponent letter
        {L"", 0, L'-', true},
        {L"12", 0, L'-', true},
        {L"-12", 0, L'-', false},
        {L"12", 1, L'-', false},
        {L"12", 2, L'-', false},
        {L"1e", 2, L'-', true},
        {L"1E", 2, L'-', true},
        {L"1e5", 3, L'-', false},
        {L"1e5", 1, L'-', false},
        // exponent letter: not first, not right after a lone sign, only once
        {L"", 0, L'e', false},
        {L"5", 0, L'E', false},
        {L"5", 1, L'e', true},
        {L"5", 1, L'E', true},
        {L"-", 1, L'e', false},
        {L"-5", 1, L'e', false},
        {L"-5", 2, L'e', true},
        {L"5e1", 3, L'e', false},
        {L"5E1", 1, L'e', false},
        {L"5.", 2, L'E', true},
        // point: once, and never after the exponent letter
        {L"", 0, L'.', true},
        {L"12", 1, L'.', true},
        {L"1.2", 3, L'.', false},
        {L"1e5", 3, L'.', false},
        {L"1e5", 2, L'.', false},
        {L"1e5", 1, L'.', true},
        {L"-", 1, L'.', true},
        // everything else
        {L"1", 1, L'+', false},
        {L"", 0, L'+', false},
        {L"1", 1, L' ', false},
        {L"1", 1, L'x', false},
        {L"1", 1, L',', false},
        {L"1", 1, 0x4E00, false},
    };
    for (const FilterCase& c : cases)
    {
        EXPECT_EQ(c.accepted, Accepts(c.text, c.caret, c.ch))
            << "'" << (char)c.ch << "' at " << c.caret << " in \""
            << std::string(c.text, c.text + wcslen(c.text)) << "\"";
    }
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
    struct
    {
        double value;
        const wchar_t* text;
    } cases[] = {
        {0.5, L"0.5"},
        {1e20, L"1E+20"},
        {0, L"0"},
        {-0.0001, L"-0.0001"},
        {1e-5, L"1E-05"},
        {100000, L"100000"},
        {1e6, L"1E+06"},
        {123456789, L"1.23457E+08"},
        {3.14159265, L"3.14159"},
        {-2.5e-300, L"-2.5E-300"},
        {1.7976931348623157e308, L"1.79769E+308"},
        {12.0, L"12"},
    };
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
    for (double v : {-3.0, 6.0221408e23, -123.4567})
    {
        edit.SetValue(v);
        EXPECT_NEAR(v, edit.GetValue(), std::fabs(v) * 5e-6);
    }
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
