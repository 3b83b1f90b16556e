#pragma once

#include <windows.h>

#include <deque>

// What is known of one key between hot-key messages: the moments a poller
// saw it up. A hot key posted at time t comes from a new press when the key
// was seen up after the press that was last taken and no later than t;
// otherwise the key has been held since, and the message is the keyboard's
// auto-repeat. A press may be too short for the poller to see it down, so
// only the ups count. Times are tick counts (ms, wrapping), as GetTickCount
// and a message's time give them. Plain bookkeeping: the polling is
// HotKeyRepeatGuard's.
class KeyPressHistory {
public:
    // Whether the hot key posted at time starts a new press; one that does
    // becomes the press taken.
    bool TakePress(DWORD time);
    // A poll's reading of the key at tick.
    void Sample(DWORD tick, bool down);
    // Whether polling still tells anything at now: not once the key has been
    // up for a while, after which the next hot key is a new press whenever
    // it comes.
    bool Watching(DWORD now) const;

    // How long the key stays up before polling stops.
    static constexpr DWORD kQuietMs = 500;

private:
    bool SeenUpBetween(DWORD after, DWORD until) const;

    bool m_bTaken = false;
    DWORD m_taken = 0;
    DWORD m_lastDown = 0;
    // The samples that found the key up since the press taken, oldest first.
    std::deque<DWORD> m_ups;
};
