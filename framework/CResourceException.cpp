#include "framework/CResourceException.h"

const CRuntimeClass* CResourceException::GetThisClass()
{
    static const CRuntimeClass rc{"CResourceException", CException::GetThisClass()};
    return &rc;
}

const char* CResourceException::what() const noexcept
{
    return "A required resource was unavailable.";
}

void AfxThrowResourceException()
{
    throw CResourceException();
}
