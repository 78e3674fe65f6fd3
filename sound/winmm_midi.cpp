#include "sound/winmm_midi.h"

#include <windows.h>
#include <mmsystem.h>

bool WinmmMidiOutput::Open() {
    HMIDIOUT out = nullptr;
    if (midiOutOpen(&out, 0, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return false;
    handle_ = out;
    return true;
}

void WinmmMidiOutput::Reset() {
    if (handle_) midiOutReset(static_cast<HMIDIOUT>(handle_));
}

void WinmmMidiOutput::Send(uint32_t message) {
    if (handle_) midiOutShortMsg(static_cast<HMIDIOUT>(handle_), message);
}

void WinmmMidiOutput::Close() {
    if (handle_) midiOutClose(static_cast<HMIDIOUT>(handle_));
    handle_ = nullptr;
}

uint32_t WinmmMidiTimer::MinPeriod() {
    TIMECAPS caps{};
    timeGetDevCaps(&caps, sizeof caps);
    return caps.wPeriodMin;
}

void WinmmMidiTimer::BeginPeriod(uint32_t period) { timeBeginPeriod(period); }
void WinmmMidiTimer::EndPeriod(uint32_t period) { timeEndPeriod(period); }

namespace {
void CALLBACK TimerProc(UINT id, UINT, DWORD_PTR self, DWORD_PTR, DWORD_PTR) {
    reinterpret_cast<WinmmMidiTimer*>(self)->Fire(id);
}
}  // namespace

uint32_t WinmmMidiTimer::Start(uint32_t period, Callback callback, void* user) {
    callback_ = callback;
    user_ = user;
    return timeSetEvent(period, 0, &TimerProc, reinterpret_cast<DWORD_PTR>(this),
                        TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
}

void WinmmMidiTimer::Kill(uint32_t timerId) { timeKillEvent(timerId); }

void WinmmMidiTimer::Sleep(uint32_t ms) { ::Sleep(ms); }
