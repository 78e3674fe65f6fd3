// The Linux processes behind the Wine processes of this prefix, read from /proc
// through Wine's Z: drive: processor time and memory, which Windows calls do
// not give for another process under Wine.
#pragma once

#include <string>

namespace e2e {

// The Linux process id of a process of this Wine prefix: a Windows program
// whose command line holds `exeName` (case ignored), or "" if none runs.
std::string LinuxProcessOf(const std::string& exeName);
// The Wine server of this prefix, or "".
std::string LinuxWineServer();

// User and system time of a Linux process in seconds, or -1.
double LinuxCpuSeconds(const std::string& pid);
// A "kB" line of its /proc status ("RssAnon", "VmRSS", ...), or -1.
long LinuxStatusKb(const std::string& pid, const char* field);

}  // namespace e2e
