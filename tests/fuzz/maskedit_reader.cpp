// CQMaskEdit fed key sequences: whatever is typed, deleted, cut, pasted or undone, the window text
// starts with the mask and GetText gives the rest. Typing, Backspace and Delete are also compared
// with a model of the rules: a selection ending inside the mask drops the key, one reaching into
// it is cut back to the mask's end, Backspace right after the mask does nothing.
//
// Input: a key sequence (see keys.h); the mask starts as text taken from the input's hash.
#include "keys.h"

#include "dialogs/QMaskEdit.h"
#include "testwin.h"

namespace
{
using qfuzz::KeyAction;
using qfuzz::Mismatch;

class CMaskEditReader : public qfuzz::Reader
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateTop(640, 80, L"mask edit", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN));
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(4, 4, 630, 30),
                                  &m_parent, 101));
    }
    void TearDown() override
    {
        qfuzz::ReleaseModifiers();
        m_edit.DestroyWindow();
    }
    size_t MaxSize() const override { return 16; }

    std::string Run(const qfuzz::Bytes& input) override
    {
        static const wchar_t* kMasks[] = {L"No.", L"ABCD", L"X", L"编号:", L"a b "};
        HWND h = m_edit.GetSafeHwnd();
        m_edit.SetFocus();
        if (::GetFocus() != h)
            return "the edit did not take the focus";
        std::wstring mask = kMasks[qfuzz::Hash(input) % 5];
        {
            qfuzz::GuardedBuffer g(mask);
            m_edit.SetMaskText(g.Str());
        }
        std::wstring text = qfuzz::TextOf(h);
        if (text != mask)
            return Mismatch("text after SetMaskText", mask, text);

        std::vector<KeyAction> actions = qfuzz::DecodeKeys(input);
        for (size_t n = 0; n < actions.size(); n++)
        {
            const KeyAction& act = actions[n];
            const int m = (int)mask.size();
            std::pair<int, int> sel = qfuzz::SelOf(h);
            const int s = sel.first, e = sel.second;
            bool bModelled = true;
            std::wstring expected = text;
            switch (act.kind)
            {
            case KeyAction::SetText:
            {
                qfuzz::GuardedBuffer g(act.text);
                m_edit.SetText(g.Str());
                expected = mask + act.text.c_str();
                break;
            }
            case KeyAction::SetMask:
            {
                qfuzz::GuardedBuffer g(act.text);
                m_edit.SetMaskText(g.Str());
                if (!act.text.empty() && act.text[0] != 0)
                    mask = expected = act.text.c_str();
                else
                    mask.clear(); // no mask: the text stays
                break;
            }
            case KeyAction::Clipboard: qfuzz::PutOnClipboard(m_parent.GetSafeHwnd(), act.text); break;
            case KeyAction::Type:
                qfuzz::SendAction(h, act);
                if (!qfuzz::Inserts(act.ch))
                    bModelled = false;
                else if (m == 0 || e >= m)
                {
                    int from = std::max(s, m);
                    expected = text.substr(0, from) + act.ch + text.substr(e);
                }
                break;
            case KeyAction::Back:
                qfuzz::SendAction(h, act);
                if (m == 0 || e > m)
                {
                    int from = std::max(s, m);
                    expected = from < e ? text.substr(0, from) + text.substr(e)
                               : e > 0  ? text.substr(0, e - 1) + text.substr(e)
                                        : text;
                }
                break;
            case KeyAction::Delete:
                qfuzz::SendAction(h, act);
                if (m == 0 || e >= m)
                {
                    int from = std::max(s, m);
                    expected = from < e               ? text.substr(0, from) + text.substr(e)
                               : e < (int)text.size() ? text.substr(0, e) + text.substr(e + 1)
                                                      : text;
                }
                break;
            case KeyAction::Move:
            case KeyAction::Select: qfuzz::SendAction(h, act); break;
            default: // clipboard keys, undo, Return, Escape: only the mask is checked
                qfuzz::SendAction(h, act);
                bModelled = false;
                break;
            }
            std::wstring got = qfuzz::TextOf(h);
            if (got.compare(0, mask.size(), mask) != 0)
                return Mismatch(("the mask after action " + std::to_string(n)).c_str(), mask, got);
            if (bModelled && got != expected)
                return Mismatch(("text after action " + std::to_string(n)).c_str(), expected, got);
            CString strRest;
            m_edit.GetText(strRest);
            if (qfuzz::W(strRest) != got.substr(mask.size()))
                return Mismatch("GetText", got.substr(mask.size()), qfuzz::W(strRest));
            text = got;
        }
        return "";
    }

private:
    qtest::CRecordingWnd m_parent;
    CQMaskEdit m_edit;
};

} // namespace

QFUZZ_READER(CMaskEditReader, MaskEdit)
