#pragma once
// The colour-channel filter the viewer shows its picture through.

#include <QImage>

struct TChannelFlags {
    bool MonoRGB = false;
    bool R = true;
    bool G = true;
    bool B = true;
};

// Filters picture in place, converting it to 24 bits per pixel first. In colour mode a channel that is
// off becomes 0. In grey-scale mode all three on give their average; otherwise the first of red, green
// and blue that is on is shown as grey, and with none on the pixel keeps its colours. Any width.
void ApplyChannels(QImage& picture, const TChannelFlags& flags);
