#pragma once
// The splash was laid out in Windows' Tahoma and MS Sans Serif. Free faces of the same metrics (Wine's,
// from Debian's fonts-wine) are embedded by the build when it finds them; this registers them with
// the application. Bold Tahoma is emboldened from the regular face: the package's bold file carries
// regular outlines. Needs the application object; later calls do nothing.
void UseWindowsFonts();
