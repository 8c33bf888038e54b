#pragma once
// An object publishing an integer "AlphaBlendValue", recording every write the animations make.

#include <QObject>
#include <vector>

class TAnimationTarget : public QObject {
    Q_OBJECT
    Q_PROPERTY(int AlphaBlendValue READ AlphaBlendValue WRITE SetAlphaBlendValue)

public:
    explicit TAnimationTarget(int value = 0) : FValue(value) {}

    int AlphaBlendValue() const { return FValue; }
    void SetAlphaBlendValue(int value) {
        FValue = value;
        Writes.push_back(value);
    }

    std::vector<int> Writes;

private:
    int FValue;
};
