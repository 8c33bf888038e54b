#include "GradientBackground.h"

#include <QLinearGradient>
#include <QPainter>

TGradientBackground::TGradientBackground(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGradientBackground::SetColors(const QColor& top, const QColor& bottom) {
    FTop = top;
    FBottom = bottom;
    update();
}

void TGradientBackground::SetPicture(const QImage& picture) {
    FPicture = picture;
    update();
}

QPoint TGradientBackground::PictureOrigin() const {
    return {(width() - FPicture.width()) / 2, (height() - FPicture.height()) / 2};
}

void TGradientBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, FTop);
    gradient.setColorAt(1, FBottom);
    painter.fillRect(rect(), gradient);
    if (!FPicture.isNull()) painter.drawImage(PictureOrigin(), FPicture);
}
