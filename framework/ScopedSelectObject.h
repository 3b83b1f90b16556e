#pragma once

#include "framework/CDC.h"
#include "framework/CGdiObject.h"

// Selects an object into a DC for the lifetime of the scope and puts the
// previous object back on the way out.
class ScopedSelectObject {
public:
    ScopedSelectObject(CDC& dc, HGDIOBJ hObject) : m_dc(dc), m_hPrevious(dc.SelectObject(hObject)) {}
    ScopedSelectObject(CDC& dc, CGdiObject& object) : ScopedSelectObject(dc, object.GetSafeHandle()) {}
    ~ScopedSelectObject()
    {
        if (m_hPrevious != nullptr)
            m_dc.SelectObject(m_hPrevious);
    }

    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    CDC& m_dc;
    HGDIOBJ m_hPrevious;
};
