// CQNumEdit fed key sequences, each character compared with a model of its rules at the caret:
// digits always; a minus at the start when there is none yet, or right after an exponent letter;
// one exponent letter, not first and not right after a leading minus; one point, not after the
// exponent; nothing else. SetValue's text must read back as the value.
//
// Input: a key sequence (see keys.h); SetText sets a value read from its text.
#include "keys.h"

#include "dialogs/QNumEdit.h"
#include "testwin.h"

#include <cmath>
#include <cwchar>

namespace
{
using qfuzz::KeyAction;
using qfuzz::Mismatch;

bool Accepts(wchar_t c, int p, const std::wstring& t)
{
    if (c >= L'0' && c <= L'9')
        return true;
    bool bExp = t.find_first_of(L"eE") != std::wstring::npos;
    switch (c)
    {
    case L'-':
        if (p == 0)
            return t.empty() || t[0] != L'-';
        return t[p - 1] == L'e' || t[p - 1] == L'E';
    case L'e':
    case L'E': return p != 0 && !(p == 1 && t[0] == L'-') && !bExp;
    case L'.':
        return t.find(L'.') == std::wstring::npos &&
               t.substr(0, p).find_first_of(L"eE") == std::wstring::npos;
    default: return false;
    }
}

class CNumEditReader : public qfuzz::Reader
{
public:
    CNumEditReader() : m_edit(0) {}
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateTop(640, 80, L"numeric edit", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN));
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(4, 4, 630, 30),
                                  &m_parent, 102));
    }
    void TearDown() override
    {
        qfuzz::ReleaseModifiers();
        m_edit.DestroyWindow();
    }
    size_t MaxSize() const override { return 16; }

    std::string Run(const qfuzz::Bytes& input) override
    {
        HWND h = m_edit.GetSafeHwnd();
        ::SetWindowTextW(h, L"");
        m_edit.SetFocus();
        if (::GetFocus() != h)
            return "the edit did not take the focus";
        std::wstring text;
        std::vector<KeyAction> actions = qfuzz::DecodeKeys(input);
        for (size_t n = 0; n < actions.size(); n++)
        {
            const KeyAction& act = actions[n];
            std::pair<int, int> sel = qfuzz::SelOf(h);
            const int s = sel.first, e = sel.second;
            bool bModelled = true;
            std::wstring expected = text;
            switch (act.kind)
            {
            case KeyAction::SetText:
            {
                double d = wcstod(act.text.c_str(), nullptr);
                m_edit.SetValue(d);
                std::wstring shown = qfuzz::TextOf(h);
                double back = m_edit.GetValue();
                if (std::isfinite(d) && std::fabs(back - d) > std::fabs(d) * 1e-5)
                    return Mismatch("SetValue then GetValue", std::to_wstring(d), shown);
                expected = shown;
                break;
            }
            case KeyAction::Type:
                qfuzz::SendAction(h, act);
                // the caret is at the selection's end after a selection or a caret move
                if (Accepts(act.ch, e, text))
                    expected = text.substr(0, s) + act.ch + text.substr(e);
                break;
            case KeyAction::Back:
                qfuzz::SendAction(h, act);
                expected = s < e   ? text.substr(0, s) + text.substr(e)
                           : e > 0 ? text.substr(0, e - 1) + text.substr(e)
                                   : text;
                break;
            case KeyAction::Move:
                if (act.shift)
                    continue; // the caret could end at either end of the selection
                qfuzz::SendAction(h, act);
                break;
            case KeyAction::Select:
                if (act.a > act.b && act.b >= 0)
                    continue; // the caret would be at the start
                qfuzz::SendAction(h, act);
                break;
            case KeyAction::Clipboard: qfuzz::PutOnClipboard(m_parent.GetSafeHwnd(), act.text); break;
            default: // Delete, clipboard keys, undo, Return, Escape: the text may change freely
                qfuzz::SendAction(h, act);
                bModelled = act.kind == KeyAction::Control && act.ch == 0x16; // a typed Ctrl+V is refused
                break;
            }
            std::wstring got = qfuzz::TextOf(h);
            if (bModelled && got != expected)
                return Mismatch(("text after action " + std::to_string(n)).c_str(), expected, got);
            text = got;
        }
        return "";
    }

private:
    qtest::CRecordingWnd m_parent;
    CQNumEdit m_edit;
};

} // namespace

QFUZZ_READER(CNumEditReader, NumEdit)
