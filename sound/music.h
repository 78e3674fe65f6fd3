// Background music: plays the edition's song while the program is active.
#pragma once

#include <string>
#include <vector>

#include "sound/sequencer.h"

struct SongPath {
    std::string fileName;
    std::string path;  // current directory, a backslash, the file name; "" if it cannot be held
};

class MusicController {
public:
    MusicController(MidiSequencer& sequencer, MidiLogFn log) : sequencer_(sequencer), log_(log) {}

    // Builds the song paths from currentDir (nullptr: unknown), opens the output and plays if active.
    void StartMusic(const std::vector<std::string>& names, const char* currentDir);
    void PlayIfActive();
    // For every activation message, with its flag.
    void OnActivateApp(bool active);
    void StopMusic() { sequencer_.Close(); }

    const std::vector<SongPath>& songs() const { return songs_; }
    bool active() const { return active_; }

private:
    MidiSequencer& sequencer_;
    MidiLogFn log_;
    std::vector<SongPath> songs_;
    int currentSong_ = 0;
    bool active_ = false;
};

// The program's music, on the interface thread (Win32 build).
void StartMusic(const char* fileName);  // a song file in the current directory
void StopMusic();   // the Quit button: stops and closes the output
void OnActivateApp(bool active);
