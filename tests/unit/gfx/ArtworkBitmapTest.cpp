#include "app/FrameMetrics.h"
#include "dialogs/RegionSizeMetrics.h"
#include "framework/ProcAddress.h"
#include "gfx/ArtworkBitmap.h"
#include "res/resource.h"
#include "tests/unit/PixelTestSupport.h"
#include "tests/unit/gfx/ArtworkTestIds.h"

#include <objbase.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// This program imports neither ole32 nor windowscodecs (objdump -p shows
// it), so a loaded one was loaded by the code under test, or by a test that
// ran before in the same process: the natural-scale suite comes first.

namespace {

static_assert(IDR_ART_SAMPLE_150 == IDB_ART_SAMPLE * IDR_SCALED_PER_BITMAP + 2);
static_assert(IDR_ART_GARBAGE_150 == IDB_ART_GARBAGE * IDR_SCALED_PER_BITMAP + 2);
static_assert(IDR_ART_TRUNCATED_150 == IDB_ART_TRUNCATED * IDR_SCALED_PER_BITMAP + 2);

const gfx::DisplayScale kNatural = gfx::DisplayScale::ForDpi(96);
const gfx::DisplayScale k125 = gfx::DisplayScale::ForDpi(120);
const gfx::DisplayScale k150 = gfx::DisplayScale::ForDpi(144);
const gfx::DisplayScale k300 = gfx::DisplayScale::ForDpi(288);

// artwork_sample.bmp and artwork_sample.png, as make_artwork_samples.py
// writes them, row by row.
constexpr SIZE kBmpSize{3, 2};
const std::vector<COLORREF> kBmpPixels{
    RGB(200, 10, 10),
    RGB(10, 200, 10),
    RGB(10, 10, 200),
    RGB(255, 0, 255),
    RGB(60, 70, 80),
    RGB(0, 0, 0),
};
constexpr SIZE kPngSize{5, 3};
const std::vector<COLORREF> kPngPixels{
    RGB(255, 0, 255),
    RGB(254, 0, 255),
    RGB(255, 0, 0),
    RGB(255, 255, 255),
    RGB(0, 0, 0),
    RGB(1, 2, 3),
    RGB(255, 0, 255),
    RGB(255, 0, 254),
    RGB(10, 200, 30),
    RGB(128, 128, 128),
    RGB(254, 0, 255),
    RGB(0, 0, 255),
    RGB(255, 0, 255),
    RGB(37, 91, 173),
    RGB(250, 251, 252),
};

HINSTANCE ThisModule() { return GetModuleHandleA(nullptr); }

bool IsLoaded(const char* name) { return GetModuleHandleA(name) != nullptr; }

// Every pixel, row by row from the top, read with GetDIBits as 32-bit BGR.
std::vector<COLORREF> DibPixels(const CBitmap& bitmap)
{
    const SIZE size = bitmap.GetSize();
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> raw(static_cast<size_t>(size.cx * size.cy));
    HDC screen = GetDC(nullptr);
    const int rows =
        GetDIBits(screen, bitmap.GetSafeHandle(), 0, static_cast<UINT>(size.cy), raw.data(), &bmi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    std::vector<COLORREF> pixels;
    if (rows != size.cy)
        return pixels;
    for (DWORD p : raw)
        pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    return pixels;
}

std::vector<std::string> AsText(const std::vector<COLORREF>& pixels)
{
    std::vector<std::string> text;
    for (COLORREF c : pixels)
        text.push_back(ColourText(c));
    return text;
}

TEST(ArtworkNaturalScale, LoadsTheBitmapResourceAndNeitherComNorWic)
{
    ASSERT_FALSE(IsLoaded("ole32.dll"));
    ASSERT_FALSE(IsLoaded("windowscodecs.dll"));

    CBitmap bitmap;
    ASSERT_TRUE(gfx::LoadArtwork(&bitmap, ThisModule(), IDB_ART_SAMPLE, kNatural));
    EXPECT_EQ(bitmap.GetSize().cx, kBmpSize.cx);
    EXPECT_EQ(bitmap.GetSize().cy, kBmpSize.cy);
    EXPECT_EQ(AsText(DibPixels(bitmap)), AsText(kBmpPixels));

    EXPECT_FALSE(IsLoaded("ole32.dll"));
    EXPECT_FALSE(IsLoaded("windowscodecs.dll"));
}

TEST(ArtworkDecoding, GivesThePngsSizeAndEveryPixelExactly)
{
    CBitmap bitmap;
    ASSERT_TRUE(gfx::LoadArtwork(&bitmap, ThisModule(), IDB_ART_SAMPLE, k150));
    EXPECT_EQ(bitmap.GetSize().cx, kPngSize.cx);
    EXPECT_EQ(bitmap.GetSize().cy, kPngSize.cy);
    EXPECT_EQ(AsText(DibPixels(bitmap)), AsText(kPngPixels));
}

TEST(ArtworkFailure, AMissingOrUndecodableImageGivesFalseAndAnEmptyBitmap)
{
    struct Case {
        const char* what;
        UINT id;
        gfx::DisplayScale scale;
    };
    const Case cases[] = {
        {"no bitmap resource", IDB_ART_GARBAGE, kNatural},
        {"no image for 125 %", IDB_ART_SAMPLE, k125},
        {"no image for 300 %", IDB_ART_SAMPLE, k300},
        {"not a PNG", IDB_ART_GARBAGE, k150},
        {"PNG cut inside its image data", IDB_ART_TRUNCATED, k150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // A bitmap held before must not survive as if it were the artwork.
        CBitmap bitmap = MakeBitmap(1, 1, {RGB(1, 1, 1)});
        EXPECT_FALSE(gfx::LoadArtwork(&bitmap, ThisModule(), c.id, c.scale));
        EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
    }
}

// The program's own artwork (linked in from its resource script) at every
// scale above 100 %: each image decodes, at the size its users cut it by,
// the skins by their own edges scaled, the strips by three frames (twelve
// for the caption strip) of the scaled button.
TEST(ArtworkShipped, EveryImageAboveTheNaturalScaleDecodesAtTheSizeOfItsMetrics)
{
    auto strip = [](int frames, int cx, int cy) { return SIZE{frames * cx, cy}; };
    for (int set = 1; set < static_cast<int>(gfx::kScalePercents.size()); ++set) {
        const gfx::DisplayScale s = gfx::DisplayScale::ForDpi(
            gfx::kNaturalDpi * gfx::kScalePercents[static_cast<std::size_t>(set)] / 100);
        const frame::FrameMetrics f = frame::MetricsAt(s);
        const rgnsize::DialogMetrics d = rgnsize::MetricsAt(s);
        const skin::CaptionStripOffsets caption = skin::StripOffsets(d.caption);
        const struct {
            UINT id;
            SIZE size;
        } images[] = {
            {IDB_FRAME_SKIN, SIZE{s.Px(frame::kSkinWidth), s.Px(frame::kSkinHeight)}},
            {IDB_BTN_CLOSE, strip(3, f.closeButton.cx, f.closeButton.cy)},
            {IDB_BTN_CAPTURE, strip(3, f.captureButton.cx, f.captureButton.cy)},
            {IDB_BTN_HOTKEYHELP, strip(3, f.helpButton.cx, f.helpButton.cy)},
            {IDB_BTN_SETSIZE, strip(3, f.setSizeButton.cx, f.setSizeButton.cy)},
            {IDB_CAPTION_BUTTONS, SIZE{caption.restore + 3 * d.caption.maxWidth, d.caption.height}},
            {IDB_SETRGN_SKIN, SIZE{s.Px(rgnsize::kSkinWidth), s.Px(rgnsize::kSkinHeight)}},
        };
        for (const auto& image : images) {
            SCOPED_TRACE("bitmap " + std::to_string(image.id) + " at " + std::to_string(s.Percent()) + " %");
            CBitmap bitmap;
            ASSERT_TRUE(gfx::LoadArtwork(&bitmap, ThisModule(), image.id, s));
            EXPECT_EQ(bitmap.GetSize().cx, image.size.cx);
            EXPECT_EQ(bitmap.GetSize().cy, image.size.cy);
        }
    }
}

// The thread's COM as the test sees it, through its own binding of ole32.
struct ThreadCom {
    ThreadCom()
        : ole32(LoadLibraryA("ole32.dll"))
        , initialize(ProcAddress<decltype(&::CoInitializeEx)>(ole32, "CoInitializeEx"))
        , uninitialize(ProcAddress<decltype(&::CoUninitialize)>(ole32, "CoUninitialize"))
    {
    }

    HMODULE ole32;
    decltype(&::CoInitializeEx) initialize;
    decltype(&::CoUninitialize) uninitialize;
};

bool DecodesSample()
{
    CBitmap bitmap;
    return gfx::LoadArtwork(&bitmap, ThisModule(), IDB_ART_SAMPLE, k150) && bitmap.GetSize().cx == kPngSize.cx;
}

// Each case leaves COM on the thread as the loader found it, which the next
// join tells: joining in the other mode fails while any join is left.
TEST(ArtworkThreadCom, AThreadOutsideComIsLeftOutside)
{
    ThreadCom com;
    ASSERT_NE(com.initialize, nullptr);
    ASSERT_TRUE(DecodesSample());
    EXPECT_EQ(com.initialize(nullptr, COINIT_MULTITHREADED), S_OK);
    com.uninitialize();
}

TEST(ArtworkThreadCom, AJoinInTheSameModeIsBalanced)
{
    ThreadCom com;
    ASSERT_NE(com.initialize, nullptr);
    ASSERT_EQ(com.initialize(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    ASSERT_TRUE(DecodesSample());
    com.uninitialize();
    EXPECT_EQ(com.initialize(nullptr, COINIT_MULTITHREADED), S_OK);
    com.uninitialize();
}

TEST(ArtworkThreadCom, ComInTheOtherModeIsUsedAndNotEnded)
{
    ThreadCom com;
    ASSERT_NE(com.initialize, nullptr);
    ASSERT_EQ(com.initialize(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_TRUE(DecodesSample());
    const HRESULT rejoin = com.initialize(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(rejoin, RPC_E_CHANGED_MODE);
    if (SUCCEEDED(rejoin))
        com.uninitialize();
    com.uninitialize();
}

} // namespace
