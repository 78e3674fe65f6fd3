// The animated region fill and the clear wave: one breadth-first walk over the
// page's pixels (lpDib, in the layout of gPageImage), paced by the tick count,
// redrawing the page as it goes and keeping the message queue moving.
//
// The walk itself is portable; the clock, the drawing, the message pump, the
// sounds and the random number reach it through a WalkHost.
//
// While a walk runs it handles waiting messages one at a time: after every
// kPixelsPerLook processed pixels, and while it waits for its next frame each
// time the clock moves on and whenever one arrives, so that none waits much
// longer than a millisecond. A handled message that releases the page ends
// the walk. The wait for a frame sleeps until a message arrives or the frame
// is kSpinBeforeFrameMs away, then spins on the clock, so frames come on time
// without the walk keeping a processor busy.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/ids.h"  // the wave sound numbers (macros only)

struct WalkHost {
    virtual ~WalkHost() = default;
    virtual uint32_t TickCount() = 0;      // milliseconds, wrapping at 2^32
    virtual void DrawFrame() = 0;          // draws the page onto the main window
    virtual bool PumpOneMessage() = 0;     // handles one waiting message, if any
    // Returns once a message waits or `milliseconds` have passed, whichever
    // comes first; it may return a little late, never early unless a message waits.
    virtual void WaitForMessage(uint32_t milliseconds) = 0;
    virtual void PlaySoundOnce(int sound) = 0;
    virtual void PlaySoundLoop(int sound) = 0;
    virtual void StopSounds() = 0;
    virtual int RandomBelow(int n) = 0;
};

// Wave sounds of the walk.
constexpr int kFirstFillSound = WAVE_FILL_FIRST;  // one of four when a fill starts
constexpr int kFillLoopSound = WAVE_FILL_LOOP;
constexpr int kClearLoopSound = WAVE_CLEAR_LOOP;
constexpr int kClearSound = WAVE_CLEAR;

constexpr uint32_t kLoopAfterMs = 450;        // switch to the looping sound after this long
constexpr uint32_t kFillFrameMs = 10;         // least time between fill frames
constexpr uint32_t kClearFrameMs = 30;        // least time between clear frames
constexpr unsigned kPixelsPerFillFrame = 501;
constexpr int kClearBatchStep = 6;            // each clear frame reaches 6 pixels further
constexpr unsigned kPixelsPerLook = 32;       // a look for waiting messages after this many pixels
constexpr uint32_t kSpinBeforeFrameMs = 2;    // the end of a wait for a frame is spun, not slept

// Paints the region of (x, y) with `colour`: every pixel 4-connected to it
// through pixels that are neither the line index 0 nor already `colour`. The
// start pixel itself changes only when a neighbour looks back at it, so a
// one-pixel region keeps its colour.
// Returns the number of queue entries processed, or 0 when nothing was done:
// a walk is already running, there is no page, (x, y) is off the page, or the
// queue's storage could not be had (then the page is left untouched, no sound
// plays and nothing is drawn). The walks share one queue storage for a whole
// page, taken by the first walk and kept, so later walks allocate nothing; a
// walk that could not have it leaves the next walk to try again.
size_t FillRegion(WalkHost& host, int x, int y, uint8_t colour);

// Returns every pixel that is not the line index to paper (37) in a diamond
// wave from the centre of the page, marking lpDibClear as it goes. Returns
// the number of queue entries processed, or 0 when nothing was done, for the
// same reasons as FillRegion.
size_t ClearWave(WalkHost& host);

// True while FillRegion or ClearWave runs. Messages handled inside the walk
// can ask for another fill or clear; such a call returns 0 at once, and the
// caller should check this flag before it touches the window or the page.
bool WalkRunning();
