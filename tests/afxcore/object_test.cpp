// Run-time class information and exceptions thrown as pointers.
#include "afxcore_test.h"

namespace
{

class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
public:
    int m_nSides = 0;
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CSquare : public CShape
{
    DECLARE_DYNCREATE(CSquare)
public:
    CSquare() { m_nSides = 4; }
};
IMPLEMENT_DYNCREATE(CSquare, CShape)

class CCircle : public CShape
{
    DECLARE_DYNAMIC(CCircle)
};
IMPLEMENT_DYNAMIC(CCircle, CShape)

// Derived here from a class whose record lives in afx.dll.
class CLogFile : public CStdioFile
{
    DECLARE_DYNCREATE(CLogFile)
};
IMPLEMENT_DYNCREATE(CLogFile, CStdioFile)

} // namespace

TEST(RuntimeClass, KindsCastsAndCreation)
{
    CSquare square;
    CCircle circle;
    CObject *pSquare = &square, *pCircle = &circle;
    EXPECT_TRUE(pSquare->IsKindOf(RUNTIME_CLASS(CShape)) && pSquare->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(pSquare->IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_FALSE(pCircle->IsKindOf(NULL));
    EXPECT_STREQ("CCircle", pCircle->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ((int)sizeof(CCircle), RUNTIME_CLASS(CCircle)->m_nObjectSize);
    EXPECT_EQ(RUNTIME_CLASS(CShape), RUNTIME_CLASS(CSquare)->GetBaseClass());
    EXPECT_EQ(&circle, DYNAMIC_DOWNCAST(CShape, pCircle));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CSquare, pCircle));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CSquare, (CObject*)NULL));

    CObject* p = RUNTIME_CLASS(CSquare)->CreateObject();
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(4, static_cast<CSquare*>(p)->m_nSides);
    delete p;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CCircle)->CreateObject()); // not DYNCREATE

    // Records that live in afx.dll: the base chain crosses the module boundary.
    CObject* log = RUNTIME_CLASS(CLogFile)->CreateObject();
    ASSERT_NE(nullptr, log);
    EXPECT_TRUE(log->IsKindOf(RUNTIME_CLASS(CFile)));
    EXPECT_FALSE(log->IsKindOf(RUNTIME_CLASS(CFileFind)));
    EXPECT_TRUE(RUNTIME_CLASS(CMemoryException)->IsDerivedFrom(RUNTIME_CLASS(CException)));
    CStringArray strings;
    EXPECT_STREQ("CStringArray", ((CObject*)&strings)->GetRuntimeClass()->m_lpszClassName);
    delete log;
}

TEST(Exceptions, ThrownAsPointersWithMessages)
{
    EXPECT_TRUE(Throws<CFileException>(
        []
        { AfxThrowFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, L"C:\\nowhere\\x.grd"); },
        [](CFileException* e)
        {
            TCHAR sz[256], tiny[5];
            EXPECT_EQ(ERROR_FILE_NOT_FOUND, e->m_lOsError);
            EXPECT_TRUE(e->GetErrorMessage(sz, 256));
            EXPECT_NE(nullptr, wcsstr(sz, L"C:\\nowhere\\x.grd")) << sz;
            EXPECT_TRUE(e->GetErrorMessage(tiny, 5)); // truncated, still terminated
            EXPECT_EQ(4u, wcslen(tiny));
            return e->m_cause == CFileException::fileNotFound;
        }));
    // The static memory exception survives Delete: it can be thrown again.
    for (int i = 0; i < 2; i++)
    {
        EXPECT_TRUE(Throws<CMemoryException>(AfxThrowMemoryException,
                                             [](CMemoryException* e)
                                             {
                                                 TCHAR sz[64];
                                                 return e->GetErrorMessage(sz, 64) &&
                                                        wcscmp(sz, L"Out of memory.") == 0;
                                             }));
    }
    EXPECT_TRUE(Throws<CException>(AfxThrowNotSupportedException, [](CException* e)
                                   { return e->IsKindOf(RUNTIME_CLASS(CNotSupportedException)); }));
    EXPECT_TRUE(Throws<CResourceException>(AfxThrowResourceException));

    bool inCatch = false;
    TRY
    {
        AfxThrowInvalidArgException();
    }
    CATCH(CInvalidArgException, e)
    {
        inCatch = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
    }
    END_CATCH
    EXPECT_TRUE(inCatch);
    auto rethrow = []
    {
        TRY
        {
            AfxThrowFileException(CFileException::diskFull);
        }
        CATCH_ALL(e)
        {
            THROW_LAST();
        }
        END_CATCH_ALL
    };
    EXPECT_TRUE(Throws<CFileException>(rethrow, [](CFileException* e)
                                       { return e->m_cause == CFileException::diskFull; }));
}

TEST(Exceptions, OsErrorsMapToCauses)
{
    struct
    {
        LONG lOsError;
        int nCause;
    } cases[] = {{ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
                 {ERROR_PATH_NOT_FOUND, CFileException::badPath},
                 {ERROR_ACCESS_DENIED, CFileException::accessDenied},
                 {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
                 {ERROR_DISK_FULL, CFileException::diskFull},
                 {123456, CFileException::genericException}};
    for (auto& c : cases)
        EXPECT_EQ(c.nCause, CFileException::OsErrorToException(c.lOsError)) << c.lOsError;
    CFileException unnamed(CFileException::badSeek);
    TCHAR sz[128];
    unnamed.GetErrorMessage(sz, 128);
    EXPECT_STREQ(L"Seek failed on an unnamed file.", sz);
}
