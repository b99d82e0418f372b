// Fixture of the report list tests: a real list view window inside a recording parent,
// subclassed by a CTsyslistviewex, with helpers for rows, header clicks and key states.
#pragma once

#include <gtest/gtest.h>
#include <afxwin.h>
#include <afxcmn.h>

#include "testwin.h"
#include "listtree/Tsyslistviewex.h"
#include "res/reportlist_res.h"

#include <memory>
#include <string>
#include <vector>

namespace rltest
{

const UINT kListId = 0x4D2;

// Opens the protected parts that the tests drive directly.
class CTestList : public CTsyslistviewex
{
public:
    using CTsyslistviewex::DrawCell;
    using CTsyslistviewex::GetBitmapCell;
    using CTsyslistviewex::HitTestEx;
    using CTsyslistviewex::MakeShortString;
    CTHeaderCtrlEx& Header() { return m_HeaderCtrl; }
};

// Holds a virtual key down (or not) in this thread's keyboard state while it lives.
class CKeyState
{
public:
    CKeyState(int nVirtKey, bool bDown);
    ~CKeyState();

private:
    BYTE m_saved[256];
};

class ListTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Columns "c0".."c<n-1>", each 90 pixels wide; column 0 of width w0 when given.
    void AddColumns(int nColumns, int nFirstWidth = 90);
    // One row per entry: texts of the columns, data value = dwFirstData + row index.
    void AddRows(const std::vector<std::vector<std::wstring>>& rows, DWORD_PTR dwFirstData = 1);
    // The texts of every row, in list order.
    std::vector<std::vector<std::wstring>> Rows(int nColumns) const;
    // A left click in the middle of the header item of the column (with Ctrl held when asked).
    void ClickHeader(int nColumn, bool bCtrl = false);

    qtest::CRecordingWnd parent;
    CTestList list;
    CFont font;
};

} // namespace rltest
