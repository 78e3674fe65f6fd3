// The program's one music controller, sequencer and devices.
#include <windows.h>

#include "sound/music.h"
#include "sound/winmm_midi.h"
#include "support/log.h"

namespace {

// Never destroyed: without a Quit the process ends with the timer still running, and its
// callback must not meet a destroyed sequencer.
MusicController& Controller() {
    static WinmmMidiOutput* output = new WinmmMidiOutput;
    static WinmmMidiTimer* timer = new WinmmMidiTimer;
    static MidiSequencer* sequencer = new MidiSequencer(*output, *timer, &LogMessage);
    static MusicController* controller = new MusicController(*sequencer, &LogMessage);
    return *controller;
}

}  // namespace

void StartMusic(const char* fileName) {
    char dir[261];
    const DWORD n = GetCurrentDirectoryA(sizeof dir, dir);
    Controller().StartMusic({fileName}, n > 0 && n < sizeof dir ? dir : nullptr);
}

void StopMusic() { Controller().StopMusic(); }

void OnActivateApp(bool active) { Controller().OnActivateApp(active); }
