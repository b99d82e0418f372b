// The bitmaps and preview page: drawing thumbnails in preview panes (the last one a PNG preview
// read by the imaging-component loader), a bitmap drawn one to one, stretched and scaled, an image
// drawn with a transparent colour beside a window shaped by the same image's region, and a button
// that opens the preview file dialog on the gallery's data folder. The files are the gallery's own
// (demo/data, written by make_images.py).
#include "GalleryFrame.h"
#include "GalleryPage.h"

namespace
{

const COLORREF kTransparent = RGB(255, 0, 255);
const UINT kOpenButtonID = 10;
const int kPaneCX = 150, kPaneCY = 100, kGap = 16;

struct Thumbnail
{
    LPCWSTR lpszFile, lpszCaption;
    bool bDerivedLoader;
};
const Thumbnail kThumbnails[] = {
    {L"plan.dwg", L"plan.dwg: bitmap thumbnail", false},
    {L"section.dwg", L"section.dwg: bitmap thumbnail", false},
    {L"pump.dwg", L"pump.dwg: PNG preview (CQDIBitmapEx)", true},
};
const int kThumbnailCount = sizeof(kThumbnails) / sizeof(kThumbnails[0]);

// A child window in the shape of a bitmap: the region leaves out the transparent colour.
class CShapedWnd : public CWnd
{
public:
    explicit CShapedWnd(const CQImage& image) : m_image(image) {}
    BOOL CreateShaped(CWnd* pParent, int x, int y)
    {
        if (!CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE,
                      CRect(x, y, x + m_image.GetBmpWidth(), y + m_image.GetBmpHeight()), pParent, 0))
            return FALSE;
        HRGN hRgn = m_image.GetBmpRgn(kTransparent);
        return hRgn != NULL && SetWindowRgn(hRgn, TRUE); // the window owns the region now
    }

protected:
    // void OnPaint()
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        m_image.ShowBmp(&dc, 0, 0);
    }
    DECLARE_MESSAGE_MAP()

private:
    const CQImage& m_image;
};

BEGIN_MESSAGE_MAP(CShapedWnd, CWnd)
    // void OnPaint()
    ON_WM_PAINT()
END_MESSAGE_MAP()

class CBitmapsPage : public CGalleryPage
{
public:
    CBitmapsPage() : m_shaped(m_sprite) {}
    int WriteExtraScreenshots(LPCWSTR pszFolder) override;

protected:
    BOOL CreateControls() override;
    void Fill() override;
    void Layout(int cx, int cy) override;

    afx_msg void OnPaint();
    afx_msg void OnOpenDialog();
    DECLARE_MESSAGE_MAP()

private:
    CRect DrawingRow() const { return CRect(0, 240, 620, 360); }
    CRect ImageRow() const { return CRect(0, 400, 300, 510); }

    CStatic m_caption, m_result;
    CStatic m_captions[kThumbnailCount], m_rowLabels[2];
    CQPreviewStatic m_panes[kThumbnailCount];
    CQDIBitmapEx m_loader; // the imaging-component loader used by the last pane and the dialog
    CQDIBitmap m_flange;
    CQImage m_sprite;
    CShapedWnd m_shaped;
    CButton m_open;
};

GALLERY_PAGE(CBitmapsPage, 50, L"bitmaps", L"Bitmaps and preview")

BEGIN_MESSAGE_MAP(CBitmapsPage, CGalleryPage)
    // void OnPaint()
    ON_WM_PAINT()
    // void OnOpenDialog()
    ON_BN_CLICKED(kOpenButtonID, OnOpenDialog)
END_MESSAGE_MAP()

BOOL CBitmapsPage::CreateControls()
{
    if (!CreateLabel(
            m_caption,
            L"Preview panes scale each drawing's thumbnail to fit and centre it. Below: one bitmap drawn "
            L"one to one, stretched and scaled; an image with magenta as its transparent colour, and a "
            L"window shaped by that image's region.",
            1) ||
        !CreateLabel(m_rowLabels[0],
                     L"One to one          Stretched to 200 x 80          Scaled into 160 x 120", 2) ||
        !CreateLabel(m_rowLabels[1], L"Transparent drawing          Shaped window", 3) ||
        !CreateLabel(m_result, L"", 4))
        return FALSE;
    for (int i = 0; i < kThumbnailCount; i++)
    {
        if (!CreateLabel(m_captions[i], kThumbnails[i].lpszCaption, 20 + i) ||
            !m_panes[i].Create(L"", WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_SUNKEN, CRect(0, 0, 10, 10), this,
                               30 + i))
            return FALSE;
    }
    if (!m_open.Create(L"Open the preview file dialog...", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                       CRect(0, 0, 10, 10), this, kOpenButtonID))
        return FALSE;
    m_open.SetFont(GetGuiFont());
    return TRUE;
}

void CBitmapsPage::Fill()
{
    CString folder = DataFolder();
    for (int i = 0; i < kThumbnailCount; i++)
    {
        if (kThumbnails[i].bDerivedLoader)
            m_panes[i].SetLoader(&m_loader);
        m_panes[i].OpenImage(folder + kThumbnails[i].lpszFile);
    }
    m_flange.Load(folder + L"flange.bmp");
    if (m_sprite.OpenBmpFile(folder + L"sprite.bmp") && m_shaped.GetSafeHwnd() == NULL)
        m_shaped.CreateShaped(this, ImageRow().left + 170, ImageRow().top + 8);
}

void CBitmapsPage::Layout(int cx, int)
{
    m_caption.MoveWindow(0, 0, std::min(cx, 640), 48);
    for (int i = 0; i < kThumbnailCount; i++)
    {
        int x = i * (kPaneCX + kGap);
        m_panes[i].MoveWindow(x, 56, kPaneCX, kPaneCY);
        m_captions[i].MoveWindow(x, 56 + kPaneCY + 4, kPaneCX + kGap, 32);
    }
    m_rowLabels[0].MoveWindow(0, DrawingRow().top - 22, 620, 18);
    m_rowLabels[1].MoveWindow(0, ImageRow().top - 22, 300, 18);
    m_open.MoveWindow(330, ImageRow().top, 230, 26);
    m_result.MoveWindow(330, ImageRow().top + 34, std::max(cx - 330, 10), 40);
}

void CBitmapsPage::OnPaint()
{
    CPaintDC dc(this);
    CRect row = DrawingRow();
    if (m_flange.GetHeaderPtr() != NULL)
    {
        int w = m_flange.GetWidth(), h = m_flange.GetHeight();
        m_flange.DrawDIB(&dc, row.left, row.top, w, h);
        m_flange.StretchDIB(&dc, row.left + 130, row.top, 200, 80, 0, 0, w, h);
        // ScaleDIB draws at the DC's origin: the origin is moved to the box.
        CRect box(row.left + 360, row.top, row.left + 520, row.top + 120);
        dc.FillSolidRect(box, RGB(255, 255, 255));
        CPoint old = dc.SetViewportOrg(box.TopLeft());
        m_flange.ScaleDIB(&dc, CRect(0, 0, box.Width(), box.Height()), TRUE);
        dc.SetViewportOrg(old);
        dc.FrameRect(box, CBrush::FromHandle((HBRUSH)::GetStockObject(GRAY_BRUSH)));
    }
    // A hatched ground shows what the transparent colour and the region leave out.
    CRect ground = ImageRow();
    CBrush hatch(HS_DIAGCROSS, RGB(150, 150, 190));
    COLORREF oldBk = dc.SetBkColor(RGB(235, 235, 245));
    dc.FillRect(ground, &hatch);
    dc.SetBkColor(oldBk);
    m_sprite.ShowTransBmp(&dc, ground.left + 8, ground.top + 8, kTransparent);
}

void CBitmapsPage::OnOpenDialog()
{
    CPreviewFileDlg dlg(TRUE, L"dwg", NULL, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                        L"Drawings and bitmaps (*.dwg;*.bmp)|*.dwg;*.bmp|All files (*.*)|*.*||", this);
    CString folder = DataFolder();
    dlg.m_ofn.lpstrInitialDir = folder;
    CQDIBitmapEx loader;
    dlg.GetPreview().SetLoader(&loader);
    if (dlg.DoModal() == IDOK)
        m_result.SetWindowText(L"Chosen: " + dlg.GetPathName());
}

// ---------------------------------------------------------------------------------------------
// The dialog's screenshot: opened on the data folder, a drawing selected from a thread timer, the
// dialog written once its pane shows the drawing, then closed.

struct DialogShot
{
    CPreviewFileDlg* pDlg;
    CString path;
    int ticks;
    bool selected, written;
};
DialogShot* g_pShot = NULL;

void CALLBACK DialogShotTimer(HWND, UINT, UINT_PTR, DWORD)
{
    DialogShot& s = *g_pShot;
    HWND hChild = s.pDlg->GetSafeHwnd();
    if (hChild == NULL)
        return;
    HWND hDialog = ::GetParent(hChild);
    if (++s.ticks > 100 || s.written)
    {
        ::PostMessageW(hDialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (!s.selected)
    {
        HWND hView = ::FindWindowExW(hDialog, NULL, L"SHELLDLL_DefView", NULL);
        HWND hList = hView ? ::FindWindowExW(hView, NULL, L"SysListView32", NULL) : NULL;
        LVFINDINFOW fi = {LVFI_STRING | LVFI_PARTIAL, L"plan"};
        int i = hList ? (int)::SendMessageW(hList, LVM_FINDITEMW, (WPARAM)-1, (LPARAM)&fi) : -1;
        if (i >= 0)
        {
            LVITEMW item = {};
            item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
            ::SendMessageW(hList, LVM_SETITEMSTATE, i, (LPARAM)&item);
            s.selected = true;
        }
        return;
    }
    if (s.pDlg->GetPreview().GetImage().DIBType() == DIBTYPE_DWG)
        s.written = WriteWindowPng(CWnd::FromHandle(hDialog), s.path) != FALSE;
}

int CBitmapsPage::WriteExtraScreenshots(LPCWSTR pszFolder)
{
    // The dialog goes into a folder of its own, dialogs\preview-dialog.png, so that the folder
    // itself keeps one picture of the gallery window per page; it is not counted.
    CString sub = CString(pszFolder) + L"\\dialogs";
    DWORD attr = ::GetFileAttributesW(pszFolder);
    if (attr == INVALID_FILE_ATTRIBUTES || !(attr & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    ::CreateDirectoryW(sub, NULL);
    CPreviewFileDlg dlg(TRUE, L"dwg", NULL, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                        L"Drawings and bitmaps (*.dwg;*.bmp)|*.dwg;*.bmp|All files (*.*)|*.*||", this);
    CString folder = DataFolder();
    dlg.m_ofn.lpstrInitialDir = folder;
    DialogShot shot = {&dlg, sub + L"\\preview-dialog.png", 0, false, false};
    g_pShot = &shot;
    UINT_PTR timer = ::SetTimer(NULL, 0, 150, DialogShotTimer);
    dlg.DoModal();
    ::KillTimer(NULL, timer);
    g_pShot = NULL;
    return 0;
}

} // namespace
