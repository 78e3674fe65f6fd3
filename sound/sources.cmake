list(APPEND TW_PORTABLE_SOURCES
  sound/midi_events.cpp
  sound/midifile.cpp
  sound/sequencer.cpp
  sound/virtual_midi.cpp
  sound/music.cpp
)
list(APPEND TW_WIN32_SOURCES
  sound/winmm_midi.cpp
  sound/music_player.cpp
  sound/sounds_win32.cpp
)
