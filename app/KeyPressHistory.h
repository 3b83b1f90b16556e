#pragma once

#include <windows.h>

#include <deque>

// What a poller saw of one key between hot-key messages. A hot key posted at
// time t is a new press, not the keyboard's auto-repeat of the press last
// taken, when a reading between that press and t found the key up (a
// release seen), or when there is no reading in that time (the poller or
// the program was held up: nothing shows the key held). Readings that all
// found the key down, with no gap between them a release could hide in,
// show a repeat. Where there are such gaps (a busy machine delays the
// poller) the time decides: no keyboard repeats a key that soon after its
// press, so a hot key that soon is a new press, and a later one a repeat.
// Times are tick counts (ms, wrapping), as GetTickCount and a message's time
// give them. Plain bookkeeping: the polling is HotKeyRepeatGuard's.
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

    // The longest gap between readings that no release can hide in: shorter
    // than the quickest release between two presses.
    static constexpr DWORD kMaxGapMs = 30;
    // Keyboards start repeating a held key no sooner than this after its
    // press (Windows' shortest delay setting).
    static constexpr DWORD kSoonestRepeatMs = 250;
    // How long the key stays up before polling stops.
    static constexpr DWORD kQuietMs = 500;

private:
    struct Reading {
        DWORD before;
        DWORD after;
        bool down;
    };
    enum class Seen { Nothing, Released, HeldThroughout, HeldWithGaps };

    Seen SeenBetween(DWORD from, DWORD until) const;
    void Forget(DWORD until);

    bool m_bTaken = false;
    DWORD m_taken = 0;
    DWORD m_lastDown = 0;
    std::deque<Reading> m_readings;
};
