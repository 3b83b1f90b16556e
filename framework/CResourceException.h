#pragma once

#include "framework/CException.h"

// A platform resource (a device context, a window, a template...) could not
// be had.
class CResourceException : public CException {
public:
    const char* what() const noexcept override;
};

[[noreturn]] void AfxThrowResourceException();
