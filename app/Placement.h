#pragma once
// Where the main window goes on the screen: a quarter of the free height above it, centred across.
// Integer divisions drop the remainder towards zero, also when the window is larger than the screen.

constexpr int PlacementTop(int screenHeight, int windowHeight) { return (screenHeight - windowHeight) / 4; }
constexpr int PlacementLeft(int screenWidth, int windowWidth) { return (screenWidth - windowWidth) / 2; }
