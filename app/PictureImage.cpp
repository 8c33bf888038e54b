#include "PictureImage.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

TPictureImage::TPictureImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void TPictureImage::SetPicture(const QImage& picture, bool stretch) {
    FPicture = picture;
    FStretch = stretch;
    if (!stretch && !picture.isNull()) resize(picture.size());
    update();
}

void TPictureImage::SetHint(const QString& hint) { FHint = hint; }

void TPictureImage::SetShowHint(bool show) { setToolTip(show ? FHint : QString()); }

void TPictureImage::SetCustomMenuEntry(const QString& caption) {
    delete FMenu;
    FMenu = new QMenu(this);
    FMenu->addAction(caption, this, &TPictureImage::customClick);
}

void TPictureImage::paintEvent(QPaintEvent*) {
    if (FPicture.isNull()) return;
    QPainter painter(this);
    if (FStretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), FPicture);
    } else {
        painter.drawImage(0, 0, FPicture);
    }
}

void TPictureImage::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton;
}

void TPictureImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPressed = false;
    if (click) emit clicked();
}

void TPictureImage::contextMenuEvent(QContextMenuEvent* event) {
    if (FMenu) FMenu->popup(event->globalPos());
}
