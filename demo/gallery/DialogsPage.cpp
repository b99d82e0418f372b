// The dialogs page: a resizable dialog at two sizes, a major dialog with two minors snapped to
// it, the colour picker closed and open, and a tip window beside a field. The dialogs are child
// windows of the page made from templates built in memory; the group's dialogs can be dragged
// by their captions.
#include "GalleryPage.h"

#include <vector>

namespace
{

// A dialog template in memory (DLGTEMPLATE and its items, DWORD-aligned, with DS_SETFONT).
class CTemplateBuilder
{
public:
    CTemplateBuilder(DWORD dwStyle, short cx, short cy, LPCWSTR lpszTitle)
    {
        Push(dwStyle | DS_SETFONT);
        Push(0);
        for (WORD w : {(WORD)0, (WORD)0, (WORD)0, (WORD)cx, (WORD)cy, (WORD)0, (WORD)0})
            m_words.push_back(w);
        Text(lpszTitle);
        m_words.push_back(8);
        Text(L"MS Shell Dlg");
    }
    void Add(WORD nClass, WORD nID, DWORD dwStyle, short x, short y, short cx, short cy, LPCWSTR lpszText)
    {
        if (m_words.size() % 2)
            m_words.push_back(0);
        Push(dwStyle | WS_CHILD | WS_VISIBLE);
        Push(0);
        for (WORD w : {(WORD)x, (WORD)y, (WORD)cx, (WORD)cy, nID, (WORD)0xFFFF, nClass})
            m_words.push_back(w);
        Text(lpszText);
        m_words.push_back(0);
        m_words[4]++;
    }
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    void Push(DWORD dw)
    {
        m_words.push_back(LOWORD(dw));
        m_words.push_back(HIWORD(dw));
    }
    void Text(LPCWSTR lpsz)
    {
        for (; *lpsz; lpsz++)
            m_words.push_back((WORD)*lpsz);
        m_words.push_back(0);
    }
    std::vector<WORD> m_words;
};

const WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082, kCombo = 0x0085;
const DWORD kChildDialog = WS_CHILD | WS_CAPTION | WS_CLIPSIBLINGS | WS_VISIBLE;
enum
{
    IDC_NOTES = 1001,
    IDC_NOTES_LABEL,
    IDC_LAYER,
    IDC_LAYER_LABEL,
    IDC_PICKER = 2001,
    IDC_PICKER_OPEN,
    IDC_FIELD,
    IDC_SHOW_TIP,
    IDC_CAPTION,
    IDC_FIELD_LABEL,
};
const UINT WM_SHOW_TIP = WM_APP + 20;

// A note editor that stretches with its frame; its buttons stay in the lower-right corner.
class CNotesDlg : public CQResizDlg
{
public:
    CNotesDlg() : CQResizDlg(0x4E01) { SetRememberSize(FALSE); }
    BOOL OnInitDialog() override
    {
        CQResizDlg::OnInitDialog();
        SetControlInfo(IDC_NOTES, STRETCH_H | STRETCH_V);
        SetControlInfo(IDC_LAYER, STRETCH_H);
        SetControlInfo(IDOK, MOVE_H | MOVE_V);
        SetControlInfo(IDCANCEL, MOVE_H | MOVE_V);
        SetDlgItemText(IDC_NOTES, L"Support every 3 m on the rack; slope 1:200 towards the drain.");
        return FALSE;
    }
    void OnOK() override {}
    void OnCancel() override {}
};

class CToolDlg : public CQArrangeDlg
{
public:
    CToolDlg() : CQArrangeDlg(0x4E02) {}
    void OnOK() override {}
    void OnCancel() override {}
};

class CDialogsPage : public CGalleryPage
{
protected:
    BOOL CreateControls() override;
    void Fill() override;
    void Layout(int cx, int cy) override;

    // void OnShowWindow(BOOL bShow, UINT nStatus)
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    // LRESULT OnShowTip(WPARAM wParam, LPARAM lParam)
    afx_msg LRESULT OnShowTip(WPARAM wParam, LPARAM lParam);
    // void OnShowTipClicked()
    afx_msg void OnShowTipClicked();
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateToolDlg(CToolDlg& dlg, LPCWSTR lpszTitle, LPCWSTR lpszText);

    CStatic m_caption, m_fieldLabel;
    CNotesDlg m_small, m_large;
    CToolDlg m_major, m_layers, m_preview;
    CQColorPickerCB m_picker, m_pickerOpen;
    CEdit m_field;
    CButton m_showTip;
    CQTipCtr m_tipCaller;
};

GALLERY_PAGE(CDialogsPage, 40, L"dialogs", L"Dialogs")

BEGIN_MESSAGE_MAP(CDialogsPage, CGalleryPage)
    // void OnShowWindow(BOOL bShow, UINT nStatus)
    ON_WM_SHOWWINDOW()
    // LRESULT OnShowTip(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_SHOW_TIP, OnShowTip)
    // void OnShowTipClicked()
    ON_BN_CLICKED(IDC_SHOW_TIP, OnShowTipClicked)
END_MESSAGE_MAP()

BOOL CDialogsPage::CreateToolDlg(CToolDlg& dlg, LPCWSTR lpszTitle, LPCWSTR lpszText)
{
    CTemplateBuilder tmpl(kChildDialog, 100, 60, lpszTitle);
    tmpl.Add(kStatic, 0xFFFF, SS_LEFT, 6, 6, 88, 48, lpszText);
    return dlg.CreateIndirect(tmpl.Get(), this);
}

BOOL CDialogsPage::CreateControls()
{
    if (!CreateLabel(m_caption,
                     L"Left: one resizable dialog at its template size and enlarged; the notes stretch, the "
                     L"buttons keep to the corner. Right: a major dialog with two minors snapped to it (drag "
                     L"a caption near another dialog), the colour picker, and a tip beside a field.",
                     IDC_CAPTION) ||
        !CreateLabel(m_fieldLabel, L"Pipe class", IDC_FIELD_LABEL))
        return FALSE;

    CTemplateBuilder notes(kChildDialog | WS_THICKFRAME, 160, 100, L"Line notes");
    notes.Add(kStatic, IDC_LAYER_LABEL, SS_LEFT, 6, 8, 30, 10, L"Layer");
    notes.Add(kEdit, IDC_LAYER, WS_BORDER | ES_AUTOHSCROLL, 38, 6, 114, 12, L"P-PIPE-CS150");
    notes.Add(kStatic, IDC_NOTES_LABEL, SS_LEFT, 6, 24, 60, 10, L"Notes");
    notes.Add(kEdit, IDC_NOTES, WS_BORDER | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, 6, 36, 146, 36, L"");
    notes.Add(kButton, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 52, 78, 48, 14, L"OK");
    notes.Add(kButton, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 104, 78, 48, 14, L"Cancel");
    if (!m_small.CreateIndirect(notes.Get(), this) || !m_large.CreateIndirect(notes.Get(), this))
        return FALSE;

    if (!CreateToolDlg(m_major, L"Properties", L"Line 4101-CS-150\nDN 150, PN 16\nCarbon steel") ||
        !CreateToolDlg(m_layers, L"Layers", L"P-PIPE\nP-SUPP\nP-TEXT") ||
        !CreateToolDlg(m_preview, L"Preview", L"Isometric of the line"))
        return FALSE;

    const DWORD dwPicker = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    if (!m_picker.Create(dwPicker | CBS_DROPDOWNLIST, CRect(0, 0, 180, 300), this, IDC_PICKER) ||
        !m_pickerOpen.Create(dwPicker | CBS_SIMPLE, CRect(0, 0, 180, 220), this, IDC_PICKER_OPEN) ||
        !m_field.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"CS150-A1", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                          CRect(0, 0, 10, 10), this, IDC_FIELD) ||
        !m_showTip.Create(L"Show tip", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 10, 10), this,
                          IDC_SHOW_TIP))
        return FALSE;
    for (CWnd* pWnd : {(CWnd*)&m_picker, (CWnd*)&m_pickerOpen, (CWnd*)&m_field, (CWnd*)&m_showTip})
        pWnd->SetFont(GetGuiFont());
    return TRUE;
}

void CDialogsPage::Fill()
{
    m_picker.SetSelectedColorValue(40);
    m_pickerOpen.AddColor(L"pipe rack", 30);
    m_pickerOpen.SetSelectedColorName(L"pipe rack");

    // The group: the minors are dropped near the major and snap onto its edges.
    m_major.SetRelatedState(CQArrangeDlg::RELATED_MAJOR);
    m_major.AttachDlg(&m_layers);
    m_major.AttachDlg(&m_preview);
}

void CDialogsPage::Layout(int cx, int)
{
    m_caption.MoveWindow(0, 0, cx, 44);
    CRect rcSmall;
    m_small.GetWindowRect(&rcSmall);
    m_small.MoveWindow(0, 52, rcSmall.Width(), rcSmall.Height());
    m_large.MoveWindow(0, 62 + rcSmall.Height(), rcSmall.Width() + 110, rcSmall.Height() + 90);

    const int x = 400;
    m_major.MoveWindow(x, 52, 170, 120);
    m_layers.MoveWindow(x + 170 + 25, 70, 120, 100);      // 25 pixels off the major's right edge: snaps
    m_preview.MoveWindow(x + 10, 52 + 120 + 30, 200, 90); // 30 pixels below: snaps up

    m_fieldLabel.MoveWindow(x, 330, 70, 18);
    m_field.MoveWindow(x + 72, 326, 130, 24);
    m_showTip.MoveWindow(x + 72, 356, 130, 26);
    m_picker.MoveWindow(x, 400, 190, 300);
    m_pickerOpen.MoveWindow(x + 210, 400, 190, 240);
    m_tipCaller.m_ptPos = CPoint(x + 72 + 130 + 6, 326);
}

void CDialogsPage::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CGalleryPage::OnShowWindow(bShow, nStatus);
    if (bShow)
        PostMessage(WM_SHOW_TIP);
    else if (CQTipCtr::m_pTip != NULL && CQTipCtr::m_pTip->m_pParent == this)
        CQTipCtr::m_pTip->HideWindow();
}

LRESULT CDialogsPage::OnShowTip(WPARAM, LPARAM)
{
    if (!IsWindowVisible())
        return 0;
    CStringArray arLines;
    arLines.Add(L" Pipe class CS150-A1 ");
    arLines.Add(L" Carbon steel, ASME B36.10 ");
    arLines.Add(L" Design 19.6 bar at 120 °C ");
    arLines.Add(L" Corrosion allowance 1.5 mm ");
    CRect rcField;
    m_field.GetWindowRect(&rcField);
    ScreenToClient(&rcField);
    m_tipCaller.m_ptPos = CPoint(rcField.right + 6, rcField.top);
    if (CQTipCtr* pTip = m_tipCaller.ShowWindowCtr(this, arLines))
        pTip->SetTipBkColor(RGB(255, 255, 225));
    return 0;
}

void CDialogsPage::OnShowTipClicked()
{
    PostMessage(WM_SHOW_TIP);
}

} // namespace
