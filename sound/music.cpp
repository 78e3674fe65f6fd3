#include "sound/music.h"

#include <cstdio>

namespace {
constexpr size_t kMaxPath = 259;  // characters a path may hold
}

void MusicController::StartMusic(const std::vector<std::string>& names, const char* currentDir) {
    songs_.clear();
    for (const std::string& name : names) {
        SongPath song{name, ""};
        if (currentDir) {
            // A drive root already ends in a backslash; the doubled one is passed on as it is.
            std::string path = std::string(currentDir) + "\\" + name;
            // A path too long to hold is left empty: the load fails and is logged.
            if (path.size() <= kMaxPath) song.path = path;
        }
        songs_.push_back(song);
    }
    sequencer_.OpenOutput();
    PlayIfActive();
}

void MusicController::PlayIfActive() {
    if (!active_) return;
    // Before StartMusic there is no path: the load fails and only the log hears of it.
    const size_t index = size_t(currentSong_);
    sequencer_.Play(index < songs_.size() ? songs_[index].path.c_str() : "");
}

void MusicController::OnActivateApp(bool active) {
    log_("WM_ACTIVATEAPP %i", int(active_));
    active_ = active;
    if (!active)
        sequencer_.Pause();
    else
        PlayIfActive();  // the song starts again from its beginning
}
