// COleDateTime and COleDateTimeSpan: a date and time held as the platform's variant date (days
// since 30 December 1899, the fraction being the time of day), with a status. Text is parsed and
// formatted by the platform's variant conversion in a given locale.
//
// Only what the library uses: construction, parsing, formatting, comparison and adding a span.
#pragma once

#include <afxstr.h>
#include <ole2.h>

class AFX_CORE_CLASS COleDateTimeSpan
{
public:
    COleDateTimeSpan() : m_span(0) {}
    explicit COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc) {}
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
        : m_span(lDays + nHours / 24.0 + nMins / (24.0 * 60) + nSecs / (24.0 * 60 * 60))
    {
    }
    double GetTotalDays() const { return m_span; }

    double m_span; // in days
};

class AFX_CORE_CLASS COleDateTime
{
public:
    enum DateTimeStatus
    {
        error = -1,
        valid = 0,
        invalid = 1,
        null = 2,
    };

    COleDateTime() : m_dt(0), m_status(valid) {}
    COleDateTime(DATE dtSrc) : m_dt(dtSrc), m_status(valid) {}
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
    {
        SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
    }

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    operator DATE() const { return m_dt; }

    // Sets the value from its parts; an impossible date makes the value invalid (0 is returned).
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

    // Parses text in the locale (flags as for VarDateFromStr: 0, VAR_TIMEVALUEONLY,
    // VAR_DATEVALUEONLY). On failure the value becomes invalid and false is returned.
    bool ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);
    // The value as text in the locale; empty for a value that is not valid.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;

    // Comparisons follow the calendar: before the origin (negative values) the time of day still
    // counts forward from midnight, so -1.25 (6:00 on 29 December 1899) is later than -1.0.
    bool operator==(const COleDateTime& date) const { return m_dt == date.m_dt; }
    bool operator!=(const COleDateTime& date) const { return m_dt != date.m_dt; }
    bool operator<(const COleDateTime& date) const
    {
        return DoubleFromDate(m_dt) < DoubleFromDate(date.m_dt);
    }
    bool operator>(const COleDateTime& date) const
    {
        return DoubleFromDate(m_dt) > DoubleFromDate(date.m_dt);
    }
    bool operator<=(const COleDateTime& date) const { return !(*this > date); }
    bool operator>=(const COleDateTime& date) const { return !(*this < date); }

    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }

    // A variant date as a point on a continuous time line, and back.
    static double DoubleFromDate(DATE dt);
    static DATE DateFromDouble(double d);

    DATE m_dt;
    DateTimeStatus m_status;
};
