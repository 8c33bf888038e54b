#pragma once
// A panel painted in colour bands from FromColor towards ToColor; neither bevel nor caption is drawn.

#include "SystemColors.h"

#include <QString>
#include <QWidget>

class TShader : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int FromColor READ FromColor WRITE SetFromColor)
    Q_PROPERTY(int ToColor READ ToColor WRITE SetToColor)
    Q_PROPERTY(quint16 Steps READ Steps WRITE SetSteps)
    Q_PROPERTY(bool Direction READ Direction WRITE SetDirection)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
    explicit TShader(QWidget* parent = nullptr);

    TColor FromColor() const { return FFromColor; }
    // A system colour is stored as its RGB value at this moment: later scheme changes leave it alone.
    void SetFromColor(TColor color);
    TColor ToColor() const { return FToColor; }
    void SetToColor(TColor color);
    quint16 Steps() const { return FSteps; }
    void SetSteps(quint16 steps);
    // false: bands run from top to bottom; true: from left to right.
    bool Direction() const { return FDirection; }
    void SetDirection(bool direction);

    // The four bytes of PackedVersion(), most significant first, joined with ".".
    QString Version() const;
    // The version is the component's own; writing it changes nothing.
    void SetVersion(const QString&) {}

protected:
    virtual quint32 PackedVersion() const { return 16842752; }
    void paintEvent(QPaintEvent* event) override;

private:
    TColor FFromColor = clBlue;
    TColor FToColor = clBlack;
    quint16 FSteps = 20;
    bool FDirection = false;
};
