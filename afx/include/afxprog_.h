// CProgressCtrl: the layer's thin wrapper over comctl32's progress bar (msctls_progress32).
// Included by afxcmn.h.
#pragma once

class AFX_CORE_CLASS CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)

public:
    CProgressCtrl();
    virtual ~CProgressCtrl();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    int GetPos() const;
    int SetPos(int nPos); // the previous position
    int OffsetPos(int nPos);
    int SetStep(int nStep);
    int StepIt();
};
