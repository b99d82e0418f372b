// CQArrangeDlg: group membership, the edge test, snapping and moving the connected minors.
#include "QArrangeDlg.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

IMPLEMENT_DYNAMIC(CQArrangeDlg, CDialog)

BEGIN_MESSAGE_MAP(CQArrangeDlg, CDialog)
    // void OnMove(int x, int y)
    ON_WM_MOVE()
END_MESSAGE_MAP()

namespace
{
const double kTolerance = 40.0;
// Snapping moves a window, which sends a further move message; the rectangles then touch and
// the chain ends. A window manager that refuses a position could keep it going: it is cut here.
const int kMaxMoveDepth = 8;

// Every live object of the class, so that a destroyed dialog can be taken out of the group
// wherever it is named.
std::vector<CQArrangeDlg*>& LiveDialogs()
{
    static std::vector<CQArrangeDlg*> s_dialogs;
    return s_dialogs;
}
} // namespace

CQArrangeDlg::CQArrangeDlg(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_sizeMove(0, 0), m_ptLast(0, 0), m_nRelatedState(RELATED_NONE),
      m_nDlgCount(0), m_pMajor(NULL), m_bConnected(FALSE), m_nMoveDepth(0)
{
    LiveDialogs().push_back(this);
}

CQArrangeDlg::~CQArrangeDlg()
{
    std::vector<CQArrangeDlg*>& live = LiveDialogs();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    for (CQArrangeDlg* pDlg : live)
    {
        for (INT_PTR i = pDlg->m_arDlgs.GetSize() - 1; i >= 0; i--)
            if (pDlg->m_arDlgs[i] == this)
            {
                pDlg->m_arDlgs.RemoveAt(i);
                pDlg->m_nDlgCount = (long)pDlg->m_arDlgs.GetSize();
            }
        if (pDlg->m_pMajor == this)
        {
            pDlg->m_pMajor = NULL;
            pDlg->m_nRelatedState = RELATED_NONE;
            pDlg->m_bConnected = FALSE;
        }
    }
    m_arDlgs.RemoveAll();
    m_pMajor = NULL;
    m_nRelatedState = RELATED_NONE;
    DestroyWindow();
}

void CQArrangeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

// ---------------------------------------------------------------------------------------------
// Group membership

void CQArrangeDlg::SetRelatedState(DlgRelatedState state, BOOL bDetach)
{
    if (state != RELATED_NONE && state != RELATED_MINOR && state != RELATED_MAJOR)
        return;
    if (bDetach)
        DetachDlgAll();
    m_nRelatedState = state;
    if (state == RELATED_MAJOR)
    {
        m_pMajor = this;
        m_bConnected = TRUE;
    }
}

BOOL CQArrangeDlg::SetMajorDlg(CQArrangeDlg* pMajor)
{
    if (pMajor == NULL || !pMajor->IsMajorDlg() || IsMajorDlg())
        return FALSE;
    // A minor of another major leaves that major's list first, so that it is listed once.
    if (m_pMajor != NULL && m_pMajor != pMajor)
        m_pMajor->DetachDlg(this);
    m_nRelatedState = RELATED_MINOR;
    m_pMajor = pMajor;
    return TRUE;
}

long CQArrangeDlg::AttachDlg(CQArrangeDlg* pDlg)
{
    if (!IsMajorDlg() || pDlg == NULL || pDlg == this || pDlg->m_nRelatedState != RELATED_NONE)
        return -1;
    if (!pDlg->SetMajorDlg(this))
        return -1;
    long nIndex = (long)m_arDlgs.Add(pDlg);
    m_nDlgCount++;
    return nIndex;
}

long CQArrangeDlg::DetachDlg(CQArrangeDlg* pDlg)
{
    if (!IsMajorDlg() || pDlg == NULL || m_arDlgs.GetSize() == 0)
        return -1;
    for (INT_PTR i = 0; i < m_arDlgs.GetSize(); i++)
        if (m_arDlgs[i] == pDlg)
        {
            m_arDlgs.RemoveAt(i);
            m_nDlgCount--;
            return (long)i;
        }
    return -1;
}

CQArrangeDlg* CQArrangeDlg::DetachDlg(long nIndex)
{
    if (!IsMajorDlg() || nIndex < 0 || nIndex >= m_arDlgs.GetSize())
        return NULL;
    CQArrangeDlg* pDlg = m_arDlgs[nIndex];
    if (pDlg == NULL)
        return NULL;
    m_arDlgs.RemoveAt(nIndex);
    m_nDlgCount--;
    return pDlg;
}

void CQArrangeDlg::DetachDlgAll()
{
    if (IsMajorDlg())
    {
        m_arDlgs.RemoveAll();
        m_nDlgCount = 0;
    }
    else if (IsMinorDlg())
    {
        if (m_pMajor != NULL)
            m_pMajor->DetachDlg(this);
    }
    else
        return;
    m_nRelatedState = RELATED_NONE;
    m_pMajor = NULL;
    m_bConnected = FALSE;
}

BOOL CQArrangeDlg::ChangeConnectedState(BOOL bConnected)
{
    if (!IsMinorDlg())
    {
        m_bConnected = FALSE;
        return FALSE;
    }
    m_bConnected = bConnected;
    return m_bConnected;
}

// ---------------------------------------------------------------------------------------------
// Geometry

CQArrangeDlg::RET_TOLERANCE_STATE CQArrangeDlg::GetToleranceState(CQArrangeDlg* pDlgA, CQArrangeDlg* pDlgB,
                                                                  double dTolerance,
                                                                  DlgMoveDirection& direction)
{
    if (pDlgA->GetSafeHwnd() == NULL || pDlgB->GetSafeHwnd() == NULL)
        return TOLERANCE_OUT;
    CRect a, b;
    pDlgA->GetWindowRect(&a);
    pDlgB->GetWindowRect(&b);
    int t = (int)dTolerance;
    if (a.right > b.left && a.left < b.right)
    {
        if (a.top == b.bottom || b.top == a.bottom)
            return TOLERANCE_TOUCH;
        if (std::abs(a.top - b.bottom) < t)
        {
            direction = MOVE_TO_BOTTOM;
            return TOLERANCE_IN;
        }
        if (std::abs(b.top - a.bottom) < t)
        {
            direction = MOVE_TO_TOP;
            return TOLERANCE_IN;
        }
    }
    if (a.top < b.bottom && a.bottom > b.top)
    {
        if (a.right == b.left || a.left == b.right)
            return TOLERANCE_TOUCH;
        if (std::abs(a.right - b.left) < t)
        {
            direction = MOVE_TO_LEFT;
            return TOLERANCE_IN;
        }
        if (std::abs(a.left - b.right) < t)
        {
            direction = MOVE_TO_RIGHT;
            return TOLERANCE_IN;
        }
    }
    return TOLERANCE_OUT;
}

CSize CQArrangeDlg::GetOffsetSize(CQArrangeDlg* pDlgA, CQArrangeDlg* pDlgB, DlgMoveDirection direction)
{
    if (pDlgA->GetSafeHwnd() == NULL || pDlgB->GetSafeHwnd() == NULL)
        return CSize(0, 0);
    CRect a, b;
    pDlgA->GetWindowRect(&a);
    pDlgB->GetWindowRect(&b);
    switch (direction)
    {
    case MOVE_TO_BOTTOM: return CSize(0, b.bottom - a.top);
    case MOVE_TO_TOP: return CSize(0, b.top - a.bottom);
    case MOVE_TO_RIGHT: return CSize(b.right - a.left, 0);
    case MOVE_TO_LEFT: return CSize(b.left - a.right, 0);
    default: return CSize(0, 0);
    }
}

void CQArrangeDlg::MoveArrangeDlg(CQArrangeDlg* pDlg, CSize offset)
{
    if (pDlg->GetSafeHwnd() == NULL || (offset.cx == 0 && offset.cy == 0))
        return;
    CRect rc;
    pDlg->GetWindowRect(&rc);
    rc.OffsetRect(offset);
    // A child dialog is placed in its parent's client coordinates.
    CWnd* pParent = (pDlg->GetStyle() & WS_CHILD) ? pDlg->GetParent() : NULL;
    if (pParent != NULL)
        pParent->ScreenToClient(&rc);
    pDlg->MoveWindow(&rc, TRUE);
}

void CQArrangeDlg::MoveArrangeDlg(CDlgArray* pArray, long nCount, CSize offset)
{
    if (pArray == NULL)
        return;
    nCount = (long)std::min<INT_PTR>(nCount, pArray->GetSize());
    for (long i = 0; i < nCount; i++)
    {
        CQArrangeDlg* pDlg = pArray->GetAt(i);
        if (pDlg != NULL && pDlg->m_bConnected)
            MoveArrangeDlg(pDlg, offset);
    }
}

// ---------------------------------------------------------------------------------------------
// Dragging

BOOL CQArrangeDlg::Snap(CQArrangeDlg* pMoved, CQArrangeDlg* pTest, CQArrangeDlg* pTarget)
{
    DlgMoveDirection direction = (DlgMoveDirection)0; // a touch gives no direction, so no offset
    if (GetToleranceState(pTest, pTarget, kTolerance, direction) == TOLERANCE_OUT)
        return FALSE;
    MoveArrangeDlg(pMoved, GetOffsetSize(pTest, pTarget, direction));
    return TRUE;
}

void CQArrangeDlg::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    m_sizeMove = CSize(x - m_ptLast.x, y - m_ptLast.y);
    m_ptLast = CPoint(x, y);
    if (m_nMoveDepth >= kMaxMoveDepth || m_pMajor == NULL)
        return;
    m_nMoveDepth++;
    // The group can change under the moves below (a dialog destroyed by its owner's handler):
    // the list is copied first.
    CDlgArray& list = m_pMajor->m_arDlgs;
    std::vector<CQArrangeDlg*> dialogs;
    for (INT_PTR i = 0; i < list.GetSize() && i < m_pMajor->m_nDlgCount; i++)
        dialogs.push_back(list[i]);

    if (IsMinorDlg())
    {
        if (!Snap(this, this, m_pMajor))
            for (CQArrangeDlg* pDlg : dialogs)
                if (pDlg != NULL && pDlg != this && Snap(this, this, pDlg))
                    break;
    }
    else if (IsMajorDlg())
    {
        MoveArrangeDlg(&m_arDlgs, m_nDlgCount, m_sizeMove);
        bool bDone = false;
        for (CQArrangeDlg* pMinor : dialogs)
        {
            if (bDone)
                break;
            if (pMinor == NULL || pMinor->m_bConnected)
                continue;
            if (Snap(this, this, pMinor))
                break;
            for (CQArrangeDlg* pConnected : dialogs)
                if (pConnected != NULL && pConnected->m_bConnected && Snap(this, pConnected, pMinor))
                {
                    bDone = true;
                    break;
                }
        }
    }
    m_nMoveDepth--;
}

void CQArrangeDlg::UpdateConnectedState()
{
    if (!IsRelatedDlg() || m_pMajor == NULL)
        return;
    CDlgArray& list = m_pMajor->m_arDlgs;
    DlgMoveDirection direction = (DlgMoveDirection)0;
    for (INT_PTR i = 0; i < list.GetSize(); i++)
        if (list[i] != NULL)
            list[i]->ChangeConnectedState(GetToleranceState(list[i], m_pMajor, kTolerance, direction) ==
                                          TOLERANCE_TOUCH);
    // Each pass connects at least one more minor or ends the loop.
    for (bool bChanged = true; bChanged;)
    {
        bChanged = false;
        for (INT_PTR i = 0; i < list.GetSize(); i++)
        {
            CQArrangeDlg* pDlg = list[i];
            if (pDlg == NULL || pDlg->m_bConnected || !pDlg->IsMinorDlg())
                continue;
            for (INT_PTR j = 0; j < list.GetSize(); j++)
            {
                CQArrangeDlg* pConnected = list[j];
                if (pConnected != NULL && pConnected != pDlg && pConnected->m_bConnected &&
                    GetToleranceState(pDlg, pConnected, kTolerance, direction) == TOLERANCE_TOUCH)
                {
                    pDlg->ChangeConnectedState(TRUE);
                    bChanged = true;
                    break;
                }
            }
        }
    }
}

BOOL CQArrangeDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg != NULL && pMsg->message == WM_NCLBUTTONDOWN)
        UpdateConnectedState();
    return CDialog::PreTranslateMessage(pMsg);
}
