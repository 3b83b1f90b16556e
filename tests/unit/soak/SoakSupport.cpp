#include "tests/unit/soak/SoakSupport.h"

#include <psapi.h>
#include <shellapi.h>

#include <stdexcept>

namespace soak {

std::string Utf8(const std::wstring& text)
{
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &utf8[0], size, nullptr, nullptr);
    return utf8;
}

namespace {

ShellExecuteRecorder* g_recorder = nullptr;

HINSTANCE WINAPI RecordShellExecute(HWND, LPCWSTR, LPCWSTR file, LPCWSTR parameters, LPCWSTR, INT)
{
    if (g_recorder != nullptr)
        g_recorder->Record(Utf8(file != nullptr ? file : L""), Utf8(parameters != nullptr ? parameters : L""));
    // What ShellExecuteW returns when the program is not found.
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_FNF));
}

// Same names as the frame's; they are part of the session's state.
const char* const kSizeProperty = "WndPropName_Vantik_dravok_Size";
const char* const kPositionProperty = "WndPropName_Vantik_dravok_XY";

void PutBack(const char* name, HANDLE value)
{
    if (value != nullptr)
        SetPropA(GetDesktopWindow(), name, value);
    else
        RemovePropA(GetDesktopWindow(), name);
}

SIZE_T CommittedPrivateBytes()
{
    SIZE_T total = 0;
    const BYTE* at = nullptr;
    MEMORY_BASIC_INFORMATION region{};
    while (VirtualQuery(at, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += region.RegionSize;
        const BYTE* next = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
        if (next <= at)
            break; // the top of the address space
        at = next;
    }
    return total;
}

} // namespace

ShellExecuteRecorder::ShellExecuteRecorder()
    : m_patch("shell32.dll", "ShellExecuteW", reinterpret_cast<void*>(&RecordShellExecute))
{
    if (g_recorder != nullptr)
        throw std::logic_error("one ShellExecuteRecorder at a time");
    g_recorder = this;
}

ShellExecuteRecorder::~ShellExecuteRecorder() { g_recorder = nullptr; }

void ShellExecuteRecorder::Record(const std::string& file, const std::string& parameters)
{
    ++m_launches[{file, parameters}];
}

int ShellExecuteRecorder::Count(const std::string& file, const std::string& parameters) const
{
    const auto it = m_launches.find({file, parameters});
    return it != m_launches.end() ? it->second : 0;
}

int ShellExecuteRecorder::Total() const
{
    int total = 0;
    for (const auto& launch : m_launches)
        total += launch.second;
    return total;
}

std::string ShellExecuteRecorder::Describe() const
{
    std::string text;
    for (const auto& [call, count] : m_launches)
        text += call.first + " [" + call.second + "] x " + std::to_string(count) + "; ";
    return text.empty() ? "no launch" : text;
}

MemoryUse CurrentMemoryUse()
{
    MemoryUse use;
    use.privateBytes = CommittedPrivateBytes();
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        use.workingSet = counters.WorkingSetSize;
    return use;
}

long long GrowthKiB(SIZE_T before, SIZE_T after)
{
    return (static_cast<long long>(after) - static_cast<long long>(before)) / 1024;
}

FrameGeometryKept::FrameGeometryKept()
    : m_size(GetPropA(GetDesktopWindow(), kSizeProperty))
    , m_position(GetPropA(GetDesktopWindow(), kPositionProperty))
{
}

FrameGeometryKept::~FrameGeometryKept()
{
    PutBack(kSizeProperty, m_size);
    PutBack(kPositionProperty, m_position);
}

DWORD ElapsedMs(DWORD start) { return GetTickCount() - start; }

} // namespace soak
