#include "URLLabel.h"

#include "SystemColors.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

TURLLabel::TURLLabel(const QString& caption, const QString& address, QWidget* parent)
    : QLabel(caption, parent), FAddress(address) {
    setCursor(Qt::PointingHandCursor);
    ShowColor();
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    QDesktopServices::openUrl(QUrl(FAddress));
    FVisited = true;
    ShowColor();
}

void TURLLabel::ShowColor() {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, ToQColor(FVisited ? clPurple : clNavy));
    setPalette(colors);
}
