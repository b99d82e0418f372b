// Arrays, lists and maps checked against standard containers with seeded random operations,
// plus the growth, hash-table and block-size guarantees the grid depends on.
#include <gtest/gtest.h>
#include <afx.h>
#include <afxtempl.h>
#include <algorithm>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

template <class ARRAY, class T>
void ExpectSame(const ARRAY& a, const std::vector<T>& model) {
  ASSERT_EQ((INT_PTR)model.size(), a.GetSize());
  for (size_t i = 0; i < model.size(); i++) ASSERT_EQ(model[i], a.GetAt((INT_PTR)i)) << "index " << i;
}

}  // namespace

TEST(CollArrays, PointerArrayAgainstVectorModel) {
  std::mt19937 rng(12345);
  CPtrArray a;
  std::vector<void*> model;
  for (int step = 0; step < 20000; step++) {
    int op = rng() % 8;
    void* v = (void*)(UINT_PTR)(rng() | 1);
    INT_PTR n = (INT_PTR)model.size();
    switch (op) {
      case 0:
      case 1:
        a.Add(v);
        model.push_back(v);
        break;
      case 2: {  // insert a run inside or past the end
        INT_PTR at = rng() % (n + 5), count = 1 + rng() % 4;
        a.InsertAt(at, v, count);
        if (at > n) model.resize((size_t)at, nullptr);
        model.insert(model.begin() + at, (size_t)count, v);
        break;
      }
      case 3:
        if (n > 0) {
          INT_PTR at = rng() % n, count = rng() % (n - at + 1);
          a.RemoveAt(at, count);
          model.erase(model.begin() + at, model.begin() + at + count);
        }
        break;
      case 4: {
        INT_PTR size = rng() % (n + 10);
        a.SetSize(size);
        model.resize((size_t)size, nullptr);  // new slots are NULL
        break;
      }
      case 5:
        if (n > 0) {
          INT_PTR at = rng() % n;
          a[at] = v;
          model[at] = v;
        }
        break;
      case 6: {
        INT_PTR at = rng() % (n + 3);
        a.SetAtGrow(at, v);
        if (at >= n) model.resize((size_t)at + 1, nullptr);
        model[at] = v;
        break;
      }
      case 7:
        if (rng() % 50 == 0) {
          a.RemoveAll();
          model.clear();
        } else {
          a.FreeExtra();
        }
        break;
    }
    if (step % 97 == 0) ExpectSame(a, model);
  }
  ExpectSame(a, model);
}

TEST(CollArrays, StringArrayConstructsAndDestroysElements) {
  std::mt19937 rng(777);
  CStringArray a;
  std::vector<std::wstring> model;
  for (int step = 0; step < 5000; step++) {
    INT_PTR n = (INT_PTR)model.size();
    std::wstring v = std::to_wstring(rng() % 100000);
    switch (rng() % 5) {
      case 0:
        a.Add(v.c_str());
        model.push_back(v);
        break;
      case 1: {
        INT_PTR at = rng() % (n + 1);
        a.InsertAt(at, CString(v.c_str()), 2);
        model.insert(model.begin() + at, 2, v);
        break;
      }
      case 2:
        if (n > 0) {
          INT_PTR at = rng() % n;
          a.RemoveAt(at);
          model.erase(model.begin() + at);
        }
        break;
      case 3: {
        INT_PTR size = rng() % (n + 4);
        a.SetSize(size);
        model.resize((size_t)size);
        break;
      }
      case 4:
        if (n > 0) {  // add a copy of one of its own elements
          INT_PTR at = rng() % n;
          a.Add(a[at]);
          model.push_back(model[at]);
        }
        break;
    }
  }
  ASSERT_EQ((INT_PTR)model.size(), a.GetSize());
  for (size_t i = 0; i < model.size(); i++) ASSERT_STREQ(model[i].c_str(), a[(INT_PTR)i]);
  CStringArray b;
  b.Copy(a);
  b.Append(a);
  EXPECT_EQ(2 * a.GetSize(), b.GetSize());
  if (a.GetSize() > 0) {
    EXPECT_TRUE(b[a.GetSize()] == a[0]);
  }
}

TEST(CollArrays, AddingAnElementOfTheSameArrayWhileItGrows) {
  CStringArray a;
  a.Add(L"first");
  for (int i = 0; i < 100; i++) a.Add(a[0]);  // the argument lives in the buffer being reallocated
  for (int i = 0; i < 101; i++) ASSERT_STREQ(L"first", a[i]);
  CArray<std::string> s;
  s.Add(std::string(40, 'x'));  // a type that is not memmove-safe (short-string buffers)
  for (int i = 0; i < 50; i++) s.InsertAt(0, s[s.GetSize() - 1]);
  for (int i = 0; i < 51; i++) ASSERT_EQ(std::string(40, 'x'), s[i]);
  s.RemoveAt(3, 40);
  EXPECT_EQ(11, s.GetSize());
}

TEST(CollArrays, GrowthIsAmortisedAndSetSizeConstructs) {
  CObArray rows;
  int reallocations = 0;
  const void* last = nullptr;
  for (INT_PTR i = 0; i < 1000000; i++) {
    rows.SetSize(i + 1);
    if (rows.GetData() != last) reallocations++, last = rows.GetData();
  }
  EXPECT_LT(reallocations, 60);  // geometric growth: a few dozen moves for a million rows
  EXPECT_EQ(nullptr, rows[999999]);
  rows.RemoveAt(0, 999990);
  EXPECT_EQ(10, rows.GetSize());
  CUIntArray u;
  u.SetSize(5, 2);
  for (int i = 0; i < 5; i++) EXPECT_EQ(0u, u[i]);
  EXPECT_EQ(4, u.GetUpperBound());
}

TEST(CollArrays, BadIndexesThrowInvalidArg) {
  CDWordArray a;
  a.Add(1);
  auto throwsInvalidArg = [](auto fn) {
    try {
      fn();
    } catch (CInvalidArgException* e) {
      e->Delete();
      return true;
    }
    return false;
  };
  EXPECT_TRUE(throwsInvalidArg([&] { a.GetAt(1); }));
  EXPECT_TRUE(throwsInvalidArg([&] { a[-1] = 3; }));
  EXPECT_TRUE(throwsInvalidArg([&] { a.RemoveAt(0, 2); }));
  EXPECT_TRUE(throwsInvalidArg([&] { a.InsertAt(-1, 5); }));
  EXPECT_TRUE(throwsInvalidArg([&] { a.SetSize(-1); }));
  EXPECT_EQ(1, a.GetSize());
}

TEST(CollTypedPtr, TypedArrayOfRowArrays) {
  typedef CTypedPtrArray<CObArray, CStringArray*> CRows;  // CStringArray is a CObject
  CRows rows;
  rows.SetSize(3);
  for (int r = 0; r < 3; r++) {
    rows[r] = new CStringArray;
    rows[r]->Add(CString((wchar_t)(L'a' + r), r + 1));
  }
  rows.InsertAt(1, new CStringArray);
  EXPECT_EQ(4, rows.GetSize());
  EXPECT_EQ(0, rows.GetAt(1)->GetSize());
  EXPECT_STREQ(L"ccc", rows[3]->GetAt(0));
  for (int r = 0; r < rows.GetSize(); r++) delete rows[r];
  rows.RemoveAll();

  CTypedPtrList<CPtrList, int*> list;
  int x = 1, y = 2;
  list.AddTail(&x);
  list.AddHead(&y);
  EXPECT_EQ(&y, list.GetHead());
  EXPECT_EQ(&x, list.RemoveTail());

  CTypedPtrMap<CMapStringToPtr, CString, int*> map;
  map.SetAt(L"x", &x);
  int* p = nullptr;
  EXPECT_TRUE(map.Lookup(L"x", p));
  EXPECT_EQ(&x, p);
  POSITION pos = map.GetStartPosition();
  CString key;
  map.GetNextAssoc(pos, key, p);
  EXPECT_STREQ(L"x", key);
  EXPECT_EQ(nullptr, pos);
}

TEST(CollLists, ListAgainstVectorModel) {
  std::mt19937 rng(99);
  CList<int, int> list(4);
  std::vector<int> model;
  for (int step = 0; step < 5000; step++) {
    int v = (int)(rng() % 1000);
    switch (rng() % 6) {
      case 0: list.AddTail(v); model.push_back(v); break;
      case 1: list.AddHead(v); model.insert(model.begin(), v); break;
      case 2:
        if (!model.empty()) { EXPECT_EQ(model.front(), list.RemoveHead()); model.erase(model.begin()); }
        break;
      case 3:
        if (!model.empty()) { EXPECT_EQ(model.back(), list.RemoveTail()); model.pop_back(); }
        break;
      case 4:
        if (!model.empty()) {
          size_t at = rng() % model.size();
          POSITION pos = list.FindIndex((INT_PTR)at);
          if (rng() % 2) { list.InsertBefore(pos, v); model.insert(model.begin() + at, v); }
          else { list.InsertAfter(pos, v); model.insert(model.begin() + at + 1, v); }
        }
        break;
      case 5: {
        POSITION pos = list.Find(v);
        auto it = std::find(model.begin(), model.end(), v);
        ASSERT_EQ(it == model.end(), pos == NULL);
        if (pos != NULL) { list.RemoveAt(pos); model.erase(it); }
        break;
      }
    }
  }
  ASSERT_EQ((INT_PTR)model.size(), list.GetCount());
  POSITION pos = list.GetHeadPosition();
  for (int v : model) ASSERT_EQ(v, list.GetNext(pos));
  EXPECT_EQ(NULL, pos);
  EXPECT_EQ(NULL, list.FindIndex(list.GetCount()));

  CStringList names;
  names.AddTail(L"b");
  names.AddHead(L"a");
  EXPECT_NE(nullptr, names.Find(L"b"));
  EXPECT_STREQ(L"a", names.GetHead());
  bool thrown = false;
  try {
    CList<int, int> empty;
    empty.GetHead();
  } catch (CInvalidArgException* e) {
    thrown = true;
    e->Delete();
  }
  EXPECT_TRUE(thrown);
}

TEST(CollMaps, ManyKeysAgainstUnorderedMap) {
  std::mt19937 rng(4242);
  CMap<int, int, int, int> map;
  map.InitHashTable(65521);
  std::unordered_map<int, int> model;
  for (int i = 0; i < 100000; i++) {
    int k = (int)(rng() % 150000) - 20000, v = (int)rng();
    map[k] = v;
    model[k] = v;
  }
  for (int i = 0; i < 30000; i++) {
    int k = (int)(rng() % 150000) - 20000;
    EXPECT_EQ(model.erase(k) == 1, map.RemoveKey(k) != FALSE);
  }
  ASSERT_EQ((INT_PTR)model.size(), map.GetCount());
  for (auto& kv : model) {
    int v = 0;
    ASSERT_TRUE(map.Lookup(kv.first, v));
    ASSERT_EQ(kv.second, v);
  }
  // Iteration visits every association once.
  std::unordered_map<int, int> seen;
  POSITION pos = map.GetStartPosition();
  while (pos != NULL) {
    int k, v;
    map.GetNextAssoc(pos, k, v);
    ASSERT_TRUE(seen.emplace(k, v).second);
  }
  EXPECT_EQ(model, seen);
  EXPECT_EQ(65521u, map.GetHashTableSize());
  int v;
  EXPECT_FALSE(map.Lookup(999999, v));
}

TEST(CollMaps, HashTableSizeAndBlockSizeAreHonoured) {
  CMap<unsigned long, unsigned long, int, int> small;  // defaults: 17 buckets, blocks of 10
  EXPECT_EQ(17u, small.GetHashTableSize());
  small[1] = 1;
  EXPECT_EQ(17u, small.GetHashTableSize());
  small.InitHashTable(101);  // redistributes existing associations
  EXPECT_EQ(101u, small.GetHashTableSize());
  EXPECT_EQ(1, small[1]);

  // Associations come from blocks: the first nBlockSize live in one contiguous block.
  const INT_PTR nBlock = 25;
  CMap<int, int, double, double> blocks(nBlock);
  std::vector<const char*> addrs;
  for (int i = 0; i < nBlock + 1; i++) {
    blocks[i] = i;
    addrs.push_back((const char*)blocks.PLookup(i));
  }
  const char* lo = *std::min_element(addrs.begin(), addrs.begin() + nBlock);
  const char* hi = *std::max_element(addrs.begin(), addrs.begin() + nBlock);
  size_t stride = (size_t)(hi - lo) / (nBlock - 1);
  EXPECT_EQ((size_t)(hi - lo), stride * (nBlock - 1));
  EXPECT_GE(stride, sizeof(int) + sizeof(double));
  EXPECT_TRUE(addrs[nBlock] < lo || addrs[nBlock] > hi);  // the 26th opened a new block
}

TEST(CollMaps, RemovingTheCurrentEntryWhileIterating) {
  // The grid clears its selection this way: each visited entry leaves the map.
  CMap<unsigned long, unsigned long, int, int> selected;
  for (unsigned long key = 0; key < 200; key++) selected[key * 65537ul] = (int)key;
  int visited = 0;
  POSITION pos = selected.GetStartPosition();
  while (pos != NULL) {
    unsigned long key;
    int value;
    selected.GetNextAssoc(pos, key, value);
    EXPECT_TRUE(selected.RemoveKey(key));
    visited++;
  }
  EXPECT_EQ(200, visited);
  EXPECT_TRUE(selected.IsEmpty());
  selected[7] = 7;  // usable again after its blocks were freed
  EXPECT_EQ(1, selected.GetCount());
}

TEST(CollMaps, StringMapsAndRemoval) {
  CMapStringToString m;
  m[L"alpha"] = L"1";
  m.SetAt(L"beta", L"2");
  m.SetAt(L"alpha", L"3");
  EXPECT_EQ(2, m.GetCount());
  CString v;
  EXPECT_TRUE(m.Lookup(L"alpha", v));
  EXPECT_STREQ(L"3", v);
  EXPECT_FALSE(m.Lookup(L"ALPHA", v));
  EXPECT_TRUE(m.RemoveKey(L"alpha"));
  EXPECT_FALSE(m.RemoveKey(L"alpha"));
  EXPECT_TRUE(m.RemoveKey(L"beta"));
  EXPECT_TRUE(m.IsEmpty());
  EXPECT_EQ(NULL, m.GetStartPosition());
  m[L""] = L"empty key";
  EXPECT_TRUE(m.Lookup(L"", v));

  CMap<CString, const CString&, int, int> byString;
  for (int i = 0; i < 1000; i++) byString[CString(L'k', i % 50 + 1) + CString(L'x', i / 50)] = i;
  EXPECT_EQ(1000, byString.GetCount());
  EXPECT_EQ(999, byString[CString(L'k', 50) + CString(L'x', 19)]);
  CMapPtrToPtr pp;
  pp[&v] = &m;
  void* p = nullptr;
  EXPECT_TRUE(pp.Lookup(&v, p));
  EXPECT_EQ((void*)&m, p);
}
