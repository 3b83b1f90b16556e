#include "app/KeyPressHistory.h"

namespace {

// A second of readings every few milliseconds, should the key go up and
// down that often; older runs tell nothing about the presses to come.
constexpr std::size_t kMaxRuns = 256;

// Tick counts wrap after 49.7 days; their difference does not.
bool Later(DWORD a, DWORD b) { return static_cast<LONG>(a - b) > 0; }

} // namespace

bool KeyPressHistory::TakePress(DWORD time)
{
    if (m_bTaken && HeldThroughout(m_taken, time))
        return false;
    m_bTaken = true;
    m_taken = time;
    // The press is down at its own time, whatever was read before.
    m_lastDown = time;
    while (!m_runs.empty() && Later(time, m_runs.front().last + kMaxGapMs))
        m_runs.pop_front();
    return true;
}

void KeyPressHistory::Sample(DWORD tick, bool down)
{
    if (down)
        m_lastDown = tick;
    if (!m_runs.empty() && m_runs.back().down == down && !Later(tick, m_runs.back().last + kMaxGapMs)) {
        m_runs.back().last = tick;
        return;
    }
    if (m_runs.size() == kMaxRuns)
        m_runs.pop_front();
    m_runs.push_back(Run{down, tick, tick});
}

bool KeyPressHistory::Watching(DWORD now) const { return now - m_lastDown < kQuietMs; }

// Held when one run of down readings reaches from the press to the hot key,
// each end within a gap of them, and no reading in between found the key up.
bool KeyPressHistory::HeldThroughout(DWORD from, DWORD until) const
{
    bool held = false;
    for (const Run& run : m_runs) {
        const bool overlaps = Later(run.last, from) && !Later(run.first, until);
        if (!run.down && overlaps)
            return false;
        if (run.down && !Later(run.first, from + kMaxGapMs) && !Later(until, run.last + kMaxGapMs))
            held = true;
    }
    return held;
}
