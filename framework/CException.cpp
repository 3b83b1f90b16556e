#include "framework/CException.h"

const CRuntimeClass* CException::GetThisClass()
{
    static const CRuntimeClass rc{"CException", CObject::GetThisClass()};
    return &rc;
}

const char* CException::what() const noexcept
{
    return "An unexpected error occurred.";
}
