// Records of named values and tables of them: plain value containers for callers.
//
// CQRecord   one record of named string values; names match without regard to case.
// CQRecordX  the same with variant values (_variant_t); names match with regard to case.
// CQRecords  a table: one list of field names and any number of rows of string values, kept in
//            one flat array (row r, column c is entry r * column count + c); names match with
//            regard to case.
//
// Field names need not be unique: the first match wins everywhere. Look-ups by name report absence
// with -1 or FALSE; look-ups by index (CQRecord::GetField, GetValue(int)) throw the framework's
// CInvalidArgException for an index outside the record. CQRecordX passes on the variant services'
// failures as _com_error (out of memory is 0x8007000E).
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>
#include <comdef.h>

class AFX_EXT_CLASS CQRecord : public CObject
{
public:
    CQRecord();
    explicit CQRecord(CStringArray& arrFields); // the given names, every value empty
    CQRecord(const CQRecord& src);
    CQRecord& operator=(const CQRecord& src);
    virtual ~CQRecord();

    int Cols() const { return m_nCols; }
    void Fields(CStringArray& arrOut) const;
    void Values(CStringArray& arrOut) const;
    CString GetField(int nIndex); // throws CInvalidArgException* outside the record
    CString GetValue(int nIndex); // throws CInvalidArgException* outside the record
    // Column index of the name, -1 when absent; out is emptied, then receives the value if found.
    int GetValue(const wchar_t* pszName, CString& strOut) const;

    // Sets the value of the named column and returns its index. An absent name is appended as a new
    // last column when bAdd is non-zero (its index is returned), else nothing changes and -1 is
    // returned.
    int SetValue(const wchar_t* pszName, const wchar_t* pszValue, int bAdd);
    int RemoveField(const wchar_t* pszName); // former index of the removed column, or -1
    void ResetValues();                      // every value becomes empty
    void RemoveAll();                        // no columns

    // out = one record per record of in, with exactly the given names in their order and the values
    // that the source holds under them (empty when it lacks one). FALSE when names or in is empty.
    static BOOL PickUpData(CStringArray& arrFields, CArray<CQRecord, CQRecord&>& arrIn,
                           CArray<CQRecord, CQRecord&>& arrOut);

protected:
    int IsExit(const wchar_t* pszName) const; // index of the first column of that name, or -1

    CStringArray m_arrFields; // one name per column
    CStringArray m_arrValues; // one value per column, same order
    int m_nCols;              // number of columns
};

class AFX_EXT_CLASS CQRecordX : public CObject
{
public:
    typedef CArray<_variant_t, _variant_t&> CVariantArray;

    CQRecordX();
    explicit CQRecordX(CStringArray& arrFields); // the given names, every value VT_EMPTY
    CQRecordX(const CQRecordX& src);
    CQRecordX& operator=(const CQRecordX& src);
    virtual ~CQRecordX();

    int Cols() const { return m_nCols; }
    void Fields(CStringArray& arrOut) const;
    void Values(CVariantArray& arrOut) const;
    // Column index of the name, -1 when absent; out is cleared, then receives a copy if found.
    int GetValue(const wchar_t* pszName, _variant_t& varOut) const;
    // As CQRecord::SetValue, with a copy of the variant.
    int SetValue(const wchar_t* pszName, _variant_t varValue, int bAdd);
    int RemoveField(const wchar_t* pszName); // former index of the removed column, or -1
    void ResetValues();                      // every value becomes a VT_BSTR empty string
    void RemoveAll();                        // no columns

protected:
    int IsExit(const wchar_t* pszName) const; // index of the first column of that name, or -1

    CStringArray m_arrFields;  // one name per column
    CVariantArray m_arrValues; // one value per column, same order
    int m_nCols;               // number of columns
};

class AFX_EXT_CLASS CQRecords : public CObject
{
public:
    CQRecords();
    CQRecords(const CQRecords& src);
    CQRecords& operator=(const CQRecords& src);
    virtual ~CQRecords();

    // Loads names and rows of values only when there are exactly names * rows values (and rows is
    // not negative); otherwise the table stays as it is.
    void Load(CStringArray& arrFields, CStringArray& arrValues, long nRows);
    // Replaces the rows only when there are exactly column count * rows values.
    void LoadValues(CStringArray& arrValues, long nRows);
    void UnLoad();       // no names, no values, both counts 0
    void UnLoadValues(); // no values, row count 0; the names stay

    int GetCols() const { return m_nCols; }
    long GetRows() const { return m_nRows; }
    void GetFields(CStringArray& arrOut) const;
    void GetValues(CStringArray& arrOut) const; // the flat array, row after row
    int FindIndex(const wchar_t* pszName);      // first field of that name, -1 if absent
    // out = the named field's value in row nRow; FALSE (out empty) for an absent field or a row
    // outside 0 .. rows - 1.
    BOOL GetValuesByField(const wchar_t* pszName, CString& strOut, int nRow);
    // out = the named field's value of every row, row 0 first; FALSE for an absent field.
    BOOL GetValuesByField(const wchar_t* pszName, CStringArray& arrOut);

protected:
    CStringArray m_arrFields; // one name per column
    CStringArray m_arrValues; // rows one after the other
    int m_nCols;              // number of field names
    long m_nRows;             // number of rows
};
