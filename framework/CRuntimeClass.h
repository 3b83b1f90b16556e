#pragma once

#include <cstring>

// Run-time class information: the class name and the base class, enough to
// ask an object what it is and whether it derives from a given class.
struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;

    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const
    {
        for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass) {
            if (p == pBaseClass)
                return true;
        }
        return false;
    }
};
