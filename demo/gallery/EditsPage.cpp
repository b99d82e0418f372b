// The masked and numeric edits page: a pipe line's drawing and layer references, which keep
// their fixed prefixes, and its design figures, which take numbers only. The summary below the
// fields reads them back as the caller of the edits does.
#include "GalleryPage.h"

namespace
{

struct MaskedField
{
    LPCWSTR lpszLabel, lpszMask, lpszText;
};
const MaskedField kMaskedFields[] = {
    {L"Drawing number", L"DWG-", L"2026-0147"},
    {L"Layer", L"P-PIPE-", L"CS-150"},
    {L"Line number", L"L-", L"4101-CS-150"},
};

struct NumberField
{
    LPCWSTR lpszLabel;
    double dValue;
};
const NumberField kNumberFields[] = {
    {L"Elevation (m)", 12.85},
    {L"Outside diameter (mm)", 168.3},
    {L"Design pressure (bar)", 19.6},
    {L"Expansion (1/K)", 1.2e-5},
};

const int kMasked = sizeof(kMaskedFields) / sizeof(kMaskedFields[0]);
const int kNumbers = sizeof(kNumberFields) / sizeof(kNumberFields[0]);
const UINT kFirstEdit = 100;

class CEditsPage : public CGalleryPage
{
protected:
    BOOL CreateControls() override;
    void Fill() override;
    void Layout(int cx, int cy) override;

    afx_msg void OnFieldChange(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateField(CStatic& label, LPCWSTR lpszLabel, CEdit& edit, UINT nID);

    CStatic m_caption, m_summary;
    CStatic m_maskLabels[kMasked], m_numberLabels[kNumbers];
    CQMaskEdit m_masked[kMasked];
    CQNumEdit m_numbers[kNumbers];
};

GALLERY_PAGE(CEditsPage, 30, L"edits", L"Masked and numeric edits")

BEGIN_MESSAGE_MAP(CEditsPage, CGalleryPage)
    ON_CONTROL_RANGE(EN_CHANGE, kFirstEdit, kFirstEdit + kMasked + kNumbers - 1, OnFieldChange)
END_MESSAGE_MAP()

BOOL CEditsPage::CreateField(CStatic& label, LPCWSTR lpszLabel, CEdit& edit, UINT nID)
{
    if (!CreateLabel(label, lpszLabel, 0))
        return FALSE;
    if (!edit.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                       CRect(0, 0, 10, 10), this, nID))
        return FALSE;
    edit.SetFont(GetGuiFont());
    return TRUE;
}

BOOL CEditsPage::CreateControls()
{
    if (!CreateLabel(m_caption,
                     L"Masked edits keep their prefix: typing and deleting work only after it. Numeric edits "
                     L"accept what can form a decimal number with an exponent.",
                     1) ||
        !CreateLabel(m_summary, L"", 2, SS_LEFT | SS_SUNKEN))
        return FALSE;
    for (int i = 0; i < kMasked; i++)
        if (!CreateField(m_maskLabels[i], kMaskedFields[i].lpszLabel, m_masked[i], kFirstEdit + i))
            return FALSE;
    for (int i = 0; i < kNumbers; i++)
        if (!CreateField(m_numberLabels[i], kNumberFields[i].lpszLabel, m_numbers[i],
                         kFirstEdit + kMasked + i))
            return FALSE;
    return TRUE;
}

void CEditsPage::Fill()
{
    for (int i = 0; i < kMasked; i++)
    {
        m_masked[i].SetMaskText(kMaskedFields[i].lpszMask);
        m_masked[i].SetText(kMaskedFields[i].lpszText);
    }
    for (int i = 0; i < kNumbers; i++)
        m_numbers[i].SetValue(kNumberFields[i].dValue);
    OnFieldChange(kFirstEdit);
}

void CEditsPage::OnFieldChange(UINT)
{
    if (m_summary.GetSafeHwnd() == NULL)
        return;
    CString strDrawing, strLayer, strLine, strMask;
    m_masked[0].GetText(strDrawing);
    m_masked[1].GetText(strLayer);
    m_masked[2].GetText(strLine);
    m_masked[1].GetMaskText(strMask);
    double dElevation = m_numbers[0].GetValue(), dDiameter = m_numbers[1].GetValue();
    double dPressure = m_numbers[2].GetValue(), dExpansion = m_numbers[3].GetValue();
    CString strSummary;
    strSummary.Format(L"  Drawing %s, line %s on layer %s%s\n  Elevation %.3f m, outside diameter %.1f mm, "
                      L"design pressure %.1f bar\n  Growth of 100 m of pipe heated by 80 K: %.1f mm",
                      (LPCWSTR)strDrawing, (LPCWSTR)strLine, (LPCWSTR)strMask, (LPCWSTR)strLayer, dElevation,
                      dDiameter, dPressure, 100.0 * 80.0 * dExpansion * 1000.0);
    m_summary.SetWindowText(strSummary);
}

void CEditsPage::Layout(int cx, int)
{
    const int nLabel = 170, nEdit = 220, nRow = 30, nHeight = 22;
    m_caption.MoveWindow(0, 0, cx, 34);
    int y = 44;
    for (int i = 0; i < kMasked; i++, y += nRow)
    {
        m_maskLabels[i].MoveWindow(0, y + 4, nLabel, nHeight - 4);
        m_masked[i].MoveWindow(nLabel, y, nEdit, nHeight);
    }
    y += 12;
    for (int i = 0; i < kNumbers; i++, y += nRow)
    {
        m_numberLabels[i].MoveWindow(0, y + 4, nLabel, nHeight - 4);
        m_numbers[i].MoveWindow(nLabel, y, nEdit, nHeight);
    }
    m_summary.MoveWindow(0, y + 12, std::min(cx, 620), 60);
}

} // namespace
