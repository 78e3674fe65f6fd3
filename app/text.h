#pragma once

// Loads string `id` of the string table into result slot 0 or 1 (512 bytes each,
// at most 511 characters) and returns that slot; a call overwrites only its slot.
// By convention a message box's text goes to slot 0 and its caption to slot 1.
const char* LoadText(unsigned id, int slot);
