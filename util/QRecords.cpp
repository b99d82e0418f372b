// CQRecords: a table of string values with one list of field names, rows kept in one flat array.
#include "QRecord.h"

CQRecords::CQRecords() : m_nCols(0), m_nRows(0) {}

CQRecords::CQRecords(const CQRecords& src) : CObject(), m_nCols(0), m_nRows(0)
{
    *this = src;
}

CQRecords& CQRecords::operator=(const CQRecords& src)
{
    if (this != &src)
    {
        m_arrFields.Copy(src.m_arrFields);
        m_arrValues.Copy(src.m_arrValues);
        m_nCols = src.m_nCols;
        m_nRows = src.m_nRows;
    }
    return *this;
}

CQRecords::~CQRecords()
{
    UnLoad();
}

void CQRecords::Load(CStringArray& arrFields, CStringArray& arrValues, long nRows)
{
    if (nRows < 0 || arrValues.GetSize() != arrFields.GetSize() * static_cast<INT_PTR>(nRows))
        return;
    if (&arrFields == &m_arrFields || &arrValues == &m_arrValues)
    {
        CQRecords copy;
        copy.m_arrFields.Copy(arrFields);
        copy.m_arrValues.Copy(arrValues);
        Load(copy.m_arrFields, copy.m_arrValues, nRows);
        return;
    }
    UnLoad();
    m_arrFields.Copy(arrFields);
    m_arrValues.Copy(arrValues);
    m_nCols = static_cast<int>(m_arrFields.GetSize());
    m_nRows = nRows;
}

void CQRecords::LoadValues(CStringArray& arrValues, long nRows)
{
    if (nRows < 0 || arrValues.GetSize() != static_cast<INT_PTR>(m_nCols) * nRows)
        return;
    if (&arrValues == &m_arrValues)
    {
        m_nRows = nRows;
        return;
    }
    UnLoadValues();
    m_arrValues.Copy(arrValues);
    m_nRows = nRows;
}

void CQRecords::UnLoad()
{
    m_arrFields.RemoveAll();
    m_nCols = 0;
    UnLoadValues();
}

void CQRecords::UnLoadValues()
{
    m_arrValues.RemoveAll();
    m_nRows = 0;
}

void CQRecords::GetFields(CStringArray& arrOut) const
{
    arrOut.Copy(m_arrFields);
}

void CQRecords::GetValues(CStringArray& arrOut) const
{
    arrOut.Copy(m_arrValues);
}

int CQRecords::FindIndex(const wchar_t* pszName)
{
    const wchar_t* psz = pszName != nullptr ? pszName : L"";
    for (int i = 0; i < m_nCols && i < m_arrFields.GetSize(); ++i)
        if (m_arrFields[i].Compare(psz) == 0)
            return i;
    return -1;
}

BOOL CQRecords::GetValuesByField(const wchar_t* pszName, CString& strOut, int nRow)
{
    strOut.Empty();
    int c = FindIndex(pszName);
    if (c < 0 || nRow < 0 || nRow >= m_nRows)
        return FALSE;
    strOut = m_arrValues[static_cast<INT_PTR>(nRow) * m_nCols + c];
    return TRUE;
}

BOOL CQRecords::GetValuesByField(const wchar_t* pszName, CStringArray& arrOut)
{
    arrOut.RemoveAll();
    int c = FindIndex(pszName);
    if (c < 0)
        return FALSE;
    for (long r = 0; r < m_nRows; ++r)
        arrOut.Add(m_arrValues[static_cast<INT_PTR>(r) * m_nCols + c]);
    return TRUE;
}
