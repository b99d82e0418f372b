#include "rxobject.h"

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const
{
    for (const AcRxClass* c = this; c; c = c->m_parent)
        if (c == other)
            return true;
    return false;
}

AcRxObject::~AcRxObject() = default;

AcRxClass* AcRxObject::desc()
{
    static AcRxClass cls(L"AcRxObject", nullptr);
    return &cls;
}

AcRxClass* AcRxObject::isA() const
{
    return desc();
}
AcRxObject* AcRxObject::clone() const
{
    return nullptr;
}
Acad::ErrorStatus AcRxObject::copyFrom(const AcRxObject*)
{
    return Acad::eNotApplicable;
}
Adesk::Boolean AcRxObject::isEqualTo(const AcRxObject* other) const
{
    return other == this;
}
AcRx::Ordering AcRxObject::comparedTo(const AcRxObject*) const
{
    return AcRx::kNotOrderable;
}
AcRxObject* AcRxObject::subQueryX(const AcRxClass*) const
{
    return nullptr;
}
