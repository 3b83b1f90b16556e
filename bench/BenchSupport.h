#pragma once

// What the benchmark programs share: the performance counter, started
// processes and their windows, the Paint stand-in's log, and the hand-shake
// with the script that runs them (bench/bench.py).

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// Milliseconds on the performance counter.
double NowMs();

// Writes one line for the script and flushes it at once: the script reads
// the lines while the program runs.
void Report(const char* format, ...);

// A process started by the benchmark. Its handles close with the object;
// the process itself is left running.
class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // Starts the command line (program path first, quoted if need be).
    bool Start(const std::string& commandLine);
    HANDLE Handle() const { return m_info.hProcess; }
    DWORD Id() const { return m_info.dwProcessId; }
    bool IsRunning() const;

private:
    PROCESS_INFORMATION m_info{};
};

// The first visible top-level window of the process with the class (and
// title, unless null), or null.
HWND FindVisibleWindow(DWORD processId, const char* className, const char* title);

// Polls FindVisibleWindow every millisecond until it finds one or the time
// is up.
HWND WaitForVisibleWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs);

// Asks the window to close and waits for the process to end; ends it by
// force if it has not ended in time. False when it had to be forced.
bool CloseAndWait(Process& process, HWND window, DWORD timeoutMs);

// Whether any process with this executable name (case-insensitive) runs.
bool IsProcessRunning(const char* exeName);

// Number of lines in a file; 0 when it does not exist.
int CountLines(const char* path);

// Waits until the Paint stand-in has logged launch number `count` and has
// ended, so that the next measurement does not overlap it. False when it
// did not happen within the time.
bool WaitForPaintLaunch(const char* logPath, int count, DWORD timeoutMs);

// "WxH" to a size; false when the text is not two positive numbers.
bool ParseSize(const char* text, SIZE* pSize);
// "WxH,WxH,...": the sizes that parse.
std::vector<SIZE> ParseSizeList(const std::string& list);

// The hand-shake with the script: Ask prints "sync N WHAT" and waits for the
// file N.go in the sync folder, which the script writes once it has done
// WHAT (timed a peer, read memory from /proc).
class ScriptSync {
public:
    explicit ScriptSync(std::string folder) : m_folder(std::move(folder)) {}
    bool Ask(const std::string& what, DWORD timeoutMs = 60000);

private:
    std::string m_folder;
    int m_next = 0;
};

} // namespace bench
