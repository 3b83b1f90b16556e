#pragma once

#include <windows.h>

#include <type_traits>

// The export `name` of `module` as a function of type Fn, or null. Take Fn
// from the function's declaration, decltype(&::DeleteObject), so that its
// parameters and calling convention are the declaration's and never typed
// again by hand: no compiler can check an export against a hand-written
// type, and a wrong calling convention only shows on 32-bit Windows, as a
// corrupted stack.
//
// GetProcAddress hands every export out as FARPROC; the cast to Fn goes
// through void (*)(), the generic function-pointer type, and so stays among
// function pointers (a detour through void* would convert to an object
// pointer, which the language leaves to the implementation).
template <typename Fn> Fn ProcAddress(HMODULE module, const char* name)
{
    static_assert(std::is_pointer_v<Fn> && std::is_function_v<std::remove_pointer_t<Fn>>,
                  "ProcAddress binds function pointers");
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

// An export of USER32, which every window program has loaded: a function the
// oldest supported Windows lacks, looked up where it runs.
template <typename Fn> Fn User32Export(const char* name)
{
    HMODULE user32 = ::GetModuleHandleA("user32.dll");
    return user32 == nullptr ? nullptr : ProcAddress<Fn>(user32, name);
}
