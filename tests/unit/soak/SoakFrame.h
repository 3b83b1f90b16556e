#pragma once

#include "app/CCaptureFrameDlg.h"

#include <windows.h>

#include <array>

class CVelTransButton;

namespace soak {

// The four panel buttons, in the order the frame lays them out.
inline constexpr std::array<UINT, 4> kPanelButtons = {7560, 7570, 7580, 7590};

// The capture frame made from the program's own resources, modeless in this
// process, counting what it paints: every background erase of the frame and
// every owner-draw request of each panel button that reaches it.
class SoakFrame : public CCaptureFrameDlg {
public:
    SoakFrame() = default;

    // Creates and shows the frame at a screen position, sized for a
    // viewport of the given size at the scale it opened at; then lets it
    // paint once.
    bool Open(POINT at, SIZE viewport);
    SIZE ViewportSize() const;
    RECT ViewportOnScreen() const;
    SIZE ClientSize() const;

    CVelTransButton* Button(UINT id) const;
    // Owner-draw requests for one panel button so far.
    int Draws(UINT id) const;
    int Erasures() const { return m_erasures; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int m_erasures = 0;
    std::array<int, kPanelButtons.size()> m_draws{};
};

} // namespace soak
