#pragma once
// Settings of the viewer's grid overlays. Every setter stores its value and then notifies OnChange.

#include "Types.h"
#include "Pen.h"

#include <QObject>

class TImageGrid : public QObject {
    Q_OBJECT
    Q_PROPERTY(double GridDistance READ GridDistance WRITE SetGridDistance)
    Q_PROPERTY(bool OnlyOnPaper READ OnlyOnPaper WRITE SetOnlyOnPaper)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    explicit TImageGrid(QObject* parent = nullptr);

    // Spacing of the grid lines in picture pixels.
    double GridDistance() const { return FGridDistance; }
    void SetGridDistance(double value);
    // Pen of the grid lines; assigning copies colour, width, style and mode.
    const TPen& GridPen() const { return FGridPen; }
    void SetGridPen(const TPen& pen);
    // Pen of the pixel grid.
    const TPen& SubGridPen() const { return FSubGridPen; }
    void SetSubGridPen(const TPen& pen);
    // Both grids are drawn only while this is true.
    bool OnlyOnPaper() const { return FOnlyOnPaper; }
    void SetOnlyOnPaper(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    TNotifyEvent OnChange;

private:
    void Changed();

    double FGridDistance = 0;
    TPen FGridPen{QColor(255, 255, 255), 1, Qt::SolidLine, TPenMode::pmCopy};
    TPen FSubGridPen{QColor(128, 128, 128), 1, Qt::SolidLine, TPenMode::pmCopy};
    bool FOnlyOnPaper = true;
    bool FVisible = false;
};
