#pragma once

// Under Wine only: makes DirectDraw draw through GDI for this program, so that
// its child windows (the buttons and swatches) show in exclusive full-screen
// mode. Must run before ddraw.dll is loaded. Does nothing on Windows.
void PreferGdiRendererUnderWine();
