#pragma once

#include "tests/unit/soak/ImportPatch.h"

#include <windows.h>

#include <map>
#include <string>
#include <utility>

namespace soak {

// UTF-16 text in UTF-8.
std::string Utf8(const std::wstring& text);

// Stands in for ShellExecuteW while it exists: every launch the program asks
// for is counted by (file, parameters), in UTF-8, and answered with 2, "file
// not found", as on a machine without Paint. No process is started.
class ShellExecuteRecorder {
public:
    ShellExecuteRecorder();
    ~ShellExecuteRecorder();
    ShellExecuteRecorder(const ShellExecuteRecorder&) = delete;
    ShellExecuteRecorder& operator=(const ShellExecuteRecorder&) = delete;

    bool Applied() const { return m_patch.Applied(); }
    int Count(const std::string& file, const std::string& parameters) const;
    int Total() const;
    // "file [parameters] x count; ..." for failure messages.
    std::string Describe() const;

    void Record(const std::string& file, const std::string& parameters);

private:
    ImportPatch m_patch;
    // Keyed rather than listed, so that recording takes no memory per
    // launch once the first one is in.
    std::map<std::pair<std::string, std::string>, int> m_launches;
};

// The process's memory. Under Wine 8 GetProcessMemoryInfo fills the
// working set (the Unix resident size) but leaves PrivateUsage and
// PagefileUsage at 0, so the private bytes are added up from the address
// space instead: every committed private region (heaps, GDI's DIB bits,
// stacks) as VirtualQuery describes it.
struct MemoryUse {
    size_t privateBytes = 0;
    size_t workingSet = 0;
};
MemoryUse CurrentMemoryUse();
// Growth from before to after in KiB (negative when it shrank).
long long GrowthKiB(SIZE_T before, SIZE_T after);

// The capture frame remembers its size and position as two properties of
// the desktop window, which outlive the process in the rig's session; the
// values found are put back when this goes away.
class FrameGeometryKept {
public:
    FrameGeometryKept();
    ~FrameGeometryKept();
    FrameGeometryKept(const FrameGeometryKept&) = delete;
    FrameGeometryKept& operator=(const FrameGeometryKept&) = delete;

private:
    HANDLE m_size;
    HANDLE m_position;
};

// Milliseconds since the given GetTickCount reading.
DWORD ElapsedMs(DWORD start);

} // namespace soak
