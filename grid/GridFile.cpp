// CQGridCtrl: saving every cell text to a comma-separated text file and loading a grid from one.
//
// The file holds text lines in the C run-time locale's multibyte encoding, each ended by CR LF
// (the text mode of the platform's buffered file). Line 1 holds the texts of row 0, the column
// headings; then comes one line for every row from row 0 on, so row 0 is written twice. Fields
// are separated by commas, without quoting: a text that contains a comma becomes two fields.
//
// Loading makes the columns from the first line and appends one row per further line; a data
// line's first field goes into the row's first cell and its field j into column j of the same
// row. A saved grid of R rows therefore loads as R + 1 rows: the headings, then every saved row
// (row 0 among them) one row further down.
#include "grid/QGridCtrl.h"
#include "grid/internal/QFontCache.h"

#include <algorithm>
#include <cwchar>
#include <string>
#include <typeinfo>

namespace
{
// ReadString's buffer: a line is read in pieces of at most 1023 characters, and the rest of a
// longer line comes back as the next piece.
const UINT kPieceSize = 1024;

// The fields of one piece of text, found in place: every comma and the line feed are replaced by
// terminators and the fields' starts are kept. A field runs to the next comma, line feed or the
// end of the text; an empty text has no field, a lone line feed one empty field.
struct CFields
{
    LPWSTR start[kPieceSize]; // at most one field per character, plus one
    int count = 0;

    void Split(LPWSTR psz)
    {
        count = 0;
        if (psz == NULL || *psz == 0)
            return;
        start[count++] = psz;
        for (LPWSTR p = psz; *p != 0; p++)
        {
            if (*p == L'\n')
            {
                *p = 0;
                break;
            }
            if (*p == L',')
            {
                *p = 0;
                start[count++] = p + 1;
            }
        }
    }
};

// Keeps a grid's allow-draw flag off for a while and puts the old value back, also when an
// exception leaves the scope.
class CDrawingPause
{
public:
    explicit CDrawingPause(BOOL& bAllowDraw) : m_bAllowDraw(bAllowDraw), m_bOld(bAllowDraw)
    {
        m_bAllowDraw = FALSE;
    }
    ~CDrawingPause() { Resume(); }
    void Resume() { m_bAllowDraw = m_bOld; }

private:
    BOOL& m_bAllowDraw;
    BOOL m_bOld;
};
} // namespace

// Writes the headings line and then every row from row 0. A derived grid's texts are read through
// its GetItemText, so that it saves the texts it shows; the grid's own are read where they are
// kept, without a copy. A cell's text ends at an embedded NUL, as a C string. The lines are
// gathered and handed to the text file's WriteString in large pieces.
BOOL CQGridCtrl::Save(LPCTSTR filename)
{
    CStdioFile File;
    CFileException ex;
    if (!File.Open(filename, CFile::modeWrite | CFile::modeCreate | CFile::typeText, &ex))
    {
        ex.ReportError();
        return FALSE;
    }

    TRY
    {
        const int nNumColumns = GetColumnCount();
        const bool bKept = typeid(*this) == typeid(CQGridCtrl);
        const size_t kPiece = 32 * 1024;
        std::wstring out;
        out.reserve(kPiece + 1024);

        auto WriteRow = [&](int nRow)
        {
            for (int col = 0; col < nNumColumns; col++)
            {
                if (bKept)
                {
                    CKeptText text = KeptText(nRow, col);
                    for (int i = 0; i < text.nLength; i++)
                    {
                        wchar_t wc = text.bWide ? ((const wchar_t*)text.p)[i] : ((const BYTE*)text.p)[i];
                        if (wc == 0)
                            break;
                        out.push_back(wc);
                    }
                }
                else
                {
                    CString strText = GetItemText(nRow, col);
                    LPCWSTR psz = strText;
                    out.append(psz, wcslen(psz));
                }
                out.push_back(col == nNumColumns - 1 ? L'\n' : L',');
            }
            if (out.size() >= kPiece)
            {
                File.WriteString(out.c_str());
                out.clear();
            }
        };

        WriteRow(0);
        for (int row = 0; row < GetRowCount(); row++)
            WriteRow(row);
        if (!out.empty())
            File.WriteString(out.c_str());
        File.Close();
    }
    CATCH(CFileException, e)
    {
        AfxMessageBox(L"Unable to save grid list", MB_OK);
        return FALSE;
    }
    END_CATCH

    return TRUE;
}

// Rebuilds the grid from a file: the first line gives the columns and their headings (row 0), each
// further line one appended row. Only a file that cannot be opened leaves the grid as it was; a
// read error keeps the rows loaded so far.
BOOL CQGridCtrl::Load(LPCTSTR filename)
{
    CStdioFile File;
    CFileException ex;
    if (!File.Open(filename, CFile::modeRead | CFile::typeText, &ex))
    {
        ex.ReportError();
        return FALSE;
    }

    DeleteAllItems();

    // The scroll bars are brought up to date once at the end rather than for every row; the row
    // headings and the final sizing are measured with one device context and font.
    CDrawingPause pause(m_bAllowDraw);
    CQFontCache pass(m_pFontPass, m_hWnd);
    wchar_t buffer[kPieceSize];
    CFields fields;

    TRY
    {
        if (File.ReadString(buffer, kPieceSize) != NULL)
        {
            fields.Split(buffer);
            for (int i = 0; i < fields.count; i++)
                InsertColumn(fields.start[i], DT_CENTER | DT_VCENTER | DT_SINGLELINE, -1);
        }

        while (File.ReadString(buffer, kPieceSize) != NULL)
        {
            fields.Split(buffer);
            if (fields.count == 0)
                continue;
            // InsertRow with the first field, then SetItemText for the others up to the last column.
            InsertLoadedRow((LPCTSTR*)fields.start, fields.count);
        }

        pause.Resume();
        AutoSizeColumns();
        File.Close();
    }
    CATCH(CFileException, e)
    {
        pause.Resume();
        ResetScrollBars();
        if (::IsWindow(m_hWnd) && m_bAllowDraw)
            Invalidate();
        AfxMessageBox(L"Unable to load grid data", MB_OK);
        return FALSE;
    }
    END_CATCH

    ResetScrollBars();
    if (::IsWindow(m_hWnd) && m_bAllowDraw)
        Invalidate();
    return TRUE;
}
