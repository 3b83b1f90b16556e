#include "framework/CResourceException.h"

const char* CResourceException::what() const noexcept { return "A required resource was unavailable."; }

void AfxThrowResourceException() { throw CResourceException(); }
