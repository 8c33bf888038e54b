#pragma once
// A picture control: shows a PNG with its transparency, without frame or focus rectangle, either at its
// own size or stretched to the control. As a button it reports clicks, shows its hint once hints are
// switched on, and may carry a right-click menu with one custom entry.

#include <QImage>
#include <QString>
#include <QWidget>

class QMenu;

class TPictureImage : public QWidget {
    Q_OBJECT
public:
    explicit TPictureImage(QWidget* parent = nullptr);

    // Without stretching, a picture that exists also sets the control's size.
    void SetPicture(const QImage& picture, bool stretch = false);
    const QImage& Picture() const { return FPicture; }

    void SetHint(const QString& hint);
    void SetShowHint(bool show);

    // Adds the right-click menu's one entry; choosing it emits customClick.
    void SetCustomMenuEntry(const QString& caption);
    QMenu* PopupMenu() const { return FMenu; }

signals:
    void clicked();
    void customClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QImage FPicture;
    bool FStretch = false;
    bool FPressed = false;
    QString FHint;
    QMenu* FMenu = nullptr;
};
