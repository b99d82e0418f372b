// CQRecord: one record of named string values, names matched without regard to case.
#include "QRecord.h"

CQRecord::CQRecord() : m_nCols(0) {}

CQRecord::CQRecord(CStringArray& arrFields) : m_nCols(0)
{
    m_arrFields.Copy(arrFields);
    m_nCols = static_cast<int>(m_arrFields.GetSize());
    m_arrValues.SetSize(m_nCols);
}

CQRecord::CQRecord(const CQRecord& src) : CObject(), m_nCols(0)
{
    *this = src;
}

CQRecord& CQRecord::operator=(const CQRecord& src)
{
    if (this != &src)
    {
        m_arrFields.Copy(src.m_arrFields);
        m_arrValues.Copy(src.m_arrValues);
        m_nCols = src.m_nCols;
    }
    return *this;
}

CQRecord::~CQRecord()
{
    RemoveAll();
}

void CQRecord::Fields(CStringArray& arrOut) const
{
    arrOut.Copy(m_arrFields);
}

void CQRecord::Values(CStringArray& arrOut) const
{
    arrOut.Copy(m_arrValues);
}

CString CQRecord::GetField(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_arrFields.GetSize())
        AfxThrowInvalidArgException();
    return m_arrFields[nIndex];
}

CString CQRecord::GetValue(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_arrValues.GetSize())
        AfxThrowInvalidArgException();
    return m_arrValues[nIndex];
}

int CQRecord::GetValue(const wchar_t* pszName, CString& strOut) const
{
    strOut.Empty();
    int i = IsExit(pszName);
    if (i >= 0)
        strOut = m_arrValues[i];
    return i;
}

int CQRecord::SetValue(const wchar_t* pszName, const wchar_t* pszValue, int bAdd)
{
    int i = IsExit(pszName);
    CString strValue(pszValue != nullptr ? pszValue : L"");
    if (i >= 0)
    {
        m_arrValues[i] = strValue;
        return i;
    }
    if (!bAdd)
        return -1;
    m_arrFields.Add(CString(pszName != nullptr ? pszName : L""));
    m_arrValues.Add(strValue);
    return m_nCols++;
}

int CQRecord::RemoveField(const wchar_t* pszName)
{
    int i = IsExit(pszName);
    if (i < 0)
        return -1;
    m_arrFields.RemoveAt(i);
    m_arrValues.RemoveAt(i);
    --m_nCols;
    return i;
}

void CQRecord::ResetValues()
{
    for (INT_PTR i = 0; i < m_arrValues.GetSize(); ++i)
        m_arrValues[i].Empty();
}

void CQRecord::RemoveAll()
{
    m_arrFields.RemoveAll();
    m_arrValues.RemoveAll();
    m_nCols = 0;
}

int CQRecord::IsExit(const wchar_t* pszName) const
{
    if (m_nCols <= 0)
        return -1;
    const wchar_t* psz = pszName != nullptr ? pszName : L"";
    for (int i = 0; i < m_nCols && i < m_arrFields.GetSize(); ++i)
        if (m_arrFields[i].CompareNoCase(psz) == 0)
            return i;
    return -1;
}

BOOL CQRecord::PickUpData(CStringArray& arrFields, CArray<CQRecord, CQRecord&>& arrIn,
                          CArray<CQRecord, CQRecord&>& arrOut)
{
    arrOut.RemoveAll();
    if (arrFields.GetSize() == 0 || arrIn.GetSize() == 0)
        return FALSE;
    for (INT_PTR r = 0; r < arrIn.GetSize(); ++r)
    {
        CQRecord rec;
        CString strValue;
        for (INT_PTR c = 0; c < arrFields.GetSize(); ++c)
        {
            arrIn[r].GetValue(arrFields[c], strValue);
            rec.SetValue(arrFields[c], strValue, TRUE);
        }
        arrOut.Add(rec);
    }
    return TRUE;
}
