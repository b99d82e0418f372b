// CQInPlaceLIstEdit over a list view, fed key sequences: the number kinds are compared with a
// model of their rules at the caret (digits; one point for decimals; a sign only first and only
// once), kinds beyond 2 take no character, the window grows but stays inside the list, and
// Return or Escape (the keys, or their characters alone) ends the edit with one end-of-label-edit
// notification carrying the text, or none after Escape.
//
// Input: a key sequence (see keys.h); the kind, multi-line style and initial text come from the
// input's hash.
#include "keys.h"

#include "grid/QInPlaceListEdit.h"
#include "testwin.h"

#include <commctrl.h>

namespace
{
using qfuzz::KeyAction;
using qfuzz::Mismatch;

bool Accepts(UINT nKind, wchar_t c, int p, const std::wstring& t)
{
    if (c >= L'0' && c <= L'9')
        return true;
    if (c == L'.')
        return nKind == 1 && t.find(L'.') == std::wstring::npos;
    if (c == L'+' || c == L'-')
        return p == 0 && (t.empty() || (t[0] != L'+' && t[0] != L'-'));
    return false;
}

// The list's owner: records the end-of-label-edit notifications with their texts.
class COwnerWnd : public qtest::CRecordingWnd
{
public:
    struct End
    {
        bool bText;
        std::wstring text;
        int iItem, iSubItem;
    };
    std::vector<End> ends;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_ENDLABELEDITW)
        {
            const NMLVDISPINFOW* p = reinterpret_cast<NMLVDISPINFOW*>(lParam);
            ends.push_back({p->item.pszText != NULL,
                            p->item.pszText != NULL ? std::wstring(p->item.pszText, p->item.cchTextMax) : L"",
                            p->item.iItem, p->item.iSubItem});
        }
        return qtest::CRecordingWnd::WindowProc(message, wParam, lParam);
    }
};

class CListEditReader : public qfuzz::Reader
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateTop(400, 300, L"list edit", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN));
        ASSERT_TRUE(m_list.CreateEx(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT,
                                    CRect(0, 0, 390, 290), &m_owner, 7));
    }
    void TearDown() override
    {
        qfuzz::ReleaseModifiers();
        m_list.DestroyWindow();
    }
    size_t MaxSize() const override { return 16; }

    std::string Run(const qfuzz::Bytes& input) override
    {
        uint64_t hash = qfuzz::Hash(input);
        static const UINT kKinds[] = {0, 1, 2, 7};
        const UINT nKind = kKinds[hash % 4];
        const bool bMulti = (hash >> 8) % 3 == 0;
        static const wchar_t* kInitial[] = {L"", L"12", L"-3.5", L"text", L"+0"};
        std::wstring initial = kInitial[(hash >> 16) % 5];
        const int iItem = (int)((hash >> 24) % 5) - 1, iSubItem = (int)((hash >> 32) % 3);

        m_owner.ends.clear();
        qfuzz::GuardedBuffer gInitial(initial);
        CQInPlaceLIstEdit edit(iItem, iSubItem, gInitial.Str(), nKind);
        // a multi-line editor scrolls as it fills, so that typing is never refused for want of room
        DWORD dwStyle =
            WS_CHILD | WS_VISIBLE | WS_BORDER | (bMulti ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL);
        if (!edit.Create(dwStyle, CRect(10, 20, 120, 40), &m_list, 55))
            return "the editor was not created";
        std::string strWrong = Type(edit, input, nKind, initial);
        edit.DestroyWindow(); // losing the focus ends an edit that Return or Escape did not end
        if (!strWrong.empty())
            return strWrong;
        if (m_owner.ends.size() != 1)
            return Mismatch("end-of-edit notifications", 1, (long long)m_owner.ends.size());
        for (const COwnerWnd::End& end : m_owner.ends)
            if (end.iItem != iItem || end.iSubItem != iSubItem)
                return Mismatch("notified item", iItem, end.iItem);
        return "";
    }

private:
    // After Return or Escape: the editor gave the focus back to the list, the edit has ended with
    // one notification, with the text after Return and none after Escape.
    std::string Ended(HWND h, bool bText)
    {
        if (m_owner.ends.size() != 1)
            return Mismatch("notifications after Return or Escape", 1, (long long)m_owner.ends.size());
        const COwnerWnd::End& end = m_owner.ends[0];
        if (end.bText != bText || (bText && end.text != qfuzz::TextOf(h)))
            return Mismatch("notified text", bText ? qfuzz::TextOf(h) : L"(none)",
                            end.bText ? end.text : L"(none)");
        return "";
    }

    std::string Type(CQInPlaceLIstEdit& edit, const qfuzz::Bytes& input, UINT nKind,
                     const std::wstring& initial)
    {
        HWND h = edit.GetSafeHwnd();
        if (::GetFocus() != h)
            return "the editor did not take the focus";
        std::wstring text = qfuzz::TextOf(h);
        if (text != initial)
            return Mismatch("initial text", initial, text);
        CRect rcList;
        m_list.GetClientRect(&rcList);
        std::vector<KeyAction> actions = qfuzz::DecodeKeys(input);
        for (size_t n = 0; n < actions.size(); n++)
        {
            const KeyAction& act = actions[n];
            std::pair<int, int> sel = qfuzz::SelOf(h);
            const int s = sel.first, e = sel.second;
            bool bModelled = nKind != 0;
            std::wstring expected = text;
            switch (act.kind)
            {
            case KeyAction::Type:
                qfuzz::SendAction(h, act);
                if (act.ch == L'\r' || act.ch == 0x1B) // the character alone ends the edit too
                    return Ended(h, act.ch == L'\r');
                {
                    // the edit control refuses a character that would pass its length limit
                    const bool bFits =
                        text.size() - (size_t)(e - s) < (size_t)::SendMessageW(h, EM_GETLIMITTEXT, 0, 0);
                    if (nKind == 0)
                        bModelled = qfuzz::Inserts(act.ch);
                    if (bFits && (nKind == 0 ? bModelled : nKind <= 2 && Accepts(nKind, act.ch, e, text)))
                        expected = text.substr(0, s) + act.ch + text.substr(e);
                }
                break;
            case KeyAction::Return:
            case KeyAction::Escape: qfuzz::SendAction(h, act); return Ended(h, act.kind == KeyAction::Return);
            case KeyAction::Move:
                if (act.shift)
                    continue;
                qfuzz::SendAction(h, act);
                break;
            case KeyAction::Select:
                if (act.a > act.b && act.b >= 0)
                    continue;
                qfuzz::SendAction(h, act);
                break;
            case KeyAction::Clipboard: qfuzz::PutOnClipboard(m_owner.GetSafeHwnd(), act.text); break;
            case KeyAction::Back: // a character too: the number kinds and the others refuse it
                qfuzz::SendAction(h, act);
                bModelled = true;
                if (nKind == 0)
                {
                    // a line break of a multi-line editor goes as one: CR and LF together
                    const int nBack = e >= 2 && text.compare((size_t)e - 2, 2, L"\r\n") == 0 ? 2 : 1;
                    expected = s < e   ? text.substr(0, s) + text.substr(e)
                               : e > 0 ? text.substr(0, e - nBack) + text.substr(e)
                                       : text;
                }
                break;
            default: // Delete, clipboard keys, SetText, SetMask
                qfuzz::SendAction(h, act);
                bModelled = false;
                break;
            }
            std::wstring got = qfuzz::TextOf(h);
            if (bModelled && got != expected)
                return Mismatch(("text after action " + std::to_string(n)).c_str(), expected, got);
            text = got;
            CRect rc;
            edit.GetWindowRect(&rc);
            m_list.ScreenToClient(&rc);
            if (rc.right > std::max(120L, rcList.right - 2L) || rc.bottom > std::max(40L, rcList.bottom - 2L))
                return Mismatch("the editor grew out of the list (right)", rcList.right - 2, rc.right);
        }
        return "";
    }

    COwnerWnd m_owner;
    CWnd m_list;
};

} // namespace

QFUZZ_READER(CListEditReader, ListEdit)
