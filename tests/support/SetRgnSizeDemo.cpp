// Runs the region size dialog as the capture frame does, for journeys to
// drive: a plain owner window is the application's main window, the dialog
// is given no parent, and what DoModal returns is written to a file.
//
//   setrgnsizedemo.exe WIDTH HEIGHT RESULT_FILE [CLIPBOARD_TEXT]
//
// RESULT_FILE receives one line "result=R width=W height=H" (R is the
// DoModal result, W and H are m_nNewWidth and m_nNewHeight). With
// CLIPBOARD_TEXT, that text is put on the clipboard first, for paste tests.
#include "dialogs/CSetRgnSize.h"
#include "framework/CWinApp.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kOwnerClass = "VantikSetRgnSizeOwner";
const char* const kOwnerTitle = "Vantik owner";
constexpr RECT kOwnerRect{212, 184, 812, 584};
constexpr COLORREF kOwnerColour = RGB(60, 60, 60);

bool RegisterOwnerClass()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = ::CreateSolidBrush(kOwnerColour);
    wc.lpszClassName = kOwnerClass;
    return ::RegisterClassA(&wc) != 0;
}

void PutTextOnClipboard(HWND owner, const char* text)
{
    const std::size_t size = std::strlen(text) + 1;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr)
        return;
    std::memcpy(::GlobalLock(memory), text, size);
    ::GlobalUnlock(memory);
    if (!::OpenClipboard(owner)) {
        ::GlobalFree(memory);
        return;
    }
    ::EmptyClipboard();
    if (::SetClipboardData(CF_TEXT, memory) == nullptr)
        ::GlobalFree(memory);
    ::CloseClipboard();
}

void WriteResult(const char* path, INT_PTR result, const CSetRgnSize& dlg)
{
    FILE* f = std::fopen(path, "w");
    if (f == nullptr)
        return;
    std::fprintf(f, "result=%d width=%d height=%d\n", static_cast<int>(result), dlg.m_nNewWidth, dlg.m_nNewHeight);
    std::fclose(f);
}

class CSetRgnSizeDemoApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        if (__argc < 4)
            return FALSE;
        InitCommonControls();
        if (!RegisterOwnerClass() ||
            !m_owner.CreateEx(0,
                              kOwnerClass,
                              kOwnerTitle,
                              WS_POPUP | WS_VISIBLE,
                              kOwnerRect.left,
                              kOwnerRect.top,
                              kOwnerRect.right - kOwnerRect.left,
                              kOwnerRect.bottom - kOwnerRect.top,
                              nullptr,
                              nullptr))
            return FALSE;
        m_pMainWnd = &m_owner;
        if (__argc > 4)
            PutTextOnClipboard(m_owner.m_hWnd, __argv[4]);

        CSetRgnSize dlg(nullptr);
        dlg.m_nWidth = std::atoi(__argv[1]);
        dlg.m_nHeight = std::atoi(__argv[2]);
        const INT_PTR result = dlg.DoModal();
        WriteResult(__argv[3], result, dlg);
        m_owner.DestroyWindow();
        return FALSE;
    }

private:
    CWnd m_owner;
};

CSetRgnSizeDemoApp theApp;

} // namespace
