// Checks the resources linked into vantik.exe: bitmap sizes and the pixels
// the code relies on (the white window, the see-through key pixels), the
// icon's images, the two dialog templates and the version, read back from the
// built program.
#include "res/resource.h"

#include "VantikVersion.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

std::string Hex(COLORREF c)
{
    char text[16];
    wsprintfA(text, "%06X", static_cast<unsigned>(c));
    return text;
}

// vantik.exe lies next to this test program in the build tree.
std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    dir.erase(dir.find_last_of("\\/") + 1);
    return dir + "vantik.exe";
}

// A raw resource: its bytes as they are stored in the program.
struct RawResource {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

// A bitmap resource decoded from its stored DIB, pixels[y * width + x] with
// row 0 at the top.
struct Image {
    int width = 0;
    int height = 0;
    int bits = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[y * width + x]; }
};

class ResourcesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        module_ =
            LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    static void TearDownTestSuite()
    {
        if (module_)
            FreeLibrary(module_);
        module_ = nullptr;
    }
    void SetUp() override { ASSERT_NE(module_, nullptr) << "cannot load " << ProgramPath(); }

    static RawResource Find(int id, LPCSTR type)
    {
        RawResource raw;
        HRSRC info = FindResourceA(module_, MAKEINTRESOURCEA(id), type);
        if (!info)
            return raw;
        HGLOBAL handle = LoadResource(module_, info);
        raw.data = static_cast<const BYTE*>(LockResource(handle));
        raw.size = SizeofResource(module_, info);
        return raw;
    }

    static Image ReadBitmap(int id)
    {
        Image image;
        RawResource raw = Find(id, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
        if (!raw.data || raw.size < sizeof(BITMAPINFOHEADER))
            return image;
        BITMAPINFOHEADER header;
        memcpy(&header, raw.data, sizeof header);
        image.bits = header.biBitCount;
        if (header.biBitCount != 24 || header.biCompression != BI_RGB || header.biHeight <= 0)
            return image;
        const int width = header.biWidth, height = header.biHeight;
        const DWORD stride = (width * 3 + 3) & ~3u;
        if (raw.size < header.biSize + stride * height)
            return image;
        const BYTE* rows = raw.data + header.biSize;
        image.width = width;
        image.height = height;
        image.pixels.resize(width * height);
        for (int y = 0; y < height; ++y) {
            const BYTE* row = rows + (height - 1 - y) * stride; // stored bottom-up
            for (int x = 0; x < width; ++x)
                image.pixels[y * width + x] = RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        }
        return image;
    }

    static HMODULE module_;
};

HMODULE ResourcesTest::module_ = nullptr;

// The key pixels of a corner square, as (x, y) in a w x h image, for a
// quarter circle with perRow[k] pixels in the k-th row from the corner.
std::set<std::pair<int, int>> QuarterCircles(int x0, int y0, int w, int h, const std::vector<int>& perRow, bool allFour)
{
    std::set<std::pair<int, int>> keys;
    for (int corner = 0; corner < (allFour ? 4 : 1); ++corner) {
        const bool right = allFour ? (corner & 1) : true;
        const bool bottom = allFour ? (corner & 2) : false;
        for (size_t k = 0; k < perRow.size(); ++k)
            for (int i = 0; i < perRow[k]; ++i) {
                const int x = right ? x0 + w - 1 - i : x0 + i;
                const int y = bottom ? y0 + h - 1 - static_cast<int>(k) : y0 + static_cast<int>(k);
                keys.insert({x, y});
            }
    }
    return keys;
}

// Every pixel of the area (x0, y0, w, h) is magenta exactly where expected.
void ExpectKeysExactly(const Image& image, int x0, int y0, int w, int h, const std::set<std::pair<int, int>>& expected,
                       const char* what)
{
    int wrong = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            const bool key = image.At(x, y) == kMagenta;
            if (key != (expected.count({x, y}) == 1) && ++wrong <= 5)
                ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") is " << Hex(image.At(x, y))
                              << (key ? ", unexpected key colour" : ", expected the key colour");
        }
    EXPECT_EQ(wrong, 0) << what;
}

int CountColour(const Image& image, int x0, int y0, int w, int h, COLORREF colour)
{
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            n += image.At(x, y) == colour;
    return n;
}

// The three images of a strip must not be the same picture.
void ExpectThreeDistinctStates(const Image& strip, int x0, int frameWidth, const char* what)
{
    auto frame = [&](int i) {
        std::vector<COLORREF> p;
        for (int y = 0; y < strip.height; ++y)
            for (int x = 0; x < frameWidth; ++x)
                p.push_back(strip.At(x0 + i * frameWidth + x, y));
        return p;
    };
    EXPECT_NE(frame(0), frame(1)) << what << ": hover looks like normal";
    EXPECT_NE(frame(0), frame(2)) << what << ": pressed looks like normal";
    EXPECT_NE(frame(1), frame(2)) << what << ": pressed looks like hover";
}

TEST_F(ResourcesTest, BitmapsAre24BitsAtTheirSizesAndLoad)
{
    struct Expected {
        int id, width, height;
    };
    const Expected all[] = {
        {IDB_FRAME_SKIN, 239, 162},
        {IDB_BTN_CLOSE, 87, 22},
        {IDB_BTN_CAPTURE, 150, 50},
        {IDB_BTN_SETSIZE, 114, 35},
        {IDB_BTN_HOTKEYHELP, 60, 20},
        {IDB_CAPTION_BUTTONS, 456, 18},
        {IDB_SETRGN_SKIN, 100, 70},
    };
    for (const Expected& e : all) {
        SCOPED_TRACE("bitmap " + std::to_string(e.id));
        Image image = ReadBitmap(e.id);
        EXPECT_EQ(image.bits, 24);
        EXPECT_EQ(image.width, e.width);
        EXPECT_EQ(image.height, e.height);

        // The program loads them as GDI bitmaps.
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageA(module_, MAKEINTRESOURCEA(e.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr);
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, e.width);
        EXPECT_EQ(info.bmHeight, e.height);
        DeleteObject(bitmap);
    }
}

TEST_F(ResourcesTest, FrameSkinWindowIsWhiteExactlyWhereTheViewportLies)
{
    Image skin = ReadBitmap(IDB_FRAME_SKIN);
    ASSERT_EQ(skin.width, 239);
    const int left = 18, top = 11, right = 157, bottom = 151;
    EXPECT_EQ(CountColour(skin, left, top, right - left, bottom - top, kWhite), (right - left) * (bottom - top));
    for (int x = left - 1; x <= right; ++x) {
        EXPECT_NE(skin.At(x, top - 1), kWhite) << "ring above, x " << x;
        EXPECT_NE(skin.At(x, bottom), kWhite) << "ring below, x " << x;
    }
    for (int y = top - 1; y <= bottom; ++y) {
        EXPECT_NE(skin.At(left - 1, y), kWhite) << "ring left, y " << y;
        EXPECT_NE(skin.At(right, y), kWhite) << "ring right, y " << y;
    }
}

// Under each panel button the skin shows the button's own normal picture,
// where a frame of the skin's size (239 wide) places the button.
TEST_F(ResourcesTest, FrameSkinShowsEachButtonsPictureWhereThePanelPutsIt)
{
    Image skin = ReadBitmap(IDB_FRAME_SKIN);
    ASSERT_EQ(skin.width, 239);
    struct Place {
        int id, left, top, width, height;
    };
    const Place help{IDB_BTN_HOTKEYHELP, 239 - 29, 93, 20, 20};
    const Place places[] = {{IDB_BTN_CLOSE, 239 - 29, 0, 29, 22},
                            {IDB_BTN_CAPTURE, 239 - 67, 23, 50, 50},
                            {IDB_BTN_SETSIZE, 239 - 62, 75, 38, 35},
                            help};
    for (const Place& p : places) {
        SCOPED_TRACE("strip " + std::to_string(p.id));
        Image strip = ReadBitmap(p.id);
        ASSERT_EQ(strip.width, 3 * p.width);
        int wrong = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                const int sx = p.left + x, sy = p.top + y;
                const bool underHelp = p.id != help.id && sx >= help.left && sx < help.left + help.width &&
                                       sy >= help.top && sy < help.top + help.height;
                wrong += !underHelp && skin.At(sx, sy) != strip.At(x, y);
            }
        EXPECT_EQ(wrong, 0) << "pixels of the skin that differ from the button's picture";
    }
}

TEST_F(ResourcesTest, FrameSkinKeysOnlyQuarterCirclesInItsCorners)
{
    Image skin = ReadBitmap(IDB_FRAME_SKIN);
    ASSERT_EQ(skin.width, 239);
    ExpectKeysExactly(skin,
                      0,
                      0,
                      skin.width,
                      skin.height,
                      QuarterCircles(0, 0, skin.width, skin.height, {3, 2, 1}, true),
                      "skin 129");
    EXPECT_EQ(CountColour(skin, 0, 0, skin.width, skin.height, kMagenta), 24);
}

TEST_F(ResourcesTest, PanelButtonStripsKeyOnlyTheCloseButtonCorner)
{
    Image close = ReadBitmap(IDB_BTN_CLOSE);
    ASSERT_EQ(close.width, 87);
    for (int i = 0; i < 3; ++i)
        ExpectKeysExactly(close, i * 29, 0, 29, 22, QuarterCircles(i * 29, 0, 29, 22, {3, 2, 1}, false), "strip 130");
    ExpectThreeDistinctStates(close, 0, 29, "strip 130");

    struct Strip {
        int id, frameWidth;
    };
    for (Strip s : {Strip{IDB_BTN_CAPTURE, 50}, Strip{IDB_BTN_SETSIZE, 38}, Strip{IDB_BTN_HOTKEYHELP, 20}}) {
        SCOPED_TRACE("strip " + std::to_string(s.id));
        Image strip = ReadBitmap(s.id);
        ASSERT_EQ(strip.width, 3 * s.frameWidth);
        EXPECT_EQ(CountColour(strip, 0, 0, strip.width, strip.height, kMagenta), 0);
        ExpectThreeDistinctStates(strip, 0, s.frameWidth, "strip");
    }
}

TEST_F(ResourcesTest, RegionDialogSkinHasTitleBandEdgesBodyAndCornerKeys)
{
    Image skin = ReadBitmap(IDB_SETRGN_SKIN);
    ASSERT_EQ(skin.width, 100);
    ExpectKeysExactly(skin, 0, 0, 100, 70, QuarterCircles(0, 0, 100, 70, {2, 1}, true), "skin 135");
    EXPECT_EQ(CountColour(skin, 0, 0, 100, 70, kMagenta), 12);

    // Title band, rows 0 to 25: light blue at the top, almost white at the bottom.
    EXPECT_EQ(Hex(skin.At(30, 0)), Hex(RGB(61, 188, 241)));
    EXPECT_EQ(Hex(skin.At(30, 25)), Hex(RGB(227, 246, 253)));

    // Two-pixel edges: dark teal outside, almost white inside.
    auto almostWhite = [](COLORREF c) {
        return GetRValue(c) >= 220 && GetGValue(c) >= 220 && GetBValue(c) >= 220 && c != kWhite;
    };
    const COLORREF teal = RGB(34, 108, 138);
    for (int y = 26; y < 68; ++y) {
        EXPECT_EQ(Hex(skin.At(0, y)), Hex(teal)) << "left edge, y " << y;
        EXPECT_EQ(Hex(skin.At(99, y)), Hex(teal)) << "right edge, y " << y;
        EXPECT_TRUE(almostWhite(skin.At(1, y))) << "left edge, y " << y;
        EXPECT_TRUE(almostWhite(skin.At(98, y))) << "right edge, y " << y;
    }
    for (int x = 2; x < 98; ++x) {
        EXPECT_EQ(Hex(skin.At(x, 69)), Hex(teal)) << "bottom edge, x " << x;
        EXPECT_TRUE(almostWhite(skin.At(x, 68))) << "bottom edge, x " << x;
    }
    EXPECT_EQ(CountColour(skin, 2, 26, 96, 42, RGB(0, 128, 128)), 96 * 42) << "teal body";
}

TEST_F(ResourcesTest, CaptionStripHoldsOnlyTheCloseTriple)
{
    Image strip = ReadBitmap(IDB_CAPTION_BUTTONS);
    ASSERT_EQ(strip.width, 456);
    EXPECT_EQ(CountColour(strip, 0, 0, 228, 18, kMagenta), 228 * 18);
    EXPECT_EQ(CountColour(strip, 342, 0, 114, 18, kMagenta), 114 * 18);
    // The close frames are opaque: the dialog's background copy comes from
    // the magenta area, so a key pixel there would show magenta.
    EXPECT_EQ(CountColour(strip, 228, 0, 114, 18, kMagenta), 0);
    ExpectThreeDistinctStates(strip, 228, 38, "strip 134");

    // A white X on light blue, on red and on dark red.
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE("close frame " + std::to_string(i));
        const int x0 = 228 + i * 38;
        EXPECT_GE(CountColour(strip, x0, 0, 38, 18, kWhite), 8);
        const COLORREF corner = strip.At(x0 + 1, 1);
        if (i == 0) {
            EXPECT_GT(GetBValue(corner), 200);
            EXPECT_LT(GetRValue(corner), GetBValue(corner));
        } else {
            EXPECT_GT(GetRValue(corner), 2 * GetGValue(corner) + 60);
            EXPECT_LT(GetBValue(corner), 80);
        }
    }
    EXPECT_GT(GetRValue(strip.At(229 + 38, 1)), GetRValue(strip.At(229 + 76, 1)))
        << "pressed red is darker than hover red";
}

TEST_F(ResourcesTest, IconHas48And32And16PixelImages)
{
    RawResource group = Find(IDI_VANTIK, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
    ASSERT_NE(group.data, nullptr);
    ASSERT_GE(group.size, 6u);
    const WORD* header = reinterpret_cast<const WORD*>(group.data);
    EXPECT_EQ(header[1], 1) << "icon, not cursor";
    const int count = header[2];
    ASSERT_GE(group.size, 6u + 14u * count);
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = group.data + 6 + 14 * i;
        const int size = entry[0] ? entry[0] : 256;
        WORD id;
        memcpy(&id, entry + 12, sizeof id);
        sizes.insert(size);
        RawResource image = Find(id, MAKEINTRESOURCEA(3) /* RT_ICON */);
        ASSERT_NE(image.data, nullptr) << "image " << id;
        BITMAPINFOHEADER info;
        memcpy(&info, image.data, sizeof info);
        EXPECT_EQ(info.biWidth, size);
        EXPECT_EQ(info.biHeight, 2 * size);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
    EXPECT_EQ(count, 3);

    // The platform picks each size out of the group.
    for (int size : {16, 32, 48}) {
        int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group.data), TRUE, size, size, LR_DEFAULTCOLOR);
        RawResource image = Find(id, MAKEINTRESOURCEA(3));
        ASSERT_NE(image.data, nullptr) << size;
        BITMAPINFOHEADER info;
        memcpy(&info, image.data, sizeof info);
        EXPECT_EQ(info.biWidth, size);
    }
}

// Reads the fields of an extended dialog template in their stored order.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, DWORD size) : data_(data), size_(size) {}
    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    short Short() { return static_cast<short>(Take<WORD>()); }
    // A string, or an ordinal written as "#n".
    std::wstring SzOrOrd()
    {
        WORD first = Word();
        if (first == 0xFFFF)
            return L"#" + std::to_wstring(Word());
        std::wstring text;
        for (WORD c = first; c != 0 && ok_; c = Word())
            text += static_cast<wchar_t>(c);
        return text;
    }
    void AlignDword() { pos_ = (pos_ + 3) & ~3u; }
    bool Ok() const { return ok_; }

private:
    template <typename T> T Take()
    {
        T value = 0;
        if (pos_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        memcpy(&value, data_ + pos_, sizeof(T));
        pos_ += sizeof(T);
        return value;
    }
    const BYTE* data_;
    DWORD size_;
    DWORD pos_ = 0;
    bool ok_ = true;
};

struct DialogHeader {
    DWORD helpId, exStyle, style;
    WORD items;
    short x, y, cx, cy;
    std::wstring menu, windowClass, title;
};

DialogHeader ReadHeader(TemplateReader& r)
{
    DialogHeader h = {};
    EXPECT_EQ(r.Word(), 1) << "dlgVer";
    EXPECT_EQ(r.Word(), 0xFFFF) << "signature of an extended template";
    h.helpId = r.Dword();
    h.exStyle = r.Dword();
    h.style = r.Dword();
    h.items = r.Word();
    h.x = r.Short();
    h.y = r.Short();
    h.cx = r.Short();
    h.cy = r.Short();
    h.menu = r.SzOrOrd();
    h.windowClass = r.SzOrOrd();
    h.title = r.SzOrOrd();
    return h;
}

TEST_F(ResourcesTest, CaptureFrameTemplateIsAVisiblePopupWithoutControls)
{
    RawResource raw = Find(IDD_CAPTURE_FRAME, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    ASSERT_NE(raw.data, nullptr);
    TemplateReader r(raw.data, raw.size);
    DialogHeader h = ReadHeader(r);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(Hex(h.style), Hex(WS_POPUP | WS_VISIBLE | WS_SYSMENU));
    EXPECT_EQ(Hex(h.exStyle), Hex(WS_EX_APPWINDOW));
    EXPECT_EQ(h.items, 0);
    EXPECT_EQ(h.menu, L"");
    EXPECT_EQ(h.windowClass, L"");
    EXPECT_EQ(h.title, L"vantik");
}

TEST_F(ResourcesTest, RegionSizeTemplateHoldsTwoNumericEdits)
{
    RawResource raw = Find(IDD_SET_RGN_SIZE, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    ASSERT_NE(raw.data, nullptr);
    TemplateReader r(raw.data, raw.size);
    DialogHeader h = ReadHeader(r);
    EXPECT_EQ(Hex(h.style), "80CC0048");
    EXPECT_EQ(h.exStyle, 0u);
    EXPECT_EQ(h.x, 0);
    EXPECT_EQ(h.y, 0);
    EXPECT_EQ(h.cx, 186);
    EXPECT_EQ(h.cy, 90);
    EXPECT_EQ(h.menu, L"");
    EXPECT_EQ(h.windowClass, L"");
    EXPECT_EQ(h.title, L"Dialog");

    // DS_SETFONT: point size, weight, italic, character set, typeface.
    EXPECT_EQ(r.Word(), 8);
    EXPECT_EQ(r.Word(), 400);
    EXPECT_EQ(r.Word(), 0x0100) << "not italic (low byte), character set 1 (high byte)";
    EXPECT_EQ(r.SzOrOrd(), L"MS Shell Dlg");
    ASSERT_EQ(h.items, 2);

    struct Item {
        DWORD id;
        short x, y;
    };
    for (Item expected : {Item{IDC_EDIT_WIDTH, 21, 24}, Item{IDC_EDIT_HEIGHT, 84, 24}}) {
        SCOPED_TRACE("control " + std::to_string(expected.id));
        r.AlignDword();
        EXPECT_EQ(r.Dword(), 0u) << "help id";
        EXPECT_EQ(r.Dword(), 0u) << "extended style";
        EXPECT_EQ(Hex(r.Dword()), "50812080");
        EXPECT_EQ(r.Short(), expected.x);
        EXPECT_EQ(r.Short(), expected.y);
        EXPECT_EQ(r.Short(), 40);
        EXPECT_EQ(r.Short(), 13);
        EXPECT_EQ(r.Dword(), expected.id);
        std::wstring cls = r.SzOrOrd();
        EXPECT_TRUE(cls == L"#129" || lstrcmpiW(cls.c_str(), L"Edit") == 0) << "window class of an edit box";
        EXPECT_EQ(r.SzOrOrd(), L"") << "no text";
        EXPECT_EQ(r.Word(), 0) << "no creation data";
    }
    EXPECT_TRUE(r.Ok()) << "template ends early";
}

// The version as Explorer's file properties read it: the strings through the
// language and code page the resource lists under Translation, and the
// numbers, all of them the project's version.
TEST(VersionResource, NamesTheProductAndCarriesTheProjectsVersion)
{
    const std::string path = ProgramPath();
    DWORD unused = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeA(path.c_str(), &unused));
    ASSERT_FALSE(info.empty()) << "no version resource in " << path;
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

    void* value = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &value, &size));
    ASSERT_EQ(size, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    const WORD numbers[] = {VANTIK_VERSION_NUMBERS};
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(numbers[1], numbers[0])));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(numbers[3], numbers[2])));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &size));
    ASSERT_GE(size, 2 * sizeof(WORD));
    const auto* translation = static_cast<const WORD*>(value);
    char block[40];
    wsprintfA(block, "\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    auto text = [&](const char* name) {
        void* found = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(info.data(), (std::string(block) + name).c_str(), &found, &length) || length == 0)
            return std::string("(missing)");
        return std::string(static_cast<const char*>(found));
    };
    EXPECT_EQ(text("ProductName"), "Vantik");
    EXPECT_EQ(text("ProductVersion"), VANTIK_VERSION_TEXT);
    EXPECT_EQ(text("FileVersion"), VANTIK_VERSION_TEXT);
    EXPECT_EQ(text("FileDescription"), "Vantik screen capture");
    EXPECT_EQ(text("OriginalFilename"), "vantik.exe");
}

} // namespace
