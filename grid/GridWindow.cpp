// CQGridCtrl: construction, destruction, the window class, window creation and the message map.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridInput.h"
#include "grid/internal/QGridAxis.h"

#include <afxole.h>

IMPLEMENT_DYNCREATE(CQGridCtrl, CWnd)

CQGridCtrl::CQGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_crTextColour(0), m_crTextBkColour(0), m_crBkColour(0), m_crFixedTextColour(0), m_crFixedBkColour(0),
      m_crGridColour(0), m_crWindowText(0), m_crWindowColour(0), m_cr3DFace(0), m_crShadow(0),
      m_nGridLines(GVL_BOTH), m_bEditable(TRUE), m_bModified(FALSE), m_bAllowDragAndDrop(FALSE),
      m_bListMode(FALSE), m_bAllowDraw(TRUE), m_bEnableSelection(TRUE), m_bSortOnClick(TRUE),
      m_bHandleTabKey(TRUE), m_bDoubleBuffer(TRUE), m_bTitleTips(TRUE), m_pRows(new CQGridAxis(30)),
      m_pCols(new CQGridAxis(0)), m_nMargin(0), m_pImageList(NULL), m_MouseMode(MOUSE_NOTHING),
      m_LeftClickDownPoint(0, 0), m_LastMousePoint(0, 0), m_nTimerID(0), m_nTimerInterval(25),
      m_nResizeCaptureRange(3), m_bAllowRowResize(TRUE), m_bAllowColumnResize(TRUE), m_nRowsPerWheelNotch(3),
      m_bMustUninitOLE(FALSE), m_CharSize(0, 0), m_nPageHeight(0), m_LogicalPageSize(0, 0), m_PaperSize(0, 0),
      m_bAscending(TRUE), m_SortColumn(-1)
{
    memset(&m_Logfont, 0, sizeof(m_Logfont));
    RegisterWindowClass();

    // OLE is needed for clipboard and drag-and-drop; the framework may have started it already.
    if (!AfxGetThreadState()->m_bNeedTerm)
    {
        HRESULT hr = ::OleInitialize(NULL);
        if (FAILED(hr))
            AfxMessageBox(
                L"OLE initialization failed. Make sure that the OLE libraries are the correct version",
                MB_OK);
        else
            m_bMustUninitOLE = TRUE;
    }

    m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crWindowColour = ::GetSysColor(COLOR_WINDOW);
    m_cr3DFace = ::GetSysColor(COLOR_3DFACE);
    m_crShadow = ::GetSysColor(COLOR_3DSHADOW);
    m_crGridColour = RGB(0, 0, 0);
    m_nRowsPerWheelNotch = GetMouseScrollLines();

    NONCLIENTMETRICSW ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = 504; // with the padded border width
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0))
        memcpy(&m_Logfont, &ncm.lfMessageFont, sizeof(LOGFONTW));

    // Columns made before the window exists take the width that the message font would give;
    // Create replaces every size once the grid font is applied.
    if (HDC hScreen = ::GetDC(NULL))
    {
        HFONT hFont = ::CreateFontIndirectW(&m_Logfont);
        HGDIOBJ hOld = hFont ? ::SelectObject(hScreen, hFont) : NULL;
        TEXTMETRICW tm;
        SIZE space = {0, 0};
        if (::GetTextMetricsW(hScreen, &tm) && ::GetTextExtentPoint32W(hScreen, L" ", 1, &space))
            m_pCols->SetDefaultSize(2 * (space.cx + 6 * tm.tmAveCharWidth));
        if (hOld)
            ::SelectObject(hScreen, hOld);
        if (hFont)
            ::DeleteObject(hFont);
        ::ReleaseDC(NULL, hScreen);
    }

    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);

    SetTextColor(m_crWindowText);
    SetTextBkColor(m_crWindowColour);
    SetBkColor(m_crShadow);
    SetFixedTextColor(m_crWindowText);
    SetFixedBkColor(m_cr3DFace);
}

CQGridCtrl::~CQGridCtrl()
{
    DeleteAllItems();
    if (::IsWindow(m_hWnd))
        DestroyWindow();
    m_Font.DeleteObject();
    delete m_pRows;
    delete m_pCols;
    if (m_bMustUninitOLE)
        ::OleUninitialize();
}

// Registers "MFCQGridCtrl" in the module's instance unless it is registered already.
BOOL CQGridCtrl::RegisterWindowClass()
{
    WNDCLASSW wndcls;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (!::GetClassInfoW(hInst, GRIDCTRL_CLASSNAME, &wndcls))
    {
        memset(&wndcls, 0, sizeof(wndcls));
        wndcls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wndcls.lpfnWndProc = ::DefWindowProcW;
        wndcls.cbClsExtra = 0;
        wndcls.cbWndExtra = 0;
        wndcls.hInstance = hInst;
        wndcls.hIcon = NULL;
        wndcls.hCursor = NULL;
        wndcls.hbrBackground = (HBRUSH)(COLOR_3DFACE + 1);
        wndcls.lpszMenuName = NULL;
        wndcls.lpszClassName = GRIDCTRL_CLASSNAME;
        if (!AfxRegisterClass(&wndcls))
        {
            AfxThrowResourceException();
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CQGridCtrl::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
    if (!CWnd::Create(GRIDCTRL_CLASSNAME, NULL, dwStyle, rect, pParentWnd, nID))
        return FALSE;

    m_DropTarget.Register(this);
    if (m_bTitleTips && !::IsWindow(m_TitleTip.m_hWnd))
        m_TitleTip.Create(this);

    m_pRows->SetAllSizes(m_pRows->GetDefaultSize());
    m_pCols->SetAllSizes(m_pCols->GetDefaultSize());

    ResetScrollBars();
    return TRUE;
}

BOOL CQGridCtrl::SubclassWindow(HWND hWnd)
{
    if (!CWnd::SubclassWindow(hWnd))
        return FALSE;
    m_DropTarget.Register(this);
    if (m_bTitleTips && !::IsWindow(m_TitleTip.m_hWnd))
        m_TitleTip.Create(this);
    return TRUE;
}

// Runs for creation and subclassing alike: the grid applies its own font, which sets the margin
// and the default sizes; the sizes themselves are kept.
void CQGridCtrl::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();

    HFONT hFont = ::CreateFontIndirectW(&m_Logfont);
    OnSetFont((WPARAM)hFont, 0);
    if (hFont)
        ::DeleteObject(hFont);

    ResetScrollBars();
}

void CQGridCtrl::SetGridLines(int nWhichLines)
{
    m_nGridLines = nWhichLines;
    if (::IsWindow(m_hWnd))
        Invalidate();
}

// Sends a notification record to the owner (the parent when there is none); 0 without a window.
LRESULT CQGridCtrl::SendMessageToParent(int nRow, int nCol, int nMessage)
{
    if (!::IsWindow(m_hWnd))
        return 0;

    NM_GRIDVIEW nmgv;
    nmgv.iRow = nRow;
    nmgv.iColumn = nCol;
    nmgv.hdr.hwndFrom = m_hWnd;
    nmgv.hdr.idFrom = ::GetDlgCtrlID(m_hWnd);
    nmgv.hdr.code = (UINT)nMessage;

    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hOwner == NULL)
        hOwner = ::GetParent(m_hWnd);
    if (hOwner == NULL || !::IsWindow(hOwner))
        return 0;
    return ::SendMessageW(hOwner, WM_NOTIFY, nmgv.hdr.idFrom, (LPARAM)&nmgv);
}

#ifndef ID_EDIT_SELECT_ALL
#define ID_EDIT_SELECT_ALL 0xE12A // the platform's standard select-all command (57642)
#endif

#ifndef ID_EDIT_COPY
#define ID_EDIT_COPY 0xE122 // the platform's standard edit commands (57634, 57635, 57637)
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#endif

// Handlers of the other concerns join the map as their features are implemented.
BEGIN_MESSAGE_MAP(CQGridCtrl, CWnd)
    // mouse and keyboard
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    // clipboard commands
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    // LRESULT OnSetFont(WPARAM hFont, LPARAM bRedraw)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    // LRESULT OnGetFont(WPARAM, LPARAM)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    // LRESULT OnScrollBarsGrew(WPARAM, LPARAM)
    ON_REGISTERED_MESSAGE(g_nGridScrollBarsMessage, OnScrollBarsGrew)
    // void OnPaint()
    ON_WM_PAINT()
    // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_ERASEBKGND()
    // void OnSysColorChange()
    ON_WM_SYSCOLORCHANGE()
    // void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    ON_WM_HSCROLL()
    // void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    ON_WM_VSCROLL()
    // void OnSize(UINT nType, int cx, int cy)
    ON_WM_SIZE()
    // BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    ON_WM_MOUSEWHEEL()
    // void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
    ON_WM_SETTINGCHANGE()
    // void OnEditSelectAll()
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    // void OnUpdateEditSelectAll(CCmdUI* pCmdUI)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
    // void OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_INPLACE_CONTROL, OnEndInPlaceEdit)
END_MESSAGE_MAP()

// --- coordinates judged against the grid --------------------------------------------------------

BOOL CQGridCtrl::IsValid(int nRow, int nCol) const
{
    return nRow >= 0 && nRow < m_pRows->GetCount() && nCol >= 0 && nCol < m_pCols->GetCount();
}

BOOL CQGridCtrl::IsValid(const CQCellID& cell) const
{
    return IsValid(cell.row, cell.col);
}

BOOL CQGridCtrl::IsValid(const CQCellRange& range) const
{
    return range.GetMinRow() >= 0 && range.GetMinCol() >= 0 && range.GetMaxRow() >= 0 &&
           range.GetMaxCol() >= 0 && range.GetMaxRow() < m_pRows->GetCount() &&
           range.GetMaxCol() < m_pCols->GetCount() && range.GetMinRow() <= range.GetMaxRow() &&
           range.GetMinCol() <= range.GetMaxCol();
}

CQCellRange CQGridCtrl::GetCellRange() const
{
    return CQCellRange(0, 0, m_pRows->GetCount() - 1, m_pCols->GetCount() - 1);
}
