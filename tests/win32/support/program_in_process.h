// The whole program run in the test's own process, as its WinMain would run it,
// on fifty pages of two outlined boxes each.
#pragma once

// Writes the pages into the current folder, starts the program and dismisses the
// intro card. False unless the colouring screen with its buttons is up in 10 s.
bool StartProgramOnTestPages();

// Closes the program's window, takes its quit message and forgets its class.
void EndProgram();
