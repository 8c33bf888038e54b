#pragma once
// Captures message boxes instead of showing them, for its lifetime.

#include "MessageBox.h"

#include <QStringList>

class FakeMessageBox final : public IMessageBox {
public:
    FakeMessageBox();
    ~FakeMessageBox() override;
    FakeMessageBox(const FakeMessageBox&) = delete;
    FakeMessageBox& operator=(const FakeMessageBox&) = delete;

    void Show(const QString& text) override { Texts.append(text); }

    QStringList Texts;

private:
    IMessageBox* FPrevious;
};
