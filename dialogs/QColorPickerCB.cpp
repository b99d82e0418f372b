// CQColorPickerCB: the colour table, look-ups by index and name, and drawing the items.
#include "QColorPickerCB.h"

#include <aced.h>

IMPLEMENT_DYNAMIC(CQColorPickerCB, CComboBox)

BEGIN_MESSAGE_MAP(CQColorPickerCB, CComboBox)
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace
{
struct ColorRecord
{
    int nIndex;
    wchar_t szName[22];
};

// The colours every picker starts with, in this order.
const ColorRecord kColorTable[] = {
    {1, L"  红色"},     {2, L"  黄色"},     {3, L"  绿色"},   {4, L"  青色"},   {5, L"  兰色"},
    {6, L"  深红色"},   {7, L"  白色"},     {8, L"  灰色"},   {9, L"color 9"},  {10, L"color10"},
    {11, L"color11"},   {12, L"color12"},   {13, L"color13"}, {14, L"color14"}, {15, L"color15"},
    {16, L"color16"},   {40, L"color40"},   {51, L"color51"}, {85, L"color85"}, {117, L"color117"},
    {182, L"color182"}, {241, L"color241"},
};
} // namespace

CQColorPickerCB::CQColorPickerCB() : m_bInitialized(FALSE) {}

CQColorPickerCB::~CQColorPickerCB() {}

void CQColorPickerCB::Initialize()
{
    for (const ColorRecord& record : kColorTable)
    {
        int nPos = AddString(record.szName);
        if (nPos == CB_ERRSPACE)
            break;
        SetItemData(nPos, (DWORD_PTR)record.nIndex);
    }
    m_bInitialized = TRUE;
}

void CQColorPickerCB::PreSubclassWindow()
{
    // The creation hook calls this too, before the combo box exists: what is sent then comes
    // to nothing, and OnCreate loads the table once the window is there.
    Initialize();
    CComboBox::PreSubclassWindow();
    SetCurSel(0);
}

int CQColorPickerCB::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    // A window made through the framework also passed PreSubclassWindow before it existed:
    // start again from an empty list so that the table is there once.
    ResetContent();
    Initialize();
    SetCurSel(0);
    return 0;
}

int CQColorPickerCB::AddColor(LPCTSTR lpszName, int nColorIndex)
{
    if (!::IsWindow(m_hWnd))
        return CB_ERR;
    if (lpszName == NULL)
        lpszName = L"";
    int nPos = (int)::SendMessageW(m_hWnd, CB_INSERTSTRING, (WPARAM)-1, (LPARAM)lpszName);
    if (nPos < 0)
        return CB_ERR;
    SetItemData(nPos, (DWORD_PTR)(INT_PTR)nColorIndex);
    return nPos;
}

bool CQColorPickerCB::RemoveColor(int nColorIndex)
{
    int nCount = GetCount();
    for (int i = 0; i < nCount; i++)
        if ((int)GetItemData(i) == nColorIndex)
            return DeleteString(i) != CB_ERR;
    return false;
}

bool CQColorPickerCB::RemoveColor(LPCTSTR lpszName)
{
    if (lpszName == NULL)
        return false;
    int nCount = GetCount();
    CString strText;
    for (int i = 0; i < nCount; i++)
    {
        GetLBText(i, strText);
        if (strText.CompareNoCase(lpszName) == 0)
            return DeleteString(i) != CB_ERR;
    }
    return false;
}

int CQColorPickerCB::GetSelectedColorValue()
{
    int nSel = GetCurSel();
    return nSel == CB_ERR ? 255 : (int)GetItemData(nSel);
}

CString CQColorPickerCB::GetSelectedColorName()
{
    int nSel = GetCurSel();
    m_strSelectName.Empty();
    if (nSel != CB_ERR)
        GetLBText(nSel, m_strSelectName);
    return m_strSelectName;
}

void CQColorPickerCB::SetSelectedColorValue(int nColorIndex)
{
    int nCount = GetCount();
    for (int i = 0; i < nCount; i++)
        if ((int)GetItemData(i) == nColorIndex)
            SetCurSel(i);
}

void CQColorPickerCB::SetSelectedColorName(LPCTSTR lpszName)
{
    if (lpszName == NULL)
        return;
    int nCount = GetCount();
    CString strText;
    for (int i = 0; i < nCount; i++)
    {
        GetLBText(i, strText);
        if (strText.CompareNoCase(lpszName) == 0)
            SetCurSel(i);
    }
}

void CQColorPickerCB::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rcItem(lpDrawItemStruct->rcItem);
    int w = (rcItem.right - rcItem.left) / 4;

    COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW);
    COLORREF clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    COLORREF clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    COLORREF clrText = clrWindowText, clrBack = clrWindow;
    if (lpDrawItemStruct->itemState & ODS_SELECTED)
    {
        clrText = (~clrWindowText) & 0x00FFFFFF;
        clrBack = clrHighlight;
    }
    pDC->FillSolidRect(&rcItem, clrBack);
    if (lpDrawItemStruct->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&rcItem);

    CRect rcSwatch(rcItem);
    rcSwatch.DeflateRect(2, 2);
    rcSwatch.right = w;

    if (lpDrawItemStruct->itemID == (UINT)-1)
        return;
    CString strName;
    GetLBText((int)lpDrawItemStruct->itemID, strName);
    COLORREF clrSwatch = (COLORREF)acedGetRGB((int)lpDrawItemStruct->itemData);
    if (lpDrawItemStruct->itemState & ODS_DISABLED)
    {
        clrSwatch = ::GetSysColor(COLOR_GRAYTEXT);
        clrText = clrSwatch;
    }
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOldText = pDC->SetTextColor(clrText);
    pDC->TextOut(rcItem.left + w + 2, rcItem.top + 2, strName);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkMode(nOldMode);
    pDC->FillSolidRect(&rcSwatch, clrSwatch);
    pDC->FrameRect(&rcSwatch, CBrush::FromHandle((HBRUSH)::GetStockObject(BLACK_BRUSH)));
}
