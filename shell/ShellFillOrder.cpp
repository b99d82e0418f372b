// OrderByConfirmedGuess: the order of one fill of the shell tree, guessed and confirmed.
#include "internal/ShellFillOrder.h"

#include <algorithm>
#include <string>

namespace
{

// The collation key of a name (case ignored); empty when the name has none.
std::string SortKey(const CString& strName)
{
    const DWORD dwFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    int cb = ::LCMapStringW(LOCALE_USER_DEFAULT, dwFlags, strName, strName.GetLength(), NULL, 0);
    if (cb <= 0)
        return std::string();
    std::string key((size_t)cb, '\0');
    cb = ::LCMapStringW(LOCALE_USER_DEFAULT, dwFlags, strName, strName.GetLength(), (LPWSTR)&key[0], cb);
    key.resize(cb > 0 ? (size_t)cb : 0);
    return key;
}

// Whether a name holds only ASCII letters, digits and dots.
bool IsPlainName(const CString& strName)
{
    for (int i = 0; i < strName.GetLength(); i++)
    {
        wchar_t ch = strName[i];
        if (!((ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9') ||
              ch == L'.'))
            return false;
    }
    return !strName.IsEmpty();
}

// Compares two plain names by their lower-case character codes.
int CompareLower(const CString& str1, const CString& str2)
{
    int n1 = str1.GetLength(), n2 = str2.GetLength();
    for (int i = 0; i < n1 && i < n2; i++)
    {
        wchar_t ch1 = str1[i] >= L'A' && str1[i] <= L'Z' ? (wchar_t)(str1[i] + 32) : str1[i];
        wchar_t ch2 = str2[i] >= L'A' && str2[i] <= L'Z' ? (wchar_t)(str2[i] + 32) : str2[i];
        if (ch1 != ch2)
            return ch1 < ch2 ? -1 : 1;
    }
    return n1 < n2 ? -1 : n1 > n2 ? 1 : 0;
}

} // namespace

bool OrderByConfirmedGuess(std::vector<CQShellFillItem>& items, PFNTVCOMPARE pfnCompare)
{
    const size_t n = items.size();
    if (n < 2)
        return true;
    // Names of ASCII letters, digits and dots sort in the collation as they do by their lower-case
    // character codes; only other names need collation keys.
    bool bPlain = true;
    for (size_t i = 0; i < n && bPlain; i++)
        bPlain = IsPlainName(items[i].strSortName);
    std::vector<std::string> keys(bPlain ? 0 : n);
    for (size_t i = 0; i < keys.size(); i++)
    {
        keys[i] = SortKey(items[i].strSortName);
        if (keys[i].empty())
            return false;
    }
    std::vector<size_t> order(n);
    for (size_t i = 0; i < n; i++)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b)
              {
                  if (items[a].bFolder != items[b].bFolder)
                      return items[a].bFolder;
                  int c = bPlain ? CompareLower(items[a].strSortName, items[b].strSortName)
                                 : keys[a].compare(keys[b]);
                  return c != 0 ? c < 0 : a < b;
              });
    // The guess stands when every neighbour is in the comparison's order; then the comparison's
    // own stable sort would leave the sequence as it is.
    for (size_t i = 0; i + 1 < n; i++)
    {
        int c = pfnCompare(items[order[i]].lParam, items[order[i + 1]].lParam, 0);
        if (c > 0 || (c == 0 && order[i] > order[i + 1]))
            return false;
    }
    std::vector<CQShellFillItem> sorted;
    sorted.reserve(n);
    for (size_t i : order)
        sorted.push_back(items[i]);
    items.swap(sorted);
    return true;
}
