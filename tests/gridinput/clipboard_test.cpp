// Clipboard through the real clipboard: the exact bytes a copy leaves, pastes of tab-, comma- and
// CR LF-separated text, pastes that reach past the grid's edge, and malformed or huge clipboard
// texts.
#include "input.h"

#include <random>
#include <tuple>

namespace
{
// The clipboard's CF_TEXT bytes up to and including the first NUL ("<none>" without text).
std::string ClipboardText()
{
    std::string out = "<none>";
    if (!::OpenClipboard(NULL))
        return "<busy>";
    if (HANDLE h = ::GetClipboardData(CF_TEXT))
    {
        const char* p = (const char*)::GlobalLock(h);
        SIZE_T n = ::GlobalSize(h);
        if (p)
        {
            const char* nul = (const char*)memchr(p, 0, n);
            out = nul ? std::string(p, nul - p + 1) : std::string(p, n) + "<no NUL>";
            ::GlobalUnlock(h);
        }
    }
    ::CloseClipboard();
    return out;
}

// Puts bytes on the clipboard as CF_TEXT exactly as given (no NUL is added).
void SetClipboardBytes(const std::string& bytes)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size() ? bytes.size() : 1);
    memcpy(::GlobalLock(h), bytes.data(), bytes.size());
    ::GlobalUnlock(h);
    ::SetClipboardData(CF_TEXT, h);
    ::CloseClipboard();
}

void SetClipboardString(const char* text)
{
    SetClipboardBytes(std::string(text, strlen(text) + 1));
}

const UINT kCopy = 0xE122, kPaste = 0xE125;
} // namespace

TEST_F(GridInputTest, CopyGivesTabsSpacesForEmptySelectedCellsLineFeedsAndANul)
{
    m_pGrid->SetItemText(1, 1, L"a");
    m_pGrid->SetItemText(2, 1, L"unselected");
    m_pGrid->SetItemText(2, 2, L"b");
    m_pGrid->SetItemState(1, 1, GV_STATE_SELECTED);
    m_pGrid->SetItemState(1, 2, GV_STATE_SELECTED);
    m_pGrid->SetItemState(2, 2, GV_STATE_SELECTED);
    m_pGrid->SetFocusCell(1, 1);
    Key('C', false, true);
    EXPECT_EQ(std::string("a\t \n\tb\0", 7), ClipboardText());

    // one cell: its text and the NUL
    m_pGrid->ResetSelectedRange();
    m_pGrid->SetItemText(3, 3, L"x");
    m_pGrid->SetItemState(3, 3, GV_STATE_SELECTED);
    m_pGrid->SendMessage(WM_COMMAND, kCopy, 0);
    EXPECT_EQ(std::string("x\0", 2), ClipboardText());

    // nothing selected: no data source and the clipboard stays as it was
    m_pGrid->ResetSelectedRange();
    EXPECT_EQ(nullptr, m_pGrid->CopyTextFromGrid());
    Key('C', false, true);
    EXPECT_EQ(std::string("x\0", 2), ClipboardText());

    // texts are converted to the ANSI code page
    m_pGrid->SetItemText(1, 1, L"caf\u00e9 \u4e2d");
    m_pGrid->SetItemState(1, 1, GV_STATE_SELECTED);
    m_pGrid->SendMessage(WM_COMMAND, kCopy, 0);
    char expected[64] = {0};
    int n = ::WideCharToMultiByte(CP_ACP, 0, L"caf\u00e9 \u4e2d", -1, expected, sizeof(expected), NULL, NULL);
    ASSERT_GT(n, 0);
    EXPECT_EQ(std::string(expected, n), ClipboardText());
}

TEST_F(GridInputTest, PasteSplitsAtTabsCommasAndLineEndsAndTrims)
{
    m_pGrid->SetItemText(4, 2, L"kept?");
    m_pGrid->SetItemText(6, 1, L"old");
    m_pGrid->SetItemText(8, 1, L"below");
    const struct
    {
        const char* clip;
        int row, col;
        std::vector<std::tuple<int, int, const wchar_t*>> cells; // what the cells hold afterwards
    } cases[] = {
        {"1\t2\r\n3\t4", 1, 1, {{1, 1, L"1"}, {1, 2, L"2"}, {2, 1, L"3"}, {2, 2, L"4"}}},
        {"a,b", 3, 1, {{3, 1, L"a"}, {3, 2, L"b"}}},
        {"a\t\tb", 4, 1, {{4, 1, L"a"}, {4, 2, L"b"}, {4, 3, L""}}}, // runs of delimiters count as one
        // an empty line between empties its first cell; a trailing line feed writes nothing
        {"x\n\ny\n", 5, 1, {{5, 1, L"x"}, {6, 1, L""}, {7, 1, L"y"}, {8, 1, L"below"}}},
        {"  padded \t\v tab\r", 9, 1, {{9, 1, L"padded"}, {9, 2, L"tab"}}}, // surrounding white space goes
    };
    bool bCommand = false;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.clip);
        SetClipboardString(c.clip);
        m_pGrid->SetFocusCell(c.row, c.col);
        if ((bCommand = !bCommand)) // by the key and by the command in turn
            Key('V', false, true);
        else
            m_pGrid->SendMessage(WM_COMMAND, kPaste, 0);
        for (const auto& cell : c.cells)
            EXPECT_EQ(CString(std::get<2>(cell)), m_pGrid->GetItemText(std::get<0>(cell), std::get<1>(cell)))
                << std::get<0>(cell) << "," << std::get<1>(cell);
    }
    EXPECT_TRUE(m_pGrid->GetModified());

    // never past the grid's edge; written cells leave the selection
    m_pGrid->SetItemState(11, 5, GV_STATE_SELECTED);
    m_pGrid->SetItemState(10, 5, GV_STATE_SELECTED);
    m_pGrid->SetFocusCell(10, 5);
    SetClipboardString("p\tq\tr\ns\tt\nu\tv");
    Key('V', false, true);
    EXPECT_TRUE(m_pGrid->GetRowCount() == 12 && m_pGrid->GetColumnCount() == 6);
    EXPECT_EQ(CString(L"p"), m_pGrid->GetItemText(10, 5));
    EXPECT_EQ(CString(L"s"), m_pGrid->GetItemText(11, 5));
    EXPECT_EQ(0, m_pGrid->GetSelectedCount());
}

TEST_F(GridInputTest, MalformedAndHugeClipboardTextsPasteWithoutHarm)
{
    m_pGrid->SetFocusCell(1, 1);
    // no NUL at all
    SetClipboardBytes("abc\tdef");
    Key('V', false, true);
    EXPECT_EQ(CString(L"abc"), m_pGrid->GetItemText(1, 1));
    // only delimiters, only NULs, an empty block
    SetClipboardBytes("\t\t,,\n\n\n");
    Key('V', false, true);
    SetClipboardBytes(std::string(64, '\0'));
    Key('V', false, true);
    SetClipboardBytes("");
    Key('V', false, true);
    // text after the first NUL is ignored
    SetClipboardBytes(std::string("left\0right", 10));
    m_pGrid->SetFocusCell(11, 4);
    Key('V', false, true);
    EXPECT_EQ(CString(L"left"), m_pGrid->GetItemText(11, 4));
    EXPECT_EQ(CString(L""), m_pGrid->GetItemText(11, 5));

    // random bytes, high ones included, and a block of 4 MB with long lines and many rows
    std::mt19937 rng(20261205);
    const char alphabet[] = "ab \t,\n\r\x80\xff\xe4";
    for (int round = 0; round < 20; round++)
    {
        std::string bytes(1 + rng() % 3000, 'x');
        for (char& c : bytes)
            c = (rng() % 4 == 0) ? (char)(rng() % 256) : alphabet[rng() % (sizeof(alphabet) - 1)];
        SetClipboardBytes(bytes);
        m_pGrid->SetFocusCell(1 + rng() % 11, 1 + rng() % 5);
        Key('V', false, true);
    }
    std::string huge;
    huge.reserve(4 << 20);
    while (huge.size() < (4u << 20))
        huge += std::string(5000, 'w') + "\t" + std::to_string(huge.size()) + ",z\n";
    SetClipboardBytes(huge + '\0');
    m_pGrid->SetFocusCell(1, 1);
    Key('V', false, true);
    EXPECT_EQ(5000, m_pGrid->GetItemText(1, 1).GetLength());
    EXPECT_EQ(CString(L"0"), m_pGrid->GetItemText(1, 2));
    EXPECT_EQ(CString(L"z"), m_pGrid->GetItemText(1, 3));
    EXPECT_EQ(12, m_pGrid->GetRowCount());
}
