#include "Shader.h"

#include "ShaderBands.h"

#include <QPainter>

TShader::TShader(QWidget* parent) : QWidget(parent) {}

void TShader::SetFromColor(TColor color) {
    FFromColor = ColorToRGB(color);
    update();
}

void TShader::SetToColor(TColor color) {
    FToColor = ColorToRGB(color);
    update();
}

void TShader::SetSteps(quint16 steps) {
    FSteps = steps;
    update();
}

void TShader::SetDirection(bool direction) {
    FDirection = direction;
    update();
}

QString TShader::Version() const {
    const quint32 packed = PackedVersion();
    return QStringLiteral("%1.%2.%3.%4")
        .arg(packed >> 24 & 0xFF)
        .arg(packed >> 16 & 0xFF)
        .arg(packed >> 8 & 0xFF)
        .arg(packed & 0xFF);
}

void TShader::paintEvent(QPaintEvent*) {
    if (FSteps == 0) FSteps = 1;
    QPainter painter(this);
    for (const TShaderBand& band : ShaderBands(FFromColor, FToColor, FSteps, FDirection, width(), height()))
        painter.fillRect(QRect(band.Left, band.Top, band.Right - band.Left, band.Bottom - band.Top),
                         ToQColor(band.Color));
}
