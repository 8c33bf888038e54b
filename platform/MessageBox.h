#pragma once
// Message boxes of the data checks. They go through a replaceable service so that tests can
// capture them instead of blocking on a modal window.

#include <QString>

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void Show(const QString& text) = 0;
};

// Shows text in a modal information box (on stderr when there is no application window system).
void ShowMessage(const QString& text);

// Installs service for all later ShowMessage calls; nullptr restores the real box. Returns the previous one.
IMessageBox* SetMessageBoxService(IMessageBox* service);
