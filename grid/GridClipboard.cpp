// CQGridCtrl: clipboard and drag-and-drop. Cells travel as a text block in the ANSI code page
// (CF_TEXT): rows end in a line feed (the last one not), cells of a row are separated by tabs, a
// selected empty cell gives a space and an unselected one nothing but its tab. Pasting splits lines
// at line feeds and cells at runs of tabs, commas and line feeds, trims each token and never grows
// the grid.
#include "grid/QGridCtrl.h"
#include "grid/internal/QGridAxis.h"

#include <afxole.h>
#include <afxadv.h>

#include <new>
#include <vector>

namespace
{
// The wide text converted to the thread's ANSI code page (unmappable characters become the
// code page's default character).
std::vector<char> ToAnsi(const CString& str)
{
    std::vector<char> out;
    int nLen = str.GetLength();
    if (nLen == 0)
        return out;
    int nBytes = ::WideCharToMultiByte(CP_THREAD_ACP, 0, (LPCWSTR)str, nLen, NULL, 0, NULL, NULL);
    if (nBytes <= 0)
        return out;
    out.resize((size_t)nBytes);
    ::WideCharToMultiByte(CP_THREAD_ACP, 0, (LPCWSTR)str, nLen, out.data(), nBytes, NULL, NULL);
    return out;
}

CString FromAnsi(const char* p, size_t n)
{
    CString out;
    if (n == 0 || n > 0x7FFFFFFF)
        return out;
    int nChars = ::MultiByteToWideChar(CP_THREAD_ACP, 0, p, (int)n, NULL, 0);
    if (nChars <= 0)
        return out;
    LPWSTR buf = out.GetBuffer(nChars);
    ::MultiByteToWideChar(CP_THREAD_ACP, 0, p, (int)n, buf, nChars);
    out.ReleaseBuffer(nChars);
    return out;
}

bool IsPasteDelimiter(wchar_t c)
{
    return c == L'\t' || c == L',' || c == L'\n';
}
} // namespace

// Empties every selected editable cell (EmptyCell also takes it out of the selection); read-only
// cells keep their text and stay selected.
void CQGridCtrl::CutSelectedText()
{
    if (!IsEditable())
        return;

    CArray<CQCellID, CQCellID&> cells;
    POSITION pos = m_SelectedCellMap.GetStartPosition();
    while (pos != NULL)
    {
        unsigned long key;
        CQCellID cell;
        m_SelectedCellMap.GetNextAssoc(pos, key, cell);
        cells.Add(cell);
    }
    for (INT_PTR i = 0; i < cells.GetSize(); i++)
    {
        CQCellID cell = cells[i];
        if (!IsCellEditable(cell))
            continue;
        CQGridCell* pCell = GetCell(cell.row, cell.col);
        if (pCell == NULL)
            continue;
        EmptyCell(pCell, cell.row, cell.col);
        SetModified(TRUE);
    }
    if (::IsWindow(m_hWnd))
        Invalidate();
}

// The selected cells' bounding range as a text block in a new data source (the caller's), or
// NULL when nothing is selected or memory runs out.
COleDataSource* CQGridCtrl::CopyTextFromGrid()
{
    CQCellRange selection = GetSelectedCellRange();
    if (!IsValid(selection))
        return NULL;

    CSharedFile sf(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, 4096);
    try
    {
        for (int row = selection.GetMinRow(); row <= selection.GetMaxRow(); row++)
        {
            CString str;
            for (int col = selection.GetMinCol(); col <= selection.GetMaxCol(); col++)
            {
                if (GetItemState(row, col) & GV_STATE_SELECTED)
                {
                    CString text = GetItemText(row, col);
                    str += text.IsEmpty() ? CString(L" ") : text;
                }
                if (col != selection.GetMaxCol())
                    str += L"\t";
            }
            if (row != selection.GetMaxRow())
                str += L"\n";

            std::vector<char> bytes = ToAnsi(str);
            if (!bytes.empty())
                sf.Write(bytes.data(), (UINT)bytes.size());
        }
        char nul = 0;
        sf.Write(&nul, 1);
    }
    catch (CException* e)
    {
        e->Delete();
        return NULL;
    }
    catch (const std::bad_alloc&)
    {
        return NULL;
    }

    SIZE_T nLen = (SIZE_T)sf.GetLength();
    HGLOBAL hMem = sf.Detach();
    if (hMem == NULL)
        return NULL;
    HGLOBAL hShrunk = ::GlobalReAlloc(hMem, nLen, GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT);
    if (hShrunk == NULL)
    {
        ::GlobalFree(hMem);
        return NULL;
    }

    COleDataSource* pSource = new COleDataSource;
    pSource->CacheGlobalData(CF_TEXT, hShrunk);
    return pSource;
}

// Writes the CF_TEXT of the object into the cells from cell on: line i to row cell.row + i, token
// j to column cell.col + j. Only the start cell must be editable; tokens beyond the grid's edge
// are dropped.
BOOL CQGridCtrl::PasteTextToGrid(CQCellID cell, COleDataObject* pDataObject)
{
    if (!IsValid(cell) || !IsCellEditable(cell) || pDataObject == NULL ||
        !pDataObject->IsDataAvailable(CF_TEXT))
        return FALSE;

    HGLOBAL hMem = pDataObject->GetGlobalData(CF_TEXT);
    if (hMem == NULL)
        return FALSE;
    SIZE_T nSize = ::GlobalSize(hMem);
    char* pBuffer = new (std::nothrow) char[nSize ? nSize : 1];
    const char* pData = pBuffer ? (const char*)::GlobalLock(hMem) : NULL;
    if (pData == NULL)
    {
        delete[] pBuffer;
        ::GlobalFree(hMem);
        return FALSE;
    }
    memcpy(pBuffer, pData, nSize);
    ::GlobalUnlock(hMem);
    ::GlobalFree(hMem);

    // The text ends at its first NUL, or with the block.
    const char* pEnd = (const char*)memchr(pBuffer, 0, nSize);
    size_t nText = pEnd ? (size_t)(pEnd - pBuffer) : nSize;
    CString strText = FromAnsi(pBuffer, nText);
    delete[] pBuffer;

    const int nLength = strText.GetLength();
    int nLine = 0;
    int nStart = 0;
    for (;;)
    {
        int nIndex = strText.Find(L'\n', nStart);
        int nLineEnd = nIndex >= 0 ? nIndex : nLength;
        CString strLine = strText.Mid(nStart, nLineEnd - nStart);
        // an empty line with more text after it empties its first cell
        if (strLine.IsEmpty() && nIndex >= 0)
            strLine = L" ";

        LPCWSTR p = strLine;
        const int n = strLine.GetLength();
        int nColumn = 0;
        int i = 0;
        for (;;)
        {
            while (i < n && IsPasteDelimiter(p[i]))
                i++;
            if (i >= n)
                break;
            int nTokenStart = i;
            while (i < n && !IsPasteDelimiter(p[i]))
                i++;

            CQCellID target(cell.row + nLine, cell.col + nColumn);
            if (IsValid(target))
            {
                CString strCellText = strLine.Mid(nTokenStart, i - nTokenStart);
                strCellText.Trim();
                SetItemText(target.row, target.col, strCellText);
                SetModified(TRUE);
                // written cells leave the selection, so that a cut after a move keeps them
                SetItemState(target.row, target.col,
                             GetItemState(target.row, target.col) & ~GV_STATE_SELECTED);
            }
            nColumn++;
        }

        if (nIndex < 0)
            break;
        nStart = nIndex + 1;
        nLine++;
        if (cell.row + nLine >= m_pRows->GetCount())
            break; // lines below the grid write nothing
    }

    if (::IsWindow(m_hWnd))
        Invalidate();
    return TRUE;
}

void CQGridCtrl::OnEditCopy()
{
    COleDataSource* pSource = CopyTextFromGrid();
    if (pSource == NULL)
        return;
    pSource->SetClipboard();
}

void CQGridCtrl::OnEditCut()
{
    if (!IsEditable())
        return;
    COleDataSource* pSource = CopyTextFromGrid();
    if (pSource == NULL)
        return;
    pSource->SetClipboard();
    CutSelectedText();
}

void CQGridCtrl::OnEditPaste()
{
    if (!IsEditable())
        return;

    CQCellID cell = GetFocusCell();
    if (!IsValid(cell))
        cell = GetTopleftNonFixedCell();
    if (!IsValid(cell))
        return;

    COleDataObject obj;
    if (obj.AttachClipboard())
    {
        PasteTextToGrid(cell, &obj);
        obj.Release();
    }
}

void CQGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    if (pCmdUI == NULL)
        return;
    CQCellRange selection = GetSelectedCellRange();
    pCmdUI->Enable(IsValid(selection) && selection.Count() != 0);
}

void CQGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    if (pCmdUI == NULL)
        return;
    CQCellRange selection = GetSelectedCellRange();
    pCmdUI->Enable(IsEditable() && IsValid(selection) && selection.Count() != 0);
}

void CQGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    if (pCmdUI == NULL)
        return;
    CQCellID cell = GetFocusCell();
    BOOL bCanPaste = IsValid(cell) && IsCellEditable(cell) && ::IsClipboardFormatAvailable(CF_TEXT);
    pCmdUI->Enable(bCanPaste);
}
