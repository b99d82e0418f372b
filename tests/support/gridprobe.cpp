// The grid probe and its window fixture.
#include "gridprobe.h"

#include "grid/internal/QGridAxis.h"
#include "grid/internal/QGridSelection.h"

#include <sstream>

CGridProbe::CGridProbe(int nRows, int nCols, int nFixedRows, int nFixedCols) : CQGridCtrl(0, 0, 0, 0)
{
    // the base constructor cannot reach the CreateCell override, so the shape is made here
    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);
}

::testing::AssertionResult CGridProbe::Consistent() const
{
    const int nRows = m_pRows->GetCount(), nCols = m_pCols->GetCount();
    if (m_pRows->GetFixed() < 0 || m_pCols->GetFixed() < 0 || m_pRows->GetFixed() > nRows ||
        m_pCols->GetFixed() > nCols)
        return ::testing::AssertionFailure() << "fixed counts outside the counts";
    if (m_RowData.GetSize() != nRows)
        return ::testing::AssertionFailure() << "row arrays differ from the count";
    for (int row = 0; row < nRows; row++)
        for (int col = 0; col < nCols; col++)
        {
            if (CellToRead(row, col) == NULL)
                return ::testing::AssertionFailure() << "no cell at " << row << ", " << col;
        }
    if (CellToRead(nRows, 0) != NULL || CellToRead(0, nCols) != NULL || CellToRead(-1, 0) != NULL)
        return ::testing::AssertionFailure() << "a cell outside the counts";
    POSITION pos = m_pSelection->m_SelectedCellMap.GetStartPosition();
    while (pos != NULL)
    {
        unsigned long key;
        CQCellID cell;
        m_pSelection->m_SelectedCellMap.GetNextAssoc(pos, key, cell);
        const CQGridCell* pCell = PeekCell(cell.row, cell.col);
        if (key != GridCellKey(cell.row, cell.col) || pCell == NULL || !(pCell->m_nState & GV_STATE_SELECTED))
            return ::testing::AssertionFailure() << "selected set holds " << cell.row << ", " << cell.col
                                                 << " which is not a selected cell";
    }
    return ::testing::AssertionSuccess();
}

int CGridProbe::DefaultColumnWidth() const
{
    return m_pCols->GetDefaultSize();
}

bool CGridProbe::InSelectedSet(int nRow, int nCol) const
{
    CQCellID cell;
    return m_pSelection->m_SelectedCellMap.Lookup(GridCellKey(nRow, nCol), cell) && cell.row == nRow &&
           cell.col == nCol;
}

std::string CGridProbe::SelectedCells() const
{
    std::ostringstream out;
    for (int r = 0; r < GetRowCount(); r++)
        for (int c = 0; c < GetColumnCount(); c++)
            if (GetItemState(r, c) & GV_STATE_SELECTED)
                out << (out.tellp() > 0 ? " " : "") << r << "," << c;
    return out.str();
}

CQGridCell* CGridProbe::CreateCell(int nRow, int nCol)
{
    ++m_nCreated;
    return CQGridCtrl::CreateCell(nRow, nCol);
}

void CGridProbe::EmptyCell(CQGridCell* cell, int nRow, int nCol)
{
    ++m_nEmptied;
    CQGridCtrl::EmptyCell(cell, nRow, nCol);
}

void CGridProbe::OnEditCell(int nRow, int nCol, UINT nChar)
{
    if (!m_bNoEditors)
        CQGridCtrl::OnEditCell(nRow, nCol, nChar);
}

// --- the window fixture ---------------------------------------------------------------------------

qtest::CRecordingWnd* GridTest::Parent()
{
    static qtest::CRecordingWnd* s_pParent = nullptr;
    if (s_pParent == nullptr || !::IsWindow(s_pParent->m_hWnd))
    {
        s_pParent = new qtest::CRecordingWnd;
        s_pParent->CreateTop(700, 500);
    }
    return s_pParent;
}

void GridTest::SetUp()
{
    ASSERT_TRUE(::IsWindow(Parent()->m_hWnd));
    SetModifiers(false, false);
}

void GridTest::TearDown()
{
    SetModifiers(false, false);
    m_pGrid.reset();
    qtest::PumpMessages();
    Parent()->Flush();
}

CGridProbe* GridTest::Make(int nRows, int nCols, int nFixedRows, int nFixedCols, int nHeight, int nWidth,
                           int cx, int cy, CGridProbe* pGrid, DWORD dwStyle)
{
    m_pGrid.reset();
    m_pGrid.reset(pGrid ? pGrid : new CGridProbe);
    m_pGrid->SetRowCount(nRows);
    m_pGrid->SetColumnCount(nCols);
    m_pGrid->SetFixedRowCount(nFixedRows);
    m_pGrid->SetFixedColumnCount(nFixedCols);
    EXPECT_TRUE(m_pGrid->Create(CRect(0, 0, cx, cy), Parent(), 100, dwStyle));
    for (int row = 0; row < nRows; row++)
        m_pGrid->SetRowHeight(row, nHeight);
    for (int col = 0; col < nCols; col++)
        m_pGrid->SetColumnWidth(col, nWidth);
    m_pGrid->ResetScrollBars();
    qtest::PumpMessages();
    Parent()->Flush();
    return m_pGrid.get();
}

// the parent's log of one kind, which is emptied
static std::vector<qtest::LoggedMsg> TakeLogged(UINT message)
{
    std::vector<qtest::LoggedMsg> out;
    for (const qtest::LoggedMsg& msg : GridTest::Parent()->Log())
        if (msg.message == message)
            out.push_back(msg);
    GridTest::Parent()->Flush();
    return out;
}

std::vector<std::vector<int>> GridTest::Notes()
{
    std::vector<std::vector<int>> out;
    for (const qtest::LoggedMsg& msg : TakeLogged(WM_NOTIFY))
        if (const NM_GRIDVIEW* pNM = msg.As<NM_GRIDVIEW>())
            out.push_back({(int)pNM->hdr.code, pNM->iRow, pNM->iColumn});
    return out;
}

std::vector<qtest::LoggedMsg> GridTest::Commands()
{
    qtest::PumpMessages();
    return TakeLogged(WM_COMMAND);
}

CPoint GridTest::Mid(int nRow, int nCol) const
{
    CRect rect;
    EXPECT_TRUE(m_pGrid->GetCellRect(nRow, nCol, rect)) << nRow << "," << nCol;
    return rect.CenterPoint();
}

void GridTest::Mouse(UINT message, CPoint pt, UINT nFlags)
{
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)
        nFlags |= MK_LBUTTON;
    m_pGrid->SendMessage(message, nFlags, MAKELPARAM(pt.x, pt.y));
}

void GridTest::SetModifiers(bool bShift, bool bCtrl)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_LSHIFT] = bShift ? 0x80 : 0;
    keys[VK_CONTROL] = keys[VK_LCONTROL] = bCtrl ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

void GridTest::Key(UINT vk, bool bShift, bool bCtrl)
{
    SetModifiers(bShift, bCtrl);
    m_pGrid->SendMessage(WM_KEYDOWN, vk, 1);
    SetModifiers(false, false);
}
