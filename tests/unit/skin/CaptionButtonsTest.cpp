#include "skin/CaptionButtonLayout.h"
#include "skin/CaptionCommands.h"
#include "skin/SystemMenu.h"
#include "tests/unit/skin/DialogSkins.h"

#include <gtest/gtest.h>

namespace {

using namespace skin;

TEST(CaptionButtonLayout, CaptureFrameNormalAndMaximised)
{
    const auto& m = skintest::kCaptureFrameCaption;
    const CaptionButtonRects normal = LayoutCaptionButtons(m, skintest::kCaptureClient, false, true);
    EXPECT_EQ(normal.close, (RECT{231, 0, 273, 18}));
    EXPECT_EQ(normal.max, (RECT{206, 0, 231, 18}));
    EXPECT_EQ(normal.min, (RECT{181, 0, 206, 18}));

    // The maximised top extra of 1 moves all three down one pixel.
    const CaptionButtonRects maxed = LayoutCaptionButtons(m, skintest::kCaptureClient, true, true);
    EXPECT_EQ(maxed.close, (RECT{231, 1, 273, 19}));
    EXPECT_EQ(maxed.max, (RECT{206, 1, 231, 19}));
    EXPECT_EQ(maxed.min, (RECT{181, 1, 206, 19}));
}

TEST(CaptionButtonLayout, RegionSizeDialogWithoutMaximiseButton)
{
    const auto& m = skintest::kRegionSizeCaption;
    for (bool maximised : {false, true}) {
        const CaptionButtonRects r = LayoutCaptionButtons(m, skintest::kRegionSizeClient, maximised, false);
        EXPECT_FALSE(r.hasMax);
        EXPECT_EQ(r.close, (RECT{162, 0, 200, 18})) << maximised;
        EXPECT_EQ(r.min, (RECT{123, 0, 161, 18})) << "spacing 1 left of close";
    }
}

TEST(CaptionStrip, TriplesFollowEachOtherAndTheMaxButtonSwapsToRestore)
{
    // The region size dialog's 456-pixel strip of 38-pixel frames.
    const CaptionStripOffsets o = StripOffsets(skintest::kRegionSizeCaption);
    EXPECT_EQ(o.min, 0);
    EXPECT_EQ(o.max, 114);
    EXPECT_EQ(o.close, 228);
    EXPECT_EQ(o.restore, 342);

    // Unequal widths: each triple is three of its own button's width.
    const auto& m = skintest::kCaptureFrameCaption;
    EXPECT_EQ(StripOffsets(m).close, 150);
    EXPECT_EQ(MaxButtonImageX(m, false), 75);
    EXPECT_EQ(MaxButtonImageX(m, true), 276);
}

TEST(SystemMenu, ItemStatesFollowTheWindowState)
{
    constexpr UINT on = MF_ENABLED, off = MF_GRAYED | MF_DISABLED;
    struct Case {
        WindowState state;
        bool resizable;
        UINT size, move, restore, minimise, maximise;
    };
    const Case cases[] = {
        {WindowState::Normal, false, off, on, off, on, off},
        {WindowState::Normal, true, on, on, off, on, on},
        {WindowState::Maximised, false, off, off, on, on, off},
        {WindowState::Maximised, true, off, off, on, on, off},
        {WindowState::Minimised, false, off, off, on, off, off},
        {WindowState::Minimised, true, off, off, on, off, on},
    };
    for (const Case& c : cases) {
        const auto items = SystemMenuItemStates(c.state, c.resizable);
        const UINT commands[] = {SC_SIZE, SC_MOVE, SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE};
        const UINT flags[] = {c.size, c.move, c.restore, c.minimise, c.maximise};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(items[i].command, commands[i]);
            EXPECT_EQ(items[i].flags, flags[i])
                << "state " << static_cast<int>(c.state) << ", resizable " << c.resizable << ", item " << i;
        }
    }
    EXPECT_EQ(WindowStateOf(true, true), WindowState::Maximised);
    EXPECT_EQ(WindowStateOf(false, true), WindowState::Minimised);
    EXPECT_EQ(WindowStateOf(false, false), WindowState::Normal);
}

TEST(SystemMenu, OpensBelowTheTitleBarAndNotAgainWithin300ms)
{
    EXPECT_EQ(SystemMenuPoint(RECT{100, 200, 380, 375}, frame::kSkinSlices), (POINT{118, 211}));

    EXPECT_TRUE(SystemMenuMayOpen(5000, 0));
    EXPECT_FALSE(SystemMenuMayOpen(5299, 5000));
    EXPECT_TRUE(SystemMenuMayOpen(5300, 5000));
    // Across the tick count's wrap the elapsed time is still the difference.
    EXPECT_FALSE(SystemMenuMayOpen(0x20, 0xFFFFFF00u));
    EXPECT_TRUE(SystemMenuMayOpen(0x30, 0xFFFFFF00u));
}

TEST(SystemMenu, AltSpaceInAnyKeyboardMessage)
{
    for (UINT msg : {0x100u, 0x101u, 0x102u, 0x104u, 0x106u, 0x108u}) // keydown .. last
        EXPECT_TRUE(IsSystemMenuKey(msg, VK_SPACE, true)) << std::hex << msg;
    EXPECT_FALSE(IsSystemMenuKey(0x109, VK_SPACE, true)) << "WM_UNICHAR";
    EXPECT_FALSE(IsSystemMenuKey(WM_MOUSEMOVE, VK_SPACE, true));
    EXPECT_FALSE(IsSystemMenuKey(WM_SYSKEYDOWN, VK_SPACE, false));
    EXPECT_FALSE(IsSystemMenuKey(WM_SYSKEYDOWN, 'A', true));
}

TEST(CaptionCommands, EachIdentifierHasItsAction)
{
    EXPECT_EQ(ActionForCommand(7001), CaptionCommandAction::SendClose);
    EXPECT_EQ(ActionForCommand(7002), CaptionCommandAction::MaximiseOrRestore);
    EXPECT_EQ(ActionForCommand(7003), CaptionCommandAction::Minimise);
    EXPECT_EQ(ActionForCommand(7004), CaptionCommandAction::ShowSystemMenu);
    for (UINT sc : {SC_SIZE, SC_MOVE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
        EXPECT_EQ(ActionForCommand(sc), CaptionCommandAction::SendSysCommand) << std::hex << sc;
    EXPECT_EQ(ActionForCommand(SC_CLOSE), CaptionCommandAction::PostSysCommand);
    for (UINT other : {1u, 7000u, 7005u, 7560u, static_cast<UINT>(SC_KEYMENU)})
        EXPECT_EQ(ActionForCommand(other), CaptionCommandAction::NotOurs) << other;

    EXPECT_EQ(MaximiseButtonShowCommand(false), SW_MAXIMIZE);
    EXPECT_EQ(MaximiseButtonShowCommand(true), SW_RESTORE);
}

} // namespace
