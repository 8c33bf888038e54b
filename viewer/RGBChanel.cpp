#include "RGBChanel.h"

TRGBChanel::TRGBChanel(QObject* parent) : QObject(parent) {}

void TRGBChanel::Changed() {
    if (OnChange) OnChange(this);
}

void TRGBChanel::SetMonoRGB(bool value) {
    FMonoRGB = value;
    Changed();
}

void TRGBChanel::SetRGB(bool value) {
    FRGB = value;
    SetR(value);
    SetG(value);
    SetB(value);
    Changed();
}

void TRGBChanel::SetR(bool value) {
    FR = value;
    Changed();
}

void TRGBChanel::SetG(bool value) {
    FG = value;
    Changed();
}

void TRGBChanel::SetB(bool value) {
    FB = value;
    Changed();
}

void TRGBChanel::CopyFlagsFrom(const TRGBChanel& source) {
    FMonoRGB = source.FMonoRGB;
    FRGB = source.FRGB;
    FR = source.FR;
    FG = source.FG;
    FB = source.FB;
}
