// Window objects and their handles: creation failures, PostNcDestroy, self-deleting windows,
// subclassing existing windows, temporary wrappers, exceptions in handlers.
#include <gtest/gtest.h>

#include "testwin.h"

namespace
{

int g_nPostNcDestroy = 0;
int g_nDeleted = 0;

class CCountingWnd : public CWnd
{
public:
    int nCreateResult = 0;
    ~CCountingWnd() override { ++g_nDeleted; }

protected:
    void PostNcDestroy() override { ++g_nPostNcDestroy; }
    afx_msg int OnCreate(LPCREATESTRUCT) { return nCreateResult; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCountingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// Frees itself when its window goes, as in-place editors and tips do.
class CSelfDeletingWnd : public CCountingWnd
{
public:
    static int s_nDestroyMsgs;

protected:
    void PostNcDestroy() override
    {
        CCountingWnd::PostNcDestroy();
        delete this;
    }
    afx_msg void OnDestroy()
    {
        ++s_nDestroyMsgs;
        CWnd::OnDestroy();
    }
    afx_msg void OnKeyDown(UINT nChar, UINT, UINT)
    {
        if (nChar == VK_ESCAPE)
            PostMessage(WM_CLOSE);
    }
    DECLARE_MESSAGE_MAP()
};
int CSelfDeletingWnd::s_nDestroyMsgs = 0;
BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CCountingWnd)
    ON_WM_DESTROY()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

// Handles WM_NCDESTROY itself without calling the base handler.
class CStubbornWnd : public CCountingWnd
{
public:
    int nNcDestroy = 0;

protected:
    afx_msg void OnNcDestroy() { ++nNcDestroy; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CStubbornWnd, CCountingWnd)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

class LifetimeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_nPostNcDestroy = g_nDeleted = 0;
        CSelfDeletingWnd::s_nDestroyMsgs = 0;
        ASSERT_TRUE(parent.CreateTop(200, 150));
    }
    qtest::CRecordingWnd parent;
};

} // namespace

TEST_F(LifetimeTest, PostNcDestroyRunsOnceAfterTheWindowIsUnbound)
{
    {
        CCountingWnd wnd;
        ASSERT_TRUE(wnd.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
        HWND hWnd = wnd.m_hWnd;
        EXPECT_TRUE(wnd.DestroyWindow());
        EXPECT_EQ(1, g_nPostNcDestroy);
        EXPECT_EQ(NULL, wnd.m_hWnd);
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
        EXPECT_FALSE(wnd.DestroyWindow()); // nothing left to destroy
    }
    EXPECT_EQ(1, g_nPostNcDestroy);

    // The parent's destruction takes the child along: once, and the object is free again.
    CCountingWnd child;
    ASSERT_TRUE(child.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 2));
    parent.DestroyWindow();
    EXPECT_EQ(2, g_nPostNcDestroy);
    EXPECT_EQ(NULL, child.m_hWnd);
    ASSERT_TRUE(parent.CreateTop());
    ASSERT_TRUE(child.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 2));  // re-usable
    EXPECT_FALSE(child.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 3)); // already has one

    // A handler that keeps WM_NCDESTROY from the base still has the window unbound.
    CStubbornWnd stubborn;
    ASSERT_TRUE(stubborn.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 4));
    HWND hStubborn = stubborn.m_hWnd;
    stubborn.DestroyWindow();
    EXPECT_EQ(1, stubborn.nNcDestroy);
    EXPECT_EQ(3, g_nPostNcDestroy);
    EXPECT_EQ(NULL, stubborn.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hStubborn));

    // The destructor destroys a window still bound.
    HWND hPlain;
    {
        CWnd plain;
        ASSERT_TRUE(plain.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 5));
        hPlain = plain.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hPlain));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hPlain));
}

TEST_F(LifetimeTest, FailedCreationEndsTheObjectsLifeOnce)
{
    // WM_CREATE fails: the system destroys the half-made window.
    CCountingWnd wnd;
    wnd.nCreateResult = -1;
    EXPECT_FALSE(wnd.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_EQ(1, g_nPostNcDestroy);

    // No window at all (unknown class): the object is still told once.
    CCountingWnd wnd2;
    EXPECT_FALSE(wnd2.Create(L"NoSuchClass.QCtl", L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    EXPECT_EQ(NULL, wnd2.m_hWnd);
    EXPECT_EQ(2, g_nPostNcDestroy);

    // A self-deleting window that fails to create frees itself.
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd;
    pWnd->nCreateResult = -1;
    EXPECT_FALSE(pWnd->Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    EXPECT_EQ(1, g_nDeleted);
}

TEST_F(LifetimeTest, SelfDeletingWindowsFreeThemselves)
{
    // Closed by a message it posts to itself.
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd;
    ASSERT_TRUE(pWnd->Create(NULL, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 1));
    HWND hWnd = pWnd->m_hWnd;
    qtest::SendKey(hWnd, VK_ESCAPE);
    qtest::PumpMessages();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(1, g_nDeleted);
    EXPECT_EQ(1, g_nPostNcDestroy);
    EXPECT_EQ(1, CSelfDeletingWnd::s_nDestroyMsgs);

    // Destroyed through DestroyWindow on itself, and along with its parent.
    pWnd = new CSelfDeletingWnd;
    ASSERT_TRUE(pWnd->Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    EXPECT_TRUE(pWnd->DestroyWindow());
    EXPECT_EQ(2, g_nDeleted);
    pWnd = new CSelfDeletingWnd;
    ASSERT_TRUE(pWnd->Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    parent.DestroyWindow();
    EXPECT_EQ(3, g_nDeleted);
    EXPECT_EQ(3, g_nPostNcDestroy);
}

namespace
{

// Upper-cases typed characters; everything else is the edit control's own business.
class CUpperEdit : public CWnd
{
public:
    int nSubclassed = 0;

protected:
    void PreSubclassWindow() override { ++nSubclassed; }
    afx_msg void OnChar(UINT nChar, UINT, UINT)
    {
        const MSG* pMsg = GetCurrentMessage();
        EXPECT_EQ((UINT)WM_CHAR, pMsg->message);
        DefWindowProc(WM_CHAR, (WPARAM)towupper((wint_t)nChar), pMsg->lParam);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CUpperEdit, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

} // namespace

TEST_F(LifetimeTest, SubclassingKeepsTheOriginalProcedureForTheRest)
{
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 100, 20,
                                   parent.m_hWnd, (HMENU)50, NULL, NULL);
    ASSERT_NE(nullptr, hEdit);
    LONG_PTR pfnOriginal = ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC);
    CUpperEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(50, &parent));
    EXPECT_EQ(1, edit.nSubclassed);
    EXPECT_EQ(&edit, CWnd::FromHandle(hEdit));
    EXPECT_EQ((LONG_PTR)AfxGetAfxWndProc(), ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC));
    CUpperEdit other;
    EXPECT_FALSE(other.SubclassWindow(hEdit)); // one object per window

    qtest::SendChar(hEdit, L'a');
    qtest::SendChar(hEdit, L'b');
    CString s;
    edit.GetWindowText(s);
    EXPECT_STREQ(L"AB", s); // the map's handler ran, the edit control stored the text
    EXPECT_EQ(2, edit.SendMessage(WM_GETTEXTLENGTH)); // other messages reach the edit control

    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    EXPECT_EQ(pfnOriginal, ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC));
    EXPECT_EQ(NULL, edit.m_hWnd);
    ::SendMessageW(hEdit, EM_SETSEL, 2, 2);
    qtest::SendChar(hEdit, L'c');
    ::GetWindowTextW(hEdit, s.GetBuffer(16), 16);
    s.ReleaseBuffer();
    EXPECT_STREQ(L"ABc", s);
    // Subclassed windows are unbound at their destruction, and the original procedure restored.
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    ::DestroyWindow(hEdit);
    EXPECT_EQ(NULL, edit.m_hWnd);
    EXPECT_FALSE(edit.SubclassWindow(hEdit)); // gone
}

TEST_F(LifetimeTest, TemporaryWrappersAreSharedAndFreedAtIdle)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    qtest::RunIdle();
    ASSERT_EQ(0, pState->GetTempObjectCount());
    HWND hForeign =
        ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd, NULL, NULL, NULL);
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hForeign)); // one wrapper per handle
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    EXPECT_EQ(&parent, pTemp->GetParent()); // bound windows are not wrapped again
    EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));
    CDC* pDC = parent.GetDC();
    CGdiObject* pFont = CGdiObject::FromHandle(::GetStockObject(DEFAULT_GUI_FONT));
    CMenu* pMenu = parent.GetSystemMenu(FALSE);
    EXPECT_NE(nullptr, pFont);
    EXPECT_EQ(pFont, CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_GE(pState->GetTempObjectCount(), 3);
    parent.ReleaseDC(pDC);
    (void)pMenu;

    // A locked map survives idle time; unlocking with delete frees it.
    AfxLockTempMaps();
    qtest::RunIdle();
    EXPECT_GE(pState->GetTempObjectCount(), 3);
    EXPECT_TRUE(AfxUnlockTempMaps(TRUE));
    EXPECT_EQ(0, pState->GetTempObjectCount());

    // Destroying the window through its temporary wrapper leaves the wrapper to idle time.
    pTemp = CWnd::FromHandle(hForeign);
    EXPECT_TRUE(pTemp->DestroyWindow());
    EXPECT_FALSE(::IsWindow(hForeign));
    qtest::RunIdle();
    EXPECT_EQ(0, pState->GetTempObjectCount());
}

TEST_F(LifetimeTest, AttachAndDetachBindWithoutSubclassing)
{
    HWND hForeign =
        ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd, NULL, NULL, NULL);
    LONG_PTR pfn = ::GetWindowLongPtrW(hForeign, GWLP_WNDPROC);
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hForeign));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hForeign));
    EXPECT_EQ(pfn, ::GetWindowLongPtrW(hForeign, GWLP_WNDPROC));
    CWnd other;
    EXPECT_FALSE(other.Attach(hForeign));
    EXPECT_FALSE(wnd.Attach(parent.m_hWnd)); // already has a window
    EXPECT_EQ(hForeign, wnd.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    EXPECT_TRUE(::IsWindow(hForeign));
    // Destroying an attached (not subclassed) window unbinds it as well.
    ASSERT_TRUE(wnd.Attach(hForeign));
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
}

namespace
{

class CThrowingWnd : public CWnd
{
public:
    bool bThrowOnCreate = false;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT)
    {
        if (bThrowOnCreate)
            AfxThrowMemoryException();
        return 0;
    }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM)
    {
        AfxThrowInvalidArgException();
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_APP + 9, &CThrowingWnd::OnThrow)
END_MESSAGE_MAP()

} // namespace

TEST_F(LifetimeTest, ExceptionsInHandlersAreReportedNotPropagated)
{
    qtest::CMessageBoxWatcher watcher;
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    EXPECT_EQ(0, wnd.SendMessage(WM_APP + 9));
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
    CThrowingWnd wnd2;
    wnd2.bThrowOnCreate = true;
    EXPECT_FALSE(wnd2.Create(NULL, L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    EXPECT_EQ(NULL, wnd2.m_hWnd);
    EXPECT_EQ(1, watcher.Count()); // a failed creation is not reported
}
