#include "app/HotKeyRepeatGuard.h"

namespace {

// A person's release lasts tens of milliseconds; one poll in a few of them
// sees it.
constexpr DWORD kPollMs = 4;

} // namespace

// The poller is made here, waiting, so that the first press finds it ready:
// until its first reading, a press's repeats are unproven.
HotKeyRepeatGuard::HotKeyRepeatGuard(UINT virtualKey)
    : m_virtualKey(static_cast<int>(virtualKey))
    , m_poller(&HotKeyRepeatGuard::Poll, this)
{
}

HotKeyRepeatGuard::~HotKeyRepeatGuard()
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_bStopping = true;
    }
    m_wake.notify_one();
    if (m_poller.joinable())
        m_poller.join();
}

bool HotKeyRepeatGuard::IsNewPress(DWORD time)
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        if (!m_history.TakePress(time))
            return false;
        // The first reading at once, before a capture keeps this thread busy.
        Read();
        m_bWatching = true;
    }
    m_wake.notify_one();
    return true;
}

// Under the lock. The reading is dated by the ticks on either side of it,
// so that the key seen up just before a press, or just after a hot key, is
// never taken for a release between them.
DWORD HotKeyRepeatGuard::Read()
{
    const DWORD before = GetTickCount();
    const bool down = (GetAsyncKeyState(m_virtualKey) & 0x8000) != 0;
    const DWORD after = GetTickCount();
    m_history.Sample(before, after, down);
    return after;
}

void HotKeyRepeatGuard::Poll()
{
    // Gaps between readings leave the time alone to tell a repeat from a
    // press: the poller is scheduled ahead of the program's other work (it
    // sleeps nearly always).
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    std::unique_lock<std::mutex> hold(m_lock);
    for (;;) {
        m_wake.wait(hold, [this] { return m_bWatching || m_bStopping; });
        if (m_bStopping)
            return;
        const DWORD now = Read();
        m_bWatching = m_history.Watching(now);
        if (m_bWatching && !m_bStopping) {
            hold.unlock();
            Sleep(kPollMs);
            hold.lock();
        }
    }
}
