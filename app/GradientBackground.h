#pragma once
// A background panel: a vertical gradient from one colour at the top to another at the bottom, with a
// picture centred over it (drawn with its transparency). It only paints; it takes no input.

#include <QColor>
#include <QImage>
#include <QWidget>

class TGradientBackground : public QWidget {
    Q_OBJECT
public:
    explicit TGradientBackground(QWidget* parent = nullptr);

    void SetColors(const QColor& top, const QColor& bottom);
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return FPicture; }

    // The top-left corner of the centred picture in the panel's own pixels.
    QPoint PictureOrigin() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor FTop;
    QColor FBottom;
    QImage FPicture;
};
