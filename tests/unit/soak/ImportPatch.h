#pragma once

#include <windows.h>

// Redirects one imported function of this program's own module (the test
// executable). Everything is linked statically, so the framework's, the
// skin's and the application's calls into GDI32, USER32 and SHELL32 all go
// through the executable's import address table; replacing one entry there
// routes every such call to the replacement. Calls made from inside system
// DLLs (GDI+, common controls) do not pass through it.
//
// The entry is put back when the patch is destroyed.
class ImportPatch {
public:
    ImportPatch(const char* dllName, const char* functionName, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    // False when the executable does not import the function (nothing is
    // patched then, and Original() is null).
    bool Applied() const { return m_slot != nullptr; }
    // The address the entry held before: what the replacement forwards to.
    void* Original() const { return m_original; }
    const char* FunctionName() const { return m_function; }

private:
    const char* m_function;
    void** m_slot = nullptr;
    void* m_original = nullptr;
};

// The import address table entry of dllName!functionName in module, or null
// when the module does not import it by name.
void** FindImportSlot(HMODULE module, const char* dllName, const char* functionName);
