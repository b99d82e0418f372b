// The preview pane's pictures (bitmap, drawing, JPEG, folder, missing file) through the base and
// the imaging-component loaders, and the preview file dialog driven from a timer while it runs.
#include "image/QDIBitmapEx.h"
#include "image/QPreviewStatic.h"
#include "image_test.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>

using namespace imgtest;
using qtest::CPixelBuffer;

namespace
{

// The crossed-out frame: black border and diagonals, white between them.
bool ShowsCross(const CPixelBuffer& pix)
{
    int w = pix.Width(), h = pix.Height(), down = 0, up = 0;
    for (int d = -1; d <= 1; d++) // each diagonal passes within a pixel of these points
        down += pix.GetPixel(w / 4 + d, h / 4) == 0, up += pix.GetPixel(w - 1 - w / 4 + d, h / 4) == 0;
    return down && up && pix.GetPixel(0, h / 2) == 0 && pix.GetPixel(w / 2, h - 1) == 0 &&
           pix.GetPixel(w / 2, h / 6) == RGB(255, 255, 255) &&
           pix.GetPixel(w / 6, h / 2) == RGB(255, 255, 255);
}

// Whether the pane shows its image scaled and centred on white.
bool ShowsImage(CQPreviewStatic& pane)
{
    CRect rc;
    pane.GetClientRect(&rc);
    CPixelBuffer expected(rc.Width(), rc.Height());
    pane.GetImage().ScaleDIB(expected.GetDC(), rc, TRUE);
    return CountDifferent(*qtest::CaptureClient(&pane), expected) == 0;
}

} // namespace

TEST(PreviewStatic, PicturesOfFilesAndLoaders)
{
    IMG_REQUIRE_SAMPLES();
    // The PNG preview of a newer drawing, also as a .png and as a .jpg file (decoded by content).
    CString newer = SampleDir() + L"\\drawings\\2013-Line.dwg";
    Bytes dwg = ReadBytes(newer);
    const BYTE sig[] = {0x89, 'P', 'N', 'G'};
    size_t at = std::search(dwg.begin(), dwg.end(), sig, sig + 4) - dwg.begin();
    ASSERT_LT(at + 24, dwg.size());
    Bytes png(dwg.begin() + at, dwg.end());
    CString pngPath = WriteTemp(L"preview.png", png), jpgPath = WriteTemp(L"photo.jpg", png);

    qtest::CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateTop(300, 200));
    CQPreviewStatic pane;
    ASSERT_TRUE(pane.Create(L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, CRect(10, 10, 206, 140), &parent, 1001));
    EXPECT_TRUE(pane.DoRealizePalette(FALSE)); // no image: nothing to realize
    CQDIBitmapEx ex;
    struct
    {
        CString path;
        bool ex;       // through the imaging-component loader
        QDIBType type; // DIBTYPE_NONE: the crossed-out frame
    } cases[] = {
        {SampleDir() + L"\\bmp\\good\\pal8.bmp", false, DIBTYPE_BMP},
        {SampleDir() + L"\\drawings\\2000-Line.dwg", false, DIBTYPE_DWG},
        {jpgPath, false, DIBTYPE_NONE},
        {newer, false, DIBTYPE_NONE},
        {SampleDir() + L"\\bmp", false, DIBTYPE_NONE},
        {SampleDir() + L"\\missing.bmp", false, DIBTYPE_NONE},
        {WriteTemp(L"notes.txt", Bytes{'h', 'i'}), false, DIBTYPE_NONE},
        {jpgPath, true, DIBTYPE_JPEG},
        {pngPath, true, DIBTYPE_JPEG},
        {newer, true, DIBTYPE_DWG},
        {SampleDir() + L"\\drawings\\r14-v.dwg", true, DIBTYPE_DWG},
        {SampleDir() + L"\\drawings\\2018-Line.dwg", true, DIBTYPE_NONE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(Narrow(c.path) + (c.ex ? " (imaging component)" : ""));
        pane.SetLoader(c.ex ? &ex : NULL);
        pane.OpenImage(c.path);
        EXPECT_EQ(c.type, pane.GetImage().DIBType());
        if (c.type == DIBTYPE_NONE)
            EXPECT_TRUE(ShowsCross(*qtest::CaptureClient(&pane)));
        else
            EXPECT_TRUE(ShowsImage(pane));
    }
    // The drawing's preview in the size its PNG header gives, every pixel drawn.
    ASSERT_TRUE(ex.Load(newer));
    EXPECT_EQ(CSize((dwg[at + 18] << 8) | dwg[at + 19], (dwg[at + 22] << 8) | dwg[at + 23]),
              CSize(ex.GetWidth(), ex.GetHeight()));
    CPixelBuffer drawn(ex.GetWidth(), ex.GetHeight(), RGB(1, 2, 3));
    ex.DrawDIB(drawn.GetDC(), 0, 0, drawn.Width(), drawn.Height());
    EXPECT_EQ(0, drawn.CountColor(CRect(0, 0, drawn.Width(), drawn.Height()), RGB(1, 2, 3)));
}

namespace
{

// The dialog, driven by a thread timer while DoModal runs: each step returns true when done.
typedef std::function<bool(CPreviewFileDlg&)> Step;
struct Script
{
    CPreviewFileDlg* pDlg;
    std::vector<Step> steps;
    size_t next;
    int ticks;
} * g_pScript;

void CALLBACK ScriptTimer(HWND, UINT, UINT_PTR, DWORD)
{
    Script& s = *g_pScript;
    if (s.pDlg->GetSafeHwnd() == NULL || s.next >= s.steps.size())
        return;
    if (++s.ticks > 200) // about 20 seconds: give up
        s.next = s.steps.size(), ::PostMessageW(::GetParent(s.pDlg->GetSafeHwnd()), WM_COMMAND, IDCANCEL, 0);
    else if (s.steps[s.next](*s.pDlg))
        s.next++;
}

// Selects the file whose name starts with the text in the dialog's list; false until it is listed.
bool SelectFile(CPreviewFileDlg& dlg, const wchar_t* pszName)
{
    HWND hView = ::FindWindowExW(::GetParent(dlg.GetSafeHwnd()), NULL, L"SHELLDLL_DefView", NULL);
    HWND hList = hView ? ::FindWindowExW(hView, NULL, WC_LISTVIEWW, NULL) : NULL;
    LVFINDINFOW fi = {LVFI_STRING | LVFI_PARTIAL, pszName};
    int i = hList ? (int)::SendMessageW(hList, LVM_FINDITEMW, (WPARAM)-1, (LPARAM)&fi) : -1;
    LVITEMW item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    return i >= 0 && ::SendMessageW(hList, LVM_SETITEMSTATE, i, (LPARAM)&item);
}

} // namespace

// On the samples' drawings: select one and see its thumbnail; switch the preview off (white;
// selections load nothing) and on (the current selection shows); accept it.
TEST(PreviewFileDlg, DrivenWhileOpen)
{
    IMG_REQUIRE_SAMPLES();
    CPreviewFileDlg dlg(TRUE, L"dwg", NULL, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                        L"Drawings (*.dwg)|*.dwg|All files (*.*)|*.*||");
    EXPECT_EQ((DWORD)0x80040, dlg.m_ofn.Flags & 0x80040);
    CString dir = SampleDir() + L"\\drawings";
    dlg.m_ofn.lpstrInitialDir = dir;
    CQPreviewStatic& pane = dlg.GetPreview();
    auto click = [](CPreviewFileDlg& d) { ::SendDlgItemMessageW(d.GetSafeHwnd(), 1002, BM_CLICK, 0, 0); };
    Script script = {
        &dlg,
        {[&](CPreviewFileDlg& d)
         {
             EXPECT_EQ(BST_CHECKED, ::SendDlgItemMessageW(d.GetSafeHwnd(), 1002, BM_GETCHECK, 0, 0));
             wchar_t text[16] = L"";
             ::GetDlgItemTextW(d.GetSafeHwnd(), 1002, text, 16);
             EXPECT_STREQ(L"\x663E\x793A", text); // the template's check box
             return SelectFile(d, L"2000-Line");
         },
         [&](CPreviewFileDlg& d)
         {
             if (pane.GetImage().DIBType() != DIBTYPE_DWG)
                 return false;
             pane.UpdateWindow();
             EXPECT_TRUE(ShowsImage(pane));
             click(d);
             auto pix = qtest::CaptureClient(&pane);
             EXPECT_EQ(pix->Width() * pix->Height(),
                       pix->CountColor(CRect(0, 0, pix->Width(), pix->Height()), RGB(255, 255, 255)));
             return !d.IsPreviewOn() && SelectFile(d, L"r14-v");
         },
         [&](CPreviewFileDlg& d)
         {
             EXPECT_EQ(256, pane.GetImage().GetWidth()); // still the first drawing
             click(d);
             EXPECT_EQ(180, pane.GetImage().GetWidth()); // the current selection
             ::PostMessageW(::GetParent(d.GetSafeHwnd()), WM_COMMAND, IDOK, 0);
             return true;
         }},
        0,
        0};
    g_pScript = &script;
    UINT_PTR timer = ::SetTimer(NULL, 0, 100, ScriptTimer);
    EXPECT_EQ(IDOK, dlg.DoModal());
    ::KillTimer(NULL, timer);
    EXPECT_EQ(3u, script.next);
    EXPECT_EQ(0, dlg.GetPathName().CompareNoCase(dir + L"\\r14-v.dwg"));
}
