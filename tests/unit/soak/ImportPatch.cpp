#include "tests/unit/soak/ImportPatch.h"

namespace {

template <typename T> T* AtOffset(HMODULE module, DWORD rva)
{
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + rva);
}

const IMAGE_IMPORT_DESCRIPTOR* FirstImportDescriptor(HMODULE module)
{
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return nullptr;
    const auto* nt = AtOffset<const IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
    if (nt->Signature != IMAGE_NT_SIGNATURE)
        return nullptr;
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0 || dir.Size == 0)
        return nullptr;
    return AtOffset<const IMAGE_IMPORT_DESCRIPTOR>(module, dir.VirtualAddress);
}

// Walks one DLL's name table (by-name entries only) beside its address table.
void** FindInDescriptor(HMODULE module, const IMAGE_IMPORT_DESCRIPTOR& desc, const char* functionName)
{
    // Linkers that leave the name table out write the names into the address
    // table, which the loader has overwritten by now: nothing to match then.
    if (desc.OriginalFirstThunk == 0)
        return nullptr;
    auto* names = AtOffset<IMAGE_THUNK_DATA>(module, desc.OriginalFirstThunk);
    auto* slots = AtOffset<IMAGE_THUNK_DATA>(module, desc.FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
            continue;
        const auto* byName = AtOffset<const IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
        if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), functionName) == 0)
            return reinterpret_cast<void**>(&slots->u1.Function);
    }
    return nullptr;
}

void WriteSlot(void** slot, void* value)
{
    DWORD oldProtection = 0;
    VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &oldProtection);
    *slot = value;
    VirtualProtect(slot, sizeof(void*), oldProtection, &oldProtection);
}

} // namespace

void** FindImportSlot(HMODULE module, const char* dllName, const char* functionName)
{
    const IMAGE_IMPORT_DESCRIPTOR* desc = FirstImportDescriptor(module);
    if (desc == nullptr)
        return nullptr;
    // A DLL may have more than one descriptor (one per import library
    // member group), so every matching one is searched.
    for (; desc->Name != 0; ++desc) {
        if (lstrcmpiA(AtOffset<const char>(module, desc->Name), dllName) != 0)
            continue;
        if (void** slot = FindInDescriptor(module, *desc, functionName))
            return slot;
    }
    return nullptr;
}

ImportPatch::ImportPatch(const char* dllName, const char* functionName, void* replacement) : m_function(functionName)
{
    m_slot = FindImportSlot(GetModuleHandleA(nullptr), dllName, functionName);
    if (m_slot == nullptr)
        return;
    m_original = *m_slot;
    WriteSlot(m_slot, replacement);
}

ImportPatch::~ImportPatch()
{
    if (m_slot != nullptr)
        WriteSlot(m_slot, m_original);
}
