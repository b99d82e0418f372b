// CQHeaderCtrlEx: the header of CQListCtrlEx. Besides the header's own behaviour it lets the user
// drag a header item to another place: while the left button is held after a press on an item, a
// triangle marks where the item would go, and on release a drop callback (a member function of
// the owning window) is told the item's index and the index it was dropped before.
#pragma once

#include <afxcmn.h>

// A drop callback: (index of the dragged item, index of the item it goes before; the item count
// for the end).
typedef void (CWnd::*QHEADERDROPPROC)(int nSource, int nTarget);

class AFX_EXT_CLASS CQHeaderCtrlEx : public CHeaderCtrl
{
public:
    CQHeaderCtrlEx();
    CQHeaderCtrlEx(CWnd* pWnd, QHEADERDROPPROC pfnDrop);
    virtual ~CQHeaderCtrlEx();

    void SetCallback(CWnd* pWnd, QHEADERDROPPROC pfnDrop);
    // Turns dragging on or off; returns the previous setting.
    bool EnableDrag(bool bDrag = true);

protected:
    // The drop index for a horizontal position: the item whose span holds x, counting the
    // recorded widths from 0; 0 left of the first item, the item count right of the last.
    int DropIndexAt(int x) const;
    void DrawDropMarker(int nIndex);
    void EndDrag();

    bool m_bDragEnable; // dragging allowed
    bool m_bMouseDown;  // the left button went down on an item
    bool m_bDragging;   // a drag is under way
    int* m_pWidth;      // item widths, recorded when the drag starts
    int m_nWidthCount;  // entries in m_pWidth
    int m_nDragSource;  // item where the button went down
    int m_nDropTarget;  // current drop index
    CRect m_rcMarker;   // area of the last drop marker drawn
    QHEADERDROPPROC m_pfnDrop;
    CWnd* m_pDropWnd;

    // void OnMouseMove(UINT nFlags, CPoint point)
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    // void OnLButtonUp(UINT nFlags, CPoint point)
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    // void OnLButtonDown(UINT nFlags, CPoint point)
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
