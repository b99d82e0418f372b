// Run-time class information and exceptions thrown as pointers.
#include <gtest/gtest.h>
#include <afx.h>

namespace {

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
 public:
  int m_nSides = 0;
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CSquare : public CShape {
  DECLARE_DYNCREATE(CSquare)
 public:
  CSquare() { m_nSides = 4; }
};
IMPLEMENT_DYNCREATE(CSquare, CShape)

class CCircle : public CShape {
  DECLARE_DYNAMIC(CCircle)
};
IMPLEMENT_DYNAMIC(CCircle, CShape)

// Derived here from a class whose record lives in afx.dll.
class CLogFile : public CStdioFile {
  DECLARE_DYNCREATE(CLogFile)
};
IMPLEMENT_DYNCREATE(CLogFile, CStdioFile)

}  // namespace

TEST(RuntimeClass, IsKindOfAcrossAHierarchy) {
  CSquare square;
  CCircle circle;
  CObject* objects[] = {&square, &circle};
  EXPECT_TRUE(objects[0]->IsKindOf(RUNTIME_CLASS(CSquare)));
  EXPECT_TRUE(objects[0]->IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(objects[0]->IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(objects[0]->IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_FALSE(objects[1]->IsKindOf(RUNTIME_CLASS(CSquare)));
  EXPECT_FALSE(objects[1]->IsKindOf(NULL));
  EXPECT_STREQ("CCircle", objects[1]->GetRuntimeClass()->m_lpszClassName);
  EXPECT_EQ((int)sizeof(CCircle), RUNTIME_CLASS(CCircle)->m_nObjectSize);
  EXPECT_EQ(RUNTIME_CLASS(CShape), _RUNTIME_CLASS(CShape));
  EXPECT_EQ(RUNTIME_CLASS(CShape), RUNTIME_CLASS(CSquare)->GetBaseClass());
  EXPECT_EQ(&circle, DYNAMIC_DOWNCAST(CShape, objects[1]));
  EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CSquare, objects[1]));
  EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CSquare, (CObject*)NULL));
}

TEST(RuntimeClass, LayerClassesFromTheDllAreKnownHere) {
  // Records that live in afx.dll: the base chain crosses the module boundary.
  CStringArray strings;
  CObject* p = &strings;
  EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CStringArray)));
  EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(p->IsKindOf(RUNTIME_CLASS(CObArray)));
  EXPECT_TRUE(RUNTIME_CLASS(CMemoryException)->IsDerivedFrom(RUNTIME_CLASS(CException)));
  EXPECT_STREQ("CStringArray", p->GetRuntimeClass()->m_lpszClassName);
  CObject* log = RUNTIME_CLASS(CLogFile)->CreateObject();
  ASSERT_NE(nullptr, log);
  EXPECT_TRUE(log->IsKindOf(RUNTIME_CLASS(CFile)));
  EXPECT_TRUE(log->IsKindOf(RUNTIME_CLASS(CStdioFile)));
  EXPECT_FALSE(log->IsKindOf(RUNTIME_CLASS(CFileFind)));
  EXPECT_EQ(log, DYNAMIC_DOWNCAST(CFile, log));
  delete log;
}

TEST(RuntimeClass, CreateObjectOfDynCreateClass) {
  CObject* p = RUNTIME_CLASS(CSquare)->CreateObject();
  ASSERT_NE(nullptr, p);
  EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CSquare)));
  EXPECT_EQ(4, static_cast<CSquare*>(p)->m_nSides);
  delete p;
  EXPECT_EQ(nullptr, RUNTIME_CLASS(CCircle)->CreateObject());  // not DYNCREATE
}

TEST(Exceptions, ThrownAndCaughtAsPointers) {
  int caught = 0;
  try {
    AfxThrowFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, L"C:\\nowhere\\x.grd");
  } catch (CFileException* e) {
    EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, e->m_lOsError);
    TCHAR sz[256];
    EXPECT_TRUE(e->GetErrorMessage(sz, 256));
    EXPECT_NE(nullptr, wcsstr(sz, L"C:\\nowhere\\x.grd")) << sz;
    TCHAR tiny[5];
    EXPECT_TRUE(e->GetErrorMessage(tiny, 5));  // truncated, still terminated
    EXPECT_EQ(4u, wcslen(tiny));
    e->Delete();
    caught++;
  }
  try {
    AfxThrowMemoryException();
  } catch (CException* e) {
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
    e->Delete();  // the static memory exception survives Delete
    caught++;
  }
  try {
    AfxThrowMemoryException();
  } catch (CMemoryException* e) {
    TCHAR sz[64];
    EXPECT_TRUE(e->GetErrorMessage(sz, 64));
    EXPECT_STREQ(L"Out of memory.", sz);
    e->Delete();
    caught++;
  }
  try {
    AfxThrowNotSupportedException();
  } catch (CException* e) {
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CNotSupportedException)));
    e->Delete();
    caught++;
  }
  try {
    AfxThrowResourceException();
  } catch (CResourceException* e) {
    e->Delete();
    caught++;
  }
  EXPECT_EQ(5, caught);
}

TEST(Exceptions, TryCatchMacrosDeleteTheException) {
  bool inCatch = false;
  TRY {
    AfxThrowInvalidArgException();
  }
  CATCH(CInvalidArgException, e) {
    inCatch = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
  }
  END_CATCH
  EXPECT_TRUE(inCatch);
  bool outer = false;
  try {
    TRY {
      AfxThrowFileException(CFileException::diskFull);
    }
    CATCH_ALL(e) {
      THROW_LAST();
    }
    END_CATCH_ALL
  } catch (CFileException* e) {
    outer = e->m_cause == CFileException::diskFull;
    e->Delete();
  }
  EXPECT_TRUE(outer);
}

TEST(Exceptions, OsErrorsMapToCauses) {
  EXPECT_EQ(CFileException::fileNotFound, CFileException::OsErrorToException(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(CFileException::badPath, CFileException::OsErrorToException(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(CFileException::accessDenied, CFileException::OsErrorToException(ERROR_ACCESS_DENIED));
  EXPECT_EQ(CFileException::sharingViolation, CFileException::OsErrorToException(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(CFileException::diskFull, CFileException::OsErrorToException(ERROR_DISK_FULL));
  EXPECT_EQ(CFileException::genericException, CFileException::OsErrorToException(123456));
  CFileException unnamed(CFileException::badSeek);
  TCHAR sz[128];
  unnamed.GetErrorMessage(sz, 128);
  EXPECT_STREQ(L"Seek failed on an unnamed file.", sz);
}
