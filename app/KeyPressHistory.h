#pragma once

#include <windows.h>

#include <deque>

// What a poller saw of one key between hot-key messages, as runs of like
// readings. A hot key posted at time t repeats the press last taken (the
// keyboard's auto-repeat of a held key) only when the poller saw the key
// held all the way from that press to t: down at every reading, with no gap
// between readings in which a release and a new press could have hidden.
// Whenever that is not shown, the hot key counts as a new press: a press
// lost is worse than a repeat let through. Times are tick counts (ms,
// wrapping), as GetTickCount and a message's time give them. Plain
// bookkeeping: the polling is HotKeyRepeatGuard's.
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

    // The longest gap between two readings that still counts as one run:
    // shorter than the quickest release between two presses.
    static constexpr DWORD kMaxGapMs = 30;
    // How long the key stays up before polling stops.
    static constexpr DWORD kQuietMs = 500;

private:
    struct Run {
        bool down;
        DWORD first;
        DWORD last;
    };

    bool HeldThroughout(DWORD from, DWORD until) const;

    bool m_bTaken = false;
    DWORD m_taken = 0;
    DWORD m_lastDown = 0;
    std::deque<Run> m_runs;
};
