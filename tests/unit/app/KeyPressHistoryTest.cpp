#include "app/KeyPressHistory.h"

#include <gtest/gtest.h>

namespace {

// Polls every 4 ms from..until, the key in one state throughout.
void Poll(KeyPressHistory& history, DWORD from, DWORD until, bool down)
{
    for (DWORD t = from; t - from < until - from; t += 4)
        history.Sample(t, down);
}

// The keyboard repeats a held Ctrl+C every 40 ms from 660 ms on.
TEST(KeyPressHistory, AHeldKeyIsOnePressUntilAReleaseIsSeen)
{
    KeyPressHistory history;
    EXPECT_TRUE(history.TakePress(1000));
    Poll(history, 1004, 3500, true);
    for (DWORD repeat = 1660; repeat < 3500; repeat += 40)
        EXPECT_FALSE(history.TakePress(repeat)) << "a repeat at " << repeat << " counted as a press";
    Poll(history, 3500, 3600, false);
    // A repeat posted before the release, handled after it, is still one.
    EXPECT_FALSE(history.TakePress(3496));
    EXPECT_TRUE(history.TakePress(3800));
}

// Presses quicker than the captures wait in the queue while the previous
// capture runs; each is a press of its own, as the poller saw the key up
// between them, even where a press was too short for it to see it down.
TEST(KeyPressHistory, QueuedQuickPressesAreEachAPress)
{
    KeyPressHistory history;
    EXPECT_TRUE(history.TakePress(1000));
    Poll(history, 1004, 1200, false);
    for (DWORD press = 1050; press < 1200; press += 50)
        EXPECT_TRUE(history.TakePress(press)) << "the press at " << press << " was lost";
}

// A reading late by more than a gap (a busy machine) leaves the hold
// unproven: the first hot key after it counts as a press, and the readings
// from there on prove the hold again.
TEST(KeyPressHistory, AGapInTheReadingsGivesThePressTheBenefitOfTheDoubt)
{
    KeyPressHistory history;
    EXPECT_TRUE(history.TakePress(1000));
    Poll(history, 1000, 1200, true);
    Poll(history, 1200 + KeyPressHistory::kMaxGapMs, 2000, true);
    EXPECT_TRUE(history.TakePress(1700));
    EXPECT_FALSE(history.TakePress(1740));
}

// Polling stops once the key has been up a while; the next hot key, however
// much later, is a new press. Tick counts wrap after 49.7 days.
TEST(KeyPressHistory, PollingStopsAfterTheReleaseAndTicksMayWrap)
{
    KeyPressHistory history;
    const DWORD start = 0xFFFFFF00u;
    EXPECT_TRUE(history.TakePress(start));
    EXPECT_TRUE(history.Watching(start + 4));
    Poll(history, start + 4, start + 100, true);
    EXPECT_FALSE(history.TakePress(start + 96));
    Poll(history, start + 100, start + 120, false);
    EXPECT_TRUE(history.Watching(start + 120));
    EXPECT_FALSE(history.Watching(start + 100 + KeyPressHistory::kQuietMs));
    EXPECT_TRUE(history.TakePress(start + 5000));
}

} // namespace
