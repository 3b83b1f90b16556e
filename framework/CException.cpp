#include "framework/CException.h"

const char* CException::what() const noexcept
{
    return "An unexpected error occurred.";
}
