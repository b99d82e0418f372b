// Root of the host's run-time class hierarchy (stand-in).
#pragma once
#include "adesk.h"
#include "acadstrc.h"

namespace AcRx
{
enum Ordering
{
    kLessThan = -1,
    kEqual = 0,
    kGreaterThan = 1,
    kNotOrderable = 2
};
}

class AcRxObject;

// Run-time class record: a name and the parent record.
class ARX_API AcRxClass
{
public:
    AcRxClass(const ACHAR* name, AcRxClass* parent) : m_name(name), m_parent(parent) {}
    const ACHAR* name() const { return m_name; }
    AcRxClass* myParent() const { return m_parent; }
    bool isDerivedFrom(const AcRxClass* other) const;

private:
    const ACHAR* m_name;
    AcRxClass* m_parent;
};

// The virtual operations keep the host's slot order: destructor, isA, clone, copyFrom, isEqualTo,
// comparedTo, subQueryX.
class ARX_API AcRxObject
{
public:
    virtual ~AcRxObject();
    virtual AcRxClass* isA() const;
    virtual AcRxObject* clone() const;
    virtual Acad::ErrorStatus copyFrom(const AcRxObject* other);
    virtual Adesk::Boolean isEqualTo(const AcRxObject* other) const;
    virtual AcRx::Ordering comparedTo(const AcRxObject* other) const;

    static AcRxClass* desc();
    bool isKindOf(const AcRxClass* cls) const { return isA()->isDerivedFrom(cls); }

protected:
    AcRxObject() = default;
    virtual AcRxObject* subQueryX(const AcRxClass* protocolClass) const;
};
