// Drawing the screen: the frame, the intro card, the page-name strip, and
// bitmap resources painted by name.
#pragma once

#include <windows.h>

// Screen geometry.
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kFrameWidth = 70;
constexpr int kPageLeft = 70;
constexpr int kPageTop = 70;
constexpr int kPageAreaWidth = 660;
constexpr int kPageAreaHeight = 460;
constexpr int kTitleLeft = 330;
constexpr int kTitleTop = 561;
constexpr int kTitleWidth = 140;
constexpr int kTitleHeight = 10;
constexpr int kIntroCardLeft = 216;
constexpr int kIntroCardTop = 120;

void DrawBorder(HDC target);
void DrawIntroScreen(HDC target);
void DrawTitleStrip(HDC target, int pageIndex);

// Paints the intro picture and the credit line on the card whose top-left is (x, y).
void DrawIntroArtwork(HDC target, int x, int y);

// Paints the named bitmap resource with its top-left at (x, y). Returns 1.
int DrawBitmapAt(HDC target, const char* name, int x, int y);

// Paints an owner-drawn button from its pressed or released bitmap. Returns 0.
int DrawOwnerButton(const DRAWITEMSTRUCT* item, const char* pressedName, const char* releasedName);
