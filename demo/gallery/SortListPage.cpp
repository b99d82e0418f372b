// The sortable list page: a maintenance round's inspection points with typed columns. A click on a
// heading sorts by that column's values (text, whole numbers, decimals, dates, times of the shift
// that starts at 06:00), a second click reverses; headings can be dragged to reorder the columns;
// the check boxes mark points done; the selection covers the whole row.
#include "GalleryPage.h"

namespace
{

struct InspectionPoint
{
    LPCWSTR lpszTag, lpszTask;
    int nReadings;
    double dPressure;
    int nYear, nMonth, nDay;
    int nHour, nMinute;
    bool bDone;
};
const InspectionPoint kPoints[] = {
    {L"P-101A", L"Feed pump bearing temperature", 4, 12.5, 2026, 11, 3, 6, 30, true},
    {L"P-101B", L"Spare feed pump run test", 2, 12.1, 2026, 9, 28, 7, 15, false},
    {L"E-204", L"Reboiler tube leak check", 6, 8.75, 2026, 10, 14, 9, 0, true},
    {L"V-310", L"Separator level glass", 1, 3.2, 2025, 12, 1, 11, 45, false},
    {L"C-401", L"Compressor vibration", 12, 31.0, 2026, 11, 28, 13, 20, true},
    {L"T-501", L"Tank roof drain", 1, 0.05, 2024, 6, 17, 15, 0, false},
    {L"PSV-118", L"Relief valve seal", 3, 14.6, 2026, 2, 9, 18, 40, false},
    {L"FV-220", L"Control valve stroke", 5, 6.4, 2026, 7, 21, 22, 10, true},
    {L"HX-602", L"Cooler fouling", 8, 2.95, 2025, 8, 5, 1, 30, false},
    {L"K-701", L"Blower belt tension", 2, 0.35, 2026, 11, 30, 4, 55, true},
    {L"p-102", L"Condensate pump seal flush", 3, 4.8, 2026, 5, 12, 5, 50, false},
};
const int kPointCount = sizeof(kPoints) / sizeof(kPoints[0]);

class CSortListPage : public CGalleryPage
{
protected:
    BOOL CreateControls() override;
    void Fill() override;
    void Layout(int cx, int cy) override;

private:
    BOOL MakeCheckImages();

    CStatic m_caption;
    CQListCtrlEx m_list;
    CImageList m_checks;
};

GALLERY_PAGE(CSortListPage, 50, L"sortlist", L"Sortable list")

// Two state images: an empty and a ticked check box.
BOOL CSortListPage::MakeCheckImages()
{
    const int n = 16;
    if (!m_checks.Create(n, n, ILC_COLOR32 | ILC_MASK, 2, 0))
        return FALSE;
    CClientDC screen(this);
    for (int i = 0; i < 2; i++)
    {
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap bmp;
        bmp.CreateCompatibleBitmap(&screen, n, n);
        CBitmap* pOld = dc.SelectObject(&bmp);
        dc.FillSolidRect(0, 0, n, n, RGB(255, 0, 255));
        CRect rc(1, 1, n - 1, n - 1);
        dc.DrawFrameControl(rc, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (i == 1 ? DFCS_CHECKED : 0));
        dc.SelectObject(pOld);
        m_checks.Add(&bmp, RGB(255, 0, 255));
    }
    return TRUE;
}

BOOL CSortListPage::CreateControls()
{
    if (!CreateLabel(m_caption,
                     L"Click a heading to sort by its values (text, count, pressure, date, time of the shift "
                     L"from 06:00); click again to reverse. Drag a heading to move its column. Tick a box to "
                     L"mark a point done.",
                     1))
        return FALSE;
    if (!m_list.CreateEx(WS_EX_CLIENTEDGE,
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS,
                         CRect(0, 0, 10, 10), this, 2))
        return FALSE;
    m_list.SetFont(GetGuiFont());
    return MakeCheckImages();
}

void CSortListPage::Fill()
{
    m_list.SetImageList(&m_checks, LVSIL_STATE);
    struct Column
    {
        LPCWSTR lpszTitle;
        int nFormat, nWidth;
        BYTE type;
    };
    const Column columns[] = {
        {L"Tag", LVCFMT_LEFT, 90, CQListCtrlEx::ColumnTextNoCase},
        {L"Task", LVCFMT_LEFT, 210, CQListCtrlEx::ColumnText},
        {L"Readings", LVCFMT_RIGHT, 70, CQListCtrlEx::ColumnInteger},
        {L"Pressure (bar)", LVCFMT_RIGHT, 95, CQListCtrlEx::ColumnReal},
        {L"Last inspected", LVCFMT_LEFT, 100, CQListCtrlEx::ColumnDateTime},
        {L"Round time", LVCFMT_LEFT, 90, CQListCtrlEx::ColumnTimeOfDay},
    };
    const int nColumns = sizeof(columns) / sizeof(columns[0]);
    BYTE types[nColumns];
    for (int c = 0; c < nColumns; c++)
    {
        m_list.InsertColumn(c, columns[c].lpszTitle, columns[c].nFormat, columns[c].nWidth, c);
        types[c] = columns[c].type;
    }
    m_list.SetColumnTypes(types, nColumns);
    m_list.SetBaseTime(COleDateTime(1899, 12, 30, 6, 0, 0).Format(VAR_TIMEVALUEONLY));
    m_list.EnableSort(true);
    m_list.EnableHeaderDrag(true);
    m_list.SetHighlightType(1);

    m_list.SetRedraw(FALSE);
    for (int i = 0; i < kPointCount; i++)
    {
        const InspectionPoint& p = kPoints[i];
        int n = m_list.InsertItem(i, p.lpszTag);
        m_list.SetItemText(n, 1, p.lpszTask);
        CString s;
        s.Format(L"%d", p.nReadings);
        m_list.SetItemText(n, 2, s);
        s.Format(L"%.2f", p.dPressure);
        m_list.SetItemText(n, 3, s);
        m_list.SetItemText(n, 4, COleDateTime(p.nYear, p.nMonth, p.nDay, 0, 0, 0).Format(VAR_DATEVALUEONLY));
        m_list.SetItemText(n, 5, COleDateTime(1899, 12, 30, p.nHour, p.nMinute, 0).Format(VAR_TIMEVALUEONLY));
        m_list.SetItemState(n, INDEXTOSTATEIMAGEMASK(p.bDone ? 2 : 1), LVIS_STATEIMAGEMASK);
    }
    m_list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetRedraw(TRUE);

    // Shown sorted by the round time, so that the shift's order is seen at once.
    NMHEADER nmh = {};
    nmh.hdr.hwndFrom = m_list.GetHeaderCtrl()->GetSafeHwnd();
    nmh.hdr.code = HDN_ITEMCLICKW;
    nmh.iItem = 5;
    m_list.SendMessage(WM_NOTIFY, 0, (LPARAM)&nmh);
}

void CSortListPage::Layout(int cx, int cy)
{
    m_caption.MoveWindow(0, 0, cx, 36);
    m_list.MoveWindow(0, 42, cx, cy - 42 > 0 ? cy - 42 : 0);
}

} // namespace
