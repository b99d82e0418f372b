// CQStringMgr: delimited element lists held in strings, and small string and number helpers.
//
// A list is a string S and a separator P (⟨a,b,c⟩ with ⟨,⟩). Its elements are found by walking S
// from the front: when S is empty there are no more elements; otherwise the first occurrence of P
// (case-sensitive, as CString::Find) ends the element and S continues after it, and when P does not
// occur the rest of S is the last element. So elements may be empty (⟨a,,b⟩ has three, ⟨,a⟩ two),
// a separator at the very end adds no element (⟨a,b,⟩ has two, ⟨,⟩ one) and the empty string has
// none. Elements are never trimmed, except the keys and values of pair lists (key,value,key,value).
//
// Re-joining (DelElementItem, SetElement, ArrayToString) starts from an empty result and appends
// each element, preceded by P only when the result is not empty at that moment: leading empty
// elements disappear and a trailing separator is not reproduced.
//
// Choices for calls that would otherwise never end:
// - An empty separator never matches: a non-empty string is one single element, a pair list holds
//   a key without a separator (the format error), and adding items just concatenates them.
// - Remove and RemoveAll of an empty string do nothing. An occurrence of a character is a position
//   below the length, so Remove(S, L'\0') removes the first embedded NUL and RemoveAll(S, L'\0')
//   all of them (a string without embedded NULs stays as it is).
// - SetElement with an index at or beyond the element count places the value there: the list
//   (without a trailing separator) is padded with empty elements up to index, then the value
//   follows, so that element number index is value afterwards. (A trailing empty value cannot be
//   held, and elements or a value that run into the separator, such as ⟨a:⟩ before ⟨::⟩, are
//   split differently when the list is walked again.)
//
// All operations are static; the class has no state. Operations that walk a copy of S cost one
// pass over S, whatever the number of elements.
#pragma once

#include <afx.h>
#include <afxcoll.h>

class AFX_EXT_CLASS CQStringMgr
{
public:
    // ---- element lists
    // S empty: S = item; otherwise S = S + P + item.
    static void AddElementItem(CString& strSource, CString strItem, CString strSep);
    // S empty: S = key + P + value; otherwise S = S + P + key + P + value.
    static void AddElementItem(CString& strSource, CString strKey, CString strValue, CString strSep);
    // Takes the first element off S into item; FALSE (item unchanged) when S is empty.
    static BOOL GetElementItem(CString& strSource, CString& strItem, CString strSep);
    // Takes the first key/value pair off S, both trimmed. A key without a following separator shows
    // the message "字符串格式出错! <S>" (caption "提示") and gives FALSE; an empty S gives FALSE.
    static BOOL GetElementItem(CString& strSource, CString& strKey, CString& strValue, CString strSep);
    static int GetElementCount(CString strSource, CString strSep);
    // Index (from 0) of the first element equal to item, -1 if none.
    static int GetElementIndex(CString strSource, CString strItem, CString strSep);
    // item = element number nIndex and TRUE; otherwise item is emptied and FALSE.
    static BOOL GetElementItemByIndex(CString strSource, int nIndex, CString& strItem, CString strSep);
    static BOOL ExistElementItem(CString strSource, CString strItem, CString strSep);
    // TRUE at the first pair whose key and value match; an empty key or value matches anything.
    // A malformed pair met on the way shows the format message and ends the walk with FALSE.
    static BOOL ExistElementItem(CString strSource, CString strKey, CString strValue, CString strSep);
    // Removes the first element equal to item (nothing for an empty item); see the class comment.
    static void DelElementItem(CString& strSource, CString strItem, CString strSep);
    // Replaces element number nIndex (nothing for a negative index); see the class comment.
    static void SetElement(CString& strSource, int nIndex, CString strValue, CString strSep);
    static void StringToArray(CString strSource, CStringArray& arr, CString strSep);
    static void ArrayToString(CStringArray& arr, CString& strSource, CString strSep);

    // ---- string edits
    // When 0 <= nPos <= length: inserts sub before character nPos; otherwise nothing.
    static void Insert(CString& str, CString& strSub, int nPos);
    static void Remove(CString& str, CString& strSub); // first occurrence
    static void Remove(CString& str, wchar_t ch);      // first occurrence
    // When nStart >= 0: removes [nStart, nEnd); nEnd < 0 counts as nStart; nothing when nEnd < nStart.
    static void Remove(CString& str, int nStart, int nEnd);
    // Removes the first occurrence while there is one, so removals that make new occurrences go on.
    static void RemoveAll(CString& str, CString strSub);
    static void RemoveAll(CString& str, wchar_t ch);
    static CString Repeat(CString str, int nCount); // empty for nCount <= 0
    static CString Repeat(wchar_t ch, int nCount);  // empty for nCount < 1
    // Keeps the first length - nCount characters (empty when nCount >= length).
    static void CutEndChar(CString& str, int nCount);

    // ---- decimal numbers
    // TRUE when formatting _wtoi(s) with "%d" gives s back exactly (⟨12⟩, ⟨-5⟩; not ⟨012⟩, ⟨+1⟩).
    static BOOL IsInteger(CString str);
    // Digits, a '-' at position 0 only and at most one '.'; no leading zero on an integer other than
    // "0"; no trailing '.'.
    static BOOL IsNumberVal(CString str);
    // Drops trailing zeros of a decimal fraction and a '.' left last (⟨1.500⟩ → ⟨1.5⟩, ⟨2.00⟩ → ⟨2⟩);
    // only when a '.' occurs at position 1 or later.
    static void OptimizeByNum(CString& str);
    // v with "%.<digits>g" when bGeneral is non-zero, else "%.<digits>f". A negative digit count is
    // taken as the run-time's default precision; counts above 1100 as 1100 (beyond, a double has
    // only zeros).
    static CString PrecisionByNum(double dValue, int nDigits, int bGeneral);
    // _wtof(s) with "%.<digits>f", then OptimizeByNum when bOptimize is non-zero.
    static CString PrecisionByNum(CString str, int nDigits, int bOptimize);
};
