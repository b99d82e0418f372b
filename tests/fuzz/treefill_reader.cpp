// CTreeMultiColumnCtrl::Fill over any text, compared with a reference reading of the bracketed
// form: pieces end at '(' (the next items are the piece's children), ',' (siblings) or ')' (back
// up one level), an empty piece adds nothing, and a piece's texts after '%' fill columns 1 and 2.
// After Fill the store holds the items in reading order with their parents and texts, and only
// the top-level items have rows; one tree in eight is then opened completely and shows them all.
//
// Input: the text (see DecodeText); it ends at its first NUL, as the tree reads it.
#include "fuzz.h"

#include "listtree/TreeMultiColumnCtrl.h"
#include "testwin.h"

#include <commctrl.h>

namespace
{
using qfuzz::Mismatch;
using qfuzz::W;

const int kColumns = 3;

struct RefItem
{
    std::wstring texts[kColumns];
    int nParent;
};

std::vector<RefItem> RefFill(const std::wstring& text)
{
    std::vector<RefItem> items;
    auto Add = [&](const std::wstring& s, int nParent)
    {
        if (s.empty())
            return nParent;
        RefItem item;
        item.nParent = nParent;
        size_t start = 0;
        for (int c = 0; c < kColumns; c++)
        {
            size_t pct = s.find(L'%', start);
            item.texts[c] = s.substr(start, pct == std::wstring::npos ? pct : pct - start);
            if (pct == std::wstring::npos)
                break;
            start = pct + 1;
        }
        items.push_back(item);
        return (int)items.size() - 1;
    };
    int nParent = -1;
    size_t p = 0;
    for (;;)
    {
        size_t q = text.find_first_of(L"(,)", p);
        if (q == std::wstring::npos)
        {
            Add(text.substr(p), nParent);
            return items;
        }
        int nId = Add(text.substr(p, q - p), nParent);
        if (text[q] == L'(')
            nParent = nId;
        else if (text[q] == L')')
            nParent = nParent >= 0 ? items[nParent].nParent : -1;
        p = q + 1;
    }
}

class CTreeFillReader : public qfuzz::Reader
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateTop(480, 320, L"tree fill", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN));
        HWND hList = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 460,
                                       300, m_host.GetSafeHwnd(), (HMENU)400, NULL, NULL);
        ASSERT_TRUE(hList != NULL && m_tree.SubclassWindow(hList));
        m_tree.InsertColumn(0, L"Tag", LVCFMT_LEFT, 200);
        m_tree.InsertColumn(1, L"Description", LVCFMT_LEFT, 150, 1);
        m_tree.InsertColumn(2, L"Size", LVCFMT_LEFT, 100, 2);
        m_pStore = (CListCtrl*)CWnd::FromHandle(::GetDlgItem(m_tree.GetSafeHwnd(), 0x1111));
        ASSERT_TRUE(m_pStore != nullptr);
    }
    void TearDown() override { m_tree.DestroyWindow(); }
    size_t MaxSize() const override { return 300; }

    std::string Run(const qfuzz::Bytes& input) override
    {
        std::wstring text = qfuzz::DecodeText(input, 0, input.size());
        qfuzz::GuardedBuffer g(text);
        text = text.c_str();
        if (m_tree.Fill(g.Str()) != 1)
            return "Fill failed";

        std::vector<RefItem> ref = RefFill(text);
        if (m_tree.GetItemCount() != (int)ref.size())
            return Mismatch("items", (long long)ref.size(), m_tree.GetItemCount());
        std::vector<int> top;
        for (int id = 0; id < (int)ref.size(); id++)
        {
            if (m_tree.GetItemParent(id) != ref[id].nParent)
                return Mismatch(("parent of item " + std::to_string(id)).c_str(), ref[id].nParent,
                                m_tree.GetItemParent(id));
            for (int c = 0; c < kColumns; c++)
                if (W(m_pStore->GetItemText(id, c)) != ref[id].texts[c])
                    return Mismatch(("text of item " + std::to_string(id)).c_str(), ref[id].texts[c],
                                    W(m_pStore->GetItemText(id, c)));
            if (ref[id].nParent < 0)
                top.push_back(id);
        }
        if (Shown() != top)
            return Mismatch("rows shown after Fill", (long long)top.size(), (long long)Shown().size());
        if (qfuzz::Hash(input) % 8 == 0)
        {
            for (int id : top)
                m_tree.RecExpandItems(id);
            if (Shown().size() != ref.size())
                return Mismatch("rows shown when all is open", (long long)ref.size(),
                                (long long)Shown().size());
        }
        return "";
    }

private:
    // The item ids of the shown rows, top down.
    std::vector<int> Shown()
    {
        std::vector<int> ids;
        LVITEMW item = {};
        item.mask = LVIF_PARAM;
        for (item.iItem = 0; m_tree.GetItem(&item); item.iItem++)
            ids.push_back((int)item.lParam);
        return ids;
    }

    qtest::CRecordingWnd m_host;
    CTreeMultiColumnCtrl m_tree;
    CListCtrl* m_pStore = nullptr;
};

} // namespace

QFUZZ_READER(CTreeFillReader, TreeFill)
