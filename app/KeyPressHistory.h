#pragma once

#include <windows.h>

#include <deque>

// What a poller saw of one key between hot-key messages. A hot key posted at
// time t repeats the press last taken (the keyboard's auto-repeat of a held
// key) when readings taken between that press and t found the key down and
// none found it up. A reading that found it up proves a release, so the hot
// key is a new press; so is one with no reading at all since the press (the
// poller or the program was held up), as nothing shows the key held. A gap
// between readings proves nothing either way, so a busy machine that
// delays the poller neither lets a held key repeat nor loses a press whose
// release was seen. Times are tick counts (ms, wrapping), as GetTickCount
// and a message's time give them. Plain bookkeeping: the polling is
// HotKeyRepeatGuard's.
class KeyPressHistory {
public:
    // Whether the hot key posted at time starts a new press; one that does
    // becomes the press taken.
    bool TakePress(DWORD time);
    // A reading of the key, taken between the ticks before and after: it
    // counts only for presses and hot keys outside that span.
    void Sample(DWORD before, DWORD after, bool down);
    // Whether polling still tells anything at now: not once the key has been
    // up for a while, after which the next hot key is a new press whenever
    // it comes.
    bool Watching(DWORD now) const;

    // How long the key stays up before polling stops.
    static constexpr DWORD kQuietMs = 500;

private:
    struct Reading {
        DWORD before;
        DWORD after;
        bool down;
    };

    bool HeldThroughout(DWORD from, DWORD until) const;
    void Forget(DWORD until);

    bool m_bTaken = false;
    DWORD m_taken = 0;
    DWORD m_lastDown = 0;
    std::deque<Reading> m_readings;
};
