// A fresh temporary folder made the current directory for one test, as the
// program works in the folder it is started from.
#pragma once

#include <windows.h>

#include <string>

class TempCurrentFolder {
public:
    explicit TempCurrentFolder(const char* tag);
    ~TempCurrentFolder();  // back to the previous directory; the folder and its files go
    TempCurrentFolder(const TempCurrentFolder&) = delete;
    TempCurrentFolder& operator=(const TempCurrentFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
    char previous_[MAX_PATH];
};
