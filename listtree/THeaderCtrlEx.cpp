// CTHeaderCtrlEx: the sort marks and the drawing of marked columns (title, arrow, priority ticks).
#include "THeaderCtrlEx.h"

namespace
{

// A triangle in the box: pointing down (base along the top edge) for ascending, pointing up
// (base along the bottom edge) for descending, drawn with the selected pen.
void DrawArrow(CDC& dc, const CRect& box, int bAscending)
{
    int xMid = box.left + (box.right - box.left) / 2;
    int yBase = bAscending ? box.top : box.bottom;
    int yPoint = bAscending ? box.bottom : box.top;
    dc.MoveTo(box.left, yBase);
    dc.LineTo(box.right, yBase);
    dc.LineTo(xMid, yPoint);
    dc.LineTo(box.left, yBase);
}

} // namespace

// The header's own messages are all handled by the platform; marked items come to DrawItem
// through the reflected WM_DRAWITEM.
BEGIN_MESSAGE_MAP(CTHeaderCtrlEx, CHeaderCtrl)
END_MESSAGE_MAP()

CTHeaderCtrlEx::CTHeaderCtrlEx() : m_nLastPosition(0) {}

CTHeaderCtrlEx::~CTHeaderCtrlEx() {}

int CTHeaderCtrlEx::SetColumnOrder(int nColumn, int bAscending)
{
    WORD wMark = 0;
    int nPosition;
    if (m_mapSortMarks.Lookup(nColumn, wMark))
        nPosition = HIBYTE(wMark);
    else
        nPosition = ++m_nLastPosition;
    m_mapSortMarks.SetAt(nColumn, (WORD)(((nPosition & 0xFF) << 8) | (bAscending & 0xFF)));
    SetColumnFormat(nColumn, HDF_OWNERDRAW, TRUE);
    if (::IsWindow(m_hWnd))
        Invalidate();
    return 1;
}

int CTHeaderCtrlEx::GetColumnOrder(int nColumn, int& bAscending, int& nPosition) const
{
    WORD wMark = 0;
    if (!m_mapSortMarks.Lookup(nColumn, wMark))
        return 0;
    bAscending = LOBYTE(wMark);
    nPosition = HIBYTE(wMark);
    return 1;
}

int CTHeaderCtrlEx::GetPositionColumn(int nPosition, int& bAscending, int& nColumn) const
{
    POSITION pos = m_mapSortMarks.GetStartPosition();
    while (pos != NULL)
    {
        int nKey;
        WORD wMark;
        m_mapSortMarks.GetNextAssoc(pos, nKey, wMark);
        nColumn = nKey;
        if (HIBYTE(wMark) == nPosition)
        {
            bAscending = LOBYTE(wMark);
            return 1;
        }
    }
    return 0;
}

void CTHeaderCtrlEx::DeleteColumnOrder(int nColumn)
{
    SetColumnFormat(nColumn, HDF_OWNERDRAW, FALSE);
    WORD wMark = 0;
    if (!m_mapSortMarks.Lookup(nColumn, wMark))
        return;
    int nPosition = HIBYTE(wMark);
    m_mapSortMarks.RemoveKey(nColumn);
    POSITION pos = m_mapSortMarks.GetStartPosition();
    while (pos != NULL)
    {
        int nKey;
        WORD w;
        m_mapSortMarks.GetNextAssoc(pos, nKey, w);
        if (HIBYTE(w) > nPosition)
            m_mapSortMarks.SetAt(nKey, (WORD)(((HIBYTE(w) - 1) << 8) | LOBYTE(w)));
    }
    --m_nLastPosition;
    if (::IsWindow(m_hWnd))
        Invalidate();
}

void CTHeaderCtrlEx::ResetSortColumns(int bRedraw)
{
    m_mapSortMarks.RemoveAll();
    m_nLastPosition = 0;
    if (!::IsWindow(m_hWnd))
        return;
    int nItems = GetItemCount();
    for (int i = 0; i < nItems; ++i)
        SetColumnFormat(i, HDF_OWNERDRAW, FALSE);
    if (bRedraw)
        Invalidate();
}

void CTHeaderCtrlEx::SetColumnFormat(int nColumn, int nFlags, int bSet)
{
    if (!::IsWindow(m_hWnd))
        return;
    HDITEM hdi = {};
    hdi.mask = HDI_FORMAT;
    if (!GetItem(nColumn, &hdi))
        return;
    int nFormat = bSet ? (hdi.fmt | nFlags) : (hdi.fmt & ~nFlags);
    // An unchanged format is not written: every write makes the header notify its list.
    if (nFormat == hdi.fmt)
        return;
    hdi.fmt = nFormat;
    SetItem(nColumn, &hdi);
}

void CTHeaderCtrlEx::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC dc;
    if (lpDrawItemStruct == NULL || !dc.Attach(lpDrawItemStruct->hDC))
        return;
    CRect rc(lpDrawItemStruct->rcItem);
    int nSaved = dc.SaveDC();
    dc.IntersectClipRect(rc);

    const int x = dc.GetTextExtent(L"X", 1).cx;
    const int nColumn = (int)lpDrawItemStruct->itemID;

    wchar_t szText[255] = L"";
    HDITEM hdi = {};
    hdi.mask = HDI_TEXT | HDI_FORMAT;
    hdi.pszText = szText;
    hdi.cchTextMax = 255;
    if (!GetItem(nColumn, &hdi))
        szText[0] = 0;
    szText[254] = 0;
    UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (hdi.fmt & HDF_CENTER)
        nFormat |= DT_CENTER;
    else if (hdi.fmt & HDF_RIGHT)
        nFormat |= DT_RIGHT;
    else
        nFormat |= DT_LEFT;

    // The pressed look moves the contents a little.
    if (lpDrawItemStruct->itemState == ODS_SELECTED)
    {
        rc.left += 1;
        rc.top += 2;
        rc.right += 1;
    }

    int bAscending = 1, nPosition = 0;
    const BOOL bMarked = GetColumnOrder(nColumn, bAscending, nPosition);
    const int nArrowSpace = bMarked ? 2 * x : 0;
    CRect rcText(rc.left + x, rc.top, rc.right - nArrowSpace - x, rc.bottom);
    if (rcText.left < rcText.right)
        dc.DrawText(szText, -1, rcText, nFormat);

    if (bMarked)
    {
        rcText.right += x;
        const int h = rcText.Height();
        const int a = (int)(h / 5.0 * 2);
        CRect box(rcText.right, rc.top + (h - a) / 2, rcText.right + a, rc.top + (h - a) / 2 + a);
        CPen penLight(PS_SOLID, 1, ::GetSysColor(COLOR_3DHILIGHT));
        CPen penShadow(PS_SOLID, 1, ::GetSysColor(COLOR_3DSHADOW));
        CPen* pOldPen = dc.SelectObject(&penLight);
        // Too narrow for the arrow: the title went first, now the arrow goes too.
        if (box.left > rcText.left)
        {
            DrawArrow(dc, box, bAscending);
            box.OffsetRect(-2, -1);
            dc.SelectObject(&penShadow);
            DrawArrow(dc, box, bAscending);
            box.OffsetRect(-2, -1);
            if (GetCountSortColumns() > 1)
            {
                int xCentre = box.left + (box.right - box.left) / 2;
                CRect rcTicks(xCentre - x, box.bottom, xCentre + x, box.bottom + 4);
                SignMoreSortColumns(dc, nPosition, rcTicks);
            }
        }
        dc.SelectObject(pOldPen);
    }
    dc.RestoreDC(nSaved);
    dc.Detach();
}

void CTHeaderCtrlEx::SignMoreSortColumns(CDC& dc, int nPosition, CRect& rcArea)
{
    if (nPosition < 1 || nPosition >= 4)
        return;
    int xFirst = rcArea.left + (rcArea.right - 2 * nPosition - rcArea.left + 1) / 2;
    if (xFirst < rcArea.left)
        return;
    CBrush brush(RGB(0, 0, 0));
    for (int i = 0; i < nPosition; ++i)
    {
        CRect rcTick(xFirst + 2 * i, rcArea.top, xFirst + 2 * i + 1, rcArea.bottom);
        dc.FillRect(rcTick, &brush);
    }
}
