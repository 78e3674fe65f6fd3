// Answers the next message box of this process from a second thread and
// records what it showed, so code that asks the user can be tested in-process.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

class BoxWatcher {
public:
    // Waits for a box with the caption and presses `button` in it; `whileUp`
    // runs on the watching thread once the box is seen, before the press.
    BoxWatcher(const char* caption, int button, std::function<void()> whileUp = {});
    ~BoxWatcher();  // joins; a box never seen leaves seen() false
    bool seen() const { return seen_; }
    const std::string& text() const { return text_; }
    bool hasIcon() const { return hasIcon_; }
    bool hasButton(int id) const { return (buttons_ >> (id & 31)) & 1; }
    void Join();

private:
    std::string caption_;
    int button_;
    bool seen_ = false;
    bool hasIcon_ = false;
    unsigned buttons_ = 0;
    std::string text_;
    std::thread thread_;
};
