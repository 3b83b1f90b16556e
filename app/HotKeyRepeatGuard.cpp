#include "app/HotKeyRepeatGuard.h"

namespace {

// A person's release lasts tens of milliseconds; one poll in a few of them
// sees it.
constexpr DWORD kPollMs = 4;

} // namespace

// The poller is made here, waiting, so that the first press finds it ready:
// a reading late by more than a gap leaves that press's repeats unproven.
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

// Under the lock. The time first: dated no later than the reading, the key
// seen up just before a press is never taken for a release after it.
DWORD HotKeyRepeatGuard::Read()
{
    const DWORD now = GetTickCount();
    m_history.Sample(now, (GetAsyncKeyState(m_virtualKey) & 0x8000) != 0);
    return now;
}

void HotKeyRepeatGuard::Poll()
{
    // Readings late by more than a gap prove nothing: the poller is
    // scheduled ahead of the program's other work (it sleeps nearly always).
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
