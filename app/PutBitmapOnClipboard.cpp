#include "app/PutBitmapOnClipboard.h"

namespace {

constexpr int kOpenAttempts = 6;
constexpr DWORD kRetryPauseMs = 20;

// Another program may hold the clipboard open for a moment (clipboard
// managers do, briefly, after every change), so give it a few chances.
bool OpenClipboardWithRetry(HWND hOwner)
{
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (attempt > 0)
            Sleep(kRetryPauseMs);
        if (OpenClipboard(hOwner))
            return true;
    }
    return false;
}

} // namespace

bool PutBitmapOnClipboard(CBitmap* pBitmap)
{
    if (pBitmap == nullptr || pBitmap->GetSafeHandle() == nullptr)
        return false;
    if (!OpenClipboardWithRetry(GetDesktopWindow()))
        return false;
    EmptyClipboard();
    const bool taken = SetClipboardData(CF_BITMAP, pBitmap->GetSafeHandle()) != nullptr;
    CloseClipboard();
    return taken;
}
