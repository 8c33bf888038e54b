#pragma once
// The windows were laid out in Windows' Tahoma, MS Sans Serif and Verdana. Where these are not
// installed, free fonts of the same metrics stand in, so that texts keep their designed sizes:
// Wine's Tahoma and MS Sans Serif (Debian's fonts-wine), and DejaVu Sans for Verdana.
// Needs the application object; later calls do nothing.
void UseWindowsFonts();
