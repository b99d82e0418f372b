// CQHeaderCtrlEx: dragging header items to a new place.
#include "QHeaderCtrlEx.h"

CQHeaderCtrlEx::CQHeaderCtrlEx()
    : m_bDragEnable(false), m_bMouseDown(false), m_bDragging(false), m_pWidth(NULL), m_nWidthCount(0),
      m_nDragSource(-1), m_nDropTarget(-1), m_rcMarker(0, 0, 0, 0), m_pfnDrop(NULL), m_pDropWnd(NULL)
{
}

CQHeaderCtrlEx::CQHeaderCtrlEx(CWnd* pWnd, QHEADERDROPPROC pfnDrop) : CQHeaderCtrlEx()
{
    SetCallback(pWnd, pfnDrop);
}

CQHeaderCtrlEx::~CQHeaderCtrlEx()
{
    delete[] m_pWidth;
}

BEGIN_MESSAGE_MAP(CQHeaderCtrlEx, CHeaderCtrl)
    // void OnMouseMove(UINT nFlags, CPoint point)
    ON_WM_MOUSEMOVE()
    // void OnLButtonUp(UINT nFlags, CPoint point)
    ON_WM_LBUTTONUP()
    // void OnLButtonDown(UINT nFlags, CPoint point)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void CQHeaderCtrlEx::SetCallback(CWnd* pWnd, QHEADERDROPPROC pfnDrop)
{
    m_pDropWnd = pWnd;
    m_pfnDrop = pfnDrop;
}

bool CQHeaderCtrlEx::EnableDrag(bool bDrag)
{
    bool bOld = m_bDragEnable;
    m_bDragEnable = bDrag;
    return bOld;
}

void CQHeaderCtrlEx::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bDragEnable)
    {
        HDHITTESTINFO hti = {};
        hti.pt = point;
        int nItem = HitTest(&hti);
        if (nItem >= 0 && (hti.flags & HHT_ONHEADER))
        {
            m_nDragSource = nItem;
            m_bMouseDown = true;
        }
    }
    CHeaderCtrl::OnLButtonDown(nFlags, point);
}

int CQHeaderCtrlEx::DropIndexAt(int x) const
{
    if (x <= 0)
        return 0;
    int nLeft = 0;
    for (int i = 0; i < m_nWidthCount; i++)
    {
        if (x >= nLeft && x < nLeft + m_pWidth[i])
            return i;
        nLeft += m_pWidth[i];
    }
    return m_nWidthCount;
}

void CQHeaderCtrlEx::DrawDropMarker(int nIndex)
{
    int nLeft = 0;
    for (int i = 0; i < nIndex && i < m_nWidthCount; i++)
        nLeft += m_pWidth[i];
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    int h = rcWnd.Height();
    // A triangle pointing down at the boundary where the item would go.
    POINT pts[3] = {{nLeft, h}, {nLeft - h / 4, h / 2}, {nLeft + h / 4, h / 2}};
    CClientDC dc(this);
    dc.Polygon(pts, 3);
    m_rcMarker.SetRect(nLeft - h / 4 - 1, h - h / 2 - 1, nLeft + h / 4 + 1, h + 1);
}

void CQHeaderCtrlEx::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragEnable)
    {
        if (!(nFlags & MK_LBUTTON))
        {
            m_bMouseDown = false;
            m_bDragging = false;
        }
        else if (m_bMouseDown && !m_bDragging)
        {
            // The first move with the button held starts the drag; nothing is drawn yet.
            m_bDragging = true;
            SetCapture();
            m_nDropTarget = m_nDragSource;
            delete[] m_pWidth;
            m_pWidth = NULL;
            m_nWidthCount = GetItemCount();
            if (m_nWidthCount > 0)
            {
                m_pWidth = new int[m_nWidthCount];
                for (int i = 0; i < m_nWidthCount; i++)
                {
                    HDITEM hdi = {};
                    hdi.mask = HDI_WIDTH;
                    GetItem(i, &hdi);
                    m_pWidth[i] = hdi.cxy;
                }
            }
        }
        else if (m_bDragging)
        {
            int nTarget = DropIndexAt(point.x);
            if (nTarget != m_nDropTarget)
            {
                InvalidateRect(m_rcMarker, TRUE);
                UpdateWindow();
                m_nDropTarget = nTarget;
                DrawDropMarker(nTarget);
            }
        }
    }
    CHeaderCtrl::OnMouseMove(nFlags, point);
}

void CQHeaderCtrlEx::EndDrag()
{
    m_bDragging = false;
    delete[] m_pWidth;
    m_pWidth = NULL;
    m_nWidthCount = 0;
    ::ReleaseCapture();
    Invalidate(TRUE);
}

void CQHeaderCtrlEx::OnLButtonUp(UINT nFlags, CPoint point)
{
    // The header's own handling comes first: it must still see its items as they were when the
    // button went down (the drop changes them), and it sends no click since the mouse left the
    // pressed item.
    CHeaderCtrl::OnLButtonUp(nFlags, point);
    m_bMouseDown = false;
    if (!m_bDragging)
        return;
    EndDrag();
    int nSource = m_nDragSource, nTarget = m_nDropTarget;
    if (nTarget != nSource && nTarget != nSource + 1 && m_pDropWnd != NULL && m_pfnDrop != NULL)
        (m_pDropWnd->*m_pfnDrop)(nSource, nTarget);
}
