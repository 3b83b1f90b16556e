#pragma once

#include <windows.h>

#include <array>

// The scale of the interface on a display: its DPI over 96, taken down to
// one of the scales the artwork is drawn for. The viewport, the capture and
// every size the user types or reads stay in device pixels; the bands,
// buttons, texts and dialogs around them grow with the scale.
//
// Every length of the skin tables is scaled by one rule: multiplied by the
// scale and rounded half up. A place on a skin is scaled as its edges: each
// edge's position from the skin's top-left corner is scaled, and a length
// between two edges is the difference of the scaled positions, so that
// pieces that meet at 96 DPI still meet.
namespace gfx {

// The scales the artwork is drawn for, in percent; the first is 96 DPI.
inline constexpr std::array<int, 7> kScalePercents{100, 125, 150, 175, 200, 250, 300};
inline constexpr int kNaturalDpi = 96;

class DisplayScale {
public:
    constexpr DisplayScale() = default;

    // The largest scale drawn for whose DPI is not above dpi; a DPI between
    // two of them takes the one below (its artwork and its geometry), and a
    // DPI below 96 the natural scale.
    static constexpr DisplayScale ForDpi(int dpi)
    {
        int index = 0;
        for (int i = 0; i < static_cast<int>(kScalePercents.size()); ++i) {
            if (kNaturalDpi * kScalePercents[static_cast<std::size_t>(i)] <= dpi * 100)
                index = i;
        }
        return DisplayScale(index);
    }

    // 0 for 96 DPI, then 1 (125 %) to 6 (300 %).
    constexpr int SetIndex() const { return m_index; }
    constexpr int Percent() const { return kScalePercents[static_cast<std::size_t>(m_index)]; }
    constexpr int Dpi() const { return kNaturalDpi * Percent() / 100; }
    constexpr bool IsNatural() const { return m_index == 0; }

    // A length or a position at 96 DPI, scaled and rounded half up (half
    // away from zero for a negative one).
    constexpr int Px(int value) const
    {
        const long long scaled = static_cast<long long>(value < 0 ? -value : value) * Percent();
        const int rounded = static_cast<int>((scaled + 50) / 100);
        return value < 0 ? -rounded : rounded;
    }

    // A length between two positions at 96 DPI: the difference of the
    // scaled positions.
    constexpr int Span(int from, int to) const { return Px(to) - Px(from); }

    // A rectangle at 96 DPI, its edges scaled.
    constexpr RECT Rect(const RECT& r) const { return RECT{Px(r.left), Px(r.top), Px(r.right), Px(r.bottom)}; }

    constexpr bool operator==(const DisplayScale& other) const { return m_index == other.m_index; }
    constexpr bool operator!=(const DisplayScale& other) const { return m_index != other.m_index; }

private:
    explicit constexpr DisplayScale(int index) : m_index(index) {}

    int m_index = 0;
};

} // namespace gfx
