#include "app/GdiplusState.h"

#include "app/GdiplusLibrary.h"

namespace {

// Holds the lock for a scope.
class ScopedLock {
public:
    explicit ScopedLock(CRITICAL_SECTION& cs) : m_cs(cs) { EnterCriticalSection(&m_cs); }
    ~ScopedLock() { LeaveCriticalSection(&m_cs); }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;

private:
    CRITICAL_SECTION& m_cs;
};

} // namespace

GdiplusState& GdiplusState::Instance()
{
    static GdiplusState state;
    return state;
}

GdiplusState::GdiplusState()
{
    InitializeCriticalSection(&m_lock);
}

GdiplusState::~GdiplusState()
{
    Shutdown();
    DeleteCriticalSection(&m_lock);
}

bool GdiplusState::Startup()
{
    ScopedLock lock(m_lock);
    if (m_token != 0)
        return true;
    const GdiplusLibrary* gdiplus = GdiplusLibrary::Get();
    if (gdiplus == nullptr)
        return false;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (gdiplus->Startup(&token, &input, nullptr) != Gdiplus::Ok)
        return false;
    m_token = token;
    return true;
}

void GdiplusState::ImageCreated()
{
    ScopedLock lock(m_lock);
    ++m_nImages;
}

void GdiplusState::ImageDestroyed()
{
    ScopedLock lock(m_lock);
    if (--m_nImages == 0)
        Shutdown();
}

void GdiplusState::Shutdown()
{
    ScopedLock lock(m_lock);
    // A token exists only once the library was bound.
    if (m_token != 0)
        GdiplusLibrary::Get()->Shutdown(m_token);
    m_token = 0;
}

bool GdiplusState::IsStarted()
{
    ScopedLock lock(m_lock);
    return m_token != 0;
}

int GdiplusState::ImageCount()
{
    ScopedLock lock(m_lock);
    return m_nImages;
}
