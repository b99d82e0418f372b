// The file tests' helpers.
#include "file.h"

#include <stdio.h>

CTempDir::CTempDir()
{
    static int s_nNext = 0;
    wchar_t szTemp[MAX_PATH] = L".\\";
    ::GetTempPathW(MAX_PATH, szTemp);
    m_strDir.Format(L"%sqctl_gridfile_%lu_%d", szTemp, ::GetCurrentProcessId(), s_nNext++);
    ::CreateDirectoryW(m_strDir, NULL);
}

// files are deleted; what cannot be deleted as a file (a folder) is removed as one
CTempDir::~CTempDir()
{
    WIN32_FIND_DATAW fd;
    HANDLE hFind = ::FindFirstFileW(m_strDir + L"\\*", &fd);
    for (BOOL bMore = hFind != INVALID_HANDLE_VALUE; bMore; bMore = ::FindNextFileW(hFind, &fd))
        if (!::DeleteFileW(Path(fd.cFileName)))
            ::RemoveDirectoryW(Path(fd.cFileName));
    if (hFind != INVALID_HANDLE_VALUE)
        ::FindClose(hFind);
    ::RemoveDirectoryW(m_strDir);
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

::Row FileGrid::Row(int nRow) const
{
    ::Row texts;
    for (int col = 0; col < GetColumnCount(); col++)
        texts.push_back(GetItemText(nRow, col));
    return texts;
}
