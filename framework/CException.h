#pragma once

#include "framework/CObject.h"

#include <exception>

// Base of the framework's exceptions. Thrown by value and caught by
// reference; what() is the text shown to the user when one escapes a
// message handler.
class CException : public CObject, public std::exception {
public:
    static const CRuntimeClass* GetThisClass();
    const CRuntimeClass* GetRuntimeClass() const override { return GetThisClass(); }

    const char* what() const noexcept override;
};
