#include "app/KeyPressHistory.h"

#include <gtest/gtest.h>

namespace {

// Polls every 4 ms from..until, the key in one state throughout; each
// reading takes a millisecond.
void Poll(KeyPressHistory& history, DWORD from, DWORD until, bool down)
{
    for (DWORD t = from; t - from < until - from; t += 4)
        history.Sample(t, t + 1, down);
}

// The keyboard repeats a held Ctrl+C every 40 ms from 660 ms on, and the
// poller misses readings for a while, as on a busy machine: the hold is
// still one press.
TEST(KeyPressHistory, AHeldKeyIsOnePressUntilAReleaseIsSeenWhateverTheGapsInTheReadings)
{
    KeyPressHistory history;
    EXPECT_TRUE(history.TakePress(1000));
    Poll(history, 1004, 1500, true);
    Poll(history, 2200, 3500, true);
    for (DWORD repeat = 1660; repeat < 3500; repeat += 40)
        EXPECT_FALSE(history.TakePress(repeat)) << "a repeat at " << repeat << " counted as a press";
    // A reading that ends after the last repeat was posted tells nothing
    // about it, though it began before it.
    history.Sample(3499, 3503, false);
    EXPECT_FALSE(history.TakePress(3500));
    Poll(history, 3504, 3600, false);
    // A repeat posted before the release, handled after it, is still one.
    EXPECT_FALSE(history.TakePress(3496));
    EXPECT_TRUE(history.TakePress(3800));
}

// Presses quicker than the captures wait in the queue while the previous
// capture runs; each is a press of its own, as the poller saw the key up
// between them, even where a press was too short for it to see it down.
// A press handled before any reading since the last one (the poller held
// up) is given the benefit of the doubt, and so is one too soon after the
// last to be a repeat where the readings have gaps.
TEST(KeyPressHistory, QueuedQuickPressesAndPressesTheReadingsMissedAreEachAPress)
{
    KeyPressHistory history;
    EXPECT_TRUE(history.TakePress(1000));
    Poll(history, 1004, 1200, false);
    for (DWORD press = 1050; press < 1200; press += 50)
        EXPECT_TRUE(history.TakePress(press)) << "the press at " << press << " was lost";
    EXPECT_TRUE(history.TakePress(1260));
    // An up reading under way as a press came proves no release after it.
    history.Sample(1299, 1301, false);
    EXPECT_TRUE(history.TakePress(1300));
    Poll(history, 1304, 1400, true);
    EXPECT_FALSE(history.TakePress(1396));
    // Then the readings stop (a busy machine), and a release could hide in
    // the gap: a hot key this soon after the press is no keyboard repeat.
    EXPECT_TRUE(history.TakePress(1480));
}

// Polling stops once the key has been up a while; the next hot key, however
// much later, is a new press. Tick counts wrap after 49.7 days.
TEST(KeyPressHistory, PollingStopsAfterTheReleaseAndTicksMayWrap)
{
    KeyPressHistory history;
    const DWORD start = 0xFFFFFF00u;
    EXPECT_TRUE(history.TakePress(start));
    EXPECT_TRUE(history.Watching(start + 4));
    Poll(history, start + 4, start + 400, true);
    EXPECT_FALSE(history.TakePress(start + 396));
    Poll(history, start + 400, start + 420, false);
    EXPECT_TRUE(history.Watching(start + 420));
    EXPECT_FALSE(history.Watching(start + 400 + KeyPressHistory::kQuietMs));
    EXPECT_TRUE(history.TakePress(start + 5000));
}

} // namespace
