#include "app/GdiplusState.h"

#include "framework/ProcAddress.h"
#include "framework/SystemLibrary.h"

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

template <typename Fn> bool BindFunction(HMODULE module, const char* name, Fn* pFn)
{
    *pFn = ProcAddress<Fn>(module, name);
    return *pFn != nullptr;
}

} // namespace

GdiplusState& GdiplusState::Instance()
{
    static GdiplusState state;
    return state;
}

GdiplusState::GdiplusState() { InitializeCriticalSection(&m_lock); }

GdiplusState::~GdiplusState()
{
    Shutdown();
    DeleteCriticalSection(&m_lock);
}

HMODULE GdiplusState::LoadFromSystemFolder() { return LoadSystemLibrary(L"gdiplus.dll"); }

// GdiplusStartup is bound last: once it is, every function is.
bool GdiplusState::Bind()
{
    if (m_startup != nullptr)
        return true;
    HMODULE module = LoadFromSystemFolder();
    Functions& f = m_functions;
    if (module != nullptr && BindFunction(module, "GdiplusShutdown", &m_shutdown) &&
        BindFunction(module, "GdipGetImageEncodersSize", &f.GetImageEncodersSize) &&
        BindFunction(module, "GdipGetImageEncoders", &f.GetImageEncoders) &&
        BindFunction(module, "GdipCreateBitmapFromHBITMAP", &f.CreateBitmapFromHBITMAP) &&
        BindFunction(module, "GdipSaveImageToFile", &f.SaveImageToFile) &&
        BindFunction(module, "GdipDisposeImage", &f.DisposeImage) && BindFunction(module, "GdiplusStartup", &m_startup))
        return true;
    if (module != nullptr)
        FreeLibrary(module);
    return false;
}

bool GdiplusState::Startup()
{
    ScopedLock lock(m_lock);
    if (m_token != 0)
        return true;
    if (!Bind())
        return false;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (m_startup(&token, &input, nullptr) != Gdiplus::Ok)
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
        m_shutdown(m_token);
    m_token = 0;
}

bool GdiplusState::IsStarted()
{
    ScopedLock lock(m_lock);
    return m_token != 0;
}
