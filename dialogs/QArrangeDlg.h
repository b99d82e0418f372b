// CQArrangeDlg: modeless dialogs that form a group, snap to each other and move together.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

// A group has one major dialog and any number of minor dialogs attached to it
// (SetRelatedState(RELATED_MAJOR), then AttachDlg of each minor). While the user drags a dialog
// of the group, its edges snap to the edges of the others when they come within 40 pixels;
// minors that touch the major, directly or through a chain of touching minors, are connected and
// move with the major when it is dragged. Which minors are connected is worked out again at each
// press on a frame of the group (the start of a drag).
//
// The group holds plain pointers. A dialog object that is destroyed while still in a group takes
// itself out of it, and dialogs that name it as their major forget it.
class AFX_EXT_CLASS CQArrangeDlg : public CDialog
{
    DECLARE_DYNAMIC(CQArrangeDlg)

public:
    enum DlgRelatedState
    {
        RELATED_NONE = 1,
        RELATED_MINOR = 2,
        RELATED_MAJOR = 3
    };
    enum RET_TOLERANCE_STATE
    {
        TOLERANCE_OUT = 1,   // not near
        TOLERANCE_IN = 2,    // an edge pair within the tolerance
        TOLERANCE_TOUCH = 3, // an edge pair touching
    };
    enum DlgMoveDirection
    {
        MOVE_TO_BOTTOM = 1, // own top to the other's bottom
        MOVE_TO_TOP = 2,    // own bottom to the other's top
        MOVE_TO_RIGHT = 3,  // own left to the other's right
        MOVE_TO_LEFT = 4,   // own right to the other's left
    };
    typedef CTypedPtrArray<CPtrArray, CQArrangeDlg*> CDlgArray;

    CQArrangeDlg(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    ~CQArrangeDlg() override;

    // With bDetach the dialog first leaves any group (DetachDlgAll). RELATED_MAJOR also makes
    // the dialog its own major, connected.
    void SetRelatedState(DlgRelatedState state, BOOL bDetach = TRUE);
    // On a major dialog: pDlg, which must be in RELATED_NONE, becomes its minor. Returns the
    // minor's position in the list, -1 when refused.
    long AttachDlg(CQArrangeDlg* pDlg);
    // This dialog becomes a minor of pMajor, which must be a major dialog (this one must not be).
    BOOL SetMajorDlg(CQArrangeDlg* pMajor);
    // On a major dialog: removes pDlg from the list and returns the position it had (-1: none).
    // The removed dialog keeps its state and major.
    long DetachDlg(CQArrangeDlg* pDlg);
    // On a major dialog: removes and returns the dialog at nIndex; NULL when there is none.
    CQArrangeDlg* DetachDlg(long nIndex);
    // A major empties its list; a minor leaves its major; both end in RELATED_NONE.
    void DetachDlgAll();

    void GetDlgsArray(CDlgArray*& pArray) { pArray = &m_arDlgs; }
    long GetDlgsCount() const { return m_nDlgCount; }
    BOOL IsMajorDlg() const { return m_nRelatedState == RELATED_MAJOR; }
    BOOL IsMinorDlg() const { return m_nRelatedState == RELATED_MINOR; }
    BOOL IsRelatedDlg() const { return m_nRelatedState != RELATED_NONE; }

    // Works out the connected minors when a press on a frame starts a drag.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL IsConnectedMajor() { return m_bConnected; }
    // Sets the connected flag of a minor; any other dialog is cleared and answers FALSE.
    BOOL ChangeConnectedState(BOOL bConnected);
    // How pDlgA's window lies to pDlgB's: an edge pair within dTolerance pixels (the direction
    // that would close the gap is filled in), touching, or neither. Top and bottom edges are
    // tested first.
    RET_TOLERANCE_STATE GetToleranceState(CQArrangeDlg* pDlgA, CQArrangeDlg* pDlgB, double dTolerance,
                                          DlgMoveDirection& direction);
    // The offset that moves pDlgA's edge onto pDlgB's in the direction given.
    CSize GetOffsetSize(CQArrangeDlg* pDlgA, CQArrangeDlg* pDlgB, DlgMoveDirection direction);
    void MoveArrangeDlg(CQArrangeDlg* pDlg, CSize offset);
    // Moves each connected dialog among the first nCount of the array by the offset.
    void MoveArrangeDlg(CDlgArray* pArray, long nCount, CSize offset);
    void UpdateConnectedState();
    void DoDataExchange(CDataExchange* pDX) override;

    // void OnMove(int x, int y)
    afx_msg void OnMove(int x, int y);
    DECLARE_MESSAGE_MAP()

    CSize m_sizeMove; // how far the dialog moved with the last move message
    CPoint m_ptLast;  // the position of the last move message
    DlgRelatedState m_nRelatedState;
    CDlgArray m_arDlgs; // a major's minors, not owned
    long m_nDlgCount;
    CQArrangeDlg* m_pMajor; // the major; a major dialog is its own
    BOOL m_bConnected;

private:
    BOOL Snap(CQArrangeDlg* pMoved, CQArrangeDlg* pTest, CQArrangeDlg* pTarget);
    int m_nMoveDepth; // nested move messages caused by snapping, bounded
};
