// Fixture of the report list tests: a real list view window in a recording parent, subclassed
// by a CTsyslistviewex, with helpers for rows, header clicks and the Ctrl key.
#pragma once

#include <gtest/gtest.h>
#include <afxwin.h>
#include <afxcmn.h>

#include "testwin.h"
#include "listtree/Tsyslistviewex.h"
#include "res/reportlist_res.h"

#include <string>
#include <vector>

namespace rltest
{

const UINT kListId = 0x4D2;
typedef std::vector<std::vector<std::wstring>> Table;

// Opens the protected parts that the tests drive directly.
class CTestList : public CTsyslistviewex
{
public:
    using CTsyslistviewex::GetBitmapCell;
    CTHeaderCtrlEx& Header() { return m_HeaderCtrl; }
};

// Holds Ctrl down (or up) in this thread's keyboard state while it lives.
class CCtrlKey
{
public:
    explicit CCtrlKey(bool bDown);
    ~CCtrlKey() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

class ListTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Columns "c0".."c<n-1>", 90 pixels wide (column 0: nFirstWidth).
    void AddColumns(int nColumns, int nFirstWidth = 90);
    // One item per row, data value dwFirstData + row index.
    void AddRows(const Table& rows, DWORD_PTR dwFirstData = 1);
    // Every row's texts in list order.
    Table Rows(int nColumns) const;
    // A left click in the middle of the column's header item.
    void ClickHeader(int nColumn, bool bCtrl = false);

    qtest::CRecordingWnd parent;
    CTestList list;
    CFont font;
};

} // namespace rltest
