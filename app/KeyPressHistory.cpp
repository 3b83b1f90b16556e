#include "app/KeyPressHistory.h"

namespace {

// A poll every few milliseconds for as long as the key stays held comes to
// a few hundred entries in a second; more are not needed to tell a release.
constexpr std::size_t kMaxUps = 1024;

// Tick counts wrap after 49.7 days; their difference does not.
bool Later(DWORD a, DWORD b)
{
    return static_cast<LONG>(a - b) > 0;
}

} // namespace

bool KeyPressHistory::TakePress(DWORD time)
{
    if (m_bTaken && !SeenUpBetween(m_taken, time))
        return false;
    m_bTaken = true;
    m_taken = time;
    // The press is down at its own time, whatever was sampled before.
    m_lastDown = time;
    while (!m_ups.empty() && !Later(m_ups.front(), time))
        m_ups.pop_front();
    return true;
}

void KeyPressHistory::Sample(DWORD tick, bool down)
{
    if (down) {
        m_lastDown = tick;
        return;
    }
    if (m_ups.size() == kMaxUps)
        m_ups.pop_front();
    m_ups.push_back(tick);
}

bool KeyPressHistory::Watching(DWORD now) const
{
    return now - m_lastDown < kQuietMs;
}

bool KeyPressHistory::SeenUpBetween(DWORD after, DWORD until) const
{
    for (DWORD up : m_ups) {
        if (Later(up, after) && !Later(up, until))
            return true;
    }
    return false;
}
