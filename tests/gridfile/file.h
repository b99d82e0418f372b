// The file tests' helpers: a temporary folder (and a fixture with one), whole-file reads and writes,
// the C run-time locale for a scope, and a grid that keeps its rows' texts until a cell is asked for.
#pragma once

#include "gridprobe.h"

#include <locale.h>

#include <string>
#include <vector>

// A new folder under the temporary path; it and its files go when the object goes.
class CTempDir
{
public:
    CTempDir();
    ~CTempDir();
    CString Path(LPCWSTR pszName) const { return m_strDir + L"\\" + pszName; }

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

// the texts of a row
using Row = std::vector<CString>;

// A probe whose cells may be made on demand (its CreateCell and EmptyCell forward to the grid's).
class FileGrid : public CGridProbe
{
public:
    FileGrid(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0)
        : CGridProbe(nRows, nCols, nFixedRows, nFixedCols)
    {
        SetCellsOnDemand(TRUE);
    }
    // the texts of one row, column by column
    ::Row Row(int nRow) const;
};

// A test with a temporary folder.
class GridFileTest : public testing::Test
{
protected:
    CTempDir m_dir;
};
