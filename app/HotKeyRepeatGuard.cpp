#include "app/HotKeyRepeatGuard.h"

namespace {

// A person's release lasts tens of milliseconds; one poll in a few of them
// sees it.
constexpr DWORD kPollMs = 4;

} // namespace

HotKeyRepeatGuard::HotKeyRepeatGuard(UINT virtualKey)
    : m_virtualKey(static_cast<int>(virtualKey))
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
        m_bWatching = true;
    }
    // Made at the first press: most runs never use the hot key.
    if (!m_poller.joinable())
        m_poller = std::thread(&HotKeyRepeatGuard::Poll, this);
    m_wake.notify_one();
    return true;
}

void HotKeyRepeatGuard::Poll()
{
    std::unique_lock<std::mutex> hold(m_lock);
    for (;;) {
        m_wake.wait(hold, [this] { return m_bWatching || m_bStopping; });
        if (m_bStopping)
            return;
        hold.unlock();
        // The time first: dated no later than the reading, the key seen up
        // just before a press is never taken for a release after it.
        const DWORD now = GetTickCount();
        const bool down = (GetAsyncKeyState(m_virtualKey) & 0x8000) != 0;
        hold.lock();
        m_history.Sample(now, down);
        m_bWatching = m_history.Watching(now);
        if (m_bWatching && !m_bStopping) {
            hold.unlock();
            Sleep(kPollMs);
            hold.lock();
        }
    }
}
