#include "bench/BenchSupport.h"

#include <tlhelp32.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace bench {

namespace {

struct WindowQuery {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    auto* query = reinterpret_cast<WindowQuery*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hWnd, &owner);
    if (owner != query->processId || !IsWindowVisible(hWnd))
        return TRUE;
    char text[256] = {};
    GetClassNameA(hWnd, text, sizeof text);
    if (lstrcmpiA(text, query->className) != 0)
        return TRUE;
    if (query->title != nullptr) {
        GetWindowTextA(hWnd, text, sizeof text);
        if (lstrcmpA(text, query->title) != 0)
            return TRUE;
    }
    query->found = hWnd;
    return FALSE;
}

// Closes a snapshot handle on the way out.
class Snapshot {
public:
    Snapshot() : m_handle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)) {}
    ~Snapshot()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

} // namespace

double NowMs()
{
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

void Report(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

Process::~Process()
{
    if (m_info.hThread != nullptr)
        CloseHandle(m_info.hThread);
    if (m_info.hProcess != nullptr)
        CloseHandle(m_info.hProcess);
}

bool Process::Start(const std::string& commandLine)
{
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_info) !=
           FALSE;
}

bool Process::IsRunning() const
{
    return m_info.hProcess != nullptr && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

HWND FindVisibleWindow(DWORD processId, const char* className, const char* title)
{
    WindowQuery query{processId, className, title, nullptr};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND WaitForVisibleWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs)
{
    const double deadline = NowMs() + timeoutMs;
    for (;;) {
        if (HWND found = FindVisibleWindow(processId, className, title))
            return found;
        if (NowMs() > deadline)
            return nullptr;
        Sleep(1);
    }
}

bool CloseAndWait(Process& process, HWND window, DWORD timeoutMs)
{
    if (window != nullptr)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.Handle(), timeoutMs) == WAIT_OBJECT_0)
        return true;
    TerminateProcess(process.Handle(), 1);
    WaitForSingleObject(process.Handle(), timeoutMs);
    return false;
}

bool IsProcessRunning(const char* exeName)
{
    Snapshot snapshot;
    if (snapshot.Get() == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName) == 0)
            return true;
    }
    return false;
}

int CountLines(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return 0;
    int lines = 0;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
        lines += c == '\n' ? 1 : 0;
    std::fclose(file);
    return lines;
}

bool WaitForPaintLaunch(const char* logPath, int count, DWORD timeoutMs)
{
    const double deadline = NowMs() + timeoutMs;
    while (CountLines(logPath) < count) {
        if (NowMs() > deadline)
            return false;
        Sleep(2);
    }
    // The stand-in writes its line just before it ends.
    while (IsProcessRunning("mspaint.exe")) {
        if (NowMs() > deadline)
            return false;
        Sleep(2);
    }
    return true;
}

bool ParseSize(const char* text, SIZE* pSize)
{
    char* end = nullptr;
    const long w = std::strtol(text, &end, 10);
    if (end == text || (*end != 'x' && *end != 'X'))
        return false;
    const char* rest = end + 1;
    const long h = std::strtol(rest, &end, 10);
    if (end == rest || *end != '\0' || w <= 0 || h <= 0 || w > 32767 || h > 32767)
        return false;
    *pSize = SIZE{w, h};
    return true;
}

std::vector<SIZE> ParseSizeList(const std::string& list)
{
    std::vector<SIZE> sizes;
    size_t begin = 0;
    while (begin < list.size()) {
        size_t end = list.find(',', begin);
        if (end == std::string::npos)
            end = list.size();
        SIZE size;
        if (ParseSize(list.substr(begin, end - begin).c_str(), &size))
            sizes.push_back(size);
        begin = end + 1;
    }
    return sizes;
}

bool ScriptSync::Ask(const std::string& what, DWORD timeoutMs)
{
    const int number = m_next++;
    const std::string done = m_folder + "\\" + std::to_string(number) + ".go";
    Report("sync %d %s", number, what.c_str());
    const double deadline = NowMs() + timeoutMs;
    while (!FileExists(done)) {
        if (NowMs() > deadline)
            return false;
        Sleep(2);
    }
    return true;
}

} // namespace bench
