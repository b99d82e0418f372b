// Shared helpers of the test programs.
//
// testmain.cpp provides main(): it constructs the test application object (a CWinApp without a
// name, so the application's name is the executable's), starts the framework layer with
// AfxWinInit, runs the tests and shuts the layer down. A message box that stays open for a long
// time (nobody is watching for it) is closed and reported, and makes the program fail.
//
// This header adds:
//   CRecordingWnd      a top-level parent window that logs WM_NOTIFY (with the record's bytes),
//                      WM_COMMAND and any message codes asked for, and compares the log with an
//                      expected table (Wine's message-sequence style);
//   PumpMessages       dispatches pending messages (bounded), RunIdle the thread's idle work;
//   SendClick/SendKey  the messages a user's click or key press produces;
//   CMessageBoxWatcher closes the message boxes this thread shows and records text and caption;
//   CPixelBuffer       a 32-bit memory DC to render into and read pixels back from, with
//                      CaptureClient/CapturePrint to grab what a window shows.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace qtest
{

// ---------------------------------------------------------------------------------------------
// Message log

// One message received by a CRecordingWnd.
struct LoggedMsg
{
    UINT message = 0;     // WM_NOTIFY, WM_COMMAND or a message code asked for
    UINT code = 0;        // WM_NOTIFY: NMHDR::code; WM_COMMAND: HIWORD(wParam); otherwise 0
    UINT_PTR id = 0;      // WM_NOTIFY: NMHDR::idFrom; WM_COMMAND: LOWORD(wParam); otherwise 0
    HWND hwndFrom = NULL; // WM_NOTIFY: NMHDR::hwndFrom; WM_COMMAND: the control (lParam)
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::vector<BYTE> record; // WM_NOTIFY: the bytes of the record (up to 512 readable ones)

    // The record as a T, NULL when fewer bytes than sizeof(T) were recorded.
    template <class T> const T* As() const
    {
        return record.size() >= sizeof(T) ? reinterpret_cast<const T*>(record.data()) : nullptr;
    }
};

// What a table entry compares besides the message.
enum MatchFlags : UINT
{
    kMatchCode = 0x01, // code (WM_NOTIFY / WM_COMMAND)
    kMatchId = 0x02,   // id
    kMatchWParam = 0x04,
    kMatchLParam = 0x08,
    kOptional = 0x10, // may be missing (varies between platform versions)
    kDefault = kMatchCode | kMatchId,
};

struct ExpectedMsg
{
    UINT message;
    UINT code;
    UINT_PTR id;
    UINT flags; // MatchFlags; 0 means kDefault
    WPARAM wParam;
    LPARAM lParam;
};

// A visible top-level window that records what its children tell it. Every WM_NOTIFY and
// WM_COMMAND is logged before the message map sees it; other messages only when asked for.
class CRecordingWnd : public CWnd
{
public:
    CRecordingWnd();
    ~CRecordingWnd() override;

    // A visible top-level window whose client area is cx by cy (default: a bordered pop-up).
    BOOL CreateTop(int cx = 400, int cy = 300, LPCTSTR lpszTitle = L"test parent",
                   DWORD dwStyle = WS_POPUP | WS_BORDER | WS_VISIBLE | WS_CLIPCHILDREN);

    void LogMessage(UINT message);
    // The result this window returns for a WM_NOTIFY code (the message map is then skipped).
    void SetNotifyResult(UINT code, LRESULT lResult);

    const std::vector<LoggedMsg>& Log() const { return m_log; }
    void Flush() { m_log.clear(); }
    size_t Count(UINT message, UINT code = 0, bool bAnyCode = false) const;

    // Compares the log with the table and flushes it. On a mismatch the message names the first
    // difference and lists the whole sequence received.
    ::testing::AssertionResult Matches(const ExpectedMsg* pExpected, size_t nCount, const char* pszContext);
    template <size_t N>
    ::testing::AssertionResult Matches(const ExpectedMsg (&expected)[N], const char* pszContext)
    {
        return Matches(expected, N, pszContext);
    }
    // The log as text, one message a line.
    CString Describe() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<LoggedMsg> m_log;
    std::vector<UINT> m_logged; // extra message codes to record
    std::map<UINT, LRESULT> m_notifyResult;
};

// ---------------------------------------------------------------------------------------------
// Messages and input

// Dispatches pending messages of this thread (through the thread's PreTranslateMessage, like
// the application's pump), at most nMax of them; returns how many. WM_QUIT is dropped.
int PumpMessages(int nMax = 1000);
// Runs the thread's idle work as the application's loop would when the queue is empty
// (updates command UI, frees temporary handle wrappers).
void RunIdle();

// Lets the window system catch up: dispatches what is pending (dropping pointer moves to the
// capture) and waits in short slices until nothing more has come for a while (at most about a
// second). Focus and activation changes reach Wine from the X server later than the calls that
// caused them; one arriving in the middle of a test would move the focus there.
void SettleMessages();
// Makes hTop the foreground window and hFocus (hTop when NULL) the focus window, settling before
// and after, and tries again a few times when the focus does not stay; returns whether it stayed.
bool TakeFocus(HWND hTop, HWND hFocus = NULL);

// The messages of a left click (down and up) at a client point; nFlags adds MK_SHIFT etc.
void SendClick(HWND hWnd, POINT pt, UINT nFlags = 0);
void SendDblClick(HWND hWnd, POINT pt, UINT nFlags = 0);
// WM_KEYDOWN (with repeat count and scan code in lParam) then WM_KEYUP.
void SendKey(HWND hWnd, UINT nVirtKey, UINT nRepeat = 1);
void SendChar(HWND hWnd, wchar_t ch);

// ---------------------------------------------------------------------------------------------
// Message boxes

// While it lives, every message box this thread shows is closed with the reply (IDOK by
// default) as soon as it appears; its text and caption are recorded. Watchers nest.
class CMessageBoxWatcher
{
public:
    explicit CMessageBoxWatcher(int nReply = IDOK);
    ~CMessageBoxWatcher();
    void SetReply(int nReply) { m_nReply = nReply; }
    int Count() const { return (int)m_texts.size(); }
    const std::vector<CString>& Texts() const { return m_texts; }
    const std::vector<CString>& Captions() const { return m_captions; }

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    HHOOK m_hHook;
    int m_nReply;
    CMessageBoxWatcher* m_pPrevious;
    std::vector<HWND> m_seen;
    std::vector<CString> m_texts, m_captions;
};

// ---------------------------------------------------------------------------------------------
// Pixels

// A 32-bit top-down DIB section selected into a memory DC: draw into GetDC(), read back with
// GetPixel (straight from the bits).
class CPixelBuffer
{
public:
    CPixelBuffer(int cx, int cy, COLORREF clrFill = RGB(255, 255, 255));
    ~CPixelBuffer();
    CPixelBuffer(const CPixelBuffer&) = delete;
    CPixelBuffer& operator=(const CPixelBuffer&) = delete;

    CDC* GetDC() { return &m_dc; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    // CLR_INVALID outside the buffer.
    COLORREF GetPixel(int x, int y) const;
    // Pixels of colour clr inside rc (clipped to the buffer).
    int CountColor(const RECT& rc, COLORREF clr) const;
    // The smallest rectangle holding every pixel inside rc that is not of the background colour
    // (empty when there is none): where text left ink, smoothed edges included.
    CRect InkBounds(const RECT& rc, COLORREF clrBack) const;
    // Copies a block from another DC to (0, 0).
    BOOL CopyFrom(HDC hdcSrc, int xSrc, int ySrc);

private:
    int m_cx, m_cy;
    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    const DWORD* m_pBits;
};

// Where text drawn with the DC's current font and TA_LEFT | TA_TOP alignment at (x, y) may put
// ink, from the font's own metrics: the advance extent widened by the first character's A and the
// last character's C overhang (negative ones reach outside) and by the overhang of a synthesized
// bold or italic face, from y to y + tmHeight. Single-line text only.
CRect TextInkBox(CDC* pDC, const CString& text, int x, int y);

// The client area as it shows on the screen (after UpdateWindow): the window must be visible.
std::unique_ptr<CPixelBuffer> CaptureClient(CWnd* pWnd);
// The window rendered by WM_PRINT into a buffer of its window size (client only: client size).
std::unique_ptr<CPixelBuffer> CapturePrint(CWnd* pWnd, bool bClientOnly = true);

} // namespace qtest
