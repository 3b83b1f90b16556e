#include "tests/unit/MessagePump.h"

#include "framework/CWnd.h"

namespace {

bool IsDialogWindow(HWND hwnd)
{
    char className[16] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

void Dispatch(MSG& msg)
{
    if (CWnd::WalkPreTranslateTree(&msg))
        return;
    HWND root = msg.hwnd != nullptr ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsDialogWindow(root) && ::IsDialogMessageW(root, &msg))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

} // namespace

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        Dispatch(msg);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpPending();
        if (done())
            return true;
        if (::GetTickCount() - start > timeoutMs)
            return done();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
