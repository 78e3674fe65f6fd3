#include "tests/e2e/support/linux_process.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tests/testdata/page_writer.h"

namespace e2e {

namespace {

std::string ProcFile(const std::string& pid, const char* name) {
    const std::vector<uint8_t> bytes = testdata::ReadBytes("Z:\\proc\\" + pid + "\\" + name);
    return std::string(bytes.begin(), bytes.end());
}

// The WINEPREFIX=... entry of a Linux process's environment.
std::string PrefixOf(const std::string& pid) {
    const std::string env = ProcFile(pid, "environ");
    for (size_t at = 0; at < env.size();) {
        const size_t end = env.find('\0', at);
        const std::string entry = env.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (entry.rfind("WINEPREFIX=", 0) == 0) return entry;
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return "";
}

// The first process of this prefix whose /proc file `name` holds `text` (lower case).
std::string FindProcess(const char* name, const std::string& text) {
    const std::string ours = PrefixOf("self");
    if (ours.empty()) return "";
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA("Z:\\proc\\*", &data);
    if (find == INVALID_HANDLE_VALUE) return "";
    std::string found;
    do {
        const std::string pid = data.cFileName;
        if (pid.empty() || pid[0] < '0' || pid[0] > '9') continue;
        std::string held = ProcFile(pid, name);
        if (held.empty()) continue;
        CharLowerBuffA(&held[0], DWORD(held.size()));
        if (held.find(text) != std::string::npos && PrefixOf(pid) == ours) found = pid;
    } while (found.empty() && FindNextFileA(find, &data));
    FindClose(find);
    return found;
}

}  // namespace

std::string LinuxProcessOf(const std::string& exeName) {
    std::string lower = exeName;
    if (!lower.empty()) CharLowerBuffA(&lower[0], DWORD(lower.size()));
    return FindProcess("cmdline", lower);
}

std::string LinuxWineServer() { return FindProcess("comm", "wineserver"); }

double LinuxCpuSeconds(const std::string& pid) {
    if (pid.empty()) return -1;
    const std::string stat = ProcFile(pid, "stat");
    const size_t name = stat.rfind(')');  // the name may hold blanks
    if (name == std::string::npos) return -1;
    unsigned long utime = 0, stime = 0;
    // After the name: state, then fields 4..13, then utime and stime.
    if (std::sscanf(stat.c_str() + name + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime,
                    &stime) != 2)
        return -1;
    return double(utime + stime) / 100.0;  // clock ticks of 1/100 s
}

long LinuxStatusKb(const std::string& pid, const char* field) {
    if (pid.empty()) return -1;
    const std::string status = ProcFile(pid, "status");
    const std::string key = std::string("\n") + field + ":";
    const size_t at = status.find(key);
    return at == std::string::npos ? -1 : std::strtol(status.c_str() + at + key.size(), nullptr, 10);
}

}  // namespace e2e
