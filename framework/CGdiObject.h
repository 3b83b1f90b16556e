#pragma once

#include <windows.h>

// Owner of one GDI object handle: deletes it when destroyed. Move-only, so a
// handle always has exactly one owner.
class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();

    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept;
    CGdiObject& operator=(CGdiObject&& other) noexcept;

    // Takes ownership of h; a handle held before is deleted first.
    BOOL Attach(HGDIOBJ h);
    // Gives up ownership without deleting.
    HGDIOBJ Detach();
    BOOL DeleteObject();

    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    HGDIOBJ m_hObject = nullptr;
};
