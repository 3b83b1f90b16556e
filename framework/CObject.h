#pragma once

#include "framework/CRuntimeClass.h"

// Root of the framework's classes that carry run-time class information.
// A class registers itself by giving a static GetThisClass() (its own
// CRuntimeClass, pointing at its base's) and overriding GetRuntimeClass().
class CObject {
public:
    virtual ~CObject() = default;

    static const CRuntimeClass* GetThisClass();
    virtual const CRuntimeClass* GetRuntimeClass() const { return GetThisClass(); }

    bool IsKindOf(const CRuntimeClass* pClass) const
    {
        return GetRuntimeClass()->IsDerivedFrom(pClass);
    }
};

inline const CRuntimeClass* CObject::GetThisClass()
{
    static const CRuntimeClass rc{"CObject", nullptr};
    return &rc;
}
