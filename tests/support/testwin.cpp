// Shared test helpers: recording parent window, message pumping, user-input messages,
// message-box watcher, pixel capture.
#include "testwin.h"

namespace qtest
{

// ---------------------------------------------------------------------------------------------
// CRecordingWnd

CRecordingWnd::CRecordingWnd() {}

CRecordingWnd::~CRecordingWnd()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CRecordingWnd::CreateTop(int cx, int cy, LPCTSTR lpszTitle, DWORD dwStyle)
{
    CRect rc(0, 0, cx, cy);
    ::AdjustWindowRectEx(&rc, dwStyle, FALSE, 0);
    LPCTSTR lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(NULL, (LPCWSTR)IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    return CreateEx(0, lpszClass, lpszTitle, dwStyle, 20, 20, rc.Width(), rc.Height(), NULL, NULL);
}

void CRecordingWnd::LogMessage(UINT message)
{
    m_logged.push_back(message);
}
void CRecordingWnd::SetNotifyResult(UINT code, LRESULT lResult)
{
    m_notifyResult[code] = lResult;
}

// How many bytes from p can be read, up to nMax (the record's size is not known).
static size_t ReadableBytes(const void* p, size_t nMax)
{
    MEMORY_BASIC_INFORMATION mbi;
    if (p == NULL || ::VirtualQuery(p, &mbi, sizeof(mbi)) == 0 || mbi.State != MEM_COMMIT)
        return 0;
    if (mbi.Protect & (PAGE_NOACCESS | PAGE_GUARD))
        return 0;
    size_t nAvail = (size_t)((const BYTE*)mbi.BaseAddress + mbi.RegionSize - (const BYTE*)p);
    return nAvail < nMax ? nAvail : nMax;
}

LRESULT CRecordingWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY && lParam != 0)
    {
        const NMHDR* pHdr = (const NMHDR*)lParam;
        LoggedMsg m;
        m.message = message;
        m.code = pHdr->code;
        m.id = pHdr->idFrom;
        m.hwndFrom = pHdr->hwndFrom;
        m.wParam = wParam;
        m.lParam = lParam;
        m.record.assign((const BYTE*)pHdr, (const BYTE*)pHdr + ReadableBytes(pHdr, 512));
        m_log.push_back(m);
        auto itResult = m_notifyResult.find(pHdr->code);
        if (itResult != m_notifyResult.end())
            return itResult->second;
    }
    else if (message == WM_COMMAND)
    {
        LoggedMsg m;
        m.message = message;
        m.code = HIWORD(wParam);
        m.id = LOWORD(wParam);
        m.hwndFrom = (HWND)lParam;
        m.wParam = wParam;
        m.lParam = lParam;
        m_log.push_back(m);
    }
    else
    {
        for (UINT logged : m_logged)
        {
            if (logged == message)
            {
                LoggedMsg m;
                m.message = message;
                m.wParam = wParam;
                m.lParam = lParam;
                m_log.push_back(m);
                break;
            }
        }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

size_t CRecordingWnd::Count(UINT message, UINT code, bool bAnyCode) const
{
    size_t n = 0;
    for (const LoggedMsg& m : m_log)
        if (m.message == message && (bAnyCode || m.code == code))
            ++n;
    return n;
}

static CString DescribeOne(const LoggedMsg& m)
{
    CString s;
    if (m.message == WM_NOTIFY)
        s.Format(L"WM_NOTIFY code %d id %u from %p", (int)m.code, (unsigned)m.id, (void*)m.hwndFrom);
    else if (m.message == WM_COMMAND)
        s.Format(L"WM_COMMAND code %u id %u from %p", m.code, (unsigned)m.id, (void*)m.hwndFrom);
    else
        s.Format(L"msg 0x%04x wParam 0x%Ix lParam 0x%Ix", m.message, (size_t)m.wParam, (size_t)m.lParam);
    return s;
}

CString CRecordingWnd::Describe() const
{
    CString s;
    for (size_t i = 0; i < m_log.size(); ++i)
    {
        CString line;
        line.Format(L"  %u: %s\n", (unsigned)i, (LPCTSTR)DescribeOne(m_log[i]));
        s += line;
    }
    if (m_log.empty())
        s = L"  (nothing)\n";
    return s;
}

static bool EntryMatches(const ExpectedMsg& e, const LoggedMsg& m)
{
    UINT flags = e.flags & ~kOptional;
    if ((e.flags & ~kOptional) == 0)
        flags = kDefault;
    if (e.message != m.message)
        return false;
    if ((flags & kMatchCode) && e.code != m.code)
        return false;
    if ((flags & kMatchId) && e.id != m.id)
        return false;
    if ((flags & kMatchWParam) && e.wParam != m.wParam)
        return false;
    if ((flags & kMatchLParam) && e.lParam != m.lParam)
        return false;
    return true;
}

::testing::AssertionResult CRecordingWnd::Matches(const ExpectedMsg* pExpected, size_t nCount,
                                                  const char* pszContext)
{
    size_t iLog = 0;
    CString strError;
    for (size_t iExp = 0; iExp < nCount && strError.IsEmpty(); ++iExp)
    {
        const ExpectedMsg& e = pExpected[iExp];
        if (iLog < m_log.size() && EntryMatches(e, m_log[iLog]))
        {
            ++iLog;
        }
        else if (!(e.flags & kOptional))
        {
            strError.Format(L"expected #%u (msg 0x%04x code %d id %u) but got %s", (unsigned)iExp, e.message,
                            (int)e.code, (unsigned)e.id,
                            iLog < m_log.size() ? (LPCTSTR)DescribeOne(m_log[iLog]) : L"nothing more");
        }
    }
    if (strError.IsEmpty() && iLog < m_log.size())
        strError.Format(L"unexpected extra message %s", (LPCTSTR)DescribeOne(m_log[iLog]));
    CString strLog = Describe();
    Flush();
    if (strError.IsEmpty())
        return ::testing::AssertionSuccess();
    CString strAll;
    strAll.Format(L"%hs: %s\nreceived:\n%s", pszContext ? pszContext : "", (LPCTSTR)strError,
                  (LPCTSTR)strLog);
    char buf[8192];
    ::WideCharToMultiByte(CP_UTF8, 0, strAll, -1, buf, sizeof(buf), NULL, NULL);
    buf[sizeof(buf) - 1] = 0;
    return ::testing::AssertionFailure() << buf;
}

// ---------------------------------------------------------------------------------------------
// Messages and input

int PumpMessages(int nMax)
{
    MSG msg;
    int n = 0;
    while (n < nMax && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ++n;
        if (msg.message == WM_QUIT)
            continue;
        CWinThread* pThread = AfxGetThread();
        if (pThread == NULL || !pThread->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return n;
}

void RunIdle()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread == NULL)
        return;
    for (LONG lCount = 0; lCount < 10 && pThread->OnIdle(lCount); ++lCount)
    {
    }
}

// Dispatches pending messages like PumpMessages but drops pointer moves to the window that has the
// capture: those of the real pointer (a window shown or hidden under it) mean nothing to a test.
// Returns how many came.
static int PumpExceptMoves()
{
    MSG msg;
    int n = 0;
    while (n < 1000 && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ++n;
        if (msg.message == WM_QUIT || (msg.message == WM_MOUSEMOVE && msg.hwnd == ::GetCapture()))
            continue;
        CWinThread* pThread = AfxGetThread();
        if (pThread == NULL || !pThread->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return n;
}

void SettleMessages()
{
    const DWORD dwStart = ::GetTickCount();
    int nQuiet = 0;
    while (nQuiet < 3 && ::GetTickCount() - dwStart < 1000)
    {
        // A pointer query makes Wine talk to the X server and read the events it has sent.
        POINT pt;
        ::GetCursorPos(&pt);
        bool bAny = PumpExceptMoves() > 0;
        if (::MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT) == WAIT_OBJECT_0)
            bAny = PumpExceptMoves() > 0 || bAny;
        nQuiet = bAny ? 0 : nQuiet + 1;
    }
}

bool TakeFocus(HWND hTop, HWND hFocus)
{
    if (hFocus == NULL)
        hFocus = hTop;
    for (int nTry = 0; nTry < 5; ++nTry)
    {
        SettleMessages();
        ::SetForegroundWindow(hTop);
        ::SetFocus(hFocus);
        SettleMessages();
        if (::GetFocus() == hFocus && ::GetForegroundWindow() == hTop)
            return true;
    }
    return false;
}

void SendClick(HWND hWnd, POINT pt, UINT nFlags)
{
    LPARAM lParam = MAKELPARAM(pt.x, pt.y);
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON | nFlags, lParam);
    ::SendMessageW(hWnd, WM_LBUTTONUP, nFlags, lParam);
}

void SendDblClick(HWND hWnd, POINT pt, UINT nFlags)
{
    LPARAM lParam = MAKELPARAM(pt.x, pt.y);
    SendClick(hWnd, pt, nFlags);
    ::SendMessageW(hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON | nFlags, lParam);
    ::SendMessageW(hWnd, WM_LBUTTONUP, nFlags, lParam);
}

void SendKey(HWND hWnd, UINT nVirtKey, UINT nRepeat)
{
    UINT nScan = ::MapVirtualKeyW(nVirtKey, 0 /* MAPVK_VK_TO_VSC */);
    LPARAM lDown = (LPARAM)((nRepeat & 0xFFFF) | (nScan << 16));
    LPARAM lUp = (LPARAM)(1 | (nScan << 16) | (1u << 30) | (1u << 31));
    ::SendMessageW(hWnd, WM_KEYDOWN, nVirtKey, lDown);
    ::SendMessageW(hWnd, WM_KEYUP, nVirtKey, lUp);
}

void SendChar(HWND hWnd, wchar_t ch)
{
    ::SendMessageW(hWnd, WM_CHAR, (WPARAM)ch, 1);
}

// ---------------------------------------------------------------------------------------------
// CMessageBoxWatcher

namespace
{
thread_local CMessageBoxWatcher* t_pWatcher = NULL;
}

CMessageBoxWatcher::CMessageBoxWatcher(int nReply) : m_hHook(NULL), m_nReply(nReply), m_pPrevious(t_pWatcher)
{
    t_pWatcher = this;
    m_hHook = ::SetWindowsHookExW(WH_CBT, HookProc, NULL, ::GetCurrentThreadId());
}

CMessageBoxWatcher::~CMessageBoxWatcher()
{
    if (m_hHook != NULL)
        ::UnhookWindowsHookEx(m_hHook);
    t_pWatcher = m_pPrevious;
}

LRESULT CALLBACK CMessageBoxWatcher::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CMessageBoxWatcher* pThis = t_pWatcher;
    if (pThis != NULL && nCode == HCBT_ACTIVATE)
    {
        HWND hWnd = (HWND)wParam;
        wchar_t szClass[16] = L"";
        ::GetClassNameW(hWnd, szClass, 16);
        bool bSeen = false;
        for (HWND h : pThis->m_seen)
            bSeen = bSeen || h == hWnd;
        // A message box: the dialog class with the text control 0xFFFF.
        if (!bSeen && wcscmp(szClass, L"#32770") == 0 && ::GetDlgItem(hWnd, 0xFFFF) != NULL)
        {
            pThis->m_seen.push_back(hWnd);
            wchar_t szText[1024] = L"", szCaption[256] = L"";
            ::GetDlgItemTextW(hWnd, 0xFFFF, szText, 1024);
            ::GetWindowTextW(hWnd, szCaption, 256);
            pThis->m_texts.push_back(szText);
            pThis->m_captions.push_back(szCaption);
            ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(pThis->m_nReply, BN_CLICKED), 0);
        }
    }
    return ::CallNextHookEx(pThis != NULL ? pThis->m_hHook : NULL, nCode, wParam, lParam);
}

// ---------------------------------------------------------------------------------------------
// Pixels

CPixelBuffer::CPixelBuffer(int cx, int cy, COLORREF clrFill)
    : m_cx(cx > 0 ? cx : 1), m_cy(cy > 0 ? cy : 1), m_hBitmap(NULL), m_hOldBitmap(NULL), m_pBits(NULL)
{
    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = m_cx;
    bmi.bmiHeader.biHeight = -m_cy; // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    m_pBits = (const DWORD*)pBits;
    m_dc.CreateCompatibleDC(NULL);
    m_hOldBitmap = ::SelectObject(m_dc.m_hDC, m_hBitmap);
    m_dc.FillSolidRect(0, 0, m_cx, m_cy, clrFill);
}

CPixelBuffer::~CPixelBuffer()
{
    if (m_dc.m_hDC != NULL)
        ::SelectObject(m_dc.m_hDC, m_hOldBitmap);
    m_dc.DeleteDC();
    if (m_hBitmap != NULL)
        ::DeleteObject(m_hBitmap);
}

COLORREF CPixelBuffer::GetPixel(int x, int y) const
{
    if (m_pBits == NULL || x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    ::GdiFlush();
    DWORD px = m_pBits[(size_t)y * m_cx + x]; // 0x00RRGGBB
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}

int CPixelBuffer::CountColor(const RECT& rc, COLORREF clr) const
{
    int n = 0;
    for (int y = (rc.top > 0 ? rc.top : 0); y < rc.bottom && y < m_cy; ++y)
        for (int x = (rc.left > 0 ? rc.left : 0); x < rc.right && x < m_cx; ++x)
            if (GetPixel(x, y) == clr)
                ++n;
    return n;
}

CRect CPixelBuffer::InkBounds(const RECT& rc, COLORREF clrBack) const
{
    CRect bounds(0, 0, 0, 0);
    for (int y = (rc.top > 0 ? rc.top : 0); y < rc.bottom && y < m_cy; ++y)
        for (int x = (rc.left > 0 ? rc.left : 0); x < rc.right && x < m_cx; ++x)
            if (GetPixel(x, y) != clrBack)
                bounds.UnionRect(bounds, CRect(x, y, x + 1, y + 1));
    return bounds;
}

BOOL CPixelBuffer::CopyFrom(HDC hdcSrc, int xSrc, int ySrc)
{
    return ::BitBlt(m_dc.m_hDC, 0, 0, m_cx, m_cy, hdcSrc, xSrc, ySrc, SRCCOPY);
}

// The ink of one glyph relative to its pen position, [left, right) in x: the widest of its black
// boxes as outline, as a one-bit and as a grey-level bitmap (hinting may differ between them).
static bool GlyphInk(HDC hdc, wchar_t ch, int& left, int& right)
{
    const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    bool bAny = false;
    for (UINT format : {GGO_METRICS, GGO_BITMAP, GGO_GRAY8_BITMAP})
    {
        GLYPHMETRICS gm;
        if (::GetGlyphOutlineW(hdc, ch, format, &gm, 0, NULL, &identity) == GDI_ERROR)
            continue;
        int l = gm.gmptGlyphOrigin.x, r = gm.gmptGlyphOrigin.x + (int)gm.gmBlackBoxX;
        left = bAny && left < l ? left : l;
        right = bAny && right > r ? right : r;
        bAny = true;
    }
    return bAny;
}

CRect TextInkBox(CDC* pDC, const CString& text, int x, int y)
{
    HDC hdc = pDC->GetSafeHdc();
    TEXTMETRICW tm;
    ::GetTextMetricsW(hdc, &tm);
    SIZE ext = {0, 0};
    ::GetTextExtentPoint32W(hdc, text, text.GetLength(), &ext);
    CRect box(x, y, x + ext.cx + tm.tmOverhang, y + tm.tmHeight);
    if (text.IsEmpty())
        return box;
    const wchar_t chFirst = text[0], chLast = text[text.GetLength() - 1];
    ABC abc;
    if (::GetCharABCWidthsW(hdc, chFirst, chFirst, &abc) && abc.abcA < 0)
        box.left = x + abc.abcA;
    if (::GetCharABCWidthsW(hdc, chLast, chLast, &abc) && abc.abcC < 0)
        box.right -= abc.abcC;
    // The glyphs' black boxes as rendered may reach further than the widths say.
    int left, right;
    if (GlyphInk(hdc, chFirst, left, right) && x + left < box.left)
        box.left = x + left;
    SIZE lastAdvance = {0, 0};
    ::GetTextExtentPoint32W(hdc, &chLast, 1, &lastAdvance);
    if (GlyphInk(hdc, chLast, left, right) && x + ext.cx - lastAdvance.cx + right > box.right)
        box.right = x + ext.cx - lastAdvance.cx + right;
    return box;
}

std::unique_ptr<CPixelBuffer> CaptureClient(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetClientRect(&rc);
    auto pBuffer = std::make_unique<CPixelBuffer>(rc.Width(), rc.Height());
    pWnd->UpdateWindow();
    HDC hdc = ::GetDC(pWnd->m_hWnd);
    pBuffer->CopyFrom(hdc, 0, 0);
    ::ReleaseDC(pWnd->m_hWnd, hdc);
    return pBuffer;
}

std::unique_ptr<CPixelBuffer> CapturePrint(CWnd* pWnd, bool bClientOnly)
{
    CRect rc;
    if (bClientOnly)
        pWnd->GetClientRect(&rc);
    else
        pWnd->GetWindowRect(&rc);
    auto pBuffer = std::make_unique<CPixelBuffer>(rc.Width(), rc.Height());
    DWORD dwFlags = PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND | (bClientOnly ? 0 : PRF_NONCLIENT);
    ::SendMessageW(pWnd->m_hWnd, bClientOnly ? WM_PRINTCLIENT : WM_PRINT, (WPARAM)pBuffer->GetDC()->m_hDC,
                   dwFlags);
    return pBuffer;
}

} // namespace qtest
