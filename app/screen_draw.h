// Drawing the screen: the frame, the intro card, the page-name strip, and
// bitmap resources painted by name.
#pragma once

#include <windows.h>

#include "app/ids.h"

// The screen geometry of app/ids.h that several files draw with.
constexpr int kScreenWidth = SCREEN_W;
constexpr int kScreenHeight = SCREEN_H;
constexpr int kFrameWidth = FRAME_W;
constexpr int kPageLeft = PAGE_X;
constexpr int kPageTop = PAGE_Y;
constexpr int kPageAreaWidth = PAGE_W;
constexpr int kPageAreaHeight = PAGE_H;
constexpr int kTitleLeft = TITLE_X;
constexpr int kTitleTop = TITLE_Y;
constexpr int kTitleWidth = TITLE_W;
constexpr int kTitleHeight = TITLE_H;

void DrawBorder(HDC target);
void DrawIntroScreen(HDC target);
void DrawTitleStrip(HDC target, int pageIndex);

// Paints the intro picture and the credit line on the card whose top-left is (x, y).
void DrawIntroArtwork(HDC target, int x, int y);

// Paints the named bitmap resource with its top-left at (x, y). Returns 1.
int DrawBitmapAt(HDC target, const char* name, int x, int y);

// Paints an owner-drawn button from its pressed or released bitmap. Returns 0.
int DrawOwnerButton(const DRAWITEMSTRUCT* item, const char* pressedName, const char* releasedName);
