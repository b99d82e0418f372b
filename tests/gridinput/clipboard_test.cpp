// Clipboard through the real clipboard: the exact bytes a copy leaves, pastes by key and command,
// pastes that reach past the grid's edge, and a huge clipboard text.
#include "input.h"

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

    // nothing selected: no data source and the clipboard stays as it was
    m_pGrid->ResetSelectedRange();
    EXPECT_EQ(nullptr, m_pGrid->CopyTextFromGrid());
    Key('C', false, true);
    EXPECT_EQ(std::string("a\t \n\tb\0", 7), ClipboardText());

    // by the command, one cell: its text converted to the ANSI code page, and the NUL
    m_pGrid->SetItemText(1, 1, L"caf\u00e9 \u4e2d");
    m_pGrid->SetItemState(1, 1, GV_STATE_SELECTED);
    m_pGrid->SendMessage(WM_COMMAND, kCopy, 0);
    char expected[64] = {0};
    int n = ::WideCharToMultiByte(CP_ACP, 0, L"caf\u00e9 \u4e2d", -1, expected, sizeof(expected), NULL, NULL);
    ASSERT_GT(n, 0);
    EXPECT_EQ(std::string(expected, n), ClipboardText());
}

// Ctrl+V and the paste command paste the clipboard's text from the focus cell on (how a text splits
// into cells is checked against a reference reading by the paste reader of test_fuzz): never past
// the grid's edge, and written cells leave the selection.
TEST_F(GridInputTest, KeyAndCommandPasteFromTheFocusCellWithinTheGrid)
{
    m_pGrid->SetItemText(3, 1, L"below");
    SetClipboardBytes(std::string("1\t2\r\n3,4\n") + '\0');
    m_pGrid->SetFocusCell(1, 1);
    Key('V', false, true);
    EXPECT_TRUE(m_pGrid->GetItemText(1, 1) == L"1" && m_pGrid->GetItemText(1, 2) == L"2" &&
                m_pGrid->GetItemText(2, 1) == L"3" && m_pGrid->GetItemText(2, 2) == L"4" &&
                m_pGrid->GetItemText(3, 1) == L"below");
    EXPECT_TRUE(m_pGrid->GetModified());

    m_pGrid->SetItemState(11, 5, GV_STATE_SELECTED);
    m_pGrid->SetItemState(10, 5, GV_STATE_SELECTED);
    m_pGrid->SetFocusCell(10, 5);
    SetClipboardBytes(std::string("p\tq\tr\ns\tt\nu\tv") + '\0');
    m_pGrid->SendMessage(WM_COMMAND, kPaste, 0);
    EXPECT_TRUE(m_pGrid->GetRowCount() == 12 && m_pGrid->GetColumnCount() == 6);
    EXPECT_EQ(CString(L"p"), m_pGrid->GetItemText(10, 5));
    EXPECT_EQ(CString(L"s"), m_pGrid->GetItemText(11, 5));
    EXPECT_EQ(0, m_pGrid->GetSelectedCount());
}

// A block of 4 MB with long lines and many rows (small malformed blocks are the paste reader's).
TEST_F(GridInputTest, AHugeClipboardTextPastesWithoutHarm)
{
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
