#include "app/KeyPressHistory.h"

namespace {

// Some sixteen seconds of readings at the poller's pace; a release older
// than that, with the hot key after it still unhandled, is not looked for.
constexpr std::size_t kMaxReadings = 4096;

// Tick counts wrap after 49.7 days; their difference does not.
bool Later(DWORD a, DWORD b) { return static_cast<LONG>(a - b) > 0; }

} // namespace

bool KeyPressHistory::TakePress(DWORD time)
{
    if (m_bTaken) {
        const Seen seen = SeenBetween(m_taken, time);
        const bool repeat = seen == Seen::HeldThroughout ||
                            (seen == Seen::HeldWithGaps && time - m_taken >= kSoonestRepeatMs);
        if (repeat)
            return false;
    }
    m_bTaken = true;
    m_taken = time;
    // The press is down at its own time, whatever was read before.
    m_lastDown = time;
    Forget(time);
    return true;
}

void KeyPressHistory::Sample(DWORD before, DWORD after, bool down)
{
    if (down)
        m_lastDown = after;
    if (m_readings.size() == kMaxReadings)
        m_readings.pop_front();
    m_readings.push_back(Reading{before, after, down});
}

bool KeyPressHistory::Watching(DWORD now) const { return now - m_lastDown < kQuietMs; }

// Looks only at the readings wholly between the press and the hot key; they
// come in the order they were taken.
KeyPressHistory::Seen KeyPressHistory::SeenBetween(DWORD from, DWORD until) const
{
    bool any = false;
    bool gaps = false;
    DWORD knownDown = from;
    for (const Reading& reading : m_readings) {
        if (!Later(reading.before, from) || Later(reading.after, until))
            continue;
        if (!reading.down)
            return Seen::Released;
        any = true;
        gaps = gaps || Later(reading.before, knownDown + kMaxGapMs);
        knownDown = reading.after;
    }
    if (!any)
        return Seen::Nothing;
    gaps = gaps || Later(until, knownDown + kMaxGapMs);
    return gaps ? Seen::HeldWithGaps : Seen::HeldThroughout;
}

// Readings that ended by the press taken tell nothing about the hot keys
// after it.
void KeyPressHistory::Forget(DWORD until)
{
    while (!m_readings.empty() && !Later(m_readings.front().after, until))
        m_readings.pop_front();
}
