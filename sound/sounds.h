// The eight short wave sounds of the program, played from its resources.
#pragma once

#include <windows.h>

#include "app/ids.h"

constexpr int kSoundCount = WAVE_COUNT;

void LoadSounds(HINSTANCE instance);  // finds and locks wave resources 1..kSoundCount
void ReleaseSounds();                 // resource memory belongs to the image: nothing to free

// Play asynchronously from memory, stopping any wave sound that plays. A sound
// whose resource is missing stops the current sound instead.
void PlaySoundOnce(int sound);
void PlaySoundLoop(int sound);
void StopSounds();

// Tests watch what reaches the platform's PlaySound; nullptr restores it.
using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR sound, HMODULE module, DWORD flags);
void SetPlaySoundFunction(PlaySoundFunction function);
