// Key sequences for the editor readers: decoding and sending.
#include "keys.h"

namespace qfuzz
{

std::vector<KeyAction> DecodeKeys(const Bytes& input)
{
    std::vector<KeyAction> out;
    size_t i = 0;
    auto Next = [&]() -> unsigned { return i < input.size() ? (unsigned char)input[i++] : 0; };
    auto Text = [&]()
    {
        size_t n = Next() % 48, begin = i;
        i = std::min(input.size(), i + n);
        return DecodeText(input, begin, i);
    };
    while (i < input.size() && out.size() < 80)
    {
        unsigned b = Next();
        KeyAction act;
        act.kind = KeyAction::Type;
        switch (b)
        {
        case 0x01: act.kind = KeyAction::Back; break;
        case 0x02: act.kind = KeyAction::Delete; break;
        case 0x03: act.kind = KeyAction::Control, act.ch = 0x03; break; // copy
        case 0x04: act.kind = KeyAction::Move, act.vk = VK_LEFT; break;
        case 0x05: act.kind = KeyAction::Move, act.vk = VK_RIGHT; break;
        case 0x06: act.kind = KeyAction::Move, act.vk = VK_HOME; break;
        case 0x07: act.kind = KeyAction::Move, act.vk = VK_END; break;
        case 0x08:
        {
            act.kind = KeyAction::Select;
            unsigned x = Next(), y = Next();
            act.a = x >= 250 ? -1 : (int)(x % 64);
            act.b = y >= 250 ? -1 : (int)(y % 64);
            break;
        }
        case 0x0B: act.kind = KeyAction::Move, act.vk = VK_LEFT, act.shift = true; break;
        case 0x0C: act.kind = KeyAction::Move, act.vk = VK_END, act.shift = true; break;
        case 0x0D: act.kind = KeyAction::Return; break;
        case 0x0E: act.kind = KeyAction::Clipboard, act.text = Text(); break;
        case 0x0F: act.kind = KeyAction::Control, act.ch = 0x16; break; // paste
        case 0x10: act.kind = KeyAction::Control, act.ch = 0x18; break; // cut
        case 0x11: act.kind = KeyAction::Control, act.ch = 0x1A; break; // undo
        case 0x12: act.kind = KeyAction::Control, act.ch = 0x01; break; // select all
        case 0x13: act.kind = KeyAction::SetText, act.text = Text(); break;
        case 0x14: act.kind = KeyAction::SetMask, act.text = Text(); break;
        case 0x1B: act.kind = KeyAction::Escape; break;
        default:
            act.ch = b < 0x80 ? (wchar_t)b : DecodeText(input, i - 1, i)[0];
            if (b >= 0xF0)
                act.ch = (wchar_t)(0xD800 + (b & 0x0F)); // a lone high surrogate
            break;
        }
        out.push_back(act);
    }
    return out;
}

namespace
{
// Shift and Ctrl as the keyboard state shows them. Setting the state is a round trip to the
// window server: it is set only when it changes (every other key leaves both up).
int g_nShift = -1, g_nControl = -1; // -1: not known yet
void SetModifier(int& nState, UINT vk, UINT vkLeft, bool bDown)
{
    if (nState == (int)bDown)
        return;
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[vk] = bDown ? 0x80 : 0;
    keys[vkLeft] = bDown ? 0x80 : 0;
    ::SetKeyboardState(keys);
    nState = bDown;
}
void SetShift(bool bDown)
{
    SetModifier(g_nShift, VK_SHIFT, VK_LSHIFT, bDown);
}
void SetControl(bool bDown)
{
    SetModifier(g_nControl, VK_CONTROL, VK_LCONTROL, bDown);
}

// Key down, the character and key up, as a keyboard and TranslateMessage deliver them; the
// messages go through the window's PreTranslateMessage as the application's pump does.
// Returns whether the window's PreTranslateMessage took the key (translating it itself).
bool Deliver(HWND hWnd, UINT message, WPARAM wParam)
{
    MSG msg = {hWnd, message, wParam, message == WM_KEYUP ? (LPARAM)0xC0000001 : 1, 0, {0, 0}};
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != NULL && message == WM_KEYDOWN && pWnd->PreTranslateMessage(&msg))
        return true;
    if (::IsWindow(hWnd))
        ::SendMessageW(hWnd, message, wParam, msg.lParam);
    return false;
}

// A key with its character: when the window translated the key itself, the character it posted
// is dispatched (as the pump would), otherwise it is sent.
void KeyWithChar(HWND hWnd, UINT vk, wchar_t ch)
{
    if (Deliver(hWnd, WM_KEYDOWN, vk))
    {
        MSG msg;
        while (::PeekMessageW(&msg, NULL, WM_CHAR, WM_CHAR, PM_REMOVE))
            ::DispatchMessageW(&msg);
    }
    else
        Deliver(hWnd, WM_CHAR, ch);
    Deliver(hWnd, WM_KEYUP, vk);
}
} // namespace

void SendAction(HWND hWnd, const KeyAction& act)
{
    SetShift(act.kind == KeyAction::Move && act.shift);
    switch (act.kind)
    {
    case KeyAction::Type: KeyWithChar(hWnd, 'A', act.ch); break;
    case KeyAction::Back: KeyWithChar(hWnd, VK_BACK, 0x08); break;
    case KeyAction::Delete:
        Deliver(hWnd, WM_KEYDOWN, VK_DELETE);
        Deliver(hWnd, WM_KEYUP, VK_DELETE);
        break;
    case KeyAction::Move:
        Deliver(hWnd, WM_KEYDOWN, act.vk);
        Deliver(hWnd, WM_KEYUP, act.vk);
        break;
    case KeyAction::Select: ::SendMessageW(hWnd, EM_SETSEL, (WPARAM)act.a, (LPARAM)act.b); break;
    case KeyAction::Control:
        SetControl(true);
        KeyWithChar(hWnd, 'A' + act.ch - 1, act.ch);
        SetControl(false);
        break;
    case KeyAction::Return: KeyWithChar(hWnd, VK_RETURN, 0x0D); break;
    case KeyAction::Escape: KeyWithChar(hWnd, VK_ESCAPE, 0x1B); break;
    default: break;
    }
}

void ReleaseModifiers()
{
    SetShift(false);
    SetControl(false);
}

std::wstring TextOf(HWND hWnd)
{
    int n = ::GetWindowTextLengthW(hWnd);
    std::wstring s(n + 1, L'\0');
    n = ::GetWindowTextW(hWnd, &s[0], n + 1);
    s.resize(n > 0 ? n : 0);
    return s;
}

std::pair<int, int> SelOf(HWND hWnd)
{
    DWORD s = 0, e = 0;
    ::SendMessageW(hWnd, EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    return {(int)s, (int)e};
}

void PutOnClipboard(HWND hOwner, const std::wstring& text)
{
    if (!::OpenClipboard(hOwner))
        return;
    ::EmptyClipboard();
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (h != NULL)
    {
        memcpy(::GlobalLock(h), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        ::GlobalUnlock(h);
        if (::SetClipboardData(CF_UNICODETEXT, h) == NULL)
            ::GlobalFree(h);
    }
    ::CloseClipboard();
}

} // namespace qfuzz
