#pragma once

#include <windows.h>

// A library of the system, loaded from the system folder only: never from
// the program's folder or the current one, where a planted copy could lie.
// Null when it cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* fileName);
