#include "ImageGrid.h"

TImageGrid::TImageGrid(QObject* parent) : QObject(parent) {}

void TImageGrid::Changed() {
    if (OnChange) OnChange(this);
}

void TImageGrid::SetGridDistance(double value) {
    FGridDistance = value;
    Changed();
}

void TImageGrid::SetGridPen(const TPen& pen) {
    FGridPen = pen;
    Changed();
}

void TImageGrid::SetSubGridPen(const TPen& pen) {
    FSubGridPen = pen;
    Changed();
}

void TImageGrid::SetOnlyOnPaper(bool value) {
    FOnlyOnPaper = value;
    Changed();
}

void TImageGrid::SetVisible(bool value) {
    FVisible = value;
    Changed();
}
