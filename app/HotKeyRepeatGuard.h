#pragma once

#include "app/KeyPressHistory.h"

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <thread>

// Lets one capture through per press of the hot key. The hot key is
// registered with MOD_NOREPEAT, but a platform may repeat it anyway while
// the keys are held (Wine does, at the keyboard's repeat rate): then only a
// hot key that follows a release of its key is a new press. The release
// happens while another program has the keyboard, and often while a
// capture still keeps the frame's thread busy, so a thread of its own polls
// the key's state, from a press taken until the key has stayed up a while.
// How the readings tell a repeat from a press is KeyPressHistory's.
class HotKeyRepeatGuard {
public:
    explicit HotKeyRepeatGuard(UINT virtualKey);
    ~HotKeyRepeatGuard();
    HotKeyRepeatGuard(const HotKeyRepeatGuard&) = delete;
    HotKeyRepeatGuard& operator=(const HotKeyRepeatGuard&) = delete;

    // Whether the hot key message posted at time (the message's time) is a
    // new press; if it is, the key is watched until it has been released.
    bool IsNewPress(DWORD time);

private:
    void Poll();
    DWORD Read();

    const int m_virtualKey;
    std::mutex m_lock;
    std::condition_variable m_wake;
    KeyPressHistory m_history;
    bool m_bWatching = false;
    bool m_bStopping = false;
    // Last: it starts polling once everything above exists.
    std::thread m_poller;
};
