#pragma once

#include <windows.h>

#include <string>
#include <utility>

// The name a screen reader reads for a window whose own text is not its
// name, as an edit box's is what was typed in it. The window hands its
// WM_GETOBJECT to Answer, which, for the client area, answers with the
// platform's own accessible object of the window with only the name
// replaced: role, value, state and the rest stay the platform's.
//
// oleacc, ole32 and oleaut32 are loaded from the system folder when the
// first client asks, so a run that no screen reader looks at never loads
// them. The asking thread is joined to COM (single-threaded apartment) then,
// and stays joined for the rest of the run: the object handed out is called
// through that apartment as long as a client holds it.
class AccessibleName {
public:
    void Set(std::wstring name) { m_name = std::move(name); }
    const std::wstring& Get() const { return m_name; }

    // Puts the answer to WM_GETOBJECT(wParam, lParam) for hWnd in *result
    // and returns true; returns false where the platform is to answer
    // itself: for another object than the client area, while no name is
    // set, or where oleacc cannot be used.
    bool Answer(HWND hWnd, WPARAM wParam, LPARAM lParam, LRESULT* result) const;

private:
    std::wstring m_name;
};
