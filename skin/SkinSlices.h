#pragma once

#include <array>
#include <cstddef>

namespace skin {

// A source rectangle in a skin bitmap, in skin pixels.
struct SkinSlice {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

// The eight pieces a dialog frame is cut into, by SetSkinSlice index.
enum class Slice : int {
    TopLeft = 0,      // copied 1:1
    TopMiddle = 1,    // stretched between TopLeft and TopRight
    TopRight = 2,     // copied 1:1, right-aligned
    Left = 3,         // stretched over the left edge
    Right = 4,        // stretched over the right edge
    BottomLeft = 5,   // copied 1:1
    BottomMiddle = 6, // stretched between BottomLeft and BottomRight
    BottomRight = 7,  // copied 1:1, right-aligned
};

inline constexpr int kSliceCount = 8;

// The slices of one skin plus the frame metrics derived from them. Slices
// never set stay (0,0,0,0), so their transfers copy nothing.
struct SkinSlices {
    std::array<SkinSlice, kSliceCount> items{};

    // Stores slice `index`. Indexes outside 0..7 come from callers' code, not
    // from data, and are ignored rather than written out of bounds.
    constexpr bool Set(int index, const SkinSlice& slice)
    {
        if (index < 0 || index >= kSliceCount)
            return false;
        items[static_cast<std::size_t>(index)] = slice;
        return true;
    }

    constexpr const SkinSlice& operator[](Slice s) const { return items[static_cast<std::size_t>(s)]; }

    // The frame is measured from a few slices only: the title band's height
    // from the top-left corner, the side bands from the edge slices, the
    // bottom band from the bottom-left corner.
    constexpr int TitleHeight() const { return (*this)[Slice::TopLeft].cy; }           // H0
    constexpr int LeftWidth() const { return (*this)[Slice::Left].cx; }                // W3
    constexpr int RightWidth() const { return (*this)[Slice::Right].cx; }              // W4
    constexpr int BottomHeight() const { return (*this)[Slice::BottomLeft].cy; }       // H5
    constexpr int BottomRightHeight() const { return (*this)[Slice::BottomRight].cy; } // H7
};

} // namespace skin
