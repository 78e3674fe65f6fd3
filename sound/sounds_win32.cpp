#include "sound/sounds.h"

#include <mmsystem.h>

namespace {
const void* gSounds[kSoundCount + 1];  // slot 0 unused
PlaySoundFunction gPlaySound = PlaySoundA;

const void* SoundBytes(int sound) { return sound >= 1 && sound <= kSoundCount ? gSounds[sound] : nullptr; }

void Play(int sound, UINT extraFlags) {
    const void* bytes = SoundBytes(sound);
    if (!bytes) {
        StopSounds();
        return;
    }
    gPlaySound(static_cast<LPCSTR>(bytes), nullptr, SND_ASYNC | SND_MEMORY | extraFlags);
}
}  // namespace

void LoadSounds(HINSTANCE instance) {
    for (int sound = 1; sound <= kSoundCount; ++sound) {
        gSounds[sound] = nullptr;
        HRSRC info = FindResourceA(instance, MAKEINTRESOURCEA(sound), "WAVE");
        if (!info) continue;
        HGLOBAL loaded = LoadResource(instance, info);
        if (loaded) gSounds[sound] = LockResource(loaded);
    }
}

void ReleaseSounds() {}

void PlaySoundOnce(int sound) { Play(sound, 0); }

void PlaySoundLoop(int sound) { Play(sound, SND_LOOP); }

void StopSounds() { gPlaySound(nullptr, nullptr, 0); }

void SetPlaySoundFunction(PlaySoundFunction function) { gPlaySound = function ? function : PlaySoundA; }
