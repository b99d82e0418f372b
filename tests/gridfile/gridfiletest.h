// Shared helpers of the grid file and printing tests: a temporary folder, whole-file reads and
// writes, a grid that opens its protected members, and the C run-time locale for one test.
#pragma once

#include <gtest/gtest.h>

#include "qctl.h"
#include "testwin.h"

#include <locale.h>

#include <ostream>
#include <string>
#include <vector>

// Readable CString values in gtest messages.
void PrintTo(const CString& str, std::ostream* os);

namespace gridfile
{
// A new folder under the temporary path; it and its files go when the object goes.
class CTempDir
{
public:
    CTempDir();
    ~CTempDir();
    CString Path(LPCWSTR pszName) const;
    const CString& Dir() const { return m_strDir; }

private:
    CString m_strDir;
};

std::string ReadBytes(const CString& strPath);
void WriteBytes(const CString& strPath, const std::string& bytes);

// The C run-time locale set for a scope (".936" for the Chinese code page), "C" again afterwards.
class CLocaleScope
{
public:
    explicit CLocaleScope(const char* pszLocale) { m_bOk = setlocale(LC_ALL, pszLocale) != NULL; }
    ~CLocaleScope() { setlocale(LC_ALL, "C"); }
    bool Ok() const { return m_bOk; }

private:
    bool m_bOk;
};

// A grid whose storage the tests can inspect.
class FileGrid : public CQGridCtrl
{
public:
    // It makes and empties its cells the grid's own way, so its cells may be made on demand.
    FileGrid(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0)
        : CQGridCtrl(nRows, nCols, nFixedRows, nFixedCols)
    {
        SetCellsOnDemand(TRUE);
    }
    using CQGridCtrl::GetCell;

    // Every row and column has a size, every slot a cell or a kept text, the fixed counts fit,
    // nothing lies beyond the counts. Reads only: no cell is made.
    ::testing::AssertionResult Consistent() const;
    // The texts of one row, column by column.
    std::vector<CString> Row(int nRow) const;
    // Fills row r, column c with "r,c"-free texts: prefix + r + "." + c.
    void Fill(LPCWSTR pszPrefix = L"t");
};

std::vector<CString> Texts(std::initializer_list<LPCWSTR> texts);
} // namespace gridfile
