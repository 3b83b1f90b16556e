#pragma once

#include <exception>

// Base of the framework's exceptions. Thrown by value and caught by
// reference; what() is the text shown to the user when one escapes a
// message handler.
class CException : public std::exception {};
