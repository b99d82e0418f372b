#include "gridfiletest.h"

#include <stdio.h>

namespace gridfile
{
CTempDir::CTempDir()
{
    wchar_t szTemp[MAX_PATH];
    DWORD n = ::GetTempPathW(MAX_PATH, szTemp);
    if (n == 0 || n >= MAX_PATH)
        wcscpy(szTemp, L".\\");
    static int s_nNext = 0;
    for (int i = 0; i < 1000; i++)
    {
        CString strDir;
        strDir.Format(L"%sqctl_gridfile_%lu_%d", szTemp, ::GetCurrentProcessId(), s_nNext++);
        if (::CreateDirectoryW(strDir, NULL))
        {
            m_strDir = strDir;
            break;
        }
    }
}

CTempDir::~CTempDir()
{
    if (m_strDir.IsEmpty())
        return;
    WIN32_FIND_DATAW fd;
    HANDLE hFind = ::FindFirstFileW(m_strDir + L"\\*", &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            CString strPath = m_strDir + L"\\" + fd.cFileName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            {
                if (wcscmp(fd.cFileName, L".") != 0 && wcscmp(fd.cFileName, L"..") != 0)
                    ::RemoveDirectoryW(strPath);
            }
            else
            {
                ::DeleteFileW(strPath);
            }
        } while (::FindNextFileW(hFind, &fd));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryW(m_strDir);
}

CString CTempDir::Path(LPCWSTR pszName) const
{
    return m_strDir + L"\\" + pszName;
}

std::string ReadBytes(const CString& strPath)
{
    std::string bytes;
    FILE* f = _wfopen(strPath, L"rb");
    if (f == NULL)
        return bytes;
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), f)) > 0)
        bytes.append(buf, n);
    fclose(f);
    return bytes;
}

void WriteBytes(const CString& strPath, const std::string& bytes)
{
    FILE* f = _wfopen(strPath, L"wb");
    ASSERT_TRUE(f != NULL);
    if (!bytes.empty())
        fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

::testing::AssertionResult FileGrid::Consistent() const
{
    if (GetFixedRowCount() > GetRowCount() || GetFixedColumnCount() > GetColumnCount())
        return ::testing::AssertionFailure() << "fixed counts above the counts";
    for (int row = 0; row < GetRowCount(); row++)
    {
        if (GetRowHeight(row) < 0)
            return ::testing::AssertionFailure() << "row " << row << " has no height";
        for (int col = 0; col < GetColumnCount(); col++)
        {
            if (CellToRead(row, col) == NULL)
                return ::testing::AssertionFailure() << "no cell at " << row << ", " << col;
        }
    }
    for (int col = 0; col < GetColumnCount(); col++)
        if (GetColumnWidth(col) < 0)
            return ::testing::AssertionFailure() << "column " << col << " has no width";
    if (GetRowHeight(GetRowCount()) != -1 || GetColumnWidth(GetColumnCount()) != -1 ||
        CellToRead(GetRowCount(), 0) != NULL || CellToRead(0, GetColumnCount()) != NULL)
        return ::testing::AssertionFailure() << "storage beyond the counts";
    return ::testing::AssertionSuccess();
}

std::vector<CString> FileGrid::Row(int nRow) const
{
    std::vector<CString> texts;
    for (int col = 0; col < GetColumnCount(); col++)
        texts.push_back(GetItemText(nRow, col));
    return texts;
}

void FileGrid::Fill(LPCWSTR pszPrefix)
{
    for (int row = 0; row < GetRowCount(); row++)
        for (int col = 0; col < GetColumnCount(); col++)
        {
            CString str;
            str.Format(L"%s%d.%d", pszPrefix, row, col);
            SetItemText(row, col, str);
        }
}

std::vector<CString> Texts(std::initializer_list<LPCWSTR> texts)
{
    std::vector<CString> v;
    for (LPCWSTR p : texts)
        v.push_back(CString(p));
    return v;
}
} // namespace gridfile

// Readable CString values in gtest messages.
void PrintTo(const CString& str, std::ostream* os)
{
    *os << '"';
    for (int i = 0; i < str.GetLength(); i++)
    {
        wchar_t ch = str[i];
        if (ch >= 0x20 && ch < 0x7F)
            *os << (char)ch;
        else
        {
            char buf[16];
            snprintf(buf, sizeof(buf), "\\u%04X", (unsigned)ch);
            *os << buf;
        }
    }
    *os << '"';
}
