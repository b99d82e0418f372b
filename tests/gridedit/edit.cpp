// The editing tests' grid, log and keyboard.
#include "edit.h"

namespace
{
Log g_log;

std::string Cell(int r, int c)
{
    return std::to_string(r) + "," + std::to_string(c);
}

// The test texts are plain ASCII.
std::string Narrow(const CString& str)
{
    return std::string(str.GetString(), str.GetString() + str.GetLength());
}

// Moves the begin and end notifications the parent has received so far into the log.
void TakeParentNotes()
{
    for (const qtest::LoggedMsg& msg : GridTest::Parent()->Log())
        if (const NM_GRIDVIEW* pNM = msg.message == WM_NOTIFY ? msg.As<NM_GRIDVIEW>() : nullptr)
        {
            if ((int)pNM->hdr.code == GVN_BEGINLABELEDIT)
                g_log.push_back("begin " + Cell(pNM->iRow, pNM->iColumn));
            else if ((int)pNM->hdr.code == GVN_ENDLABELEDIT)
                g_log.push_back("end " + Cell(pNM->iRow, pNM->iColumn));
        }
    GridTest::Parent()->Flush();
}
} // namespace

void EditGrid::OnEndEditCell(int nRow, int nCol, CString str)
{
    TakeParentNotes();
    g_log.push_back("store " + Cell(nRow, nCol) + " " + Narrow(str));
    CGridProbe::OnEndEditCell(nRow, nCol, str);
}

LRESULT EditGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const GV_DISPINFO* p = reinterpret_cast<const GV_DISPINFO*>(lParam);
    if (message == WM_NOTIFY && (int)p->hdr.code == GVN_ENDLABELEDIT && p->hdr.idFrom == IDC_INPLACE_CONTROL)
    {
        TakeParentNotes();
        g_log.push_back("record " + Cell(p->iRow, p->iColumn) + " " + std::to_string(p->nLastKey) + " " +
                        Narrow(p->strText) + (p->nFlags == GV_ENDEDIT_FLAGS ? "" : " with other flags"));
    }
    return CGridProbe::WindowProc(message, wParam, lParam);
}

void GridEditTest::SetUp()
{
    GridTest::SetUp();
    Make(8, 5, 1, 1, 20, 70, 400, 200, new EditGrid);
    for (int r = 0; r < 8; r++)
        for (int c = 1; c < 5; c++)
        {
            CString s;
            s.Format(L"r%dc%d", r, c);
            m_pGrid->SetItemText(r, c, s);
        }
    Refocus();
    TakeLog();
}

void GridEditTest::Press(UINT vk, wchar_t ch)
{
    const LPARAM lScan = (LPARAM)::MapVirtualKeyW(vk, 0) << 16;
    HWND hWnd = ::GetFocus();
    ::SendMessageW(hWnd, WM_KEYDOWN, vk, 1 | lScan);
    if (ch != 0 && ::IsWindow(hWnd))
        ::SendMessageW(hWnd, WM_CHAR, ch, 1 | lScan);
    qtest::PumpMessages();
    ::SendMessageW(::GetFocus(), WM_KEYUP, vk, 0xC0000001 | lScan);
    qtest::PumpMessages();
}

void GridEditTest::Type(const wchar_t* text)
{
    for (const wchar_t* p = text; *p; p++)
        Press(::VkKeyScanW(*p) & 0xFF, *p);
}

void GridEditTest::Refocus()
{
    m_pGrid->SetFocus();
    qtest::PumpMessages();
}

std::wstring GridEditTest::Text(HWND hWnd)
{
    wchar_t buf[512] = {0};
    ::GetWindowTextW(hWnd, buf, 511);
    return buf;
}

Log GridEditTest::TakeLog()
{
    TakeParentNotes();
    Log log;
    log.swap(g_log);
    return log;
}

Log GridEditTest::Ended(int r, int c, UINT key, const char* text, bool begun)
{
    Log log;
    if (begun)
        log.push_back("begin " + Cell(r, c));
    log.push_back("record " + Cell(r, c) + " " + std::to_string(key) + " " + text);
    log.push_back("store " + Cell(r, c) + " " + text);
    log.push_back("end " + Cell(r, c));
    return log;
}
