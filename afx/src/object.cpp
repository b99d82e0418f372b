// CObject and CRuntimeClass: run-time type information across modules.
#include <afx.h>

// CObject's record has no base; every other record names its base through m_pfnGetBaseClass.
const CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), 0xFFFF, NULL, NULL, NULL, NULL};

CRuntimeClass* PASCAL CObject::_GetBaseClass()
{
    return NULL;
}
CRuntimeClass* PASCAL CObject::GetThisClass()
{
    return _RUNTIME_CLASS(CObject);
}
CRuntimeClass* CObject::GetRuntimeClass() const
{
    return _RUNTIME_CLASS(CObject);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

void CObject::AssertValid() const {}

CRuntimeClass* CRuntimeClass::GetBaseClass() const
{
    return m_pfnGetBaseClass != NULL ? (*m_pfnGetBaseClass)() : m_pBaseClass;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (pBaseClass == NULL)
        return FALSE;
    // Records are unique per class, even when the class comes from another module.
    for (const CRuntimeClass* p = this; p != NULL; p = p->GetBaseClass())
    {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    try
    {
        return (*m_pfnCreateObject)();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (std::bad_alloc&)
    {
    }
    return NULL;
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    if (pObject != NULL && pObject->IsKindOf(pClass))
        return pObject;
    return NULL;
}

void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    char sz[512];
    _snprintf(sz, sizeof(sz) - 1, "Assertion failed: %s(%d)\n", lpszFileName ? lpszFileName : "?", nLine);
    sz[sizeof(sz) - 1] = 0;
    ::OutputDebugStringA(sz);
}
