// The preview pane's pictures (bitmap, drawing, JPEG, folder, missing file) through the base and
// the imaging-component loaders, and the preview file dialog driven from a timer while it runs.
#include "image/QDIBitmapEx.h"
#include "image/QPreviewStatic.h"
#include "image_test.h"

#include <commctrl.h>
#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <functional>

using namespace imgtest;
using qtest::CPixelBuffer;

namespace
{

// An image encoded by the imaging component (JPEG or PNG) from pixel(x, y).
template <class F> Bytes Encode(const GUID& container, int cx, int cy, F pixel)
{
    Bytes out;
    ::CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* pFactory = NULL;
    IStream* pStream = NULL;
    IWICBitmapEncoder* pEncoder = NULL;
    IWICBitmapFrameEncode* pFrame = NULL;
    std::vector<BYTE> rows((size_t)cx * 3 * cy);
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
        {
            COLORREF c = pixel(x, y);
            BYTE* p = &rows[((size_t)y * cx + x) * 3];
            p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
        }
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER,
                                     IID_IWICImagingFactory, (void**)&pFactory)) &&
        SUCCEEDED(::CreateStreamOnHGlobal(NULL, TRUE, &pStream)) &&
        SUCCEEDED(pFactory->CreateEncoder(container, NULL, &pEncoder)) &&
        SUCCEEDED(pEncoder->Initialize(pStream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(pEncoder->CreateNewFrame(&pFrame, NULL)) && SUCCEEDED(pFrame->Initialize(NULL)) &&
        SUCCEEDED(pFrame->SetSize(cx, cy)) && SUCCEEDED(pFrame->SetPixelFormat(&format)) &&
        format == GUID_WICPixelFormat24bppBGR &&
        SUCCEEDED(pFrame->WritePixels(cy, cx * 3, (UINT)rows.size(), rows.data())) &&
        SUCCEEDED(pFrame->Commit()) && SUCCEEDED(pEncoder->Commit()))
    {
        HGLOBAL h = NULL;
        ::GetHGlobalFromStream(pStream, &h);
        STATSTG st = {};
        pStream->Stat(&st, STATFLAG_NONAME);
        const BYTE* p = (const BYTE*)::GlobalLock(h);
        out.assign(p, p + st.cbSize.QuadPart);
        ::GlobalUnlock(h);
    }
    for (IUnknown* p : {(IUnknown*)pFrame, (IUnknown*)pEncoder, (IUnknown*)pStream, (IUnknown*)pFactory})
        if (p)
            p->Release();
    ::CoUninitialize();
    return out;
}

COLORREF Quadrants(int x, int y)
{
    return x < 32 ? (y < 24 ? RGB(200, 30, 30) : RGB(30, 200, 30))
                  : (y < 24 ? RGB(30, 30, 200) : RGB(230, 230, 40));
}

bool Near(COLORREF a, COLORREF b, int tol)
{
    return abs(GetRValue(a) - GetRValue(b)) <= tol && abs(GetGValue(a) - GetGValue(b)) <= tol &&
           abs(GetBValue(a) - GetBValue(b)) <= tol;
}

// The crossed-out frame: black border and diagonals, white elsewhere.
::testing::AssertionResult ShowsCross(const CPixelBuffer& pix)
{
    int w = pix.Width(), h = pix.Height();
    auto blackNear = [&](int x, int y)
    {
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if (pix.GetPixel(x + dx, y + dy) == RGB(0, 0, 0))
                    return true;
        return false;
    };
    if (pix.GetPixel(0, h / 2) != RGB(0, 0, 0) || pix.GetPixel(w / 2, h - 1) != RGB(0, 0, 0))
        return ::testing::AssertionFailure() << "no frame";
    if (!blackNear(w / 4, h / 4) || !blackNear(w - 1 - w / 4, h / 4) || !blackNear(w / 2, h / 2))
        return ::testing::AssertionFailure() << "no diagonals";
    if (pix.GetPixel(w / 2, h / 6) != RGB(255, 255, 255) || pix.GetPixel(w / 6, h / 2) != RGB(255, 255, 255))
        return ::testing::AssertionFailure() << "not white between the lines";
    return ::testing::AssertionSuccess();
}

// The pane's client area as the loader's image scaled and centred on white would look.
std::unique_ptr<CPixelBuffer> Expected(const CQDIBitmap& dib, const CRect& rc)
{
    auto buf = std::make_unique<CPixelBuffer>(rc.Width(), rc.Height());
    dib.ScaleDIB(buf->GetDC(), rc, TRUE);
    return buf;
}

} // namespace

TEST(PreviewStatic, PicturesOfFilesAndLoaders)
{
    IMG_REQUIRE_SAMPLES();
    CString jpeg = TempPath(L"photo.jpg"), png = TempPath(L"pattern.png"), text = TempPath(L"notes.txt");
    Bytes jpegBytes = Encode(GUID_ContainerFormatJpeg, 64, 48, Quadrants);
    Bytes pngBytes = Encode(GUID_ContainerFormatPng, 64, 48, Quadrants);
    ASSERT_FALSE(jpegBytes.empty());
    ASSERT_FALSE(pngBytes.empty());
    ASSERT_TRUE(WriteBytes(jpeg, jpegBytes));
    ASSERT_TRUE(WriteBytes(png, pngBytes));
    ASSERT_TRUE(WriteBytes(text, Bytes{'h', 'i'}));

    qtest::CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateTop(300, 200));
    CQPreviewStatic pane;
    ASSERT_TRUE(pane.Create(L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, CRect(10, 10, 206, 140), &parent, 1001));
    CRect rc;
    pane.GetClientRect(&rc);
    CQDIBitmapEx ex;
    struct
    {
        CString path;
        bool ex;       // through the imaging-component loader
        QDIBType type; // DIBTYPE_NONE: the crossed-out frame
    } cases[] = {
        {SampleDir() + L"\\bmp\\good\\pal8.bmp", false, DIBTYPE_BMP},
        {SampleDir() + L"\\drawings\\2000-Line.dwg", false, DIBTYPE_DWG},
        {jpeg, false, DIBTYPE_NONE},
        {SampleDir() + L"\\drawings\\2013-Line.dwg", false, DIBTYPE_NONE},
        {SampleDir() + L"\\bmp", false, DIBTYPE_NONE},
        {SampleDir() + L"\\missing.bmp", false, DIBTYPE_NONE},
        {text, false, DIBTYPE_NONE},
        {jpeg, true, DIBTYPE_JPEG},
        {png, true, DIBTYPE_JPEG},
        {SampleDir() + L"\\drawings\\2013-Line.dwg", true, DIBTYPE_DWG},
        {SampleDir() + L"\\drawings\\r14-v.dwg", true, DIBTYPE_DWG},
        {SampleDir() + L"\\drawings\\2018-Line.dwg", true, DIBTYPE_NONE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(Narrow(c.path) + (c.ex ? " (imaging component)" : ""));
        pane.SetLoader(c.ex ? &ex : NULL);
        pane.OpenImage(c.path);
        EXPECT_EQ(c.type, pane.GetImage().DIBType());
        auto shown = qtest::CaptureClient(&pane);
        if (c.type == DIBTYPE_NONE)
            EXPECT_TRUE(ShowsCross(*shown));
        else
            EXPECT_EQ(0, CountDifferent(*shown, *Expected(pane.GetImage(), rc)));
    }
    pane.SetLoader(NULL);

    // The decoded pictures themselves: the PNG exactly, the JPEG within its losses, the drawing's
    // PNG preview in the size its header gives.
    ASSERT_TRUE(ex.Load(png));
    auto drawn = std::make_unique<CPixelBuffer>(64, 48);
    ex.DrawDIB(drawn->GetDC(), 0, 0, 64, 48);
    int nWrong = 0, nFar = 0;
    for (int y = 0; y < 48; y++)
        for (int x = 0; x < 64; x++)
            nWrong += drawn->GetPixel(x, y) != Quadrants(x, y);
    EXPECT_EQ(0, nWrong);
    ASSERT_TRUE(ex.Load(jpeg));
    ex.DrawDIB(drawn->GetDC(), 0, 0, 64, 48);
    for (int y = 0; y < 48; y += 3)
        for (int x = 0; x < 64; x += 3)
            if ((x % 32) > 3 && (x % 32) < 28 && (y % 24) > 3 && (y % 24) < 20)
                nFar += !Near(drawn->GetPixel(x, y), Quadrants(x, y), 24);
    EXPECT_EQ(0, nFar);
    Bytes dwg = ReadBytes(SampleDir() + L"\\drawings\\2013-Line.dwg");
    const BYTE sig[] = {0x89, 'P', 'N', 'G'};
    auto it = std::search(dwg.begin(), dwg.end(), sig, sig + 4);
    ASSERT_TRUE(it != dwg.end());
    size_t at = it - dwg.begin();
    ASSERT_TRUE(ex.Load(SampleDir() + L"\\drawings\\2013-Line.dwg"));
    EXPECT_EQ((LONG)((dwg[at + 16] << 24) | (dwg[at + 17] << 16) | (dwg[at + 18] << 8) | dwg[at + 19]),
              ex.GetWidth());
    EXPECT_EQ((LONG)((dwg[at + 20] << 24) | (dwg[at + 21] << 16) | (dwg[at + 22] << 8) | dwg[at + 23]),
              ex.GetHeight());

    // A pane without an image realises no palette and answers TRUE.
    CQPreviewStatic fresh;
    EXPECT_TRUE(fresh.DoRealizePalette(FALSE));
    pane.DestroyWindow();
    ::DeleteFileW(jpeg);
    ::DeleteFileW(png);
    ::DeleteFileW(text);
}

// ---------------------------------------------------------------------------------------------
// The dialog, driven by a thread timer while DoModal runs.

namespace
{

struct DialogScript
{
    CPreviewFileDlg* pDlg = nullptr;
    std::vector<std::function<bool(CPreviewFileDlg&)>> steps; // true: step done, go on
    size_t next = 0;
    int ticks = 0;
    bool timedOut = false;
};

DialogScript* g_pScript = nullptr;

void CALLBACK ScriptTimer(HWND, UINT, UINT_PTR, DWORD)
{
    DialogScript& s = *g_pScript;
    if (s.pDlg->GetSafeHwnd() == NULL || s.next >= s.steps.size())
        return;
    if (++s.ticks > 200)
    { // about 20 seconds: give up and close the dialog
        s.timedOut = true;
        s.next = s.steps.size();
        ::PostMessageW(::GetParent(s.pDlg->GetSafeHwnd()), WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (s.steps[s.next](*s.pDlg))
        s.next++;
}

INT_PTR RunScripted(CPreviewFileDlg& dlg, DialogScript& script)
{
    script.pDlg = &dlg;
    g_pScript = &script;
    UINT_PTR timer = ::SetTimer(NULL, 0, 100, ScriptTimer);
    INT_PTR result = dlg.DoModal();
    ::KillTimer(NULL, timer);
    g_pScript = nullptr;
    return result;
}

HWND FileList(CPreviewFileDlg& dlg)
{
    HWND hView = ::FindWindowExW(::GetParent(dlg.GetSafeHwnd()), NULL, L"SHELLDLL_DefView", NULL);
    return hView ? ::FindWindowExW(hView, NULL, WC_LISTVIEWW, NULL) : NULL;
}

// Selects the item whose name starts with the text; false while the list is not filled yet.
bool SelectFile(CPreviewFileDlg& dlg, const wchar_t* pszName)
{
    HWND hList = FileList(dlg);
    if (hList == NULL)
        return false;
    LVFINDINFOW fi = {LVFI_STRING | LVFI_PARTIAL, pszName};
    int i = (int)::SendMessageW(hList, LVM_FINDITEMW, (WPARAM)-1, (LPARAM)&fi);
    if (i < 0)
        return false;
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    ::SendMessageW(hList, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&item);
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(hList, LVM_SETITEMSTATE, i, (LPARAM)&item);
    return true;
}

bool PaneIsWhite(CPreviewFileDlg& dlg)
{
    CWnd* pPane = &dlg.GetPreview();
    auto pix = qtest::CaptureClient(pPane);
    CRect rc;
    pPane->GetClientRect(&rc);
    return pix->CountColor(rc, RGB(255, 255, 255)) == rc.Width() * rc.Height();
}

} // namespace

TEST(PreviewFileDlg, DrivenWhileOpen)
{
    IMG_REQUIRE_SAMPLES();
    CString dir = SampleDir() + L"\\drawings";
    const wchar_t kFilter[] = L"Drawings (*.dwg)|*.dwg|All files (*.*)|*.*||";

    // Open, select a drawing, see its thumbnail, switch the preview off (white, and selections
    // load nothing) and on again (the current selection shows), cancel.
    CPreviewFileDlg dlg(TRUE, L"dwg", NULL, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kFilter);
    EXPECT_EQ((DWORD)0x80040, dlg.m_ofn.Flags & 0x80040);
    dlg.m_ofn.lpstrInitialDir = dir;
    DialogScript script;
    CRect paneRect;
    CString template1001Class;
    script.steps = {
        [&](CPreviewFileDlg& d)
        {
            // The child template: the pane and the check box, checked, and the group box's text.
            HWND hChild = d.GetSafeHwnd();
            wchar_t cls[32] = L"";
            ::GetClassNameW(::GetDlgItem(hChild, 1001), cls, 32);
            template1001Class = cls;
            EXPECT_EQ(BST_CHECKED, ::SendDlgItemMessageW(hChild, 1002, BM_GETCHECK, 0, 0));
            wchar_t text[16] = L"";
            ::GetDlgItemTextW(hChild, 1002, text, 16);
            EXPECT_STREQ(L"\x663E\x793A", text);
            return SelectFile(d, L"2000-Line");
        },
        [&](CPreviewFileDlg& d)
        {
            if (d.GetPreview().GetImage().DIBType() != DIBTYPE_DWG)
                return false;
            d.GetPreview().GetClientRect(&paneRect);
            d.GetPreview().UpdateWindow();
            EXPECT_EQ(0, CountDifferent(*qtest::CaptureClient(&d.GetPreview()),
                                        *Expected(d.GetPreview().GetImage(), paneRect)));
            ::SendDlgItemMessageW(d.GetSafeHwnd(), 1002, BM_CLICK, 0, 0);
            EXPECT_FALSE(d.IsPreviewOn());
            EXPECT_TRUE(PaneIsWhite(d));
            return SelectFile(d, L"r14-v");
        },
        [&](CPreviewFileDlg& d)
        {
            EXPECT_EQ(256, d.GetPreview().GetImage().GetWidth()); // still the first drawing
            ::SendDlgItemMessageW(d.GetSafeHwnd(), 1002, BM_CLICK, 0, 0);
            EXPECT_TRUE(d.IsPreviewOn());
            EXPECT_EQ(180, d.GetPreview().GetImage().GetWidth()); // the current selection
            ::PostMessageW(::GetParent(d.GetSafeHwnd()), WM_COMMAND, IDCANCEL, 0);
            return true;
        },
    };
    EXPECT_EQ(IDCANCEL, RunScripted(dlg, script));
    EXPECT_FALSE(script.timedOut) << "stopped at step " << script.next;
    EXPECT_EQ(3u, script.next);
    EXPECT_STREQ(L"Static", template1001Class);

    // Accept a selection: DoModal answers IDOK and the path names the file.
    CPreviewFileDlg accept(TRUE, L"dwg", NULL, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kFilter);
    accept.m_ofn.lpstrInitialDir = dir;
    DialogScript script2;
    script2.steps = {
        [&](CPreviewFileDlg& d) { return SelectFile(d, L"sample_2000"); },
        [&](CPreviewFileDlg& d)
        {
            if (d.GetPreview().GetImage().DIBType() != DIBTYPE_DWG)
                return false;
            ::PostMessageW(::GetParent(d.GetSafeHwnd()), WM_COMMAND, IDOK, 0);
            return true;
        },
    };
    EXPECT_EQ(IDOK, RunScripted(accept, script2));
    EXPECT_FALSE(script2.timedOut) << "stopped at step " << script2.next;
    EXPECT_EQ(0, accept.GetPathName().CompareNoCase(dir + L"\\sample_2000.dwg"))
        << Narrow(accept.GetPathName());
}
