// COleDateTime: parsing, formatting and arithmetic on the platform's variant dates.
#include <afxdisp.h>

#include <math.h>

double COleDateTime::DoubleFromDate(DATE dt)
{
    // Negative dates hold the day in the integer part and the time of day, counted forward, as
    // the magnitude of the fraction: -1.25 is a quarter of a day after -1.0.
    if (dt >= 0)
        return dt;
    double dDay = ceil(dt);
    return dDay - (dt - dDay);
}

DATE COleDateTime::DateFromDouble(double d)
{
    if (d >= 0)
        return d;
    double dDay = floor(d);
    return dDay + (dDay - d);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SYSTEMTIME st = {};
    st.wYear = (WORD)nYear;
    st.wMonth = (WORD)nMonth;
    st.wDay = (WORD)nDay;
    st.wHour = (WORD)nHour;
    st.wMinute = (WORD)nMin;
    st.wSecond = (WORD)nSec;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    bool bInRange = nYear >= 100 && nYear <= 9999 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 &&
                    nDay <= kDays[nMonth - 1] + (nMonth == 2 && bLeap ? 1 : 0) && nHour >= 0 && nHour <= 23 &&
                    nMin >= 0 && nMin <= 59 && nSec >= 0 && nSec <= 59;
    if (!bInRange || !::SystemTimeToVariantTime(&st, &m_dt))
    {
        m_dt = 0;
        m_status = invalid;
        return 0;
    }
    m_status = valid;
    return 1;
}

bool COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    m_dt = 0;
    if (lpszDate == NULL || FAILED(::VarDateFromStr(const_cast<LPOLESTR>(lpszDate), lcid, dwFlags, &m_dt)))
    {
        m_dt = 0;
        m_status = invalid;
        return false;
    }
    m_status = valid;
    return true;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    CString s;
    BSTR bstr = NULL;
    if (m_status == valid && SUCCEEDED(::VarBstrFromDate(m_dt, lcid, dwFlags, &bstr)) && bstr != NULL)
        s = CString(bstr, (int)::SysStringLen(bstr));
    ::SysFreeString(bstr);
    return s;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    COleDateTime result(DateFromDouble(DoubleFromDate(m_dt) + span.m_span));
    result.m_status = m_status;
    return result;
}
