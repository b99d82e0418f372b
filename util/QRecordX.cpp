// CQRecordX: one record of named variant values, names matched with regard to case. Copies and
// clears go through _variant_t, which raises _com_error when the variant services fail.
#include "QRecord.h"

CQRecordX::CQRecordX() : m_nCols(0) {}

CQRecordX::CQRecordX(CStringArray& arrFields) : m_nCols(0)
{
    m_arrFields.Copy(arrFields);
    m_nCols = static_cast<int>(m_arrFields.GetSize());
    m_arrValues.SetSize(m_nCols);
}

CQRecordX::CQRecordX(const CQRecordX& src) : CObject(), m_nCols(0)
{
    *this = src;
}

CQRecordX& CQRecordX::operator=(const CQRecordX& src)
{
    if (this != &src)
    {
        m_arrFields.Copy(src.m_arrFields);
        m_arrValues.Copy(src.m_arrValues);
        m_nCols = src.m_nCols;
    }
    return *this;
}

CQRecordX::~CQRecordX()
{
    RemoveAll();
}

void CQRecordX::Fields(CStringArray& arrOut) const
{
    arrOut.Copy(m_arrFields);
}

void CQRecordX::Values(CVariantArray& arrOut) const
{
    arrOut.Copy(m_arrValues);
}

int CQRecordX::GetValue(const wchar_t* pszName, _variant_t& varOut) const
{
    varOut.Clear();
    int i = IsExit(pszName);
    if (i >= 0)
        varOut = m_arrValues[i];
    return i;
}

int CQRecordX::SetValue(const wchar_t* pszName, _variant_t varValue, int bAdd)
{
    int i = IsExit(pszName);
    if (i >= 0)
    {
        m_arrValues[i] = varValue;
        return i;
    }
    if (!bAdd)
        return -1;
    m_arrFields.Add(CString(pszName != nullptr ? pszName : L""));
    m_arrValues.Add(varValue);
    return m_nCols++;
}

int CQRecordX::RemoveField(const wchar_t* pszName)
{
    int i = IsExit(pszName);
    if (i < 0)
        return -1;
    m_arrFields.RemoveAt(i);
    m_arrValues.RemoveAt(i);
    --m_nCols;
    return i;
}

void CQRecordX::ResetValues()
{
    for (INT_PTR i = 0; i < m_arrValues.GetSize(); ++i)
        m_arrValues[i] = _variant_t(L"");
}

void CQRecordX::RemoveAll()
{
    m_arrFields.RemoveAll();
    m_arrValues.RemoveAll();
    m_nCols = 0;
}

int CQRecordX::IsExit(const wchar_t* pszName) const
{
    if (m_nCols <= 0)
        return -1;
    const wchar_t* psz = pszName != nullptr ? pszName : L"";
    for (int i = 0; i < m_nCols && i < m_arrFields.GetSize(); ++i)
        if (m_arrFields[i].Compare(psz) == 0)
            return i;
    return -1;
}
